// Row functions of the lattice application: the scalar reference, which reads the packed
// three-float lattice, and its SSE4.1 and AVX2 twins, which read a copy padded to four floats per
// point and interpolate the three channels together. All give the same 16-bit words.
#pragma once

#include <cstdint>

struct SLutApplyRows
{
    const float* pLattice = nullptr; // N³ triples, red fastest
    const float* pPadded = nullptr;  // N³ quadruples (r, g, b, 0) for the vector rows
    int iSize = 0;                   // N, 2…64
    int iLayerMode = 0;              // blend mode; ≤ 0 keeps the looked-up colour
};

using MP_LutApplyRow = void (*)(const SLutApplyRows& lut, uint16_t* pixels, int count);

/// Rewrites `count` RGB pixels in place.
void MP_LUTApplyRowScalar(const SLutApplyRows& lut, uint16_t* pixels, int count);
void MP_LUTApplyRowSSE41(const SLutApplyRows& lut, uint16_t* pixels, int count);
void MP_LUTApplyRowAVX2(const SLutApplyRows& lut, uint16_t* pixels, int count);
/// The tetrahedral lookup: the scalar reference on the packed lattice, its SSE4.1 twin on the
/// padded one (same words).
void MP_LUTApplyRowTetrahedral(const SLutApplyRows& lut, uint16_t* pixels, int count);
void MP_LUTApplyRowTetrahedralSSE41(const SLutApplyRows& lut, uint16_t* pixels, int count);
/// The fastest row function this processor runs.
MP_LutApplyRow MP_LUTApplyRowFunction();
MP_LutApplyRow MP_LUTApplyRowTetrahedralFunction();
/// Copies N³ triples into N³ quadruples with a zero fourth float.
void MP_LUTPadLattice(const float* lattice, int n, float* padded);
