// The sharpeners, deconvolvers and shape effects of the enhance family: contrast rises at a soft
// edge within the stated overshoot; blur of a known shape and direction is taken back out;
// erosion, dilation, the double image and dithering in worked numbers.
#include "FamilyTestUtil.h"

using namespace FamilyTest;

namespace
{
/// A step from `lo` to `hi` at column 32 of 64 softened by a running mean over `soft` columns
/// (the same in every channel, or only in red and green in opposite directions for `colour`).
Image SoftEdge(int w, int h, int soft, bool colour = false)
{
    return Picture(w, h, [&](int x, int, int c) {
        double t = 0; // share of the bright side in the window
        for (int k = -soft / 2; k <= soft / 2; ++k)
            t += (x + k >= w / 2) / double(soft / 2 * 2 + 1);
        const double v = 20000 + 24000 * t;
        return !colour || c == 0 ? v : c == 1 ? 64000 - v : 32000;
    });
}

/// Largest rise between neighbouring columns of channel c in row 4.
int Slope(const Image& img, int w, int c)
{
    int best = 0;
    for (int x = 0; x + 1 < w; ++x)
        best = std::max(best, std::abs(int(At(img, w, x + 1, 4, c)) - int(At(img, w, x, 4, c))));
    return best;
}

/// A step blurred by a sampled Gaussian of σ pixels across the columns.
Image GaussEdge(int w, int h, double sigma)
{
    return Grey(w, h, [&](int x, int) {
        double t = 0, n = 0;
        for (int k = -int(4 * sigma); k <= int(4 * sigma); ++k)
        {
            const double g = std::exp(-k * k / (2 * sigma * sigma));
            t += g * (x + k >= w / 2), n += g;
        }
        return 20000 + 24000 * t / n + 0.5;
    });
}

class Sharpen : public ::testing::Test
{
protected:
    Image Run(const char* kernel, const Image& img, int w, int h, const std::vector<std::pair<int, float>>& settings = {})
    {
        return Whole(kernel, img, w, h, *Settings(m_engine, kernel, settings));
    }
    CTestEngine m_engine;
};
}  // namespace

TEST_F(Sharpen, ContrastRisesAtASoftEdgeWithinTheOvershoot)
{
    // 20000 → 44000 over five columns, the flat sides 20 columns away stay as they were (the
    // iterated motion deconvolution leaves a ripple of a few levels there); nothing goes beyond
    // the original range by more than the stated overshoot (levels; −1: unlimited).
    const double twoPercent = 0.02 * 65535 + 1, onePercent = 0.01 * 65535 + 1;
    const std::tuple<const char*, std::vector<std::pair<int, float>>, double, int> cases[] = { // overshoot, ripple
        {"MP_calcPixelHDLumSharpen", {{0, 0.5f}, {3, 0.2f}}, twoPercent, 0},
        {"MP_calcPixelUHDLumSharpen", {{0, 0.5f}, {1, 0.5f}, {4, 0.2f}}, twoPercent, 0},
        {"MP_calcPixelU2HDLumSharpen", {{0, 0.5f}, {1, 0.5f}, {2, 0.5f}, {5, 0.2f}}, twoPercent, 0},
        {"MP_calcPixelMaskHDLumSharpen", {{0, 0.5f}, {3, 0.2f}}, twoPercent, 0},
        {"MP_calcPixelGradientSharpen", {{0, 0.5f}}, onePercent, 0},
        {"MP_calcPixelGradientHDSharpen", {{1, 0.5f}, {2, 0.2f}}, twoPercent, 0},
        {"MP_calcPixelKernelSharpen", {{0, 1.0f}, {3, 0.2f}}, twoPercent, 0},
        {"MP_calcPixelKernelRGBSharpen", {{0, 1.0f}, {3, 0.2f}}, twoPercent, 0},
        {"MP_calcPixelDirSharpen", {{0, 1.0f}, {1, 0.08f}, {2, 0.0f}, {4, 0.2f}}, twoPercent, 8},
        {"MP_calcPixelEnhance", {{0, 0.02f}, {1, 0.5f}}, -1.0, 0},
    };
    const int w = 64, h = 8;
    const Image before = SoftEdge(w, h, 5);
    for (const auto& [kernel, settings, overshoot, ripple] : cases)
    {
        const Image img = Run(kernel, before, w, h, settings);
        EXPECT_GT(Slope(img, w, 1), 1.2 * Slope(before, w, 1)) << kernel;
        for (const int x : {2, 10, w - 11, w - 3})
            EXPECT_NEAR(At(img, w, x, 4, 1), At(before, w, x, 4, 1), ripple) << kernel << " column " << x;
        for (int x = 0; overshoot >= 0 && x < w; ++x) // within 20000 … 44000 by the overshoot
            EXPECT_LE(std::abs(At(img, w, x, 4, 1) - 32000), 12000 + overshoot) << kernel << " column " << x;
    }
}

TEST_F(Sharpen, ColourEdgesSharpenWhileBrightnessStays)
{
    // Red falls as green rises across a soft edge; blue and the brightness are constant.
    const int w = 64, h = 8;
    for (const char* kernel : {"MP_calcPixelHDSharpen", "MP_calcPixelColorEnhance"})
    {
        const Image before = SoftEdge(w, h, 5, true);
        const Image img = Run(kernel, before, w, h, {{0, kernel[12] == 'H' ? 0.5f : 0.02f}, {1, 0.5f}});
        EXPECT_GT(Slope(img, w, 0), 1.2 * Slope(before, w, 0)) << kernel;
        for (size_t i = 0; i < img.size() / 3; ++i)
            ASSERT_NEAR(Lum(img, i), Lum(before, i), 1.0) << kernel << " pixel " << i;
    }
}

TEST_F(Sharpen, MaskedSharpeningLeavesFlatNoiseAlone)
{
    // Noise of 150 levels stays below the 0.8 % detail threshold: untouched by the masked
    // sharpener, raised by the plain one.
    const int w = 48, h = 16;
    Image noisy = Uniform(w, h, 30000, 30000, 30000);
    AddNoise(noisy, 150.0, 9);
    EXPECT_EQ(Run("MP_calcPixelMaskHDLumSharpen", noisy, w, h, {{0, 0.5f}}), noisy);
    const Image plain = Run("MP_calcPixelHDLumSharpen", noisy, w, h, {{0, 0.5f}, {2, 0.0f}});
    EXPECT_GT(Stats(plain, w, 0, w).variance, 1.5 * Stats(noisy, w, 0, w).variance);
}

TEST_F(Sharpen, DeconvolutionTakesOutBlurOfTheGivenShapeAndDirection)
{
    const int w = 64, h = 16;
    // Camera shake: a Gaussian of σ 1.5 (slider (1.5 − 0.5) ÷ 4.5); 10–90 % over 4 columns.
    const Image shaken = GaussEdge(w, h, 1.5);
    EXPECT_GE(EdgeWidth(shaken, w), 3);
    EXPECT_LE(EdgeWidth(Run("MP_calcPixelKernelSharpen", shaken, w, h, {{0, 1.0f}, {1, 0.2222f}}), w), 2);

    // Motion along x over 9 columns (slider (9 − 1) ÷ 49), 20 iterations: at 0° the edge ends at
    // most half as wide; a vertical streak (90°) does not match an edge that is constant along
    // y, so that leaves it as it was.
    const Image moved = SoftEdge(w, h, 9);
    auto motion = [&](float direction) {
        return Run("MP_calcPixelDirSharpen", moved, w, h, {{0, 1.0f}, {1, 0.1633f}, {2, direction}, {3, 1.0f}});
    };
    EXPECT_GE(EdgeWidth(moved, w), 7);
    EXPECT_LE(2 * EdgeWidth(motion(0.0f), w), EdgeWidth(moved, w));
    const Image across = motion(0.5f);
    for (size_t i = 0; i < across.size(); ++i)
        ASSERT_NEAR(across[i], moved[i], 1) << i;
}

TEST_F(Sharpen, ErosionAndDilationInWorkedNumbers)
{
    // One bright pixel at the centre of 11 × 11. Radius 2 (slider 0.2) walks a 3 × 3 square, then
    // a cross: dilation makes a 5 × 5 block without its four corners (21 pixels); erosion of the
    // same picture removes the pixel at once.
    const int n = 11;
    const Image spot = Grey(n, n, [](int x, int y) { return x == 5 && y == 5 ? 50000 : 10000; });
    const Image grown = Run("MP_calcPixelDilate", spot, n, n), shrunk = Run("MP_calcPixelErode", spot, n, n);
    int bright = 0;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
        {
            const bool inside = std::abs(x - 5) <= 2 && std::abs(y - 5) <= 2 && !(std::abs(x - 5) == 2 && std::abs(y - 5) == 2);
            EXPECT_EQ(At(grown, n, x, y, 1), inside ? 50000 : 10000) << x << "," << y;
            bright += At(grown, n, x, y, 1) == 50000;
        }
    EXPECT_EQ(bright, 21);
    EXPECT_EQ(shrunk, Uniform(n, n, 10000, 10000, 10000));
}

TEST_F(Sharpen, DoubleImageAndDitherInWorkedNumbers)
{
    // Doppler: a ramp of 1000 levels per column, the copy 4 columns to the right (slider 0.4,
    // direction 0) or left (0.5 = 180°) at half strength: 1000·x ± 2000.
    const int w = 20, h = 4;
    const Image ramp = Grey(w, h, [](int x, int) { return 10000 + 1000 * x; });
    for (const auto& [direction, shift] : {std::pair{0.0f, 2000}, std::pair{0.5f, -2000}})
    {
        const Image img = Run("MP_calcPixelDoppler", ramp, w, h, {{1, direction}});
        for (int x = 4; x < w - 4; ++x)
            EXPECT_EQ(At(img, w, x, 2, 0), 10000 + 1000 * x + shift) << x;
    }

    // Dither: 3 bits without diffusion round 30000 to level 3 of 7: 3 × 65535 ÷ 7 = 28086.4.
    EXPECT_EQ(Run("MP_calcPixelDitherFS", Uniform(16, 8, 30000, 30000, 30000), 16, 8, {{0, 2.0f / 7.0f}, {1, 0.0f}}),
              Uniform(16, 8, 28086, 28086, 28086));
    // 1 bit with full diffusion: only black and white, the grey kept on average (a quarter).
    const Image grey = Run("MP_calcPixelDitherFS", Uniform(64, 64, 16384, 16384, 16384), 64, 64, {{0, 0.0f}});
    for (const uint16_t v : grey)
        ASSERT_TRUE(v == 0 || v == 65535) << v;
    EXPECT_NEAR(Stats(grey, 64, 0, 64).mean, 16384.0, 0.01 * 65535);
}
