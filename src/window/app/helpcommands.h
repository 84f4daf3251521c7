#pragma once

#include <QString>
#include <QStringList>

class QAction;

// The "Help" menu and the other ways into the help pages: the help page in
// the chosen language, the maker's web page, the about box and the licence
// page. Mestrel shows none of the pages itself; the desktop's browser does.
//
// A page is looked up as "HelpEn/<page>", "HelpDe/<page>" or
// "Licenses/licensetext.html" under the current folder first, so a copy next
// to the configuration files wins. When it is not there (the program was
// started from a menu or from another folder), the program's own data
// folder is used instead, so the browser never gets a file that does not
// exist.
class HelpCommands
{
public:
    // `english` and `german` are the two checkable language actions.
    HelpCommands(QAction *english, QAction *german);

    void onlineHelp();
    void portParametersHelp();
    // The short language names are names other parts rely on; keep them.
    void engLan();
    void gerLan();
    void webSite();
    void about();
    void licenseText();

    // Where pages are looked for when the current folder lacks them, in
    // order. By default: the install prefix's data folder, then the folder
    // of the program (the build tree keeps a copy there).
    void setDataFolders(const QStringList &folders) { m_dataFolders = folders; }

private:
    static QStringList programDataFolders();
    void openPage(const QString &relativePath) const;
    QString locate(const QString &relativePath) const;

    QAction *m_english;
    QAction *m_german;
    QString helpPage;
    int helpGerman = 0; // 0 English, 1 German
    QStringList m_dataFolders = programDataFolders();
};
