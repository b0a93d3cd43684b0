// Effects that reshape or requantise the picture: erosion and dilation (grey-level morphology
// over an octagon), the double image of "Doppler", and Floyd–Steinberg dithering to fewer bits.
#include "engine/kernels/Neighbourhood.h"
#include "engine/kernels/enhance/EnhanceFilters.h"

#include <cmath>
#include <span>

using namespace Enhance;

// ---------------------------------------------------------------------------------------------
// MP_calcPixelErode / MP_calcPixelDilate — sets: 0 radius (0…10 px), 1 masking curve, 2 combo,
// 3 geometry. Each channel becomes the smallest (erosion: dark areas grow) or largest (dilation:
// bright areas grow) value within the radius. The radius is walked in one-pixel steps that
// alternate a 3 × 3 square and a cross, so the reach is an octagon close to a disc rather than
// a blocky square. Footprint: the radius.
namespace
{
constexpr SSetLayout kMorphologySets{1, eCR_MASK, 2, 3};

int MorphologySteps(const Params& p)
{
    const float v = Slider(p, 0) * 10.0f * Scale(p);
    return int(v + 0.5f);
}

bool MorphologyHasEffect(const Params& p)
{
    return MorphologySteps(p) >= 1;
}

template <bool kMin>
int RunMorphology(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    return Guarded([&] {
        const SImage img{w, h, p};
        auto pick = [](uint16_t a, uint16_t b) { return kMin ? std::min(a, b) : std::max(a, b); };
        std::vector<uint16_t> a(img.Count() * 3), b(a.size());
        for (size_t i = 0; i < img.Count(); ++i)
            for (int c = 0; c < 3; ++c)
                a[i * 3 + c] = src[i * (ss / 2) + c];
        const int steps = MorphologySteps(*p);
        for (int s = 0; s < steps; ++s)
        {
            const bool square = s % 2 == 0;
            ForRows(img, [&](int y0, int y1) {
                for (int y = y0; y < y1; ++y)
                {
                    const uint16_t* up = &a[size_t(std::max(y - 1, 0)) * w * 3];
                    const uint16_t* row = &a[size_t(y) * w * 3];
                    const uint16_t* down = &a[size_t(std::min(y + 1, h - 1)) * w * 3];
                    uint16_t* out = &b[size_t(y) * w * 3];
                    for (int x = 0; x < w; ++x)
                    {
                        const int l = std::max(x - 1, 0) * 3, m = x * 3, r = std::min(x + 1, w - 1) * 3;
                        for (int c = 0; c < 3; ++c)
                        {
                            uint16_t v = pick(pick(row[m + c], row[l + c]), pick(row[r + c], pick(up[m + c], down[m + c])));
                            if (square)
                                v = pick(pick(v, pick(up[l + c], up[r + c])), pick(down[l + c], down[r + c]));
                            out[m + c] = v;
                        }
                    }
                }
            });
            a.swap(b);
        }
        for (size_t i = 0; i < img.Count(); ++i)
            for (int c = 0; c < 3; ++c)
                dst[i * (ts / 2) + c] = a[i * 3 + c];
        return int(MP_SUCCESS);
    });
}
}  // namespace

int MP_calcPixelErode(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunMorphology<true>(w, h, src, dst, ss, ts, p);
}

int MP_calcPixelDilate(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    return RunMorphology<false>(w, h, src, dst, ss, ts, p);
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDoppler — sets: 0 distance (0…10 px), 1 direction (0…360°, counter-clockwise from
// the right), 2 strength (0…100 %), 3 combo, 4 geometry. A double image: a copy of the picture
// shifted by the distance in the direction is laid over it with the strength as its share, like
// a double exposure or a ghost of a doubled lens. Footprint: the distance.
namespace
{
constexpr SSetLayout kDopplerSets{-1, eCR_NONE, 3, 4};

bool DopplerHasEffect(const Params& p)
{
    return p.p[2][0] > 0.001f && Slider(p, 0) * 10.0f * Scale(p) >= 0.01f;
}
}  // namespace

int MP_calcPixelDoppler(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    return Guarded([&] {
        const SImage img{w, h, p};
        const float distance = Slider(*p, 0) * 10.0f * Scale(*p);
        const double angle = Slider(*p, 1) * 2.0 * M_PI;
        const float ox = float(distance * std::cos(angle)), oy = float(-distance * std::sin(angle));
        const float share = Slider(*p, 2);
        const int reach = int(std::ceil(distance));
        const CStableSource in(w, h, src, ss, dst);
        const uint16_t* rgb = in.Data();
        ForRows(img, [&](int y0, int y1) {
            for (int y = y0; y < y1; ++y)
            {
                const int lo = std::max(y - reach, 0), hi = std::min(y + reach, h - 1);
                for (int x = 0; x < w; ++x)
                    for (int c = 0; c < 3; ++c)
                    {
                        auto at = [&](int xx, int yy) { return float(rgb[(size_t(yy) * w + xx) * 3 + c]); };
                        const float v = at(x, y);
                        const float ghost = Bilinear(at, w, x, y, ox, oy, lo, hi);
                        dst[(size_t(y) * w + x) * (ts / 2) + c] = MP_RoundSample(v + (ghost - v) * share);
                    }
            }
        });
        return int(MP_SUCCESS);
    });
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelDitherFS — sets: 0 bit depth (1…8 bits per channel), 1 error diffusion (0…100 %),
// 2 combo, 3 geometry. Each channel is reduced to 2^bits levels; the rounding error of every
// sample is passed on to its unvisited neighbours (7/16 ahead, 3/16, 5/16 and 1/16 on the next
// row), rows in alternating directions, so gradients keep their average tone instead of breaking
// into bands. Deterministic: the same frame dithers the same way. Each channel is one task.
namespace
{
constexpr SSetLayout kDitherSets{-1, eCR_NONE, 2, 3};
}

int MP_calcPixelDitherFS(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    return Guarded([&] {
        const int bits = 1 + int(Slider(*p, 0) * 7.0f + 0.5f);
        const float levels = float((1 << bits) - 1);
        const float diffusion = Slider(*p, 1);
        const int inStep = ss / 2, outStep = ts / 2;
        const bool inPlace = src == dst;
        std::vector<uint16_t> copy;
        if (inPlace)
            copy.assign(src, src + size_t(w) * h * inStep);
        const uint16_t* in = inPlace ? copy.data() : src;
        MP_MT_ForBands(3, 3, [&](const TaskFuncParams& t) {
            const int c = t.iRowBegin;
            std::vector<float> here(size_t(w) + 2, 0.0f), next(size_t(w) + 2, 0.0f); // index x + 1
            for (int y = 0; y < h; ++y)
            {
                const bool forward = ((y + p->y_offset) & 1) == 0;
                for (int k = 0; k < w; ++k)
                {
                    const int x = forward ? k : w - 1 - k, ahead = forward ? 1 : -1;
                    const float v = in[(size_t(y) * w + x) * inStep + c] + here[x + 1];
                    const float q = std::round(std::clamp(v, 0.0f, 65535.0f) * levels / 65535.0f) * 65535.0f / levels;
                    dst[(size_t(y) * w + x) * outStep + c] = MP_RoundSample(q);
                    const float error = (v - q) * diffusion;
                    here[x + 1 + ahead] += error * (7.0f / 16.0f);
                    next[x + 1 - ahead] += error * (3.0f / 16.0f);
                    next[x + 1] += error * (5.0f / 16.0f);
                    next[x + 1 + ahead] += error * (1.0f / 16.0f);
                }
                here.swap(next);
                std::fill(next.begin(), next.end(), 0.0f);
            }
        });
        return int(MP_SUCCESS);
    });
}

// ---------------------------------------------------------------------------------------------
std::span<const SKernelEntry> ShapeKernels()
{
    static const SKernelEntry kRows[] = {
        // name + function                   border              flags          reads           CL       effect test          sets
        {MP_KERNEL(MP_calcPixelErode),       SBorder::Rows(10),  eKF_CPU_ONLY,  eIN_NEIGHBOURS, nullptr, MorphologyHasEffect, kMorphologySets},
        {MP_KERNEL(MP_calcPixelDilate),      SBorder::Rows(10),  eKF_CPU_ONLY,  eIN_NEIGHBOURS, nullptr, MorphologyHasEffect, kMorphologySets},
        {MP_KERNEL(MP_calcPixelDoppler),     SBorder::Rows(10),  eKF_CPU_ONLY,  eIN_NEIGHBOURS, nullptr, DopplerHasEffect,    kDopplerSets},
        {MP_KERNEL(MP_calcPixelDitherFS),    SBorder::Rows(0),   eKF_CPU_ONLY,  eIN_NEIGHBOURS, nullptr, nullptr,             kDitherSets},
    };
    return kRows;
}
