// The in-process decoder against the converter's own extraction: the same frame, pixel for
// pixel, wherever the position lands and in whatever order positions are asked for; cut files
// fail with the position in the message.
#include "tests/video/TestClips.h"
#include "video/ClipDecoder.h"
#include "video/FrameFetcher.h"
#include "video/MovieHandling.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <cstring>

namespace
{
std::vector<unsigned char> Extracted(CMovieHandling& movie, const QString& clip, qint64 ms, QSize& size)
{
    const QString image = movie.ExtractFrame(clip, "bmp", ms, 0, true, QSize(-1, -1));
    std::vector<unsigned char> rgb = ReadBmpRgb(image, size);
    QFile::remove(image);
    return rgb;
}

int MaxDifference(const unsigned char* a, const unsigned char* b, size_t count)
{
    int worst = 0;
    for (size_t i = 0; i < count; ++i)
        worst = std::max(worst, std::abs(int(a[i]) - int(b[i])));
    return worst;
}
}  // namespace

TEST(ClipDecoder, FrameAtATimeEqualsTheConvertersAccurateExtraction)
{
    // 25 fps: frame n at n × 40 ms. Key frames every 10 frames, or only the first (so frames long
    // before the target are decoded on the way, or skipped when nothing refers to them).
    const struct
    {
        EClip clip;
        qint64 ms;
        int frame; // the first frame at or after the time: ceil(ms ÷ 40)
    } cases[] = {
        // Out of order: jumps across key frames, steps back, on and between frame times, the ends.
        {EClip::eShortGop, 1234, 31}, {EClip::eShortGop, 1240, 31}, {EClip::eShortGop, 1241, 32},
        {EClip::eShortGop, 2960, 74}, {EClip::eShortGop, 400, 10},  {EClip::eShortGop, 399, 10},
        {EClip::eShortGop, 361, 10},  {EClip::eShortGop, 0, 0},     {EClip::eShortGop, 1, 1},
        {EClip::eShortGop, 2000, 50}, {EClip::eShortGop, 1960, 49}, {EClip::eShortGop, 1201, 31},
        {EClip::eShortGop, 820, 21},  {EClip::eTwoSeconds, 1500, 38}, {EClip::eTwoSeconds, 1960, 49},
        {EClip::eTwoSeconds, 600, 15}, {EClip::eTwoSeconds, 1010, 26}, {EClip::eTwoSeconds, 1300, 33},
    };
    CClipDecoder decoder;
    CMovieHandling movie;
    QString error, opened;
    for (const auto& c : cases)
    {
        const QString clip = TestClip(c.clip);
        if (clip != opened)
        {
            ASSERT_TRUE(decoder.Open(clip, error)) << error.toStdString();
            opened = clip;
        }
        Helper::CRGB24Buffer frame;
        CClipDecoder::SFrameInfo info;
        ASSERT_EQ(decoder.Decode(c.ms * 1000, CClipDecoder::eEXACT, QSize(), frame, info, error), CClipDecoder::eOK)
            << c.ms << " ms: " << error.toStdString();
        EXPECT_EQ(info.iIndex, c.frame) << c.ms << " ms";
        EXPECT_EQ(info.iTimeUs, c.frame * 40000) << c.ms << " ms";
        QSize size;
        const std::vector<unsigned char> reference = Extracted(movie, clip, c.ms, size);
        movie.RemoveIniFiles();
        ASSERT_EQ(size, frame.GetSize()) << c.ms << " ms";
        EXPECT_EQ(MaxDifference(frame.GetData(), reference.data(), reference.size()), 0) << c.ms << " ms";
    }
}

TEST(ClipDecoder, StepsForwardAndBackWithoutSeeking)
{
    CClipDecoder decoder;
    QString error;
    ASSERT_TRUE(decoder.Open(TestClip(EClip::eShortGop), error)) << error.toStdString();
    Helper::CRGB24Buffer frame;
    CClipDecoder::SFrameInfo info;
    ASSERT_EQ(decoder.Decode(decoder.FrameTimeUs(25), CClipDecoder::eEXACT, QSize(), frame, info, error), CClipDecoder::eOK);
    const int seeks = decoder.SeekCount();
    // Back as far as the frames kept before the target of a long step (40 − 8).
    for (int index : {26, 27, 28, 40, 39, 38, 33, 32, 41})
    {
        ASSERT_EQ(decoder.Decode(decoder.FrameTimeUs(index), CClipDecoder::eEXACT, QSize(), frame, info, error),
                  CClipDecoder::eOK);
        EXPECT_EQ(info.iIndex, index);
    }
    EXPECT_EQ(decoder.SeekCount(), seeks);
    ASSERT_EQ(decoder.Decode(decoder.FrameTimeUs(5), CClipDecoder::eEXACT, QSize(), frame, info, error), CClipDecoder::eOK);
    EXPECT_EQ(info.iIndex, 5);
    EXPECT_GT(decoder.SeekCount(), seeks);
}

TEST(ClipDecoder, KeyFramesScaleAndTurnedClipsStandUpright)
{
    CClipDecoder decoder;
    QString error;
    ASSERT_TRUE(decoder.Open(TestClip(EClip::eShortGop), error)) << error.toStdString();
    Helper::CRGB24Buffer frame;
    CClipDecoder::SFrameInfo info;
    ASSERT_EQ(decoder.Decode(1234000, CClipDecoder::eKEYFRAME, QSize(24, 14), frame, info, error), CClipDecoder::eOK);
    // A key frame before the time; the seek starts early enough for reordered frames.
    EXPECT_TRUE(info.iIndex == 20 || info.iIndex == 30) << info.iIndex;
    EXPECT_EQ(frame.GetSize(), QSize(24, 14));

    // A quarter turn: the upright picture the converter delivers.
    const QString turned = TestClip(EClip::eRotate90);
    ASSERT_TRUE(decoder.Open(turned, error)) << error.toStdString();
    EXPECT_EQ(decoder.FrameSize(), QSize(36, 64));
    ASSERT_EQ(decoder.Decode(100000, CClipDecoder::eEXACT, QSize(), frame, info, error), CClipDecoder::eOK);
    CMovieHandling movie;
    QSize size;
    const std::vector<unsigned char> reference = Extracted(movie, turned, 100, size);
    ASSERT_EQ(size, QSize(36, 64));
    EXPECT_EQ(MaxDifference(frame.GetData(), reference.data(), reference.size()), 0);
}

TEST(ClipDecoder, CutAndJunkFilesFailWithTheirPosition)
{
    CClipDecoder decoder;
    QString error;
    for (EClip unreadable : {EClip::eTruncated, EClip::eJunk, EClip::eZeroLength, EClip::eAudioOnly})
        EXPECT_FALSE(decoder.Open(TestClip(unreadable), error)) << TestClip(unreadable).toStdString();
    EXPECT_FALSE(error.isEmpty());

    // The first half of a two-second clip whose index promises all of it.
    ASSERT_TRUE(decoder.Open(TestClip(EClip::eFastStartHalf), error)) << error.toStdString();
    Helper::CRGB24Buffer frame;
    CClipDecoder::SFrameInfo info;
    ASSERT_EQ(decoder.Decode(200000, CClipDecoder::eEXACT, QSize(), frame, info, error), CClipDecoder::eOK);
    EXPECT_EQ(info.iIndex, 5);
    error.clear();
    EXPECT_EQ(decoder.Decode(1800000, CClipDecoder::eEXACT, QSize(), frame, info, error), CClipDecoder::eFAILED);
    EXPECT_TRUE(error.contains("00:00:01.800")) << error.toStdString();
    // The decoder is still usable after the failure.
    EXPECT_EQ(decoder.Decode(120000, CClipDecoder::eEXACT, QSize(), frame, info, error), CClipDecoder::eOK);
    EXPECT_EQ(info.iIndex, 3);
}

TEST(FrameFetcher, NewerRequestsReplaceOlderOnesAndAClosedClipDeliversNothing)
{
    CFrameFetcher fetcher;
    QString error;
    ASSERT_TRUE(fetcher.Open(TestClip(EClip::eShortGop), error)) << error.toStdString();
    std::vector<int> frames, thumbnails;
    QObject::connect(&fetcher, &CFrameFetcher::frameDecoded,
                     [&](const CFrameFetcher::FramePtr& frame) { frames.push_back(frame->info.iIndex); });
    QObject::connect(&fetcher, &CFrameFetcher::thumbnailDecoded,
                     [&](int slot, const CFrameFetcher::FramePtr&) { thumbnails.push_back(slot); });
    const auto settle = [&] {
        QElapsedTimer timer;
        timer.start();
        while (fetcher.IsBusy() && timer.elapsed() < 10000)
        {
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
    };
    fetcher.RequestFrame(fetcher.FrameTimeUs(60));
    fetcher.RequestThumbnails({{3, 0}, {1, 1000000}, {2, 2000000}}, QSize(24, 14));
    fetcher.RequestFrame(fetcher.FrameTimeUs(12));
    settle();
    EXPECT_EQ(frames, std::vector<int>{12});
    EXPECT_EQ(thumbnails, (std::vector<int>{3, 1, 2}));

    fetcher.RequestFrame(fetcher.FrameTimeUs(30));
    fetcher.Close();
    for (int i = 0; i < 20; ++i)
    {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    EXPECT_EQ(frames.size(), 1u);
    EXPECT_FALSE(fetcher.IsBusy());
}
