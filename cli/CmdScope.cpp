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

#include <QCoreApplication>
#include <QFile>

#include <cmath>

namespace
{
struct CliScope
{
    Q_DECLARE_TR_FUNCTIONS(CliScope)
};

const SCliArgument kArguments[] = {
    {QT_TRANSLATE_NOOP("CliHelp", "EIN"), QT_TRANSLATE_NOOP("CliHelp", "ein Standbild oder ein Clip"), ECliValue::eINPUT},
    {QT_TRANSLATE_NOOP("CliHelp", "AUS"), QT_TRANSLATE_NOOP("CliHelp", "das Scope-Bild (.png, .tiff, …; 16 Bit fassen es genau)"),
     ECliValue::eOUTPUT},
};
const SCliOption kOptions[] = {
    {"kind", "waveform|parade|vectorscope|histogram", QT_TRANSLATE_NOOP("CliHelp", "welches Scope")},
    {"size", "WxH", QT_TRANSLATE_NOOP("CliHelp", "die Größe des Scope-Bildes (Vorgabe 640x360)")},
    {"at", "MS", QT_TRANSLATE_NOOP("CliHelp", "das Bild eines Clips an dieser Position (Vorgabe: sein erstes Bild)")},
    {"gain", "G", QT_TRANSLATE_NOOP("CliHelp", "hellt die Spuren auf, 0.1 bis 10")},
    {"log", nullptr, QT_TRANSLATE_NOOP("CliHelp", "ein Histogramm mit logarithmischer Höhe")},
    {"preview", "N", QT_TRANSLATE_NOOP("CliHelp", "die lange Seite der Vorschau in Pixeln (Vorgabe wie im Fenster)")},
};

bool ReadSettings(CCliArguments& args, SScopeSettings& settings, qint64& at, int& previewLongSide)
{
    if (!args.IsSet("kind"))
        return args.Fail(CliScope::tr("Aufruf: scope EIN AUS --kind waveform|parade|vectorscope|histogram [--size WxH] "
                                      "[--at MS] [--gain G] [--log] [--preview N]"));
    if (!ScopeKindFromName(args.Value("kind"), settings.eKind))
        return args.Fail(CliScope::tr("unbekanntes Scope '%1' (waveform, parade, vectorscope, histogram)").arg(args.Value("kind")));
    if (!args.Size("size", kMinScopeSide, kMaxScopeSide, settings.size) || !args.Position("at", at))
        return false;
    settings.bLogarithmic = args.IsSet("log");
    if (args.IsSet("gain"))
    {
        bool ok = false;
        settings.fGain = args.Value("gain").toFloat(&ok);
        if (!ok || !std::isfinite(settings.fGain) || settings.fGain < kMinScopeGain || settings.fGain > kMaxScopeGain)
            return args.Fail(
                CliScope::tr("ungültige Verstärkung '%1' (%2 bis %3)").arg(args.Value("gain")).arg(kMinScopeGain).arg(kMaxScopeGain));
    }
    if (args.IsSet("preview"))
    {
        bool ok = false;
        previewLongSide = args.Value("preview").toInt(&ok);
        if (!ok || previewLongSide < SProgramOptions::kMinPreviewLongSide || previewLongSide > SProgramOptions::kMaxPreviewLongSide)
            return args.Fail(CliScope::tr("ungültige Vorschaugröße '%1' (lange Seite, %2 bis %3 Pixel)")
                                 .arg(args.Value("preview"))
                                 .arg(SProgramOptions::kMinPreviewLongSide)
                                 .arg(SProgramOptions::kMaxPreviewLongSide));
    }
    if (!StillImage::IsSaveFormat(args.Arguments()[1]))
        return args.Fail(CliScope::tr("'%1' endet nicht auf die Endung eines Bildformats (.png, .tiff, …)")
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
        CliError(error.isEmpty() ? CliScope::tr("bei %1 ms konnte kein Bild aus '%2' gelesen werden").arg(atMs).arg(clip)
                                 : CliScope::tr("bei %1 ms konnte kein Bild aus '%2' gelesen werden: %3").arg(atMs).arg(clip, error));
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
        return args.Refuse(1, CliScope::tr("'%1' kann nicht gelesen werden: %2").arg(input, error));

    CGradingSession session;
    CPreviewModel preview(session);
    preview.SetPreviewLongSide(previewLongSide);
    if (!preview.SetFrame(image.GetData(), image.Width(), image.Height()))
        return args.Refuse(1, CliScope::tr("die Vorschau von '%1' konnte nicht erstellt werden").arg(input));
    auto& picture = const_cast<Helper::CRGB48Buffer&>(preview.Result());
    SScope scope;
    MakeScope(picture.GetData(), picture.Width(), picture.Height(), settings, MP_UI_GetThreadCount(), scope);
    QString error;
    if (!StillImage::Save(output, scope.picture.GetData(), scope.picture.Width(), scope.picture.Height(), error))
        return args.Refuse(1, CliScope::tr("'%1' kann nicht geschrieben werden: %2").arg(output, error));
    return args.Publish(output) ? 0 : args.Report(1);
}

const SCliCommand kCommands[] = {
    {"scope", QT_TRANSLATE_NOOP("CliHelp", "das Bild, das das Dock \"Scopes\" für ein Standbild oder ein Bild eines Clips zeigt"),
     kArguments, {kOptions}, Scope}};
}  // namespace

std::span<const SCliCommand> ScopeCommands()
{
    return kCommands;
}
