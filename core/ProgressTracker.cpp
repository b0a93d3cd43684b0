#include "core/ProgressTracker.h"

#include "core/EngineState.h"

#include <algorithm>
#include <cmath>

namespace
{
// Below this fraction the rate is too uncertain to extrapolate from.
constexpr float kMinEstimateFraction = 0.01f;
}  // namespace

CProgressTracker::CProgressTracker(int expectedCategories) : m_iExpected(expectedCategories)
{
}

void CProgressTracker::Register(int id)
{
    if (!IsRegistered(id))
        m_entries.push_back({id, 0.0f});
}

bool CProgressTracker::IsRegistered(int id) const
{
    return std::any_of(m_entries.begin(), m_entries.end(), [id](const SEntry& e) { return e.iId == id; });
}

bool CProgressTracker::Report(int id, float fraction)
{
    if (!m_bDisplayEnabled)
        return false;
    if (MP_UI_GetVideoMode() && (id < 39 || id > 43))
        return false;
    for (SEntry& e : m_entries)
        if (e.iId == id)
        {
            if (fraction > e.fFraction)
                e.fFraction = fraction;
            return true;
        }
    return false;
}

float CProgressTracker::Weight(int id)
{
    switch (id)
    {
    case 3:
    case 12:
    case 32:
        return 0.5f;
    case 33:
        return 1.5f;
    case 34:
        return 4.0f;
    case 35:
    case 36:
        return 0.25f;
    case 39:
    case 41:
        return 0.1f;
    case 42:
        return 0.001f;
    case 43:
        return 0.01f;
    case 46:
        return 2.0f;
    default:
        return 1.0f;
    }
}

float CProgressTracker::Overall() const
{
    float weighted = 0.0f, weights = 0.0f;
    for (const SEntry& e : m_entries)
    {
        weighted += Weight(e.iId) * e.fFraction;
        weights += Weight(e.iId);
    }
    const float denominator = std::max(0.001f, weights + float(m_iExpected - int(m_entries.size())));
    return std::clamp(weighted / denominator, 0.0f, 1.0f);
}

bool CProgressTracker::ShouldRepaint(double nowMs, int delayMs)
{
    if (nowMs - m_dLastRepaintMs < delayMs)
        return false;
    m_dLastRepaintMs = nowMs;
    return true;
}

long long CProgressTracker::SecondsLeft(long long elapsedMs, float overall)
{
    if (!(overall >= kMinEstimateFraction) || elapsedMs <= 0)
        return -1;
    if (overall >= 1.0f)
        return 0;
    const double totalMs = double(elapsedMs) / double(overall);
    return std::llround((totalMs - double(elapsedMs)) / 1000.0);
}
