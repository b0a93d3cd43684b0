// What the LUT panel shows and enables for a LUT state: the three slider groups with their
// expander buttons and reset buttons, the controls that need a LUT, and the panel's widget-state
// keys ("PostProcessingDock/…").
#pragma once

#include "lut/LutState.h"

#include <QCoreApplication>
#include <QString>

#include <array>

class QSettings;

struct SLutGroupInfo
{
    ELutParameterGroup eGroup;
    int iFirst, iLast;       // parameter range of the group
    const char* pszButton;   // expander member name (its settings key)
    const char* pszCaption;  // caption key
    const char* pszReset;    // reset button name and icon
};

class CLutPanelModel
{
    Q_DECLARE_TR_FUNCTIONS(HDRPostProcessingDockWidget)

public:
    static constexpr int kGroups = 3;
    static const std::array<SLutGroupInfo, kGroups>& Groups();
    static constexpr const char* kExpandedIcon = "LUTShowValuesOn";
    static constexpr const char* kCollapsedIcon = "LUTShowValuesOff";
    /// Sliders differing from their default by at least this much enable their group's reset.
    static constexpr float kResetTolerance = 0.001f;

    explicit CLutPanelModel(CLutState& lut) : m_lut(lut) {}
    CLutState& Lut() { return m_lut; }
    const CLutState& Lut() const { return m_lut; }

    /// A LUT is loaded (N ≠ 0): the controls that act on a present LUT are enabled.
    bool LutPresent() const { return m_lut.Size() != 0; }

    bool IsExpanded(ELutParameterGroup group) const { return m_abExpanded[size_t(group)]; }
    void SetExpanded(ELutParameterGroup group, bool expanded) { m_abExpanded[size_t(group)] = expanded; }
    /// The group's expander button is shown only with a LUT present.
    bool GroupButtonVisible(ELutParameterGroup) const { return LutPresent(); }
    /// The group's sliders are shown with a LUT present and the group expanded.
    bool GroupSlidersVisible(ELutParameterGroup group) const { return LutPresent() && IsExpanded(group); }
    const char* GroupIcon(ELutParameterGroup group) const { return IsExpanded(group) ? kExpandedIcon : kCollapsedIcon; }
    /// At least one slider of the group is 0.001 or more away from its default.
    bool ResetEnabled(ELutParameterGroup group) const;

    /// Sets a parameter from its slider value in the slider's own range (e.g. −100…100).
    void SetSliderValue(ELutParameter which, int sliderValue);
    /// The slider value of a parameter, rounded to the slider's whole steps.
    int SliderValue(ELutParameter which) const;

    /// Writes the panel's keys: the switch, the layer list position, the size buttons, the three
    /// expanders and the fourteen sliders (floats 0…1).
    void SaveState(QSettings& settings) const;
    /// Each key that is present sets its part; the others keep their value.
    void LoadState(QSettings& settings);

private:
    CLutState& m_lut;
    std::array<bool, kGroups> m_abExpanded{true, false, false};
};
