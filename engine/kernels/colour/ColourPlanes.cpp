#include "engine/kernels/colour/ColourPlanes.h"

#include <cmath>

namespace ColourFamily
{
namespace
{
inline int ClampIndex(int i, int n)
{
    return i < 0 ? 0 : (i < n ? i : n - 1);
}

/// The rounded mean of a box sum: a fixed function of the sum, wherever the sum was started.
inline uint16_t BoxMean(uint64_t sum, double inverse)
{
    return uint16_t(double(sum) * inverse + 0.5);
}
}  // namespace

void BoxRows(const Params& p, const uint16_t* in, uint16_t* out, int width, int height, int r)
{
    const double inverse = 1.0 / double(2 * r + 1);
    MP_MT_ForBands(height, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
        {
            const uint16_t* s = in + size_t(y) * width;
            uint16_t* d = out + size_t(y) * width;
            uint64_t sum = 0;
            for (int i = -r; i <= r; ++i)
                sum += s[ClampIndex(i, width)];
            for (int x = 0; x < width; ++x)
            {
                d[x] = BoxMean(sum, inverse);
                sum += s[ClampIndex(x + r + 1, width)];
                sum -= s[ClampIndex(x - r, width)];
            }
        }
    });
}

void BoxColumns(const Params& p, const uint16_t* in, uint16_t* out, int width, int height, int r)
{
    const double inverse = 1.0 / double(2 * r + 1);
    MP_MT_ForBands(width, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        const int x0 = t.iRowBegin, n = t.iRowEnd - t.iRowBegin;
        std::vector<uint64_t> sums(size_t(n), 0);
        for (int i = -r; i <= r; ++i)
        {
            const uint16_t* row = in + size_t(ClampIndex(i, height)) * width + x0;
            for (int x = 0; x < n; ++x)
                sums[size_t(x)] += row[x];
        }
        for (int y = 0; y < height; ++y)
        {
            uint16_t* d = out + size_t(y) * width + x0;
            const uint16_t* add = in + size_t(ClampIndex(y + r + 1, height)) * width + x0;
            const uint16_t* sub = in + size_t(ClampIndex(y - r, height)) * width + x0;
            for (int x = 0; x < n; ++x)
            {
                d[x] = BoxMean(sums[size_t(x)], inverse);
                sums[size_t(x)] += add[x];
                sums[size_t(x)] -= sub[x];
            }
        }
    });
}

void SoftBlur(const Params& p, SPlane& plane, int width, int height, int r)
{
    if (r < 1 || plane.size() < size_t(width) * height)
        return;
    SPlane tmp(plane.size());
    for (int pass = 0; pass < 3; ++pass)
    {
        BoxRows(p, plane.data(), tmp.data(), width, height, r);
        BoxColumns(p, tmp.data(), plane.data(), width, height, r);
    }
}

int ScaledReach(const Params& p, float fullSizePixels)
{
    const float s = p.previewscalingfactor > 0.0f && p.previewscalingfactor <= 1.0f ? p.previewscalingfactor : 1.0f;
    const float r = fullSizePixels * s;
    if (!(r > 0.0f))
        return 0;
    return r < fullSizePixels ? int(r) : int(fullSizePixels);
}

std::array<SPlane, 3> ChannelPlanes(const Params& p, const uint16_t* src, int sourceStride, int width, int height)
{
    const size_t n = size_t(width) * height;
    std::array<SPlane, 3> planes{SPlane(n), SPlane(n), SPlane(n)};
    const int step = sourceStride / 2;
    MP_MT_ForBands(height, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        for (size_t i = size_t(t.iRowBegin) * width; i < size_t(t.iRowEnd) * width; ++i)
            for (int c = 0; c < 3; ++c)
                planes[size_t(c)][i] = src[i * step + c];
    });
    return planes;
}

SPlane LuminancePlane(const Params& p, const uint16_t* src, int sourceStride, int width, int height)
{
    SPlane plane(size_t(width) * height);
    const int step = sourceStride / 2;
    const float wr = p.lumr, wg = p.lumg, wb = p.lumb;
    MP_MT_ForBands(height, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        for (size_t i = size_t(t.iRowBegin) * width; i < size_t(t.iRowEnd) * width; ++i)
        {
            const uint16_t* px = src + i * step;
            const float L = wr * px[0] + wg * px[1] + wb * px[2];
            plane[i] = L > 0.0f ? (L < 65535.0f ? uint16_t(L + 0.5f) : uint16_t(65535)) : uint16_t(0);
        }
    });
    return plane;
}

SHistograms ChannelHistograms(const Params& p, const uint16_t* src, int sourceStride, int width, int height)
{
    const int bands = std::max(1, MP_KernelWorkers(p, width, height));
    std::vector<std::array<std::vector<uint32_t>, 3>> partial(static_cast<size_t>(bands));
    const int step = sourceStride / 2;
    MP_MT_ForBands(height, bands, [&](const TaskFuncParams& t) {
        auto& counts = partial[size_t(t.iBand)];
        for (auto& c : counts)
            c.assign(65536, 0);
        for (size_t i = size_t(t.iRowBegin) * width; i < size_t(t.iRowEnd) * width; ++i)
            for (int c = 0; c < 3; ++c)
                ++counts[size_t(c)][src[i * step + c]];
    });
    SHistograms h;
    for (auto& c : h.aCounts)
        c.assign(65536, 0);
    for (const auto& band : partial)
        for (int c = 0; c < 3; ++c)
            if (!band[size_t(c)].empty())
                for (int v = 0; v < 65536; ++v)
                    h.aCounts[size_t(c)][size_t(v)] += band[size_t(c)][size_t(v)];
    h.uPixels = uint64_t(width) * uint64_t(height);
    return h;
}

int Percentile(const std::vector<uint32_t>& counts, uint64_t total, double fraction)
{
    const double target = std::clamp(fraction, 0.0, 1.0) * double(total);
    uint64_t seen = 0;
    for (int v = 0; v < 65536; ++v)
    {
        seen += counts[size_t(v)];
        if (seen > 0 && double(seen) >= target)
            return v;
    }
    return 65535;
}
}  // namespace ColourFamily
