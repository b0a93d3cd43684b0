// The colour family's operators that read more than one pixel: stripes with their border give the
// whole picture's rows bit for bit, a preview-size run agrees with the full-size run, and each
// operator changes a small synthetic picture the way its name says.
#include "FamilyTestUtil.h"

#include "engine/kernels/colour/ColourPlanes.h"
#include "tests/support/SyntheticImages.h"

#include <functional>

using namespace FamilyTest;

namespace
{
/// A landscape: blue sky on top, green foliage in the middle, a grey ramp from black to white at
/// the bottom, with a little seeded noise.
Image Landscape(int w, int h)
{
    const Image noise = TestImages::Noise(w, h, 5);
    return Picture(w, h, [&](int x, int y, int k) {
        const float sky[3] = {20000, 35000, 60000.0f - 300.0f * float(y)}, foliage[3] = {12000, 40000, 10000};
        const float c = y < h / 3 ? sky[k] : y < 2 * h / 3 ? foliage[k] : 65535.0f * float(x) / float(w - 1);
        return std::clamp(c + float(At(noise, w, x, y, k) % 2001) - 1000.0f, 0.0f, 65535.0f);
    });
}

Image Graded(CEngineContext& engine, const char* kernel, const Image& image, int w, int h, float scale = 1.0f,
             const std::vector<std::pair<int, float>>& values = {})
{
    return Dispatched(kernel, *Settings(engine, kernel, values, scale), image, w, h);
}

struct SLook
{
    double lum = 0, lumSpread = 0, saturation = 0;
};

SLook Look(const Image& img, size_t from = 0, size_t to = size_t(-1))
{
    SLook s;
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
    const Image image = Landscape(W, H);
    for (const char* kernel : kBorderedKernels)
    {
        CTestEngine engine;
        // A tenth of full size keeps the border of the 500-row styles inside this picture.
        auto p = Defaults(engine, kernel, 0.1f);
        EXPECT_EQ(Striped(kernel, image, W, H, *p, kCore), Whole(kernel, image, W, H, *p)) << kernel;
    }
}

TEST(ColourNeighbourhood, PreviewSizeAgreesWithFullSize)
{
    // Halving the picture halves every radius (the reaches are chosen so the per-pass radius
    // halves exactly or within one pixel), so the preview differs from the downscaled full-size
    // result only where a non-linear look meets averaged edges: on this smooth picture the mean
    // difference stays below 1 % of white and the largest below 6 %.
    constexpr int W = 96, H = 72;
    const Image full = Landscape(W, H);
    for (const char* kernel : {"MP_calcPixelLocalWhitebalance", "MP_calcPixelColorContrast", "MP_calcPixelStyleOrton",
                               "MP_calcPixelStyleHighKey"})
    {
        CTestEngine engine;
        const Image reference = Half(Graded(engine, kernel, full, W, H, 0.125f), W, H);
        const Image preview = Graded(engine, kernel, Half(full, W, H), W / 2, H / 2, 0.0625f);
        EXPECT_LT(MeanAbsDifference(preview, reference), 655.0) << kernel;
        EXPECT_LT(TestImages::CompareImages(preview.data(), reference.data(), W / 2, H / 2, 0).iMaxAbs, 3932) << kernel;
    }
}

TEST(ColourNeighbourhood, LocalCorrectionsActWhereTheirCauseIs)
{
    CTestEngine engine;
    // Local white balance: a warm left half and a cool right half both move towards grey.
    constexpr int W = 64, H = 8;
    const Image casts = Picture(W, H, [](int x, int, int c) {
        const int warm[3] = {40000, 32000, 26000};
        return warm[x < W / 2 ? c : 2 - c];
    });
    const Image balanced = Graded(engine, "MP_calcPixelLocalWhitebalance", casts, W, H, 1.0f, {{0, 0.02f}, {1, 1.0f}});
    EXPECT_LT(std::abs(balanced[0] - balanced[2]), 14000 / 3);
    EXPECT_LT(std::abs(balanced[3 * (W - 1)] - balanced[3 * (W - 1) + 2]), 14000 / 3);

    // Colour contrast: two slightly different colours side by side move apart; grey stays grey.
    const Image pair = Picture(W, 1, [](int x, int, int c) { return x < W / 2 ? 32000 - 1000 * c : 30000 + 1000 * c; });
    const Image apart = Graded(engine, "MP_calcPixelColorContrast", pair, W, 1, 1.0f, {{0, 0.05f}, {1, 1.0f}});
    const int before = (pair[3 * 30] - pair[3 * 30 + 2]) - (pair[3 * 33] - pair[3 * 33 + 2]);
    const int after = (apart[3 * 30] - apart[3 * 30 + 2]) - (apart[3 * 33] - apart[3 * 33 + 2]);
    EXPECT_GT(after, before + before / 2);
    for (uint16_t v : Graded(engine, "MP_calcPixelColorContrast", Image(size_t(W) * 3, 31000), W, 1))
        EXPECT_NEAR(v, 31000, 1);

    // Fringe removal: a purple pixel at a hard edge loses its colour, the same purple on a flat
    // purple area keeps it.
    const int purple[3] = {30000, 12000, 42000}, i = 3 * (W / 2 - 1);
    const Image edge = Picture(W, 1, [&](int x, int, int c) { return x == W / 2 - 1 ? purple[c] : x >= W / 2 ? 60000 : 0; });
    const Image cleaned = Graded(engine, "MP_calcPixelChromaticAberration", edge, W, 1);
    const Image kept = Graded(engine, "MP_calcPixelChromaticAberration", Uniform(W, 1, 30000, 12000, 42000), W, 1);
    EXPECT_LT(cleaned[i + 2] - cleaned[i + 1], (purple[2] - purple[1]) / 2);
    EXPECT_NEAR(kept[i + 2] - kept[i + 1], purple[2] - purple[1], 2);

    // Red zoom: a red line 300 pixels right of the centre moves 300 × 0.5 % outwards; green stays.
    constexpr int L = 801;
    const Image line = Picture(L, 1, [](int x, int, int c) { return x == 700 && c < 2 ? 60000 : 0; });
    const Image zoomed = Graded(engine, "MP_calcPixelChromaticZoom", line, L, 1, 1.0f, {{0, 1.0f}});
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
    const Image image = Landscape(W, H);
    // The graduated filter acts at the top of its line and not past its end.
    const Image tilted = Graded(engine, "MP_calcPixelTiltColor", image, W, H);
    EXPECT_LT(tilted[2], image[2] * 3 / 4);
    const size_t bottom = (size_t(H - 1) * W + 3) * 3;
    EXPECT_NEAR(tilted[bottom + 2], image[bottom + 2], 1);
    // The polariser darkens the sky and deepens the foliage's colour.
    const Image polarised = Graded(engine, "MP_calcPixelPolfilter", image, W, H);
    EXPECT_LT(Look(polarised, 0, W * H / 3).lum, 0.9 * Look(image, 0, W * H / 3).lum);
    EXPECT_GT(Look(polarised, W * H / 3 + W, 2 * W * H / 3).saturation, Look(image, W * H / 3 + W, 2 * W * H / 3).saturation);
    // The gold reflector lifts dark tones more than bright ones, red more than blue.
    const Image ramp = {4000, 4000, 4000, 50000, 50000, 50000};
    const Image filled = Graded(engine, "MP_calcPixelAddReflector", ramp, 2, 1, 0.1f);
    EXPECT_GT(filled[0] - 4000, 4 * (filled[3] - 50000));
    EXPECT_GT(filled[0], filled[2] + 500);
}

TEST(ColourNeighbourhood, StylesMakeTheirLook)
{
    constexpr int W = 48, H = 36;
    const Image image = Landscape(W, H);
    const SLook in = Look(image);
    const size_t sky = size_t(W) * 2 + W / 2, foliage = size_t(W) * (H / 2) + W / 2, black = size_t(W) * (H - 2) + 1,
                 centre = size_t(W) * (H / 2) + W / 2, corner = 0, grey = size_t(W) * (H - 2) + W / 2;
    auto px = [](const Image& img, size_t i) {
        return std::array<double, 3>{double(img[3 * i]), double(img[3 * i + 1]), double(img[3 * i + 2])};
    };
    const std::pair<const char*, std::function<bool(const Image&)>> cases[] = {
        {"MP_calcPixelStyleLowKey", [&](auto& out) { return Look(out).lum < 0.85 * in.lum; }},
        {"MP_calcPixelStyleHighKey", [&](auto& out) { return Look(out).lum > 1.15 * in.lum; }},
        {"MP_calcPixelStyleCross", [&](auto& out) { return px(out, black)[2] > px(out, black)[0] + 3000; }},
        {"MP_calcPixelStyleIndianSummer",
         [&](auto& out) { return px(out, foliage)[0] * px(image, foliage)[1] > 2 * px(image, foliage)[0] * px(out, foliage)[1]; }},
        {"MP_calcPixelStyleInfrared",
         [&](auto& out) {
             return std::fabs(px(out, foliage)[0] - px(out, foliage)[2]) < 2000 && px(out, foliage)[1] > px(out, sky)[1] + 10000;
         }},
        {"MP_calcPixelStyleLithPrint",
         [&](auto& out) {
             const auto m = px(out, grey);
             return m[0] >= m[1] && m[1] > m[2] && Look(out).saturation < 0.5 * in.saturation;
         }},
        {"MP_calcPixelStyleButtercream", [&](auto& out) { return Look(out).lumSpread < 0.9 * in.lumSpread; }},
        {"MP_calcPixelStyleHolga",
         [&](auto& out) { return px(out, corner)[2] * px(image, centre)[1] < px(image, corner)[2] * px(out, centre)[1]; }},
        {"MP_calcPixelStyleOrton", [&](auto& out) { return Look(out).saturation > 1.05 * in.saturation && Look(out).lumSpread < in.lumSpread; }},
        {"MP_calcPixelStyleLomo",
         [&](auto& out) {
             return px(out, corner)[2] < px(image, corner)[2] * 3 / 4 &&
                    Look(out, centre, centre + 1).saturation > Look(image, centre, centre + 1).saturation;
         }},
        {"MP_calcPixelStyleDragan",
         [&](auto& out) { return Look(out).lumSpread > 1.3 * in.lumSpread && Look(out).saturation < 0.85 * in.saturation; }},
    };
    for (const auto& [kernel, look] : cases)
    {
        CTestEngine engine;
        EXPECT_TRUE(look(Graded(engine, kernel, image, W, H))) << kernel;
        EXPECT_FALSE(MP_HasEffect(kernel, *Settings(engine, kernel, {{0, 0.0f}}))) << kernel;
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
