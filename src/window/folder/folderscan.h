#pragma once

#include "core/folder/switchfolder.h"

#include <QObject>
#include <QThread>

#include <atomic>

// Reads a folder's switch files on a thread of its own, so the window
// keeps repainting: the rows come back in batches through queued signals,
// a batch at least every 50 ms, and cancel() stops the scan at the next
// file. Deleting the scan cancels it and waits for its thread.
class FolderScan : public QObject
{
    Q_OBJECT

public:
    FolderScan(const QString &folder, bool recursive, QObject *parent = nullptr);
    ~FolderScan() override;

    void start();
    void cancel();
    bool isRunning() const;

signals:
    // The files the folder holds were listed: `total` will come.
    void listed(int total);
    void rowsChecked(const QVector<SwitchFileRow> &rows);
    void finished(bool cancelled);

private:
    void run();

    const QString m_folder;
    const bool m_recursive;
    std::atomic_bool m_cancelled {false};
    QThread *m_thread = nullptr;
};

Q_DECLARE_METATYPE(QVector<SwitchFileRow>)
