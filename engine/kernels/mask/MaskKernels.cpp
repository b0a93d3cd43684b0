// Mask operators: each computes a selection from the image (tones, colours, channel shares,
// detail, colour families such as skin, sky and foliage, gradients, vignettes) and combines it
// with the active mask through its layer effect (mode 0 replaces, 1 adds as the maximum,
// 2 intersects as the minimum, 3 multiplies, …), opacity and geometry. The image itself is left
// as it is.
#include "core/ColourSpace.h"
#include "engine/PointKernel.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace
{
float Smoothstep(float e0, float e1, float x)
{
    if (!(e1 > e0))
        return x >= e1 ? 1.0f : 0.0f;
    const float t = MP_Clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0f - 2.0f * t);
}

/// 1 inside [lo, hi], falling to 0 over `soft` outside it.
float Band(float v, float lo, float hi, float soft)
{
    if (hi < lo)
        std::swap(lo, hi);
    return Smoothstep(lo - soft, lo, v) * (1.0f - Smoothstep(hi, hi + soft, v));
}

/// Runs `select(x, y, colour)` (→ 0…1) over the image and frames the selection into the mask;
/// y is the row of the given image.
template <class Select>
int RunMaskAt(int w, int h, const uint16_t* src, uint16_t* dst, int ss, const Params* p, const SSetLayout& sets,
              const Select& select)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    CMaskPlane& plane = MP_Engine(*p).Mask();
    if (!plane.Activate(w, h))
        return MP_OUTOFMEMORY;
    uint16_t* mask = plane.Plane(w, h);
    const SLayerFrame frame = MP_PrepareFrame(sets, *p);
    const int step = ss / 2;
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            for (int x = 0; x < w; ++x)
            {
                const size_t i = size_t(y) * w + x;
                float g = 1.0f;
                if (frame.HasGeometry())
                {
                    g = frame.Geometry(x, y);
                    if (g <= 0.0f)
                        continue;
                }
                const uint16_t* px = src + i * step;
                const float c[3] = {px[0] * MP_DECODE, px[1] * MP_DECODE, px[2] * MP_DECODE};
                const float old = mask[i] * MP_DECODE;
                const float c0[3] = {old, old, old};
                const float s = MP_Clamp01(select(x, y, c));
                float ce[3] = {s, s, s};
                frame.Layer(c0, ce);
                SLayerFrame::Weigh(c0, ce, g);
                mask[i] = MP_Encode(ce[0]);
            }
    });
    return MP_SUCCESS;
}

/// The same for a selection by the pixel's colour alone.
template <class Select>
int RunMask(int w, int h, const uint16_t* src, uint16_t* dst, int ss, const Params* p, const SSetLayout& sets,
            const Select& select)
{
    return RunMaskAt(w, h, src, dst, ss, p, sets, [&](int, int, const float* c) { return select(c); });
}

float Lum(const Params* p, const float* c)
{
    return p->lumr * c[0] + p->lumg * c[1] + p->lumb * c[2];
}

// Sets of the range masks: 0 lower bound, 1 upper bound, 2 softness, 3 combo, 4 geometry.
constexpr SSetLayout kRangeSets{-1, eCR_NONE, 3, 4};
// Sets of the tone masks: 0 threshold (or width), 1 softness, 2 combo, 3 geometry.
constexpr SSetLayout kToneSets{-1, eCR_NONE, 2, 3};
}  // namespace

/// Sets: none used (a geometry set may follow). Drops the active mask, so later operators apply
/// everywhere again.
int MP_calcPixelMaskRemove(int w, int h, const uint16_t* src, uint16_t* dst, int, int, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    MP_Engine(*p).Mask().Drop();
    return MP_SUCCESS;
}

int MP_calcPixelMaskLuminance(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    return RunMask(w, h, src, dst, ss, p, kRangeSets, [p](const float* c) {
        return Band(Lum(p, c), MP_Clamp01(p->p[0][0]), MP_Clamp01(p->p[1][0]), MP_Clamp01(p->p[2][0]));
    });
}

int MP_calcPixelMaskSaturation(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    return RunMask(w, h, src, dst, ss, p, kRangeSets, [p](const float* c) {
        const float s = Colour::RgbToHsv(c[0], c[1], c[2]).f1;
        return Band(s, MP_Clamp01(p->p[0][0]), MP_Clamp01(p->p[1][0]), MP_Clamp01(p->p[2][0]));
    });
}

/// Sets: 0 colour whose hue is selected, 1 hue tolerance (fraction of the circle, up to half),
/// 2 softness, 3 combo, 4 geometry. Greys are never selected.
int MP_calcPixelMaskColor(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    const float target = Colour::RgbToHsv(MP_Clamp01(p ? p->p[0][2] : 0), MP_Clamp01(p ? p->p[0][3] : 0),
                                          MP_Clamp01(p ? p->p[0][4] : 0)).f0;
    return RunMask(w, h, src, dst, ss, p, kRangeSets, [p, target](const float* c) {
        const Colour::SComponents hsv = Colour::RgbToHsv(c[0], c[1], c[2]);
        float d = std::fabs(hsv.f0 - target);
        d = std::fmin(d, 1.0f - d);
        const float tolerance = MP_Clamp01(p->p[1][0]) * 0.5f, soft = MP_Clamp01(p->p[2][0]) * 0.5f;
        return (1.0f - Smoothstep(tolerance, tolerance + soft, d)) * Smoothstep(0.0f, 0.1f, hsv.f1);
    });
}

int MP_calcPixelMaskHighlights(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    return RunMask(w, h, src, dst, ss, p, kToneSets, [p](const float* c) {
        const float t = MP_Clamp01(p->p[0][0]), soft = MP_Clamp01(p->p[1][0]);
        return Smoothstep(t - soft, t, Lum(p, c));
    });
}

int MP_calcPixelMaskShadows(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    return RunMask(w, h, src, dst, ss, p, kToneSets, [p](const float* c) {
        const float t = MP_Clamp01(p->p[0][0]), soft = MP_Clamp01(p->p[1][0]);
        return 1.0f - Smoothstep(t, t + soft, Lum(p, c));
    });
}

/// Sets: 0 width of the tonal band around the middle grey, 1 softness, 2 combo, 3 geometry.
int MP_calcPixelMaskMidtones(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    return RunMask(w, h, src, dst, ss, p, kToneSets, [p](const float* c) {
        const float half = MP_Clamp01(p->p[0][0]) * 0.5f;
        return Band(Lum(p, c), 0.5f - half, 0.5f + half, MP_Clamp01(p->p[1][0]));
    });
}

// ---------------------------------------------------------------------------------------------
// Detail — sets: 0 threshold (luminance range over 3 × 3 pixels, up to 20 % of the full range),
// 1 softness, 2 combo, 3 geometry. Textured areas and edges are selected, flat areas not; the
// non-detail mask selects the opposite.
namespace
{
/// Luminance range over the 3 × 3 neighbourhood of every pixel (edges clamped), 0…1.
std::vector<float> LocalRange(const Params* p, const uint16_t* src, int w, int h, int ss)
{
    const int step = ss / 2;
    std::vector<float> L(size_t(w) * h), range(L.size());
    for (size_t i = 0; i < L.size(); ++i)
    {
        const uint16_t* px = src + i * step;
        L[i] = (p->lumr * px[0] + p->lumg * px[1] + p->lumb * px[2]) * MP_DECODE;
    }
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            for (int x = 0; x < w; ++x)
            {
                float lo = 1.0f, hi = 0.0f;
                for (int yy = std::max(y - 1, 0); yy <= std::min(y + 1, h - 1); ++yy)
                    for (int xx = std::max(x - 1, 0); xx <= std::min(x + 1, w - 1); ++xx)
                    {
                        const float v = L[size_t(yy) * w + xx];
                        lo = std::fmin(lo, v), hi = std::fmax(hi, v);
                    }
                range[size_t(y) * w + x] = hi - lo;
            }
    });
    return range;
}

int RunDetailMask(int w, int h, const uint16_t* src, uint16_t* dst, int ss, const Params* p, bool detail)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const std::vector<float> range = LocalRange(p, src, w, h, ss);
    const float t = MP_Clamp01(p->p[0][0]) * 0.2f, soft = MP_Clamp01(p->p[1][0]);
    return RunMaskAt(w, h, src, dst, ss, p, kToneSets, [&](int x, int y, const float*) {
        const float s = Smoothstep(t * (1.0f - soft), t * (1.0f + soft) + 1.0e-4f, range[size_t(y) * w + x]);
        return detail ? s : 1.0f - s;
    });
}
}  // namespace

int MP_calcPixelMaskDetail(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    return RunDetailMask(w, h, src, dst, ss, p, true);
}

int MP_calcPixelMaskNonDetail(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    return RunDetailMask(w, h, src, dst, ss, p, false);
}

// ---------------------------------------------------------------------------------------------
// Channel share — sets: 0 threshold (share of the channel in r + g + b), 1 softness, 2 combo,
// 3 geometry. A grey has a share of one third in every channel; black is never selected.
namespace
{
int RunChannelMask(int w, int h, const uint16_t* src, uint16_t* dst, int ss, const Params* p, int channel)
{
    return RunMask(w, h, src, dst, ss, p, kToneSets, [p, channel](const float* c) {
        const float sum = c[0] + c[1] + c[2];
        if (!(sum > 0.02f))
            return 0.0f;
        const float t = MP_Clamp01(p->p[0][0]), soft = MP_Clamp01(p->p[1][0]) * 0.5f;
        return Smoothstep(t - soft, t, c[channel] / sum);
    });
}
}  // namespace

int MP_calcPixelMaskChannelR(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    return RunChannelMask(w, h, src, dst, ss, p, 0);
}

int MP_calcPixelMaskChannelG(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    return RunChannelMask(w, h, src, dst, ss, p, 1);
}

int MP_calcPixelMaskChannelB(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    return RunChannelMask(w, h, src, dst, ss, p, 2);
}

/// Sets: 0 lowest level the darkest channel may have, 1 highest level the brightest channel
/// may have, 2 softness (× 20 %), 3 combo, 4 geometry. Selects what is neither clipped nor
/// crushed in any channel.
int MP_calcPixelMaskMinMax(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    return RunMask(w, h, src, dst, ss, p, kRangeSets, [p](const float* c) {
        const float lo = MP_Clamp01(p->p[0][0]), hi = MP_Clamp01(p->p[1][0]), soft = MP_Clamp01(p->p[2][0]) * 0.2f;
        const float darkest = std::fmin(c[0], std::fmin(c[1], c[2]));
        const float brightest = std::fmax(c[0], std::fmax(c[1], c[2]));
        // The soft edges lie inside the range, so black and white are never selected.
        return Smoothstep(lo, lo + soft, darkest) * (1.0f - Smoothstep(hi - soft, hi, brightest));
    });
}

// ---------------------------------------------------------------------------------------------
// Gradation — sets: 0 curve (selection over luminance), 1 combo, 2 geometry.
namespace
{
constexpr SSetLayout kGradationSets{0, eCR_MASK_IN_KERNEL, 1, 2};
}

int MP_calcPixelMaskGradation(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float* curve = MP_MaskingTable(*p, p->p[0]);
    return RunMask(w, h, src, dst, ss, p, kGradationSets, [p, curve](const float* c) {
        return curve ? curve[int(MP_Clamp01(Lum(p, c)) * 65535.0f)] : 1.0f;
    });
}

// ---------------------------------------------------------------------------------------------
// Linear gradient — sets: 0 line (fully selected at its first point, not at all from its second
// point on, a smooth fall between), 1 combo, 2 geometry. Positions are fractions of the image.
namespace
{
constexpr SSetLayout kGradientSets{-1, eCR_NONE, 1, 2};
}

int MP_calcPixelMaskGradient(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float W = float(p->width > 0 ? p->width : w), H = float(p->height > 0 ? p->height : h);
    const float x1 = MP_Clamp01(p->p[0][0]) * W, y1 = MP_Clamp01(p->p[0][1]) * H;
    const float ux = MP_Clamp01(p->p[0][2]) * W - x1, uy = MP_Clamp01(p->p[0][3]) * H - y1;
    const float length2 = ux * ux + uy * uy;
    const int yOffset = p->y_offset;
    return RunMaskAt(w, h, src, dst, ss, p, kGradientSets, [=](int x, int y, const float*) {
        const float along = (float(x) - x1) * ux + (float(y + yOffset) - y1) * uy;
        if (!(length2 >= 1.0f))
            return along <= 0.0f ? 1.0f : 0.0f;
        return 1.0f - Smoothstep(0.0f, 1.0f, along / length2);
    });
}

// ---------------------------------------------------------------------------------------------
// Vignette — sets: 0 centre, 1 radius (fraction of the half diagonal), 2 softness, 3 combo,
// 4 geometry. Selects the edges of the picture outside an ellipse of the picture's proportions,
// so a following operator darkens or tints them.
namespace
{
constexpr SSetLayout kVignetteMaskSets{-1, eCR_NONE, 3, 4};
}

int MP_calcPixelMaskVignette(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float W = float(p->width > 0 ? p->width : w), H = float(p->height > 0 ? p->height : h);
    const float cx = MP_Clamp01(p->p[0][0]) * W, cy = MP_Clamp01(p->p[0][1]) * H;
    const float r = MP_Clamp01(p->p[1][0]), soft = MP_Clamp01(p->p[2][0]);
    const int yOffset = p->y_offset;
    return RunMaskAt(w, h, src, dst, ss, p, kVignetteMaskSets, [=](int x, int y, const float*) {
        const float dx = (float(x) - cx) / (0.5f * W), dy = (float(y + yOffset) - cy) / (0.5f * H);
        return Smoothstep(r * (1.0f - soft), r, std::sqrt(dx * dx + dy * dy) * 0.70710678f);
    });
}

// ---------------------------------------------------------------------------------------------
// Colour families — sets: 0 hue tolerance (up to ± 0.15 of the circle), 1 softness (up to 0.1
// of the circle), 2 combo, 3 geometry. A family is a hue with the saturation and brightness its
// colours have: skin is orange of medium saturation, sky a light blue to cyan, organic green a
// yellowish green of foliage and grass, not too bright.
namespace
{
struct SColourFamily
{
    float fHue;                // centre, fraction of the circle
    float fSatLow, fSatHigh;   // fully selected between
    float fValueLow, fValueHigh;
};

constexpr SColourFamily kSkin{0.06f, 0.15f, 0.7f, 0.2f, 1.0f};
constexpr SColourFamily kSky{0.58f, 0.1f, 1.0f, 0.35f, 1.0f};
constexpr SColourFamily kGrass{0.26f, 0.15f, 1.0f, 0.08f, 0.9f};

float Window(float v, float lo, float hi)
{
    return Smoothstep(lo * 0.5f, lo, v) * (hi >= 1.0f ? 1.0f : 1.0f - Smoothstep(hi, hi + 0.15f, v));
}

float FamilySelect(const Params* p, const SColourFamily& f, const float* c)
{
    const Colour::SComponents hsv = Colour::RgbToHsv(c[0], c[1], c[2]);
    float d = std::fabs(hsv.f0 - f.fHue);
    d = std::fmin(d, 1.0f - d);
    const float tolerance = MP_Clamp01(p->p[0][0]) * 0.15f, soft = MP_Clamp01(p->p[1][0]) * 0.1f;
    return (1.0f - Smoothstep(tolerance, tolerance + soft, d)) * Window(hsv.f1, f.fSatLow, f.fSatHigh) *
           Window(hsv.f2, f.fValueLow, f.fValueHigh);
}
}  // namespace

int MP_calcPixelMaskSkin(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    return RunMask(w, h, src, dst, ss, p, kToneSets, [p](const float* c) { return FamilySelect(p, kSkin, c); });
}

/// Everything but skin tones, so a following operator leaves faces alone.
int MP_calcPixelMaskProtectSkin(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    return RunMask(w, h, src, dst, ss, p, kToneSets, [p](const float* c) { return 1.0f - FamilySelect(p, kSkin, c); });
}

int MP_calcPixelMaskSky(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    return RunMask(w, h, src, dst, ss, p, kToneSets, [p](const float* c) { return FamilySelect(p, kSky, c); });
}

int MP_calcPixelMaskGrass(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int, Params* p)
{
    return RunMask(w, h, src, dst, ss, p, kToneSets, [p](const float* c) { return FamilySelect(p, kGrass, c); });
}

namespace
{
constexpr uint32_t kMaskFlags = eKF_CPU_ONLY | eKF_MASK;
// A selection joins the mask already at each position, so mask kernels read the position too.
const SKernelEntry kMaskKernels[] = {
    // name + function                        border            flags       reads           CL       effect test  sets
    {MP_KERNEL(MP_calcPixelMaskRemove),       SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     SSetLayout{-1, eCR_NONE, -1, 0}},
    {MP_KERNEL(MP_calcPixelMaskLuminance),    SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kRangeSets},
    {MP_KERNEL(MP_calcPixelMaskSaturation),   SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kRangeSets},
    {MP_KERNEL(MP_calcPixelMaskColor),        SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kRangeSets},
    {MP_KERNEL(MP_calcPixelMaskHighlights),   SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kToneSets},
    {MP_KERNEL(MP_calcPixelMaskShadows),      SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kToneSets},
    {MP_KERNEL(MP_calcPixelMaskMidtones),     SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kToneSets},
    {MP_KERNEL(MP_calcPixelMaskDetail),       SBorder::Rows(1), kMaskFlags, eIN_NEIGHBOURS, nullptr, nullptr,     kToneSets},
    {MP_KERNEL(MP_calcPixelMaskNonDetail),    SBorder::Rows(1), kMaskFlags, eIN_NEIGHBOURS, nullptr, nullptr,     kToneSets},
    {MP_KERNEL(MP_calcPixelMaskChannelR),     SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kToneSets},
    {MP_KERNEL(MP_calcPixelMaskChannelG),     SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kToneSets},
    {MP_KERNEL(MP_calcPixelMaskChannelB),     SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kToneSets},
    {MP_KERNEL(MP_calcPixelMaskMinMax),       SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kRangeSets},
    {MP_KERNEL(MP_calcPixelMaskGradation),    SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kGradationSets},
    {MP_KERNEL(MP_calcPixelMaskGradient),     SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kGradientSets},
    {MP_KERNEL(MP_calcPixelMaskVignette),     SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kVignetteMaskSets},
    {MP_KERNEL(MP_calcPixelMaskSkin),         SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kToneSets},
    {MP_KERNEL(MP_calcPixelMaskProtectSkin),  SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kToneSets},
    {MP_KERNEL(MP_calcPixelMaskSky),          SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kToneSets},
    {MP_KERNEL(MP_calcPixelMaskGrass),        SBorder::Rows(1), kMaskFlags, eIN_POSITION  , nullptr, nullptr,     kToneSets},
};
}  // namespace

std::span<const SKernelEntry> MaskKernels()
{
    return kMaskKernels;
}
