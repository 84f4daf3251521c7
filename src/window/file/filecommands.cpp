#include "window/file/filecommands.h"

#include "core/catalogue/productcatalogue.h"
#include "core/config/configeditor.h"
#include "core/file/configwriter.h"
#include "core/file/errorlog.h"
#include "core/file/filenaming.h"
#include "core/file/outputfile.h"
#include "core/file/spreadsheettraces.h"
#include "window/file/dialogconfigid.h"
#include "window/file/dialogerrorlog.h"
#include "window/ground/busycursor.h"
#include "window/ground/prompts.h"

#include <QDate>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kUnableToOpen = QStringLiteral("Unable to open file");
const QString kErrorLogName = QStringLiteral("errorLog.txt");

QString desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

} // namespace

FileCommands::FileCommands(ConfigEditor *editor, QWidget *window)
    : m_editor(editor)
    , m_window(window)
{ }

QString FileCommands::defaultFileName() const
{
    return QStringLiteral("switch_config_%1.csv").arg(m_editor->state().config.model().configId);
}

bool FileCommands::anyPortEnabled() const
{
    const SwitchConfig &config = m_editor->state().config;
    for (int p = 0; p < config.portCount(); ++p) {
        if (config.ports[p].adminState == 1)
            return true;
    }
    return false;
}

QString FileCommands::openDialogFolder() const
{
    return m_lastFolder.isEmpty() ? desktopFolder() : m_lastFolder;
}

QString FileCommands::currentFileName() const
{
    return m_editor->state().document.fileName;
}

bool FileCommands::save()
{
    const QString fileName = currentFileName();
    if (fileName.isEmpty())
        return saveAs();
    const bool written = writeConfigFile(fileName);
    m_editor->documentSaved(fileName, written);
    return written;
}

bool FileCommands::saveAs()
{
    if (!anyPortEnabled()) {
        Prompts::information(m_window, QObject::tr("Information"),
                             QObject::tr("Cannot Save File. All the ports are disabled"));
        return false;
    }
    return saveThroughDialog(QObject::tr("Save As"),
                             desktopFolder() + QLatin1Char('/') + defaultFileName());
}

bool FileCommands::saveToUsb()
{
    // No check of the ports: a stick may carry a switch with every port off.
    return saveThroughDialog(QObject::tr("Save to USB"), defaultFileName());
}

bool FileCommands::saveThroughDialog(const QString &title, const QString &startPath)
{
    const QString path = Prompts::saveFileName(
        m_window, title, startPath, QObject::tr("Comma Separated Values (*.csv)"),
        [](const QString &chosen) { return configFilePath(chosen); });
    if (path.isEmpty())
        return false;
    const bool written = writeConfigFile(path);
    // The document's file from now on, also when the write failed.
    m_editor->documentSaved(path, written);
    return written;
}

bool FileCommands::writeConfigFile(const QString &path)
{
    if (path.isEmpty())
        return false;

    BusyCursor busy;
    const SwitchConfig &config = m_editor->state().config;
    const ConfigFileTexts texts = ConfigFileTexts::fromRecord(config);
    // The target is replaced only by a complete file, and only if it is one.
    QString error;
    const bool written =
        writeOutputFile(path, configFileBytes(config, texts, QDate::currentDate()), &error);
    busy.release();
    if (!written) {
        Prompts::information(m_window, kUnableToOpen, error);
        return false;
    }
    m_lastFolder = QFileInfo(path).absolutePath();
    return true;
}

QString FileCommands::configFileFilter()
{
    return QObject::tr("CSV Files (*.csv);;Text files (*.txt);; All files (*.*)");
}

void FileCommands::open()
{
    const QString chosen = Prompts::openFileName(m_window, QObject::tr("Open File"),
                                                 openDialogFolder(), configFileFilter());
    if (!chosen.isEmpty())
        loadConfigFile(chosen);
}

std::optional<FileCommands::ChosenFile> FileCommands::readChosenFile(const QString &path,
                                                                     const QString &title)
{
    BusyCursor busy;
    // Read once: every pass works on the same bytes, so a file that changes
    // or vanishes while the model is chosen cannot mix two versions.
    QString error;
    std::optional<QByteArray> bytes = readConfigFile(path, &error);
    if (!bytes) {
        busy.release();
        Prompts::information(m_window, kUnableToOpen, error);
        return std::nullopt;
    }
    m_lastFolder = QFileInfo(path).absolutePath();

    // A spreadsheet's list format has no commas: refused whole, with the
    // reason, rather than as a file that names no model.
    if (const char separator = foreignSeparator(*bytes)) {
        busy.release();
        Prompts::information(m_window, title, foreignSeparatorReason(separator) + '.');
        return std::nullopt;
    }
    // A file names one model; a second "file.configID" line does not count.
    const QVector<int> configIds = configIdsNamed(*bytes);
    busy.release();
    if (configIds.isEmpty()) {
        Prompts::information(
            m_window, title,
            QObject::tr("The file is not a configuration file of a supported switch model."));
        return std::nullopt;
    }
    return ChosenFile {path, std::move(*bytes), configIds.first()};
}

bool FileCommands::loadConfigFile(const QString &path)
{
    const std::optional<ChosenFile> file = readChosenFile(path, QObject::tr("Open File"));
    if (!file)
        return false;
    applyToEditor(*file, askModelRow(file->configId), QObject::tr("Open File"), true);
    return true;
}

int FileCommands::askModelRow(int configId)
{
    DialogConfigID choose(rowsWithConfigId(configId));
    choose.setModal(true);
    Prompts::exec(choose);
    return choose.chosenRow();
}

void FileCommands::applyToEditor(const ChosenFile &file, int row, const QString &stepName,
                                 bool opened)
{
    BusyCursor loading;
    // The model with its defaults, then the file's lines; the window shows
    // the result in one step.
    EditorState loaded = m_editor->state();
    const ConfigLoadResult result = loadConfigBytes(file.bytes, row, loaded.config);
    loaded.lineCounter = result.lineCount;
    loaded.loadHadErrors = !result.rejected.isEmpty();
    configurationLoaded(loaded);
    // Opened, the file holds what it gave, its refused lines aside: the
    // error log lists those.
    if (opened)
        startDocument(loaded, file.path);
    m_editor->loadState(loaded, stepName);
    loading.release();
    // Said once: under the error log's table when it opens, else on its own.
    const QString remark = result.byteOrderMarkSkipped ? byteOrderMarkMessage() : QString();
    if (loaded.loadHadErrors)
        showRejectedLines(result.rejected, file.path, row, remark);
    else if (!remark.isEmpty())
        Prompts::information(m_window, stepName, remark);
}

void FileCommands::showRejectedLines(const QVector<RejectedLine> &rejected, const QString &path,
                                     int row, const QString &remark)
{
    BusyCursor busy;
    // Written once per load, whatever the number of refused lines.
    // Complete on disk before the dialog shows, not when the dialog closes.
    QString error;
    const bool logged = writeOutputFile(kErrorLogName, errorLogText(rejected), &error);
    DialogErrorLog dialog(rejected, path, row);
    dialog.setRemark(remark);
    dialog.setModal(true);
    busy.release();
    if (!logged)
        Prompts::information(m_window, kUnableToOpen, error);
    Prompts::exec(dialog);
}
