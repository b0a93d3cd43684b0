// Colour operators: each pixel's new colour from that pixel alone, run through the layer frame.
#include "engine/kernels/colour/ColourShared.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace
{
using namespace ColourFamily;

constexpr float kEpsilon = 0.001f;

/// (1 − s) × 1.99 + 0.005: slider 0.5 gives exactly 1, 0 gives 1.995, 1 gives 0.005.
float SliderExponent(float s)
{
    return (1.0f - MP_Clamp01(s)) * 1.99f + 0.005f;
}

/// The three tables (i × 1.5259022e-5)^e_c.
SChannelTables PowerTables(const Params& p, const float* e)
{
    SChannelTables tables{};
    for (int c = 0; c < 3; ++c)
    {
        const float exponent = e[c];
        tables.t[c] = MP_LevelTable(p, eLT_POWER, {exponent},
                                    [exponent](int i) { return std::pow(float(i) * MP_DECODE, exponent); });
    }
    return tables;
}

int RunPowerTables(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p,
                   const SSetLayout& sets, const float* exponents)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    return RunChannelTables(w, h, src, dst, ss, ts, p, sets, PowerTables(*p, exponents));
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelNegative — sets: 0 combo, 1 geometry.
constexpr SSetLayout kNegativeSets{-1, eCR_NONE, 0, 1};
}  // namespace

int MP_calcPixelNegative(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SLayerFrame frame = MP_PrepareFrame(kNegativeSets, *p);
    const SLevelTableOp op{MP_LevelTable(*p, eLT_NEGATIVE, {}, [](int i) { return 1.0f - float(i) * MP_DECODE; })};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, frame, op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelGammaColor — sets: 0…2 sliders red, green, blue; 3 combo; 4 geometry.
namespace
{
constexpr SSetLayout kGammaSets{-1, eCR_NONE, 3, 4};

struct SGammaArgs
{
    float afExponent[3];
    explicit SGammaArgs(const Params& p)
    {
        for (int c = 0; c < 3; ++c)
            afExponent[c] = SliderExponent(p.p[c][0]);
    }
};

bool GammaHasEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.5f) || Differs(p.p[1][0], 0.5f) || Differs(p.p[2][0], 0.5f);
}
}  // namespace

int MP_calcPixelGammaColor(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (!p)
        return MP_ZEROPOINTER;
    const SGammaArgs args(*p);
    return RunPowerTables(w, h, src, dst, ss, ts, p, kGammaSets, args.afExponent);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorBalance — sets: 0 cyan–red, 1 magenta–green, 2 yellow–blue; 3 combo; 4 geometry.
namespace
{
constexpr SSetLayout kBalanceSets{-1, eCR_NONE, 3, 4};

struct SColorBalanceArgs
{
    float afExponent[3];
    explicit SColorBalanceArgs(const Params& p)
    {
        const float r0 = SliderExponent(p.p[0][0]);
        const float g0 = SliderExponent(p.p[1][0]);
        const float b0 = SliderExponent(p.p[2][0]);
        // Each channel is corrected by the other two channels' departures from 1.
        afExponent[0] = Clamp(r0 - (std::fabs(1.0f - g0) + std::fabs(1.0f - b0)) / 2.0f, 0.0f, 4.0f);
        afExponent[1] = Clamp(g0 - (std::fabs(1.0f - r0) + std::fabs(1.0f - b0)) / 2.0f, 0.0f, 4.0f);
        afExponent[2] = Clamp(b0 - (std::fabs(1.0f - r0) + std::fabs(1.0f - g0)) / 2.0f, 0.0f, 4.0f);
    }
};
}  // namespace

int MP_calcPixelColorBalance(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (!p)
        return MP_ZEROPOINTER;
    const SColorBalanceArgs args(*p);
    return RunPowerTables(w, h, src, dst, ss, ts, p, kBalanceSets, args.afExponent);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorTemperature — sets: 0 temperature, 1 masking curve, 2 combo, 3 geometry.
namespace
{
constexpr SSetLayout kTemperatureSets{1, eCR_MASK, 2, 3};
constexpr float kNeutralTemperature = 0.35385185f;

struct SColorTemperatureArgs
{
    float afExponent[3];
    explicit SColorTemperatureArgs(const Params& p)
    {
        const float s = MP_Clamp01(p.p[0][0]);
        float R, G, B;
        if (double(s) < 0.353851852)
        {
            const float d = (kNeutralTemperature - s) / kNeutralTemperature;
            R = 1.0f + 0.4f * d, G = 1.0f + 0.05f * d, B = 1.0f - 0.3f * d;
        }
        else
        {
            const float d = (s - kNeutralTemperature) / 0.64614815f;
            R = 1.0f - 0.7f * d, G = 1.0f - 0.12f * d, B = 1.0f + 0.6f * d;
        }
        // Differences of the other channels' departures, not sums as in the colour balance.
        afExponent[0] = Clamp(R - (std::fabs(1.0f - G) - std::fabs(1.0f - B)) / 2.0f, 0.0f, 4.0f);
        afExponent[1] = Clamp(G - (std::fabs(1.0f - R) - std::fabs(1.0f - B)) / 2.0f, 0.0f, 4.0f);
        afExponent[2] = Clamp(B - (std::fabs(1.0f - R) - std::fabs(1.0f - G)) / 2.0f, 0.0f, 4.0f);
    }
};

bool TemperatureHasEffect(const Params& p)
{
    return Differs(p.p[0][0], kNeutralTemperature);
}
}  // namespace

int MP_calcPixelColorTemperature(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (!p)
        return MP_ZEROPOINTER;
    const SColorTemperatureArgs args(*p);
    return RunPowerTables(w, h, src, dst, ss, ts, p, kTemperatureSets, args.afExponent);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelBasicTools — sets: 0 brightness, 1 contrast, 2 gamma, 3 masking curve, 4 combo,
// 5 geometry. The masking weight enters the formula itself; the frame does not apply it again.
namespace
{
constexpr SSetLayout kBasicToolsSets{3, eCR_MASK_IN_KERNEL, 4, 5};

struct SBasicToolsArgs
{
    float fBright, fContrast, fExponent;
    explicit SBasicToolsArgs(const Params& p)
    {
        fBright = (MP_Clamp01(p.p[0][0]) - 0.5f) * 2.0f;
        fContrast = MP_Clamp01(p.p[1][0]) * 2.0f;
        fExponent = SliderExponent(p.p[2][0]);
        if (fExponent >= 1.0f)
            fExponent = fExponent * fExponent;
    }
};

struct SBasicToolsOp
{
    SBasicToolsArgs args;
    const float* G;       // (i × 1.5259022e-5)^e
    const float* mask;    // masking curve, null when flat at 1
    const uint16_t* plain; // per-level result with v = 1
    float lum[3];

    float Channel(float v, float c) const
    {
        const float t = (v * args.fBright + c - 0.5f) * args.fContrast + 0.5f;
        const float m = MP_Clamp01(v * t + (1.0f - v) * c);
        return v * G[int(m * 65535.0f)] + (1.0f - v) * c;
    }
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        const float v = mask ? mask[int((lum[0] * c0[0] + lum[1] * c0[1] + lum[2] * c0[2]) * 65535.0f) & 0xFFFF]
                             : 1.0f;
        for (int i = 0; i < 3; ++i)
            ce[i] = Channel(v, c0[i]);
    }
    void PlainRow(const uint16_t* __restrict in, uint16_t* __restrict out, int count) const
    {
        for (int i = 0; i < 3 * count; ++i)
            out[i] = plain[in[i]];
    }
};
}  // namespace

int MP_calcPixelBasicTools(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SLayerFrame frame = MP_PrepareFrame(kBasicToolsSets, *p);
    SBasicToolsOp op{SBasicToolsArgs(*p), nullptr, nullptr, nullptr, {p->lumr, p->lumg, p->lumb}};
    const float e = op.args.fExponent;
    op.G = MP_LevelTable(*p, eLT_POWER, {e}, [e](int i) { return std::pow(float(i) * MP_DECODE, e); })->af;
    op.mask = MP_MaskingTable(*p, p->p[kBasicToolsSets.iCurve]);
    if (!op.mask)
    {
        // With v = 1 each channel depends on its own level only.
        const SBasicToolsOp& o = op;
        op.plain = MP_LevelTable(*p, eLT_BASICTOOLS, {o.args.fBright, o.args.fContrast, e},
                                 [&o](int i) { return o.Channel(1.0f, float(i) * MP_DECODE); })
                       ->aui;
    }
    if (op.mask)
    {
        // PlainRow must not be used with a masking curve: run the per-pixel path.
        struct SMasked
        {
            const SBasicToolsOp& o;
            void Pixel(int x, int y, const uint16_t* in, float* c0, float* ce) const { o.Pixel(x, y, in, c0, ce); }
        };
        return MP_RunPointKernel(w, h, src, dst, ss, ts, frame, SMasked{op});
    }
    return MP_RunPointKernel(w, h, src, dst, ss, ts, frame, op);
}

namespace
{
bool BasicToolsHasEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.5f) || Differs(p.p[1][0], 0.5f) || Differs(p.p[2][0], 0.5f);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelSepia — sets: 0 masking curve, 1 colour, 2 combo, 3 geometry.
constexpr SSetLayout kSepiaSets{0, eCR_MASK, 2, 3};

struct SSepiaArgs
{
    float afK[3]; // factors averaging 1
    explicit SSepiaArgs(const Params& p)
    {
        const float r = MP_Clamp01(p.p[1][2]), g = MP_Clamp01(p.p[1][3]), b = MP_Clamp01(p.p[1][4]);
        const float a = (r + g + b) / 3.0f;
        afK[0] = r - a + 1.0f, afK[1] = g - a + 1.0f, afK[2] = b - a + 1.0f;
    }
};

struct SSepiaOp
{
    SSepiaArgs args;
    float lum[3];
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        const float L = lum[0] * c0[0] + lum[1] * c0[1] + lum[2] * c0[2];
        ce[0] = L * args.afK[0], ce[1] = L * args.afK[1], ce[2] = L * args.afK[2];
    }
};

/// The plain path in 14-bit fixed point on the 16-bit samples. The masking curve is still read
/// at the float luminance L, as the frame reads it: the fixed-point L16 runs a few levels lower
/// (its weights lose their fractions), which on a steep curve is a different strength.
struct SSepiaFixedOp
{
    int64_t w[3], K[3];
    float lum[3];
    const float* mask; // null: m = 1
    void Pixel(int, int, const uint16_t*, float*, float*) const {}
    int64_t Strength(const uint16_t* in) const
    {
        if (!mask)
            return 16384;
        const float L = lum[0] * (in[0] * MP_DECODE) + lum[1] * (in[1] * MP_DECODE) + lum[2] * (in[2] * MP_DECODE);
        return int64_t(mask[int(L * 65535.0f) & 0xFFFF] * 16384.0f);
    }
    void PlainRow(const uint16_t* __restrict in, uint16_t* __restrict out, int count) const
    {
        for (int i = 0; i < count; ++i, in += 3, out += 3)
        {
            const int64_t L16 = (in[2] * w[2] + in[1] * w[1] + in[0] * w[0]) >> 14;
            const int64_t M = Strength(in);
            for (int c = 0; c < 3; ++c)
            {
                const int64_t v = (((L16 * K[c]) >> 14) * M + (16384 - M) * in[c]) >> 14;
                out[c] = uint16_t(v < 65535 ? (v > 0 ? v : 0) : 65535);
            }
        }
    }
};
}  // namespace

int MP_calcPixelSepia(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SLayerFrame frame = MP_PrepareFrame(kSepiaSets, *p);
    const SSepiaArgs args(*p);
    if (!frame.bLayer && !frame.HasGeometry() && ss == 6 && ts == 6)
    {
        SSepiaFixedOp op{{int64_t(p->lumr * 16384.0f), int64_t(p->lumg * 16384.0f), int64_t(p->lumb * 16384.0f)},
                         {int64_t(args.afK[0] * 16383.0f), int64_t(args.afK[1] * 16383.0f), int64_t(args.afK[2] * 16383.0f)},
                         {p->lumr, p->lumg, p->lumb},
                         frame.pMask};
        SLayerFrame plain = frame;
        plain.pMask = nullptr; // the fixed-point rows apply the curve themselves
        return MP_RunPointKernel(w, h, src, dst, ss, ts, plain, op);
    }
    return MP_RunPointKernel(w, h, src, dst, ss, ts, frame, SSepiaOp{args, {p->lumr, p->lumg, p->lumb}});
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorMix — sets: 0 strength, 1 colour, 2 combo, 3 geometry.
namespace
{
constexpr SSetLayout kColorMixSets{-1, eCR_NONE, 2, 3};

struct SColorMixOp
{
    float fStrength;
    float afColour[3];
    float fColourLum;
    float lum[3];
    explicit SColorMixOp(const Params& p)
    {
        fStrength = MP_Clamp01(p.p[0][0]);
        for (int c = 0; c < 3; ++c)
            afColour[c] = MP_Clamp01(p.p[1][2 + c]);
        if (afColour[0] == 0.0f && afColour[1] == 0.0f && afColour[2] == 0.0f)
            afColour[0] = afColour[1] = afColour[2] = 0.57734996f;
        lum[0] = p.lumr, lum[1] = p.lumg, lum[2] = p.lumb;
        fColourLum = lum[0] * afColour[0] + lum[1] * afColour[1] + lum[2] * afColour[2];
    }
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        const float L = lum[0] * c0[0] + lum[1] * c0[1] + lum[2] * c0[2];
        for (int c = 0; c < 3; ++c)
            ce[c] = (1.0f - fStrength) * c0[c] + fStrength * L * afColour[c] / (fColourLum + 0.001f);
    }
};

bool ColorMixHasEffect(const Params& p)
{
    return p.p[0][0] >= 0.001f;
}
}  // namespace

int MP_calcPixelColorMix(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SLayerFrame frame = MP_PrepareFrame(kColorMixSets, *p);
    return MP_RunPointKernel(w, h, src, dst, ss, ts, frame, SColorMixOp(*p));
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelGradationLagrange — sets: 0 tone curve, 1 combo, 2 geometry. The curve is a gain
// on luminance, so colour ratios are kept.
namespace
{
constexpr SSetLayout kGradationSets{0, eCR_TONE, 1, 2};

struct SGradationOp
{
    const float* T;
    float lum[3];
    const float* smoothLum; // per-pixel smoothed luminance (luminance-smoothing setting), or null
    int width;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        float L = lum[0] * c0[0] + lum[1] * c0[1] + lum[2] * c0[2];
        if (smoothLum)
            L = (L + smoothLum[size_t(y) * width + x]) * 0.5f;
        const float gain = T[int(L * 65535.0f) & 0xFFFF];
        for (int c = 0; c < 3; ++c)
        {
            const float v = gain * c0[c];
            ce[c] = v < 1.0f ? v : 1.0f;
        }
    }
};

/// Luminance averaged over a 5 × 5 window (the smoothed copy of the image).
std::vector<float> SmoothedLuminance(const Params* p, int w, int h, const uint16_t* src, int ss, const float* lum)
{
    const int step = ss / 2;
    std::vector<float> L(size_t(w) * h), out(size_t(w) * h);
    for (size_t i = 0; i < L.size(); ++i)
        L[i] = (lum[0] * src[i * step] + lum[1] * src[i * step + 1] + lum[2] * src[i * step + 2]) * MP_DECODE;
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            for (int x = 0; x < w; ++x)
            {
                float sum = 0.0f;
                int n = 0;
                for (int yy = std::max(0, y - 2); yy <= std::min(h - 1, y + 2); ++yy)
                    for (int xx = std::max(0, x - 2); xx <= std::min(w - 1, x + 2); ++xx, ++n)
                        sum += L[size_t(yy) * w + xx];
                out[size_t(y) * w + x] = sum / float(n);
            }
    });
    return out;
}

bool GradationHasEffect(const Params& p)
{
    static const float kIdentity[12] = {0.0f, 0.0f, 0.2f, 0.2f, 0.4f, 0.4f, 0.6f, 0.6f, 0.8f, 0.8f, 1.0f, 1.0f};
    for (int i = 0; i < 12; ++i)
        if (Differs(p.p[0][i], kIdentity[i]))
            return true;
    return false;
}
}  // namespace

int MP_calcPixelGradationLagrange(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SLayerFrame frame = MP_PrepareFrame(kGradationSets, *p);
    const float* v = p->p[0];
    float a[7], b[7], c[7], d[7], xp[7];
    MP_SplineCoefficients(v, a, b, c, d, xp);
    SGradationOp op{MP_LevelTable(*p, eLT_GRADATION, {v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]},
                                  [&](int i) {
                                      if (i == 0)
                                          return 0.0f;
                                      return MP_SplineEval(a, b, c, d, xp, float(i) / 65535.0f) /
                                             (float(i) * MP_DECODE);
                                  })
                        ->af,
                    {p->lumr, p->lumg, p->lumb}, nullptr, w};
    std::vector<float> smooth;
    if (MP_Engine(*p).Settings().fLuminanceSmoothing > 0.0f)
    {
        smooth = SmoothedLuminance(p, w, h, src, ss, op.lum);
        op.smoothLum = smooth.data();
    }
    return MP_RunPointKernel(w, h, src, dst, ss, ts, frame, op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorIntensity — sets: 0 strength, 1 masking curve, 2 combo, 3 geometry.
namespace
{
constexpr SSetLayout kIntensitySets{1, eCR_MASK, 2, 3};

float IntensityExponent(float s)
{
    float t = MP_Clamp01(s);
    t = t < 0.5f ? t / 4.0f : t - 0.375f;
    return t * 10.0f;
}

struct SColorIntensityOp
{
    const float* P; // per level: (ln(1 + c0))^t ÷ (ln 2)^t of the lifted level
    void Pixel(int, int, const uint16_t* in, float* c0, float* ce) const
    {
        for (int c = 0; c < 3; ++c)
            c0[c] = c0[c] * (1.0f - kEpsilon) + kEpsilon;
        const float l1 = c0[0] + c0[1] + c0[2];
        const float cr = P[in[0]], cg = P[in[1]], cb = P[in[2]];
        const float l2 = cr + cg + cb;
        ce[0] = MP_Clamp01(cr * l1 / l2), ce[1] = MP_Clamp01(cg * l1 / l2), ce[2] = MP_Clamp01(cb * l1 / l2);
    }
};

}  // namespace

int MP_calcPixelColorIntensity(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SLayerFrame frame = MP_PrepareFrame(kIntensitySets, *p);
    const float t = IntensityExponent(p->p[0][0]);
    const SColorIntensityOp op{MP_LevelTable(*p, eLT_INTENSITY, {t}, [t](int i) {
                                   const float c = float(i) * MP_DECODE * (1.0f - kEpsilon) + kEpsilon;
                                   return std::pow(std::log(1.0f + c), t) / std::pow(std::log(2.0f), t);
                               })->af};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, frame, op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelbwpoint — no sets: stretches lummin…lummax to 0…1; no masking, layer or geometry.

int MP_calcPixelbwpoint(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float lo = p->lummin, diff = p->lummax - p->lummin;
    const float k = diff > 0.0f ? 1.0f / diff : 0.0f;
    const SLayerFrame frame = MP_PrepareFrame(SSetLayout{}, *p);
    const SLevelTableOp op{MP_LevelTable(*p, eLT_BWPOINT, {lo, k}, [lo, k](int i) {
        return MP_Clamp01((float(i) * MP_DECODE - lo) * k);
    })};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, frame, op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorSpaceConversion — set 3: matrix RGB → XYZ, set 4: XYZ → target (row by row).
namespace
{
struct SColorSpaceOp
{
    float m1[9], m2[9];
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        float xyz[3];
        for (int r = 0; r < 3; ++r)
            xyz[r] = m1[3 * r] * c0[0] + m1[3 * r + 1] * c0[1] + m1[3 * r + 2] * c0[2];
        for (int r = 0; r < 3; ++r)
            ce[r] = MP_Clamp01(m2[3 * r] * xyz[0] + m2[3 * r + 1] * xyz[1] + m2[3 * r + 2] * xyz[2]);
    }
};

float Finite(float v)
{
    return std::isfinite(v) ? v : 0.0f;
}
}  // namespace

int MP_calcPixelColorSpaceConversion(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    SColorSpaceOp op{};
    for (int i = 0; i < 9; ++i)
        op.m1[i] = Finite(p->p[3][i]), op.m2[i] = Finite(p->p[4][i]);
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(SSetLayout{}, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelHueExpose — sets: 0…5 exposure of the red, yellow, green, cyan, blue and magenta
// hues (0.5 neutral, ±2 stops at the ends); 6 combo; 7 geometry. Greys keep their brightness:
// the exposure acts in proportion to the pixel's saturation.
namespace
{
constexpr SSetLayout kHueExposeSets{-1, eCR_NONE, 6, 7};

struct SHueExposeOp
{
    float afGain[6];
    static constexpr float kCentres[6] = {0.0f, 1.0f / 6, 2.0f / 6, 3.0f / 6, 4.0f / 6, 5.0f / 6};
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        const Colour::SComponents hsv = Colour::RgbToHsv(c0[0], c0[1], c0[2]);
        float w[6];
        HueWeights(hsv.f0, kCentres, w);
        float gain = 0.0f;
        for (int k = 0; k < 6; ++k)
            gain += w[k] * afGain[k];
        const float f = 1.0f + (gain - 1.0f) * hsv.f1;
        ce[0] = c0[0] * f, ce[1] = c0[1] * f, ce[2] = c0[2] * f;
    }
};

bool HueExposeHasEffect(const Params& p)
{
    for (int k = 0; k < 6; ++k)
        if (Differs(p.p[k][0], 0.5f))
            return true;
    return false;
}
}  // namespace

int MP_calcPixelHueExpose(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    SHueExposeOp op{};
    for (int k = 0; k < 6; ++k)
        op.afGain[k] = std::exp2((MP_Clamp01(p->p[k][0]) - 0.5f) * 4.0f);
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kHueExposeSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorPalette — sets: 0…7 saturation of the red, orange, yellow, green, cyan, blue,
// purple and magenta hues (0.5 neutral, 0 grey, 1 doubled chroma); 8 combo; 9 geometry.
namespace
{
constexpr SSetLayout kPaletteSets{-1, eCR_NONE, 8, 9};

struct SColorPaletteOp
{
    float afGain[8];
    float lum[3];
    static constexpr float kCentres[8] = {0.0f, 30.0f / 360, 60.0f / 360, 120.0f / 360,
                                          180.0f / 360, 240.0f / 360, 270.0f / 360, 300.0f / 360};
    /// The gain HueWeights and the weighted sum give, without the weight array: only the two
    /// centres around the hue carry weight, and the zero terms add nothing to the sum.
    float Gain(float hue) const
    {
        if (!(hue >= 0.0f && hue < 1.0f))
            return afGain[0]; // no interval holds it: the whole weight on the first centre
        int k = 7;
        while (hue < kCentres[k]) // kCentres[0] is 0, so the scan stops there at the latest
            --k;
        const int next = k < 7 ? k + 1 : 0;
        const float c1 = k < 7 ? kCentres[k + 1] : kCentres[0] + 1.0f;
        const float f = (hue - kCentres[k]) / (c1 - kCentres[k]);
        return (1.0f - f) * afGain[k] + f * afGain[next];
    }
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        const float gain = Gain(Colour::RgbToHsv(c0[0], c0[1], c0[2]).f0);
        const float L = lum[0] * c0[0] + lum[1] * c0[1] + lum[2] * c0[2];
        for (int c = 0; c < 3; ++c)
            ce[c] = L + (c0[c] - L) * gain;
    }
};

bool PaletteHasEffect(const Params& p)
{
    for (int k = 0; k < 8; ++k)
        if (Differs(p.p[k][0], 0.5f))
            return true;
    return false;
}
}  // namespace

int MP_calcPixelColorPalette(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    SColorPaletteOp op{{}, {p->lumr, p->lumg, p->lumb}};
    for (int k = 0; k < 8; ++k)
        op.afGain[k] = MP_Clamp01(p->p[k][0]) * 2.0f;
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kPaletteSets, *p), op);
}

namespace
{
const SKernelEntry kColourKernels[] = {
    // name + function                            border            flags                           reads       CL       effect test           sets
    {MP_KERNEL(MP_calcPixelNegative),             SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,       eIN_COLOUR, nullptr, nullptr,              kNegativeSets},
    {MP_KERNEL(MP_calcPixelGammaColor),           SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,       eIN_COLOUR, nullptr, GammaHasEffect,       kGammaSets},
    {MP_KERNEL(MP_calcPixelColorBalance),         SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,       eIN_COLOUR, nullptr, GammaHasEffect,       kBalanceSets},
    {MP_KERNEL(MP_calcPixelColorTemperature),     SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,       eIN_COLOUR, nullptr, TemperatureHasEffect, kTemperatureSets},
    {MP_KERNEL(MP_calcPixelBasicTools),           SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,       eIN_COLOUR, nullptr, BasicToolsHasEffect,  kBasicToolsSets},
    {MP_KERNEL(MP_calcPixelSepia),                SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,       eIN_COLOUR, nullptr, nullptr,              kSepiaSets},
    {MP_KERNEL(MP_calcPixelColorMix),             SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,       eIN_COLOUR, nullptr, ColorMixHasEffect,    kColorMixSets},
    // Reads a smoothed neighbourhood luminance only while the luminance-smoothing setting is on.
    {MP_KERNEL(MP_calcPixelGradationLagrange),    SBorder::Rows(500), eKF_CPU_ONLY | eKF_POINT,     eIN_COLOUR, nullptr, GradationHasEffect,   kGradationSets},
    {MP_KERNEL(MP_calcPixelColorIntensity),       SBorder::Rows(0), eKF_SPEED_TESTED | eKF_POINT,   eIN_COLOUR, nullptr, nullptr,              kIntensitySets},
    {MP_KERNEL(MP_calcPixelbwpoint),              SBorder::Rows(0), eKF_AUXILIARY | eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR, nullptr, nullptr,              SSetLayout{}},
    {MP_KERNEL(MP_calcPixelColorSpaceConversion), SBorder::Rows(0), eKF_AUXILIARY | eKF_SPEED_TESTED | eKF_POINT, eIN_COLOUR, nullptr, nullptr,              SSetLayout{}},
    {MP_KERNEL(MP_calcPixelHueExpose),            SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,       eIN_COLOUR, nullptr, HueExposeHasEffect,   kHueExposeSets},
    {MP_KERNEL(MP_calcPixelColorPalette),         SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT,       eIN_COLOUR, nullptr, PaletteHasEffect,     kPaletteSets},
};
}  // namespace

std::span<const SKernelEntry> ColourKernels()
{
    return kColourKernels;
}
