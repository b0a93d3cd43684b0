// The engine-wide selection mask: one 16-bit sample per pixel, 0xFFFF fully selected. Mask
// kernels write it; while it is active the chain blends every other operator's result with the
// image as it was before the operator, weighted by the mask.
#pragma once

#include <cstdint>

/// Makes the mask active at this size: a mask of another size (or none) is replaced by a new,
/// fully selected one; the buffer is kept for later runs. False when it cannot be allocated.
bool MP_MaskActivate(int width, int height);
/// Deactivates the mask (its memory stays for the next activation).
void MP_MaskDrop();
/// Frees the mask's memory as well.
void MP_MaskRelease();
/// The active mask when it has this size, else null.
uint16_t* MP_MaskPlane(int width, int height);
bool MP_MaskIsActive();
