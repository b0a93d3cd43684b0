// The mask operators write the selection the following operators blend through: colour
// families, channel shares and clipping by colour; detail by neighbourhood; gradation, gradient
// and vignette by tone and position. The picture itself is never touched.
#include "SmoothTestUtil.h"

#include <gtest/gtest.h>

using namespace SmoothTest;

namespace
{
class MaskFamily : public ::testing::Test
{
protected:
    /// Runs the mask at its catalogue defaults (with `values` as set → value 0) over a fresh
    /// mask; returns the mask plane and checks that the picture stays as it was.
    std::vector<uint16_t> Mask(const char* kernel, const std::vector<uint16_t>& image, int w, int h,
                               const std::vector<std::pair<int, float>>& values = {})
    {
        m_engine.Mask().Drop();
        auto p = Defaults(m_engine, kernel);
        for (const auto& [set, value] : values)
            p->p[set][0] = value;
        std::vector<uint16_t> copy = image;
        EXPECT_EQ(RunKernel(kernel, w, h, copy.data(), copy.data(), 6, 6, p.get(), -1, 0, 0, true, true), MP_SUCCESS);
        EXPECT_EQ(copy, image) << kernel << " must leave the picture alone";
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
    std::vector<uint16_t> image;
    for (const auto& c : colours)
        for (const float v : c)
            image.push_back(Level(v));
    struct SCase
    {
        const char* kernel;
        const char* selected; // per pixel: 1 selected (above ¾), 0 not (below ¼)
    };
    const SCase cases[] = {
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
    for (const SCase& c : cases)
    {
        const std::vector<uint16_t> mask = Mask(c.kernel, image, 7, 1);
        ASSERT_EQ(mask.size(), 7u) << c.kernel;
        for (int i = 0; i < 7; ++i)
        {
            if (c.selected[i] == '1')
            {
                EXPECT_GT(mask[size_t(i)], 49151) << c.kernel << " pixel " << i;
            }
            else
            {
                EXPECT_LT(mask[size_t(i)], 16384) << c.kernel << " pixel " << i;
            }
        }
    }
}

TEST_F(MaskFamily, DetailMasksTellTextureFromFlatAreas)
{
    // Left half flat grey, right half a checkerboard of ±10 % around it.
    const int w = 16, h = 8;
    std::vector<uint16_t> image = Uniform(w, h, 32768, 32768, 32768);
    for (int y = 0; y < h; ++y)
        for (int x = w / 2; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                At(image, w, x, y, c) = (x + y) % 2 ? 39322 : 26214;
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
    const std::vector<uint16_t> tones = {0, 0, 0, 16384, 16384, 16384, 49151, 49151, 49151, 65535, 65535, 65535};
    m_engine.Mask().Drop();
    auto p = Defaults(m_engine, "MP_calcPixelMaskGradation");
    for (int k = 0; k < 6; ++k)
        p->p[0][2 * k] = p->p[0][2 * k + 1] = 0.2f * float(k);
    std::vector<uint16_t> copy = tones;
    ASSERT_EQ(RunKernel("MP_calcPixelMaskGradation", 4, 1, copy.data(), copy.data(), 6, 6, p.get(), -1, 0, 0, true, true),
              MP_SUCCESS);
    const uint16_t* graded = m_engine.Mask().Plane(4, 1);
    ASSERT_NE(graded, nullptr);
    const int expected[] = {0, 16384, 49151, 65535};
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(graded[i], expected[i], 655) << i;

    // Gradient down a 1 × 12 column from the top to half its height: full at the top, half at
    // a quarter (the smooth fall's middle), nothing from the middle on.
    const std::vector<uint16_t> column = Uniform(1, 12, 30000, 30000, 30000);
    m_engine.Mask().Drop();
    auto g = Defaults(m_engine, "MP_calcPixelMaskGradient");
    g->p[0][0] = 0.0f, g->p[0][1] = 0.0f, g->p[0][2] = 0.0f, g->p[0][3] = 0.5f;
    copy = column;
    ASSERT_EQ(RunKernel("MP_calcPixelMaskGradient", 1, 12, copy.data(), copy.data(), 6, 6, g.get(), -1, 0, 0, true, true),
              MP_SUCCESS);
    const uint16_t* gradient = m_engine.Mask().Plane(1, 12);
    EXPECT_EQ(gradient[0], 65535);
    EXPECT_NEAR(gradient[3], 32768, 2);
    for (int y = 6; y < 12; ++y)
        EXPECT_EQ(gradient[y], 0) << y;

    // Vignette: the corners fully selected, the centre not at all.
    const int w = 33, h = 21;
    const std::vector<uint16_t> vignette = Mask("MP_calcPixelMaskVignette", Uniform(w, h, 30000, 30000, 30000), w, h);
    EXPECT_EQ(vignette[0], 65535);
    EXPECT_EQ(vignette[size_t(h) * w - 1], 65535);
    EXPECT_EQ(vignette[size_t(h / 2) * w + w / 2], 0);
}
