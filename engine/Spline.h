// The natural cubic spline through the six points of an eSPLINE set (masking and tone curves),
// its coefficients in the call record and its 65536-entry tables.
#pragma once

#include <cstdint>

struct Params;

/// Coefficients of the spline through the 12 values (x at even, y at odd indices; the first and
/// last x are replaced by −0.01 and 1.01). Arrays are 1-based with 7 entries.
void MP_SplineCoefficients(const float* values, float* a, float* b, float* c, float* d, float* xp);
void MP_SplineCoefficients(const float* values, Params& params);

/// The curve at x, clamped to 0…1.
float MP_SplineEval(const float* a, const float* b, const float* c, const float* d,
                    const float* xp, float x);

/// table[i] = curve(i ÷ 65535) for i = 0…65535.
void MP_SplineTable(const float* values, float* table);

/// True when all six y values are 1 (the default masking curve: full strength everywhere).
bool MP_SplineIsFlatOne(const float* values);
