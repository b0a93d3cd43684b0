#include "cli/LutOptions.h"

#include "cli/CliArguments.h"
#include "core/LayerBlend.h"
#include "lut/LutImport.h"
#include "lut/LutState.h"

#include <QFileInfo>

#include <cmath>

const SCliOption kLutOptions[4] = {
    {"lut", "FILE", "a 3D LUT (a cube file or any file lut import reads), applied last", ECliValue::eINPUT},
    {"lut-param,param", "NAME=VALUE", "a LUT slider from 0 to 1 (repeatable): intensity, brightness, contrast, saturation, "
                                      "balance-shadows, balance-lights, balance-red, balance-green, balance-blue, "
                                      "protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky"},
    {"lut-mode,mode", "M", "the LUT's layer mode (0-47, 50-58, 60-68; 0 normal)"},
    {"interp", "trilinear|tetrahedral", "how the LUT is looked up between its points (default trilinear)"},
};

bool ReadLut(CCliArguments& args, const QString& path, CLutState& lut)
{
    if (!QFileInfo(path).isFile())
        return args.Fail(QStringLiteral("cannot read LUT '%1': not a file").arg(path));
    const CLutImport::SResult result = CLutImport::Load(lut, path, nullptr);
    if (!result.bOk)
        return args.Fail(QStringLiteral("cannot read LUT '%1': %2").arg(path, result.sError));
    if (!CLutImport::PointsKeptText(result).isEmpty())
        CliError(CLutImport::PointsKeptText(result));
    return true;
}

bool ReadLutParameters(CCliArguments& args, LutParameters& parameters)
{
    for (const QString& text : args.Values("lut-param"))
    {
        QString name, number;
        const int index = SplitNameValue(text, name, number) ? LutParameterByName(name.toUtf8().constData()) : -1;
        if (index < 0)
        {
            QStringList names;
            for (const SLutParameterInfo& info : LutParameterTable())
                names << QLatin1String(info.pszName);
            return args.Fail(QStringLiteral("bad LUT parameter '%1' (expected NAME=VALUE with NAME one of %2)")
                                 .arg(text, names.join(", ")));
        }
        bool ok = false;
        const float value = number.toFloat(&ok);
        if (!ok || !std::isfinite(value) || value < 0.f || value > 1.f)
            return args.Fail(QStringLiteral("bad value in '%1' (expected a number from 0 to 1)").arg(text));
        parameters[index] = value;
    }
    return true;
}

bool ReadLutOptions(CCliArguments& args, CLutState& lut)
{
    if (!args.IsSet("lut"))
        return !(args.IsSet("lut-param") || args.IsSet("lut-mode") || args.IsSet("interp")) ||
               args.Fail("--lut-param, --lut-mode and --interp need --lut");
    LutParameters parameters = LutParameters::Defaults();
    if (!ReadLut(args, args.Value("lut"), lut) || !ReadLutParameters(args, parameters))
        return false;
    lut.SetParameters(parameters);
    if (args.IsSet("lut-mode"))
    {
        bool ok = false;
        const int mode = args.Value("lut-mode").toInt(&ok);
        if (!ok || !LayerBlend::IsKnownMode(mode))
            return args.Fail(QStringLiteral("bad layer mode '%1' (0-47, 50-58, 60-68)").arg(args.Value("lut-mode")));
        lut.SetLayerMode(mode);
    }
    int interpolation = 0;
    if (!args.Choice("interp", {"trilinear", "tetrahedral"}, interpolation))
        return false;
    lut.SetInterpolation(interpolation == 1 ? eLI_TETRAHEDRAL : eLI_TRILINEAR);
    lut.SetActive(true);
    return true;
}
