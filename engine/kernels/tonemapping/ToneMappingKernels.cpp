// Iterative local tone mapping: each pass splits the log luminance into an edge-preserving base
// and the detail on it, pulls the base towards middle grey and lifts the detail. The chain runs
// the passes (MP_IterativeToneMappingPasses) and afterwards, for entries that ask for it, the
// automatic gradation that spreads the compressed tones over the range again.
#include "engine/LevelTables.h"
#include "engine/PointKernel.h"
#include "engine/kernels/Neighbourhood.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelTMitercontrast — sets: 0 radius (× 500 pixels at full size, times the radius
// setting), 1 compression of the large-scale tones, 2 local contrast, 3 combo, 4 geometry.
// MP_calcPixelTMiterbrillance — the same with 2 brilliance: the detail of each channel around
// the luminance base is lifted, so colours gain local contrast and saturation with the tones.
constexpr SSetLayout kIterSets{-1, eCR_NONE, 3, 4};
constexpr float kLogUnit = 4096.0f;           // fixed-point log2 units per stop
constexpr float kLogFloor = 1.0f / 4096.0f;   // black sits 12 stops below white
constexpr float kAnchorStops = -2.5f;         // middle grey, where the compression pulls to
constexpr int32_t kLogBound = 12 * 4096 + 64; // largest magnitude of a fixed-point log

int IterReach(const Params& p)
{
    // The loopstep multipliers carry the radius factor and the engine's radius setting; a
    // setting above one must not read beyond the stripe border.
    const float setting = std::clamp(p.cpu_loopstep_mulitplier / 17.5f, 0.0f, 1.0f);
    return MP_ScaledRadius(p.p[0][0], 500.0f * setting, p.previewscalingfactor);
}

// The effect test runs before the dispatcher fills the loopstep multipliers, so it judges the
// radius slider alone.
bool IterHasEffect(const Params& p)
{
    return MP_ScaledRadius(p.p[0][0], 500.0f, p.previewscalingfactor) >= 2 && (p.p[1][0] > 0.001f || p.p[2][0] > 0.001f);
}

/// One pass's share of the strengths: the chain's passes compose to the totals the sliders set.
struct SPassStrength
{
    float fCompression, fDetail;
};

SPassStrength PassStrength(const Params& p)
{
    const float passes = float(MP_IterativeToneMappingPasses(p.loopstep));
    const float compression = MP_Clamp01(p.p[1][0]) * 0.8f, detail = MP_Clamp01(p.p[2][0]) * 2.0f;
    return {1.0f - std::pow(1.0f - compression, 1.0f / passes), std::pow(1.0f + detail, 1.0f / passes) - 1.0f};
}

const float* LogTable(const Params& p)
{
    return MP_LevelTable(p, eLT_LOG_LUMINANCE, {}, [](int i) { return std::log2(float(i) * MP_DECODE + kLogFloor); })->af;
}

/// The edge-preserving base of the log luminance: a guided filter whose edges are differences of
/// half a stop times the engine's edge-protection multiplier.
std::vector<int32_t> LogBase(const Params& p, const uint16_t* src, int w, int h, int step, std::vector<int32_t>& logL)
{
    const float* log2 = LogTable(p);
    logL.resize(size_t(w) * h);
    MP_MT_ForBands(h, MP_KernelWorkers(p, w, h), [&](const TaskFuncParams& t) {
        for (size_t i = size_t(t.iRowBegin) * w; i < size_t(t.iRowEnd) * w; ++i)
        {
            const uint16_t* px = src + i * step;
            const float L = p.lumr * px[0] + p.lumg * px[1] + p.lumb * px[2];
            logL[i] = int32_t(std::lround(log2[std::clamp(int(L), 0, 65535)] * kLogUnit));
        }
    });
    std::vector<int32_t> base = logL;
    const float multiplier = std::isfinite(p.tmedgeprotectmul) ? std::clamp(p.tmedgeprotectmul, 0.05f, 20.0f) : 1.0f;
    const double edge = 0.5 * multiplier * kLogUnit;
    MP_GuidedSmoothFixed(p, base, w, h, 1, IterReach(p) / 2, edge * edge, kLogBound);
    return base;
}

/// Runs `pixel(in, c0, log luminance, base, compressed base, detail gain, ce)` over every pixel;
/// logs in stops.
template <class Pixel>
int RunIterative(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, const Params* p, const Pixel& pixel)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const int sstep = ss / 2, tstep = ts / 2;
    std::vector<int32_t> logL;
    const std::vector<int32_t> base = LogBase(*p, src, w, h, sstep, logL);
    const SPassStrength strength = PassStrength(*p);
    const float anchor = kAnchorStops * kLogUnit;
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        for (size_t i = size_t(t.iRowBegin) * w; i < size_t(t.iRowEnd) * w; ++i)
        {
            const uint16_t* in = src + i * sstep;
            const float c0[3] = {in[0] * MP_DECODE, in[1] * MP_DECODE, in[2] * MP_DECODE};
            const float b = float(base[i]);
            const float compressed = b + (anchor - b) * strength.fCompression;
            float ce[3];
            pixel(in, c0, float(logL[i]) / kLogUnit, b / kLogUnit, compressed / kLogUnit, strength.fDetail, ce);
            uint16_t* out = dst + i * tstep;
            out[0] = MP_RoundLevel(ce[0]), out[1] = MP_RoundLevel(ce[1]), out[2] = MP_RoundLevel(ce[2]);
        }
    });
    return MP_SUCCESS;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelAutoGradation — no sets; run by the chain after operators whose entry asks for a
// gradation. The compressed tones are spread over the range again: the luminance between the
// 0.5th and the 99.5th percentile is stretched to 0…1 and bent by a gamma that puts the median in
// the middle (γ within 0.5…2). It is a luminance gain, so colours keep their proportions.
constexpr int kHistogramBins = 4096;
constexpr double kClip = 0.0001;
}  // namespace

int MP_calcPixelTMitercontrast(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunIterative(w, h, src, dst, ss, ts, p,
                        [](const uint16_t*, const float* c0, float logL, float base, float compressed, float detail,
                           float* ce) {
                            const float gain = std::exp2(compressed - base + (logL - base) * detail);
                            ce[0] = c0[0] * gain, ce[1] = c0[1] * gain, ce[2] = c0[2] * gain;
                        });
}

int MP_calcPixelTMiterbrillance(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    // 2^(compressed + (log2 c − base) × e) = 2^(compressed − base × e) × c^e: one exp2 per pixel
    // and a table of c^e per level (c with the log floor added).
    const float exponent = 1.0f + PassStrength(*p).fDetail;
    const float* power = MP_LevelTable(*p, eLT_TONE_POWER, {exponent}, [exponent](int i) {
                             return std::pow(float(i) * MP_DECODE + kLogFloor, exponent);
                         })->af;
    return RunIterative(w, h, src, dst, ss, ts, p,
                        [power, exponent](const uint16_t* in, const float*, float, float base, float compressed, float,
                                          float* ce) {
                            const float gain = std::exp2(compressed - base * exponent);
                            for (int c = 0; c < 3; ++c)
                                ce[c] = gain * power[in[c]] - kLogFloor;
                        });
}

int MP_calcPixelAutoGradation(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const int sstep = ss / 2, tstep = ts / 2;
    const size_t n = size_t(w) * h;
    std::vector<uint16_t> luminance(n);
    std::vector<uint64_t> histogram(kHistogramBins, 0);
    for (size_t i = 0; i < n; ++i)
    {
        const uint16_t* px = src + i * sstep;
        luminance[i] = uint16_t(std::clamp(int(p->lumr * px[0] + p->lumg * px[1] + p->lumb * px[2]), 0, 65535));
        ++histogram[luminance[i] >> 4];
    }
    // The luminance below which a share of the pixels lies (bin centres, 0…1).
    auto percentile = [&](double share) {
        const uint64_t count = uint64_t(share * double(n));
        uint64_t sum = 0;
        for (int b = 0; b < kHistogramBins; ++b)
            if ((sum += histogram[size_t(b)]) > count)
                return (float(b) + 0.5f) / float(kHistogramBins);
        return 1.0f;
    };
    const float lo = percentile(kClip), hi = std::max(percentile(1.0 - kClip), lo + 0.01f);
    const float median = MP_Clamp01((percentile(0.5) - lo) / (hi - lo));
    const float gamma = median > 0.0f && median < 1.0f ? std::clamp(std::log(0.5f) / std::log(median), 0.7f, 1.4f) : 1.0f;
    std::vector<float> gain(65536, 0.0f);
    for (int i = 1; i < 65536; ++i)
    {
        const float x = float(i) * MP_DECODE;
        gain[size_t(i)] = std::pow(MP_Clamp01((x - lo) / (hi - lo)), gamma) / x;
    }
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        for (size_t i = size_t(t.iRowBegin) * w; i < size_t(t.iRowEnd) * w; ++i)
        {
            const float g = gain[luminance[i]];
            const uint16_t* in = src + i * sstep;
            uint16_t* out = dst + i * tstep;
            for (int c = 0; c < 3; ++c)
                out[c] = MP_RoundSample(float(in[c]) * g);
        }
    });
    return MP_SUCCESS;
}

namespace
{
constexpr uint32_t kIterFlags = eKF_CPU_ONLY | eKF_ITERATIVE_TM;
const SKernelEntry kToneMappingKernels[] = {
    // name + function                        border                          flags                                            reads           CL       effect test    sets                             radius factor
    {MP_KERNEL(MP_calcPixelTMitercontrast),   SBorder::FromP00(500, 1, true), kIterFlags,                                      eIN_NEIGHBOURS, nullptr, IterHasEffect, kIterSets,                       0.9f},
    {MP_KERNEL(MP_calcPixelTMiterbrillance),  SBorder::FromP00(500, 1, true), kIterFlags,                                      eIN_NEIGHBOURS, nullptr, IterHasEffect, kIterSets,                       0.9f},
    {MP_KERNEL(MP_calcPixelAutoGradation),    SBorder::Rows(0),               eKF_CPU_ONLY | eKF_WHOLE_IMAGE | eKF_AUXILIARY,  eIN_NEIGHBOURS, nullptr, nullptr,       SSetLayout{-1, eCR_NONE, -1, -1}},
};
}  // namespace

std::span<const SKernelEntry> ToneMappingKernels()
{
    return kToneMappingKernels;
}
