#include "core/FileTree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace
{
constexpr QDir::Filters kEntries = QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;

bool SyncPath(const QString& path, bool folder)
{
    const int fd = ::open(QFile::encodeName(path).constData(), (folder ? O_RDONLY | O_DIRECTORY : O_RDONLY) | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}
}  // namespace

namespace Helper
{
bool IsRealFolder(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
}

bool RemoveTree(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    // QDir::removeRecursively does not descend into links below the folder, but started on a
    // link it would empty the folder the link points at.
    if (IsRealFolder(path))
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}

bool CopyTree(const QString& source, const QString& target)
{
    if (!IsRealFolder(source) || !QDir().mkpath(target))
        return false;
    bool ok = true;
    for (const QFileInfo& entry : QDir(source).entryInfoList(kEntries, QDir::Name))
    {
        const QString destination = target + "/" + entry.fileName();
        if (entry.isSymLink())
            continue;
        if (entry.isDir())
            ok = CopyTree(entry.filePath(), destination) && ok;
        else if (entry.isFile())
            ok = QFile::copy(entry.filePath(), destination) && ok;
    }
    return ok;
}

qint64 TreeBytes(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return 0;
    if (info.isFile())
        return info.size();
    qint64 total = 0;
    QDirIterator it(path, kEntries, QDirIterator::Subdirectories);
    while (it.hasNext())
    {
        it.next();
        const QFileInfo entry = it.fileInfo();
        if (entry.isFile() && !entry.isSymLink())
            total += entry.size();
    }
    return total;
}

bool SyncTree(const QString& path)
{
    if (!IsRealFolder(path))
        return QFileInfo(path).isFile() && !QFileInfo(path).isSymLink() && SyncPath(path, false);
    bool ok = true;
    for (const QFileInfo& entry : QDir(path).entryInfoList(kEntries))
        if (!entry.isSymLink() && (entry.isDir() || entry.isFile()))
            ok = SyncTree(entry.filePath()) && ok;
    return SyncPath(path, true) && ok;
}

bool SyncFolder(const QString& folder)
{
    return SyncPath(folder, true);
}
}  // namespace Helper
