// Glows: Kirlian coronas around edges, the soft Kirlian blur, neon edges, the bloom of bright
// areas and the intense glow. Each blurs something of the picture and lays it over the picture.
#include "engine/LevelTables.h"
#include "engine/kernels/smooth/SmoothShared.h"

#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace
{
using Smooth::Screen;

/// Runs `pixel(i, c0, ce)` over every pixel (c0 decoded, ce the result to encode).
template <class Pixel>
void Compose(const Params& p, const uint16_t* src, int sstep, uint16_t* dst, int tstep, int w, int h,
             const Pixel& pixel)
{
    MP_MT_ForBands(h, MP_KernelWorkers(p, w, h), [&](const TaskFuncParams& t) {
        for (size_t i = size_t(t.iRowBegin) * w; i < size_t(t.iRowEnd) * w; ++i)
        {
            const float c0[3] = {src[i * sstep] * MP_DECODE, src[i * sstep + 1] * MP_DECODE,
                                 src[i * sstep + 2] * MP_DECODE};
            float ce[3];
            pixel(i, c0, ce);
            for (int c = 0; c < 3; ++c)
                dst[i * tstep + c] = MP_RoundLevel(ce[c]);
        }
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelKirlian — sets: 0 corona radius (× 25 pixels at full size), 1 intensity,
// 2 corona colour, 3 combo, 4 geometry. Luminance edges glow in the colour, as the discharge
// around objects on a Kirlian photograph; the rest of the picture is dimmed a little.
constexpr SSetLayout kKirlianSets{-1, eCR_NONE, 3, 4};

bool KirlianHasEffect(const Params& p)
{
    return p.p[1][0] > 0.001f;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelSoftKirlian — sets: 0 radius (× 25 pixels at full size), 1 strength, 2 combo,
// 3 geometry. Bright areas spill softly over their darker surroundings (the lighter of picture
// and blur) while the whole picture softens a little.
constexpr SSetLayout kSoftKirlianSets{-1, eCR_NONE, 2, 3};

int KirlianReach(const Params& p)
{
    return MP_ScaledRadius(p.p[0][0], 25.0f, p.previewscalingfactor);
}

bool SoftKirlianHasEffect(const Params& p)
{
    return KirlianReach(p) >= 1 && p.p[1][0] > 0.001f;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelNeonLight — sets: 0 glow radius (× 50 pixels at full size), 1 intensity,
// 2 darkening of the background, 3 combo, 4 geometry. The edges of each channel light up in
// their own colour like neon tubes in front of a darkened picture.
constexpr SSetLayout kNeonSets{-1, eCR_NONE, 3, 4};

bool NeonHasEffect(const Params& p)
{
    return p.p[1][0] > 0.001f || p.p[2][0] > 0.001f;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelImageBloom — sets: 0 radius (× 500 pixels at full size), 1 threshold (luminance
// from which areas glow), 2 strength, 3 combo, 4 geometry. The bright areas, blurred, are
// screened over the picture.
constexpr SSetLayout kBloomSets{-1, eCR_NONE, 3, 4};

int BloomReach(const Params& p)
{
    return MP_ScaledRadius(p.p[0][0], 500.0f, p.previewscalingfactor);
}

bool BloomHasEffect(const Params& p)
{
    return BloomReach(p) >= 1 && p.p[2][0] > 0.001f && p.p[1][0] < 0.999f;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelSoftRGBContrast — sets: 0 radius (× 100 pixels at full size), 1 intensity,
// 2 combo, 3 geometry. Each channel's blur, squared, is screened over it: saturated bright
// areas glow in their own colour and colours grow more intense.
constexpr SSetLayout kIntenseSets{-1, eCR_NONE, 2, 3};

int IntenseReach(const Params& p)
{
    return MP_ScaledRadius(p.p[0][0], 100.0f, p.previewscalingfactor);
}

bool IntenseHasEffect(const Params& p)
{
    return IntenseReach(p) >= 1 && p.p[1][0] > 0.001f;
}
}  // namespace

int MP_calcPixelKirlian(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const CStableSource in(w, h, src, ss, dst);
    const std::vector<int32_t> edges = Smooth::EdgeStrength(*p, in.Data(), w, h, 1);
    std::vector<int32_t> glow = edges;
    MP_GaussBlurFixed(*p, glow, w, h, 1, KirlianReach(*p), KirlianReach(*p));
    const float intensity = MP_Clamp01(p->p[1][0]);
    const float colour[3] = {MP_Clamp01(p->p[2][2]), MP_Clamp01(p->p[2][3]), MP_Clamp01(p->p[2][4])};
    Compose(*p, in.Data(), 3, dst, ts / 2, w, h, [&](size_t i, const float* c0, float* ce) {
        // A blurred line is fainter than the line: four times its blur keeps the corona visible.
        const float corona = MP_Clamp01((MP_FixedToFloat(edges[i]) + 4.0f * MP_FixedToFloat(glow[i])) * intensity * 1.5f);
        for (int c = 0; c < 3; ++c)
            ce[c] = Screen(c0[c] * (1.0f - 0.4f * intensity), colour[c] * corona);
    });
    return MP_SUCCESS;
}

int MP_calcPixelSoftKirlian(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const CStableSource in(w, h, src, ss, dst);
    std::vector<int32_t> blur = MP_ToFixedPlane(in.Data(), w, h);
    MP_GaussBlurFixed(*p, blur, w, h, 3, KirlianReach(*p), KirlianReach(*p));
    const float strength = MP_Clamp01(p->p[1][0]);
    Compose(*p, in.Data(), 3, dst, ts / 2, w, h, [&](size_t i, const float* c0, float* ce) {
        for (int c = 0; c < 3; ++c)
        {
            const float b = MP_FixedToFloat(blur[3 * i + c]);
            ce[c] = c0[c] + (std::fmax(c0[c], b) - c0[c]) * strength + (b - c0[c]) * 0.3f * strength;
        }
    });
    return MP_SUCCESS;
}

int MP_calcPixelNeonLight(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const CStableSource in(w, h, src, ss, dst);
    const std::vector<int32_t> edges = Smooth::EdgeStrength(*p, in.Data(), w, h, 3);
    std::vector<int32_t> glow = edges;
    const int reach = MP_ScaledRadius(p->p[0][0], 50.0f, p->previewscalingfactor);
    MP_GaussBlurFixed(*p, glow, w, h, 3, reach, reach);
    const float intensity = MP_Clamp01(p->p[1][0]), keep = 1.0f - MP_Clamp01(p->p[2][0]);
    Compose(*p, in.Data(), 3, dst, ts / 2, w, h, [&](size_t i, const float* c0, float* ce) {
        for (int c = 0; c < 3; ++c)
        {
            const float tube = MP_FixedToFloat(edges[3 * i + c]) * 2.0f + MP_FixedToFloat(glow[3 * i + c]) * 6.0f;
            ce[c] = Screen(c0[c] * keep, tube * intensity);
        }
    });
    return MP_SUCCESS;
}

int MP_calcPixelImageBloom(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const CStableSource in(w, h, src, ss, dst);
    const uint16_t* img = in.Data();
    const float threshold = MP_Clamp01(p->p[1][0]);
    const SLevelTable* share = MP_LevelTable(*p, eLT_GLOW, {threshold}, [threshold](int i) {
        return Smooth::Smoothstep(threshold, 1.0f, float(i) * MP_DECODE);
    });
    std::vector<int32_t> bright(size_t(w) * h * 3);
    for (size_t i = 0; i < size_t(w) * h; ++i)
    {
        const float L = p->lumr * img[3 * i] + p->lumg * img[3 * i + 1] + p->lumb * img[3 * i + 2];
        const float s = share->af[std::clamp(int(L), 0, 65535)];
        for (int c = 0; c < 3; ++c)
            bright[3 * i + c] = int32_t(float(MP_ToFixed(img[3 * i + c])) * s);
    }
    MP_GaussBlurFixed(*p, bright, w, h, 3, BloomReach(*p), BloomReach(*p));
    const float strength = MP_Clamp01(p->p[2][0]) * 2.0f;
    Compose(*p, img, 3, dst, ts / 2, w, h, [&](size_t i, const float* c0, float* ce) {
        for (int c = 0; c < 3; ++c)
            ce[c] = Screen(c0[c], MP_FixedToFloat(bright[3 * i + c]) * strength);
    });
    return MP_SUCCESS;
}

int MP_calcPixelSoftRGBContrast(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const CStableSource in(w, h, src, ss, dst);
    std::vector<int32_t> blur = MP_ToFixedPlane(in.Data(), w, h);
    MP_GaussBlurFixed(*p, blur, w, h, 3, IntenseReach(*p), IntenseReach(*p));
    const float intensity = MP_Clamp01(p->p[1][0]) * 2.0f;
    Compose(*p, in.Data(), 3, dst, ts / 2, w, h, [&](size_t i, const float* c0, float* ce) {
        for (int c = 0; c < 3; ++c)
        {
            const float b = MP_FixedToFloat(blur[3 * i + c]);
            ce[c] = Screen(c0[c], b * b * intensity);
        }
    });
    return MP_SUCCESS;
}

namespace
{
constexpr uint32_t kWholeCpu = eKF_CPU_ONLY | eKF_WHOLE_IMAGE;
const SKernelEntry kSmoothGlowKernels[] = {
    // name + function                       border                          flags         reads           CL       effect test           sets
    {MP_KERNEL(MP_calcPixelKirlian),         SBorder::Scaled(25),            kWholeCpu,    eIN_NEIGHBOURS, nullptr, KirlianHasEffect,     kKirlianSets},
    {MP_KERNEL(MP_calcPixelSoftKirlian),     SBorder::Scaled(25),            kWholeCpu,    eIN_NEIGHBOURS, nullptr, SoftKirlianHasEffect, kSoftKirlianSets},
    {MP_KERNEL(MP_calcPixelNeonLight),       SBorder::Rows(0),               eKF_CPU_ONLY, eIN_NEIGHBOURS, nullptr, NeonHasEffect,        kNeonSets},
    {MP_KERNEL(MP_calcPixelImageBloom),      SBorder::FromP00(500, 1, true), eKF_CPU_ONLY, eIN_NEIGHBOURS, nullptr, BloomHasEffect,       kBloomSets},
    {MP_KERNEL(MP_calcPixelSoftRGBContrast), SBorder::Rows(0),               eKF_CPU_ONLY, eIN_NEIGHBOURS, nullptr, IntenseHasEffect,     kIntenseSets},
};
}  // namespace

std::span<const SKernelEntry> SmoothGlowKernels()
{
    return kSmoothGlowKernels;
}
