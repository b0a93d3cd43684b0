// The dispatcher every operator call goes through: effect test, header, border, calculation
// mode, the processor dispatcher with the layer frame around the kernel, and the log line.
#pragma once

#include "engine/KernelTypes.h"
#include "engine/Params.h"

#include <cstdint>

/// Status of a call naming a kernel the dispatcher does not have.
constexpr int MP_UNKNOWNKERNEL = -9;
/// Rows of one stripe of the striped device path.
constexpr int MP_STRIPE_ROWS = 500;

/// What the dispatcher decided for one call.
struct SKernelPlan
{
    int iMode = 1;        // calculation mode that runs the kernel
    bool bWhole = true;   // one piece ("komplett") or stripes ("zerlegt")
    int iBorder = 1;      // stripe context rows: table border (≥ 1) × kernel-size multiplier, ≥ 1
};

/// The mode, path and border for a kernel of this size with this (filled) call record.
SKernelPlan MP_PlanKernel(const SKernelEntry& entry, const Params& params, int width, int height);

/// Fills the header fields the dispatcher owns: geometry count and index tables, curve
/// coefficients, panorama mode, size, stripe offset, engine settings, loopstep multipliers.
void MP_FillKernelHeader(const SKernelEntry& entry, Params& params, int width, int height);

/// Runs one operator. Source and target may be the same buffer; strides are 6. A progress
/// channel of −1 reports nothing. The transfer flags concern the device path only. Returns 0
/// without running when an abort is requested or the operator would change nothing.
int RunKernel(const char* name, int width, int height, const uint16_t* source, uint16_t* target,
              int sourceStride, int targetStride, Params* params, int progressChannel,
              float progressBase, float progressSpan, bool upload, bool download);
