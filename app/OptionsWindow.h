// The options window ("options_window"): the switches of SProgramOptions, read from and written
// to the program settings.
#pragma once

#include "session/ProgramOptions.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

class HDROptionsWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HDROptionsWindow(QWidget* parent = nullptr);

    const SProgramOptions& Options() const { return m_options; }
    /// Re-reads the settings into the controls.
    void Reload();

signals:
    /// Emitted after the user changed a switch (already saved).
    void optionsChanged();

private:
    /// Takes the controls' values, saves them and announces the change.
    void Store();
    void ChooseFolder();

    SProgramOptions m_options;
    QCheckBox* m_pAutoSafeBoxCheckBox;
    QCheckBox* m_pShowProgressCheckBox;
    QCheckBox* m_pUndoSaveCheckBox;
    QLineEdit* m_pFixedFolderEdit;
    QComboBox* m_pLuminanceCombo;
    QSpinBox* m_pPreviewLongSideSpin;
};
