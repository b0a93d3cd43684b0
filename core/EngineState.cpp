#include "core/EngineState.h"

#include "core/EngineTables.h"
#include "core/ImageSlots.h"
#include "core/Progress.h"
#include "core/Timing.h"

#include <atomic>

namespace
{
struct SEngineState
{
    int iCalcMode = MP_CALCMODE_NONE;
    int iForceMode = MP_CALCMODE_NONE;
    double adMaxAlloc[4] = {0.0, 0.0, 0.0, 0.0};
    int iThreadCount = 1;
    int iScreenWidth = 0;
    int iScreenHeight = 0;
    std::string sTextureDir;
    float afLumWeights[3] = {0.3333f, 0.3334f, 0.3333f};
    int iProgressDelayMs = 250;
    int iVideoModulo = 2;
};

SEngineState g_state;
// Flags read by worker tasks and set from other threads.
std::atomic<bool> g_bLogging{true};
std::atomic<bool> g_bVideoMode{false};
std::atomic<bool> g_bAbort{false};
std::atomic<bool> g_bCalcRunning{false};
std::atomic<int> g_iPlayback{0};
std::atomic<int> g_iBrowser{0};
std::atomic<bool> g_bStopRequest{false};

bool ValidMode(int mode)
{
    return mode >= MP_CALCMODE_NONE && mode <= MP_CALCMODE_OPENCL_GPU;
}

int ClampThreads(int count)
{
    return count < 1 ? 1 : (count > 64 ? 64 : count);
}
}  // namespace

const char* MP_StatusName(int32_t status)
{
    switch (status)
    {
    case MP_SUCCESS:
        return "MP_SUCCESS";
    case MP_OUTOFMEMORY:
        return "MP_OUTOFMEMORY";
    case MP_ZEROPOINTER:
        return "MP_ZEROPOINTER";
    case MP_NORESOLUTION:
        return "MP_NORESOLUTION";
    case MP_NOPATH:
        return "MP_NOPATH";
    default:
        return "___UNKNOWN___";
    }
}

const char* MP_CalcModeName(int32_t mode)
{
    static const char* const names[] = {"none", "CPU", "OCL_CPU", "OCL_GPU"};
    return ValidMode(mode) ? names[mode] : "";
}

void MP_UI_InitEngine(const std::string& textureDir, int idealThreadCount, int screenWidth,
                      int screenHeight)
{
    g_state = SEngineState{};
    g_state.sTextureDir = textureDir;
    g_state.iThreadCount = ClampThreads(idealThreadCount);
    g_state.iScreenWidth = screenWidth;
    g_state.iScreenHeight = screenHeight;
    MP_TimerStart();
    g_bLogging = true;
    g_bVideoMode = false;
    g_bAbort = false;
    g_bCalcRunning = false;
    g_iPlayback = 0;
    g_iBrowser = 0;
    g_bStopRequest = false;
    MP_UI_ResetProgress();
    MP_Log("MP_UI_SetVideoResolutionModulo(%d) \r\n", g_state.iVideoModulo);
    MP_UI_SetProgressBarUpdateDelayTime(250);
    MP_GetTables();
}

void MP_UI_ReleaseEngine()
{
    MP_SlotReleaseAll();
}

int MP_UI_GetThreadCount()
{
    return g_state.iThreadCount;
}

void MP_UI_SetThreadCount(int count)
{
    g_state.iThreadCount = ClampThreads(count);
}

const std::string& MP_UI_GetTextureDir()
{
    return g_state.sTextureDir;
}

int MP_UI_GetScreenWidth()
{
    return g_state.iScreenWidth;
}

int MP_UI_GetScreenHeight()
{
    return g_state.iScreenHeight;
}

void MP_UI_SetCalcMode(int mode)
{
    switch (mode)
    {
    case MP_CALCMODE_CPU:
        g_state.iCalcMode = MP_CALCMODE_CPU;
        break;
    case MP_CALCMODE_OPENCL_CPU:
        g_state.iCalcMode = g_state.adMaxAlloc[MP_CALCMODE_OPENCL_CPU] > 0.0 ? MP_CALCMODE_OPENCL_CPU
                                                                          : MP_CALCMODE_CPU;
        break;
    case MP_CALCMODE_OPENCL_GPU:
        if (g_state.adMaxAlloc[MP_CALCMODE_OPENCL_GPU] > 0.0)
            g_state.iCalcMode = MP_CALCMODE_OPENCL_GPU;
        else if (g_state.adMaxAlloc[MP_CALCMODE_OPENCL_CPU] > 0.0)
            g_state.iCalcMode = MP_CALCMODE_OPENCL_CPU;
        else
            g_state.iCalcMode = MP_CALCMODE_CPU;
        break;
    default:
        break;
    }
}

int MP_UI_GetCalcMode()
{
    return g_state.iCalcMode;
}

void MP_UI_SetCalcForceMode(int mode)
{
    g_state.iForceMode = mode;
}

int MP_UI_GetCalcForceMode()
{
    return g_state.iForceMode;
}

void MP_UI_SetMaxMemAllocSize(int mode, double bytes)
{
    if (ValidMode(mode))
        g_state.adMaxAlloc[mode] = bytes;
}

double MP_UI_GetMaxMemAllocSize(int mode)
{
    return ValidMode(mode) ? g_state.adMaxAlloc[mode] : 0.0;
}

double MP_UI_GetMaxPictureSize(int mode)
{
    return MP_UI_GetMaxMemAllocSize(mode) / 12.0 / 1000000.0;
}

void MP_UI_SetProgressBarUpdateDelayTime(int milliseconds)
{
    g_state.iProgressDelayMs = milliseconds < 1 ? 250 : milliseconds;
    MP_Log("MP_UI_SetProgressBarUpdateDelayTime(%d) \r\n", g_state.iProgressDelayMs);
}

int MP_UI_GetProgressBarUpdateDelayTime()
{
    return g_state.iProgressDelayMs;
}

int MP_UI_GetVideoResolutionModulo()
{
    return g_state.iVideoModulo;
}

void MP_UI_SetLogging(bool on)
{
    g_bLogging = on;
}

bool MP_UI_GetLogging()
{
    return g_bLogging;
}

void MP_UI_SetVideoMode(bool on)
{
    g_bVideoMode = on;
}

bool MP_UI_GetVideoMode()
{
    return g_bVideoMode;
}

void MP_UI_SetAbort(bool on)
{
    g_bAbort = on;
}

bool MP_UI_GetAbort()
{
    return g_bAbort.load(std::memory_order_relaxed);
}

void MP_UI_SetCalcRunning(bool on)
{
    g_bCalcRunning = on;
}

bool MP_UI_GetCalcRunning()
{
    return g_bCalcRunning;
}

void MP_UI_SetLumWeights(float r, float g, float b)
{
    const float sum = r + g + b;
    if (sum > 0.0f)
    {
        r /= sum;
        g /= sum;
        b /= sum;
    }
    g_state.afLumWeights[0] = r;
    g_state.afLumWeights[1] = g;
    g_state.afLumWeights[2] = b;
}

void MP_UI_GetLumWeights(float& r, float& g, float& b)
{
    r = g_state.afLumWeights[0];
    g = g_state.afLumWeights[1];
    b = g_state.afLumWeights[2];
}

bool MP_UI_GetLumPreset(int preset, float& r, float& g, float& b)
{
    static const float presets[3][3] = {
        {0.3333f, 0.3333f, 0.3333f}, {0.2125f, 0.7154f, 0.0721f}, {0.299f, 0.587f, 0.114f}};
    if (preset < 1 || preset > 3)
        return false;
    r = presets[preset - 1][0];
    g = presets[preset - 1][1];
    b = presets[preset - 1][2];
    return true;
}

void MP_UI_SetPlaybackMode(int on)
{
    g_iPlayback = on;
}

int MP_UI_GetPlaybackMode()
{
    return g_iPlayback;
}

void MP_UI_SetBrowserMode(int count)
{
    g_iBrowser = count;
}

int MP_UI_GetBrowserMode()
{
    return g_iBrowser;
}

void MP_UI_SetStopRequest(bool on)
{
    g_bStopRequest = on;
}

bool MP_UI_GetStopRequest()
{
    return g_bStopRequest;
}

int MP_VideoOutputDimension(int dimension)
{
    const int modulo = g_state.iVideoModulo;
    return dimension - dimension % modulo;
}

bool MP_VideoOutputIsCrop(int workWidth, int workHeight, int outWidth, int outHeight)
{
    const int m = g_state.iVideoModulo;
    return outWidth > workWidth - m && outWidth <= workWidth && outHeight > workHeight - m &&
           outHeight <= workHeight;
}
