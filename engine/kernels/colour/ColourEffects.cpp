// Colour operators that read more than the pixel's colour: the unprocessed picture blended back,
// a photographic reflector, a graduated colour filter, local colour contrast, a polarising
// filter, and the two corrections of colour fringes (per-channel zoom and fringe removal).
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
bool StrengthInSet0(const Params& p)
{
    return p.p[0][0] > 0.001f;
}

float FullWidth(const Params& p, int w)
{
    return float(p.width > 0 ? p.width : w);
}

float FullHeight(const Params& p, int h)
{
    return float(p.height > 0 ? p.height : h);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelOriginalBlend — sets: 0 strength, 1 masking curve, 2 combo, 3 geometry. Mixes the
// picture as it was before the chain back into the graded one (the source is that unprocessed
// copy, the target the graded picture); the masking curve and the frame weigh it by the graded
// pixel.
constexpr SSetLayout kOriginalBlendSets{1, eCR_MASK, 2, 3};

struct SOriginalBlendOp
{
    const uint16_t* original;
    int width, step;
    float fStrength;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const uint16_t* o = original + (size_t(y) * width + x) * step;
        for (int c = 0; c < 3; ++c)
            ce[c] = Mix(c0[c], float(o[c]) * MP_DECODE, fStrength);
    }
};
}  // namespace

int MP_calcPixelOriginalBlend(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const SOriginalBlendOp op{src, w, ss / 2, MP_Clamp01(p->p[0][0])};
    // The graded picture is the input the frame mixes with; the original is only read.
    return MP_RunPointKernel(w, h, dst, dst, ts, ts, MP_PrepareFrame(kOriginalBlendSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelAddReflector — sets: 0 strength, 1 reflector colour (gold by default), 2 where the
// reflector stands, 3 combo, 4 geometry. Fill light bounced into the shadows: the darker an area
// (judged over a small neighbourhood, so texture is not brightened unevenly) and the nearer to
// the reflector, the more of its colour is screened in.
namespace
{
constexpr SSetLayout kReflectorSets{-1, eCR_NONE, 3, 4};

struct SReflectorOp
{
    const SPlane* blur;
    int width;
    float fStrength, afColour[3], fX, fY, fW, fH;
    int iYOffset;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float dark = 1.0f - float((*blur)[size_t(y) * width + x]) * MP_DECODE;
        const float dx = float(x) / fW - fX, dy = float(y + iYOffset) / fH - fY;
        const float near = 1.0f - 0.6f * std::fmin(1.0f, std::sqrt(dx * dx + dy * dy));
        const float fill = 0.5f * fStrength * dark * dark * near;
        for (int c = 0; c < 3; ++c)
            ce[c] = 1.0f - (1.0f - c0[c]) * (1.0f - fill * afColour[c]);
    }
};
}  // namespace

int MP_calcPixelAddReflector(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    SPlane blur = LuminancePlane(*p, src, ss, w, h);
    SoftBlur(*p, blur, w, h, ScaledReach(*p, 24.0f));
    const SReflectorOp op{&blur,
                          w,
                          MP_Clamp01(p->p[0][0]),
                          {MP_Clamp01(p->p[1][2]), MP_Clamp01(p->p[1][3]), MP_Clamp01(p->p[1][4])},
                          MP_Clamp01(p->p[2][0]),
                          MP_Clamp01(p->p[2][1]),
                          FullWidth(*p, w),
                          FullHeight(*p, h),
                          p->y_offset};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kReflectorSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelTiltColor — sets: 0 filter colour, 1 strength, 2 line from the filter's full
// strength to where it ends, 3 combo, 4 geometry. A graduated colour filter (a sunset sky, a
// tinted foreground): each channel passes 1 − strength × (1 − colour) at the start of the line,
// fading smoothly to nothing at its end.
namespace
{
constexpr SSetLayout kTiltColorSets{-1, eCR_NONE, 3, 4};

struct STiltColorOp
{
    float afColour[3], fStrength;
    float fX1, fY1, fDx, fDy, fInvLen2;
    float fW, fH;
    int iYOffset;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float px = float(x) / fW - fX1, py = float(y + iYOffset) / fH - fY1;
        const float t = (px * fDx + py * fDy) * fInvLen2;
        const float k = fStrength * (1.0f - Smoothstep(0.0f, 1.0f, t));
        for (int c = 0; c < 3; ++c)
            ce[c] = c0[c] * (1.0f - k * (1.0f - afColour[c]));
    }
};

bool TiltColorHasEffect(const Params& p)
{
    return p.p[1][0] > 0.001f;
}
}  // namespace

int MP_calcPixelTiltColor(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    STiltColorOp op{};
    for (int c = 0; c < 3; ++c)
        op.afColour[c] = MP_Clamp01(p->p[0][2 + c]);
    op.fStrength = MP_Clamp01(p->p[1][0]);
    op.fX1 = MP_Clamp01(p->p[2][0]), op.fY1 = MP_Clamp01(p->p[2][1]);
    op.fDx = MP_Clamp01(p->p[2][2]) - op.fX1, op.fDy = MP_Clamp01(p->p[2][3]) - op.fY1;
    const float len2 = op.fDx * op.fDx + op.fDy * op.fDy;
    op.fInvLen2 = len2 > 1e-8f ? 1.0f / len2 : 0.0f; // a line without length: full strength everywhere
    op.fW = FullWidth(*p, w), op.fH = FullHeight(*p, h), op.iYOffset = p->y_offset;
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kTiltColorSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelColorContrast — sets: 0 radius (× 500 pixels at full size), 1 strength, 2 combo,
// 3 geometry. An unsharp mask on the colour alone: each pixel's departure from grey is pushed
// away from its surroundings' departure, so neighbouring colours separate while the luminance
// and its detail stay as they are.
namespace
{
constexpr SSetLayout kColorContrastSets{-1, eCR_NONE, 2, 3};

int RadiusReach(const Params& p, float fullSize)
{
    return ScaledReach(p, MP_Clamp01(p.p[0][0]) * fullSize);
}

bool ColorContrastHasEffect(const Params& p)
{
    return p.p[1][0] > 0.001f && Blurs(RadiusReach(p, 500.0f));
}

/// The departures from grey (c − luminance) as planes biased to mid-level: 0.5 + (c − L) ÷ 2.
std::array<SPlane, 3> ChromaPlanes(const Params& p, const uint16_t* src, int ss, int w, int h)
{
    const size_t n = size_t(w) * h;
    std::array<SPlane, 3> planes{SPlane(n), SPlane(n), SPlane(n)};
    const int step = ss / 2;
    const float lum[3] = {p.lumr, p.lumg, p.lumb};
    MP_MT_ForBands(h, MP_KernelWorkers(p, w, h), [&](const TaskFuncParams& t) {
        for (size_t i = size_t(t.iRowBegin) * w; i < size_t(t.iRowEnd) * w; ++i)
        {
            const uint16_t* px = src + i * step;
            const float c[3] = {px[0] * MP_DECODE, px[1] * MP_DECODE, px[2] * MP_DECODE};
            const float L = Lum(lum, c);
            for (int k = 0; k < 3; ++k)
                planes[size_t(k)][i] = MP_RoundLevel(0.5f + (c[k] - L) * 0.5f);
        }
    });
    return planes;
}

struct SColorContrastOp
{
    const std::array<SPlane, 3>* blur;
    int width;
    float fAmount;
    float lum[3];
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const size_t i = size_t(y) * width + x;
        const float L = Lum(lum, c0);
        for (int c = 0; c < 3; ++c)
        {
            const float d = c0[c] - L, around = (float((*blur)[size_t(c)][i]) * MP_DECODE - 0.5f) * 2.0f;
            ce[c] = L + d + fAmount * (d - around);
        }
    }
};
}  // namespace

int MP_calcPixelColorContrast(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    std::array<SPlane, 3> blur = ChromaPlanes(*p, src, ss, w, h);
    const int reach = RadiusReach(*p, 500.0f);
    for (SPlane& plane : blur)
        SoftBlur(*p, plane, w, h, reach);
    const SColorContrastOp op{&blur, w, Blurs(reach) ? 2.0f * MP_Clamp01(p->p[1][0]) : 0.0f, {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kColorContrastSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelPolfilter — sets: 0 radius (× 500 pixels at full size), 1 strength, 2 combo,
// 3 geometry. What a polarising filter does: the veil of scattered light and reflections (the
// local minimum channel, averaged over the radius) is taken out, blue sky darkens and colours
// gain saturation.
namespace
{
constexpr SSetLayout kPolfilterSets{-1, eCR_NONE, 2, 3};

bool PolfilterHasEffect(const Params& p)
{
    return p.p[1][0] > 0.001f;
}

struct SPolfilterOp
{
    const SPlane* veil;
    int width;
    float fStrength;
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float haze = 0.6f * fStrength * float((*veil)[size_t(y) * width + x]) * MP_DECODE;
        float c[3];
        for (int i = 0; i < 3; ++i)
            c[i] = MP_Clamp01((c0[i] - haze) / (1.0f - haze));
        Colour::SComponents hsv = Colour::RgbToHsv(c[0], c[1], c[2]);
        const float sky = Smoothstep(0.47f, 0.55f, hsv.f0) * (1.0f - Smoothstep(0.65f, 0.72f, hsv.f0)) * hsv.f1;
        hsv.f2 *= 1.0f - 0.35f * fStrength * sky;
        hsv.f1 = std::fmin(1.0f, hsv.f1 * (1.0f + 0.25f * fStrength));
        Colour::HsvToRgb(hsv, ce[0], ce[1], ce[2]);
    }
};
}  // namespace

int MP_calcPixelPolfilter(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    SPlane veil(size_t(w) * h);
    const int step = ss / 2;
    for (size_t i = 0; i < veil.size(); ++i)
        veil[i] = std::min(src[i * step], std::min(src[i * step + 1], src[i * step + 2]));
    SoftBlur(*p, veil, w, h, RadiusReach(*p, 500.0f));
    const SPolfilterOp op{&veil, w, MP_Clamp01(p->p[1][0])};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kPolfilterSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelChromaticZoom — sets: 0 red zoom, 1 blue zoom (−0.5…0.5 %, 0.5 none), 2 centre,
// 3 combo, 4 geometry. Lateral chromatic aberration corrected by scaling the red and the blue
// image about the optical centre until their edges meet the green ones (bilinear resampling).
namespace
{
constexpr SSetLayout kChromaticZoomSets{-1, eCR_NONE, 3, 4};

bool ChromaticZoomHasEffect(const Params& p)
{
    return Differs(p.p[0][0], 0.5f) || Differs(p.p[1][0], 0.5f);
}

struct SChromaticZoomOp
{
    const uint16_t* image; // packed, stable while the target is written
    int width, height;
    float fCx, fCy, afInvZoom[3];
    float Sample(float fx, float fy, int c) const
    {
        fx = Clamp(fx, 0.0f, float(width - 1)), fy = Clamp(fy, 0.0f, float(height - 1));
        const int x0 = int(fx), y0 = int(fy);
        const int x1 = std::min(x0 + 1, width - 1), y1 = std::min(y0 + 1, height - 1);
        const float ax = fx - float(x0), ay = fy - float(y0);
        auto at = [&](int x, int y) { return float(image[(size_t(y) * width + x) * 3 + c]); };
        return Mix(Mix(at(x0, y0), at(x1, y0), ax), Mix(at(x0, y1), at(x1, y1), ax), ay) * MP_DECODE;
    }
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        for (int c = 0; c < 3; ++c)
            ce[c] = c == 1 ? c0[1]
                           : Sample(fCx + (float(x) - fCx) * afInvZoom[c], fCy + (float(y) - fCy) * afInvZoom[c], c);
    }
};
}  // namespace

int MP_calcPixelChromaticZoom(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const CStableSource stable(w, h, src, ss, dst);
    const SChromaticZoomOp op{stable.Data(),
                              w,
                              h,
                              MP_Clamp01(p->p[2][0]) * float(w - 1),
                              MP_Clamp01(p->p[2][1]) * float(h - 1),
                              {1.0f / (1.0f + Signed(p->p[0][0]) * 0.005f), 1.0f, 1.0f / (1.0f + Signed(p->p[1][0]) * 0.005f)}};
    return MP_RunPointKernel(w, h, stable.Data(), dst, 6, ts, MP_PrepareFrame(kChromaticZoomSets, *p), op);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelChromaticAberration — sets: 0 radius (× 30 pixels at full size), 1 strength,
// 2 combo, 3 geometry. Removes purple and green fringes: within the radius of a sharp luminance
// edge (the luminance gradient spread over the radius), pixels of fringe hues lose their colour.
namespace
{
constexpr SSetLayout kChromaticAberrationSets{-1, eCR_NONE, 2, 3};

bool ChromaticAberrationHasEffect(const Params& p)
{
    return p.p[1][0] > 0.001f && Blurs(RadiusReach(p, 30.0f) - 1);
}

/// |∂L/∂x| + |∂L/∂y| by central differences, edges clamped.
SPlane GradientPlane(const Params& p, const SPlane& lum, int w, int h)
{
    SPlane g(lum.size());
    MP_MT_ForBands(h, MP_KernelWorkers(p, w, h), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
        {
            const uint16_t* up = &lum[size_t(std::max(0, y - 1)) * w];
            const uint16_t* row = &lum[size_t(y) * w];
            const uint16_t* down = &lum[size_t(std::min(h - 1, y + 1)) * w];
            for (int x = 0; x < w; ++x)
            {
                const int dx = std::abs(int(row[std::min(w - 1, x + 1)]) - int(row[std::max(0, x - 1)]));
                const int dy = std::abs(int(down[x]) - int(up[x]));
                g[size_t(y) * w + x] = uint16_t(std::min(65535, dx + dy));
            }
        }
    });
    return g;
}

struct SDefringeOp
{
    const SPlane* edges;
    int width;
    float fStrength;
    float lum[3];
    void Pixel(int x, int y, const uint16_t*, float* c0, float* ce) const
    {
        const float edge = Smoothstep(0.01f, 0.05f, float((*edges)[size_t(y) * width + x]) * MP_DECODE);
        const float h = Colour::RgbToHsv(c0[0], c0[1], c0[2]).f0;
        const float purple = Smoothstep(0.68f, 0.75f, h) * (1.0f - Smoothstep(0.9f, 0.97f, h));
        const float green = Smoothstep(0.22f, 0.27f, h) * (1.0f - Smoothstep(0.42f, 0.47f, h));
        const float w = fStrength * edge * std::fmax(purple, green);
        const float L = Lum(lum, c0);
        for (int c = 0; c < 3; ++c)
            ce[c] = Mix(c0[c], L, w);
    }
};
}  // namespace

int MP_calcPixelChromaticAberration(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    // The gradient reads one row beyond the blur's reach, which must stay within the border.
    const int reach = RadiusReach(*p, 30.0f) - 1;
    SPlane edges = GradientPlane(*p, LuminancePlane(*p, src, ss, w, h), w, h);
    SoftBlur(*p, edges, w, h, reach);
    const SDefringeOp op{&edges, w, Blurs(reach) ? MP_Clamp01(p->p[1][0]) : 0.0f, {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kChromaticAberrationSets, *p), op);
}

namespace
{
const SKernelEntry kColourEffectKernels[] = {
    // name + function                              border                          flags                                               reads           CL       effect test                   sets
    {MP_KERNEL(MP_calcPixelOriginalBlend),          SBorder::Rows(0),               eKF_CPU_ONLY | eKF_POINT | eKF_NEEDS_UNPROCESSED,   eIN_NEIGHBOURS, nullptr, StrengthInSet0,               kOriginalBlendSets},
    {MP_KERNEL(MP_calcPixelAddReflector),           SBorder::Scaled(25),            eKF_CPU_ONLY | eKF_POINT,                           eIN_NEIGHBOURS, nullptr, StrengthInSet0,               kReflectorSets},
    {MP_KERNEL(MP_calcPixelTiltColor),              SBorder::Rows(0),               eKF_CPU_ONLY | eKF_POINT | eKF_WHOLE_IMAGE,         eIN_POSITION,   nullptr, TiltColorHasEffect,           kTiltColorSets},
    {MP_KERNEL(MP_calcPixelColorContrast),          SBorder::FromP00(500, 1, true), eKF_CPU_ONLY | eKF_POINT,                           eIN_NEIGHBOURS, nullptr, ColorContrastHasEffect,       kColorContrastSets},
    {MP_KERNEL(MP_calcPixelPolfilter),              SBorder::FromP00(500, 1, true), eKF_CPU_ONLY | eKF_POINT,                           eIN_NEIGHBOURS, nullptr, PolfilterHasEffect,           kPolfilterSets},
    {MP_KERNEL(MP_calcPixelChromaticZoom),          SBorder::Rows(0),               eKF_CPU_ONLY | eKF_POINT | eKF_WHOLE_IMAGE,         eIN_NEIGHBOURS, nullptr, ChromaticZoomHasEffect,       kChromaticZoomSets},
    // The one colour operator that may run on a device once it has a device version.
    {MP_KERNEL(MP_calcPixelChromaticAberration),    SBorder::FromP00(30, 1, true),  eKF_POINT,                                          eIN_NEIGHBOURS, nullptr, ChromaticAberrationHasEffect, kChromaticAberrationSets},
};
}  // namespace

std::span<const SKernelEntry> ColourEffectKernels()
{
    return kColourEffectKernels;
}
