// The mask operators write the selection the following operators blend through: colour
// families, channel shares and clipping by colour; detail by neighbourhood; gradation, gradient
// and vignette by tone and position. The picture itself is never touched.
#include "FamilyTestUtil.h"

using namespace FamilyTest;

namespace
{
class MaskFamily : public ::testing::Test
{
protected:
    /// Runs the mask at its catalogue defaults (with `values` changed) over a fresh mask; returns
    /// the mask plane and checks that the picture stays as it was.
    std::vector<uint16_t> Mask(const char* kernel, const Image& image, int w, int h, const std::vector<SValue>& values = {})
    {
        m_engine.Mask().Drop();
        EXPECT_EQ(Dispatched(kernel, *Record(m_engine, kernel, values), image, w, h), image)
            << kernel << " must leave the picture alone";
        const uint16_t* mask = m_engine.Mask().Plane(w, h);
        return mask ? std::vector<uint16_t>(mask, mask + size_t(w) * h) : std::vector<uint16_t>{};
    }
    CTestEngine m_engine;
};
}  // namespace

TEST_F(MaskFamily, ColourMasksSelectTheirFamilyAndChannelShare)
{
    // Skin (hue 17°, saturation 0.41), sky (hue 213°, 0.5), foliage (hue 94°, 0.7), grey, a
    // saturated red, black and white.
    const float colours[][3] = {{0.85f, 0.60f, 0.50f}, {0.45f, 0.65f, 0.90f}, {0.30f, 0.50f, 0.15f}, {0.5f, 0.5f, 0.5f},
                                {0.80f, 0.10f, 0.10f}, {0.0f, 0.0f, 0.0f},    {1.0f, 1.0f, 1.0f}};
    Image image;
    for (const auto& c : colours)
        for (const float v : c)
            image.push_back(Level(v));
    const std::pair<const char*, const char*> cases[] = { // per pixel: 1 selected (above ¾), 0 not (below ¼)
        {"MP_calcPixelMaskSkin", "1000000"},
        {"MP_calcPixelMaskProtectSkin", "0111111"},
        {"MP_calcPixelMaskSky", "0100000"},
        {"MP_calcPixelMaskGrass", "0010000"},
        // Shares of red: 0.44, 0.23, 0.32, 0.33, 0.8; the threshold 0.45 softens down to 0.35.
        {"MP_calcPixelMaskChannelR", "1000100"},
        {"MP_calcPixelMaskChannelG", "0010000"},
        {"MP_calcPixelMaskChannelB", "0100000"},
        // Neither crushed below 2 % nor clipped above 98 % in any channel.
        {"MP_calcPixelMaskMinMax", "1111100"},
    };
    for (const auto& [kernel, selected] : cases)
    {
        const std::vector<uint16_t> mask = Mask(kernel, image, 7, 1);
        ASSERT_EQ(mask.size(), 7u) << kernel;
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(mask[size_t(i)] > 49151 ? '1' : mask[size_t(i)] < 16384 ? '0' : '?', selected[i]) << kernel << " pixel " << i;
    }
}

TEST_F(MaskFamily, DetailMasksTellTextureFromFlatAreas)
{
    // Left half flat grey, right half a checkerboard of ±10 % around it.
    const int w = 16, h = 8;
    const Image image = Grey(w, h, [](int x, int y) { return x < w / 2 ? 32768 : (x + y) % 2 ? 39322 : 26214; });
    const std::vector<uint16_t> detail = Mask("MP_calcPixelMaskDetail", image, w, h);
    const std::vector<uint16_t> flat = Mask("MP_calcPixelMaskNonDetail", image, w, h);
    for (int y = 0; y < h; ++y)
    {
        EXPECT_EQ(detail[size_t(y) * w + 2], 0) << y;
        EXPECT_EQ(detail[size_t(y) * w + 12], 65535) << y;
        EXPECT_EQ(flat[size_t(y) * w + 2], 65535) << y;
        EXPECT_EQ(flat[size_t(y) * w + 12], 0) << y;
    }
}

TEST_F(MaskFamily, GradationGradientAndVignetteFollowToneAndPosition)
{
    // Gradation with the straight curve: the selection is the luminance (within 1 %: the curve's
    // end points are taken just outside 0 and 1).
    std::vector<SValue> straight;
    for (int k = 0; k < 12; ++k)
        straight.push_back({0, k, 0.2f * float(k / 2)});
    const Image tones = {0, 0, 0, 16384, 16384, 16384, 49151, 49151, 49151, 65535, 65535, 65535};
    const std::vector<uint16_t> graded = Mask("MP_calcPixelMaskGradation", tones, 4, 1, straight);
    ASSERT_EQ(graded.size(), 4u);
    const int expected[] = {0, 16384, 49151, 65535};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(graded[size_t(i)], expected[i], 655) << i;

    // Gradient down a 1 × 12 column from the top to half its height: full at the top, half at
    // a quarter (the smooth fall's middle), nothing from the middle on.
    const std::vector<uint16_t> gradient = Mask("MP_calcPixelMaskGradient", Uniform(1, 12, 30000, 30000, 30000), 1, 12,
                                                {{0, 0, 0.0f}, {0, 1, 0.0f}, {0, 2, 0.0f}, {0, 3, 0.5f}});
    ASSERT_EQ(gradient.size(), 12u);
    EXPECT_EQ(gradient[0], 65535);
    EXPECT_NEAR(gradient[3], 32768, 2);
    for (int y = 6; y < 12; ++y)
        EXPECT_EQ(gradient[size_t(y)], 0) << y;

    // Vignette: the corners fully selected, the centre not at all.
    const int w = 33, h = 21;
    const std::vector<uint16_t> vignette = Mask("MP_calcPixelMaskVignette", Uniform(w, h, 30000, 30000, 30000), w, h);
    EXPECT_EQ(vignette[0], 65535);
    EXPECT_EQ(vignette[size_t(h) * w - 1], 65535);
    EXPECT_EQ(vignette[size_t(h / 2) * w + w / 2], 0);
}
