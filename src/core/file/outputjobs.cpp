#include "core/file/outputjobs.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QObject>
#include <QThread>
#include <QThreadPool>
#include <QWaitCondition>

#include <vector>

// What the jobs and their owner share; a job running after its owner is
// gone still has it.
struct OutputJobs::Shared
{
    QMutex mutex;
    QWaitCondition finished;
    std::vector<bool> done;
    std::vector<OutputJobResult> results;
    bool cancelled = false;
    QObject *context = nullptr;
    std::function<void(int)> onFinished;

    void run(int index, const Job &job)
    {
        {
            const QMutexLocker lock(&mutex);
            if (cancelled) {
                finish(index, {});
                return;
            }
        }
        OutputJobResult result = job();
        const QMutexLocker lock(&mutex);
        finish(index, cancelled ? OutputJobResult() : std::move(result));
    }

    // With the mutex held.
    void finish(int index, OutputJobResult result)
    {
        results[size_t(index)] = std::move(result);
        done[size_t(index)] = true;
        finished.wakeAll();
        // The owner clears the context under the mutex before it goes, so
        // it is alive here; a call still queued when it goes is dropped.
        if (context && onFinished) {
            QMetaObject::invokeMethod(
                context, [call = onFinished, index] { call(index); }, Qt::QueuedConnection);
        }
    }
};

OutputJobs::OutputJobs()
    : m_shared(std::make_shared<Shared>())
{ }

OutputJobs::~OutputJobs()
{
    const QMutexLocker lock(&m_shared->mutex);
    m_shared->cancelled = true;
    m_shared->context = nullptr;
    m_shared->onFinished = nullptr;
}

int OutputJobs::threadCount()
{
    return qMax(1, QThread::idealThreadCount());
}

void OutputJobs::waitForStragglers()
{
    QThreadPool::globalInstance()->waitForDone();
}

int OutputJobs::add(Job job)
{
    int index = 0;
    {
        const QMutexLocker lock(&m_shared->mutex);
        index = int(m_shared->done.size());
        m_shared->done.push_back(false);
        m_shared->results.emplace_back();
    }
    // The application's pool runs one thread per core and is waited for
    // when the application ends, so no job outlives the fonts it uses.
    QThreadPool::globalInstance()->start(
        [shared = m_shared, index, job = std::move(job)] { shared->run(index, job); });
    return index;
}

int OutputJobs::count() const
{
    const QMutexLocker lock(&m_shared->mutex);
    return int(m_shared->done.size());
}

bool OutputJobs::waitFor(int index, int milliseconds) const
{
    const QDeadlineTimer deadline =
        milliseconds < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(milliseconds);
    const QMutexLocker lock(&m_shared->mutex);
    while (!m_shared->done.at(size_t(index))) {
        if (!m_shared->finished.wait(&m_shared->mutex, deadline))
            return m_shared->done.at(size_t(index));
    }
    return true;
}

void OutputJobs::waitForAll() const
{
    for (int index = 0; index < count(); ++index)
        waitFor(index, -1);
}

OutputJobResult OutputJobs::take(int index)
{
    const QMutexLocker lock(&m_shared->mutex);
    return std::move(m_shared->results.at(size_t(index)));
}

void OutputJobs::cancel()
{
    const QMutexLocker lock(&m_shared->mutex);
    m_shared->cancelled = true;
}

bool OutputJobs::isCancelled() const
{
    const QMutexLocker lock(&m_shared->mutex);
    return m_shared->cancelled;
}

void OutputJobs::setFinishedCallback(QObject *context, std::function<void(int)> finished)
{
    const QMutexLocker lock(&m_shared->mutex);
    m_shared->context = context;
    m_shared->onFinished = std::move(finished);
}
