// What a scope is asked for and what it returns: the kinds, their settings, and the scope picture
// with the counts it was drawn from.
#pragma once

#include "core/ImageBuffer.h"

#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

enum EScopeKind
{
    eSK_WAVEFORM,    // Rec. 709 luma of each picture column: 0 % at the bottom, 100 % at the top
    eSK_PARADE,      // the red, green and blue waveforms side by side
    eSK_VECTORSCOPE, // Rec. 709 Cb to the right, Cr upwards
    eSK_HISTOGRAM,   // 256 levels of red, green, blue and luma
};
constexpr int kScopeKindCount = 4;

/// Smallest and largest side of a scope picture in pixels.
constexpr int kMinScopeSide = 32;
constexpr int kMaxScopeSide = 2048; // a vectorscope grid of 2048² counts takes 16 MiB
/// Range of the density gain.
constexpr float kMinScopeGain = 0.1f;
constexpr float kMaxScopeGain = 10.0f;

struct SScopeSettings
{
    EScopeKind eKind = eSK_WAVEFORM;
    QSize size{640, 360};      // of the whole picture, graticule labels included
    float fGain = 1.0f;        // density display of waveform, parade and vectorscope: above 1 brighter
    bool bLogarithmic = false; // histogram heights on a logarithmic scale

    bool operator==(const SScopeSettings&) const = default;
};

/// The counts a scope is drawn from. Waveform, parade and vectorscope count pixels per cell of a
/// grid that covers their plot area pixel for pixel (row 0 at the top: 100 % for the waveforms,
/// Cr = +0.5 for the vectorscope); the histogram counts 256 levels per channel in one row.
struct SScopeCounts
{
    int iColumns = 0, iRows = 0; // of every grid
    /// Row-major grids. Waveform: luma; parade: red, green, blue; vectorscope: one; histogram:
    /// red, green, blue, luma.
    std::vector<std::vector<uint32_t>> grids;
    uint64_t iPixels = 0; // pixels of the picture counted (a picture narrower than a waveform grid
                          // counts each pixel in every grid column it covers)
};

struct SScope
{
    SScopeSettings settings;
    /// 16-bit RGB of settings.size; an 8-bit picture is its high bytes (MP_MT_RGB48ToRGB24).
    Helper::CRGB48Buffer picture;
    /// Where each grid is drawn: cell (x, y) of grid i at areas[i].topLeft() + (x, y). The
    /// histogram has one area, its plot, with the 256 levels spread over its width.
    std::vector<QRect> areas;
    SScopeCounts counts;
};

/// The gain acts on the density kinds, the logarithmic choice on the histogram.
inline bool ScopeUsesGain(EScopeKind kind)
{
    return kind != eSK_HISTOGRAM;
}
inline bool ScopeUsesScale(EScopeKind kind)
{
    return kind == eSK_HISTOGRAM;
}
