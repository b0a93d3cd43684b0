#include "engine/RunKernel.h"

#include "core/OpenCLManager.h"
#include "core/Progress.h"
#include "core/Timing.h"
#include "engine/EngineContext.h"
#include "engine/KernelRegistry.h"
#include "engine/LayerFrame.h"
#include "engine/Spline.h"

#include <QString>

#include <cstring>
#include <new>
#include <string_view>
#include <vector>

namespace
{
const SKernelEntry* FindExact(const char* name)
{
    const SKernelEntry* entry = name ? MP_FindKernel(name) : nullptr;
    return entry && std::string_view(entry->pszName) == name ? entry : nullptr;
}

int Fallback(const CEngineState& state, int mode)
{
    if (mode == MP_CALCMODE_OPENCL_GPU && !(state.MaxMemAllocSize(MP_CALCMODE_OPENCL_GPU) > 0.0))
        mode = MP_CALCMODE_OPENCL_CPU;
    if (mode == MP_CALCMODE_OPENCL_CPU && !(state.MaxMemAllocSize(MP_CALCMODE_OPENCL_CPU) > 0.0))
        mode = MP_CALCMODE_CPU;
    return mode;
}
}  // namespace

void MP_FillKernelHeader(const SKernelEntry& entry, Params& p, int width, int height)
{
    p.geometry_needed = 0;
    p.geometry_addam = p.geometry_subam = 0;
    if (entry.sets.iGeo >= 0 && entry.sets.iGeo < MP_PARAM_SETS)
    {
        const float* geo = p.p[entry.sets.iGeo];
        p.geometry_needed = MP_GeometryShapesInUse(geo);
        for (int i = 0; i < p.geometry_needed; ++i)
        {
            if (geo[8 * i] == 0.0f)
                continue;
            if (geo[8 * i] == 1.0f)
                p.geometry_addidx[p.geometry_addam++] = i;
            else
                p.geometry_subidx[p.geometry_subam++] = i;
        }
    }
    if (entry.sets.iCurve >= 0 && entry.sets.iCurve < MP_PARAM_SETS)
        MP_SplineCoefficients(p.p[entry.sets.iCurve], p);
    const SEngineSettings& s = MP_Engine(p).Settings();
    p.panoramamode = s.iPanoramaMode;
    p.width = width;
    p.height = height;
    p.y_offset = 0;
    p.tmedgeprotectexp = s.fTMEdgeProtectExp;
    p.tmedgeprotectmul = s.fTMEdgeProtectMul;
    p.unit_kernel_multiplier = s.fUnitKernelMultiplier;
    p.anim_count = s.fAnimCount;
    p.gpu_loopstep_mulitplier = p.cpu_loopstep_mulitplier = 17.5f * entry.fRadiusFactor * s.fRadius;
}

SKernelPlan MP_PlanKernel(const SKernelEntry& entry, const Params& params, int width, int height)
{
    SKernelPlan plan;
    int tableBorder = MP_BorderRows(entry.border, params);
    if (tableBorder < 1)
        tableBorder = 1;
    const float border = float(tableBorder) * params.unit_kernel_multiplier;
    plan.iBorder = border >= 1.0f ? (border < 1.0e6f ? int(border) : 1000000) : 1;

    const CEngineContext& engine = MP_Engine(params);
    const CEngineState& state = engine.State();
    const bool processorOnly = entry.Has(eKF_CPU_ONLY);
    int mode = MP_CALCMODE_CPU;
    if (int64_t(width) * height <= 715827881 && !processorOnly)
    {
        const double need = 12.0 * (tableBorder + 250) * 2.0 * width;
        if (state.MaxMemAllocSize(MP_CALCMODE_OPENCL_CPU) > need)
            mode = MP_CALCMODE_OPENCL_CPU;
        if (state.MaxMemAllocSize(MP_CALCMODE_OPENCL_GPU) > need)
            mode = MP_CALCMODE_OPENCL_GPU;
        mode = Fallback(state, mode);
    }
    const int forced = engine.ForceMode();
    if (forced != MP_CALCMODE_NONE && !processorOnly)
        mode = Fallback(state, forced);
    // The speed comparison at start-up may have found the processor faster for this kernel;
    // a kernel without a device version always runs on the processor.
    const OpenCLManager* device = engine.OpenCL();
    if ((entry.Has(eKF_SPEED_TESTED) && device && device->ForceCPU(QString::fromLatin1(entry.SpeedResultName()))) ||
        !entry.pszOpenCL)
        mode = MP_CALCMODE_CPU;
    plan.iMode = mode;

    const double memory = state.MaxMemAllocSize(mode);
    plan.bWhole = height < plan.iBorder + MP_STRIPE_ROWS || entry.Has(eKF_WHOLE_IMAGE) ||
                  0.9 * memory > 12.0 * double(width) * double(height) || mode == MP_CALCMODE_CPU;
    return plan;
}

int RunKernel(const char* name, int width, int height, const uint16_t* source, uint16_t* target,
              int sourceStride, int targetStride, Params* params, int progressChannel,
              float progressBase, float progressSpan, bool /*upload*/, bool /*download*/)
{
    if (!params || !params->pEngine)
        return MP_ZEROPOINTER;
    const CEngineContext& engine = *params->pEngine;
    if (engine.AbortRequested())
        return MP_SUCCESS;
    const double start = MP_TimeStamp();
    const SKernelEntry* entry = FindExact(name);
    if (!entry)
    {
        engine.Log("RunKernel: unknown kernel %s \r\n", name ? name : "(null)");
        return MP_UNKNOWNKERNEL;
    }
    if (!MP_HasEffect(entry->pszName, *params))
        return MP_SUCCESS;
    MP_FillKernelHeader(*entry, *params, width, height);
    const SKernelPlan plan = MP_PlanKernel(*entry, *params, width, height);

    int status = MP_SUCCESS;
    if (!source || !target)
        status = MP_ZEROPOINTER;
    else if (width < 1 || height < 1)
        status = MP_NORESOLUTION;
    else if (entry->Has(eKF_POINT) || entry->Has(eKF_MASK))
        status = entry->pFunction(width, height, source, target, sourceStride, targetStride, params);
    else
    {
        // The layer frame runs after the kernel, against the input as it was.
        const SLayerFrame frame = MP_PrepareFrame(*entry, *params);
        std::vector<uint16_t> before;
        const uint16_t* c0 = source;
        int c0Stride = sourceStride;
        if (!frame.IsPlain() && source == target)
        {
            try
            {
                before.assign(source, source + size_t(width) * height * size_t(sourceStride / 2));
            }
            catch (const std::bad_alloc&)
            {
                return MP_OUTOFMEMORY;
            }
            c0 = before.data();
        }
        status = entry->pFunction(width, height, source, target, sourceStride, targetStride, params);
        if (status == MP_SUCCESS && !engine.AbortRequested())
            MP_ApplyLayerFrame(frame, width, height, c0, c0Stride, target, targetStride);
    }
    if (progressChannel >= 0)
        MP_Progress(progressChannel, progressBase + progressSpan);
    engine.Log("%11.4f ms %s/%s/%s(%d,%d),Err:%d\r\n", MP_ElapsedMs(start), entry->pszName,
           MP_CalcModeName(plan.iMode), plan.bWhole ? "komplett" : "zerlegt", plan.iBorder,
           MP_STRIPE_ROWS, status);
    return status;
}
