#include "core/Progress.h"

#include <atomic>

namespace
{
std::atomic<float> g_progress{0.0f};
std::atomic<IProgressSink*> g_sink{nullptr};
}  // namespace

void MP_SetProgressSink(IProgressSink* sink)
{
    g_sink = sink;
}

IProgressSink* MP_GetProgressSink()
{
    return g_sink;
}

void MP_Progress(int category, float fraction)
{
    const float clamped = fraction < 0.0f ? 0.0f : (fraction > 1.0f ? 1.0f : fraction);
    float current = g_progress.load();
    while (clamped > current && !g_progress.compare_exchange_weak(current, clamped))
    {
    }
    if (category >= 0)
        if (IProgressSink* sink = g_sink.load())
            sink->OnProgress(category, fraction);
}

float MP_UI_GetProgress()
{
    return g_progress;
}

void MP_UI_ResetProgress()
{
    g_progress = 0.0f;
}
