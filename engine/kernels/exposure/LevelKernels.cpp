// Automatic level operators of the exposure family: each measures the picture (black and white
// points, percentiles, the luminance histogram) and then maps every pixel through a table.
#include "engine/LevelTables.h"
#include "engine/kernels/exposure/ExposureShared.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

using namespace Exposure;

namespace
{
constexpr int kBins = 4096;

/// The stretch of lo…hi to 0…1, one table for every channel; identity when the range is
/// narrower than 1 % (a flat picture is not blown up).
const SLevelTable* StretchTable(const Params& p, float lo, float hi)
{
    if (!(hi - lo >= 0.01f))
        lo = 0.0f, hi = 1.0f;
    const float k = 1.0f / (hi - lo);
    return MP_LevelTable(p, eXT_STRETCH, {lo, k}, [lo, k](int i) { return (float(i) * MP_DECODE - lo) * k; });
}

/// lo and hi moved from 0 and 1 towards the measured points by `strength`.
void Towards(float strength, float black, float white, float& lo, float& hi)
{
    lo = black * strength;
    hi = 1.0f - (1.0f - white) * strength;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelautomaticbwpoint — sets: 0 strength, 1 combo, 2 geometry. The chain measures the
// black and white points (the luminance levels that 0.1 % of the pixels lie beyond) into lummin
// and lummax before the call; every channel is stretched from them towards 0…1 by strength.
constexpr SSetLayout kAutomaticBWSets{-1, eCR_NONE, 1, 2};

bool AutomaticBWHasEffect(const Params& p)
{
    float lo = 0.0f, hi = 1.0f;
    Towards(MP_Clamp01(p.p[0][0]), MP_Clamp01(p.lummin), MP_Clamp01(p.lummax), lo, hi);
    return hi - lo >= 0.01f && (lo >= 0.0005f || hi <= 0.9995f);
}
}  // namespace

int MP_calcPixelautomaticbwpoint(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    float lo = 0.0f, hi = 1.0f;
    Towards(MP_Clamp01(p->p[0][0]), MP_Clamp01(p->lummin), MP_Clamp01(p->lummax), lo, hi);
    const SLevelTableOp op{StretchTable(*p, lo, hi)};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kAutomaticBWSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelWeighedBW — sets: 0 strength, 1 share (0…10 % of the pixels), 2 combo, 3 geometry.
// The black point is the mean luminance of the darkest share of the pixels and the white point
// that of the brightest share, so single outliers do not decide the stretch; every channel is
// stretched from them towards 0…1 by strength.
constexpr SSetLayout kWeighedBWSets{-1, eCR_NONE, 2, 3};

bool WeighedBWHasEffect(const Params& p)
{
    return p.p[0][0] >= 0.001f;
}

/// Mean level of the first `count` pixels of the histogram walked from the dark (or bright) end.
float MeanOfEnd(const std::vector<uint64_t>& histogram, uint64_t count, bool fromDark)
{
    const int bins = int(histogram.size());
    uint64_t taken = 0;
    double sum = 0.0;
    for (int k = 0; k < bins && taken < count; ++k)
    {
        const int i = fromDark ? k : bins - 1 - k;
        const uint64_t n = std::min(histogram[size_t(i)], count - taken);
        sum += double(n) * double(i);
        taken += n;
    }
    return taken > 0 ? float(sum / double(taken) / double(bins - 1)) : (fromDark ? 0.0f : 1.0f);
}
}  // namespace

int MP_calcPixelWeighedBW(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const std::vector<uint64_t> histogram = LuminanceHistogram(*p, src, ss / 2, w, h, kBins);
    const uint64_t pixels = uint64_t(w) * uint64_t(h);
    const uint64_t count = std::max<uint64_t>(1, uint64_t(double(pixels) * MP_Clamp01(p->p[1][0]) * 0.1));
    float lo = 0.0f, hi = 1.0f;
    Towards(MP_Clamp01(p->p[0][0]), MeanOfEnd(histogram, count, true), MeanOfEnd(histogram, count, false), lo, hi);
    const SLevelTableOp op{StretchTable(*p, lo, hi)};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kWeighedBWSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelpercentbwpoint — sets: 0 dark percentile (0…10 %), 1 bright percentile
// (0…10 % from the top), 2 combo, 3 geometry. Each channel is stretched on its own from its
// dark to its bright percentile, which also takes out a colour cast of the shadows or lights.
constexpr SSetLayout kPercentileSets{-1, eCR_NONE, 2, 3};

struct SThreeTablesOp
{
    const SLevelTable* t[3];
    void Pixel(int, int, const uint16_t* in, float*, float* ce) const
    {
        ce[0] = t[0]->af[in[0]], ce[1] = t[1]->af[in[1]], ce[2] = t[2]->af[in[2]];
    }
    void PlainRow(const uint16_t* __restrict in, uint16_t* __restrict out, int count) const
    {
        const uint16_t* __restrict r = t[0]->aui;
        const uint16_t* __restrict g = t[1]->aui;
        const uint16_t* __restrict b = t[2]->aui;
        for (int i = 0; i < count; ++i)
            out[3 * i] = r[in[3 * i]], out[3 * i + 1] = g[in[3 * i + 1]], out[3 * i + 2] = b[in[3 * i + 2]];
    }
};
}  // namespace

int MP_calcPixelpercentbwpoint(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const double dark = MP_Clamp01(p->p[0][0]) * 0.1, bright = MP_Clamp01(p->p[1][0]) * 0.1;
    float lo[3], hi[3];
    for (int c = 0; c < 3; ++c)
    {
        const std::vector<uint64_t> histogram = ChannelHistogram(*p, src, ss / 2, w, h, c, kBins);
        lo[c] = HistogramLevel(histogram, dark);
        hi[c] = HistogramLevel(histogram, bright, true);
    }
    // Tables are fetched after all measuring: each stays valid while the kernel holds it.
    const SThreeTablesOp op{{StretchTable(*p, lo[0], hi[0]), StretchTable(*p, lo[1], hi[1]), StretchTable(*p, lo[2], hi[2])}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kPercentileSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelHistogramEqualize — sets: 0 strength, 1 contrast limit, 2 masking curve, 3 combo,
// 4 geometry. Luminance is mapped through the normalised cumulative histogram, so the tones
// spread evenly; the limit caps every bin at (1 + 15 (1 − limit)) times the mean count and
// shares the excess out evenly, which keeps large flat areas from being torn apart. Mixed in by
// strength, colours kept.
constexpr SSetLayout kEqualizeSets{2, eCR_MASK, 3, 4};
constexpr int kEqualizeBins = 1024;

bool EqualizeHasEffect(const Params& p)
{
    return p.p[0][0] >= 0.001f;
}

/// The cumulative distribution at the upper edge of each bin, 0…1, after clipping.
std::vector<float> LimitedCdf(std::vector<uint64_t> histogram, float limit)
{
    uint64_t all = 0;
    for (const uint64_t n : histogram)
        all += n;
    const double cap = double(all) / kEqualizeBins * (1.0 + 15.0 * (1.0 - limit));
    double excess = 0.0;
    std::vector<double> bins(histogram.size());
    for (size_t i = 0; i < bins.size(); ++i)
    {
        bins[i] = std::min(double(histogram[i]), cap);
        excess += double(histogram[i]) - bins[i];
    }
    std::vector<float> cdf(bins.size());
    double sum = 0.0;
    const double share = excess / double(bins.size());
    for (size_t i = 0; i < bins.size(); ++i)
        cdf[i] = all > 0 ? float((sum += bins[i] + share) / double(all)) : float(i + 1) / float(bins.size());
    return cdf;
}
}  // namespace

int MP_calcPixelHistogramEqualize(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float strength = MP_Clamp01(p->p[0][0]);
    const std::vector<float> cdf = LimitedCdf(LuminanceHistogram(*p, src, ss / 2, w, h, kEqualizeBins),
                                              MP_Clamp01(p->p[1][0]));
    // Level L lies in bin trunc(L × (bins − 1)); between the lower edge of the bin (the previous
    // bin's cumulative value) and its upper edge the mapping is linear.
    std::vector<float> table(65536);
    for (int i = 0; i < 65536; ++i)
    {
        const float position = float(i) / 65535.0f * float(kEqualizeBins - 1);
        const int bin = std::min(int(position), kEqualizeBins - 1);
        const float below = bin > 0 ? cdf[size_t(bin - 1)] : 0.0f;
        const float equalised = below + (cdf[size_t(bin)] - below) * (position - float(bin));
        const float L = float(i) / 65535.0f;
        table[size_t(i)] = L + (equalised - L) * strength;
    }
    const SLuminanceCurveOp op{table.data(), {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kEqualizeSets, *p), op);
}

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelBalanceShadowLight — sets: 0 strength, 1 target brightness, 2 combo, 3 geometry.
// Normalises the tones: luminance is stretched between the levels that 0.1 % of the pixels lie
// beyond, and a gamma then carries the median to the target brightness (the exponent kept within
// 1/3…3); mixed in by strength, colours kept.
constexpr SSetLayout kNormaliseSets{-1, eCR_NONE, 2, 3};

bool NormaliseHasEffect(const Params& p)
{
    return p.p[0][0] >= 0.001f;
}
}  // namespace

int MP_calcPixelBalanceShadowLight(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const std::vector<uint64_t> histogram = LuminanceHistogram(*p, src, ss / 2, w, h, kBins);
    float lo = HistogramLevel(histogram, 0.001), hi = HistogramLevel(histogram, 0.001, true);
    if (!(hi - lo >= 0.01f))
        lo = 0.0f, hi = 1.0f;
    const float median = MP_Clamp01((HistogramLevel(histogram, 0.5) - lo) / (hi - lo));
    const float target = std::clamp(MP_Clamp01(p->p[1][0]), 0.05f, 0.95f);
    float exponent = 1.0f;
    if (median > 0.001f && median < 0.999f)
        exponent = std::clamp(std::log(target) / std::log(median), 1.0f / 3.0f, 3.0f);
    const float strength = MP_Clamp01(p->p[0][0]);
    const SLevelTable* table = MP_LevelTable(*p, eXT_NORMALISE, {lo, hi, exponent, strength}, [=](int i) {
        const float L = float(i) / 65535.0f;
        const float normal = std::pow(MP_Clamp01((L - lo) / (hi - lo)), exponent);
        return L + (normal - L) * strength;
    });
    const SLuminanceCurveOp op{table->af, {p->lumr, p->lumg, p->lumb}};
    return MP_RunPointKernel(w, h, src, dst, ss, ts, MP_PrepareFrame(kNormaliseSets, *p), op);
}

namespace
{
const SKernelEntry kLevelKernels[] = {
    // name + function                            border            flags                     reads           CL       effect test           sets
    {MP_KERNEL(MP_calcPixelautomaticbwpoint),     SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, AutomaticBWHasEffect, kAutomaticBWSets},
    {MP_KERNEL(MP_calcPixelWeighedBW),            SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, WeighedBWHasEffect,   kWeighedBWSets},
    {MP_KERNEL(MP_calcPixelpercentbwpoint),       SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, nullptr,              kPercentileSets},
    {MP_KERNEL(MP_calcPixelHistogramEqualize),    SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, EqualizeHasEffect,    kEqualizeSets},
    {MP_KERNEL(MP_calcPixelBalanceShadowLight),   SBorder::Rows(0), eKF_CPU_ONLY | eKF_POINT, eIN_NEIGHBOURS, nullptr, NormaliseHasEffect,   kNormaliseSets},
};
}  // namespace

std::span<const SKernelEntry> ExposureLevelKernels()
{
    return kLevelKernels;
}
