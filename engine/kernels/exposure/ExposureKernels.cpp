// Exposure operators: exposure value, vignette, manual black/white point, film grain, local
// contrast, and the black/white-point measurement the chain runs before and after operators.
// The family's table joins the tables of its other files (tone curves, levels, local tone,
// soft tone, grain, structures).
#include "engine/BlackWhitePoint.h"
#include "engine/LevelTables.h"
#include "engine/PointKernel.h"
#include "engine/kernels/Neighbourhood.h"
#include "engine/kernels/exposure/ExposureShared.h"

#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace
{
using Exposure::Differs;
using Exposure::HashNoise;
using Exposure::Smoothstep;

// ---------------------------------------------------------------------------------------------
// MP_calcPixelExposureValue — sets: 0 exposure (0…1 for −4…+4 EV, 0.5 unchanged), 1 masking
// curve, 2 combo, 3 geometry. Every channel is multiplied by 2^EV, as a camera's exposure would.
constexpr SSetLayout kExposureValueSets{1, eCR_MASK, 2, 3};

float ExposureStops(const Params& p)
{
    return (MP_Clamp01(p.p[0][0]) - 0.5f) * 8.0f;
}

bool ExposureValueHasEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.5f);
}
}  // namespace

int MP_calcPixelExposureValue(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float gain = std::exp2(ExposureStops(*p));
    const SLevelTableOp op{MP_LevelTable(*p, eLT_EXPOSURE, {gain}, [gain](int i) { return float(i) * MP_DECODE * gain; })};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kExposureValueSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelVignette — sets: 0 amount (0.5 none, above darkens the edges, below lights them
// towards the colour), 1 inner radius, 2 outer radius (1 reaches the corners), 3 centre,
// 4 colour, 5 combo, 6 geometry. Radii are fractions of the half diagonal.
constexpr SSetLayout kVignetteSets{-1, eCR_NONE, 5, 6};

struct SVignetteOp
{
    float fAmount, fInner, fOuter, fCx, fCy, afColour[3];
    float fW, fH;
    int iYOffset;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float dx = (float(x) / fW - fCx) * 2.0f;
        const float dy = (float(y + iYOffset) / fH - fCy) * 2.0f;
        const float r = std::sqrt(dx * dx + dy * dy) * 0.70710678f;
        const float w = Smoothstep(fInner, fOuter, r);
        for (int c = 0; c < 3; ++c)
            ce[c] = fAmount >= 0.0f ? c0[c] * (1.0f - fAmount * w)
                                    : c0[c] + (afColour[c] - c0[c]) * (-fAmount * w);
    }
};

bool VignetteHasEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.5f);
}
}  // namespace

int MP_calcPixelVignette(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    SVignetteOp op{(MP_Clamp01(p->p[0][0]) - 0.5f) * 2.0f, MP_Clamp01(p->p[1][0]), MP_Clamp01(p->p[2][0]),
                   MP_Clamp01(p->p[3][0]), MP_Clamp01(p->p[3][1]),
                   {MP_Clamp01(p->p[4][2]), MP_Clamp01(p->p[4][3]), MP_Clamp01(p->p[4][4])},
                   float(p->width > 0 ? p->width : w), float(p->height > 0 ? p->height : h), p->y_offset};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kVignetteSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelmanualbwpoint — sets: 0 black point (0…50 %), 1 white point (50…100 %), 2 combo,
// 3 geometry. One 65536-entry table stretches lummin…lummax to the full range.
namespace
{
constexpr SSetLayout kManualBWSets{-1, eCR_NONE, 2, 3};

bool ManualBWHasEffect(const Params& p)
{
    return p.p[0][0] >= 0.001f || p.p[1][0] <= 0.999f;
}
}  // namespace

int MP_calcPixelmanualbwpoint(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    p->lummin = MP_Clamp01(p->p[0][0]) * 0.499f;
    p->lummax = MP_Clamp01(p->p[1][0]) * 0.499f + 0.501f;
    const float lo = p->lummin, k = 1.0f / (p->lummax - p->lummin);
    const SLevelTableOp op{MP_LevelTable(*p, eLT_BWPOINT, {lo, k}, [lo, k](int i) {
        return MP_Clamp01((float(i) * MP_DECODE - lo) * k);
    })};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kManualBWSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelAddGrain — sets: 0 amount, 1 grain size, 2 strength over luminance (masking
// curve), 3 combo, 4 geometry. Monochrome value noise hashed from the pixel position, so the
// grain does not depend on how the rows are split.
namespace
{
constexpr SSetLayout kGrainSets{2, eCR_MASK, 3, 4};

struct SGrainOp
{
    float fAmount;
    float fCell; // grain cell size in pixels
    int iYOffset;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float gx = float(x) / fCell, gy = float(y + iYOffset) / fCell;
        const int ix = int(std::floor(gx)), iy = int(std::floor(gy));
        const float fx = gx - float(ix), fy = gy - float(iy);
        const float n0 = HashNoise(ix, iy) + (HashNoise(ix + 1, iy) - HashNoise(ix, iy)) * fx;
        const float n1 = HashNoise(ix, iy + 1) + (HashNoise(ix + 1, iy + 1) - HashNoise(ix, iy + 1)) * fx;
        const float n = (n0 + (n1 - n0) * fy) * fAmount;
        ce[0] = c0[0] + n, ce[1] = c0[1] + n, ce[2] = c0[2] + n;
    }
};

bool GrainHasEffect(const Params& p)
{
    return p.p[0][0] >= 0.001f;
}
}  // namespace

int MP_calcPixelAddGrain(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float scale = p->previewscalingfactor > 0.0f && p->previewscalingfactor <= 1.0f ? p->previewscalingfactor : 1.0f;
    const SGrainOp op{MP_Clamp01(p->p[0][0]) * 0.3f, std::max(1.0f, (1.0f + MP_Clamp01(p->p[1][0]) * 7.0f) * scale),
                      p->y_offset};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kGrainSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelLocalContrast — sets: 0 radius (× 500 pixels at full size), 1 local contrast
// (0.5 unchanged, 0 the smoothed image, 1 doubled detail), 2 masking curve, 3 combo, 4 geometry.
// With contrast 0 it is the chain's smoothing pre-pass.
namespace
{
constexpr SSetLayout kLocalContrastSets{2, eCR_MASK, 3, 4};

bool LocalContrastHasEffect(const Params& p)
{
    return MP_ScaledRadius(p.p[0][0], 500.0f, p.previewscalingfactor) >= 1 && Differs(p.p[1][0], 0.5f);
}
}  // namespace

int MP_calcPixelLocalContrast(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const int radius = MP_ScaledRadius(p->p[0][0], 500.0f, p->previewscalingfactor);
    const float gain = MP_Clamp01(p->p[1][0]) * 2.0f;
    const CStableSource in(w, h, src, ss, dst);
    std::vector<float> blurred = MP_ToPlanes(in.Data(), w, h);
    const size_t n = size_t(w) * h;
    for (int c = 0; c < 3; ++c)
    {
        std::vector<float> plane(blurred.begin() + c * n, blurred.begin() + (c + 1) * n);
        // Box passes of a third of the radius add up to about the full radius.
        MP_GaussLikeBlur(*p, plane, w, h, std::max(1, radius / 3));
        std::copy(plane.begin(), plane.end(), blurred.begin() + c * n);
    }
    const int ts2 = ts / 2;
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            for (int x = 0; x < w; ++x)
            {
                const size_t i = size_t(y) * w + x;
                for (int c = 0; c < 3; ++c)
                {
                    const float b = blurred[c * n + i];
                    dst[i * ts2 + c] = MP_RoundLevel(b + (in.Data()[i * 3 + c] * MP_DECODE - b) * gain);
                }
            }
    });
    return MP_SUCCESS;
}

// ---------------------------------------------------------------------------------------------
int MP_MeasureBlackWhitePoint(int width, int height, const uint16_t* image, Params& params)
{
    if (!image || !params.pEngine)
        return MP_ZEROPOINTER;
    params.lummin = 0.0f;
    params.lummax = 1.0f;
    if (width < 1 || height < 1)
        return MP_NORESOLUTION;
    constexpr int kBins = 4096;
    const std::vector<uint64_t> total = Exposure::LuminanceHistogram(params, image, 3, width, height, kBins);
    const uint64_t pixels = uint64_t(width) * height;
    const uint64_t clip = pixels / 1000;
    uint64_t sum = 0;
    int lo = 0, hi = kBins - 1;
    for (; lo < kBins - 1; ++lo)
        if ((sum += total[lo]) > clip)
            break;
    sum = 0;
    for (; hi > 0; --hi)
        if ((sum += total[hi]) > clip)
            break;
    params.lummin = float(lo) / float(kBins - 1);
    params.lummax = float(hi) / float(kBins - 1);
    return MP_SUCCESS;
}

namespace
{
const SKernelEntry kExposureKernels[] = {
    // name + function                       border                          flags                                       reads           CL       effect test             sets
    {MP_KERNEL(MP_calcPixelExposureValue),   SBorder::Rows(0),               eKF_CPU_ONLY | eKF_POINT,                   eIN_COLOUR,     nullptr, ExposureValueHasEffect, kExposureValueSets},
    {MP_KERNEL(MP_calcPixelVignette),        SBorder::Rows(0),               eKF_CPU_ONLY | eKF_WHOLE_IMAGE | eKF_POINT, eIN_POSITION,   nullptr, VignetteHasEffect,      kVignetteSets},
    {MP_KERNEL(MP_calcPixelmanualbwpoint),   SBorder::Rows(0),               eKF_CPU_ONLY | eKF_POINT,                   eIN_COLOUR,     nullptr, ManualBWHasEffect,      kManualBWSets},
    {MP_KERNEL(MP_calcPixelAddGrain),        SBorder::Rows(0),               eKF_CPU_ONLY | eKF_POINT,                   eIN_POSITION,   nullptr, GrainHasEffect,         kGrainSets},
    {MP_KERNEL(MP_calcPixelLocalContrast),   SBorder::FromP00(500, 1, true), eKF_CPU_ONLY,                               eIN_NEIGHBOURS, nullptr, LocalContrastHasEffect, kLocalContrastSets},
};
}  // namespace

// The family's other files, one table each (split by kind).
std::span<const SKernelEntry> ExposureToneKernels();
std::span<const SKernelEntry> ExposureLevelKernels();
std::span<const SKernelEntry> ExposureLocalKernels();
std::span<const SKernelEntry> ExposureSoftKernels();
std::span<const SKernelEntry> ExposureGrainKernels();
std::span<const SKernelEntry> ExposureStructureKernels();

std::span<const SKernelEntry> ExposureKernels()
{
    static const std::vector<SKernelEntry> family = [] {
        std::vector<SKernelEntry> all(std::begin(kExposureKernels), std::end(kExposureKernels));
        for (const auto& part : {ExposureToneKernels(), ExposureLevelKernels(), ExposureLocalKernels(),
                                 ExposureSoftKernels(), ExposureGrainKernels(), ExposureStructureKernels()})
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }();
    return family;
}
