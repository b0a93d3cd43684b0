// vantrope-cli frame CLIP --at MS --out FILE [--size WxH]: one frame as an image file, taken
// the way the video dock takes its main image (accurate seek, stepping back near the end).
#include "cli/CliArguments.h"
#include "cli/Interrupt.h"
#include "cli/VideoClip.h"
#include "core/AtomicFile.h"
#include "video/MovieHandling.h"

#include <QFile>
#include <QFileInfo>

namespace
{
const SCliArgument kArguments[] = {{"CLIP", "the clip", ECliValue::eINPUT}};
const SCliOption kOptions[] = {
    {"at", "MS", "the frame's position in milliseconds"},
    {"out", "FILE", "the image to write; its extension names the format", ECliValue::eOUTPUT},
    {"size", "WxH", "the frame scaled to this size"},
};

int Frame(CCliArguments& args)
{
    QSize size(-1, -1);
    qint64 at = 0;
    if (!args.Require({"at", "out"}) || !args.Position("at", at) ||
        !args.Size("size", 1, CMovieHandling::kMaxFrameSide, size))
        return args.Report(2);
    const QString clip = args.Arguments()[0], out = args.Value("out");
    if (QFileInfo(out).suffix().isEmpty())
        return args.Refuse(2, QStringLiteral("'%1' has no extension naming an image format").arg(out));
    CMovieHandling movie;
    const CInterruptGuard interrupt([&movie] { movie.Abort(); });
    if (!CheckClipAndTools(clip, movie, true))
        return 1;
    const QString image = movie.ExtractFrame(clip, QFileInfo(out).suffix().toLower(), at, 5000, true, size);
    movie.RemoveIniFiles();
    if (image.isEmpty())
        return ClipToolFailed(movie, interrupt,
                              QStringLiteral("no frame could be extracted at %1 ms from '%2'").arg(at).arg(clip));
    // The extracted image is copied to its destination as a whole or not at all.
    QFile extracted(image);
    QString reason;
    const bool saved = extracted.open(QIODevice::ReadOnly) ? AtomicFile::Write(out, extracted.readAll(), &reason)
                                                           : (reason = extracted.errorString(), false);
    extracted.remove();
    if (!saved)
        return args.Refuse(1, QStringLiteral("cannot write '%1': %2").arg(out, reason));
    return args.Publish(out) ? 0 : args.Report(1);
}

const SCliCommand kCommands[] = {
    {"frame", "one frame of a clip as an image file, taken as the video dock takes it", kArguments, {kOptions}, Frame}};
}  // namespace

std::span<const SCliCommand> FrameCommands()
{
    return kCommands;
}
