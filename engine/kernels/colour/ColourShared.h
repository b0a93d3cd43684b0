// Helpers shared by the colour family's kernels: neutral tests, slider mappings, per-channel
// level tables with their point operation, curve tables, hue weights and skin tones.
#pragma once

#include "core/ColourSpace.h"
#include "engine/EngineContext.h"
#include "engine/PointKernel.h"
#include "engine/Spline.h"

#include <cmath>
#include <cstdint>

namespace ColourFamily
{
inline bool Differs(float v, float neutral)
{
    return std::fabs(v - neutral) >= 0.001f;
}

inline float Clamp(float v, float lo, float hi)
{
    return v > lo ? (v < hi ? v : hi) : lo;
}

/// A slider position around its centre: 0…1 → −1…1 (NaN → −1).
inline float Signed(float s)
{
    return (MP_Clamp01(s) - 0.5f) * 2.0f;
}

inline float Smoothstep(float e0, float e1, float x)
{
    if (!(e1 > e0))
        return x >= e1 ? 1.0f : 0.0f;
    const float t = MP_Clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0f - 2.0f * t);
}

inline float Lum(const float* w, const float* c)
{
    return w[0] * c[0] + w[1] * c[1] + w[2] * c[2];
}

inline float Mix(float a, float b, float t)
{
    return a + (b - a) * t;
}

/// True when the first `count` values of a set hold anything but `neutral` (within 0.001).
inline bool AnyDiffers(const float* values, int count, float neutral)
{
    for (int i = 0; i < count; ++i)
        if (Differs(values[i], neutral))
            return true;
    return false;
}

/// The largest factor k ≤ `want` for which L + (c − L)·k stays inside 0…1 in every channel:
/// saturation changes that would clip are held back instead of shifting the hue.
inline float InGamutGain(const float* c, float L, float want)
{
    float k = want;
    for (int i = 0; i < 3; ++i)
    {
        const float d = c[i] - L;
        if (d > 1e-6f)
            k = std::fmin(k, (1.0f - L) / d);
        else if (d < -1e-6f)
            k = std::fmin(k, L / -d);
    }
    return k > 0.0f ? k : 0.0f;
}

inline float Logistic(float t)
{
    return 1.0f / (1.0f + std::exp(-t));
}

/// A logistic S-curve through (0, 0) and (1, 1) with slope k around the pivot m; a negative k
/// gives its inverse, which flattens the midtones instead.
inline float Sigmoid(float x, float k, float m)
{
    const float K = std::fabs(k);
    if (K < 1e-3f)
        return x;
    const float lo = Logistic(-K * m), hi = Logistic(K * (1.0f - m));
    if (k > 0.0f)
        return (Logistic(K * (x - m)) - lo) / (hi - lo);
    const float y = Clamp(lo + x * (hi - lo), 1e-7f, 1.0f - 1e-7f);
    return m + std::log(y / (1.0f - y)) / K;
}

/// Weights of N hue centres around the circle: the two centres around the hue share it linearly.
template <int N>
void HueWeights(float hue, const float (&centres)[N], float (&weights)[N])
{
    for (float& w : weights)
        w = 0.0f;
    for (int k = 0; k < N; ++k)
    {
        const float c0 = centres[k];
        const float c1 = k + 1 < N ? centres[k + 1] : centres[0] + 1.0f;
        float h = hue;
        if (h < c0)
            h += 1.0f;
        if (h >= c0 && h < c1)
        {
            const float f = (h - c0) / (c1 - c0);
            weights[k] = 1.0f - f;
            weights[k + 1 < N ? k + 1 : 0] += f;
            return;
        }
    }
    weights[0] = 1.0f;
}

/// How much a colour of hue, saturation and value looks like skin (0…1).
float SkinWeight(const Colour::SComponents& hsv);

/// Three level tables, one per channel.
struct SChannelTables
{
    const SLevelTable* t[3];
};

/// ce_c = F_c[sample_c]; plain rows straight through the encoded tables.
struct SChannelTableOp
{
    SChannelTables tables;
    void Pixel(int, int, const uint16_t* in, float*, float* ce) const
    {
        ce[0] = tables.t[0]->af[in[0]];
        ce[1] = tables.t[1]->af[in[1]];
        ce[2] = tables.t[2]->af[in[2]];
    }
    void PlainRow(const uint16_t* __restrict in, uint16_t* __restrict out, int count) const
    {
        const uint16_t* __restrict r = tables.t[0]->aui;
        const uint16_t* __restrict g = tables.t[1]->aui;
        const uint16_t* __restrict b = tables.t[2]->aui;
        for (int i = 0; i < count; ++i)
        {
            out[3 * i] = r[in[3 * i]];
            out[3 * i + 1] = g[in[3 * i + 1]];
            out[3 * i + 2] = b[in[3 * i + 2]];
        }
    }
};

/// Fills one table per channel: fill(c, level) for c = 0…2, keyed by `kind` and the channel's
/// three key values.
template <class Fill>
SChannelTables ChannelTables(const Params& p, uint32_t kind, const float (&keys)[3][3], const Fill& fill)
{
    SChannelTables tables{};
    for (int c = 0; c < 3; ++c)
        tables.t[c] = MP_LevelTable(p, kind, {keys[c][0], keys[c][1], keys[c][2]},
                                    [&fill, c](int i) { return fill(c, float(i) * MP_DECODE); });
    return tables;
}

/// Runs a kernel whose whole work is one level table per channel.
int RunChannelTables(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p,
                     const SSetLayout& sets, const SChannelTables& tables);

/// The curve of a spline set evaluated at i ÷ 65535 (a tone curve, or a curve over hue).
const SLevelTable* CurveTable(const Params& p, const float* curve);
/// True when every point of a curve has y = x (within 0.001).
bool IsIdentityCurve(const float* curve);
/// True when all six y values are `y` (within 0.001).
bool IsFlatCurve(const float* curve, float y);
}  // namespace ColourFamily
