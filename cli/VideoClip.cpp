#include "cli/VideoClip.h"

#include "cli/Command.h"
#include "cli/Interrupt.h"
#include "video/MovieHandling.h"

#include <QFileInfo>

namespace
{
bool CheckProgram(CBin& program)
{
    if (program.ExecutableExists())
        return true;
    CliError(QStringLiteral("%1 not found or not executable at %2 (install ffmpeg, or point VANTROPE_FFMPEG_DIR at "
                            "a folder holding it)")
                 .arg(program.ExecutableName(), program.ExecutablePath()));
    return false;
}
}  // namespace

bool CheckClipAndTools(const QString& clip, CMovieHandling& movie, bool needConverter)
{
    const QFileInfo info(clip);
    if (!info.exists())
        return CliError(QStringLiteral("cannot read clip '%1': no such file").arg(clip)), false;
    if (!info.isFile())
        return CliError(QStringLiteral("cannot read clip '%1': not a regular file").arg(clip)), false;
    if (!info.isReadable())
        return CliError(QStringLiteral("cannot read clip '%1': permission denied").arg(clip)), false;
    if (movie.TempDirectory().isEmpty())
        return CliError(QStringLiteral("no temporary folder: %1").arg(movie.TempError())), false;
    return CheckProgram(movie.Prober()) && (!needConverter || CheckProgram(movie.Converter()));
}

int CheckProbeable(const QString& clip, CMovieHandling& movie, const CInterruptGuard& interrupt,
                   const QString& interrupted)
{
    if (QFileInfo(clip).size() == 0)
        return CliError(QStringLiteral("'%1' is empty (0 bytes), not a video clip").arg(clip)), 1;
    if (movie.QueryFormat(clip) == 0)
        return 0;
    return ClipToolFailed(movie, interrupt,
                          QStringLiteral("cannot probe '%1': not a media file ffprobe understands (damaged, cut short "
                                         "or of another kind)")
                              .arg(clip),
                          interrupted);
}

void ReportNoVideo(const QString& clip, CMovieHandling& movie)
{
    const int audio = movie.CountStreams(clip, CMovieHandling::eSK_AUDIO);
    CliError(audio > 0 ? QStringLiteral("'%1' holds no video stream, only %2 audio stream(s)").arg(clip).arg(audio)
                       : QStringLiteral("'%1' holds no video stream").arg(clip));
}

int ClipToolFailed(const CMovieHandling& movie, const CInterruptGuard& interrupt, const QString& otherwise,
                   const QString& interrupted)
{
    if (interrupt.Interrupted())
    {
        CliError(interrupted);
        return 3;
    }
    if (!movie.UnansweredProgram().isEmpty())
        CliError(QStringLiteral("%1 did not answer in time and was stopped").arg(movie.UnansweredProgram()));
    else
        CliError(otherwise);
    return 1;
}
