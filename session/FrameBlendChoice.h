// What the frame-blending controls of the post-processing dock hold: the frame-count entry, the
// blend rule and the two comparison buttons. The export's frame grader takes its blending from
// here; the choice is kept in the settings and in projects under "PostProcessingDock/…".
#pragma once

#include <QCoreApplication>
#include <QString>

class CFrameBlend;
class QSettings;

class CFrameBlendChoice
{
    Q_DECLARE_TR_FUNCTIONS(HDRPostProcessingDockWidget)

public:
    /// Entries of the frame-count selector (1, 2, 3 and 5 frames).
    static constexpr int kCountEntries = 4;
    /// Entries of the blend-rule selector (rule = entry + 1).
    static constexpr int kModeEntries = 11;

    /// The translated name of a blend-rule entry (0..10), empty for any other.
    static QString ModeName(int entry);

    int CountIndex() const { return m_iCountIndex; }
    /// 0..3; anything else chooses entry 0 (one frame, no blending).
    void SetCountIndex(int index);
    int ModeIndex() const { return m_iModeIndex; }
    /// 0..10; anything else chooses entry 0.
    void SetModeIndex(int index);
    bool Half() const { return m_bHalf; }
    void SetHalf(bool on) { m_bHalf = on; }
    bool Centre() const { return m_bCentre; }
    void SetCentre(bool on) { m_bCentre = on; }
    /// No blending, first rule, no comparison.
    void Reset() { *this = CFrameBlendChoice(); }

    /// Ring size, rule and comparison for the next export.
    void ApplyTo(CFrameBlend& blend) const;

    /// Keys "PostProcessingDock/m_pFrameBlendCountComboBox", "…/m_pFrameBlendModeComboBox",
    /// "…/m_pCompareHalfCheckBox", "…/m_pCompareCentreCheckBox"; a missing key reads as the default.
    void SaveState(QSettings& settings) const;
    void LoadState(QSettings& settings);

private:
    int m_iCountIndex = 0;
    int m_iModeIndex = 0;
    bool m_bHalf = false;
    bool m_bCentre = false;
};
