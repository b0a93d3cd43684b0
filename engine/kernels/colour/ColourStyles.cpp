// Photo styles: complete looks that combine a tone and colour treatment with a soft glow, local
// contrast or a lens's falloff read from blurred planes. Each is mixed with the picture by its
// strength; none is neutral at its defaults.
#include "engine/kernels/colour/ColourPlanes.h"
#include "engine/kernels/colour/ColourShared.h"
#include "engine/kernels/Neighbourhood.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <span>

using namespace ColourFamily;

namespace
{
/// Strength in set 0, a second slider in set 1 (or none), combo and geometry after them.
constexpr SSetLayout kStyleSets{-1, eCR_NONE, 1, 2};
constexpr SSetLayout kStyleSets2{-1, eCR_NONE, 2, 3};

bool StyleHasEffect(const Params& p)
{
    return p.p[0][0] > 0.001f;
}

/// The blurred luminance reaching `fullSizeReach` pixels at full size.
SPlane BlurredLuminance(const Params& p, const uint16_t* src, int ss, int w, int h, float fullSizeReach)
{
    SPlane plane = LuminancePlane(p, src, ss, w, h);
    SoftBlur(p, plane, w, h, ScaledReach(p, fullSizeReach));
    return plane;
}

/// The three channels blurred over `fullSizeReach` pixels at full size.
std::array<SPlane, 3> BlurredChannels(const Params& p, const uint16_t* src, int ss, int w, int h, float fullSizeReach)
{
    std::array<SPlane, 3> planes = ChannelPlanes(p, src, ss, w, h);
    const int reach = ScaledReach(p, fullSizeReach);
    for (SPlane& plane : planes)
        SoftBlur(p, plane, w, h, reach);
    return planes;
}

/// What a style's pixel function reads besides the pixel: blurred planes and the position.
struct SStyleContext
{
    const SPlane* pLum = nullptr;
    const std::array<SPlane, 3>* pRgb = nullptr;
    int iWidth = 0;
    float fFullW = 1.0f, fFullH = 1.0f;
    int iYOffset = 0;
    float lum[3] = {};

    SStyleContext(const Params& p, int w, int h)
        : iWidth(w), fFullW(float(p.width > 0 ? p.width : w)), fFullH(float(p.height > 0 ? p.height : h)),
          iYOffset(p.y_offset), lum{p.lumr, p.lumg, p.lumb}
    {
    }
    float BlurLum(int x, int y) const { return float((*pLum)[size_t(y) * iWidth + x]) * MP_DECODE; }
    void BlurRgb(int x, int y, float* c) const
    {
        for (int i = 0; i < 3; ++i)
            c[i] = float((*pRgb)[size_t(i)][size_t(y) * iWidth + x]) * MP_DECODE;
    }
    /// Distance from the picture's centre, 1 at the corners.
    float Radius(int x, int y) const
    {
        const float dx = (float(x) / fFullW - 0.5f) * 2.0f, dy = (float(y + iYOffset) / fFullH - 0.5f) * 2.0f;
        return std::sqrt(dx * dx + dy * dy) * 0.70710678f;
    }
};

/// Runs `look(ctx, x, y, c0, out)` and mixes its result with the picture by the strength.
template <class Look>
struct SStyleOp
{
    const SStyleContext* ctx;
    Look look;
    float fStrength;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        float s[3];
        look(*ctx, x, y, c0, s);
        for (int c = 0; c < 3; ++c)
            ce[c] = Mix(c0[c], s[c], fStrength);
    }
};

template <class Look>
int RunPrepared(const SStyleContext& ctx, int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p,
                const SSetLayout& sets, const Look& look)
{
    const SStyleOp<Look> op{&ctx, look, MP_Clamp01(p->p[0][0])};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(sets, *p), op);
}

enum class EBlur
{
    eLuminance,
    eChannels,
};

/// A style over the blurred luminance or the blurred channels, reaching `fullSizeReach` pixels
/// at full size.
template <class Look>
int RunStyle(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p, const SSetLayout& sets,
             EBlur blur, float fullSizeReach, const Look& look)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    SStyleContext ctx(*p, w, h);
    SPlane lum;
    std::array<SPlane, 3> rgb;
    if (blur == EBlur::eLuminance)
        lum = BlurredLuminance(*p, src, ss, w, h, fullSizeReach), ctx.pLum = &lum;
    else
        rgb = BlurredChannels(*p, src, ss, w, h, fullSizeReach), ctx.pRgb = &rgb;
    return RunPrepared(ctx, w, h, src, dst, ss, ts, p, sets, look);
}

float Screen(float a, float b)
{
    return 1.0f - (1.0f - a) * (1.0f - b);
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// MP_calcPixelStyleLowKey — sets: 0 strength, 1 shadow depth, 2 combo, 3 geometry. Dark tones
// pressed down, the bright parts lifted against their surroundings so they stand out of the dark.
int MP_calcPixelStyleLowKey(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    const float gamma = p ? 1.0f + 1.6f * MP_Clamp01(p->p[1][0]) : 1.0f;
    return RunStyle(w, h, src, dst, ss, ts, p, kStyleSets2, EBlur::eLuminance, 150.0f,
                    [gamma](const SStyleContext& ctx, int x, int y, const float* c, float* s) {
                        const float L = Lum(ctx.lum, c);
                        const float Lt = MP_Clamp01(std::pow(L, gamma) * (1.0f + 0.9f * (L - ctx.BlurLum(x, y))));
                        const float k = Lt / std::fmax(L, 1e-4f);
                        for (int i = 0; i < 3; ++i)
                            s[i] = Mix(c[i] * k, Lt, 0.15f);
                    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelStyleHighKey — sets: 0 strength, 1 brightness, 2 combo, 3 geometry. Tones lifted
// towards white, a soft glow of the bright surroundings, colours a little paler.
int MP_calcPixelStyleHighKey(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    const float lift = p ? 1.0f + 2.0f * MP_Clamp01(p->p[1][0]) : 1.0f;
    return RunStyle(w, h, src, dst, ss, ts, p, kStyleSets2, EBlur::eLuminance, 300.0f,
                    [lift](const SStyleContext& ctx, int x, int y, const float* c, float* s) {
                        const float L = Lum(ctx.lum, c);
                        const float Lt = Screen(1.0f - std::pow(1.0f - MP_Clamp01(L), lift), 0.35f * ctx.BlurLum(x, y));
                        for (int i = 0; i < 3; ++i)
                            s[i] = Lt + (c[i] - L) * 0.7f;
                    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelStyleCross — sets: 0 strength, 1 combo, 2 geometry. The look of slide film developed
// as a negative: hard red and green curves, flat lifted blue (blue shadows, yellow highlights),
// stronger colours and a faint bloom.
int MP_calcPixelStyleCross(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStyle(w, h, src, dst, ss, ts, p, kStyleSets, EBlur::eLuminance, 150.0f,
                    [](const SStyleContext& ctx, int x, int y, const float* c, float* s) {
                        const float v[3] = {Sigmoid(MP_Clamp01(c[0]), 6.0f, 0.5f), Sigmoid(MP_Clamp01(c[1]), 3.0f, 0.5f),
                                            0.15f + 0.7f * c[2]};
                        const float L = Lum(ctx.lum, v), b = ctx.BlurLum(x, y);
                        for (int i = 0; i < 3; ++i)
                            s[i] = Screen(L + (v[i] - L) * 1.15f, 0.12f * b * b);
                    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelStyleIndianSummer — sets: 0 strength, 1 combo, 2 geometry. Greens and yellows turn
// golden, the light warm, with a warm glow.
int MP_calcPixelStyleIndianSummer(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStyle(w, h, src, dst, ss, ts, p, kStyleSets, EBlur::eLuminance, 150.0f,
                    [](const SStyleContext& ctx, int x, int y, const float* c, float* s) {
                        Colour::SComponents hsv = Colour::RgbToHsv(c[0], c[1], c[2]);
                        const float wf = Smoothstep(0.08f, 0.16f, hsv.f0) * (1.0f - Smoothstep(0.4f, 0.5f, hsv.f0)) * hsv.f1;
                        hsv.f0 += (0.09f - hsv.f0) * wf;
                        hsv.f1 = std::fmin(1.0f, hsv.f1 * (1.0f + 0.3f * wf));
                        Colour::HsvToRgb(hsv, s[0], s[1], s[2]);
                        static constexpr float kWarm[3] = {1.08f, 1.0f, 0.85f}, kGlow[3] = {1.0f, 0.85f, 0.6f};
                        const float b = ctx.BlurLum(x, y);
                        for (int i = 0; i < 3; ++i)
                            s[i] = Screen(s[i] * kWarm[i], 0.2f * b * kGlow[i]);
                    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelStyleInfrared — sets: 0 strength, 1 glow, 2 combo, 3 geometry. Black-and-white
// infrared film: foliage bright, blue sky dark, with the halation glow around bright areas.
namespace
{
float InfraredLevel(const float* c)
{
    return MP_Clamp01(0.35f * c[0] + 1.3f * c[1] - 0.65f * c[2]);
}
}  // namespace

int MP_calcPixelStyleInfrared(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    SPlane glow(size_t(w) * h);
    const int step = ss / 2;
    for (size_t i = 0; i < glow.size(); ++i)
    {
        const float c[3] = {src[i * step] * MP_DECODE, src[i * step + 1] * MP_DECODE, src[i * step + 2] * MP_DECODE};
        glow[i] = MP_RoundLevel(InfraredLevel(c));
    }
    SoftBlur(*p, glow, w, h, ScaledReach(*p, 300.0f));
    SStyleContext ctx(*p, w, h);
    ctx.pLum = &glow;
    const float amount = 0.6f * MP_Clamp01(p->p[1][0]);
    return RunPrepared(ctx, w, h, src, dst, ss, ts, p, kStyleSets2,
                       [amount](const SStyleContext& k, int x, int y, const float* c, float* s) {
                           s[0] = s[1] = s[2] = Screen(InfraredLevel(c), amount * k.BlurLum(x, y));
                       });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelStyleLithPrint — sets: 0 strength, 1 toning warmth, 2 combo, 3 geometry. Monochrome
// with deep hard shadows, soft highlights and the warm, peach-coloured tone of lith paper.
int MP_calcPixelStyleLithPrint(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    const float warmth = p ? MP_Clamp01(p->p[1][0]) : 0.0f;
    return RunStyle(w, h, src, dst, ss, ts, p, kStyleSets2, EBlur::eLuminance, 150.0f,
                    [warmth](const SStyleContext& ctx, int x, int y, const float* c, float* s) {
                        const float L = Lum(ctx.lum, c);
                        const float Lc = MP_Clamp01(L + 0.6f * (L - ctx.BlurLum(x, y)));
                        float v = std::pow(Lc, 1.6f);
                        v += (1.0f - v) * 0.25f * Lc * Lc;
                        static constexpr float kShadow[3] = {1.12f, 0.94f, 0.82f}, kHighlight[3] = {1.06f, 0.97f, 0.9f};
                        for (int i = 0; i < 3; ++i)
                            s[i] = v * Mix(1.0f, Mix(kShadow[i], kHighlight[i], v), warmth);
                    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelStyleButtercream — sets: 0 strength, 1 combo, 2 geometry. A soft-focus glow, low
// contrast, lifted blacks and creamy warm pastel colours.
int MP_calcPixelStyleButtercream(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStyle(w, h, src, dst, ss, ts, p, kStyleSets, EBlur::eChannels, 48.0f,
                    [](const SStyleContext& ctx, int x, int y, const float* c, float* s) {
                        float b[3], v[3];
                        ctx.BlurRgb(x, y, b);
                        static constexpr float kCream[3] = {1.0f, 0.96f, 0.86f};
                        for (int i = 0; i < 3; ++i)
                            v[i] = (0.5f + (Mix(c[i], b[i], 0.4f) - 0.5f) * 0.8f) * kCream[i];
                        const float L = Lum(ctx.lum, v);
                        for (int i = 0; i < 3; ++i)
                        {
                            const float pale = L + (v[i] - L) * 0.8f;
                            s[i] = pale + (1.0f - pale) * 0.08f;
                        }
                    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelStyleHolga — sets: 0 strength, 1 vignette, 2 combo, 3 geometry. The plastic-lens
// toy camera: edges blurred and dark, hard contrast, a cool green cast in the shadows.
int MP_calcPixelStyleHolga(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    const float vignette = p ? MP_Clamp01(p->p[1][0]) : 0.0f;
    return RunStyle(w, h, src, dst, ss, ts, p, kStyleSets2, EBlur::eChannels, 78.0f,
                    [vignette](const SStyleContext& ctx, int x, int y, const float* c, float* s) {
                        float b[3];
                        ctx.BlurRgb(x, y, b);
                        const float r = ctx.Radius(x, y);
                        const float soft = Smoothstep(0.35f, 1.0f, r), dark = 1.0f - vignette * 0.85f * Smoothstep(0.4f, 1.1f, r);
                        static constexpr float kCast[3] = {-0.02f, 0.02f, 0.03f};
                        const float L = Lum(ctx.lum, c);
                        for (int i = 0; i < 3; ++i)
                            s[i] = Sigmoid(MP_Clamp01(Mix(c[i], b[i], soft) * dark + kCast[i] * (1.0f - L)), 4.0f, 0.5f);
                    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelStyleOrton — sets: 0 strength, 1 softness (the glow's width), 2 combo, 3 geometry.
// The sandwich of an overexposed sharp and an overexposed blurred copy, multiplied: glowing,
// dreamy, with the detail kept.
int MP_calcPixelStyleOrton(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    std::array<SPlane, 3> glow = ChannelPlanes(*p, src, ss, w, h);
    const int reach = ScaledReach(*p, (0.3f + 0.7f * MP_Clamp01(p->p[1][0])) * 96.0f);
    for (SPlane& plane : glow)
    {
        for (uint16_t& v : plane)
            v = MP_RoundLevel(Screen(float(v) * MP_DECODE, float(v) * MP_DECODE));
        SoftBlur(*p, plane, w, h, reach);
    }
    SStyleContext ctx(*p, w, h);
    ctx.pRgb = &glow;
    return RunPrepared(ctx, w, h, src, dst, ss, ts, p, kStyleSets2,
                       [](const SStyleContext& k, int x, int y, const float* c, float* s) {
                           float b[3];
                           k.BlurRgb(x, y, b);
                           for (int i = 0; i < 3; ++i)
                               s[i] = Screen(c[i], c[i]) * b[i];
                       });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelStyleLomo — sets: 0 strength, 1 vignette, 2 combo, 3 geometry. Saturated colours,
// contrasty curves with lifted blue shadows, a strong dark vignette and soft corners.
int MP_calcPixelStyleLomo(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    const float vignette = p ? MP_Clamp01(p->p[1][0]) : 0.0f;
    return RunStyle(w, h, src, dst, ss, ts, p, kStyleSets2, EBlur::eChannels, 96.0f,
                    [vignette](const SStyleContext& ctx, int x, int y, const float* c, float* s) {
                        float b[3], v[3];
                        ctx.BlurRgb(x, y, b);
                        const float r = ctx.Radius(x, y);
                        const float soft = Smoothstep(0.6f, 1.2f, r), dark = 1.0f - vignette * Smoothstep(0.3f, 1.05f, r);
                        for (int i = 0; i < 3; ++i)
                            v[i] = MP_Clamp01(Mix(c[i], b[i], soft));
                        v[0] = Sigmoid(v[0], 5.0f, 0.5f), v[1] = Sigmoid(v[1], 5.0f, 0.5f);
                        v[2] = 0.06f + 0.94f * Sigmoid(v[2], 3.0f, 0.5f);
                        const float L = Lum(ctx.lum, v);
                        const float k = InGamutGain(v, L, 1.35f);
                        for (int i = 0; i < 3; ++i)
                            s[i] = (L + (v[i] - L) * k) * dark;
                    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelStyleDragan — sets: 0 strength, 1 combo, 2 geometry. The gritty portrait look:
// very strong local contrast, most of the colour taken out, darker midtones.
int MP_calcPixelStyleDragan(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunStyle(w, h, src, dst, ss, ts, p, kStyleSets, EBlur::eLuminance, 150.0f,
                    [](const SStyleContext& ctx, int x, int y, const float* c, float* s) {
                        const float L = Lum(ctx.lum, c);
                        const float Lc = std::pow(MP_Clamp01(L + 1.5f * (L - ctx.BlurLum(x, y))), 1.15f);
                        // The colour keeps 40 % of its saturation at the new luminance.
                        const float k = 0.4f * std::fmin(4.0f, Lc / std::fmax(L, 1e-4f));
                        for (int i = 0; i < 3; ++i)
                            s[i] = Lc + (c[i] - L) * k;
                    });
}

namespace
{
constexpr uint32_t kStyleFlags = eKF_CPU_ONLY | eKF_POINT;

const SKernelEntry kColourStyleKernels[] = {
    // name + function                            border               flags        reads           CL       effect test     sets
    {MP_KERNEL(MP_calcPixelStyleLowKey),          SBorder::Scaled(500), kStyleFlags, eIN_NEIGHBOURS, nullptr, StyleHasEffect, kStyleSets2},
    {MP_KERNEL(MP_calcPixelStyleHighKey),         SBorder::Scaled(500), kStyleFlags, eIN_NEIGHBOURS, nullptr, StyleHasEffect, kStyleSets2},
    {MP_KERNEL(MP_calcPixelStyleCross),           SBorder::Scaled(500), kStyleFlags, eIN_NEIGHBOURS, nullptr, StyleHasEffect, kStyleSets},
    {MP_KERNEL(MP_calcPixelStyleIndianSummer),    SBorder::Scaled(500), kStyleFlags, eIN_NEIGHBOURS, nullptr, StyleHasEffect, kStyleSets},
    {MP_KERNEL(MP_calcPixelStyleInfrared),        SBorder::Scaled(500), kStyleFlags, eIN_NEIGHBOURS, nullptr, StyleHasEffect, kStyleSets2},
    {MP_KERNEL(MP_calcPixelStyleLithPrint),       SBorder::Scaled(500), kStyleFlags, eIN_NEIGHBOURS, nullptr, StyleHasEffect, kStyleSets2},
    {MP_KERNEL(MP_calcPixelStyleButtercream),     SBorder::Scaled(50),  kStyleFlags, eIN_NEIGHBOURS, nullptr, StyleHasEffect, kStyleSets},
    {MP_KERNEL(MP_calcPixelStyleHolga),           SBorder::Scaled(80),  kStyleFlags, eIN_NEIGHBOURS, nullptr, StyleHasEffect, kStyleSets2},
    {MP_KERNEL(MP_calcPixelStyleOrton),           SBorder::Scaled(100), kStyleFlags, eIN_NEIGHBOURS, nullptr, StyleHasEffect, kStyleSets2},
    {MP_KERNEL(MP_calcPixelStyleLomo),            SBorder::Scaled(100), kStyleFlags, eIN_NEIGHBOURS, nullptr, StyleHasEffect, kStyleSets2},
    {MP_KERNEL(MP_calcPixelStyleDragan),          SBorder::Scaled(500), kStyleFlags, eIN_NEIGHBOURS, nullptr, StyleHasEffect, kStyleSets},
};
}  // namespace

std::span<const SKernelEntry> ColourStyleKernels()
{
    return kColourStyleKernels;
}
