// The smoothing operators in numbers: blurs keep what lies along their direction, discs and
// glows have their worked values, displacements move the picture by their push, edge-preserving
// smoothing quiets noise but not edges; stripes and preview scale give the whole-image result.
#include "FamilyTestUtil.h"

#include "tests/support/SyntheticImages.h"

using namespace FamilyTest;

namespace
{
using SSets = std::vector<std::pair<int, float>>;

class SmoothFamily : public ::testing::Test
{
protected:
    Image Run(const char* kernel, const Image& image, int w, int h, const SSets& sets)
    {
        return Whole(kernel, image, w, h, *Settings(m_engine, kernel, sets));
    }
    CTestEngine m_engine;
};

/// Dark above row h/2 or left of column w/2, bright beyond.
Image HalfStep(int w, int h, bool horizontalEdge)
{
    return Grey(w, h, [&](int x, int y) { return (horizontalEdge ? y >= h / 2 : x >= w / 2) ? 50000 : 10000; });
}

/// Variance of channel c over the columns 4…23 of the rows 4…27.
double Variance(const Image& image, int w, int c)
{
    return Measure(w, 4, 24, 4, 28, [&](size_t i) { return double(image[3 * i + c]); }).variance;
}
}  // namespace

TEST_F(SmoothFamily, EveryOperatorIsSkippedWhenItsStrengthIsZero)
{
    const std::pair<const char*, int> cases[] = {
        {"MP_calcPixelGaussSmooth", 0}, {"MP_calcPixelHorBlur", 0},    {"MP_calcPixelVerBlur", 0},
        {"MP_calcPixelDirBlur", 0},     {"MP_calcPixelRadialBlur", 0}, {"MP_calcPixelFocus", 0},
        {"MP_calcPixelBokehBlur", 0},   {"MP_calcPixelBokehLight", 2}, {"MP_calcPixelKirlian", 1},
        {"MP_calcPixelSoftKirlian", 1}, {"MP_calcPixelImageBloom", 2}, {"MP_calcPixelSoftRGBContrast", 1},
        {"MP_calcPixelWarp", 0},        {"MP_calcPixelFluidKirlian", 0}, {"MP_calcPixelImageSmooth", 1},
        {"MP_calcPixelChannelSmooth", 0}, {"MP_calcPixelColorSmooth", 0},
    };
    for (const auto& [kernel, set] : cases)
    {
        EXPECT_TRUE(MP_HasEffect(kernel, *Defaults(m_engine, kernel))) << kernel << " at its defaults";
        EXPECT_FALSE(MP_HasEffect(kernel, *Settings(m_engine, kernel, {{set, 0.0f}}))) << kernel;
    }
    // Neon light also darkens the background, so both its glow and the darkening must be zero.
    EXPECT_TRUE(MP_HasEffect("MP_calcPixelNeonLight", *Settings(m_engine, "MP_calcPixelNeonLight", {{1, 0.0f}})));
    EXPECT_FALSE(MP_HasEffect("MP_calcPixelNeonLight", *Settings(m_engine, "MP_calcPixelNeonLight", {{1, 0.0f}, {2, 0.0f}})));
}

TEST_F(SmoothFamily, LineBlursLeaveEdgesAlongTheirDirectionSharp)
{
    // Reach 10 pixels; direction 0 is horizontal, 0.5 of the half turn vertical. Per kernel: does
    // it keep a horizontal edge, a vertical one?
    const std::tuple<const char*, SSets, bool, bool> cases[] = {
        {"MP_calcPixelHorBlur", {{0, 0.04f}}, true, false},
        {"MP_calcPixelVerBlur", {{0, 0.04f}}, false, true},
        {"MP_calcPixelDirBlur", {{0, 0.04f}, {1, 0.0f}}, true, false},
        {"MP_calcPixelDirBlur", {{0, 0.04f}, {1, 0.5f}}, false, true},
        {"MP_calcPixelGaussSmooth", {{0, 0.05f}}, false, false},
    };
    const int n = 40;
    for (const auto& [kernel, sets, keepsHorizontal, keepsVertical] : cases)
        for (const bool horizontal : {true, false})
        {
            SCOPED_TRACE(std::string(kernel) + (horizontal ? " horizontal" : " vertical"));
            const Image edge = HalfStep(n, n, horizontal), out = Run(kernel, edge, n, n, sets);
            const int beside = horizontal ? At(out, n, 5, n / 2 - 1, 0) : At(out, n, n / 2 - 1, 5, 0);
            // Kept bit for bit, or the pixel next to the edge takes on part of the other side.
            EXPECT_TRUE((horizontal ? keepsHorizontal : keepsVertical) ? out == edge : beside > 12000) << beside;
        }
}

TEST_F(SmoothFamily, GaussianReachesExactlyItsRadiusSymmetrically)
{
    // Reach 6: a light spreads to distance 6 and not one pixel further, the same in every
    // direction, falling away from the centre; a flat image stays exactly flat.
    const int n = 21;
    const Image dot = Picture(n, n, [](int x, int y, int c) { return x == 10 && y == 10 && c == 0 ? 65535 : 0; });
    const Image out = Run("MP_calcPixelGaussSmooth", dot, n, n, {{0, 0.03f}});
    auto v = [&](int x, int y) { return int(At(out, n, x, y, 0)); };
    EXPECT_GT(v(16, 10), 0);
    EXPECT_EQ(v(17, 10), 0);
    EXPECT_EQ(v(10, 3), 0);
    for (int d = 1; d <= 6; ++d)
    {
        EXPECT_EQ(v(10 + d, 10), v(10 - d, 10)) << d;
        EXPECT_EQ(v(10 + d, 10), v(10, 10 + d)) << d;
        EXPECT_LT(v(10 + d, 10), v(10 + d - 1, 10)) << d;
    }
    const Image flat = Uniform(n, n, 12345, 23456, 34567);
    EXPECT_EQ(Run("MP_calcPixelGaussSmooth", flat, n, n, {{0, 0.03f}}), flat);
}

TEST_F(SmoothFamily, SpinBlurKeepsRingsAndSmearsSectors)
{
    const int n = 65;
    const Image rings = Grey(n, n, [](int x, int y) { return 30000 + 20000 * std::cos(std::hypot(x - 32, y - 32) / 3.0); });
    const Image sectors = Grey(n, n, [](int x, int y) { return std::sin(4.0 * std::atan2(y - 32, x - 32)) > 0 ? 50000 : 10000; });
    auto p = Settings(m_engine, "MP_calcPixelRadialBlur", {{0, 1.0f}});
    p->p[1][0] = p->p[1][1] = 32.0f / 65.0f;
    // Within radius 8…28 of the centre: rings move only by interpolation, 90° sectors are
    // smeared over 30° of arc.
    auto change = [&](const Image& image) {
        const Image out = Whole("MP_calcPixelRadialBlur", image, n, n, *p);
        double sum = 0;
        int count = 0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                if (const double r = std::hypot(x - 32, y - 32); r >= 8 && r <= 28)
                    sum += std::abs(At(out, n, x, y, 0) - At(image, n, x, y, 0)), ++count;
        return sum / count;
    };
    EXPECT_LT(change(rings), 400.0);
    EXPECT_GT(change(sectors), 3000.0);
}

TEST_F(SmoothFamily, FocusKeepsTheCentreAndBlursTheCorners)
{
    const int n = 64;
    const Image noise = TestImages::Noise(n, n, 5);
    const Image out = Run("MP_calcPixelFocus", noise, n, n, {{0, 0.1f}, {2, 0.3f}, {3, 0.3f}});
    // Within 0.3 of the half diagonal (≈ 13 pixels) of the centre nothing changes.
    for (int y = 24; y < 40; ++y)
        for (int x = 24; x < 40; ++x)
            ASSERT_TRUE(std::hypot(x - 32, y - 32) >= 12.0 || At(out, n, x, y, 0) == At(noise, n, x, y, 0)) << x << "," << y;
    auto corner = [&](const Image& image) { return Measure(n, 0, 8, 0, 8, [&](size_t i) { return double(image[3 * i + 1]); }); };
    EXPECT_LT(corner(out).variance, 0.1 * corner(noise).variance);
}

TEST_F(SmoothFamily, BokehSpreadsALightIntoAFlatDiscAndBloomsHighlights)
{
    // Radius 10: a disc of 317 pixels (the lattice points within distance 10). A white pixel
    // becomes 65535 ÷ 317 = 206.7 inside the disc and 0 beyond; full bloom weighs white ninefold.
    const int n = 41;
    const Image light = Grey(n, n, [](int x, int y) { return x == 20 && y == 20 ? 65535 : 0; });
    for (const auto& [bloom, inside] : {std::pair{0.0f, 207}, std::pair{1.0f, 1861}})
    {
        const Image out = Run("MP_calcPixelBokehBlur", light, n, n, {{0, 0.05f}, {1, bloom}});
        for (const auto& [x, y] : {std::pair{20, 20}, {29, 20}, {20, 30}, {26, 28}})
            EXPECT_EQ(At(out, n, x, y, 1), inside) << bloom << " at " << x << "," << y;
        for (const auto& [x, y] : {std::pair{32, 20}, {20, 9}, {28, 28}})
            EXPECT_EQ(At(out, n, x, y, 1), 0) << bloom << " at " << x << "," << y;
    }

    // Light bokeh screens eight times the light's disc over the picture: at 0.1 grey within the
    // disc 1 − 0.9 × (1 − 8 ÷ 317) = 0.1227; what lies below the threshold forms no disc.
    const Image scene = Grey(n, n, [](int x, int y) { return x == 20 && y == 20 ? 65535 : 6554; });
    const Image out = Run("MP_calcPixelBokehLight", scene, n, n, {{0, 0.05f}, {1, 0.5f}, {2, 1.0f}});
    EXPECT_NEAR(At(out, n, 25, 20, 0), 0.12271 * 65535, 2.0);
    EXPECT_EQ(At(out, n, 35, 20, 0), 6554);
}

TEST_F(SmoothFamily, GlowsOnAFlatPictureHaveTheirWorkedValuesAndBrightenALightsSurroundings)
{
    // No edges and no spots: only the tone part of each glow acts. Per kernel: level in, level out.
    const std::tuple<const char*, SSets, float, float> cases[] = {
        {"MP_calcPixelKirlian", {{1, 1.0f}}, 0.5f, 0.3f},                            // dimmed by 0.4
        {"MP_calcPixelNeonLight", {{1, 1.0f}, {2, 0.5f}}, 0.5f, 0.25f},               // background halved
        {"MP_calcPixelSoftRGBContrast", {{1, 1.0f}}, 0.5f, 0.75f},                    // screen(½, 2 × ¼)
        {"MP_calcPixelSoftKirlian", {{1, 1.0f}}, 0.5f, 0.5f},                         // nothing to spill
        {"MP_calcPixelImageBloom", {{1, 0.6f}, {2, 0.5f}}, 0.5f, 0.5f},               // below the threshold
        {"MP_calcPixelImageBloom", {{1, 0.6f}, {2, 0.5f}}, 0.8f, 0.88f},              // screen(0.8, ½ × 0.8)
    };
    for (const auto& [kernel, sets, in, out] : cases)
        EXPECT_NEAR(At(Run(kernel, Uniform(16, 16, Level(in), Level(in), Level(in)), 16, 16, sets), 16, 8, 8, 0), out * 65535.0f, 2.0f)
            << kernel << " at " << in;

    // A bright square on dark grey, each glow at a reach of 10 pixels: just outside the square
    // the glow adds light, far away the picture looks as it would without the square.
    const std::pair<const char*, float> kernels[] = {{"MP_calcPixelKirlian", 0.4f},    {"MP_calcPixelSoftKirlian", 0.4f},
                                                     {"MP_calcPixelNeonLight", 0.2f},  {"MP_calcPixelImageBloom", 0.02f},
                                                     {"MP_calcPixelSoftRGBContrast", 0.1f}};
    const int n = 96;
    const Image scene = Grey(n, n, [](int x, int y) { return x >= 40 && x < 56 && y >= 40 && y < 56 ? Level(0.95f) : Level(0.1f); });
    const Image dark = Grey(n, n, [](int, int) { return Level(0.1f); });
    for (const auto& [kernel, radius] : kernels)
    {
        const Image out = Run(kernel, scene, n, n, {{0, radius}}), flat = Run(kernel, dark, n, n, {{0, radius}});
        EXPECT_EQ(At(out, n, 5, 5, 2), At(flat, n, 5, 5, 2)) << kernel;
        EXPECT_GT(At(out, n, 57, 48, 2), At(flat, n, 57, 48, 2) + 500) << kernel;
    }
}

TEST_F(SmoothFamily, WarpAndLiquifyMoveThePictureByTheirPush)
{
    // Warp on a ramp of 600 levels per column, 100 × 60; influence radius 30, push 10 to the
    // right. At the centre the picture from 10 pixels to the left shows; half-way out along the
    // push it moves by 10 × (1 − ¼)² = 5.625; outside the influence nothing changes.
    const Image ramp = Grey(100, 60, [](int x, int) { return 600 * x; });
    const Image out = Run("MP_calcPixelWarp", ramp, 100, 60, {{0, 0.04f}, {2, 0.5f}, {3, 0.0f}});
    EXPECT_NEAR(At(out, 100, 50, 30, 0), 600 * 40, 1);
    EXPECT_NEAR(At(out, 100, 65, 30, 0), 600 * (65 - 5.625), 2);
    EXPECT_EQ(At(out, 100, 5, 5, 0), At(ramp, 100, 5, 5, 0));
    EXPECT_EQ(At(out, 100, 90, 30, 0), At(ramp, 100, 90, 30, 0));

    // Liquify (up to 25 pixels, 10-pixel cells) is repeatable, bounded by its reach, drifts with
    // the animation and leaves a flat picture flat.
    const int w = 80, h = 40;
    const Image small = Grey(w, h, [](int x, int) { return 600 * x; });
    const SSets sets = {{0, 1.0f}, {1, 0.0f}};
    const Image first = Run("MP_calcPixelFluidKirlian", small, w, h, sets);
    EXPECT_EQ(Run("MP_calcPixelFluidKirlian", small, w, h, sets), first);
    int largest = 0;
    for (size_t i = 0; i < small.size(); ++i)
        largest = std::max(largest, std::abs(int(first[i]) - int(small[i])));
    EXPECT_GT(largest, 600 * 5);
    EXPECT_LE(largest, 600 * 25);
    m_engine.Settings().fAnimCount = 3.0f;
    EXPECT_NE(Run("MP_calcPixelFluidKirlian", small, w, h, sets), first);
    const Image flat = Uniform(w, h, 1000, 2000, 3000);
    EXPECT_EQ(Run("MP_calcPixelFluidKirlian", flat, w, h, sets), flat);
}

TEST_F(SmoothFamily, EdgePreservingChannelAndColourSmoothing)
{
    // Noise of ±3000 levels on a step from 10000 to 50000 at column 32.
    const int w = 64, h = 32;
    Image noisy = HalfStep(w, h, false);
    std::mt19937 random(11);
    std::uniform_int_distribution<int> noise(-3000, 3000);
    for (auto& v : noisy)
        v = uint16_t(int(v) + noise(random));

    // Edge-preserving at reach 8: the flat halves lose most of their variance, and two columns
    // from the step each side stays within a tenth of the step of its side (a plain blur of
    // that reach puts a third of the step there).
    const Image smooth = Run("MP_calcPixelImageSmooth", noisy, w, h, {{0, 0.016f}, {1, 0.5f}});
    EXPECT_LT(Variance(smooth, w, 0), 0.25 * Variance(noisy, w, 0));
    for (int y = 4; y < 28; ++y)
    {
        EXPECT_NEAR(At(smooth, w, 30, y, 0), 10000, 4000) << y;
        EXPECT_NEAR(At(smooth, w, 33, y, 0), 50000, 4000) << y;
    }

    // Channel smoothing with the whole radius on blue only: red and green are untouched.
    const Image channel = Run("MP_calcPixelChannelSmooth", noisy, w, h, {{0, 0.01f}, {1, 0.0f}, {2, 0.0f}, {3, 1.0f}});
    for (size_t i = 0; i < noisy.size(); i += 3)
        ASSERT_TRUE(channel[i] == noisy[i] && channel[i + 1] == noisy[i + 1]) << i / 3;
    EXPECT_LT(Variance(channel, w, 2), 0.25 * Variance(noisy, w, 2));

    // Colour smoothing keeps every pixel's luminance (equal weights here) and quiets the colour.
    auto p = Settings(m_engine, "MP_calcPixelColorSmooth", {{0, 0.01f}});
    p->lumr = p->lumg = p->lumb = 1.0f / 3.0f;
    const Image colour = Whole("MP_calcPixelColorSmooth", noisy, w, h, *p);
    for (size_t i = 0; i < noisy.size(); i += 3)
        ASSERT_NEAR(colour[i] + colour[i + 1] + colour[i + 2], noisy[i] + noisy[i + 1] + noisy[i + 2], 3) << i / 3;
    auto chroma = [&](const Image& image) {
        return Measure(w, 4, 24, 4, 28, [&](size_t i) { return double(uint16_t(32768 + image[3 * i] - image[3 * i + 1])); }).variance;
    };
    EXPECT_LT(chroma(colour), 0.25 * chroma(noisy));
}

TEST_F(SmoothFamily, StripesAndPreviewScaleGiveTheWholeImageResult)
{
    // 150-row stripes of a 32 × 600 noise picture, each with the border rows of its table row.
    const Image noise = TestImages::Noise(32, 600, 3);
    const std::pair<const char*, SSets> striped[] = {
        {"MP_calcPixelImageSmooth", {{0, 0.03f}}},   {"MP_calcPixelChannelSmooth", {{0, 0.03f}}},
        {"MP_calcPixelColorSmooth", {{0, 0.03f}}},   {"MP_calcPixelImageBloom", {{0, 0.05f}, {1, 0.3f}}},
        {"MP_calcPixelBokehBlur", {{0, 0.5f}, {1, 1.0f}}}, {"MP_calcPixelBokehLight", {{0, 1.0f}, {1, 0.3f}}},
        {"MP_calcPixelTMitercontrast", {{0, 0.05f}}}, {"MP_calcPixelTMiterbrillance", {{0, 0.05f}}},
    };
    for (const auto& [kernel, sets] : striped)
    {
        const auto p = Settings(m_engine, kernel, sets);
        EXPECT_EQ(Striped(kernel, noise, 32, 600, *p, 150), Whole(kernel, noise, 32, 600, *p)) << kernel;
    }

    // Blocks of 8 pixels with mild noise: a picture that survives halving. The preview grades
    // the halved picture with radii halved; it must match the halved full-size result within
    // 1.5 % of the range on average, and far better than a run that forgets to halve the radii.
    // The slack: radii are whole pixels, so the Gaussian's three boxes of radius 3, 3, 4 become
    // 1, 2, 2 at half size, a fifth wider; and the 2 × 2 average is a little blur of its own.
    const int w = 128, h = 96;
    Image full = TestImages::Noise(w, h, 8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                At(full, w, x, y, c) = uint16_t(At(full, w, x, y, c) / 16 + (((x / 8) * 7 + (y / 8) * 3 + c) % 11) * 5500);
    const Image half = Half(full, w, h);
    const std::pair<const char*, SSets> scaled[] = {
        {"MP_calcPixelGaussSmooth", {}}, {"MP_calcPixelImageSmooth", {}}, {"MP_calcPixelBokehBlur", {}},
        {"MP_calcPixelImageBloom", {}},  {"MP_calcPixelSoftKirlian", {}}, {"MP_calcPixelFocus", {}},
        {"MP_calcPixelWarp", {{0, 0.02f}}}, {"MP_calcPixelTMitercontrast", {}},
    };
    for (const auto& [kernel, sets] : scaled)
    {
        auto preview = Settings(m_engine, kernel, sets);
        preview->previewscalingfactor = 0.5f;
        const Image expected = Half(Run(kernel, full, w, h, sets), w, h);
        const double agreement = MeanAbsDifference(expected, Whole(kernel, half, w / 2, h / 2, *preview));
        EXPECT_LT(agreement, 983.0) << kernel;
        EXPECT_LT(2.0 * agreement, MeanAbsDifference(expected, Run(kernel, half, w / 2, h / 2, sets))) << kernel;
    }
}
