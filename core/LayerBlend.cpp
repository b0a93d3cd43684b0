#include "core/LayerBlend.h"

#include "core/ColourSpace.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float kEpsilon = 0.001f;

float Average(const float* c)
{
    return (c[0] + c[1] + c[2]) * 0.3333f;
}

// Per-channel modes: the result of one channel depends on that channel alone.
float Channel(int mode, float a, float e)
{
    switch (mode)
    {
    case 1: return std::max(a, e);
    case 2: return std::min(a, e);
    case 3: return a * e;
    case 4: return (a + e) * 0.5f;
    case 5: return std::sqrt(a * e * (e + a) * 0.5f);
    case 6: return 2.f * (e - a) + a;
    case 7: return std::fabs(e - a);
    case 8: return 1.f - std::fabs(1.f - e - a);
    case 9: return 1.f - (1.f - a) * (1.f - e);
    case 10: return a + e - 2.f * a * e;
    case 11: return a <= e ? e * e / (a + kEpsilon) : a * a / (e + kEpsilon);
    case 12: return a <= 0.5f ? (2.f * a - 1.f) * (e - e * e) + e
                              : (2.f * a - 1.f) * (std::sqrt(e) - e) + e;
    case 13: return a <= 0.5f ? 2.f * a * e : 1.f - 2.f * (1.f - a) * (1.f - e);
    case 14: return e / (1.f - a + kEpsilon);
    case 15: return 1.f - (1.f - e) / (a + kEpsilon);
    case 16: return a + e;
    case 17: return a + e - 1.f;
    case 18: return e + 2.f * a - 1.f;
    case 19: return a <= 0.5f ? 1.f - (1.f - e) / (2.f * a + kEpsilon) : e / (2.f * (1.f - a) + kEpsilon);
    case 20: return std::max(std::min(e, 2.f * a), 2.f * a - 1.f);
    case 21: return Channel(19, a, e) >= 0.5f ? 1.f : 0.f;
    case 22: return e * e / (1.f - a + kEpsilon);
    case 23: return a * a / (std::max(0.f, 1.f - e) + kEpsilon);
    case 24: return std::min(a, e) - std::max(a, e) + 1.f;
    case 25: return e / (a + kEpsilon);
    case 26: return std::sqrt(a * a * a + e * e * e);
    case 27: return std::sqrt(0.5f * (a * a + e * e));
    case 31: return (1.f - e) * e + a;
    case 45: return std::clamp(a + e, 0.f, 1.f);
    case 47: return std::clamp(e + std::fabs(e - a), 0.f, 1.f);
    default: return e;
    }
}

// Modes 50…58 and 60…68: which components come from the layer (1) and which from the base (0).
// Row k serves mode 50 + k in HSV and 60 + k in HSL.
Colour::SComponents Combine(int k, const Colour::SComponents& base, const Colour::SComponents& layer)
{
    switch (k)
    {
    case 0: return {layer.f0, base.f1, base.f2};
    case 1: return {base.f0, layer.f1, base.f2};
    case 2: return {layer.f0, layer.f1, base.f2};
    case 3: return {base.f0, base.f1, layer.f2};
    case 4: return {base.f0, std::sqrt(layer.f1 * base.f1), std::sqrt(layer.f2 * base.f2)};
    case 5: return {base.f0, base.f1, std::min(layer.f2, base.f2)};
    case 6: return {base.f0, base.f1, std::max(layer.f2, base.f2)};
    case 7: return {base.f0, std::min(layer.f1, base.f1), base.f2};
    default: return {base.f0, std::max(layer.f1, base.f1), base.f2};
    }
}
}  // namespace

void MP_BlendLayerMode(int mode, const float* c0, float* ce)
{
    if (mode <= 0 || !LayerBlend::IsKnownMode(mode))
        return;
    if (mode <= 27 || mode == 31 || mode == 45 || mode == 47)
    {
        for (int i = 0; i < 3; ++i)
            ce[i] = Channel(mode, c0[i], ce[i]);
        return;
    }
    if (mode >= 37 && mode <= 42)
    {
        // Which channels keep the layer: bit 0 red, bit 1 green, bit 2 blue.
        static constexpr int kFromLayer[] = {0b001, 0b010, 0b100, 0b110, 0b101, 0b011};
        const int mask = kFromLayer[mode - 37];
        for (int i = 0; i < 3; ++i)
            if (!(mask & (1 << i)))
                ce[i] = c0[i];
        return;
    }
    if (mode >= 50)
    {
        const bool hsv = mode < 60;
        const int k = mode - (hsv ? 50 : 60);
        if (hsv)
            Colour::HsvToRgb(Combine(k, Colour::RgbToHsv(c0[0], c0[1], c0[2]), Colour::RgbToHsv(ce[0], ce[1], ce[2])),
                             ce[0], ce[1], ce[2]);
        else
            Colour::HslToRgb(Combine(k, Colour::RgbToHsl(c0[0], c0[1], c0[2]), Colour::RgbToHsl(ce[0], ce[1], ce[2])),
                             ce[0], ce[1], ce[2]);
        return;
    }

    // The remaining modes mix with weights taken from the averages of the pixel.
    const float q0 = Average(c0);
    const float qe = Average(ce);
    const float r0 = (std::fabs(q0 - c0[0]) + std::fabs(q0 - c0[1]) + std::fabs(q0 - c0[2])) * 0.333f;
    const float w = 1.f - r0;
    const bool darkLayer = qe < 0.5f;
    for (int i = 0; i < 3; ++i)
    {
        const float a = c0[i], e = ce[i];
        float v = e;
        switch (mode)
        {
        case 28: v = e - 0.5f * (qe - a); break;
        case 29: v = e + 0.5f * (qe - a); break;
        case 30: v = darkLayer ? 2.f * a * e : 1.f - 2.f * (1.f - a) * (1.f - e); break;
        case 32: v = a + (e - a) * (1.f - q0); break;
        case 33: v = a + (e - a) * (1.f - 2.f * std::fabs(0.5f - q0)); break;
        case 34: v = a + (e - a) * q0; break;
        case 35: v = a + (e - a) * (w * w * w * w); break;
        case 36: v = a + (e - a) * std::pow(r0, 0.25f); break;
        case 43: v = a + (e - a) * ((1.f - q0) * (1.f - q0)); break;
        case 44: v = a + (e - a) * (q0 * q0); break;
        case 46: v = std::clamp(a + e * (1.f - q0), 0.f, 1.f); break;
        default: break;
        }
        ce[i] = v;
    }
}
