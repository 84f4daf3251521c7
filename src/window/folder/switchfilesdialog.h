#pragma once

#include "core/folder/switchfolder.h"

#include <QDialog>
#include <QScopedPointer>

#include <functional>

namespace Ui {
class SwitchFilesDialog;
}
class FolderScan;
class QSortFilterProxyModel;
class SwitchFileModel;

// "Switch Files": every switch file of a folder at a glance, read on a
// thread of its own with progress and Cancel. Rows sort by any column and a
// filter narrows them; Enter or a double-click opens a file in the window,
// "Show Rejected Lines" lists a file's refused lines as the error log does,
// and "Save as Switch List…" turns the chosen files (all by default) into a
// switch list for "Make Files for Several Switches".
class SwitchFilesDialog : public QDialog
{
    Q_OBJECT

public:
    // `openFile` opens a file in the window (asking about unsaved changes
    // first) and says whether it did; the dialog then closes.
    SwitchFilesDialog(const QString &folder, std::function<bool(const QString &)> openFile,
                      QWidget *parent = nullptr);
    ~SwitchFilesDialog() override;

    SwitchFileModel *model() const { return m_model; }
    QSortFilterProxyModel *shownRows() const { return m_shown; }
    bool isScanning() const;

signals:
    // The folder has been read to its end or cancelled.
    void scanFinished();

private slots:
    void on_checkBox_subfolders_toggled(bool checked);
    void on_pushButton_cancel_clicked();
    void on_pushButton_open_clicked();
    void on_pushButton_rejectedLines_clicked();
    void on_pushButton_saveList_clicked();
    void on_pushButton_close_clicked();

private:
    void startScan();
    void scanDone(bool cancelled);
    void fitColumns();
    void openRow(const QModelIndex &index);
    void showCurrentRow();
    // The rows chosen, in the folder's order; all when none is.
    QVector<SwitchFileRow> chosenRows() const;
    const SwitchFileRow *currentFile() const;

    const QScopedPointer<Ui::SwitchFilesDialog> m_ui;
    const QString m_folder;
    const std::function<bool(const QString &)> m_openFile;
    SwitchFileModel *m_model;
    QSortFilterProxyModel *m_shown;
    FolderScan *m_scan = nullptr;
};
