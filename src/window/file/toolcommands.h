#pragma once

#include "window/batch/severalswitchesdialog.h"

#include <QString>

#include <functional>
#include <optional>

class ConfigEditor;
class FileCommands;
class QWidget;

// The "Tools" menu: comparing the configuration with a file, applying a
// file of any model to the model being edited, and making files for several
// switches from it.
class ToolCommands
{
public:
    ToolCommands(ConfigEditor *editor, FileCommands *files, QWidget *window);

    // Reads a file into a record of its own, for the current catalogue row
    // when the file names the current model's ID (else for the row the user
    // chooses among those sharing it), and shows what differs. The
    // configuration being edited stays as it is.
    void compareWithFile();
    // Resets the configuration to the current model's defaults and applies
    // the file's lines to it with the loader's rules, as one step; the lines
    // that do not fit the model are listed.
    void applyFileToCurrentModel();
    // "Several Switches": files for many switches from this configuration.
    // The list, folder and choices stay as the dialog was left, for the
    // next opening while the program runs.
    void makeFilesForSeveralSwitches();
    // "Switch Files": asks for a folder and lists its switch files;
    // `openFile` opens one of them in the window.
    void checkFolder(const std::function<bool(const QString &)> &openFile);

private:
    QString chooseFile(const QString &title) const;

    ConfigEditor *m_editor;
    FileCommands *m_files;
    QWidget *m_window;
    // Until the dialog is first opened: an empty list in the folder last used.
    std::optional<SeveralSwitchesInput> m_severalSwitches;
    QString m_checkedFolder; // the folder checked last
};
