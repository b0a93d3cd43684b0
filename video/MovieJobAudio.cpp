// The audio pass of an export job: the source's audio streams are extracted (copied or
// converted) and muxed beside the graded video stream.
#include "video/MovieHandling.h"

#include "core/AppLog.h"
#include "core/Progress.h"
#include "video/MovieJobShared.h"

#include <QFile>
#include <QFileInfo>

using Helper::AppLog;
using namespace MovieJob;

int CMovieHandling::ProcessAudio(const SJob& job)
{
    AppLog("CMovieHandling::ProcessAudio()");
    const auto done = [](int result) {
        AppLog(QStringLiteral("CMovieHandling::ProcessAudio() -> Ret: %1").arg(result));
        return result;
    };
    const QString video = VideoStreamPath(job), raw = RawMoviePath(job);
    if (!job.m_dst.IsValid() || video.isEmpty() || raw.isEmpty() || !QFileInfo(video).isFile())
        return done(2);
    int result = 2;
    const QString input = InputClip(job);
    if (job.m_dst.m_bCopyAudio && CountStreams(input, eSK_AUDIO) > 0)
    {
        SetProgressText(tr("MovieHandling Processing Video File (Audio)"));
        MP_Progress(CATEGORY_VIDEOAUDIO, 0.0f);
        if (ExtractAudio(job) > 0 && CombineVideoAudio(job))
            result = 0;
        MP_Progress(CATEGORY_VIDEOAUDIO, 1.0f);
    }
    if (!QFileInfo::exists(raw))
    {
        if (!QFile::rename(video, raw))
            return done(2);
        AppLog("CMovieHandling::ProcessAudio() -> Audio has been skipped.");
        result = 0;
    }
    return done(result);
}

int CMovieHandling::ExtractAudio(const SJob& job)
{
    AppLog("CMovieHandling::ExtractAudio()");
    const QString input = InputClip(job);
    const int streams = std::min(CountStreams(input, eSK_AUDIO), 8);
    int counted = 0;
    for (int i = 0; i < streams && !m_bAborted; ++i)
    {
        const QString name = GetAudioCodecName(input, i);
        const QString target = TargetAudioCodec(job, i);
        if (name.isEmpty() || target.isEmpty())
        {
            AppLog(QStringLiteral("CMovieHandling::ExtractAudio() -> Stream%1 -> Unknown audio codec -> Skipped.").arg(i));
            continue;
        }
        QString codec = target;
        if (name == target)
        {
            codec = QStringLiteral("copy");
            AppLog(QStringLiteral("CMovieHandling::ExtractAudio() -> Stream%1 -> '%2' -> Just copy audio stream.")
                       .arg(i)
                       .arg(name));
        }
        else
            AppLog(QStringLiteral("CMovieHandling::ExtractAudio() -> Stream%1 -> '%2' -> Audio stream needs to be "
                                  "converted to -> '%3'.")
                       .arg(i)
                       .arg(name, target));
        const QString file = AudioStreamPath(job, i);
        const QStringList arguments{"-threads", IdealThreads(), "-i", QFileInfo(input).absoluteFilePath(),
                                    "-map",     QStringLiteral("0:a:%1").arg(i),
                                    "-acodec",  codec,
                                    "-vn",      "-y",
                                    file};
        if (RunConverter(arguments) && NonEmptyFile(file))
            ++counted;
        else
        {
            QFile::remove(file);
            AppLog(QStringLiteral("CMovieHandling::ExtractAudio() -> Stream%1 -> Extraction failed.").arg(i));
        }
        MP_Progress(CATEGORY_VIDEOAUDIO, float(counted) / float(streams) * 0.5f);
    }
    MP_Progress(CATEGORY_VIDEOAUDIO, 0.5f);
    AppLog(QStringLiteral("CMovieHandling::ExtractAudio() -> Found %1 Stream(s).").arg(counted));
    return counted;
}

bool CMovieHandling::CombineVideoAudio(const SJob& job)
{
    AppLog("CMovieHandling::CombineVideoAudio()");
    const QString video = VideoStreamPath(job), raw = RawMoviePath(job);
    if (!NonEmptyFile(video) || m_bAborted)
        return false;
    QStringList arguments{"-threads", IdealThreads(), "-i", video};
    int inputs = 0;
    for (int i = 0; i < 8; ++i)
    {
        const QString file = AudioStreamPath(job, i);
        if (!file.isEmpty() && NonEmptyFile(file))
        {
            arguments << "-i" << file;
            ++inputs;
        }
    }
    arguments << "-map" << "0:v";
    for (int k = 1; k <= inputs; ++k)
        arguments << "-map" << QStringLiteral("%1:a").arg(k);
    arguments << "-c:v:0" << "copy";
    for (int k = 0; k < inputs; ++k)
        arguments << QStringLiteral("-c:a:%1").arg(k) << "copy";
    QFile::remove(raw);
    arguments << "-y" << raw;
    if (RunConverter(arguments) && NonEmptyFile(raw))
        return true;
    QFile::remove(raw);
    AppLog("CMovieHandling::CombineVideoAudio() -> ");
    return false;
}

