// Counting a picture for the scopes: Rec. 709 luma and chroma of packed 16-bit RGB, binned into
// the grids of the waveforms and the vectorscope and into the histogram's 256 levels.
#pragma once

#include "scopes/ScopeTypes.h"

#include <QPointF>

/// Rec. 709 luma (0.2126, 0.7152, 0.0722) of 16-bit RGB, rounded; 65535 grey stays 65535.
inline uint32_t ScopeLuma(uint32_t r, uint32_t g, uint32_t b)
{
    // Weights in 1/65536 that add up to exactly 65536.
    return (13933 * r + 46871 * g + 4732 * b + 32768) >> 16;
}

/// Row of a level 0…65535 in a waveform grid of `rows` rows: 65535 in row 0, 0 in the last row.
inline int ScopeWaveformRow(uint32_t level, int rows)
{
    return int(((65535 - level) * uint32_t(rows - 1) + 32767) / 65535);
}

/// Rec. 709 Cb and Cr (each −0.5…0.5) of an RGB colour given as fractions 0…1.
QPointF ScopeChroma(double r, double g, double b);
/// Where a chroma falls on a side × side vectorscope grid: Cb −0.5…0.5 from the left to the
/// right column, Cr 0.5…−0.5 from the top to the bottom row (cell centres, not rounded).
QPointF ScopeChromaCell(QPointF chroma, int side);

/// Counts `pixels` (packed 16-bit RGB) for `kind` into `counts`: waveform and parade grids of
/// columns × rows (picture column x counts in grid columns x × columns ÷ width up to, not
/// including, (x + 1) × columns ÷ width, so a picture narrower than the grid still fills it), a
/// columns × columns vectorscope grid, or the histogram's 256 levels. The rows are split into `bands`
/// bands over the worker threads; the counts do not depend on the band count.
void CountScope(const uint16_t* pixels, int width, int height, EScopeKind kind, int columns, int rows, int bands,
                SScopeCounts& counts);
