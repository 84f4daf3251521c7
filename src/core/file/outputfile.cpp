#include "core/file/outputfile.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>
#include <QSet>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the system itself follows before it gives up (ELOOP).
constexpr int kMaxLinkDepth = 40;

QString systemReason(int errorNumber)
{
    return qt_error_string(errorNumber);
}

// The file a path finally names: symbolic links followed, also to a target
// that does not exist yet (it is created where the last link points).
// Empty, with errno set, when the links cannot be followed.
QByteArray followLinks(QByteArray path)
{
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat status;
        if (::lstat(path.constData(), &status) != 0)
            return errno == ENOENT ? path : QByteArray();
        if (!S_ISLNK(status.st_mode))
            return path;
        // A buffer of fixed size, whose size the compiler checks against
        // the length passed; a target as long as the buffer could not be
        // opened anyway.
        char buffer[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), buffer, sizeof buffer);
        if (length < 0)
            return QByteArray();
        if (size_t(length) >= sizeof buffer) {
            errno = ENAMETOOLONG;
            return QByteArray();
        }
        const QByteArray target(buffer, int(length));
        if (target.startsWith('/')) {
            path = target;
        } else {
            const int slash = path.lastIndexOf('/');
            path = (slash < 0 ? QByteArray() : path.left(slash + 1)) + target;
        }
    }
    errno = ELOOP;
    return QByteArray();
}

// Whether the resolved target exists and is something other than a regular
// file. errno is set when it cannot be examined at all.
enum class TargetKind { Missing, Regular, Other, Unknown };

TargetKind targetKind(const QByteArray &resolved, struct stat *status)
{
    if (::stat(resolved.constData(), status) == 0)
        return S_ISREG(status->st_mode) ? TargetKind::Regular : TargetKind::Other;
    return errno == ENOENT ? TargetKind::Missing : TargetKind::Unknown;
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

bool writeFully(int descriptor, const QByteArray &bytes)
{
    const char *next = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, next, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC; // a device that takes nothing and says nothing
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

QByteArray folderOf(const QByteArray &path)
{
    const int slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// A new, empty file beside `resolved` with a name no other file has; -1
// with errno set when the folder takes none.
int createSibling(const QByteArray &resolved, QByteArray *siblingPath)
{
    const int slash = resolved.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray() : resolved.left(slash + 1);
    const QByteArray name = resolved.mid(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        *siblingPath = folder + '.' + name + '.' +
            QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".part";
        // 0666 and the umask: the permissions any new file of the user gets.
        const int descriptor =
            ::open(siblingPath->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

// The file `path` finally names and what is there now, when it may be
// written: nothing yet, or a regular file. Otherwise false, with the reason.
bool resolveTarget(const QString &path, QByteArray *resolved, TargetKind *kind, struct stat *status,
                   QString *error)
{
    if (path.isEmpty())
        return fail(error, systemReason(ENOENT));
    *resolved = followLinks(QFile::encodeName(path));
    if (resolved->isEmpty())
        return fail(error, systemReason(errno));
    *kind = targetKind(*resolved, status);
    if (*kind == TargetKind::Other)
        return fail(error, notRegularFileText(path));
    if (*kind == TargetKind::Unknown)
        return fail(error, systemReason(errno));
    return true;
}

} // namespace

bool writeAllTo(QIODevice &device, const QByteArray &bytes, QString *error)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString reason = device.errorString();
            return fail(error,
                        reason.isEmpty() ? systemReason(written == 0 ? ENOSPC : EIO) : reason);
        }
        done += written;
    }
    return true;
}

QString notRegularFileText(const QString &path)
{
    return QStringLiteral("%1 is not a regular file").arg(path);
}

bool isWritableTarget(const QString &path, QString *error)
{
    QByteArray resolved;
    TargetKind kind;
    struct stat status;
    return resolveTarget(path, &resolved, &kind, &status, error);
}

bool writeOutputFile(const QString &path, const QByteArray &bytes, QString *error)
{
    OutputFileSet output;
    return output.add(path, bytes, error) && output.commit(error) == 1;
}

OutputFileSet::~OutputFileSet()
{
    discard();
}

bool OutputFileSet::add(const QString &path, const QByteArray &bytes, QString *error)
{
    Staged staged;
    TargetKind kind;
    struct stat previous;
    if (!resolveTarget(path, &staged.target, &kind, &previous, error))
        return false;

    const int descriptor = createSibling(staged.target, &staged.temporary);
    if (descriptor < 0)
        return fail(error, systemReason(errno));
    // A replaced file keeps its permissions and, where allowed, its owner.
    bool written = true;
    if (kind == TargetKind::Regular) {
        written = ::fchmod(descriptor, previous.st_mode & 07777) == 0;
        if (written && ::fchown(descriptor, previous.st_uid, previous.st_gid) != 0)
            errno = 0; // not ours to give away; the content still is
    }
    written = written && writeFully(descriptor, bytes);
#ifdef SYNC_FILE_RANGE_WRITE
    // The disk starts on it now; commit() only waits for what is left.
    if (written)
        ::sync_file_range(descriptor, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    const int writeError = errno;
    const bool closed = ::close(descriptor) == 0;
    const int closeError = errno;
    if (written && closed) {
        m_staged << staged;
        return true;
    }
    ::unlink(staged.temporary.constData());
    return fail(error, systemReason(!written ? writeError : closeError));
}

int OutputFileSet::commit(QString *error)
{
    // Every temporary is on the disk before any rename makes one a file: a
    // full disk shows here, with nothing replaced yet.
    int reason = 0;
    for (const Staged &staged : qAsConst(m_staged)) {
        const int descriptor = ::open(staged.temporary.constData(), O_RDONLY | O_CLOEXEC);
        if (descriptor < 0 || ::fdatasync(descriptor) != 0)
            reason = errno;
        if (descriptor >= 0)
            ::close(descriptor);
        if (reason)
            break;
    }
    int renamed = 0;
    QSet<QByteArray> folders;
    while (reason == 0 && renamed < m_staged.size()) {
        const Staged &staged = m_staged.at(renamed);
        if (::rename(staged.temporary.constData(), staged.target.constData()) != 0) {
            reason = errno;
            break;
        }
        folders.insert(folderOf(staged.target));
        ++renamed;
    }
    m_staged.remove(0, renamed);
    discard();
    // The renames themselves reach the disk once per folder.
    for (const QByteArray &folder : qAsConst(folders)) {
        const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor >= 0) {
            ::fsync(descriptor);
            ::close(descriptor);
        }
    }
    if (reason)
        fail(error, systemReason(reason));
    return renamed;
}

void OutputFileSet::discard()
{
    for (const Staged &staged : qAsConst(m_staged))
        ::unlink(staged.temporary.constData());
    m_staged.clear();
}
