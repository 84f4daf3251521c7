#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

class QIODevice;

// How every output of Mestrel reaches the disk: the configuration file, the
// PDF report and what mestrel-check writes. A user's file is either left as
// it was or holds the whole new content; a device, FIFO, socket or folder
// in its place is never replaced.

// Writes all of `bytes` to an open device, in as many writes as it takes (a
// nearly full disk takes part of a write and only fails the next one).
// False, with the device's reason in `error`, when a write fails.
bool writeAllTo(QIODevice &device, const QByteArray &bytes, QString *error = nullptr);

// Replaces the content of the file at `path` by `bytes`. The bytes go to a
// new file beside the target, which is synced and then renamed over it
// (and the folder synced), so a failure at any point leaves the previous
// file as it was and no temporary file behind. A symbolic link stays a link: the file it points
// to gets the content. A new file gets the permissions the process's umask
// gives; a replaced one keeps its own.
//
// Refused, with nothing touched, when the target exists and is not a
// regular file ("PATH is not a regular file"). Any other failure gives the
// operating system's reason ("No space left on device", "Permission
// denied", ...) in `error`.
bool writeOutputFile(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Several outputs that reach the disk together, each as writeOutputFile
// would write it: add() writes each to a new file beside its target at
// once, commit() syncs them all, then renames each over its target in the
// order added and syncs their folders. One sync for the lot instead of one
// per file lets the disk take them in one go.
class OutputFileSet
{
public:
    OutputFileSet() = default;
    // Removes the temporaries of outputs not committed.
    ~OutputFileSet();
    OutputFileSet(const OutputFileSet &) = delete;
    OutputFileSet &operator=(const OutputFileSet &) = delete;

    // Checks the target and writes the bytes beside it, with the refusals
    // and reasons of writeOutputFile; on failure nothing is left.
    bool add(const QString &path, const QByteArray &bytes, QString *error = nullptr);
    // Puts the outputs added since the last commit in place and returns how
    // many. It stops at the first failure, with its reason in `error`: the
    // outputs before it are in place, it and the rest keep their previous
    // content, and no temporary is left.
    int commit(QString *error = nullptr);
    void discard();
    int pending() const { return m_staged.size(); }

private:
    struct Staged
    {
        QByteArray target; // symbolic links followed
        QByteArray temporary;
    };
    QVector<Staged> m_staged;
};

// The text of an "is not a regular file" refusal, for callers that check
// before they produce the bytes.
QString notRegularFileText(const QString &path);

// Whether `path` may be written by writeOutputFile: it does not exist yet,
// or it is (or links to) a regular file. Otherwise false, with the reason.
bool isWritableTarget(const QString &path, QString *error = nullptr);
