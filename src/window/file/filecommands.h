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
    // or failed). Save writes the document's own file; Save As and Save to
    // USB make the chosen file the document's, also when writing it failed.
    bool save();
    bool saveAs();
    bool saveToUsb();
    // A cancelled dialog, or a file that cannot be loaded, changes nothing.
    void open();

    // Writes the configuration to `fileName`, ".csv" appended when the name
    // lacks it. The file is replaced only once it is complete; a failure is
    // reported and leaves the previous file as it was.
    bool writeConfigFile(const QString &fileName);

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
        QByteArray bytes;
        int configId = 0;
    };
    std::optional<ChosenFile> readChosenFile(const QString &path, const QString &title);
    // Reads `bytes` into the configuration of catalogue row `row`, from that
    // model's defaults, and hands the result to the editor as one step;
    // shows the lines that were refused. With `openedAs` the result is the
    // document of that file, which holds it; without, an edit of the
    // current document.
    void applyToEditor(const QByteArray &bytes, int row, const QString &stepName,
                       const std::optional<QString> &openedAs = std::nullopt);
    // What the open dialogs offer.
    static QString configFileFilter();

    // The file Save writes, as chosen; empty while the document is untitled.
    QString currentFileName() const;
    // Where the open dialog starts: the folder of the file last opened or
    // saved, else the desktop.
    QString openDialogFolder() const;

private:
    QString defaultFileName() const;
    bool anyPortEnabled() const;
    bool saveThroughDialog(const QString &title, const QString &startPath);
    void showRejectedLines(const QVector<RejectedLine> &rejected, const QString &remark);

    ConfigEditor *m_editor;
    QWidget *m_window;
    QString m_lastFolder;
};
