// The worker split: engine operations hand row bands to worker tasks and wait for all of them.
#pragma once

#include <cstdint>
#include <type_traits>
#include <utility>

/// The parameter block of one engine operation: image pointers, sizes and settings for its tasks.
struct MP_Params
{
    const void* pSource = nullptr;
    void* pTarget = nullptr;
    int32_t iWidth = 0;
    int32_t iHeight = 0;
    int32_t iSourceWidth = 0;
    int32_t iSourceHeight = 0;
    int32_t iFlags = 0;
    const void* pOperationData = nullptr;
};

/// The record every worker task receives by value (seven 64-bit words).
struct TaskFuncParams
{
    int32_t iSecondaryBegin = 0; // a further split range (columns or another dimension)
    int32_t iSecondaryEnd = 0;
    int32_t iRowBegin = 0;       // rows [iRowBegin, iRowEnd)
    int32_t iRowEnd = 0;
    int32_t iBand = 0;           // 0-based band index
    int32_t iBandCount = 0;      // band count of interleaved splits
    int64_t llValue0 = 0;        // operation-specific values
    int64_t llValue1 = 0;
    void* pData = nullptr;       // operation-specific data of the caller
    MP_Params* pParams = nullptr;
};
static_assert(sizeof(TaskFuncParams) == 7 * 8, "seven 64-bit words");

using MP_TaskFunc = void (*)(TaskFuncParams);

/// Number of task groups besides the default list.
constexpr int MP_MT_GROUP_COUNT = 8;

/// Starts one task on the default list; with an abort requested the task is not started.
void MP_MT_Run(MP_TaskFunc func, const TaskFuncParams& record);
/// Starts one task on the list of group 0..MP_MT_GROUP_COUNT−1.
void MP_MT_RunInGroup(MP_TaskFunc func, const TaskFuncParams& record, int group);
/// Waits for every task of the default list, in start order, then empties the list.
void MP_MT_WaitAll();
void MP_MT_WaitGroup(int group);

/// Threads of the worker pool (the calling thread helps while it waits). Call only while idle.
void MP_MT_SetPoolThreads(int threads);
int MP_MT_GetPoolThreads();

/// Worker count for a format conversion over `pixels` pixels (caps 8/16/32 below 250 000,
/// 1 000 000 and 1 500 000 pixels).
int MP_MT_CapConversionWorkers(int workers, int64_t pixels);
/// The same caps at 2 500 000, 10 000 000 and 20 000 000 pixels, for full-image operations.
int MP_MT_CapFullImageWorkers(int workers, int64_t pixels);

/// End row of band k (1..n): min(trunc(k × height ÷ n), height) in single precision.
inline int MP_MT_BandEnd(int k, int height, int bands)
{
    const int end = int(float(k) * float(height) / float(bands));
    return end < height ? end : height;
}

namespace detail
{
template <class Fn>
void InvokeBand(TaskFuncParams record)
{
    (*static_cast<Fn*>(record.pData))(record);
}
}  // namespace detail

/// Contiguous split: rows [0, height) in `bands` bands; fn(const TaskFuncParams&) runs once per
/// non-empty band with iRowBegin, iRowEnd and iBand set. Returns after all bands finished.
template <class Fn>
void MP_MT_ForBands(int height, int bands, Fn&& fn)
{
    using F = std::remove_reference_t<Fn>;
    if (height < 1)
        return;
    if (bands < 1)
        bands = 1;
    TaskFuncParams record;
    record.pData = const_cast<void*>(static_cast<const void*>(&fn));
    int start = 0;
    for (int k = 1; k <= bands; ++k)
    {
        const int end = MP_MT_BandEnd(k, height, bands);
        if (end > start)
        {
            record.iRowBegin = start;
            record.iRowEnd = end;
            record.iBand = k - 1;
            MP_MT_Run(&detail::InvokeBand<F>, record);
        }
        start = end;
    }
    MP_MT_WaitAll();
}

/// Interleaved split: worker j of n takes rows j, j + n, j + 2n, …; fn(const TaskFuncParams&)
/// runs once per worker with iBand = j, iBandCount = n and iRowEnd = height.
template <class Fn>
void MP_MT_ForInterleaved(int height, int workers, Fn&& fn)
{
    using F = std::remove_reference_t<Fn>;
    if (height < 1)
        return;
    if (workers < 1)
        workers = 1;
    TaskFuncParams record;
    record.pData = const_cast<void*>(static_cast<const void*>(&fn));
    record.iRowBegin = 0;
    record.iRowEnd = height;
    record.iBandCount = workers;
    for (int j = 0; j < workers && j < height; ++j)
    {
        record.iBand = j;
        MP_MT_Run(&detail::InvokeBand<F>, record);
    }
    MP_MT_WaitAll();
}
