#include "lut/LutFromPicture.h"

#include "core/ColourSpace.h"
#include "core/StillImage.h"
#include "lut/LutLattice.h"
#include "lut/LutState.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace LutFromPicture
{
namespace
{
constexpr float kInverse65535 = 1.5259022e-5f; // 1 / 65535 in single precision
constexpr float kInverse65536 = 1.5258789e-5f; // 2⁻¹⁶
}  // namespace

SCumulative CumulativeHistograms(const uint16_t* picture, int width, int height)
{
    SCumulative result;
    for (auto& counts : result.aCounts)
        counts.assign(65536, 0u);
    if (!picture || width < 1 || height < 1)
        return result;
    result.uPixels = uint64_t(width) * uint64_t(height);
    const uint16_t* end = picture + result.uPixels * 3;
    for (const uint16_t* p = picture; p != end; p += 3)
    {
        ++result.aCounts[0][p[0]];
        ++result.aCounts[1][p[1]];
        ++result.aCounts[2][p[2]];
    }
    for (auto& counts : result.aCounts)
        for (size_t v = 1; v < counts.size(); ++v)
            counts[v] += counts[v - 1];
    return result;
}

std::vector<int> Quantiles(const std::vector<uint32_t>& cumulative, uint64_t total, int n)
{
    std::vector<int> quantiles(size_t(std::max(n, 0)), 65536);
    if (n < 2)
        return quantiles;
    const int half = n / 2;
    for (int k = 0; k < n; ++k)
    {
        const uint64_t threshold = uint64_t(k) * total / uint64_t(n - 1);
        for (size_t v = 0; v < cumulative.size(); ++v)
        {
            const bool reached = k < half ? cumulative[v] > threshold : cumulative[v] >= threshold;
            if (reached)
            {
                quantiles[size_t(k)] = int(v);
                break;
            }
        }
    }
    return quantiles;
}

std::array<float, kHueBins> HueHistogram(const uint16_t* picture, int width, int height, EHueWeight weight)
{
    std::array<double, kHueBins> sums{};
    std::array<float, kHueBins> histogram{};
    if (!picture || width < 1 || height < 1)
        return histogram;
    const uint64_t pixels = uint64_t(width) * uint64_t(height);
    for (uint64_t i = 0; i < pixels; ++i)
    {
        const uint16_t* p = picture + i * 3;
        const Colour::SComponents hsv =
            Colour::RgbToHsv(p[0] * kInverse65535, p[1] * kInverse65535, p[2] * kInverse65535);
        const int bin = std::clamp(int(hsv.f0 * 359.f), 0, kHueBins - 1);
        sums[size_t(bin)] += weight == eHW_SATURATION ? hsv.f1 : std::pow(hsv.f1, 0.1f);
    }
    for (int i = 0; i < kHueBins; ++i)
        histogram[size_t(i)] = float(sums[size_t(i)] / double(pixels) * 30.0);
    return histogram;
}

std::array<float, kHueBins> SmoothHue(const std::array<float, kHueBins>& histogram)
{
    std::array<float, kHueBins> smoothed{};
    double weightSum = 0.0;
    for (int d = -kSmoothRadius; d <= kSmoothRadius; ++d)
    {
        const double w = double(kSmoothRadius - std::abs(d)) / kSmoothRadius;
        weightSum += w * w;
    }
    for (int i = 0; i < kHueBins; ++i)
    {
        double sum = 0.0;
        for (int d = -kSmoothRadius; d <= kSmoothRadius; ++d)
        {
            const double w = double(kSmoothRadius - std::abs(d)) / kSmoothRadius;
            sum += w * w * histogram[size_t(((i + d) % kHueBins + kHueBins) % kHueBins)];
        }
        smoothed[size_t(i)] = float(std::clamp(sum / weightSum, 0.0, 1.0));
    }
    return smoothed;
}

float Exponent(int middleQuantile)
{
    return (0.5f - float(middleQuantile) * kInverse65536) * 1.1f + 1.f;
}

void BuildLattice(const std::array<std::vector<int>, 3>& quantiles, const std::array<float, kHueBins>* smoothedHue,
                  int n, float* lattice)
{
    // Each axis's curve depends on one index only: tabulate it once.
    std::array<std::vector<float>, 3> curves;
    for (size_t c = 0; c < 3; ++c)
    {
        const float exponent = Exponent(quantiles[c][size_t(n / 2)]);
        curves[c].resize(size_t(n));
        for (int i = 0; i < n; ++i)
        {
            const float x = float(i) / float(n - 1);
            const float base = 0.4f * float(quantiles[c][size_t(i)]) * kInverse65536 + 0.6f * x;
            curves[c][size_t(i)] = std::pow(base, exponent);
        }
    }

    for (int b = 0; b < n; ++b)
        for (int g = 0; g < n; ++g)
            for (int r = 0; r < n; ++r)
            {
                float red = curves[0][size_t(r)], green = curves[1][size_t(g)], blue = curves[2][size_t(b)];
                if (smoothedHue)
                {
                    const float x = float(r) / float(n - 1), y = float(g) / float(n - 1), z = float(b) / float(n - 1);
                    const float hue = Colour::RgbToHsv(x, y, z).f0;
                    const int bin = std::clamp(int(hue * 359.f), 0, kHueBins - 1);
                    const float w = std::pow((*smoothedHue)[size_t(bin)], 0.25f);
                    const float luma = 0.299f * red + 0.587f * green + 0.114f * blue;
                    red = w * red + (1.f - w) * luma;
                    green = w * green + (1.f - w) * luma;
                    blue = w * blue + (1.f - w) * luma;
                }
                float* out = lattice + LutLattice::Offset(r, g, b, n);
                out[0] = red, out[1] = green, out[2] = blue;
            }
}

bool Derive(const uint16_t* picture, int width, int height, int n, int method, float* lattice, EHueWeight weight)
{
    if (!picture || !lattice || width < 1 || height < 1 || !LutLattice::IsValidSize(n) || (method != 1 && method != 2))
        return false;
    const SCumulative cumulative = CumulativeHistograms(picture, width, height);
    std::array<std::vector<int>, 3> quantiles;
    for (size_t c = 0; c < 3; ++c)
        quantiles[c] = Quantiles(cumulative.aCounts[c], cumulative.uPixels, n);
    if (method == 1)
    {
        BuildLattice(quantiles, nullptr, n, lattice);
        return true;
    }
    const std::array<float, kHueBins> smoothed = SmoothHue(HueHistogram(picture, width, height, weight));
    BuildLattice(quantiles, &smoothed, n, lattice);
    return true;
}

bool LoadReference(const QString& path, Helper::CRGB48Buffer& picture, QString& error)
{
    Helper::CRGB48Buffer original;
    if (!StillImage::Load(path, original, error))
        return false;
    const int side = kPictureSide;
    if (!picture.TryCreate(QSize(side, side), Helper::eCP_NO_CLEAR))
    {
        error = QStringLiteral("out of memory");
        return false;
    }
    const int width = original.Width(), height = original.Height();
    const uint16_t* source = original.GetData();
    uint16_t* target = picture.GetData();
    for (int y = 0; y < side; ++y)
    {
        const int sy = int((int64_t(y) * 2 + 1) * height / (2 * side));
        for (int x = 0; x < side; ++x)
        {
            const int sx = int((int64_t(x) * 2 + 1) * width / (2 * side));
            const uint16_t* s = source + (size_t(sy) * width + sx) * 3;
            uint16_t* t = target + (size_t(y) * side + x) * 3;
            t[0] = s[0], t[1] = s[1], t[2] = s[2];
        }
    }
    return true;
}

QStringList PicturePatterns()
{
    return {"*.jpg", "*.jpeg", "*.png", "*.tif", "*.tiff", "*.jp2", "*.exr", "*.hdr", "*.pfm", "*.ppm"};
}

QString NeighbourPicture(const QString& current, int step)
{
    const QFileInfo info(current);
    const QDir folder = info.absoluteDir();
    const QStringList pictures = folder.entryList(PicturePatterns(), QDir::Files, QDir::Name);
    if (pictures.isEmpty())
        return {};
    const qsizetype count = pictures.size();
    const qsizetype here = pictures.indexOf(info.fileName());
    qsizetype next;
    if (here < 0)
        next = step >= 0 ? 0 : count - 1;
    else
        next = ((here + step) % count + count) % count;
    return folder.filePath(pictures[next]);
}

bool DeriveInto(CLutState& state, const QString& path, int method, const QString& fallbackTitle, QString* error)
{
    Helper::CRGB48Buffer picture;
    QString reason;
    if (!LoadReference(path, picture, reason))
    {
        if (error)
            *error = reason;
        return false;
    }
    const int n = state.ChosenSize();
    if (!Derive(picture.GetData(), picture.Width(), picture.Height(), n, method, state.Source().Data()))
    {
        if (error)
            *error = QStringLiteral("cannot derive a %1-point lattice with method %2").arg(n).arg(method);
        return false;
    }
    const QString title = QFileInfo(path).completeBaseName();
    state.AdoptSource(n, title.isEmpty() ? fallbackTitle : title);
    state.SetReferencePicturePath(path);
    return true;
}
}  // namespace LutFromPicture
