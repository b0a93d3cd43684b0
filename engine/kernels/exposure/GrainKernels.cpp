// Film grain, halftone screen and aging of the exposure family. Everything random is seeded
// noise over the position in the full picture (NoisePlane), so a frame grades the same way twice,
// a preview shows the grain the full picture would show scaled down, and a stripe sees the same
// pattern. In video the grain moves with the engine's animation counter unless its motion
// slider is at 0.
#include "core/ColourSpace.h"
#include "engine/kernels/exposure/ExposureShared.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

using namespace Exposure;

namespace
{
enum EGrainSpace
{
    eGS_RGB, // the same amount added to every channel (or per channel with colour grain)
    eGS_HSV, // grain in value (and saturation), hue kept
    eGS_HSL, // grain in lightness (and saturation), hue kept
};

// Every grain entry: 0 amount, 1 grain size, 2 roughness (fractal) or colour/saturation share
// (analog), 3 motion (0: the same grain on every frame, 1: new grain every frame), 4 strength
// over luminance (masking curve), 5 combo, 6 geometry.
constexpr SSetLayout kGrainSets{4, eCR_MASK, 5, 6};

bool GrainHasEffect(const Params& p)
{
    return p.p[0][0] >= 0.001f;
}

/// Grain cell in pixels of the full picture: 0.6 … 6.6 px over the size slider.
float GrainCell(float slider)
{
    const float s = MP_Clamp01(slider);
    return 0.6f + 6.0f * s * s;
}

/// The pattern's seed for this frame: the kernel's own seed, advanced with the animation counter
/// at the motion slider's rate (1: every frame, 0.5: every second frame, 0: never).
uint32_t FrameSeed(const Params& p, uint32_t base, float motionSlider)
{
    const float motion = MP_Clamp01(motionSlider);
    const float count = std::isfinite(p.anim_count) ? std::clamp(p.anim_count, 0.0f, 1.0e7f) : 0.0f;
    const uint32_t frame = motion >= 0.001f ? uint32_t(std::floor(count * motion)) : 0u;
    return base + frame * 2654435761u;
}

/// Film responds most in the midtones: 0.3 at black and white, 1 at mid-grey.
float FilmResponse(float level)
{
    const float l = MP_Clamp01(level);
    return 0.3f + 2.8f * l * (1.0f - l);
}

struct SGrainOp
{
    const float* mono;      // grain in every channel, or in value/lightness
    const float* chroma[3]; // each channel's own grain (analog colour grain), or null
    const float* sat;       // saturation grain (analog HSV/HSL), or null
    int iWidth;
    EGrainSpace eSpace;
    bool bFilmResponse;
    float fAmount, fSatAmount, fKeep, fOwn, afLum[3]; // channel grain = mono × keep + own × own

    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const size_t i = size_t(y) * iWidth + x;
        if (eSpace == eGS_RGB)
        {
            const float a = fAmount * (bFilmResponse ? FilmResponse(Luminance(c0, afLum)) : 1.0f);
            for (int c = 0; c < 3; ++c)
                ce[c] = c0[c] + (chroma[0] ? mono[i] * fKeep + chroma[c][i] * fOwn : mono[i]) * a;
            return;
        }
        Colour::SComponents comps = eSpace == eGS_HSV ? Colour::RgbToHsv(c0[0], c0[1], c0[2])
                                                      : Colour::RgbToHsl(c0[0], c0[1], c0[2]);
        const float a = fAmount * (bFilmResponse ? FilmResponse(comps.f2) : 1.0f);
        comps.f2 = MP_Clamp01(comps.f2 + mono[i] * a);
        if (sat)
            comps.f1 = MP_Clamp01(comps.f1 + sat[i] * fSatAmount);
        if (eSpace == eGS_HSV)
            Colour::HsvToRgb(comps, ce[0], ce[1], ce[2]);
        else
            Colour::HslToRgb(comps, ce[0], ce[1], ce[2]);
    }
};

// Fractal grain: four octaves of value noise, roughness (set 2) = how strong the finer octaves
// are; no film response, the masking curve shapes it over luminance.
int FractalGrain(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p, EGrainSpace space,
                 uint32_t seed)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    SNoiseShape shape;
    shape.fCell = GrainCell(p->p[1][0]);
    shape.iOctaves = 4;
    shape.fGain = 0.35f + 0.5f * MP_Clamp01(p->p[2][0]);
    shape.uiSeed = FrameSeed(*p, seed, p->p[3][0]);
    const std::vector<float> mono = NoisePlane(*p, w, h, shape);
    const SGrainOp op{mono.data(), {}, nullptr, w, space, false, 0.35f * MP_Clamp01(p->p[0][0]), 0.0f, 1.0f, 0.0f,
                      {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kGrainSets, *p), op);
}

// Analog grain: clumped, normally distributed grain of two octaves, strongest in the midtones
// as on film; set 2 mixes in independent grain per channel (RGB) or adds saturation grain
// (HSV, HSL).
int AnalogGrain(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p, EGrainSpace space,
                uint32_t seed)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    SNoiseShape shape;
    shape.fCell = GrainCell(p->p[1][0]);
    shape.iOctaves = 2;
    shape.fGain = 0.35f;
    shape.bGauss = true;
    shape.uiSeed = FrameSeed(*p, seed, p->p[3][0]);
    const std::vector<float> mono = NoisePlane(*p, w, h, shape);
    const float share = MP_Clamp01(p->p[2][0]), amount = 0.3f * MP_Clamp01(p->p[0][0]);
    SGrainOp op{mono.data(), {}, nullptr, w, space, true, amount, 0.0f, 1.0f, 0.0f, {p->lumr, p->lumg, p->lumb}};
    // The channels' own grain (or the saturation grain) is a single octave: it only tints the
    // shared grain, and one octave costs half as much.
    shape.iOctaves = 1;
    std::vector<float> extra[3];
    if (share >= 0.001f && space == eGS_RGB)
    {
        // The shared grain and the channel's own mixed at equal spread.
        const float keep = 1.0f - share, norm = 1.0f / std::sqrt(keep * keep + share * share);
        op.fKeep = keep * norm, op.fOwn = share * norm;
        for (int c = 0; c < 3; ++c)
        {
            shape.uiSeed += 0x51edu;
            extra[c] = NoisePlane(*p, w, h, shape);
            op.chroma[c] = extra[c].data();
        }
    }
    else if (share >= 0.001f)
    {
        shape.uiSeed += 0x51edu;
        extra[0] = NoisePlane(*p, w, h, shape);
        op.sat = extra[0].data();
        op.fSatAmount = amount * share;
    }
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kGrainSets, *p), op);
}
}  // namespace

int MP_calcPixelFractalGrain(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return FractalGrain(w, h, src, dst, ss, ts, p, eGS_RGB, 0x1001u);
}

int MP_calcPixelFractalHSVGrain(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return FractalGrain(w, h, src, dst, ss, ts, p, eGS_HSV, 0x1002u);
}

int MP_calcPixelFractalHSLGrain(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return FractalGrain(w, h, src, dst, ss, ts, p, eGS_HSL, 0x1003u);
}

int MP_calcPixelAnalogGrain(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return AnalogGrain(w, h, src, dst, ss, ts, p, eGS_RGB, 0x2001u);
}

int MP_calcPixelAnalogHSVGrain(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return AnalogGrain(w, h, src, dst, ss, ts, p, eGS_HSV, 0x2002u);
}

int MP_calcPixelAnalogHSLGrain(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return AnalogGrain(w, h, src, dst, ss, ts, p, eGS_HSL, 0x2003u);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelHalftone — sets: 0 screen ruling (2…40 px per cell), 1 angle (0…90°), 2 strength,
// 3 colour screen (0: one screen over luminance, 1: a screen per channel at angles 15° apart),
// 4 combo, 5 geometry. A printed dot screen: the spot function 0.5 + (cos 2πu + cos 2πv) ÷ 4 of
// the rotated cell is compared with a threshold, anti-aliased over about a pixel. The threshold
// for a tone is the spot function's quantile at that tone, so the paper left between the dots
// covers exactly the tone's share of the cell and the screen keeps the tone. A preview whose
// cells are smaller than two pixels fades to the tone the screen averages to.
constexpr SSetLayout kHalftoneSets{-1, eCR_NONE, 4, 5};
constexpr int kQuantileSteps = 256;

bool HalftoneHasEffect(const Params& p)
{
    return p.p[2][0] >= 0.001f;
}

/// The spot function's values over a cell, sorted: entry k is the threshold below which the
/// share k ÷ 256 of the cell lies.
const float* SpotQuantiles()
{
    static const std::vector<float> quantiles = [] {
        constexpr int n = 128;
        std::vector<float> spots;
        for (int j = 0; j < n; ++j)
            for (int i = 0; i < n; ++i)
                spots.push_back(0.5f + 0.25f * (CosCycles((float(i) + 0.5f) / n) + CosCycles((float(j) + 0.5f) / n)));
        std::sort(spots.begin(), spots.end());
        std::vector<float> q(kQuantileSteps + 1);
        for (int k = 0; k <= kQuantileSteps; ++k)
            q[size_t(k)] = k == 0 ? 0.0f : k == kQuantileSteps ? 1.0f : spots[size_t(k) * spots.size() / kQuantileSteps];
        return q;
    }();
    return quantiles.data();
}

struct SHalftoneOp
{
    float fCell, fScale, fSharpness, fVisible, fStrength, fColour, afCos[3], afSin[3], afLum[3];
    int iYOffset;
    const float* quantiles;

    float Screen(float tone, float u, float v, int k) const
    {
        const float ru = (u * afCos[k] + v * afSin[k]) / fCell, rv = (v * afCos[k] - u * afSin[k]) / fCell;
        // The spot function repeats with the cell, so the rotated position in cells goes straight in.
        const float spot = 0.5f + 0.25f * (CosCycles(ru) + CosCycles(rv));
        const float q = MP_Clamp01(tone) * float(kQuantileSteps);
        const int i = std::min(int(q), kQuantileSteps - 1);
        const float threshold = quantiles[i] + (quantiles[i + 1] - quantiles[i]) * (q - float(i));
        const float printed = MP_Clamp01((threshold - spot) * fSharpness + 0.5f);
        return tone + (printed - tone) * fVisible;
    }
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float u = float(x) / fScale, v = float(y + iYOffset) / fScale;
        const float grey = Screen(Luminance(c0, afLum), u, v, 2);
        for (int c = 0; c < 3; ++c)
        {
            const float screened = fColour > 0.0f ? grey + (Screen(c0[c], u, v, c) - grey) * fColour : grey;
            ce[c] = c0[c] + (screened - c0[c]) * fStrength;
        }
    }
};
}  // namespace

int MP_calcPixelHalftone(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float scale = PreviewScale(*p), cell = 2.0f + 38.0f * MP_Clamp01(p->p[0][0]);
    SHalftoneOp op{cell, scale, 0.6f * cell * scale, MP_Clamp01(cell * scale * 0.5f - 0.5f), MP_Clamp01(p->p[2][0]),
                   MP_Clamp01(p->p[3][0]), {}, {}, {p->lumr, p->lumg, p->lumb}, p->y_offset, SpotQuantiles()};
    const float angle = MP_Clamp01(p->p[1][0]) * 1.5707963f;
    for (int k = 0; k < 3; ++k)
    {
        // Channel screens at +15°, +75° and the base angle, as process colours are set apart.
        const float a = angle + (k == 0 ? 0.2617994f : k == 1 ? 1.3089969f : 0.0f);
        op.afCos[k] = std::cos(a), op.afSin[k] = std::sin(a);
    }
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kHalftoneSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelAging — sets: 0 strength, 1 yellowing, 2 fading, 3 stains and specks, 4 combo,
// 5 geometry. An old print: fading lifts the blacks and dulls the whites, yellowing tints towards
// the highlights, brown stains (large soft noise) and dark specks are scattered over it, and the
// edges darken; the pattern is fixed to the picture, like the print's.
constexpr SSetLayout kAgingSets{-1, eCR_NONE, 4, 5};

bool AgingHasEffect(const Params& p)
{
    return p.p[0][0] >= 0.001f;
}

struct SAgingOp
{
    const float* stains;
    int iWidth, iYOffset;
    float fScale, fCx, fCy, fInverseHalfDiagonal;
    float fStrength, fYellow, fFade, fSpots, afLum[3];

    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float L = Luminance(c0, afLum);
        const float highlight = 0.5f + 0.5f * L;
        const float tint[3] = {1.0f, 1.0f - 0.06f * fYellow * highlight, 1.0f - 0.28f * fYellow * highlight};
        const float stain = Smoothstep(0.15f, 0.55f, stains[size_t(y) * iWidth + x]) * fSpots;
        const float u = float(x) / fScale, v = float(y + iYOffset) / fScale;
        const bool speck = HashUnit(int(u / 3.0f), int(v / 3.0f), 0xa9e1u) > 1.0f - 0.004f * fSpots;
        const float dx = float(x) - fCx, dy = float(y + iYOffset) - fCy;
        const float edge = 1.0f - 0.3f * Smoothstep(0.6f, 1.1f, std::sqrt(dx * dx + dy * dy) * fInverseHalfDiagonal);
        const float brown[3] = {1.0f, 1.1f, 1.35f};
        for (int c = 0; c < 3; ++c)
        {
            float v2 = c0[c] * (1.0f - 0.3f * fFade) + 0.1f * fFade;
            v2 *= tint[c] * (1.0f - 0.35f * stain * brown[c]) * edge * (speck ? 0.4f : 1.0f);
            ce[c] = c0[c] + (v2 - c0[c]) * fStrength;
        }
    }
};
}  // namespace

int MP_calcPixelAging(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float scale = PreviewScale(*p);
    const float W = float(p->width > 0 ? p->width : w), H = float(p->height > 0 ? p->height : h);
    SNoiseShape shape;
    shape.fCell = 0.15f * std::fmax(W, H) / scale;
    shape.iOctaves = 3;
    shape.uiSeed = 0xa9e0u;
    const std::vector<float> stains = NoisePlane(*p, w, h, shape);
    const SAgingOp op{stains.data(), w, p->y_offset, scale, W * 0.5f, H * 0.5f,
                      2.0f / std::fmax(std::sqrt(W * W + H * H), 1.0f), MP_Clamp01(p->p[0][0]),
                      MP_Clamp01(p->p[1][0]), MP_Clamp01(p->p[2][0]), MP_Clamp01(p->p[3][0]),
                      {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kAgingSets, *p), op);
}

namespace
{
const SKernelEntry kGrainKernels[] = {
    // name + function                          border            flags                     reads         CL       effect test        sets
    {MP_KERNEL(MP_calcPixelFractalGrain),       SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_POSITION, nullptr, GrainHasEffect,    kGrainSets},
    {MP_KERNEL(MP_calcPixelFractalHSVGrain),    SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_POSITION, nullptr, GrainHasEffect,    kGrainSets},
    {MP_KERNEL(MP_calcPixelFractalHSLGrain),    SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_POSITION, nullptr, GrainHasEffect,    kGrainSets},
    {MP_KERNEL(MP_calcPixelAnalogGrain),        SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_POSITION, nullptr, GrainHasEffect,    kGrainSets},
    {MP_KERNEL(MP_calcPixelAnalogHSVGrain),     SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_POSITION, nullptr, GrainHasEffect,    kGrainSets},
    {MP_KERNEL(MP_calcPixelAnalogHSLGrain),     SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_POSITION, nullptr, GrainHasEffect,    kGrainSets},
    {MP_KERNEL(MP_calcPixelHalftone),           SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_POSITION, nullptr, HalftoneHasEffect, kHalftoneSets},
    {MP_KERNEL(MP_calcPixelAging),              SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_POSITION, nullptr, AgingHasEffect,    kAgingSets},
};
}  // namespace

std::span<const SKernelEntry> ExposureGrainKernels()
{
    return kGrainKernels;
}
