// The smoothing operators in numbers: blurs keep what lies along their direction, discs and
// glows have their worked values, displacements move the picture by their push, edge-preserving
// smoothing quiets noise but not edges; stripes and preview scale give the whole-image result.
#include "SmoothTestUtil.h"

#include "tests/support/SyntheticImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace SmoothTest;

namespace
{
class SmoothFamily : public ::testing::Test
{
protected:
    std::unique_ptr<Params> Set(const char* kernel, const std::vector<std::pair<int, float>>& values)
    {
        auto p = Defaults(m_engine, kernel);
        for (const auto& [set, value] : values)
            p->p[set][0] = value;
        return p;
    }
    CTestEngine m_engine;
};

/// Dark above row h/2 or left of column w/2, bright beyond.
std::vector<uint16_t> Step(int w, int h, bool horizontalEdge)
{
    std::vector<uint16_t> image(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                At(image, w, x, y, c) = (horizontalEdge ? y >= h / 2 : x >= w / 2) ? 50000 : 10000;
    return image;
}

std::vector<uint16_t> NoisyStep(int w, int h, int spread, uint32_t seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-spread, spread);
    std::vector<uint16_t> image = Step(w, h, false);
    for (auto& v : image)
        v = uint16_t(int(v) + noise(random));
    return image;
}

double Variance(const std::vector<uint16_t>& image, int w, int x0, int x1, int y0, int y1, int c)
{
    double sum = 0, square = 0;
    const int n = (x1 - x0) * (y1 - y0);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
        {
            const double v = image[(size_t(y) * w + x) * 3 + c];
            sum += v, square += v * v;
        }
    return square / n - (sum / n) * (sum / n);
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
        EXPECT_FALSE(MP_HasEffect(kernel, *Set(kernel, {{set, 0.0f}}))) << kernel;
    }
    // Neon light also darkens the background, so both its glow and the darkening must be zero.
    EXPECT_TRUE(MP_HasEffect("MP_calcPixelNeonLight", *Set("MP_calcPixelNeonLight", {{1, 0.0f}})));
    EXPECT_FALSE(MP_HasEffect("MP_calcPixelNeonLight", *Set("MP_calcPixelNeonLight", {{1, 0.0f}, {2, 0.0f}})));
}

TEST_F(SmoothFamily, LineBlursLeaveEdgesAlongTheirDirectionSharp)
{
    // Reach 10 pixels; direction 0 is horizontal, 0.5 of the half turn vertical.
    struct SCase
    {
        const char* kernel;
        std::vector<std::pair<int, float>> sets;
        bool keepsHorizontalEdge, keepsVerticalEdge;
    };
    const SCase cases[] = {
        {"MP_calcPixelHorBlur", {{0, 0.04f}}, true, false},
        {"MP_calcPixelVerBlur", {{0, 0.04f}}, false, true},
        {"MP_calcPixelDirBlur", {{0, 0.04f}, {1, 0.0f}}, true, false},
        {"MP_calcPixelDirBlur", {{0, 0.04f}, {1, 0.5f}}, false, true},
        {"MP_calcPixelGaussSmooth", {{0, 0.05f}}, false, false},
    };
    const int w = 40, h = 40;
    for (const SCase& c : cases)
        for (const bool horizontal : {true, false})
        {
            const std::vector<uint16_t> edge = Step(w, h, horizontal);
            const std::vector<uint16_t> out = Whole(c.kernel, edge, w, h, *Set(c.kernel, c.sets));
            const bool kept = horizontal ? c.keepsHorizontalEdge : c.keepsVerticalEdge;
            if (kept)
            {
                EXPECT_EQ(out, edge) << c.kernel << (horizontal ? " horizontal" : " vertical");
            }
            else // the pixel next to the edge takes on part of the other side
            {
                EXPECT_GT(horizontal ? out[(size_t(h / 2 - 1) * w + 5) * 3] : out[(size_t(5) * w + w / 2 - 1) * 3], 12000)
                    << c.kernel << (horizontal ? " horizontal" : " vertical");
            }
        }
}

TEST_F(SmoothFamily, GaussianReachesExactlyItsRadiusSymmetrically)
{
    // Reach 6: a light spreads to distance 6 and not one pixel further, the same in every
    // direction, falling away from the centre; a flat image stays exactly flat.
    const int n = 21;
    std::vector<uint16_t> dot = Uniform(n, n, 0, 0, 0);
    At(dot, n, 10, 10, 0) = 65535;
    const auto p = Set("MP_calcPixelGaussSmooth", {{0, 0.03f}});
    const std::vector<uint16_t> out = Whole("MP_calcPixelGaussSmooth", dot, n, n, *p);
    auto v = [&](int x, int y) { return int(out[(size_t(y) * n + x) * 3]); };
    EXPECT_GT(v(16, 10), 0);
    EXPECT_EQ(v(17, 10), 0);
    EXPECT_EQ(v(10, 3), 0);
    for (int d = 1; d <= 6; ++d)
    {
        EXPECT_EQ(v(10 + d, 10), v(10 - d, 10)) << d;
        EXPECT_EQ(v(10 + d, 10), v(10, 10 + d)) << d;
        EXPECT_LT(v(10 + d, 10), v(10 + d - 1, 10)) << d;
    }
    const std::vector<uint16_t> flat = Uniform(n, n, 12345, 23456, 34567);
    EXPECT_EQ(Whole("MP_calcPixelGaussSmooth", flat, n, n, *p), flat);
}

TEST_F(SmoothFamily, SpinBlurKeepsRingsAndSmearsSectors)
{
    const int n = 65;
    std::vector<uint16_t> rings(size_t(n) * n * 3), sectors(rings.size());
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
        {
            const double dx = x - 32, dy = y - 32, angle = std::atan2(dy, dx);
            for (int c = 0; c < 3; ++c)
            {
                At(rings, n, x, y, c) = uint16_t(30000 + 20000 * std::cos(std::hypot(dx, dy) / 3.0));
                At(sectors, n, x, y, c) = std::sin(4.0 * angle) > 0 ? 50000 : 10000;
            }
        }
    auto p = Set("MP_calcPixelRadialBlur", {{0, 1.0f}});
    p->p[1][0] = p->p[1][1] = 32.0f / 65.0f;
    // Within radius 8…28 of the centre: rings move only by interpolation, 90° sectors are
    // smeared over 30° of arc.
    auto change = [&](const std::vector<uint16_t>& image) {
        const std::vector<uint16_t> out = Whole("MP_calcPixelRadialBlur", image, n, n, *p);
        double sum = 0;
        int count = 0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                if (const double r = std::hypot(x - 32, y - 32); r >= 8 && r <= 28)
                    sum += std::abs(int(out[(size_t(y) * n + x) * 3]) - int(image[(size_t(y) * n + x) * 3])), ++count;
        return sum / count;
    };
    EXPECT_LT(change(rings), 400.0);
    EXPECT_GT(change(sectors), 3000.0);
}

TEST_F(SmoothFamily, FocusKeepsTheCentreAndBlursTheCorners)
{
    const int n = 64;
    const std::vector<uint16_t> noise = TestImages::Noise(n, n, 5);
    const auto p = Set("MP_calcPixelFocus", {{0, 0.1f}, {2, 0.3f}, {3, 0.3f}});
    const std::vector<uint16_t> out = Whole("MP_calcPixelFocus", noise, n, n, *p);
    // Within 0.3 of the half diagonal (≈ 13 pixels) of the centre nothing changes.
    for (int y = 24; y < 40; ++y)
        for (int x = 24; x < 40; ++x)
        {
            if (std::hypot(x - 32, y - 32) < 12.0)
            {
                ASSERT_EQ(out[(size_t(y) * n + x) * 3], noise[(size_t(y) * n + x) * 3]) << x << "," << y;
            }
        }
    EXPECT_LT(Variance(out, n, 0, 8, 0, 8, 1), 0.1 * Variance(noise, n, 0, 8, 0, 8, 1));
}

TEST_F(SmoothFamily, BokehSpreadsALightIntoAFlatDiscAndBloomsHighlights)
{
    // Radius 10: a disc of 317 pixels (the lattice points within distance 10). A white pixel
    // becomes 65535 ÷ 317 = 206.7 inside the disc and 0 beyond; full bloom weighs white ninefold.
    const int n = 41;
    std::vector<uint16_t> light = Uniform(n, n, 0, 0, 0);
    for (int c = 0; c < 3; ++c)
        At(light, n, 20, 20, c) = 65535;
    for (const auto& [bloom, inside] : {std::pair{0.0f, 207}, std::pair{1.0f, 1861}})
    {
        const std::vector<uint16_t> out =
            Whole("MP_calcPixelBokehBlur", light, n, n, *Set("MP_calcPixelBokehBlur", {{0, 0.05f}, {1, bloom}}));
        for (const auto& [x, y] : {std::pair{20, 20}, {29, 20}, {20, 30}, {26, 28}})
            EXPECT_EQ(out[(size_t(y) * n + x) * 3 + 1], inside) << bloom << " at " << x << "," << y;
        for (const auto& [x, y] : {std::pair{32, 20}, {20, 9}, {28, 28}})
            EXPECT_EQ(out[(size_t(y) * n + x) * 3 + 1], 0) << bloom << " at " << x << "," << y;
    }

    // Light bokeh screens eight times the light's disc over the picture: at 0.1 grey within the
    // disc 1 − 0.9 × (1 − 8 ÷ 317) = 0.1227; what lies below the threshold forms no disc.
    std::vector<uint16_t> scene = Uniform(n, n, 6554, 6554, 6554);
    for (int c = 0; c < 3; ++c)
        At(scene, n, 20, 20, c) = 65535;
    const std::vector<uint16_t> out = Whole("MP_calcPixelBokehLight", scene, n, n,
                                            *Set("MP_calcPixelBokehLight", {{0, 0.05f}, {1, 0.5f}, {2, 1.0f}}));
    EXPECT_NEAR(out[(size_t(20) * n + 25) * 3], 0.12271 * 65535, 2.0);
    EXPECT_EQ(out[(size_t(20) * n + 35) * 3], 6554);
}

TEST_F(SmoothFamily, GlowsOnAFlatPictureHaveTheirWorkedValues)
{
    // No edges and no spots: only the tone part of each glow acts.
    struct SCase
    {
        const char* kernel;
        std::vector<std::pair<int, float>> sets;
        float in, out;
    };
    const SCase cases[] = {
        {"MP_calcPixelKirlian", {{1, 1.0f}}, 0.5f, 0.3f},                            // dimmed by 0.4
        {"MP_calcPixelNeonLight", {{1, 1.0f}, {2, 0.5f}}, 0.5f, 0.25f},               // background halved
        {"MP_calcPixelSoftRGBContrast", {{1, 1.0f}}, 0.5f, 0.75f},                    // screen(½, 2 × ¼)
        {"MP_calcPixelSoftKirlian", {{1, 1.0f}}, 0.5f, 0.5f},                         // nothing to spill
        {"MP_calcPixelImageBloom", {{1, 0.6f}, {2, 0.5f}}, 0.5f, 0.5f},               // below the threshold
        {"MP_calcPixelImageBloom", {{1, 0.6f}, {2, 0.5f}}, 0.8f, 0.88f},              // screen(0.8, ½ × 0.8)
    };
    const int n = 16;
    for (const SCase& c : cases)
    {
        const uint16_t level = Level(c.in);
        const std::vector<uint16_t> out = Whole(c.kernel, Uniform(n, n, level, level, level), n, n, *Set(c.kernel, c.sets));
        EXPECT_NEAR(out[(size_t(8) * n + 8) * 3], c.out * 65535.0f, 2.0f) << c.kernel << " at " << c.in;
    }
}

TEST_F(SmoothFamily, GlowsBrightenTheSurroundingsOfALight)
{
    // A bright square on dark grey: just outside it the glow adds light, far away the picture
    // looks as it would without the square.
    // Each at a reach of 10 pixels.
    const std::pair<const char*, float> kernels[] = {{"MP_calcPixelKirlian", 0.4f},    {"MP_calcPixelSoftKirlian", 0.4f},
                                                     {"MP_calcPixelNeonLight", 0.2f},  {"MP_calcPixelImageBloom", 0.02f},
                                                     {"MP_calcPixelSoftRGBContrast", 0.1f}};
    const int n = 96;
    const uint16_t dark = Level(0.1f);
    std::vector<uint16_t> scene = Uniform(n, n, dark, dark, dark);
    for (int y = 40; y < 56; ++y)
        for (int x = 40; x < 56; ++x)
            for (int c = 0; c < 3; ++c)
                At(scene, n, x, y, c) = Level(0.95f);
    for (const auto& [kernel, radius] : kernels)
    {
        auto p = Set(kernel, {{0, radius}});
        const std::vector<uint16_t> out = Whole(kernel, scene, n, n, *p);
        const std::vector<uint16_t> flat = Whole(kernel, Uniform(n, n, dark, dark, dark), n, n, *p);
        EXPECT_EQ(out[(size_t(5) * n + 5) * 3 + 2], flat[(size_t(5) * n + 5) * 3 + 2]) << kernel;
        EXPECT_GT(out[(size_t(48) * n + 57) * 3 + 2], flat[(size_t(48) * n + 57) * 3 + 2] + 500) << kernel;
    }
}

TEST_F(SmoothFamily, WarpPushesTheCentreByItsPushAndFadesOut)
{
    // A ramp of 600 levels per column, 100 × 60; influence radius 30, push 10 to the right. At
    // the centre the picture from 10 pixels to the left shows; half-way out along the push it
    // moves by 10 × (1 − ¼)² = 5.625; outside the influence nothing changes.
    const int w = 100, h = 60;
    std::vector<uint16_t> ramp(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                At(ramp, w, x, y, c) = uint16_t(600 * x);
    const std::vector<uint16_t> out =
        Whole("MP_calcPixelWarp", ramp, w, h, *Set("MP_calcPixelWarp", {{0, 0.04f}, {2, 0.5f}, {3, 0.0f}}));
    EXPECT_NEAR(out[(size_t(30) * w + 50) * 3], 600 * 40, 1);
    EXPECT_NEAR(out[(size_t(30) * w + 65) * 3], 600 * (65 - 5.625), 2);
    EXPECT_EQ(out[(size_t(5) * w + 5) * 3], ramp[(size_t(5) * w + 5) * 3]);
    EXPECT_EQ(out[(size_t(30) * w + 90) * 3], ramp[(size_t(30) * w + 90) * 3]);
}

TEST_F(SmoothFamily, LiquifyIsRepeatableBoundedAndDriftsWithTheAnimation)
{
    const int w = 80, h = 40;
    std::vector<uint16_t> ramp(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                At(ramp, w, x, y, c) = uint16_t(600 * x);
    auto p = Set("MP_calcPixelFluidKirlian", {{0, 1.0f}, {1, 0.0f}}); // up to 25 pixels, 10-pixel cells
    const std::vector<uint16_t> first = Whole("MP_calcPixelFluidKirlian", ramp, w, h, *p);
    EXPECT_EQ(Whole("MP_calcPixelFluidKirlian", ramp, w, h, *p), first);
    int largest = 0;
    for (size_t i = 0; i < ramp.size(); ++i)
        largest = std::max(largest, std::abs(int(first[i]) - int(ramp[i])));
    EXPECT_GT(largest, 600 * 5);
    EXPECT_LE(largest, 600 * 25);
    m_engine.Settings().fAnimCount = 3.0f;
    EXPECT_NE(Whole("MP_calcPixelFluidKirlian", ramp, w, h, *p), first);
    const std::vector<uint16_t> flat = Uniform(w, h, 1000, 2000, 3000);
    EXPECT_EQ(Whole("MP_calcPixelFluidKirlian", flat, w, h, *p), flat);
}

TEST_F(SmoothFamily, EdgePreservingChannelAndColourSmoothing)
{
    // Noise of ±3000 levels on a step from 10000 to 50000 at column 32.
    const int w = 64, h = 32;
    const std::vector<uint16_t> noisy = NoisyStep(w, h, 3000, 11);

    // Edge-preserving at reach 8: the flat halves lose most of their variance, and two columns
    // from the step each side stays within a tenth of the step of its side (a plain blur of
    // that reach puts a third of the step there).
    const std::vector<uint16_t> smooth =
        Whole("MP_calcPixelImageSmooth", noisy, w, h, *Set("MP_calcPixelImageSmooth", {{0, 0.016f}, {1, 0.5f}}));
    EXPECT_LT(Variance(smooth, w, 4, 24, 4, 28, 0), 0.25 * Variance(noisy, w, 4, 24, 4, 28, 0));
    for (int y = 4; y < 28; ++y)
    {
        EXPECT_NEAR(smooth[(size_t(y) * w + 30) * 3], 10000, 4000) << y;
        EXPECT_NEAR(smooth[(size_t(y) * w + 33) * 3], 50000, 4000) << y;
    }

    // Channel smoothing with the whole radius on blue only: red and green are untouched.
    const std::vector<uint16_t> channel = Whole("MP_calcPixelChannelSmooth", noisy, w, h,
                                                *Set("MP_calcPixelChannelSmooth", {{0, 0.01f}, {1, 0.0f}, {2, 0.0f}, {3, 1.0f}}));
    for (size_t i = 0; i < noisy.size(); i += 3)
        ASSERT_TRUE(channel[i] == noisy[i] && channel[i + 1] == noisy[i + 1]) << i / 3;
    EXPECT_LT(Variance(channel, w, 4, 24, 4, 28, 2), 0.25 * Variance(noisy, w, 4, 24, 4, 28, 2));

    // Colour smoothing keeps every pixel's luminance (equal weights here) and quiets the colour.
    auto p = Set("MP_calcPixelColorSmooth", {{0, 0.01f}});
    p->lumr = p->lumg = p->lumb = 1.0f / 3.0f;
    const std::vector<uint16_t> colour = Whole("MP_calcPixelColorSmooth", noisy, w, h, *p);
    for (size_t i = 0; i < noisy.size(); i += 3)
        ASSERT_NEAR(colour[i] + colour[i + 1] + colour[i + 2], noisy[i] + noisy[i + 1] + noisy[i + 2], 3) << i / 3;
    auto chroma = [&](const std::vector<uint16_t>& image) {
        std::vector<uint16_t> redMinusGreen(image.size());
        for (size_t i = 0; i < image.size(); i += 3)
            redMinusGreen[i] = uint16_t(32768 + image[i] - image[i + 1]);
        return Variance(redMinusGreen, w, 4, 24, 4, 28, 0);
    };
    EXPECT_LT(chroma(colour), 0.25 * chroma(noisy));
}

TEST_F(SmoothFamily, StripesWithTheirBorderGiveTheWholeImageResult)
{
    // 150-row stripes of a 32 × 600 noise picture, each with the border rows of its table row.
    const int w = 32, h = 600;
    const std::vector<uint16_t> image = TestImages::Noise(w, h, 3);
    const std::pair<const char*, std::vector<std::pair<int, float>>> cases[] = {
        {"MP_calcPixelImageSmooth", {{0, 0.03f}}},   {"MP_calcPixelChannelSmooth", {{0, 0.03f}}},
        {"MP_calcPixelColorSmooth", {{0, 0.03f}}},   {"MP_calcPixelImageBloom", {{0, 0.05f}, {1, 0.3f}}},
        {"MP_calcPixelBokehBlur", {{0, 0.5f}, {1, 1.0f}}}, {"MP_calcPixelBokehLight", {{0, 1.0f}, {1, 0.3f}}},
        {"MP_calcPixelTMitercontrast", {{0, 0.05f}}}, {"MP_calcPixelTMiterbrillance", {{0, 0.05f}}},
    };
    for (const auto& [kernel, sets] : cases)
    {
        const auto p = Set(kernel, sets);
        EXPECT_EQ(Striped(kernel, image, w, h, *p, 150), Whole(kernel, image, w, h, *p)) << kernel;
    }
}

TEST_F(SmoothFamily, PreviewScaleRunAgreesWithTheDownscaledFullRun)
{
    // Blocks of 8 pixels with mild noise: a picture that survives halving. The preview grades
    // the halved picture with radii halved; it must match the halved full-size result within
    // 1.5 % of the range on average, and far better than a run that forgets to halve the radii.
    // The slack: radii are whole pixels, so the Gaussian's three boxes of radius 3, 3, 4 become
    // 1, 2, 2 at half size, a fifth wider; and the 2 × 2 average is a little blur of its own.
    const int w = 128, h = 96;
    std::vector<uint16_t> full = TestImages::Noise(w, h, 8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                At(full, w, x, y, c) = uint16_t(At(full, w, x, y, c) / 16 + (((x / 8) * 7 + (y / 8) * 3 + c) % 11) * 5500);
    const std::vector<uint16_t> half = Half(full, w, h);
    const std::pair<const char*, std::vector<std::pair<int, float>>> cases[] = {
        {"MP_calcPixelGaussSmooth", {}}, {"MP_calcPixelImageSmooth", {}}, {"MP_calcPixelBokehBlur", {}},
        {"MP_calcPixelImageBloom", {}},  {"MP_calcPixelSoftKirlian", {}}, {"MP_calcPixelFocus", {}},
        {"MP_calcPixelWarp", {{0, 0.02f}}}, {"MP_calcPixelTMitercontrast", {}},
    };
    for (const auto& [kernel, sets] : cases)
    {
        auto fullSize = Set(kernel, sets), preview = Set(kernel, sets), unscaled = Set(kernel, sets);
        preview->previewscalingfactor = 0.5f;
        const std::vector<uint16_t> expected = Half(Whole(kernel, full, w, h, *fullSize), w, h);
        const double agreement = MeanAbsDifference(expected, Whole(kernel, half, w / 2, h / 2, *preview));
        EXPECT_LT(agreement, 983.0) << kernel;
        EXPECT_LT(2.0 * agreement, MeanAbsDifference(expected, Whole(kernel, half, w / 2, h / 2, *unscaled))) << kernel;
    }
}
