// Deriving a lattice from a reference picture: per-channel tone curves pulled 40 % toward the
// picture's distribution, optionally desaturating the hues the picture hardly holds; plus the
// picture loading and the previous/next picture in its folder.
#pragma once

#include "core/ImageBuffer.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

class CLutState;

namespace LutFromPicture
{
constexpr int kHueBins = 360;
constexpr int kSmoothRadius = 60;
/// The side of the square the panel scales every reference picture to.
constexpr int kPictureSide = 1000;

/// How a pixel's saturation weighs into the hue histogram: the panel uses S^0.1 (every coloured
/// pixel counts almost fully), the colour-harmony operator S itself.
enum EHueWeight
{
    eHW_SATURATION,
    eHW_SATURATION_POW_0_1,
};

/// Cumulative counts per channel: C(v) = number of samples ≤ v.
struct SCumulative
{
    std::array<std::vector<uint32_t>, 3> aCounts;
    uint64_t uPixels = 0;
};

SCumulative CumulativeHistograms(const uint16_t* picture, int width, int height);
/// N quantiles of one channel: threshold t(k) = ⌊k·T/(N−1)⌋; k < N/2 takes the first v with
/// C(v) > t(k), k ≥ N/2 the first v with C(v) ≥ t(k); 65536 when none does.
std::vector<int> Quantiles(const std::vector<uint32_t>& cumulative, uint64_t total, int n);
/// Saturation-weighted hue counts per bin ⌊H·359⌋, divided by the pixel count and times 30.
std::array<float, kHueBins> HueHistogram(const uint16_t* picture, int width, int height, EHueWeight weight);
/// Circular smoothing with squared triangular weights over ±60 bins, clamped to 0…1.
std::array<float, kHueBins> SmoothHue(const std::array<float, kHueBins>& histogram);
/// (0.5 − Q(N/2)·2⁻¹⁶)·1.1 + 1.
float Exponent(int middleQuantile);

/// The lattice pass from N quantiles per channel: tone curves with exponents from the middle
/// quantiles, then, when `smoothedHue` is given, each point pulled toward its luma by
/// 1 − s(⌊H·359⌋)^0.25 of its own hue H.
void BuildLattice(const std::array<std::vector<int>, 3>& quantiles, const std::array<float, kHueBins>* smoothedHue,
                  int n, float* lattice);

/// Fills the N³ triples of `lattice` (red fastest) from a packed 16-bit RGB picture. Method 1:
/// tone curves only; method 2: tone curves, then the hue weighting toward luma. False (lattice
/// untouched) for sizes outside 2…64, methods other than 1 and 2, and empty pictures.
bool Derive(const uint16_t* picture, int width, int height, int n, int method, float* lattice,
            EHueWeight weight = eHW_SATURATION_POW_0_1);

/// Loads a still picture resampled (nearest sample, which keeps the histogram's shape) to
/// kPictureSide × kPictureSide. False with `error` set when it cannot be read.
bool LoadReference(const QString& path, Helper::CRGB48Buffer& picture, QString& error);

/// The file patterns of the still-picture formats offered as references.
QStringList PicturePatterns();
/// The picture `step` (±1) places from `current` among the pictures of its folder, sorted by
/// name, wrapping at both ends. Empty when the folder holds no picture.
QString NeighbourPicture(const QString& current, int step);

/// The panel's "LUT from Image" on a chosen file: loads the picture, derives an N-point lattice
/// (N the state's chosen size) into the source lattice and takes size, title (the file's base
/// name, `fallbackTitle` when that is empty) and reference path. False, with the state as it
/// was, when the picture cannot be loaded.
bool DeriveInto(CLutState& state, const QString& path, int method, const QString& fallbackTitle,
                QString* error = nullptr);
}  // namespace LutFromPicture
