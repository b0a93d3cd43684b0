// Helpers of the kernels that read a neighbourhood: a stable copy of an in-place source and
// box blurs over float planes (three passes approximate a Gaussian).
#pragma once

#include "core/WorkerSplit.h"
#include "engine/LayerFrame.h"
#include "engine/PointKernel.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

/// The source as a packed RGB image that stays valid while the kernel writes the target: the
/// source itself, or a copy when both are the same buffer (or strides are not packed).
class CStableSource
{
public:
    CStableSource(int width, int height, const uint16_t* source, int sourceStride, const uint16_t* target)
    {
        const int step = sourceStride / 2;
        if (source != target && step == 3)
        {
            m_p = source;
            return;
        }
        m_copy.resize(size_t(width) * height * 3);
        for (size_t i = 0; i < size_t(width) * height; ++i)
            for (int c = 0; c < 3; ++c)
                m_copy[i * 3 + c] = source[i * step + c];
        m_p = m_copy.data();
    }
    const uint16_t* Data() const { return m_p; }

private:
    std::vector<uint16_t> m_copy;
    const uint16_t* m_p = nullptr;
};

/// One box-blur pass of radius r along rows (horizontal) or columns, edges clamped.
inline void MP_BoxBlurPass(const Params& p, const float* in, float* out, int width, int height, int r,
                           bool horizontal)
{
    if (r < 1)
    {
        std::memcpy(out, in, sizeof(float) * size_t(width) * height);
        return;
    }
    const int lines = horizontal ? height : width;
    const int len = horizontal ? width : height;
    const size_t step = horizontal ? 1 : size_t(width);
    MP_MT_ForBands(lines, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        for (int l = t.iRowBegin; l < t.iRowEnd; ++l)
        {
            const float* src = in + (horizontal ? size_t(l) * width : size_t(l));
            float* dst = out + (horizontal ? size_t(l) * width : size_t(l));
            auto at = [&](int i) { return src[size_t(std::clamp(i, 0, len - 1)) * step]; };
            double sum = 0.0;
            for (int i = -r; i <= r; ++i)
                sum += at(i);
            const float norm = 1.0f / float(2 * r + 1);
            for (int i = 0; i < len; ++i)
            {
                dst[size_t(i) * step] = float(sum) * norm;
                sum += at(i + r + 1) - at(i - r);
            }
        }
    });
}

/// Three box passes in each direction: close to a Gaussian of σ ≈ r. `plane` is blurred in place.
inline void MP_GaussLikeBlur(const Params& p, std::vector<float>& plane, int width, int height, int r)
{
    if (r < 1)
        return;
    std::vector<float> tmp(plane.size());
    for (int pass = 0; pass < 3; ++pass)
    {
        MP_BoxBlurPass(p, plane.data(), tmp.data(), width, height, r, true);
        MP_BoxBlurPass(p, tmp.data(), plane.data(), width, height, r, false);
    }
}

/// A value in sample units rounded to the nearest level, so a flat area stays exactly flat.
inline uint16_t MP_RoundSample(float samples)
{
    if (!(samples > 0.0f))
        return 0;
    return samples < 65534.5f ? uint16_t(int(samples + 0.5f)) : uint16_t(65535);
}

/// A normalised value rounded to the nearest level.
inline uint16_t MP_RoundLevel(float v)
{
    return MP_RoundSample(v * 65535.0f);
}

/// Splits a packed RGB image into three float planes of 0…1.
inline std::vector<float> MP_ToPlanes(const uint16_t* rgb, int width, int height)
{
    const size_t n = size_t(width) * height;
    std::vector<float> planes(3 * n);
    for (size_t i = 0; i < n; ++i)
        for (int c = 0; c < 3; ++c)
            planes[c * n + i] = rgb[i * 3 + c] * MP_DECODE;
    return planes;
}

/// Radius in pixels from a 0…1 slider: value × full-resolution maximum × preview factor,
/// bounded so no parameter can make a kernel wider than its maximum.
inline int MP_ScaledRadius(float value, float maxAtFullSize, float previewFactor)
{
    const float s = previewFactor > 0.0f && previewFactor <= 1.0f ? previewFactor : 1.0f;
    const float r = MP_Clamp01(value) * maxAtFullSize * s;
    return int(r);
}

// ---------------------------------------------------------------------------------------------
// Fixed-point planes: levels × 256 in int32, `channels` values per pixel, rows packed. Box sums
// over them are exact integers, so a box mean depends only on the values it covers: the same in
// any band split, and the same in a stripe run with enough context rows as in a whole-image run.
constexpr int MP_FIXED_SHIFT = 8;
constexpr float MP_FIXED_ONE = 65535.0f * 256.0f; // 1.0 normalised

inline int32_t MP_ToFixed(uint16_t level)
{
    return int32_t(level) << MP_FIXED_SHIFT;
}

inline float MP_FixedToFloat(int32_t v)
{
    return float(v) * (1.0f / MP_FIXED_ONE);
}

/// A fixed-point value rounded to the nearest level, clamped to 0…65535.
inline uint16_t MP_FixedToLevel(int32_t v)
{
    const int32_t level = (v + (1 << (MP_FIXED_SHIFT - 1))) >> MP_FIXED_SHIFT;
    return uint16_t(level < 0 ? 0 : (level > 65535 ? 65535 : level));
}

/// The packed RGB source (pixel step in samples) as a three-channel fixed-point plane.
inline std::vector<int32_t> MP_ToFixedPlane(const uint16_t* rgb, int width, int height, int step = 3)
{
    const size_t n = size_t(width) * height;
    std::vector<int32_t> plane(3 * n);
    for (size_t i = 0; i < n; ++i)
        for (int c = 0; c < 3; ++c)
            plane[3 * i + c] = MP_ToFixed(rgb[i * step + c]);
    return plane;
}

/// Rounds an exact sum of `count` values to their mean (floor of mean + ½, negative sums too).
struct SBoxMean
{
    double dInverse;
    explicit SBoxMean(int count) : dInverse(1.0 / double(count)) {}
    int32_t operator()(int64_t sum) const
    {
        constexpr double kOffset = 4294967296.0; // keeps the truncation a floor
        return int32_t(int64_t(double(sum) * dInverse + 0.5 + kOffset) - int64_t(kOffset));
    }
};

/// Three box radii adding up to `reach` (the farthest pixel the blur reads): three passes
/// approximate a Gaussian of σ ≈ reach ÷ 3.
inline void MP_GaussBoxRadii(int reach, int radii[3])
{
    radii[0] = reach / 3, radii[1] = (reach + 1) / 3, radii[2] = (reach + 2) / 3;
}

/// Box passes of the given radii (0 skips one) over `count` values `step` apart, in place, one
/// after another: each pass reads a copy padded with the clamped end values, so the running sum
/// needs no bounds checks. `pad` is scratch the passes reuse.
inline void MP_BoxPassesInPlace(int32_t* values, int count, size_t step, const int radii[3], std::vector<int32_t>& pad)
{
    for (int k = 0; k < 3 && count > 0; ++k)
    {
        const int r = radii[k];
        if (r < 1)
            continue;
        pad.resize(size_t(count) + 2 * size_t(r) + 1);
        int32_t* padded = pad.data() + r; // padded[-r … count + r]
        for (int i = -r; i <= count + r; ++i)
            padded[i] = values[size_t(std::clamp(i, 0, count - 1)) * step];
        const SBoxMean mean(2 * r + 1);
        int64_t sum = 0;
        for (int i = -r; i <= r; ++i)
            sum += padded[i];
        for (int i = 0; i < count; ++i)
        {
            values[size_t(i) * step] = mean(sum);
            sum += int64_t(padded[i + r + 1]) - padded[i - r];
        }
    }
}

/// Up to three box passes of the given radii (0 skips one) along the rows, then down the columns
/// of a fixed-point plane, in place. All passes of a direction run on one row, or on a strip of
/// columns, while it is in the cache.
inline void MP_BoxPassesFixed(const Params& p, std::vector<int32_t>& plane, int width, int height, int channels,
                              const int rowRadii[3], const int columnRadii[3])
{
    const int workers = MP_KernelWorkers(p, width, height);
    if (std::max({rowRadii[0], rowRadii[1], rowRadii[2]}) > 0)
        MP_MT_ForBands(height, workers, [&](const TaskFuncParams& t) {
            std::vector<int32_t> pad;
            for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
                for (int c = 0; c < channels; ++c)
                    MP_BoxPassesInPlace(plane.data() + size_t(y) * width * channels + c, width, size_t(channels),
                                        rowRadii, pad);
        });
    if (std::max({columnRadii[0], columnRadii[1], columnRadii[2]}) > 0)
    {
        // Strips of 32 values across: a strip of every row stays in the cache for its passes,
        // and the running sums of its 32 columns advance together row by row.
        constexpr int kStrip = 32;
        const int values = width * channels, strips = (values + kStrip - 1) / kStrip;
        MP_MT_ForBands(strips, workers, [&](const TaskFuncParams& t) {
            std::vector<int32_t> a(size_t(height) * kStrip, 0), b(a.size());
            int64_t sums[kStrip];
            for (int s = t.iRowBegin; s < t.iRowEnd; ++s)
            {
                const int begin = s * kStrip, count = std::min(kStrip, values - begin);
                for (int y = 0; y < height; ++y)
                    std::copy_n(plane.data() + size_t(y) * values + begin, count, a.data() + size_t(y) * kStrip);
                for (int k = 0; k < 3; ++k)
                {
                    const int r = columnRadii[k];
                    if (r < 1)
                        continue;
                    const SBoxMean mean(2 * r + 1);
                    auto row = [&](int y) { return a.data() + size_t(std::clamp(y, 0, height - 1)) * kStrip; };
                    std::fill_n(sums, kStrip, 0);
                    for (int y = -r; y <= r; ++y)
                        for (int j = 0; j < kStrip; ++j)
                            sums[j] += row(y)[j];
                    for (int y = 0; y < height; ++y)
                    {
                        int32_t* dst = b.data() + size_t(y) * kStrip;
                        const int32_t *enter = row(y + r + 1), *leave = row(y - r);
                        for (int j = 0; j < kStrip; ++j)
                        {
                            dst[j] = mean(sums[j]);
                            sums[j] += int64_t(enter[j]) - leave[j];
                        }
                    }
                    a.swap(b);
                }
                for (int y = 0; y < height; ++y)
                    std::copy_n(a.data() + size_t(y) * kStrip, count, plane.data() + size_t(y) * values + begin);
            }
        });
    }
}

/// A Gaussian-like blur of a fixed-point plane in place: three box passes along rows
/// (`rowReach`) and three down columns (`columnReach`); 0 leaves that direction alone. The cost
/// does not depend on the reach.
inline void MP_GaussBlurFixed(const Params& p, std::vector<int32_t>& plane, int width, int height, int channels,
                              int rowReach, int columnReach)
{
    int rowRadii[3], columnRadii[3];
    MP_GaussBoxRadii(std::max(rowReach, 0), rowRadii);
    MP_GaussBoxRadii(std::max(columnReach, 0), columnRadii);
    MP_BoxPassesFixed(p, plane, width, height, channels, rowRadii, columnRadii);
}

/// Box mean of radius r in both directions (reach r).
inline void MP_BoxBlurFixed(const Params& p, std::vector<int32_t>& plane, int width, int height, int channels, int r)
{
    const int radii[3] = {0, 0, std::max(r, 0)};
    MP_BoxPassesFixed(p, plane, width, height, channels, radii, radii);
}

/// Edge-preserving smoothing of each channel guided by itself (a guided filter): per box of
/// radius r the values are fitted as a × value + b; flat boxes (variance well below `epsilon`,
/// in value units squared) become their mean, boxes across an edge keep it. Reach 2r; the plane
/// is smoothed in place. `bound` is the largest magnitude a value can have: it sets how far the
/// values are shifted before squaring, so it must not depend on the image.
inline void MP_GuidedSmoothFixed(const Params& p, std::vector<int32_t>& plane, int width, int height, int channels,
                                 int r, double epsilon, int32_t bound = int32_t(MP_FIXED_ONE))
{
    if (r < 1)
        return;
    // Squares of values shifted right so they fit in 31 bits.
    int shift = 0;
    while ((bound >> shift) > 32767)
        ++shift;
    const size_t n = plane.size();
    std::vector<int32_t> mean(plane), square(n);
    MP_MT_ForBands(height, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        const size_t end = size_t(t.iRowEnd) * width * channels;
        for (size_t i = size_t(t.iRowBegin) * width * channels; i < end; ++i)
        {
            const int32_t s = plane[i] >> shift;
            square[i] = s * s;
        }
    });
    MP_BoxBlurFixed(p, mean, width, height, channels, r);
    MP_BoxBlurFixed(p, square, width, height, channels, r);
    // a in 1/2^20, b in value units; both smoothed again over the same box.
    const double unit = double(int64_t(1) << shift), eps = epsilon / (unit * unit);
    std::vector<int32_t>& a = square;
    std::vector<int32_t> b(n);
    MP_MT_ForBands(height, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        const size_t end = size_t(t.iRowEnd) * width * channels;
        for (size_t i = size_t(t.iRowBegin) * width * channels; i < end; ++i)
        {
            const double m = double(mean[i]) / unit;
            const double variance = std::max(double(a[i]) - m * m, 0.0);
            const double gain = variance / (variance + eps);
            a[i] = int32_t(gain * 1048576.0 + 0.5);
            b[i] = int32_t(std::lround(double(mean[i]) * (1.0 - gain)));
        }
    });
    MP_BoxBlurFixed(p, a, width, height, channels, r);
    MP_BoxBlurFixed(p, b, width, height, channels, r);
    MP_MT_ForBands(height, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        const size_t end = size_t(t.iRowEnd) * width * channels;
        for (size_t i = size_t(t.iRowBegin) * width * channels; i < end; ++i)
            plane[i] = int32_t(std::lround(double(a[i]) * double(plane[i]) * (1.0 / 1048576.0))) + b[i];
    });
}

/// Writes a three-channel fixed-point plane to the target (pixel step in samples).
inline void MP_FixedToTarget(const Params& p, const std::vector<int32_t>& plane, uint16_t* target, int width,
                             int height, int step)
{
    MP_MT_ForBands(height, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        for (size_t i = size_t(t.iRowBegin) * width; i < size_t(t.iRowEnd) * width; ++i)
            for (int c = 0; c < 3; ++c)
                target[i * step + c] = MP_FixedToLevel(plane[3 * i + c]);
    });
}
