// Smoothing operators: the aura glow, edge-preserving smoothing, and the smoothing of single
// channels and of the colour alone.
#include "engine/PointKernel.h"
#include "engine/kernels/Neighbourhood.h"

#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelGaussAura — sets: 0 radius (× 100 pixels at full size), 1 glow (the blurred image
// screened over the picture), 2 softness (the blurred image mixed in), 3 combo, 4 geometry.
constexpr SSetLayout kAuraSets{-1, eCR_NONE, 3, 4};

bool AuraHasEffect(const Params& p)
{
    return MP_ScaledRadius(p.p[0][0], 100.0f, p.previewscalingfactor) >= 1 &&
           (p.p[1][0] > 0.001f || p.p[2][0] > 0.001f);
}
}  // namespace

int MP_calcPixelGaussAura(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const int radius = MP_ScaledRadius(p->p[0][0], 100.0f, p->previewscalingfactor);
    const float glow = MP_Clamp01(p->p[1][0]), soft = MP_Clamp01(p->p[2][0]);
    const CStableSource in(w, h, src, ss, dst);
    std::vector<float> planes = MP_ToPlanes(in.Data(), w, h);
    const size_t n = size_t(w) * h;
    std::vector<float> blurred(planes);
    for (int c = 0; c < 3; ++c)
    {
        std::vector<float> plane(blurred.begin() + c * n, blurred.begin() + (c + 1) * n);
        MP_GaussLikeBlur(*p, plane, w, h, std::max(1, radius / 3));
        std::copy(plane.begin(), plane.end(), blurred.begin() + c * n);
    }
    const int step = ts / 2;
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            for (int x = 0; x < w; ++x)
            {
                const size_t i = size_t(y) * w + x;
                for (int c = 0; c < 3; ++c)
                {
                    const float b = blurred[c * n + i];
                    const float mixed = planes[c * n + i] * (1.0f - soft) + b * soft;
                    const float v = 1.0f - (1.0f - mixed) * (1.0f - b * glow);
                    dst[i * step + c] = MP_RoundLevel(v);
                }
            }
    });
    return MP_SUCCESS;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelImageSmooth — sets: 0 radius (× 500 pixels at full size), 1 smoothing (how large
// a difference still counts as noise rather than an edge), 2 masking curve, 3 combo, 4 geometry.
// A guided filter per channel: flat areas are averaged over the radius, edges stay sharp.
namespace
{
constexpr SSetLayout kImageSmoothSets{2, eCR_MASK, 3, 4};

int SmoothReach(const Params& p)
{
    return MP_ScaledRadius(p.p[0][0], 500.0f, p.previewscalingfactor);
}

bool ImageSmoothHasEffect(const Params& p)
{
    return SmoothReach(p) >= 2 && p.p[1][0] > 0.001f;
}
}  // namespace

int MP_calcPixelImageSmooth(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    std::vector<int32_t> plane = MP_ToFixedPlane(src, w, h, ss / 2);
    // Differences up to 15 % of the range at full smoothing count as noise.
    const double noise = double(MP_Clamp01(p->p[1][0])) * 0.15 * MP_FIXED_ONE;
    MP_GuidedSmoothFixed(*p, plane, w, h, 3, SmoothReach(*p) / 2, noise * noise);
    MP_FixedToTarget(*p, plane, dst, w, h, ts / 2);
    return MP_SUCCESS;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelChannelSmooth — sets: 0 radius (× 500 pixels at full size), 1 to 3 the share of
// the radius for red, green and blue, 4 masking curve, 5 combo, 6 geometry. Each channel is
// blurred on its own (the blue channel of a small sensor is the noisiest).
namespace
{
constexpr SSetLayout kChannelSmoothSets{4, eCR_MASK, 5, 6};

int ChannelReach(const Params& p, int channel)
{
    return int(float(SmoothReach(p)) * MP_Clamp01(p.p[1 + channel][0]));
}

bool ChannelSmoothHasEffect(const Params& p)
{
    return ChannelReach(p, 0) >= 1 || ChannelReach(p, 1) >= 1 || ChannelReach(p, 2) >= 1;
}
}  // namespace

int MP_calcPixelChannelSmooth(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const size_t n = size_t(w) * h;
    const int sstep = ss / 2, tstep = ts / 2;
    std::vector<int32_t> plane(n);
    for (int c = 0; c < 3; ++c)
    {
        for (size_t i = 0; i < n; ++i)
            plane[i] = MP_ToFixed(src[i * sstep + c]);
        const int reach = ChannelReach(*p, c);
        MP_GaussBlurFixed(*p, plane, w, h, 1, reach, reach);
        // Channel c of the source is not read again, so in place is safe.
        for (size_t i = 0; i < n; ++i)
            dst[i * tstep + c] = MP_FixedToLevel(plane[i]);
    }
    return MP_SUCCESS;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorSmooth — sets: 0 radius (× 500 pixels at full size), 1 masking curve,
// 2 combo, 3 geometry. The colour (each channel minus the luminance) is blurred, the luminance
// is kept: colour noise and colour fringes go, detail stays.
namespace
{
constexpr SSetLayout kColorSmoothSets{1, eCR_MASK, 2, 3};

bool ColorSmoothHasEffect(const Params& p)
{
    return SmoothReach(p) >= 1;
}
}  // namespace

int MP_calcPixelColorSmooth(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const size_t n = size_t(w) * h;
    const int sstep = ss / 2, tstep = ts / 2;
    std::vector<int32_t> luminance(n), chroma(3 * n);
    for (size_t i = 0; i < n; ++i)
    {
        const uint16_t* px = src + i * sstep;
        luminance[i] = int32_t(std::lround((p->lumr * px[0] + p->lumg * px[1] + p->lumb * px[2]) * 256.0f));
        for (int c = 0; c < 3; ++c)
            chroma[3 * i + c] = MP_ToFixed(px[c]) - luminance[i];
    }
    MP_GaussBlurFixed(*p, chroma, w, h, 3, SmoothReach(*p), SmoothReach(*p));
    for (size_t i = 0; i < n; ++i)
        for (int c = 0; c < 3; ++c)
            dst[i * tstep + c] = MP_FixedToLevel(luminance[i] + chroma[3 * i + c]);
    return MP_SUCCESS;
}

namespace
{
const SKernelEntry kSmoothKernels[] = {
    // name + function                     border                          flags         reads           CL       effect test             sets
    {MP_KERNEL(MP_calcPixelGaussAura),     SBorder::Rows(0),               eKF_CPU_ONLY, eIN_NEIGHBOURS, nullptr, AuraHasEffect,          kAuraSets},
    {MP_KERNEL(MP_calcPixelImageSmooth),   SBorder::FromP00(500, 1, true), eKF_CPU_ONLY, eIN_NEIGHBOURS, nullptr, ImageSmoothHasEffect,   kImageSmoothSets},
    {MP_KERNEL(MP_calcPixelChannelSmooth), SBorder::FromP00(500, 1, true), eKF_CPU_ONLY, eIN_NEIGHBOURS, nullptr, ChannelSmoothHasEffect, kChannelSmoothSets},
    {MP_KERNEL(MP_calcPixelColorSmooth),   SBorder::FromP00(500, 1, true), eKF_CPU_ONLY, eIN_NEIGHBOURS, nullptr, ColorSmoothHasEffect,   kColorSmoothSets},
};
}  // namespace

std::span<const SKernelEntry> SmoothKernels()
{
    return kSmoothKernels;
}
