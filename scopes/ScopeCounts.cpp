#include "scopes/ScopeCounts.h"

#include "core/WorkerSplit.h"

#include <algorithm>

namespace
{
constexpr int kMinRowsPerBand = 16; // fewer rows are not worth a task
constexpr double kKr = 0.2126, kKg = 0.7152, kKb = 0.0722;

using Grids = std::vector<std::vector<uint32_t>>;

/// What every row function gets: the picture and the grid geometry, prepared once per call.
struct SCountArgs
{
    const uint16_t* pixels;
    int width;
    int columns;
    const uint32_t* rowStart; // waveforms: grid index of the row of every level 0…65535
    const int* column;        // waveforms: first grid column of every picture column, and one past the last
    float chroma[2][4];       // vectorscope: cell x and y = [0] + [1]·R + [2]·G + [3]·B, truncated
};

/// Grid columns [column[x], column[x + 1]) of picture column x; one column each when the picture
/// is at least as wide as the grid, so that case skips the span loop.
template <bool Spread>
void WaveformRows(const SCountArgs& a, int y0, int y1, Grids& grids)
{
    uint32_t* __restrict grid = grids[0].data();
    const uint32_t* __restrict rowStart = a.rowStart;
    const int* __restrict column = a.column;
    const int width = a.width;
    for (int y = y0; y < y1; ++y)
    {
        const uint16_t* __restrict p = a.pixels + size_t(y) * width * 3;
        for (int x = 0; x < width; ++x, p += 3)
        {
            const uint32_t row = rowStart[ScopeLuma(p[0], p[1], p[2])];
            if (!Spread)
                ++grid[row + column[x]];
            else
                for (int c = column[x]; c < column[x + 1]; ++c)
                    ++grid[row + c];
        }
    }
}

template <bool Spread>
void ParadeRows(const SCountArgs& a, int y0, int y1, Grids& grids)
{
    uint32_t* __restrict red = grids[0].data();
    uint32_t* __restrict green = grids[1].data();
    uint32_t* __restrict blue = grids[2].data();
    const uint32_t* __restrict rowStart = a.rowStart;
    const int* __restrict column = a.column;
    const int width = a.width;
    for (int y = y0; y < y1; ++y)
    {
        const uint16_t* __restrict p = a.pixels + size_t(y) * width * 3;
        for (int x = 0; x < width; ++x, p += 3)
        {
            const uint32_t r = rowStart[p[0]], g = rowStart[p[1]], b = rowStart[p[2]];
            for (int c = column[x]; c < (Spread ? column[x + 1] : column[x] + 1); ++c)
                ++red[r + c], ++green[g + c], ++blue[b + c];
        }
    }
}

void VectorscopeRows(const SCountArgs& a, int y0, int y1, Grids& grids)
{
    uint32_t* __restrict grid = grids[0].data();
    const float(&cx)[4] = a.chroma[0];
    const float(&cy)[4] = a.chroma[1];
    const int columns = a.columns, last = columns - 1, width = a.width;
    for (int y = y0; y < y1; ++y)
    {
        const uint16_t* __restrict p = a.pixels + size_t(y) * width * 3;
        for (int x = 0; x < width; ++x, p += 3)
        {
            const float r = p[0], g = p[1], b = p[2];
            // Legal colours stay inside the grid; the clamp only catches rounding at its edges.
            const int column = std::clamp(int(cx[0] + cx[1] * r + cx[2] * g + cx[3] * b), 0, last);
            const int row = std::clamp(int(cy[0] + cy[1] * r + cy[2] * g + cy[3] * b), 0, last);
            ++grid[size_t(row) * columns + column];
        }
    }
}

void HistogramRows(const SCountArgs& a, int y0, int y1, Grids& grids)
{
    uint32_t* __restrict red = grids[0].data();
    uint32_t* __restrict green = grids[1].data();
    uint32_t* __restrict blue = grids[2].data();
    uint32_t* __restrict luma = grids[3].data();
    const int width = a.width;
    for (int y = y0; y < y1; ++y)
    {
        const uint16_t* __restrict p = a.pixels + size_t(y) * width * 3;
        for (int x = 0; x < width; ++x, p += 3)
        {
            ++red[p[0] >> 8];
            ++green[p[1] >> 8];
            ++blue[p[2] >> 8];
            ++luma[ScopeLuma(p[0], p[1], p[2]) >> 8];
        }
    }
}

/// The vectorscope's cell as an affine function of the 16-bit samples, +0.5 for truncation.
void PrepareChroma(SCountArgs& a, int side)
{
    const double scale = double(side - 1) / 65535.0;
    const QPointF red = ScopeChroma(1, 0, 0), green = ScopeChroma(0, 1, 0), blue = ScopeChroma(0, 0, 1);
    const double origin = 0.5 * (side - 1) + 0.5;
    const double x[4] = {origin, red.x() * scale, green.x() * scale, blue.x() * scale};
    const double y[4] = {origin, -red.y() * scale, -green.y() * scale, -blue.y() * scale};
    for (int i = 0; i < 4; ++i)
        a.chroma[0][i] = float(x[i]), a.chroma[1][i] = float(y[i]);
}
}  // namespace

QPointF ScopeChroma(double r, double g, double b)
{
    const double luma = kKr * r + kKg * g + kKb * b;
    return QPointF((b - luma) / (2.0 * (1.0 - kKb)), (r - luma) / (2.0 * (1.0 - kKr)));
}

QPointF ScopeChromaCell(QPointF chroma, int side)
{
    return QPointF((chroma.x() + 0.5) * (side - 1), (0.5 - chroma.y()) * (side - 1));
}

void CountScope(const uint16_t* pixels, int width, int height, EScopeKind kind, int columns, int rows, int bands,
                SScopeCounts& counts)
{
    int gridCount = 1;
    switch (kind)
    {
    case eSK_WAVEFORM:
        break;
    case eSK_PARADE:
        gridCount = 3;
        break;
    case eSK_VECTORSCOPE:
        rows = columns;
        break;
    case eSK_HISTOGRAM:
        gridCount = 4, columns = 256, rows = 1;
        break;
    }
    counts.iColumns = columns;
    counts.iRows = rows;
    counts.iPixels = 0;
    counts.grids.resize(size_t(gridCount));
    for (std::vector<uint32_t>& grid : counts.grids)
        grid.assign(size_t(columns) * rows, 0); // keeps the vectors' blocks from the last call
    if (!pixels || width < 1 || height < 1 || columns < 1 || rows < 1)
        return;
    counts.iPixels = uint64_t(width) * height;

    SCountArgs args{pixels, width, columns, nullptr, nullptr, {}};
    std::vector<int> columnOf;
    std::vector<uint32_t> rowStart;
    const bool spread = width < columns; // a narrow picture: each column covers several grid columns
    if (kind == eSK_WAVEFORM || kind == eSK_PARADE)
    {
        rowStart.resize(65536);
        for (uint32_t level = 0; level < 65536; ++level)
            rowStart[level] = uint32_t(ScopeWaveformRow(level, rows)) * uint32_t(columns);
        args.rowStart = rowStart.data();
        columnOf.resize(size_t(width) + 1);
        for (int x = 0; x <= width; ++x)
            columnOf[size_t(x)] = int(int64_t(x) * columns / width);
        args.column = columnOf.data();
    }
    if (kind == eSK_VECTORSCOPE)
        PrepareChroma(args, columns);
    void (*countRows)(const SCountArgs&, int, int, Grids&) = HistogramRows;
    if (kind == eSK_WAVEFORM)
        countRows = spread ? WaveformRows<true> : WaveformRows<false>;
    else if (kind == eSK_PARADE)
        countRows = spread ? ParadeRows<true> : ParadeRows<false>;
    else if (kind == eSK_VECTORSCOPE)
        countRows = VectorscopeRows;

    // Band 0 counts into the result; every further band into grids of its own, added at the end.
    bands = std::clamp(bands, 1, std::max(1, height / kMinRowsPerBand));
    std::vector<Grids> partial(size_t(bands - 1), Grids(size_t(gridCount), std::vector<uint32_t>(size_t(columns) * rows)));
    MP_MT_ForBands(height, bands, [&](const TaskFuncParams& t) {
        countRows(args, t.iRowBegin, t.iRowEnd, t.iBand == 0 ? counts.grids : partial[size_t(t.iBand - 1)]);
    });
    for (const Grids& band : partial)
        for (size_t g = 0; g < band.size(); ++g)
        {
            uint32_t* __restrict sum = counts.grids[g].data();
            const uint32_t* __restrict add = band[g].data();
            for (size_t i = 0, n = band[g].size(); i < n; ++i)
                sum[i] += add[i];
        }
}
