// Mask operators: each computes a selection from the image and combines it with the active mask
// through its layer effect (mode 0 replaces, 1 adds as the maximum, 2 intersects as the minimum,
// 3 multiplies, …), opacity and geometry. The image itself is left as it is.
#include "core/ColourSpace.h"
#include "engine/PointKernel.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <span>

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

/// Runs `select` (pixel colour → 0…1) over the image and frames the selection into the mask.
template <class Select>
int RunMask(int w, int h, const uint16_t* src, uint16_t* dst, int ss, const Params* p, const SSetLayout& sets,
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
                const float s = MP_Clamp01(select(c));
                float ce[3] = {s, s, s};
                frame.Layer(c0, ce);
                SLayerFrame::Weigh(c0, ce, g);
                mask[i] = MP_Encode(ce[0]);
            }
    });
    return MP_SUCCESS;
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
};
}  // namespace

std::span<const SKernelEntry> MaskKernels()
{
    return kMaskKernels;
}
