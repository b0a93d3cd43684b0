// 65536-entry tables indexed by a 16-bit level: per-channel power functions, curves, masking
// curves. Each holds the float values and their encoded 16-bit results. A table is kept with the
// key it was built from, so a call with the same parameters (every frame of a video) reuses it
// instead of filling it again. Each engine context keeps its own set.
#pragma once

#include "core/WorkerSplit.h"
#include "engine/LayerFrame.h"

#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <memory>

struct SLevelTable
{
    float af[65536];
    uint16_t aui[65536]; // MP_Encode(MP_Clamp01(af[i]))
};

enum ELevelTableKind : uint32_t
{
    eLT_POWER = 1,   // (i × 1.5259022e-5)^e
    eLT_MASK,        // masking curve at i ÷ 65535
    eLT_GRADATION,   // tone curve gain
    eLT_BWPOINT,     // black/white point stretch
    eLT_NEGATIVE,
    eLT_INTENSITY,
    eLT_BASICTOOLS,  // brightness, contrast and gamma of one level
    eLT_EXPOSURE,    // level × 2^EV
    eLT_CURVE,       // a spline set at i ÷ 65535 (tone curves, curves over hue)
    eLT_LOGCURVE,    // a tone curve drawn over logarithmic levels
    eLT_GAIN,        // level × gain
    eLT_LEVELS,      // (level − low) ÷ (high − low), mixed with the level by a strength
    eLT_SLOPE_OFFSET_POWER, // (level × slope + offset)^power
    eLT_LIFT_GAMMA_GAIN,    // three-way colour correction of one channel
    eLT_SIGMOID,     // contrast S-curve around a pivot
    eLT_BOKEH_BLOOM, // highlight gain before the bokeh disc
    eLT_BOKEH_LIGHTS, // the lights that form bokeh discs
    eLT_GLOW,        // the share of a level that glows (bloom threshold)
    eLT_LOG_LUMINANCE, // log2 of a luminance level (tone mapping)
    eLT_TONE_POWER,  // (level + floor) to a power (tone-mapping brilliance)
    // A family numbers its own kinds from its base upwards, in its own files.
    eLT_EXPOSURE_FAMILY = 0x300,
};

class CLevelTables
{
public:
    CLevelTables();
    ~CLevelTables();

    /// Switches the reuse of tables off (benchmarks of the fill) or on again.
    void SetReuse(bool on) { m_bReuse = on; }
    bool Reuse() const { return m_bReuse; }

    /// The table of `kind` for `key`, filled with fill(i) for i = 0…65535 over `workers` slices
    /// unless the kept one matches. Valid until the 64th request for other keys. A fill cut short
    /// by `abort` is not kept.
    template <class Fill>
    const SLevelTable* Get(uint32_t kind, std::initializer_list<float> key, int workers,
                           const std::atomic<bool>& abort, const Fill& fill)
    {
        bool hit = false;
        SLevelTable* table = Slot(kind, key.begin(), int(key.size()), hit);
        if (hit)
            return table;
        MP_MT_ForBands(65536, workers, [&](const TaskFuncParams& t) {
            for (int i = t.iRowBegin; i < t.iRowEnd; ++i)
            {
                const float v = fill(i);
                table->af[i] = v;
                table->aui[i] = MP_Encode(MP_Clamp01(v));
            }
        });
        if (abort.load(std::memory_order_relaxed))
            Invalidate(table);
        return table;
    }

private:
    struct SSlot;
    SLevelTable* Slot(uint32_t kind, const float* key, int keyCount, bool& hit);
    void Invalidate(const SLevelTable* table);

    std::unique_ptr<SSlot[]> m_slots;
    uint64_t m_uiUseCounter = 0;
    bool m_bReuse = true;
};
