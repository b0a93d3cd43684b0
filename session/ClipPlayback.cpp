#include "session/ClipPlayback.h"

#include "core/AppLog.h"
#include "core/EngineState.h"

#include <cmath>

CClipPlayback::CClipPlayback(QObject* parent) : QObject(parent)
{
    m_hold.setSingleShot(true);
    m_hold.setTimerType(Qt::PreciseTimer);
    connect(&m_hold, &QTimer::timeout, this, [this] {
        if (m_held)
            Show(std::exchange(m_held, nullptr));
    });
}

CClipPlayback::~CClipPlayback()
{
    if (m_bPlaying)
        MP_UI_SetLogging(m_bSavedLogging);
}

void CClipPlayback::Start(int from, int last, double rate)
{
    Stop();
    if (from >= last || !(rate > 0.0))
        return;
    m_bPlaying = true;
    m_iFrom = m_iLastShown = from;
    m_iLast = last;
    m_dRate = rate;
    m_iShown = m_iSkipped = 0;
    m_bSavedLogging = MP_UI_GetLogging();
    MP_UI_SetLogging(false); // no timing lines for every frame
    m_clock.start();
    Helper::AppLog(QStringLiteral("CClipPlayback::Start() -> From frame %1 to %2 at %3 fps").arg(from).arg(last).arg(rate));
    emit frameWanted(from + 1);
}

void CClipPlayback::Stop()
{
    if (!m_bPlaying)
        return;
    m_bPlaying = false;
    m_hold.stop();
    m_held.reset();
    MP_UI_SetLogging(m_bSavedLogging);
    Helper::AppLog(QStringLiteral("CClipPlayback::Stop() -> Frames shown: %1 - skipped: %2").arg(m_iShown).arg(m_iSkipped));
    emit stopped();
}

qint64 CClipPlayback::DueMs(int frame) const
{
    return qint64(std::floor((frame - m_iFrom) * 1000.0 / m_dRate));
}

int CClipPlayback::NextFrame(int shown, qint64 elapsedMs) const
{
    const int reached = m_iFrom + int(std::floor(elapsedMs * m_dRate / 1000.0));
    return std::max(shown, reached) + 1;
}

void CClipPlayback::Offer(const CFrameFetcher::FramePtr& frame)
{
    if (!m_bPlaying || !frame)
        return;
    const qint64 wait = DueMs(frame->info.iIndex) - m_clock.elapsed();
    if (wait <= 0)
        Show(frame);
    else
    {
        m_held = frame;
        m_hold.start(int(wait));
    }
}

void CClipPlayback::Show(const CFrameFetcher::FramePtr& frame)
{
    const int index = frame->info.iIndex;
    // A clip that ends before its length said delivers its last frame again: that is the end.
    const bool atEnd = index >= m_iLast || index <= m_iLastShown;
    m_iSkipped += std::max(0, index - m_iLastShown - 1);
    m_iLastShown = index;
    ++m_iShown;
    // Ask for the next one first: it is decoded while this one is graded.
    const int next = std::min(NextFrame(index, m_clock.elapsed()), m_iLast);
    if (!atEnd)
        emit frameWanted(next);
    emit frameDue(frame);
    if (atEnd)
        Stop();
}
