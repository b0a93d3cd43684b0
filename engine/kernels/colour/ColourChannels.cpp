// Colour operators that work on the three channels: levels per channel (measured or set by hand),
// the automatic channel transform, slope/offset/power, S-curves, chroma balance by tonal range,
// weighted channels, the channel mixer and the photographic colour filter.
#include "engine/kernels/colour/ColourPlanes.h"
#include "engine/kernels/colour/ColourShared.h"

#include <cmath>
#include <cstdint>
#include <span>

using namespace ColourFamily;

namespace
{
/// Levels of one channel: (x − low) ÷ (high − low), mixed with x by `strength`.
SChannelTables LevelsTables(const Params& p, const float (&keys)[3][3])
{
    return ChannelTables(p, eLT_LEVELS, keys, [&keys](int c, float x) {
        const float lo = keys[c][0], hi = keys[c][1];
        const float stretched = hi - lo > 1e-6f ? (x - lo) / (hi - lo) : x;
        return Mix(x, stretched, keys[c][2]);
    });
}

/// Multiplies by per-channel gains, then gives back `preserve` of the luminance the gains took.
void ScaleKeepingLuminance(const float* c0, const float* gain, float preserve, const float* lum, float* ce)
{
    for (int c = 0; c < 3; ++c)
        ce[c] = c0[c] * gain[c];
    const float L0 = Lum(lum, c0), L1 = Lum(lum, ce);
    if (L1 > 1e-6f)
    {
        const float k = Mix(1.0f, L0 / L1, preserve);
        ce[0] *= k, ce[1] *= k, ce[2] *= k;
    }
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelBalanceRGBShadowLight — sets: 0 strength, 1 clipping (0…1 % of the samples at each
// end), 2 combo, 3 geometry. Every channel is stretched from its own dark to its own bright
// percentile: the picture's darkest tones become black and its brightest white per channel, which
// also takes out a cast that lies on the whole tonal range.
constexpr SSetLayout kBalanceRGBSets{-1, eCR_NONE, 2, 3};

bool StrengthHasEffect(const Params& p)
{
    return p.p[0][0] > 0.001f;
}
}  // namespace

int MP_calcPixelBalanceRGBShadowLight(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SHistograms hist = ChannelHistograms(*p, src, ss, w, h);
    const double clip = double(MP_Clamp01(p->p[1][0])) * 0.01;
    const float strength = MP_Clamp01(p->p[0][0]);
    float keys[3][3];
    for (int c = 0; c < 3; ++c)
    {
        const int lo = Percentile(hist.aCounts[size_t(c)], hist.uPixels, clip);
        const int hi = Percentile(hist.aCounts[size_t(c)], hist.uPixels, 1.0 - clip);
        // A channel without spread (a flat picture) is left as it is.
        const bool spread = hi - lo >= 64;
        keys[c][0] = spread ? float(lo) * MP_DECODE : 0.0f;
        keys[c][1] = spread ? float(hi) * MP_DECODE : 1.0f;
        keys[c][2] = strength;
    }
    return RunChannelTables(w, h, src, dst, ss, ts, p, kBalanceRGBSets, LevelsTables(*p, keys));
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelManualRGBpoint — sets: 0…2 black points of red, green, blue (0…50 %), 3…5 white
// points (50…100 %), 6 combo, 7 geometry: levels per channel set by hand.
namespace
{
constexpr SSetLayout kManualRGBSets{-1, eCR_NONE, 6, 7};

bool ManualRGBHasEffect(const Params& p)
{
    for (int c = 0; c < 3; ++c)
        if (p.p[c][0] > 0.001f || p.p[3 + c][0] < 0.999f)
            return true;
    return false;
}
}  // namespace

int MP_calcPixelManualRGBpoint(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    float keys[3][3];
    for (int c = 0; c < 3; ++c)
    {
        keys[c][0] = MP_Clamp01(p->p[c][0]) * 0.5f;
        keys[c][1] = 0.5f + MP_Clamp01(p->p[3 + c][0]) * 0.5f;
        keys[c][2] = 1.0f;
    }
    return RunChannelTables(w, h, src, dst, ss, ts, p, kManualRGBSets, LevelsTables(*p, keys));
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelAutoRGBTransform — sets: 0 strength, 1 combo, 2 geometry. A linear map per channel
// gives every channel the mean and the spread (standard deviation) the three channels have on
// average: a grey-world balance that also evens out the channels' contrast. Gains stay in 0.5…2.
namespace
{
constexpr SSetLayout kAutoRGBSets{-1, eCR_NONE, 1, 2};
}  // namespace

int MP_calcPixelAutoRGBTransform(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const auto sums = SumPixels<6>(*p, src, ss, w, h, [](const uint16_t* px, std::array<int64_t, 6>& s) {
        for (int c = 0; c < 3; ++c)
        {
            s[size_t(c)] += px[c];
            s[size_t(3 + c)] += int64_t(px[c]) * px[c];
        }
    });
    const double n = double(w) * double(h);
    double mean[3], sigma[3], meanAll = 0.0, sigmaAll = 0.0;
    for (int c = 0; c < 3; ++c)
    {
        mean[c] = double(sums[size_t(c)]) / n / 65535.0;
        sigma[c] = std::sqrt(std::max(0.0, double(sums[size_t(3 + c)]) / n / (65535.0 * 65535.0) - mean[c] * mean[c]));
        meanAll += mean[c] / 3.0, sigmaAll += sigma[c] / 3.0;
    }
    float keys[3][3];
    for (int c = 0; c < 3; ++c)
    {
        const double gain = sigma[c] > 1e-4 ? std::clamp(sigmaAll / sigma[c], 0.5, 2.0) : 1.0;
        // x·gain + (meanAll − gain·mean) written as levels from `low` to `low + 1/gain`.
        const double low = mean[c] - meanAll / gain;
        keys[c][0] = float(low);
        keys[c][1] = float(low + 1.0 / gain);
        keys[c][2] = MP_Clamp01(p->p[0][0]);
    }
    return RunChannelTables(w, h, src, dst, ss, ts, p, kAutoRGBSets, LevelsTables(*p, keys));
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelRGBTransform — sets: 0…2 slope of red, green, blue (0…200 %), 3…5 offset (−20…20 %),
// 6…8 power (slider +100 % brightens with power 1/2, −100 % darkens with power 2); 9 combo;
// 10 geometry. out = (in × slope + offset)^power per channel, all neutral at 0.5.
namespace
{
constexpr SSetLayout kRGBTransformSets{-1, eCR_NONE, 9, 10};

bool RGBTransformHasEffect(const Params& p)
{
    for (int s = 0; s < 9; ++s)
        if (Differs(p.p[s][0], 0.5f))
            return true;
    return false;
}
}  // namespace

int MP_calcPixelRGBTransform(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    float keys[3][3];
    for (int c = 0; c < 3; ++c)
    {
        keys[c][0] = MP_Clamp01(p->p[c][0]) * 2.0f;
        keys[c][1] = Signed(p->p[3 + c][0]) * 0.2f;
        keys[c][2] = std::exp2(-Signed(p->p[6 + c][0]));
    }
    const SChannelTables tables = ChannelTables(*p, eLT_SLOPE_OFFSET_POWER, keys, [&keys](int c, float x) {
        const float v = x * keys[c][0] + keys[c][1];
        return v > 0.0f ? std::pow(v, keys[c][2]) : 0.0f;
    });
    return RunChannelTables(w, h, src, dst, ss, ts, p, kRGBTransformSets, tables);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelSigmoidColor — sets: 0…2 contrast of red, green, blue (−100…100 %, 0.5 none),
// 3 pivot (0…100 %), 4 combo, 5 geometry. A logistic S-curve per channel through (0, 0) and
// (1, 1) around the pivot; negative contrast uses its inverse, which flattens the midtones.
namespace
{
constexpr SSetLayout kSigmoidSets{-1, eCR_NONE, 4, 5};

bool SigmoidHasEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.5f) || Differs(p.p[1][0], 0.5f) || Differs(p.p[2][0], 0.5f);
}
}  // namespace

int MP_calcPixelSigmoidColor(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float pivot = Clamp(MP_Clamp01(p->p[3][0]), 0.05f, 0.95f);
    float keys[3][3];
    for (int c = 0; c < 3; ++c)
        keys[c][0] = Signed(p->p[c][0]) * 10.0f, keys[c][1] = pivot, keys[c][2] = 0.0f;
    const SChannelTables tables = ChannelTables(*p, eLT_SIGMOID, keys, [&keys](int c, float x) {
        return Sigmoid(x, keys[c][0], keys[c][1]);
    });
    return RunChannelTables(w, h, src, dst, ss, ts, p, kSigmoidSets, tables);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelBalanceChroma — sets: 0 strength, 1 combo, 2 geometry. Measures the mean colour
// cast of the nearly grey pixels in the shadows, the midtones and the highlights separately and
// subtracts, at each pixel, the blend of the three casts its luminance belongs to: a cast that
// differs between dark and bright tones (mixed light, film) goes where a single balance cannot.
namespace
{
constexpr SSetLayout kBalanceChromaSets{-1, eCR_NONE, 1, 2};

/// Zone weights (shadows, midtones, highlights) of a luminance 0…1, summing to 1: the squares of
/// (1 − L)², 2L(1 − L) and L², so a pixel belongs mostly to one zone.
void ZoneWeights(float L, float* z)
{
    const float s = (1.0f - L) * (1.0f - L), m = 2.0f * L * (1.0f - L), h = L * L;
    const float sum = s * s + m * m + h * h;
    z[0] = s * s / sum, z[1] = m * m / sum, z[2] = h * h / sum;
}

struct SBalanceChromaOp
{
    float afCast[3][3]; // per zone, per channel: mean (c − L) of the grey pixels, 0…1 units
    float fStrength;
    float lum[3];
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        float z[3];
        ZoneWeights(Lum(lum, c0), z);
        for (int c = 0; c < 3; ++c)
            ce[c] = c0[c] - fStrength * (z[0] * afCast[0][c] + z[1] * afCast[1][c] + z[2] * afCast[2][c]);
    }
};
}  // namespace

int MP_calcPixelBalanceChroma(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const int wr = int(MP_Clamp01(p->lumr) * 4096.0f), wg = int(MP_Clamp01(p->lumg) * 4096.0f), wb = std::max(0, 4096 - wr - wg);
    // Per zone: the weight sum and the weighted channel departures, in integers (the squared zone
    // weights, as ZoneWeights spreads them).
    const auto sums = SumPixels<12>(*p, src, ss, w, h, [wr, wg, wb](const uint16_t* px, std::array<int64_t, 12>& s) {
        const int mx = std::max(px[0], std::max(px[1], px[2])), mn = std::min(px[0], std::min(px[1], px[2]));
        if (mx == 0 || (mx - mn) * 10 > mx * 3) // only the pixels that should be grey: saturation below 0.3
            return;
        const int L = (px[0] * wr + px[1] * wg + px[2] * wb) >> 12;
        const int64_t l = L >> 8, d = 255 - l; // 0…255
        const int64_t broad[3] = {d * d / 255, 2 * l * d / 255, l * l / 255};
        const int64_t zone[3] = {broad[0] * broad[0], broad[1] * broad[1], broad[2] * broad[2]};
        for (int z = 0; z < 3; ++z)
        {
            s[size_t(4 * z)] += zone[z];
            for (int c = 0; c < 3; ++c)
                s[size_t(4 * z + 1 + c)] += zone[z] * (px[c] - L);
        }
    });
    SBalanceChromaOp op{{}, MP_Clamp01(p->p[0][0]), {p->lumr, p->lumg, p->lumb}};
    for (int z = 0; z < 3; ++z)
        for (int c = 0; c < 3; ++c)
            op.afCast[z][c] = sums[size_t(4 * z)] > 0
                                  ? float(double(sums[size_t(4 * z + 1 + c)]) / double(sums[size_t(4 * z)]) / 65535.0)
                                  : 0.0f;
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kBalanceChromaSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelWeighedRGB — sets: 0…2 weight of red, green, blue (0…200 %, 0.5 unchanged),
// 3 luminance kept (0…100 %), 4 combo, 5 geometry.
namespace
{
constexpr SSetLayout kWeighedRGBSets{-1, eCR_NONE, 4, 5};

bool WeighedRGBHasEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.5f) || Differs(p.p[1][0], 0.5f) || Differs(p.p[2][0], 0.5f);
}

struct SGainsOp
{
    float afGain[3], fPreserve, lum[3];
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        ScaleKeepingLuminance(c0, afGain, fPreserve, lum, ce);
    }
};
}  // namespace

int MP_calcPixelWeighedRGB(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SGainsOp op{{MP_Clamp01(p->p[0][0]) * 2.0f, MP_Clamp01(p->p[1][0]) * 2.0f, MP_Clamp01(p->p[2][0]) * 2.0f},
                      MP_Clamp01(p->p[3][0]),
                      {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kWeighedRGBSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorFilter — sets: 0 filter colour, 1 density (0…100 %), 2 luminance kept
// (0…100 %), 3 combo, 4 geometry. A photographic filter in front of the lens: each channel passes
// 1 − density × (1 − filter colour); with the luminance kept the exposure is compensated, as a
// camera's meter would through the filter.
namespace
{
constexpr SSetLayout kColorFilterSets{-1, eCR_NONE, 3, 4};

bool ColorFilterHasEffect(const Params& p)
{
    return p.p[1][0] > 0.001f && (p.p[0][2] < 0.999f || p.p[0][3] < 0.999f || p.p[0][4] < 0.999f);
}
}  // namespace

int MP_calcPixelColorFilter(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float density = MP_Clamp01(p->p[1][0]);
    SGainsOp op{{}, MP_Clamp01(p->p[2][0]), {p->lumr, p->lumg, p->lumb}};
    for (int c = 0; c < 3; ++c)
        op.afGain[c] = 1.0f - density * (1.0f - MP_Clamp01(p->p[0][2 + c]));
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kColorFilterSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorExchange — sets: 0…8 the channel mixer, row by row: red from red, green and
// blue, then green from …, then blue from … (−200…200 %; 0.75 is 100 %, 0.5 is 0 %); 9 combo;
// 10 geometry.
namespace
{
constexpr SSetLayout kColorExchangeSets{-1, eCR_NONE, 9, 10};

bool ColorExchangeHasEffect(const Params& p)
{
    for (int s = 0; s < 9; ++s)
        if (Differs(p.p[s][0], s % 4 == 0 ? 0.75f : 0.5f))
            return true;
    return false;
}

struct SMixerOp
{
    float m[9];
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        for (int r = 0; r < 3; ++r)
            ce[r] = m[3 * r] * c0[0] + m[3 * r + 1] * c0[1] + m[3 * r + 2] * c0[2];
    }
};
}  // namespace

int MP_calcPixelColorExchange(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    SMixerOp op{};
    for (int s = 0; s < 9; ++s)
        op.m[s] = (MP_Clamp01(p->p[s][0]) - 0.5f) * 4.0f;
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kColorExchangeSets, *p), op);
}

namespace
{
const SKernelEntry kColourChannelKernels[] = {
    // name + function                              border              flags                     reads           CL       effect test            sets
    {MP_KERNEL(MP_calcPixelBalanceRGBShadowLight),  SBorder::Rows(0),   eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, StrengthHasEffect,     kBalanceRGBSets},
    {MP_KERNEL(MP_calcPixelManualRGBpoint),         SBorder::Rows(500), eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,     nullptr, ManualRGBHasEffect,    kManualRGBSets},
    {MP_KERNEL(MP_calcPixelAutoRGBTransform),       SBorder::Rows(0),   eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, StrengthHasEffect,     kAutoRGBSets},
    {MP_KERNEL(MP_calcPixelRGBTransform),           SBorder::Rows(0),   eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,     nullptr, RGBTransformHasEffect, kRGBTransformSets},
    {MP_KERNEL(MP_calcPixelSigmoidColor),           SBorder::Rows(0),   eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,     nullptr, SigmoidHasEffect,      kSigmoidSets},
    {MP_KERNEL(MP_calcPixelBalanceChroma),          SBorder::Rows(0),   eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, StrengthHasEffect,     kBalanceChromaSets},
    {MP_KERNEL(MP_calcPixelWeighedRGB),             SBorder::Rows(0),   eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,     nullptr, WeighedRGBHasEffect,   kWeighedRGBSets},
    {MP_KERNEL(MP_calcPixelColorFilter),            SBorder::Rows(0),   eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,     nullptr, ColorFilterHasEffect,  kColorFilterSets},
    {MP_KERNEL(MP_calcPixelColorExchange),          SBorder::Rows(0),   eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,     nullptr, ColorExchangeHasEffect, kColorExchangeSets},
};
}  // namespace

std::span<const SKernelEntry> ColourChannelKernels()
{
    return kColourChannelKernels;
}
