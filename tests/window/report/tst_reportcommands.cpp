// The report's Export and printing in the window: the file chosen, the
// pages printed as exported.
#include "../../report/pdftext.h"
#include "../file/fileanswers.h"
#include "window/report/reportcommands.h"

#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include <sys/stat.h>

class TestReportCommands : public QObject, FileCommandsFixture
{
    Q_OBJECT

private slots:
    void init() { FileCommandsFixture::init(); }
    void cleanup() { FileCommandsFixture::cleanup(); }

    void exportWritesTheChosenPdf_data()
    {
        QTest::addColumn<QString>("chosen"); // empty: the dialog is cancelled
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("message"); // the first message box's, its first words
        const auto row = [](const char *chosen, const char *written, const char *message) {
            QTest::newRow(chosen) << QString(chosen) << QString(written) << QString(message);
        };
        row("report.PDF", "report.PDF", "");
        row("r26", "r26.pdf", "Save File: r26.pdf already exists."); // made here first
        row("", "", "");
        row("pipe.pdf", "", "Unable to open file: "); // a FIFO, made here
    }

    void exportWritesTheChosenPdf()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(QString, message);
        d->type("lineEdit_serialNumber", QStringLiteral("4711"));
        if (chosen.startsWith("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path(chosen)).constData(), 0600), 0);
        if (chosen == "r26")
            writeFile(path(written), "old");
        Prompts::queueFileNames({chosen.isEmpty() ? chosen : path(chosen)});
        d->action(QStringLiteral("&Export"))->trigger();
        // Made on a worker; closing the window waits for it and writes it.
        if (chosen == "report.PDF")
            d.reset();
        else
            d->window->reportCommands().finishExports();
        // The article number and the typed digits, without the "-" between.
        QCOMPARE(Prompts::lastFileRequest().startPath, articleNumber(0) + "4711");
        // Nothing else appears, not even under the proposed name in the working folder.
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files | QDir::Hidden),
                 written.isEmpty() ? QStringList() : QStringList(written));
        if (!written.isEmpty())
            QVERIFY(contents(path(written)).startsWith("%PDF-"));
        QCOMPARE(answers.messages.value(0).left(message.size()), message);
    }

    void printedPagesAreTheExportedPages()
    {
        d->selectModel(13);
        d->type("lineEdit_location", QStringLiteral("Hall 4 North Wing Basement"));
        Prompts::queueFileNames({path("exported.pdf")});
        d->action(QStringLiteral("&Export"))->trigger();
        // Made on a worker, written when the window hears it is finished.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path("exported.pdf")), 30000);

        // Cancelled, then accepted: only the accepted dialog prints, on A4
        // landscape under the report's title.
        QString paper;
        int answer = QDialog::Rejected;
        Prompts::setDialogHandler([&](QDialog &dialog) {
            if (auto *preview = dialog.findChild<QPrintPreviewWidget *>()) {
                preview->updatePreview();
                return answer = preview->pageCount();
            }
            QPrinter *printer = qobject_cast<QPrintDialog *>(&dialog)->printer();
            paper = printer->pageLayout().pageSize().name() +
                QString::number(printer->pageLayout().orientation());
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path("printed.pdf"));
            return answer;
        });
        d->action(QStringLiteral("&Print Report…"))->trigger();
        QVERIFY(!QFile::exists(path("printed.pdf")));
        answer = QDialog::Accepted;
        d->action(QStringLiteral("&Print Report…"))->trigger();
        QCOMPARE(paper, "A4" + QString::number(QPageLayout::Landscape));
        const QList<QStringList> exported = pdfPageLines(path("exported.pdf"));
        QCOMPARE(pdfPageLines(path("printed.pdf")), exported);
        QVERIFY(runPoppler(QStringLiteral("pdfinfo"), {path("printed.pdf")})
                    .contains(QStringLiteral("Report \u2014 ") + catalogueRow(13).modelName));
        d->action(QStringLiteral("Print Pre&view…"))->trigger();
        QCOMPARE(answer, exported.size());
    }
};

QTEST_MAIN(TestReportCommands)
#include "tst_reportcommands.moc"
