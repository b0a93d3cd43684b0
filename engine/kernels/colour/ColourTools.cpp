// Colour correction tools of a grading desk: three-way corrector, curves per channel (linear and
// logarithmic), hue curves, hue and saturation sliders, white balance (picked and local),
// vibrance and colour calibration.
#include "engine/kernels/colour/ColourPlanes.h"
#include "engine/kernels/colour/ColourShared.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

using namespace ColourFamily;

namespace
{
/// One composed 16-bit map per channel, built for a call (curves whose composition has more
/// parameters than a level-table key holds).
struct SComposedTables
{
    std::vector<float> af = std::vector<float>(3 * 65536);
    std::vector<uint16_t> aui = std::vector<uint16_t>(3 * 65536);

    template <class Fill>
    void Build(const Params& p, const Fill& fill)
    {
        MP_MT_ForBands(65536, MP_Engine(p).State().ThreadCount(), [&](const TaskFuncParams& t) {
            for (int c = 0; c < 3; ++c)
                for (int i = t.iRowBegin; i < t.iRowEnd; ++i)
                {
                    const float v = fill(c, i);
                    af[size_t(c) * 65536 + size_t(i)] = v;
                    aui[size_t(c) * 65536 + size_t(i)] = MP_Encode(MP_Clamp01(v));
                }
        });
    }
};

struct SComposedOp
{
    const SComposedTables* t;
    void Pixel(int, int, const uint16_t* in, float*, float* ce) const
    {
        ce[0] = t->af[in[0]], ce[1] = t->af[65536 + in[1]], ce[2] = t->af[2 * 65536 + in[2]];
    }
    void PlainRow(const uint16_t* __restrict in, uint16_t* __restrict out, int count) const
    {
        const uint16_t* __restrict r = t->aui.data();
        const uint16_t* __restrict g = r + 65536;
        const uint16_t* __restrict b = g + 65536;
        for (int i = 0; i < count; ++i)
        {
            out[3 * i] = r[in[3 * i]];
            out[3 * i + 1] = g[in[3 * i + 1]];
            out[3 * i + 2] = b[in[3 * i + 2]];
        }
    }
};

float WheelLuminance(const float* set)
{
    return Signed(set[0]);
}

/// The tint of a colour wheel: the colour minus its mean (zero for any grey, white the default).
void WheelTint(const float* set, float* d)
{
    const float r = MP_Clamp01(set[2]), g = MP_Clamp01(set[3]), b = MP_Clamp01(set[4]);
    const float m = (r + g + b) / 3.0f;
    d[0] = r - m, d[1] = g - m, d[2] = b - m;
}

bool WheelIsNeutral(const float* set)
{
    float d[3];
    WheelTint(set, d);
    return !Differs(d[0], 0.0f) && !Differs(d[1], 0.0f) && !Differs(d[2], 0.0f) && !Differs(set[0], 0.5f);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorLightShadow — sets: 0 shadows (lift), 1 midtones (gamma), 2 highlights (gain),
// each a colour wheel (colour at values 2…4, white neutral; luminance at value 0, 0.5 neutral);
// 3 combo; 4 geometry. Per channel: ((x + lift·(1 − x)) · gain)^exponent, so the lift fades out
// towards white, the gain towards black and the gamma acts most on the midtones: the three tonal
// ranges overlap smoothly.
constexpr SSetLayout kLightShadowSets{-1, eCR_NONE, 3, 4};

struct SLiftGammaGain
{
    float afLift[3], afGain[3], afExponent[3];
    explicit SLiftGammaGain(const Params& p)
    {
        float lift[3], gamma[3], gain[3];
        WheelTint(p.p[0], lift), WheelTint(p.p[1], gamma), WheelTint(p.p[2], gain);
        const float yl = WheelLuminance(p.p[0]), yg = WheelLuminance(p.p[1]), yh = WheelLuminance(p.p[2]);
        for (int c = 0; c < 3; ++c)
        {
            afLift[c] = 0.3f * lift[c] + 0.25f * yl;
            afExponent[c] = std::exp2(-(1.2f * gamma[c] + yg));
            afGain[c] = 1.0f + 0.75f * gain[c] + 0.5f * yh;
        }
    }
};

bool LightShadowHasEffect(const Params& p)
{
    return !WheelIsNeutral(p.p[0]) || !WheelIsNeutral(p.p[1]) || !WheelIsNeutral(p.p[2]);
}
}  // namespace

int MP_calcPixelColorLightShadow(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SLiftGammaGain a(*p);
    const float keys[3][3] = {{a.afLift[0], a.afGain[0], a.afExponent[0]},
                              {a.afLift[1], a.afGain[1], a.afExponent[1]},
                              {a.afLift[2], a.afGain[2], a.afExponent[2]}};
    const SChannelTables tables = ChannelTables(*p, eLT_LIFT_GAMMA_GAIN, keys, [&a](int c, float x) {
        const float v = (x + a.afLift[c] * (1.0f - x)) * a.afGain[c];
        return v > 0.0f ? std::pow(v, a.afExponent[c]) : 0.0f;
    });
    return RunChannelTables(w, h, src, dst, ss, ts, p, kLightShadowSets, tables);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorGradation — sets: 0 master curve, 1…3 red, green and blue curves (tone curves
// of the gradation operator's spline); 4 combo; 5 geometry. out_c = curve_c(master(in_c)).
// MP_calcPixelLogColorGradation — the same curves drawn over logarithmic levels (eight stops
// from black to white), so the shadows get most of the curve's width.
namespace
{
constexpr SSetLayout kColorGradationSets{-1, eCR_NONE, 4, 5};
constexpr float kLogRange = 255.0f; // 2^8 − 1: eight stops

float ToLog(float v)
{
    return std::log2(1.0f + kLogRange * MP_Clamp01(v)) / 8.0f;
}

float FromLog(float y)
{
    return (std::exp2(8.0f * MP_Clamp01(y)) - 1.0f) / kLogRange;
}

bool ColorGradationHasEffect(const Params& p)
{
    for (int s = 0; s < 4; ++s)
        if (!IsIdentityCurve(p.p[s]))
            return true;
    return false;
}

/// The four curves of the set; null where a curve is the identity (its spline is not exactly
/// the identity near the ends, so an untouched channel must not go through it).
struct SChannelCurves
{
    float a[4][7], b[4][7], c[4][7], d[4][7], xp[4][7];
    bool used[4];
    explicit SChannelCurves(const Params& p)
    {
        for (int s = 0; s < 4; ++s)
        {
            used[s] = !IsIdentityCurve(p.p[s]);
            MP_SplineCoefficients(p.p[s], a[s], b[s], c[s], d[s], xp[s]);
        }
    }
    float Eval(int s, float x) const { return used[s] ? MP_SplineEval(a[s], b[s], c[s], d[s], xp[s], x) : x; }
};

int RunChannelCurves(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p, bool logarithmic)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SChannelCurves curves(*p);
    SComposedTables tables;
    tables.Build(*p, [&](int c, int i) {
        const float x = float(i) * MP_DECODE;
        if (!logarithmic)
            return curves.Eval(1 + c, curves.Eval(0, x));
        if (!curves.used[0] && !curves.used[1 + c])
            return x;
        return FromLog(curves.Eval(1 + c, curves.Eval(0, ToLog(x))));
    });
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kColorGradationSets, *p), SComposedOp{&tables});
}
}  // namespace

int MP_calcPixelColorGradation(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunChannelCurves(w, h, src, dst, ss, ts, p, false);
}

int MP_calcPixelLogColorGradation(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunChannelCurves(w, h, src, dst, ss, ts, p, true);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelAdjustHSL — sets: 0 hue against hue, 1 saturation against hue, 2 brightness against
// hue (curves over the hue circle, 0.5 neutral); 3 combo; 4 geometry. A curve at 0 or 1 turns the
// hue by ∓90°, takes the saturation to grey or doubles it, and changes the brightness by ∓1 EV at
// full saturation (in proportion to the saturation below it). Greys stay as they are.
namespace
{
constexpr SSetLayout kAdjustHSLSets{-1, eCR_NONE, 3, 4};

bool AdjustHSLHasEffect(const Params& p)
{
    return !IsFlatCurve(p.p[0], 0.5f) || !IsFlatCurve(p.p[1], 0.5f) || !IsFlatCurve(p.p[2], 0.5f);
}

/// The three curves at 4096 steps around the circle: small enough to stay in the first-level cache
/// whatever order the hues come in.
constexpr int kHueSteps = 4096;

struct SHueCurvesOp
{
    std::array<std::array<float, kHueSteps + 1>, 3> curves; // hue turn, saturation, brightness
    explicit SHueCurvesOp(const Params& p)
    {
        for (int k = 0; k < 3; ++k)
        {
            float a[7], b[7], c[7], d[7], xp[7];
            MP_SplineCoefficients(p.p[k], a, b, c, d, xp);
            for (int i = 0; i <= kHueSteps; ++i)
                curves[size_t(k)][size_t(i)] = MP_SplineEval(a, b, c, d, xp, float(i) / float(kHueSteps));
        }
        // The brightness curve as the gain at full saturation, less one: 2^((y − 0.5) × 2) − 1.
        for (float& y : curves[2])
            y = std::exp2((y - 0.5f) * 2.0f) - 1.0f;
    }
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        Colour::SComponents hsv = Colour::RgbToHsv(c0[0], c0[1], c0[2]);
        const size_t i = size_t(MP_Clamp01(hsv.f0) * float(kHueSteps) + 0.5f);
        const float s = hsv.f1;
        hsv.f0 += (curves[0][i] - 0.5f) * 0.5f;
        hsv.f1 = std::fmin(1.0f, s * 2.0f * curves[1][i]);
        hsv.f2 *= 1.0f + curves[2][i] * s;
        Colour::HsvToRgb(hsv, ce[0], ce[1], ce[2]);
    }
};
}  // namespace

int MP_calcPixelAdjustHSL(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const auto op = std::make_unique<SHueCurvesOp>(*p);
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kAdjustHSLSets, *p), *op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelHueShift — sets: 0…5 turn of the red, yellow, green, cyan, blue and violet hues
// (−180°…180°, 0.5 none); 6 combo; 7 geometry. Hues between two centres turn by the blend of
// their turns, so a pure blue does not move with the red slider.
namespace
{
constexpr SSetLayout kHueShiftSets{-1, eCR_NONE, 6, 7};
constexpr float kSixCentres[6] = {0.0f, 1.0f / 6, 2.0f / 6, 3.0f / 6, 4.0f / 6, 5.0f / 6};

bool HueShiftHasEffect(const Params& p)
{
    for (int k = 0; k < 6; ++k)
        if (Differs(p.p[k][0], 0.5f))
            return true;
    return false;
}

struct SHueShiftOp
{
    float afTurn[6];
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        Colour::SComponents hsv = Colour::RgbToHsv(c0[0], c0[1], c0[2]);
        float w[6];
        HueWeights(hsv.f0, kSixCentres, w);
        for (int k = 0; k < 6; ++k)
            hsv.f0 += w[k] * afTurn[k];
        Colour::HsvToRgb(hsv, ce[0], ce[1], ce[2]);
    }
};
}  // namespace

int MP_calcPixelHueShift(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    SHueShiftOp op{};
    for (int k = 0; k < 6; ++k)
        op.afTurn[k] = MP_Clamp01(p->p[k][0]) - 0.5f;
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kHueShiftSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelHSL — sets: 0 hue turn (−180°…180°), 1 saturation (grey…doubled), 2 exposure
// (−2…+2 EV), all 0.5 neutral; 3 masking curve; 4 combo; 5 geometry.
namespace
{
constexpr SSetLayout kHSLSets{3, eCR_MASK, 4, 5};

bool HSLHasEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.5f) || Differs(p.p[1][0], 0.5f) || Differs(p.p[2][0], 0.5f);
}

struct SHSLOp
{
    float fTurn, fSaturation, fGain;
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        Colour::SComponents hsl = Colour::RgbToHsl(c0[0], c0[1], c0[2]);
        hsl.f0 += fTurn;
        hsl.f1 = std::fmin(1.0f, hsl.f1 * fSaturation);
        Colour::HslToRgb(hsl, ce[0], ce[1], ce[2]);
        ce[0] *= fGain, ce[1] *= fGain, ce[2] *= fGain;
    }
};
}  // namespace

int MP_calcPixelHSL(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SHSLOp op{MP_Clamp01(p->p[0][0]) - 0.5f, MP_Clamp01(p->p[1][0]) * 2.0f,
                    std::exp2(Signed(p->p[2][0]) * 2.0f)};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kHSLSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelWhitebalance — sets: 0 the picked neutral colour, 1 combo, 2 geometry (the chain
// stretches black and white afterwards). Each channel is scaled so the picked colour becomes
// the grey of its smallest channel: no gain above 1, so nothing clips before the stretch.
namespace
{
constexpr SSetLayout kWhitebalanceSets{-1, eCR_NONE, 1, 2};

void NeutralColour(const float* set, float* c)
{
    for (int i = 0; i < 3; ++i)
        c[i] = std::fmax(MP_Clamp01(set[2 + i]), 0.002f);
}

bool WhitebalanceHasEffect(const Params& p)
{
    float c[3];
    NeutralColour(p.p[0], c);
    return Differs(std::fmax(c[0], std::fmax(c[1], c[2])), std::fmin(c[0], std::fmin(c[1], c[2])));
}
}  // namespace

int MP_calcPixelWhitebalance(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    float c[3];
    NeutralColour(p->p[0], c);
    const float grey = std::fmin(c[0], std::fmin(c[1], c[2]));
    const float keys[3][3] = {{grey / c[0], 0, 0}, {grey / c[1], 0, 0}, {grey / c[2], 0, 0}};
    const SChannelTables tables =
        ChannelTables(*p, eLT_GAIN, keys, [&keys](int ch, float x) { return x * keys[ch][0]; });
    return RunChannelTables(w, h, src, dst, ss, ts, p, kWhitebalanceSets, tables);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelLocalWhitebalance — sets: 0 radius (× 500 pixels at full size), 1 strength, 2 combo,
// 3 geometry. The grey-world assumption within the radius: each channel is scaled towards the
// mean of the three local channel means, so a cast that changes across the picture (window light
// on one side, lamp light on the other) is taken out where it is. Gains stay within 1/1.5…1.5.
namespace
{
constexpr SSetLayout kLocalWhitebalanceSets{-1, eCR_NONE, 2, 3};

int LocalWhitebalanceReach(const Params& p)
{
    return ScaledReach(p, MP_Clamp01(p.p[0][0]) * 500.0f);
}

bool LocalWhitebalanceHasEffect(const Params& p)
{
    return p.p[1][0] > 0.001f && Blurs(LocalWhitebalanceReach(p));
}

struct SLocalWhitebalanceOp
{
    const std::array<SPlane, 3>* means;
    int width;
    float fStrength;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const size_t i = size_t(y) * width + x;
        const float m[3] = {float((*means)[0][i]) + 1.0f, float((*means)[1][i]) + 1.0f, float((*means)[2][i]) + 1.0f};
        const float grey = (m[0] + m[1] + m[2]) / 3.0f;
        for (int c = 0; c < 3; ++c)
            ce[c] = c0[c] * (1.0f + fStrength * (Clamp(grey / m[c], 1.0f / 1.5f, 1.5f) - 1.0f));
    }
};
}  // namespace

int MP_calcPixelLocalWhitebalance(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const int reach = LocalWhitebalanceReach(*p);
    std::array<SPlane, 3> means = ChannelPlanes(*p, src, ss, w, h);
    for (SPlane& plane : means)
        SoftBlur(*p, plane, w, h, reach);
    const float strength = Blurs(reach) ? MP_Clamp01(p->p[1][0]) : 0.0f;
    const SLocalWhitebalanceOp op{&means, w, strength};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kLocalWhitebalanceSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorVibrance — sets: 0 strength (−100…100 %, 0.5 none), 1 masking curve, 2 combo,
// 3 geometry. Saturation around the pixel's luminance, weighted by (1 − S)²: muted colours move
// much, saturated ones hardly; skin tones are lifted at a third of the rate; a lift never pushes
// a channel out of range (it stops there instead of turning the hue).
// MP_calcPixelSmartColorVibrance — sets: 0 strength, 1 skin protection, 2 highlight protection,
// 3 combo, 4 geometry. The same, scaled down for pictures that are colourful already (their mean
// saturation), with adjustable protection of skin tones and of bright areas.
namespace
{
constexpr SSetLayout kVibranceSets{1, eCR_MASK, 2, 3};
constexpr SSetLayout kSmartVibranceSets{-1, eCR_NONE, 3, 4};

struct SVibranceOp
{
    float fAmount;
    float fSkinProtection;
    float fHighlightProtection;
    float lum[3];
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        const Colour::SComponents hsv = Colour::RgbToHsv(c0[0], c0[1], c0[2]);
        const float L = Lum(lum, c0);
        float a = fAmount * (1.0f - hsv.f1) * (1.0f - hsv.f1);
        if (a > 0.0f)
            a *= (1.0f - fSkinProtection * SkinWeight(hsv)) *
                 (1.0f - fHighlightProtection * Smoothstep(0.7f, 1.0f, hsv.f2));
        const float k = a > 0.0f ? InGamutGain(c0, L, 1.0f + a) : 1.0f + a;
        for (int c = 0; c < 3; ++c)
            ce[c] = L + (c0[c] - L) * k;
    }
};

bool VibranceHasEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.5f);
}

/// Mean HSV saturation of the picture, 0…1.
float MeanSaturation(const Params& p, const uint16_t* src, int ss, int w, int h)
{
    const auto sums = SumPixels<1>(p, src, ss, w, h, [](const uint16_t* px, std::array<int64_t, 1>& s) {
        const int mx = std::max(px[0], std::max(px[1], px[2])), mn = std::min(px[0], std::min(px[1], px[2]));
        s[0] += mx > 0 ? int64_t(mx - mn) * 65535 / mx : 0;
    });
    return float(double(sums[0]) / (double(w) * double(h) * 65535.0));
}
}  // namespace

int MP_calcPixelColorVibrance(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SVibranceOp op{Signed(p->p[0][0]), 0.67f, 0.0f, {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kVibranceSets, *p), op);
}

int MP_calcPixelSmartColorVibrance(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float adapt = 1.0f - 0.7f * MeanSaturation(*p, src, ss, w, h);
    const SVibranceOp op{Signed(p->p[0][0]) * adapt, MP_Clamp01(p->p[1][0]), MP_Clamp01(p->p[2][0]),
                         {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kSmartVibranceSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelToneCalibrate — sets: 0 measured colour (picked), 1 wanted colour, 2 reach (0 only
// colours close to the measured one, 1 the whole picture), 3 combo, 4 geometry. Each channel is
// scaled so the measured colour becomes the wanted one; away from it the scaling fades with the
// colour distance unless the reach is full.
namespace
{
constexpr SSetLayout kToneCalibrateSets{-1, eCR_NONE, 3, 4};

bool ToneCalibrateHasEffect(const Params& p)
{
    for (int c = 2; c < 5; ++c)
        if (Differs(p.p[0][c], p.p[1][c]))
            return true;
    return false;
}

struct SToneCalibrateOp
{
    float afSource[3], afGain[3], fReach;
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        float d2 = 0.0f;
        for (int c = 0; c < 3; ++c)
            d2 += (c0[c] - afSource[c]) * (c0[c] - afSource[c]);
        const float w = fReach + (1.0f - fReach) * std::exp(-d2 / (2.0f * 0.12f * 0.12f));
        for (int c = 0; c < 3; ++c)
            ce[c] = c0[c] * (1.0f + (afGain[c] - 1.0f) * w);
    }
};
}  // namespace

int MP_calcPixelToneCalibrate(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    SToneCalibrateOp op{};
    for (int c = 0; c < 3; ++c)
    {
        op.afSource[c] = MP_Clamp01(p->p[0][2 + c]);
        op.afGain[c] = Clamp(MP_Clamp01(p->p[1][2 + c]) / std::fmax(op.afSource[c], 0.002f), 0.0f, 8.0f);
    }
    op.fReach = MP_Clamp01(p->p[2][0]);
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kToneCalibrateSets, *p), op);
}

namespace
{
const SKernelEntry kColourToolKernels[] = {
    // name + function                           border            flags                     reads           CL       effect test                 sets
    {MP_KERNEL(MP_calcPixelColorLightShadow),    SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,     nullptr, LightShadowHasEffect,       kLightShadowSets},
    {MP_KERNEL(MP_calcPixelColorGradation),      SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,     nullptr, ColorGradationHasEffect,    kColorGradationSets},
    {MP_KERNEL(MP_calcPixelLogColorGradation),   SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,     nullptr, ColorGradationHasEffect,    kColorGradationSets},
    {MP_KERNEL(MP_calcPixelAdjustHSL),           SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,     nullptr, AdjustHSLHasEffect,         kAdjustHSLSets},
    {MP_KERNEL(MP_calcPixelHueShift),            SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,     nullptr, HueShiftHasEffect,          kHueShiftSets},
    {MP_KERNEL(MP_calcPixelHSL),                 SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,     nullptr, HSLHasEffect,               kHSLSets},
    {MP_KERNEL(MP_calcPixelWhitebalance),        SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,     nullptr, WhitebalanceHasEffect,      kWhitebalanceSets},
    {MP_KERNEL(MP_calcPixelLocalWhitebalance),   SBorder::FromP00(500, 1, true), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, LocalWhitebalanceHasEffect, kLocalWhitebalanceSets},
    {MP_KERNEL(MP_calcPixelColorVibrance),       SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,     nullptr, VibranceHasEffect,          kVibranceSets},
    {MP_KERNEL(MP_calcPixelSmartColorVibrance),  SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, VibranceHasEffect,          kSmartVibranceSets},
    {MP_KERNEL(MP_calcPixelToneCalibrate),       SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,     nullptr, ToneCalibrateHasEffect,     kToneCalibrateSets},
};
}  // namespace

std::span<const SKernelEntry> ColourToolKernels()
{
    return kColourToolKernels;
}
