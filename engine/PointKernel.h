// The loop shared by the per-pixel kernels: decode, the kernel's own result, the layer frame,
// encode — split by rows over the context's workers. A kernel supplies an operation object:
//   void Pixel(int x, int y, const uint16_t* in, float* c0, float* ce) const;
//       c0 arrives decoded (the kernel may lift it); ce receives the kernel's own result.
//   optional void PlainRow(const uint16_t* in, uint16_t* out, int count) const;
//       the same result for a whole row when the frame is plain (no layer effect, geometry or
//       masking): ce straight to the encoder, usually through a 16-bit table.
#pragma once

#include "core/EngineStatus.h"
#include "core/WorkerSplit.h"
#include "engine/EngineContext.h"
#include "engine/LayerFrame.h"

template <class Op>
concept CHasPlainRow = requires(const Op& op, const uint16_t* in, uint16_t* out) {
    op.PlainRow(in, out, 1);
};

/// The entry checks of every kernel: null buffers, record or context → MP_ZEROPOINTER, no size →
/// MP_NORESOLUTION.
inline int MP_CheckKernelArgs(int width, int height, const uint16_t* source, const uint16_t* target,
                              const Params* params)
{
    if (!source || !target || !params || !params->pEngine)
        return MP_ZEROPOINTER;
    if (width < 1 || height < 1)
        return MP_NORESOLUTION;
    return MP_SUCCESS;
}

/// The operation of a kernel that maps every channel through one level table: ce_c = af[sample_c],
/// and plain rows straight through the encoded table.
struct SLevelTableOp
{
    const SLevelTable* table;
    void Pixel(int, int, const uint16_t* in, float*, float* ce) const
    {
        ce[0] = table->af[in[0]], ce[1] = table->af[in[1]], ce[2] = table->af[in[2]];
    }
    void PlainRow(const uint16_t* __restrict in, uint16_t* __restrict out, int count) const
    {
        const uint16_t* __restrict t = table->aui;
        for (int i = 0; i < 3 * count; ++i)
            out[i] = t[in[i]];
    }
};

/// Validates the buffers, then runs `op` over every pixel through `frame`.
template <class Op>
int MP_RunPointKernel(int width, int height, const uint16_t* source, uint16_t* target,
                      int sourceStride, int targetStride, const SLayerFrame& frame, const Op& op)
{
    if (const int status = MP_CheckKernelArgs(width, height, source, target, frame.pParams))
        return status;
    const int ss = sourceStride / 2, ts = targetStride / 2;
    const bool plainRows = frame.IsPlain() && ss == 3 && ts == 3;
    const auto row = MP_ChooseFrameRow<Op>(frame);
    MP_MT_ForBands(height, MP_KernelWorkers(*frame.pParams, width, height), [&](const TaskFuncParams& t) {
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
            row(frame, op, in, ss, out, ts, width, y);
        }
    });
    return MP_SUCCESS;
}
