// Soft tone operators of the exposure family: they read the pixel's surroundings (a blurred
// plane, or the picture's light falling off towards its border) and run on the whole picture,
// so their radius is a later slider and their stripe border is 0. Radii are pixels of the full
// picture scaled with the preview.
#include "engine/LevelTables.h"
#include "engine/kernels/exposure/ExposureShared.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

using namespace Exposure;

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelHighlightRecover — sets: 0 strength, 1 threshold, 2 radius (0…100 px), 3 combo,
// 4 geometry. Bright areas are brought down as a whole while their inner detail stays: the
// surroundings' luminance B above the threshold follows the shoulder y = x − s x² ÷ 2 (x, y
// relative to threshold…1), and each pixel is scaled by B' ÷ B.
constexpr SSetLayout kHighlightRecoverSets{-1, eCR_NONE, 3, 4};

bool HighlightRecoverHasEffect(const Params& p)
{
    return p.p[0][0] >= 0.001f;
}
}  // namespace

int MP_calcPixelHighlightRecover(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const std::vector<uint16_t> plane = BlurredLuminance(*p, src, ss / 2, w, h, Radius(*p, p->p[2][0], 100.0f));
    const float s = MP_Clamp01(p->p[0][0]), threshold = std::fmin(MP_Clamp01(p->p[1][0]), 0.99f);
    const SLevelTable* gain = MP_LevelTable(*p, eXT_RECOVER_GAIN, {s, threshold}, [=](int i) {
        const float B = float(i) * MP_DECODE;
        if (B <= threshold)
            return 1.0f;
        const float x = (B - threshold) / (1.0f - threshold);
        return (threshold + (x - 0.5f * s * x * x) * (1.0f - threshold)) / B;
    });
    const SLocalGainOp op{plane.data(), gain->af, w, {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kHighlightRecoverSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelFlattenLuminance — sets: 0 strength, 1 radius (0…1000 px), 2 masking curve,
// 3 combo, 4 geometry. Uneven lighting is evened out: each pixel is scaled by (M ÷ B)^strength,
// with B its surroundings' luminance and M the picture's mean (the gain kept within ¼…4), so
// the large-scale light flattens and the detail stays.
constexpr SSetLayout kFlattenSets{2, eCR_MASK, 3, 4};

bool FlattenHasEffect(const Params& p)
{
    return p.p[0][0] >= 0.001f;
}
}  // namespace

int MP_calcPixelFlattenLuminance(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    std::vector<uint16_t> plane = LuminancePlane(*p, src, ss / 2, w, h);
    uint64_t sum = 0;
    for (const uint16_t v : plane)
        sum += v;
    const float mean = float(double(sum) / double(plane.size()) / 65535.0);
    BlurPlane(*p, plane, w, h, Radius(*p, p->p[1][0], 1000.0f));
    const float s = MP_Clamp01(p->p[0][0]);
    const SLevelTable* gain = MP_LevelTable(*p, eXT_FLATTEN_GAIN, {s, mean}, [=](int i) {
        const float B = std::fmax(float(i) * MP_DECODE, 1.0e-4f);
        return std::clamp(std::pow(mean / B, s), 0.25f, 4.0f);
    });
    const SLocalGainOp op{plane.data(), gain->af, w, {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kFlattenSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelSoftDetail — sets: 0 strength, 1 radius (0…20 px), 2 masking curve, 3 combo,
// 4 geometry. Fine detail is softened while edges stay: the detail d = L − blur(L) is taken
// away × strength through the guard 1 ÷ (1 + (d ÷ 0.08)²), so texture (skin, noise) smooths and
// large steps keep their crispness.
constexpr SSetLayout kSoftDetailSets{2, eCR_MASK, 3, 4};

bool SoftDetailHasEffect(const Params& p)
{
    return Radius(p, p.p[1][0], 20.0f) >= 1 && p.p[0][0] >= 0.001f;
}
}  // namespace

int MP_calcPixelSoftDetail(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const std::vector<uint16_t> plane = BlurredLuminance(*p, src, ss / 2, w, h, Radius(*p, p->p[1][0], 20.0f));
    const SGuardedDetailOp op{{plane.data(), w}, -MP_Clamp01(p->p[0][0]), 1.0f / 0.08f, {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kSoftDetailSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelSoftContour — sets: 0 strength, 1 radius (0…50 px), 2 combo, 3 geometry. Contours
// get a soft, glowing edge and flat areas stay sharp: where the luminance differs from its
// surroundings (edge weight e = |L − blur(L)| × 8, at most 1) the blurred colour is mixed in by
// strength × e.
constexpr SSetLayout kSoftContourSets{-1, eCR_NONE, 2, 3};

bool SoftContourHasEffect(const Params& p)
{
    return Radius(p, p.p[1][0], 50.0f) >= 1 && p.p[0][0] >= 0.001f;
}

struct SSoftContourOp
{
    SPlane lum, colour[3];
    float fStrength, afLum[3];
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float edge = MP_Clamp01(std::fabs(Luminance(c0, afLum) - lum.At(x, y)) * 8.0f) * fStrength;
        for (int c = 0; c < 3; ++c)
            ce[c] = c0[c] + (colour[c].At(x, y) - c0[c]) * edge;
    }
};
}  // namespace

int MP_calcPixelSoftContour(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const int radius = Radius(*p, p->p[1][0], 50.0f);
    const std::vector<uint16_t> lum = BlurredLuminance(*p, src, ss / 2, w, h, radius);
    std::vector<uint16_t> planes[3];
    for (int c = 0; c < 3; ++c)
    {
        planes[c] = ChannelPlane(*p, src, ss / 2, w, h, c);
        BlurPlane(*p, planes[c], w, h, radius);
    }
    const SSoftContourOp op{{lum.data(), w}, {{planes[0].data(), w}, {planes[1].data(), w}, {planes[2].data(), w}},
                            MP_Clamp01(p->p[0][0]), {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kSoftContourSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelDynamicLuminance — sets: 0 strength (−100…100 %), 1 radius (0…500 px), 2 masking
// curve, 3 combo, 4 geometry. Brightness that adapts to the surroundings: L' = L^γ with
// γ = 2^(−1.5 k (1 − 2B)), B the surroundings' luminance; with k > 0 dark surroundings brighten
// and bright ones darken (the tonal range is compressed), with k < 0 it is expanded.
constexpr SSetLayout kDynamicLuminanceSets{2, eCR_MASK, 3, 4};

bool DynamicLuminanceHasEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.5f);
}

struct SDynamicLuminanceOp
{
    const uint16_t* pSurround;
    const float* exponent; // γ over the surroundings' level
    const float* log2;     // log2 of a level
    int iWidth;
    float afLum[3];
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float L = Luminance(c0, afLum);
        const float e = exponent[pSurround[size_t(y) * iWidth + x]];
        SetLuminance(c0, L, L > 0.0f ? std::exp2(e * log2[LevelIndex(L)]) : 0.0f, ce);
    }
};
}  // namespace

int MP_calcPixelDynamicLuminance(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const std::vector<uint16_t> plane = BlurredLuminance(*p, src, ss / 2, w, h, Radius(*p, p->p[1][0], 500.0f));
    const float k = Bipolar(p->p[0][0]);
    const SLevelTable* exponent = MP_LevelTable(*p, eXT_DYNAMIC_EXPONENT, {k}, [k](int i) {
        return std::exp2(-1.5f * k * (1.0f - 2.0f * float(i) * MP_DECODE));
    });
    const SLevelTable* log2 = MP_LevelTable(*p, eXT_LOG2, {}, [](int i) {
        return i > 0 ? std::log2(float(i) / 65535.0f) : -16.0f;
    });
    const SDynamicLuminanceOp op{plane.data(), exponent->af, log2->af, w, {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kDynamicLuminanceSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelSoftBorderlight — sets: 0 strength, 1 masking curve, 2 combo, 3 geometry. Evens
// out the light falling off towards the picture's border (lens vignetting, a flash's hot centre):
// the mean luminance is measured in 64 rings around the centre (distance ÷ half diagonal),
// smoothed, and each ring is scaled by (centre ÷ ring)^strength (kept within ¼…4), the gain
// interpolated between rings.
constexpr SSetLayout kBorderlightSets{1, eCR_MASK, 2, 3};
constexpr int kRings = 64;

bool BorderlightHasEffect(const Params& p)
{
    return p.p[0][0] >= 0.001f;
}

/// Ring position 0…kRings − 1 of a pixel: its distance from the centre over the half diagonal.
struct SRings
{
    float fCx, fCy, fScale;
    SRings(const Params& p, int w, int h)
    {
        const float W = float(p.width > 0 ? p.width : w), H = float(p.height > 0 ? p.height : h);
        fCx = W * 0.5f, fCy = H * 0.5f;
        fScale = float(kRings - 1) / std::fmax(std::sqrt(fCx * fCx + fCy * fCy), 1.0f);
    }
    float At(int x, int y) const
    {
        const float dx = float(x) + 0.5f - fCx, dy = float(y) + 0.5f - fCy;
        return Min(std::sqrt(dx * dx + dy * dy) * fScale, float(kRings - 1));
    }
};

struct SBorderlightOp
{
    SRings rings;
    const float* gain; // per ring
    int iYOffset;
    float afLum[3];
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float r = rings.At(x, y + iYOffset);
        const int i = std::min(int(r), kRings - 2);
        const float g = gain[i] + (gain[i + 1] - gain[i]) * (r - float(i));
        const float L = Luminance(c0, afLum);
        SetLuminance(c0, L, L * g, ce);
    }
};

/// Per-ring gains (centre ÷ ring)^strength from the ring means of the picture.
std::vector<float> RingGains(const Params& p, const SRings& rings, const uint16_t* src, int step, int w, int h,
                             float strength)
{
    std::vector<double> sum(kRings, 0.0), count(kRings, 0.0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const uint16_t* px = src + (size_t(y) * w + x) * step;
            const int ring = std::min(int(rings.At(x, y + p.y_offset) + 0.5f), kRings - 1);
            sum[size_t(ring)] += (p.lumr * px[0] + p.lumg * px[1] + p.lumb * px[2]) * MP_DECODE;
            count[size_t(ring)] += 1.0;
        }
    // Rings without pixels take the nearest measured ring inwards (or outwards at the centre).
    std::vector<double> mean(kRings, -1.0);
    for (int i = 0; i < kRings; ++i)
        if (count[size_t(i)] > 0.0)
            mean[size_t(i)] = sum[size_t(i)] / count[size_t(i)];
    for (int i = 1; i < kRings; ++i)
        if (mean[size_t(i)] < 0.0)
            mean[size_t(i)] = mean[size_t(i - 1)];
    for (int i = kRings - 2; i >= 0; --i)
        if (mean[size_t(i)] < 0.0)
            mean[size_t(i)] = mean[size_t(i + 1)];
    for (int pass = 0; pass < 2; ++pass)
    {
        std::vector<double> smooth(mean);
        for (int i = 0; i < kRings; ++i)
            smooth[size_t(i)] = (mean[size_t(std::max(i - 1, 0))] + 2.0 * mean[size_t(i)] +
                                 mean[size_t(std::min(i + 1, kRings - 1))]) * 0.25;
        mean.swap(smooth);
    }
    const double centre = std::max((mean[0] + mean[1] + mean[2] + mean[3]) * 0.25, 1.0e-4);
    std::vector<float> gain(kRings);
    for (int i = 0; i < kRings; ++i)
        gain[size_t(i)] = std::clamp(float(std::pow(centre / std::max(mean[size_t(i)], 1.0e-4), double(strength))), 0.25f, 4.0f);
    return gain;
}
}  // namespace

int MP_calcPixelSoftBorderlight(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SRings rings(*p, w, h);
    const std::vector<float> gain = RingGains(*p, rings, src, ss / 2, w, h, MP_Clamp01(p->p[0][0]));
    const SBorderlightOp op{rings, gain.data(), p->y_offset, {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kBorderlightSets, *p), op);
}

namespace
{
const SKernelEntry kSoftKernels[] = {
    // name + function                           border            flags                     reads           CL       effect test                 sets
    {MP_KERNEL(MP_calcPixelHighlightRecover),    SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, HighlightRecoverHasEffect, kHighlightRecoverSets},
    {MP_KERNEL(MP_calcPixelFlattenLuminance),    SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, FlattenHasEffect,          kFlattenSets},
    {MP_KERNEL(MP_calcPixelSoftDetail),          SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, SoftDetailHasEffect,       kSoftDetailSets},
    {MP_KERNEL(MP_calcPixelSoftContour),         SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, SoftContourHasEffect,      kSoftContourSets},
    {MP_KERNEL(MP_calcPixelDynamicLuminance),    SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, DynamicLuminanceHasEffect, kDynamicLuminanceSets},
    {MP_KERNEL(MP_calcPixelSoftBorderlight),     SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, BorderlightHasEffect,      kBorderlightSets},
};
}  // namespace

std::span<const SKernelEntry> ExposureSoftKernels()
{
    return kSoftKernels;
}
