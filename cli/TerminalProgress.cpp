#include "cli/TerminalProgress.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdio>

#include <unistd.h>

namespace
{
QString Clock(double seconds)
{
    const qint64 s = qint64(std::max(0.0, seconds) + 0.5);
    return s >= 3600 ? QStringLiteral("%1:%2:%3").arg(s / 3600).arg(s / 60 % 60, 2, 10, QLatin1Char('0')).arg(s % 60, 2, 10, QLatin1Char('0'))
                     : QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}
}  // namespace

CTerminalProgress::CTerminalProgress(std::function<int()> frames)
    : m_frames(std::move(frames)), m_bTerminal(isatty(STDERR_FILENO) != 0)
{
}

CTerminalProgress::~CTerminalProgress() = default;

void CTerminalProgress::Open(const QString&, int expectedCategories)
{
    m_pTracker = std::make_unique<CProgressTracker>(expectedCategories);
    m_clock.start();
    m_fVideo = 0.0f;
    m_bOpen = true;
}

void CTerminalProgress::AddCategory(int id)
{
    if (m_pTracker)
        m_pTracker->Register(id);
}

void CTerminalProgress::SetText(const QString&) {}

void CTerminalProgress::Close()
{
    if (!m_bOpen)
        return;
    Draw(true);
    if (m_bTerminal)
        std::fputc('\n', stderr);
    m_bOpen = false;
}

void CTerminalProgress::OnProgress(int category, float fraction)
{
    if (!m_pTracker || !m_pTracker->Report(category, fraction))
        return;
    if (category == 40)
        m_fVideo = std::max(m_fVideo, fraction);
    Draw(false);
}

QString CTerminalProgress::Line(float overall, int frames, float videoFraction, double seconds)
{
    const int width = 30;
    const int filled = std::clamp(int(overall * width), 0, width);
    QString line = "[" + QString(filled, QLatin1Char('#')) + QString(width - filled, QLatin1Char(' ')) + "]";
    line += QStringLiteral(" %1%").arg(int(overall * 100.0f), 3);
    const int total = videoFraction > 0.0f ? int(std::lround(frames / videoFraction)) : 0;
    line += "  " + (total > 0 ? QCoreApplication::translate("CliProgress", "Bilder %1/%2").arg(frames).arg(total)
                              : QCoreApplication::translate("CliProgress", "Bilder %1").arg(frames));
    line += QStringLiteral("  %1 fps").arg(seconds > 0.0 ? frames / seconds : 0.0, 0, 'f', 1);
    const long long left = CProgressTracker::SecondsLeft(std::llround(seconds * 1000.0), overall);
    line += "  " + QCoreApplication::translate("CliProgress", "Rest %1").arg(left >= 0 ? Clock(double(left)) : QStringLiteral("--:--"));
    return line;
}

void CTerminalProgress::Draw(bool force)
{
    const qint64 now = m_clock.elapsed();
    // A terminal line is redrawn at most five times a second; a log file gets a line a second.
    if (!force && now - m_iLastDrawMs < (m_bTerminal ? 200 : 1000))
        return;
    m_iLastDrawMs = now;
    const QString line = Line(m_pTracker ? m_pTracker->Overall() : 0.0f, m_frames ? m_frames() : 0, m_fVideo, now / 1000.0);
    std::fprintf(stderr, m_bTerminal ? "\r%s" : "%s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}
