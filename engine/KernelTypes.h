// What the engine knows about a kernel besides its function: one row per kernel, declared in the
// kernel's family file next to its code and joined by the registry.
#pragma once

#include "engine/Params.h"

#include <cstdint>

enum EKernelFlags : uint32_t
{
    eKF_NONE = 0,
    eKF_CPU_ONLY = 1u << 0,          // never runs on an OpenCL device
    eKF_WHOLE_IMAGE = 1u << 1,       // must see the whole image at once (never striped)
    eKF_MASK = 1u << 2,              // writes the mask planes, not the image
    eKF_SPEED_TESTED = 1u << 3,      // device choice taken from the start-up speed comparison
    eKF_NEEDS_UNPROCESSED = 1u << 4, // reads the image as it was before the run
    eKF_ITERATIVE_TM = 1u << 5,      // iterative tone mapping, run in repeated passes
    eKF_POINT = 1u << 6,             // per-pixel kernel that runs the layer frame in floats itself
    eKF_AUXILIARY = 1u << 7,         // run by the chain or a tool itself, not offered in the catalogue
};

/// Passes of an iterative tone-mapping operator at a calculation quality (loopstep 1 maximal …
/// 4 low); the chain runs that many, the operator takes one share of its strength per pass.
inline int MP_IterativeToneMappingPasses(int loopstep)
{
    return loopstep <= 1 ? 4 : (loopstep >= 4 ? 1 : 5 - loopstep);
}

/// Stripe border rows: base rows, or p[0][0] × multiplier ÷ divisor, optionally × the preview
/// scaling factor. Evaluated in the order written, then truncated (MP_BorderRows).
struct SBorder
{
    int iRows = 0;
    bool bTimesP00 = false;
    float fMultiplier = 1.0f;
    float fDivisor = 1.0f;
    bool bTimesScale = false;

    static constexpr SBorder Rows(int rows) { return {rows, false, 1.0f, 1.0f, false}; }
    /// rows × s
    static constexpr SBorder Scaled(float rows) { return {0, false, rows, 1.0f, true}; }
    /// p[0][0] × multiplier ÷ divisor (× s when `scaled`)
    static constexpr SBorder FromP00(float multiplier, float divisor, bool scaled)
    {
        return {0, true, multiplier, divisor, scaled};
    }
};

/// How the kernel's curve set is used.
enum ECurveRole : uint8_t
{
    eCR_NONE,           // no curve set
    eCR_MASK,           // masking curve over luminance, applied by the layer frame
    eCR_MASK_IN_KERNEL, // masking curve the kernel weaves into its own formula
    eCR_TONE,           // a tone curve the kernel evaluates itself
};

/// Indices of the sets the framework reads (−1: the kernel has none).
struct SSetLayout
{
    int8_t iCurve = -1;
    ECurveRole eCurveRole = eCR_NONE;
    int8_t iCombo = -1;
    int8_t iGeo = -1;
};

/// What a kernel's result at a pixel depends on, its geometry shapes aside (the frame weighs every
/// kernel's result by position when shapes are in use).
enum EPixelInput : uint8_t
{
    eIN_COLOUR,     // that pixel's colour alone: a fixed colour transform a 3D LUT can hold
    eIN_POSITION,   // also where the pixel is (vignette, grain, gradients, textures)
    eIN_NEIGHBOURS, // other pixels too (blur, sharpen, local contrast, image statistics, masks)
};

/// Is the operator worth running with this call record? (a cheap, pure test)
using MP_EffectTest = bool (*)(const Params& params);

struct SKernelEntry
{
    const char* pszName;
    MP_KernelFunc pFunction;
    SBorder border;
    uint32_t uiFlags;
    EPixelInput eInput;
    const char* pszOpenCL; // device kernel name, null while the kernel has no device version
    MP_EffectTest pEffect; // null: always worth running
    SSetLayout sets;
    float fRadiusFactor = 1.0f;
    // eKF_SPEED_TESTED only: the kernel whose start-up speed result this one follows (null: its own).
    const char* pszSpeedResult = nullptr;

    bool Has(EKernelFlags flag) const { return (uiFlags & flag) != 0; }
    /// The name the speed comparison keeps this kernel's result under.
    const char* SpeedResultName() const { return pszSpeedResult ? pszSpeedResult : pszName; }
};

// Entry name and function can never disagree.
#define MP_KERNEL(fn) #fn, fn
