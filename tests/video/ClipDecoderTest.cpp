// The in-process decoder against the converter's own extraction: the same frame, pixel for
// pixel, wherever the position lands and in whatever order positions are asked for; cut files
// fail with the position in the message.
#include "tests/video/TestClips.h"
#include "video/ClipDecoder.h"
#include "video/FrameFetcher.h"

#include <QCoreApplication>

namespace
{
class ClipDecoder : public ::testing::Test
{
protected:
    void Open(EClip clip) { ASSERT_TRUE(m_decoder.Open(TestClip(clip), m_error)) << m_error.toStdString(); }
    // The index of the frame decoded at `us`, -1 when the decoder failed.
    int Decode(qint64 us, CClipDecoder::ESeek mode = CClipDecoder::eEXACT, QSize size = QSize())
    {
        const bool ok = m_decoder.Decode(us, mode, size, m_frame, m_info, m_error) == CClipDecoder::eOK;
        return ok ? m_info.iIndex : -1;
    }

    CClipDecoder m_decoder;
    QString m_error;
    Helper::CRGB24Buffer m_frame;
    CClipDecoder::SFrameInfo m_info;
};
}  // namespace

TEST_F(ClipDecoder, FrameAtATimeEqualsTheConvertersAccurateExtraction)
{
    // 25 fps: frame n at n × 40 ms. Key frames every 10 frames, or only the first (so frames long
    // before the target are decoded on the way, or skipped when nothing refers to them).
    // Per clip, in this order: a time in ms and the first frame at or after it, ceil(ms ÷ 40). Out
    // of order: jumps across key frames, steps back, on and between frame times, the ends.
    const std::pair<EClip, std::vector<std::pair<qint64, int>>> cases[] = {
        {EClip::eShortGop, {{1234, 31}, {1240, 31}, {1241, 32}, {2960, 74}, {400, 10}, {399, 10}, {361, 10}, {0, 0},
                            {1, 1}, {2000, 50}, {1960, 49}, {1201, 31}, {820, 21}}},
        {EClip::eTwoSeconds, {{1500, 38}, {1960, 49}, {600, 15}, {1010, 26}, {1300, 33}}},
    };
    CMovieHandling movie;
    for (const auto& [clip, times] : cases)
    {
        Open(clip);
        for (const auto& [ms, frame] : times)
        {
            SCOPED_TRACE(ms);
            ASSERT_EQ(Decode(ms * 1000), frame) << m_error.toStdString();
            EXPECT_EQ(m_info.iTimeUs, frame * 40000);
            QSize size;
            const std::vector<unsigned char> reference = ExtractRgb(movie, TestClip(clip), ms, size);
            movie.RemoveIniFiles();
            ASSERT_EQ(size, m_frame.GetSize());
            EXPECT_EQ(MaxDifference(m_frame.GetData(), reference.data(), reference.size()), 0);
        }
    }
}

TEST_F(ClipDecoder, StepsForwardAndBackWithoutSeekingKeyFramesScaleAndTurnedClipsStandUpright)
{
    Open(EClip::eShortGop);
    ASSERT_EQ(Decode(m_decoder.FrameTimeUs(25)), 25);
    const int seeks = m_decoder.SeekCount();
    // Back as far as the frames kept before the target of a long step (40 − 8).
    for (int index : {26, 27, 28, 40, 39, 38, 33, 32, 41})
        EXPECT_EQ(Decode(m_decoder.FrameTimeUs(index)), index);
    EXPECT_EQ(m_decoder.SeekCount(), seeks);
    EXPECT_EQ(Decode(m_decoder.FrameTimeUs(5)), 5);
    EXPECT_GT(m_decoder.SeekCount(), seeks);

    // A key frame before the time; the seek starts early enough for reordered frames.
    const int key = Decode(1234000, CClipDecoder::eKEYFRAME, QSize(24, 14));
    EXPECT_TRUE(key == 20 || key == 30) << key;
    EXPECT_EQ(m_frame.GetSize(), QSize(24, 14));

    // A quarter turn: the upright picture the converter delivers.
    Open(EClip::eRotate90);
    EXPECT_EQ(m_decoder.FrameSize(), QSize(36, 64));
    ASSERT_GE(Decode(100000), 0) << m_error.toStdString();
    CMovieHandling movie;
    QSize size;
    const std::vector<unsigned char> reference = ExtractRgb(movie, TestClip(EClip::eRotate90), 100, size);
    ASSERT_EQ(size, QSize(36, 64));
    EXPECT_EQ(MaxDifference(m_frame.GetData(), reference.data(), reference.size()), 0);
}

TEST_F(ClipDecoder, CutAndJunkFilesFailWithTheirPosition)
{
    for (EClip unreadable : {EClip::eTruncated, EClip::eJunk, EClip::eZeroLength, EClip::eAudioOnly})
        EXPECT_FALSE(m_decoder.Open(TestClip(unreadable), m_error)) << TestClip(unreadable).toStdString();
    EXPECT_FALSE(m_error.isEmpty());

    // The first half of a two-second clip whose index promises all of it.
    Open(EClip::eFastStartHalf);
    EXPECT_EQ(Decode(200000), 5);
    m_error.clear();
    EXPECT_EQ(m_decoder.Decode(1800000, CClipDecoder::eEXACT, QSize(), m_frame, m_info, m_error), CClipDecoder::eFAILED);
    EXPECT_TRUE(m_error.contains("00:00:01.800")) << m_error.toStdString();
    EXPECT_EQ(Decode(120000), 3); // still usable after the failure
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
    // Lets the fetcher's signals arrive: until it is idle (at most 10 s), or for 100 ms.
    const auto settle = [&](bool untilIdle) {
        for (int i = 0; i < (untilIdle ? 2000 : 20) && (!untilIdle || fetcher.IsBusy()); ++i)
        {
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
    };
    fetcher.RequestFrame(fetcher.FrameTimeUs(60));
    fetcher.RequestThumbnails({{3, 0}, {1, 1000000}, {2, 2000000}}, QSize(24, 14));
    fetcher.RequestFrame(fetcher.FrameTimeUs(12));
    settle(true);
    EXPECT_EQ(frames, std::vector<int>{12});
    EXPECT_EQ(thumbnails, (std::vector<int>{3, 1, 2}));

    fetcher.RequestFrame(fetcher.FrameTimeUs(30));
    fetcher.Close();
    settle(false);
    EXPECT_EQ(frames.size(), 1u);
    EXPECT_FALSE(fetcher.IsBusy());
}
