// vantrope-cli grade: a still image through the grading session — preset chain and operators,
// colour layers, film type and LUT — at full size, or a whole clip through the export job with
// the same grade. Every failure is one line on standard error and nothing is written.
#include "cli/CliArguments.h"
#include "cli/CliPrompt.h"
#include "cli/ClipExport.h"
#include "cli/GradeSetup.h"
#include "cli/LutOptions.h"
#include "core/StillImage.h"
#include "engine/ChainEditor.h"
#include "lut/CubeFile.h"
#include "session/ExportFrameGrader.h"
#include "session/GradeLut.h"
#include "session/GradingSession.h"
#include "session/PresetLibrary.h"
#include "video/MovieHandling.h"

#include <QFileInfo>

#include <cmath>
#include <memory>
#include <vector>

namespace
{
// With --project the only argument is the output: OUT is optional for that.
const SCliArgument kArguments[] = {
    {"IN", "a still image, or a clip when OUT is one (with --project: the output)", ECliValue::eINPUT},
    {"OUT", "the image to write (its extension picks the format), or a clip ending in .mp4 or .avi", ECliValue::eOUTPUT,
     true},
};

// The grade's own options, and last the project that holds a grade instead.
const SCliOption kGradeAndProjectOptions[] = {
    {"preset", "NAME|FILE.ini", "the operator chain of a preset: a shipped or user preset's display or file name, or a preset file (see presets)", ECliValue::eINPUT},
    {"operator", "KERNEL", "appends an operator at the catalogue's defaults (repeatable, in order; see operators)"},
    {"set", "INDEX=V0,V1,...", "replaces the first values of a set of the --operator before it (repeatable)"},
    {"layers", "FILE.cml", "colour layers of the colour window, applied before the chain", ECliValue::eINPUT},
    {"project", "FILE.vantropeProject", "grades the project's still or clip with its saved grade (then OUT only)",
     ECliValue::eINPUT},
};
}  // namespace

CliOptions GradeOptions()
{
    return CliOptions(kGradeAndProjectOptions).first(4);
}

const SCliOption kFilmOptions[4] = {
    {"film-type", "NAME", "a film type of filmtypes_vantrope.xml"},
    {"film-intensity", "S", "its strength from 0 to 1 (default 1)"},
    {"film-grain", "G", "its grain from 0 to 1 (default 0)"},
    {"film-position", "pre|post", "before or after the chain (default post)"},
};

const SCliOption kClipOptions[10] = {
    {"codec", "0|1", "0: H.264 in .mp4; 1: uncompressed RGBA in .avi"},
    {"quality", "best|better|normal|low|lowest", "the encoder's quality (default normal)"},
    {"artefact", "0..4", "artefact reduction"},
    {"no-audio", nullptr, "leaves the audio streams out"},
    {"no-metadata", nullptr, "leaves the source's metadata out"},
    {"flip-x", nullptr, "mirrors every frame left to right"},
    {"flip-y", nullptr, "mirrors every frame top to bottom"},
    {"blend", "FRAMES:MODE", "frame blending over 1, 2, 3 or 5 frames, mode 1 to 11"},
    {"compare", "half|centre", "ungraded and graded side by side"},
    {"size", "WxH", "the exported frame size"},
};

bool IsClipOutput(const QString& output)
{
    return output.endsWith(".mp4", Qt::CaseInsensitive) || output.endsWith(".avi", Qt::CaseInsensitive);
}

namespace
{
bool LoadPreset(CCliArguments& args, CGradingSession& session)
{
    if (!args.IsSet("preset"))
        return true;
    QString path = args.Value("preset");
    if (!QFileInfo(path).isFile())
    {
        // Not a file: the display or file name of one of the presets the dock shows. A name that
        // is none of them is reported as the file that cannot be read.
        CCliPrompt prompt;
        CPresetLibrary library(prompt);
        const int index = library.LoadAll() ? library.Find(QFileInfo(path).fileName()) : -1;
        if (index >= 0)
            path = library.Chain(index).Path();
    }
    QStringList missing;
    QString problem;
    if (session.LoadPreset(path, &missing, &problem))
        return true;
    return args.Fail(problem.isEmpty() ? QStringLiteral("preset '%1' uses operators this version does not have: %2")
                                             .arg(path, missing.join(", "))
                                       : problem);
}

// --operator KERNEL appends an operator at the catalogue's defaults; each --set INDEX=V0,V1,…
// after it replaces the first values of one of its sets (then kept within the set type's range).
bool AddOperators(CCliArguments& args, CPostProcessing& chain)
{
    CChainEditor editor(chain, COperatorCatalogue::Shared());
    int current = -1;
    for (const auto& [option, value] : args.InOrder({"operator", "set"}))
    {
        if (option == QLatin1String("operator"))
        {
            current = editor.Add(value);
            if (current < 0)
                return args.Fail(QStringLiteral("unknown operator '%1' (see vantrope-cli operators)").arg(value));
            continue;
        }
        if (current < 0)
            return args.Fail("--set needs an --operator before it");
        const QString kernel = chain.Operators()[current].Kernel;
        QString index, list;
        bool ok = SplitNameValue(value, index, list);
        const int set = index.toInt(&ok);
        if (!ok || set < 0 || set >= editor.SetCount(current))
            return args.Fail(QStringLiteral("bad --set '%1' (INDEX=V0,V1,... with INDEX a set of %2, 0 to %3)")
                                 .arg(value, kernel).arg(editor.SetCount(current) - 1));
        std::vector<float> values;
        for (const QString& text : list.split(','))
        {
            values.push_back(text.toFloat(&ok));
            if (!ok || !std::isfinite(values.back()))
                return args.Fail(QStringLiteral("bad --set '%1': '%2' is not a number").arg(value, text));
        }
        const int holds = CPostProcessing::ValueCount(editor.SetType(current, set));
        if (int(values.size()) > holds)
            return args.Fail(QStringLiteral("bad --set '%1': set %2 of %3 holds %4 values").arg(value).arg(set).arg(kernel).arg(holds));
        editor.SetValues(current, set, values.data(), int(values.size()));
    }
    return true;
}

bool SetUpFilmType(CCliArguments& args, CFilmTypeModel& films)
{
    if (!args.IsSet("film-type"))
    {
        for (const char* option : {"film-intensity", "film-grain", "film-position"})
            if (args.IsSet(option))
                return args.Fail(QStringLiteral("--%1 needs --film-type").arg(QLatin1String(option)));
        return true;
    }
    const int index = films.FindByName(args.Value("film-type"));
    if (index == 0)
    {
        QStringList names;
        for (const SFilmType& t : films.Types())
            names << t.sName;
        return args.Fail(QStringLiteral("unknown film type '%1' (known: %2)").arg(args.Value("film-type"), names.join(", ")));
    }
    float intensity = 1.f, grain = 0.f;
    int position = 1;
    if (!args.Fraction("film-intensity", intensity) || !args.Fraction("film-grain", grain) ||
        !args.Choice("film-position", {"pre", "post"}, position))
        return false;
    films.SetIndex(index);
    films.SetIntensity(intensity);
    films.SetGraining(grain);
    films.SetPosition(position == 0 ? CFilmTypeModel::ePRE : CFilmTypeModel::ePOST);
    return true;
}

// The colour layers of a layer file; they recolour the picture before the chain and the LUT.
bool SetUpLayers(CCliArguments& args, CGradingSession& session)
{
    QString problem;
    return !args.IsSet("layers") || session.ColourLayers().Controls().LoadFile(args.Value("layers"), &problem) ||
           args.Fail(problem);
}

}  // namespace

// The grade every command line builds, whatever it is applied to.
bool SetUpGrade(CCliArguments& args, CGradingSession& session)
{
    return LoadPreset(args, session) && AddOperators(args, session.Chain()) && ReadLutOptions(args, session.Lut()) &&
           SetUpFilmType(args, session.FilmTypes()) && SetUpLayers(args, session);
}

// The destination descriptor and the frame settings from the clip options.
bool SetUpClip(CCliArguments& args, CMovieHandling::SDstDesc& dst, CExportFrameGrader& grader)
{
    int codec = dst.m_eCodec, quality = dst.m_eQuality, artefact = dst.m_eArtefact, comparison = 0;
    QSize size;
    if (!args.Choice("codec", {"0", "1"}, codec) ||
        !args.Choice("quality", {"lowest", "low", "normal", "better", "best"}, quality) ||
        !args.Choice("artefact", {"0", "1", "2", "3", "4"}, artefact) ||
        !args.Choice("compare", {"none", "half", "centre"}, comparison) ||
        !args.Size("size", 2, CMovieHandling::kMaxFrameSide, size))
        return false;
    dst.SetCodec(CMovieHandling::ECodec(codec)); // resets the quality
    dst.SetQuality(CMovieHandling::EQuality(quality));
    dst.SetArtefact(CMovieHandling::EArtefact(artefact));
    dst.m_bCopyAudio = dst.m_bCopyAudio && !args.IsSet("no-audio");
    dst.m_bCopyMetadata = dst.m_bCopyMetadata && !args.IsSet("no-metadata");
    dst.m_bFlipX = dst.m_bFlipX || args.IsSet("flip-x");
    dst.m_bFlipY = dst.m_bFlipY || args.IsSet("flip-y");
    if (size.isValid())
        dst.SetResolution(size.width(), size.height());
    grader.Configure(dst);
    grader.Blend().SetComparison(comparison);
    if (args.IsSet("blend"))
    {
        const QStringList parts = args.Value("blend").split(':');
        bool okF = false, okM = false;
        const int frames = parts.value(0).toInt(&okF), mode = parts.value(1).toInt(&okM);
        if (parts.size() != 2 || !okF || !okM || !(frames == 1 || frames == 2 || frames == 3 || frames == 5) ||
            mode < 1 || mode > CFrameBlend::kModes)
            return args.Fail(QStringLiteral("bad value for --blend: '%1' (FRAMES:MODE, frames 1, 2, 3 or 5, mode 1 to 11)")
                                 .arg(args.Value("blend")));
        grader.Blend().SetRingSize(frames);
        grader.Blend().SetMode(mode);
    }
    return true;
}

namespace
{
int GradeClip(CCliArguments& args, const QString& input, const QString& output)
{
    auto session = std::make_unique<CGradingSession>();
    CExportFrameGrader grader(*session);
    CMovieHandling::SDstDesc dst;
    if (!SetUpClip(args, dst, grader) || !SetUpGrade(args, *session))
        return args.Report(2);
    return ExportAndPublish(args, *session, grader, dst, input, output);
}
}  // namespace

int ExportAndPublish(CCliArguments& args, CGradingSession& session, CExportFrameGrader& grader,
                     CMovieHandling::SDstDesc& dst, const QString& input, const QString& output)
{
    const int result = ExportClip(session, grader, dst, input, output);
    if (result != 0)
        return result;
    if (!args.Publish(dst.DestinationFile()))
        return args.Report(2);
    CliPrint(dst.DestinationFile());
    return 0;
}

bool RefuseClipOptions(CCliArguments& args, const QString& output)
{
    for (const SCliOption& option : kClipOptions)
        if (args.IsSet(QLatin1String(option.names)))
            return args.Fail(QStringLiteral("--%1 is for clips (an output ending in .mp4 or .avi)")
                                 .arg(QLatin1String(option.names)));
    return StillImage::IsSaveFormat(output) ||
           args.Fail(QStringLiteral("cannot write '%1': unknown image extension").arg(output));
}

int GradeStill(CCliArguments& args, CGradingSession& session, const QString& input, const QString& output)
{
    Helper::CRGB48Buffer image;
    QString error;
    if (!StillImage::Load(input, image, error))
        return args.Refuse(1, QStringLiteral("cannot read image '%1': %2").arg(input, error));
    if (!session.SetSource(image.GetData(), image.Width(), image.Height()) || !session.Grade())
        return args.Refuse(1, QStringLiteral("cannot grade '%1': not enough memory").arg(input));
    Helper::CRGB48Buffer& result = const_cast<Helper::CRGB48Buffer&>(session.Result());
    if (!StillImage::Save(output, result.GetData(), result.Width(), result.Height(), error))
        return args.Refuse(1, QStringLiteral("cannot write image '%1': %2").arg(output, error));
    return args.Publish(output) ? 0 : args.Report(1);
}

namespace
{
int Grade(CCliArguments& args)
{
    if (args.IsSet("project"))
        return GradeProject(args);
    if (args.Arguments().size() != 2)
        return args.Refuse(2, "grade needs IN OUT (see vantrope-cli grade --help)");
    const QString input = args.Arguments()[0], output = args.Arguments()[1];
    if (IsClipOutput(output))
        return GradeClip(args, input, output);
    if (!RefuseClipOptions(args, output))
        return args.Report(2);
    auto session = std::make_unique<CGradingSession>();
    if (!SetUpGrade(args, *session))
        return args.Report(1);
    return GradeStill(args, *session, input, output);
}

const SCliOption kFromGradeOptions[] = {
    {"size", "N", "points per axis, 2 to 64"},
    {"out", "FILE.cube", "the cube file to write", ECliValue::eOUTPUT},
    {"title", "TEXT", "the LUT's title (default: the file's base name)"},
};

// The grade's colour part baked into a lattice; what a LUT cannot hold is named on stdout.
int FromGrade(CCliArguments& args)
{
    int size = 0;
    if (!args.Require({"size", "out"}) || !args.Integer("size", LutLattice::kMinSize, LutLattice::kMaxSize, size))
        return args.Report(1);
    auto session = std::make_unique<CGradingSession>();
    if (!SetUpGrade(args, *session))
        return args.Report(1);
    std::vector<float> lattice;
    const CGradeLut::SResult result = CGradeLut::Bake(*session, size, lattice);
    if (!result.bOk)
        return args.Refuse(1, "cannot bake the grade: not enough memory");
    if (!result.leftOut.isEmpty())
        CliPrint(CGradeLut::LeftOutText(result.leftOut));
    const QString out = args.Value("out");
    QString reason;
    if (!CubeFile::WriteFile(out, lattice.data(), size, args.Value("title", QFileInfo(out).completeBaseName()), &reason))
        return args.Refuse(1, QStringLiteral("cannot write '%1': %2").arg(out, reason));
    return args.Publish(out) ? 0 : args.Report(1);
}

const SCliCommand kCommands[] = {
    {"grade", "grades a still at full size, or exports a whole clip with the same grade (exit 0 done, 2 failed, 3 aborted)",
     kArguments, {kGradeAndProjectOptions, kLutOptions, kFilmOptions, kClipOptions}, Grade},
    {"lut from-grade", "bakes a grade's colour part (layers, colour operators, film type, LUT) into a cube file; "
                       "operators that look at neighbours or positions are left out and named",
     {}, {GradeOptions(), kLutOptions, kFilmOptions, kFromGradeOptions}, FromGrade}};
}  // namespace

std::span<const SCliCommand> GradeCommands()
{
    return kCommands;
}
