// Helpers the smoothing operators share: a float copy of the image for resampling, bilinear
// reads, edge strength, the screen blend and the radius of a 0…1 slider.
#pragma once

#include "engine/kernels/Neighbourhood.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace Smooth
{
inline float Smoothstep(float e0, float e1, float x)
{
    if (!(e1 > e0))
        return x >= e1 ? 1.0f : 0.0f;
    const float t = MP_Clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0f - 2.0f * t);
}

/// 1 − (1 − a)(1 − b): brightens, never darkens, stays below 1 for inputs below 1.
inline float Screen(float a, float b)
{
    return 1.0f - (1.0f - a) * (1.0f - MP_Clamp01(b));
}

/// The preview scaling factor as a kernel uses it (1 outside 0…1).
inline float PreviewScale(const Params& p)
{
    return p.previewscalingfactor > 0.0f && p.previewscalingfactor <= 1.0f ? p.previewscalingfactor : 1.0f;
}

/// Reads an interleaved three-channel float image at a fractional position, edges clamped.
class CBilinear
{
public:
    CBilinear(const float* rgb, int width, int height) : m_p(rgb), m_w(width), m_h(height) {}
    void At(float x, float y, float* out) const
    {
        x = std::fmin(std::fmax(x, 0.0f), float(m_w - 1));
        y = std::fmin(std::fmax(y, 0.0f), float(m_h - 1));
        const int x0 = int(x), y0 = int(y);
        const int x1 = std::min(x0 + 1, m_w - 1), y1 = std::min(y0 + 1, m_h - 1);
        const float fx = x - float(x0), fy = y - float(y0);
        const float* a = m_p + (size_t(y0) * m_w + x0) * 3;
        const float* b = m_p + (size_t(y0) * m_w + x1) * 3;
        const float* c = m_p + (size_t(y1) * m_w + x0) * 3;
        const float* d = m_p + (size_t(y1) * m_w + x1) * 3;
        for (int k = 0; k < 3; ++k)
        {
            const float top = a[k] + (b[k] - a[k]) * fx;
            const float bottom = c[k] + (d[k] - c[k]) * fx;
            out[k] = top + (bottom - top) * fy;
        }
    }

private:
    const float* m_p;
    int m_w, m_h;
};

/// The packed source as interleaved floats of 0…1.
inline std::vector<float> ToFloatRgb(const uint16_t* rgb, int width, int height)
{
    std::vector<float> out(size_t(width) * height * 3);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = rgb[i] * MP_DECODE;
    return out;
}

/// Sobel gradient magnitude of each channel (or, with `channels` 1, of the luminance) as a
/// fixed-point plane of 0…1 (a unit step gives 1); edges clamped, reach 1.
inline std::vector<int32_t> EdgeStrength(const Params& p, const uint16_t* rgb, int width, int height, int channels)
{
    std::vector<int32_t> edges(size_t(width) * height * channels);
    const float lum[3] = {p.lumr, p.lumg, p.lumb};
    auto value = [&](int x, int y, int c) {
        const uint16_t* px = rgb + (size_t(std::clamp(y, 0, height - 1)) * width + std::clamp(x, 0, width - 1)) * 3;
        return channels == 1 ? lum[0] * px[0] + lum[1] * px[1] + lum[2] * px[2] : float(px[c]);
    };
    MP_MT_ForBands(height, MP_KernelWorkers(p, width, height), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < channels; ++c)
                {
                    const float gx = value(x + 1, y - 1, c) + 2.0f * value(x + 1, y, c) + value(x + 1, y + 1, c) -
                                     value(x - 1, y - 1, c) - 2.0f * value(x - 1, y, c) - value(x - 1, y + 1, c);
                    const float gy = value(x - 1, y + 1, c) + 2.0f * value(x, y + 1, c) + value(x + 1, y + 1, c) -
                                     value(x - 1, y - 1, c) - 2.0f * value(x, y - 1, c) - value(x + 1, y - 1, c);
                    const float g = std::fmin(std::sqrt(gx * gx + gy * gy) * 0.25f, 65535.0f);
                    edges[(size_t(y) * width + x) * channels + c] = int32_t(g * 256.0f);
                }
    });
    return edges;
}
}  // namespace Smooth
