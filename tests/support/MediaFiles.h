// Whole-file reads and writes and ffprobe's view of a media file, for tests that check what a
// program wrote.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// The file's bytes; empty when it cannot be read.
QByteArray ReadWholeFile(const QString& path);
/// Writes the bytes as the whole file; false on failure.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

/// Every "key=value" line ffprobe prints for the streams and the format of a file.
struct SMediaProbe
{
    QStringList lines;
    /// The value of the `occurrence`-th line with the key (streams first, then the format).
    QString Value(const QString& key, int occurrence = 0) const;
    int Count(const QString& line) const { return int(lines.count(line)); }
};

/// Probes with frame counting (nb_read_frames), so the frames really in the file are known.
SMediaProbe ProbeMedia(const QString& path);
