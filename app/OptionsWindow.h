// The options window ("options_window"): the switches of SProgramOptions, read from and written
// to the program settings.
#pragma once

#include "session/ProgramOptions.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
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
    /// Writes the chosen locale into language.ini; the note says it applies at the next start.
    void StoreLanguage();

    SProgramOptions m_options;
    QCheckBox* m_pAutoSafeBoxCheckBox;
    QCheckBox* m_pShowProgressCheckBox;
    QCheckBox* m_pUndoSaveCheckBox;
    QLineEdit* m_pFixedFolderEdit;
    QComboBox* m_pLuminanceCombo;
    QSpinBox* m_pPreviewLongSideSpin;
    QComboBox* m_pLanguageCombo;
    QLabel* m_pLanguageNote;
    /// The locale this run started with (language.ini as start-up left it).
    QString m_sRunningLocale;
};
