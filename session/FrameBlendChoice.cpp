#include "session/FrameBlendChoice.h"

#include "video/FrameBlend.h"

#include <QSettings>

namespace
{
constexpr const char* kCountKey = "PostProcessingDock/m_pFrameBlendCountComboBox";
constexpr const char* kModeKey = "PostProcessingDock/m_pFrameBlendModeComboBox";
constexpr const char* kHalfKey = "PostProcessingDock/m_pCompareHalfCheckBox";
constexpr const char* kCentreKey = "PostProcessingDock/m_pCompareCentreCheckBox";

// In the order of the blend rules 1..11.
constexpr const char* kModeNames[CFrameBlendChoice::kModeEntries] = {
    QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Mittelwert"),
    QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Minimum"),
    QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Maximum"),
    QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Mittelwert, Ausreißer betont"),
    QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Mittelwert, Mehrheit betont"),
    QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Streuung"),
    QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Bewegungskarte"),
    QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Median"),
    QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Mitte zwischen Minimum und Maximum"),
    QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Verblassende Spur"),
    QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Spitzheit der Verteilung"),
};

int InRange(int index, int count)
{
    return index >= 0 && index < count ? index : 0;
}
}  // namespace

QString CFrameBlendChoice::ModeName(int entry)
{
    return entry >= 0 && entry < kModeEntries ? tr(kModeNames[entry]) : QString();
}

void CFrameBlendChoice::SetCountIndex(int index)
{
    m_iCountIndex = InRange(index, kCountEntries);
}

void CFrameBlendChoice::SetModeIndex(int index)
{
    m_iModeIndex = InRange(index, kModeEntries);
}

void CFrameBlendChoice::ApplyTo(CFrameBlend& blend) const
{
    blend.SetRingSize(CFrameBlend::RingSizeForIndex(m_iCountIndex));
    blend.SetMode(m_iModeIndex + 1);
    blend.SetComparison(CFrameBlend::ComparisonFromButtons(m_bHalf, m_bCentre));
}

void CFrameBlendChoice::SaveState(QSettings& settings) const
{
    settings.setValue(kCountKey, m_iCountIndex);
    settings.setValue(kModeKey, m_iModeIndex);
    settings.setValue(kHalfKey, m_bHalf);
    settings.setValue(kCentreKey, m_bCentre);
}

void CFrameBlendChoice::LoadState(QSettings& settings)
{
    SetCountIndex(settings.value(kCountKey, 0).toInt());
    SetModeIndex(settings.value(kModeKey, 0).toInt());
    m_bHalf = settings.value(kHalfKey, false).toBool();
    m_bCentre = settings.value(kCentreKey, false).toBool();
}
