// vantrope-cli grade: a still image through the grading session — preset chain, film type and
// LUT — at full size. Every failure is one line on standard error and nothing is written.
#include "cli/Command.h"
#include "core/LayerBlend.h"
#include "core/StillImage.h"
#include "session/GradingSession.h"

#include <QFileInfo>

#include <cmath>
#include <memory>

namespace
{
struct SGradeOptions
{
    QStringList positional;
    QMap<QString, QString> values;
    QStringList lutParams;
};

const QStringList kKeys = {"preset", "lut", "lut-param", "lut-mode", "film-type", "film-intensity", "film-grain",
                           "film-position"};

bool Parse(const QStringList& args, SGradeOptions& o, QString& error)
{
    for (int i = 0; i < args.size(); ++i)
    {
        if (!args[i].startsWith("--"))
        {
            o.positional << args[i];
            continue;
        }
        const QString key = args[i].mid(2);
        if (!kKeys.contains(key))
            return error = QStringLiteral("unknown option %1").arg(args[i]), false;
        if (i + 1 >= args.size())
            return error = QStringLiteral("option %1 needs a value").arg(args[i]), false;
        if (key == "lut-param")
            o.lutParams << args[++i];
        else
            o.values.insert(key, args[++i]);
    }
    if (o.positional.size() != 2)
        return error = "grade needs an input and an output image", false;
    return true;
}

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
}  // namespace

int RunGrade(const QStringList& args)
{
    SGradeOptions options;
    QString error;
    if (!Parse(args, options, error))
    {
        CliError(error);
        return 2;
    }
    const QString input = options.positional[0], output = options.positional[1];
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
    if (!SetUpLut(session->Lut(), options, error) || !SetUpFilmType(session->FilmTypes(), options, error))
    {
        CliError(error);
        return 1;
    }
    Helper::CRGB48Buffer image;
    if (!StillImage::Load(input, image, error))
    {
        CliError(QStringLiteral("cannot read image '%1': %2").arg(input, error));
        return 1;
    }
    if (!session->SetSource(image.GetData(), image.Width(), image.Height()) || !session->Grade())
    {
        CliError(QStringLiteral("cannot grade '%1': not enough memory").arg(input));
        return 1;
    }
    Helper::CRGB48Buffer& result = const_cast<Helper::CRGB48Buffer&>(session->Result());
    if (!StillImage::Save(output, result.GetData(), result.Width(), result.Height(), error))
    {
        CliError(QStringLiteral("cannot write image '%1': %2").arg(output, error));
        return 1;
    }
    return 0;
}
