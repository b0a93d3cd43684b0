#include "core/EngineState.h"

#include "core/EngineTables.h"
#include "core/ImageSlots.h"
#include "core/Progress.h"
#include "core/Timing.h"

namespace
{
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

// ---------------------------------------------------------------------------------------------
CEngineState::CEngineState() = default;

void CEngineState::Init(const std::string& textureDir, int idealThreadCount, int screenWidth,
                        int screenHeight)
{
    m_iCalcMode = m_iForceMode = MP_CALCMODE_NONE;
    for (double& limit : m_adMaxAlloc)
        limit = 0.0;
    m_iThreadCount = ClampThreads(idealThreadCount);
    m_iScreenWidth = screenWidth;
    m_iScreenHeight = screenHeight;
    m_sTextureDir = textureDir;
    m_afLumWeights[0] = 0.3333f, m_afLumWeights[1] = 0.3334f, m_afLumWeights[2] = 0.3333f;
    m_iProgressDelayMs = 250;
    m_iVideoModulo = 2;
    bLogging = true;
    bVideoMode = false;
    bAbort = false;
    bCalcRunning = false;
    iPlayback = 0;
    iBrowser = 0;
    bStopRequest = false;
}

void CEngineState::SetThreadCount(int count)
{
    m_iThreadCount = ClampThreads(count);
}

void CEngineState::SetCalcMode(int mode)
{
    const bool cpuDevice = m_adMaxAlloc[MP_CALCMODE_OPENCL_CPU] > 0.0;
    const bool gpuDevice = m_adMaxAlloc[MP_CALCMODE_OPENCL_GPU] > 0.0;
    switch (mode)
    {
    case MP_CALCMODE_CPU:
        m_iCalcMode = MP_CALCMODE_CPU;
        break;
    case MP_CALCMODE_OPENCL_CPU:
        m_iCalcMode = cpuDevice ? MP_CALCMODE_OPENCL_CPU : MP_CALCMODE_CPU;
        break;
    case MP_CALCMODE_OPENCL_GPU:
        m_iCalcMode = gpuDevice ? MP_CALCMODE_OPENCL_GPU : (cpuDevice ? MP_CALCMODE_OPENCL_CPU : MP_CALCMODE_CPU);
        break;
    default:
        break;
    }
}

void CEngineState::SetMaxMemAllocSize(int mode, double bytes)
{
    if (ValidMode(mode))
        m_adMaxAlloc[mode] = bytes;
}

double CEngineState::MaxMemAllocSize(int mode) const
{
    return ValidMode(mode) ? m_adMaxAlloc[mode] : 0.0;
}

void CEngineState::SetProgressDelay(int milliseconds)
{
    m_iProgressDelayMs = milliseconds < 1 ? 250 : milliseconds;
}

void CEngineState::SetLumWeights(float r, float g, float b)
{
    const float sum = r + g + b;
    if (sum > 0.0f)
        r /= sum, g /= sum, b /= sum;
    m_afLumWeights[0] = r, m_afLumWeights[1] = g, m_afLumWeights[2] = b;
}

void CEngineState::LumWeights(float& r, float& g, float& b) const
{
    r = m_afLumWeights[0], g = m_afLumWeights[1], b = m_afLumWeights[2];
}

// ---------------------------------------------------------------------------------------------
// The MP_UI_* functions: the application's state, one call each.
CEngineState& MP_ApplicationState()
{
    static CEngineState state;
    return state;
}

void MP_UI_InitEngine(const std::string& textureDir, int idealThreadCount, int screenWidth,
                      int screenHeight)
{
    CEngineState& s = MP_ApplicationState();
    s.Init(textureDir, idealThreadCount, screenWidth, screenHeight);
    MP_TimerStart();
    MP_UI_ResetProgress();
    MP_Log("MP_UI_SetVideoResolutionModulo(%d) \r\n", s.VideoModulo());
    MP_UI_SetProgressBarUpdateDelayTime(250);
    MP_GetTables();
}

void MP_UI_ReleaseEngine()
{
    MP_SlotReleaseAll();
}

int MP_UI_GetThreadCount() { return MP_ApplicationState().ThreadCount(); }
void MP_UI_SetThreadCount(int count) { MP_ApplicationState().SetThreadCount(count); }
const std::string& MP_UI_GetTextureDir() { return MP_ApplicationState().TextureDir(); }
int MP_UI_GetScreenWidth() { return MP_ApplicationState().ScreenWidth(); }
int MP_UI_GetScreenHeight() { return MP_ApplicationState().ScreenHeight(); }

void MP_UI_SetCalcMode(int mode) { MP_ApplicationState().SetCalcMode(mode); }
int MP_UI_GetCalcMode() { return MP_ApplicationState().CalcMode(); }
void MP_UI_SetCalcForceMode(int mode) { MP_ApplicationState().SetCalcForceMode(mode); }
int MP_UI_GetCalcForceMode() { return MP_ApplicationState().CalcForceMode(); }
void MP_UI_SetMaxMemAllocSize(int mode, double bytes) { MP_ApplicationState().SetMaxMemAllocSize(mode, bytes); }
double MP_UI_GetMaxMemAllocSize(int mode) { return MP_ApplicationState().MaxMemAllocSize(mode); }
double MP_UI_GetMaxPictureSize(int mode) { return MP_UI_GetMaxMemAllocSize(mode) / 12.0 / 1000000.0; }

void MP_UI_SetProgressBarUpdateDelayTime(int milliseconds)
{
    MP_ApplicationState().SetProgressDelay(milliseconds);
    MP_Log("MP_UI_SetProgressBarUpdateDelayTime(%d) \r\n", MP_ApplicationState().ProgressDelay());
}

int MP_UI_GetProgressBarUpdateDelayTime() { return MP_ApplicationState().ProgressDelay(); }
int MP_UI_GetVideoResolutionModulo() { return MP_ApplicationState().VideoModulo(); }

void MP_UI_SetLogging(bool on) { MP_ApplicationState().bLogging = on; }
bool MP_UI_GetLogging() { return MP_ApplicationState().bLogging; }
void MP_UI_SetVideoMode(bool on) { MP_ApplicationState().bVideoMode = on; }
bool MP_UI_GetVideoMode() { return MP_ApplicationState().bVideoMode; }
void MP_UI_SetAbort(bool on) { MP_ApplicationState().bAbort = on; }
bool MP_UI_GetAbort() { return MP_ApplicationState().bAbort.load(std::memory_order_relaxed); }
void MP_UI_SetCalcRunning(bool on) { MP_ApplicationState().bCalcRunning = on; }
bool MP_UI_GetCalcRunning() { return MP_ApplicationState().bCalcRunning; }

void MP_UI_SetLumWeights(float r, float g, float b) { MP_ApplicationState().SetLumWeights(r, g, b); }
void MP_UI_GetLumWeights(float& r, float& g, float& b) { MP_ApplicationState().LumWeights(r, g, b); }

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

void MP_UI_SetPlaybackMode(int on) { MP_ApplicationState().iPlayback = on; }
int MP_UI_GetPlaybackMode() { return MP_ApplicationState().iPlayback; }
void MP_UI_SetBrowserMode(int count) { MP_ApplicationState().iBrowser = count; }
int MP_UI_GetBrowserMode() { return MP_ApplicationState().iBrowser; }
void MP_UI_SetStopRequest(bool on) { MP_ApplicationState().bStopRequest = on; }
bool MP_UI_GetStopRequest() { return MP_ApplicationState().bStopRequest; }

int MP_VideoOutputDimension(int dimension)
{
    return dimension - dimension % MP_UI_GetVideoResolutionModulo();
}

bool MP_VideoOutputIsCrop(int workWidth, int workHeight, int outWidth, int outHeight)
{
    const int m = MP_UI_GetVideoResolutionModulo();
    return outWidth > workWidth - m && outWidth <= workWidth && outHeight > workHeight - m &&
           outHeight <= workHeight;
}
