// The scope engine on pictures with known scopes: a grey ramp, 75 % colour bars, pure red, rows
// of known levels; band-count independence, buffer reuse and the graticule labels.
#include "scopes/Scope.h"

#include "tests/support/SyntheticImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace
{
std::vector<uint16_t> Uniform(int width, int height, uint16_t r, uint16_t g, uint16_t b)
{
    std::vector<uint16_t> image(size_t(width) * height * 3);
    for (size_t i = 0; i < image.size(); i += 3)
        image[i] = r, image[i + 1] = g, image[i + 2] = b;
    return image;
}

SScopeSettings Settings(EScopeKind kind, QSize size)
{
    SScopeSettings settings;
    settings.eKind = kind;
    settings.size = size;
    return settings;
}

SScope Make(const std::vector<uint16_t>& image, int width, int height, const SScopeSettings& settings, int bands = 2)
{
    SScope scope;
    MakeScope(image.data(), width, height, settings, bands, scope);
    return scope;
}

SScope Make(const std::vector<uint16_t>& image, int width, int height, EScopeKind kind, QSize size, int bands = 2)
{
    return Make(image, width, height, Settings(kind, size), bands);
}

const uint16_t* Pixel(const SScope& scope, int x, int y)
{
    auto& picture = const_cast<Helper::CRGB48Buffer&>(scope.picture);
    return picture.GetData() + (size_t(y) * picture.Width() + x) * 3;
}

uint64_t Sum(const std::vector<uint32_t>& grid)
{
    return std::accumulate(grid.begin(), grid.end(), uint64_t(0));
}
}  // namespace

TEST(Scope, GreyRampDrawsADiagonalOnTheWaveform)
{
    constexpr int kWidth = 400, kHeight = 10;
    std::vector<uint16_t> ramp;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
        {
            const auto grey = uint16_t(std::lround(x * 65535.0 / (kWidth - 1)));
            ramp.insert(ramp.end(), {grey, grey, grey});
        }
    const SScope scope = Make(ramp, kWidth, kHeight, eSK_WAVEFORM, QSize(300, 200));
    ASSERT_EQ(scope.counts.grids.size(), 1u);
    const int columns = scope.counts.iColumns, rows = scope.counts.iRows;
    const QRect area = scope.areas.at(0);
    ASSERT_EQ(area.size(), QSize(columns, rows));
    EXPECT_EQ(Sum(scope.counts.grids[0]), uint64_t(kWidth * kHeight));
    for (int c = 0; c < columns; ++c)
    {
        // The line from 0 % at the left to 100 % at the right, through this column's middle.
        const double expected = (rows - 1) * (1.0 - (c + 0.5) / columns);
        int brightest = -1;
        uint16_t most = 0;
        for (int r = 0; r < rows; ++r)
        {
            if (scope.counts.grids[0][size_t(r) * columns + c] != 0)
            {
                EXPECT_LE(std::abs(r - expected), 1.5) << "column " << c << " row " << r;
            }
            const uint16_t green = Pixel(scope, area.left() + c, area.top() + r)[1];
            if (green > most)
                most = green, brightest = r;
        }
        EXPECT_LE(std::abs(brightest - expected), 1.5) << "picture column " << c;
    }
}

TEST(Scope, ColourBarsAtSeventyFivePercentHitTheVectorscopeTargets)
{
    // 75 % white, yellow, cyan, green, magenta, red, blue: bars 10 pixels wide, 8 high.
    const double bars[7][3] = {{1, 1, 1}, {1, 1, 0}, {0, 1, 1}, {0, 1, 0}, {1, 0, 1}, {1, 0, 0}, {0, 0, 1}};
    constexpr uint16_t kLevel = 49151; // 75 % of 65535
    std::vector<uint16_t> image;
    for (int y = 0; y < 8; ++y)
        for (const auto& bar : bars)
            for (int x = 0; x < 10; ++x)
                for (double channel : bar)
                    image.push_back(uint16_t(channel * kLevel));
    const SScope scope = Make(image, 70, 8, eSK_VECTORSCOPE, QSize(256, 256));
    const int side = scope.counts.iColumns;
    ASSERT_EQ(scope.counts.iRows, side);
    const QRect area = scope.areas.at(0);
    ASSERT_EQ(area.size(), QSize(side, side));

    // Rec. 709 from its definition: Cb = (B − Y) ÷ 1.8556, Cr = (R − Y) ÷ 1.5748; Cb −0.5…0.5
    // spans the columns left to right, Cr 0.5…−0.5 the rows top to bottom.
    std::vector<QPointF> targets;
    for (const auto& bar : bars)
    {
        const double r = 0.75 * bar[0], g = 0.75 * bar[1], b = 0.75 * bar[2];
        const double y = 0.2126 * r + 0.7152 * g + 0.0722 * b;
        targets.emplace_back(((b - y) / 1.8556 + 0.5) * (side - 1), (0.5 - (r - y) / 1.5748) * (side - 1));
    }
    int dots = 0;
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column)
        {
            const uint32_t count = scope.counts.grids[0][size_t(row) * side + column];
            if (count == 0)
                continue;
            ++dots;
            EXPECT_EQ(count, 80u) << column << "," << row; // one bar each
            const auto near = std::find_if(targets.begin(), targets.end(), [&](QPointF t) {
                return std::abs(t.x() - column) <= 1.0 && std::abs(t.y() - row) <= 1.0;
            });
            EXPECT_NE(near, targets.end()) << "a dot off every target at " << column << "," << row;
            EXPECT_GT(Pixel(scope, area.left() + column, area.top() + row)[1], 0xC000) << "dot not drawn";
        }
    EXPECT_EQ(dots, 7);
}

TEST(Scope, PurePrimaryLightsOnlyItsThirdOfTheParadeAtFullScale)
{
    const SScope dark = Make(Uniform(64, 16, 0, 0, 0), 64, 16, eSK_PARADE, QSize(300, 200));
    for (size_t primary = 0; primary < 3; ++primary)
    {
        SCOPED_TRACE(primary == 0 ? "red" : primary == 1 ? "green" : "blue");
        std::vector<uint16_t> image = Uniform(64, 16, 0, 0, 0);
        for (size_t i = primary; i < image.size(); i += 3)
            image[i] = 65535;
        const SScope scope = Make(image, 64, 16, eSK_PARADE, QSize(300, 200));
        ASSERT_EQ(scope.counts.grids.size(), 3u);
        ASSERT_EQ(scope.areas.size(), 3u);
        EXPECT_LT(scope.areas[0].right(), scope.areas[1].left());
        EXPECT_LT(scope.areas[1].right(), scope.areas[2].left());
        const int columns = scope.counts.iColumns, rows = scope.counts.iRows;
        ASSERT_GT(columns, 64); // the 64 picture columns spread over every column of a section
        for (size_t section = 0; section < 3; ++section)
        {
            // Every column sees all 16 rows: the primary's channel at 100 %, the others at 0 %.
            const int row = section == primary ? 0 : rows - 1;
            const auto& grid = scope.counts.grids[section];
            EXPECT_EQ(std::accumulate(grid.begin() + size_t(row) * columns, grid.begin() + size_t(row + 1) * columns,
                                      uint64_t(0)),
                      16u * columns);
            for (int x = 0; x < columns; ++x)
            {
                const QPoint top = scope.areas[section].topLeft() + QPoint(x, 0);
                const uint16_t* lit = Pixel(scope, top.x(), top.y());
                if (section == primary)
                    EXPECT_EQ(lit[primary], 65535); // drawn in its own colour
                else
                    EXPECT_TRUE(std::equal(lit, lit + 3, Pixel(dark, top.x(), top.y()))); // as for black
            }
        }
    }
}

TEST(Scope, HistogramCountsEveryLevelAndTheLogScaleRaisesRareOnes)
{
    // 4 × 300: 100 black rows, 100 pure red rows, 100 rows of 0x8080, so the bands split the kinds.
    std::vector<uint16_t> image = Uniform(4, 300, 0, 0, 0);
    for (size_t i = 4 * 100 * 3; i < 4 * 200 * 3; i += 3)
        image[i] = 65535;
    for (size_t i = 4 * 200 * 3; i < image.size(); ++i)
        image[i] = 0x8080;
    const SScope scope = Make(image, 4, 300, eSK_HISTOGRAM, QSize(320, 200), 7);
    ASSERT_EQ(scope.counts.grids.size(), 4u);
    ASSERT_EQ(scope.counts.iColumns, 256);
    EXPECT_EQ(scope.counts.iPixels, 1200u);
    for (const std::vector<uint32_t>& bins : scope.counts.grids)
        EXPECT_EQ(Sum(bins), 1200u);
    // Red at 0, 255 and 0x80; green and blue at 0 twice as often; luma of pure red at
    // 0.2126 × 65535 = 13933 = 54 × 256 + 109.
    const auto& g = scope.counts.grids;
    EXPECT_EQ((std::vector<uint32_t>{g[0][0], g[0][255], g[0][128], g[1][0], g[1][128], g[2][0], g[3][0], g[3][54],
                                     g[3][128]}),
              (std::vector<uint32_t>{400, 400, 400, 800, 400, 800, 400, 400, 400}));

    // Nothing to count: zero counts over a drawn graticule.
    SScope empty;
    MakeScope(nullptr, 4, 300, scope.settings, 2, empty);
    EXPECT_EQ(empty.counts.iPixels, 0u);
    EXPECT_EQ(Sum(empty.counts.grids[3]), 0u);
    EXPECT_EQ(empty.picture.GetSize(), QSize(320, 200));

    // The logarithmic scale raises rare levels: of 10 000 black pixels and 100 at half level, the
    // rare bar reaches log(101) ÷ log(10 001), about half the height.
    std::vector<uint16_t> rare = Uniform(101, 100, 0, 0, 0);
    for (int y = 0; y < 100; ++y)
        std::fill_n(rare.begin() + (size_t(y) * 101 + 100) * 3, 3, uint16_t(0x8000));
    SScopeSettings settings = Settings(eSK_HISTOGRAM, QSize(300, 200));
    const SScope linear = Make(rare, 101, 100, settings);
    settings.bLogarithmic = true;
    const SScope logarithmic = Make(rare, 101, 100, settings);
    const QRect plot = linear.areas.at(0);
    const int column = plot.left() + plot.width() * 0x80 / 256 + 1; // inside the half-level bin
    const int rowAt = plot.bottom() - plot.height() * 2 / 5;        // 40 % up
    const uint16_t* lin = Pixel(linear, column, rowAt);
    const uint16_t* log = Pixel(logarithmic, column, rowAt);
    EXPECT_GT(int(log[0]), int(lin[0]) + 0x4000) << "the rare level's bar reaches 40 % only on the log scale";
}

TEST(Scope, SameResultForEveryBandCountAndReusedBuffers)
{
    const std::vector<uint16_t> noise = TestImages::Noise(97, 61, 3);
    for (int kind = 0; kind < kScopeKindCount; ++kind)
    {
        SCOPED_TRACE(ScopeKindName(EScopeKind(kind)));
        // A larger scope first: the reused buffers must not leak into the smaller one.
        SScopeSettings settings = Settings(EScopeKind(kind), QSize(700, 500));
        settings.fGain = 3.0f;
        SScope many;
        MakeScope(noise.data(), 97, 61, settings, 5, many);
        settings.size = QSize(150, 90);
        MakeScope(noise.data(), 97, 61, settings, 5, many);
        const SScope one = Make(noise, 97, 61, settings, 1);
        EXPECT_EQ(one.counts.grids, many.counts.grids);
        ASSERT_EQ(many.picture.GetSize(), QSize(150, 90));
        EXPECT_TRUE(std::equal(Pixel(one, 0, 0), Pixel(one, 0, 0) + 150 * 90 * 3, Pixel(many, 0, 0)));
    }
}

TEST(Scope, LabelsBesideTheGraticuleWhenThereIsRoom)
{
    const std::vector<uint16_t> grey = Uniform(8, 8, 30000, 30000, 30000);
    for (EScopeKind kind : {eSK_WAVEFORM, eSK_HISTOGRAM})
        for (const auto& [size, labelled] : {std::pair{QSize(640, 400), true}, {QSize(60, 48), false}})
        {
            const SScope scope = Make(grey, 8, 8, kind, size);
            // Left of the plot only the labels differ from the background.
            int marks = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < scope.areas.front().left(); ++x)
                    marks += Pixel(scope, x, y)[0] != Pixel(scope, 0, 0)[0];
            EXPECT_EQ(marks > 0, labelled) << ScopeKindName(kind) << " " << size.width();
        }
}

TEST(Scope, KindNamesAndClampedSettings)
{
    EScopeKind back = eSK_HISTOGRAM;
    for (int kind = 0; kind < kScopeKindCount; ++kind)
        EXPECT_TRUE(ScopeKindFromName(ScopeKindName(EScopeKind(kind)), back) && back == EScopeKind(kind)) << kind;
    EXPECT_FALSE(ScopeKindFromName("waveforms", back));

    SScopeSettings settings;
    settings.size = QSize(5, 100000);
    settings.fGain = std::nanf("");
    SScope scope;
    MakeScope(nullptr, 0, 0, settings, 2, scope);
    EXPECT_EQ(scope.picture.GetSize(), QSize(kMinScopeSide, kMaxScopeSide));
    EXPECT_EQ(scope.settings.fGain, 1.0f);
}
