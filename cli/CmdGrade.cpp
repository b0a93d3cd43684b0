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

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>
#include <memory>
#include <vector>

namespace
{
struct CliGrade
{
    Q_DECLARE_TR_FUNCTIONS(CliGrade)
};

// With --project the only argument is the output: OUT is optional for that.
const SCliArgument kArguments[] = {
    {QT_TRANSLATE_NOOP("CliHelp", "EIN"),
     QT_TRANSLATE_NOOP("CliHelp", "ein Standbild, oder ein Clip, wenn AUS einer ist (mit --project: die Ausgabe)"),
     ECliValue::eINPUT},
    {QT_TRANSLATE_NOOP("CliHelp", "AUS"),
     QT_TRANSLATE_NOOP("CliHelp", "das zu schreibende Bild (seine Endung wählt das Format) oder ein Clip auf .mp4 oder .avi"),
     ECliValue::eOUTPUT, true},
};

// The grade's own options, and last the project that holds a grade instead.
const SCliOption kGradeAndProjectOptions[] = {
    {"preset", QT_TRANSLATE_NOOP("CliHelp", "NAME|DATEI.ini"),
     QT_TRANSLATE_NOOP("CliHelp", "die Operatorkette eines Presets: Anzeige- oder Dateiname eines mitgelieferten oder eigenen "
                                  "Presets oder eine Preset-Datei (siehe presets)"),
     ECliValue::eINPUT},
    {"operator", "KERNEL",
     QT_TRANSLATE_NOOP("CliHelp", "hängt einen Operator mit den Vorgaben des Katalogs an (wiederholbar, der Reihe nach; "
                                  "siehe operators)")},
    {"set", "INDEX=V0,V1,...",
     QT_TRANSLATE_NOOP("CliHelp", "ersetzt die ersten Werte eines Satzes des --operator davor (wiederholbar)")},
    {"layers", QT_TRANSLATE_NOOP("CliHelp", "DATEI.cml"),
     QT_TRANSLATE_NOOP("CliHelp", "Farbebenen des Farbfensters, vor der Kette angewandt"), ECliValue::eINPUT},
    {"project", QT_TRANSLATE_NOOP("CliHelp", "DATEI.vantropeProject"),
     QT_TRANSLATE_NOOP("CliHelp", "bearbeitet Standbild oder Clip des Projekts mit seiner gespeicherten Korrektur (dann nur AUS)"),
     ECliValue::eINPUT},
};
}  // namespace

CliOptions GradeOptions()
{
    return CliOptions(kGradeAndProjectOptions).first(4);
}

const SCliOption kFilmOptions[4] = {
    {"film-type", "NAME", QT_TRANSLATE_NOOP("CliHelp", "ein Filmtyp aus filmtypes_vantrope.xml")},
    {"film-intensity", "S", QT_TRANSLATE_NOOP("CliHelp", "seine Stärke von 0 bis 1 (Vorgabe 1)")},
    {"film-grain", "G", QT_TRANSLATE_NOOP("CliHelp", "seine Körnung von 0 bis 1 (Vorgabe 0)")},
    {"film-position", "pre|post", QT_TRANSLATE_NOOP("CliHelp", "vor oder nach der Kette (Vorgabe post)")},
};

const SCliOption kClipOptions[10] = {
    {"codec", "0|1", QT_TRANSLATE_NOOP("CliHelp", "0: H.264 in .mp4; 1: unkomprimiertes RGBA in .avi")},
    {"quality", "best|better|normal|low|lowest", QT_TRANSLATE_NOOP("CliHelp", "die Qualität des Encoders (Vorgabe normal)")},
    {"artefact", "0..4", QT_TRANSLATE_NOOP("CliHelp", "Artefaktminderung")},
    {"no-audio", nullptr, QT_TRANSLATE_NOOP("CliHelp", "lässt die Tonspuren weg")},
    {"no-metadata", nullptr, QT_TRANSLATE_NOOP("CliHelp", "lässt die Metadaten der Quelle weg")},
    {"flip-x", nullptr, QT_TRANSLATE_NOOP("CliHelp", "spiegelt jedes Bild von links nach rechts")},
    {"flip-y", nullptr, QT_TRANSLATE_NOOP("CliHelp", "spiegelt jedes Bild von oben nach unten")},
    {"blend", QT_TRANSLATE_NOOP("CliHelp", "BILDER:MODUS"),
     QT_TRANSLATE_NOOP("CliHelp", "Bildüberblendung über 1, 2, 3 oder 5 Bilder, Modus 1 bis 11")},
    {"compare", "half|centre", QT_TRANSLATE_NOOP("CliHelp", "unbearbeitet und bearbeitet nebeneinander")},
    {"size", "WxH", QT_TRANSLATE_NOOP("CliHelp", "die Bildgröße der Ausgabe")},
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
    return args.Fail(problem.isEmpty() ? CliGrade::tr("Preset '%1' verwendet Operatoren, die diese Version nicht hat: %2")
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
                return args.Fail(CliGrade::tr("unbekannter Operator '%1' (siehe vantrope-cli operators)").arg(value));
            continue;
        }
        if (current < 0)
            return args.Fail(CliGrade::tr("--set braucht ein --operator davor"));
        const QString kernel = chain.Operators()[current].Kernel;
        QString index, list;
        bool ok = SplitNameValue(value, index, list);
        const int set = index.toInt(&ok);
        if (!ok || set < 0 || set >= editor.SetCount(current))
            return args.Fail(CliGrade::tr("ungültiges --set '%1' (INDEX=V0,V1,... mit INDEX ein Satz von %2, 0 bis %3)")
                                 .arg(value, kernel).arg(editor.SetCount(current) - 1));
        std::vector<float> values;
        for (const QString& text : list.split(','))
        {
            values.push_back(text.toFloat(&ok));
            if (!ok || !std::isfinite(values.back()))
                return args.Fail(CliGrade::tr("ungültiges --set '%1': '%2' ist keine Zahl").arg(value, text));
        }
        const int holds = CPostProcessing::ValueCount(editor.SetType(current, set));
        if (int(values.size()) > holds)
            return args.Fail(
                CliGrade::tr("ungültiges --set '%1': Satz %2 von %3 fasst %4 Werte").arg(value).arg(set).arg(kernel).arg(holds));
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
                return args.Fail(CliGrade::tr("--%1 braucht --film-type").arg(QLatin1String(option)));
        return true;
    }
    const int index = films.FindByName(args.Value("film-type"));
    if (index == 0)
    {
        QStringList names;
        for (const SFilmType& t : films.Types())
            names << t.sName;
        return args.Fail(CliGrade::tr("unbekannter Filmtyp '%1' (bekannt: %2)").arg(args.Value("film-type"), names.join(", ")));
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

// The destination descriptor and the frame settings from the clip options; a setting no option
// names keeps what `dst` and the grader's blending already hold.
bool SetUpClip(CCliArguments& args, CMovieHandling::SDstDesc& dst, CExportFrameGrader& grader)
{
    int codec = dst.m_eCodec, quality = dst.m_eQuality, artefact = dst.m_eArtefact,
        comparison = grader.Blend().Comparison();
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
            return args.Fail(CliGrade::tr("ungültiger Wert für --blend: '%1' (BILDER:MODUS, Bilder 1, 2, 3 oder 5, Modus 1 bis 11)")
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
            return args.Fail(CliGrade::tr("--%1 gilt für Clips (eine Ausgabe auf .mp4 oder .avi)")
                                 .arg(QLatin1String(option.names)));
    return StillImage::IsSaveFormat(output) ||
           args.Fail(CliGrade::tr("'%1' kann nicht geschrieben werden: unbekannte Bild-Endung").arg(output));
}

int GradeStill(CCliArguments& args, CGradingSession& session, const QString& input, const QString& output)
{
    Helper::CRGB48Buffer image;
    QString error;
    if (!StillImage::Load(input, image, error))
        return args.Refuse(1, CliGrade::tr("Bild '%1' kann nicht gelesen werden: %2").arg(input, error));
    if (!session.SetSource(image.GetData(), image.Width(), image.Height()) || !session.Grade())
        return args.Refuse(1, CliGrade::tr("'%1' kann nicht bearbeitet werden: nicht genug Speicher").arg(input));
    Helper::CRGB48Buffer& result = const_cast<Helper::CRGB48Buffer&>(session.Result());
    if (!StillImage::Save(output, result.GetData(), result.Width(), result.Height(), error))
        return args.Refuse(1, CliGrade::tr("Bild '%1' kann nicht geschrieben werden: %2").arg(output, error));
    return args.Publish(output) ? 0 : args.Report(1);
}

namespace
{
int Grade(CCliArguments& args)
{
    if (args.IsSet("project"))
        return GradeProject(args);
    if (args.Arguments().size() != 2)
        return args.Refuse(2, CliGrade::tr("grade braucht EIN AUS (siehe vantrope-cli grade --help)"));
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
    {"size", "N", QT_TRANSLATE_NOOP("CliHelp", "Punkte je Achse, 2 bis 64")},
    {"out", QT_TRANSLATE_NOOP("CliHelp", "DATEI.cube"), QT_TRANSLATE_NOOP("CliHelp", "die zu schreibende Cube-Datei"),
     ECliValue::eOUTPUT},
    {"title", "TEXT", QT_TRANSLATE_NOOP("CliHelp", "der Titel der LUT (Vorgabe: der Grundname der Datei)")},
};

// The grade's colour part baked into a lattice; what a LUT cannot hold is named on stdout.
int FromGrade(CCliArguments& args)
{
    int size = 0;
    if (!args.Require({"size", "out"}))
        return args.Report(2);
    if (!args.Integer("size", LutLattice::kMinSize, LutLattice::kMaxSize, size))
        return args.Report(1);
    auto session = std::make_unique<CGradingSession>();
    if (!SetUpGrade(args, *session))
        return args.Report(1);
    std::vector<float> lattice;
    const CGradeLut::SResult result = CGradeLut::Bake(*session, size, lattice);
    if (!result.bOk)
        return args.Refuse(1, CliGrade::tr("die Korrektur kann nicht gebacken werden: nicht genug Speicher"));
    if (!result.leftOut.isEmpty())
        CliPrint(CGradeLut::LeftOutText(result.leftOut));
    const QString out = args.Value("out");
    QString reason;
    if (!CubeFile::WriteFile(out, lattice.data(), size, args.Value("title", QFileInfo(out).completeBaseName()), &reason))
        return args.Refuse(1, CliGrade::tr("'%1' kann nicht geschrieben werden: %2").arg(out, reason));
    return args.Publish(out) ? 0 : args.Report(1);
}

const SCliCommand kCommands[] = {
    {"grade",
     QT_TRANSLATE_NOOP("CliHelp", "bearbeitet ein Standbild in voller Größe oder exportiert einen ganzen Clip mit derselben "
                                  "Korrektur (Exit-Code 0 fertig, 2 fehlgeschlagen, 3 abgebrochen)"),
     kArguments, {kGradeAndProjectOptions, kLutOptions, kFilmOptions, kClipOptions}, Grade},
    {"lut from-grade",
     QT_TRANSLATE_NOOP("CliHelp", "backt den Farbanteil einer Korrektur (Ebenen, Farboperatoren, Filmtyp, LUT) in eine "
                                  "Cube-Datei; Operatoren, die Nachbarn oder Positionen betrachten, werden weggelassen und genannt"),
     {}, {GradeOptions(), kLutOptions, kFilmOptions, kFromGradeOptions}, FromGrade}};
}  // namespace

std::span<const SCliCommand> GradeCommands()
{
    return kCommands;
}
