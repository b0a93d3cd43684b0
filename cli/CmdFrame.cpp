// vantrope-cli frame CLIP (--at MS | --frame N) --out FILE [--size WxH]: one frame as an image
// file. --at takes it as the converter extracts it (accurate seek, stepping back near the end);
// --frame decodes the N-th frame (from 0) in-process, as the video dock's timeline does.
#include "cli/Command.h"
#include "cli/VideoClip.h"
#include "core/ImageConvert.h"
#include "core/StillImage.h"
#include "video/ClipDecoder.h"
#include "video/MovieHandling.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace
{
struct SFrameRequest
{
    QString strClip, strOut;
    qint64 iAtMs = -1;
    int iFrame = -1;
    QSize size{-1, -1};
};

bool ParseFrameArgs(const QStringList& args, SFrameRequest& request)
{
    for (int i = 0; i < args.size(); ++i)
    {
        const QString& arg = args[i];
        if (!arg.startsWith("--"))
        {
            if (!request.strClip.isEmpty())
                return CliError("more than one clip given"), false;
            request.strClip = arg;
            continue;
        }
        if (i + 1 >= args.size())
            return CliError(QStringLiteral("option %1 needs a value").arg(arg)), false;
        const QString value = args[++i];
        bool ok = true;
        if (arg == "--at")
        {
            request.iAtMs = value.toLongLong(&ok);
            if (!ok || request.iAtMs < 0)
                return CliError(QStringLiteral("bad position '%1' (milliseconds, 0 or more)").arg(value)), false;
        }
        else if (arg == "--frame")
        {
            request.iFrame = value.toInt(&ok);
            if (!ok || request.iFrame < 0)
                return CliError(QStringLiteral("bad frame number '%1' (0 or more)").arg(value)), false;
        }
        else if (arg == "--out")
            request.strOut = value;
        else if (arg == "--size")
        {
            const QStringList parts = value.split('x');
            const int w = parts.value(0).toInt(&ok), h = ok ? parts.value(1).toInt(&ok) : 0;
            if (!ok || parts.size() != 2 || w < 1 || h < 1 || w > CMovieHandling::kMaxFrameSide ||
                h > CMovieHandling::kMaxFrameSide)
                return CliError(QStringLiteral("bad size '%1' (expected WxH)").arg(value)), false;
            request.size = QSize(w, h);
        }
        else
            return CliError(QStringLiteral("unknown option %1").arg(arg)), false;
    }
    if (request.strClip.isEmpty() || (request.iAtMs < 0) == (request.iFrame < 0) || request.strOut.isEmpty())
        return CliError("usage: frame CLIP (--at MS | --frame N) --out FILE [--size WxH]"), false;
    if (QFileInfo(request.strOut).suffix().isEmpty())
        return CliError(QStringLiteral("'%1' has no extension naming an image format").arg(request.strOut)), false;
    if (request.iFrame >= 0 && !StillImage::IsSaveFormat(request.strOut))
        return CliError(QStringLiteral("'%1': --frame writes .tif, .jpg, .tiff, .png, .jp2, .ppm, .hdr, .exr, .pfm or "
                                       ".tif32 files")
                            .arg(request.strOut)),
               false;
    return true;
}

// Copies the extracted image to its destination as a whole or not at all.
bool SaveAs(const QString& from, const QString& to, QString& error)
{
    QFile in(from);
    QSaveFile out(to);
    if (!in.open(QIODevice::ReadOnly))
        return error = in.errorString(), false;
    if (!out.open(QIODevice::WriteOnly) || out.write(in.readAll()) != in.size() || !out.commit())
        return error = out.errorString(), false;
    return true;
}

// The N-th frame decoded in-process, widened to 16 bit and written in the format of its extension.
int WriteDecodedFrame(const SFrameRequest& request, CMovieHandling& movie)
{
    CClipDecoder decoder;
    QString error;
    const int stream = movie.MainVideoStream(request.strClip);
    movie.RemoveIniFiles();
    if (!decoder.Open(request.strClip, error, stream))
        return CliError(QStringLiteral("cannot decode '%1': %2").arg(request.strClip, error)), 1;
    Helper::CRGB24Buffer frame;
    CClipDecoder::SFrameInfo info;
    const QSize size = request.size.width() > 0 ? request.size : QSize();
    if (decoder.Decode(decoder.FrameTimeUs(request.iFrame), CClipDecoder::eEXACT, size, frame, info, error) !=
        CClipDecoder::eOK)
        return CliError(QStringLiteral("no frame %1 in '%2': %3").arg(request.iFrame).arg(request.strClip, error)), 1;
    if (info.iIndex != request.iFrame)
        return CliError(QStringLiteral("'%1' has no frame %2 (its last is frame %3)")
                            .arg(request.strClip)
                            .arg(request.iFrame)
                            .arg(info.iIndex)),
               1;
    Helper::CRGB48Buffer wide;
    wide.Create(frame.GetSize(), Helper::eCP_NO_CLEAR);
    MP_MT_RGB24ToRGB48(frame.Width(), frame.Height(), wide.GetData(), frame.GetData(), false, false);
    if (!StillImage::Save(request.strOut, wide.GetData(), wide.Width(), wide.Height(), error))
        return CliError(QStringLiteral("cannot write '%1': %2").arg(request.strOut, error)), 1;
    return 0;
}
}  // namespace

int RunFrame(const QStringList& args)
{
    SFrameRequest request;
    if (!ParseFrameArgs(args, request))
        return 2;
    CMovieHandling movie;
    if (!CheckClipAndTools(request.strClip, movie, request.iFrame < 0))
        return 1;
    if (request.iFrame >= 0)
        return WriteDecodedFrame(request, movie);
    const QString image = movie.ExtractFrame(request.strClip, QFileInfo(request.strOut).suffix().toLower(),
                                             request.iAtMs, 5000, true, request.size);
    movie.RemoveIniFiles();
    if (image.isEmpty())
    {
        CliError(QStringLiteral("no frame could be extracted at %1 ms from '%2'").arg(request.iAtMs).arg(request.strClip));
        return 1;
    }
    QString error;
    const bool saved = SaveAs(image, request.strOut, error);
    QFile::remove(image);
    if (!saved)
    {
        CliError(QStringLiteral("cannot write '%1': %2").arg(request.strOut, error));
        return 1;
    }
    return 0;
}
