#include "window/app/helpcommands.h"

#include "window/app/aboutdialog.h"
#include "window/ground/prompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#ifndef MESTREL_DATA_FROM_BIN
#define MESTREL_DATA_FROM_BIN "../share/mestrel"
#endif

namespace {

const QString kDefaultHelpPage = QStringLiteral("Mestrel.html");
const QString kPortParametersPage = QStringLiteral("Editingportparameters.html");
const QString kLicensePage = QStringLiteral("Licenses/licensetext.html");
const QString kWebSiteAddress =
    QStringLiteral("https://www.example.com/products/unmanaged-industrial-ethernet-switches/");

} // namespace

HelpCommands::HelpCommands(QAction *english, QAction *german)
    : m_english(english)
    , m_german(german)
    , helpPage(kDefaultHelpPage)
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
    const QString folder = helpGerman == 1 ? QStringLiteral("HelpDe/") : QStringLiteral("HelpEn/");
    openPage(folder + helpPage);
}

void HelpCommands::portParametersHelp()
{
    helpPage = kPortParametersPage;
    onlineHelp();
    helpPage = kDefaultHelpPage;
}

// The two actions are not grouped: each command sets both marks, so choosing
// the checked one again keeps it checked.
void HelpCommands::engLan()
{
    m_english->setChecked(true);
    m_german->setChecked(false);
    helpGerman = 0;
}

void HelpCommands::gerLan()
{
    m_german->setChecked(true);
    m_english->setChecked(false);
    helpGerman = 1;
}

void HelpCommands::webSite()
{
    QDesktopServices::openUrl(QUrl(kWebSiteAddress));
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
    openPage(kLicensePage);
}
