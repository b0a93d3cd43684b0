// vantrope-cli scope IN OUT --kind K [--size WxH] [--at MS] [--gain G] [--log] [--preview N]: the
// scope picture the "Scopes" dock shows for a still or a clip frame, from the same preview
// picture (the input fitted into the preview's long side) and the same scope engine.
#include "cli/Command.h"
#include "cli/VideoClip.h"
#include "core/EngineState.h"
#include "core/StillImage.h"
#include "scopes/Scope.h"
#include "session/DocumentFiles.h"
#include "session/GradingSession.h"
#include "session/PreviewModel.h"
#include "session/ProgramOptions.h"
#include "video/MovieHandling.h"

#include <QFile>

#include <cmath>

namespace
{
struct SScopeRequest
{
    QString strIn, strOut;
    qint64 iAtMs = -1; // -1: a still, or a clip's first frame
    int iPreviewLongSide = SProgramOptions().iPreviewLongSide;
    SScopeSettings settings;
    bool bKind = false;
};

constexpr const char* kUsage =
    "usage: scope IN OUT --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] [--gain G] [--log] "
    "[--preview N]";

bool ParseScopeArgs(const QStringList& args, SScopeRequest& request)
{
    QStringList positional;
    for (int i = 0; i < args.size(); ++i)
    {
        const QString& arg = args[i];
        if (!arg.startsWith("--"))
        {
            positional << arg;
            continue;
        }
        if (arg == "--log")
        {
            request.settings.bLogarithmic = true;
            continue;
        }
        if (i + 1 >= args.size())
            return CliError(QStringLiteral("option %1 needs a value").arg(arg)), false;
        const QString value = args[++i];
        bool ok = true;
        if (arg == "--kind")
        {
            if (!ScopeKindFromName(value, request.settings.eKind))
                return CliError(QStringLiteral("unknown scope '%1' (waveform, parade, vectorscope, histogram)").arg(value)), false;
            request.bKind = true;
        }
        else if (arg == "--size")
        {
            const QStringList parts = value.split('x');
            const int w = parts.value(0).toInt(&ok), h = ok ? parts.value(1).toInt(&ok) : 0;
            if (!ok || parts.size() != 2 || w < kMinScopeSide || h < kMinScopeSide || w > kMaxScopeSide || h > kMaxScopeSide)
                return CliError(QStringLiteral("bad size '%1' (expected WxH, each %2 to %3)")
                                    .arg(value).arg(kMinScopeSide).arg(kMaxScopeSide)), false;
            request.settings.size = QSize(w, h);
        }
        else if (arg == "--at")
        {
            request.iAtMs = value.toLongLong(&ok);
            if (!ok || request.iAtMs < 0)
                return CliError(QStringLiteral("bad position '%1' (milliseconds, 0 or more)").arg(value)), false;
        }
        else if (arg == "--gain")
        {
            request.settings.fGain = value.toFloat(&ok);
            if (!ok || !std::isfinite(request.settings.fGain) || request.settings.fGain < kMinScopeGain ||
                request.settings.fGain > kMaxScopeGain)
                return CliError(QStringLiteral("bad gain '%1' (%2 to %3)").arg(value).arg(kMinScopeGain).arg(kMaxScopeGain)), false;
        }
        else if (arg == "--preview")
        {
            request.iPreviewLongSide = value.toInt(&ok);
            if (!ok || request.iPreviewLongSide < SProgramOptions::kMinPreviewLongSide ||
                request.iPreviewLongSide > SProgramOptions::kMaxPreviewLongSide)
                return CliError(QStringLiteral("bad preview size '%1' (long side, %2 to %3 pixels)")
                                    .arg(value).arg(SProgramOptions::kMinPreviewLongSide)
                                    .arg(SProgramOptions::kMaxPreviewLongSide)), false;
        }
        else
            return CliError(QStringLiteral("unknown option %1").arg(arg)), false;
    }
    if (positional.size() != 2 || !request.bKind)
        return CliError(kUsage), false;
    request.strIn = positional[0];
    request.strOut = positional[1];
    if (!StillImage::IsSaveFormat(request.strOut))
        return CliError(QStringLiteral("'%1' does not end in an image format's extension (.png, .tiff, …)")
                            .arg(request.strOut)), false;
    return true;
}

/// The frame at `atMs` of a clip, read the way the main window reads a clip's frame.
bool LoadClipFrame(const QString& clip, qint64 atMs, Helper::CRGB48Buffer& image)
{
    CMovieHandling movie;
    if (!CheckClipAndTools(clip, movie, true))
        return false;
    const QString frame = movie.ExtractFrame(clip, QStringLiteral("ppm"), atMs, 5000, true, QSize(-1, -1));
    movie.RemoveIniFiles();
    QString error;
    const bool loaded = !frame.isEmpty() && StillImage::Load(frame, image, error);
    if (!frame.isEmpty())
        QFile::remove(frame);
    if (!loaded)
        CliError(QStringLiteral("no frame could be read at %1 ms from '%2'%3")
                     .arg(atMs).arg(clip, error.isEmpty() ? QString() : ": " + error));
    return loaded;
}
}  // namespace

int RunScope(const QStringList& args)
{
    SScopeRequest request;
    if (!ParseScopeArgs(args, request))
        return 2;
    Helper::CRGB48Buffer image;
    if (request.iAtMs >= 0 || DocumentFiles::IsVideoFile(request.strIn))
    {
        if (!LoadClipFrame(request.strIn, std::max<qint64>(request.iAtMs, 0), image))
            return 1;
    }
    else if (QString error; !StillImage::Load(request.strIn, image, error))
    {
        CliError(QStringLiteral("cannot read '%1': %2").arg(request.strIn, error));
        return 1;
    }

    CGradingSession session;
    CPreviewModel preview(session);
    preview.SetPreviewLongSide(request.iPreviewLongSide);
    if (!preview.SetFrame(image.GetData(), image.Width(), image.Height()))
    {
        CliError(QStringLiteral("the preview of '%1' could not be made").arg(request.strIn));
        return 1;
    }
    auto& picture = const_cast<Helper::CRGB48Buffer&>(preview.Result());
    SScope scope;
    MakeScope(picture.GetData(), picture.Width(), picture.Height(), request.settings, MP_UI_GetThreadCount(), scope);
    QString error;
    if (!StillImage::Save(request.strOut, scope.picture.GetData(), scope.picture.Width(), scope.picture.Height(), error))
    {
        CliError(QStringLiteral("cannot write '%1': %2").arg(request.strOut, error));
        return 1;
    }
    return 0;
}
