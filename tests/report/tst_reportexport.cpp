// The "&Export" command in the window: the save dialog is answered through
// the prompts seam, the PDF read back with the poppler tools.
#include "../windowdriver.h"
#include "app/prompts.h"
#include "pdftext.h"

#include <QMessageBox>
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
    QTest::addColumn<QString>("chosen"); // empty: the dialog is cancelled
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("box");
    QTest::newRow("no suffix") << "report" << QString("report.pdf") << QString();
    QTest::newRow("lower-case suffix kept") << "report.pdf" << QString("report.pdf") << QString();
    QTest::newRow("upper-case suffix is not the suffix")
        << "report.PDF" << QString("report.PDF.pdf") << QString();
    QTest::newRow("cancelled") << "" << QString() << QString();
    QTest::newRow("folder missing") << "missing/report" << QString() << "Unable to open file";
}

void TestReportExport::exportsUnderTheChosenName()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    // Run from the folder, so that a report written in spite of a cancel
    // (under the proposed name or a bare ".pdf") shows up there too.
    QTemporaryDir dir;
    const QString started = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    Prompts::reset();
    Prompts::setScripted(true);
    QStringList boxes;
    Prompts::setDialogHandler([&boxes](QDialog &dialog) {
        if (auto *box = qobject_cast<QMessageBox *>(&dialog); box && !box->text().isEmpty())
            boxes << box->windowTitle();
        return int(QMessageBox::Ok);
    });
    Prompts::queueFileNames({chosen.isEmpty() ? chosen : dir.filePath(chosen)});

    WindowDriver d;
    d.type("lineEdit_serialNumber", QStringLiteral("4711"));
    d.action(QStringLiteral("&Export"))->trigger();
    QDir::setCurrent(started);
    // The article number and the typed digits, without the "-" between.
    QCOMPARE(Prompts::lastFileRequest().startPath, articleNumber(0) + "4711");
    Prompts::reset();
    QVERIFY(!QGuiApplication::overrideCursor());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             written.isEmpty() ? QStringList() : QStringList {written});
    // The window shows the system's reason why the file could not be written.
    QTEST(boxes.value(0), "box");
    if (!written.isEmpty()) {
        QCOMPARE(pdfPageLines(dir.filePath(written)).value(0).value(0),
                 "Date:" + QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    }
}

QTEST_MAIN(TestReportExport)
#include "tst_reportexport.moc"
