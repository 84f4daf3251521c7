#include "../windowdriver.h"
#include "app/aboutdialog.h"
#include "app/helpcommands.h"
#include "app/prompts.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
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
        for (const char *scheme : kSchemes)
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char *scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }

private:
    static constexpr const char *kSchemes[] = {"file", "http", "https"};
};

// A fresh working folder holding the given pages, current while it lives.
class WorkingFolder
{
public:
    explicit WorkingFolder(const QStringList &pages = {})
        : m_previous(QDir::currentPath())
    {
        const QDir root(m_dir.path());
        for (const QString &page : pages) {
            root.mkpath(QFileInfo(root.filePath(page)).path());
            QFile file(root.filePath(page));
            file.open(QIODevice::WriteOnly);
        }
        QDir::setCurrent(m_dir.path());
    }
    ~WorkingFolder() { QDir::setCurrent(m_previous); }
    QUrl url(const QString &page) const { return QUrl::fromLocalFile(m_dir.filePath(page)); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

QAction *action(const WindowDriver &d, const QString &text)
{
    for (QAction *a : d.window->findChildren<QAction *>()) {
        if (a->text() == text && !a->associatedWidgets().isEmpty())
            return a;
    }
    qFatal("no action %s", qPrintable(text));
}

QPushButton *button(const QDialog &dialog, const char *name)
{
    return dialog.findChild<QPushButton *>(QLatin1String(name));
}

const QString kSourceDir = QStringLiteral(MESTREL_SOURCE_DIR);
const QStringList kPages {"HelpEn/Mestrel.html", "HelpEn/Editingportparameters.html",
                          "HelpDe/Mestrel.html", "HelpDe/Editingportparameters.html",
                          "Licenses/licensetext.html"};

} // namespace

class TestHelpCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { Prompts::reset(); }
    void cleanup() { Prompts::reset(); }
    void languageChoosesTheHelpFolder_data();
    void languageChoosesTheHelpFolder();
    void pagesComeFromTheWorkingFolderOrTheProgram_data();
    void pagesComeFromTheWorkingFolderOrTheProgram();
    void aboutBox();
};

void TestHelpCommands::languageChoosesTheHelpFolder_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("folder");

    QTest::newRow("at start") << QStringList {} << "HelpEn/";
    QTest::newRow("German") << QStringList {"&German"} << "HelpDe/";
    QTest::newRow("German, then English") << QStringList {"&German", "&English"} << "HelpEn/";
    QTest::newRow("German twice") << QStringList {"&German", "&German"} << "HelpDe/";
    QTest::newRow("English twice") << QStringList {"&English", "&English"} << "HelpEn/";
}

void TestHelpCommands::languageChoosesTheHelpFolder()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, folder);
    const WorkingFolder working(kPages);
    WindowDriver d;
    UrlCatcher browser;

    for (const QString &choice : choices)
        action(d, choice)->trigger();
    action(d, "&Online Help")->trigger();
    QCOMPARE(browser.urls, QList<QUrl> {working.url(folder + "Mestrel.html")});
    const bool german = folder == QLatin1String("HelpDe/");
    QCOMPARE(action(d, "&German")->isChecked(), german);
    QCOMPARE(action(d, "&English")->isChecked(), !german);
}

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
    Prompts::setScripted(true);
    Prompts::setDialogHandler([](QDialog &dialog) {
        QTest::mouseClick(button(dialog, "pushButton_licensetext"), Qt::LeftButton);
        return int(QDialog::Accepted);
    });
    auto *poeLimitInfo = d.find<QToolButton>("toolButton_allowedPoEOverride_info");

    // The button's page in each language, and the help page again after it.
    action(d, "&Online Help")->trigger();
    QTest::mouseClick(poeLimitInfo, Qt::LeftButton);
    action(d, "&German")->trigger();
    action(d, "&Online Help")->trigger();
    QTest::mouseClick(poeLimitInfo, Qt::LeftButton);
    action(d, "&About")->trigger();

    QList<QUrl> expected;
    for (const QString &page : kPages) {
        expected << (fromProgram ? QUrl::fromLocalFile(QDir(kSourceDir).filePath(page))
                                 : working.url(page));
    }
    QCOMPARE(browser.urls, expected);
    if (programHasPages) {
        for (const QUrl &url : qAsConst(browser.urls))
            QVERIFY2(QFileInfo(url.toLocalFile()).isFile(), qPrintable(url.toString()));
    }

    action(d, "Webs&ite")->trigger();
    QCOMPARE(browser.urls.last().scheme(), QStringLiteral("https"));
}

void TestHelpCommands::aboutBox()
{
    WindowDriver d;
    Prompts::setScripted(true);
    bool shown = false;
    Prompts::setDialogHandler([&](QDialog &dialog) {
        shown = true;
        [&] {
            QVERIFY(qobject_cast<aboutDialog *>(&dialog));
            QVERIFY(dialog.isModal());
            QCOMPARE(dialog.windowTitle(), QStringLiteral("About"));
            QCOMPARE(dialog.windowFlags() &
                         (Qt::WindowContextHelpButtonHint | Qt::WindowCloseButtonHint),
                     Qt::WindowCloseButtonHint);
            QCOMPARE(dialog.findChild<QLabel *>("label")->text(), QStringLiteral("Mestrel"));
            QCOMPARE(dialog.findChild<QLabel *>("label_2")->text(),
                     QStringLiteral("Version 01.3.01"));
            QCOMPARE(button(dialog, "pushButton_licensetext")->text(),
                     QStringLiteral("License \nInformation"));

            dialog.show();
            QTest::mouseClick(button(dialog, "pushButton"), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        }();
        return int(QDialog::Accepted);
    });
    action(d, "&About")->trigger();
    QVERIFY(shown);
}

QTEST_MAIN(TestHelpCommands)
#include "tst_helpcommands.moc"
