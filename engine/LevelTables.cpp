#include "engine/LevelTables.h"

#include <cstring>
#include <memory>

namespace
{
constexpr int kSlots = 16;
constexpr int kMaxKey = 16;

struct SSlot
{
    std::unique_ptr<SLevelTable> table;
    uint32_t kind = 0;
    int keyCount = 0;
    float key[kMaxKey] = {};
    uint64_t lastUse = 0;
    bool valid = false;
};

SSlot g_slots[kSlots];
uint64_t g_useCounter = 0;
bool g_bReuse = true;
}  // namespace

void MP_SetLevelTableReuse(bool on)
{
    g_bReuse = on;
}

bool MP_GetLevelTableReuse()
{
    return g_bReuse;
}

namespace detail
{
SLevelTable* LevelTableSlot(uint32_t kind, const float* key, int keyCount, bool& hit)
{
    if (keyCount > kMaxKey)
        keyCount = kMaxKey;
    const size_t keyBytes = size_t(keyCount) * sizeof(float);
    SSlot* chosen = nullptr;
    for (SSlot& s : g_slots)
        if (s.valid && s.kind == kind && s.keyCount == keyCount && (keyBytes == 0 || std::memcmp(s.key, key, keyBytes) == 0))
        {
            chosen = &s;
            break;
        }
    hit = chosen != nullptr && g_bReuse;
    if (!chosen)
    {
        // The least recently used slot; the tables a kernel holds are the most recent ones.
        chosen = &g_slots[0];
        for (SSlot& s : g_slots)
            if (s.lastUse < chosen->lastUse)
                chosen = &s;
        if (!chosen->table)
            chosen->table = std::make_unique<SLevelTable>();
        chosen->kind = kind;
        chosen->keyCount = keyCount;
        if (keyBytes > 0)
            std::memcpy(chosen->key, key, keyBytes);
    }
    chosen->valid = true;
    chosen->lastUse = ++g_useCounter;
    return chosen->table.get();
}

void LevelTableInvalidate(SLevelTable* table)
{
    for (SSlot& s : g_slots)
        if (s.table.get() == table)
            s.valid = false;
}
}  // namespace detail
