// The colour family's operators that read more than one pixel: stripes with their border give the
// whole picture's rows bit for bit, a preview-size run agrees with the full-size run, and each
// operator changes a small synthetic picture the way its name says.
#include "SmoothTestUtil.h"

#include "engine/kernels/colour/ColourPlanes.h"
#include "tests/support/SyntheticImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace
{
using SmoothTest::Striped;

/// A landscape: blue sky on top, green foliage in the middle, a grey ramp from black to white at
/// the bottom, with a little seeded noise.
std::vector<uint16_t> Landscape(int w, int h)
{
    std::vector<uint16_t> image(size_t(w) * h * 3);
    const std::vector<uint16_t> noise = TestImages::Noise(w, h, 5);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const size_t i = (size_t(y) * w + x) * 3;
            float c[3];
            if (y < h / 3)
                c[0] = 20000, c[1] = 35000, c[2] = 60000.0f - 300.0f * float(y);
            else if (y < 2 * h / 3)
                c[0] = 12000, c[1] = 40000, c[2] = 10000;
            else
                c[0] = c[1] = c[2] = 65535.0f * float(x) / float(w - 1);
            for (int k = 0; k < 3; ++k)
                image[i + k] = uint16_t(std::clamp(c[k] + float(noise[i + k] % 2001) - 1000.0f, 0.0f, 65535.0f));
        }
    return image;
}

std::vector<uint16_t> Graded(CEngineContext& engine, const char* kernel, std::vector<uint16_t> image, int w, int h,
                             float scale = 1.0f, const std::function<void(Params&)>& change = {})
{
    auto p = Defaults(engine, kernel, scale);
    if (change)
        change(*p);
    EXPECT_EQ(RunKernel(kernel, w, h, image.data(), image.data(), 6, 6, p.get(), -1, 0, 0, true, true), MP_SUCCESS);
    return image;
}

struct SStats
{
    double lum = 0, lumSpread = 0, saturation = 0;
};

SStats Stats(const std::vector<uint16_t>& img, size_t from = 0, size_t to = size_t(-1))
{
    SStats s;
    to = std::min(to, img.size() / 3);
    double sum2 = 0;
    for (size_t i = from; i < to; ++i)
    {
        const double r = img[3 * i], g = img[3 * i + 1], b = img[3 * i + 2];
        const double L = (r + g + b) / 3.0, mx = std::max({r, g, b}), mn = std::min({r, g, b});
        s.lum += L, sum2 += L * L, s.saturation += mx > 0 ? (mx - mn) / mx : 0;
    }
    const double n = double(to - from);
    s.lum /= n, s.saturation /= n;
    s.lumSpread = std::sqrt(std::max(0.0, sum2 / n - s.lum * s.lum));
    return s;
}

const char* const kBorderedKernels[] = {
    "MP_calcPixelLocalWhitebalance", "MP_calcPixelColorContrast", "MP_calcPixelPolfilter", "MP_calcPixelChromaticAberration",
    "MP_calcPixelAddReflector", "MP_calcPixelStyleLowKey", "MP_calcPixelStyleHighKey", "MP_calcPixelStyleCross",
    "MP_calcPixelStyleIndianSummer", "MP_calcPixelStyleInfrared", "MP_calcPixelStyleLithPrint", "MP_calcPixelStyleButtercream",
    "MP_calcPixelStyleHolga", "MP_calcPixelStyleOrton", "MP_calcPixelStyleLomo", "MP_calcPixelStyleDragan",
};
}  // namespace

TEST(ColourNeighbourhood, StripesWithTheirBorderGiveTheWholePictureRows)
{
    constexpr int W = 40, H = 96, kCore = 24;
    const std::vector<uint16_t> image = Landscape(W, H);
    for (const char* kernel : kBorderedKernels)
    {
        const SKernelEntry& e = *MP_FindKernel(kernel);
        CTestEngine engine;
        // A tenth of full size keeps the border of the 500-row styles inside this picture.
        auto whole = Defaults(engine, kernel, 0.1f);
        std::vector<uint16_t> expected = image;
        ASSERT_EQ(CallKernel(kernel, expected, W, H, *whole), MP_SUCCESS);
        const int border = MP_BorderRows(e.border, *whole);
        ASSERT_LT(border, H - kCore) << kernel;
        EXPECT_EQ(Striped(kernel, image, W, H, *whole, kCore), expected) << kernel;
    }
}

TEST(ColourNeighbourhood, PreviewSizeAgreesWithFullSize)
{
    // Halving the picture halves every radius (the reaches are chosen so the per-pass radius
    // halves exactly or within one pixel), so the preview differs from the downscaled full-size
    // result only where a non-linear look meets averaged edges: on this smooth picture the mean
    // difference stays below 1 % of white and the largest below 6 %.
    constexpr int W = 96, H = 72;
    const std::vector<uint16_t> full = Landscape(W, H);
    auto half = [](const std::vector<uint16_t>& img, int w, int h) {
        std::vector<uint16_t> out(size_t(w / 2) * (h / 2) * 3);
        for (int y = 0; y < h / 2; ++y)
            for (int x = 0; x < w / 2; ++x)
                for (int c = 0; c < 3; ++c)
                {
                    int sum = 0;
                    for (int dy = 0; dy < 2; ++dy)
                        for (int dx = 0; dx < 2; ++dx)
                            sum += img[(size_t(2 * y + dy) * w + 2 * x + dx) * 3 + c];
                    out[(size_t(y) * (w / 2) + x) * 3 + c] = uint16_t((sum + 2) / 4);
                }
        return out;
    };
    for (const char* kernel : {"MP_calcPixelLocalWhitebalance", "MP_calcPixelColorContrast", "MP_calcPixelStyleOrton",
                               "MP_calcPixelStyleHighKey"})
    {
        CTestEngine engine;
        const std::vector<uint16_t> reference = half(Graded(engine, kernel, full, W, H, 0.125f), W, H);
        const std::vector<uint16_t> preview = Graded(engine, kernel, half(full, W, H), W / 2, H / 2, 0.0625f);
        double sum = 0;
        int worst = 0;
        for (size_t i = 0; i < preview.size(); ++i)
        {
            const int d = std::abs(int(preview[i]) - int(reference[i]));
            sum += d, worst = std::max(worst, d);
        }
        EXPECT_LT(sum / double(preview.size()), 655.0) << kernel;
        EXPECT_LT(worst, 3932) << kernel;
    }
}

TEST(ColourNeighbourhood, LocalCorrectionsActWhereTheirCauseIs)
{
    CTestEngine engine;
    // Local white balance: a warm left half and a cool right half both move towards grey.
    constexpr int W = 64, H = 8;
    std::vector<uint16_t> casts(size_t(W) * H * 3);
    for (int i = 0; i < W * H; ++i)
    {
        const bool left = i % W < W / 2;
        casts[3 * i] = left ? 40000 : 26000, casts[3 * i + 1] = 32000, casts[3 * i + 2] = left ? 26000 : 40000;
    }
    const std::vector<uint16_t> balanced = Graded(engine, "MP_calcPixelLocalWhitebalance", casts, W, H, 1.0f,
                                                  [](Params& p) { p.p[0][0] = 0.02f, p.p[1][0] = 1.0f; });
    EXPECT_LT(std::abs(balanced[0] - balanced[2]), 14000 / 3);
    EXPECT_LT(std::abs(balanced[3 * (W - 1)] - balanced[3 * (W - 1) + 2]), 14000 / 3);

    // Colour contrast: two slightly different colours side by side move apart; grey stays grey.
    std::vector<uint16_t> pair(size_t(W) * 3);
    for (int x = 0; x < W; ++x)
        pair[3 * x] = x < W / 2 ? 32000 : 30000, pair[3 * x + 1] = 31000, pair[3 * x + 2] = x < W / 2 ? 30000 : 32000;
    const std::vector<uint16_t> apart = Graded(engine, "MP_calcPixelColorContrast", pair, W, 1, 1.0f,
                                               [](Params& p) { p.p[0][0] = 0.05f, p.p[1][0] = 1.0f; });
    const int before = (pair[3 * 30] - pair[3 * 30 + 2]) - (pair[3 * 33] - pair[3 * 33 + 2]);
    const int after = (apart[3 * 30] - apart[3 * 30 + 2]) - (apart[3 * 33] - apart[3 * 33 + 2]);
    EXPECT_GT(after, before + before / 2);
    const std::vector<uint16_t> grey(size_t(W) * 3, 31000);
    for (uint16_t v : Graded(engine, "MP_calcPixelColorContrast", grey, W, 1))
        EXPECT_NEAR(v, 31000, 1);

    // Fringe removal: a purple pixel at a hard edge loses its colour, the same purple on a flat
    // purple area keeps it.
    std::vector<uint16_t> edge(size_t(W) * 3, 0);
    for (int x = W / 2; x < W; ++x)
        edge[3 * x] = edge[3 * x + 1] = edge[3 * x + 2] = 60000;
    const uint16_t purple[3] = {30000, 12000, 42000};
    std::copy(purple, purple + 3, edge.begin() + 3 * (W / 2 - 1));
    std::vector<uint16_t> flat(size_t(W) * 3);
    for (int x = 0; x < W; ++x)
        std::copy(purple, purple + 3, flat.begin() + 3 * x);
    const std::vector<uint16_t> cleaned = Graded(engine, "MP_calcPixelChromaticAberration", edge, W, 1);
    const std::vector<uint16_t> kept = Graded(engine, "MP_calcPixelChromaticAberration", flat, W, 1);
    const int i = 3 * (W / 2 - 1);
    EXPECT_LT(cleaned[i + 2] - cleaned[i + 1], (purple[2] - purple[1]) / 2);
    EXPECT_NEAR(kept[i + 2] - kept[i + 1], purple[2] - purple[1], 2);

    // Red zoom: a red line 300 pixels right of the centre moves 300 × 0.5 % outwards; green stays.
    constexpr int L = 801;
    std::vector<uint16_t> line(size_t(L) * 3, 0);
    line[3 * 700] = line[3 * 700 + 1] = 60000;
    const std::vector<uint16_t> zoomed = Graded(engine, "MP_calcPixelChromaticZoom", line, L, 1, 1.0f,
                                                [](Params& p) { p.p[0][0] = 1.0f; });
    double mass = 0, moment = 0;
    for (int x = 0; x < L; ++x)
        mass += zoomed[3 * x], moment += double(x) * zoomed[3 * x];
    EXPECT_NEAR(moment / mass, 701.5, 0.05);
    EXPECT_NEAR(zoomed[3 * 700 + 1], 60000, 1);
}

TEST(ColourNeighbourhood, LightFiltersAndReflector)
{
    CTestEngine engine;
    constexpr int W = 16, H = 16;
    const std::vector<uint16_t> image = Landscape(W, H);
    // The graduated filter acts at the top of its line and not past its end.
    const std::vector<uint16_t> tilted = Graded(engine, "MP_calcPixelTiltColor", image, W, H);
    EXPECT_LT(tilted[2], image[2] * 3 / 4);
    const size_t bottom = (size_t(H - 1) * W + 3) * 3;
    EXPECT_NEAR(tilted[bottom + 2], image[bottom + 2], 1);
    // The polariser darkens the sky and deepens the foliage's colour.
    const std::vector<uint16_t> polarised = Graded(engine, "MP_calcPixelPolfilter", image, W, H);
    EXPECT_LT(Stats(polarised, 0, W * H / 3).lum, 0.9 * Stats(image, 0, W * H / 3).lum);
    EXPECT_GT(Stats(polarised, W * H / 3 + W, 2 * W * H / 3).saturation, Stats(image, W * H / 3 + W, 2 * W * H / 3).saturation);
    // The gold reflector lifts dark tones more than bright ones, red more than blue.
    const std::vector<uint16_t> ramp = {4000, 4000, 4000, 50000, 50000, 50000};
    const std::vector<uint16_t> filled = Graded(engine, "MP_calcPixelAddReflector", ramp, 2, 1, 0.1f);
    EXPECT_GT(filled[0] - 4000, 4 * (filled[3] - 50000));
    EXPECT_GT(filled[0], filled[2] + 500);
}

TEST(ColourNeighbourhood, StylesMakeTheirLook)
{
    constexpr int W = 48, H = 36;
    const std::vector<uint16_t> image = Landscape(W, H);
    const SStats in = Stats(image);
    const size_t sky = size_t(W) * 2 + W / 2, foliage = size_t(W) * (H / 2) + W / 2, black = size_t(W) * (H - 2) + 1,
                 centre = size_t(W) * (H / 2) + W / 2, corner = 0;
    auto px = [](const std::vector<uint16_t>& img, size_t i) {
        return std::array<double, 3>{double(img[3 * i]), double(img[3 * i + 1]), double(img[3 * i + 2])};
    };
    struct SCase
    {
        const char* kernel;
        std::function<bool(const std::vector<uint16_t>&)> look;
    };
    const SCase cases[] = {
        {"MP_calcPixelStyleLowKey", [&](auto& out) { return Stats(out).lum < 0.85 * in.lum; }},
        {"MP_calcPixelStyleHighKey", [&](auto& out) { return Stats(out).lum > 1.15 * in.lum; }},
        {"MP_calcPixelStyleCross", [&](auto& out) { return px(out, black)[2] > px(out, black)[0] + 3000; }},
        {"MP_calcPixelStyleIndianSummer",
         [&](auto& out) { return px(out, foliage)[0] * px(image, foliage)[1] > 2 * px(image, foliage)[0] * px(out, foliage)[1]; }},
        {"MP_calcPixelStyleInfrared",
         [&](auto& out) {
             const auto f = px(out, foliage), s = px(out, sky);
             return std::fabs(f[0] - f[2]) < 2000 && f[1] > s[1] + 10000;
         }},
        {"MP_calcPixelStyleLithPrint",
         [&](auto& out) {
             const auto m = px(out, size_t(W) * (H - 2) + W / 2);
             return m[0] >= m[1] && m[1] > m[2] && Stats(out).saturation < 0.5 * in.saturation;
         }},
        {"MP_calcPixelStyleButtercream", [&](auto& out) { return Stats(out).lumSpread < 0.9 * in.lumSpread; }},
        {"MP_calcPixelStyleHolga",
         [&](auto& out) { return px(out, corner)[2] * px(image, centre)[1] < px(image, corner)[2] * px(out, centre)[1]; }},
        {"MP_calcPixelStyleOrton", [&](auto& out) { return Stats(out).saturation > 1.05 * in.saturation && Stats(out).lumSpread < in.lumSpread; }},
        {"MP_calcPixelStyleLomo",
         [&](auto& out) { return px(out, corner)[2] < px(image, corner)[2] * 3 / 4 && Stats(out, centre, centre + 1).saturation > Stats(image, centre, centre + 1).saturation; }},
        {"MP_calcPixelStyleDragan",
         [&](auto& out) { return Stats(out).lumSpread > 1.3 * in.lumSpread && Stats(out).saturation < 0.85 * in.saturation; }},
    };
    for (const SCase& c : cases)
    {
        CTestEngine engine;
        EXPECT_TRUE(c.look(Graded(engine, c.kernel, image, W, H))) << c.kernel;
        EXPECT_FALSE(MP_HasEffect(c.kernel, *[&] {
            auto p = Defaults(engine, c.kernel, 1.0f);
            p->p[0][0] = 0.0f;
            return p;
        }())) << c.kernel;
    }
}

TEST(ColourNeighbourhood, SoftBlurKeepsFlatAreasAndSpreadsAStepEvenly)
{
    // Full resolution (reach 12) and the 4 × 4 block grid (reach 60): a flat area stays exactly
    // flat, a step rises monotonically, symmetrically about the edge, and not beyond the reach.
    constexpr int W = 300, H = 24, kEdge = 152;
    CTestEngine engine;
    auto p = FreshParams(engine);
    for (const int reach : {12, 60})
    {
        ColourFamily::SPlane flat(size_t(W) * H, 30000), step(size_t(W) * H);
        for (size_t i = 0; i < step.size(); ++i)
            step[i] = i % W < kEdge ? 0 : 65535;
        ColourFamily::SoftBlur(*p, flat, W, H, reach);
        ColourFamily::SoftBlur(*p, step, W, H, reach);
        EXPECT_TRUE(std::all_of(flat.begin(), flat.end(), [](uint16_t v) { return v == 30000; })) << reach;
        const uint16_t* row = &step[size_t(H / 2) * W];
        EXPECT_EQ(row[kEdge - reach - 1], 0) << reach;
        EXPECT_EQ(row[kEdge + reach], 65535) << reach;
        for (int x = 1; x < W; ++x)
            ASSERT_GE(row[x], row[x - 1]) << reach << " at " << x;
        for (int d = 0; d < reach; ++d)
            EXPECT_NEAR(row[kEdge - 1 - d] + row[kEdge + d], 65535, 2) << reach << " at " << d;
        EXPECT_GT(row[kEdge - 2], 1000) << reach; // the step did spread
    }
}
