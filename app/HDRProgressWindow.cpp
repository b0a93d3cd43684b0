#include "app/HDRProgressWindow.h"

#include "core/EngineState.h"
#include "core/ProgressTracker.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace
{
constexpr int kBarSteps = 1000;
}  // namespace

HDRProgressWindow::HDRProgressWindow(QWidget* parent)
    : QDialog(parent),
      m_pTextLabel(new QLabel(this)),
      m_pElapsedLabel(new QLabel(this)),
      m_pEstimateLabel(new QLabel(this)),
      m_pErrorLabel(new QLabel(tr("Es ist ein Fehler aufgetreten, Protokoll oder fortfahren"), this)),
      m_pProgressBar(new QProgressBar(this)),
      m_pAbortButton(new QPushButton(tr("Abbrechen"), this)),
      m_pContinueButton(new QPushButton(tr("Fortfahren"), this)),
      m_pLogButton(new QPushButton(tr("Protokoll"), this))
{
    setObjectName(QStringLiteral("progress_window"));
    setWindowTitle(tr("Fortschritt"));
    m_pProgressBar->setRange(0, kBarSteps);
    m_pProgressBar->setTextVisible(false);
    m_pTextLabel->setWordWrap(true);
    m_pErrorLabel->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pLogButton);
    buttons->addStretch();
    buttons->addWidget(m_pContinueButton);
    buttons->addWidget(m_pAbortButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTextLabel);
    layout->addWidget(m_pProgressBar);
    layout->addWidget(m_pElapsedLabel);
    layout->addWidget(m_pEstimateLabel);
    layout->addWidget(m_pErrorLabel);
    layout->addLayout(buttons);

    connect(m_pAbortButton, &QPushButton::clicked, this, [this] {
        MP_UI_SetStopRequest(true);
        emit aborted();
    });
    connect(m_pContinueButton, &QPushButton::clicked, this, &HDRProgressWindow::Finish);
    connect(m_pLogButton, &QPushButton::clicked, this, &HDRProgressWindow::logRequested);

    m_pErrorLabel->hide();
    m_pLogButton->hide();
    m_pContinueButton->hide();
    m_clock.start();
    UpdateTimes();
}

void HDRProgressWindow::Start(const QString& title, const QString& text)
{
    setWindowTitle(title.isEmpty() ? tr("Fortschritt") : title);
    m_pTextLabel->setText(text);
    m_pErrorLabel->hide();
    m_pLogButton->hide();
    m_pContinueButton->hide();
    m_pAbortButton->show();
    m_fOverall = 0.0f;
    m_pProgressBar->setValue(0);
    m_clock.restart();
    UpdateTimes();
    show();
    raise();
}

void HDRProgressWindow::Finish()
{
    hide();
}

void HDRProgressWindow::OfferError()
{
    m_pErrorLabel->show();
    m_pLogButton->show();
    m_pContinueButton->show();
    m_pAbortButton->hide();
    show();
    raise();
}

QString HDRProgressWindow::FormatDuration(qint64 seconds)
{
    if (seconds < 0)
        return tr("wird ermittelt");
    const qint64 days = seconds / 86400;
    const qint64 hours = seconds / 3600 % 24;
    const qint64 minutes = seconds / 60 % 60;
    const qint64 rest = seconds % 60;
    QStringList parts;
    if (days > 0)
        parts << tr("%n Tage", nullptr, int(days));
    if (days > 0 || hours > 0)
        parts << tr("%n Stunden", nullptr, int(hours));
    if (days > 0 || hours > 0 || minutes > 0)
        parts << tr("%n Minuten", nullptr, int(minutes));
    parts << tr("%n Sekunden", nullptr, int(rest));
    return parts.join(' ');
}

void HDRProgressWindow::receiveMessage(SMessage message, f32 overall)
{
    if (!message.sText.isEmpty())
        m_pTextLabel->setText(message.sText);
    if (std::isfinite(overall))
        m_fOverall = std::clamp(overall, 0.0f, 1.0f);
    m_pProgressBar->setValue(int(std::lround(m_fOverall * kBarSteps)));
    UpdateTimes();
}

void HDRProgressWindow::repaintWindow()
{
    UpdateTimes();
    repaint();
}

void HDRProgressWindow::UpdateTimes()
{
    const qint64 elapsedMs = m_clock.elapsed();
    m_pElapsedLabel->setText(tr("Time elapsed: ") + FormatDuration(elapsedMs / 1000));
    m_pEstimateLabel->setText(tr("Estimated time left: ") + FormatDuration(CProgressTracker::SecondsLeft(elapsedMs, m_fOverall)));
}
