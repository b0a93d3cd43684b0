// Row functions of the display conversion: the scalar reference and its SSSE3 twin (same words).
#pragma once

#include <cstdint>

using MP_RowToARGB32 = void (*)(const uint16_t* source, uint32_t* target, int width);

void MP_RGB48ToARGB32RowScalar(const uint16_t* source, uint32_t* target, int width);
void MP_RGB48ToARGB32RowSSSE3(const uint16_t* source, uint32_t* target, int width);
/// The fastest row function this processor runs.
MP_RowToARGB32 MP_RGB48ToARGB32RowFunction();
