#include "core/ImageBuffer.h"

#include "core/AppLog.h"
#include "core/ImageConvert.h"

#include <cmath>
#include <vector>

namespace Helper
{
bool CRGB48Buffer::SetCheckerboard()
{
    AppLog("CRGB48Buffer::SetCheckerboard()");
    const QSize size = GetSize();
    if (size.width() <= 0 || size.height() <= 0 || !GetData())
        return false;
    const int w = size.width(), h = size.height();
    constexpr int kSquares = 24;
    constexpr uint32_t kDark = 0xFF585858u, kLight = 0xFFA8A8A8u;
    std::vector<uint32_t> image(size_t(w) * h, kDark);
    const int longer = std::max(w, h);
    const double edge = std::max(double(longer) / kSquares, 16.0);
    for (int r = 0; r < kSquares; ++r)
        for (int c = 0; c < kSquares; ++c)
        {
            if ((r + c) % 2 == 0)
                continue;
            const int x0 = int(c * edge), y0 = int(r * edge);
            if (x0 >= w || y0 >= h)
                continue;
            const int x1 = std::min(w, x0 + int(edge) + (c == kSquares - 1 ? 1 : 0));
            const int y1 = std::min(h, y0 + int(edge) + (r == kSquares - 1 ? 1 : 0));
            for (int y = y0; y < y1; ++y)
                std::fill(image.begin() + size_t(y) * w + x0, image.begin() + size_t(y) * w + x1, kLight);
        }
    CopyRGB32ToRGB48(size, GetData(), image.data());
    return true;
}
}  // namespace Helper
