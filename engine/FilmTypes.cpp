#include "engine/FilmTypes.h"

#include "core/AppLog.h"
#include "engine/EngineSettings.h"
#include "engine/KernelRegistry.h"
#include "engine/PostProcessing.h"
#include "engine/RunKernel.h"

#include <QFile>
#include <QSettings>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

const char* const g_aFilmTypeKeys[eFT_COUNT] = {
    "gradation", "brightness", "contrast", "denoisesharp", "saturation", "temperature",
    "grainstrength", "grainsize", "pal_red", "pal_ora", "pal_yel", "pal_grn", "pal_cya", "pal_blu",
    "pal_pur", "pal_mag", "infrared", "colorize_i", "colorize_r", "colorize_g", "colorize_b",
    "aura", "vignette", "blackpoint", "whitepoint"};

namespace
{
// Value of a film type that lacks an attribute: the neutral look.
const float kNeutralValues[eFT_COUNT] = {0.0f, 0.5f, 0.5f, 0.0f, 0.5f, 0.36f, 0.0f, 0.3f,
                                         0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f,
                                         0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.0f};

float Finite(float v, float fallback)
{
    return std::isfinite(v) ? v : fallback;
}
}  // namespace

bool MP_ReadFilmTypes(QIODevice& device, QVector<SFilmType>& types, QString* error)
{
    types.clear();
    QXmlStreamReader xml(&device);
    QVector<SFilmType> read;
    while (!xml.atEnd())
    {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("filmtype"))
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        SFilmType type;
        type.sName = a.value("name").toString();
        type.bVisible = a.value("visible").toString() != QLatin1String("0");
        for (int i = 0; i < eFT_COUNT; ++i)
        {
            bool ok = false;
            const float v = a.value(QLatin1String(g_aFilmTypeKeys[i])).toFloat(&ok);
            type.afValue[i] = ok ? Finite(v, kNeutralValues[i]) : kNeutralValues[i];
        }
        read.append(type);
    }
    if (xml.hasError())
    {
        const QString line = QStringLiteral("ERROR in filmtypes.xml: %1 at line %2 column %3")
                                 .arg(xml.errorString())
                                 .arg(xml.lineNumber())
                                 .arg(xml.columnNumber());
        Helper::AppLog(line);
        if (error)
            *error = line;
        return false;
    }
    types = read;
    return true;
}

void MP_ScaleFilmType(const SFilmType& type, float intensity, float* x)
{
    const float s = intensity;
    for (int i = 0; i < eFT_COUNT; ++i)
        x[i] = type.afValue[i];
    for (int i : {eFT_GRADATION, eFT_DENOISESHARP, eFT_INFRARED, eFT_COLORIZE_I, eFT_AURA, eFT_VIGNETTE})
        x[i] = s * type.afValue[i];
    for (int i : {eFT_BRIGHTNESS, eFT_CONTRAST, eFT_SATURATION})
        x[i] = s * type.afValue[i] + (1.0f - s) * 0.5f;
    x[eFT_TEMPERATURE] = s * type.afValue[eFT_TEMPERATURE] + (1.0f - s) * 0.36f;
    for (int i = eFT_PAL_RED; i <= eFT_PAL_MAG; ++i)
    {
        const float d = s * (type.afValue[i] - 0.5f);
        x[i] = 0.5f + (d < 0.0f ? -1.0f : 1.0f) * std::pow(std::fabs(d), 0.75f);
    }
}

namespace
{
void FlatCurve(float* set)
{
    const float v[12] = {0.0f, 1.0f, 0.2f, 1.0f, 0.4f, 1.0f, 0.6f, 1.0f, 0.8f, 1.0f, 1.0f, 1.0f};
    std::memcpy(set, v, sizeof(v));
}

void Combo(float* set)
{
    set[0] = 0.0f;
    set[1] = 100.0f;
}

bool Off(float v, float neutral)
{
    return std::fabs(v - neutral) >= 0.001f;
}
}  // namespace

void MP_RunFilmTypePass(CEngineContext& engine, const SFilmType& type, float intensity, float grain,
                        uint16_t* image, int width, int height, float previewScale, QStringList* leftOut)
{
    if (!image || width < 1 || height < 1)
        return;
    float x[eFT_COUNT];
    MP_ScaleFilmType(type, intensity, x);
    auto params = std::make_unique<Params>();
    auto run = [&](const char* kernel, auto&& fill) {
        if (leftOut && !MP_IsColourTransform(kernel))
        {
            *leftOut << QLatin1String(kernel);
            return;
        }
        std::memset(params.get(), 0, sizeof(Params));
        MP_FillChainHeader(engine, *params, previewScale);
        fill(*params);
        RunKernel(kernel, width, height, image, image, 6, 6, params.get(), -1, 0.0f, 0.0f, true, true);
    };
    const float i = x[eFT_INFRARED];
    if (i > 0.005f)
        run("MP_calcPixelHueExpose", [&](Params& p) {
            p.p[0][0] = (1.0f - i) / 2.0f;
            p.p[1][0] = 0.5f - 0.1f * i;
            p.p[2][0] = 0.5f + 0.5f * i;
            p.p[3][0] = 0.5f - 0.4f * i;
            p.p[4][0] = p.p[5][0] = (1.0f - i) / 2.0f;
            Combo(p.p[6]);
        });
    bool palette = false;
    for (int k = eFT_PAL_RED; k <= eFT_PAL_MAG; ++k)
        palette = palette || Off(x[k], 0.5f);
    if (palette)
        run("MP_calcPixelColorPalette", [&](Params& p) {
            for (int k = 0; k < 8; ++k)
                p.p[k][0] = x[eFT_PAL_RED + k];
            Combo(p.p[8]);
        });
    if (std::fabs(x[eFT_COLORIZE_I]) >= 0.001f)
        run("MP_calcPixelColorMix", [&](Params& p) {
            p.p[0][0] = x[eFT_COLORIZE_I];
            p.p[1][2] = x[eFT_COLORIZE_R], p.p[1][3] = x[eFT_COLORIZE_G], p.p[1][4] = x[eFT_COLORIZE_B];
            Combo(p.p[2]);
        });
    if (std::fabs(x[eFT_VIGNETTE]) >= 0.001f)
        run("MP_calcPixelVignette", [&](Params& p) {
            p.p[0][0] = 0.5f + x[eFT_VIGNETTE] / 2.0f;
            p.p[1][0] = 0.1f;
            p.p[2][0] = 1.0f;
            p.p[3][0] = 0.5f, p.p[3][1] = 0.5f;
            p.p[4][2] = p.p[4][3] = p.p[4][4] = 1.0f;
            Combo(p.p[5]);
        });
    const float g = x[eFT_GRADATION];
    if (std::fabs(g) >= 0.001f)
        run("MP_calcPixelGradationLagrange", [&](Params& p) {
            const float curve[12] = {0.0f, 0.0f, 0.2f, 0.2f - g, 0.4f, 0.4f - g / 2.0f,
                                     0.6f, 0.6f + g / 2.0f, 0.8f, 0.8f + g, 1.0f, 1.0f};
            std::memcpy(p.p[0], curve, sizeof(curve));
            Combo(p.p[1]);
        });
    if (Off(x[eFT_BRIGHTNESS], 0.5f) || Off(x[eFT_CONTRAST], 0.5f))
        run("MP_calcPixelBasicTools", [&](Params& p) {
            p.p[0][0] = x[eFT_BRIGHTNESS];
            p.p[1][0] = x[eFT_CONTRAST];
            p.p[2][0] = 0.5f;
            FlatCurve(p.p[3]);
            Combo(p.p[4]);
        });
    const float ds = x[eFT_DENOISESHARP];
    if (ds <= -0.001f)
        run("MP_calcPixelDeNoiseAverage", [&](Params& p) {
            p.p[0][0] = -ds;
            FlatCurve(p.p[1]);
            Combo(p.p[2]);
        });
    if (ds >= 0.001f)
        run("MP_calcPixelSharpen", [&](Params& p) {
            p.p[0][0] = ds;
            FlatCurve(p.p[1]);
            Combo(p.p[2]);
        });
    if (Off(x[eFT_SATURATION], 0.5f))
        run("MP_calcPixelColorIntensity", [&](Params& p) {
            p.p[0][0] = x[eFT_SATURATION];
            FlatCurve(p.p[1]);
            Combo(p.p[2]);
        });
    if (Off(x[eFT_TEMPERATURE], 0.36f))
        run("MP_calcPixelColorTemperature", [&](Params& p) {
            p.p[0][0] = x[eFT_TEMPERATURE];
            FlatCurve(p.p[1]);
            Combo(p.p[2]);
        });
    if (std::fabs(grain) >= 0.001f)
        run("MP_calcPixelAddGrain", [&](Params& p) {
            p.p[0][0] = grain;
            p.p[1][0] = x[eFT_GRAINSIZE];
            const float curve[12] = {0.0f, 1.0f, 0.2f, 0.8f, 0.4f, 0.65f, 0.6f, 0.52f, 0.8f, 0.41f, 1.0f, 0.31f};
            std::memcpy(p.p[2], curve, sizeof(curve));
            Combo(p.p[3]);
        });
    if (std::fabs(x[eFT_AURA]) >= 0.001f)
        run("MP_calcPixelGaussAura", [&](Params& p) {
            p.p[0][0] = 0.2f;
            p.p[1][0] = x[eFT_AURA];
            p.p[2][0] = x[eFT_AURA] * 0.25f;
            Combo(p.p[3]);
        });
    if (std::fabs(x[eFT_BLACKPOINT]) >= 0.001f || std::fabs(x[eFT_WHITEPOINT] - 1.0f) >= 0.001f)
        run("MP_calcPixelmanualbwpoint", [&](Params& p) {
            p.p[0][0] = x[eFT_BLACKPOINT];
            p.p[1][0] = x[eFT_WHITEPOINT];
            Combo(p.p[2]);
        });
}

QString CFilmTypeModel::DefaultPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/filmtypes_vantrope.xml");
}

bool CFilmTypeModel::Load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
    {
        if (error)
            *error = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    return Read(file, error);
}

bool CFilmTypeModel::Read(QIODevice& device, QString* error)
{
    QVector<SFilmType> types;
    const bool ok = MP_ReadFilmTypes(device, types, error);
    m_types = types;
    SetIndex(m_iIndex);
    return ok;
}

int CFilmTypeModel::FindByName(const QString& name) const
{
    for (int i = 0; i < m_types.size(); ++i)
        if (m_types[i].sName.compare(name, Qt::CaseInsensitive) == 0 ||
            tr(m_types[i].sName.toUtf8().constData()).compare(name, Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}

void CFilmTypeModel::SetIndex(int index)
{
    m_iIndex = index >= 0 && index <= m_types.size() ? index : 0;
}

void CFilmTypeModel::SetIntensity(float s)
{
    m_fIntensity = std::isfinite(s) ? std::clamp(s, 0.0f, 1.0f) : 1.0f;
}

void CFilmTypeModel::SetGraining(float g)
{
    m_fGraining = std::isfinite(g) ? std::clamp(g, 0.0f, 1.0f) : 0.0f;
}

const SFilmType* CFilmTypeModel::Selected() const
{
    return m_iIndex >= 1 && m_iIndex <= m_types.size() ? &m_types[m_iIndex - 1] : nullptr;
}

void CFilmTypeModel::SaveState(QSettings& settings) const
{
    settings.setValue("PostProcessingDock/FilmTyp", m_iIndex);
    settings.setValue("PostProcessingDock/FilmTypPrePost", int(m_ePosition));
    settings.setValue("PostProcessingDock/FilmTypIntensitySlider", double(m_fIntensity));
    settings.setValue("PostProcessingDock/FilmTypGrainingSlider", double(m_fGraining));
}

void CFilmTypeModel::LoadState(QSettings& settings)
{
    SetIndex(settings.value("PostProcessingDock/FilmTyp", 0).toInt());
    m_ePosition = settings.value("PostProcessingDock/FilmTypPrePost", int(ePOST)).toInt() == int(ePRE) ? ePRE : ePOST;
    SetIntensity(settings.value("PostProcessingDock/FilmTypIntensitySlider", 1.0).toFloat());
    SetGraining(settings.value("PostProcessingDock/FilmTypGrainingSlider", 0.0).toFloat());
}
