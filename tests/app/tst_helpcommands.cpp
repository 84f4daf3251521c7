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

void clickPoeLimitInfo(const WindowDriver &d)
{
    QTest::mouseClick(d.find<QToolButton>("toolButton_allowedPoEOverride_info"), Qt::LeftButton);
}

const QString kSourceDir = QStringLiteral(MESTREL_SOURCE_DIR);

} // namespace

class TestHelpCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { Prompts::reset(); }
    void cleanup() { Prompts::reset(); }
    void languageChoosesTheHelpFolder_data();
    void languageChoosesTheHelpFolder();
    void workingFolderComesFirst_data();
    void workingFolderComesFirst();
    void programPagesServeAnyWorkingFolder();
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
    const WorkingFolder working({"HelpEn/Mestrel.html", "HelpEn/Editingportparameters.html",
                                 "HelpDe/Mestrel.html", "HelpDe/Editingportparameters.html"});
    WindowDriver d;
    d.selectModel(17); // the PoE model shows the "..." button
    UrlCatcher browser;

    for (const QString &choice : choices)
        action(d, choice)->trigger();
    const bool german = folder == QLatin1String("HelpDe/");
    QCOMPARE(action(d, "&German")->isChecked(), german);
    QCOMPARE(action(d, "&English")->isChecked(), !german);

    // The button's page, then the help page again.
    action(d, "&Online Help")->trigger();
    clickPoeLimitInfo(d);
    action(d, "&Online Help")->trigger();
    const QList<QUrl> expected {working.url(folder + "Mestrel.html"),
                                working.url(folder + "Editingportparameters.html"),
                                working.url(folder + "Mestrel.html")};
    QCOMPARE(browser.urls, expected);
}

void TestHelpCommands::workingFolderComesFirst_data()
{
    QTest::addColumn<QStringList>("inWorkingFolder");
    QTest::addColumn<bool>("fromProgram");

    QTest::newRow("page in the working folder") << QStringList {"HelpEn/Mestrel.html"} << false;
    QTest::newRow("other language only") << QStringList {"HelpDe/Mestrel.html"} << true;
    QTest::newRow("no pages") << QStringList {} << true;
}

void TestHelpCommands::workingFolderComesFirst()
{
    QFETCH(QStringList, inWorkingFolder);
    QFETCH(bool, fromProgram);
    const WorkingFolder working(inWorkingFolder);
    WindowDriver d;
    d.window->helpCommands().setDataFolders({QStringLiteral("/nonexistent"), kSourceDir});
    UrlCatcher browser;

    action(d, "&Online Help")->trigger();
    const QUrl expected = fromProgram
        ? QUrl::fromLocalFile(QDir(kSourceDir).filePath("HelpEn/Mestrel.html"))
        : working.url("HelpEn/Mestrel.html");
    QCOMPARE(browser.urls, QList<QUrl> {expected});

    // Found nowhere: the working folder's path, as without the program's pages.
    d.window->helpCommands().setDataFolders({});
    action(d, "&Online Help")->trigger();
    QCOMPARE(browser.urls.last(), working.url("HelpEn/Mestrel.html"));
}

void TestHelpCommands::programPagesServeAnyWorkingFolder()
{
    // Started from a folder without pages, every page comes from the
    // program's data, and each one exists there.
    const WorkingFolder working;
    WindowDriver d;
    d.window->helpCommands().setDataFolders({kSourceDir});
    d.selectModel(17);
    UrlCatcher browser;
    Prompts::setScripted(true);
    Prompts::setDialogHandler([](QDialog &dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_licensetext"),
                          Qt::LeftButton);
        return int(QDialog::Accepted);
    });

    action(d, "&Online Help")->trigger();
    clickPoeLimitInfo(d);
    action(d, "&German")->trigger();
    action(d, "&Online Help")->trigger();
    clickPoeLimitInfo(d);
    action(d, "&About")->trigger();

    QCOMPARE(browser.urls.size(), 5);
    for (const QUrl &url : qAsConst(browser.urls)) {
        QVERIFY2(url.toLocalFile().startsWith(kSourceDir + '/'), qPrintable(url.toString()));
        QVERIFY2(QFileInfo(url.toLocalFile()).isFile(), qPrintable(url.toString()));
    }
    QVERIFY(browser.urls[4].path().endsWith("/Licenses/licensetext.html"));

    // The web site is no local page.
    action(d, "Webs&ite")->trigger();
    QCOMPARE(browser.urls.last().scheme(), QStringLiteral("https"));
}

void TestHelpCommands::aboutBox()
{
    const WorkingFolder working({"Licenses/licensetext.html"});
    WindowDriver d;
    UrlCatcher browser;
    Prompts::setScripted(true);
    int shown = 0;
    Prompts::setDialogHandler([&](QDialog &dialog) {
        ++shown;
        [&] {
            QVERIFY(qobject_cast<aboutDialog *>(&dialog));
            QVERIFY(dialog.isModal());
            QVERIFY(!dialog.parent());
            QCOMPARE(dialog.windowTitle(), QStringLiteral("About"));
            QCOMPARE(dialog.size(), QSize(400, 300));
            QCOMPARE(dialog.windowFlags() &
                         (Qt::WindowContextHelpButtonHint | Qt::WindowCloseButtonHint),
                     Qt::WindowCloseButtonHint);
            const auto label = [&](const char *name) {
                return dialog.findChild<QLabel *>(QLatin1String(name));
            };
            QCOMPARE(label("label")->text(), QStringLiteral("Mestrel"));
            QVERIFY(label("label")->font().bold());
            QCOMPARE(label("label")->font().pointSize(), 12);
            QCOMPARE(label("label_2")->text(), QStringLiteral("Version 01.3.01"));
            QCOMPARE(label("label_2")->font().pointSize(), 10);
            QVERIFY(label("label_3")->text().count('\n') >= 1);
            QCOMPARE(label("label_4")->text().count('\n'), 1);

            auto *license = dialog.findChild<QPushButton *>("pushButton_licensetext");
            QCOMPARE(license->text(), QStringLiteral("License \nInformation"));
            QTest::mouseClick(license, Qt::LeftButton);
            QCOMPARE(browser.urls.takeLast(), working.url("Licenses/licensetext.html"));
            QVERIFY(browser.urls.isEmpty());

            dialog.show();
            auto *ok = dialog.findChild<QPushButton *>("pushButton");
            QCOMPARE(ok->text(), QStringLiteral("Ok"));
            QTest::mouseClick(ok, Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
        }();
        return int(QDialog::Accepted);
    });

    // Each "About" is a new box.
    action(d, "&About")->trigger();
    QVERIFY(!QTest::currentTestFailed());
    action(d, "&About")->trigger();
    QCOMPARE(shown, 2);
}

QTEST_MAIN(TestHelpCommands)
#include "tst_helpcommands.moc"
