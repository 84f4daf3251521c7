// "Print Report…" and "Print Preview…" in the window: the pages printed are
// the pages Export writes; the dialogs answered through the prompts seam.
#include "../../report/pdftext.h"
#include "../windowdriver.h"
#include "core/catalogue/productcatalogue.h"
#include "window/ground/prompts.h"

#include <QPrintDialog>
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
    void init() { Prompts::setScripted(true); }
    void cleanup()
    {
        QCOMPARE(Prompts::unansweredDialogs(), 0);
        Prompts::reset();
    }
    void printedPagesAreTheExportedPages();
    void previewShowsEveryPage();
};

void TestReportPrinting::printedPagesAreTheExportedPages()
{
    QTemporaryDir folder;
    WindowDriver d;
    d.selectModel(13);
    d.type("lineEdit_location", QStringLiteral("Hall 4 North Wing Basement"));
    d.type("lineEdit_serialNumber", QStringLiteral("4711"));
    Prompts::queueFileNames({folder.filePath("exported.pdf")});
    d.action(QStringLiteral("&Export"))->trigger();

    // Cancelled, then accepted: only the accepted dialog prints.
    QString proposedPaper;
    int answer = QDialog::Rejected;
    Prompts::setDialogHandler([&](QDialog &dialog) {
        auto *printDialog = qobject_cast<QPrintDialog *>(&dialog);
        if (!printDialog)
            return int(QDialog::Rejected);
        QPrinter *printer = printDialog->printer();
        proposedPaper = printer->pageLayout().pageSize().name() +
            (printer->pageLayout().orientation() == QPageLayout::Landscape ? " landscape"
                                                                           : " portrait");
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(folder.filePath("printed.pdf"));
        return answer;
    });
    d.action(QStringLiteral("&Print Report…"))->trigger();
    QVERIFY(!QFile::exists(folder.filePath("printed.pdf")));
    answer = QDialog::Accepted;
    d.action(QStringLiteral("&Print Report…"))->trigger();
    QCOMPARE(proposedPaper, QStringLiteral("A4 landscape"));

    const QList<QStringList> exported = pdfPageLines(folder.filePath("exported.pdf"));
    QCOMPARE(exported.size(), 3);
    QCOMPARE(pdfPageLines(folder.filePath("printed.pdf")), exported);
    for (const char *name : {"exported.pdf", "printed.pdf"}) {
        const QMap<QString, QString> info = pdfInfo(folder.filePath(name));
        QCOMPARE(info.value("Title"),
                 QStringLiteral("Switch Configuration Report \u2014 ") +
                     catalogueRow(13).modelName);
        QCOMPARE(info.value("Creator"), QStringLiteral("Mestrel"));
    }
}

void TestReportPrinting::previewShowsEveryPage()
{
    WindowDriver d;
    d.selectModel(13);
    int shownPages = -1;
    Prompts::setDialogHandler([&](QDialog &dialog) {
        auto *preview = dialog.findChild<QPrintPreviewWidget *>();
        preview->updatePreview();
        shownPages = preview->pageCount();
        return int(QDialog::Rejected);
    });
    d.action(QStringLiteral("Print Pre&view…"))->trigger();
    QCOMPARE(shownPages, 3);
}

QTEST_MAIN(TestReportPrinting)
#include "tst_reportprinting.moc"
