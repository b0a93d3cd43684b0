#include "lut/HistogramMatch.h"

#include <cmath>
#include <vector>

namespace
{
using Histograms = std::array<std::vector<uint64_t>, 3>;

// 65,536 counts per channel.
Histograms Count(const uint16_t* pixels, size_t count)
{
    Histograms histograms;
    for (auto& h : histograms)
        h.assign(65536, 0);
    for (size_t i = 0; i < count * 3; ++i)
        ++histograms[i % 3][pixels[i]];
    return histograms;
}
}  // namespace

namespace HistogramMatch
{
std::array<double, 3> Distance(const uint16_t* a, size_t pixelsA, const uint16_t* b, size_t pixelsB)
{
    const Histograms ha = Count(a, pixelsA), hb = Count(b, pixelsB);
    std::array<double, 3> distance = {};
    for (size_t c = 0; c < 3; ++c)
    {
        double ca = 0.0, cb = 0.0, area = 0.0;
        for (size_t v = 0; v < 65536; ++v)
        {
            ca += double(ha[c][v]) / double(pixelsA);
            cb += double(hb[c][v]) / double(pixelsB);
            area += std::fabs(ca - cb);
        }
        distance[c] = area / 257.0;
    }
    return distance;
}

void Match(uint16_t* image, size_t pixels, const uint16_t* reference, size_t referencePixels)
{
    const Histograms hi = Count(image, pixels), hr = Count(reference, referencePixels);
    const double ni = double(pixels), nr = double(referencePixels);
    std::array<std::vector<uint16_t>, 3> maps;
    for (size_t c = 0; c < 3; ++c)
    {
        maps[c].resize(65536);
        double below = 0.0, refCumulative = double(hr[c][0]) / nr;
        size_t r = 0;
        for (size_t v = 0; v < 65536; ++v)
        {
            const double share = below + double(hi[c][v]) / ni * 0.5;
            below += double(hi[c][v]) / ni;
            while (r < 65535 && refCumulative < share)
                refCumulative += double(hr[c][++r]) / nr;
            maps[c][v] = uint16_t(r);
        }
    }
    for (size_t i = 0; i < pixels * 3; ++i)
        image[i] = maps[i % 3][image[i]];
}
}  // namespace HistogramMatch
