// The engine settings that fill the header of the call record and steer the chain; each engine
// context keeps its own.
#pragma once

struct SEngineSettings
{
    int iLoopStep = 2;                 // calculation quality (1 maximal … 4 low)
    float fKernelExponent = 2.0f;      // 2: round footprints
    float fRadius = 1.0f;              // the radius setting behind the loopstep multipliers
    float fUnitKernelMultiplier = 1.0f;
    float fTMEdgeProtectExp = 1.0f;
    float fTMEdgeProtectMul = 1.0f;
    float fAnimCount = 0.0f;
    int iPanoramaMode = 0;             // 1 when the working image is a 360° panorama
    float fLuminanceSmoothing = 0.0f;  // > 0: the tone curve reads a smoothed luminance
};
