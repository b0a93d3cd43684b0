// Helpers the exposure kernels share: slider readings, a luminance change that keeps a pixel's
// hue, exact 16-bit plane blurs whose cost does not grow with the radius, luminance statistics
// and seeded procedural noise for grain and textures.
#pragma once

#include "engine/LevelTables.h"
#include "engine/PointKernel.h"
#include "engine/kernels/Neighbourhood.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace Exposure
{
inline bool Differs(float v, float neutral)
{
    return std::fabs(v - neutral) >= 0.001f;
}

/// Larger and smaller of two finite values, inlined (std::fmax is a library call per pixel).
inline float Max(float a, float b)
{
    return a > b ? a : b;
}
inline float Min(float a, float b)
{
    return a < b ? a : b;
}

/// The largest whole number not above x, inlined (std::floor is a library call per pixel on the
/// baseline instruction set); |x| below 2^31.
inline float Floor(float x)
{
    const float i = float(int(x));
    return i > x ? i - 1.0f : i;
}

/// cos(2π t) for t in cycles, inlined: folded onto a quarter period and summed as a Taylor series
/// to x^10 (error below 3e-7). Patterns drawn at every pixel use it in place of the library call.
inline float CosCycles(float t)
{
    if (!(std::fabs(t) < 1.0e7f))
        return 1.0f;
    float a = t - Floor(t); // 0…1
    a = a > 0.5f ? 1.0f - a : a; // cos is even and periodic: 0…0.5
    const float sign = a > 0.25f ? -1.0f : 1.0f;
    a = a > 0.25f ? 0.5f - a : a; // cos(π − x) = −cos x: 0…0.25
    const float x = 6.2831853f * a, x2 = x * x;
    return sign * (1.0f + x2 * (-0.5f + x2 * (1.0f / 24.0f + x2 * (-1.0f / 720.0f + x2 * (1.0f / 40320.0f - x2 / 3628800.0f)))));
}

inline float SinCycles(float t)
{
    return CosCycles(t - 0.25f);
}

/// A −100…100 % slider position as −1…1 (0.5 → 0).
inline float Bipolar(float s)
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

inline float Luminance(const float* c, const float* w)
{
    return w[0] * c[0] + w[1] * c[1] + w[2] * c[2];
}

/// The preview scaling factor as kernels use it: 1 for anything outside 0.001…1.
inline float PreviewScale(const Params& p)
{
    return p.previewscalingfactor >= 0.001f && p.previewscalingfactor <= 1.0f ? p.previewscalingfactor : 1.0f;
}

/// Moves colour c (luminance L) to luminance L2, keeping hue and saturation: a gain, and where
/// the gain would push a channel past white, the brightest colour of that hue mixed with white.
/// The luminance weights are assumed to add up to 1.
inline void SetLuminance(const float* c, float L, float L2, float* out)
{
    if (!(L2 > 0.0f))
    {
        out[0] = out[1] = out[2] = 0.0f;
        return;
    }
    if (L2 >= 1.0f || !(L > 1.0e-5f))
    {
        const float grey = L2 < 1.0f ? L2 : 1.0f;
        out[0] = out[1] = out[2] = grey;
        return;
    }
    const float gain = L2 / L;
    const float m = Max(c[0], Max(c[1], c[2]));
    if (m * gain <= 1.0f)
    {
        out[0] = c[0] * gain, out[1] = c[1] * gain, out[2] = c[2] * gain;
        return;
    }
    const float L1 = L / m; // luminance of the brightest colour of this hue, c ÷ m
    const float t = L1 < 0.99999f ? MP_Clamp01((L2 - L1) / (1.0f - L1)) : 1.0f;
    for (int i = 0; i < 3; ++i)
    {
        const float top = c[i] / m;
        out[i] = top + (1.0f - top) * t;
    }
}

/// The level-table index of a normalised value (truncated, as the tables are filled).
inline int LevelIndex(float v)
{
    return int(MP_Clamp01(v) * 65535.0f);
}

/// ce = c0 with its luminance L moved to T[L]: a tone curve over luminance that keeps colours.
struct SLuminanceCurveOp
{
    const float* T;
    float afLum[3];
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        const float L = Luminance(c0, afLum);
        SetLuminance(c0, L, T[LevelIndex(L)], ce);
    }
};

/// True when the 12 values of a curve set are the identity (0, 0), (0.2, 0.2) … (1, 1).
bool IsIdentityCurve(const float* values);

// ---------------------------------------------------------------------------------------------
// Planes of one 16-bit value per pixel.

/// Luminance of a packed or strided image (step in samples) as levels, rounded.
std::vector<uint16_t> LuminancePlane(const Params& p, const uint16_t* image, int step, int width, int height);
/// One channel of an image as its own plane.
std::vector<uint16_t> ChannelPlane(const Params& p, const uint16_t* image, int step, int width, int height, int channel);

/// Blurs a plane in place with three box passes each way whose radii add up to `radius`: a
/// bell close to a Gaussian that reaches exactly `radius` pixels. The running sums are whole
/// numbers, so every output depends only on the values inside its window: a stripe with `radius`
/// rows of context above and below gives the same rows as the whole image, any band split gives
/// the same result, and the cost does not grow with the radius.
void BlurPlane(const Params& p, std::vector<uint16_t>& plane, int width, int height, int radius);

/// The luminance plane of an image blurred over `radius` pixels (step in samples).
std::vector<uint16_t> BlurredLuminance(const Params& p, const uint16_t* image, int step, int width, int height,
                                       int radius);

/// Radius in pixels of a slider at position `value` whose end means `maxAtFullSize` pixels of the
/// full-resolution picture (scaled by the preview factor, truncated).
inline int Radius(const Params& p, float value, float maxAtFullSize)
{
    return MP_ScaledRadius(value, maxAtFullSize, p.previewscalingfactor);
}

// ---------------------------------------------------------------------------------------------
// Operations of the kernels that map each pixel from its own colour and a blurred plane.

/// A blurred plane read at (x, y) as 0…1.
struct SPlane
{
    const uint16_t* pData;
    int iWidth;
    float At(int x, int y) const { return float(pData[size_t(y) * iWidth + x]) * MP_DECODE; }
};

/// Luminance detail d = L − blur(L) scaled by 1 + gain through the guard 1 ÷ (1 + (d × inverse
/// guard)²): fine structure changes fully, big steps at edges hardly (no halos).
struct SGuardedDetailOp
{
    SPlane blurred;
    float fGain, fInverseGuard, afLum[3];
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float L = Luminance(c0, afLum);
        const float d = L - blurred.At(x, y);
        const float q = d * fInverseGuard;
        SetLuminance(c0, L, L + d * fGain / (1.0f + q * q), ce);
    }
};

/// Luminance × gain[level of the blurred surroundings].
struct SLocalGainOp
{
    const uint16_t* pSurround;
    const float* gain;
    int iWidth;
    float afLum[3];
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float L = Luminance(c0, afLum);
        SetLuminance(c0, L, L * gain[pSurround[size_t(y) * iWidth + x]], ce);
    }
};

// ---------------------------------------------------------------------------------------------
// Image statistics.

/// Luminance histogram over `bins` bins (a pixel of luminance L counts in bin trunc(L × (bins − 1))).
std::vector<uint64_t> LuminanceHistogram(const Params& p, const uint16_t* image, int step, int width, int height,
                                         int bins);
/// Histogram of one channel over `bins` bins.
std::vector<uint64_t> ChannelHistogram(const Params& p, const uint16_t* image, int step, int width, int height,
                                       int channel, int bins);
/// The level (0…1, bin ÷ (bins − 1)) of the first bin, walking up from the darkest (or down from
/// the brightest with `fromTop`), at which more than `fraction` of all counts have been passed:
/// fraction 0 gives the lowest (highest) level that occurs.
float HistogramLevel(const std::vector<uint64_t>& histogram, double fraction, bool fromTop = false);

// ---------------------------------------------------------------------------------------------
// Seeded noise: the same coordinates and seed give the same value on every run and every band
// split, so a frame grades the same way twice.

inline uint32_t Hash(int x, int y, uint32_t seed)
{
    uint32_t h = uint32_t(x) * 0x8da6b343u ^ uint32_t(y) * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

/// Uniform in −1…1.
inline float HashNoise(int x, int y, uint32_t seed = 0)
{
    return float(Hash(x, y, seed) >> 8) * (2.0f / 16777216.0f) - 1.0f;
}

/// Uniform in 0…1.
inline float HashUnit(int x, int y, uint32_t seed)
{
    return float(Hash(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

/// What NoisePlane draws: fractal value noise whose first octave has cells of `fCell` pixels of
/// the full picture (× `fStretch` along x), each further octave half as large and `fGain` times
/// as strong; Gaussian-distributed corner values instead of uniform ones with bGauss.
struct SNoiseShape
{
    float fCell = 4.0f;
    int iOctaves = 1;
    float fGain = 0.5f;
    uint32_t uiSeed = 0;
    bool bGauss = false;
    float fStretch = 1.0f;
};

/// The noise of `shape` at every pixel of the working picture (pixel (x, y) lies at
/// (x, y + y_offset) ÷ preview factor in the full picture, so a stripe or a preview sees the same
/// pattern), normalised by the octaves' summed amplitudes. An octave whose cells are smaller than
/// a working pixel is weakened by the ratio, as averaging it over the pixel would: the preview
/// then shows as much grain as the full picture scaled down. Rows are split over the workers;
/// each row depends only on its coordinates.
std::vector<float> NoisePlane(const Params& p, int width, int height, const SNoiseShape& shape);

/// A seed from a 0…1 slider ("Muster": one of a thousand patterns).
inline uint32_t SeedOf(float slider)
{
    return uint32_t(MP_Clamp01(slider) * 1000.0f) * 7919u + 17u;
}
}  // namespace Exposure

/// The level-table kinds of the exposure family.
enum EExposureTable : uint32_t
{
    eXT_LUMINANCE_CONTRAST = eLT_EXPOSURE_FAMILY,
    eXT_SOFT_CONTRAST,
    eXT_HIGHLIGHT_SHOULDER,
    eXT_LIGHT_SHADOW,
    eXT_LOG_GRADATION,
    eXT_LEVELS,
    eXT_STRETCH,
    eXT_NORMALISE,
    eXT_LOCAL_GAIN,
    eXT_DYNAMIC_EXPONENT,
    eXT_LOG2,
    eXT_RECOVER_GAIN,
    eXT_FLATTEN_GAIN,
};
