#include "engine/WorkingSlots.h"

#include "core/WorkerSplit.h"
#include "core/EngineState.h"

#include <algorithm>
#include <new>

namespace
{
Helper::CRGB48Buffer g_slots[2];
}

Helper::CRGB48Buffer& MP_WorkingSlot(EWorkingSlot slot)
{
    return g_slots[slot == eWS_THUMBNAIL ? 1 : 0];
}

bool MP_FillWorkingSlot(EWorkingSlot slot, const uint16_t* source, int sourceWidth, int sourceHeight,
                        int width, int height)
{
    if (!source || sourceWidth < 1 || sourceHeight < 1 || width < 1 || height < 1)
        return false;
    Helper::CRGB48Buffer& buffer = MP_WorkingSlot(slot);
    try
    {
        buffer.Create(QSize(width, height), Helper::eCP_NO_CLEAR);
    }
    catch (const std::exception&)
    {
        return false;
    }
    uint16_t* target = buffer.GetData();
    if (!target)
        return false;
    const int workers = MP_MT_CapFullImageWorkers(MP_UI_GetThreadCount(), int64_t(width) * height);
    MP_MT_ForBands(height, workers, [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
        {
            const int y0 = int(int64_t(y) * sourceHeight / height);
            const int y1 = std::max(y0 + 1, int(int64_t(y + 1) * sourceHeight / height));
            for (int x = 0; x < width; ++x)
            {
                const int x0 = int(int64_t(x) * sourceWidth / width);
                const int x1 = std::max(x0 + 1, int(int64_t(x + 1) * sourceWidth / width));
                uint64_t sum[3] = {0, 0, 0};
                for (int sy = y0; sy < y1; ++sy)
                    for (int sx = x0; sx < x1; ++sx)
                        for (int c = 0; c < 3; ++c)
                            sum[c] += source[(size_t(sy) * sourceWidth + sx) * 3 + c];
                const uint64_t n = uint64_t(y1 - y0) * uint64_t(x1 - x0);
                for (int c = 0; c < 3; ++c)
                    target[(size_t(y) * width + x) * 3 + c] = uint16_t((sum[c] + n / 2) / n);
            }
        }
    });
    return true;
}

void MP_ReleaseWorkingSlots()
{
    g_slots[0].Destroy();
    g_slots[1].Destroy();
}
