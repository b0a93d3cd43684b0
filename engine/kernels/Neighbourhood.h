// Helpers of the kernels that read a neighbourhood: a stable copy of an in-place source and
// box blurs over float planes (three passes approximate a Gaussian).
#pragma once

#include "core/WorkerSplit.h"
#include "engine/LayerFrame.h"
#include "engine/PointKernel.h"

#include <algorithm>
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
