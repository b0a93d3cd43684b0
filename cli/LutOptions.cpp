#include "cli/LutOptions.h"

#include "cli/CliArguments.h"
#include "core/LayerBlend.h"
#include "lut/LutImport.h"
#include "lut/LutState.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cmath>

namespace
{
struct CliLutOptions
{
    Q_DECLARE_TR_FUNCTIONS(CliLutOptions)
};
}  // namespace

const SCliOption kLutOptions[4] = {
    {"lut", QT_TRANSLATE_NOOP("CliHelp", "DATEI"),
     QT_TRANSLATE_NOOP("CliHelp", "eine 3D-LUT (eine Cube-Datei oder jede Datei, die lut import liest), zuletzt angewandt"),
     ECliValue::eINPUT},
    {"lut-param,param", QT_TRANSLATE_NOOP("CliHelp", "NAME=WERT"),
     QT_TRANSLATE_NOOP("CliHelp", "ein LUT-Regler von 0 bis 1 (wiederholbar): intensity, brightness, contrast, saturation, "
                                  "balance-shadows, balance-lights, balance-red, balance-green, balance-blue, "
                                  "protect-lights, protect-shadows, protect-saturation, protect-skin, protect-sky")},
    {"lut-mode,mode", "M", QT_TRANSLATE_NOOP("CliHelp", "der Ebenenmodus der LUT (0-47, 50-58, 60-68; 0 normal)")},
    {"interp", "trilinear|tetrahedral",
     QT_TRANSLATE_NOOP("CliHelp", "wie die LUT zwischen ihren Punkten nachgeschlagen wird (Vorgabe trilinear)")},
};

bool ReadLut(CCliArguments& args, const QString& path, CLutState& lut)
{
    if (!QFileInfo(path).isFile())
        return args.Fail(CliLutOptions::tr("LUT '%1' kann nicht gelesen werden: keine Datei").arg(path));
    const CLutImport::SResult result = CLutImport::Load(lut, path, nullptr);
    if (!result.bOk)
        return args.Fail(CliLutOptions::tr("LUT '%1' kann nicht gelesen werden: %2").arg(path, result.sError));
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
            return args.Fail(CliLutOptions::tr("ungültiger LUT-Parameter '%1' (erwartet: NAME=WERT mit NAME aus %2)")
                                 .arg(text, names.join(", ")));
        }
        bool ok = false;
        const float value = number.toFloat(&ok);
        if (!ok || !std::isfinite(value) || value < 0.f || value > 1.f)
            return args.Fail(CliLutOptions::tr("ungültiger Wert in '%1' (erwartet: eine Zahl von 0 bis 1)").arg(text));
        parameters[index] = value;
    }
    return true;
}

bool ReadLutOptions(CCliArguments& args, CLutState& lut)
{
    if (!args.IsSet("lut"))
        return !(args.IsSet("lut-param") || args.IsSet("lut-mode") || args.IsSet("interp")) ||
               args.Fail(CliLutOptions::tr("--lut-param, --lut-mode und --interp brauchen --lut"));
    LutParameters parameters = LutParameters::Defaults();
    if (!ReadLut(args, args.Value("lut"), lut) || !ReadLutParameters(args, parameters))
        return false;
    lut.SetParameters(parameters);
    if (args.IsSet("lut-mode"))
    {
        bool ok = false;
        const int mode = args.Value("lut-mode").toInt(&ok);
        if (!ok || !LayerBlend::IsKnownMode(mode))
            return args.Fail(CliLutOptions::tr("ungültiger Ebenenmodus '%1' (0-47, 50-58, 60-68)").arg(args.Value("lut-mode")));
        lut.SetLayerMode(mode);
    }
    int interpolation = 0;
    if (!args.Choice("interp", {"trilinear", "tetrahedral"}, interpolation))
        return false;
    lut.SetInterpolation(interpolation == 1 ? eLI_TETRAHEDRAL : eLI_TRILINEAR);
    lut.SetActive(true);
    return true;
}
