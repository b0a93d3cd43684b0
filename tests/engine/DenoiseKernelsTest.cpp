// The denoisers of the enhance family: each lowers the noise of a flat patch without moving its
// mean or widening a step edge beyond a stated width, and the special ones do their own job in
// worked numbers (isolated outliers, banding, sky, colour clouds, recovered detail, block edges).
#include "EnhanceTestUtil.h"

using namespace EnhanceTest;

namespace
{
/// Variance of the brightness (mean of the channels) or of the colour (red − green) over the
/// columns [x0, x1).
double Variance(const Image& img, int w, int x0, int x1, bool colour)
{
    const int h = int(img.size() / 3 / size_t(w));
    double sum = 0, squares = 0;
    for (int y = 0; y < h; ++y)
        for (int x = x0; x < x1; ++x)
        {
            const size_t i = size_t(y) * w + x;
            const double v = colour ? double(img[3 * i]) - img[3 * i + 1] : Lum(img, i);
            sum += v, squares += v * v;
        }
    const double n = double(x1 - x0) * h;
    return squares / n - (sum / n) * (sum / n);
}

class Denoise : public ::testing::Test
{
protected:
    CTestEngine m_engine;
};
}  // namespace

TEST_F(Denoise, FlatNoiseFallsWhileMeanAndEdgeStay)
{
    // 96 × 16: 20000 left of column 48, 44000 from it on, noise of 1500 levels in brightness
    // (luminance kernels) or in colour (chroma kernels). Variance measured over columns 4…39,
    // mean there, edge width over the brightness profile (the step is one column wide before).
    struct SCase
    {
        const char* kernel;
        std::initializer_list<std::pair<int, float>> settings;
        bool colour;
        double maxVarianceShare; // after ÷ before
        int maxEdgeWidth;        // columns from 10 % to 90 %
    };
    const SCase cases[] = {
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
    for (const SCase& c : cases)
    {
        Image img = Step(w, h, 48, 20000, 44000);
        AddNoise(img, 1500.0, 7, c.colour);
        const Image before = img;
        RunKernelOn(c.kernel, img, w, h, *Settings(m_engine, c.kernel, c.settings));
        EXPECT_LE(Variance(img, w, 4, 40, c.colour), c.maxVarianceShare * Variance(before, w, 4, 40, c.colour)) << c.kernel;
        for (int ch = 0; ch < 3; ++ch)
            EXPECT_NEAR(Stats(img, w, 4, 40, ch).mean, Stats(before, w, 4, 40, ch).mean, 60.0) << c.kernel;
        EXPECT_LE(EdgeWidth(img, w), c.maxEdgeWidth) << c.kernel;
        if (c.colour) // chroma kernels keep every pixel's brightness (rounding aside)
            for (size_t i = 0; i < img.size() / 3; ++i)
                ASSERT_NEAR(Lum(img, i), Lum(before, i), 1.0) << c.kernel << " pixel " << i;
    }
}

TEST_F(Denoise, IsolatedOutliersInWorkedNumbers)
{
    // 5 × 5, neighbours of the centre 10000…12000 (one each of 10000, 12000, the rest 11000).
    auto picture = [](int centre) {
        Image img = Step(5, 5, 0, 11000, 11000);
        for (int c = 0; c < 3; ++c)
            At(img, 5, 1, 1, c) = 10000, At(img, 5, 3, 3, c) = 12000, At(img, 5, 2, 2, c) = uint16_t(centre);
        return img;
    };
    struct SCase
    {
        const char* kernel;
        std::initializer_list<std::pair<int, float>> settings;
        float scale;
        int centre, expected;
    };
    const SCase cases[] = {
        {"MP_calcPixelDeNoiseMedian", {{0, 1.0f}}, 1.0f, 60000, 11000},        // the median of the nine
        {"MP_calcPixelDeNoiseMedian", {{0, 0.5f}}, 1.0f, 60000, 35500},        // halfway there
        {"MP_calcPixelDeNoiseMedian", {{0, 1.0f}}, 0.5f, 60000, 47750},        // a preview: a quarter of the way
        {"MP_calcPixelDeNoiseMinMax", {{0, 1.0f}, {1, 0.1f}}, 1.0f, 30000, 12655}, // max 12000 + 655 (1 %)
        {"MP_calcPixelDeNoiseMinMax", {{0, 1.0f}, {1, 0.1f}}, 1.0f, 12500, 12500}, // inside the tolerance
        {"MP_calcPixelDeNoiseGapfill", {{0, 1.0f}}, 1.0f, 0, 11000},           // a dropout: the neighbours' mean
        {"MP_calcPixelDeNoiseGapfill", {{0, 1.0f}}, 1.0f, 13500, 13500},       // 1500 above a spread of 2000: kept
        {"MP_calcPixelDeNoiseGapfill", {{0, 1.0f}}, 1.0f, 14000, 11000},       // 2000 above it: a gap (0.8 × 2000)
    };
    for (const SCase& c : cases)
    {
        Image img = picture(c.centre);
        RunKernelOn(c.kernel, img, 5, 5, *Settings(m_engine, c.kernel, c.settings, c.scale));
        for (int ch = 0; ch < 3; ++ch)
            EXPECT_EQ(At(img, 5, 2, 2, ch), c.expected) << c.kernel << " centre " << c.centre << " at " << c.scale;
    }
}

TEST_F(Denoise, VarianceKeepsStructureAboveTheNoiseLevel)
{
    // Stripes of ±8000 (far above a 1500 noise level) keep nearly all their contrast.
    const int w = 64, h = 16;
    Image img = Step(w, h, 0, 30000, 30000);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                At(img, w, x, y, c) = uint16_t(30000 + ((x / 4) % 2 ? 8000 : -8000));
    const Image before = img;
    RunKernelOn("MP_calcPixelDeNoiseVariance", img, w, h, *Settings(m_engine, "MP_calcPixelDeNoiseVariance", {{0, 0.1f}, {1, 0.23f}}));
    EXPECT_GE(Stats(img, w, 8, 56).variance, 0.9 * Stats(before, w, 8, 56).variance);
}

TEST_F(Denoise, BandingBecomesASmoothRampWithoutNewEdges)
{
    // An 8-bit banded ramp (steps of 257 levels every 6 columns) beside a real edge of 20000.
    const int w = 120, h = 8;
    Image img(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                At(img, w, x, y, c) = uint16_t(x < 96 ? 10000 + 257 * (x / 6) : 40000);
    RunKernelOn("MP_calcPixelDeNoiseBanding", img, w, h, *Settings(m_engine, "MP_calcPixelDeNoiseBanding", {{0, 0.03f}, {1, 0.5f}}));
    int largestStep = 0;
    for (int x = 8; x < 86; ++x)
    {
        const int step = At(img, w, x + 1, 4, 1) - At(img, w, x, 4, 1);
        EXPECT_GE(step, 0) << "the ramp stays monotonic at " << x;
        largestStep = std::max(largestStep, step);
    }
    EXPECT_LT(largestStep, 257 / 2);
    EXPECT_GE(At(img, w, 96, 4, 1) - At(img, w, 95, 4, 1), 19000); // the real edge stays
}

TEST_F(Denoise, SkySmoothingTouchesSkyColoursOnly)
{
    const int w = 48, h = 16;
    Image sky = Step(w, h, 0, 0, 0), grass = sky;
    for (size_t i = 0; i < sky.size() / 3; ++i)
    {
        sky[3 * i] = 30000, sky[3 * i + 1] = 42000, sky[3 * i + 2] = 58000;  // a light blue, hue 215°
        grass[3 * i] = 20000, grass[3 * i + 1] = 40000, grass[3 * i + 2] = 15000;
    }
    AddNoise(sky, 800.0, 3), AddNoise(grass, 800.0, 3);
    const Image skyBefore = sky, grassBefore = grass;
    auto p = Settings(m_engine, "MP_calcPixelSkySmooth", {{1, 0.5f}});
    RunKernelOn("MP_calcPixelSkySmooth", sky, w, h, *p);
    RunKernelOn("MP_calcPixelSkySmooth", grass, w, h, *p);
    EXPECT_LT(Stats(sky, w, 0, w, 2).variance, 0.2 * Stats(skyBefore, w, 0, w, 2).variance);
    EXPECT_EQ(grass, grassBefore);
}

TEST_F(Denoise, ColourCloudsGoAndColouredObjectsStay)
{
    // A grey field with a faint reddish cloud (+600 red, −600 green, 1 % of the range, 40 pixels
    // wide) and a strongly red square (+8000 / −8000); a reach of 150 pixels, a threshold of 2 %.
    const int w = 320, h = 160;
    Image img = Step(w, h, 0, 30000, 30000);
    auto tint = [&](int x0, int x1, int y0, int y1, int amount) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                At(img, w, x, y, 0) = uint16_t(30000 + amount), At(img, w, x, y, 1) = uint16_t(30000 - amount);
    };
    tint(40, 80, 60, 100, 600);
    tint(200, 230, 65, 95, 8000);
    const Image before = img;
    RunKernelOn("MP_calcPixelColorClouds", img, w, h, *Settings(m_engine, "MP_calcPixelColorClouds", {{0, 0.3f}, {1, 1.0f}, {2, 0.2f}}));
    auto redness = [&](const Image& i, int x, int y) { return int(At(i, w, x, y, 0)) - int(At(i, w, x, y, 1)); };
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
    Image original = Step(w, h, 0, 0, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                At(original, w, x, y, c) = uint16_t(30000 + ((x + y) % 2 ? 3000 : -3000));
    Image current = Step(w, h, 0, 30000, 30000);
    auto p = Settings(m_engine, "MP_calcPixelDeNoiseRecover", {{1, 1.0f}, {2, 0.05f}});
    const SKernelEntry& e = *MP_FindKernel("MP_calcPixelDeNoiseRecover");
    MP_FillKernelHeader(e, *p, w, h);
    ASSERT_EQ(e.pFunction(w, h, original.data(), current.data(), 6, 6, p.get()), MP_SUCCESS);
    EXPECT_GE(Stats(current, w, 4, 44).variance, 0.5 * Stats(original, w, 4, 44).variance);
    Image same = original;
    ASSERT_EQ(e.pFunction(w, h, original.data(), same.data(), 6, 6, p.get()), MP_SUCCESS);
    EXPECT_EQ(same, original);
}

TEST_F(Denoise, BlockEdgesOfCompressionBecomeRamps)
{
    // 8 × 8 blocks, each flat at the mean of a smooth ramp over it: steps of 400 levels at every
    // block boundary. A real edge of 15000 sits on the boundary at column 32.
    const int w = 64, h = 16;
    Image img(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                At(img, w, x, y, c) = uint16_t(20000 + 400 * (x / 8) + (x >= 32 ? 15000 : 0));
    const Image before = img;
    RunKernelOn("MP_calcPixelRemoveArtifacts", img, w, h, *Settings(m_engine, "MP_calcPixelRemoveArtifacts", {{0, 0.5f}}));
    for (const int boundary : {8, 16, 24, 40, 48, 56})
        EXPECT_LE(At(img, w, boundary, 4, 0) - At(img, w, boundary - 1, 4, 0), 100) << boundary;
    for (int x = 30; x < 34; ++x) // the real edge keeps every sample
        EXPECT_EQ(At(img, w, x, 4, 0), At(before, w, x, 4, 0)) << x;
}
