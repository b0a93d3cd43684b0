#include "engine/WorkingSlots.h"

#include "core/WorkerSplit.h"

#include <algorithm>
#include <cstring>

bool CWorkingSlots::Fill(EWorkingSlot slot, const uint16_t* source, int sourceWidth, int sourceHeight, int width,
                         int height, int workers)
{
    if (!source || sourceWidth < 1 || sourceHeight < 1)
        return false;
    Helper::CRGB48Buffer& buffer = Get(slot);
    if (!buffer.TryCreate(QSize(width, height), Helper::eCP_NO_CLEAR))
        return false;
    uint16_t* target = buffer.GetData();
    if (sourceWidth == width && sourceHeight == height)
    {
        // Each target pixel covers exactly its source pixel: the average is a copy (every frame
        // of an export comes this way).
        if (target != source)
            MP_MT_ForBands(height, workers, [&](const TaskFuncParams& t) {
                const size_t row = size_t(width) * 3;
                std::memcpy(target + t.iRowBegin * row, source + t.iRowBegin * row,
                            (t.iRowEnd - t.iRowBegin) * row * sizeof(uint16_t));
            });
        return true;
    }
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

void CWorkingSlots::Release()
{
    m_slots[0].Destroy();
    m_slots[1].Destroy();
}
