// Everything an engine run reads and writes besides its image: the engine state it follows
// (modes, device limits, workers, luminance weights, flags), its settings, the selection mask,
// the level tables and the two working images. Each user of the engine (the session behind the
// preview, an export, a tool, a test) owns its own context, so their runs never share buffers.
// The chain hands it to every kernel in the call record (Params::pEngine).
#pragma once

#include "core/EngineState.h"
#include "engine/EngineSettings.h"
#include "engine/LevelTables.h"
#include "engine/MaskPlanes.h"
#include "engine/Params.h"
#include "engine/WorkingSlots.h"

#include <cstdint>

class OpenCLManager;

class CEngineContext
{
public:
    /// Follows the application's engine state and OpenCL device.
    CEngineContext();
    /// Follows `state` (which must outlive the context) and the kernel preferences of `device`
    /// (none when null).
    explicit CEngineContext(CEngineState& state, const OpenCLManager* device = nullptr);
    ~CEngineContext();
    CEngineContext(const CEngineContext&) = delete;
    CEngineContext& operator=(const CEngineContext&) = delete;

    CEngineState& State() const { return m_state; }
    SEngineSettings& Settings() { return m_settings; }
    const SEngineSettings& Settings() const { return m_settings; }
    CMaskPlane& Mask() { return m_mask; }
    CLevelTables& LevelTables() { return m_levelTables; }
    CWorkingSlots& Slots() { return m_slots; }
    /// The OpenCL device manager whose kernel preferences apply; null for none.
    const OpenCLManager* OpenCL() const { return m_pOpenCL; }

    /// Worker bands for an operation over `pixels` pixels (the full-image caps).
    int Workers(int64_t pixels) const;
    bool AbortRequested() const { return m_state.bAbort.load(std::memory_order_relaxed); }

    /// The forced calculation mode of the current run: the state's, or the processor once a
    /// mask operator ran (ForceProcessorForRun); EndRun goes back to the state's.
    int ForceMode() const { return m_iRunForceMode >= 0 ? m_iRunForceMode : m_state.CalcForceMode(); }
    void ForceProcessorForRun();
    void EndRun() { m_iRunForceMode = -1; }

    /// Silences this context's engine lines (thumbnail runs, playback) without touching the
    /// state other users follow.
    void SetQuiet(bool quiet) { m_bQuiet = quiet; }
    bool Logging() const { return !m_bQuiet && m_state.bLogging; }
    /// printf-style engine line, written only while Logging().
    void Log(const char* format, ...) const __attribute__((format(printf, 2, 3)));
    /// "%11.4f ms <name> \r\n" with the milliseconds since `stamp`.
    void LogMs(double stamp, const char* name) const;

private:
    CEngineState& m_state;
    const OpenCLManager* m_pOpenCL = nullptr;
    SEngineSettings m_settings;
    CMaskPlane m_mask;
    CLevelTables m_levelTables;
    CWorkingSlots m_slots;
    int m_iRunForceMode = -1;
    bool m_bQuiet = false;
};

/// The context a kernel runs in (the call record carries it).
inline CEngineContext& MP_Engine(const Params& params)
{
    return *params.pEngine;
}

/// Worker bands of a kernel over a width × height image.
inline int MP_KernelWorkers(const Params& params, int width, int height)
{
    return MP_Engine(params).Workers(int64_t(width) * height);
}

/// The level table of `kind` for `key` from the kernel's context (see CLevelTables::Get).
template <class Fill>
const SLevelTable* MP_LevelTable(const Params& params, uint32_t kind, std::initializer_list<float> key,
                                 const Fill& fill)
{
    CEngineContext& engine = MP_Engine(params);
    return engine.LevelTables().Get(kind, key, engine.State().ThreadCount(), engine.State().bAbort, fill);
}
