// Helpers of the smooth, mask and tone-mapping tests: call records at the catalogue's defaults,
// kernels run the way the device path cuts an image into stripes, and a 2 × 2 downscale.
#pragma once

#include "EngineTestUtil.h"
#include "engine/KernelRegistry.h"

#include <algorithm>
#include <cmath>

namespace SmoothTest
{
/// The kernel's function on the whole image, in place.
inline std::vector<uint16_t> Whole(const char* kernel, std::vector<uint16_t> image, int w, int h, Params p)
{
    const SKernelEntry* entry = MP_FindKernel(kernel);
    MP_FillKernelHeader(*entry, p, w, h);
    entry->pFunction(w, h, image.data(), image.data(), 6, 6, &p);
    return image;
}

/// The kernel's function on stripes of `rows` rows, each with the table's border rows above and
/// below and its stripe offset, as the striped path runs it; the stripes' own rows are kept.
inline std::vector<uint16_t> Striped(const char* kernel, const std::vector<uint16_t>& image, int w, int h, Params p,
                                     int rows)
{
    const SKernelEntry* entry = MP_FindKernel(kernel);
    MP_FillKernelHeader(*entry, p, w, h);
    const int border = MP_BorderRows(kernel, p);
    std::vector<uint16_t> out(image.size());
    for (int y0 = 0; y0 < h; y0 += rows)
    {
        const int y1 = std::min(y0 + rows, h), top = std::max(y0 - border, 0), bottom = std::min(y1 + border, h);
        std::vector<uint16_t> piece(image.begin() + ptrdiff_t(top) * w * 3, image.begin() + ptrdiff_t(bottom) * w * 3);
        Params stripe = p;
        stripe.y_offset = top;
        entry->pFunction(w, bottom - top, piece.data(), piece.data(), 6, 6, &stripe);
        std::copy(piece.begin() + ptrdiff_t(y0 - top) * w * 3, piece.begin() + ptrdiff_t(y1 - top) * w * 3,
                  out.begin() + ptrdiff_t(y0) * w * 3);
    }
    return out;
}

inline double MeanAbsDifference(const std::vector<uint16_t>& a, const std::vector<uint16_t>& b)
{
    double sum = 0.0;
    for (size_t i = 0; i < a.size(); ++i)
        sum += std::abs(int(a[i]) - int(b[i]));
    return sum / double(a.size());
}

inline uint16_t& At(std::vector<uint16_t>& image, int w, int x, int y, int c)
{
    return image[(size_t(y) * w + x) * 3 + c];
}
}  // namespace SmoothTest
