#include "app/helpcommands.h"

#include "app/aboutdialog.h"
#include "app/prompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#ifndef MESTREL_DATA_FROM_BIN
#define MESTREL_DATA_FROM_BIN "../share/mestrel"
#endif

const QString HelpCommands::defaultHelpPage = QStringLiteral("Mestrel.html");
const QString HelpCommands::portParametersPage = QStringLiteral("Editingportparameters.html");
const QString HelpCommands::licensePage = QStringLiteral("Licenses/licensetext.html");
const QString HelpCommands::webSiteAddress =
    QStringLiteral("https://www.example.com/products/unmanaged-industrial-ethernet-switches/");

HelpCommands::HelpCommands(QAction *english, QAction *german)
    : m_english(english)
    , m_german(german)
{ }

QStringList HelpCommands::programDataFolders()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {QDir::cleanPath(programFolder.filePath(QStringLiteral(MESTREL_DATA_FROM_BIN))),
            programFolder.path()};
}

QString HelpCommands::locate(const QString &relativePath) const
{
    const QString inCurrentFolder = QDir::current().filePath(relativePath);
    if (QFileInfo::exists(inCurrentFolder))
        return inCurrentFolder;
    for (const QString &folder : m_dataFolders) {
        const QString candidate = QDir(folder).filePath(relativePath);
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    // Nowhere: the browser says so, as for any missing page.
    return inCurrentFolder;
}

void HelpCommands::openPage(const QString &relativePath) const
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(locate(relativePath)));
}

void HelpCommands::onlineHelp()
{
    const QString folder =
        m_helpGerman == 1 ? QStringLiteral("HelpDe/") : QStringLiteral("HelpEn/");
    openPage(folder + m_helpPage);
}

void HelpCommands::portParametersHelp()
{
    m_helpPage = portParametersPage;
    onlineHelp();
    m_helpPage = defaultHelpPage;
}

// The two actions are not grouped: each command sets both marks, so choosing
// the checked one again keeps it checked.
void HelpCommands::engLan()
{
    m_english->setChecked(true);
    m_german->setChecked(false);
    m_helpGerman = 0;
}

void HelpCommands::gerLan()
{
    m_german->setChecked(true);
    m_english->setChecked(false);
    m_helpGerman = 1;
}

void HelpCommands::webSite()
{
    QDesktopServices::openUrl(QUrl(webSiteAddress));
}

void HelpCommands::about()
{
    aboutDialog dialog;
    QObject::connect(&dialog, &aboutDialog::licenseTextRequested, &dialog,
                     [this] { licenseText(); });
    dialog.setModal(true);
    Prompts::exec(dialog);
}

void HelpCommands::licenseText()
{
    openPage(licensePage);
}
