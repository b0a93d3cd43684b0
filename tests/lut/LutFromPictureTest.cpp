// Deriving a lattice from a reference picture: quantile rule, hue histogram and smoothing,
// exponents, both methods, picture loading and the neighbouring pictures of a folder; histogram
// distance and matching, the yardstick for such lattices, on pictures worked out by hand.
#include "core/StillImage.h"
#include "lut/HistogramMatch.h"
#include "lut/LutFromPicture.h"
#include "lut/LutState.h"
#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cmath>
#include <memory>
#include <numeric>
#include <tuple>
#include <vector>

using namespace LutFromPicture;

namespace
{
std::vector<uint16_t> Solid(int pixels, uint16_t r, uint16_t g, uint16_t b)
{
    std::vector<uint16_t> picture;
    for (int i = 0; i < pixels; ++i)
        picture.insert(picture.end(), {r, g, b});
    return picture;
}

std::vector<float> Lattice(int n)
{
    return std::vector<float>(size_t(n) * n * n * 3, -1.f);
}
}  // namespace

TEST(LutFromPicture, MethodOneQuantilesExponentsAndRefusals)
{
    // Red samples 10, 20, 30: C = 1 at 10, 2 at 20, 3 at 30. With N = 4 the thresholds are 0, 1, 2,
    // 3; k = 1 (< N/2) needs C > 1, k = 2 (≥ N/2) needs C ≥ 2 — both land on 20. Green and blue
    // likewise at their own values.
    std::vector<uint16_t> picture = {10, 1, 5, 20, 2, 6, 30, 3, 7};
    const SCumulative cumulative = CumulativeHistograms(picture.data(), 3, 1);
    EXPECT_EQ(Quantiles(cumulative.aCounts[0], 3, 4), (std::vector<int>{10, 20, 20, 30}));
    EXPECT_EQ(Quantiles(cumulative.aCounts[1], 3, 4), (std::vector<int>{1, 2, 2, 3}));
    EXPECT_EQ(Quantiles(cumulative.aCounts[2], 3, 4), (std::vector<int>{5, 6, 6, 7}));
    // N odd: the middle k = 1 of N = 3 already uses "≥" (threshold 1 → 10).
    EXPECT_EQ(Quantiles(cumulative.aCounts[0], 3, 3), (std::vector<int>{10, 10, 30}));
    // A threshold no count reaches gives 65536.
    EXPECT_EQ(Quantiles(cumulative.aCounts[0], 6, 3), (std::vector<int>{10, 30, 65536}));

    EXPECT_FLOAT_EQ(Exponent(0), 1.55f);
    EXPECT_FLOAT_EQ(Exponent(32768), 1.f); // 2⁻¹⁶, not 1/65535: exactly one half
    EXPECT_FLOAT_EQ(Exponent(65536), 0.45f);

    // Every 16-bit value once per channel. Odd N puts the middle quantile at exactly half the range
    // (exponent 1 + 1.1·2⁻¹⁶); even N at k·T/(N−1) with k = N/2, a little above half, so the
    // exponent is a little below 1.
    std::vector<uint16_t> uniform;
    for (uint32_t i = 0; i < 65536; ++i)
        uniform.insert(uniform.end(), {uint16_t(i), uint16_t(i * 3u), uint16_t(i * 5u)});
    for (auto [n, tolerance] : {std::pair{17, 2e-4f}, std::pair{33, 2e-4f}, std::pair{32, 8e-3f}})
    {
        std::vector<float> lattice = Lattice(n);
        ASSERT_TRUE(Derive(uniform.data(), 256, 256, n, 1, lattice.data()));
        float worst = 0.f;
        for (int b = 0; b < n; ++b)
            for (int g = 0; g < n; ++g)
                for (int r = 0; r < n; ++r)
                {
                    const float* p = lattice.data() + LutLattice::Offset(r, g, b, n);
                    worst = std::max({worst, std::fabs(p[0] - float(r) / float(n - 1)),
                                      std::fabs(p[1] - float(g) / float(n - 1)), std::fabs(p[2] - float(b) / float(n - 1))});
                }
        EXPECT_LT(worst, tolerance) << "N = " << n;
    }

    // One grey level: every quantile is that level, so each channel's curve is one blend of it
    // with the ramp, raised to the exponent of that level.
    const std::vector<uint16_t> grey = Solid(100, 20000, 20000, 20000);
    const int n = 5;
    std::vector<float> lattice = Lattice(n);
    ASSERT_TRUE(Derive(grey.data(), 10, 10, n, 1, lattice.data()));
    const double level = 20000.0 / 65536.0;
    const double exponent = (0.5 - level) * 1.1 + 1.0;
    for (int i = 0; i < n; ++i)
    {
        const double expected = std::pow(0.4 * level + 0.6 * i / (n - 1.0), exponent);
        EXPECT_NEAR(lattice[LutLattice::Offset(i, 0, 0, n)], expected, 1e-6) << i;
        EXPECT_NEAR(lattice[LutLattice::Offset(0, i, n - 1, n) + 1], expected, 1e-6) << i;
        EXPECT_NEAR(lattice[LutLattice::Offset(3, 1, i, n) + 2], expected, 1e-6) << i;
    }

    // Sizes outside 2…64, unknown methods and missing pictures derive nothing.
    const std::vector<uint16_t> small = Solid(4, 1, 2, 3);
    std::vector<float> untouched = Lattice(4);
    EXPECT_FALSE(Derive(small.data(), 2, 2, 1, 1, untouched.data()));
    EXPECT_FALSE(Derive(small.data(), 2, 2, 65, 1, untouched.data()));
    EXPECT_FALSE(Derive(small.data(), 2, 2, 4, 3, untouched.data()));
    EXPECT_FALSE(Derive(small.data(), 0, 2, 4, 1, untouched.data()));
    EXPECT_FALSE(Derive(nullptr, 2, 2, 4, 1, untouched.data()));
    for (float v : untouched)
        ASSERT_EQ(v, -1.f);
}

TEST(LutFromPicture, MethodTwoHueWeightsSmoothingAndPullTowardLuma)
{
    // Half the pixels pure red (S = 1), half green at S = 0.5.
    std::vector<uint16_t> picture = Solid(50, 65535, 0, 0);
    const std::vector<uint16_t> green = Solid(50, 32768, 65535, 32768);
    picture.insert(picture.end(), green.begin(), green.end());
    const size_t greenBin = size_t(1.f / 3.f * 359.f);

    const auto plain = HueHistogram(picture.data(), 10, 10, eHW_SATURATION);
    EXPECT_NEAR(plain[0], 15.f, 1e-4f);
    EXPECT_NEAR(plain[greenBin], 0.5f * 0.5f * 30.f, 1e-3f);
    const auto softened = HueHistogram(picture.data(), 10, 10, eHW_SATURATION_POW_0_1);
    EXPECT_NEAR(softened[greenBin], 0.5f * std::pow(0.5f, 0.1f) * 30.f, 1e-3f);
    EXPECT_EQ(std::accumulate(plain.begin(), plain.end(), 0.0), double(plain[0]) + double(plain[greenBin])); // no other bin

    // Greys have no saturation and add nothing.
    const std::vector<uint16_t> grey = Solid(4, 30000, 30000, 30000);
    for (float bin : HueHistogram(grey.data(), 2, 2, eHW_SATURATION_POW_0_1))
        ASSERT_EQ(bin, 0.f);

    std::array<float, kHueBins> histogram{};
    histogram[359] = 1.f;
    const auto smoothed = SmoothHue(histogram);
    // Σ w(d)² over d = −60…60 = 1 + 2·Σ j²/3600 for j = 1…59 = 1 + 2·70210/3600.
    const double weightSum = 1.0 + 2.0 * 70210.0 / 3600.0;
    EXPECT_NEAR(smoothed[359], 1.0 / weightSum, 1e-6);
    EXPECT_NEAR(smoothed[0], (59.0 / 60) * (59.0 / 60) / weightSum, 1e-6);
    EXPECT_NEAR(smoothed[58], (1.0 / 60) * (1.0 / 60) / weightSum, 1e-7);
    EXPECT_FLOAT_EQ(smoothed[0], smoothed[358]);
    EXPECT_EQ(smoothed[59], 0.f);
    EXPECT_EQ(smoothed[299], 0.f);
    EXPECT_GT(smoothed[300], 0.f);

    // Large values clamp to 1.
    std::array<float, kHueBins> heavy{};
    heavy.fill(5.f);
    for (float s : SmoothHue(heavy))
        ASSERT_EQ(s, 1.f);

    const int n = 9;
    std::array<std::vector<int>, 3> quantiles;
    for (auto& q : quantiles)
        for (int k = 0; k < n; ++k)
            q.push_back(k * 6000);
    std::vector<float> one = Lattice(n), two = Lattice(n), pulled = Lattice(n);
    std::array<float, kHueBins> full{}, none{};
    full.fill(1.f);
    BuildLattice(quantiles, nullptr, n, one.data());
    BuildLattice(quantiles, &full, n, two.data());
    EXPECT_EQ(one, two); // w = 1 everywhere keeps every colour

    BuildLattice(quantiles, &none, n, pulled.data());
    for (size_t i = 0; i < pulled.size(); i += 3)
    {
        const float luma = 0.299f * one[i] + 0.587f * one[i + 1] + 0.114f * one[i + 2];
        ASSERT_NEAR(pulled[i], luma, 1e-6f);
        ASSERT_NEAR(pulled[i + 2], luma, 1e-6f);
    }

    // Through the whole derivation: a reference of pure reds keeps reds more saturated than
    // blues, which are rare in it.
    const std::vector<uint16_t> reds = Solid(400, 50000, 5000, 5000);
    std::vector<float> lattice = Lattice(n);
    ASSERT_TRUE(Derive(reds.data(), 20, 20, n, 2, lattice.data()));
    const float* red = lattice.data() + LutLattice::Offset(n - 1, 0, 0, n);
    const float* blue = lattice.data() + LutLattice::Offset(0, 0, n - 1, n);
    EXPECT_GT(red[0] - red[2], 0.2f);
    EXPECT_LT(blue[2] - blue[0], red[0] - red[2]);
}

TEST(LutFromPicture, NeighbourPicturesWrapAroundAndDeriveIntoStateFromFile)
{
    QTemporaryDir dir;
    for (const char* name : {"b.JPG", "a.png", "c.txt", "d.tif", "e.cube"})
        ASSERT_TRUE(WriteFileBytes(dir.filePath(name), ""));
    // A reference that has since gone: forward starts at the first, backward at the last.
    const std::tuple<const char*, int, const char*> cases[] = {{"a.png", 1, "b.JPG"}, {"b.JPG", 1, "d.tif"}, {"d.tif", 1, "a.png"},
                                                               {"a.png", -1, "d.tif"}, {"gone.png", 1, "a.png"}, {"gone.png", -1, "d.tif"}};
    for (const auto& [from, step, expected] : cases)
        EXPECT_EQ(NeighbourPicture(dir.filePath(from), step), dir.filePath(expected)) << from << " " << step;
    QTemporaryDir empty;
    EXPECT_TRUE(NeighbourPicture(empty.filePath("x.png"), 1).isEmpty());

    // Two pixels, dark and bright: nearest sampling up to the working size keeps equal shares.
    const std::vector<uint16_t> picture = {10000, 10000, 10000, 50000, 50000, 50000};
    const QString path = dir.filePath("warm look.png");
    QString error;
    ASSERT_TRUE(StillImage::Save(path, picture.data(), 2, 1, error)) << error.toStdString();
    Helper::CRGB48Buffer loaded;
    ASSERT_TRUE(LoadReference(path, loaded, error));
    ASSERT_TRUE(loaded.Width() == kPictureSide && loaded.Height() == kPictureSide);
    const SCumulative cumulative = CumulativeHistograms(loaded.GetData(), kPictureSide, kPictureSide);
    EXPECT_EQ(cumulative.aCounts[0][10000], 500000u);
    EXPECT_EQ(cumulative.aCounts[0][49999], 500000u);

    auto state = std::make_unique<CLutState>();
    state->SetChosenSizeButtons(true, false, false);
    state->SetParameter(eLP_SATURATION, 0.2f);
    ASSERT_TRUE(DeriveInto(*state, path, 2, "fallback"));
    EXPECT_TRUE(state->Size() == 25 && state->Title() == "warm look" && state->ReferencePicturePath() == path);
    EXPECT_EQ(state->Parameters()[eLP_SATURATION], 0.2f);

    // A broken picture leaves everything as it was.
    const QString broken = dir.filePath("broken.jpg");
    ASSERT_TRUE(WriteFileBytes(broken, "not a picture"));
    const float first = state->Source().Data()[3];
    EXPECT_FALSE(DeriveInto(*state, broken, 1, "fallback", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(state->Size() == 25 && state->Title() == "warm look" && state->Source().Data()[3] == first);
}

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
