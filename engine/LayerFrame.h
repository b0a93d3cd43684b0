// The frame every operator runs in: geometry opacity, masking curve, layer effect (mode and
// opacity) with its clamp, and the geometry weighting. Point kernels run it per pixel in floats
// (MP_RunPointKernel); the dispatcher runs it after every other kernel (MP_ApplyLayerFrame).
#pragma once

#include "core/LayerBlend.h"
#include "engine/KernelTypes.h"
#include "engine/Params.h"

#include <cstdint>

constexpr float MP_DECODE = 1.5259022e-5f; // 1 ÷ 65535 as the processor path multiplies

inline uint16_t MP_Encode(float v)
{
    // v is clamped to 0…1 by the frame; the guard keeps a stray overshoot inside the range.
    const int i = int(v * 65535.0f);
    return uint16_t(i < 0 ? 0 : (i > 65535 ? 65535 : i));
}

inline float MP_Clamp01(float v)
{
    return v > 0.0f ? (v < 1.0f ? v : 1.0f) : 0.0f; // NaN becomes 0
}

/// Geometry opacity g at pixel (x, y) of the shapes in `geo` (8 floats each).
float MP_GeometryOpacity(const float* geo, int shapes, int x, int y, const Params& params);
/// The number of shapes in use: the 1-based index of the last shape with a non-zero first float.
int MP_GeometryShapesInUse(const float* geo);

/// The prepared frame of one kernel call.
struct SLayerFrame
{
    int iMode = 0;
    float fOpacity = 1.0f;
    bool bLayer = false;       // mode ≠ 0 or opacity ≠ 1
    const float* pGeo = nullptr;
    int iShapes = 0;
    const float* pMask = nullptr; // 65536-entry masking table over luminance, null for none
    float afLum[3] = {0.3333f, 0.3334f, 0.3333f};
    const Params* pParams = nullptr;

    bool HasGeometry() const { return iShapes > 0; }
    /// Nothing between the kernel's own result and the encoder but the clamp.
    bool IsPlain() const { return !bLayer && !HasGeometry() && !pMask; }

    float Lum(const float* c) const { return afLum[0] * c[0] + afLum[1] * c[1] + afLum[2] * c[2]; }
    float Geometry(int x, int y) const { return MP_GeometryOpacity(pGeo, iShapes, x, y, *pParams); }

    /// Masking curve: ce = c0 + (ce − c0) × v at the luminance of c0.
    void Mask(const float* c0, float* ce) const
    {
        const float v = pMask[int(Lum(c0) * 65535.0f) & 0xFFFF];
        if (v != 1.0f)
            for (int i = 0; i < 3; ++i)
                ce[i] = c0[i] + (ce[i] - c0[i]) * v;
    }
    /// Layer effect and clamp: ce = mode(c0, ce), then the opacity, then 0…1 per channel.
    void Layer(const float* c0, float* ce) const
    {
        if (iMode != 0)
            MP_BlendLayerMode(iMode, c0, ce);
        if (fOpacity != 1.0f)
            for (int i = 0; i < 3; ++i)
                ce[i] = c0[i] + (ce[i] - c0[i]) * fOpacity;
        for (int i = 0; i < 3; ++i)
            ce[i] = MP_Clamp01(ce[i]);
    }
    /// Geometry weighting: ce = c0 + (ce − c0) × g.
    static void Weigh(const float* c0, float* ce, float g)
    {
        if (g < 1.0f)
            for (int i = 0; i < 3; ++i)
                ce[i] = c0[i] + (ce[i] - c0[i]) * g;
    }
};

/// One row through the frame: per pixel the geometry pre-test, decode, the kernel's own result
/// (op.Pixel), masking curve, layer effect and clamp, geometry weighting, encode. The optional
/// steps are chosen at compile time (MP_ChooseFrameRow), so the common cases are branch-free
/// loops. Steps in samples (3 for packed rows).
template <bool kGeo, bool kLayer, bool kMask, class Op>
void MP_FrameRow(const SLayerFrame& frame, const Op& op, const uint16_t* in, int inStep, uint16_t* out,
                 int outStep, int width, int y)
{
    for (int x = 0; x < width; ++x, in += inStep, out += outStep)
    {
        float g = 1.0f;
        if constexpr (kGeo)
        {
            g = frame.Geometry(x, y);
            if (g <= 0.0f)
            {
                out[0] = in[0], out[1] = in[1], out[2] = in[2];
                continue;
            }
        }
        float c0[3] = {in[0] * MP_DECODE, in[1] * MP_DECODE, in[2] * MP_DECODE};
        float ce[3] = {0.0f, 0.0f, 0.0f};
        op.Pixel(x, y, in, c0, ce);
        if constexpr (kMask)
            frame.Mask(c0, ce);
        if constexpr (kLayer)
            frame.Layer(c0, ce);
        else
            ce[0] = MP_Clamp01(ce[0]), ce[1] = MP_Clamp01(ce[1]), ce[2] = MP_Clamp01(ce[2]);
        if constexpr (kGeo)
            SLayerFrame::Weigh(c0, ce, g);
        out[0] = MP_Encode(ce[0]), out[1] = MP_Encode(ce[1]), out[2] = MP_Encode(ce[2]);
    }
}

template <class Op>
using MP_FrameRowFunc = void (*)(const SLayerFrame&, const Op&, const uint16_t*, int, uint16_t*, int, int, int);

/// The row function for the steps this frame needs.
template <class Op>
MP_FrameRowFunc<Op> MP_ChooseFrameRow(const SLayerFrame& frame)
{
    const int key = (frame.HasGeometry() ? 4 : 0) | (frame.bLayer ? 2 : 0) | (frame.pMask ? 1 : 0);
    switch (key)
    {
    case 0: return &MP_FrameRow<false, false, false, Op>;
    case 1: return &MP_FrameRow<false, false, true, Op>;
    case 2: return &MP_FrameRow<false, true, false, Op>;
    case 3: return &MP_FrameRow<false, true, true, Op>;
    case 4: return &MP_FrameRow<true, false, false, Op>;
    case 5: return &MP_FrameRow<true, false, true, Op>;
    case 6: return &MP_FrameRow<true, true, false, Op>;
    default: return &MP_FrameRow<true, true, true, Op>;
    }
}

/// Reads the frame of `entry` from the call record. The masking table (when the entry has a
/// masking curve applied by the frame and it is not flat at 1) is a level table of the record's
/// engine context.
SLayerFrame MP_PrepareFrame(const SKernelEntry& entry, const Params& params);
/// The same for a kernel known by its set layout (used by kernels that prepare themselves).
SLayerFrame MP_PrepareFrame(const SSetLayout& sets, const Params& params);
/// The 65536-entry masking table of a curve set (strength at luminance i ÷ 65535) from the
/// record's engine context; null when the curve is flat at 1.
const float* MP_MaskingTable(const Params& params, const float* curve);

/// Runs the frame over a kernel's finished result: `before` holds the input (c0), `result` the
/// kernel's output (ce) and receives the framed pixels. Strides in bytes. Rows split over the
/// workers. Nothing to do for a plain frame.
void MP_ApplyLayerFrame(const SLayerFrame& frame, int width, int height, const uint16_t* before,
                        int beforeStride, uint16_t* result, int resultStride);
