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

#include <memory>

namespace
{
bool WriteCube(CCliArguments& args, const QString& path, const float* lattice, int size, const QString& title)
{
    QString reason;
    if (!CubeFile::WriteFile(path, lattice, size, title, &reason))
        return args.Fail(QStringLiteral("cannot write '%1': %2").arg(path, reason));
    return args.Publish(path);
}

bool LoadImage(CCliArguments& args, const QString& path, Helper::CRGB48Buffer& image)
{
    QString reason;
    return StillImage::Load(path, image, reason) ||
           args.Fail(QStringLiteral("cannot read image '%1': %2").arg(path, reason));
}

bool SaveImage(CCliArguments& args, const QString& path, Helper::CRGB48Buffer& image)
{
    QString reason;
    if (!StillImage::Save(path, image.GetData(), image.Width(), image.Height(), reason))
        return args.Fail(QStringLiteral("cannot write image '%1': %2").arg(path, reason));
    return args.Publish(path);
}

bool CheckImageOutput(CCliArguments& args, const QString& path)
{
    return StillImage::IsSaveFormat(path) || args.Fail(QStringLiteral("cannot write '%1': unknown image extension").arg(path));
}

// The exit code of a subcommand's work: 0, or 1 after its one error line.
int Finish(CCliArguments& args, bool ok)
{
    return ok ? 0 : args.Report(1);
}

const SCliOption kIdentityOptions[] = {
    {"size", "N", "points per axis, 2 to 64"},
    {"out", "FILE.cube", "the cube file to write", ECliValue::eOUTPUT},
    {"title", "TEXT", "the LUT's title"},
};

int Identity(CCliArguments& args)
{
    int size = 0;
    if (!args.Require({"size", "out"}) || !args.Integer("size", LutLattice::kMinSize, LutLattice::kMaxSize, size))
        return args.Report(1);
    auto state = std::make_unique<CLutState>();
    state->CreateIdentity(size, args.Value("title", CLutState::tr("LUT Name create new")));
    return Finish(args, WriteCube(args, args.Value("out"), state->Source().Data(), size, state->Title()));
}

const SCliOption kBakeOptions[] = {
    {"in", "SRC", "the LUT file to start from (a cube file or any file lut import reads)", ECliValue::eINPUT},
    {"out", "DST.cube", "the cube file to write", ECliValue::eOUTPUT},
};

int Bake(CCliArguments& args)
{
    auto state = std::make_unique<CLutState>();
    LutParameters parameters = LutParameters::Defaults();
    if (!args.Require({"in", "out"}) || !ReadLut(args, args.Value("in"), *state) || !ReadLutParameters(args, parameters))
        return args.Report(1);
    state->SetParameters(parameters);
    state->Bake();
    return Finish(args, WriteCube(args, args.Value("out"), state->Baked().Data(), state->Size(), state->Title()));
}

const SCliArgument kApplyArguments[] = {
    {"IN", "the still image to grade", ECliValue::eINPUT},
    {"OUT", "the image to write; its extension picks the format", ECliValue::eOUTPUT},
};

int Apply(CCliArguments& args)
{
    const QString input = args.Arguments()[0], output = args.Arguments()[1];
    auto state = std::make_unique<CLutState>();
    Helper::CRGB48Buffer image;
    if (!args.Require({"lut"}) || !ReadLutOptions(args, *state) || !CheckImageOutput(args, output) ||
        !LoadImage(args, input, image))
        return args.Report(1);
    state->Bake();
    MP_calcLUTtoImage(image.Width(), image.Height(), state->Size(), state->Baked().Data(), state->LayerMode(),
                      image.GetData(), state->Interpolation());
    return Finish(args, SaveImage(args, output, image));
}

const SCliArgument kFromImageArguments[] = {{"REF", "the reference picture", ECliValue::eINPUT}};
const SCliOption kFromImageOptions[] = {
    {"size", "17|25|32|64", "points per axis (default 17)"},
    {"method", "1|2", "1: per-channel tone curves; 2: also pulls hues the reference hardly holds toward grey (default)"},
    {"out", "FILE.cube", "the cube file to write", ECliValue::eOUTPUT},
};

int FromImage(CCliArguments& args)
{
    const QStringList sizes = {"17", "25", "32", "64"};
    int size = 0, method = 2;
    if (!args.Require({"out"}) || !args.Choice("size", sizes, size) || !args.Integer("method", 1, 2, method))
        return args.Report(1);
    const int points = sizes[size].toInt();
    const QString reference = args.Arguments()[0];
    auto state = std::make_unique<CLutState>();
    state->SetChosenSizeButtons(points == 25, points == 32, points == 64);
    QString error;
    if (!LutFromPicture::DeriveInto(*state, reference, method, CLutLibrary::tr("My LUT Savename"), &error))
        return args.Refuse(1, QStringLiteral("cannot read image '%1': %2").arg(reference, error));
    return Finish(args, WriteCube(args, args.Value("out"), state->Source().Data(), points, state->Title()));
}

const SCliArgument kImportArguments[] = {{"FOREIGN", "a LUT file in any format the import path reads", ECliValue::eINPUT}};
const SCliOption kImportOptions[] = {
    {"out", "OURS.cube", "the cube file to write", ECliValue::eOUTPUT},
    {"size", "N", "points per axis, 2 to 64 (default: the file's own 3D size up to 64, 33 without one)"},
};

int Import(CCliArguments& args)
{
    int size = 0;
    if (!args.Require({"out"}) ||
        (args.IsSet("size") && !args.Integer("size", LutLattice::kMinSize, LutLattice::kMaxSize, size)))
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
    {"add", "FILE", "writes the LUT file (a cube file or any file lut import reads) baked with default sliders into the library under --name", ECliValue::eINPUT},
    {"name", "NAME", "the entry's name (no '/', not '.' or '..', not empty)"},
    {"remove", "NAME", "deletes the entry of that name"},
};

int Library(CCliArguments& args)
{
    CLutLibrary library;
    const bool add = args.IsSet("add"), remove = args.IsSet("remove");
    if (add && remove)
        return args.Refuse(1, "library takes either --add or --remove");
    if (add != args.IsSet("name"))
        return args.Refuse(1, "--add FILE and --name NAME go together");
    if (add)
    {
        const QString name = args.Value("name");
        QString error;
        auto state = std::make_unique<CLutState>();
        if (!CLutLibrary::IsAcceptableName(name, &error))
            return args.Refuse(1, QStringLiteral("bad name '%1': %2").arg(name, error));
        if (!ReadLut(args, args.Value("add"), *state))
            return args.Report(1);
        if (!library.AddNamed(*state, name, &error))
            return args.Refuse(1, QStringLiteral("cannot add '%1' to %2: %3").arg(name, library.Folder(), error));
    }
    if (remove && !library.RemoveNamed(args.Value("remove")))
        return args.Refuse(1, QStringLiteral("no library entry '%1' in %2").arg(args.Value("remove"), library.Folder()));
    for (const QString& name : library.EntryNames())
        CliPrint(name);
    return 0;
}

const SCliArgument kDistanceArguments[] = {
    {"A", "a picture", ECliValue::eINPUT},
    {"B", "the picture to compare it with", ECliValue::eINPUT},
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
    {"IN", "the picture to change", ECliValue::eINPUT},
    {"REF", "the picture whose histograms it takes", ECliValue::eINPUT},
    {"OUT", "the image to write", ECliValue::eOUTPUT},
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
    {"lut identity", "writes an identity LUT", {}, {kIdentityOptions}, Identity},
    {"lut bake", "bakes slider positions into a cube file", {}, {kBakeOptions, LutParameterOptions()}, Bake},
    {"lut apply", "applies a LUT to a still image", kApplyArguments, {kLutOptions}, Apply},
    {"lut from-image", "derives a LUT from a reference picture (scaled to 1000 x 1000 as the LUT panel does)",
     kFromImageArguments, {kFromImageOptions}, FromImage},
    {"lut import", "samples a LUT file of another program (.cube with domain or shaper, .3dl, .csp, .spi3d, .clf, ...) into a cube file",
     kImportArguments, {kImportOptions}, Import},
    {"lut library", "edits the LUT library in ~/ProjectData/Lut/, then lists its entries in the panel's order", {},
     {kLibraryOptions}, Library},
    {"lut distance", "per-channel histogram earth mover's distance of two pictures, in 8-bit levels", kDistanceArguments,
     {}, Distance},
    {"lut match", "plain per-channel histogram matching of IN to REF", kMatchArguments, {}, Match},
};
}  // namespace

std::span<const SCliCommand> LutCommands()
{
    return kCommands;
}
