// Folder trees the program owns (project data folders, undo folders): removed, copied, measured
// and flushed without ever following a symbolic link, so a link planted in one of them never
// leads a delete or a copy to files elsewhere.
#pragma once

#include <QString>

namespace Helper
{
/// True for a folder that is not a symbolic link.
bool IsRealFolder(const QString& path);
/// Removes a file, a link (the link itself) or a folder with everything below it. True when
/// nothing is left at `path`.
bool RemoveTree(const QString& path);
/// Copies the regular files and real folders below `source` into `target` (created); links and
/// special files are skipped. False when anything could not be read or written.
bool CopyTree(const QString& source, const QString& target);
/// Bytes of the regular files below `path` (links not followed).
qint64 TreeBytes(const QString& path);
/// Flushes every regular file and folder below `path` to the disk. False when one fails.
bool SyncTree(const QString& path);
/// Flushes the folder entry list of `folder` (after a rename into it).
bool SyncFolder(const QString& folder);
}  // namespace Helper
