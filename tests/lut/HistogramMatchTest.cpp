// Histogram distance and matching on pictures small enough to work out by hand.
#include "lut/HistogramMatch.h"

#include <gtest/gtest.h>

#include <vector>

TEST(HistogramMatch, WorkedExamples)
{
    // Four grey pixels 0, 100, 200, 300 matched to a reference of two at 1000 and two at 2000:
    // the middles of their shares (1/8, 3/8, 5/8, 7/8) fall on 1000, 1000, 2000, 2000.
    std::vector<uint16_t> image = {0, 0, 0, 100, 100, 100, 200, 200, 200, 300, 300, 300};
    const std::vector<uint16_t> reference = {1000, 1000, 1000, 1000, 1000, 1000, 2000, 2000, 2000, 2000, 2000, 2000};
    HistogramMatch::Match(image.data(), 4, reference.data(), 4);
    EXPECT_EQ(image, (std::vector<uint16_t>{1000, 1000, 1000, 1000, 1000, 1000, 2000, 2000, 2000, 2000, 2000, 2000}));

    // Black against a picture one 8-bit level (257) brighter in red and 2 levels in blue: the
    // whole share moves by that much. The pixel counts of the two may differ.
    const std::vector<uint16_t> black = {0, 0, 0, 0, 0, 0};
    const std::vector<uint16_t> lighter = {257, 0, 514};
    const std::array<double, 3> distance = HistogramMatch::Distance(black.data(), 2, lighter.data(), 1);
    EXPECT_DOUBLE_EQ(distance[0], 1.0);
    EXPECT_DOUBLE_EQ(distance[1], 0.0);
    EXPECT_DOUBLE_EQ(distance[2], 2.0);
}
