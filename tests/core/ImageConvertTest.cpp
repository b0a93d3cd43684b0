// The format conversions bit for bit, mirroring, cropping, and the small image helpers.
#include "core/EngineState.h"
#include "core/ImageConvert.h"
#include "core/ImageConvertRows.h"
#include "tests/support/SyntheticImages.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ImageConvert, EightToSixteenBitAndBackAndDisplayWords)
{
    const std::vector<uint8_t> src = {0, 1, 128, 254, 255, 7};
    std::vector<uint16_t> wide(6);
    ASSERT_EQ(MP_MT_RGB24ToRGB48(2, 1, wide.data(), src.data(), false, false), MP_SUCCESS);
    EXPECT_EQ(wide, (std::vector<uint16_t>{0, 257, 32896, 65278, 65535, 1799}));
    std::vector<uint8_t> back(6);
    ASSERT_EQ(MP_MT_RGB48ToRGB24(2, 1, 2, 1, wide.data(), back.data()), MP_SUCCESS);
    EXPECT_EQ(back, src);

    // Both narrowings truncate.
    const std::vector<uint16_t> truncating = {0x80FF, 0x00FF, 0xFFFF, 0xFFFF, 0x80FF, 0x0001};
    std::vector<uint8_t> narrow(3);
    MP_MT_RGB48ToRGB24(1, 1, 1, 1, truncating.data(), narrow.data());
    EXPECT_EQ(narrow, (std::vector<uint8_t>{0x80, 0x00, 0xFF}));
    std::vector<uint32_t> words(2);
    MP_MT_RGB48ToARGB32(2, 1, truncating.data(), words.data());
    EXPECT_EQ(words, (std::vector<uint32_t>{0xFF8000FFu, 0xFFFF8000u}));

    // Null pointers and empty sizes do nothing.
    const uint8_t one[3] = {1, 2, 3};
    EXPECT_EQ(MP_MT_RGB24ToRGB48(1, 1, nullptr, one, false, false), MP_ZEROPOINTER);
    EXPECT_EQ(MP_MT_RGB24ToRGB48(0, 1, wide.data(), one, false, false), MP_NORESOLUTION);
    EXPECT_EQ(MP_MT_RGB48ToARGB32(1, 0, wide.data(), nullptr), MP_ZEROPOINTER);
    EXPECT_EQ(wide[0], 0);
}

TEST(ImageConvert, MirroringMovesPixelsNotChannels)
{
    // 2 × 2 image, each pixel a distinct (r, g, b).
    const std::vector<uint8_t> src = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    struct SCase
    {
        bool x, y;
        std::vector<uint8_t> expectedOrder; // source pixel index at target positions 0..3
    } cases[] = {{false, false, {0, 1, 2, 3}}, {true, false, {1, 0, 3, 2}}, {false, true, {2, 3, 0, 1}}, {true, true, {3, 2, 1, 0}}};
    for (const SCase& c : cases)
    {
        std::vector<uint16_t> out(12), expected;
        MP_MT_RGB24ToRGB48(2, 2, out.data(), src.data(), c.x, c.y);
        for (int p : c.expectedOrder)
            for (int ch = 0; ch < 3; ++ch)
                expected.push_back(uint16_t(src[size_t(p * 3 + ch)] * 257));
        EXPECT_EQ(out, expected) << "mirror x=" << c.x << " y=" << c.y;
    }
}

TEST(ImageConvert, CropTakesTheTopLeftRegion)
{
    // Working image 3 × 3, output 2 × 2: the last column and row are dropped.
    std::vector<uint16_t> src(27);
    for (int i = 0; i < 27; ++i)
        src[i] = uint16_t(i << 8);
    std::vector<uint8_t> out(12);
    ASSERT_EQ(MP_MT_RGB48ToRGB24(2, 2, 3, 3, src.data(), out.data()), MP_SUCCESS);
    EXPECT_EQ(out, (std::vector<uint8_t>{0, 1, 2, 3, 4, 5, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(MP_MT_RGB48ToRGB24(4, 2, 3, 3, src.data(), out.data()), MP_NORESOLUTION);
}

TEST(ImageConvert, BandedConversionEqualsOneBand)
{
    // A frame big enough for many bands, converted with 1 and with 64 workers.
    const int w = 333, h = 211;
    std::vector<uint8_t> src(size_t(w) * h * 3);
    for (size_t i = 0; i < src.size(); ++i)
        src[i] = uint8_t(i * 31 + i / 7);
    std::vector<uint16_t> one(src.size()), many(src.size());
    const int saved = MP_UI_GetThreadCount();
    MP_UI_SetThreadCount(1);
    MP_MT_RGB24ToRGB48(w, h, one.data(), src.data(), true, true);
    MP_UI_SetThreadCount(64);
    MP_MT_RGB24ToRGB48(w, h, many.data(), src.data(), true, true);
    MP_UI_SetThreadCount(saved);
    EXPECT_EQ(one, many);
}

// The vector row function must give the scalar reference's words for every width remainder.
TEST(ImageConvert, VectorDisplayRowEqualsScalar)
{
    if (!__builtin_cpu_supports("ssse3"))
        GTEST_SKIP() << "no SSSE3 on this processor";
    const std::vector<uint16_t> src = TestImages::Noise(67, 1, 99);
    for (int width : {1, 7, 8, 9, 16, 17, 67})
    {
        std::vector<uint32_t> scalar(static_cast<size_t>(width)), simd(static_cast<size_t>(width));
        MP_RGB48ToARGB32RowScalar(src.data(), scalar.data(), width);
        MP_RGB48ToARGB32RowSSSE3(src.data(), simd.data(), width);
        EXPECT_EQ(scalar, simd) << "width " << width;
    }
}

TEST(ImageHelpers, CopyGreyAndAspect)
{
    const uint32_t px[2] = {0x80FF7F01u, 0x00102030u};
    std::vector<uint16_t> wide(6);
    Helper::CopyRGB32ToRGB48(QSize(2, 1), wide.data(), px);
    EXPECT_EQ(wide, (std::vector<uint16_t>{0xFFFF, 0x7F7F, 0x0101, 0x1010, 0x2020, 0x3030}));

    uint32_t grey[1] = {0x7F102030u};
    ASSERT_TRUE(Helper::MakeGrey(grey, QSize(1, 1)));
    EXPECT_EQ(grey[0], 0x7F1D1D1Du); // (11 × 0x10 + 16 × 0x20 + 5 × 0x30) >> 5 = 0x1D
    EXPECT_FALSE(Helper::MakeGrey(nullptr, QSize(1, 1)));

    using Helper::FitAspect;
    EXPECT_EQ(FitAspect(QSize(1920, 1080), QSize(4, 3), 0), QSize(1440, 1080)); // wider source: width shrinks
    EXPECT_EQ(FitAspect(QSize(1000, 1000), QSize(16, 9), 0), QSize(1000, 563)); // higher source: height shrinks
    EXPECT_EQ(FitAspect(QSize(1600, 900), QSize(16, 9), 0), QSize(1600, 900));
    EXPECT_EQ(FitAspect(QSize(1000, 500), QSize(4, 3), 1), QSize(1000, 750));
    EXPECT_EQ(FitAspect(QSize(1000, 500), QSize(4, 3), 2), QSize(667, 500));
    EXPECT_EQ(FitAspect(QSize(0, 500), QSize(4, 3), 1), QSize(0, 500));
    EXPECT_EQ(FitAspect(QSize(10, 5), QSize(4, -3), 1), QSize(10, 5));
}
