// Tone operators of the exposure family that work on each pixel alone: curves over luminance
// that keep hue and saturation, a highlight shoulder, white correction, levels, greyscale and
// bleach bypass, and the two light tools that also depend on where the pixel is.
#include "engine/LevelTables.h"
#include "engine/Spline.h"
#include "engine/kernels/exposure/ExposureShared.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <span>

using namespace Exposure;

namespace
{
/// Runs the luminance curve L → fill(L), tabulated over 65536 levels under `kind` and `key`.
template <class Fill>
int RunLuminanceCurve(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p,
                      const SSetLayout& sets, uint32_t kind, std::initializer_list<float> key, const Fill& fill)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SLevelTable* table = MP_LevelTable(*p, kind, key, [&fill](int i) { return fill(float(i) / 65535.0f); });
    const SLuminanceCurveOp op{table->af, {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(sets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelLuminanceContrast — sets: 0 contrast (−100…100 %, 0.5 unchanged), 1 pivot (the
// luminance that stays put), 2 masking curve, 3 combo, 4 geometry. Luminance moves away from the
// pivot by the factor 2^(1.5 k) (towards it for k < 0); colours keep hue and saturation.
constexpr SSetLayout kLuminanceContrastSets{2, eCR_MASK, 3, 4};

bool LuminanceContrastHasEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.5f);
}
}  // namespace

int MP_calcPixelLuminanceContrast(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (!p)
        return MP_ZEROPOINTER;
    const float factor = std::exp2(1.5f * Bipolar(p->p[0][0])), pivot = MP_Clamp01(p->p[1][0]);
    return RunLuminanceCurve(w, h, src, dst, ss, ts, p, kLuminanceContrastSets, eXT_LUMINANCE_CONTRAST, {factor, pivot},
                             [=](float L) { return pivot + (L - pivot) * factor; });
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelSoftContrast — sets: 0 strength (−100…100 %, 0.5 unchanged), 1 centre, 2 masking
// curve, 3 combo, 4 geometry. A logistic S curve of slope 8 around the centre, scaled to run from
// (0, 0) to (1, 1): shadows and highlights roll off instead of clipping. Negative strengths use
// the inverse curve and flatten the tones.
constexpr SSetLayout kSoftContrastSets{2, eCR_MASK, 3, 4};

bool SoftContrastHasEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.5f);
}
}  // namespace

int MP_calcPixelSoftContrast(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (!p)
        return MP_ZEROPOINTER;
    const float k = Bipolar(p->p[0][0]), centre = MP_Clamp01(p->p[1][0]);
    const float g0 = 1.0f / (1.0f + std::exp(8.0f * centre)), g1 = 1.0f / (1.0f + std::exp(-8.0f * (1.0f - centre)));
    return RunLuminanceCurve(w, h, src, dst, ss, ts, p, kSoftContrastSets, eXT_SOFT_CONTRAST, {k, centre}, [=](float L) {
        if (k >= 0.0f)
        {
            const float s = (1.0f / (1.0f + std::exp(-8.0f * (L - centre))) - g0) / (g1 - g0);
            return L + (s - L) * k;
        }
        const float inverse = centre - std::log(1.0f / (g0 + L * (g1 - g0)) - 1.0f) / 8.0f;
        return L + (inverse - L) * -k;
    });
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelHighlightProtect — sets: 0 strength (0…100 %), 1 knee (50…100 %), 2 combo,
// 3 geometry. Above the knee the brightest channel V follows the shoulder y = x − s x² ÷ 2 (x and
// y relative to knee…1): highlights are compressed smoothly and white comes down to
// knee + (1 − knee)(1 − s ÷ 2). The pixel is scaled with V, so a saturated colour keeps its hue
// instead of clipping one channel.
constexpr SSetLayout kHighlightProtectSets{-1, eCR_NONE, 2, 3};

bool HighlightProtectHasEffect(const Params& p)
{
    return p.p[0][0] >= 0.001f;
}

struct SMaxChannelGainOp
{
    const float* gain; // over the brightest channel
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        const float g = gain[LevelIndex(Max(c0[0], Max(c0[1], c0[2])))];
        ce[0] = c0[0] * g, ce[1] = c0[1] * g, ce[2] = c0[2] * g;
    }
};
}  // namespace

int MP_calcPixelHighlightProtect(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float s = MP_Clamp01(p->p[0][0]), knee = 0.5f + 0.5f * MP_Clamp01(p->p[1][0]);
    const SLevelTable* table = MP_LevelTable(*p, eXT_HIGHLIGHT_SHOULDER, {s, knee}, [=](int i) {
        const float v = float(i) / 65535.0f;
        if (v <= knee || knee >= 1.0f)
            return 1.0f;
        const float x = (v - knee) / (1.0f - knee);
        return (knee + (x - 0.5f * s * x * x) * (1.0f - knee)) / v;
    });
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kHighlightProtectSets, *p), SMaxChannelGainOp{table->af});
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelBWcorrection — sets: 0 strength (0…100 %), 1 threshold (luminance where the
// correction starts), 2 combo, 3 geometry. Whites lose their colour cast and are cleaned up
// towards white: above the threshold the pixel moves, by strength × smoothstep(threshold, 1, L),
// towards the neutral grey L + (1 − L) ÷ 2.
constexpr SSetLayout kWhiteCorrectionSets{-1, eCR_NONE, 2, 3};

bool WhiteCorrectionHasEffect(const Params& p)
{
    return p.p[0][0] >= 0.001f;
}

struct SWhiteCorrectionOp
{
    float fStrength, fThreshold, afLum[3];
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        const float L = Luminance(c0, afLum);
        const float weight = fStrength * Smoothstep(fThreshold, 1.0f, L);
        const float target = L + (1.0f - L) * 0.5f;
        for (int c = 0; c < 3; ++c)
            ce[c] = c0[c] + (target - c0[c]) * weight;
    }
};
}  // namespace

int MP_calcPixelBWcorrection(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SWhiteCorrectionOp op{MP_Clamp01(p->p[0][0]), MP_Clamp01(p->p[1][0]), {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kWhiteCorrectionSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelLightShadow — sets: 0 lights (−100…100 %), 1 shadows (−100…100 %), 2 tonal width,
// 3 masking curve, 4 combo, 5 geometry. With the width wd = 0.2 … 0.8, shadows are weighted by
// ws = 1 − smoothstep(0, wd, L) and lights by wl = smoothstep(1 − wd, 1, L); shadows are exposed
// by 2^(1.5 S ws), and lights the same way from white down: 1 − (1 − L)·2^(−1.5 H wl).
constexpr SSetLayout kLightShadowSets{3, eCR_MASK, 4, 5};

bool LightShadowHasEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.5f) || Differs(p.p[1][0], 0.5f);
}
}  // namespace

int MP_calcPixelLightShadow(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (!p)
        return MP_ZEROPOINTER;
    const float lights = Bipolar(p->p[0][0]), shadows = Bipolar(p->p[1][0]);
    const float width = 0.2f + 0.6f * MP_Clamp01(p->p[2][0]);
    return RunLuminanceCurve(w, h, src, dst, ss, ts, p, kLightShadowSets, eXT_LIGHT_SHADOW, {lights, shadows, width},
                             [=](float L) {
                                 const float ws = 1.0f - Smoothstep(0.0f, width, L);
                                 const float wl = Smoothstep(1.0f - width, 1.0f, L);
                                 const float lifted = L * std::exp2(1.5f * shadows * ws);
                                 return 1.0f - (1.0f - lifted) * std::exp2(-1.5f * lights * wl);
                             });
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelLogGradationLagrange — sets: 0 tone curve, 1 combo, 2 geometry. The curve is drawn
// over logarithmic luminance, x = log2(1 + 255 L) ÷ 8, so the shadows get most of its width; the
// result is decoded back, L' = (2^(8y) − 1) ÷ 255, and applied keeping colours.
constexpr SSetLayout kLogGradationSets{0, eCR_TONE, 1, 2};

bool LogGradationHasEffect(const Params& p)
{
    return !IsIdentityCurve(p.p[0]);
}
}  // namespace

int MP_calcPixelLogGradationLagrange(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (!p)
        return MP_ZEROPOINTER;
    const float* v = p->p[0];
    float a[7], b[7], c[7], d[7], xp[7];
    MP_SplineCoefficients(v, a, b, c, d, xp);
    return RunLuminanceCurve(w, h, src, dst, ss, ts, p, kLogGradationSets, eXT_LOG_GRADATION,
                             {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]}, [&](float L) {
                                 const float x = std::log2(1.0f + 255.0f * L) / 8.0f;
                                 return (std::exp2(8.0f * MP_SplineEval(a, b, c, d, xp, x)) - 1.0f) / 255.0f;
                             });
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelAdjustLuminance — sets: 0 input black, 1 input white, 2 midtones (−100…100 %),
// 3 output black, 4 output white, 5 combo, 6 geometry. Levels on luminance: x = (L − black) ÷
// (white − black), the midtone exponent 2^(−1.5 k) (positive k brightens), then the output range;
// colours keep hue and saturation.
constexpr SSetLayout kLevelsSets{-1, eCR_NONE, 5, 6};

bool LevelsHaveEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.0f) || Differs(p.p[1][0], 1.0f) || Differs(p.p[2][0], 0.5f) ||
           Differs(p.p[3][0], 0.0f) || Differs(p.p[4][0], 1.0f);
}
}  // namespace

int MP_calcPixelAdjustLuminance(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (!p)
        return MP_ZEROPOINTER;
    const float black = MP_Clamp01(p->p[0][0]);
    const float white = std::fmax(MP_Clamp01(p->p[1][0]), black + 0.001f);
    const float exponent = std::exp2(-1.5f * Bipolar(p->p[2][0]));
    const float outBlack = MP_Clamp01(p->p[3][0]), outWhite = MP_Clamp01(p->p[4][0]);
    return RunLuminanceCurve(w, h, src, dst, ss, ts, p, kLevelsSets, eXT_LEVELS, {black, white, exponent, outBlack, outWhite},
                             [=](float L) {
                                 const float x = MP_Clamp01((L - black) / (white - black));
                                 return outBlack + std::pow(x, exponent) * (outWhite - outBlack);
                             });
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelGreyscale — sets: 0 red share, 1 green share, 2 blue share (0…100 %), 3 combo,
// 4 geometry. Grey = the channels weighted by their shares (normalised to a sum of 1; all at 0
// counts as equal shares).
constexpr SSetLayout kGreyscaleSets{-1, eCR_NONE, 3, 4};

struct SGreyOp
{
    float afWeight[3];
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        ce[0] = ce[1] = ce[2] = Luminance(c0, afWeight);
    }
};

/// Channel weights from three share sliders, normalised to a sum of 1.
void NormalisedShares(const float* shares, float* weights)
{
    const float sum = shares[0] + shares[1] + shares[2];
    for (int c = 0; c < 3; ++c)
        weights[c] = sum >= 0.001f ? shares[c] / sum : 1.0f / 3.0f;
}
}  // namespace

int MP_calcPixelGreyscale(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float shares[3] = {MP_Clamp01(p->p[0][0]), MP_Clamp01(p->p[1][0]), MP_Clamp01(p->p[2][0])};
    SGreyOp op{};
    NormalisedShares(shares, op.afWeight);
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kGreyscaleSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelBleachBypass — sets: 0 strength, 1 masking curve, 2 combo, 3 geometry. The look of
// skipping the bleach: the picture's own luminance laid over it (overlay: 2 c L below c = 0.5,
// 1 − 2 (1 − c)(1 − L) above), which raises contrast and drains colour; mixed in by strength.
constexpr SSetLayout kBleachBypassSets{1, eCR_MASK, 2, 3};

bool BleachBypassHasEffect(const Params& p)
{
    return p.p[0][0] >= 0.001f;
}

struct SBleachBypassOp
{
    float fStrength, afLum[3];
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        const float L = Luminance(c0, afLum);
        for (int c = 0; c < 3; ++c)
        {
            const float v = c0[c];
            const float overlay = v < 0.5f ? 2.0f * v * L : 1.0f - 2.0f * (1.0f - v) * (1.0f - L);
            ce[c] = v + (overlay - v) * fStrength;
        }
    }
};
}  // namespace

int MP_calcPixelBleachBypass(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SBleachBypassOp op{MP_Clamp01(p->p[0][0]), {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kBleachBypassSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// Position-dependent light. Both kernels see the whole picture (never striped); distances are in
// pixels of the working image, so the look does not depend on its size.

/// Pixel offset of (x, y) from the centre given as fractions of the picture size.
struct SCentre
{
    float fX, fY, fW, fH;
    SCentre(const Params& p, const float* position, int w, int h)
        : fX(MP_Clamp01(position[0])), fY(MP_Clamp01(position[1])), fW(float(p.width > 0 ? p.width : w)),
          fH(float(p.height > 0 ? p.height : h))
    {
    }
    float Dx(int x) const { return float(x) - fX * fW; }
    float Dy(int y) const { return float(y) - fY * fH; }
};

// MP_calcPixelCenterLight — sets: 0 exposure (−2…2 EV), 1 radius, 2 softness, 3 centre, 4 combo,
// 5 geometry. A spot of light: inside the radius (a fraction of the half diagonal) the luminance
// is exposed by the full EV, fading to nothing over the softness.
constexpr SSetLayout kCenterLightSets{-1, eCR_NONE, 4, 5};

bool CenterLightHasEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.5f);
}

struct SCenterLightOp
{
    SCentre centre;
    float fStops, fRadius, fSoftness, fInverseHalfDiagonal, afLum[3];
    int iYOffset;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float dx = centre.Dx(x), dy = centre.Dy(y + iYOffset);
        const float d = std::sqrt(dx * dx + dy * dy) * fInverseHalfDiagonal;
        const float weight = 1.0f - Smoothstep(fRadius, fRadius + fSoftness, d);
        const float L = Luminance(c0, afLum);
        SetLuminance(c0, L, L * std::exp2(fStops * weight), ce);
    }
};
}  // namespace

int MP_calcPixelCenterLight(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SCentre centre(*p, p->p[3], w, h);
    const SCenterLightOp op{centre, Bipolar(p->p[0][0]) * 2.0f, MP_Clamp01(p->p[1][0]),
                            std::fmax(MP_Clamp01(p->p[2][0]), 0.02f),
                            2.0f / std::fmax(std::hypot(centre.fW, centre.fH), 1.0f), {p->lumr, p->lumg, p->lumb},
                            p->y_offset};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kCenterLightSets, *p), op);
}

namespace
{
// MP_calcPixelTiltGamma — sets: 0 strength (−100…100 %), 1 angle (0…360°), 2 transition width,
// 3 centre, 4 combo, 5 geometry. A graduated filter in gamma: along the direction of the angle
// (90° points down the picture) the side before the line through the centre gets the exponent
// 2^(−1.5 k), fading out across the transition (a fraction of the longer side); positive
// strengths brighten that side, negative ones darken it (a darker sky at the default angle).
constexpr SSetLayout kTiltGammaSets{-1, eCR_NONE, 4, 5};

bool TiltGammaHasEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.5f);
}

struct STiltGammaOp
{
    SCentre centre;
    float fStrength, fCos, fSin, fHalfWidth, fInverseSide, afLum[3];
    int iYOffset;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float d = (centre.Dx(x) * fCos + centre.Dy(y + iYOffset) * fSin) * fInverseSide;
        const float weight = 1.0f - Smoothstep(-fHalfWidth, fHalfWidth, d);
        const float L = Luminance(c0, afLum);
        if (weight < 1.0e-4f || !(L > 0.0f))
        {
            ce[0] = c0[0], ce[1] = c0[1], ce[2] = c0[2];
            return;
        }
        SetLuminance(c0, L, std::pow(L, std::exp2(-1.5f * fStrength * weight)), ce);
    }
};
}  // namespace

int MP_calcPixelTiltGamma(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SCentre centre(*p, p->p[3], w, h);
    const float angle = MP_Clamp01(p->p[1][0]) * 6.2831853f;
    const STiltGammaOp op{centre, Bipolar(p->p[0][0]), std::cos(angle), std::sin(angle),
                          std::fmax(MP_Clamp01(p->p[2][0]), 0.01f) * 0.5f, 1.0f / std::fmax(std::fmax(centre.fW, centre.fH), 1.0f),
                          {p->lumr, p->lumg, p->lumb}, p->y_offset};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kTiltGammaSets, *p), op);
}

namespace
{
const SKernelEntry kToneKernels[] = {
    // name + function                             border            flags                                        reads         CL       effect test                  sets
    {MP_KERNEL(MP_calcPixelLuminanceContrast),     SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,                    eIN_COLOUR,   nullptr, LuminanceContrastHasEffect,  kLuminanceContrastSets},
    {MP_KERNEL(MP_calcPixelSoftContrast),          SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,                    eIN_COLOUR,   nullptr, SoftContrastHasEffect,       kSoftContrastSets},
    {MP_KERNEL(MP_calcPixelHighlightProtect),      SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,                    eIN_COLOUR,   nullptr, HighlightProtectHasEffect,   kHighlightProtectSets},
    {MP_KERNEL(MP_calcPixelBWcorrection),          SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,                    eIN_COLOUR,   nullptr, WhiteCorrectionHasEffect,    kWhiteCorrectionSets},
    {MP_KERNEL(MP_calcPixelLightShadow),           SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,                    eIN_COLOUR,   nullptr, LightShadowHasEffect,        kLightShadowSets},
    {MP_KERNEL(MP_calcPixelLogGradationLagrange),  SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,                    eIN_COLOUR,   nullptr, LogGradationHasEffect,       kLogGradationSets},
    {MP_KERNEL(MP_calcPixelAdjustLuminance),       SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,                    eIN_COLOUR,   nullptr, LevelsHaveEffect,            kLevelsSets},
    {MP_KERNEL(MP_calcPixelGreyscale),             SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,                    eIN_COLOUR,   nullptr, nullptr,                     kGreyscaleSets},
    {MP_KERNEL(MP_calcPixelBleachBypass),          SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,                    eIN_COLOUR,   nullptr, BleachBypassHasEffect,       kBleachBypassSets},
    {MP_KERNEL(MP_calcPixelCenterLight),           SBorder::Rows(0), eKF_CPU_ONLY | eKF_WHOLE_IMAGE | eKF_POINT,  eIN_POSITION, nullptr, CenterLightHasEffect,        kCenterLightSets},
    {MP_KERNEL(MP_calcPixelTiltGamma),             SBorder::Rows(0), eKF_CPU_ONLY | eKF_WHOLE_IMAGE | eKF_POINT,  eIN_POSITION, nullptr, TiltGammaHasEffect,          kTiltGammaSets},
};
}  // namespace

std::span<const SKernelEntry> ExposureToneKernels()
{
    return kToneKernels;
}
