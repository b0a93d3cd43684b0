// Histogram distance and matching on pictures small enough to work out by hand.
#include "lut/HistogramMatch.h"

#include <gtest/gtest.h>

#include <vector>

TEST(HistogramMatch, WorkedExamples)
{
    // Two pixels matched to five grey reference pixels 1000…5000 (cumulative shares 0.2, 0.4, …, 1).
    // A value held by one pixel of two owns half the picture; the middle of its share is 0.25 for
    // the lower value, 0.75 for the higher, reached first at 2000 and 4000. Blue is 9 in both
    // pixels: the middle of the whole share, 0.5, is reached at 3000.
    std::vector<uint16_t> image = {0, 500, 9, 100, 400, 9};
    const std::vector<uint16_t> reference = {1000, 1000, 1000, 2000, 2000, 2000, 3000, 3000,
                                             3000, 4000, 4000, 4000, 5000, 5000, 5000};
    HistogramMatch::Match(image.data(), 2, reference.data(), 5);
    EXPECT_EQ(image, (std::vector<uint16_t>{2000, 4000, 3000, 4000, 2000, 3000}));

    // Black against a picture one 8-bit level (257) brighter in red and 2 levels in blue: the
    // whole share moves by that much. The pixel counts of the two may differ.
    const std::vector<uint16_t> black = {0, 0, 0, 0, 0, 0};
    const std::vector<uint16_t> lighter = {257, 0, 514};
    const std::array<double, 3> distance = HistogramMatch::Distance(black.data(), 2, lighter.data(), 1);
    EXPECT_DOUBLE_EQ(distance[0], 1.0);
    EXPECT_DOUBLE_EQ(distance[1], 0.0);
    EXPECT_DOUBLE_EQ(distance[2], 2.0);
}
