// The LUT panel of the post-processing dock: room for the library controls at the top, the
// LUT's title, its switch and layer mode, new and reset, and the fourteen sliders in three
// groups, each behind an expander button with a reset button. Enable and visibility rules come
// from the panel model.
#pragma once

#include "session/LutPanelModel.h"

#include <QWidget>

#include <array>

class IUserPrompt;
class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;
class QToolButton;
class QVBoxLayout;

class CLutPanel : public QWidget
{
    Q_OBJECT

public:
    CLutPanel(CLutPanelModel& model, IUserPrompt& prompt, QWidget* parent = nullptr);

    /// Places the LUT library controls at the top of the panel (the panel takes ownership).
    void InsertLibraryControls(QWidget* controls);
    /// Re-reads the LUT state into every control and applies the enable and visibility rules.
    void Refresh();

    QToolButton* ActiveButton() const { return m_pLUTActiveButton; }
    QComboBox* LayerComboBox() const { return m_pLUTLayerComboBox; }
    QToolButton* LayerBrowserButton() const { return m_pLUTLayerBrowserButton; }
    QToolButton* CreateNewButton() const { return m_pLUTCreateNewButton; }
    QToolButton* ResetButton() const { return m_pLUTResetButton; }
    QToolButton* GroupButton(ELutParameterGroup g) const { return m_apGroupButtons[size_t(g)]; }
    QToolButton* GroupResetButton(ELutParameterGroup g) const { return m_apGroupResets[size_t(g)]; }
    QSlider* Slider(ELutParameter p) const { return m_apSliders[size_t(p)]; }
    QLabel* TitleLabel() const { return m_pTitle; }

public slots:
    void lutCreateNewButtonClicked();
    void lutResetButtonClicked();
    void lutActiveButtonClicked();
    void lutLayerComboBoxChanged(int index);
    void lutLayerBrowserButtonClicked();
    void lutResetParameterButtonClicked();
    void lutResetBalanceButtonClicked();
    void lutResetProtectButtonClicked();

signals:
    /// A change that should recompute the preview.
    void lutChanged();
    /// The LUT was cleared by the reset button (the library list goes back to its first entry).
    void lutCleared();
    /// The layer-mode browser was asked for; whoever owns the session shows it.
    void layerBrowserRequested();

private:
    void ResetGroup(ELutParameterGroup group);
    void OnSlider(ELutParameter which, int value);
    void ShowSliderValue(ELutParameter which);

    CLutPanelModel& m_model;
    IUserPrompt& m_prompt;
    QVBoxLayout* m_pLibraryArea;
    QLabel* m_pTitle;
    QToolButton* m_pLUTActiveButton;
    QComboBox* m_pLUTLayerComboBox;
    QToolButton* m_pLUTLayerBrowserButton;
    QCheckBox* m_pLUTTetrahedralCheckBox;
    QLabel* m_pLayerLabel;
    QToolButton* m_pLUTCreateNewButton;
    QToolButton* m_pLUTResetButton;
    std::array<QToolButton*, CLutPanelModel::kGroups> m_apGroupButtons{};
    std::array<QToolButton*, CLutPanelModel::kGroups> m_apGroupResets{};
    std::array<QWidget*, CLutPanelModel::kGroups> m_apGroupBodies{};
    std::array<QSlider*, eLP_COUNT> m_apSliders{};
    std::array<QLabel*, eLP_COUNT> m_apValues{};
};
