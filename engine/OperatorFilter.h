// The filter row over the operator list of the post-processing controls: one toggle per operator
// type with its icon names and settings key, an "all" toggle, and the entries the checked
// types leave in the list.
#pragma once

#include "engine/OperatorCatalogue.h"

#include <array>

class QSettings;

struct SOperatorFilterButton
{
    int iType;               // operator type number (1 enhance … 7 mask)
    const char* pszIcon;     // icon name while checked; the unchecked twin ends in "InActive"
    const char* pszKey;      // settings key
    const char* pszTooltip;  // translation key
};

class COperatorFilter
{
    Q_DECLARE_TR_FUNCTIONS(HDRPostProcessingDockWidget)

public:
    static constexpr int kButtons = 7;
    /// The type buttons in row order: enhance, geometry, exposure, colour, smooth, artwork, mask.
    static const std::array<SOperatorFilterButton, kButtons>& Buttons();
    static constexpr const char* kAllIcon = "FilterListAllActive";
    /// The icon name for a button state: "…Active" when checked, "…InActive" when not.
    static QString IconName(const char* activeIcon, bool checked);

    bool IsChecked(int button) const { return button >= 0 && button < kButtons && m_abChecked[size_t(button)]; }
    void SetChecked(int button, bool checked);
    /// True when every type button is checked.
    bool AllChecked() const;
    /// Checks or unchecks every type button.
    void SetAll(bool checked);

    /// Whether entries of this type number are listed: the tone-mapping entries (type 0) only
    /// while every button is checked.
    bool Shows(int type) const;
    /// The listed entries of a catalogue, sorted by translated display name; hidden entries
    /// (visible="0") are left out.
    QVector<const SCatalogueEntry*> Filter(const COperatorCatalogue& catalogue) const;

    void SaveState(QSettings& settings) const;
    /// Missing keys leave the button checked.
    void LoadState(QSettings& settings);

private:
    std::array<bool, kButtons> m_abChecked{true, true, true, true, true, true, true};
};
