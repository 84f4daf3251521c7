#pragma once

#include "file/configreader.h"

#include <QObject>
#include <QString>

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
    // or failed).
    bool save();
    bool saveAs();
    bool saveToUsb();
    void open();

    // Writes the configuration to `fileName`, ".csv" appended when the name
    // lacks it. The file is replaced only once it is complete; a failure is
    // reported and leaves the previous file as it was.
    bool writeConfigFile(const QString &fileName);

    enum class LoadOutcome {
        Loaded,
        Unreadable, // reported; nothing changed
        NoSupportedModel, // reported; nothing changed
    };
    // Reads the file: the model it names (asking which row where rows share
    // the ID), the defaults, then its lines; shows the refused lines.
    LoadOutcome loadConfigFile(const QString &path);

    QString currentFileName() const { return m_currentFileName; }
    void clearCurrentFileName() { m_currentFileName.clear(); }
    // Where the open dialog starts: the folder of the file last opened or
    // saved, else the desktop.
    QString openDialogFolder() const;

signals:
    // The configuration as it is now is in a file.
    void fileWritten(const QString &path);

private:
    QString defaultFileName() const;
    bool anyPortEnabled() const;
    bool saveThroughDialog(const QString &title, const QString &startPath);
    void showRejectedLines(const QVector<RejectedLine> &rejected);

    ConfigEditor *m_editor;
    QWidget *m_window;
    QString m_currentFileName;
    QString m_lastFolder;
};
