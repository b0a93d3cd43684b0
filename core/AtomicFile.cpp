#include "core/AtomicFile.h"

#include "core/Paths.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryFile>

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
bool Fail(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
    return false;
}

QByteArray Folder(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// The file a write replaces: `path` itself, or what its chain of symbolic links points at (a
// dangling link names the file to create). Raw bytes throughout, so no name is re-encoded.
bool ResolveTarget(QByteArray path, QByteArray& target, struct stat& st, bool& exists, int& error)
{
    for (int depth = 0; depth < 16; ++depth)
    {
        if (lstat(path.constData(), &st) != 0)
        {
            exists = false;
            target = path;
            error = errno;
            return errno == ENOENT;
        }
        if (!S_ISLNK(st.st_mode))
        {
            exists = true;
            target = path;
            return true;
        }
        char link[PATH_MAX];
        const ssize_t length = readlink(path.constData(), link, sizeof(link));
        if (length < 0 || length == ssize_t(sizeof(link)))
            return error = length < 0 ? errno : ENAMETOOLONG, false;
        const QByteArray next(link, length);
        path = next.startsWith('/') ? next : Folder(path) + '/' + next;
    }
    error = ELOOP;
    return false;
}

// A new file beside `target` that no one else uses: ".<name>.<random>.part", the name cut so the
// whole stays within the folder entry limit.
int CreateTemporary(const QByteArray& target, mode_t mode, QByteArray& temporary)
{
    const QByteArray folder = Folder(target);
    const QByteArray name = target.mid(target.lastIndexOf('/') + 1).left(64);
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        temporary = folder + "/." + name + '.' +
                    QByteArray::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, '0') + ".part";
        const int fd = open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, QByteArrayView bytes)
{
    const char* at = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0)
    {
        const ssize_t written = write(fd, at, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
        {
            if (written == 0)
                errno = EIO;
            return false;
        }
        at += written;
        left -= written;
    }
    return true;
}
}  // namespace

namespace AtomicFile
{
bool Write(const QString& path, QByteArrayView bytes, QString* reason)
{
    int error = 0;
    const auto fail = [reason](int code) { return Fail(reason, qt_error_string(code)); };
    if (path.isEmpty())
        return fail(ENOENT);
    QByteArray target;
    struct stat st = {};
    bool exists = false;
    if (!ResolveTarget(QFile::encodeName(path), target, st, exists, error))
        return fail(error);
    if (exists && S_ISDIR(st.st_mode))
        return fail(EISDIR);

    // Until the permissions of the file it replaces are copied, no one else may open it.
    QByteArray temporary;
    const int fd = CreateTemporary(target, exists ? 0600 : 0666, temporary);
    if (fd < 0)
        return fail(errno);
    bool ok = (!exists || fchmod(fd, st.st_mode & 07777) == 0) && WriteAll(fd, bytes) && fsync(fd) == 0;
    error = errno;
    if (close(fd) != 0 && ok)
        ok = false, error = errno;
    if (ok && rename(temporary.constData(), target.constData()) != 0)
        ok = false, error = errno;
    if (!ok)
    {
        unlink(temporary.constData());
        return fail(error);
    }
    return true;
}

bool WriteSettings(const QString& path, const std::function<void(QSettings&)>& fill, QString* reason)
{
    QString folderError;
    const QString folder = Helper::PrivateTempDirectory(&folderError);
    if (folder.isEmpty())
        return Fail(reason, folderError);
    // A unique name each time: the settings class caches what it parsed by file name.
    QTemporaryFile scratch(folder + QStringLiteral("/settings-XXXXXX.ini"));
    QFile current(path);
    const QByteArray present = current.open(QIODevice::ReadOnly) ? current.readAll() : QByteArray();
    if (!scratch.open() || scratch.write(present) != present.size() || !scratch.flush())
        return Fail(reason, scratch.errorString());
    scratch.close();
    {
        QSettings settings(scratch.fileName(), QSettings::IniFormat);
        fill(settings);
        settings.sync();
        // A format error only says the present text was not all readable; it is written anew.
        if (settings.status() == QSettings::AccessError)
            return Fail(reason, qt_error_string(EIO));
    }
    // The settings class replaced the scratch file by a rename: read it under its name, not
    // through the temporary file's descriptor, which still holds the old one.
    QFile filled(scratch.fileName());
    if (!filled.open(QIODevice::ReadOnly))
        return Fail(reason, filled.errorString());
    return Write(path, filled.readAll(), reason);
}
}  // namespace AtomicFile
