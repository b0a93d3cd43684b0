// vantrope-cli grade: a still image through the grading session — preset chain, film type and
// LUT — at full size, or a whole clip through the export job with the same grade. Every failure
// is one line on standard error and nothing is written.
#include "cli/Command.h"
#include "cli/GradeSetup.h"
#include "cli/TerminalProgress.h"
#include "cli/VideoClip.h"
#include "core/IUserPrompt.h"
#include "session/ExportFrameGrader.h"
#include "video/JobEnvironment.h"
#include "video/MovieHandling.h"
#include "core/LayerBlend.h"
#include "core/StillImage.h"
#include "session/GradingSession.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTimer>

#include <csignal>

#include <cmath>
#include <memory>

namespace
{
const QStringList kKeys = {"preset", "lut", "lut-param", "lut-mode", "film-type", "film-intensity", "film-grain",
                           "film-position", "layers", "codec", "quality", "artefact", "blend", "compare", "size"};
const QStringList kFlags = {"no-audio", "no-metadata", "flip-x", "flip-y"};
const QStringList kClipKeys = {"codec", "quality", "artefact", "blend", "compare", "size", "no-audio", "no-metadata",
                               "flip-x", "flip-y"};
}  // namespace

bool Parse(const QStringList& args, SGradeOptions& o, QString& error, int positionals)
{
    for (int i = 0; i < args.size(); ++i)
    {
        if (!args[i].startsWith("--"))
        {
            o.positional << args[i];
            continue;
        }
        const QString key = args[i].mid(2);
        if (kFlags.contains(key))
        {
            o.flags.insert(key);
            continue;
        }
        if (!kKeys.contains(key))
            return error = QStringLiteral("unknown option %1").arg(args[i]), false;
        if (i + 1 >= args.size())
            return error = QStringLiteral("option %1 needs a value").arg(args[i]), false;
        if (key == "lut-param")
            o.lutParams << args[++i];
        else
            o.values.insert(key, args[++i]);
    }
    if (o.positional.size() != positionals)
        return error = positionals == 2 ? QStringLiteral("grade needs an input and an output image")
                                        : QStringLiteral("expected %1 file name(s)").arg(positionals),
               false;
    return true;
}

namespace
{
bool Fraction(const SGradeOptions& o, const QString& key, float fallback, float& value, QString& error)
{
    value = fallback;
    if (!o.values.contains(key))
        return true;
    bool ok = false;
    value = o.values[key].toFloat(&ok);
    if (!ok || !std::isfinite(value) || value < 0.f || value > 1.f)
        return error = QStringLiteral("bad value for --%1: '%2' (expected a number from 0 to 1)").arg(key, o.values[key]), false;
    return true;
}
}  // namespace

bool SetUpLut(CLutState& lut, const SGradeOptions& o, QString& error)
{
    if (!o.values.contains("lut"))
    {
        if (!o.lutParams.isEmpty() || o.values.contains("lut-mode"))
            return error = "--lut-param and --lut-mode need --lut", false;
        return true;
    }
    const QString path = o.values["lut"];
    if (!QFileInfo(path).isFile())
        return error = QStringLiteral("cannot read LUT '%1': not a file").arg(path), false;
    const CubeFile::SReadResult result = lut.ReadCube(path, nullptr);
    if (!result.bOk)
        return error = QStringLiteral("cannot read LUT '%1': size found %2, allowed from %3 to %4")
                           .arg(path).arg(result.iSizeFound).arg(LutLattice::kMinSize).arg(LutLattice::kMaxSize),
               false;
    for (const QString& text : o.lutParams)
    {
        const qsizetype equals = text.indexOf('=');
        const int index = equals > 0 ? LutParameterByName(text.left(equals).toUtf8().constData()) : -1;
        bool ok = false;
        const float value = text.mid(equals + 1).toFloat(&ok);
        if (index < 0)
            return error = QStringLiteral("bad LUT parameter '%1' (expected NAME=VALUE)").arg(text), false;
        if (!ok || !std::isfinite(value) || value < 0.f || value > 1.f)
            return error = QStringLiteral("bad value in '%1' (expected a number from 0 to 1)").arg(text), false;
        lut.SetParameter(ELutParameter(index), value);
    }
    if (o.values.contains("lut-mode"))
    {
        bool ok = false;
        const int mode = o.values["lut-mode"].toInt(&ok);
        if (!ok || !LayerBlend::IsKnownMode(mode))
            return error = QStringLiteral("bad layer mode '%1' (0-47, 50-58, 60-68)").arg(o.values["lut-mode"]), false;
        lut.SetLayerMode(mode);
    }
    lut.SetActive(true);
    return true;
}

bool SetUpFilmType(CFilmTypeModel& films, const SGradeOptions& o, QString& error)
{
    const bool any = o.values.contains("film-type");
    for (const char* key : {"film-intensity", "film-grain", "film-position"})
        if (!any && o.values.contains(key))
            return error = QStringLiteral("--%1 needs --film-type").arg(key), false;
    if (!any)
        return true;
    const int index = films.FindByName(o.values["film-type"]);
    if (index == 0)
    {
        QStringList names;
        for (const SFilmType& t : films.Types())
            names << t.sName;
        return error = QStringLiteral("unknown film type '%1' (known: %2)").arg(o.values["film-type"], names.join(", ")), false;
    }
    float intensity = 1.f, grain = 0.f;
    if (!Fraction(o, "film-intensity", 1.f, intensity, error) || !Fraction(o, "film-grain", 0.f, grain, error))
        return false;
    const QString position = o.values.value("film-position", "post");
    if (position != "pre" && position != "post")
        return error = QStringLiteral("bad value for --film-position: '%1' (pre or post)").arg(position), false;
    films.SetIndex(index);
    films.SetIntensity(intensity);
    films.SetGraining(grain);
    films.SetPosition(position == "pre" ? CFilmTypeModel::ePRE : CFilmTypeModel::ePOST);
    return true;
}
// The colour layers of a layer file; they recolour the picture before the chain and the LUT.
bool SetUpLayers(CGradingSession& session, const SGradeOptions& o, QString& error)
{
    if (!o.values.contains("layers"))
        return true;
    const QString path = o.values["layers"];
    if (!QFileInfo(path).isFile())
        return error = QStringLiteral("cannot read layers '%1': not a file").arg(path), false;
    if (!session.ColourLayers().Controls().LoadFile(path))
        return error = QStringLiteral("cannot read layers '%1': not a layer file of version 1").arg(path), false;
    return true;
}

bool IsClipOutput(const QString& output)
{
    return output.endsWith(".mp4", Qt::CaseInsensitive) || output.endsWith(".avi", Qt::CaseInsensitive);
}

namespace
{
template <size_t N>
bool Choice(const SGradeOptions& o, const QString& key, const char* const (&names)[N], int& value, QString& error)
{
    if (!o.values.contains(key))
        return true;
    for (size_t i = 0; i < N; ++i)
        if (o.values[key] == QLatin1String(names[i]))
            return value = int(i), true;
    QStringList known;
    for (const char* name : names)
        known << name;
    return error = QStringLiteral("bad value for --%1: '%2' (%3)").arg(key, o.values[key], known.join(", ")), false;
}
}  // namespace

// The destination descriptor and the frame settings from the clip options.
bool SetUpClip(const SGradeOptions& o, CMovieHandling::SDstDesc& dst, CExportFrameGrader& grader, QString& error)
{
    static const char* const codecs[] = {"0", "1"};
    static const char* const qualities[] = {"lowest", "low", "normal", "better", "best"};
    static const char* const artefacts[] = {"0", "1", "2", "3", "4"};
    static const char* const comparisons[] = {"none", "half", "centre"};
    int codec = 0, quality = CMovieHandling::eNORMAL, artefact = 0, comparison = 0;
    if (!Choice(o, "codec", codecs, codec, error) || !Choice(o, "quality", qualities, quality, error) ||
        !Choice(o, "artefact", artefacts, artefact, error) || !Choice(o, "compare", comparisons, comparison, error))
        return false;
    dst.SetCodec(CMovieHandling::ECodec(codec));
    dst.SetQuality(CMovieHandling::EQuality(quality));
    dst.SetArtefact(CMovieHandling::EArtefact(artefact));
    dst.m_bCopyAudio = !o.flags.contains("no-audio");
    dst.m_bCopyMetadata = !o.flags.contains("no-metadata");
    dst.m_bFlipX = o.flags.contains("flip-x");
    dst.m_bFlipY = o.flags.contains("flip-y");
    if (o.values.contains("size"))
    {
        const QStringList parts = o.values["size"].split('x');
        bool okW = false, okH = false;
        const int w = parts.value(0).toInt(&okW), h = parts.value(1).toInt(&okH);
        if (parts.size() != 2 || !okW || !okH || w < 2 || h < 2 || w > CMovieHandling::kMaxFrameSide ||
            h > CMovieHandling::kMaxFrameSide)
            return error = QStringLiteral("bad size '%1' (expected WxH, 2 to %2 each)")
                               .arg(o.values["size"]).arg(CMovieHandling::kMaxFrameSide),
                   false;
        dst.SetResolution(w, h);
    }
    grader.Configure(dst);
    grader.Blend().SetComparison(comparison);
    if (o.values.contains("blend"))
    {
        const QStringList parts = o.values["blend"].split(':');
        bool okF = false, okM = false;
        const int frames = parts.value(0).toInt(&okF), mode = parts.value(1).toInt(&okM);
        if (parts.size() != 2 || !okF || !okM || !(frames == 1 || frames == 2 || frames == 3 || frames == 5) ||
            mode < 1 || mode > CFrameBlend::kModes)
            return error = QStringLiteral("bad value for --blend: '%1' (FRAMES:MODE, frames 1, 2, 3 or 5, mode 1 to 11)")
                               .arg(o.values["blend"]),
                   false;
        grader.Blend().SetRingSize(frames);
        grader.Blend().SetMode(mode);
    }
    return true;
}

namespace
{
volatile std::sig_atomic_t g_interrupted = 0;

void OnInterrupt(int)
{
    g_interrupted = 1;
}
}  // namespace

int ExportClip(CExportFrameGrader& grader, CMovieHandling::SDstDesc& dst, const QString& input, const QString& output)
{
    CMovieHandling movie;
    if (!CheckClipAndTools(input, movie, true))
        return 2;
    const QFileInfo out(output);
    if (!out.absoluteDir().exists())
    {
        CliError(QStringLiteral("cannot write '%1': the folder does not exist").arg(output));
        return 2;
    }
    dst.SetPath(out.absoluteFilePath());
    if (QFileInfo(dst.DestinationFile()) == QFileInfo(input))
    {
        CliError(QStringLiteral("cannot write '%1': it is the input clip").arg(dst.DestinationFile()));
        return 2;
    }

    CCliPrompt prompt;
    CTerminalProgress progress([&grader] { return grader.Frames(); });
    movie.SetPrompt(&prompt);
    movie.SetProgressView(&progress);
    movie.SetFrameCallback(grader.Callback());
    MP_SetProgressSink(&progress);
    // Ctrl-C (and a polite kill) stop the export like its abort button: both programs end and
    // nothing is left behind.
    g_interrupted = 0;
    struct sigaction action = {}, previousInt = {}, previousTerm = {};
    action.sa_handler = OnInterrupt;
    sigaction(SIGINT, &action, &previousInt);
    sigaction(SIGTERM, &action, &previousTerm);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&movie] {
        if (g_interrupted && !movie.IsAborted())
            movie.Abort();
    });
    watch.start(50);

    int result;
    {
        CExportEngineMode mode;
        const CMovieHandling::SJob job = movie.OpenJob(input, dst);
        result = movie.ProcessJob(job);
        movie.CloseJob();
    }
    watch.stop();
    sigaction(SIGINT, &previousInt, nullptr);
    sigaction(SIGTERM, &previousTerm, nullptr);
    MP_SetProgressSink(nullptr);
    grader.LogAndResetTimes();
    if (result == 0)
        CliPrint(dst.DestinationFile());
    else if (result == 3)
        CliError("export aborted; nothing was written");
    return result;
}

namespace
{
int GradeClip(const SGradeOptions& options, const QString& input, const QString& output)
{
    auto session = std::make_unique<CGradingSession>();
    CExportFrameGrader grader(*session);
    CMovieHandling::SDstDesc dst;
    QString error;
    if (!SetUpClip(options, dst, grader, error) || !SetUpLut(session->Lut(), options, error) ||
        !SetUpFilmType(session->FilmTypes(), options, error) || !SetUpLayers(*session, options, error))
    {
        CliError(error);
        return 2;
    }
    if (options.values.contains("preset"))
    {
        QStringList missing;
        if (!session->LoadPreset(options.values["preset"], &missing, &error))
        {
            CliError(QStringLiteral("cannot read preset '%1'").arg(options.values["preset"]));
            return 2;
        }
    }
    return ExportClip(grader, dst, input, output);
}
}  // namespace

int RunGrade(const QStringList& args)
{
    if (args.contains("--project"))
        return RunGradeProject(args);
    SGradeOptions options;
    QString error;
    if (!Parse(args, options, error))
    {
        CliError(error);
        return 2;
    }
    const QString input = options.positional[0], output = options.positional[1];
    if (IsClipOutput(output))
        return GradeClip(options, input, output);
    for (const QString& key : kClipKeys)
        if (options.values.contains(key) || options.flags.contains(key))
        {
            CliError(QStringLiteral("--%1 is for clips (an output ending in .mp4 or .avi)").arg(key));
            return 2;
        }
    if (!StillImage::IsSaveFormat(output))
    {
        CliError(QStringLiteral("cannot write '%1': unknown image extension").arg(output));
        return 2;
    }
    auto session = std::make_unique<CGradingSession>();
    if (options.values.contains("preset"))
    {
        QStringList missing;
        if (!session->LoadPreset(options.values["preset"], &missing, &error))
        {
            CliError(missing.isEmpty() ? QStringLiteral("cannot read preset '%1'").arg(options.values["preset"])
                                       : QStringLiteral("preset '%1' uses operators this version does not have: %2")
                                             .arg(options.values["preset"], missing.join(", ")));
            return 1;
        }
    }
    if (!SetUpLut(session->Lut(), options, error) || !SetUpFilmType(session->FilmTypes(), options, error) ||
        !SetUpLayers(*session, options, error))
    {
        CliError(error);
        return 1;
    }
    return GradeStill(*session, input, output);
}

int GradeStill(CGradingSession& session, const QString& input, const QString& output)
{
    QString error;
    Helper::CRGB48Buffer image;
    if (!StillImage::Load(input, image, error))
    {
        CliError(QStringLiteral("cannot read image '%1': %2").arg(input, error));
        return 1;
    }
    if (!session.SetSource(image.GetData(), image.Width(), image.Height()) || !session.Grade())
    {
        CliError(QStringLiteral("cannot grade '%1': not enough memory").arg(input));
        return 1;
    }
    Helper::CRGB48Buffer& result = const_cast<Helper::CRGB48Buffer&>(session.Result());
    if (!StillImage::Save(output, result.GetData(), result.Width(), result.Height(), error))
    {
        CliError(QStringLiteral("cannot write image '%1': %2").arg(output, error));
        return 1;
    }
    return 0;
}
