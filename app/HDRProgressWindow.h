// The progress window ("Fortschritt"): elapsed and estimated time, a progress bar, "Abbrechen"
// (sets the engine's stop request) and "Fortfahren", and the error offer.
#pragma once

#include "app/HDRProgressThread.h"

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QPushButton;

class HDRProgressWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HDRProgressWindow(QWidget* parent = nullptr);

    /// Shows the window with `text` and `title`, progress 0, the clock started.
    void Start(const QString& title, const QString& text);
    void Finish();
    /// "Es ist ein Fehler aufgetreten, Protokoll oder fortfahren" with the log button.
    void OfferError();

    /// "1 Stunde 5 Minuten 3 Sekunden", "wird ermittelt" for negative seconds; the units are
    /// plural forms of the installed translation (a bare "%n Sekunden" form without one).
    static QString FormatDuration(qint64 seconds);

public slots:
    void receiveMessage(SMessage message, f32 overall);
    void repaintWindow();

signals:
    /// "Abbrechen" was pressed; the engine's stop request is already set.
    void aborted();
    /// The error offer's log button was pressed.
    void logRequested();

private:
    void UpdateTimes();

    QLabel* m_pTextLabel;
    QLabel* m_pElapsedLabel;
    QLabel* m_pEstimateLabel;
    QLabel* m_pErrorLabel;
    QProgressBar* m_pProgressBar;
    QPushButton* m_pAbortButton;
    QPushButton* m_pContinueButton;
    QPushButton* m_pLogButton;
    QElapsedTimer m_clock;
    float m_fOverall = 0.0f;
};
