// Smoothing operators: the aura glow.
#include "engine/PointKernel.h"
#include "engine/kernels/Neighbourhood.h"

#include <cstdint>
#include <span>
#include <vector>

namespace
{
// ---------------------------------------------------------------------------------------------
// MP_calcPixelGaussAura — sets: 0 radius (× 100 pixels at full size), 1 glow (the blurred image
// screened over the picture), 2 softness (the blurred image mixed in), 3 combo, 4 geometry.
constexpr SSetLayout kAuraSets{-1, eCR_NONE, 3, 4};

bool AuraHasEffect(const Params& p)
{
    return MP_ScaledRadius(p.p[0][0], 100.0f, p.previewscalingfactor) >= 1 &&
           (p.p[1][0] > 0.001f || p.p[2][0] > 0.001f);
}
}  // namespace

int MP_calcPixelGaussAura(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const int radius = MP_ScaledRadius(p->p[0][0], 100.0f, p->previewscalingfactor);
    const float glow = MP_Clamp01(p->p[1][0]), soft = MP_Clamp01(p->p[2][0]);
    const CStableSource in(w, h, src, ss, dst);
    std::vector<float> planes = MP_ToPlanes(in.Data(), w, h);
    const size_t n = size_t(w) * h;
    std::vector<float> blurred(planes);
    for (int c = 0; c < 3; ++c)
    {
        std::vector<float> plane(blurred.begin() + c * n, blurred.begin() + (c + 1) * n);
        MP_GaussLikeBlur(*p, plane, w, h, std::max(1, radius / 3));
        std::copy(plane.begin(), plane.end(), blurred.begin() + c * n);
    }
    const int step = ts / 2;
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            for (int x = 0; x < w; ++x)
            {
                const size_t i = size_t(y) * w + x;
                for (int c = 0; c < 3; ++c)
                {
                    const float b = blurred[c * n + i];
                    const float mixed = planes[c * n + i] * (1.0f - soft) + b * soft;
                    const float v = 1.0f - (1.0f - mixed) * (1.0f - b * glow);
                    dst[i * step + c] = MP_RoundLevel(v);
                }
            }
    });
    return MP_SUCCESS;
}

namespace
{
const SKernelEntry kSmoothKernels[] = {
    // name + function                  border            flags         reads           CL       effect test    sets
    {MP_KERNEL(MP_calcPixelGaussAura),  SBorder::Rows(0), eKF_CPU_ONLY, eIN_NEIGHBOURS, nullptr, AuraHasEffect, kAuraSets},
};
}  // namespace

std::span<const SKernelEntry> SmoothKernels()
{
    return kSmoothKernels;
}
