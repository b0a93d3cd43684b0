// vantrope-cli lut …: write an identity LUT, bake slider positions into a cube file, apply a LUT
// to a still image, derive a LUT from a reference picture, list and edit the LUT library, and two
// histogram tools for judging derived LUTs. Every failure is one line on standard error and
// nothing is written.
#include "cli/CliArguments.h"
#include "cli/LutOptions.h"
#include "core/ImageBuffer.h"
#include "core/StillImage.h"
#include "lut/CubeFile.h"
#include "lut/HistogramMatch.h"
#include "lut/LutEngine.h"
#include "lut/LutFromPicture.h"
#include "lut/LutImport.h"
#include "lut/LutLibrary.h"
#include "lut/LutState.h"

#include <QCoreApplication>

#include <memory>

namespace
{
struct CliLut
{
    Q_DECLARE_TR_FUNCTIONS(CliLut)
};

bool WriteCube(CCliArguments& args, const QString& path, const float* lattice, int size, const QString& title)
{
    QString reason;
    if (!CubeFile::WriteFile(path, lattice, size, title, &reason))
        return args.Fail(CliLut::tr("'%1' kann nicht geschrieben werden: %2").arg(path, reason));
    return args.Publish(path);
}

bool LoadImage(CCliArguments& args, const QString& path, Helper::CRGB48Buffer& image)
{
    QString reason;
    return StillImage::Load(path, image, reason) ||
           args.Fail(CliLut::tr("Bild '%1' kann nicht gelesen werden: %2").arg(path, reason));
}

bool SaveImage(CCliArguments& args, const QString& path, Helper::CRGB48Buffer& image)
{
    QString reason;
    if (!StillImage::Save(path, image.GetData(), image.Width(), image.Height(), reason))
        return args.Fail(CliLut::tr("Bild '%1' kann nicht geschrieben werden: %2").arg(path, reason));
    return args.Publish(path);
}

bool CheckImageOutput(CCliArguments& args, const QString& path)
{
    return StillImage::IsSaveFormat(path) ||
           args.Fail(CliLut::tr("'%1' kann nicht geschrieben werden: unbekannte Bild-Endung").arg(path));
}

// The exit code of a subcommand's work: 0, or 1 after its one error line.
int Finish(CCliArguments& args, bool ok)
{
    return ok ? 0 : args.Report(1);
}

const SCliOption kIdentityOptions[] = {
    {"size", "N", QT_TRANSLATE_NOOP("CliHelp", "Punkte je Achse, 2 bis 64")},
    {"out", QT_TRANSLATE_NOOP("CliHelp", "DATEI.cube"), QT_TRANSLATE_NOOP("CliHelp", "die zu schreibende Cube-Datei"),
     ECliValue::eOUTPUT},
    {"title", "TEXT", QT_TRANSLATE_NOOP("CliHelp", "der Titel der LUT")},
};

int Identity(CCliArguments& args)
{
    int size = 0;
    if (!args.Require({"size", "out"}))
        return args.Report(2);
    if (!args.Integer("size", LutLattice::kMinSize, LutLattice::kMaxSize, size))
        return args.Report(1);
    auto state = std::make_unique<CLutState>();
    state->CreateIdentity(size, args.Value("title", CLutState::tr("LUT Name create new")));
    return Finish(args, WriteCube(args, args.Value("out"), state->Source().Data(), size, state->Title()));
}

const SCliOption kBakeOptions[] = {
    {"in", QT_TRANSLATE_NOOP("CliHelp", "QUELLE"),
     QT_TRANSLATE_NOOP("CliHelp", "die LUT-Datei, von der ausgegangen wird (eine Cube-Datei oder jede Datei, die lut import liest)"),
     ECliValue::eINPUT},
    {"out", QT_TRANSLATE_NOOP("CliHelp", "ZIEL.cube"), QT_TRANSLATE_NOOP("CliHelp", "die zu schreibende Cube-Datei"),
     ECliValue::eOUTPUT},
};

int Bake(CCliArguments& args)
{
    auto state = std::make_unique<CLutState>();
    LutParameters parameters = LutParameters::Defaults();
    if (!args.Require({"in", "out"}))
        return args.Report(2);
    if (!ReadLut(args, args.Value("in"), *state) || !ReadLutParameters(args, parameters))
        return args.Report(1);
    state->SetParameters(parameters);
    state->Bake();
    return Finish(args, WriteCube(args, args.Value("out"), state->Baked().Data(), state->Size(), state->Title()));
}

const SCliArgument kApplyArguments[] = {
    {QT_TRANSLATE_NOOP("CliHelp", "EIN"), QT_TRANSLATE_NOOP("CliHelp", "das zu bearbeitende Standbild"), ECliValue::eINPUT},
    {QT_TRANSLATE_NOOP("CliHelp", "AUS"), QT_TRANSLATE_NOOP("CliHelp", "das zu schreibende Bild; seine Endung wählt das Format"),
     ECliValue::eOUTPUT},
};

int Apply(CCliArguments& args)
{
    const QString input = args.Arguments()[0], output = args.Arguments()[1];
    auto state = std::make_unique<CLutState>();
    Helper::CRGB48Buffer image;
    if (!args.Require({"lut"}))
        return args.Report(2);
    if (!ReadLutOptions(args, *state) || !CheckImageOutput(args, output) ||
        !LoadImage(args, input, image))
        return args.Report(1);
    state->Bake();
    MP_calcLUTtoImage(image.Width(), image.Height(), state->Size(), state->Baked().Data(), state->LayerMode(),
                      image.GetData(), state->Interpolation());
    return Finish(args, SaveImage(args, output, image));
}

const SCliArgument kFromImageArguments[] = {{"REF", QT_TRANSLATE_NOOP("CliHelp", "das Referenzbild"), ECliValue::eINPUT}};
const SCliOption kFromImageOptions[] = {
    {"size", "17|25|32|64", QT_TRANSLATE_NOOP("CliHelp", "Punkte je Achse (Vorgabe 17)")},
    {"method", "1|2",
     QT_TRANSLATE_NOOP("CliHelp", "1: Gradationskurven je Kanal; 2: zieht außerdem Farbtöne, die die Referenz kaum enthält, "
                                  "zum Grau hin (Vorgabe)")},
    {"out", QT_TRANSLATE_NOOP("CliHelp", "DATEI.cube"), QT_TRANSLATE_NOOP("CliHelp", "die zu schreibende Cube-Datei"),
     ECliValue::eOUTPUT},
};

int FromImage(CCliArguments& args)
{
    const QStringList sizes = {"17", "25", "32", "64"};
    int size = 0, method = 2;
    if (!args.Require({"out"}))
        return args.Report(2);
    if (!args.Choice("size", sizes, size) || !args.Integer("method", 1, 2, method))
        return args.Report(1);
    const int points = sizes[size].toInt();
    const QString reference = args.Arguments()[0];
    auto state = std::make_unique<CLutState>();
    state->SetChosenSizeButtons(points == 25, points == 32, points == 64);
    QString error;
    if (!LutFromPicture::DeriveInto(*state, reference, method, CLutLibrary::tr("My LUT Savename"), &error))
        return args.Refuse(1, CliLut::tr("Bild '%1' kann nicht gelesen werden: %2").arg(reference, error));
    return Finish(args, WriteCube(args, args.Value("out"), state->Source().Data(), points, state->Title()));
}

const SCliArgument kImportArguments[] = {{QT_TRANSLATE_NOOP("CliHelp", "FREMD"),
                                          QT_TRANSLATE_NOOP("CliHelp", "eine LUT-Datei in jedem Format, das der Import liest"),
                                          ECliValue::eINPUT}};
const SCliOption kImportOptions[] = {
    {"out", QT_TRANSLATE_NOOP("CliHelp", "EIGENE.cube"), QT_TRANSLATE_NOOP("CliHelp", "die zu schreibende Cube-Datei"),
     ECliValue::eOUTPUT},
    {"size", "N",
     QT_TRANSLATE_NOOP("CliHelp", "Punkte je Achse, 2 bis 64 (Vorgabe: die eigene 3D-Größe der Datei bis 64, 33 ohne eine)")},
};

int Import(CCliArguments& args)
{
    int size = 0;
    if (!args.Require({"out"}))
        return args.Report(2);
    if (args.IsSet("size") && !args.Integer("size", LutLattice::kMinSize, LutLattice::kMaxSize, size))
        return args.Report(1);
    auto state = std::make_unique<CLutState>();
    const QString input = args.Arguments()[0];
    const CLutImport::SResult result = CLutImport::Import(*state, input, size);
    if (!result.bOk)
        return args.Refuse(1, result.sError);
    if (!CLutImport::PointsKeptText(result).isEmpty())
        CliPrint(CLutImport::PointsKeptText(result));
    return Finish(args, WriteCube(args, args.Value("out"), state->Source().Data(), result.iSize, state->Title()));
}

const SCliOption kLibraryOptions[] = {
    {"add", QT_TRANSLATE_NOOP("CliHelp", "DATEI"),
     QT_TRANSLATE_NOOP("CliHelp", "schreibt die LUT-Datei (eine Cube-Datei oder jede Datei, die lut import liest) mit "
                                  "Reglern in Grundstellung gebacken unter --name in die Bibliothek"),
     ECliValue::eINPUT},
    {"name", "NAME", QT_TRANSLATE_NOOP("CliHelp", "der Name des Eintrags (kein '/', nicht '.' oder '..', nicht leer)")},
    {"remove", "NAME", QT_TRANSLATE_NOOP("CliHelp", "löscht den Eintrag dieses Namens")},
};

int Library(CCliArguments& args)
{
    CLutLibrary library;
    const bool add = args.IsSet("add"), remove = args.IsSet("remove");
    if (add && remove)
        return args.Refuse(1, CliLut::tr("library nimmt entweder --add oder --remove"));
    if (add != args.IsSet("name"))
        return args.Refuse(1, CliLut::tr("--add DATEI und --name NAME gehören zusammen"));
    if (add)
    {
        const QString name = args.Value("name");
        QString error;
        auto state = std::make_unique<CLutState>();
        if (!CLutLibrary::IsAcceptableName(name, &error))
            return args.Refuse(1, CliLut::tr("ungültiger Name '%1': %2").arg(name, error));
        if (!ReadLut(args, args.Value("add"), *state))
            return args.Report(1);
        if (!library.AddNamed(*state, name, &error))
            return args.Refuse(1, CliLut::tr("'%1' kann nicht zu %2 hinzugefügt werden: %3").arg(name, library.Folder(), error));
    }
    if (remove && !library.RemoveNamed(args.Value("remove")))
        return args.Refuse(1, CliLut::tr("kein Bibliothekseintrag '%1' in %2").arg(args.Value("remove"), library.Folder()));
    for (const QString& name : library.EntryNames())
        CliPrint(name);
    return 0;
}

const SCliArgument kDistanceArguments[] = {
    {"A", QT_TRANSLATE_NOOP("CliHelp", "ein Bild"), ECliValue::eINPUT},
    {"B", QT_TRANSLATE_NOOP("CliHelp", "das Bild, mit dem es verglichen wird"), ECliValue::eINPUT},
};

int Distance(CCliArguments& args)
{
    Helper::CRGB48Buffer a, b;
    if (!LoadImage(args, args.Arguments()[0], a) || !LoadImage(args, args.Arguments()[1], b))
        return args.Report(1);
    const auto distance = HistogramMatch::Distance(a.GetData(), size_t(a.Width()) * a.Height(), b.GetData(),
                                                   size_t(b.Width()) * b.Height());
    CliPrint(QStringLiteral("%1 %2 %3").arg(distance[0], 0, 'f', 3).arg(distance[1], 0, 'f', 3).arg(distance[2], 0, 'f', 3));
    return 0;
}

const SCliArgument kMatchArguments[] = {
    {QT_TRANSLATE_NOOP("CliHelp", "EIN"), QT_TRANSLATE_NOOP("CliHelp", "das zu ändernde Bild"), ECliValue::eINPUT},
    {"REF", QT_TRANSLATE_NOOP("CliHelp", "das Bild, dessen Histogramme es übernimmt"), ECliValue::eINPUT},
    {QT_TRANSLATE_NOOP("CliHelp", "AUS"), QT_TRANSLATE_NOOP("CliHelp", "das zu schreibende Bild"), ECliValue::eOUTPUT},
};

int Match(CCliArguments& args)
{
    Helper::CRGB48Buffer input, reference;
    const QString output = args.Arguments()[2];
    if (!CheckImageOutput(args, output) || !LoadImage(args, args.Arguments()[0], input) ||
        !LoadImage(args, args.Arguments()[1], reference))
        return args.Report(1);
    HistogramMatch::Match(input.GetData(), size_t(input.Width()) * input.Height(), reference.GetData(),
                          size_t(reference.Width()) * reference.Height());
    return Finish(args, SaveImage(args, output, input));
}

const SCliCommand kCommands[] = {
    {"lut identity", QT_TRANSLATE_NOOP("CliHelp", "schreibt eine Identitäts-LUT"), {}, {kIdentityOptions}, Identity},
    {"lut bake", QT_TRANSLATE_NOOP("CliHelp", "backt Reglerstellungen in eine Cube-Datei"), {},
     {kBakeOptions, LutParameterOptions()}, Bake},
    {"lut apply", QT_TRANSLATE_NOOP("CliHelp", "wendet eine LUT auf ein Standbild an"), kApplyArguments, {kLutOptions}, Apply},
    {"lut from-image",
     QT_TRANSLATE_NOOP("CliHelp", "leitet eine LUT aus einem Referenzbild ab (auf 1000 x 1000 skaliert wie im LUT-Bereich)"),
     kFromImageArguments, {kFromImageOptions}, FromImage},
    {"lut import",
     QT_TRANSLATE_NOOP("CliHelp", "tastet eine LUT-Datei eines anderen Programms (.cube mit Domain oder Shaper, .3dl, .csp, "
                                  ".spi3d, .clf, ...) in eine Cube-Datei ab"),
     kImportArguments, {kImportOptions}, Import},
    {"lut library",
     QT_TRANSLATE_NOOP("CliHelp", "bearbeitet die LUT-Bibliothek in ~/ProjectData/Lut/ und listet dann ihre Einträge in der "
                                  "Reihenfolge des LUT-Bereichs"),
     {}, {kLibraryOptions}, Library},
    {"lut distance",
     QT_TRANSLATE_NOOP("CliHelp", "Earth-Mover-Abstand der Histogramme zweier Bilder je Kanal, in 8-Bit-Stufen"),
     kDistanceArguments, {}, Distance},
    {"lut match", QT_TRANSLATE_NOOP("CliHelp", "einfache Histogrammangleichung je Kanal von EIN an REF"), kMatchArguments, {},
     Match},
};
}  // namespace

std::span<const SCliCommand> LutCommands()
{
    return kCommands;
}
