// The two engine calls on a lattice: baking the fourteen parameters into a second lattice, and
// applying a lattice to a 16-bit RGB image in place. Both split their work over the engine's
// workers and print their timing line when the engine's logging is on.
#pragma once

#include "lut/LutLattice.h"

#include <cstdint>

/// Bakes the parameters p0…p13 (table order, each 0…1) into all N³ triples of `destination`.
/// `source` and `destination` are distinct arrays of at least N³ triples. Sizes outside 2…64 and
/// null pointers do nothing. No non-finite value reaches the destination: every triple is clamped
/// to 0…1 with NaN becoming 0.
void MP_calcLUTtoLUTCalc(int size, const float* source, float* destination, float p0, float p1,
                         float p2, float p3, float p4, float p5, float p6, float p7, float p8,
                         float p9, float p10, float p11, float p12, float p13);
void MP_calcLUTtoLUTCalc(int size, const float* source, float* destination, const LutParameters& p);

/// How a lookup between lattice points is weighed: eight corners (the default), or the four
/// corners of the tetrahedron around the point, which keeps the grey axis a straight line.
enum ELutInterpolation
{
    eLI_TRILINEAR,
    eLI_TETRAHEDRAL,
};

/// Rewrites every pixel of a width × height 16-bit RGB image (rows packed) with the trilinear
/// lookup in an N-point lattice of N³ triples (exactly that many are read). With a layer mode > 0
/// the looked-up colour is the base and the incoming pixel the layer of that blend mode. Sizes
/// outside 2…64, empty images and null pointers do nothing. Not re-entrant: one call at a time.
void MP_calcLUTtoImage(int width, int height, int size, const float* lattice, int layerMode,
                       uint16_t* pixels);
/// The same with the interpolation chosen; eLI_TRILINEAR is exactly the call above.
void MP_calcLUTtoImage(int width, int height, int size, const float* lattice, int layerMode,
                       uint16_t* pixels, ELutInterpolation interpolation);
