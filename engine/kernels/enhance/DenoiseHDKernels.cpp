// Edge-preserving noise reduction in luminance and chroma: guided filters (HD), non-local means
// (UHD, U2HD), repeated guided passes (HD iter), scale pyramids for colour noise, the detail-
// protecting mask variant, and the removal of faint colour clouds.
//
// Luminance kernels move every channel by the luminance change (hue and saturation stay); chroma
// kernels change only each channel's difference from the luminance (brightness stays).
// A "pair" is the high-quality schedule of the HD kernels: a second pass at a third of the
// strength cleans what the first one left.
#include "engine/PointKernel.h"
#include "engine/kernels/enhance/EnhanceFilters.h"

#include <cmath>
#include <span>

using namespace Enhance;

namespace
{
// Guided-filter tolerance at full strength: variations up to 8 % of the range count as noise.
constexpr double kLumNoise = 0.08 * 65535.0;
// Chroma noise is coarser and larger than luminance noise.
constexpr double kChromaNoise = 0.10 * 65535.0;
// Non-local means: patches further apart than 10 % of the range (RMS) at full strength differ.
constexpr double kPatchDistance = 0.10 * 65535.0;
constexpr float kPairFactor = 0.33333f;
constexpr float kIterationFactor = 0.9659f;

double Eps(float strength, double fullStrengthLevels)
{
    const double sigma = double(strength) * fullStrengthLevels;
    return sigma * sigma;
}

/// Passes of a self-guided luminance filter: radius and strength of each.
struct SPass
{
    int radius;
    float strength;
};

Plane GuidedPasses(const SImage& img, const Plane& lum, std::span<const SPass> passes)
{
    Plane current = lum, next;
    for (const SPass& pass : passes)
    {
        Guided(img, pass.radius, Eps(pass.strength, kLumNoise), current, current, next);
        current.swap(next);
    }
    return current;
}

/// Chroma of each channel through guided passes whose guide is the channel itself: colour edges
/// and brightness edges both stay, small colour variations are evened out.
std::array<Plane, 3> ChromaPasses(const SImage& img, const uint16_t* rgb, int step, const std::array<Plane, 3>& chroma,
                                  std::span<const SPass> passes)
{
    std::array<Plane, 3> out = chroma;
    Plane next;
    for (int c = 0; c < 3; ++c)
    {
        const Plane guide = Channel(img, rgb, step, c);
        for (const SPass& pass : passes)
        {
            Guided(img, pass.radius, Eps(pass.strength, kChromaNoise), guide, out[c], next);
            out[c].swap(next);
        }
    }
    return out;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDeNoiseLumHD — sets: 0 strength, 1 radius (1…16 px), 2 masking curve, 3 combo,
// 4 geometry. A pair of self-guided passes over the luminance. Footprint 4 × 16.
namespace
{
constexpr SSetLayout kLumHDSets{2, eCR_MASK, 3, 4};
}

int MP_calcPixelDeNoiseLumHD(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunLuminance(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& lum, FloatPlane&) {
        const float strength = Slider(*p, 0);
        const int r = RadiusSlider(*p, 1, 16.0f);
        const SPass pair[] = {{r, strength}, {r, strength * kPairFactor}};
        return GuidedPasses(img, lum, pair);
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDeNoiseLumIterHD — sets: 0 strength, 1 iterations (1…8), 2 radius (1…4 px),
// 3 masking curve, 4 combo, 5 geometry. Small self-guided passes, each at 0.9659 of the previous
// strength: every pass judges edges on an already cleaner picture. Footprint 8 × 2 × 4.
namespace
{
constexpr SSetLayout kLumIterSets{3, eCR_MASK, 4, 5};
}

int MP_calcPixelDeNoiseLumIterHD(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunLuminance(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& lum, FloatPlane&) {
        const int iterations = 1 + int(Slider(*p, 1) * 7.0f + 0.5f);
        const int r = RadiusSlider(*p, 2, 4.0f);
        SPass passes[8];
        float strength = Slider(*p, 0);
        for (int k = 0; k < iterations; ++k, strength *= kIterationFactor)
            passes[k] = {r, strength};
        return GuidedPasses(img, lum, std::span(passes, size_t(iterations)));
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDeNoiseLumUHD / MP_calcPixelDeNoiseLumU2HD — sets: 0 strength, 1 masking curve,
// 2 combo, 3 geometry. Non-local means over the luminance (UHD: 5 × 5 search, 3 × 3 patches;
// U2HD: 7 × 7 search, 5 × 5 patches), then a guided pass at a third of the strength for what
// is left. Footprints 3 + 4 and 5 + 6.
namespace
{
constexpr SSetLayout kLumNlmSets{1, eCR_MASK, 2, 3};

Plane NonLocalThenGuided(const SImage& img, const Plane& lum, float strength, int search, int patch, int guided)
{
    Plane means;
    NonLocalMeans(img, ScaledPixels(float(search), *img.p), patch, strength * kPatchDistance, lum, means);
    const SPass rest[] = {{ScaledPixels(float(guided), *img.p), strength * kPairFactor}};
    return GuidedPasses(img, means, rest);
}
}  // namespace

int MP_calcPixelDeNoiseLumUHD(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunLuminance(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& lum, FloatPlane&) {
        return NonLocalThenGuided(img, lum, Slider(*p, 0), 2, 1, 2);
    });
}

int MP_calcPixelDeNoiseLumU2HD(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunLuminance(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& lum, FloatPlane&) {
        return NonLocalThenGuided(img, lum, Slider(*p, 0), 3, 2, 3);
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelMaskDeNoiseLumHD — sets: 0 strength, 1 radius (1…16 px), 2 detail threshold
// (0…1 % per pixel), 3 masking curve, 4 combo, 5 geometry. The luminance pair of
// MP_calcPixelDeNoiseLumHD applied through a mask of the flat areas: where the luminance gradient
// passes the threshold the picture keeps its texture untouched. Footprint 4 × 16.
namespace
{
constexpr SSetLayout kMaskLumSets{3, eCR_MASK, 4, 5};
}

int MP_calcPixelMaskDeNoiseLumHD(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunLuminance(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& lum, FloatPlane& weight) {
        const float strength = Slider(*p, 0);
        const int r = RadiusSlider(*p, 1, 16.0f);
        const double threshold = std::max(double(Slider(*p, 2)) * 0.01 * 65535.0, 1.0);
        weight = DetailWeight(img, lum, threshold, 2.0 * threshold);
        for (float& v : weight)
            v = 1.0f - v;
        const SPass pair[] = {{r, strength}, {r, strength * kPairFactor}};
        return GuidedPasses(img, lum, pair);
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDeNoiseHD / UHD / U2HD — sets: 0 strength, 1 radius (HD 1…16, UHD 1…10,
// U2HD 1…7 px), 2 masking curve, 3 combo, 4 geometry. Chroma noise through guided passes over
// a widening range of scales: HD a pair at one radius (footprint 4r), UHD the radius and three
// times it (8r), U2HD one, two and four times it (14r), each coarser scale at a third of the
// strength before it. Blotchy colour noise spans several pixels, so the coarse scales catch it.
namespace
{
constexpr SSetLayout kChromaHDSets{2, eCR_MASK, 3, 4};

template <size_t N>
int RunChromaScales(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p, float maxRadius,
                    const int (&scales)[N])
{
    return RunChroma(w, h, src, dst, ss, ts, p, [&](const SImage& img, const std::array<Plane, 3>& chroma) {
        const int r = RadiusSlider(*p, 1, maxRadius);
        SPass passes[N];
        float strength = Slider(*p, 0);
        for (size_t k = 0; k < N; ++k, strength *= kPairFactor)
            passes[k] = {r * scales[k], strength};
        return ChromaPasses(img, src, ss / 2, chroma, passes);
    });
}
}  // namespace

int MP_calcPixelDeNoiseHD(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunChromaScales(w, h, src, dst, ss, ts, p, 16.0f, {1, 1});
}

int MP_calcPixelDeNoiseUHD(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunChromaScales(w, h, src, dst, ss, ts, p, 10.0f, {1, 3});
}

int MP_calcPixelDeNoiseU2HD(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunChromaScales(w, h, src, dst, ss, ts, p, 7.0f, {1, 2, 4});
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDeNoiseColor — sets: 0 radius (0…16.7 px), 1 strength, 2 masking curve, 3 combo,
// 4 geometry. One guided pass over the chroma whose radius is half the border the radius grants
// (footprint 2r).
namespace
{
constexpr SBorder kColorBorder = SBorder::FromP00(50, 3, true);
constexpr SSetLayout kColorSets{2, eCR_MASK, 3, 4};

bool ColorHasEffect(const Params& p)
{
    return p.p[1][0] > 0.001f && BorderBudget(kColorBorder, p) >= 2;
}
}  // namespace

int MP_calcPixelDeNoiseColor(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunChroma(w, h, src, dst, ss, ts, p, [&](const SImage& img, const std::array<Plane, 3>& chroma) {
        const SPass pass[] = {{std::max(BorderBudget(kColorBorder, *p) / 2, 1), Slider(*p, 1)}};
        return ChromaPasses(img, src, ss / 2, chroma, pass);
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorClouds — sets: 0 reach (0…500 px), 1 strength, 2 threshold (0…10 % of the
// range), 3 masking curve, 4 combo, 5 geometry. Faint colour clouds are chroma variations larger
// than fine colour detail and smaller than the reach: the band between a Gaussian-like blur of a
// third of the reach and one of a 24th (clouds up to about a third of the reach) is removed
// where it is fainter than the threshold and kept, fading in over a second threshold, where it is
// a real coloured object. Fine colour detail and the overall colour stay. Footprint: the reach.
namespace
{
constexpr SSetLayout kCloudsSets{3, eCR_MASK, 4, 5};

bool CloudsHaveEffect(const Params& p)
{
    return p.p[1][0] > 0.001f && BorderBudget(kReach500, p) >= 6; // two scales at least
}
}  // namespace

int MP_calcPixelColorClouds(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunChroma(w, h, src, dst, ss, ts, p, [&](const SImage& img, const std::array<Plane, 3>& chroma) {
        const int large = std::max(BorderBudget(kReach500, *p) / 3, 1);
        const int medium = std::max(large / 8, 1);
        const double strength = Slider(*p, 1);
        const double threshold = std::floor(std::max(double(Slider(*p, 2)) * 0.10 * 65535.0, 1.0));
        std::array<Plane, 3> out;
        Plane coarse;
        Plane faint(chroma[0].size());
        for (int c = 0; c < 3; ++c)
        {
            GaussLike(img, medium, chroma[c], out[c]);
            // The background the clouds float on, from the faint colours only: a strongly coloured
            // object nearby must not lift it.
            for (size_t i = 0; i < faint.size(); ++i)
                faint[i] = std::clamp(chroma[c][i], -2.0 * threshold, 2.0 * threshold);
            GaussLike(img, large, faint, coarse);
            Plane& o = out[c];
            for (size_t i = 0; i < o.size(); ++i)
            {
                const double band = o[i] - coarse[i];
                const double keep = std::clamp(std::fabs(band) / threshold - 1.0, 0.0, 1.0);
                o[i] = std::floor(chroma[c][i] - strength * band * (1.0 - keep) + 0.5);
            }
        }
        return out;
    });
}

// ---------------------------------------------------------------------------------------------
std::span<const SKernelEntry> DenoiseHDKernels()
{
    static const SKernelEntry kRows[] = {
        // name + function                              border               flags             reads           CL       effect test       sets             radius  speed result
        {MP_KERNEL(MP_calcPixelDeNoiseLumHD),           SBorder::Rows(80),   eKF_SPEED_TESTED, eIN_NEIGHBOURS, nullptr, StrengthIn<0>,      kLumHDSets},
        {MP_KERNEL(MP_calcPixelDeNoiseLumIterHD),       SBorder::Rows(80),   eKF_SPEED_TESTED, eIN_NEIGHBOURS, nullptr, StrengthIn<0>,      kLumIterSets,    1.0f,   "MP_calcPixelDeNoiseLumHD"},
        {MP_KERNEL(MP_calcPixelDeNoiseLumUHD),          SBorder::Rows(80),   eKF_CPU_ONLY,     eIN_NEIGHBOURS, nullptr, StrengthIn<0>,      kLumNlmSets},
        {MP_KERNEL(MP_calcPixelDeNoiseLumU2HD),         SBorder::Rows(100),  eKF_CPU_ONLY,     eIN_NEIGHBOURS, nullptr, StrengthIn<0>,      kLumNlmSets},
        {MP_KERNEL(MP_calcPixelMaskDeNoiseLumHD),       SBorder::Rows(80),   eKF_CPU_ONLY,     eIN_NEIGHBOURS, nullptr, StrengthIn<0>,      kMaskLumSets},
        {MP_KERNEL(MP_calcPixelDeNoiseHD),              SBorder::Rows(80),   eKF_CPU_ONLY,     eIN_NEIGHBOURS, nullptr, StrengthIn<0>,      kChromaHDSets},
        {MP_KERNEL(MP_calcPixelDeNoiseUHD),             SBorder::Rows(80),   eKF_CPU_ONLY,     eIN_NEIGHBOURS, nullptr, StrengthIn<0>,      kChromaHDSets},
        {MP_KERNEL(MP_calcPixelDeNoiseU2HD),            SBorder::Rows(100),  eKF_CPU_ONLY,     eIN_NEIGHBOURS, nullptr, StrengthIn<0>,      kChromaHDSets},
        {MP_KERNEL(MP_calcPixelDeNoiseColor),           kColorBorder,        eKF_CPU_ONLY,     eIN_NEIGHBOURS, nullptr, ColorHasEffect,   kColorSets},
        {MP_KERNEL(MP_calcPixelColorClouds),            kReach500,       eKF_NONE,         eIN_NEIGHBOURS, nullptr, CloudsHaveEffect, kCloudsSets},
    };
    return kRows;
}
