// The chain's own kernels each do what their name says, and skip themselves when neutral.
#include "SmoothTestUtil.h"
#include "engine/BlackWhitePoint.h"
#include "engine/OperatorCatalogue.h"

#include "tests/support/SyntheticImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace
{
std::vector<uint16_t> Flat(int w, int h, uint16_t v)
{
    return std::vector<uint16_t>(size_t(w) * h * 3, v);
}

std::vector<uint16_t> NoisyFlat(int w, int h, int mean, int spread, uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> d(-spread, spread);
    std::vector<uint16_t> image(size_t(w) * h * 3);
    for (auto& v : image)
        v = uint16_t(mean + d(random));
    return image;
}

struct SStats
{
    double mean = 0, variance = 0;
};

SStats Stats(const std::vector<uint16_t>& image, int channel = 0)
{
    SStats s;
    const size_t n = image.size() / 3;
    for (size_t i = 0; i < n; ++i)
        s.mean += image[3 * i + channel];
    s.mean /= double(n);
    for (size_t i = 0; i < n; ++i)
        s.variance += (image[3 * i + channel] - s.mean) * (image[3 * i + channel] - s.mean);
    s.variance /= double(n);
    return s;
}

/// Left half dark, right half bright.
std::vector<uint16_t> Edge(int w, int h)
{
    std::vector<uint16_t> image(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                image[(size_t(y) * w + x) * 3 + c] = x < w / 2 ? 20000 : 40000;
    return image;
}

int Dispatch(const char* kernel, std::vector<uint16_t>& image, int w, int h, Params& p)
{
    return RunKernel(kernel, w, h, image.data(), image.data(), 6, 6, &p, -1, 0, 0, true, true);
}

class ChainKernels : public ::testing::Test
{
protected:
    CTestEngine m_engine;
};
}  // namespace

TEST_F(ChainKernels, SharpenRaisesContrastAtAnEdgeByThePreviewScale)
{
    const int w = 16, h = 4;
    auto p = Defaults(m_engine, "MP_calcPixelSharpen");
    p->p[0][0] = 0.0f;
    std::vector<uint16_t> image = Edge(w, h);
    const std::vector<uint16_t> original = image;
    ASSERT_EQ(Dispatch("MP_calcPixelSharpen", image, w, h, *p), MP_SUCCESS);
    EXPECT_EQ(image, original); // strength 0: not run

    int steps[2];
    for (int k = 0; k < 2; ++k)
    {
        auto q = Defaults(m_engine, "MP_calcPixelSharpen", k == 0 ? 1.0f : 0.25f);
        q->p[0][0] = 0.5f;
        image = Edge(w, h);
        ASSERT_EQ(Dispatch("MP_calcPixelSharpen", image, w, h, *q), MP_SUCCESS);
        const size_t dark = (size_t(1) * w + w / 2 - 1) * 3, bright = dark + 3;
        EXPECT_LT(image[dark], 20000);
        EXPECT_GT(image[bright], 40000);
        EXPECT_EQ(image[(size_t(1) * w) * 3], 20000); // far from the edge: unchanged
        steps[k] = image[bright] - image[dark];
    }
    EXPECT_GT(steps[0], steps[1]); // a smaller preview is sharpened less
}

TEST_F(ChainKernels, DenoiseLowersVarianceAndKeepsTheMean)
{
    const int w = 48, h = 32;
    std::vector<uint16_t> image = NoisyFlat(w, h, 30000, 1500, 5);
    const SStats before = Stats(image);
    auto p = Defaults(m_engine, "MP_calcPixelDeNoiseAverage");
    p->p[0][0] = 0.5f;
    ASSERT_EQ(Dispatch("MP_calcPixelDeNoiseAverage", image, w, h, *p), MP_SUCCESS);
    const SStats after = Stats(image);
    EXPECT_LT(after.variance, before.variance * 0.2);
    EXPECT_NEAR(after.mean, before.mean, 30.0);

    // A strong edge survives.
    image = Edge(w, h);
    ASSERT_EQ(Dispatch("MP_calcPixelDeNoiseAverage", image, w, h, *p), MP_SUCCESS);
    EXPECT_EQ(image, Edge(w, h));
}

TEST_F(ChainKernels, GrainAddsNoiseStrongerInTheShadows)
{
    const int w = 64, h = 64;
    auto p = Defaults(m_engine, "MP_calcPixelAddGrain");
    p->p[0][0] = 0.5f;
    std::vector<uint16_t> dark = Flat(w, h, 8000), bright = Flat(w, h, 58000);
    ASSERT_EQ(Dispatch("MP_calcPixelAddGrain", dark, w, h, *p), MP_SUCCESS);
    ASSERT_EQ(Dispatch("MP_calcPixelAddGrain", bright, w, h, *p), MP_SUCCESS);
    const SStats d = Stats(dark), b = Stats(bright);
    EXPECT_GT(d.variance, 1e5);
    EXPECT_GT(d.variance, b.variance * 2.0);
    EXPECT_NEAR(d.mean, 8000, 800);
    EXPECT_EQ(dark[0], dark[1]); // monochrome grain
}

TEST_F(ChainKernels, AuraSpreadsLightAroundABrightSpot)
{
    const int w = 41, h = 41;
    std::vector<uint16_t> image = Flat(w, h, 5000);
    for (int c = 0; c < 3; ++c)
        image[(size_t(20) * w + 20) * 3 + c] = 65535;
    auto p = Defaults(m_engine, "MP_calcPixelGaussAura");
    p->p[0][0] = 0.1f;
    p->p[1][0] = 1.0f;
    p->p[2][0] = 0.0f;
    ASSERT_EQ(Dispatch("MP_calcPixelGaussAura", image, w, h, *p), MP_SUCCESS);
    const int near = image[(size_t(20) * w + 23) * 3], far = image[0];
    EXPECT_GT(near, far);
    EXPECT_GE(far, 5000);
}

TEST_F(ChainKernels, VignetteDarkensTheCornersOnly)
{
    const int w = 60, h = 40;
    std::vector<uint16_t> image = Flat(w, h, 40000);
    auto p = Defaults(m_engine, "MP_calcPixelVignette");
    ASSERT_EQ(Dispatch("MP_calcPixelVignette", image, w, h, *p), MP_SUCCESS);
    EXPECT_EQ(image, Flat(w, h, 40000)); // 0.5: nothing to do
    p->p[0][0] = 0.9f;
    ASSERT_EQ(Dispatch("MP_calcPixelVignette", image, w, h, *p), MP_SUCCESS);
    EXPECT_EQ(image[(size_t(20) * w + 30) * 3], 40000);
    EXPECT_LT(image[0], 20000);
    p->p[0][0] = 0.1f; // lighten towards the white colour
    image = Flat(w, h, 40000);
    ASSERT_EQ(Dispatch("MP_calcPixelVignette", image, w, h, *p), MP_SUCCESS);
    EXPECT_GT(image[0], 55000);
}

TEST_F(ChainKernels, LocalContrastSmoothsOrAmplifiesDetail)
{
    const int w = 64, h = 48;
    const std::vector<uint16_t> noisy = NoisyFlat(w, h, 30000, 3000, 9);
    auto p = Defaults(m_engine, "MP_calcPixelLocalContrast");
    p->p[0][0] = 0.01f; // 5 pixels
    for (const auto& [contrast, lower] : {std::pair{0.0f, true}, std::pair{1.0f, false}})
    {
        std::vector<uint16_t> image = noisy;
        p->p[1][0] = contrast;
        ASSERT_EQ(Dispatch("MP_calcPixelLocalContrast", image, w, h, *p), MP_SUCCESS);
        EXPECT_EQ(Stats(image).variance < Stats(noisy).variance, lower) << contrast;
    }
}

TEST_F(ChainKernels, ArtefactReductionFlattensSmallStepsAndKeepsEdges)
{
    const int w = 64, h = 32;
    std::vector<uint16_t> image(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            // 8 × 8 blocks a few hundred levels apart, and a strong edge in the middle.
            const int block = ((x / 8) + (y / 8)) % 2 ? 600 : 0;
            const int v = (x < w / 2 ? 15000 : 45000) + block;
            for (int c = 0; c < 3; ++c)
                image[(size_t(y) * w + x) * 3 + c] = uint16_t(v);
        }
    const std::vector<uint16_t> before = image;
    auto p = Defaults(m_engine, "MP_calcPixelMaskDeNoiseArtifactsLumHD");
    p->p[0][0] = 0.35f, p->p[1][0] = 0.9f, p->p[2][0] = 0.223f;
    ASSERT_EQ(Dispatch("MP_calcPixelMaskDeNoiseArtifactsLumHD", image, w, h, *p), MP_SUCCESS);
    auto half = [&](const std::vector<uint16_t>& img) {
        std::vector<uint16_t> left;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w / 2 - 8; ++x)
                for (int c = 0; c < 3; ++c)
                    left.push_back(img[(size_t(y) * w + x) * 3 + c]);
        return Stats(left);
    };
    EXPECT_LT(half(image).variance, half(before).variance * 0.5);
    EXPECT_LT(image[(size_t(10) * w + 2) * 3], 20000); // the edge stays an edge
    EXPECT_GT(image[(size_t(10) * w + w - 3) * 3], 40000);
}

TEST_F(ChainKernels, HueExposureAndPalettePerHue)
{
    auto p = Defaults(m_engine, "MP_calcPixelHueExpose");
    p->p[0][0] = 0.25f; // red one stop darker
    p->p[2][0] = 0.75f; // green one stop brighter
    std::vector<uint16_t> image = {40000, 0, 0, 0, 20000, 0, 30000, 30000, 30000};
    ASSERT_EQ(Dispatch("MP_calcPixelHueExpose", image, 3, 1, *p), MP_SUCCESS);
    EXPECT_NEAR(image[0], 20000, 2);
    EXPECT_NEAR(image[4], 40000, 2);
    EXPECT_EQ(image[6], 30000); // grey unchanged

    auto q = Defaults(m_engine, "MP_calcPixelColorPalette");
    q->p[0][0] = 0.0f; // red to grey
    image = {50000, 10000, 10000, 10000, 10000, 50000};
    ASSERT_EQ(Dispatch("MP_calcPixelColorPalette", image, 2, 1, *q), MP_SUCCESS);
    EXPECT_NEAR(image[0], image[1], 1);
    EXPECT_NEAR(image[1], image[2], 1);
    EXPECT_EQ(image[5], 50000); // blue untouched
}

TEST_F(ChainKernels, ManualBlackWhitePointMapsItsRange)
{
    auto p = Defaults(m_engine, "MP_calcPixelmanualbwpoint");
    p->p[0][0] = 0.4f; // lummin 0.1996
    p->p[1][0] = 0.6f; // lummax 0.8004
    std::vector<uint16_t> image = {10000, 13081, 52455, 60000, 32768, 0};
    ASSERT_EQ(Dispatch("MP_calcPixelmanualbwpoint", image, 2, 1, *p), MP_SUCCESS);
    EXPECT_EQ(image[0], 0);
    EXPECT_EQ(image[3], 65535);
    EXPECT_NEAR(image[4], 32768, 30);
}

TEST_F(ChainKernels, MasksSelectByToneColourAndSaturation)
{
    // Pixels: black, mid grey, white, saturated red, saturated blue.
    const std::vector<uint16_t> image = {0, 0, 0, 32768, 32768, 32768, 65535, 65535, 65535, 60000, 5000, 5000, 5000, 5000, 60000};
    struct SCase
    {
        const char* kernel;
        std::vector<std::pair<int, float>> values; // (set, value 0)
        std::vector<bool> selected;
    };
    const SCase cases[] = {
        {"MP_calcPixelMaskHighlights", {{0, 0.8f}, {1, 0.0f}}, {false, false, true, false, false}},
        {"MP_calcPixelMaskShadows", {{0, 0.2f}, {1, 0.0f}}, {true, false, false, false, false}},
        {"MP_calcPixelMaskMidtones", {{0, 0.2f}, {1, 0.0f}}, {false, true, false, false, false}},
        {"MP_calcPixelMaskLuminance", {{0, 0.45f}, {1, 0.55f}, {2, 0.0f}}, {false, true, false, false, false}},
        {"MP_calcPixelMaskSaturation", {{0, 0.5f}, {1, 1.0f}, {2, 0.0f}}, {false, false, false, true, true}},
        {"MP_calcPixelMaskColor", {{1, 0.05f}, {2, 0.0f}}, {false, false, false, true, false}},
    };
    for (const SCase& c : cases)
    {
        m_engine.Mask().Drop();
        auto p = Defaults(m_engine, c.kernel);
        for (const auto& [set, value] : c.values)
            p->p[set][0] = value;
        std::vector<uint16_t> copy = image;
        ASSERT_EQ(Dispatch(c.kernel, copy, 5, 1, *p), MP_SUCCESS);
        EXPECT_EQ(copy, image) << c.kernel << " must not touch the image";
        const uint16_t* mask = m_engine.Mask().Plane(5, 1);
        ASSERT_NE(mask, nullptr) << c.kernel;
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(mask[i] > 32768, c.selected[size_t(i)]) << c.kernel << " pixel " << i << " = " << mask[i];
    }
    // Mode 2 (minimum) intersects with the mask before; removing drops it.
    auto p = Defaults(m_engine, "MP_calcPixelMaskHighlights");
    p->p[0][0] = 0.3f, p->p[1][0] = 0.0f, p->p[2][0] = 2.0f;
    std::vector<uint16_t> copy = image;
    ASSERT_EQ(Dispatch("MP_calcPixelMaskHighlights", copy, 5, 1, *p), MP_SUCCESS);
    EXPECT_EQ(m_engine.Mask().Plane(5, 1)[2], 0); // white was not in the red selection
    EXPECT_GT(m_engine.Mask().Plane(5, 1)[3], 60000);
    auto r = Defaults(m_engine, "MP_calcPixelMaskRemove");
    ASSERT_EQ(Dispatch("MP_calcPixelMaskRemove", copy, 5, 1, *r), MP_SUCCESS);
    EXPECT_EQ(m_engine.Mask().Plane(5, 1), nullptr);
}

TEST_F(ChainKernels, BlackWhitePointMeasurement)
{
    std::vector<uint16_t> image(100 * 100 * 3);
    for (size_t i = 0; i < image.size() / 3; ++i)
        for (int c = 0; c < 3; ++c)
            image[3 * i + c] = uint16_t(13107 + (i % 100) * 393); // 0.2 … 0.79
    auto p = FreshParams(m_engine);
    EXPECT_EQ(MP_MeasureBlackWhitePoint(100, 100, image.data(), *p), MP_SUCCESS);
    EXPECT_NEAR(p->lummin, 0.2, 0.002);
    EXPECT_NEAR(p->lummax, 52014 / 65535.0, 0.002);
    EXPECT_EQ(MP_MeasureBlackWhitePoint(0, 100, image.data(), *p), MP_NORESOLUTION);
    EXPECT_EQ(MP_MeasureBlackWhitePoint(10, 10, nullptr, *p), MP_ZEROPOINTER);
}
