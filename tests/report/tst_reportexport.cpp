// The "&Export" command in the window: the save dialog is answered through
// the prompts seam, the PDF read back with the poppler tools.
#include "../windowdriver.h"
#include "app/prompts.h"
#include "pdftext.h"

#include <QAction>
#include <QGuiApplication>
#include <QTemporaryDir>

class TestReportExport : public QObject
{
    Q_OBJECT

private slots:
    void exportsUnderTheChosenName_data();
    void exportsUnderTheChosenName();
};

void TestReportExport::exportsUnderTheChosenName_data()
{
    QTest::addColumn<QString>("serialDigits");
    QTest::addColumn<QString>("chosen"); // empty: the dialog is cancelled
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("boxTitle");

    QTest::newRow("no suffix") << ""
                               << "report"
                               << "report.pdf"
                               << "";
    QTest::newRow("lower-case suffix kept") << "4711"
                                            << "report.pdf"
                                            << "report.pdf"
                                            << "";
    QTest::newRow("upper-case suffix is not the suffix") << "4711"
                                                         << "report.PDF"
                                                         << "report.PDF.pdf"
                                                         << "";
    QTest::newRow("cancelled") << "4711"
                               << ""
                               << ""
                               << "";
    QTest::newRow("folder missing") << ""
                                    << "missing/report"
                                    << ""
                                    << "Unable to open file";
}

void TestReportExport::exportsUnderTheChosenName()
{
    QFETCH(QString, serialDigits);
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QFETCH(QString, boxTitle);
    // Run from the folder, so that a report written in spite of a cancel
    // (under the proposed name or a bare ".pdf") shows up there too.
    QTemporaryDir dir;
    const QString started = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    Prompts::reset();
    Prompts::setScripted(true);
    QStringList boxes;
    Prompts::setDialogHandler([&boxes](QDialog &dialog) {
        auto *box = qobject_cast<QMessageBox *>(&dialog);
        boxes << dialog.windowTitle() << (box ? box->text() : QString());
        return int(QMessageBox::Ok);
    });
    Prompts::queueFileNames({chosen.isEmpty() ? chosen : dir.filePath(chosen)});

    WindowDriver d;
    d.type("lineEdit_serialNumber", serialDigits);
    for (QAction *action : d.window->findChildren<QAction *>()) {
        if (action->text() == QLatin1String("&Export"))
            action->trigger();
    }
    QDir::setCurrent(started);
    const Prompts::FileRequest request = Prompts::lastFileRequest();
    Prompts::reset();

    QCOMPARE(request.caption, QStringLiteral("Save File"));
    QCOMPARE(request.filter, QStringLiteral("PDF Document (*.pdf)"));
    // The article number and the typed digits, without the "-" between.
    QCOMPARE(request.startPath, QStringLiteral("613807101") + serialDigits);
    QVERIFY(!QGuiApplication::overrideCursor());
    const QStringList files =
        QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QCOMPARE(files, written.isEmpty() ? QStringList() : QStringList {written});
    // The window shows the system's reason why the file could not be written.
    QCOMPARE(boxes.value(0), boxTitle);
    QCOMPARE(boxes.value(1).isEmpty(), boxTitle.isEmpty());
    if (!written.isEmpty()) {
        const QStringList firstPage = pageLines(pdfPages(dir.filePath(written)).value(0));
        QCOMPARE(firstPage.value(0),
                 "Date:" + QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    }
}

QTEST_MAIN(TestReportExport)
#include "tst_reportexport.moc"
