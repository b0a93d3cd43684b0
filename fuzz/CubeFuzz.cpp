// Fuzz target of the cube reader: parses the input from memory into a lattice buffer of exactly
// the largest size, checks that a refused input changed nothing and an accepted one has a size of
// 2…64, then bakes and applies what was read so non-finite values meet every conversion.
// Built with libFuzzer under clang, or as a replay program that runs the inputs named on its
// command line (files or folders) once each.
#include "core/EngineState.h"
#include "core/WorkerSplit.h"
#include "lut/CubeFile.h"
#include "lut/LutEngine.h"

#include <QBuffer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <vector>

namespace
{
constexpr float kUntouched = 0.25f;

void Require(bool condition, const char* oracle)
{
    if (!condition)
    {
        std::fprintf(stderr, "cube fuzz oracle failed: %s\n", oracle);
        std::abort();
    }
}

struct SHarness
{
    std::vector<float> lattice = std::vector<float>(LutLattice::kFloatCount, kUntouched);

    SHarness()
    {
        std::cout.setstate(std::ios::failbit); // the reader's trace lines
        MP_UI_SetLogging(false);
        MP_UI_SetThreadCount(1);
        MP_MT_SetPoolThreads(0);
    }
};

// The last bytes of the input choose the slider positions and the layer mode, so every step and
// mode is reached from the corpus without a separate format.
LutParameters ParametersFrom(const uint8_t* data, size_t size, int& mode)
{
    LutParameters p = LutParameters::Defaults();
    const size_t tail = std::min<size_t>(size, eLP_COUNT + 1);
    for (size_t i = 0; i + 1 < tail; ++i)
        p[int(i)] = float(data[size - 1 - i]) / 255.f;
    mode = tail > 0 ? int(data[size - tail]) % 70 : 0;
    return p;
}

void BakeAndApply(const std::vector<float>& lattice, int size, const uint8_t* data, size_t bytes)
{
    // At most 8 points per axis: the first triples of what was read, in exactly sized buffers.
    const int n = std::min(size, 8);
    const size_t floats = size_t(n) * n * n * 3;
    const std::vector<float> source(lattice.begin(), lattice.begin() + std::ptrdiff_t(floats));
    std::vector<float> baked(floats);
    int mode = 0;
    MP_calcLUTtoLUTCalc(n, source.data(), baked.data(), ParametersFrom(data, bytes, mode));
    for (float v : baked)
        Require(v >= 0.f && v <= 1.f, "baked values lie in 0..1");

    std::vector<uint16_t> ramp(8 * 8 * 3);
    for (size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = uint16_t(i * 65535 / (ramp.size() - 1));
    std::vector<uint16_t> pixels = ramp;
    MP_calcLUTtoImage(8, 8, n, baked.data(), mode, pixels.data());
    pixels = ramp;
    MP_calcLUTtoImage(8, 8, n, source.data(), mode, pixels.data()); // unbaked: NaN and ±inf stay
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static SHarness harness;
    int lutSize = 7;
    QString title = "untouched";
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    const CubeFile::SReadResult result =
        CubeFile::Read(device, "fuzz.cube", harness.lattice.data(), lutSize, title, nullptr);

    // A data line takes at least two bytes, so no write can reach beyond this many floats.
    const size_t reachable = std::min(LutLattice::kFloatCount, (size / 2 + 1) * 3);
    if (!result.bOk)
    {
        Require(lutSize == 7 && title == "untouched", "a refused input keeps size and title");
        Require(std::all_of(harness.lattice.begin(), harness.lattice.begin() + std::ptrdiff_t(reachable),
                            [](float v) { return v == kUntouched; }),
                "a refused input keeps the lattice");
        return 0;
    }
    Require(LutLattice::IsValidSize(lutSize) && lutSize == result.iSizeFound, "an accepted size lies in 2..64");
    Require(result.iTriples >= 0 && size_t(result.iTriples) <= LutLattice::kMaxPoints, "at most 262,144 triples");
    BakeAndApply(harness.lattice, lutSize, data, size);
    std::fill(harness.lattice.begin(), harness.lattice.begin() + std::ptrdiff_t(reachable), kUntouched);
    return 0;
}
