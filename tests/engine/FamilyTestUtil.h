// Helpers of the kernel-family tests: call records at the catalogue's defaults with some values
// changed, kernels run whole, through the dispatcher or in stripes, test pictures and measures.
#pragma once

#include "EngineTestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <utility>

namespace FamilyTest
{
using Image = std::vector<uint16_t>;

/// Channel c of pixel (x, y) of a picture `w` pixels wide (writable where the picture is).
template <class Picture>
auto& At(Picture&& img, int w, int x, int y, int c)
{
    return img[(size_t(y) * w + x) * 3 + c];
}

/// The catalogue's defaults of `kernel`, then the given (set, value) pairs for value 0 of a set.
inline std::unique_ptr<Params> Settings(CEngineContext& engine, const char* kernel,
                                        const std::vector<std::pair<int, float>>& values = {}, float scale = 1.0f)
{
    auto p = Defaults(engine, kernel, scale);
    for (const auto& [set, value] : values)
        p->p[set][0] = value;
    return p;
}

/// Value `index` of set `set`.
struct SValue
{
    int set, index;
    float value;
};

/// The record of `kernel` at the catalogue's defaults with `values` changed.
inline std::unique_ptr<Params> Record(CEngineContext& engine, const char* kernel, const std::vector<SValue>& values = {},
                                      float scale = 1.0f)
{
    EXPECT_NE(COperatorCatalogue::Shared().FindKernel(kernel), nullptr) << kernel;
    auto p = Defaults(engine, kernel, scale);
    for (const SValue& v : values)
        p->p[v.set][v.index] = v.value;
    return p;
}

/// Record() with the luminance weights ¼, ½, ¼ (exact in binary, so worked examples stay simple).
inline std::unique_ptr<Params> ExposureRecord(CEngineContext& engine, const char* kernel,
                                              const std::vector<SValue>& values = {}, float scale = 1.0f)
{
    auto p = Record(engine, kernel, values, scale);
    p->lumr = 0.25f, p->lumg = 0.5f, p->lumb = 0.25f;
    return p;
}

/// The kernel's function on `image` in place, after the dispatcher's header (no effect test).
inline Image Whole(const char* kernel, Image image, int w, int h, Params p)
{
    EXPECT_EQ(CallKernel(kernel, image, w, h, p), MP_SUCCESS) << kernel;
    return image;
}

/// `kernel` on `image` through the dispatcher, effect test included.
inline Image Dispatched(const char* kernel, Params& p, Image image, int w, int h)
{
    EXPECT_EQ(RunKernel(kernel, w, h, image.data(), image.data(), 6, 6, &p, -1, 0.0f, 0.0f, true, true), MP_SUCCESS)
        << kernel;
    return image;
}

/// `kernel` through the dispatcher at ExposureRecord(`values`, `scale`), in an engine of its own.
inline Image ExposureRun(const char* kernel, const Image& image, int w, int h, const std::vector<SValue>& values = {},
                         float scale = 1.0f)
{
    CTestEngine engine;
    return Dispatched(kernel, *ExposureRecord(engine, kernel, values, scale), image, w, h);
}

/// The kernel's function on stripes of `rows` rows, each with the border rows the registry asks
/// for above and below and its stripe offset, as the striped path cuts the picture; the stripes'
/// own rows are kept. `source`, when given, is the unprocessed picture beside the worked one.
inline Image Striped(const char* kernel, const Image& image, int w, int h, Params p, int rows,
                     const Image* source = nullptr)
{
    const SKernelEntry* entry = MP_FindKernel(kernel);
    MP_FillKernelHeader(*entry, p, w, h);
    const int border = MP_BorderRows(entry->border, p);
    EXPECT_LT(border + rows, h) << kernel << ": the picture is too low to test this border";
    Image out(image.size());
    for (int y0 = 0; y0 < h; y0 += rows)
    {
        const int y1 = std::min(y0 + rows, h), top = std::max(y0 - border, 0), bottom = std::min(y1 + border, h);
        const ptrdiff_t first = ptrdiff_t(top) * w * 3, last = ptrdiff_t(bottom) * w * 3;
        Image piece(image.begin() + first, image.begin() + last);
        const Image from = source ? Image(source->begin() + first, source->begin() + last) : Image();
        Params stripe = p;
        stripe.y_offset = top;
        EXPECT_EQ(entry->pFunction(w, bottom - top, source ? from.data() : piece.data(), piece.data(), 6, 6, &stripe),
                  MP_SUCCESS);
        std::copy(piece.begin() + ptrdiff_t(y0 - top) * w * 3, piece.begin() + ptrdiff_t(y1 - top) * w * 3,
                  out.begin() + ptrdiff_t(y0) * w * 3);
    }
    return out;
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

/// Channel c of pixel (x, y) is `value(x, y, c)`.
template <class Value>
Image Picture(int w, int h, const Value& value)
{
    Image img(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                At(img, w, x, y, c) = uint16_t(value(x, y, c));
    return img;
}

/// Every channel of pixel (x, y) is `value(x, y)`.
template <class Value>
Image Grey(int w, int h, const Value& value)
{
    return Picture(w, h, [&](int x, int y, int) { return value(x, y); });
}

/// A smooth picture with features of several sizes: two gradients, a bright disc, a dark bar and
/// a fine checker patch, so local operators have edges and detail at every scale.
inline Image ExposureScene(int w, int h)
{
    Image image(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const float u = float(x) / float(w), v = float(y) / float(h);
            float c[3] = {0.15f + 0.5f * u, 0.2f + 0.4f * v, 0.45f - 0.3f * u * v};
            const float d = std::hypot(u - 0.7f, v - 0.35f);
            for (float& k : c)
            {
                k += d < 0.15f ? 0.4f : 0.0f;
                k *= u > 0.2f && u < 0.3f ? 0.3f : 1.0f;
                if (u > 0.4f && u < 0.55f && v > 0.6f && v < 0.85f)
                    k += ((x / 4 + y / 4) & 1) ? 0.08f : -0.08f;
            }
            for (int ch = 0; ch < 3; ++ch)
                At(image, w, x, y, ch) = uint16_t(std::clamp(c[ch], 0.0f, 1.0f) * 65535.0f);
        }
    return image;
}

/// Mean and variance of `value(pixel index)` over the columns [x0, x1) of the rows [y0, y1).
struct SStats
{
    double mean = 0, variance = 0;
};
template <class Value>
SStats Measure(int w, int x0, int x1, int y0, int y1, const Value& value)
{
    double sum = 0, squares = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
        {
            const double v = value(size_t(y) * w + x);
            sum += v, squares += v * v;
        }
    const double n = double(x1 - x0) * (y1 - y0);
    return {sum / n, squares / n - (sum / n) * (sum / n)};
}
/// Of channel c over the columns [x0, x1) of every row.
inline SStats Stats(const Image& img, int w, int x0, int x1, int c = 1)
{
    return Measure(w, x0, x1, 0, int(img.size() / 3 / size_t(w)), [&](size_t i) { return double(img[3 * i + c]); });
}

/// Columns a rising edge takes from 10 % to 90 % of its way (column-mean profile).
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

/// Mean absolute difference of two pictures.
inline double MeanAbsDifference(const Image& a, const Image& b)
{
    double sum = 0.0;
    for (size_t i = 0; i < a.size(); ++i)
        sum += std::abs(int(a[i]) - int(b[i]));
    return sum / double(a.size());
}
}  // namespace FamilyTest
