// vantrope-cli scope IN OUT --kind K: the scope picture the "Scopes" dock shows for a still or a
// clip frame, from the same preview picture (the input fitted into the preview's long side) and
// the same scope engine.
#include "cli/CliArguments.h"
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
const SCliArgument kArguments[] = {
    {"IN", "a still, or a clip", ECliValue::eINPUT},
    {"OUT", "the scope picture (.png, .tiff, …; 16 bits hold it exactly)", ECliValue::eOUTPUT},
};
const SCliOption kOptions[] = {
    {"kind", "waveform|parade|vectorscope|histogram", "which scope"},
    {"size", "WxH", "the scope picture's size (default 640x360)"},
    {"at", "MS", "a clip's frame at this position (default: its first frame)"},
    {"gain", "G", "brightens the traces, 0.1 to 10"},
    {"log", nullptr, "a histogram of logarithmic height"},
    {"preview", "N", "the preview's long side in pixels (default as the window's)"},
};

bool ReadSettings(CCliArguments& args, SScopeSettings& settings, qint64& at, int& previewLongSide)
{
    if (!args.IsSet("kind"))
        return args.Fail("usage: scope IN OUT --kind waveform|parade|vectorscope|histogram [--size WxH] [--at MS] "
                         "[--gain G] [--log] [--preview N]");
    if (!ScopeKindFromName(args.Value("kind"), settings.eKind))
        return args.Fail(QStringLiteral("unknown scope '%1' (waveform, parade, vectorscope, histogram)").arg(args.Value("kind")));
    if (!args.Size("size", kMinScopeSide, kMaxScopeSide, settings.size) || !args.Position("at", at))
        return false;
    settings.bLogarithmic = args.IsSet("log");
    if (args.IsSet("gain"))
    {
        bool ok = false;
        settings.fGain = args.Value("gain").toFloat(&ok);
        if (!ok || !std::isfinite(settings.fGain) || settings.fGain < kMinScopeGain || settings.fGain > kMaxScopeGain)
            return args.Fail(QStringLiteral("bad gain '%1' (%2 to %3)").arg(args.Value("gain")).arg(kMinScopeGain).arg(kMaxScopeGain));
    }
    if (args.IsSet("preview"))
    {
        bool ok = false;
        previewLongSide = args.Value("preview").toInt(&ok);
        if (!ok || previewLongSide < SProgramOptions::kMinPreviewLongSide || previewLongSide > SProgramOptions::kMaxPreviewLongSide)
            return args.Fail(QStringLiteral("bad preview size '%1' (long side, %2 to %3 pixels)")
                                 .arg(args.Value("preview"))
                                 .arg(SProgramOptions::kMinPreviewLongSide)
                                 .arg(SProgramOptions::kMaxPreviewLongSide));
    }
    if (!StillImage::IsSaveFormat(args.Arguments()[1]))
        return args.Fail(QStringLiteral("'%1' does not end in an image format's extension (.png, .tiff, …)")
                             .arg(args.Arguments()[1]));
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

int Scope(CCliArguments& args)
{
    SScopeSettings settings;
    qint64 at = -1; // -1: a still, or a clip's first frame
    int previewLongSide = SProgramOptions().iPreviewLongSide;
    if (!ReadSettings(args, settings, at, previewLongSide))
        return args.Report(2);
    const QString input = args.Arguments()[0], output = args.Arguments()[1];
    Helper::CRGB48Buffer image;
    if (at >= 0 || DocumentFiles::IsVideoFile(input))
    {
        if (!LoadClipFrame(input, std::max<qint64>(at, 0), image))
            return 1;
    }
    else if (QString error; !StillImage::Load(input, image, error))
        return args.Refuse(1, QStringLiteral("cannot read '%1': %2").arg(input, error));

    CGradingSession session;
    CPreviewModel preview(session);
    preview.SetPreviewLongSide(previewLongSide);
    if (!preview.SetFrame(image.GetData(), image.Width(), image.Height()))
        return args.Refuse(1, QStringLiteral("the preview of '%1' could not be made").arg(input));
    auto& picture = const_cast<Helper::CRGB48Buffer&>(preview.Result());
    SScope scope;
    MakeScope(picture.GetData(), picture.Width(), picture.Height(), settings, MP_UI_GetThreadCount(), scope);
    QString error;
    if (!StillImage::Save(output, scope.picture.GetData(), scope.picture.Width(), scope.picture.Height(), error))
        return args.Refuse(1, QStringLiteral("cannot write '%1': %2").arg(output, error));
    return args.Publish(output) ? 0 : args.Report(1);
}

const SCliCommand kCommands[] = {
    {"scope", "the picture the \"Scopes\" dock shows for a still or a clip frame", kArguments, {kOptions}, Scope}};
}  // namespace

std::span<const SCliCommand> ScopeCommands()
{
    return kCommands;
}
