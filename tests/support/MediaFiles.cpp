#include "tests/support/MediaFiles.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QString SMediaProbe::Value(const QString& key, int occurrence) const
{
    for (const QString& line : lines)
        if (line.startsWith(key + "=") && occurrence-- == 0)
            return line.mid(key.size() + 1);
    return {};
}

SMediaProbe ProbeMedia(const QString& path)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable("ffprobe"),
                  {"-v", "error", "-count_frames", "-show_streams", "-show_format", path});
    process.waitForFinished(30000);
    return {QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)};
}
