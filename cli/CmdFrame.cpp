// vantrope-cli frame CLIP (--at MS | --frame N) --out FILE [--size WxH]: one frame as an image
// file. --at takes it as the converter extracts it for the video dock (accurate seek, stepping
// back near the end); --frame decodes the N-th frame (from 0) in-process, as the dock's timeline.
#include "cli/CliArguments.h"
#include "cli/Interrupt.h"
#include "cli/VideoClip.h"
#include "core/AtomicFile.h"
#include "core/ImageConvert.h"
#include "core/StillImage.h"
#include "video/ClipDecoder.h"
#include "video/MovieHandling.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <climits>

namespace
{
struct CliFrame
{
    Q_DECLARE_TR_FUNCTIONS(CliFrame)
};

const SCliArgument kArguments[] = {{"CLIP", QT_TRANSLATE_NOOP("CliHelp", "der Clip"), ECliValue::eINPUT}};
const SCliOption kOptions[] = {
    {"at", "MS", QT_TRANSLATE_NOOP("CliHelp", "die Position des Bildes in Millisekunden")},
    {"frame", "N",
     QT_TRANSLATE_NOOP("CliHelp", "das N-te Bild (ab 0 gezählt), im Programm dekodiert; in einem Standbildformat geschrieben")},
    {"out", QT_TRANSLATE_NOOP("CliHelp", "DATEI"),
     QT_TRANSLATE_NOOP("CliHelp", "das zu schreibende Bild; seine Endung nennt das Format"), ECliValue::eOUTPUT},
    {"size", "WxH", QT_TRANSLATE_NOOP("CliHelp", "das Bild auf diese Größe skaliert")},
};

// The N-th frame decoded in-process, widened to 16 bit and written in the format of its extension.
int WriteDecodedFrame(CCliArguments& args, CMovieHandling& movie, int number, QSize size)
{
    const QString clip = args.Arguments()[0], out = args.Value("out");
    if (!StillImage::IsSaveFormat(out))
        return args.Refuse(2, CliFrame::tr("'%1': --frame schreibt Dateien im Format .tif, .jpg, .tiff, .png, .jp2, .ppm, "
                                           ".hdr, .exr, .pfm oder .tif32")
                                  .arg(out));
    CClipDecoder decoder;
    QString error;
    const int stream = movie.MainVideoStream(clip);
    movie.RemoveIniFiles();
    if (!decoder.Open(clip, error, stream))
        return args.Refuse(1, CliFrame::tr("'%1' kann nicht dekodiert werden: %2").arg(clip, error));
    Helper::CRGB24Buffer frame;
    CClipDecoder::SFrameInfo info;
    if (decoder.Decode(decoder.FrameTimeUs(number), CClipDecoder::eEXACT, size.width() > 0 ? size : QSize(), frame,
                       info, error) != CClipDecoder::eOK)
        return args.Refuse(1, CliFrame::tr("kein Bild %1 in '%2': %3").arg(number).arg(clip, error));
    if (info.iIndex != number)
        return args.Refuse(1, CliFrame::tr("'%1' hat kein Bild %2 (das letzte ist Bild %3)").arg(clip).arg(number).arg(info.iIndex));
    Helper::CRGB48Buffer wide;
    wide.Create(frame.GetSize(), Helper::eCP_NO_CLEAR);
    MP_MT_RGB24ToRGB48(frame.Width(), frame.Height(), wide.GetData(), frame.GetData(), false, false);
    if (!StillImage::Save(out, wide.GetData(), wide.Width(), wide.Height(), error))
        return args.Refuse(1, CliFrame::tr("'%1' kann nicht geschrieben werden: %2").arg(out, error));
    return args.Publish(out) ? 0 : args.Report(1);
}

int Frame(CCliArguments& args)
{
    QSize size(-1, -1);
    qint64 at = 0;
    int number = 0;
    if (!args.Require({"out"}) || !args.Position("at", at) || !args.Integer("frame", 0, INT_MAX, number) ||
        !args.Size("size", 1, CMovieHandling::kMaxFrameSide, size))
        return args.Report(2);
    if (args.IsSet("at") == args.IsSet("frame"))
        return args.Refuse(2, CliFrame::tr("entweder --at oder --frame angeben"));
    const QString clip = args.Arguments()[0], out = args.Value("out");
    if (QFileInfo(out).suffix().isEmpty())
        return args.Refuse(2, CliFrame::tr("'%1' hat keine Endung, die ein Bildformat nennt").arg(out));
    CMovieHandling movie;
    const CInterruptGuard interrupt([&movie] { movie.Abort(); });
    if (!CheckClipAndTools(clip, movie, !args.IsSet("frame")))
        return 1;
    if (args.IsSet("frame"))
        return WriteDecodedFrame(args, movie, number, size);
    const QString image = movie.ExtractFrame(clip, QFileInfo(out).suffix().toLower(), at, 5000, true, size);
    movie.RemoveIniFiles();
    if (image.isEmpty())
        return ClipToolFailed(movie, interrupt,
                              CliFrame::tr("bei %1 ms konnte kein Bild aus '%2' entnommen werden").arg(at).arg(clip));
    // The extracted image is copied to its destination as a whole or not at all.
    QFile extracted(image);
    QString reason;
    const bool saved = extracted.open(QIODevice::ReadOnly) ? AtomicFile::Write(out, extracted.readAll(), &reason)
                                                           : (reason = extracted.errorString(), false);
    extracted.remove();
    if (!saved)
        return args.Refuse(1, CliFrame::tr("'%1' kann nicht geschrieben werden: %2").arg(out, reason));
    return args.Publish(out) ? 0 : args.Report(1);
}

const SCliCommand kCommands[] = {
    {"frame", QT_TRANSLATE_NOOP("CliHelp", "ein Bild eines Clips als Bilddatei, so entnommen wie im Video-Dock"), kArguments,
     {kOptions}, Frame}};
}  // namespace

std::span<const SCliCommand> FrameCommands()
{
    return kCommands;
}
