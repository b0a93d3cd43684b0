// Lookup tables built once at engine start so kernels avoid library calls per pixel.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

struct SEngineTables
{
    // Indexed by a 16-bit value i, x = i / 65535.
    std::vector<float> afExpNeg;   // e^(−x)
    std::vector<float> afSqrt;     // √x
    std::vector<float> afSqrtSqrt; // √√x
    std::vector<float> afLog2;     // log₂(1 + x), 0.001 at i = 0
    // Indexed by i in 0..16383, angle i × 2π / 16384.
    std::vector<float> afSin;
    std::vector<float> afCos;
    // Integers −65536..65535 (index v + 65536) clamped to −32767..32767.
    std::vector<int16_t> aiClampSigned;
    // 8-bit value i → trunc(i × 16384 / 255).
    std::array<int32_t, 256> aiByteTo16384{};
    // 80 × 80 colour-wheel samples, 16-bit RGB, rows packed: hue by angle, saturation by radius.
    static constexpr int kWheelSize = 80;
    std::vector<uint16_t> auiColourWheel;

    int16_t ClampSigned(int v) const { return aiClampSigned[size_t(v + 65536)]; }
};

/// The tables; built on first use (thread-safe) and by MP_UI_InitEngine.
const SEngineTables& MP_GetTables();
