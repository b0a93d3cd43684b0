// vantrope-cli lut: write an identity LUT, bake slider positions into a cube file, apply a LUT
// to a still image, derive a LUT from a reference picture, list and edit the LUT library, and
// two histogram tools for judging derived LUTs (distance, plain histogram matching). Every failure is one line on standard error and nothing is written.
#include "cli/Command.h"
#include "core/ImageBuffer.h"
#include "core/LayerBlend.h"
#include "core/StillImage.h"
#include "lut/CubeFile.h"
#include "lut/LutEngine.h"
#include "lut/LutFromPicture.h"
#include "lut/LutLibrary.h"
#include "lut/LutState.h"

#include <QFileInfo>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace
{
struct SLutOptions
{
    QMap<QString, QString> values; // --key value
    LutParameters parameters = LutParameters::Defaults();
    QStringList positional;
};

bool ParseParameter(const QString& text, LutParameters& parameters, QString& error)
{
    const qsizetype equals = text.indexOf('=');
    const QString name = text.left(equals);
    const int index = equals > 0 ? LutParameterByName(name.toUtf8().constData()) : -1;
    if (index < 0)
    {
        QStringList names;
        for (const SLutParameterInfo& info : LutParameterTable())
            names << QLatin1String(info.pszName);
        error = QStringLiteral("bad parameter '%1' (expected NAME=VALUE with NAME one of %2)").arg(text, names.join(", "));
        return false;
    }
    bool ok = false;
    const float value = text.mid(equals + 1).toFloat(&ok);
    if (!ok || !std::isfinite(value) || value < 0.f || value > 1.f)
    {
        error = QStringLiteral("bad value in '%1' (expected a number from 0 to 1)").arg(text);
        return false;
    }
    parameters[index] = value;
    return true;
}

bool ParseOptions(const QStringList& args, const QStringList& keys, SLutOptions& options, QString& error)
{
    for (int i = 0; i < args.size(); ++i)
    {
        const QString& arg = args[i];
        if (!arg.startsWith("--"))
        {
            options.positional << arg;
            continue;
        }
        const QString key = arg.mid(2);
        if (!keys.contains(key))
            return error = QStringLiteral("unknown option %1").arg(arg), false;
        if (i + 1 >= args.size())
            return error = QStringLiteral("option %1 needs a value").arg(arg), false;
        const QString value = args[++i];
        if (key == "param")
        {
            if (!ParseParameter(value, options.parameters, error))
                return false;
        }
        else
            options.values.insert(key, value);
    }
    return true;
}

bool Require(const SLutOptions& options, const QStringList& keys, QString& error)
{
    for (const QString& key : keys)
        if (!options.values.contains(key))
            return error = QStringLiteral("missing option --%1").arg(key), false;
    return true;
}

// Reads a cube file into a LUT state with the given parameters; null with `error` set on failure.
std::unique_ptr<CLutState> ReadLut(const QString& path, const LutParameters& parameters, QString& error)
{
    if (!QFileInfo(path).isFile())
        return error = QStringLiteral("cannot read LUT '%1': not a file").arg(path), nullptr;
    auto state = std::make_unique<CLutState>();
    const CubeFile::SReadResult result = state->ReadCube(path, nullptr);
    if (!result.bOk)
        return error = QStringLiteral("cannot read LUT '%1': size found %2, allowed from %3 to %4")
                           .arg(path).arg(result.iSizeFound).arg(LutLattice::kMinSize).arg(LutLattice::kMaxSize),
               nullptr;
    state->SetParameters(parameters);
    return state;
}

bool Identity(const SLutOptions& options, QString& error)
{
    if (!Require(options, {"size", "out"}, error))
        return false;
    bool ok = false;
    const int size = options.values["size"].toInt(&ok);
    if (!ok || !LutLattice::IsValidSize(size))
        return error = QStringLiteral("bad size '%1' (allowed from %2 to %3)")
                           .arg(options.values["size"]).arg(LutLattice::kMinSize).arg(LutLattice::kMaxSize),
               false;
    auto state = std::make_unique<CLutState>();
    state->CreateIdentity(size, options.values.value("title", CLutState::tr("LUT Name create new")));
    if (!CubeFile::WriteFile(options.values["out"], state->Source().Data(), size, state->Title()))
        return error = QStringLiteral("cannot write '%1'").arg(options.values["out"]), false;
    return true;
}

bool Bake(const SLutOptions& options, QString& error)
{
    if (!Require(options, {"in", "out"}, error))
        return false;
    const auto state = ReadLut(options.values["in"], options.parameters, error);
    if (state && !state->SaveCube(options.values["out"]))
        error = QStringLiteral("cannot write '%1'").arg(options.values["out"]);
    return state && error.isEmpty();
}

bool Apply(const SLutOptions& options, QString& error)
{
    if (!Require(options, {"lut"}, error))
        return false;
    if (options.positional.size() != 2)
        return error = "apply needs an input and an output image", false;
    const QString input = options.positional[0], output = options.positional[1];
    int mode = 0;
    if (options.values.contains("mode"))
    {
        bool ok = false;
        mode = options.values["mode"].toInt(&ok);
        if (!ok || !LayerBlend::IsKnownMode(mode))
            return error = QStringLiteral("bad layer mode '%1' (0-47, 50-58, 60-68)").arg(options.values["mode"]), false;
    }
    if (!StillImage::IsSaveFormat(output))
        return error = QStringLiteral("cannot write '%1': unknown image extension").arg(output), false;

    const auto state = ReadLut(options.values["lut"], options.parameters, error);
    if (!state)
        return false;
    state->Bake();

    Helper::CRGB48Buffer image;
    QString reason;
    if (!StillImage::Load(input, image, reason))
        return error = QStringLiteral("cannot read image '%1': %2").arg(input, reason), false;
    MP_calcLUTtoImage(image.Width(), image.Height(), state->Size(), state->Baked().Data(), mode, image.GetData());
    if (!StillImage::Save(output, image.GetData(), image.Width(), image.Height(), reason))
        return error = QStringLiteral("cannot write image '%1': %2").arg(output, reason), false;
    return true;
}
bool FromImage(const SLutOptions& options, QString& error)
{
    if (!Require(options, {"out"}, error))
        return false;
    if (options.positional.size() != 1)
        return error = "from-image needs one reference picture", false;
    bool ok = false;
    const int size = options.values.value("size", "17").toInt(&ok);
    if (!ok || (size != 17 && size != 25 && size != 32 && size != 64))
        return error = QStringLiteral("bad size '%1' (17, 25, 32 or 64)").arg(options.values.value("size")), false;
    const int method = options.values.value("method", "2").toInt(&ok);
    if (!ok || (method != 1 && method != 2))
        return error = QStringLiteral("bad method '%1' (1 or 2)").arg(options.values.value("method")), false;
    const QString reference = options.positional[0];
    auto state = std::make_unique<CLutState>();
    state->SetChosenSizeButtons(size == 25, size == 32, size == 64);
    if (!LutFromPicture::DeriveInto(*state, reference, method, CLutLibrary::tr("My LUT Savename"), &error))
        return error = QStringLiteral("cannot read image '%1': %2").arg(reference, error), false;
    if (!CubeFile::WriteFile(options.values["out"], state->Source().Data(), size, state->Title()))
        return error = QStringLiteral("cannot write '%1'").arg(options.values["out"]), false;
    return true;
}

bool Library(const SLutOptions& options, QString& error)
{
    CLutLibrary library;
    const bool add = options.values.contains("add"), remove = options.values.contains("remove");
    if (add && remove)
        return error = "library takes either --add or --remove", false;
    if (add != options.values.contains("name"))
        return error = "--add FILE.cube and --name NAME go together", false;
    if (add)
    {
        const auto state = ReadLut(options.values["add"], LutParameters::Defaults(), error);
        if (!state)
            return false;
        const QString name = options.values["name"];
        if (!library.AddNamed(*state, name, &error))
            return error = error.isEmpty() ? QStringLiteral("cannot write '%1' into %2").arg(name, library.Folder())
                                           : QStringLiteral("bad name '%1': %2").arg(name, error),
                   false;
    }
    if (remove && !library.RemoveNamed(options.values["remove"]))
        return error = QStringLiteral("no library entry '%1' in %2").arg(options.values["remove"], library.Folder()), false;
    for (const QString& name : library.EntryNames())
        CliPrint(name);
    return true;
}

// Per-channel histograms of an image, as 65,536 counts each.
std::array<std::vector<uint64_t>, 3> Histograms(const Helper::CRGB48Buffer& image)
{
    std::array<std::vector<uint64_t>, 3> histograms;
    for (auto& h : histograms)
        h.assign(65536, 0);
    const uint16_t* p = const_cast<Helper::CRGB48Buffer&>(image).GetData();
    const size_t samples = size_t(image.Width()) * image.Height() * 3;
    for (size_t i = 0; i < samples; ++i)
        ++histograms[i % 3][p[i]];
    return histograms;
}

// The first two of exactly `count` image arguments.
bool LoadTwo(const SLutOptions& options, qsizetype count, const char* usage, Helper::CRGB48Buffer& a,
             Helper::CRGB48Buffer& b, QString& error)
{
    if (options.positional.size() != count)
        return error = usage, false;
    QString reason;
    if (!StillImage::Load(options.positional[0], a, reason))
        return error = QStringLiteral("cannot read image '%1': %2").arg(options.positional[0], reason), false;
    if (!StillImage::Load(options.positional[1], b, reason))
        return error = QStringLiteral("cannot read image '%1': %2").arg(options.positional[1], reason), false;
    return true;
}

// Earth mover's distance between the channel histograms of two images (each normalised to its
// pixel count), in 8-bit levels: the area between the two cumulative distributions.
bool Distance(const SLutOptions& options, QString& error)
{
    Helper::CRGB48Buffer a, b;
    if (!LoadTwo(options, 2, "distance needs two images", a, b, error))
        return false;
    const auto ha = Histograms(a), hb = Histograms(b);
    const double na = double(a.Width()) * a.Height(), nb = double(b.Width()) * b.Height();
    QStringList parts;
    for (size_t c = 0; c < 3; ++c)
    {
        double ca = 0.0, cb = 0.0, area = 0.0;
        for (size_t v = 0; v < 65536; ++v)
        {
            ca += double(ha[c][v]) / na;
            cb += double(hb[c][v]) / nb;
            area += std::fabs(ca - cb);
        }
        parts << QString::number(area / 257.0, 'f', 3);
    }
    CliPrint(parts.join(' '));
    return true;
}

// Plain per-channel histogram matching: every sample of IN moves to the value of REF at the same
// cumulative share.
bool Match(const SLutOptions& options, QString& error)
{
    Helper::CRGB48Buffer input, reference;
    if (!LoadTwo(options, 3, "match needs an input, a reference and an output image", input, reference, error))
        return false;
    const QString output = options.positional[2];
    if (!StillImage::IsSaveFormat(output))
        return error = QStringLiteral("cannot write '%1': unknown image extension").arg(output), false;
    const auto hi = Histograms(input), hr = Histograms(reference);
    const double ni = double(input.Width()) * input.Height(), nr = double(reference.Width()) * reference.Height();
    std::array<std::vector<uint16_t>, 3> maps;
    for (size_t c = 0; c < 3; ++c)
    {
        maps[c].resize(65536);
        double below = 0.0, refCumulative = double(hr[c][0]) / nr;
        size_t r = 0;
        for (size_t v = 0; v < 65536; ++v)
        {
            // The middle of this value's share of the input.
            const double share = below + double(hi[c][v]) / ni * 0.5;
            below += double(hi[c][v]) / ni;
            while (r < 65535 && refCumulative < share)
                refCumulative += double(hr[c][++r]) / nr;
            maps[c][v] = uint16_t(r);
        }
    }
    uint16_t* p = input.GetData();
    const size_t samples = size_t(input.Width()) * input.Height() * 3;
    for (size_t i = 0; i < samples; ++i)
        p[i] = maps[i % 3][p[i]];
    QString reason;
    if (!StillImage::Save(output, p, input.Width(), input.Height(), reason))
        return error = QStringLiteral("cannot write image '%1': %2").arg(output, reason), false;
    return true;
}
}  // namespace

int RunLut(const QStringList& args)
{
    struct SSub
    {
        const char* name;
        QStringList keys;
        bool (*run)(const SLutOptions&, QString&);
    };
    const SSub subs[] = {
        {"identity", {"size", "out", "title"}, Identity},
        {"bake", {"in", "out", "param"}, Bake},
        {"apply", {"lut", "mode", "param"}, Apply},
        {"from-image", {"size", "method", "out"}, FromImage},
        {"library", {"add", "name", "remove"}, Library},
        {"distance", {}, Distance},
        {"match", {}, Match},
    };
    const QString name = args.value(0);
    for (const SSub& sub : subs)
    {
        if (name != QLatin1String(sub.name))
            continue;
        SLutOptions options;
        QString error;
        if (!ParseOptions(args.mid(1), sub.keys, options, error))
        {
            CliError(error);
            return 2;
        }
        const QStringList takesFiles = {"apply", "from-image", "distance", "match"};
        if (!takesFiles.contains(name) && !options.positional.isEmpty())
        {
            CliError(QStringLiteral("unexpected argument '%1'").arg(options.positional.first()));
            return 2;
        }
        if (!sub.run(options, error))
        {
            CliError(error);
            return 1;
        }
        return 0;
    }
    CliError("lut needs one of: identity, bake, apply, from-image, library, distance, match");
    return 2;
}
