#include "window/folder/folderscan.h"

#include <QElapsedTimer>

namespace {

// Rows are handed over at least this often, and at most this many at once.
constexpr int kBatchMs = 50;
constexpr int kMaxBatch = 200;

} // namespace

FolderScan::FolderScan(const QString &folder, bool recursive, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_recursive(recursive)
{
    qRegisterMetaType<QVector<SwitchFileRow>>();
}

FolderScan::~FolderScan()
{
    cancel();
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

void FolderScan::start()
{
    m_thread = QThread::create([this] { run(); });
    m_thread->start();
}

void FolderScan::cancel()
{
    m_cancelled = true;
}

bool FolderScan::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

void FolderScan::run()
{
    // Runs on the scan's thread: only the core's folder check and signals,
    // which reach the receivers on theirs.
    const QVector<SwitchFolderEntry> entries = switchFolderEntries(m_folder, m_recursive);
    emit listed(entries.size());
    QVector<SwitchFileRow> batch;
    QElapsedTimer sinceBatch;
    sinceBatch.start();
    for (const SwitchFolderEntry &entry : entries) {
        if (m_cancelled)
            break;
        batch << checkSwitchFile(entry);
        if (batch.size() >= kMaxBatch || sinceBatch.elapsed() >= kBatchMs) {
            emit rowsChecked(batch);
            batch.clear();
            sinceBatch.restart();
        }
    }
    if (!batch.isEmpty())
        emit rowsChecked(batch);
    emit finished(m_cancelled);
}
