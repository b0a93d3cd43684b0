// The denoisers of the enhance family: each lowers the noise of a flat patch without moving its
// mean or widening a step edge beyond a stated width, and the special ones do their own job in
// worked numbers (isolated outliers, banding, sky, colour clouds, recovered detail, block edges).
#include "FamilyTestUtil.h"

using namespace FamilyTest;

namespace
{
class Denoise : public ::testing::Test
{
protected:
    Image Run(const char* kernel, const Image& img, int w, int h, const std::vector<std::pair<int, float>>& settings,
              float scale = 1.0f)
    {
        return Whole(kernel, img, w, h, *Settings(m_engine, kernel, settings, scale));
    }
    CTestEngine m_engine;
};
}  // namespace

TEST_F(Denoise, FlatNoiseFallsWhileMeanAndEdgeStay)
{
    // 96 × 16: 20000 left of column 48, 44000 from it on, noise of 1500 levels in brightness
    // (luminance kernels) or in colour (chroma kernels). Variance of the brightness (mean of the
    // channels) or of the colour (red − green) over columns 4…39, mean there, edge width over
    // the brightness profile (the step is one column wide before). Per kernel: colour noise, the
    // largest share of the variance left, the widest edge after (columns from 10 % to 90 %).
    const std::tuple<const char*, std::vector<std::pair<int, float>>, bool, double, int> cases[] = {
        {"MP_calcPixelDeNoiseLumHD", {{0, 0.5f}}, false, 0.10, 1},
        {"MP_calcPixelDeNoiseLumIterHD", {{0, 0.5f}}, false, 0.10, 1},
        {"MP_calcPixelDeNoiseLumUHD", {{0, 0.5f}}, false, 0.20, 1},
        {"MP_calcPixelDeNoiseLumU2HD", {{0, 0.5f}}, false, 0.15, 1},
        {"MP_calcPixelMaskDeNoiseLumHD", {{0, 0.5f}}, false, 0.10, 1},
        {"MP_calcPixelDeNoiseHD", {{0, 0.5f}}, true, 0.10, 1},
        {"MP_calcPixelDeNoiseUHD", {{0, 0.5f}}, true, 0.10, 1},
        {"MP_calcPixelDeNoiseU2HD", {{0, 0.5f}}, true, 0.10, 1},
        {"MP_calcPixelDeNoiseColor", {{0, 0.5f}, {1, 0.5f}}, true, 0.10, 1},
        {"MP_calcPixelDeNoiseVariance", {{0, 0.1f}, {1, 0.5f}}, false, 0.10, 3},
        {"MP_calcPixelDeNoiseFlatten", {{0, 0.1f}, {1, 1.0f}, {2, 0.5f}}, false, 0.10, 1},
        {"MP_calcPixelDeNoiseIterative", {{0, 0.4f}, {1, 0.5f}}, false, 0.20, 1},
        {"MP_calcPixelGradientSoften", {{0, 0.1f}, {1, 1.0f}}, false, 0.50, 1},
        {"MP_calcPixelDeNoiseMedian", {{0, 1.0f}}, false, 0.50, 1},
    };
    const int w = 96, h = 16;
    for (const auto& [kernel, settings, colour, maxVarianceShare, maxEdgeWidth] : cases)
    {
        SCOPED_TRACE(kernel);
        Image before = Grey(w, h, [](int x, int) { return x < 48 ? 20000 : 44000; });
        AddNoise(before, 1500.0, 7, colour);
        const Image img = Run(kernel, before, w, h, settings);
        auto variance = [&, colour = colour](const Image& i) {
            return Measure(w, 4, 40, 0, h, [&](size_t k) { return colour ? double(i[3 * k]) - i[3 * k + 1] : Lum(i, k); }).variance;
        };
        EXPECT_LE(variance(img), maxVarianceShare * variance(before));
        for (int ch = 0; ch < 3; ++ch)
            EXPECT_NEAR(Stats(img, w, 4, 40, ch).mean, Stats(before, w, 4, 40, ch).mean, 60.0);
        EXPECT_LE(EdgeWidth(img, w), maxEdgeWidth);
        for (size_t i = 0; colour && i < img.size() / 3; ++i) // chroma kernels keep every pixel's brightness
            ASSERT_NEAR(Lum(img, i), Lum(before, i), 1.0) << "pixel " << i;
    }
}

TEST_F(Denoise, IsolatedOutliersInWorkedNumbers)
{
    // 5 × 5, neighbours of the centre 10000…12000 (one each of 10000, 12000, the rest 11000). Per
    // kernel: preview scale, the centre before and after.
    const std::tuple<const char*, std::vector<std::pair<int, float>>, float, int, int> cases[] = {
        {"MP_calcPixelDeNoiseMedian", {{0, 1.0f}}, 1.0f, 60000, 11000},        // the median of the nine
        {"MP_calcPixelDeNoiseMedian", {{0, 0.5f}}, 1.0f, 60000, 35500},        // halfway there
        {"MP_calcPixelDeNoiseMedian", {{0, 1.0f}}, 0.5f, 60000, 47750},        // a preview: a quarter of the way
        {"MP_calcPixelDeNoiseMinMax", {{0, 1.0f}, {1, 0.1f}}, 1.0f, 30000, 12655}, // max 12000 + 655 (1 %)
        {"MP_calcPixelDeNoiseMinMax", {{0, 1.0f}, {1, 0.1f}}, 1.0f, 12500, 12500}, // inside the tolerance
        {"MP_calcPixelDeNoiseGapfill", {{0, 1.0f}}, 1.0f, 0, 11000},           // a dropout: the neighbours' mean
        {"MP_calcPixelDeNoiseGapfill", {{0, 1.0f}}, 1.0f, 13500, 13500},       // 1500 above a spread of 2000: kept
        {"MP_calcPixelDeNoiseGapfill", {{0, 1.0f}}, 1.0f, 14000, 11000},       // 2000 above it: a gap (0.8 × 2000)
    };
    for (const auto& [kernel, settings, scale, centre, expected] : cases)
    {
        const Image img = Run(kernel, Grey(5, 5, [&, centre = centre](int x, int y) {
            return x == 2 && y == 2 ? centre : x == 1 && y == 1 ? 10000 : x == 3 && y == 3 ? 12000 : 11000;
        }), 5, 5, settings, scale);
        for (int ch = 0; ch < 3; ++ch)
            EXPECT_EQ(At(img, 5, 2, 2, ch), expected) << kernel << " centre " << centre << " at " << scale;
    }
}

TEST_F(Denoise, VarianceKeepsStructureBandingBecomesARampBlockEdgesGo)
{
    // Stripes of ±8000 (far above a 1500 noise level) keep nearly all their contrast.
    const Image stripes = Grey(64, 16, [](int x, int) { return 30000 + ((x / 4) % 2 ? 8000 : -8000); });
    const Image kept = Run("MP_calcPixelDeNoiseVariance", stripes, 64, 16, {{0, 0.1f}, {1, 0.23f}});
    EXPECT_GE(Stats(kept, 64, 8, 56).variance, 0.9 * Stats(stripes, 64, 8, 56).variance);

    // An 8-bit banded ramp (steps of 257 levels every 6 columns) beside a real edge of 20000:
    // a smooth monotonic ramp, the edge kept.
    const int w = 120;
    const Image bands = Grey(w, 8, [](int x, int) { return x < 96 ? 10000 + 257 * (x / 6) : 40000; });
    const Image ramp = Run("MP_calcPixelDeNoiseBanding", bands, w, 8, {{0, 0.03f}, {1, 0.5f}});
    int largestStep = 0;
    for (int x = 8; x < 86; ++x)
    {
        const int step = At(ramp, w, x + 1, 4, 1) - At(ramp, w, x, 4, 1);
        EXPECT_GE(step, 0) << "the ramp stays monotonic at " << x;
        largestStep = std::max(largestStep, step);
    }
    EXPECT_LT(largestStep, 257 / 2);
    EXPECT_GE(At(ramp, w, 96, 4, 1) - At(ramp, w, 95, 4, 1), 19000);

    // 8 × 8 blocks, each flat at the mean of a smooth ramp over it: steps of 400 levels at every
    // block boundary become ramps; a real edge of 15000 on the boundary at column 32 keeps every sample.
    const Image blocks = Grey(64, 16, [](int x, int) { return 20000 + 400 * (x / 8) + (x >= 32 ? 15000 : 0); });
    const Image smooth = Run("MP_calcPixelRemoveArtifacts", blocks, 64, 16, {{0, 0.5f}});
    for (const int boundary : {8, 16, 24, 40, 48, 56})
        EXPECT_LE(At(smooth, 64, boundary, 4, 0) - At(smooth, 64, boundary - 1, 4, 0), 100) << boundary;
    for (int x = 30; x < 34; ++x)
        EXPECT_EQ(At(smooth, 64, x, 4, 0), At(blocks, 64, x, 4, 0)) << x;
}

TEST_F(Denoise, SkyAndColourCloudsGoWhileOtherColoursStay)
{
    // Sky smoothing quiets a noisy light blue (hue 215°) and leaves noisy grass alone.
    const int w = 48, h = 16;
    Image sky = Uniform(w, h, 30000, 42000, 58000), grass = Uniform(w, h, 20000, 40000, 15000);
    AddNoise(sky, 800.0, 3), AddNoise(grass, 800.0, 3);
    EXPECT_LT(Stats(Run("MP_calcPixelSkySmooth", sky, w, h, {{1, 0.5f}}), w, 0, w, 2).variance, 0.2 * Stats(sky, w, 0, w, 2).variance);
    EXPECT_EQ(Run("MP_calcPixelSkySmooth", grass, w, h, {{1, 0.5f}}), grass);

    // A grey field with a faint reddish cloud (+600 red, −600 green, 1 % of the range, 40 pixels
    // wide) and a strongly red square (+8000 / −8000); a reach of 150 pixels, a threshold of 2 %.
    const int W = 320, H = 160;
    Image before = Uniform(W, H, 30000, 30000, 30000);
    auto tint = [&](int x0, int x1, int y0, int y1, int amount) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                At(before, W, x, y, 0) = uint16_t(30000 + amount), At(before, W, x, y, 1) = uint16_t(30000 - amount);
    };
    tint(40, 80, 60, 100, 600);
    tint(200, 230, 65, 95, 8000);
    const Image img = Run("MP_calcPixelColorClouds", before, W, H, {{0, 0.3f}, {1, 1.0f}, {2, 0.2f}});
    auto redness = [&](const Image& i, int x, int y) { return int(At(i, W, x, y, 0)) - int(At(i, W, x, y, 1)); };
    EXPECT_LT(std::abs(redness(img, 60, 80)), 0.3 * redness(before, 60, 80));
    EXPECT_GT(redness(img, 215, 80), 0.9 * redness(before, 215, 80));
    for (size_t i = 0; i < img.size() / 3; ++i)
        ASSERT_NEAR(Lum(img, i), Lum(before, i), 1.0) << "pixel " << i;
}

TEST_F(Denoise, RecoverBringsBackDetailAnEarlierStepRemoved)
{
    // The unprocessed picture has a fine texture of ±3000; the current one lost it (flattened to
    // its mean). Recovery puts most of it back; with nothing lost it changes nothing.
    const int w = 48, h = 16;
    const Image original = Grey(w, h, [](int x, int y) { return 30000 + ((x + y) % 2 ? 3000 : -3000); });
    Image current = Uniform(w, h, 30000, 30000, 30000), same = original;
    auto p = Settings(m_engine, "MP_calcPixelDeNoiseRecover", {{1, 1.0f}, {2, 0.05f}});
    const SKernelEntry& e = *MP_FindKernel("MP_calcPixelDeNoiseRecover");
    MP_FillKernelHeader(e, *p, w, h);
    ASSERT_EQ(e.pFunction(w, h, original.data(), current.data(), 6, 6, p.get()), MP_SUCCESS);
    EXPECT_GE(Stats(current, w, 4, 44).variance, 0.5 * Stats(original, w, 4, 44).variance);
    ASSERT_EQ(e.pFunction(w, h, original.data(), same.data(), 6, 6, p.get()), MP_SUCCESS);
    EXPECT_EQ(same, original);
}
