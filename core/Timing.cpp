#include "core/Timing.h"

#include "core/EngineState.h"

#include <atomic>
#include <chrono>
#include <cstdarg>
#include <cstdio>

namespace
{
std::atomic<double> g_timerStart{0.0};
}

double MP_TimeStamp()
{
    return double(std::chrono::duration_cast<std::chrono::nanoseconds>(
                      std::chrono::steady_clock::now().time_since_epoch())
                      .count());
}

double MP_ElapsedMs(double stamp)
{
    constexpr double kFrequency = 1e9;
    return (MP_TimeStamp() - stamp) / kFrequency * 1000.0;
}

void MP_TimerStart()
{
    g_timerStart = MP_TimeStamp();
}

double MP_TimerElapsedMs()
{
    return MP_ElapsedMs(g_timerStart);
}

void MP_VLog(const char* format, va_list args)
{
    std::vprintf(format, args);
    std::fflush(stdout);
}

void MP_Log(const char* format, ...)
{
    if (!MP_UI_GetLogging())
        return;
    va_list args;
    va_start(args, format);
    MP_VLog(format, args);
    va_end(args);
}

void MP_LogMs(double stamp, const char* name)
{
    MP_Log("%11.4f ms %s \r\n", MP_ElapsedMs(stamp), name);
}

void MP_LogMsDash(double stamp, const char* name)
{
    MP_Log("%6.2f ms - %s \r\n", MP_ElapsedMs(stamp), name);
}
