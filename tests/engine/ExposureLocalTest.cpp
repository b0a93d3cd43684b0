// The exposure family's local operators: stripes with their border rows give the whole
// picture's result bit for bit, a half-size preview agrees with the full-size result scaled
// down, and each operator's effect on detail, edges and light in numbers.
#include "FamilyTestUtil.h"

#include "tests/support/SyntheticImages.h"

#include <numeric>

using namespace FamilyTest;

namespace
{
struct SLocalCase
{
    const char* kernel;
    std::vector<SValue> values;
};
}  // namespace

TEST(ExposureLocal, StripesWithTheirBorderMatchTheWholePicture)
{
    const SLocalCase cases[] = {
        {"MP_calcPixelMaskLocalContrast", {{0, 0, 0.03f}, {1, 0, 1.0f}}},
        {"MP_calcPixelReduceFog", {{0, 0, 0.03f}, {1, 0, 0.8f}}},
        {"MP_calcPixelVeilingGlare", {{0, 0, 0.03f}, {1, 0, 0.6f}}},
        {"MP_calcPixelLocalContour", {{0, 0, 0.03f}, {1, 0, 0.8f}}},
        {"MP_calcPixelBlackWhite", {{0, 0, 0.03f}, {1, 0, 0.8f}}},
        {"MP_calcPixelLightTuner", {{0, 0, 0.3f}, {1, 0, 0.8f}}},
    };
    const int w = 48, h = 100;
    Image image = ExposureScene(w, h);
    const Image noise = TestImages::Noise(w, h, 3);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = uint16_t(std::min(65535, image[i] + noise[i] / 16));
    for (const SLocalCase& c : cases)
    {
        CTestEngine engine;
        auto p = ExposureRecord(engine, c.kernel, c.values);
        const Image whole = Whole(c.kernel, image, w, h, *p);
        ASSERT_NE(whole, image) << c.kernel;
        EXPECT_EQ(Striped(c.kernel, image, w, h, *p, 30), whole) << c.kernel;
    }
}

TEST(ExposureLocal, HalfSizePreviewAgreesWithTheFullPictureScaledDown)
{
    // The preview runs on the picture scaled to half (2 × 2 means) with the preview factor 0.5,
    // which halves every radius and texture size. Against the full result scaled down the same
    // way it differs by the truncated half radius (up to a pixel of a 10–20 px radius) and by the
    // blur of the 2 × 2 mean itself: 0.6 % of the range on average, and 2.5 % for 95 % of the
    // samples. The rest lie on the hard edges of the bar, the disc and the checker (about 3 % of
    // this small picture), where clipping, the halo guard and the fog's darkest channel respond
    // to a mean of two sides differently than to the two sides on their own.
    const SLocalCase cases[] = {
        {"MP_calcPixelMaskLocalContrast", {{0, 0, 0.04f}, {1, 0, 1.0f}}},
        {"MP_calcPixelReduceFog", {{0, 0, 0.04f}, {1, 0, 1.0f}}},
        {"MP_calcPixelVeilingGlare", {{0, 0, 0.04f}, {1, 0, 0.8f}}},
        {"MP_calcPixelLocalContour", {{0, 0, 0.02f}, {1, 0, 0.8f}, {2, 0, 0.0f}}},
        {"MP_calcPixelBlackWhite", {{0, 0, 0.04f}, {1, 0, 1.0f}}},
        {"MP_calcPixelLightTuner", {{0, 0, 0.4f}, {1, 0, 1.0f}}},
        {"MP_calcPixelHighlightRecover", {{0, 0, 1.0f}, {1, 0, 0.5f}, {2, 0, 0.2f}}},
        {"MP_calcPixelFlattenLuminance", {{0, 0, 1.0f}, {1, 0, 0.04f}}},
        {"MP_calcPixelSoftDetail", {{0, 0, 1.0f}, {1, 0, 0.5f}}},
        {"MP_calcPixelSoftContour", {{0, 0, 1.0f}, {1, 0, 0.4f}}},
        {"MP_calcPixelDynamicLuminance", {{0, 0, 1.0f}, {1, 0, 0.04f}}},
        {"MP_calcPixelSoftBorderlight", {{0, 0, 1.0f}}},
        {"MP_calcPixelStructureStone", {{1, 0, 1.0f}}},
        {"MP_calcPixelStructureVignette", {}},
        {"MP_calcPixelStructureLight", {}},
    };
    const int w = 128, h = 96;
    const Image scene = ExposureScene(w, h);
    for (const SLocalCase& c : cases)
    {
        const Image big = ExposureRun(c.kernel, scene, w, h, c.values);
        ASSERT_NE(big, scene) << c.kernel;
        const Image small = ExposureRun(c.kernel, Half(scene, w, h), w / 2, h / 2, c.values, 0.5f);
        const Image expected = Half(big, w, h);
        std::vector<int> differences(small.size());
        double sum = 0.0;
        for (size_t i = 0; i < small.size(); ++i)
            sum += differences[i] = std::abs(int(small[i]) - int(expected[i]));
        std::sort(differences.begin(), differences.end());
        EXPECT_LE(differences[differences.size() * 95 / 100], 1640) << c.kernel;
        EXPECT_LE(sum / double(small.size()), 390.0) << c.kernel;
    }
}

namespace
{
/// A 0.5 grey carrying a fine checker of ±0.02 (4 × 4 px squares) left of x = 40, then 0.3, and
/// a step to 0.7 at x = 56.
Image DetailAndStep(int w, int h)
{
    return Grey(w, h, [](int x, int y) {
        return (x < 40 ? 0.5f + ((x / 4 + y / 4) & 1 ? 0.02f : -0.02f) : x < 56 ? 0.3f : 0.7f) * 65535.0f;
    });
}
}  // namespace

TEST(ExposureLocal, DetailOperatorsChangeFineStructureAndGuardEdges)
{
    const int w = 72, h = 32;
    const Image image = DetailAndStep(w, h);
    // Checker amplitude: half the difference of two neighbouring squares in the checker's middle
    // (a 10 px blur of the checker is flat there to a fraction of a percent).
    auto amplitude = [&](const Image& im) { return (At(im, w, 18, 14, 0) - At(im, w, 22, 14, 0)) / 2; };
    EXPECT_EQ(amplitude(image), 1311);
    const std::tuple<const char*, std::vector<SValue>, int, int> cases[] = { // amplitude after, tolerance
        // Detail doubled through the guard 1 ÷ (1 + (0.02 ÷ 0.17)²) = 0.986: 1310 × 1.986.
        {"MP_calcPixelMaskLocalContrast", {{0, 0, 0.02f}, {1, 0, 1.0f}, {2, 0, 0.5f}}, 2602, 30},
        // Amount 1 over the coring of 1 % of the range: 1310 + (1310 − 655).
        {"MP_calcPixelLocalContour", {{0, 0, 0.02f}, {1, 0, 0.5f}, {2, 0, 0.2f}}, 1965, 30},
        // Detail taken away through the guard 1 ÷ (1 + (0.02 ÷ 0.08)²) = 0.941: 1310 × 0.059.
        {"MP_calcPixelSoftDetail", {{0, 0, 1.0f}, {1, 0, 0.5f}}, 77, 20},
    };
    for (const auto& [kernel, values, after, tolerance] : cases)
        EXPECT_NEAR(amplitude(ExposureRun(kernel, image, w, h, values)), after, tolerance) << kernel;
    // The halo guard: at full guard the step of 0.4 overshoots far less than without it.
    auto overshoot = [&](float guard) {
        const Image out = ExposureRun("MP_calcPixelMaskLocalContrast", image, w, h, {{0, 0, 0.02f}, {1, 0, 1.0f}, {2, 0, guard}});
        return At(out, w, 57, 16, 0) - At(image, w, 57, 16, 0);
    };
    EXPECT_GT(overshoot(0.0f), 4 * overshoot(1.0f));
    EXPECT_GT(overshoot(1.0f), 0);
}

TEST(ExposureLocal, LightOperatorsMoveLightWhereTheySay)
{
    // Veiling glare: a white half lights up the black half next to it, far away nothing; the
    // light is moved, not added (the mean stays within the blur's edge rounding).
    const Image halves = Grey(80, 8, [](int x, int) { return x < 40 ? 65535 : 0; });
    const Image glare = ExposureRun("MP_calcPixelVeilingGlare", halves, 80, 8, {{0, 0, 0.02f}, {1, 0, 1.0f}});
    EXPECT_GT(At(glare, 80, 41, 4, 0), 10000);
    EXPECT_EQ(At(glare, 80, 79, 4, 0), 0);
    EXPECT_LT(At(glare, 80, 38, 4, 0), 65535);
    EXPECT_NEAR(std::accumulate(glare.begin(), glare.end(), 0.0) / std::accumulate(halves.begin(), halves.end(), 0.0), 1.0, 0.01);

    // Flatten: halves of 0.2 and 0.6 with a 20 px radius both go to the mean 0.4 far from the seam.
    const Image uneven = Grey(200, 6, [](int x, int) { return x < 100 ? 13107 : 39321; });
    const Image flat = ExposureRun("MP_calcPixelFlattenLuminance", uneven, 200, 6, {{0, 0, 1.0f}, {1, 0, 0.02f}});
    EXPECT_NEAR(At(flat, 200, 10, 3, 0), 26214, 30);
    EXPECT_NEAR(At(flat, 200, 190, 3, 0), 26214, 30);

    // Border light: a picture falling off to 55 % in the corners comes back to within 8 % of
    // its centre.
    const Image falloff = Grey(60, 40, [](int x, int y) {
        const float d2 = (std::pow(x + 0.5f - 30.0f, 2.0f) + std::pow(y + 0.5f - 20.0f, 2.0f)) / 1300.0f;
        return 0.6f * (1.0f - 0.45f * d2) * 65535.0f;
    });
    const Image lit = ExposureRun("MP_calcPixelSoftBorderlight", falloff, 60, 40, {{0, 0, 1.0f}});
    EXPECT_NEAR(double(At(lit, 60, 0, 0, 0)) / At(lit, 60, 30, 20, 0), 1.0, 0.08);

    // Soft contour: flat areas stay, the step between them softens.
    const Image step = ExposureRun("MP_calcPixelSoftContour", DetailAndStep(72, 16), 72, 16, {{0, 0, 1.0f}, {1, 0, 0.1f}});
    EXPECT_EQ(At(step, 72, 46, 8, 0), 19660);
    EXPECT_GT(At(step, 72, 55, 8, 0), 19660 + 3000);
    EXPECT_LT(At(step, 72, 56, 8, 0), 45874 - 3000);
}
