// The first step of an export job: a source the decoder handles badly is converted to H.264 first.
#include "video/MovieHandling.h"

#include "core/AppLog.h"
#include "core/Progress.h"
#include "video/EventPump.h"
#include "video/MovieJobShared.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <cmath>

using Helper::AppLog;
using namespace MovieJob;

int CMovieHandling::ConvertVideo(const SJob& job)
{
    if (!NeedsConversion(job.m_src))
    {
        AppLog("CMovieHandling::ConvertVideo() -> Not necessary.");
        return 1;
    }
    AppLog("CMovieHandling::ConvertVideo()");
    AppLog("CMovieHandling::ConvertVideo() -> Converting...");
    SetProgressText(tr("MovieHandling Processing Video File (Converting)"));
    MP_Progress(CATEGORY_VIDEOCONVERT, 0.0f);

    const auto done = [](int result) {
        AppLog(QStringLiteral("CMovieHandling::ConvertVideo() -> Ret: %1").arg(result));
        return result;
    };
    const QString source = job.m_src.m_strPath;
    if (!QFileInfo(source).isFile())
        return done(2);
    const double duration = GetDuration(source);
    const QString rate = GetFrameRate(source, true);
    const float fps = RationalValue(rate);
    AppLog("CMovieHandling::ConvertVideo() -> Frame-Rate: " + rate + "  = " + QString::number(fps) + " FPS");
    if (duration <= 0.0 || rate.isEmpty() || m_strWorkingFolder.isEmpty() || !QFileInfo(m_strWorkingFolder).isDir())
        return done(2);
    const qint64 expected = std::llround(double(fps) * duration);

    QStringList arguments{"-threads", IdealThreads(), "-loglevel", "repeat", "-i", QFileInfo(source).absoluteFilePath(),
                          "-r",       rate};
    switch (job.m_dst.m_eQuality)
    {
    case eLOWEST:
        AppLog("CMovieHandling::ConvertVideo() -> Preset fast / Profile baseline.");
        arguments << "-vcodec" << "libx264" << "-preset" << "fast" << "-profile:v" << "baseline" << "-acodec" << "aac"
                  << "-b:a" << "96k";
        break;
    case eLOW:
    case eNORMAL:
        AppLog("CMovieHandling::ConvertVideo() -> Preset medium / Profile main.");
        arguments << "-vcodec" << "libx264" << "-preset" << "medium" << "-profile:v" << "main" << "-acodec" << "aac"
                  << "-b:a" << "128k";
        break;
    default:
        AppLog("CMovieHandling::ConvertVideo() -> Preset slow / Profile high.");
        arguments << "-vcodec" << "libx264" << "-preset" << "slow" << "-profile:v" << "high" << "-acodec" << "aac"
                  << "-b:a" << "192k";
        break;
    }
    const QString converted = ConvertedMoviePath();
    arguments << "-y" << converted;
    if (!m_converter.Run(arguments, false, true))
        return done(2);
    QElapsedTimer still;
    still.start();
    for (int lastFrame = -1; m_converter.IsRunning() && !m_bAborted;)
    {
        if (expected > 0)
            MP_Progress(CATEGORY_VIDEOCONVERT, float(double(m_converter.LastFrame()) / double(expected)));
        if (m_converter.LastFrame() != lastFrame)
        {
            lastFrame = m_converter.LastFrame();
            still.restart();
        }
        else if (m_iPipeStallLimitMs > 0 && still.elapsed() > m_iPipeStallLimitMs)
        {
            AppLog("CMovieHandling::ConvertVideo() -> No progress -> Stopped.");
            m_strUnanswered = m_converter.ExecutableName();
            m_converter.Kill();
            break;
        }
        m_pump.Pause(100);
    }
    MP_Progress(CATEGORY_VIDEOCONVERT, 1.0f);
    if (m_bAborted)
    {
        m_converter.Kill();
        QFile::remove(converted);
        AppLog("CMovieHandling::ConvertVideo() -> Aborted.");
        return done(3);
    }
    // A copy the converter did not finish would be taken for the clip by every later step.
    const bool complete = expected < 1 || m_converter.LastFrame() >= std::max<qint64>(std::llround(expected * 0.5), 1);
    if (!m_converter.FinishedOk() || !NonEmptyFile(converted) || !complete)
    {
        AppLog(QStringLiteral("CMovieHandling::ConvertVideo() -> Frames converted: %1 of %2")
                   .arg(m_converter.LastFrame())
                   .arg(expected));
        QFile::remove(converted);
        return done(2);
    }
    return done(0);
}

