// vantrope-cli probe CLIP: the clip's metrics as the program sees them, one "key: value" a line.
#include "cli/CliArguments.h"
#include "cli/Interrupt.h"
#include "cli/VideoClip.h"
#include "video/MovieHandling.h"

#include <QCoreApplication>

namespace
{
const SCliArgument kArguments[] = {{"CLIP", QT_TRANSLATE_NOOP("CliHelp", "der zu untersuchende Clip"), ECliValue::eINPUT}};

int Probe(CCliArguments& args)
{
    const QString& clip = args.Arguments()[0];
    CMovieHandling movie;
    const CInterruptGuard interrupt([&movie] { movie.Abort(); });
    if (!CheckClipAndTools(clip, movie, false))
        return 1;
    if (const int failed = CheckProbeable(clip, movie, interrupt))
        return failed;
    const QSize size = movie.GetFrameSize(clip);
    const int audioStreams = movie.CountStreams(clip, CMovieHandling::eSK_AUDIO);
    const int main = movie.MainVideoStream(clip);
    CliPrint(QStringLiteral("main_stream: %1").arg(main));
    CliPrint(QStringLiteral("width: %1").arg(size.width()));
    CliPrint(QStringLiteral("height: %1").arg(size.height()));
    CliPrint(QStringLiteral("frame_rate: %1").arg(movie.GetFrameRate(clip, true)));
    CliPrint(QStringLiteral("duration: %1").arg(movie.GetDuration(clip), 0, 'g', 10));
    CliPrint(QStringLiteral("frames: %1").arg(main >= 0 ? movie.GetNumFrames(clip) : -1));
    CliPrint(QStringLiteral("video_streams: %1").arg(movie.CountStreams(clip, CMovieHandling::eSK_VIDEO)));
    CliPrint(QStringLiteral("main_video_streams: %1").arg(movie.CountStreams(clip, CMovieHandling::eSK_MAIN_VIDEO)));
    CliPrint(QStringLiteral("audio_streams: %1").arg(audioStreams));
    for (int i = 0; i < audioStreams; ++i)
        CliPrint(QStringLiteral("audio_codec_%1: %2").arg(i).arg(movie.GetAudioCodecName(clip, i)));
    movie.RemoveIniFiles();
    if (interrupt.Interrupted() || !movie.UnansweredProgram().isEmpty())
        return ClipToolFailed(movie, interrupt, QString());
    if (main < 0)
        ReportNoVideo(clip, movie);
    return main < 0 ? 1 : 0;
}
const SCliCommand kCommands[] = {
    {"probe", QT_TRANSLATE_NOOP("CliHelp", "die Kenngrößen des Clips, ein \"key: value\" je Zeile"), kArguments, {}, Probe}};
}  // namespace

std::span<const SCliCommand> ProbeCommands()
{
    return kCommands;
}
