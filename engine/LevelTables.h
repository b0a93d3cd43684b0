// Engine-wide 65536-entry tables indexed by a 16-bit level: per-channel power functions, curves,
// masking curves. Each holds the float values and their encoded 16-bit results. A table is kept
// with the key it was built from, so a call with the same parameters (every frame of a video)
// reuses it instead of filling it again.
#pragma once

#include "core/EngineState.h"
#include "core/WorkerSplit.h"
#include "engine/LayerFrame.h"

#include <cstdint>
#include <initializer_list>

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
};

namespace detail
{
/// The slot for (kind, key): `hit` tells whether it already holds that table.
SLevelTable* LevelTableSlot(uint32_t kind, const float* key, int keyCount, bool& hit);
/// Marks a slot as holding nothing valid (its fill was interrupted by an abort).
void LevelTableInvalidate(SLevelTable* table);
}  // namespace detail

/// Switches the reuse of tables off (benchmarks of the fill, tests) or on again.
void MP_SetLevelTableReuse(bool on);
bool MP_GetLevelTableReuse();

/// The table of `kind` for `key`, filled with fill(i) for i = 0…65535 over the workers (65536 ÷ T
/// slices) unless the kept one matches. Valid until the next request for another key.
template <class Fill>
const SLevelTable* MP_LevelTable(uint32_t kind, std::initializer_list<float> key, const Fill& fill)
{
    bool hit = false;
    SLevelTable* table = detail::LevelTableSlot(kind, key.begin(), int(key.size()), hit);
    if (hit)
        return table;
    MP_MT_ForBands(65536, MP_UI_GetThreadCount(), [&](const TaskFuncParams& t) {
        for (int i = t.iRowBegin; i < t.iRowEnd; ++i)
        {
            const float v = fill(i);
            table->af[i] = v;
            table->aui[i] = MP_Encode(MP_Clamp01(v));
        }
    });
    if (MP_UI_GetAbort())
        detail::LevelTableInvalidate(table);
    return table;
}
