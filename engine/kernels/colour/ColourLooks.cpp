// Colour looks that depend on the pixel's colour (and, for the dithered palette, its position):
// grey ink, pastel, the 16-colour home-computer palette, red-eye removal, time of day, season.
#include "engine/kernels/colour/ColourShared.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <span>

using namespace ColourFamily;

namespace
{
bool StrengthInSet1(const Params& p)
{
    return p.p[1][0] > 0.001f;
}

bool StrengthInSet0(const Params& p)
{
    return p.p[0][0] > 0.001f;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorTint — sets: 0 ink colour, 1 strength, 2 saturation limit, 3 combo,
// 4 geometry. Greys (and colours below the limit, fading out towards it) take the ink's hue at
// their own luminance; colourful areas stay as they are.
constexpr SSetLayout kColorTintSets{-1, eCR_NONE, 3, 4};

struct SColorTintOp
{
    float afInk[3]; // the ink scaled to luminance 1
    float fStrength, fLimit;
    float lum[3];
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        const Colour::SComponents hsv = Colour::RgbToHsv(c0[0], c0[1], c0[2]);
        const float w = fStrength * (1.0f - Smoothstep(0.0f, fLimit, hsv.f1));
        const float L = Lum(lum, c0);
        for (int c = 0; c < 3; ++c)
            ce[c] = Mix(c0[c], L * afInk[c], w);
    }
};
}  // namespace

int MP_calcPixelColorTint(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    SColorTintOp op{{}, MP_Clamp01(p->p[1][0]), std::fmax(0.01f, MP_Clamp01(p->p[2][0])), {p->lumr, p->lumg, p->lumb}};
    float ink[3] = {MP_Clamp01(p->p[0][2]), MP_Clamp01(p->p[0][3]), MP_Clamp01(p->p[0][4])};
    const float L = std::fmax(Lum(op.lum, ink), 0.01f);
    for (int c = 0; c < 3; ++c)
        op.afInk[c] = ink[c] / L;
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kColorTintSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelPastell — sets: 0 strength, 1 lightening, 2 combo, 3 geometry. Colours lose part of
// their saturation, the picture is lifted towards white and its contrast softened.
namespace
{
constexpr SSetLayout kPastellSets{-1, eCR_NONE, 2, 3};

struct SPastellOp
{
    float fStrength, fLift;
    float lum[3];
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        const float L = Lum(lum, c0);
        for (int c = 0; c < 3; ++c)
        {
            float v = Mix(c0[c], L, 0.45f * fStrength);
            v += (1.0f - v) * 0.35f * fLift * fStrength;
            ce[c] = 0.5f + (v - 0.5f) * (1.0f - 0.25f * fStrength);
        }
    }
};
}  // namespace

int MP_calcPixelPastell(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SPastellOp op{MP_Clamp01(p->p[0][0]), MP_Clamp01(p->p[1][0]), {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kPastellSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelC64 — sets: 0 dithering (0…100 %), 1 combo, 2 geometry. Every pixel becomes the
// nearest of the sixteen colours of the classic home computer, with an ordered 4 × 4 dither that
// mixes neighbouring palette colours in gradients.
namespace
{
constexpr SSetLayout kC64Sets{-1, eCR_NONE, 1, 2};

constexpr uint32_t kC64Palette[16] = {0x000000, 0xFFFFFF, 0x883932, 0x67B6BD, 0x8B3F96, 0x55A049, 0x40318D, 0xBFCE72,
                                      0x8B5429, 0x574200, 0xB86962, 0x505050, 0x787878, 0x94E089, 0x7869C4, 0x9F9F9F};
constexpr int kCubeSide = 32;

float PaletteChannel(int index, int c)
{
    return float((kC64Palette[index] >> (16 - 8 * c)) & 0xFF) / 255.0f;
}

/// Nearest palette entry for every cell of a 32³ colour cube (weighted distance: green counts
/// most, as the eye sees it).
const std::array<uint8_t, kCubeSide * kCubeSide * kCubeSide>& NearestPaletteCube()
{
    static const auto cube = [] {
        std::array<uint8_t, kCubeSide * kCubeSide * kCubeSide> t{};
        for (int i = 0; i < kCubeSide * kCubeSide * kCubeSide; ++i)
        {
            const float c[3] = {float(i % kCubeSide) / (kCubeSide - 1), float(i / kCubeSide % kCubeSide) / (kCubeSide - 1),
                                float(i / (kCubeSide * kCubeSide)) / (kCubeSide - 1)};
            float best = 1e9f;
            for (int k = 0; k < 16; ++k)
            {
                const float dr = c[0] - PaletteChannel(k, 0), dg = c[1] - PaletteChannel(k, 1), db = c[2] - PaletteChannel(k, 2);
                const float d = 2.0f * dr * dr + 4.0f * dg * dg + 3.0f * db * db;
                if (d < best)
                    best = d, t[size_t(i)] = uint8_t(k);
            }
        }
        return t;
    }();
    return cube;
}

struct SC64Op
{
    const uint8_t* cube;
    float fDither;
    int iYOffset;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        static constexpr int kBayer[16] = {0, 8, 2, 10, 12, 4, 14, 6, 3, 11, 1, 9, 15, 7, 13, 5};
        const int yy = (y + iYOffset) & 3;
        const float offset = (float(kBayer[yy * 4 + (x & 3)]) + 0.5f) / 16.0f - 0.5f;
        int idx[3];
        for (int c = 0; c < 3; ++c)
            idx[c] = int(MP_Clamp01(c0[c] + offset * fDither * 0.25f) * (kCubeSide - 1) + 0.5f);
        const int k = cube[(idx[2] * kCubeSide + idx[1]) * kCubeSide + idx[0]];
        for (int c = 0; c < 3; ++c)
            ce[c] = PaletteChannel(k, c);
    }
};
}  // namespace

int MP_calcPixelC64(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SC64Op op{NearestPaletteCube().data(), MP_Clamp01(p->p[0][0]), p->y_offset};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kC64Sets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelRedEyes — sets: 0 sensitivity, 1 strength, 2 combo, 3 geometry (the shapes put
// over the eyes limit it to them). A pixel whose red exceeds its green and blue by far (the flash
// reflected by the retina) gets the mean of green and blue as its red: the pupil turns dark grey.
namespace
{
constexpr SSetLayout kRedEyesSets{-1, eCR_NONE, 2, 3};

struct SRedEyesOp
{
    float fThreshold, fStrength;
    void Pixel(int, int, const uint16_t*, float* c0, float* ce) const
    {
        const float other = std::fmax(c0[1], c0[2]);
        const float ratio = c0[0] / (other + 0.02f);
        const float w = Smoothstep(fThreshold, fThreshold + 0.8f, ratio) * Smoothstep(0.1f, 0.25f, c0[0]) * fStrength;
        ce[0] = Mix(c0[0], 0.5f * (c0[1] + c0[2]), w);
        ce[1] = c0[1], ce[2] = c0[2];
    }
};
}  // namespace

int MP_calcPixelRedEyes(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SRedEyesOp op{1.5f + (1.0f - MP_Clamp01(p->p[0][0])) * 2.5f, MP_Clamp01(p->p[1][0])};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kRedEyesSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// Time of day and season: a small grade (channel gains, a power, saturation, a lift towards white
// and, for the seasons, a pull of the foliage hues) interpolated between keyframes.
namespace
{
struct SLookKey
{
    float at;
    float gain[3];
    float exponent, saturation, lift;
    float foliageHue, foliagePull, foliageSaturation;
};

SLookKey Interpolate(const SLookKey* keys, int count, float at)
{
    if (!(at > keys[0].at))
        return keys[0];
    for (int i = 1; i < count; ++i)
        if (at <= keys[i].at)
        {
            const SLookKey &a = keys[i - 1], &b = keys[i];
            const float t = (at - a.at) / (b.at - a.at);
            SLookKey k{};
            k.at = at;
            for (int c = 0; c < 3; ++c)
                k.gain[c] = Mix(a.gain[c], b.gain[c], t);
            k.exponent = Mix(a.exponent, b.exponent, t);
            k.saturation = Mix(a.saturation, b.saturation, t);
            k.lift = Mix(a.lift, b.lift, t);
            // A hue target only matters where it pulls: take the target of the side that pulls.
            k.foliageHue = a.foliagePull > b.foliagePull ? a.foliageHue : b.foliageHue;
            k.foliagePull = Mix(a.foliagePull, b.foliagePull, t);
            k.foliageSaturation = Mix(a.foliageSaturation, b.foliageSaturation, t);
            return k;
        }
    return keys[count - 1];
}

/// The key mixed with the neutral grade by `strength`.
SLookKey Weaken(SLookKey k, float strength)
{
    for (float& g : k.gain)
        g = Mix(1.0f, g, strength);
    k.exponent = Mix(1.0f, k.exponent, strength);
    k.saturation = Mix(1.0f, k.saturation, strength);
    k.lift *= strength;
    k.foliagePull *= strength;
    k.foliageSaturation = Mix(1.0f, k.foliageSaturation, strength);
    return k;
}

struct SLookOp
{
    SLookKey key;
    SChannelTables power; // gain × x^exponent per channel
    float lum[3];
    bool bFoliage;
    void Pixel(int, int, const uint16_t* in, float* c0, float* ce) const
    {
        float c[3] = {c0[0], c0[1], c0[2]};
        if (bFoliage)
        {
            Colour::SComponents hsv = Colour::RgbToHsv(c[0], c[1], c[2]);
            const float wf = Smoothstep(0.12f, 0.2f, hsv.f0) * (1.0f - Smoothstep(0.42f, 0.5f, hsv.f0)) *
                             Smoothstep(0.05f, 0.25f, hsv.f1);
            if (wf > 0.0f)
            {
                hsv.f0 += (key.foliageHue - hsv.f0) * key.foliagePull * wf;
                hsv.f1 = std::fmin(1.0f, hsv.f1 * Mix(1.0f, key.foliageSaturation, wf));
                Colour::HsvToRgb(hsv, c[0], c[1], c[2]);
                for (int i = 0; i < 3; ++i)
                    c[i] = power.t[i]->af[MP_Encode(MP_Clamp01(c[i]))];
            }
            else
                for (int i = 0; i < 3; ++i)
                    c[i] = power.t[i]->af[in[i]];
        }
        else
            for (int i = 0; i < 3; ++i)
                c[i] = power.t[i]->af[in[i]];
        const float L = Lum(lum, c);
        for (int i = 0; i < 3; ++i)
        {
            const float v = L + (c[i] - L) * key.saturation;
            ce[i] = v + (1.0f - v) * key.lift;
        }
    }
};

int RunLook(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p, const SSetLayout& sets,
            const SLookKey& key)
{
    float keys[3][3];
    for (int c = 0; c < 3; ++c)
        keys[c][0] = std::pow(std::fmax(key.gain[c], 1e-4f), 1.0f / key.exponent), keys[c][1] = 0.0f,
        keys[c][2] = key.exponent;
    const SChannelTables power = ChannelTables(*p, eLT_SLOPE_OFFSET_POWER, keys, [&keys](int c, float x) {
        return std::pow(x * keys[c][0], keys[c][2]);
    });
    const SLookOp op{key, power, {p->lumr, p->lumg, p->lumb}, key.foliagePull > 0.0f || Differs(key.foliageSaturation, 1.0f)};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(sets, *p), op);
}

// MP_calcPixelDaytime — sets: 0 time of day (4:00…24:00, noon neutral), 1 strength, 2 combo,
// 3 geometry. Dawn is pink and soft, the morning fresh, the afternoon warm, the golden hour
// orange and saturated, dusk and night blue, dark and pale.
constexpr SSetLayout kDaytimeSets{-1, eCR_NONE, 2, 3};
constexpr float kNoon = 0.4f; // (12 − 4) ÷ 20
constexpr SLookKey kDaytime[] = {
    {0.0f, {0.45f, 0.55f, 0.8f}, 1.3f, 0.5f, 0.0f, 0, 0, 1},
    {0.125f, {1.0f, 0.82f, 0.86f}, 1.1f, 0.85f, 0.02f, 0, 0, 1},
    {0.25f, {0.97f, 1.0f, 1.05f}, 0.95f, 0.95f, 0.01f, 0, 0, 1},
    {kNoon, {1.0f, 1.0f, 1.0f}, 1.0f, 1.0f, 0.0f, 0, 0, 1},
    {0.6f, {1.05f, 1.0f, 0.92f}, 1.0f, 1.05f, 0.0f, 0, 0, 1},
    {0.75f, {1.15f, 0.92f, 0.7f}, 1.05f, 1.15f, 0.0f, 0, 0, 1},
    {0.85f, {0.75f, 0.7f, 0.95f}, 1.25f, 0.7f, 0.0f, 0, 0, 1},
    {1.0f, {0.4f, 0.5f, 0.8f}, 1.35f, 0.45f, 0.0f, 0, 0, 1},
};

bool DaytimeHasEffect(const Params& p)
{
    return Differs(p.p[0][0], kNoon) && p.p[1][0] > 0.001f;
}
}  // namespace

int MP_calcPixelDaytime(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SLookKey key = Weaken(Interpolate(kDaytime, 8, MP_Clamp01(p->p[0][0])), MP_Clamp01(p->p[1][0]));
    return RunLook(w, h, src, dst, ss, ts, p, kDaytimeSets, key);
}

// MP_calcPixelYeartime — sets: 0 season (spring, summer, autumn, winter; summer neutral),
// 1 strength, 2 combo, 3 geometry. Foliage greens turn fresh yellow-green in spring and orange in
// autumn and fade in winter, with a matching overall light.
namespace
{
constexpr SSetLayout kYeartimeSets{-1, eCR_NONE, 2, 3};
constexpr float kSummer = 1.0f / 3.0f;
constexpr SLookKey kSeasons[] = {
    {0.0f, {1.0f, 1.02f, 0.99f}, 0.95f, 0.9f, 0.03f, 0.27f, 1.0f, 1.1f},
    {kSummer, {1.0f, 1.0f, 1.0f}, 1.0f, 1.0f, 0.0f, 0.27f, 0.0f, 1.0f},
    {2.0f / 3.0f, {1.06f, 1.0f, 0.88f}, 1.0f, 1.05f, 0.0f, 0.07f, 1.0f, 1.15f},
    {1.0f, {0.9f, 0.97f, 1.1f}, 0.9f, 0.6f, 0.04f, 0.07f, 1.0f, 0.25f},
};

bool YeartimeHasEffect(const Params& p)
{
    return Differs(p.p[0][0], kSummer) && p.p[1][0] > 0.001f;
}
}  // namespace

int MP_calcPixelYeartime(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SLookKey key = Weaken(Interpolate(kSeasons, 4, MP_Clamp01(p->p[0][0])), MP_Clamp01(p->p[1][0]));
    return RunLook(w, h, src, dst, ss, ts, p, kYeartimeSets, key);
}

namespace
{
const SKernelEntry kColourLookKernels[] = {
    // name + function                border            flags                     reads          CL       effect test        sets
    {MP_KERNEL(MP_calcPixelColorTint), SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,   nullptr, StrengthInSet1,    kColorTintSets},
    {MP_KERNEL(MP_calcPixelPastell),   SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,   nullptr, StrengthInSet0,    kPastellSets},
    {MP_KERNEL(MP_calcPixelC64),       SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_POSITION, nullptr, nullptr,           kC64Sets},
    {MP_KERNEL(MP_calcPixelRedEyes),   SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,   nullptr, StrengthInSet1,    kRedEyesSets},
    {MP_KERNEL(MP_calcPixelDaytime),   SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,   nullptr, DaytimeHasEffect,  kDaytimeSets},
    {MP_KERNEL(MP_calcPixelYeartime),  SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_COLOUR,   nullptr, YeartimeHasEffect, kYeartimeSets},
};
}  // namespace

std::span<const SKernelEntry> ColourLookKernels()
{
    return kColourLookKernels;
}
