#include "../windowdriver.h"
#include "app/aboutdialog.h"
#include "app/helpcommands.h"
#include "app/prompts.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

// Takes the URLs the program hands to the desktop's browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    UrlCatcher()
    {
        for (const char *scheme : {"file", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char *scheme : {"file", "https"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

const QString kSourceDir = QStringLiteral(MESTREL_SOURCE_DIR);
const QStringList kPages {"HelpEn/Mestrel.html", "HelpEn/Editingportparameters.html",
                          "HelpDe/Mestrel.html", "HelpDe/Editingportparameters.html",
                          "HelpEn/Mestrel.html", "Licenses/licensetext.html"};

// A fresh working folder holding the given (empty) pages, current while it
// lives.
struct WorkingFolder
{
    explicit WorkingFolder(const QStringList &pages)
    {
        for (const QString &page : pages) {
            QDir(dir.path()).mkpath(QFileInfo(dir.filePath(page)).path());
            QFile(dir.filePath(page)).open(QIODevice::WriteOnly);
        }
        QDir::setCurrent(dir.path());
    }
    ~WorkingFolder() { QDir::setCurrent(previous); }
    QUrl url(const QString &page) const { return QUrl::fromLocalFile(dir.filePath(page)); }

    const QString previous = QDir::currentPath();
    QTemporaryDir dir;
};

} // namespace

class TestHelpCommands : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Prompts::reset();
        Prompts::setScripted(true);
    }
    void cleanup() { Prompts::reset(); }
    void pagesComeFromTheWorkingFolderOrTheProgram_data();
    void pagesComeFromTheWorkingFolderOrTheProgram();
    void aboutBox();
};

void TestHelpCommands::pagesComeFromTheWorkingFolderOrTheProgram_data()
{
    QTest::addColumn<QStringList>("inWorkingFolder");
    QTest::addColumn<bool>("programHasPages");
    QTest::addColumn<bool>("fromProgram");
    QTest::newRow("working folder first") << kPages << true << false;
    QTest::newRow("started elsewhere") << QStringList {} << true << true;
    // Found nowhere: the working folder's path, as without the program's pages.
    QTest::newRow("nowhere") << QStringList {} << false << false;
}

void TestHelpCommands::pagesComeFromTheWorkingFolderOrTheProgram()
{
    QFETCH(QStringList, inWorkingFolder);
    QFETCH(bool, programHasPages);
    QFETCH(bool, fromProgram);
    const WorkingFolder working(inWorkingFolder);
    WindowDriver d;
    d.window->helpCommands().setDataFolders(
        programHasPages ? QStringList {"/nonexistent", kSourceDir} : QStringList {});
    d.selectModel(17); // the PoE model shows the "..." button
    UrlCatcher browser;
    Prompts::setDialogHandler([](QDialog &dialog) {
        dialog.findChild<QPushButton *>("pushButton_licensetext")->click();
        return int(QDialog::Accepted);
    });
    auto *poeLimitInfo = d.find<QToolButton>("toolButton_allowedPoEOverride_info");

    // The help page and the button's page in each language; choosing the
    // checked language keeps it checked.
    const auto language = [&](const char *chosen, bool german) {
        d.action(chosen)->trigger();
        d.action(chosen)->trigger();
        QCOMPARE(d.action("&German")->isChecked(), german);
        QCOMPARE(d.action("&English")->isChecked(), !german);
    };
    language("&English", false);
    d.action("&Online Help")->trigger();
    QTest::mouseClick(poeLimitInfo, Qt::LeftButton);
    language("&German", true);
    d.action("&Online Help")->trigger();
    QTest::mouseClick(poeLimitInfo, Qt::LeftButton);
    language("&English", false);
    d.action("&Online Help")->trigger();
    d.action("&About")->trigger();
    QList<QUrl> expected;
    for (const QString &page : kPages)
        expected << (fromProgram ? QUrl::fromLocalFile(kSourceDir + '/' + page)
                                 : working.url(page));
    QCOMPARE(browser.urls, expected);
    for (const QUrl &url : qAsConst(browser.urls))
        QVERIFY2(QFileInfo(url.toLocalFile()).isFile() == programHasPages,
                 qPrintable(url.toString()));

    d.action("Webs&ite")->trigger();
    QCOMPARE(browser.urls.last().scheme(), QStringLiteral("https"));
}

void TestHelpCommands::aboutBox()
{
    WindowDriver d;
    bool shown = false;
    Prompts::setDialogHandler([&](QDialog &dialog) {
        shown = true;
        [&] {
            QVERIFY(qobject_cast<aboutDialog *>(&dialog) && dialog.isModal());
            QCOMPARE(dialog.windowTitle(), QStringLiteral("About"));
            QCOMPARE(dialog.windowFlags() &
                         (Qt::WindowContextHelpButtonHint | Qt::WindowCloseButtonHint),
                     Qt::WindowCloseButtonHint);
            QCOMPARE(dialog.findChild<QLabel *>("label")->text(), QStringLiteral("Mestrel"));
            QCOMPARE(dialog.findChild<QLabel *>("label_2")->text(),
                     QStringLiteral("Version 01.3.01"));
            QCOMPARE(dialog.findChild<QPushButton *>("pushButton_licensetext")->text(),
                     QStringLiteral("License \nInformation"));
            dialog.show();
            QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton"), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        }();
        return int(QDialog::Accepted);
    });
    d.action("&About")->trigger();
    QVERIFY(shown);
}

QTEST_MAIN(TestHelpCommands)
#include "tst_helpcommands.moc"
