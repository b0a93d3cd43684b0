#include "session/LutPanelModel.h"

#include "engine/LayerModes.h"

#include <QSettings>

#include <algorithm>
#include <cmath>

namespace
{
QString Key(const char* member)
{
    return QStringLiteral("PostProcessingDock/") + QLatin1String(member);
}

const char* const kActiveKey = "m_pLUTActiveButton";
const char* const kLayerKey = "m_pLUTLayerComboBox";
const char* const kTetrahedralKey = "m_pLUTTetrahedralCheckBox";
const char* const kSizeKeys[4] = {"m_pLUTSize17Button", "m_pLUTSize25Button", "m_pLUTSize32Button", "m_pLUTSize64Button"};
const int kSizes[4] = {17, 25, 32, 64};
}  // namespace

const std::array<SLutGroupInfo, CLutPanelModel::kGroups>& CLutPanelModel::Groups()
{
    static const std::array<SLutGroupInfo, kGroups> groups{{
        {eLPG_PARAMETER, eLP_INTENSITY, eLP_SATURATION, "m_pLUTParameterButton",
         QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT parameter Areas"), "LUTResetParameter"},
        {eLPG_BALANCE, eLP_BALANCE_SHADOWS, eLP_BALANCE_BLUE, "m_pLUTBalanceButton",
         QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT balance Areas"), "LUTResetBalance"},
        {eLPG_PROTECT, eLP_PROTECT_LIGHTS, eLP_PROTECT_SKY, "m_pLUTProtectButton",
         QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT protect Areas"), "LUTResetProtect"},
    }};
    return groups;
}

bool CLutPanelModel::ResetEnabled(ELutParameterGroup group) const
{
    const SLutGroupInfo& g = Groups()[size_t(group)];
    const auto table = LutParameterTable();
    for (int i = g.iFirst; i <= g.iLast; ++i)
        if (std::fabs(m_lut.Parameters()[i] - table[size_t(i)].fDefault) >= kResetTolerance)
            return true;
    return false;
}

void CLutPanelModel::SetSliderValue(ELutParameter which, int sliderValue)
{
    const SLutParameterInfo& info = LutParameterTable()[size_t(which)];
    const int v = std::clamp(sliderValue, info.iMinimum, info.iMaximum);
    m_lut.SetParameter(which, float(v - info.iMinimum) / float(info.iMaximum - info.iMinimum));
}

int CLutPanelModel::SliderValue(ELutParameter which) const
{
    const SLutParameterInfo& info = LutParameterTable()[size_t(which)];
    const float p = std::clamp(m_lut.Parameters()[which], 0.0f, 1.0f);
    return info.iMinimum + int(std::lround(p * float(info.iMaximum - info.iMinimum)));
}

void CLutPanelModel::SaveState(QSettings& settings) const
{
    settings.setValue(Key(kActiveKey), m_lut.IsActive());
    settings.setValue(Key(kLayerKey), std::max(0, LayerModes::IndexOf(m_lut.LayerMode())));
    settings.setValue(Key(kTetrahedralKey), m_lut.Interpolation() == eLI_TETRAHEDRAL);
    for (int i = 0; i < 4; ++i)
        settings.setValue(Key(kSizeKeys[i]), m_lut.ChosenSize() == kSizes[i]);
    for (const SLutGroupInfo& g : Groups())
        settings.setValue(Key(g.pszButton), IsExpanded(g.eGroup));
    const auto table = LutParameterTable();
    for (int i = 0; i < eLP_COUNT; ++i)
        settings.setValue(Key(table[size_t(i)].pszSlider), double(m_lut.Parameters()[i]));
}

void CLutPanelModel::LoadState(QSettings& settings)
{
    if (settings.contains(Key(kActiveKey)))
        m_lut.SetActive(settings.value(Key(kActiveKey)).toBool());
    if (settings.contains(Key(kLayerKey)))
    {
        const int index = settings.value(Key(kLayerKey)).toInt();
        const auto& list = LayerModes::List();
        m_lut.SetLayerMode(index >= 0 && index < list.size() ? list[index].iMode : 0);
    }
    if (settings.contains(Key(kTetrahedralKey)))
        m_lut.SetInterpolation(settings.value(Key(kTetrahedralKey)).toBool() ? eLI_TETRAHEDRAL : eLI_TRILINEAR);
    bool sizes[4] = {};
    bool anySize = false;
    for (int i = 0; i < 4; ++i)
        if (settings.contains(Key(kSizeKeys[i])))
        {
            anySize = true;
            sizes[i] = settings.value(Key(kSizeKeys[i])).toBool();
        }
    if (anySize)
        m_lut.SetChosenSizeButtons(sizes[1], sizes[2], sizes[3]);
    for (const SLutGroupInfo& g : Groups())
        if (settings.contains(Key(g.pszButton)))
            SetExpanded(g.eGroup, settings.value(Key(g.pszButton)).toBool());
    const auto table = LutParameterTable();
    for (int i = 0; i < eLP_COUNT; ++i)
    {
        const QString key = Key(table[size_t(i)].pszSlider);
        if (!settings.contains(key))
            continue;
        bool ok = false;
        const float v = settings.value(key).toFloat(&ok);
        if (ok && std::isfinite(v))
            m_lut.SetParameter(ELutParameter(i), std::clamp(v, 0.0f, 1.0f));
    }
}
