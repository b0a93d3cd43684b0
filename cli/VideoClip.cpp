#include "cli/VideoClip.h"

#include "cli/Command.h"
#include "cli/Interrupt.h"
#include "video/MovieHandling.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace
{
struct CliClip
{
    Q_DECLARE_TR_FUNCTIONS(CliClip)
};

bool CheckProgram(CBin& program)
{
    if (program.ExecutableExists())
        return true;
    CliError(CliClip::tr("%1 nicht gefunden oder nicht ausführbar unter %2 (ffmpeg installieren oder VANTROPE_FFMPEG_DIR "
                         "auf einen Ordner richten, der es enthält)")
                 .arg(program.ExecutableName(), program.ExecutablePath()));
    return false;
}
}  // namespace

bool CheckClipAndTools(const QString& clip, CMovieHandling& movie, bool needConverter)
{
    const QFileInfo info(clip);
    if (!info.exists())
        return CliError(CliClip::tr("Clip '%1' kann nicht gelesen werden: Datei nicht vorhanden").arg(clip)), false;
    if (!info.isFile())
        return CliError(CliClip::tr("Clip '%1' kann nicht gelesen werden: keine normale Datei").arg(clip)), false;
    if (!info.isReadable())
        return CliError(CliClip::tr("Clip '%1' kann nicht gelesen werden: Zugriff verweigert").arg(clip)), false;
    if (movie.TempDirectory().isEmpty())
        return CliError(CliClip::tr("kein temporärer Ordner: %1").arg(movie.TempError())), false;
    return CheckProgram(movie.Prober()) && (!needConverter || CheckProgram(movie.Converter()));
}

int CheckProbeable(const QString& clip, CMovieHandling& movie, const CInterruptGuard& interrupt,
                   const QString& interrupted)
{
    if (QFileInfo(clip).size() == 0)
        return CliError(CliClip::tr("'%1' ist leer (0 Bytes), kein Videoclip").arg(clip)), 1;
    if (movie.QueryFormat(clip) == 0)
        return 0;
    return ClipToolFailed(movie, interrupt,
                          CliClip::tr("'%1' kann nicht untersucht werden: keine Mediendatei, die ffprobe versteht "
                                      "(beschädigt, abgeschnitten oder von anderer Art)")
                              .arg(clip),
                          interrupted);
}

void ReportNoVideo(const QString& clip, CMovieHandling& movie)
{
    const int audio = movie.CountStreams(clip, CMovieHandling::eSK_AUDIO);
    CliError(audio > 0 ? CliClip::tr("'%1' enthält keinen Videostream, nur %2 Audiostream(s)").arg(clip).arg(audio)
                       : CliClip::tr("'%1' enthält keinen Videostream").arg(clip));
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
        CliError(CliClip::tr("%1 hat nicht rechtzeitig geantwortet und wurde beendet").arg(movie.UnansweredProgram()));
    else
        CliError(otherwise);
    return 1;
}
