// Planes and image statistics of the colour family's neighbourhood kernels. Blurs run on 16-bit
// planes with exact integer running sums, so a value never depends on where a band or a stripe
// starts (a stripe with enough context rows gives the same core rows as the whole image), and
// their cost does not depend on the radius. Statistics add up integers for the same reason.
#pragma once

#include "core/WorkerSplit.h"
#include "engine/EngineContext.h"
#include "engine/LayerFrame.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace ColourFamily
{
using SPlane = std::vector<uint16_t>;

/// One box pass of radius r along rows, edges clamped.
void BoxRows(const Params& p, const uint16_t* in, uint16_t* out, int width, int height, int r);
/// One box pass of radius r along columns: a running sum per column, row after row.
void BoxColumns(const Params& p, const uint16_t* in, uint16_t* out, int width, int height, int r);
/// A soft blur (three box passes each way, close to a Gaussian) that reaches at most `reach`
/// pixels, in place; wide ones run on a coarser grid laid on the whole picture (the record's
/// y_offset places a stripe on it), so their cost stays low whatever the reach.
void SoftBlur(const Params& p, SPlane& plane, int width, int height, int reach);

/// Radius in pixels for a reach of `fullSizePixels` at full resolution: scaled by the preview
/// factor, bounded to `fullSizePixels` (a hostile factor cannot widen it).
int ScaledReach(const Params& p, float fullSizePixels);
/// True when a SoftBlur of this reach changes anything.
inline bool Blurs(int reach)
{
    return reach >= 3;
}

/// A packed RGB source with 16-bit steps (`sourceStride` bytes per pixel) as one plane per
/// channel.
std::array<SPlane, 3> ChannelPlanes(const Params& p, const uint16_t* src, int sourceStride, int width, int height);
/// The luminance of every pixel with the record's weights, rounded to levels.
SPlane LuminancePlane(const Params& p, const uint16_t* src, int sourceStride, int width, int height);

/// Per-channel histograms of 65536 levels over the whole image.
struct SHistograms
{
    std::array<std::vector<uint32_t>, 3> aCounts;
    uint64_t uPixels = 0;
};
SHistograms ChannelHistograms(const Params& p, const uint16_t* src, int sourceStride, int width, int height);
/// The first level at which `fraction` of the samples are reached: 0 the darkest level present,
/// 1 the brightest.
int Percentile(const std::vector<uint32_t>& counts, uint64_t total, double fraction);

/// Integer sums over the pixels of an image, accumulated per band and added in band order.
/// `add(px, sums)` adds one pixel (16-bit samples) to an array of N 64-bit sums.
template <int N, class Add>
std::array<int64_t, N> SumPixels(const Params& p, const uint16_t* src, int sourceStride, int width, int height,
                                 const Add& add)
{
    const int bands = std::max(1, MP_KernelWorkers(p, width, height));
    std::vector<std::array<int64_t, N>> partial(size_t(bands), std::array<int64_t, N>{});
    const int step = sourceStride / 2;
    MP_MT_ForBands(height, bands, [&](const TaskFuncParams& t) {
        std::array<int64_t, N>& sums = partial[size_t(t.iBand)];
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
        {
            const uint16_t* px = src + size_t(y) * width * step;
            for (int x = 0; x < width; ++x, px += step)
                add(px, sums);
        }
    });
    std::array<int64_t, N> total{};
    for (const auto& s : partial)
        for (int i = 0; i < N; ++i)
            total[size_t(i)] += s[size_t(i)];
    return total;
}
}  // namespace ColourFamily
