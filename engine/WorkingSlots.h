// The engine's two working images: the main slot (preview and export frames) and the thumbnail
// slot (preset previews). A chain run works on exactly one of them.
#pragma once

#include "core/ImageBuffer.h"

#include <cstdint>

enum EWorkingSlot
{
    eWS_MAIN,
    eWS_THUMBNAIL,
};

Helper::CRGB48Buffer& MP_WorkingSlot(EWorkingSlot slot);

/// Fills the slot from a packed 16-bit RGB source, resampled to width × height (each target pixel
/// averages the source area it covers); the buffer is reused when the size is unchanged. False
/// for a bad source or size, or when the buffer cannot be allocated.
bool MP_FillWorkingSlot(EWorkingSlot slot, const uint16_t* source, int sourceWidth, int sourceHeight,
                        int width, int height);

/// Frees both slots.
void MP_ReleaseWorkingSlots();
