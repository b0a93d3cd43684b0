// The presets as a project keeps them: the presets of the presets dock (system presets from the
// program's "settings" folder, user presets from the user data folder), each enabled one copied
// into the data folder under its own file name, and the dock's selection, scroll positions and
// filter buttons ("PresetsDock/…", "Filter/Button%1"). On load the copies are matched back to
// the presets they came from, which take the project's version.
#pragma once

#include "core/IProject.h"
#include "engine/PostProcessing.h"

#include <array>
#include <memory>
#include <vector>

class CPresetBoxes : public IProject
{
public:
    /// "Alle", "Benutzer", "Natürlich", "Surreal", "Landschaft", "Architektur", "Portrait",
    /// "Künstlerisch".
    static constexpr int kFilterButtons = 8;

    struct SBox
    {
        std::unique_ptr<CPostProcessing> preset;
        bool bEnabled = true;
    };

    /// The system presets ("vantropepp_v2_*.ini" in `systemFolder`) and then the user presets
    /// ("vantropepp_vu_*.ini" in `userFolder`), each sorted by name.
    void LoadFolders(const QString& systemFolder, const QString& userFolder);
    /// Appends a preset read from `path` (enabled).
    void Add(const QString& path);
    std::vector<SBox>& Boxes() { return m_boxes; }

    int Selected() const { return m_iSelected; }
    void SetSelected(int index) { m_iSelected = index; }
    int ScrollVertical() const { return m_iScrollVer; }
    int ScrollHorizontal() const { return m_iScrollHor; }
    void SetScroll(int vertical, int horizontal);
    bool FilterButton(int i) const { return i >= 0 && i < kFilterButtons && m_abFilter[size_t(i)]; }
    void SetFilterButton(int i, bool checked);

    void SaveProject(QSettings& settings, const QString& dataFolder) override;
    void LoadProject(QSettings& settings, const QString& dataFolder) override;

private:
    /// The box a project copy belongs to, or null.
    SBox* Match(const QString& fileName, const CPostProcessing& copy);

    std::vector<SBox> m_boxes;
    int m_iSelected = -1;
    int m_iScrollVer = 0, m_iScrollHor = 0;
    std::array<bool, kFilterButtons> m_abFilter{true, false, false, false, false, false, false, false};
};
