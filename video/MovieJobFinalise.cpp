// The last step of an export job: the source's metadata are carried into the result, which then
// replaces the destination in one rename.
#include "video/MovieHandling.h"

#include "core/AppLog.h"
#include "core/Progress.h"
#include "video/MovieJobShared.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

using Helper::AppLog;
using namespace MovieJob;

int CMovieHandling::ProcessMetadata(const SJob& job)
{
    AppLog("CMovieHandling::ProcessMetadata()");
    SetProgressText(tr("MovieHandling Processing Video File (Finalisation)"));
    MP_Progress(CATEGORY_VIDEOFINALISE, 0.0f);
    const auto done = [](int result) {
        MP_Progress(CATEGORY_VIDEOFINALISE, 1.0f);
        AppLog(QStringLiteral("CMovieHandling::ProcessMetadata() -> Ret: %1").arg(result));
        return result;
    };
    const QString source = job.m_src.m_strPath, raw = RawMoviePath(job);
    const QString destination = job.m_dst.DestinationFile();
    if (!QFileInfo(source).isFile() || raw.isEmpty() || !QFileInfo(raw).isFile() || m_bAborted)
        return done(2);

    const QString final = IntermediatePath("_Tmp_FinalMovie", job.m_dst.Extension());
    bool included = false;
    if (job.m_dst.m_bCopyMetadata)
    {
        // The stream counts are those of the result itself; the answers of the clip go first.
        RemoveIniFiles();
        const int videoStreams = CountStreams(raw, eSK_VIDEO);
        const int audioStreams = CountStreams(raw, eSK_AUDIO);
        RemoveIniFiles();
        const bool audio = job.m_dst.m_bCopyAudio && audioStreams > 0;
        QStringList arguments{"-i", QFileInfo(raw).absoluteFilePath(), "-i", QFileInfo(source).absoluteFilePath()};
        if (videoStreams > 0)
            arguments << "-map" << "0:v";
        if (audio)
            arguments << "-map" << "0:a";
        arguments << "-map_chapters" << "-1" << "-map_metadata" << "1";
        AppLog(QStringLiteral("CMovieHandling::ProcessMetadata() -> Num video-streams: %1").arg(videoStreams));
        if (videoStreams == 1)
        {
            arguments << QStringLiteral("-map_metadata:s:v:%1").arg(0) << QStringLiteral("1:s:v:%1").arg(0)
                      << QStringLiteral("-metadata:s:v:%1").arg(0) << "rotate=0";
            AppLog("CMovieHandling::ProcessMetadata() -> Possible rotation has been removed.");
        }
        AppLog(QStringLiteral("CMovieHandling::ProcessMetadata() -> Num audio-streams: %1").arg(audioStreams));
        for (int i = 0; i < audioStreams; ++i)
            arguments << QStringLiteral("-map_metadata:s:a:%1").arg(i) << QStringLiteral("1:s:a:%1").arg(i);
        if (videoStreams > 0)
            arguments << "-c:v" << "copy";
        if (audio)
            arguments << "-c:a" << "copy";
        // The remux goes to an intermediate first; the result replaces the destination in one step.
        arguments << "-y" << final;
        included = RunConverter(arguments) && NonEmptyFile(final) && ReplaceFile(final, destination);
        if (included)
            AppLog("CMovieHandling::ProcessMetadata() -> Metadata have been included.");
        QFile::remove(final);
    }
    if (m_bAborted)
        return done(2);
    if (!included)
    {
        if (!ReplaceFile(raw, destination))
        {
            AppLog(QStringLiteral("CMovieHandling::ProcessMetadata() -> Cannot write %1: %2")
                       .arg(destination, QString::fromLocal8Bit(strerror(errno))));
            return done(2);
        }
        AppLog("CMovieHandling::ProcessMetadata() -> Metadata have been skipped.");
    }
    return done(0);
}
