// The row split: band arithmetic, caps, equality with a single-thread run, nesting and abort.
#include "core/EngineState.h"
#include "core/WorkerSplit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>
#include <vector>

TEST(WorkerSplit, BandEndsAndPixelCountCaps)
{
    // Three rows over eight workers: only bands k = 3, 6 and 8 run.
    std::vector<std::pair<int, int>> ranges(8, {-1, -1});
    MP_MT_ForBands(3, 8, [&](const TaskFuncParams& t) { ranges[size_t(t.iBand)] = {t.iRowBegin, t.iRowEnd}; });
    const std::vector<std::pair<int, int>> want = {{-1, -1}, {-1, -1}, {0, 1}, {-1, -1}, {-1, -1}, {1, 2}, {-1, -1}, {2, 3}};
    EXPECT_EQ(ranges, want);

    // workers, pixels, conversion cap, full-image cap
    const int64_t caps[][4] = {{64, 1920 * 1080, 64, 8}, {64, 640 * 360, 8, 8},      {64, 999999, 16, 8},
                               {64, 1499999, 32, 8},     {4, 10, 4, 4},              {12, 300000, 12, 8},
                               {64, 9999999, 64, 16},    {64, 19999999, 64, 32},     {64, 20000000, 64, 64}};
    for (const auto& c : caps)
    {
        EXPECT_EQ(MP_MT_CapConversionWorkers(int(c[0]), c[1]), c[2]) << c[1];
        EXPECT_EQ(MP_MT_CapFullImageWorkers(int(c[0]), c[1]), c[3]) << c[1];
    }
}

// Random band counts and heights: every row is written exactly once, by the band that owns it,
// and the result equals a single-band run.
TEST(WorkerSplit, RandomSplitsEqualASingleThreadRun)
{
    std::mt19937 random(1234);
    const int savedPool = MP_MT_GetPoolThreads();
    for (int round = 0; round < 10000; ++round)
    {
        if (round % 2500 == 0)
            MP_MT_SetPoolThreads(1 + int(random() % 16)); // 1..16 pool threads
        const int height = 1 + int(random() % 300);
        const int bands = 1 + int(random() % 64);
        std::vector<int> split(size_t(height), 0), single(size_t(height), 0);
        auto fill = [](std::vector<int>& rows) {
            return [&rows](const TaskFuncParams& t) {
                for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
                    rows[size_t(y)] += y * 7 + 1;
            };
        };
        MP_MT_ForBands(height, bands, fill(split));
        MP_MT_ForBands(height, 1, fill(single));
        ASSERT_EQ(split, single) << "height " << height << " bands " << bands;
    }
    MP_MT_SetPoolThreads(savedPool);
}

TEST(WorkerSplit, InterleavedRowsNestedSplitsAndGroupsComplete)
{
    // Row y belongs to band y mod 5, and each row is visited once.
    std::vector<int> visits(37, 0), owner(37, -1);
    MP_MT_ForInterleaved(37, 5, [&](const TaskFuncParams& t) {
        for (int y = t.iBand; y < t.iRowEnd; y += t.iBandCount)
            owner[size_t(y)] = t.iBand, ++visits[size_t(y)];
    });
    for (int y = 0; y < 37; ++y)
        EXPECT_TRUE(owner[size_t(y)] == y % 5 && visits[size_t(y)] == 1) << y;

    std::atomic<int> cells{0};
    MP_MT_ForBands(16, 16, [&](const TaskFuncParams&) {
        MP_MT_ForBands(8, 8, [&](const TaskFuncParams&) { cells.fetch_add(1); });
    });
    EXPECT_EQ(cells.load(), 128);

    static std::atomic<int> groupRuns{0};
    groupRuns = 0;
    TaskFuncParams record;
    for (int g = 0; g < MP_MT_GROUP_COUNT; ++g)
        for (int i = 0; i < 3; ++i)
            MP_MT_RunInGroup([](TaskFuncParams) { groupRuns.fetch_add(1); }, record, g);
    MP_MT_RunInGroup([](TaskFuncParams) { groupRuns.fetch_add(100); }, record, MP_MT_GROUP_COUNT); // no such group
    for (int g = MP_MT_GROUP_COUNT - 1; g >= 0; --g)
        MP_MT_WaitGroup(g);
    EXPECT_EQ(groupRuns.load(), 3 * MP_MT_GROUP_COUNT);
}

TEST(WorkerSplit, AbortStopsNewTasks)
{
    std::atomic<int> runs{0};
    MP_UI_SetAbort(true);
    MP_MT_ForBands(100, 10, [&](const TaskFuncParams&) { runs.fetch_add(1); });
    MP_UI_SetAbort(false);
    EXPECT_EQ(runs.load(), 0);

    // Abort requested from another thread while tasks are being started: no deadlock, and
    // every started task finishes before the wait returns.
    for (int trial = 0; trial < 50; ++trial)
    {
        std::atomic<int> started{0}, finished{0};
        std::thread aborter([] { MP_UI_SetAbort(true); });
        MP_MT_ForBands(64, 64, [&](const TaskFuncParams&) {
            started.fetch_add(1);
            finished.fetch_add(1);
        });
        aborter.join();
        MP_UI_SetAbort(false);
        EXPECT_EQ(started.load(), finished.load());
    }
}

TEST(WorkerSplit, CallsFromSeveralThreadsKeepTheirOwnLists)
{
    std::vector<std::thread> callers;
    std::atomic<int> wrong{0};
    for (int c = 0; c < 4; ++c)
        callers.emplace_back([&, c] {
            for (int round = 0; round < 200; ++round)
            {
                std::vector<int> rows(64, 0);
                MP_MT_ForBands(64, 8, [&](const TaskFuncParams& t) {
                    for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
                        rows[size_t(y)] = c + 1;
                });
                wrong += int(std::count(rows.begin(), rows.end(), c + 1) != 64);
            }
        });
    for (std::thread& t : callers)
        t.join();
    EXPECT_EQ(wrong.load(), 0);
}
