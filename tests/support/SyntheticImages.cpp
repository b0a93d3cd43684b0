#include "tests/support/SyntheticImages.h"

#include <cstdlib>
#include <random>

namespace TestImages
{
std::vector<uint16_t> Ramp(int width, int height)
{
    static const uint16_t kEdges[] = {0, 1, 32767, 32768, 65534, 65535};
    const size_t samples = size_t(width) * height * 3;
    std::vector<uint16_t> image(samples);
    for (size_t i = 0; i < samples; ++i)
        image[i] = i < 6 ? kEdges[i] : uint16_t((i * 65535 / (samples > 1 ? samples - 1 : 1) + (i % 3) * 9973) % 65536);
    return image;
}

std::vector<uint16_t> RgbCube(int n)
{
    std::vector<uint16_t> image;
    image.reserve(size_t(n) * n * n * 3);
    auto level = [n](int i) { return uint16_t(n > 1 ? i * 65535 / (n - 1) : 0); };
    for (int b = 0; b < n; ++b)
        for (int g = 0; g < n; ++g)
            for (int r = 0; r < n; ++r)
            {
                image.push_back(level(r));
                image.push_back(level(g));
                image.push_back(level(b));
            }
    return image;
}

std::vector<uint16_t> Noise(int width, int height, uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<uint16_t> image(size_t(width) * height * 3);
    for (uint16_t& v : image)
        v = uint16_t(random() & 0xFFFF);
    return image;
}

std::string SCompareResult::Describe() const
{
    return "max difference " + std::to_string(iMaxAbs) + " at (" + std::to_string(iX) + ", " +
           std::to_string(iY) + ") channel " + std::to_string(iChannel) + ", failing fraction " +
           std::to_string(dFailFraction);
}

SCompareResult CompareImages(const uint16_t* a, const uint16_t* b, int width, int height, int maxAbs)
{
    SCompareResult result;
    const size_t samples = size_t(width) * height * 3;
    size_t failing = 0;
    for (size_t i = 0; i < samples; ++i)
    {
        const int d = std::abs(int(a[i]) - int(b[i]));
        if (d > maxAbs)
            ++failing;
        if (d > result.iMaxAbs)
        {
            result.iMaxAbs = d;
            result.iX = int((i / 3) % size_t(width));
            result.iY = int((i / 3) / size_t(width));
            result.iChannel = int(i % 3);
        }
    }
    result.dFailFraction = samples ? double(failing) / double(samples) : 0.0;
    return result;
}
}  // namespace TestImages
