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
/// The mean of a box sum as a fixed-point multiply: a fixed function of the sum, wherever the
/// sum was started (sums stay below 2^27, the factor below 2^32, so the product fits 64 bits).
struct SBoxMean
{
    uint64_t uFactor;
    explicit SBoxMean(int r) : uFactor((uint64_t(1) << 32) / uint64_t(2 * r + 1) + 1) {}
    uint16_t operator()(uint64_t sum) const
    {
        const uint64_t v = (sum * uFactor + (uint64_t(1) << 31)) >> 32;
        return uint16_t(v < 65535 ? v : 65535);
    }
};
}  // namespace

void BoxRows(const Params& p, const uint16_t* in, uint16_t* out, int width, int height, int r)
{
    const SBoxMean mean(r);
    MP_MT_ForBands(height, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
        {
            const uint16_t* s = in + size_t(y) * width;
            uint16_t* d = out + size_t(y) * width;
            uint64_t sum = 0;
            for (int i = -r; i <= r; ++i)
                sum += s[ClampIndex(i, width)];
            // Clamped reads only where the window leaves the row.
            const int inner = std::max(0, std::min(width, width - r - 1) - r);
            int x = 0;
            for (; x < r && x < width; ++x)
            {
                d[x] = mean(sum);
                sum += s[ClampIndex(x + r + 1, width)];
                sum -= s[ClampIndex(x - r, width)];
            }
            for (const int end = x + inner; x < end; ++x)
            {
                d[x] = mean(sum);
                sum += s[x + r + 1];
                sum -= s[x - r];
            }
            for (; x < width; ++x)
            {
                d[x] = mean(sum);
                sum += s[ClampIndex(x + r + 1, width)];
                sum -= s[ClampIndex(x - r, width)];
            }
        }
    });
}

void BoxColumns(const Params& p, const uint16_t* in, uint16_t* out, int width, int height, int r)
{
    const SBoxMean mean(r);
    MP_MT_ForBands(width, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        const int x0 = t.iRowBegin, n = t.iRowEnd - t.iRowBegin;
        std::vector<uint32_t> sums(size_t(n), 0);
        for (int i = -r; i <= r; ++i)
        {
            const uint16_t* row = in + size_t(ClampIndex(i, height)) * width + x0;
            for (int x = 0; x < n; ++x)
                sums[size_t(x)] += row[x];
        }
        for (int y = 0; y < height; ++y)
        {
            uint16_t* __restrict d = out + size_t(y) * width + x0;
            const uint16_t* __restrict add = in + size_t(ClampIndex(y + r + 1, height)) * width + x0;
            const uint16_t* __restrict sub = in + size_t(ClampIndex(y - r, height)) * width + x0;
            uint32_t* __restrict s = sums.data();
            for (int x = 0; x < n; ++x)
            {
                d[x] = mean(s[x]);
                s[x] += add[x];
                s[x] -= sub[x];
            }
        }
    });
}

namespace
{
/// Three box passes each way at radius r.
void BoxPasses(const Params& p, SPlane& plane, int width, int height, int r)
{
    SPlane tmp(plane.size());
    for (int pass = 0; pass < 3; ++pass)
    {
        BoxRows(p, plane.data(), tmp.data(), width, height, r);
        BoxColumns(p, tmp.data(), plane.data(), width, height, r);
    }
}

/// Block rows of a factor-f grid laid on the whole picture's rows: the first one this image
/// (starting at row `yOffset` of the picture) touches, and how many.
struct SBlockRows
{
    int iFirst, iCount;
    SBlockRows(int yOffset, int height, int f) : iFirst(yOffset / f), iCount((yOffset + height - 1) / f - yOffset / f + 1) {}
};

/// Block means of f × f pixels (the blocks the image only partly covers: of the covered pixels).
SPlane Shrink(const Params& p, const SPlane& plane, int width, int height, int yOffset, int f, const SBlockRows& rows,
              int columns)
{
    SPlane small(size_t(columns) * rows.iCount);
    MP_MT_ForBands(rows.iCount, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        std::vector<uint32_t> sums(static_cast<size_t>(columns));
        for (int by = t.iRowBegin; by < t.iRowEnd; ++by)
        {
            const int y0 = std::max(0, (rows.iFirst + by) * f - yOffset);
            const int y1 = std::min(height, (rows.iFirst + by + 1) * f - yOffset);
            std::fill(sums.begin(), sums.end(), 0u);
            for (int y = y0; y < y1; ++y)
            {
                const uint16_t* row = &plane[size_t(y) * width];
                for (int bx = 0; bx < columns; ++bx)
                {
                    const uint16_t* q = row + size_t(bx) * f;
                    const int n = std::min(f, width - bx * f);
                    uint32_t sum = 0;
                    for (int k = 0; k < n; ++k)
                        sum += q[k];
                    sums[size_t(bx)] += sum;
                }
            }
            for (int bx = 0; bx < columns; ++bx)
            {
                const uint32_t n = uint32_t((y1 - y0) * (std::min(width, (bx + 1) * f) - bx * f));
                small[size_t(by) * columns + bx] = uint16_t((sums[size_t(bx)] + n / 2) / n);
            }
        }
    });
    return small;
}

/// Where pixel i lies between two block centres of a factor-f grid whose first block is `first`:
/// the two blocks and the weight of the second in 1/256.
struct SBetween
{
    int i0, i1;
    uint32_t t;
    SBetween(int i, int f, int first, int count)
    {
        const int twice = 2 * i + 1 - f; // 2f × (position in blocks), centres at (2k + 1) f / 2
        const int block = twice >= 0 ? twice / (2 * f) : -1;
        t = uint32_t((twice - block * 2 * f) * 256 / (2 * f));
        i0 = std::clamp(block - first, 0, count - 1);
        i1 = std::clamp(block + 1 - first, 0, count - 1);
    }
};

/// Bilinear enlargement of the block plane back onto the image's pixels, in integers.
void Enlarge(const Params& p, const SPlane& small, SPlane& plane, int width, int height, int yOffset, int f,
             const SBlockRows& rows, int columns)
{
    std::vector<SBetween> across;
    across.reserve(size_t(width));
    for (int x = 0; x < width; ++x)
        across.emplace_back(x, f, 0, columns);
    MP_MT_ForBands(height, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& task) {
        for (int y = task.iRowBegin; y < task.iRowEnd; ++y)
        {
            const SBetween down(y + yOffset, f, rows.iFirst, rows.iCount);
            const uint16_t* a = &small[size_t(down.i0) * columns];
            const uint16_t* b = &small[size_t(down.i1) * columns];
            uint16_t* out = &plane[size_t(y) * width];
            for (int x = 0; x < width; ++x)
            {
                const SBetween& c = across[size_t(x)];
                const uint32_t top = a[c.i0] * (256 - c.t) + a[c.i1] * c.t;
                const uint32_t bottom = b[c.i0] * (256 - c.t) + b[c.i1] * c.t;
                out[x] = uint16_t((top * (256 - down.t) + bottom * down.t + 32768) >> 16);
            }
        }
    });
}
}  // namespace

void SoftBlur(const Params& p, SPlane& plane, int width, int height, int reach)
{
    if (reach < 3 || plane.size() < size_t(width) * height)
        return;
    // Wide blurs run on a grid of f × f blocks laid on the whole picture (so a stripe's blocks are
    // the picture's blocks): a sixteenth of the work or less. The blocks at a stripe's cut edges
    // differ from the picture's; their influence reaches 3 r f + 2 f pixels, kept within the reach.
    const int f = reach >= 48 ? 4 : (reach >= 24 ? 2 : 1);
    if (f == 1)
    {
        BoxPasses(p, plane, width, height, reach / 3);
        return;
    }
    const int r = (reach - 2 * f) / (3 * f);
    const SBlockRows rows(p.y_offset, height, f);
    const int columns = (width + f - 1) / f;
    SPlane small = Shrink(p, plane, width, height, p.y_offset, f, rows, columns);
    BoxPasses(p, small, columns, rows.iCount, r);
    Enlarge(p, small, plane, width, height, p.y_offset, f, rows, columns);
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
