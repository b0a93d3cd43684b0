#include "scopes/ScopeRender.h"

#include "scopes/ScopeCanvas.h"
#include "scopes/ScopeCounts.h"
#include "scopes/ScopeFont.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr SRgb16 kBackground{0x1010, 0x1010, 0x1010};
constexpr SRgb16 kGrid{0x3434, 0x3434, 0x3434};
constexpr SRgb16 kGridStrong{0x5050, 0x5050, 0x5050};
constexpr SRgb16 kLabel{0x9C9C, 0x9C9C, 0x9C9C};
constexpr SRgb16 kTarget{0x7070, 0x7070, 0x7070};
constexpr SRgb16 kSkinLine{0x7800, 0x5400, 0x3C00};
constexpr SRgb16 kLumaTrace{0xB800, 0xFFFF, 0xC000};
constexpr SRgb16 kChannelTraces[3] = {{0xFFFF, 0x3800, 0x3800}, {0x3800, 0xFFFF, 0x3800}, {0x4800, 0x6800, 0xFFFF}};
constexpr SRgb16 kChannelFills[3] = {{0x9000, 0x1000, 0x1000}, {0x1000, 0x9000, 0x1000}, {0x1000, 0x1800, 0x9000}};
constexpr SRgb16 kLumaLine{0xE000, 0xE000, 0xE000};
constexpr double kSkinToneDegrees = 123.0; // the skin-tone line, counter-clockwise from +Cb

/// The light a cell holding `count` samples adds: `colour` × (1 − exp(−gain × count ÷ reference)),
/// where `reference` is a few times what an evenly spread picture would put in a cell. Tabled up
/// to the count where the intensity reaches 65535.
class CDensity
{
public:
    CDensity(double reference, float gain, SRgb16 colour)
        : m_dRate(double(gain) / std::max(reference, 1e-9)), m_colour(colour)
    {
        constexpr double kTableLimit = 65536.0;
        const double saturated = std::log(2.0 * 65535.0) / m_dRate + 2.0; // 65535·e^(−x) below 0.5
        m_bTableSaturates = saturated <= kTableLimit;
        m_table.resize(size_t(std::min(saturated, kTableLimit)));
        for (size_t c = 0; c < m_table.size(); ++c)
            m_table[c] = Direct(uint32_t(c));
    }
    SRgb16 operator()(uint32_t count) const
    {
        if (count < m_table.size())
            return m_table[count];
        return m_bTableSaturates ? m_colour : Direct(count);
    }

private:
    SRgb16 Direct(uint32_t count) const
    {
        const double intensity = 1.0 - std::exp(-m_dRate * count);
        const auto scaled = [intensity](uint16_t v) { return uint16_t(std::lround(v * intensity)); };
        return {scaled(m_colour.r), scaled(m_colour.g), scaled(m_colour.b)};
    }

    double m_dRate;
    SRgb16 m_colour;
    bool m_bTableSaturates;
    std::vector<SRgb16> m_table;
};

/// Adds the density of every counted cell to the picture; `area` lies inside the picture.
void DrawDensity(CScopeCanvas& canvas, const QRect& area, const std::vector<uint32_t>& grid, int columns, int rows,
                 const CDensity& density)
{
    for (int y = 0; y < rows; ++y)
    {
        const uint32_t* __restrict cells = grid.data() + size_t(y) * columns;
        uint16_t* __restrict out = canvas.Pixel(area.left(), area.top() + y);
        for (int x = 0; x < columns; ++x, out += 3)
            if (cells[x] != 0)
                AddLight(out, density(cells[x]));
    }
}

/// Draws `text` centred on (cx, cy).
void CentredText(CScopeCanvas& canvas, int cx, int cy, const QByteArray& text, int scale, SRgb16 colour)
{
    DrawScopeText(canvas, cx - ScopeTextWidth(text, scale) / 2, cy - kScopeGlyphHeight * scale / 2, text, scale, colour);
}

/// Draws `text` with its right edge `gap` pixels left of x, vertically centred on y.
void LabelLeftOf(CScopeCanvas& canvas, int x, int y, int gap, const QByteArray& text, int scale)
{
    DrawScopeText(canvas, x - gap - ScopeTextWidth(text, scale), y - kScopeGlyphHeight * scale / 2, text, scale, kLabel);
}

void DrawWaveforms(CScopeCanvas& canvas, const SScopeSettings& settings, const SScopeLayout& layout,
                   const SScopeCounts& counts)
{
    const int s = layout.iLabelScale;
    const QRect& first = layout.areas.front();
    const int rows = first.height();
    // Labels every 10 % where they fit, otherwise every 20 % or 50 %.
    int labelStep = 10;
    while (labelStep < 50 && (rows - 1) * labelStep / 100 < (kScopeGlyphHeight + 2) * s)
        labelStep = labelStep == 10 ? 20 : 50;
    for (int percent = 0; percent <= 100; percent += 10)
    {
        const int y = first.top() + ScopeWaveformRow(uint32_t((percent * 65535 + 50) / 100), rows);
        for (const QRect& area : layout.areas)
            canvas.HLine(area.left(), area.right(), y, percent % 50 == 0 ? kGridStrong : kGrid);
        if (s > 0 && percent % labelStep == 0)
            LabelLeftOf(canvas, first.left(), y, 4 * s, QByteArray::number(percent), s);
    }
    // Evenly spread samples would light a cell at about 40 % (gain 1). A narrow picture counts
    // each pixel in several columns, so the samples per column come from the grid itself.
    uint64_t samples = 0;
    for (uint32_t cell : counts.grids.front())
        samples += cell;
    const double reference = 2.0 * double(samples) / counts.iColumns / counts.iRows;
    for (size_t i = 0; i < counts.grids.size(); ++i)
        DrawDensity(canvas, layout.areas[i], counts.grids[i], counts.iColumns, counts.iRows,
                    CDensity(reference, settings.fGain, settings.eKind == eSK_WAVEFORM ? kLumaTrace : kChannelTraces[i]));
}

void DrawVectorscope(CScopeCanvas& canvas, const SScopeSettings& settings, const SScopeLayout& layout,
                     const SScopeCounts& counts)
{
    const int s = layout.iLabelScale;
    const QRect& area = layout.areas.front();
    const int side = area.width();
    const double radius = (side - 1) / 2.0, cx = area.left() + radius, cy = area.top() + radius;
    canvas.HLine(area.left(), area.right(), int(std::lround(cy)), kGrid);
    canvas.VLine(int(std::lround(cx)), area.top(), area.bottom(), kGrid);
    canvas.Circle(cx, cy, radius, kGridStrong);
    const double skin = kSkinToneDegrees * 3.141592653589793 / 180.0;
    canvas.Line(int(std::lround(cx)), int(std::lround(cy)), int(std::lround(cx + radius * std::cos(skin))),
                int(std::lround(cy - radius * std::sin(skin))), kSkinLine);

    struct STarget
    {
        double r, g, b;
        const char* label;
    };
    const STarget targets[] = {{1, 0, 0, "R"}, {1, 0, 1, "MG"}, {0, 0, 1, "B"},
                               {0, 1, 1, "CY"}, {0, 1, 0, "G"}, {1, 1, 0, "YL"}};
    const int half = std::max(2, side / 64);
    for (const STarget& t : targets)
    {
        // The 75 % colour bars' boxes, a small cross at full saturation.
        const QPointF chroma = ScopeChroma(0.75 * t.r, 0.75 * t.g, 0.75 * t.b);
        const QPointF box = ScopeChromaCell(chroma, side) + area.topLeft();
        const QPointF full = ScopeChromaCell(ScopeChroma(t.r, t.g, t.b), side) + area.topLeft();
        const int bx = int(std::lround(box.x())), by = int(std::lround(box.y()));
        const int fx = int(std::lround(full.x())), fy = int(std::lround(full.y()));
        canvas.Square(bx, by, half, kTarget);
        canvas.HLine(fx - half / 2, fx + half / 2, fy, kTarget);
        canvas.VLine(fx, fy - half / 2, fy + half / 2, kTarget);
        if (s > 0)
        {
            // Outwards from the box, along the target's direction.
            const double length = std::hypot(chroma.x(), chroma.y());
            const double distance = half + 7.0 * s;
            CentredText(canvas, int(std::lround(bx + distance * chroma.x() / length)),
                        int(std::lround(by - distance * chroma.y() / length)), t.label, s, kLabel);
        }
    }
    // Evenly spread samples would light a cell at about 20 % (gain 1).
    const CDensity density(4.0 * double(counts.iPixels) / (double(side) * side), settings.fGain, kLumaTrace);
    DrawDensity(canvas, area, counts.grids.front(), counts.iColumns, counts.iRows, density);
}

/// 1, 2 or 5 times a power of ten, at least `rough`.
uint64_t NiceStep(double rough)
{
    for (uint64_t power = 1;; power *= 10)
        for (uint64_t m : {1, 2, 5})
            if (double(m * power) >= rough)
                return m * power;
}

void DrawHistogram(CScopeCanvas& canvas, const SScopeSettings& settings, const SScopeLayout& layout,
                   const SScopeCounts& counts)
{
    const int s = layout.iLabelScale;
    const QRect& plot = layout.areas.front();
    uint32_t peak = 0;
    for (const std::vector<uint32_t>& bins : counts.grids)
        peak = std::max(peak, *std::max_element(bins.begin(), bins.end()));
    // Height in rows of a count: linear, or log(1 + count) against log(1 + peak).
    const auto height = [&](uint64_t count) {
        if (peak == 0)
            return 0;
        const double fraction = settings.bLogarithmic ? std::log1p(double(count)) / std::log1p(double(peak))
                                                      : double(count) / peak;
        return int(std::lround(std::min(fraction, 1.0) * plot.height()));
    };
    const auto rowOf = [&](uint64_t count) { return std::min(plot.bottom(), plot.bottom() - height(count) + 1); };

    // Level lines at 0, 25, 50, 75 and 100 %, labelled under the plot.
    for (int percent = 0; percent <= 100; percent += 25)
    {
        const int x = plot.left() + (percent * (plot.width() - 1) + 50) / 100;
        canvas.VLine(x, plot.top(), plot.bottom(), percent % 50 == 0 ? kGridStrong : kGrid);
        if (s > 0)
            DrawScopeText(canvas, x - ScopeTextWidth(QByteArray::number(percent), s) / 2, plot.bottom() + 1 + 3 * s,
                          QByteArray::number(percent), s, kLabel);
    }
    // Count lines: nice steps up to the peak, or powers of ten on the logarithmic scale.
    std::vector<uint64_t> ticks{0};
    if (settings.bLogarithmic)
        for (uint64_t v = 1; v <= peak; v *= 10)
            ticks.push_back(v);
    else if (peak > 0)
        for (uint64_t step = NiceStep(peak / 4.0), v = step; v <= peak; v += step)
            ticks.push_back(v);
    int lastLabelY = plot.bottom() + kScopeGlyphHeight * s * 2; // below everything: the first label always fits
    for (uint64_t tick : ticks)
    {
        const int y = rowOf(tick);
        canvas.HLine(plot.left(), plot.right(), y, tick == 0 ? kGridStrong : kGrid);
        if (s > 0 && lastLabelY - y >= (kScopeGlyphHeight + 2) * s)
        {
            LabelLeftOf(canvas, plot.left(), y, 4 * s, ScopeCountLabel(tick), s);
            lastLabelY = y;
        }
    }

    // Each plot column shows the largest count of the levels it covers.
    const int columns = plot.width();
    int previousTop = -1;
    for (int c = 0; c < columns; ++c)
    {
        const int first = c * 256 / columns, last = std::max(first + 1, (c + 1) * 256 / columns);
        uint32_t value[4] = {};
        for (size_t g = 0; g < 4; ++g)
            value[g] = *std::max_element(counts.grids[g].begin() + first, counts.grids[g].begin() + last);
        const int x = plot.left() + c;
        for (size_t g = 0; g < 3; ++g)
        {
            const SRgb16 fill = kChannelFills[g];
            uint16_t* out = canvas.Pixel(x, plot.bottom());
            for (int i = 0, h = height(value[g]); i < h; ++i, out -= 3 * size_t(canvas.Width()))
                AddLight(out, fill);
        }
        // The luma curve as a connected line over the filled areas.
        const int top = rowOf(value[3]);
        canvas.VLine(x, previousTop < 0 ? top : previousTop, top, kLumaLine);
        previousTop = top;
    }
}
}  // namespace

QByteArray ScopeCountLabel(uint64_t count)
{
    if (count >= 1000000 && count % 1000000 == 0)
        return QByteArray::number(count / 1000000) + 'M';
    if (count >= 1000000)
        return QByteArray::number(double(count) / 1e6, 'f', 1) + 'M';
    if (count >= 10000 || (count >= 1000 && count % 1000 == 0))
        return QByteArray::number((count + 500) / 1000) + 'k';
    return QByteArray::number(count);
}

void RenderScope(const SScopeSettings& settings, const SScopeLayout& layout, const SScopeCounts& counts,
                 Helper::CRGB48Buffer& picture)
{
    CScopeCanvas canvas(picture);
    canvas.Fill(kBackground);
    if (counts.grids.empty() || layout.areas.empty())
        return;
    switch (settings.eKind)
    {
    case eSK_WAVEFORM:
    case eSK_PARADE:
        DrawWaveforms(canvas, settings, layout, counts);
        break;
    case eSK_VECTORSCOPE:
        DrawVectorscope(canvas, settings, layout, counts);
        break;
    case eSK_HISTOGRAM:
        DrawHistogram(canvas, settings, layout, counts);
        break;
    }
}
