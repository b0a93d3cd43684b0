// vantrope-cli frame CLIP --at MS --out FILE [--size WxH]: one frame as an image file, taken
// the way the video dock takes its main image (accurate seek, stepping back near the end).
#include "cli/Command.h"
#include "cli/Interrupt.h"
#include "cli/VideoClip.h"
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
    if (request.strClip.isEmpty() || request.iAtMs < 0 || request.strOut.isEmpty())
        return CliError("usage: frame CLIP --at MS --out FILE [--size WxH]"), false;
    if (QFileInfo(request.strOut).suffix().isEmpty())
        return CliError(QStringLiteral("'%1' has no extension naming an image format").arg(request.strOut)), false;
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
}  // namespace

int RunFrame(const QStringList& args)
{
    SFrameRequest request;
    if (!ParseFrameArgs(args, request))
        return 2;
    CMovieHandling movie;
    const CInterruptGuard interrupt([&movie] { movie.Abort(); });
    if (!CheckClipAndTools(request.strClip, movie, true))
        return 1;
    const QString image = movie.ExtractFrame(request.strClip, QFileInfo(request.strOut).suffix().toLower(),
                                             request.iAtMs, 5000, true, request.size);
    movie.RemoveIniFiles();
    if (image.isEmpty())
        return ClipToolFailed(movie, interrupt,
                              QStringLiteral("no frame could be extracted at %1 ms from '%2'").arg(request.iAtMs).arg(request.strClip));
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
