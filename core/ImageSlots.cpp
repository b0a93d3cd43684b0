#include "core/ImageSlots.h"

#include <cstdlib>
#include <mutex>

namespace
{
struct SSlot
{
    void* pData = nullptr;
    int iWidth = -1;
    int iHeight = -1;
    double dFactor = 0.0;
};

std::mutex g_slotMutex;
SSlot g_slots[MP_SLOT_COUNT];

bool InRange(int index)
{
    return index >= 0 && index < MP_SLOT_COUNT;
}
}  // namespace

void* MP_SlotAlloc(size_t bytes)
{
    return std::malloc(bytes ? bytes : 1);
}

bool MP_SlotRegister(int index, void* data, int width, int height, double factor)
{
    if (!InRange(index))
    {
        std::free(data);
        return false;
    }
    std::lock_guard<std::mutex> lock(g_slotMutex);
    SSlot& slot = g_slots[index];
    if (slot.pData != data)
        std::free(slot.pData);
    slot = SSlot{data, width, height, factor};
    return true;
}

void MP_SlotRelease(int index)
{
    if (!InRange(index))
        return;
    std::lock_guard<std::mutex> lock(g_slotMutex);
    std::free(g_slots[index].pData);
    g_slots[index] = SSlot{};
}

void* MP_SlotGet(int index, int* width, int* height)
{
    SSlot slot;
    if (InRange(index))
    {
        std::lock_guard<std::mutex> lock(g_slotMutex);
        slot = g_slots[index];
    }
    if (!slot.pData)
        slot.iWidth = slot.iHeight = -1;
    if (width)
        *width = slot.iWidth;
    if (height)
        *height = slot.iHeight;
    return slot.pData;
}

double MP_SlotMemory()
{
    std::lock_guard<std::mutex> lock(g_slotMutex);
    double total = 0.0;
    for (const SSlot& slot : g_slots)
        if (slot.pData)
            total += double(slot.iWidth) * double(slot.iHeight) * slot.dFactor;
    return total;
}

void MP_SlotReleaseAll()
{
    for (int i = 0; i < MP_SLOT_COUNT; ++i)
        MP_SlotRelease(i);
}
