// The engine's table of 1280 image slots (pointer, width, height, size factor).
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int MP_SLOT_COUNT = 1280;

/// Allocates a block that a slot can own (released by MP_SlotRelease).
void* MP_SlotAlloc(size_t bytes);
/// Registers a block allocated with MP_SlotAlloc under the index, replacing (and freeing) what
/// the slot held. False, and the block freed, for an index outside 0..1279.
bool MP_SlotRegister(int index, void* data, int width, int height, double factor);
/// Frees the slot's block and sets its width and height to −1.
void MP_SlotRelease(int index);
/// The slot's block, or null with width and height −1 for a free slot or a bad index.
void* MP_SlotGet(int index, int* width, int* height);
/// Σ width × height × factor over the occupied slots.
double MP_SlotMemory();
void MP_SlotReleaseAll();
