// Growth rule, clear policies, log lines and size checks of the image buffers.
#include "core/ImageBuffer.h"
#include "tests/support/LogCapture.h"

#include <gtest/gtest.h>

using namespace Helper;

TEST(ImageBuffer, GrowsButNeverShrinks)
{
    CLogCapture log;
    CRGB48Buffer buffer;
    EXPECT_TRUE(buffer.Create(QSize(100, 100), eCP_ON_CREATE));
    EXPECT_EQ(buffer.GetElementCount(), 30000u);
    EXPECT_EQ(log.Text(), "CGrowingBuffer::tCreate() -> Size: 60000 - Clear policy: eCP_ON_CREATE\n");
    buffer.GetData()[5] = 1234;

    log.Clear();
    EXPECT_FALSE(buffer.Create(QSize(50, 50), eCP_NO_CLEAR));
    EXPECT_EQ(buffer.GetElementCount(), 30000u);
    EXPECT_EQ(buffer.GetSize(), QSize(50, 50));
    EXPECT_EQ(buffer.GetClearPolicy(), eCP_ON_CREATE); // kept block keeps its policy and contents
    EXPECT_EQ(buffer.GetData()[5], 1234);
    EXPECT_EQ(log.Text(), "");

    EXPECT_TRUE(buffer.Create(QSize(200, 100), eCP_NO_CLEAR));
    EXPECT_EQ(log.Text(), "CGrowingBuffer::Destroy() -> Size: 60000\n"
                          "CGrowingBuffer::tCreate() -> Size: 120000 - Clear policy: eCP_NO_CLEAR\n");
}

TEST(ImageBuffer, InvalidSizeThrowsAndChangesNothing)
{
    CRGB24Buffer buffer;
    buffer.Create(QSize(4, 4), eCP_ON_CREATE);
    const unsigned char* block = buffer.GetData();
    for (QSize bad : {QSize(0, 10), QSize(10, 0), QSize(-1, 5)})
    {
        EXPECT_THROW(buffer.Create(bad, eCP_ON_CREATE), CExceptionInvalidParameter);
        EXPECT_EQ(buffer.GetSize(), QSize(4, 4));
        EXPECT_EQ(buffer.GetData(), block);
    }
    EXPECT_STREQ(CExceptionInvalidParameter().what(), "Invalid parameter detected");
    // TryCreate answers the same refusal with false, and a size that fits with true.
    EXPECT_FALSE(buffer.TryCreate(QSize(0, 3), eCP_ON_CREATE));
    EXPECT_EQ(buffer.GetSize(), QSize(4, 4));
    EXPECT_TRUE(buffer.TryCreate(QSize(2, 2), eCP_ON_CREATE));
    EXPECT_EQ(buffer.GetSize(), QSize(2, 2));
}

TEST(ImageBuffer, FirstUseClearHappensOnceOnFirstAccess)
{
    CLogCapture log;
    CGrey16Buffer mask;
    mask.Create(QSize(8, 2), eCP_ON_FIRST_USE);
    EXPECT_FALSE(mask.IsCleared());
    log.Clear();
    unsigned short* data = mask.GetData();
    EXPECT_TRUE(mask.IsCleared());
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(data[i], 0);
    EXPECT_EQ(log.Text(), "CGrowingBuffer::HandleClearPolicy() -> Not cleard yet -> Clearing...\n");
    log.Clear();
    data[0] = 7;
    mask.GetData();
    EXPECT_EQ(log.Text(), "");
    EXPECT_EQ(mask.GetData()[0], 7);
}

TEST(ImageBuffer, DestroyLogsOnlyWhenThereIsABlockAndResetsTheSize)
{
    CLogCapture log;
    {
        CARGB32Buffer never;
        never.Destroy();
    }
    EXPECT_EQ(log.Text(), "");

    CARGB32Buffer buffer;
    buffer.Create(QSize(3, 2), eCP_NO_CLEAR);
    log.Clear();
    buffer.Destroy();
    EXPECT_EQ(log.Text(), "CGrowingBuffer::Destroy() -> Size: 24\n");
    EXPECT_EQ(buffer.GetSize(), QSize(0, 0));
    EXPECT_EQ(buffer.GetData(), nullptr);
    EXPECT_EQ(buffer.GetClearPolicy(), eCP_ON_CREATE);
    EXPECT_FALSE(buffer.IsValid());
}

TEST(ImageBuffer, PolicyNamesAndClear)
{
    EXPECT_STREQ(ClearPolicyName(EClearPolicy(9)), "eCP_ON_FIRST_USE"); // any other value

    CRGB24Buffer buffer;
    buffer.Clear(); // nothing to clear, no crash
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
    EXPECT_EQ(at(15, 15), 0x5858);
    EXPECT_EQ(at(16, 0), 0xA8A8);
    EXPECT_EQ(at(0, 16), 0xA8A8);
    EXPECT_EQ(at(16, 16), 0x5858);
}

TEST(ImageBuffer, MoveTransfersTheBlock)
{
    CRGB48Buffer a;
    a.Create(QSize(4, 3), eCP_ON_CREATE);
    unsigned short* block = a.GetData();
    CRGB48Buffer b(std::move(a));
    EXPECT_EQ(b.GetData(), block);
    EXPECT_EQ(b.GetSize(), QSize(4, 3));
    EXPECT_EQ(a.GetData(), nullptr);
    EXPECT_EQ(a.GetSize(), QSize(0, 0));
}
