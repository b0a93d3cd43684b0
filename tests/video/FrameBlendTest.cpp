// Frame blending and split comparison against pixels worked out by hand.
#include "core/EngineState.h"
#include "video/FrameBlend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
using Image = std::vector<uint16_t>;

// A width × height image whose every sample is `value`.
Image Flat(int width, int height, uint16_t value)
{
    return Image(size_t(width) * height * 3, value);
}

// Runs the ring over `frames` (oldest first) and returns the working image after the last one.
Image BlendSequence(int ringSize, int mode, const std::vector<uint16_t>& values, int width = 5, int height = 3)
{
    CFrameBlend blend;
    blend.SetRingSize(ringSize);
    blend.SetMode(mode);
    Image image;
    for (uint16_t value : values)
    {
        image = Flat(width, height, value);
        EXPECT_TRUE(blend.Blend(image.data(), width, height));
    }
    return image;
}

class FrameBlend : public ::testing::Test
{
protected:
    void SetUp() override { MP_UI_SetThreadCount(4); }
};
using SplitCompare = FrameBlend;
}  // namespace

TEST_F(FrameBlend, OrderStatisticsAndMeansOverSeveralFrames)
{
    // Ring size, mode, frames (oldest first), the value of every sample after the last frame.
    const std::tuple<int, int, std::vector<uint16_t>, uint16_t> cases[] = {
        // The first frame of five keeps the frame, or gives the floor of the spread.
        {5, 1, {1234}, 1234}, {5, 2, {1234}, 1234}, {5, 3, {1234}, 1234}, {5, 8, {1234}, 1234}, {5, 9, {1234}, 1234},
        {5, 6, {1234}, 2072},  // √0.001 × 65535
        {5, 10, {1234}, 1234}, // a single weight of 1
        {5, 11, {1234}, 0},    // no spread: peakedness 0
        {2, 8, {100, 900}, 900}, {2, 8, {900, 100}, 900}, // median of two: the larger
        {5, 8, {5, 1, 9, 3}, 5},                          // n = 4: sorted 1 3 5 9, element 2
        {3, 1, {1, 2, 2}, 1},                             // integer mean 5 ÷ 3
        {3, 2, {70, 20, 50}, 20}, {3, 3, {70, 20, 50}, 70},
        {3, 9, {7, 20, 65535}, 32771},                    // (7 + 65535) >> 1
        {5, 10, {60000, 3000, 1000}, 1400}, // weights 0, 0.25, 1 (oldest to current)
        {2, 10, {3000, 1000}, 1000},        // n = 2: the previous frame weighs 0
        {3, 11, {500, 500, 500}, 0},
        {2, 1, {10, 20, 30, 40}, 35},       // the ring keeps only the last two
    };
    for (const auto& [ringSize, mode, frames, expected] : cases)
    {
        const Image out = BlendSequence(ringSize, mode, frames);
        EXPECT_EQ(std::count(out.begin(), out.end(), expected), std::ptrdiff_t(out.size()))
            << "mode " << mode << " ring " << ringSize << " frames " << frames.size();
    }
}

TEST_F(FrameBlend, WeightedMeansFavourOutliersOrTheMajority)
{
    // Samples 0, 0, 60000 (current last): mean 20000, half deviations 10000, 10000, −20000, in
    // units of k = 3.051851e-5. Outliers: weights w = d²k² + 0.001, 60000 × w₂ ÷ (2w₀ + w₂) =
    // 39893.2, above the mean 20000; majority: weights 1 − |d|k + 0.001, 13150.6, below it;
    // spread: √((2w₀ + w₂) ÷ 3) × 65535 = 28360.5.
    const std::pair<int, double> cases[] = {{4, 39893.2}, {5, 13150.6}, {6, 28360.5}};
    for (const auto& [mode, expected] : cases)
        EXPECT_NEAR(BlendSequence(3, mode, {0, 0, 60000})[0], expected, 2.0) << "mode " << mode;
}

TEST_F(FrameBlend, HeatMapColoursStillPixelsAndKeepsMovingOnes)
{
    // Still: t = 3 × 0.001 × 0.33333 × 8 ≈ 0.008, a = 0.96 between grey 64 and blue 255.
    Image still = BlendSequence(3, 7, {4000, 4000, 4000});
    EXPECT_NEAR(still[0], 15728, 1); // 0.96 × 64 × 256
    EXPECT_NEAR(still[1], 15728, 1);
    EXPECT_NEAR(still[2], 18339, 1); // (0.96 × 64 + 0.04 × 255) × 256

    // Black then white: t ≈ 2, the pixel keeps the current frame.
    Image moving = BlendSequence(2, 7, {0, 65535});
    EXPECT_EQ(moving[0], 65535);

    // One pixel moves a little in red only: t = (v_R + 0.002) × 2.67 = (0.040 + 0.001 + 0.002) ×
    // 0.33333 × 8 ≈ 0.1147, inside the third segment (below 0.2): blue (1 − t ÷ 0.2) × 64 +
    // (t ÷ 0.2) × 255 ≈ 173.5.
    CFrameBlend blend;
    blend.SetRingSize(2);
    blend.SetMode(7);
    Image a = Flat(1, 1, 30000), b = a;
    b[0] = 30000 + 2 * 13107; // half deviations ∓6553: v_R ≈ 0.041 + 0.001
    ASSERT_TRUE(blend.Blend(a.data(), 1, 1));
    ASSERT_TRUE(blend.Blend(b.data(), 1, 1));
    EXPECT_NEAR(b[2] / 256.0, 173.5, 2.0);
}

TEST_F(FrameBlend, RingIndexAndComparisonInsideTheBlend)
{
    CFrameBlend blend;
    blend.SetRingSize(3);
    blend.SetMode(1);
    Image image = Flat(4, 2, 100);
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(blend.Blend(image.data(), 4, 2));
    EXPECT_EQ(blend.Index(), 1); // four frames through a ring of three
    blend.SetRingSize(2);        // continues modulo the new size
    EXPECT_EQ(blend.Index(), 1);

    // Ring of one: nothing happens at all.
    CFrameBlend off;
    Image untouched = Flat(2, 2, 7);
    ASSERT_TRUE(off.Blend(untouched.data(), 2, 2));
    EXPECT_EQ(untouched, Flat(2, 2, 7));
    EXPECT_EQ(off.Index(), 0);

    // Mean of 0 and 1000 with the half comparison: the left half shows the unblended current frame.
    CFrameBlend compared;
    compared.SetRingSize(2);
    compared.SetMode(1);
    compared.SetComparison(1);
    Image first = Flat(10, 1, 0), second = Flat(10, 1, 1000);
    ASSERT_TRUE(compared.Blend(first.data(), 10, 1));
    ASSERT_TRUE(compared.Blend(second.data(), 10, 1));
    EXPECT_EQ(second[0], 1000);              // column 0: unblended
    EXPECT_EQ(second[4 * 3], 1000 / 2 + 32767); // column 4: divider
    EXPECT_EQ(second[9 * 3], 500);           // column 9: blended
}

TEST_F(SplitCompare, ColumnsForWidthOneHundred)
{
    const int w = 100, h = 7;
    Image source(size_t(w) * h * 3), target(size_t(w) * h * 3);
    // Column x of the source holds x, of the target 1000 + x (all rows, all channels).
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
            {
                source[(size_t(y) * w + x) * 3 + c] = uint16_t(x);
                target[(size_t(y) * w + x) * 3 + c] = uint16_t(1000 + x);
            }
    const auto light = [](int v) { return v / 2 + 32767; };

    Image half = target;
    MP_MT_SplitCompare(source.data(), half.data(), w, h, 1);
    Image centre = target;
    MP_MT_SplitCompare(source.data(), centre.data(), w, h, 2);
    Image none = target;
    MP_MT_SplitCompare(source.data(), none.data(), w, h, 3);
    EXPECT_EQ(none, target);

    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const size_t at = (size_t(y) * w + x) * 3;
            // Half: columns 0..50 from the source, 49 and 50 lightened, the rest untouched.
            const int expectHalf = x == 49 || x == 50 ? light(x) : x <= 50 ? x : 1000 + x;
            ASSERT_EQ(half[at], expectHalf) << "half, column " << x;
            // Centre: a = 75, b = 25; source columns 25..74 → 0..49, target columns 25..74 → 50..99,
            // column 50 lightened.
            const int expectCentre = x < 50 ? 25 + x : x == 50 ? light(1000 + 25) : 1000 + x - 25;
            ASSERT_EQ(centre[at + 2], expectCentre) << "centre, column " << x;
        }
}
