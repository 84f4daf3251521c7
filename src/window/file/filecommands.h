#pragma once

#include "core/file/configreader.h"

#include <QObject>
#include <QString>

#include <optional>

class ConfigEditor;
class QWidget;

// Save, Save As, Save to USB and Open: the dialogs, messages and the
// window's refresh around the file format of the core.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    FileCommands(ConfigEditor *editor, QWidget *window);

    // Each save says whether it wrote the file (not when refused, cancelled
    // or failed). Save writes the document's own file, an opened one under
    // its own name; Save As and Save to USB make the file written for the
    // chosen name (".csv" appended as configFilePath does) the document's,
    // also when writing it failed.
    bool save();
    bool saveAs();
    bool saveToUsb();
    // A cancelled dialog, or a file that cannot be loaded, changes nothing.
    void open();

    // Writes the configuration to `path`, as it is. The file is replaced
    // only once it is complete; a failure is reported and leaves the
    // previous file as it was.
    bool writeConfigFile(const QString &path);

    // Reads the file: the model it names (asking which row where rows share
    // the ID), the defaults, then its lines, as the document of that file;
    // shows the refused lines. False for a file that is unreadable or names
    // no supported model: reported, and nothing changed.
    bool loadConfigFile(const QString &path);

    // A configuration file the user chose: its content and the
    // configuration ID it names. A file that cannot be read or names no
    // supported model is reported under `title`, and gives nullopt.
    struct ChosenFile
    {
        QString path;
        QByteArray bytes;
        int configId = 0;
    };
    std::optional<ChosenFile> readChosenFile(const QString &path, const QString &title);
    // The catalogue row a file naming `configId` is for: the user chooses
    // among the rows sharing the ID.
    int askModelRow(int configId);
    // Reads the file into the configuration of catalogue row `row`, from
    // that model's defaults, and hands the result to the editor as one step;
    // shows the lines that were refused. `opened`: the result is the
    // document of that file, which holds it; else an edit of the current
    // document.
    void applyToEditor(const ChosenFile &file, int row, const QString &stepName, bool opened);
    // What the open dialogs offer.
    static QString configFileFilter();

    // The file Save writes; empty while the document is untitled.
    QString currentFileName() const;
    // Where the open dialog starts: the folder of the file last opened or
    // saved, else the desktop.
    QString openDialogFolder() const;

private:
    QString defaultFileName() const;
    bool anyPortEnabled() const;
    bool saveThroughDialog(const QString &title, const QString &startPath);
    void showRejectedLines(const QVector<RejectedLine> &rejected, const QString &path, int row,
                           const QString &remark);

    ConfigEditor *m_editor;
    QWidget *m_window;
    QString m_lastFolder;
};
