// Deconvolution: camera shake (a round Gaussian blur) and motion blur (a straight line in a
// chosen direction) taken back out of the picture by Richardson–Lucy iterations, then held to
// the original's local range plus the stated overshoot so ringing cannot build halos. Whole-image
// kernels: the iterations reach further than any stripe border.
#include "engine/kernels/enhance/EnhanceFilters.h"

#include <cmath>
#include <span>

using namespace Enhance;

namespace
{
int Iterations(const Params& p, int set)
{
    return 1 + int(Slider(p, set) * 19.0f + 0.5f);
}

/// `plane` (levels) deconvolved and mixed in by `strength`, limited to the local range of the
/// original within `window` pixels ± `overshoot` levels.
template <class Blur>
Plane Restore(const SImage& img, const Plane& plane, float strength, int iterations, int window, double overshoot,
              const Blur& blur)
{
    FloatPlane observed(plane.size());
    for (size_t i = 0; i < plane.size(); ++i)
        observed[i] = float(plane[i] * MP_DECODE);
    const FloatPlane estimate = Deconvolve(img, observed, iterations, blur);
    Plane out(plane.size()), lo, hi;
    for (size_t i = 0; i < plane.size(); ++i)
        out[i] = plane[i] + strength * (double(estimate[i]) * 65535.0 - plane[i]);
    LocalRange(img, window, plane, lo, hi);
    LimitOvershoot(lo, hi, overshoot, out);
    return out;
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// MP_calcPixelKernelSharpen / MP_calcPixelKernelRGBSharpen — sets: 0 strength, 1 blur radius
// (σ 0.5…5 px), 2 iterations (1…20), 3 overshoot (0…10 %), 4 masking curve, 5 combo,
// 6 geometry. Camera shake modelled as a Gaussian blur of the given σ; the luminance kernel
// restores the luminance (colours stay), the colour kernel each channel on its own (also
// colour fringes, at three times the cost).
namespace
{
constexpr SSetLayout kShakeSets{4, eCR_MASK, 5, 6};

struct SShakeArgs
{
    float strength, sigma;
    int iterations, window;
    double overshoot;
};

SShakeArgs ReadShake(const Params& p)
{
    const float sigma = (0.5f + Slider(p, 1) * 4.5f) * Scale(p);
    return {Slider(p, 0), sigma, Iterations(p, 2), int(std::ceil(2.0f * sigma)), Slider(p, 3) * 0.10 * 65535.0};
}
}  // namespace

int MP_calcPixelKernelSharpen(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunLuminance(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& lum, FloatPlane&) {
        const SShakeArgs a = ReadShake(*p);
        return Restore(img, lum, a.strength, a.iterations, a.window, a.overshoot,
                       [&](FloatPlane& plane) { RecursiveGauss(img, a.sigma, plane); });
    });
}

int MP_calcPixelKernelRGBSharpen(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunChannels(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& channel, int) {
        const SShakeArgs a = ReadShake(*p);
        return Restore(img, channel, a.strength, a.iterations, a.window, a.overshoot,
                       [&](FloatPlane& plane) { RecursiveGauss(img, a.sigma, plane); });
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDirSharpen — sets: 0 strength, 1 blur length (1…50 px), 2 direction (0…180°,
// 0 horizontal, 90 vertical), 3 iterations (1…20), 4 overshoot (0…10 %), 5 masking curve,
// 6 combo, 7 geometry. Motion blur modelled as a straight streak of the given length and
// direction; the luminance is restored.
namespace
{
constexpr SSetLayout kMotionSets{5, eCR_MASK, 6, 7};
}

int MP_calcPixelDirSharpen(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunLuminance(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& lum, FloatPlane&) {
        const float length = (1.0f + Slider(*p, 1) * 49.0f) * Scale(*p);
        const float degrees = Slider(*p, 2) * 180.0f;
        const int window = int(std::ceil(0.5f * length));
        return Restore(img, lum, Slider(*p, 0), Iterations(*p, 3), window, Slider(*p, 4) * 0.10 * 65535.0,
                       [&](FloatPlane& plane) { LineBlur(img, length, degrees, plane); });
    });
}

// ---------------------------------------------------------------------------------------------
std::span<const SKernelEntry> DeconvolveKernels()
{
    static const SKernelEntry kRows[] = {
        // name + function                          border                 flags                            reads           CL       effect test  sets
        {MP_KERNEL(MP_calcPixelKernelSharpen),      SBorder::Rows(25),     eKF_CPU_ONLY | eKF_WHOLE_IMAGE,  eIN_NEIGHBOURS, nullptr, StrengthIn<0>, kShakeSets},
        {MP_KERNEL(MP_calcPixelKernelRGBSharpen),   SBorder::Rows(25),     eKF_CPU_ONLY | eKF_WHOLE_IMAGE,  eIN_NEIGHBOURS, nullptr, StrengthIn<0>, kShakeSets},
        {MP_KERNEL(MP_calcPixelDirSharpen),         SBorder::Scaled(500),  eKF_CPU_ONLY | eKF_WHOLE_IMAGE,  eIN_NEIGHBOURS, nullptr, StrengthIn<0>, kMotionSets},
    };
    return kRows;
}
