#pragma once

#include <QByteArray>
#include <QString>

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
// new file beside the target, which is synced and then renamed over it, so
// a failure at any point leaves the previous file as it was and no
// temporary file behind. A symbolic link stays a link: the file it points
// to gets the content. A new file gets the permissions the process's umask
// gives; a replaced one keeps its own.
//
// Refused, with nothing touched, when the target exists and is not a
// regular file ("PATH is not a regular file"). Any other failure gives the
// operating system's reason ("No space left on device", "Permission
// denied", ...) in `error`.
bool writeOutputFile(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// The text of an "is not a regular file" refusal, for callers that check
// before they produce the bytes.
QString notRegularFileText(const QString &path);

// Whether `path` may be written by writeOutputFile: it does not exist yet,
// or it is (or links to) a regular file. Otherwise false, with the reason.
bool isWritableTarget(const QString &path, QString *error = nullptr);
