// The black/white-point measurement of an image: the luminance levels below which 0.1 % and
// above which 0.1 % of the pixels lie, normalised to 0…1.
#pragma once

#include "engine/Params.h"

#include <cstdint>

/// Measures a width × height packed 16-bit RGB image with the record's luminance weights into
/// its lummin and lummax, over the workers of its engine context. Returns an engine status;
/// lummin = 0, lummax = 1 for an image without pixels.
int MP_MeasureBlackWhitePoint(int width, int height, const uint16_t* image, Params& params);
