#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QObject;

// What an output job made: the bytes of a file, or why there are none.
struct OutputJobResult
{
    std::optional<QByteArray> bytes;
    QString error;
};

// Outputs whose bytes take long to make (the reports), made on worker
// threads, as many at a time as the machine has cores, while the thread
// that asked for them stays free to repaint and to write what is finished.
// A job gets copies of everything it reads and touches nothing else; the
// bytes come back to the asking thread, which writes them, so a job never
// leaves a file behind.
//
// Jobs start in the order they were added. cancel() drops the jobs not yet
// started; a job already running finishes on its own and its bytes are
// thrown away, so cancelling never waits for one. Destroying the jobs
// cancels them.
class OutputJobs
{
public:
    using Job = std::function<OutputJobResult()>;

    OutputJobs();
    ~OutputJobs();
    OutputJobs(const OutputJobs &) = delete;
    OutputJobs &operator=(const OutputJobs &) = delete;

    // The number of jobs that run at once: the machine's cores.
    static int threadCount();
    // Waits for the jobs still running after their owner stopped waiting
    // for them (a cancel). Called before the application object goes: a
    // report laid out while it is torn down would crash.
    static void waitForStragglers();

    // Adds a job; returns its number, counted from 0.
    int add(Job job);
    int count() const;
    // Whether job `index` has finished, waiting for it at most `milliseconds`
    // (-1: as long as it takes).
    bool waitFor(int index, int milliseconds) const;
    // Blocks until every job added has finished.
    void waitForAll() const;
    // The result of a finished job, handed over once.
    OutputJobResult take(int index);
    void cancel();
    bool isCancelled() const;

    // Calls `finished` with the job's number on the thread of `context`
    // each time a job finishes; nothing once `context` is gone.
    void setFinishedCallback(QObject *context, std::function<void(int index)> finished);

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};
