// Small synthetic 16-bit RGB images for tests, and an image comparison with a tolerance.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace TestImages
{
/// Interleaved RGB ramp whose first samples are 0, 1, 32767, 32768, 65534, 65535, continuing
/// with a sweep over the whole range; channels are offset so they differ.
std::vector<uint16_t> Ramp(int width, int height);
/// Every combination of n levels per channel (0..65535 evenly), as an n² × n image.
std::vector<uint16_t> RgbCube(int n);
/// Seeded uniform noise.
std::vector<uint16_t> Noise(int width, int height, uint32_t seed);

struct SCompareResult
{
    int iMaxAbs = 0;   // largest absolute difference
    int iX = -1, iY = -1, iChannel = -1; // where it is
    double dFailFraction = 0.0; // samples whose difference exceeds the tolerance
    std::string Describe() const;
};

/// Compares two interleaved RGB images sample by sample against `maxAbs`.
SCompareResult CompareImages(const uint16_t* a, const uint16_t* b, int width, int height, int maxAbs);
}  // namespace TestImages
