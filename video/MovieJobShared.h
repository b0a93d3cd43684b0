// Small helpers the stages of an export job share (MovieJob*.cpp).
#pragma once

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QThread>

#include <cstdio>

namespace MovieJob
{
/// The converter's and the prober's "-threads" value.
inline QString IdealThreads()
{
    return QString::number(QThread::idealThreadCount());
}

inline bool NonEmptyFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

/// Replaces `to` by `from` in one step, so an earlier file at `to` stays whole until then.
inline bool ReplaceFile(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}
}  // namespace MovieJob
