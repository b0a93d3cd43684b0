#include "engine/LevelTables.h"

#include <cstring>

namespace
{
// A chain of presets holds some 50 tables at once: with fewer slots the presets dock refilled
// every table for each new frame (2.2 s instead of 23 ms for 34 thumbnails). 384 KiB a slot,
// allocated when first used.
constexpr int kSlots = 64;
constexpr int kMaxKey = 16;
}  // namespace

struct CLevelTables::SSlot
{
    std::unique_ptr<SLevelTable> table;
    uint32_t kind = 0;
    int keyCount = 0;
    float key[kMaxKey] = {};
    uint64_t lastUse = 0;
    bool valid = false;
};

CLevelTables::CLevelTables() : m_slots(std::make_unique<SSlot[]>(kSlots)) {}

CLevelTables::~CLevelTables() = default;

SLevelTable* CLevelTables::Slot(uint32_t kind, const float* key, int keyCount, bool& hit)
{
    if (keyCount > kMaxKey)
        keyCount = kMaxKey;
    const size_t keyBytes = size_t(keyCount) * sizeof(float);
    SSlot* chosen = nullptr;
    for (int i = 0; i < kSlots && !chosen; ++i)
    {
        SSlot& s = m_slots[i];
        if (s.valid && s.kind == kind && s.keyCount == keyCount && (keyBytes == 0 || std::memcmp(s.key, key, keyBytes) == 0))
            chosen = &s;
    }
    hit = chosen != nullptr && m_bReuse;
    if (!chosen)
    {
        // The least recently used slot; the tables a kernel holds are the most recent ones.
        chosen = &m_slots[0];
        for (int i = 1; i < kSlots; ++i)
            if (m_slots[i].lastUse < chosen->lastUse)
                chosen = &m_slots[i];
        if (!chosen->table)
            chosen->table = std::make_unique<SLevelTable>();
        chosen->kind = kind;
        chosen->keyCount = keyCount;
        if (keyBytes > 0)
            std::memcpy(chosen->key, key, keyBytes);
    }
    chosen->valid = true;
    chosen->lastUse = ++m_uiUseCounter;
    return chosen->table.get();
}

void CLevelTables::Invalidate(const SLevelTable* table)
{
    for (int i = 0; i < kSlots; ++i)
        if (m_slots[i].table.get() == table)
            m_slots[i].valid = false;
}
