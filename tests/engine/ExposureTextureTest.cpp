// The exposure family's grain, halftone and structure textures: grain keeps the picture's mean,
// scales with its amount, moves from frame to frame unless frozen, keeps the hue in its HSV and
// HSL forms and looks as strong in a preview; the screen keeps the tone; every structure changes
// a picture and follows its pattern slider.
#include "ExposureTestUtil.h"

#include "core/ColourSpace.h"

#include <cmath>

using namespace ExposureTest;

namespace
{
const char* const kGrains[] = {"MP_calcPixelFractalGrain",    "MP_calcPixelAnalogGrain",    "MP_calcPixelFractalHSVGrain",
                               "MP_calcPixelFractalHSLGrain", "MP_calcPixelAnalogHSVGrain", "MP_calcPixelAnalogHSLGrain"};

struct SStats
{
    double mean = 0.0, deviation = 0.0;
};

/// Mean and standard deviation (0…1) of one channel.
SStats Stats(const std::vector<uint16_t>& image, int channel)
{
    SStats s;
    const size_t n = image.size() / 3;
    for (size_t i = 0; i < n; ++i)
        s.mean += image[i * 3 + channel] / 65535.0;
    s.mean /= double(n);
    for (size_t i = 0; i < n; ++i)
        s.deviation += std::pow(image[i * 3 + channel] / 65535.0 - s.mean, 2.0);
    s.deviation = std::sqrt(s.deviation / double(n));
    return s;
}

std::vector<uint16_t> Grained(const char* kernel, std::initializer_list<SValue> values, float animation, int w = 64,
                              int h = 64, float scale = 1.0f, uint16_t r = 32767, uint16_t g = 32767, uint16_t b = 32767)
{
    CTestEngine engine;
    engine.Settings().fAnimCount = animation;
    auto p = Record(engine, kernel, values, scale);
    std::vector<uint16_t> image = Uniform(w, h, r, g, b);
    EXPECT_EQ(RunOn(kernel, *p, image, w, h), MP_SUCCESS) << kernel;
    return image;
}
}  // namespace

TEST(ExposureTexture, GrainKeepsTheMeanScalesWithItsAmountAndMovesUnlessFrozen)
{
    for (const char* kernel : kGrains)
    {
        const SStats full = Stats(Grained(kernel, {{0, 0, 1.0f}}, 0.0f), 1);
        const SStats half = Stats(Grained(kernel, {{0, 0, 0.5f}}, 0.0f), 1);
        EXPECT_NEAR(full.mean, 0.5, 0.01) << kernel;
        EXPECT_GT(full.deviation, 0.02) << kernel;
        EXPECT_NEAR(half.deviation / full.deviation, 0.5, 0.02) << kernel;
        // The next frame gets new grain; with the motion slider at 0 the grain stays put.
        EXPECT_NE(Grained(kernel, {{0, 0, 1.0f}}, 1.0f), Grained(kernel, {{0, 0, 1.0f}}, 0.0f)) << kernel;
        EXPECT_EQ(Grained(kernel, {{0, 0, 1.0f}, {3, 0, 0.0f}}, 7.0f), Grained(kernel, {{0, 0, 1.0f}, {3, 0, 0.0f}}, 0.0f))
            << kernel;
    }
}

TEST(ExposureTexture, GrainColourFollowsItsSpaceAndShare)
{
    // Value or lightness grain leaves the hue of an orange alone (without saturation grain).
    for (const char* kernel : {"MP_calcPixelFractalHSVGrain", "MP_calcPixelFractalHSLGrain", "MP_calcPixelAnalogHSVGrain",
                               "MP_calcPixelAnalogHSLGrain"})
    {
        const std::vector<uint16_t> out = Grained(kernel, {{0, 0, 1.0f}, {2, 0, 0.0f}}, 0.0f, 32, 32, 1.0f, 39321, 26214, 13107);
        for (size_t i = 0; i < out.size(); i += 3)
        {
            const float hue = Colour::RgbToHsv(out[i] / 65535.0f, out[i + 1] / 65535.0f, out[i + 2] / 65535.0f).f0;
            ASSERT_NEAR(hue, 1.0f / 12.0f, 0.002f) << kernel << " at " << i / 3;
        }
    }
    // Analog grain without colour share moves all channels alike; with the full share each
    // channel has grain of its own.
    auto correlation = [](const std::vector<uint16_t>& im) {
        double rb = 0.0, rr = 0.0, bb = 0.0;
        for (size_t i = 0; i < im.size(); i += 3)
        {
            const double r = im[i] - 32767.0, b = im[i + 2] - 32767.0;
            rb += r * b, rr += r * r, bb += b * b;
        }
        return rb / std::sqrt(rr * bb);
    };
    EXPECT_GT(correlation(Grained("MP_calcPixelAnalogGrain", {{0, 0, 1.0f}, {2, 0, 0.0f}}, 0.0f)), 0.999);
    EXPECT_LT(correlation(Grained("MP_calcPixelAnalogGrain", {{0, 0, 1.0f}, {2, 0, 1.0f}}, 0.0f)), 0.3);
}

TEST(ExposureTexture, PreviewGrainIsAsStrongAsTheFullPictureScaledDown)
{
    // Grain finer than a preview pixel is weakened by the ratio of the sizes, as the 2 × 2 mean
    // of the full picture weakens it; the two agree to about a tenth (the ratio stands in for an
    // exact mean, and 1024 samples estimate a deviation to about 2 %).
    for (const char* kernel : {"MP_calcPixelFractalGrain", "MP_calcPixelAnalogGrain"})
    {
        const std::vector<uint16_t> big = Grained(kernel, {{0, 0, 1.0f}, {1, 0, 0.2f}}, 0.0f, 64, 64, 1.0f);
        const std::vector<uint16_t> preview = Grained(kernel, {{0, 0, 1.0f}, {1, 0, 0.2f}}, 0.0f, 32, 32, 0.5f);
        const double ratio = Stats(preview, 1).deviation / Stats(Half(big, 64, 64), 1).deviation;
        EXPECT_NEAR(ratio, 1.0, 0.12) << kernel;
    }
}

TEST(ExposureTexture, HalftoneScreenKeepsTheTone)
{
    // An 8 px screen at 0°: over whole cells the printed dots average to the tone, and most
    // pixels are paper or ink.
    CTestEngine engine;
    for (const uint16_t tone : {uint16_t(19660), uint16_t(45874)})
    {
        auto p = Record(engine, "MP_calcPixelHalftone", {{0, 0, 6.0f / 38.0f}, {1, 0, 0.0f}, {2, 0, 1.0f}});
        std::vector<uint16_t> image = Uniform(40, 40, tone, tone, tone);
        ASSERT_EQ(RunOn("MP_calcPixelHalftone", *p, image, 40, 40), MP_SUCCESS);
        EXPECT_NEAR(Stats(image, 0).mean, tone / 65535.0, 0.03);
        int between = 0;
        for (size_t i = 0; i < image.size(); i += 3)
            between += image[i] > 6553 && image[i] < 58981;
        EXPECT_LT(between, 40 * 40 * 35 / 100);
    }
}

TEST(ExposureTexture, EveryStructureChangesThePictureAndFollowsItsPattern)
{
    int structures = 0;
    for (const SKernelEntry& e : MP_KernelTable())
    {
        const std::string kernel = e.pszName;
        if (kernel.rfind("MP_calcPixelStructure", 0) != 0 || !COperatorCatalogue::Shared().Knows(e.pszName) ||
            COperatorCatalogue::Shared().FindKernel(e.pszName)->sType != QLatin1String("exposure"))
            continue;
        ++structures;
        CTestEngine engine;
        auto run = [&](float pattern) {
            auto p = Record(engine, kernel, {{2, 0, pattern}});
            std::vector<uint16_t> image = Uniform(64, 48, 26214, 32767, 39321);
            EXPECT_EQ(RunOn(kernel, *p, image, 64, 48), MP_SUCCESS) << kernel;
            return image;
        };
        const std::vector<uint16_t> flat = Uniform(64, 48, 26214, 32767, 39321), first = run(0.0f);
        int most = 0;
        for (size_t i = 0; i < flat.size(); ++i)
            most = std::max(most, std::abs(int(first[i]) - int(flat[i])));
        EXPECT_GT(most, 600) << kernel;
        EXPECT_EQ(run(0.0f), first) << kernel;
        EXPECT_NE(run(0.5f), first) << kernel;
        EXPECT_FALSE(MP_HasEffect(kernel, *Record(engine, kernel, {{0, 0, 0.0f}}))) << kernel;
    }
    EXPECT_EQ(structures, 14);
}
