// The chain's own kernels each do what their name says, and skip themselves when neutral.
#include "EngineTestUtil.h"
#include "engine/BlackWhitePoint.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace
{
std::vector<uint16_t> NoisyFlat(int w, int h, int mean, int spread, uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> d(-spread, spread);
    std::vector<uint16_t> image(size_t(w) * h * 3);
    for (auto& v : image)
        v = uint16_t(mean + d(random));
    return image;
}

/// Mean and variance of the red channel.
std::pair<double, double> Stats(const std::vector<uint16_t>& image)
{
    double mean = 0, variance = 0;
    const size_t n = image.size() / 3;
    for (size_t i = 0; i < n; ++i)
        mean += image[3 * i];
    mean /= double(n);
    for (size_t i = 0; i < n; ++i)
        variance += (image[3 * i] - mean) * (image[3 * i] - mean);
    return {mean, variance / double(n)};
}

/// Left half dark, right half bright, with alternating 8 × 8 blocks `step` levels brighter.
std::vector<uint16_t> Edge(int w, int h, int step = 0, int dark = 20000, int bright = 40000)
{
    std::vector<uint16_t> image(size_t(w) * h * 3);
    for (size_t i = 0; i < image.size(); ++i)
    {
        const int x = int(i / 3 % size_t(w)), y = int(i / 3 / size_t(w));
        image[i] = uint16_t((x < w / 2 ? dark : bright) + ((x / 8 + y / 8) % 2 ? step : 0));
    }
    return image;
}

class ChainKernels : public ::testing::Test
{
protected:
    int Dispatch(const char* kernel, std::vector<uint16_t>& image, int w, int h, Params& p)
    {
        return RunKernel(kernel, w, h, image.data(), image.data(), 6, 6, &p, -1, 0, 0, true, true);
    }
    CTestEngine m_engine;
};
}  // namespace

TEST_F(ChainKernels, SharpenRaisesContrastAtAnEdgeByThePreviewScale)
{
    const int w = 16, h = 4;
    auto p = Defaults(m_engine, "MP_calcPixelSharpen");
    p->p[0][0] = 0.0f;
    std::vector<uint16_t> image = Edge(w, h);
    ASSERT_EQ(Dispatch("MP_calcPixelSharpen", image, w, h, *p), MP_SUCCESS);
    EXPECT_EQ(image, Edge(w, h)); // strength 0: not run

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

TEST_F(ChainKernels, DenoiseAndArtefactReductionSmoothAndKeepEdges)
{
    const int w = 48, h = 32;
    std::vector<uint16_t> image = NoisyFlat(w, h, 30000, 1500, 5);
    const auto [mean, variance] = Stats(image);
    auto p = Defaults(m_engine, "MP_calcPixelDeNoiseAverage");
    p->p[0][0] = 0.5f;
    ASSERT_EQ(Dispatch("MP_calcPixelDeNoiseAverage", image, w, h, *p), MP_SUCCESS);
    EXPECT_LT(Stats(image).second, variance * 0.2);
    EXPECT_NEAR(Stats(image).first, mean, 30.0);
    image = Edge(w, h); // a strong edge survives
    ASSERT_EQ(Dispatch("MP_calcPixelDeNoiseAverage", image, w, h, *p), MP_SUCCESS);
    EXPECT_EQ(image, Edge(w, h));

    // 8 × 8 blocks 600 levels apart flatten (left of the edge's reach), the edge stays.
    const std::vector<uint16_t> blocks = Edge(64, 32, 600, 15000, 45000);
    image = blocks;
    auto a = Defaults(m_engine, "MP_calcPixelMaskDeNoiseArtifactsLumHD");
    a->p[0][0] = 0.35f, a->p[1][0] = 0.9f, a->p[2][0] = 0.223f;
    ASSERT_EQ(Dispatch("MP_calcPixelMaskDeNoiseArtifactsLumHD", image, 64, 32, *a), MP_SUCCESS);
    auto left = [](const std::vector<uint16_t>& img) {
        std::vector<uint16_t> part;
        for (int y = 0; y < 32; ++y)
            part.insert(part.end(), img.begin() + y * 64 * 3, img.begin() + (y * 64 + 24) * 3);
        return Stats(part).second;
    };
    EXPECT_LT(left(image), left(blocks) * 0.5);
    EXPECT_LT(image[(size_t(10) * 64 + 2) * 3], 20000);
    EXPECT_GT(image[(size_t(10) * 64 + 61) * 3], 40000);
}

TEST_F(ChainKernels, GrainAuraAndVignette)
{
    // Grain: monochrome, stronger in the shadows.
    auto p = Defaults(m_engine, "MP_calcPixelAddGrain");
    p->p[0][0] = 0.5f;
    std::vector<uint16_t> dark = Uniform(64, 64, 8000, 8000, 8000), bright = Uniform(64, 64, 58000, 58000, 58000);
    ASSERT_EQ(Dispatch("MP_calcPixelAddGrain", dark, 64, 64, *p), MP_SUCCESS);
    ASSERT_EQ(Dispatch("MP_calcPixelAddGrain", bright, 64, 64, *p), MP_SUCCESS);
    EXPECT_GT(Stats(dark).second, 1e5);
    EXPECT_GT(Stats(dark).second, Stats(bright).second * 2.0);
    EXPECT_NEAR(Stats(dark).first, 8000, 800);
    EXPECT_EQ(dark[0], dark[1]);

    // Aura: light spreads around a bright spot.
    std::vector<uint16_t> image = Uniform(41, 41, 5000, 5000, 5000);
    std::fill_n(image.begin() + (20 * 41 + 20) * 3, 3, 65535);
    auto q = Defaults(m_engine, "MP_calcPixelGaussAura");
    q->p[0][0] = 0.1f, q->p[1][0] = 1.0f, q->p[2][0] = 0.0f;
    ASSERT_EQ(Dispatch("MP_calcPixelGaussAura", image, 41, 41, *q), MP_SUCCESS);
    EXPECT_GT(image[(20 * 41 + 23) * 3], image[0]);
    EXPECT_GE(image[0], 5000);

    // Vignette: 0.5 does nothing, above darkens the corners only, below lightens towards white.
    const std::vector<uint16_t> flat = Uniform(60, 40, 40000, 40000, 40000);
    image = flat;
    auto v = Defaults(m_engine, "MP_calcPixelVignette");
    ASSERT_EQ(Dispatch("MP_calcPixelVignette", image, 60, 40, *v), MP_SUCCESS);
    EXPECT_EQ(image, flat);
    v->p[0][0] = 0.9f;
    ASSERT_EQ(Dispatch("MP_calcPixelVignette", image, 60, 40, *v), MP_SUCCESS);
    EXPECT_EQ(image[(20 * 60 + 30) * 3], 40000);
    EXPECT_LT(image[0], 20000);
    v->p[0][0] = 0.1f;
    image = flat;
    ASSERT_EQ(Dispatch("MP_calcPixelVignette", image, 60, 40, *v), MP_SUCCESS);
    EXPECT_GT(image[0], 55000);
}

TEST_F(ChainKernels, LocalContrastSmoothsOrAmplifiesDetail)
{
    const std::vector<uint16_t> noisy = NoisyFlat(64, 48, 30000, 3000, 9);
    auto p = Defaults(m_engine, "MP_calcPixelLocalContrast");
    p->p[0][0] = 0.01f; // 5 pixels
    for (const auto& [contrast, lower] : {std::pair{0.0f, true}, std::pair{1.0f, false}})
    {
        std::vector<uint16_t> image = noisy;
        p->p[1][0] = contrast;
        ASSERT_EQ(Dispatch("MP_calcPixelLocalContrast", image, 64, 48, *p), MP_SUCCESS);
        EXPECT_EQ(Stats(image).second < Stats(noisy).second, lower) << contrast;
    }
}

TEST_F(ChainKernels, HueExposurePaletteAndManualBlackWhitePoint)
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
    q->p[0][0] = 0.0f; // red to grey, blue untouched
    image = {50000, 10000, 10000, 10000, 10000, 50000};
    ASSERT_EQ(Dispatch("MP_calcPixelColorPalette", image, 2, 1, *q), MP_SUCCESS);
    EXPECT_NEAR(image[0], image[1], 1);
    EXPECT_NEAR(image[1], image[2], 1);
    EXPECT_EQ(image[5], 50000);

    auto m = Defaults(m_engine, "MP_calcPixelmanualbwpoint");
    m->p[0][0] = 0.4f; // lummin 0.1996
    m->p[1][0] = 0.6f; // lummax 0.8004
    image = {10000, 13081, 52455, 60000, 32768, 0};
    ASSERT_EQ(Dispatch("MP_calcPixelmanualbwpoint", image, 2, 1, *m), MP_SUCCESS);
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
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = uint16_t(13107 + (i / 3 % 100) * 393); // 0.2 … 0.79
    auto p = FreshParams(m_engine);
    EXPECT_EQ(MP_MeasureBlackWhitePoint(100, 100, image.data(), *p), MP_SUCCESS);
    EXPECT_NEAR(p->lummin, 0.2, 0.002);
    EXPECT_NEAR(p->lummax, 52014 / 65535.0, 0.002);
    EXPECT_EQ(MP_MeasureBlackWhitePoint(0, 100, image.data(), *p), MP_NORESOLUTION);
    EXPECT_EQ(MP_MeasureBlackWhitePoint(10, 10, nullptr, *p), MP_ZEROPOINTER);
}
