// Growth rule, clear policies, log lines and size checks of the image buffers.
#include "core/ImageBuffer.h"
#include "tests/support/LogCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace Helper;

TEST(ImageBuffer, GrowsButNeverShrinksAndLogsEveryBlock)
{
    CLogCapture log;
    CRGB48Buffer buffer;
    buffer.Destroy(); // never created: no line
    EXPECT_TRUE(buffer.Create(QSize(100, 100), eCP_ON_CREATE));
    buffer.GetData()[5] = 1234;
    EXPECT_FALSE(buffer.Create(QSize(50, 50), eCP_NO_CLEAR));
    EXPECT_EQ(buffer.GetElementCount(), 30000u);
    EXPECT_EQ(buffer.GetSize(), QSize(50, 50));
    EXPECT_EQ(buffer.GetClearPolicy(), eCP_ON_CREATE); // kept block keeps its policy and contents
    EXPECT_EQ(buffer.GetData()[5], 1234);
    EXPECT_TRUE(buffer.Create(QSize(200, 100), eCP_NO_CLEAR));
    buffer.Destroy();
    EXPECT_EQ(log.Text(), "CGrowingBuffer::tCreate() -> Size: 60000 - Clear policy: eCP_ON_CREATE\n"
                          "CGrowingBuffer::Destroy() -> Size: 60000\n"
                          "CGrowingBuffer::tCreate() -> Size: 120000 - Clear policy: eCP_NO_CLEAR\n"
                          "CGrowingBuffer::Destroy() -> Size: 120000\n");
    EXPECT_TRUE(buffer.GetSize() == QSize(0, 0) && !buffer.GetData() && !buffer.IsValid());
    EXPECT_EQ(buffer.GetClearPolicy(), eCP_ON_CREATE);
    EXPECT_STREQ(ClearPolicyName(EClearPolicy(9)), "eCP_ON_FIRST_USE"); // any other value
}

TEST(ImageBuffer, InvalidSizeThrowsAndChangesNothing)
{
    CRGB24Buffer buffer;
    buffer.Create(QSize(4, 4), eCP_ON_CREATE);
    const unsigned char* block = buffer.GetData();
    for (QSize bad : {QSize(0, 10), QSize(10, 0), QSize(-1, 5)})
    {
        EXPECT_THROW(buffer.Create(bad, eCP_ON_CREATE), CExceptionInvalidParameter);
        EXPECT_FALSE(buffer.TryCreate(bad, eCP_ON_CREATE)); // the same refusal as a status
        EXPECT_TRUE(buffer.GetSize() == QSize(4, 4) && buffer.GetData() == block);
    }
    EXPECT_STREQ(CExceptionInvalidParameter().what(), "Invalid parameter detected");
    EXPECT_TRUE(buffer.TryCreate(QSize(2, 2), eCP_ON_CREATE));
    EXPECT_EQ(buffer.GetSize(), QSize(2, 2));
}

TEST(ImageBuffer, FirstUseClearHappensOnceAndClearZeroFillsNow)
{
    CLogCapture log;
    CGrey16Buffer mask;
    mask.Clear(); // nothing to clear
    mask.Create(QSize(8, 2), eCP_ON_FIRST_USE);
    EXPECT_FALSE(mask.IsCleared());
    log.Clear();
    unsigned short* data = mask.GetData();
    EXPECT_TRUE(mask.IsCleared());
    EXPECT_EQ(std::count(data, data + 16, 0), 16);
    data[0] = 7;
    EXPECT_EQ(mask.GetData()[0], 7);
    EXPECT_EQ(log.Text(), "CGrowingBuffer::HandleClearPolicy() -> Not cleard yet -> Clearing...\n");

    CRGB24Buffer buffer;
    buffer.Create(QSize(2, 2), eCP_NO_CLEAR);
    EXPECT_FALSE(buffer.IsCleared());
    std::fill_n(buffer.GetData(), 12, 0xAB);
    buffer.Clear();
    EXPECT_TRUE(buffer.IsCleared());
    EXPECT_EQ(buffer.GetData()[11], 0);
}

TEST(ImageBuffer, CheckerboardSquaresAndGreys)
{
    CRGB48Buffer buffer;
    EXPECT_FALSE(buffer.SetCheckerboard());
    buffer.Create(QSize(48, 24), eCP_NO_CLEAR);
    ASSERT_TRUE(buffer.SetCheckerboard());
    auto at = [&](int x, int y) { return buffer.GetData()[(size_t(y) * 48 + x) * 3]; };
    // 16-pixel squares: dark top-left, light to its right and below.
    EXPECT_EQ((std::vector<int>{at(15, 15), at(16, 0), at(0, 16), at(16, 16)}),
              (std::vector<int>{0x5858, 0xA8A8, 0xA8A8, 0x5858}));
}

TEST(ImageBuffer, MoveTransfersTheBlock)
{
    CRGB48Buffer a;
    a.Create(QSize(4, 3), eCP_ON_CREATE);
    unsigned short* block = a.GetData();
    CRGB48Buffer b(std::move(a));
    EXPECT_TRUE(b.GetData() == block && b.GetSize() == QSize(4, 3));
    EXPECT_TRUE(a.GetData() == nullptr && a.GetSize() == QSize(0, 0));
}
