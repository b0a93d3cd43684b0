// One view of the scopes model in a dock: the scope picture at the display's own size, and above
// it the choice of scope, the trace gain and the histogram's scale.
#pragma once

#include <QImage>
#include <QWidget>

class CScopesModel;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;

class CScopePane : public QWidget
{
    Q_OBJECT

public:
    enum EKindChoice
    {
        eFixedKind,     // no choice: the view keeps its kind
        eAnyKind,       // one of the four scopes
        eAnyKindOrNone, // or "Aus", which turns the view off
    };

    /// Shows `view` of `model` (not owned; it must outlive the pane) and keeps its settings under
    /// `settingsKey`.
    CScopePane(CScopesModel& model, int view, EKindChoice choice, const QString& settingsKey, QWidget* parent = nullptr);

    int View() const { return m_iView; }
    /// The widget the scope is drawn in; the scope picture is computed at its size.
    QWidget* Display() const { return m_pDisplay; }
    /// The shown scope picture as displayed.
    const QImage& Image() const { return m_image; }
    QComboBox* KindCombo() const { return m_pKindCombo; }
    QDoubleSpinBox* GainSpin() const { return m_pGainSpin; }
    QCheckBox* LogCheck() const { return m_pLogCheck; }

private:
    /// Controls → model, then the settings file.
    void ApplyControls();
    /// Model → controls: values, enabled states, the display shown or not.
    void ShowSettings();
    void ShowScope();
    void DisplayResized(QSize size);

    CScopesModel& m_model;
    int m_iView;
    QString m_sSettingsKey;
    QComboBox* m_pKindCombo = nullptr;
    QDoubleSpinBox* m_pGainSpin = nullptr;
    QCheckBox* m_pLogCheck = nullptr;
    QWidget* m_pDisplay = nullptr;
    QImage m_image;
};
