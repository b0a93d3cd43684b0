#include "lut/LutLattice.h"

#include <QtGlobal>

#include <cstring>

namespace
{
// Captions are the LUT panel's translation keys.
// clang-format off
constexpr SLutParameterInfo kParameters[eLP_COUNT] = {
    {"m_pLUTIntensitySlider",          QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT Intensity"),          "intensity",          0,    100, 1.0f, 1.0f, eLPG_PARAMETER},
    {"m_pLUTBrightnessSlider",         QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT Brightness"),         "brightness",         -100, 100, 0.5f, 0.5f, eLPG_PARAMETER},
    {"m_pLUTContrastSlider",           QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT Contrast"),           "contrast",           -100, 100, 0.5f, 0.5f, eLPG_PARAMETER},
    {"m_pLUTSaturationSlider",         QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT Saturation"),         "saturation",         -100, 100, 0.5f, 0.5f, eLPG_PARAMETER},
    {"m_pLUTBalanceShadowsSlider",     QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT balance black"),      "balance-shadows",    -100, 100, 0.5f, 0.5f, eLPG_BALANCE},
    {"m_pLUTBalanceLightsSlider",      QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT balance white"),      "balance-lights",     -100, 100, 0.5f, 0.5f, eLPG_BALANCE},
    {"m_pLUTBalanceRedSlider",         QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT balance red"),        "balance-red",        -100, 100, 0.5f, 0.5f, eLPG_BALANCE},
    {"m_pLUTBalanceGreenSlider",       QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT balance green"),      "balance-green",      -100, 100, 0.5f, 0.5f, eLPG_BALANCE},
    {"m_pLUTBalanceBlueSlider",        QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT balance blue"),       "balance-blue",       -100, 100, 0.5f, 0.5f, eLPG_BALANCE},
    {"m_pLUTProtectLightsSlider",      QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT protect lights"),     "protect-lights",     0,    100, 0.0f, 0.0f, eLPG_PROTECT},
    {"m_pLUTProtectShadowsSlider",     QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT protect shadows"),    "protect-shadows",    0,    100, 0.0f, 0.0f, eLPG_PROTECT},
    {"m_pLUTProtectSaturationSlider",  QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT protect saturation"), "protect-saturation", 0,    100, 0.0f, 0.0f, eLPG_PROTECT},
    {"m_pLUTProtectSkinSlider",        QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT protect skin"),       "protect-skin",       0,    100, 0.0f, 0.0f, eLPG_PROTECT},
    {"m_pLUTProtectSkySlider",         QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "LUT protect sky"),        "protect-sky",        0,    100, 0.0f, 0.0f, eLPG_PROTECT},
};
// clang-format on
}  // namespace

void LutLattice::WriteIdentity(float* lattice, int n)
{
    const float last = float(n - 1);
    for (int b = 0; b < n; ++b)
        for (int g = 0; g < n; ++g)
            for (int r = 0; r < n; ++r)
            {
                float* p = lattice + Offset(r, g, b, n);
                p[0] = float(r) / last;
                p[1] = float(g) / last;
                p[2] = float(b) / last;
            }
}

LutLattice::LutLattice() : m_data(new float[kFloatCount]())
{
}

void LutLattice::Clear()
{
    std::memset(m_data.get(), 0, kFloatCount * sizeof(float));
}

std::span<const SLutParameterInfo, eLP_COUNT> LutParameterTable()
{
    return kParameters;
}

int LutParameterByName(const char* name)
{
    for (int i = 0; i < eLP_COUNT; ++i)
        if (std::strcmp(kParameters[i].pszName, name) == 0)
            return i;
    return -1;
}

LutParameters LutParameters::Defaults()
{
    LutParameters p;
    for (int i = 0; i < eLP_COUNT; ++i)
        p.afValue[size_t(i)] = kParameters[i].fDefault;
    return p;
}

void LutParameters::ResetGroup(ELutParameterGroup group)
{
    for (int i = 0; i < eLP_COUNT; ++i)
        if (kParameters[i].eGroup == group)
            afValue[size_t(i)] = kParameters[i].fDefault;
}
