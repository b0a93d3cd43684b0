// Overall progress of weighted categories, the video-mode filter, throttling and MP_Progress.
#include "core/EngineState.h"
#include "core/Progress.h"
#include "core/ProgressTracker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(ProgressTracker, OverallCountsExpectedButUnregisteredCategories)
{
    MP_UI_SetVideoMode(false);
    CProgressTracker tracker(2);
    tracker.Register(5);
    EXPECT_TRUE(tracker.Report(5, 0.5f));
    EXPECT_FALSE(tracker.Report(7, 1.0f)); // unregistered: nothing changes
    tracker.Report(5, 0.2f); // lower and negative fractions never lower an entry
    tracker.Report(5, -1.0f);
    EXPECT_FLOAT_EQ(tracker.Overall(), 0.25f); // 0.5 × 1 ÷ (1 + 1)

    tracker.Register(34); // weight 4
    tracker.Report(34, 1.0f);
    tracker.Register(5); // registering again does nothing
    EXPECT_FLOAT_EQ(tracker.Overall(), (0.5f + 4.0f) / 5.0f);

    EXPECT_FLOAT_EQ(CProgressTracker(0).Overall(), 0.0f);
    CProgressTracker tiny(0);
    tiny.Register(42);
    tiny.Report(42, 1.0f);
    EXPECT_FLOAT_EQ(tiny.Overall(), 1.0f); // 0.001 ÷ max(0.001, 0.001)
}

TEST(ProgressTracker, VideoModeDisplaySwitchAndRepaintThrottle)
{
    CProgressTracker tracker(2);
    tracker.Register(5);
    tracker.Register(40);
    MP_UI_SetVideoMode(true);
    EXPECT_FALSE(tracker.Report(5, 1.0f));
    EXPECT_TRUE(tracker.Report(40, 0.5f));
    MP_UI_SetVideoMode(false);
    tracker.SetDisplayEnabled(false);
    EXPECT_FALSE(tracker.Report(40, 1.0f));
    EXPECT_FLOAT_EQ(tracker.Overall(), 0.25f);

    std::vector<bool> repaints;
    for (double now : {1000.0, 1100.0, 1249.0, 1250.0})
        repaints.push_back(tracker.ShouldRepaint(now, 250));
    EXPECT_EQ(repaints, (std::vector<bool>{true, false, false, true}));
}

namespace
{
struct SRecordingSink : IProgressSink
{
    std::vector<std::pair<int, float>> reports;
    void OnProgress(int category, float fraction) override { reports.push_back({category, fraction}); }
};
}  // namespace

TEST(Progress, EngineValueOnlyRisesAndSinkReceivesCategories)
{
    SRecordingSink sink;
    MP_SetProgressSink(&sink);
    MP_UI_ResetProgress();
    MP_Progress(5, 0.4f);
    MP_Progress(-1, 0.6f);
    MP_Progress(5, 0.3f);
    MP_Progress(5, 7.0f);
    MP_SetProgressSink(nullptr);
    EXPECT_FLOAT_EQ(MP_UI_GetProgress(), 1.0f);
    ASSERT_EQ(sink.reports.size(), 3u); // category −1 is not forwarded
    EXPECT_EQ(sink.reports[0], std::make_pair(5, 0.4f));
    EXPECT_EQ(sink.reports[1], std::make_pair(5, 0.3f));
    MP_UI_ResetProgress();
    EXPECT_FLOAT_EQ(MP_UI_GetProgress(), 0.0f);
}

TEST(ProgressTracker, SecondsLeftFromElapsedTimeAndFraction)
{
    const struct
    {
        long long elapsedMs;
        float overall;
        long long left;
    } cases[] = {
        {10000, 0.0f, -1},       {10000, 0.005f, -1},       {0, 0.5f, -1},         {10000, -0.5f, -1},
        {10000, 0.25f, 30},      {10000, 0.5f, 10},         {60000, 0.75f, 20},    {10000, 1.0f, 0},
        {10000, 1.5f, 0},        {10000, std::nanf(""), -1}, {3600000, 0.01f, 356400},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CProgressTracker::SecondsLeft(c.elapsedMs, c.overall), c.left) << c.elapsedMs << " " << c.overall;
}
