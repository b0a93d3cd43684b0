// Sharpening and edge enhancement: unsharp masks over one to three scales of the luminance with
// a noise floor and an overshoot limit (HD, UHD, U2HD), the chroma variant, sharpening through a
// detail mask, gradient-adaptive sharpening, sharpening across edges only, and the band-pass
// edge enhancers of luminance and colour.
//
// Overshoot: every sharpener here holds its result to the range of the original picture around
// the pixel widened by the stated overshoot, so a halo can never grow beyond that many levels.
#include "engine/kernels/Neighbourhood.h"
#include "engine/kernels/enhance/EnhanceFilters.h"

#include <cmath>
#include <span>

using namespace Enhance;

namespace
{
/// Percent of the range, from a slider that shows 0…`maxPercent` %.
double Levels(const Params& p, int set, double maxPercent)
{
    return double(Slider(p, set)) * maxPercent * 0.01 * 65535.0;
}

/// The luminance with the detail between successive scales added: D_k = G(r_{k−1}) − G(r_k)
/// (G(r_0) the luminance itself), each above the noise floor and times its amount, then held
/// to the range around the pixel (window of the widest scale) ± the overshoot. Footprint 3 × the
/// widest radius.
Plane SharpenScales(const SImage& img, const Plane& lum, std::span<const int> radii, std::span<const float> amounts,
                    double floor, double overshoot)
{
    Plane out = lum, finer = lum, coarser;
    for (size_t k = 0; k < radii.size(); ++k)
    {
        GaussLike(img, radii[k], lum, coarser);
        for (size_t i = 0; i < out.size(); ++i)
            out[i] += amounts[k] * Cored(finer[i] - coarser[i], floor);
        finer.swap(coarser);
    }
    Plane lo, hi;
    LocalRange(img, radii.back(), lum, lo, hi);
    LimitOvershoot(lo, hi, overshoot, out);
    return out;
}

// The usual sliders of the luminance sharpeners.
constexpr float kMaxAmount = 4.0f; // 400 %
}  // namespace

// ---------------------------------------------------------------------------------------------
// MP_calcPixelHDLumSharpen — sets: 0 amount (0…400 %), 1 radius (1…8 px), 2 noise floor
// (0…5 %), 3 overshoot (0…10 %), 4 masking curve, 5 combo, 6 geometry. An unsharp mask of the
// luminance: detail below the noise floor is left out, so grain is not sharpened.
namespace
{
constexpr SSetLayout kHDLumSets{4, eCR_MASK, 5, 6};
}

int MP_calcPixelHDLumSharpen(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunLuminance(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& lum, FloatPlane&) {
        const int radii[] = {RadiusSlider(*p, 1, 8.0f)};
        const float amounts[] = {Slider(*p, 0) * kMaxAmount};
        return SharpenScales(img, lum, radii, amounts, Levels(*p, 2, 5.0), Levels(*p, 3, 10.0));
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelUHDLumSharpen — sets: 0 fine amount, 1 medium amount (0…400 %), 2 radius (1…8 px),
// 3 noise floor, 4 overshoot, 5 masking curve, 6 combo, 7 geometry. Two scales: the radius and
// twice it, each with its own amount. Footprint 6 × 8.
// MP_calcPixelU2HDLumSharpen — sets: 0 fine, 1 medium, 2 coarse amount, 3 radius (1…8 px),
// 4 noise floor, 5 overshoot, 6 masking curve, 7 combo, 8 geometry. Three scales: one, two and
// four times the radius. Footprint 12 × 8.
namespace
{
constexpr SSetLayout kUHDLumSets{5, eCR_MASK, 6, 7};
constexpr SSetLayout kU2HDLumSets{6, eCR_MASK, 7, 8};

bool AnyOfFirst(const Params& p, int sets)
{
    for (int s = 0; s < sets; ++s)
        if (p.p[s][0] > 0.001f)
            return true;
    return false;
}

bool UHDHasEffect(const Params& p)
{
    return AnyOfFirst(p, 2);
}

bool U2HDHasEffect(const Params& p)
{
    return AnyOfFirst(p, 3);
}

template <size_t N>
int RunScales(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p, const int (&multiples)[N])
{
    return RunLuminance(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& lum, FloatPlane&) {
        const int r = RadiusSlider(*p, int(N), 8.0f);
        int radii[N];
        float amounts[N];
        for (size_t k = 0; k < N; ++k)
            radii[k] = r * multiples[k], amounts[k] = Slider(*p, int(k)) * kMaxAmount;
        return SharpenScales(img, lum, radii, amounts, Levels(*p, int(N) + 1, 5.0), Levels(*p, int(N) + 2, 10.0));
    });
}
}  // namespace

int MP_calcPixelUHDLumSharpen(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunScales(w, h, src, dst, ss, ts, p, {1, 2});
}

int MP_calcPixelU2HDLumSharpen(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunScales(w, h, src, dst, ss, ts, p, {1, 2, 4});
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelMaskHDLumSharpen — sets: 0 amount (0…400 %), 1 radius (1…8 px), 2 detail
// threshold (0…1 % per pixel), 3 overshoot (0…10 %), 4 masking curve, 5 combo, 6 geometry. The
// luminance unsharp mask applied through a mask of the structured areas: flat areas (where the
// noise lives) are not sharpened at all, edges and texture fully.
namespace
{
constexpr SSetLayout kMaskLumSets{4, eCR_MASK, 5, 6};
}

int MP_calcPixelMaskHDLumSharpen(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunLuminance(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& lum, FloatPlane& weight) {
        const double threshold = std::max(Levels(*p, 2, 1.0), 1.0);
        weight = DetailWeight(img, lum, threshold, 2.0 * threshold);
        const int radii[] = {RadiusSlider(*p, 1, 8.0f)};
        const float amounts[] = {Slider(*p, 0) * kMaxAmount};
        return SharpenScales(img, lum, radii, amounts, 0.0, Levels(*p, 3, 10.0));
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelHDSharpen — sets: 0 amount (0…400 %), 1 radius (1…8 px), 2 overshoot (0…10 %),
// 3 masking curve, 4 combo, 5 geometry. An unsharp mask of the chroma (each channel's difference
// from the luminance): colour edges blurred by chroma subsampling become crisp again while the
// brightness stays. Footprint 3 × 8.
namespace
{
constexpr SSetLayout kHDChromaSets{3, eCR_MASK, 4, 5};
}

int MP_calcPixelHDSharpen(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunChroma(w, h, src, dst, ss, ts, p, [&](const SImage& img, const std::array<Plane, 3>& chroma) {
        const int radii[] = {RadiusSlider(*p, 1, 8.0f)};
        const float amounts[] = {Slider(*p, 0) * kMaxAmount};
        std::array<Plane, 3> out;
        for (int c = 0; c < 3; ++c)
            out[c] = SharpenScales(img, chroma[c], radii, amounts, 0.0, Levels(*p, 2, 10.0));
        return out;
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelGradientSharpen — sets: 0 amount (0…300 %), 1 radius (1…8 px), 2 masking curve,
// 3 combo, 4 geometry. An unsharp mask of the luminance whose amount follows the local gradient:
// nothing where the picture is flat (noise), full strength on moderate edges and texture, less
// on edges that are already hard (where halos would show); overshoot held to 1 %.
namespace
{
constexpr SSetLayout kGradientSets{2, eCR_MASK, 3, 4};
constexpr double kNoiseGradient = 0.003 * 65535.0; // levels per full-size pixel
constexpr double kHardGradient = 0.08 * 65535.0;
}  // namespace

int MP_calcPixelGradientSharpen(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunLuminance(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& lum, FloatPlane& weight) {
        const int r = RadiusSlider(*p, 1, 8.0f);
        const double amount = Slider(*p, 0) * 3.0;
        weight = Gradient(img, lum);
        Plane base, lo, hi;
        GaussLike(img, r, lum, base);
        Plane out(lum.size());
        for (size_t i = 0; i < out.size(); ++i)
        {
            const double hard = SmoothStep(0.0, 2.0 * kHardGradient, weight[i]);
            out[i] = lum[i] + amount * (lum[i] - base[i]) * (1.0 - 0.75 * hard);
            weight[i] = SmoothStep(kNoiseGradient, 4.0 * kNoiseGradient, weight[i]);
        }
        LocalRange(img, r, lum, lo, hi);
        LimitOvershoot(lo, hi, 0.01 * 65535.0, out);
        return out;
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelGradientHDSharpen — sets: 0 reach (0…50 px), 1 amount (0…300 %), 2 overshoot
// (0…10 %), 3 masking curve, 4 combo, 5 geometry. Sharpens across edges only: the detail is the
// luminance less its mean along the gradient direction (Sobel) over the reach, so noise along an
// edge is not raised; flat areas (no clear direction) are left alone. Footprint: the reach.
namespace
{
constexpr SSetLayout kGradientHDSets{3, eCR_MASK, 4, 5};
}  // namespace

int MP_calcPixelGradientHDSharpen(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunLuminance(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& lum, FloatPlane& weight) {
        const int reach = std::max(BorderBudget(kReach50, *p), 1);
        const int taps = std::min(reach, 4);
        const float spacing = float(reach) / float(taps);
        const double amount = Slider(*p, 1) * 3.0;
        weight.resize(lum.size());
        Plane out(lum.size());
        ForRows(img, [&](int y0, int y1) {
            for (int y = y0; y < y1; ++y)
                for (int x = 0; x < w; ++x)
                {
                    auto L = [&](int xx, int yy) { return float(lum[size_t(yy) * w + xx]); };
                    auto at = [&](int dx, int dy) { return L(std::clamp(x + dx, 0, w - 1), std::clamp(y + dy, 0, h - 1)); };
                    const double gx = at(1, -1) + 2 * at(1, 0) + at(1, 1) - at(-1, -1) - 2 * at(-1, 0) - at(-1, 1);
                    const double gy = at(-1, 1) + 2 * at(0, 1) + at(1, 1) - at(-1, -1) - 2 * at(0, -1) - at(1, -1);
                    const double mag = std::sqrt(gx * gx + gy * gy);
                    const size_t i = size_t(y) * w + x;
                    // Sobel sums eight times the gradient per pixel; a preview pixel spans 1 ÷ s.
                    weight[i] = SmoothStep(kNoiseGradient, 4.0 * kNoiseGradient, mag / 8.0 * Scale(*p));
                    if (!(weight[i] > 0.0f))
                    {
                        out[i] = lum[i];
                        continue;
                    }
                    const float nx = float(gx / mag), ny = float(gy / mag);
                    const int lo = std::max(y - reach, 0), hi = std::min(y + reach, h - 1);
                    float sum = 0.0f;
                    for (int k = -taps; k <= taps; ++k)
                        sum += Bilinear(L, w, x, y, nx * float(k) * spacing, ny * float(k) * spacing, lo, hi);
                    out[i] = lum[i] + amount * (lum[i] - sum / float(2 * taps + 1));
                }
        });
        Plane lo, hi;
        LocalRange(img, reach, lum, lo, hi);
        LimitOvershoot(lo, hi, Levels(*p, 2, 10.0), out);
        return out;
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelEnhance / MP_calcPixelColorEnhance — sets: 0 reach (0…500 px), 1 amount
// (0…200 %), 2 masking curve, 3 combo, 4 geometry. Edge enhancers: the band of detail between a
// quarter of the reach and the reach (a difference of two Gaussian-like blurs) is added, so
// edges of that size gain contrast while the finest scale (noise) is left out; the luminance
// for the edge enhancer, the chroma for the colour-edge enhancer. Footprint: the reach.
namespace
{
constexpr SSetLayout kEnhanceSets{2, eCR_MASK, 3, 4};

bool EnhanceHasEffect(const Params& p)
{
    return StrengthIn<1>(p) && BorderBudget(kReach500, p) >= 4;
}

/// v + amount × (inner blur − outer blur).
Plane EdgeBand(const SImage& img, const Plane& v, int rows, double amount)
{
    Plane inner, outer;
    BlurWithin(img, rows / 4, v, inner);
    BlurWithin(img, rows, v, outer);
    for (size_t i = 0; i < inner.size(); ++i)
        inner[i] = v[i] + amount * (inner[i] - outer[i]);
    return inner;
}
}  // namespace

int MP_calcPixelEnhance(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunLuminance(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& lum, FloatPlane&) {
        return EdgeBand(img, lum, BorderBudget(kReach500, *p), Slider(*p, 1) * 2.0);
    });
}

int MP_calcPixelColorEnhance(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunChroma(w, h, src, dst, ss, ts, p, [&](const SImage& img, const std::array<Plane, 3>& chroma) {
        std::array<Plane, 3> out;
        for (int c = 0; c < 3; ++c)
            out[c] = EdgeBand(img, chroma[c], BorderBudget(kReach500, *p), Slider(*p, 1) * 2.0);
        return out;
    });
}

// ---------------------------------------------------------------------------------------------
std::span<const SKernelEntry> SharpenKernels()
{
    static const SKernelEntry kRows[] = {
        // name + function                              border              flags                             reads           CL       effect test       sets
        {MP_KERNEL(MP_calcPixelHDLumSharpen),           SBorder::Rows(80),  eKF_SPEED_TESTED,                 eIN_NEIGHBOURS, nullptr, StrengthIn<0>,      kHDLumSets},
        {MP_KERNEL(MP_calcPixelUHDLumSharpen),          SBorder::Rows(80),  eKF_CPU_ONLY,                     eIN_NEIGHBOURS, nullptr, UHDHasEffect,     kUHDLumSets},
        {MP_KERNEL(MP_calcPixelU2HDLumSharpen),         SBorder::Rows(100), eKF_NONE,                         eIN_NEIGHBOURS, nullptr, U2HDHasEffect,    kU2HDLumSets},
        {MP_KERNEL(MP_calcPixelMaskHDLumSharpen),       SBorder::Rows(80),  eKF_CPU_ONLY,                     eIN_NEIGHBOURS, nullptr, StrengthIn<0>,      kMaskLumSets},
        {MP_KERNEL(MP_calcPixelHDSharpen),              SBorder::Rows(80),  eKF_CPU_ONLY,                     eIN_NEIGHBOURS, nullptr, StrengthIn<0>,      kHDChromaSets},
        {MP_KERNEL(MP_calcPixelGradientSharpen),        SBorder::Rows(25),  eKF_CPU_ONLY | eKF_WHOLE_IMAGE,   eIN_NEIGHBOURS, nullptr, StrengthIn<0>,      kGradientSets},
        {MP_KERNEL(MP_calcPixelGradientHDSharpen),      kReach50,          eKF_CPU_ONLY,                     eIN_NEIGHBOURS, nullptr, StrengthIn<1>,      kGradientHDSets},
        {MP_KERNEL(MP_calcPixelEnhance),                kReach500,         eKF_CPU_ONLY,                     eIN_NEIGHBOURS, nullptr, EnhanceHasEffect, kEnhanceSets},
        {MP_KERNEL(MP_calcPixelColorEnhance),           kReach500,         eKF_CPU_ONLY,                     eIN_NEIGHBOURS, nullptr, EnhanceHasEffect, kEnhanceSets},
    };
    return kRows;
}
