#include "engine/colourmodule/ColorLayers.h"

#include "core/AppLog.h"
#include "core/AtomicFile.h"
#include "core/ColourSpace.h"
#include "core/IUserPrompt.h"
#include "core/IniSource.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <cmath>
#include <cstdio>

using Helper::AppLog;

namespace
{
float Clamp(float v, float lo, float hi)
{
    return v < lo ? lo : (v > hi ? hi : v);
}

/// 0..1, with anything not a finite number taken as `fallback`.
float Unit(float v, float fallback)
{
    return std::isfinite(v) ? Clamp(v, 0.f, 1.f) : fallback;
}

// The keys of a layer group, in the order of the record; the file stores each under its field name.
struct SBoolKey
{
    const char* name;
    bool SColorLayerData::*field;
};
struct SPointKey
{
    const char* name;
    QPointF SColorLayerData::*field;
};
struct SFloatKey
{
    const char* name;
    float SColorLayerData::*field;
};

#define LAYER_KEY(field) {#field, &SColorLayerData::field}
const SBoolKey kBoolKeys[] = {
    LAYER_KEY(m_bActive),         LAYER_KEY(m_bSrcFirstSet),      LAYER_KEY(m_bDstFirstSet),
    LAYER_KEY(m_bShowModifiedMask), LAYER_KEY(m_bShowSrcBaseCtrls), LAYER_KEY(m_bInverted),
};
const SPointKey kPointKeys[] = {LAYER_KEY(m_pntSrcImagePosRel), LAYER_KEY(m_pntDstImagePosRel)};
const SFloatKey kFloatKeys[] = {
    LAYER_KEY(m_fSrcHue),      LAYER_KEY(m_fSrcHueMin),      LAYER_KEY(m_fSrcHueMax),     LAYER_KEY(m_fSrcHueReset),
    LAYER_KEY(m_fSrcSat),      LAYER_KEY(m_fSrcSatMin),      LAYER_KEY(m_fSrcSatMax),     LAYER_KEY(m_fSrcSatReset),
    LAYER_KEY(m_fSrcVal),      LAYER_KEY(m_fSrcValReset),    LAYER_KEY(m_fSrcSoftness),   LAYER_KEY(m_fDstHue),
    LAYER_KEY(m_fDstHueReset), LAYER_KEY(m_fDstSat),         LAYER_KEY(m_fDstSatReset),   LAYER_KEY(m_fDstVal),
    LAYER_KEY(m_fDstValReset), LAYER_KEY(m_fDstSatContrast), LAYER_KEY(m_fDstValContrast),
};
#undef LAYER_KEY
static_assert(std::size(kBoolKeys) + std::size(kPointKeys) + std::size(kFloatKeys) == 27);

/// A boolean as written ("true"/"false") or as a number 0/1; anything else keeps `fallback`.
bool ReadBool(const QVariant& v, bool fallback)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    const QString text = v.toString().trimmed().toLower();
    if (text == "true" || text == "1")
        return true;
    if (text == "false" || text == "0")
        return false;
    return fallback;
}

float ReadFloat(const QVariant& v, float fallback)
{
    bool ok = false;
    const float f = v.toString().toFloat(&ok);
    return ok && std::isfinite(f) ? f : fallback;
}

/// A relative position: both coordinates finite, else `fallback`.
QPointF ReadPoint(const QVariant& v, QPointF fallback)
{
    if (!v.canConvert<QPointF>())
        return fallback;
    const QPointF p = v.toPointF();
    return std::isfinite(p.x()) && std::isfinite(p.y()) ? p : fallback;
}
}  // namespace

// ---------------------------------------------------------------------------------------------

SColorLayerData SColorLayerData::NewLayer()
{
    SColorLayerData d;
    d.SetSourceFromColour(1.f, 0.f, 0.f);
    d.m_fSrcHueReset = d.m_fDstHue = d.m_fDstHueReset = d.m_fSrcHue;
    d.m_fSrcSatReset = d.m_fDstSat = d.m_fDstSatReset = d.m_fSrcSat;
    d.m_fSrcValReset = d.m_fDstVal = d.m_fDstValReset = d.m_fSrcVal;
    return d;
}

void SColorLayerData::SetSourceFromColour(float r, float g, float b)
{
    const Colour::SComponents hsv = Colour::RgbToHsv(Unit(r, 0.f), Unit(g, 0.f), Unit(b, 0.f));
    const float h = Unit(hsv.f0, 0.f), s = Unit(hsv.f1, 0.f), v = Unit(hsv.f2, 0.f);
    m_fSrcHue = h;
    m_fSrcSat = s;
    m_fSrcVal = v;
    m_fSrcHueMin = ColorModule::WrapHue(h - 0.05f);
    m_fSrcHueMax = ColorModule::WrapHue(h + 0.05f);
    m_fSrcSatMin = Clamp(s - 0.2f, 0.1f, 1.f);
    m_fSrcSatMax = Clamp(s + 0.2f, 0.1f, 1.f);
    m_fSrcHue = m_fSrcHueMax >= m_fSrcHueMin ? (m_fSrcHueMin + m_fSrcHueMax) / 2.f
                                             : ColorModule::WrapHue((m_fSrcHueMax + 1.f + m_fSrcHueMin) / 2.f);
    m_fSrcSat = (m_fSrcSatMin + m_fSrcSatMax) / 2.f;
}

void SColorLayerData::SetDestinationFromColour(float r, float g, float b)
{
    const Colour::SComponents hsv = Colour::RgbToHsv(Unit(r, 0.f), Unit(g, 0.f), Unit(b, 0.f));
    m_fDstHue = Unit(hsv.f0, 0.f);
    m_fDstSat = Unit(hsv.f1, 0.f);
}

void SColorLayerData::Sanitize()
{
    static const SColorLayerData fresh = NewLayer();
    for (const SFloatKey& key : kFloatKeys)
        this->*key.field = Unit(this->*key.field, fresh.*key.field);
    for (const SPointKey& key : kPointKeys)
    {
        QPointF& p = this->*key.field;
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            p = fresh.*key.field;
    }
}

namespace ColorModule
{
float WrapHue(float h)
{
    if (!std::isfinite(h))
        return 0.f;
    h -= std::floor(h);
    return h >= 1.f ? 0.f : h;
}

void CColorLayer::SetSrcResetValues()
{
    AppLog("ColorModule::CColorLayer::SetSrcResetValues()");
    m_data.m_fSrcHueReset = Unit(m_data.m_fSrcHue, 0.f);
    m_data.m_fSrcSatReset = Unit(m_data.m_fSrcSat, 0.f);
    m_data.m_fSrcValReset = Unit(m_data.m_fSrcVal, 0.f);
}

void CColorLayer::SetDstResetValues()
{
    AppLog("ColorModule::CColorLayer::SetDstResetValues()");
    m_data.m_fDstHueReset = Unit(m_data.m_fDstHue, 0.f);
    m_data.m_fDstSatReset = Unit(m_data.m_fDstSat, 0.f);
    m_data.m_fDstValReset = Unit(m_data.m_fDstVal, 0.f);
}

// ---------------------------------------------------------------------------------------------

void CColorControls::Renumber()
{
    for (size_t i = 0; i < m_layers.size(); ++i)
        m_layers[i]->SetIndex(int(i));
}

bool CColorControls::Confirm(IUserPrompt& prompt, const QString& title, const QString& text) const
{
    return !m_bConfirm || prompt.Question(title, text) == IUserPrompt::eYes;
}

bool CColorControls::AddLayer()
{
    if (Count() >= kMaxLayers)
        return false;
    m_layers.push_back(std::make_unique<CColorLayer>());
    Renumber();
    return true;
}

bool CColorControls::RemoveLayer(int i, IUserPrompt& prompt)
{
    if (i < 0 || i >= Count() ||
        !Confirm(prompt, tr("Layer löschen"), tr("Soll dieser Layer wirklich gelöscht werden?")))
        return false;
    m_layers.erase(m_layers.begin() + i);
    Renumber();
    return true;
}

bool CColorControls::MoveUp(int i)
{
    if (i < 1 || i >= Count())
        return false;
    std::swap(m_layers[size_t(i)], m_layers[size_t(i - 1)]);
    Renumber();
    return true;
}

bool CColorControls::MoveDown(int i)
{
    if (i < 0 || i + 1 >= Count())
        return false;
    return MoveUp(i + 1);
}

void CColorControls::CopyLayer(int i)
{
    if (i >= 0 && i < Count())
        m_copied = Layer(i).Data();
}

bool CColorControls::PasteLayer(int i, IUserPrompt& prompt)
{
    if (i < 0 || i >= Count() || !m_copied ||
        !Confirm(prompt, tr("Layer kopieren"), tr("Soll dieser Layer wirklich durch die kopierten Daten ersetzt werden?")))
        return false;
    Layer(i).Data() = *m_copied;
    return true;
}

bool CColorControls::CopySourceToDestination(int i, IUserPrompt& prompt)
{
    if (i < 0 || i >= Count() ||
        !Confirm(prompt, tr("Quell Farbe kopieren"), tr("Soll die Quell Farbe wirklich ins Ziel kopiert werden?")))
        return false;
    SColorLayerData& d = Layer(i).Data();
    d.m_fDstHue = d.m_fSrcHue;
    d.m_fDstSat = d.m_fSrcSat;
    d.m_fDstVal = d.m_fSrcVal;
    return true;
}

bool CColorControls::ResetColours(int i, IUserPrompt& prompt)
{
    if (i < 0 || i >= Count() ||
        !Confirm(prompt, tr("Farbeinstellungen zurücksetzen"),
                 tr("Sollen die Farbeinstellungen wirklich zurückgesetzt werden?")))
        return false;
    SColorLayerData& d = Layer(i).Data();
    // The source ranges come back around the reset colour as a pick of it would set them.
    float r, g, b;
    Colour::HsvToRgb({d.m_fSrcHueReset, d.m_fSrcSatReset, d.m_fSrcValReset}, r, g, b);
    d.SetSourceFromColour(r, g, b);
    d.m_fDstHue = d.m_fDstHueReset;
    d.m_fDstSat = d.m_fDstSatReset;
    d.m_fDstVal = d.m_fDstValReset;
    d.m_fSrcSoftness = 0.5f;
    d.m_fDstSatContrast = d.m_fDstValContrast = 0.5f;
    return true;
}

void CColorControls::RemoveAll()
{
    m_layers.clear();
}

void CColorControls::StartPicking(int i, bool source)
{
    for (auto& layer : m_layers)
        layer->m_bPickingSrc = layer->m_bPickingDst = false;
    if (i < 0 || i >= Count())
        return;
    (source ? Layer(i).m_bPickingSrc : Layer(i).m_bPickingDst) = true;
}

int CColorControls::PickingLayer(bool* source) const
{
    for (const auto& layer : m_layers)
        if (layer->m_bPickingSrc || layer->m_bPickingDst)
        {
            if (source)
                *source = layer->m_bPickingSrc;
            return layer->Index();
        }
    return -1;
}

bool CColorControls::ColourPicked(float r, float g, float b, QPointF positionRel)
{
    bool source = false;
    const int i = PickingLayer(&source);
    if (i < 0)
        return false;
    SColorLayerData& d = Layer(i).Data();
    if (!std::isfinite(positionRel.x()) || !std::isfinite(positionRel.y()))
        positionRel = QPointF(-1.0, -1.0);
    if (source)
    {
        d.SetSourceFromColour(r, g, b);
        d.m_pntSrcImagePosRel = positionRel;
    }
    else
    {
        d.SetDestinationFromColour(r, g, b);
        d.m_pntDstImagePosRel = positionRel;
    }
    StartPicking(-1, true);
    return true;
}

void CColorControls::OnAbort()
{
    AppLog("CColorModule;:OnAbort()");
    StartPicking(-1, true);
}

void CColorControls::ShowMask(int i, bool on)
{
    for (int k = 0; k < Count(); ++k)
        if (k == i)
            Layer(k).Data().m_bShowModifiedMask = on;
        else if (on)
            Layer(k).Data().m_bShowModifiedMask = false;
}

int CColorControls::MaskLayer() const
{
    for (const auto& layer : m_layers)
        if (layer->MaskShown())
            return layer->Index();
    return -1;
}

// ---------------------------------------------------------------------------------------------

void CColorControls::tSave(QSettings& settings) const
{
    AppLog("ColorModule::CColorControls::tSave()");
    settings.setValue("VersionMajor", 1);
    settings.setValue("VersionMinor", 0);
    settings.setValue("Layer", Count());
    for (const auto& layer : m_layers)
    {
        if (layer->Index() < 0)
            continue;
        const SColorLayerData& d = layer->Data();
        settings.beginGroup(QStringLiteral("Layer%1").arg(layer->Index()));
        for (const SBoolKey& key : kBoolKeys)
            settings.setValue(key.name, d.*key.field);
        for (const SPointKey& key : kPointKeys)
            settings.setValue(key.name, d.*key.field);
        for (const SFloatKey& key : kFloatKeys)
            settings.setValue(key.name, double(d.*key.field));
        settings.endGroup();
    }
}

bool CColorControls::tLoad(QSettings& settings)
{
    AppLog("ColorModule::CColorControls::tLoad()");
    bool ok = false;
    const int major = settings.value("VersionMajor", -1).toString().toInt(&ok);
    if (!ok || major != 1)
        return false;
    RemoveAll();
    m_copied.reset();
    // The count comes from the file; only up to the list's limit is ever looked at.
    const qlonglong wanted = settings.value("Layer", 0).toString().toLongLong(&ok);
    const int count = ok ? int(std::clamp<qlonglong>(wanted, 0, kMaxLayers + 1)) : 0;
    for (int n = 0; n < count; ++n)
    {
        if (!AddLayer())
            break;
        CColorLayer& layer = *m_layers.back();
        SColorLayerData& d = layer.Data();
        settings.beginGroup(QStringLiteral("Layer%1").arg(layer.Index()));
        for (const SBoolKey& key : kBoolKeys)
            d.*key.field = ReadBool(settings.value(key.name), d.*key.field);
        for (const SPointKey& key : kPointKeys)
            d.*key.field = ReadPoint(settings.value(key.name), d.*key.field);
        for (const SFloatKey& key : kFloatKeys)
            d.*key.field = ReadFloat(settings.value(key.name), d.*key.field);
        settings.endGroup();
        d.Sanitize();
    }
    return true;
}

bool CColorControls::SaveFile(const QString& path, QString* error) const
{
    QString reason;
    const bool saved = AtomicFile::WriteSettings(
        path,
        [this](QSettings& settings) {
            settings.clear();
            tSave(settings);
        },
        &reason);
    if (!saved && error)
        *error = tr("Die Datei %1 kann nicht geschrieben werden: %2").arg(path, reason);
    return saved;
}

bool CColorControls::LoadFile(const QString& path, QString* error)
{
    // Six layers of 27 keys take a few kilobytes.
    constexpr qint64 kMaxFileBytes = 1 << 20;
    const CIniSource source(path, kMaxFileBytes);
    QString problem;
    if (source.Problem() == CIniSource::eUNREADABLE)
        problem = tr("Die Datei %1 kann nicht gelesen werden.").arg(path);
    else if (source.Problem() == CIniSource::eTOO_LARGE)
        problem = tr("Die Datei %1 ist mit %2 Bytes zu groß für eine Layer-Datei (höchstens %3).")
                      .arg(path).arg(source.Size()).arg(kMaxFileBytes);
    else
    {
        QSettings settings(source.Path(), QSettings::IniFormat);
        if (tLoad(settings))
            return true;
        problem = tr("Die Datei %1 ist keine Layer-Datei der Version 1.").arg(path);
    }
    if (error)
        *error = problem;
    return false;
}

bool CColorControls::SaveWithDialog(IUserPrompt& prompt, QSettings& appSettings) const
{
    QString start = appSettings.value("lastDialogPath").toString();
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::homePath();
    QString path = prompt.SaveFile(tr("Layer speichern"), start + "/" + tr("Meine Layer"),
                                   QStringLiteral("*.%1").arg(kExtension));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".%1").arg(kExtension);
    appSettings.setValue("lastDialogPath", QFileInfo(path).absolutePath());
    QString error;
    if (!SaveFile(path, &error))
    {
        prompt.Warning(tr("Layer speichern"), error);
        return false;
    }
    return true;
}

bool CColorControls::LoadWithDialog(IUserPrompt& prompt, QSettings& appSettings)
{
    if (Count() > 0 &&
        prompt.Question(tr("Layer laden"), tr("Sollen bestehende Layer wirklich überschrieben werden?")) != IUserPrompt::eYes)
        return false;
    QString start = appSettings.value("lastDialogPath").toString();
    if (start.isEmpty() || !QFileInfo(start).isDir())
        start = QDir::homePath();
    const QString path = prompt.OpenFile(tr("Layer einladen"), start, tr("Layer (*.%1)").arg(kExtension));
    if (path.isEmpty())
        return false;
    return LoadFile(path);
}
}  // namespace ColorModule
