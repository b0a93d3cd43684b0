// The exposure family's grain, halftone and structure textures: grain keeps the picture's mean,
// scales with its amount, moves from frame to frame unless frozen, keeps the hue in its HSV and
// HSL forms and looks as strong in a preview; the screen keeps the tone; every structure changes
// a picture and follows its pattern slider.
#include "FamilyTestUtil.h"

#include "core/ColourSpace.h"

using namespace FamilyTest;

namespace
{
const char* const kGrains[] = {"MP_calcPixelFractalGrain",    "MP_calcPixelAnalogGrain",    "MP_calcPixelFractalHSVGrain",
                               "MP_calcPixelFractalHSLGrain", "MP_calcPixelAnalogHSVGrain", "MP_calcPixelAnalogHSLGrain"};

/// Standard deviation of the green channel.
double Deviation(const Image& image, int w)
{
    return std::sqrt(Stats(image, w, 0, w).variance);
}

Image Grained(const char* kernel, const std::vector<SValue>& values, float animation, int w = 64, int h = 64,
              float scale = 1.0f, uint16_t r = 32767, uint16_t g = 32767, uint16_t b = 32767)
{
    CTestEngine engine;
    engine.Settings().fAnimCount = animation;
    return Dispatched(kernel, *ExposureRecord(engine, kernel, values, scale), Uniform(w, h, r, g, b), w, h);
}
}  // namespace

TEST(ExposureTexture, GrainKeepsTheMeanScalesWithItsAmountAndMovesUnlessFrozen)
{
    for (const char* kernel : kGrains)
    {
        const Image full = Grained(kernel, {{0, 0, 1.0f}}, 0.0f), half = Grained(kernel, {{0, 0, 0.5f}}, 0.0f);
        EXPECT_NEAR(Stats(full, 64, 0, 64).mean, 0.5 * 65535, 0.01 * 65535) << kernel;
        EXPECT_GT(Deviation(full, 64), 0.02 * 65535) << kernel;
        EXPECT_NEAR(Deviation(half, 64) / Deviation(full, 64), 0.5, 0.02) << kernel;
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
        const Image out = Grained(kernel, {{0, 0, 1.0f}, {2, 0, 0.0f}}, 0.0f, 32, 32, 1.0f, 39321, 26214, 13107);
        for (size_t i = 0; i < out.size(); i += 3)
        {
            const float hue = Colour::RgbToHsv(out[i] / 65535.0f, out[i + 1] / 65535.0f, out[i + 2] / 65535.0f).f0;
            ASSERT_NEAR(hue, 1.0f / 12.0f, 0.002f) << kernel << " at " << i / 3;
        }
    }
    // Analog grain without colour share moves all channels alike; with the full share each
    // channel has grain of its own.
    auto correlation = [](const Image& im) {
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
        const Image big = Grained(kernel, {{0, 0, 1.0f}, {1, 0, 0.2f}}, 0.0f, 64, 64, 1.0f);
        const Image preview = Grained(kernel, {{0, 0, 1.0f}, {1, 0, 0.2f}}, 0.0f, 32, 32, 0.5f);
        const double ratio = Deviation(preview, 32) / Deviation(Half(big, 64, 64), 32);
        EXPECT_NEAR(ratio, 1.0, 0.12) << kernel;
    }
}

TEST(ExposureTexture, HalftoneScreenKeepsTheTone)
{
    // An 8 px screen at 0°: over whole cells the printed dots average to the tone, and most
    // pixels are paper or ink.
    for (const uint16_t tone : {uint16_t(19660), uint16_t(45874)})
    {
        const Image image = ExposureRun("MP_calcPixelHalftone", Uniform(40, 40, tone, tone, tone), 40, 40,
                                        {{0, 0, 6.0f / 38.0f}, {1, 0, 0.0f}, {2, 0, 1.0f}});
        EXPECT_NEAR(Stats(image, 40, 0, 40, 0).mean, tone, 0.03 * 65535);
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
        const Image flat = Uniform(64, 48, 26214, 32767, 39321);
        auto run = [&](float pattern) { return ExposureRun(kernel.c_str(), flat, 64, 48, {{2, 0, pattern}}); };
        const Image first = run(0.0f);
        int most = 0;
        for (size_t i = 0; i < flat.size(); ++i)
            most = std::max(most, std::abs(int(first[i]) - int(flat[i])));
        EXPECT_GT(most, 600) << kernel;
        EXPECT_EQ(run(0.0f), first) << kernel;
        EXPECT_NE(run(0.5f), first) << kernel;
        CTestEngine engine;
        EXPECT_FALSE(MP_HasEffect(kernel, *ExposureRecord(engine, kernel.c_str(), {{0, 0, 0.0f}}))) << kernel;
    }
    EXPECT_EQ(structures, 14);
}
