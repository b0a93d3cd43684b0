// Smooth displacements: the warp that pushes the picture around a point, and the liquify that
// lets it flow along a smooth noise field. Each output pixel reads the source bilinearly at its
// own position minus the displacement there.
#include "engine/kernels/smooth/SmoothShared.h"

#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

namespace
{
/// Fills every target pixel from the source at (x, y) − displacement(x, y); y counts image rows.
template <class Displacement>
int Displace(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, const Params* p,
             const Displacement& displacement)
{
    const CStableSource in(w, h, src, ss, dst);
    const std::vector<float> rgb = Smooth::ToFloatRgb(in.Data(), w, h);
    const Smooth::CBilinear sample(rgb.data(), w, h);
    const int step = ts / 2;
    MP_MT_ForBands(h, MP_KernelWorkers(*p, w, h), [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            for (int x = 0; x < w; ++x)
            {
                float dx = 0.0f, dy = 0.0f, v[3];
                displacement(float(x), float(y + p->y_offset), dx, dy);
                sample.At(float(x) - dx, float(y) - dy, v);
                uint16_t* out = dst + (size_t(y) * w + x) * step;
                out[0] = MP_RoundLevel(v[0]), out[1] = MP_RoundLevel(v[1]), out[2] = MP_RoundLevel(v[2]);
            }
    });
    return MP_SUCCESS;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelWarp — sets: 0 push (× 250 pixels at full size), 1 centre, 2 radius of influence
// (fraction of the shorter side), 3 direction (0…360°, 0 to the right, 90 down), 4 combo,
// 5 geometry. The picture around the centre is pushed in the direction; the push fades as
// (1 − d²)² to the edge of the influence. Its steepest slope is 1.54 × push ÷ radius, so a push
// of at most 0.6 × radius never folds the picture over itself.
constexpr SSetLayout kWarpSets{-1, eCR_NONE, 4, 5};

bool WarpHasEffect(const Params& p)
{
    return p.p[0][0] > 0.001f && p.p[2][0] > 0.001f;
}

// ---------------------------------------------------------------------------------------------
// MP_calcPixelFluidKirlian — sets: 0 strength (× 25 pixels at full size), 1 structure size
// (10…400 pixels at full size), 2 combo, 3 geometry. The displacement is smooth value noise,
// seeded and fixed; in a video it drifts with the engine's animation counter.
constexpr SSetLayout kFluidSets{-1, eCR_NONE, 2, 3};

bool FluidHasEffect(const Params& p)
{
    return MP_Clamp01(p.p[0][0]) * 25.0f * Smooth::PreviewScale(p) >= 0.05f;
}

float Lattice(int x, int y, uint32_t seed)
{
    uint32_t h = uint32_t(x) * 0x27d4eb2du ^ uint32_t(y) * 0x165667b1u ^ seed;
    h ^= h >> 15;
    h *= 0x85ebca6bu;
    h ^= h >> 13;
    h *= 0xc2b2ae35u;
    h ^= h >> 16;
    return float(h >> 8) * (2.0f / 16777216.0f) - 1.0f; // −1…1
}

/// Value noise with smoothstep weights: continuous with a continuous slope.
float SmoothNoise(float x, float y, uint32_t seed)
{
    const float fx0 = std::floor(x), fy0 = std::floor(y);
    const int ix = int(fx0), iy = int(fy0);
    float fx = x - fx0, fy = y - fy0;
    fx = fx * fx * (3.0f - 2.0f * fx), fy = fy * fy * (3.0f - 2.0f * fy);
    const float top = Lattice(ix, iy, seed) + (Lattice(ix + 1, iy, seed) - Lattice(ix, iy, seed)) * fx;
    const float bottom = Lattice(ix, iy + 1, seed) + (Lattice(ix + 1, iy + 1, seed) - Lattice(ix, iy + 1, seed)) * fx;
    return top + (bottom - top) * fy;
}
}  // namespace

int MP_calcPixelWarp(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float W = float(p->width > 0 ? p->width : w), H = float(p->height > 0 ? p->height : h);
    const float cx = MP_Clamp01(p->p[1][0]) * W, cy = MP_Clamp01(p->p[1][1]) * H;
    const float radius = std::fmax(MP_Clamp01(p->p[2][0]) * std::fmin(W, H), 1.0f);
    const float push = std::fmin(MP_Clamp01(p->p[0][0]) * 250.0f * Smooth::PreviewScale(*p), 0.6f * radius);
    const float angle = MP_Clamp01(p->p[3][0]) * 2.0f * 3.14159265f;
    const float ux = std::cos(angle) * push, uy = std::sin(angle) * push;
    return Displace(w, h, src, dst, ss, ts, p, [&](float x, float y, float& dx, float& dy) {
        const float ex = (x - cx) / radius, ey = (y - cy) / radius;
        const float d2 = ex * ex + ey * ey;
        const float fade = d2 < 1.0f ? (1.0f - d2) * (1.0f - d2) : 0.0f;
        dx = ux * fade, dy = uy * fade;
    });
}

int MP_calcPixelFluidKirlian(int w, int h, const uint16_t* src, uint16_t* dst, int ss, int ts, Params* p)
{
    if (const int status = MP_CheckKernelArgs(w, h, src, dst, p))
        return status;
    const float scale = Smooth::PreviewScale(*p);
    const float amplitude = MP_Clamp01(p->p[0][0]) * 25.0f * scale;
    const float cell = (10.0f + MP_Clamp01(p->p[1][0]) * 390.0f) * scale;
    // The animation counter moves the field by a twentieth of a cell per frame.
    const float drift = std::isfinite(p->anim_count) ? std::fmod(p->anim_count * 0.05f, 4096.0f) : 0.0f;
    return Displace(w, h, src, dst, ss, ts, p, [&](float x, float y, float& dx, float& dy) {
        const float nx = x / cell + drift, ny = y / cell;
        dx = SmoothNoise(nx, ny, 0x9e3779b9u) * amplitude;
        dy = SmoothNoise(nx, ny, 0x7f4a7c15u) * amplitude;
    });
}

namespace
{
const SKernelEntry kSmoothWarpKernels[] = {
    // name + function                    border                          flags                          reads           CL       effect test     sets
    {MP_KERNEL(MP_calcPixelWarp),         SBorder::FromP00(500, 1, true), eKF_WHOLE_IMAGE,               eIN_NEIGHBOURS, nullptr, WarpHasEffect,  kWarpSets},
    {MP_KERNEL(MP_calcPixelFluidKirlian), SBorder::Scaled(25),            eKF_CPU_ONLY | eKF_WHOLE_IMAGE, eIN_NEIGHBOURS, nullptr, FluidHasEffect, kFluidSets},
};
}  // namespace

std::span<const SKernelEntry> SmoothWarpKernels()
{
    return kSmoothWarpKernels;
}
