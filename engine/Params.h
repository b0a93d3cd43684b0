// The call record every kernel receives: the header filled by the chain and the dispatcher, the
// operator's curve coefficients, its parameter sets, and the engine context the call runs in.
// Fixed size, zero-filled before each use.
#pragma once

#include <cstdint>

class CEngineContext;

constexpr int MP_PARAM_SETS = 11;      // parameter sets that reach a kernel
constexpr int MP_PARAM_VALUES = 256;   // floats per set
constexpr int MP_GEO_SHAPES = 32;      // shapes of an eGEO set, 8 floats each
constexpr int MP_CURVE_KNOTS = 7;      // spline arrays, 1-based (index 0 unused)

struct Params
{
    int loopstep;                 // quality: 1 maximal, 2 high, 3 medium, 4 low
    float lumr, lumg, lumb;       // luminance weights
    float lummin, lummax;         // black and white point of the image, 0…1
    float previewscalingfactor;   // working size ÷ full size (1 at full resolution)
    float kernel_exponent;        // superquadric footprint exponent, 0.01…999
    float anim_count;
    float gpu_loopstep_mulitplier;
    float cpu_loopstep_mulitplier;
    float unit_kernel_multiplier;
    float tmedgeprotectexp, tmedgeprotectmul;
    int panoramamode;             // 0 off, 1 the image wraps around horizontally
    int geometry_needed;          // shapes in use (1-based index of the last one), 0 for none
    int geometry_addidx[MP_GEO_SHAPES];
    int geometry_addam;
    int geometry_subidx[MP_GEO_SHAPES];
    int geometry_subam;
    int width, height;
    int y_offset;                 // first row of the current stripe
    float a[MP_CURVE_KNOTS], b[MP_CURVE_KNOTS], c[MP_CURVE_KNOTS], d[MP_CURVE_KNOTS];
    float xp[MP_CURVE_KNOTS];
    float p[MP_PARAM_SETS][MP_PARAM_VALUES];
    uint16_t lx[1001];
    uint16_t lx_max;
    int depthmapwidth, depthmapheight;
    uint8_t depthmap[8];
    CEngineContext* pEngine;      // worker count, abort request, level tables, mask, settings
};

/// The kernel signature shared by the processor dispatcher: sizes, source and target (may be the
/// same buffer), pixel strides in bytes (always 6) and the call record, whose pEngine the kernel
/// reaches through MP_Engine(). Returns an engine status.
using MP_KernelFunc = int (*)(int width, int height, const uint16_t* source, uint16_t* target,
                              int sourceStride, int targetStride, Params* params);
