#include "session/UndoPicture.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <new>

namespace UndoPicture
{
QSize BoxSize(int screenWidth)
{
    const int width = std::max(1, screenWidth / 3);
    return QSize(width, std::max(1, width * 3 / 4));
}

QSize FittedSize(QSize result, QSize box)
{
    float w = float(result.width()), h = float(result.height());
    while (w > float(box.width()) || h > float(box.height()))
    {
        w *= 0.9999f;
        h *= 0.9999f;
    }
    return QSize(std::max(1, int(std::floor(w + 0.5f))), std::max(1, int(std::floor(h + 0.5f))));
}

bool Scale(const uint16_t* pixels, QSize size, QSize target, std::vector<uint16_t>& out)
{
    if (!pixels || size.isEmpty() || target.isEmpty())
        return false;
    // The toolkit resamples 16-bit pictures smoothly in its four-channel form.
    QImage image(size, QImage::Format_RGBX64);
    if (image.isNull())
        return false;
    for (int y = 0; y < size.height(); ++y)
    {
        auto* row = reinterpret_cast<uint16_t*>(image.scanLine(y));
        const uint16_t* in = pixels + size_t(y) * size_t(size.width()) * 3;
        for (int x = 0; x < size.width(); ++x)
        {
            row[4 * x] = in[3 * x];
            row[4 * x + 1] = in[3 * x + 1];
            row[4 * x + 2] = in[3 * x + 2];
            row[4 * x + 3] = 0xffff;
        }
    }
    const QImage scaled = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGBX64);
    if (scaled.size() != target)
        return false;
    try
    {
        out.resize(size_t(target.width()) * size_t(target.height()) * 3);
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
    for (int y = 0; y < target.height(); ++y)
    {
        const auto* row = reinterpret_cast<const uint16_t*>(scaled.constScanLine(y));
        uint16_t* o = out.data() + size_t(y) * size_t(target.width()) * 3;
        for (int x = 0; x < target.width(); ++x)
            std::copy(row + 4 * x, row + 4 * x + 3, o + 3 * x);
    }
    return true;
}

bool MakeBox(const uint16_t* pixels, QSize size, QSize box, uint32_t background, std::vector<uint16_t>& out)
{
    const QSize fitted = FittedSize(size, box);
    std::vector<uint16_t> scaled;
    if (!Scale(pixels, size, fitted, scaled))
        return false;
    const uint16_t fill[3] = {uint16_t(((background >> 16) & 0xff) << 8), uint16_t(((background >> 8) & 0xff) << 8),
                              uint16_t((background & 0xff) << 8)};
    try
    {
        out.resize(size_t(box.width()) * size_t(box.height()) * 3);
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
    for (size_t i = 0; i < out.size(); i += 3)
        std::copy(fill, fill + 3, out.data() + i);
    const int top = (box.height() - fitted.height()) / 2, left = (box.width() - fitted.width()) / 2;
    for (int y = 0; y < fitted.height(); ++y)
        std::copy_n(scaled.data() + size_t(y) * size_t(fitted.width()) * 3, size_t(fitted.width()) * 3,
                    out.data() + (size_t(y + top) * size_t(box.width()) + size_t(left)) * 3);
    return true;
}
}  // namespace UndoPicture
