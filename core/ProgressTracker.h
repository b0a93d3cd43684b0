// The overall progress of a job made of weighted categories, as the progress window shows it.
#pragma once

#include <vector>

class CProgressTracker
{
public:
    /// `expectedCategories`: how many categories the work will have; unregistered ones count as
    /// weight 1 at fraction 0.
    explicit CProgressTracker(int expectedCategories);

    /// Adds a category at fraction 0; registering an existing id does nothing.
    void Register(int id);
    /// Takes a report; false when it is ignored (display off, outside 39..43 in video mode,
    /// unregistered). A lower or negative fraction leaves the entry unchanged.
    bool Report(int id, float fraction);
    /// Σ weight × fraction ÷ max(0.001, Σ weight + unregistered expected categories), in 0..1.
    float Overall() const;
    /// True when at least `delayMs` passed since the last repaint; records `nowMs` then.
    bool ShouldRepaint(double nowMs, int delayMs);

    void SetDisplayEnabled(bool enabled) { m_bDisplayEnabled = enabled; }
    bool IsRegistered(int id) const;

    static float Weight(int id);
    /// Seconds left when `overall` of the work took `elapsedMs`: -1 (unknown) below 1 % or
    /// without elapsed time, 0 from 100 % on.
    static long long SecondsLeft(long long elapsedMs, float overall);

private:
    struct SEntry
    {
        int iId;
        float fFraction;
    };
    int m_iExpected;
    bool m_bDisplayEnabled = true;
    double m_dLastRepaintMs = -1e300;
    std::vector<SEntry> m_entries;
};
