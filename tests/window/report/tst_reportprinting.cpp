// "Print Report…" and "Print Preview…" in the window: the pages printed are
// the pages Export writes; the dialogs answered through the prompts seam.
#include "../../report/pdftext.h"
#include "../windowdriver.h"
#include "report/reportgenerator.h"
#include "window/ground/prompts.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

// The "Key: value" lines pdfinfo prints, by key.
QMap<QString, QString> pdfInfo(const QString &path)
{
    QMap<QString, QString> info;
    for (const QString &line : runPoppler(QStringLiteral("pdfinfo"), {path}).split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0)
            info.insert(line.left(colon), line.mid(colon + 1).trimmed());
    }
    return info;
}

} // namespace

class TestReportPrinting : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void printedPagesAreTheExportedPages_data();
    void printedPagesAreTheExportedPages();
    void cancelledPrintDialogPrintsNothing();
    void previewShowsEveryPage();

private:
    QString path(const QString &name) const { return m_folder->filePath(name); }

    std::unique_ptr<WindowDriver> d;
    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestReportPrinting::init()
{
    Prompts::reset();
    Prompts::setScripted(true);
    m_folder = std::make_unique<QTemporaryDir>();
    d = std::make_unique<WindowDriver>();
}

void TestReportPrinting::cleanup()
{
    d.reset();
    QCOMPARE(Prompts::unansweredDialogs(), 0);
    Prompts::reset();
}

void TestReportPrinting::printedPagesAreTheExportedPages_data()
{
    QTest::addColumn<int>("model");
    QTest::newRow("5 ports, 2 pages") << 0;
    QTest::newRow("26 ports, 3 pages") << 13;
}

void TestReportPrinting::printedPagesAreTheExportedPages()
{
    QFETCH(int, model);
    d->selectModel(model);
    d->type("lineEdit_location", QStringLiteral("Hall 4 North Wing Basement"));
    d->type("lineEdit_serialNumber", QStringLiteral("4711"));
    Prompts::queueFileNames({path("exported.pdf")});
    d->action(QStringLiteral("&Export"))->trigger();

    QString proposedPaper;
    Prompts::setDialogHandler([&](QDialog &dialog) {
        auto *printDialog = qobject_cast<QPrintDialog *>(&dialog);
        if (!printDialog)
            return int(QDialog::Rejected);
        QPrinter *printer = printDialog->printer();
        proposedPaper = printer->pageLayout().pageSize().name() +
            (printer->pageLayout().orientation() == QPageLayout::Landscape ? " landscape"
                                                                           : " portrait");
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path("printed.pdf"));
        return int(QDialog::Accepted);
    });
    d->action(QStringLiteral("&Print Report…"))->trigger();
    QCOMPARE(proposedPaper, QStringLiteral("A4 landscape"));

    const QList<QStringList> exported = pdfPageLines(path("exported.pdf"));
    QCOMPARE(exported.size(), ReportGenerator::pageCount(d->config().portCount));
    QCOMPARE(pdfPageLines(path("printed.pdf")), exported);

    const QString title =
        QStringLiteral("Switch Configuration Report \u2014 ") + catalogueRow(model).modelName;
    for (const char *name : {"exported.pdf", "printed.pdf"}) {
        const QMap<QString, QString> info = pdfInfo(path(name));
        QCOMPARE(info.value("Title"), title);
        QCOMPARE(info.value("Creator"), QStringLiteral("Mestrel"));
    }
}

void TestReportPrinting::cancelledPrintDialogPrintsNothing()
{
    Prompts::setDialogHandler([&](QDialog &dialog) {
        if (auto *printDialog = qobject_cast<QPrintDialog *>(&dialog)) {
            printDialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            printDialog->printer()->setOutputFileName(path("printed.pdf"));
        }
        return int(QDialog::Rejected);
    });
    d->action(QStringLiteral("&Print Report…"))->trigger();
    QVERIFY(!QFile::exists(path("printed.pdf")));
}

void TestReportPrinting::previewShowsEveryPage()
{
    d->selectModel(13);
    int shownPages = -1;
    Prompts::setDialogHandler([&](QDialog &dialog) {
        if (!qobject_cast<QPrintPreviewDialog *>(&dialog))
            return int(QDialog::Rejected);
        auto *preview = dialog.findChild<QPrintPreviewWidget *>();
        preview->updatePreview();
        shownPages = preview->pageCount();
        return int(QDialog::Rejected);
    });
    d->action(QStringLiteral("Print Pre&view…"))->trigger();
    QCOMPARE(shownPages, 3);
}

QTEST_MAIN(TestReportPrinting)
#include "tst_reportprinting.moc"
