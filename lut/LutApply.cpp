// The lattice application: one trilinear lookup per pixel, rows split over the workers.
#include "lut/LutEngine.h"

#include "core/EngineState.h"
#include "core/Timing.h"
#include "core/WorkerSplit.h"
#include "lut/LutApplyRows.h"

#include <vector>

namespace
{
// Engine-wide copy of the lattice padded to four floats per point, kept between calls so that
// applying to frame after frame allocates nothing once the largest lattice has been seen.
std::vector<float>& PaddedLattice()
{
    static std::vector<float> padded;
    return padded;
}
}  // namespace

void MP_calcLUTtoImage(int width, int height, int size, const float* lattice, int layerMode,
                       uint16_t* pixels)
{
    MP_calcLUTtoImage(width, height, size, lattice, layerMode, pixels, eLI_TRILINEAR);
}

void MP_calcLUTtoImage(int width, int height, int size, const float* lattice, int layerMode,
                       uint16_t* pixels, ELutInterpolation interpolation)
{
    if (!lattice || !pixels || width < 1 || height < 1 || !LutLattice::IsValidSize(size))
        return;
    const double stamp = MP_TimeStamp();
    SLutApplyRows lut;
    lut.pLattice = lattice;
    lut.iSize = size;
    lut.iLayerMode = layerMode;
    const MP_LutApplyRow row =
        interpolation == eLI_TETRAHEDRAL ? MP_LUTApplyRowTetrahedralFunction() : MP_LUTApplyRowFunction();
    if (row != MP_LUTApplyRowScalar && row != MP_LUTApplyRowTetrahedral)
    {
        std::vector<float>& padded = PaddedLattice();
        const size_t floats = size_t(size) * size * size * 4;
        if (padded.size() < floats)
            padded.resize(floats);
        MP_LUTPadLattice(lattice, size, padded.data());
        lut.pPadded = padded.data();
    }
    const int bands = MP_MT_CapFullImageWorkers(MP_UI_GetThreadCount(), int64_t(width) * height);
    MP_MT_ForBands(height, bands, [&](const TaskFuncParams& t) {
        for (int y = t.iRowBegin; y < t.iRowEnd; ++y)
            row(lut, pixels + size_t(y) * width * 3, width);
    });
    MP_LogMs(stamp, "MP_calcLUTtoImage");
}
