#include "core/EngineTables.h"

#include <cmath>
#include <mutex>

namespace
{
void BuildColourWheel(std::vector<uint16_t>& wheel)
{
    constexpr int n = SEngineTables::kWheelSize;
    wheel.assign(size_t(n) * n * 3, 0);
    const float centre = (n - 1) * 0.5f;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
        {
            const float dx = x - centre, dy = centre - y;
            const float s = std::sqrt(dx * dx + dy * dy) / (n * 0.5f);
            if (s > 1.0f)
                continue; // outside the disc stays black
            float h = std::atan2(dy, dx) / (2.0f * float(M_PI));
            if (h < 0.0f)
                h += 1.0f;
            // HSV with value 1 to RGB.
            const float h6 = h * 6.0f;
            const int sector = int(h6) % 6;
            const float f = h6 - std::floor(h6);
            const float p = 1.0f - s, q = 1.0f - s * f, t = 1.0f - s * (1.0f - f);
            const float rgb[6][3] = {{1, t, p}, {q, 1, p}, {p, 1, t}, {p, q, 1}, {t, p, 1}, {1, p, q}};
            uint16_t* px = &wheel[(size_t(y) * n + x) * 3];
            for (int c = 0; c < 3; ++c)
                px[c] = uint16_t(rgb[sector][c] * 65535.0f + 0.5f);
        }
}

SEngineTables BuildTables()
{
    SEngineTables t;
    t.afExpNeg.resize(65536);
    t.afSqrt.resize(65536);
    t.afSqrtSqrt.resize(65536);
    t.afLog2.resize(65536);
    for (int i = 0; i < 65536; ++i)
    {
        const double x = i / 65535.0;
        t.afExpNeg[i] = float(std::exp(-x));
        t.afSqrt[i] = float(std::sqrt(x));
        t.afSqrtSqrt[i] = float(std::sqrt(std::sqrt(x)));
        t.afLog2[i] = i == 0 ? 0.001f : float(std::log2(1.0 + x));
    }
    t.afSin.resize(16384);
    t.afCos.resize(16384);
    for (int i = 0; i < 16384; ++i)
    {
        const double a = i * 2.0 * M_PI / 16384.0;
        t.afSin[i] = float(std::sin(a));
        t.afCos[i] = float(std::cos(a));
    }
    t.aiClampSigned.resize(131072);
    for (int v = -65536; v <= 65535; ++v)
        t.aiClampSigned[size_t(v + 65536)] = int16_t(v < -32767 ? -32767 : (v > 32767 ? 32767 : v));
    for (int i = 0; i < 256; ++i)
        t.aiByteTo16384[size_t(i)] = i * 16384 / 255;
    BuildColourWheel(t.auiColourWheel);
    return t;
}
}  // namespace

const SEngineTables& MP_GetTables()
{
    static const SEngineTables tables = BuildTables();
    return tables;
}
