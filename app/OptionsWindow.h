// The options window ("options_window"): the switches of SProgramOptions, read from and written
// to the program settings.
#pragma once

#include "session/ProgramOptions.h"

#include <QDialog>

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
    SProgramOptions m_options;
};
