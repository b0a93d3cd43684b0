// Noise reduction over small and medium neighbourhoods: 3 × 3 median, min-max clamp and gap
// fill for isolated outliers; local-variance (Wiener-type) and flat-area smoothing; edge-stopping
// diffusion; smoothing along edges; banding and sky smoothing with guided filters; detail
// recovery from the unprocessed picture; block-edge reduction of compressed video.
#include "core/ColourSpace.h"
#include "engine/kernels/Neighbourhood.h"
#include "engine/kernels/enhance/EnhanceFilters.h"

#include <cmath>
#include <span>

using namespace Enhance;

namespace
{
uint16_t Mix(uint16_t v, double target, double amount)
{
    const double out = v + (target - v) * amount;
    return out <= 0.0 ? 0 : (out >= 65535.0 ? 65535 : uint16_t(out + 0.5));
}

/// The strength of a 3 × 3 kernel at the preview scale: a full-size speck covers s² of a preview
/// pixel and is mostly averaged away already, while 3 × 3 preview pixels span 3 ÷ s full-size
/// ones, so the full strength would eat texture the full-size run keeps.
double PreviewStrength(const Params* p, int set)
{
    return p ? double(Slider(*p, set)) * Scale(*p) * Scale(*p) : 0.0;
}

/// Runs fn(n, out) for every pixel: n[0…8] its 3 × 3 neighbourhood row by row (edges repeated,
/// n[4] the pixel itself) from a copy that stays valid while the target is written.
template <class Fn>
int Run3x3(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p, const Fn& fn)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    return Guarded([&] {
        const CStableSource in(w, h, src, ss, dst);
        const uint16_t* img = in.Data();
        const int step = ts / 2;
        ForRows(SImage{w, h, p}, [&](int y0, int y1) {
            for (int y = y0; y < y1; ++y)
            {
                const uint16_t* rows[3] = {img + size_t(std::max(y - 1, 0)) * w * 3, img + size_t(y) * w * 3,
                                           img + size_t(std::min(y + 1, h - 1)) * w * 3};
                for (int x = 0; x < w; ++x)
                {
                    const int cols[3] = {std::max(x - 1, 0) * 3, x * 3, std::min(x + 1, w - 1) * 3};
                    const uint16_t* n[9];
                    for (int k = 0; k < 9; ++k)
                        n[k] = rows[k / 3] + cols[k % 3];
                    fn(n, dst + (size_t(y) * w + x) * step);
                }
            }
        });
        return int(MP_SUCCESS);
    });
}

/// Smallest and largest of the eight neighbours of channel c.
void NeighbourRange(const uint16_t* const* n, int c, int& lo, int& hi)
{
    lo = 65535, hi = 0;
    for (int k = 0; k < 9; ++k)
        if (k != 4)
            lo = std::min<int>(lo, n[k][c]), hi = std::max<int>(hi, n[k][c]);
}

uint16_t Median9(uint16_t v[9])
{
    // A 19-exchange sorting network that leaves the median of nine in v[4].
    auto sort = [&](int a, int b) {
        if (v[a] > v[b])
            std::swap(v[a], v[b]);
    };
    sort(1, 2), sort(4, 5), sort(7, 8), sort(0, 1), sort(3, 4), sort(6, 7), sort(1, 2), sort(4, 5), sort(7, 8);
    sort(0, 3), sort(5, 8), sort(4, 7), sort(3, 6), sort(1, 4), sort(2, 5), sort(4, 7), sort(4, 2), sort(6, 4);
    sort(4, 2);
    return v[4];
}
}  // namespace

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDeNoiseMedian — sets: 0 strength, 1 masking curve, 2 combo, 3 geometry. Each
// channel moves towards the median of its 3 × 3 neighbourhood: impulse noise and single-pixel
// speckles vanish, edges stay sharp.
namespace
{
constexpr SSetLayout kMedianSets{1, eCR_MASK, 2, 3};
}

int MP_calcPixelDeNoiseMedian(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    const double strength = PreviewStrength(p, 0);
    return Run3x3(w, h, src, dst, ss, ts, p, [&](const uint16_t* const* n, uint16_t* out) {
        for (int c = 0; c < 3; ++c)
        {
            uint16_t v[9];
            for (int k = 0; k < 9; ++k)
                v[k] = n[k][c];
            out[c] = Mix(n[4][c], Median9(v), strength);
        }
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDeNoiseMinMax — sets: 0 strength, 1 tolerance (0…10 %), 2 masking curve, 3 combo,
// 4 geometry. A channel brighter than all eight neighbours (or darker) by more than the
// tolerance is pulled back to their range: lone hot and dead samples go, nothing else moves.
namespace
{
constexpr SSetLayout kMinMaxSets{2, eCR_MASK, 3, 4};
}

int MP_calcPixelDeNoiseMinMax(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    const double strength = PreviewStrength(p, 0);
    const int tolerance = p ? int(Slider(*p, 1) * 0.10f * 65535.0f) : 0;
    return Run3x3(w, h, src, dst, ss, ts, p, [&](const uint16_t* const* n, uint16_t* out) {
        for (int c = 0; c < 3; ++c)
        {
            int lo, hi;
            NeighbourRange(n, c, lo, hi);
            out[c] = Mix(n[4][c], std::clamp<int>(n[4][c], lo - tolerance, hi + tolerance), strength);
        }
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDeNoiseGapfill — sets: 0 strength, 1 threshold (0…100 % of the neighbours'
// spread), 2 masking curve, 3 combo, 4 geometry. A pixel with any channel beyond its eight
// neighbours' range by more than the threshold times that range (and at least 0.5 % of the full
// range) is a gap — a dropout or a stuck sensor pixel: all its channels are filled with the mean
// of the neighbours. Measured against the neighbours' own spread, a defect stands out in flat
// areas and texture peaks are not mistaken for one.
namespace
{
constexpr SSetLayout kGapfillSets{2, eCR_MASK, 3, 4};
}

int MP_calcPixelDeNoiseGapfill(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    const double strength = PreviewStrength(p, 0);
    const double relative = p ? Slider(*p, 1) : 0.0;
    return Run3x3(w, h, src, dst, ss, ts, p, [&](const uint16_t* const* n, uint16_t* out) {
        bool gap = false;
        for (int c = 0; c < 3; ++c)
        {
            int lo, hi;
            NeighbourRange(n, c, lo, hi);
            const double beyond = std::max(relative * (hi - lo), 0.005 * 65535.0);
            gap = gap || n[4][c] > hi + beyond || n[4][c] < lo - beyond;
        }
        for (int c = 0; c < 3; ++c)
        {
            int sum = 0;
            for (int k = 0; k < 9; ++k)
                sum += k == 4 ? 0 : n[k][c];
            out[c] = gap ? Mix(n[4][c], sum / 8.0, strength) : n[4][c];
        }
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDeNoiseVariance — sets: 0 radius (0…50 px), 1 noise level (0…10 %), 2 masking
// curve, 3 combo, 4 geometry. Per channel, the local mean m and variance v over the radius: the
// pixel keeps the share max(v − σ², 0) ÷ v of its difference from m, so areas whose variation is
// no more than the noise level σ flatten to their mean and structured areas keep their detail
// (the local linear minimum-error estimate). Footprint: the radius.
namespace
{
constexpr SSetLayout kVarianceSets{2, eCR_MASK, 3, 4};
}  // namespace

int MP_calcPixelDeNoiseVariance(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunChannels(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& v, int) {
        const int r = std::max(BorderBudget(kReach50, *p), 1);
        const double noise = double(Slider(*p, 1)) * 0.10 * 65535.0;
        Plane mean, variance;
        LocalStatistics(img, r, v, mean, variance);
        for (size_t i = 0; i < v.size(); ++i)
        {
            const double keep = variance[i] > 0.0 ? std::max(variance[i] - noise * noise, 0.0) / variance[i] : 0.0;
            mean[i] += (v[i] - mean[i]) * keep;
        }
        return mean;
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDeNoiseFlatten — sets: 0 radius (0…50 px), 1 strength, 2 flatness threshold
// (0…10 %), 3 masking curve, 4 combo, 5 geometry. Where the luminance's standard deviation over
// the radius stays below the threshold the area counts as flat and each channel moves to its
// local mean (fully below half the threshold); textured areas and edges are left alone.
// Footprint: the radius.
namespace
{
constexpr SSetLayout kFlattenSets{3, eCR_MASK, 4, 5};
}

int MP_calcPixelDeNoiseFlatten(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    FloatPlane flat; // 0…1 per pixel, from the luminance, made with the first channel
    return RunChannels(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& v, int c) {
        const int r = std::max(BorderBudget(kReach50, *p), 1);
        Plane mean, variance;
        if (c == 0)
        {
            const double strength = Slider(*p, 1);
            const double threshold = std::max(double(Slider(*p, 2)) * 0.10 * 65535.0, 1.0);
            LocalStatistics(img, r, Luminance(img, src, ss / 2), mean, variance);
            flat.resize(v.size());
            for (size_t i = 0; i < v.size(); ++i)
                flat[i] = float((1.0 - SmoothStep(0.5 * threshold, threshold, std::sqrt(variance[i]))) * strength);
        }
        BoxMean(img, r, v, mean);
        for (size_t i = 0; i < v.size(); ++i)
            mean[i] = v[i] + (mean[i] - v[i]) * flat[i];
        return mean;
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDeNoiseIterative — sets: 0 reach (0…50 steps at full size), 1 edge threshold
// (0…5 %), 2 masking curve, 3 combo, 4 geometry. Edge-stopping diffusion: each step moves a
// sample towards its four neighbours, each by 0.2 × d ÷ (1 + (d ÷ K)²) for a difference d, so
// differences well below the threshold K even out and larger ones (edges) stop the flow.
// Diffusion spreads with the square root of the steps, so a preview takes the steps × s²; one
// step reads one row, so the footprint is the step count.
namespace
{
constexpr SSetLayout kIterativeSets{2, eCR_MASK, 3, 4};

int DiffusionSteps(const Params& p)
{
    const float steps = MP_Clamp01(p.p[0][0]) * 50.0f * Scale(p) * Scale(p);
    return std::min(int(steps), BorderBudget(kReach50, p));
}

bool IterativeHasEffect(const Params& p)
{
    return StrengthIn<1>(p) && DiffusionSteps(p) >= 1;
}
}  // namespace

int MP_calcPixelDeNoiseIterative(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunChannels(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& v, int) {
        const int steps = DiffusionSteps(*p);
        const float k = std::max(Slider(*p, 1) * 0.05f * 65535.0f, 1.0f);
        const float inverse = 1.0f / (k * k);
        FloatPlane a(v.begin(), v.end()), b(v.size());
        for (int s = 0; s < steps; ++s)
        {
            ForRows(img, [&](int y0, int y1) {
                for (int y = y0; y < y1; ++y)
                {
                    const float* up = &a[size_t(std::max(y - 1, 0)) * w];
                    const float* row = &a[size_t(y) * w];
                    const float* down = &a[size_t(std::min(y + 1, h - 1)) * w];
                    for (int x = 0; x < w; ++x)
                    {
                        const float d[4] = {up[x] - row[x], down[x] - row[x], row[std::max(x - 1, 0)] - row[x],
                                            row[std::min(x + 1, w - 1)] - row[x]};
                        float flow = 0.0f;
                        for (const float di : d)
                            flow += di / (1.0f + di * di * inverse);
                        b[size_t(y) * w + x] = row[x] + 0.2f * flow;
                    }
                }
            });
            a.swap(b);
        }
        return Plane(a.begin(), a.end());
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDeNoiseRecover — sets: 0 detail size (0…50 px), 1 strength, 2 noise threshold
// (0…10 %), 3 masking curve, 4 combo, 5 geometry. Reads the picture as it was before the chain
// (source) and the current one (target): the luminance detail finer than the detail size that
// the earlier operators took away, less the noise threshold, goes back into the picture, so a
// strong noise reduction gets its texture back without its noise. Footprint: the detail size.
namespace
{
constexpr SSetLayout kRecoverSets{3, eCR_MASK, 4, 5};
}

int MP_calcPixelDeNoiseRecover(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    return Guarded([&] {
        const SImage img{w, h, p};
        const int rows = BorderBudget(kReach50, *p);
        const double strength = Slider(*p, 1);
        const double threshold = double(Slider(*p, 2)) * 0.10 * 65535.0;
        const Plane original = Luminance(img, src, ss / 2);
        const Plane current = Luminance(img, dst, ts / 2);
        Plane originalBase, currentBase;
        BlurWithin(img, rows, original, originalBase);
        BlurWithin(img, rows, current, currentBase);
        Plane restored(current.size());
        for (size_t i = 0; i < current.size(); ++i)
        {
            const double lost = (original[i] - originalBase[i]) - (current[i] - currentBase[i]);
            restored[i] = current[i] + strength * Cored(lost, threshold);
        }
        WriteLuminance(img, dst, ts / 2, current, restored, nullptr, dst, ts / 2);
        return int(MP_SUCCESS);
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDeNoiseBanding — sets: 0 radius (0…500 px), 1 strength (step height up to 1.5 %
// of the range, about four 8-bit levels), 2 masking curve, 3 combo, 4 geometry. Banding is a
// smooth gradient broken into small flat steps: a self-guided filter per channel with a wide
// window treats steps below the strength as noise and returns a smooth local linear fit; being
// linear in the picture itself it adds no edge the picture does not have, and real edges (far
// above the step height) stay. Footprint 2 × (budget ÷ 2).
namespace
{
constexpr SSetLayout kBandingSets{2, eCR_MASK, 3, 4};

bool GuidedBudgetHasEffect(const Params& p)
{
    return StrengthIn<1>(p) && BorderBudget(kReach500, p) >= 2;
}
}  // namespace

int MP_calcPixelDeNoiseBanding(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunChannels(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& v, int) {
        const double step = double(Slider(*p, 1)) * 0.015 * 65535.0;
        Plane out;
        Guided(img, std::max(BorderBudget(kReach500, *p) / 2, 1), step * step, v, v, out);
        return out;
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelSkySmooth — sets: 0 radius (0…500 px), 1 strength, 2 masking curve, 3 combo,
// 4 geometry. Sky colours (hues from cyan to blue, some saturation, not dark) are smoothed by a
// self-guided filter per channel with a wide window: noise and banding in the sky go, the sky's
// gradient and the horizon stay, everything that is not sky-coloured is left as it is.
// Footprint 2 × (budget ÷ 2).
namespace
{
constexpr SSetLayout kSkySets{2, eCR_MASK, 3, 4};

/// 0…1: how much a colour looks like sky.
float SkyLikeness(const uint16_t* px)
{
    const Colour::SComponents hsv = Colour::RgbToHsv(px[0] * MP_DECODE, px[1] * MP_DECODE, px[2] * MP_DECODE);
    const double degrees = hsv.f0 * 360.0;
    const double hue = SmoothStep(170.0, 190.0, degrees) * (1.0 - SmoothStep(250.0, 270.0, degrees));
    return float(hue * SmoothStep(0.04, 0.12, hsv.f1) * SmoothStep(0.2, 0.35, hsv.f2));
}
}  // namespace

int MP_calcPixelSkySmooth(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    FloatPlane sky; // made with the first channel
    return RunChannels(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& v, int c) {
        if (c == 0)
        {
            sky.resize(v.size());
            for (size_t i = 0; i < sky.size(); ++i)
                sky[i] = SkyLikeness(src + i * (ss / 2));
        }
        const double noise = double(Slider(*p, 1)) * 0.04 * 65535.0;
        Plane out;
        Guided(img, std::max(BorderBudget(kReach500, *p) / 2, 1), noise * noise, v, v, out);
        for (size_t i = 0; i < v.size(); ++i)
            out[i] = v[i] + (out[i] - v[i]) * sky[i];
        return out;
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelGradientSoften — sets: 0 reach (0…50 px), 1 strength, 2 masking curve, 3 combo,
// 4 geometry. Each pixel moves towards the mean along the edge through it (across the luminance
// gradient, from a Sobel estimate): noise is averaged along contours, so edges keep their
// sharpness while flat noise softens. Samples that differ from the pixel by far more than noise
// (where a noisy direction estimate lets the line touch the other side) count less. Footprint:
// the reach.
namespace
{
constexpr SSetLayout kSoftenSets{2, eCR_MASK, 3, 4};
constexpr float kInverseEdge = 1.0f / (0.04f * 65535.0f); // differences of 4 % count half
}  // namespace

int MP_calcPixelGradientSoften(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    return Guarded([&] {
        const SImage img{w, h, p};
        const int reach = std::max(BorderBudget(kReach50, *p), 1);
        const int taps = std::min(reach, 4);
        const float spacing = float(reach) / float(taps);
        const float strength = Slider(*p, 1);
        const CStableSource in(w, h, src, ss, dst);
        const uint16_t* rgb = in.Data();
        const Plane lum = Luminance(img, rgb, 3);
        const int step = ts / 2;
        ForRows(img, [&](int y0, int y1) {
            for (int y = y0; y < y1; ++y)
                for (int x = 0; x < w; ++x)
                {
                    auto L = [&](int dx, int dy) {
                        return lum[size_t(std::clamp(y + dy, 0, h - 1)) * w + std::clamp(x + dx, 0, w - 1)];
                    };
                    const double gx = L(1, -1) + 2 * L(1, 0) + L(1, 1) - L(-1, -1) - 2 * L(-1, 0) - L(-1, 1);
                    const double gy = L(-1, 1) + 2 * L(0, 1) + L(1, 1) - L(-1, -1) - 2 * L(0, -1) - L(1, -1);
                    const double mag = std::sqrt(gx * gx + gy * gy);
                    const float tx = mag > 1e-9 ? float(-gy / mag) : 1.0f, ty = mag > 1e-9 ? float(gx / mag) : 0.0f;
                    const int lo = std::max(y - reach, 0), hi = std::min(y + reach, h - 1);
                    const uint16_t* centre = rgb + (size_t(y) * w + x) * 3;
                    float v[3], sum[3], weights[3];
                    for (int c = 0; c < 3; ++c)
                        v[c] = sum[c] = float(centre[c]), weights[c] = 1.0f;
                    for (int k = -taps; k <= taps; ++k)
                    {
                        if (k == 0)
                            continue;
                        const SBilinearTap tap(w, x, y, tx * float(k) * spacing, ty * float(k) * spacing, lo, hi);
                        for (int c = 0; c < 3; ++c)
                        {
                            const float s = tap([&](int xx, int yy) { return float(rgb[(size_t(yy) * w + xx) * 3 + c]); });
                            const float d = (s - v[c]) * kInverseEdge;
                            const float weight = 1.0f / (1.0f + d * d);
                            sum[c] += s * weight, weights[c] += weight;
                        }
                    }
                    uint16_t* out = dst + (size_t(y) * w + x) * step;
                    for (int c = 0; c < 3; ++c)
                        out[c] = MP_RoundSample(v[c] + (sum[c] / weights[c] - v[c]) * strength);
                }
        });
        return int(MP_SUCCESS);
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelRemoveArtifacts — sets: 0 strength (steps up to 6 % of the range), 1 block size
// (4…32 px at full size), 2 masking curve, 3 combo, 4 geometry. Block edges of compressed video
// lie on a fixed grid: where a small step sits exactly on a block boundary between two flat
// sides, it is spread into a ramp over up to three pixels each side (scaled with the preview);
// real edges (larger steps, or textured sides) are kept. Columns first, then rows; the grid
// counts rows from the top of the picture (the stripe's offset added).
namespace
{
constexpr SSetLayout kArtifactsSets{2, eCR_MASK, 3, 4};

/// Spreads block steps in `line` (n samples, `stride` apart; `first` the absolute index of the
/// first) into ramps of half-width `ramp`; reads `original`, writes `out`.
void DeblockLine(const double* original, double* out, int n, size_t stride, int first, double block, int ramp,
                 double threshold)
{
    auto at = [&](int i) { return original[size_t(i) * stride]; };
    for (int i = ramp; i + ramp <= n; ++i)
    {
        if (std::floor((first + i) / block) == std::floor((first + i - 1) / block))
            continue; // not a block boundary
        const double step = at(i) - at(i - 1);
        if (!(std::fabs(step) < threshold))
            continue;
        if (ramp > 1 && (std::fabs(at(i - 1) - at(i - 2)) > 0.5 * threshold || std::fabs(at(i + 1) - at(i)) > 0.5 * threshold))
            continue; // a textured side: leave it
        for (int d = 0; d < ramp; ++d)
        {
            const double share = step * double(ramp - d) / double(2 * ramp + 1);
            out[size_t(i - 1 - d) * stride] += share;
            out[size_t(i + d) * stride] -= share;
        }
    }
}
}  // namespace

int MP_calcPixelRemoveArtifacts(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunChannels(w, h, src, dst, ss, ts, p, [&](const SImage& img, const Plane& v, int) {
        const double threshold = double(Slider(*p, 0)) * 0.06 * 65535.0;
        const double block = (4.0 + 28.0 * double(Slider(*p, 1))) * Scale(*p);
        const int ramp = std::min(ScaledPixels(3.0f, *p), int(block / 2.0));
        Plane out = v;
        if (ramp < 1)
            return out; // blocks under two pixels show no edges
        ForRows(img, [&](int y0, int y1) {
            for (int y = y0; y < y1; ++y)
                DeblockLine(&v[size_t(y) * w], &out[size_t(y) * w], w, 1, 0, block, ramp, threshold);
        });
        const Plane columns = out;
        ForColumns(img, [&](int x0, int x1) {
            for (int x = x0; x < x1; ++x)
                DeblockLine(&columns[x], &out[x], h, size_t(w), p->y_offset, block, ramp, threshold);
        });
        return out;
    });
}

// ---------------------------------------------------------------------------------------------
std::span<const SKernelEntry> LocalDenoiseKernels()
{
    static const SKernelEntry kRows[] = {
        // name + function                           border             flags                                   reads           CL       effect test            sets
        {MP_KERNEL(MP_calcPixelDeNoiseMedian),       SBorder::Rows(1),  eKF_SPEED_TESTED,                       eIN_NEIGHBOURS, nullptr, StrengthIn<0>,           kMedianSets},
        {MP_KERNEL(MP_calcPixelDeNoiseMinMax),       SBorder::Rows(1),  eKF_CPU_ONLY,                           eIN_NEIGHBOURS, nullptr, StrengthIn<0>,           kMinMaxSets},
        {MP_KERNEL(MP_calcPixelDeNoiseGapfill),      SBorder::Rows(1),  eKF_CPU_ONLY,                           eIN_NEIGHBOURS, nullptr, StrengthIn<0>,           kGapfillSets},
        {MP_KERNEL(MP_calcPixelDeNoiseVariance),     kReach50,         eKF_CPU_ONLY,                           eIN_NEIGHBOURS, nullptr, StrengthIn<1>,           kVarianceSets},
        {MP_KERNEL(MP_calcPixelDeNoiseFlatten),      kReach50,         eKF_CPU_ONLY,                           eIN_NEIGHBOURS, nullptr, StrengthIn<1>,           kFlattenSets},
        {MP_KERNEL(MP_calcPixelDeNoiseIterative),    kReach50,         eKF_CPU_ONLY,                           eIN_NEIGHBOURS, nullptr, IterativeHasEffect,    kIterativeSets},
        {MP_KERNEL(MP_calcPixelDeNoiseRecover),      kReach50,         eKF_CPU_ONLY | eKF_NEEDS_UNPROCESSED,   eIN_NEIGHBOURS, nullptr, StrengthIn<1>,           kRecoverSets},
        {MP_KERNEL(MP_calcPixelDeNoiseBanding),      kReach500,        eKF_NONE,                               eIN_NEIGHBOURS, nullptr, GuidedBudgetHasEffect, kBandingSets},
        {MP_KERNEL(MP_calcPixelSkySmooth),           kReach500,        eKF_CPU_ONLY,                           eIN_NEIGHBOURS, nullptr, GuidedBudgetHasEffect, kSkySets},
        {MP_KERNEL(MP_calcPixelGradientSoften),      kReach50,         eKF_CPU_ONLY,                           eIN_NEIGHBOURS, nullptr, StrengthIn<1>,           kSoftenSets},
        {MP_KERNEL(MP_calcPixelRemoveArtifacts),     SBorder::Rows(0),  eKF_CPU_ONLY,                           eIN_NEIGHBOURS, nullptr, StrengthIn<0>,           kArtifactsSets},
    };
    return kRows;
}
