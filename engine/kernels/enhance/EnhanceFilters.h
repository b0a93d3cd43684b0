// Building blocks of the denoise and sharpen kernels: luminance and chroma planes, window sums,
// guided filters, box-made Gaussians, non-local means, local ranges, a detail measure, recursive
// Gaussians and line blurs for deconvolution, and the write-back into 16-bit pixels.
//
// Planes (`Plane`) hold whole numbers of levels in doubles. A window sum over whole numbers is
// exact (it stays far below 2^53), so the sum at a pixel does not depend on where a running sum
// started: a stripe cut out with enough context rows gives the same bits in its core rows as the
// whole image, and every band split gives the same result. Each filter whose output feeds another
// rounds it back to whole levels for that reason. Each function states its footprint: the rows
// above and below a pixel its result reads.
#pragma once

#include "core/EngineStatus.h"
#include "core/WorkerSplit.h"
#include "engine/EngineContext.h"
#include "engine/KernelTypes.h"
#include "engine/PointKernel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

namespace Enhance
{
namespace detail
{
void* PoolTake(size_t bytes);
void PoolGive(void* block, size_t bytes);
}  // namespace detail

/// Allocator of the planes: large blocks are kept between calls and handed out again, since
/// fresh pages for every plane of every frame (4096 page faults per 16 MiB) cost more than the
/// filtering itself. Small requests go straight to the heap.
template <class T>
struct CPoolAllocator
{
    using value_type = T;
    CPoolAllocator() = default;
    template <class U>
    CPoolAllocator(const CPoolAllocator<U>&)
    {
    }
    T* allocate(size_t n) { return static_cast<T*>(detail::PoolTake(n * sizeof(T))); }
    /// Sized planes start uninitialised (every filter writes all of its output): no zero fill.
    template <class U>
    void construct(U* p) noexcept
    {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
    void deallocate(T* block, size_t n) { detail::PoolGive(block, n * sizeof(T)); }
    template <class U>
    bool operator==(const CPoolAllocator<U>&) const
    {
        return true;
    }
};

using Plane = std::vector<double, CPoolAllocator<double>>;
using FloatPlane = std::vector<float, CPoolAllocator<float>>;

/// The picture a kernel works on: its size and the call record (workers, weights, preview scale).
struct SImage
{
    int w = 0, h = 0;
    const Params* p = nullptr;
    size_t Count() const { return size_t(w) * size_t(h); }
    int Workers() const { return MP_KernelWorkers(*p, w, h); }
};

/// Rows [0, h) in bands over the kernel's workers: fn(int y0, int y1).
template <class Fn>
void ForRows(const SImage& img, const Fn& fn)
{
    MP_MT_ForBands(img.h, img.Workers(), [&](const TaskFuncParams& t) { fn(t.iRowBegin, t.iRowEnd); });
}

/// Columns [0, w) in bands: fn(int x0, int x1). Column passes walk rows in order, whole rows of a
/// band at a time, so they vectorise over x.
template <class Fn>
void ForColumns(const SImage& img, const Fn& fn)
{
    MP_MT_ForBands(img.w, img.Workers(), [&](const TaskFuncParams& t) { fn(t.iRowBegin, t.iRowEnd); });
}

/// Runs `work` (which returns an engine status); an allocation failure becomes MP_OUTOFMEMORY.
template <class Work>
int Guarded(const Work& work)
{
    try
    {
        return work();
    }
    catch (const std::bad_alloc&)
    {
        return MP_OUTOFMEMORY;
    }
}

/// The preview scaling factor held to (0, 1].
float Scale(const Params& p);
/// `fullSize` pixels at the preview scale, rounded, at least `minimum`.
int ScaledPixels(float fullSize, const Params& p, int minimum = 1);
/// The context rows the kernel's border rule grants this call (p[0][0] held to 0…1): the largest
/// footprint that keeps a stripe exact.
int BorderBudget(const SBorder& border, const Params& p);
/// Border rules of the kernels whose first slider is a reach: up to 50 or 500 pixels at full size.
constexpr SBorder kReach50 = SBorder::FromP00(50, 1, true);
constexpr SBorder kReach500 = SBorder::FromP00(500, 1, true);

/// Effect test: the strength in value 0 of set `kSet` is above 0.1 %.
template <int kSet>
bool StrengthIn(const Params& p)
{
    return p.p[kSet][0] > 0.001f;
}
/// A 0…1 slider value (NaN and out-of-range values held to the ends).
inline float Slider(const Params& p, int set)
{
    return MP_Clamp01(p.p[set][0]);
}
/// 0 below e0, 1 above e1, a smooth step between.
inline float SmoothStep(double e0, double e1, double x)
{
    if (!(e1 > e0))
        return x >= e1 ? 1.0f : 0.0f;
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return float(t * t * (3.0 - 2.0 * t));
}

// --- planes ------------------------------------------------------------------------------------
/// Luminance of every pixel with the record's weights, rounded to whole levels. `step` is the
/// pixel stride in samples.
Plane Luminance(const SImage& img, const uint16_t* rgb, int step);
/// One channel as whole levels.
Plane Channel(const SImage& img, const uint16_t* rgb, int step, int channel);
/// Chroma of each channel: the channel minus the rounded luminance (−65535…65535).
std::array<Plane, 3> Chroma(const SImage& img, const uint16_t* rgb, int step, const Plane& lum);

// --- window filters over whole levels ------------------------------------------------------------
/// Sums over the (2r+1)² window of every pixel, edges repeated. Footprint r.
void BoxSums(const SImage& img, int r, const Plane& in, Plane& out);
/// Window means rounded to whole levels. Footprint r.
void BoxMean(const SImage& img, int r, const Plane& in, Plane& out);
/// Mean and variance over the (2r+1)² window of every pixel (from exact window sums). Footprint r.
void LocalStatistics(const SImage& img, int r, const Plane& in, Plane& mean, Plane& variance);
/// Three rounded box means of radius r: close to a Gaussian of σ ≈ r + ½. Footprint 3r.
void GaussLike(const SImage& img, int r, const Plane& in, Plane& out);
/// The widest Gaussian-like blur whose footprint stays within `rows` (at least a 3 × 3 box):
/// radius rows ÷ 3 from three rows on, a 3 × 3 box below.
void BlurWithin(const SImage& img, int rows, const Plane& in, Plane& out);
/// Guided filter: smooths `input` where `guide` varies by less than √eps levels within the
/// (2r+1)² window and follows the guide's edges elsewhere; `guide` may be `input` itself. The
/// result is a local linear function of the guide, so it adds no edge the guide lacks. Rounded.
/// Footprint 2r.
void Guided(const SImage& img, int r, double eps, const Plane& guide, const Plane& input, Plane& out);
/// Non-local means: each pixel becomes the weighted mean of the pixels within `search` whose
/// (2·patch+1)² neighbourhoods (patch 1 or 2) look alike; neighbourhoods further apart than `h`
/// levels (root mean square) get no weight. Levels 0…65535. Rounded. Footprint search + patch.
void NonLocalMeans(const SImage& img, int search, int patch, double h, const Plane& in, Plane& out);
/// Smallest and largest value over the (2r+1)² window. Footprint r.
void LocalRange(const SImage& img, int r, const Plane& in, Plane& lo, Plane& hi);
/// Holds every value to [lo − overshoot, hi + overshoot]: a sharpened edge may overshoot the
/// range around it by `overshoot` levels and no more, so no halo grows beyond that.
void LimitOvershoot(const Plane& lo, const Plane& hi, double overshoot, Plane& value);
/// How much structure surrounds each pixel: the gradient of the 3 × 3 mean of `lum` (of `lum`
/// itself in previews below ¾ size) in levels per full-size pixel (a preview pixel spans 1 ÷ s of them, so the preview measures the same
/// structure). Footprint 2.
FloatPlane Gradient(const SImage& img, const Plane& lum);
/// 0…1 per pixel: the gradient rising smoothly from `low` to `high` levels per full-size pixel.
FloatPlane DetailWeight(const SImage& img, const Plane& lum, double low, double high);
/// Bilinear sample at (x + dx, y + dy) of a picture read through at(x, y). The offset is split
/// into whole pixels and a fraction on its own, so the weights do not depend on where the
/// picture starts (a stripe gives the same bits as the whole image). Columns are held to
/// [0, w), rows to [rowLo, rowHi] — the picture and the kernel's reach — so nothing beyond the
/// footprint is read.
struct SBilinearTap
{
    int x0, x1, y0, y1; // the four neighbours, held to the picture and the reach
    float ax, ay;       // weights of x1 and y1

    SBilinearTap(int w, int x, int y, float dx, float dy, int rowLo, int rowHi)
    {
        const float fx = std::floor(dx), fy = std::floor(dy);
        ax = dx - fx, ay = dy - fy;
        x0 = std::clamp(x + int(fx), 0, w - 1), x1 = std::clamp(x + int(fx) + 1, 0, w - 1);
        y0 = std::clamp(y + int(fy), rowLo, rowHi), y1 = std::clamp(y + int(fy) + 1, rowLo, rowHi);
    }
    template <class At>
    float operator()(const At& at) const
    {
        const float top = at(x0, y0) + (at(x1, y0) - at(x0, y0)) * ax;
        const float bottom = at(x0, y1) + (at(x1, y1) - at(x0, y1)) * ax;
        return top + (bottom - top) * ay;
    }
};
template <class At>
float Bilinear(const At& at, int w, int x, int y, float dx, float dy, int rowLo, int rowHi)
{
    return SBilinearTap(w, x, y, dx, dy, rowLo, rowHi)(at);
}
/// Detail above a noise floor: sign(d) × max(|d| − floor, 0).
inline double Cored(double d, double floor)
{
    return d > floor ? d - floor : (d < -floor ? d + floor : 0.0);
}

// --- float planes for deconvolution (whole-image kernels, no stripes) ----------------------------
/// Recursive Gaussian of σ pixels (at least 0.5) in both directions; cost independent of σ.
void RecursiveGauss(const SImage& img, float sigma, FloatPlane& plane);
/// Box blur along a straight line of `length` pixels at `degrees` (0 horizontal, 90 vertical)
/// through every pixel, values between pixels interpolated; cost independent of the length.
void LineBlur(const SImage& img, float length, float degrees, FloatPlane& plane);
/// Richardson–Lucy deconvolution of `observed` (0…1) under the symmetric blur `blur(plane)`:
/// `iterations` steps from the observed picture; each step's correction is held to 1/2…2 so
/// noise is not blown up.
template <class Blur>
FloatPlane Deconvolve(const SImage& img, const FloatPlane& observed, int iterations, const Blur& blur);

// --- write-back --------------------------------------------------------------------------------
/// dst = rgb + (lumNew − lum) × weight on every channel (weight 1 where `weight` is null): a
/// luminance change carried by all three channels, so hue and saturation stay. In place allowed.
void WriteLuminance(const SImage& img, const uint16_t* rgb, int rgbStep, const Plane& lum, const Plane& lumNew,
                    const float* weight, uint16_t* dst, int dstStep);
/// dst = rgb + (chromaNew − chroma) per channel, less the part of that change that would move
/// the luminance: colour changes only. In place allowed.
void WriteChroma(const SImage& img, const uint16_t* rgb, int rgbStep, const std::array<Plane, 3>& chroma,
                 const std::array<Plane, 3>& chromaNew, uint16_t* dst, int dstStep);
/// dst = channel c of `planes` per pixel (whole levels, clamped).
void WriteChannels(const SImage& img, const std::array<Plane, 3>& planes, uint16_t* dst, int dstStep);

// --- kernel shapes -------------------------------------------------------------------------------
/// A radius slider from 1 pixel (left end) to `maxPixels` at full size, scaled to the preview.
inline int RadiusSlider(const Params& p, int set, float maxPixels)
{
    return ScaledPixels(1.0f + Slider(p, set) * (maxPixels - 1.0f), p);
}

/// The luminance kernels' shape: checks, the luminance, `filter(img, lum, weight)` → the new
/// luminance (and optionally a 0…1 weight per pixel), the change written to every channel.
template <class Filter>
int RunLuminance(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p, const Filter& filter)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    return Guarded([&] {
        const SImage img{w, h, p};
        const Plane lum = Luminance(img, src, ss / 2);
        FloatPlane weight;
        const Plane out = filter(img, lum, weight);
        WriteLuminance(img, src, ss / 2, lum, out, weight.empty() ? nullptr : weight.data(), dst, ts / 2);
        return int(MP_SUCCESS);
    });
}

/// The chroma kernels' shape: checks, the chroma planes, `filter(img, chroma)` → new chroma,
/// written back over the unchanged luminance.
template <class Filter>
int RunChroma(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p, const Filter& filter)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    return Guarded([&] {
        const SImage img{w, h, p};
        const std::array<Plane, 3> chroma = Chroma(img, src, ss / 2, Luminance(img, src, ss / 2));
        const std::array<Plane, 3> out = filter(img, chroma);
        WriteChroma(img, src, ss / 2, chroma, out, dst, ts / 2);
        return int(MP_SUCCESS);
    });
}

/// The per-channel kernels' shape: checks, then `filter(img, channel, c)` → the new channel c
/// (rounded and clamped when written) for each of the three.
template <class Filter>
int RunChannels(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p, const Filter& filter)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    return Guarded([&] {
        const SImage img{w, h, p};
        std::array<Plane, 3> out;
        for (int c = 0; c < 3; ++c)
            out[c] = filter(img, Channel(img, src, ss / 2, c), c);
        WriteChannels(img, out, dst, ts / 2);
        return int(MP_SUCCESS);
    });
}

// --- templates -----------------------------------------------------------------------------------
template <class Blur>
FloatPlane Deconvolve(const SImage& img, const FloatPlane& observed, int iterations, const Blur& blur)
{
    FloatPlane estimate = observed, ratio(observed.size());
    for (int k = 0; k < iterations && !MP_Engine(*img.p).AbortRequested(); ++k)
    {
        ratio = estimate;
        blur(ratio);
        ForRows(img, [&](int y0, int y1) {
            for (size_t i = size_t(y0) * img.w; i < size_t(y1) * img.w; ++i)
                ratio[i] = (observed[i] + 1.0e-3f) / (ratio[i] + 1.0e-3f);
        });
        blur(ratio);
        ForRows(img, [&](int y0, int y1) {
            for (size_t i = size_t(y0) * img.w; i < size_t(y1) * img.w; ++i)
                estimate[i] *= ratio[i] < 0.5f ? 0.5f : (ratio[i] > 2.0f ? 2.0f : ratio[i]);
        });
    }
    return estimate;
}
}  // namespace Enhance
