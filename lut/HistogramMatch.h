// Per-channel histograms of 16-bit RGB pictures: how far two pictures' tones lie apart, and plain
// histogram matching, the yardstick for LUTs made from a reference picture.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace HistogramMatch
{
/// Earth mover's distance between the channel histograms of two packed RGB pictures (each
/// normalised to its pixel count), in 8-bit levels: the area between the two cumulative
/// distributions ÷ 257. Red, green, blue.
std::array<double, 3> Distance(const uint16_t* a, size_t pixelsA, const uint16_t* b, size_t pixelsB);

/// Moves every sample of `image` (in place) to the reference's value at the same cumulative
/// share of its channel: the middle of the sample value's share of the picture.
void Match(uint16_t* image, size_t pixels, const uint16_t* reference, size_t referencePixels);
}  // namespace HistogramMatch
