// The "&Export" command in the window: the save dialog is answered through
// the prompts seam, the PDF read back with the poppler tools.
#include "../windowdriver.h"
#include "app/prompts.h"
#include "pdftext.h"

#include <QAction>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

struct ShownBox
{
    QString title;
    QString text;
};

QStringList entries(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestReportExport : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void writesUnderTheChosenName_data();
    void writesUnderTheChosenName();
    void cancelWritesNothing();
    void unwritableFolderShowsTheError();

private:
    void exportFrom(WindowDriver &d);

    QList<ShownBox> m_boxes;
};

void TestReportExport::init()
{
    Prompts::reset();
    Prompts::setScripted(true);
    m_boxes.clear();
    Prompts::setDialogHandler([this](QDialog &dialog) {
        auto *box = qobject_cast<QMessageBox *>(&dialog);
        m_boxes << ShownBox {dialog.windowTitle(), box ? box->text() : QString()};
        return int(QMessageBox::Ok);
    });
}

void TestReportExport::cleanup()
{
    Prompts::reset();
}

void TestReportExport::exportFrom(WindowDriver &d)
{
    QAction *exportAction = nullptr;
    for (QAction *action : d.window->findChildren<QAction *>()) {
        if (action->text() == QLatin1String("&Export"))
            exportAction = action;
    }
    QVERIFY(exportAction);
    exportAction->trigger();
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestReportExport::writesUnderTheChosenName_data()
{
    QTest::addColumn<QString>("serialDigits");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");

    QTest::newRow("no suffix") << ""
                               << "report"
                               << "report.pdf";
    QTest::newRow("lower-case suffix kept") << "4711"
                                            << "report.pdf"
                                            << "report.pdf";
    QTest::newRow("upper-case suffix is not the suffix") << "4711"
                                                         << "report.PDF"
                                                         << "report.PDF.pdf";
}

void TestReportExport::writesUnderTheChosenName()
{
    QFETCH(QString, serialDigits);
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QTemporaryDir dir;
    WindowDriver d;
    d.type("lineEdit_serialNumber", serialDigits);
    Prompts::queueFileNames({dir.filePath(chosen)});

    exportFrom(d);

    const Prompts::FileRequest request = Prompts::lastFileRequest();
    QCOMPARE(request.caption, QStringLiteral("Save File"));
    QCOMPARE(request.filter, QStringLiteral("PDF Document (*.pdf)"));
    // The article number and the typed digits, without the "-" between.
    QCOMPARE(request.startPath, QStringLiteral("613807101") + serialDigits);
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(entries(dir), QStringList {written});
    const QStringList firstPage = pageLines(pdfPages(dir.filePath(written)).value(0));
    QVERIFY(!firstPage.isEmpty());
    QCOMPARE(firstPage.first(),
             QStringLiteral("Date:") + QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
}

void TestReportExport::cancelWritesNothing()
{
    // A report written anyway would land beside the program, under the
    // proposed name or a bare ".pdf".
    QTemporaryDir dir;
    const QString started = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    WindowDriver d;
    Prompts::queueFileNames({QString()});

    exportFrom(d);

    QDir::setCurrent(started);
    QCOMPARE(entries(dir), QStringList());
    QVERIFY(m_boxes.isEmpty());
}

void TestReportExport::unwritableFolderShowsTheError()
{
    QTemporaryDir dir;
    WindowDriver d;
    Prompts::queueFileNames({dir.filePath(QStringLiteral("missing/report"))});

    exportFrom(d);

    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().title, QStringLiteral("Unable to open file"));
    QVERIFY(!m_boxes.first().text.isEmpty());
    QCOMPARE(entries(dir), QStringList());
}

QTEST_MAIN(TestReportExport)
#include "tst_reportexport.moc"
