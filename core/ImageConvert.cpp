#include "core/ImageConvert.h"
#include "core/ImageConvertRows.h"

#include "core/EngineState.h"
#include "core/EngineStatus.h"
#include "core/WorkerSplit.h"

#include <cmath>


namespace
{
int ConversionBands(int width, int height)
{
    return MP_MT_CapConversionWorkers(MP_UI_GetThreadCount(), int64_t(width) * height);
}

void Rgb24ToRgb48Rows(const MP_Params& p, int y0, int y1)
{
    const int w = p.iWidth, h = p.iHeight;
    const bool mirrorX = p.iFlags & 1, mirrorY = p.iFlags & 2;
    const auto* src = static_cast<const uint8_t*>(p.pSource);
    auto* dst = static_cast<uint16_t*>(p.pTarget);
    for (int y = y0; y < y1; ++y)
    {
        const uint8_t* __restrict s = src + size_t(y) * w * 3;
        uint16_t* __restrict d = dst + size_t(mirrorY ? h - 1 - y : y) * w * 3;
        if (!mirrorX)
        {
            for (int i = 0; i < w * 3; ++i)
                d[i] = uint16_t(s[i] * 257);
        }
        else
        {
            for (int x = 0; x < w; ++x)
            {
                const uint8_t* sp = s + size_t(w - 1 - x) * 3;
                d[x * 3 + 0] = uint16_t(sp[0] * 257);
                d[x * 3 + 1] = uint16_t(sp[1] * 257);
                d[x * 3 + 2] = uint16_t(sp[2] * 257);
            }
        }
    }
}

void Rgb48ToRgb24Rows(const MP_Params& p, int y0, int y1)
{
    const int w = p.iWidth, sw = p.iSourceWidth;
    const auto* src = static_cast<const uint16_t*>(p.pSource);
    auto* dst = static_cast<uint8_t*>(p.pTarget);
    for (int y = y0; y < y1; ++y)
    {
        const uint16_t* __restrict s = src + size_t(y) * sw * 3;
        uint8_t* __restrict d = dst + size_t(y) * w * 3;
        for (int i = 0; i < w * 3; ++i)
            d[i] = uint8_t(s[i] >> 8);
    }
}

void Rgb48ToArgb32Rows(const MP_Params& p, int y0, int y1)
{
    const int w = p.iWidth;
    const auto* src = static_cast<const uint16_t*>(p.pSource);
    auto* dst = static_cast<uint32_t*>(p.pTarget);
    const auto row = MP_RGB48ToARGB32RowFunction();
    for (int y = y0; y < y1; ++y)
        row(src + size_t(y) * w * 3, dst + size_t(y) * w, w);
}

template <void (*Rows)(const MP_Params&, int, int)>
int RunConversion(const MP_Params& params)
{
    MP_MT_ForBands(params.iHeight, ConversionBands(params.iWidth, params.iHeight),
                   [&params](const TaskFuncParams& t) { Rows(params, t.iRowBegin, t.iRowEnd); });
    return MP_SUCCESS;
}
}  // namespace

int MP_MT_RGB24ToRGB48(int width, int height, uint16_t* target, const uint8_t* source,
                       bool mirrorX, bool mirrorY)
{
    if (!target || !source)
        return MP_ZEROPOINTER;
    if (width < 1 || height < 1)
        return MP_NORESOLUTION;
    MP_Params p;
    p.pSource = source;
    p.pTarget = target;
    p.iWidth = width;
    p.iHeight = height;
    p.iFlags = (mirrorX ? 1 : 0) | (mirrorY ? 2 : 0);
    return RunConversion<Rgb24ToRgb48Rows>(p);
}

int MP_MT_RGB48ToRGB24(int width, int height, int sourceWidth, int sourceHeight,
                       const uint16_t* source, uint8_t* target)
{
    if (!target || !source)
        return MP_ZEROPOINTER;
    if (width < 1 || height < 1 || sourceWidth < width || sourceHeight < height)
        return MP_NORESOLUTION;
    MP_Params p;
    p.pSource = source;
    p.pTarget = target;
    p.iWidth = width;
    p.iHeight = height;
    p.iSourceWidth = sourceWidth;
    p.iSourceHeight = sourceHeight;
    return RunConversion<Rgb48ToRgb24Rows>(p);
}

int MP_MT_RGB48ToARGB32(int width, int height, const uint16_t* source, uint32_t* target)
{
    if (!target || !source)
        return MP_ZEROPOINTER;
    if (width < 1 || height < 1)
        return MP_NORESOLUTION;
    MP_Params p;
    p.pSource = source;
    p.pTarget = target;
    p.iWidth = width;
    p.iHeight = height;
    return RunConversion<Rgb48ToArgb32Rows>(p);
}

namespace Helper
{
void CopyRGB32ToRGB48(const QSize& size, uint16_t* target, const uint32_t* sourceBits)
{
    if (!target || !sourceBits || size.width() < 1 || size.height() < 1)
        return;
    const size_t pixels = size_t(size.width()) * size_t(size.height());
    for (size_t i = 0; i < pixels; ++i)
    {
        const uint32_t px = sourceBits[i];
        const uint32_t r = (px >> 16) & 0xFF, g = (px >> 8) & 0xFF, b = px & 0xFF;
        target[i * 3 + 0] = uint16_t(r * 256 + r);
        target[i * 3 + 1] = uint16_t(g * 256 + g);
        target[i * 3 + 2] = uint16_t(b * 256 + b);
    }
}

bool MakeGrey(uint32_t* bits, const QSize& size)
{
    if (!bits)
        return false;
    const size_t pixels = size_t(std::max(0, size.width())) * size_t(std::max(0, size.height()));
    for (size_t i = 0; i < pixels; ++i)
    {
        const uint32_t px = bits[i];
        const uint32_t r = (px >> 16) & 0xFF, g = (px >> 8) & 0xFF, b = px & 0xFF;
        const uint32_t grey = (11 * r + 16 * g + 5 * b) >> 5;
        bits[i] = (px & 0xFF000000u) | (grey << 16) | (grey << 8) | grey;
    }
    return true;
}

QSize FitAspect(const QSize& source, const QSize& target, int mode)
{
    if (source.width() <= 0 || source.height() <= 0 || target.width() <= 0 || target.height() <= 0)
        return source;
    const double aspect = double(target.width()) / double(target.height());
    const double sourceAspect = double(source.width()) / double(source.height());
    switch (mode)
    {
    case 0:
        if (sourceAspect > aspect)
            return QSize(int(std::lround(aspect * source.height())), source.height());
        if (sourceAspect < aspect)
            return QSize(source.width(), int(std::lround(source.width() / aspect)));
        return source;
    case 1:
        return QSize(source.width(), int(std::lround(source.width() / aspect)));
    case 2:
        return QSize(int(std::lround(aspect * source.height())), source.height());
    default:
        return source;
    }
}
}  // namespace Helper
