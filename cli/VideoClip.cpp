#include "cli/VideoClip.h"

#include "cli/Command.h"
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

bool CheckProbeable(const QString& clip, CMovieHandling& movie)
{
    if (QFileInfo(clip).size() == 0)
        return CliError(QStringLiteral("'%1' is empty (0 bytes), not a video clip").arg(clip)), false;
    if (movie.QueryFormat(clip) != 0)
        return CliError(QStringLiteral("cannot probe '%1': not a media file ffprobe understands (damaged, cut short or "
                                       "of another kind)")
                            .arg(clip)),
               false;
    return true;
}

void ReportNoVideo(const QString& clip, CMovieHandling& movie)
{
    const int audio = movie.CountStreams(clip, CMovieHandling::eSK_AUDIO);
    CliError(audio > 0 ? QStringLiteral("'%1' holds no video stream, only %2 audio stream(s)").arg(clip).arg(audio)
                       : QStringLiteral("'%1' holds no video stream").arg(clip));
}
