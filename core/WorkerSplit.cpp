#include "core/WorkerSplit.h"

#include "core/EngineState.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// Built on std::thread and std::mutex rather than the toolkit's pool so that ThreadSanitizer
// understands every synchronisation. Task lists are per calling thread: a worker that starts a
// nested split keeps its own list, and a waiting thread runs queued tasks itself, so nesting
// cannot deadlock and small splits cost little.
namespace
{
struct STask
{
    MP_TaskFunc func = nullptr;
    TaskFuncParams record;
    bool done = false; // guarded by the pool mutex
};

class CWorkerPool
{
public:
    static CWorkerPool& Instance()
    {
        // Never destroyed: workers may still be parked at process exit.
        static CWorkerPool* pool = new CWorkerPool(DefaultThreads());
        return *pool;
    }

    void Push(STask* task)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_queue.push_back(task);
        }
        m_workAvailable.notify_one();
    }

    void Wait(STask* task)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!task->done)
        {
            if (!m_queue.empty())
            {
                STask* other = m_queue.front();
                m_queue.pop_front();
                lock.unlock();
                Execute(other);
                lock.lock();
                continue;
            }
            m_taskDone.wait(lock);
        }
    }

    void SetThreads(int threads)
    {
        StopAll();
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bStop = false;
        for (int i = 0; i < threads; ++i)
            m_threads.emplace_back([this] { WorkerLoop(); });
    }

    int Threads()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return int(m_threads.size());
    }

private:
    explicit CWorkerPool(int threads) { SetThreads(threads); }

    static int DefaultThreads()
    {
        // The waiting caller is one more executor, so one thread fewer than the cores.
        const int cores = int(std::thread::hardware_concurrency());
        return cores > 1 ? cores - 1 : 1;
    }

    void StopAll()
    {
        std::vector<std::thread> threads;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bStop = true;
            threads.swap(m_threads);
        }
        m_workAvailable.notify_all();
        for (std::thread& t : threads)
            t.join();
    }

    void WorkerLoop()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;)
        {
            m_workAvailable.wait(lock, [this] { return m_bStop || !m_queue.empty(); });
            if (m_bStop)
                return;
            STask* task = m_queue.front();
            m_queue.pop_front();
            lock.unlock();
            Execute(task);
            lock.lock();
        }
    }

    void Execute(STask* task)
    {
        task->func(task->record);
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            task->done = true;
        }
        m_taskDone.notify_all();
    }

    std::mutex m_mutex;
    std::condition_variable m_workAvailable;
    std::condition_variable m_taskDone;
    std::deque<STask*> m_queue;
    std::vector<std::thread> m_threads;
    bool m_bStop = false;
};

// A list of started tasks; task objects are reused from round to round (deque keeps addresses).
struct STaskList
{
    std::deque<STask> tasks;
    size_t used = 0;
};

// The lists of one waiting level: the default list and the groups. A thread that waits runs
// queued tasks itself; splits those tasks start go one level deeper, so they never mix with the
// list being awaited.
struct SLevel
{
    STaskList lists[MP_MT_GROUP_COUNT + 1];
};

thread_local std::deque<SLevel> t_levels(1);
thread_local size_t t_depth = 0;

constexpr int kDefaultList = MP_MT_GROUP_COUNT;

void Start(int list, MP_TaskFunc func, const TaskFuncParams& record)
{
    STaskList& l = t_levels[t_depth].lists[list];
    if (l.used == l.tasks.size())
        l.tasks.emplace_back();
    STask& task = l.tasks[l.used++];
    task.func = func;
    task.record = record;
    task.done = false;
    CWorkerPool::Instance().Push(&task);
}

void Wait(int list)
{
    STaskList& l = t_levels[t_depth].lists[list];
    if (++t_depth == t_levels.size())
        t_levels.emplace_back();
    for (size_t i = 0; i < l.used; ++i)
        CWorkerPool::Instance().Wait(&l.tasks[i]);
    --t_depth;
    l.used = 0;
}

bool ValidGroup(int group)
{
    return group >= 0 && group < MP_MT_GROUP_COUNT;
}
}  // namespace

void MP_MT_Run(MP_TaskFunc func, const TaskFuncParams& record)
{
    if (!func || MP_UI_GetAbort())
        return;
    Start(kDefaultList, func, record);
}

void MP_MT_RunInGroup(MP_TaskFunc func, const TaskFuncParams& record, int group)
{
    if (!func || !ValidGroup(group) || MP_UI_GetAbort())
        return;
    Start(group, func, record);
}

void MP_MT_WaitAll()
{
    Wait(kDefaultList);
}

void MP_MT_WaitGroup(int group)
{
    if (ValidGroup(group))
        Wait(group);
}

void MP_MT_SetPoolThreads(int threads)
{
    CWorkerPool::Instance().SetThreads(threads < 1 ? 1 : (threads > 64 ? 64 : threads));
}

int MP_MT_GetPoolThreads()
{
    return CWorkerPool::Instance().Threads();
}

int MP_MT_CapConversionWorkers(int n, int64_t pixels)
{
    if (n > 8 && pixels < 250000)
        return 8;
    if (n > 16 && pixels < 1000000)
        return 16;
    if (n > 32 && pixels < 1500000)
        return 32;
    return n;
}

int MP_MT_CapFullImageWorkers(int n, int64_t pixels)
{
    if (n > 8 && pixels < 2500000)
        return 8;
    if (n > 16 && pixels < 10000000)
        return 16;
    if (n > 32 && pixels < 20000000)
        return 32;
    return n;
}
