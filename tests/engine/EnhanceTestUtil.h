// Pictures, measures and call records shared by the tests of the enhance kernels.
#pragma once

#include "EngineTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <random>
#include <utility>

namespace EnhanceTest
{
using Image = std::vector<uint16_t>;

inline uint16_t& At(Image& img, int w, int x, int y, int c)
{
    return img[(size_t(y) * w + x) * 3 + c];
}
inline uint16_t At(const Image& img, int w, int x, int y, int c)
{
    return img[(size_t(y) * w + x) * 3 + c];
}

/// The catalogue's defaults of `kernel`, then the given (set, value) pairs for value 0 of a set.
inline std::unique_ptr<Params> Settings(CEngineContext& engine, const char* kernel,
                                        std::initializer_list<std::pair<int, float>> values = {}, float scale = 1.0f)
{
    auto p = Defaults(engine, kernel, scale);
    for (const auto& [set, value] : values)
        p->p[set][0] = value;
    return p;
}

/// Runs `kernel` in place through its function (no effect test) and expects success.
inline void RunKernelOn(const char* kernel, Image& img, int w, int h, Params& p)
{
    ASSERT_EQ(CallKernel(kernel, img, w, h, p), MP_SUCCESS) << kernel;
}

/// Seeded Gaussian noise of `sigma` levels on every channel; `colour`: on the channels'
/// differences only, their sum (the luminance) kept.
inline void AddNoise(Image& img, double sigma, uint32_t seed, bool colour = false)
{
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0.0, sigma);
    for (size_t i = 0; i < img.size() / 3; ++i)
    {
        const double a = noise(random), b = colour ? noise(random) : a, c = colour ? -(a + b) : a;
        const double add[3] = {a, b, c};
        for (int k = 0; k < 3; ++k)
            img[3 * i + k] = uint16_t(std::clamp(img[3 * i + k] + add[k], 0.0, 65535.0));
    }
}

/// Left of column `edge` every channel is `lo`, from it on `hi`.
inline Image Step(int w, int h, int edge, int lo, int hi)
{
    Image img(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                At(img, w, x, y, c) = uint16_t(x < edge ? lo : hi);
    return img;
}

inline Image NoisyFlat(int w, int h, int level, double sigma, uint32_t seed, bool colour = false)
{
    Image img = Step(w, h, 0, level, level);
    AddNoise(img, sigma, seed, colour);
    return img;
}

/// Mean and variance of channel c over the columns [x0, x1) of all rows.
struct SStats
{
    double mean = 0, variance = 0;
};
inline SStats Stats(const Image& img, int w, int x0, int x1, int c = 1)
{
    SStats s;
    const int h = int(img.size() / 3 / size_t(w));
    const double n = double(x1 - x0) * h;
    for (int y = 0; y < h; ++y)
        for (int x = x0; x < x1; ++x)
            s.mean += At(img, w, x, y, c);
    s.mean /= n;
    for (int y = 0; y < h; ++y)
        for (int x = x0; x < x1; ++x)
            s.variance += (At(img, w, x, y, c) - s.mean) * (At(img, w, x, y, c) - s.mean);
    s.variance /= n;
    return s;
}

/// Columns a rising edge of row y takes from 10 % to 90 % of its way (column-mean profile).
inline int EdgeWidth(const Image& img, int w, int c = 1)
{
    const int h = int(img.size() / 3 / size_t(w));
    std::vector<double> profile(size_t(w), 0.0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            profile[size_t(x)] += At(img, w, x, y, c) / double(h);
    const double lo = profile.front(), hi = profile.back();
    int first = -1, last = -1;
    for (int x = 0; x < w; ++x)
    {
        if (first < 0 && profile[size_t(x)] >= lo + 0.1 * (hi - lo))
            first = x;
        if (last < 0 && profile[size_t(x)] >= lo + 0.9 * (hi - lo))
            last = x;
    }
    return last - first;
}

/// Luminance with equal weights, for checks that a kernel kept or changed it.
inline double Lum(const Image& img, size_t pixel)
{
    return (img[3 * pixel] + img[3 * pixel + 1] + img[3 * pixel + 2]) / 3.0;
}
}  // namespace EnhanceTest
