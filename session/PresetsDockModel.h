// The presets dock's state: the library, which presets the filter buttons, the search-tag
// choice and the search text let through, the selected preset, the scroll positions, and the
// project keys and preset copies of a saved project.
#pragma once

#include "core/IProject.h"
#include "session/PresetLibrary.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

class CPresetsDockModel : public IProject
{
    Q_DECLARE_TR_FUNCTIONS(CPresetsDockModel)

public:
    /// Filter buttons in their order; button 0 lets every preset through.
    static constexpr int kFilterCount = 8;
    /// The category key of each filter button ("" for all) and its label's translation key.
    static const char* FilterCategory(int button);
    static QString FilterLabel(int button);

    explicit CPresetsDockModel(CPresetLibrary& library);

    CPresetLibrary& Library() { return m_library; }

    /// Checks one filter button and unchecks the others.
    void SetFilter(int button);
    int Filter() const { return m_iFilter; }
    /// The search-tag choices: the translated "SearchTag leer" (no choice), "SearchTag Benutzer"
    /// (user presets) and the presets' tags.
    QStringList SearchTagLabels() const;
    /// The choice as an index into SearchTagLabels().
    void SetSearchTag(int choice) { m_iSearchTag = choice; }
    int SearchTag() const { return m_iSearchTag; }
    void SetSearchText(const QString& text) { m_sSearchText = text.trimmed(); }

    /// True when the preset passes the filter button, the search tag and the search text.
    bool IsVisible(int index) const;
    QList<int> VisiblePresets() const;

    int Selected() const { return m_iSelected; }
    void Select(int index) { m_iSelected = m_library.IsValid(index) ? index : -1; }
    /// The first visible preset, selected; −1 when none is visible.
    int SelectFirstVisible();

    void SetScrollPositions(int vertical, int horizontal) { m_iScrollV = vertical, m_iScrollH = horizontal; }
    int ScrollVertical() const { return m_iScrollV; }
    int ScrollHorizontal() const { return m_iScrollH; }

    /// Called after a project was loaded into the model (the dock shows the new state).
    void SetLoadedCallback(std::function<void()> callback) { m_onLoaded = std::move(callback); }

    /// Copies the enabled presets into the data folder and writes the dock's keys.
    void SaveProject(QSettings& settings, const QString& dataFolder) override;
    /// Reloads each preset that has a copy in the data folder from it, then the dock's keys.
    void LoadProject(QSettings& settings, const QString& dataFolder) override;

private:
    CPresetLibrary& m_library;
    int m_iFilter = 0;
    int m_iSearchTag = 0;
    QString m_sSearchText;
    int m_iSelected = -1;
    int m_iScrollV = 0, m_iScrollH = 0;
    std::function<void()> m_onLoaded;
};
