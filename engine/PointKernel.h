// The loop shared by the per-pixel kernels: decode, the kernel's own result, the layer frame,
// encode — split by rows over the workers. A kernel supplies an operation object:
//   void Pixel(int x, int y, const uint16_t* in, float* c0, float* ce) const;
//       c0 arrives decoded (the kernel may lift it); ce receives the kernel's own result.
//   optional void PlainRow(const uint16_t* in, uint16_t* out, int count) const;
//       the same result for a whole row when the frame is plain (no layer effect, geometry or
//       masking): ce straight to the encoder, usually through a 16-bit table.
#pragma once

#include "core/EngineState.h"
#include "core/EngineStatus.h"
#include "core/WorkerSplit.h"
#include "engine/LayerFrame.h"

template <class Op>
concept CHasPlainRow = requires(const Op& op, const uint16_t* in, uint16_t* out) {
    op.PlainRow(in, out, 1);
};

inline int MP_KernelWorkers(int width, int height)
{
    return MP_MT_CapFullImageWorkers(MP_UI_GetThreadCount(), int64_t(width) * height);
}

namespace detail
{
/// One packed row with the frame's steps chosen at compile time, so the plain case is a
/// branch-free loop the compiler can vectorise.
template <bool kGeo, bool kLayer, bool kMask, class Op>
void PointRow(const Op& op, const SLayerFrame& frame, const uint16_t* __restrict in, uint16_t* __restrict out,
              int width, int y)
{
    for (int x = 0; x < width; ++x, in += 3, out += 3)
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
using PointRowFunc = void (*)(const Op&, const SLayerFrame&, const uint16_t*, uint16_t*, int, int);

template <class Op>
PointRowFunc<Op> ChoosePointRow(const SLayerFrame& frame)
{
    const int key = (frame.HasGeometry() ? 4 : 0) | (frame.bLayer ? 2 : 0) | (frame.pMask ? 1 : 0);
    switch (key)
    {
    case 0: return &PointRow<false, false, false, Op>;
    case 1: return &PointRow<false, false, true, Op>;
    case 2: return &PointRow<false, true, false, Op>;
    case 3: return &PointRow<false, true, true, Op>;
    case 4: return &PointRow<true, false, false, Op>;
    case 5: return &PointRow<true, false, true, Op>;
    case 6: return &PointRow<true, true, false, Op>;
    default: return &PointRow<true, true, true, Op>;
    }
}
}  // namespace detail

/// Validates the buffers, then runs `op` over every pixel through `frame`.
template <class Op>
int MP_RunPointKernel(int width, int height, const uint16_t* source, uint16_t* target,
                      int sourceStride, int targetStride, const SLayerFrame& frame, const Op& op)
{
    const int ss = sourceStride / 2, ts = targetStride / 2;
    const bool packed = ss == 3 && ts == 3;
    const bool plainRows = frame.IsPlain() && packed;
    const detail::PointRowFunc<Op> packedRow = detail::ChoosePointRow<Op>(frame);
    MP_MT_ForBands(height, MP_KernelWorkers(width, height), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
        {
            const uint16_t* in = source + size_t(y) * width * ss;
            uint16_t* out = target + size_t(y) * width * ts;
            if constexpr (CHasPlainRow<Op>)
                if (plainRows)
                {
                    op.PlainRow(in, out, width);
                    continue;
                }
            if (packed)
            {
                packedRow(op, frame, in, out, width, y);
                continue;
            }
            // Other strides (tests compare them with the packed rows): every step checked here.
            for (int x = 0; x < width; ++x, in += ss, out += ts)
            {
                float g = 1.0f;
                if (frame.HasGeometry())
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
                if (frame.pMask)
                    frame.Mask(c0, ce);
                frame.Layer(c0, ce);
                SLayerFrame::Weigh(c0, ce, g);
                out[0] = MP_Encode(ce[0]), out[1] = MP_Encode(ce[1]), out[2] = MP_Encode(ce[2]);
            }
        }
    });
    return MP_SUCCESS;
}

/// The entry checks of every kernel: null buffers → MP_ZEROPOINTER, no size → MP_NORESOLUTION.
inline int MP_CheckKernelArgs(int width, int height, const uint16_t* source, const uint16_t* target,
                              const Params* params)
{
    if (!source || !target || !params)
        return MP_ZEROPOINTER;
    if (width < 1 || height < 1)
        return MP_NORESOLUTION;
    return MP_SUCCESS;
}
