// Local tone operators of the exposure family whose radius is their first slider and whose stripe
// border follows it: local contrast through a halo guard, fog reduction, veiling glare, local
// contour, black and white with local contrast, and the light tuner. Each blurs a plane of the
// picture (BlurPlane: exact running sums, cost independent of the radius, radius scaled with the
// preview), then maps every pixel from its own colour and the blurred plane.
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
constexpr float kRadiusAtFullSize = 500.0f; // px of the full picture at slider position 1

// ---------------------------------------------------------------------------------------------
// MP_calcPixelMaskLocalContrast — sets: 0 radius (0…500 px), 1 contrast (−100…100 %), 2 halo
// guard, 3 masking curve, 4 combo, 5 geometry. Local contrast of luminance: the detail
// d = L − blur(L) is scaled by 1 + k, but through the mask 1 ÷ (1 + (d ÷ t)²), which lets the
// fine structure through and holds back the big steps at edges where halos would form
// (t = 0.02 for a full guard … 0.32 for none). Colours keep hue and saturation.
constexpr SSetLayout kMaskLocalContrastSets{3, eCR_MASK, 4, 5};

bool MaskLocalContrastHasEffect(const Params& p)
{
    return Radius(p, p.p[0][0], kRadiusAtFullSize) >= 1 && Differs(p.p[1][0], 0.5f);
}
}  // namespace

int MP_calcPixelMaskLocalContrast(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const std::vector<uint16_t> plane = BlurredLuminance(*p, src, ss / 2, w, h, Radius(*p, p->p[0][0], kRadiusAtFullSize));
    const SGuardedDetailOp op{{plane.data(), w}, Bipolar(p->p[1][0]),
                              1.0f / (0.02f + 0.3f * (1.0f - MP_Clamp01(p->p[2][0]))), {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kMaskLocalContrastSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelReduceFog — sets: 0 radius (0…500 px), 1 strength, 2 masking curve, 3 combo,
// 4 geometry. Fog is a bright veil laid over the scene, I = J·t + (1 − t). Its thickness is read
// from the darkest channel, blurred over the radius (a clear scene has a dark channel near 0
// almost everywhere) and limited to the pixel's own darkest channel; with v = 0.95 × strength ×
// that veil the scene comes back as J = (I − v) ÷ (1 − v).
constexpr SSetLayout kReduceFogSets{2, eCR_MASK, 3, 4};

bool ReduceFogHasEffect(const Params& p)
{
    return p.p[1][0] >= 0.001f;
}

struct SReduceFogOp
{
    SPlane veil;
    float fStrength;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float dark = Min(c0[0], Min(c0[1], c0[2]));
        const float v = fStrength * Min(dark, veil.At(x, y));
        const float k = 1.0f / (1.0f - v);
        for (int c = 0; c < 3; ++c)
            ce[c] = (c0[c] - v) * k;
    }
};
}  // namespace

int MP_calcPixelReduceFog(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const int step = ss / 2;
    std::vector<uint16_t> plane(size_t(w) * h);
    for (size_t i = 0; i < plane.size(); ++i)
        plane[i] = std::min(src[i * step], std::min(src[i * step + 1], src[i * step + 2]));
    BlurPlane(*p, plane, w, h, Radius(*p, p->p[0][0], kRadiusAtFullSize));
    const SReduceFogOp op{{plane.data(), w}, 0.95f * MP_Clamp01(p->p[1][0])};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kReduceFogSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelVeilingGlare — sets: 0 radius (0…500 px), 1 strength, 2 masking curve, 3 combo,
// 4 geometry. Light scattered in the lens: a share of 0.6 × strength of every channel is spread
// over the radius (c' = c + (blur(c) − c) × share), so bright areas veil their surroundings in
// their own colour and the blacks lift next to them; the light is moved, not added.
constexpr SSetLayout kVeilingGlareSets{2, eCR_MASK, 3, 4};

bool VeilingGlareHasEffect(const Params& p)
{
    return Radius(p, p.p[0][0], kRadiusAtFullSize) >= 1 && p.p[1][0] >= 0.001f;
}

struct SVeilingGlareOp
{
    SPlane glare[3];
    float fShare;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        for (int c = 0; c < 3; ++c)
            ce[c] = c0[c] + (glare[c].At(x, y) - c0[c]) * fShare;
    }
};
}  // namespace

int MP_calcPixelVeilingGlare(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const int radius = Radius(*p, p->p[0][0], kRadiusAtFullSize);
    std::vector<uint16_t> planes[3];
    for (int c = 0; c < 3; ++c)
    {
        planes[c] = ChannelPlane(*p, src, ss / 2, w, h, c);
        BlurPlane(*p, planes[c], w, h, radius);
    }
    const SVeilingGlareOp op{{{planes[0].data(), w}, {planes[1].data(), w}, {planes[2].data(), w}},
                             0.6f * MP_Clamp01(p->p[1][0])};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kVeilingGlareSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelLocalContour — sets: 0 radius (0…500 px), 1 strength (0…200 %), 2 noise threshold,
// 3 masking curve, 4 combo, 5 geometry. Contours of luminance are drawn out: the detail
// d = L − blur(L), cored by the threshold (up to 5 % of the range, so grain and noise stay as
// they are), is added again × strength. Colours keep hue and saturation.
constexpr SSetLayout kLocalContourSets{3, eCR_MASK, 4, 5};

bool LocalContourHasEffect(const Params& p)
{
    return Radius(p, p.p[0][0], kRadiusAtFullSize) >= 1 && p.p[1][0] >= 0.001f;
}

struct SCoredDetailOp
{
    SPlane blurred;
    float fAmount, fThreshold, afLum[3];
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float L = Luminance(c0, afLum);
        const float d = L - blurred.At(x, y);
        const float cored = std::copysign(Max(std::fabs(d) - fThreshold, 0.0f), d);
        SetLuminance(c0, L, L + cored * fAmount, ce);
    }
};
}  // namespace

int MP_calcPixelLocalContour(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const std::vector<uint16_t> plane = BlurredLuminance(*p, src, ss / 2, w, h, Radius(*p, p->p[0][0], kRadiusAtFullSize));
    const SCoredDetailOp op{{plane.data(), w}, 2.0f * MP_Clamp01(p->p[1][0]), 0.05f * MP_Clamp01(p->p[2][0]),
                            {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kLocalContourSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelBlackWhite — sets: 0 radius (0…500 px), 1 local contrast, 2 red filter, 3 green
// filter, 4 blue filter (−100…100 % each), 5 combo, 6 geometry. Black and white through colour
// filters: each channel's luminance weight is multiplied by 2^(2 k) of its filter and the weights
// normalised (a red filter darkens a blue sky); then the grey's local contrast is raised by
// (grey − blur(grey)) × strength, as a print made with a touch of dodging.
constexpr SSetLayout kBlackWhiteSets{-1, eCR_NONE, 5, 6};

struct SBlackWhiteOp
{
    SPlane blurred;
    float fAmount, afWeight[3];
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float grey = Luminance(c0, afWeight);
        ce[0] = ce[1] = ce[2] = grey + (grey - blurred.At(x, y)) * fAmount;
    }
};
}  // namespace

int MP_calcPixelBlackWhite(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    SBlackWhiteOp op{{nullptr, w}, MP_Clamp01(p->p[1][0]), {}};
    const float lum[3] = {p->lumr, p->lumg, p->lumb};
    float sum = 0.0f;
    for (int c = 0; c < 3; ++c)
        sum += op.afWeight[c] = std::fmax(lum[c], 0.0f) * std::exp2(2.0f * Bipolar(p->p[2 + c][0]));
    for (int c = 0; c < 3; ++c)
        op.afWeight[c] = sum > 0.0f ? op.afWeight[c] / sum : 1.0f / 3.0f;
    const int step = ss / 2;
    std::vector<uint16_t> plane(size_t(w) * h);
    for (size_t i = 0; i < plane.size(); ++i)
    {
        const uint16_t* px = src + i * step;
        plane[i] = MP_RoundSample(op.afWeight[0] * px[0] + op.afWeight[1] * px[1] + op.afWeight[2] * px[2]);
    }
    BlurPlane(*p, plane, w, h, Radius(*p, p->p[0][0], kRadiusAtFullSize));
    op.blurred.pData = plane.data();
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kBlackWhiteSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelLightTuner — sets: 0 radius (0…50 px), 1 strength, 2 masking curve, 3 combo,
// 4 geometry. Evens the light out locally: each pixel is lit by the gain B^(−0.4 × strength) of
// its surroundings' luminance B (blurred over the radius, gain at most 8), which lifts dark
// surroundings much more than bright ones and keeps the detail within them. The chain then sets
// the black and white points again (the entry's calcBW flag).
constexpr SSetLayout kLightTunerSets{2, eCR_MASK, 3, 4};

bool LightTunerHasEffect(const Params& p)
{
    return p.p[1][0] >= 0.001f;
}
}  // namespace

int MP_calcPixelLightTuner(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const std::vector<uint16_t> plane = BlurredLuminance(*p, src, ss / 2, w, h, Radius(*p, p->p[0][0], 50.0f));
    const float exponent = -0.4f * MP_Clamp01(p->p[1][0]);
    const SLevelTable* gain = MP_LevelTable(*p, eXT_LOCAL_GAIN, {exponent}, [exponent](int i) {
        return i > 0 ? std::fmin(std::pow(float(i) * MP_DECODE, exponent), 8.0f) : 8.0f;
    });
    const SLocalGainOp op{plane.data(), gain->af, w, {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kLightTunerSets, *p), op);
}

namespace
{
const SKernelEntry kLocalKernels[] = {
    // name + function                          border                          flags                     reads           CL       effect test                  sets
    {MP_KERNEL(MP_calcPixelMaskLocalContrast),  SBorder::FromP00(500, 1, true), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, MaskLocalContrastHasEffect,  kMaskLocalContrastSets},
    {MP_KERNEL(MP_calcPixelReduceFog),          SBorder::FromP00(500, 1, true), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, ReduceFogHasEffect,          kReduceFogSets},
    {MP_KERNEL(MP_calcPixelVeilingGlare),       SBorder::FromP00(500, 1, true), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, VeilingGlareHasEffect,       kVeilingGlareSets},
    {MP_KERNEL(MP_calcPixelLocalContour),       SBorder::FromP00(500, 1, true), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, LocalContourHasEffect,       kLocalContourSets},
    {MP_KERNEL(MP_calcPixelBlackWhite),         SBorder::FromP00(500, 1, true), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, nullptr,                     kBlackWhiteSets},
    {MP_KERNEL(MP_calcPixelLightTuner),         SBorder::FromP00(50, 1, true),  eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, LightTunerHasEffect,         kLightTunerSets},
};
}  // namespace

std::span<const SKernelEntry> ExposureLocalKernels()
{
    return kLocalKernels;
}
