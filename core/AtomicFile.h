// Writing a file as a whole or not at all: every writer of the program goes through here.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

class QSettings;

namespace AtomicFile
{
/// Writes `bytes` to `path`: a new file of a unique name in the same folder gets every byte
/// (each write checked), is flushed to the disk and closed (checked), and only then renamed over
/// `path`. On any failure the temporary file is removed and an existing `path` stays
/// byte-identical. An existing file keeps its permissions; a symbolic link at `path` stays and its
/// target is replaced. False with `reason` set to the system's reason (e.g. "No space left on
/// device") when it failed.
bool Write(const QString& path, QByteArrayView bytes, QString* reason = nullptr);

/// Writes an INI file through the settings class the same way: `fill` sets the keys, starting
/// from the keys the file holds now (call clear() for a fresh file). The settings object is
/// filled in the private temp folder, so the target folder only ever sees Write()'s one file.
bool WriteSettings(const QString& path, const std::function<void(QSettings&)>& fill, QString* reason = nullptr);
}  // namespace AtomicFile
