// The engine state: calculation modes, memory limits, worker count, flags, luminance weights,
// progress delay and the video resolution modulo. The application keeps one (set at start-up
// and by the options through the MP_UI_* functions); a test or a tool may keep its own and hand
// it to an engine context.
#pragma once

#include "core/EngineStatus.h"

#include <atomic>
#include <string>

class CEngineState
{
public:
    /// The defaults of an initialised engine with one worker.
    CEngineState();
    CEngineState(const CEngineState&) = delete;
    CEngineState& operator=(const CEngineState&) = delete;

    /// Copies the texture directory, clamps the worker count to 1..64, stores the screen size,
    /// and resets every other setting to its default.
    void Init(const std::string& textureDir, int idealThreadCount, int screenWidth, int screenHeight);

    int ThreadCount() const { return m_iThreadCount; }
    /// Clamped to 1..64.
    void SetThreadCount(int count);
    const std::string& TextureDir() const { return m_sTextureDir; }
    int ScreenWidth() const { return m_iScreenWidth; }
    int ScreenHeight() const { return m_iScreenHeight; }

    /// 1 selects the processor; 2 and 3 fall back to what has memory; other values change nothing.
    void SetCalcMode(int mode);
    int CalcMode() const { return m_iCalcMode; }
    void SetCalcForceMode(int mode) { m_iForceMode = mode; }
    int CalcForceMode() const { return m_iForceMode; }
    void SetMaxMemAllocSize(int mode, double bytes);
    double MaxMemAllocSize(int mode) const;

    /// Values below 1 become 250.
    void SetProgressDelay(int milliseconds);
    int ProgressDelay() const { return m_iProgressDelayMs; }
    int VideoModulo() const { return m_iVideoModulo; }

    /// Stores the weights divided by their sum (as given when the sum is not positive).
    void SetLumWeights(float r, float g, float b);
    void LumWeights(float& r, float& g, float& b) const;

    // Flags read by worker tasks and set from other threads.
    std::atomic<bool> bLogging{true};
    std::atomic<bool> bVideoMode{false};
    std::atomic<bool> bAbort{false};
    std::atomic<bool> bCalcRunning{false};
    std::atomic<int> iPlayback{0};
    std::atomic<int> iBrowser{0};
    std::atomic<bool> bStopRequest{false};

private:
    int m_iCalcMode = MP_CALCMODE_NONE;
    int m_iForceMode = MP_CALCMODE_NONE;
    double m_adMaxAlloc[4] = {0.0, 0.0, 0.0, 0.0};
    int m_iThreadCount = 1;
    int m_iScreenWidth = 0;
    int m_iScreenHeight = 0;
    std::string m_sTextureDir;
    float m_afLumWeights[3] = {0.3333f, 0.3334f, 0.3333f};
    int m_iProgressDelayMs = 250;
    int m_iVideoModulo = 2;
};

/// The application's engine state, the one the MP_UI_* functions read and set.
CEngineState& MP_ApplicationState();

/// Initialises the application's state, starts the engine timer, writes the two start lines and
/// builds the lookup tables.
void MP_UI_InitEngine(const std::string& textureDir, int idealThreadCount, int screenWidth,
                      int screenHeight);
/// Frees the engine's image slots.
void MP_UI_ReleaseEngine();

int MP_UI_GetThreadCount();
/// Sets the worker count (clamped to 1..64) without touching other settings.
void MP_UI_SetThreadCount(int count);
const std::string& MP_UI_GetTextureDir();
int MP_UI_GetScreenWidth();
int MP_UI_GetScreenHeight();

void MP_UI_SetCalcMode(int mode);
int MP_UI_GetCalcMode();
void MP_UI_SetCalcForceMode(int mode);
int MP_UI_GetCalcForceMode();
void MP_UI_SetMaxMemAllocSize(int mode, double bytes);
double MP_UI_GetMaxMemAllocSize(int mode);
/// Megapixels that fit the mode's maximum allocation at 12 bytes per pixel.
double MP_UI_GetMaxPictureSize(int mode);

void MP_UI_SetProgressBarUpdateDelayTime(int milliseconds);
int MP_UI_GetProgressBarUpdateDelayTime();
int MP_UI_GetVideoResolutionModulo();

void MP_UI_SetLogging(bool on);
bool MP_UI_GetLogging();
void MP_UI_SetVideoMode(bool on);
bool MP_UI_GetVideoMode();
void MP_UI_SetAbort(bool on);
bool MP_UI_GetAbort();
void MP_UI_SetCalcRunning(bool on);
bool MP_UI_GetCalcRunning();

void MP_UI_SetLumWeights(float r, float g, float b);
void MP_UI_GetLumWeights(float& r, float& g, float& b);
/// Preset 1: equal weights, 2: 0.2125/0.7154/0.0721, 3: 0.299/0.587/0.114; false otherwise.
bool MP_UI_GetLumPreset(int preset, float& r, float& g, float& b);

void MP_UI_SetPlaybackMode(int on);
int MP_UI_GetPlaybackMode();
void MP_UI_SetBrowserMode(int count);
int MP_UI_GetBrowserMode();
void MP_UI_SetStopRequest(bool on);
bool MP_UI_GetStopRequest();

/// Output size for video: each dimension reduced to a multiple of the modulo.
int MP_VideoOutputDimension(int dimension);
/// True when an output of this size is taken by cropping the working image at its top-left
/// corner rather than rescaling it (it differs by less than the modulo in both directions).
bool MP_VideoOutputIsCrop(int workWidth, int workHeight, int outWidth, int outHeight);
