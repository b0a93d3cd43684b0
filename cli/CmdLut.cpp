// vantrope-cli lut: write an identity LUT, bake slider positions into a cube file, apply a LUT
// to a still image. Every failure is one line on standard error and nothing is written.
#include "cli/Command.h"
#include "core/ImageBuffer.h"
#include "core/LayerBlend.h"
#include "core/StillImage.h"
#include "lut/CubeFile.h"
#include "lut/LutEngine.h"
#include "lut/LutState.h"

#include <QFileInfo>

#include <cmath>
#include <memory>

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
        if (name != "apply" && !options.positional.isEmpty())
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
    CliError("lut needs one of: identity, bake, apply");
    return 2;
}
