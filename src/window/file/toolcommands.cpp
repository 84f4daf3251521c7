#include "window/file/toolcommands.h"

#include "core/config/configeditor.h"
#include "core/file/configdiff.h"
#include "window/file/dialogcompare.h"
#include "window/file/filecommands.h"
#include "window/folder/switchfilesdialog.h"
#include "window/ground/busycursor.h"
#include "window/ground/prompts.h"

ToolCommands::ToolCommands(ConfigEditor *editor, FileCommands *files, QWidget *window)
    : m_editor(editor)
    , m_files(files)
    , m_window(window)
{ }

QString ToolCommands::chooseFile(const QString &title) const
{
    return Prompts::openFileName(m_window, title, m_files->openDialogFolder(),
                                 FileCommands::configFileFilter());
}

void ToolCommands::compareWithFile()
{
    const QString title = QObject::tr("Compare with File");
    const QString path = chooseFile(title);
    if (path.isEmpty())
        return;
    const std::optional<FileCommands::ChosenFile> file = m_files->readChosenFile(path, title);
    if (!file)
        return;

    // Rows sharing the file's ID differ only in name: the model being
    // edited, when it is one of them, else the one the user names.
    const EditorState &current = m_editor->state();
    const int configId = file->configId;
    const int row = current.row().configId == configId ? current.config.modelIndex
        : rowsWithConfigId(configId).size() > 1        ? m_files->askModelRow(configId)
                                                       : firstRowWithConfigId(configId);

    BusyCursor busy;
    SwitchConfig fromFile;
    const ConfigLoadResult loaded = loadConfigBytes(file->bytes, row, fromFile);
    const QVector<ConfigDifference> differences =
        configDifferences(current.config, fromFile, nullptr, &loaded.settingsRead);
    DialogCompare dialog(differences, file->path, row, current.config.modelIndex, loaded.rejected,
                         m_window);
    dialog.setModal(true);
    busy.release();
    Prompts::exec(dialog);
}

void ToolCommands::applyFileToCurrentModel()
{
    const QString title = QObject::tr("Apply File to Current Model");
    const QString path = chooseFile(title);
    if (path.isEmpty())
        return;
    // The file's own model does not matter: its lines are held to the rules
    // of the model being edited.
    if (const std::optional<FileCommands::ChosenFile> file = m_files->readChosenFile(path, title))
        m_files->applyToEditor(*file, m_editor->state().config.modelIndex,
                               QObject::tr("Apply File"), false);
}

void ToolCommands::makeFilesForSeveralSwitches()
{
    if (!m_severalSwitches)
        m_severalSwitches = SeveralSwitchesInput {{}, m_files->openDialogFolder()};
    SeveralSwitchesDialog dialog(m_editor->state(), *m_severalSwitches, m_window);
    Prompts::exec(dialog);
    m_severalSwitches = dialog.input();
}

void ToolCommands::checkFolder(const std::function<bool(const QString &)> &openFile)
{
    const QString folder = Prompts::existingDirectory(
        m_window, QObject::tr("Check Folder"),
        m_checkedFolder.isEmpty() ? m_files->openDialogFolder() : m_checkedFolder);
    if (folder.isEmpty())
        return;
    m_checkedFolder = folder;
    SwitchFilesDialog dialog(folder, openFile, m_window);
    Prompts::exec(dialog);
}
