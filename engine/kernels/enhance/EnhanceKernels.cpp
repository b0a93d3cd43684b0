// Enhance operators: sharpening and noise reduction over small neighbourhoods, and the
// luminance artefact reduction of the video export.
#include "engine/PointKernel.h"
#include "engine/kernels/Neighbourhood.h"

#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelSharpen — sets: 0 amount, 1 masking curve, 2 combo, 3 geometry. An unsharp mask
// over the 3 × 3 neighbourhood; the blur's σ follows the preview scaling factor, so a preview
// is sharpened as much as the full-size picture will look.
constexpr SSetLayout kSharpenSets{1, eCR_MASK, 2, 3};

bool SharpenHasEffect(const Params& p)
{
    return p.p[0][0] > 0.001f;
}
}  // namespace

int MP_calcPixelSharpen(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float amount = MP_Clamp01(p->p[0][0]) * 4.0f;
    const float scale = p->previewscalingfactor > 0.0f && p->previewscalingfactor <= 1.0f ? p->previewscalingfactor : 1.0f;
    const float sigma = std::max(0.6f * scale, 0.3f);
    const float w1 = std::exp(-1.0f / (2.0f * sigma * sigma));
    const float w2 = std::exp(-2.0f / (2.0f * sigma * sigma));
    const float norm = 1.0f / (1.0f + 4.0f * w1 + 4.0f * w2);
    const CStableSource in(w, h, src, ss, dst);
    const uint16_t* img = in.Data();
    const int step = ts / 2;
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
        {
            const int ym = std::max(y - 1, 0), yp = std::min(y + 1, h - 1);
            for (int x = 0; x < w; ++x)
            {
                const int xm = std::max(x - 1, 0), xp = std::min(x + 1, w - 1);
                for (int c = 0; c < 3; ++c)
                {
                    auto at = [&](int yy, int xx) { return float(img[(size_t(yy) * w + xx) * 3 + c]); };
                    const float centre = at(y, x);
                    const float edges = at(ym, x) + at(yp, x) + at(y, xm) + at(y, xp);
                    const float corners = at(ym, xm) + at(ym, xp) + at(yp, xm) + at(yp, xp);
                    const float blur = (centre + w1 * edges + w2 * corners) * norm;
                    dst[(size_t(y) * w + x) * step + c] = MP_RoundSample(centre + (centre - blur) * amount);
                }
            }
        }
    });
    return MP_SUCCESS;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDeNoiseAverage — sets: 0 strength, 1 masking curve, 2 combo, 3 geometry. An
// edge-preserving average over 5 × 5 pixels: neighbours count by how close their value is, up to
// a difference of strength × 20 % of the range, so noise is averaged away and edges stay.
namespace
{
constexpr SSetLayout kDeNoiseSets{1, eCR_MASK, 2, 3};

bool DeNoiseHasEffect(const Params& p)
{
    return p.p[0][0] > 0.001f;
}
}  // namespace

int MP_calcPixelDeNoiseAverage(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float threshold = std::max(MP_Clamp01(p->p[0][0]) * 0.2f * 65535.0f, 1.0f);
    const float inverse = 1.0f / threshold;
    const CStableSource in(w, h, src, ss, dst);
    const uint16_t* img = in.Data();
    const int step = ts / 2;
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            for (int x = 0; x < w; ++x)
                for (int c = 0; c < 3; ++c)
                {
                    const float centre = img[(size_t(y) * w + x) * 3 + c];
                    float sum = 0.0f, weights = 0.0f;
                    for (int yy = std::max(y - 2, 0); yy <= std::min(y + 2, h - 1); ++yy)
                        for (int xx = std::max(x - 2, 0); xx <= std::min(x + 2, w - 1); ++xx)
                        {
                            const float v = img[(size_t(yy) * w + xx) * 3 + c];
                            const float weight = 1.0f - std::fabs(v - centre) * inverse;
                            if (weight > 0.0f)
                                sum += v * weight, weights += weight;
                        }
                    dst[(size_t(y) * w + x) * step + c] = MP_RoundSample(sum / weights);
                }
    });
    return MP_SUCCESS;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelMaskDeNoiseArtifactsLumHD — sets: 0 threshold (which luminance steps count as
// artefacts), 1 strength of the luminance smoothing, 2 chroma smoothing, 3 radius (× 16 pixels
// at full size), 4 masking curve, 5 combo, 6 geometry. Block edges and ringing of compressed
// video are small luminance steps in otherwise flat areas: a separable range-limited average of
// the luminance flattens them, real edges (steps above the threshold) are kept.
namespace
{
constexpr SSetLayout kArtifactsSets{4, eCR_MASK, 5, 6};

bool ArtifactsHasEffect(const Params& p)
{
    return (p.p[0][0] > 0.001f && p.p[1][0] > 0.001f) || p.p[2][0] > 0.001f;
}

void RangeAverage(const Params* p, const float* in, float* out, int w, int h, int r, float threshold, bool horizontal)
{
    const float inverse = 1.0f / threshold;
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            for (int x = 0; x < w; ++x)
            {
                const float centre = in[size_t(y) * w + x];
                float sum = 0.0f, weights = 0.0f;
                for (int k = -r; k <= r; ++k)
                {
                    const int xx = horizontal ? std::clamp(x + k, 0, w - 1) : x;
                    const int yy = horizontal ? y : std::clamp(y + k, 0, h - 1);
                    const float v = in[size_t(yy) * w + xx];
                    const float weight = 1.0f - std::fabs(v - centre) * inverse;
                    if (weight > 0.0f)
                        sum += v * weight, weights += weight;
                }
                out[size_t(y) * w + x] = sum / weights;
            }
    });
}
}  // namespace

int MP_calcPixelMaskDeNoiseArtifactsLumHD(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float threshold = std::max(MP_Clamp01(p->p[0][0]) * 0.25f, 1.0e-4f);
    const float strength = MP_Clamp01(p->p[1][0]);
    const float chroma = MP_Clamp01(p->p[2][0]);
    const int radius = std::max(1, MP_ScaledRadius(p->p[3][0], 16.0f, p->previewscalingfactor));
    const CStableSource in(w, h, src, ss, dst);
    const uint16_t* img = in.Data();
    const size_t n = size_t(w) * h;
    const float lum[3] = {p->lumr, p->lumg, p->lumb};
    std::vector<float> L(n), tmp(n), Ls(n);
    for (size_t i = 0; i < n; ++i)
        L[i] = (lum[0] * img[3 * i] + lum[1] * img[3 * i + 1] + lum[2] * img[3 * i + 2]) * MP_DECODE;
    RangeAverage(p, L.data(), tmp.data(), w, h, radius, threshold, true);
    RangeAverage(p, tmp.data(), Ls.data(), w, h, radius, threshold, false);
    // Chroma (colour minus luminance) smoothed over 3 × 3.
    std::vector<float> planes = MP_ToPlanes(img, w, h);
    if (chroma > 0.0f)
        for (int c = 0; c < 3; ++c)
        {
            std::vector<float> plane(n);
            for (size_t i = 0; i < n; ++i)
                plane[i] = planes[c * n + i] - L[i];
            std::vector<float> blurred(n);
            MP_BoxBlurPass(*p, plane.data(), tmp.data(), w, h, 1, true);
            MP_BoxBlurPass(*p, tmp.data(), blurred.data(), w, h, 1, false);
            for (size_t i = 0; i < n; ++i)
                planes[c * n + i] = L[i] + plane[i] + (blurred[i] - plane[i]) * chroma;
        }
    const int step = ts / 2;
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            for (int x = 0; x < w; ++x)
            {
                const size_t i = size_t(y) * w + x;
                const float shift = (Ls[i] - L[i]) * strength;
                for (int c = 0; c < 3; ++c)
                    dst[i * step + c] = MP_RoundLevel(planes[c * n + i] + shift);
            }
    });
    return MP_SUCCESS;
}

namespace
{
const SKernelEntry kEnhanceKernels[] = {
    // name + function                                 border             flags             reads           CL       effect test         sets
    {MP_KERNEL(MP_calcPixelSharpen),                   SBorder::Rows(1),  eKF_SPEED_TESTED, eIN_NEIGHBOURS, nullptr, SharpenHasEffect,   kSharpenSets},
    {MP_KERNEL(MP_calcPixelDeNoiseAverage),            SBorder::Rows(2),  eKF_CPU_ONLY,     eIN_NEIGHBOURS, nullptr, DeNoiseHasEffect,   kDeNoiseSets},
    {MP_KERNEL(MP_calcPixelMaskDeNoiseArtifactsLumHD), SBorder::Rows(80), eKF_CPU_ONLY,     eIN_NEIGHBOURS, nullptr, ArtifactsHasEffect, kArtifactsSets},
};
}  // namespace

// The family's other files, one line each.
std::span<const SKernelEntry> DenoiseHDKernels();
std::span<const SKernelEntry> LocalDenoiseKernels();
std::span<const SKernelEntry> SharpenKernels();
std::span<const SKernelEntry> DeconvolveKernels();
std::span<const SKernelEntry> ShapeKernels();

std::span<const SKernelEntry> EnhanceKernels()
{
    static const std::vector<SKernelEntry> rows = [] {
        std::vector<SKernelEntry> all(std::begin(kEnhanceKernels), std::end(kEnhanceKernels));
        for (const auto& file : {DenoiseHDKernels(), LocalDenoiseKernels(), SharpenKernels(), DeconvolveKernels(), ShapeKernels()})
            all.insert(all.end(), file.begin(), file.end());
        return all;
    }();
    return rows;
}
