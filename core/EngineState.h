// The process-wide engine state and its setters: calculation modes, memory limits, flags,
// luminance weights, progress delay and the video resolution modulo.
#pragma once

#include "core/EngineStatus.h"

#include <string>

/// Copies the texture directory, clamps the worker count to 1..64, stores the screen size,
/// starts the engine timer, resets every setting to its default and builds the lookup tables.
void MP_UI_InitEngine(const std::string& textureDir, int idealThreadCount, int screenWidth,
                      int screenHeight);
/// Frees the engine's temporary buffers and all image slots.
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
