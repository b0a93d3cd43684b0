// The exposure family's local operators: stripes with their border rows give the whole
// picture's result bit for bit, a half-size preview agrees with the full-size result scaled
// down, and each operator's effect on detail, edges and light in numbers.
#include "ExposureTestUtil.h"

#include "tests/support/SyntheticImages.h"

#include <algorithm>

using namespace ExposureTest;

namespace
{
struct SLocalCase
{
    const char* kernel;
    std::initializer_list<SValue> values;
};

/// Runs the kernel's function over `image` in stripes of `rows` rows, each with the border the
/// registry asks for above and below, as the striped device path cuts the picture.
std::vector<uint16_t> Striped(const SKernelEntry& e, const Params& record, const std::vector<uint16_t>& image, int w,
                              int h, int rows)
{
    std::vector<uint16_t> out(image.size());
    const int border = MP_BorderRows(e.border, record);
    for (int first = 0; first < h; first += rows)
    {
        const int top = std::max(0, first - border), bottom = std::min(h, first + rows + border);
        std::vector<uint16_t> stripe(image.begin() + size_t(top) * w * 3, image.begin() + size_t(bottom) * w * 3);
        Params p = record;
        p.y_offset = top;
        EXPECT_EQ(e.pFunction(w, bottom - top, stripe.data(), stripe.data(), 6, 6, &p), MP_SUCCESS);
        const int core = std::min(rows, h - first);
        std::copy_n(stripe.begin() + size_t(first - top) * w * 3, size_t(core) * w * 3, out.begin() + size_t(first) * w * 3);
    }
    return out;
}
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
    std::vector<uint16_t> image = Scene(w, h);
    const std::vector<uint16_t> noise = TestImages::Noise(w, h, 3);
    for (size_t i = 0; i < image.size(); ++i)
        image[i] = uint16_t(std::min(65535, image[i] + noise[i] / 16));
    for (const SLocalCase& c : cases)
    {
        CTestEngine engine;
        const SKernelEntry* e = MP_FindKernel(c.kernel);
        ASSERT_NE(e, nullptr);
        auto p = Record(engine, c.kernel, c.values);
        MP_FillKernelHeader(*e, *p, w, h);
        ASSERT_EQ(MP_BorderRows(e->border, *p), 15) << c.kernel; // the radius, 15 px
        std::vector<uint16_t> whole = image;
        ASSERT_EQ(e->pFunction(w, h, whole.data(), whole.data(), 6, 6, p.get()), MP_SUCCESS);
        ASSERT_NE(whole, image) << c.kernel;
        EXPECT_EQ(Striped(*e, *p, image, w, h, 30), whole) << c.kernel;
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
    const std::vector<uint16_t> scene = Scene(w, h);
    for (const SLocalCase& c : cases)
    {
        CTestEngine engine;
        auto full = Record(engine, c.kernel, c.values, 1.0f);
        std::vector<uint16_t> big = scene;
        ASSERT_EQ(RunOn(c.kernel, *full, big, w, h), MP_SUCCESS);
        ASSERT_NE(big, scene) << c.kernel;
        auto preview = Record(engine, c.kernel, c.values, 0.5f);
        std::vector<uint16_t> small = Half(scene, w, h);
        ASSERT_EQ(RunOn(c.kernel, *preview, small, w / 2, h / 2), MP_SUCCESS);
        const std::vector<uint16_t> expected = Half(big, w, h);
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
std::vector<uint16_t> DetailAndStep(int w, int h)
{
    std::vector<uint16_t> image(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const float v = x < 40 ? 0.5f + ((x / 4 + y / 4) & 1 ? 0.02f : -0.02f) : x < 56 ? 0.3f : 0.7f;
            std::fill_n(&image[(size_t(y) * w + x) * 3], 3, uint16_t(v * 65535.0f));
        }
    return image;
}

int At(const std::vector<uint16_t>& image, int w, int x, int y)
{
    return image[(size_t(y) * w + x) * 3];
}
}  // namespace

TEST(ExposureLocal, DetailOperatorsChangeFineStructureAndGuardEdges)
{
    const int w = 72, h = 32;
    const std::vector<uint16_t> image = DetailAndStep(w, h);
    // Checker amplitude: half the difference of two neighbouring squares in the checker's middle
    // (a 10 px blur of the checker is flat there to a fraction of a percent).
    auto amplitude = [&](const std::vector<uint16_t>& im) { return (At(im, w, 18, 14) - At(im, w, 22, 14)) / 2; };
    EXPECT_EQ(amplitude(image), 1311);
    struct SCase
    {
        const char* kernel;
        std::initializer_list<SValue> values;
        int amplitude, tolerance;
    };
    const SCase cases[] = {
        // Detail doubled through the guard 1 ÷ (1 + (0.02 ÷ 0.17)²) = 0.986: 1310 × 1.986.
        {"MP_calcPixelMaskLocalContrast", {{0, 0, 0.02f}, {1, 0, 1.0f}, {2, 0, 0.5f}}, 2602, 30},
        // Amount 1 over the coring of 1 % of the range: 1310 + (1310 − 655).
        {"MP_calcPixelLocalContour", {{0, 0, 0.02f}, {1, 0, 0.5f}, {2, 0, 0.2f}}, 1965, 30},
        // Detail taken away through the guard 1 ÷ (1 + (0.02 ÷ 0.08)²) = 0.941: 1310 × 0.059.
        {"MP_calcPixelSoftDetail", {{0, 0, 1.0f}, {1, 0, 0.5f}}, 77, 20},
    };
    for (const SCase& c : cases)
    {
        CTestEngine engine;
        auto p = Record(engine, c.kernel, c.values);
        std::vector<uint16_t> out = image;
        ASSERT_EQ(RunOn(c.kernel, *p, out, w, h), MP_SUCCESS);
        EXPECT_NEAR(amplitude(out), c.amplitude, c.tolerance) << c.kernel;
    }
    // The halo guard: at full guard the step of 0.4 overshoots far less than without it.
    auto overshoot = [&](float guard) {
        CTestEngine engine;
        auto p = Record(engine, "MP_calcPixelMaskLocalContrast", {{0, 0, 0.02f}, {1, 0, 1.0f}, {2, 0, guard}});
        std::vector<uint16_t> out = image;
        EXPECT_EQ(RunOn("MP_calcPixelMaskLocalContrast", *p, out, w, h), MP_SUCCESS);
        return At(out, w, 57, 16) - At(image, w, 57, 16);
    };
    EXPECT_GT(overshoot(0.0f), 4 * overshoot(1.0f));
    EXPECT_GT(overshoot(1.0f), 0);
}

TEST(ExposureLocal, LightOperatorsMoveLightWhereTheySay)
{
    CTestEngine engine;
    // Veiling glare: a white half lights up the black half next to it, far away nothing; the
    // light is moved, not added (the mean stays within the blur's edge rounding).
    std::vector<uint16_t> halves(size_t(80) * 8 * 3, 0);
    for (int y = 0; y < 8; ++y)
        std::fill_n(&halves[size_t(y) * 80 * 3], 40 * 3, uint16_t(65535));
    std::vector<uint16_t> glare = halves;
    auto p = Record(engine, "MP_calcPixelVeilingGlare", {{0, 0, 0.02f}, {1, 0, 1.0f}});
    ASSERT_EQ(RunOn("MP_calcPixelVeilingGlare", *p, glare, 80, 8), MP_SUCCESS);
    EXPECT_GT(At(glare, 80, 41, 4), 10000);
    EXPECT_EQ(At(glare, 80, 79, 4), 0);
    EXPECT_LT(At(glare, 80, 38, 4), 65535);
    uint64_t before = 0, after = 0;
    for (size_t i = 0; i < halves.size(); ++i)
        before += halves[i], after += glare[i];
    EXPECT_NEAR(double(after) / double(before), 1.0, 0.01);

    // Flatten: halves of 0.2 and 0.6 with a 20 px radius both go to the mean 0.4 far from the seam.
    std::vector<uint16_t> uneven(size_t(200) * 6 * 3);
    for (size_t i = 0; i < uneven.size(); i += 3)
        std::fill_n(&uneven[i], 3, uint16_t((i / 3) % 200 < 100 ? 13107 : 39321));
    auto flatten = Record(engine, "MP_calcPixelFlattenLuminance", {{0, 0, 1.0f}, {1, 0, 0.02f}});
    ASSERT_EQ(RunOn("MP_calcPixelFlattenLuminance", *flatten, uneven, 200, 6), MP_SUCCESS);
    EXPECT_NEAR(At(uneven, 200, 10, 3), 26214, 30);
    EXPECT_NEAR(At(uneven, 200, 190, 3), 26214, 30);

    // Border light: a picture falling off to 55 % in the corners comes back to within 8 % of
    // its centre.
    const int w = 60, h = 40;
    std::vector<uint16_t> falloff(size_t(w) * h * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const float d2 = (std::pow(x + 0.5f - 30.0f, 2.0f) + std::pow(y + 0.5f - 20.0f, 2.0f)) / 1300.0f;
            std::fill_n(&falloff[(size_t(y) * w + x) * 3], 3, uint16_t(0.6f * (1.0f - 0.45f * d2) * 65535.0f));
        }
    auto border = Record(engine, "MP_calcPixelSoftBorderlight", {{0, 0, 1.0f}});
    ASSERT_EQ(RunOn("MP_calcPixelSoftBorderlight", *border, falloff, w, h), MP_SUCCESS);
    EXPECT_NEAR(double(At(falloff, w, 0, 0)) / At(falloff, w, 30, 20), 1.0, 0.08);

    // Soft contour: flat areas stay, the step between them softens.
    std::vector<uint16_t> step = DetailAndStep(72, 16);
    auto contour = Record(engine, "MP_calcPixelSoftContour", {{0, 0, 1.0f}, {1, 0, 0.1f}});
    ASSERT_EQ(RunOn("MP_calcPixelSoftContour", *contour, step, 72, 16), MP_SUCCESS);
    EXPECT_EQ(At(step, 72, 46, 8), 19660);
    EXPECT_GT(At(step, 72, 55, 8), 19660 + 3000);
    EXPECT_LT(At(step, 72, 56, 8), 45874 - 3000);
}
