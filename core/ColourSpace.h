// The engine's RGB ↔ HSV and RGB ↔ HSL conversions on normalised floats: every component in
// 0…1, hue as a fraction of the full circle (0 red, 1/3 green, 2/3 blue). Header-only because
// blend modes call them once per pixel.
#pragma once

#include <cmath>

namespace Colour
{
struct SComponents
{
    float f0 = 0.f; // hue
    float f1 = 0.f; // saturation
    float f2 = 0.f; // value or lightness
};

namespace detail
{
/// std::fmax / std::fmin without the library call: a NaN operand yields the other one.
inline float Max(float a, float b)
{
    return a > b ? a : (b != b ? a : b);
}
inline float Min(float a, float b)
{
    return a < b ? a : (b != b ? a : b);
}

/// Hue of an RGB colour given its largest and smallest component; 0 for greys.
inline float Hue(float r, float g, float b, float max, float delta)
{
    if (!(delta > 0.f))
        return 0.f;
    float h;
    if (max == r)
        h = (g - b) / delta;
    else if (max == g)
        h = (b - r) / delta + 2.f;
    else
        h = (r - g) / delta + 4.f;
    h /= 6.f;
    return h < 0.f ? h + 1.f : h;
}

/// Hue folded into [0, 1) and scaled to sectors [0, 6); anything non-finite becomes 0 so the
/// sector index can never come from a NaN.
inline float HueSectors(float h)
{
    if (!std::isfinite(h))
        return 0.f;
    if (h < 0.f || h >= 1.f) // most hues are in range already: no library call for them
        h -= std::floor(h);
    const float h6 = h * 6.f;
    return h6 < 6.f ? h6 : 0.f;
}

/// h6 modulo 2 for a sector position in [0, 6): the same value fmod gives (the subtraction of an
/// even whole number below h6 is exact there), without the library call per pixel.
inline float Mod2(float h6)
{
    return h6 - float(2 * (int(h6) >> 1));
}

/// RGB of a hue with chroma `c` and the second-largest component `x`, before the offset.
inline void FromSectors(float h6, float c, float x, float& r, float& g, float& b)
{
    switch (int(h6))
    {
    case 0: r = c, g = x, b = 0.f; break;
    case 1: r = x, g = c, b = 0.f; break;
    case 2: r = 0.f, g = c, b = x; break;
    case 3: r = 0.f, g = x, b = c; break;
    case 4: r = x, g = 0.f, b = c; break;
    default: r = c, g = 0.f, b = x; break;
    }
}
}  // namespace detail

inline SComponents RgbToHsv(float r, float g, float b)
{
    const float max = detail::Max(r, detail::Max(g, b));
    const float min = detail::Min(r, detail::Min(g, b));
    const float delta = max - min;
    return {detail::Hue(r, g, b, max, delta), max > 0.f ? delta / max : 0.f, max};
}

inline void HsvToRgb(const SComponents& hsv, float& r, float& g, float& b)
{
    const float h6 = detail::HueSectors(hsv.f0);
    const float c = hsv.f2 * hsv.f1;
    const float x = c * (1.f - std::fabs(detail::Mod2(h6) - 1.f));
    detail::FromSectors(h6, c, x, r, g, b);
    const float m = hsv.f2 - c;
    r += m, g += m, b += m;
}

inline SComponents RgbToHsl(float r, float g, float b)
{
    const float max = detail::Max(r, detail::Max(g, b));
    const float min = detail::Min(r, detail::Min(g, b));
    const float delta = max - min;
    const float l = (max + min) * 0.5f;
    const float denominator = 1.f - std::fabs(2.f * l - 1.f);
    const float s = delta > 0.f && denominator > 0.f ? delta / denominator : 0.f;
    return {detail::Hue(r, g, b, max, delta), s, l};
}

inline void HslToRgb(const SComponents& hsl, float& r, float& g, float& b)
{
    const float h6 = detail::HueSectors(hsl.f0);
    const float c = (1.f - std::fabs(2.f * hsl.f2 - 1.f)) * hsl.f1;
    const float x = c * (1.f - std::fabs(detail::Mod2(h6) - 1.f));
    detail::FromSectors(h6, c, x, r, g, b);
    const float m = hsl.f2 - c * 0.5f;
    r += m, g += m, b += m;
}
}  // namespace Colour
