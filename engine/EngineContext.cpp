#include "engine/EngineContext.h"

#include "core/OpenCLManager.h"
#include "core/Timing.h"
#include "core/WorkerSplit.h"

#include <cstdarg>

CEngineContext::CEngineContext() : m_state(MP_ApplicationState()), m_pOpenCL(&g_OpenCLManager) {}

CEngineContext::CEngineContext(CEngineState& state, const OpenCLManager* device) : m_state(state), m_pOpenCL(device)
{
}

CEngineContext::~CEngineContext() = default;

int CEngineContext::Workers(int64_t pixels) const
{
    return MP_MT_CapFullImageWorkers(m_state.ThreadCount(), pixels);
}

void CEngineContext::ForceProcessorForRun()
{
    m_iRunForceMode = MP_CALCMODE_CPU;
}

void CEngineContext::Log(const char* format, ...) const
{
    if (!Logging())
        return;
    va_list args;
    va_start(args, format);
    MP_VLog(format, args);
    va_end(args);
}

void CEngineContext::LogMs(double stamp, const char* name) const
{
    Log("%11.4f ms %s \r\n", MP_ElapsedMs(stamp), name);
}
