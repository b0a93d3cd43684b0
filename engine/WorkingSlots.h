// The two working images of an engine context: the main slot (preview and export frames) and the
// thumbnail slot (preset previews). A chain run works on exactly one of them.
#pragma once

#include "core/ImageBuffer.h"

#include <cstdint>

enum EWorkingSlot
{
    eWS_MAIN,
    eWS_THUMBNAIL,
};

class CWorkingSlots
{
public:
    Helper::CRGB48Buffer& Get(EWorkingSlot slot) { return m_slots[slot == eWS_THUMBNAIL ? 1 : 0]; }

    /// Fills the slot from a packed 16-bit RGB source, resampled to width × height (each target
    /// pixel averages the source area it covers) over `workers` bands; the buffer is reused when
    /// the size is unchanged. False for a bad source or size, or when the buffer cannot be had.
    bool Fill(EWorkingSlot slot, const uint16_t* source, int sourceWidth, int sourceHeight, int width,
              int height, int workers);

    /// Frees both slots.
    void Release();

private:
    Helper::CRGB48Buffer m_slots[2];
};
