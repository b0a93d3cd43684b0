// Benchmarks of the image core: the format conversions, a plain copy of the same bytes, and
// the cost of one empty worker round.
#include "cli/Benchmark.h"
#include "core/ImageConvert.h"
#include "core/WorkerSplit.h"

#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace
{
struct SFrames
{
    std::vector<uint8_t> rgb24;
    std::vector<uint16_t> rgb48;
    std::vector<uint32_t> argb32;
    int w = 0, h = 0;
};

std::shared_ptr<SFrames> MakeFrames(const QSize& size)
{
    auto f = std::make_shared<SFrames>();
    f->w = size.width();
    f->h = size.height();
    const size_t samples = size_t(f->w) * f->h * 3;
    f->rgb24.resize(samples);
    f->rgb48.resize(samples);
    f->argb32.resize(size_t(f->w) * f->h);
    std::mt19937 random(7);
    for (size_t i = 0; i < samples; ++i)
    {
        f->rgb24[i] = uint8_t(random());
        f->rgb48[i] = uint16_t(random());
    }
    return f;
}

bool PrepareRgb24To48(const SBenchOptions& o, std::function<void()>& step, QString&)
{
    auto f = MakeFrames(o.size);
    step = [f] { MP_MT_RGB24ToRGB48(f->w, f->h, f->rgb48.data(), f->rgb24.data(), false, false); };
    return true;
}

bool PrepareRgb48To24(const SBenchOptions& o, std::function<void()>& step, QString&)
{
    auto f = MakeFrames(o.size);
    step = [f] { MP_MT_RGB48ToRGB24(f->w, f->h, f->w, f->h, f->rgb48.data(), f->rgb24.data()); };
    return true;
}

bool PrepareRgb48ToArgb32(const SBenchOptions& o, std::function<void()>& step, QString&)
{
    auto f = MakeFrames(o.size);
    step = [f] { MP_MT_RGB48ToARGB32(f->w, f->h, f->rgb48.data(), f->argb32.data()); };
    return true;
}

// A plain single-threaded copy of as many bytes as a conversion writes: the yardstick.
// "--bpp N" bytes per pixel (6: 16-bit RGB, the default; 3: 8-bit RGB; 4: display words).
bool PrepareMemcpy(const SBenchOptions& o, std::function<void()>& step, QString& error)
{
    bool ok = true;
    const int bpp = o.extra.value("bpp", "6").toInt(&ok);
    if (!ok || bpp < 1 || bpp > 16)
        return error = CliBench::tr("ungültiges --bpp (1..16)"), false;
    const size_t bytes = size_t(o.size.width()) * o.size.height() * bpp;
    auto source = std::make_shared<std::vector<uint8_t>>(bytes, uint8_t(0x5A));
    auto target = std::make_shared<std::vector<uint8_t>>(bytes);
    step = [source, target] { std::memcpy(target->data(), source->data(), source->size()); };
    return true;
}

void EmptyTask(TaskFuncParams)
{
}

// 1000 rounds of 64 empty tasks started and awaited; the timing line is per 1000 rounds.
bool PrepareSplitOverhead(const SBenchOptions&, std::function<void()>& step, QString&)
{
    step = [] {
        for (int round = 0; round < 1000; ++round)
        {
            TaskFuncParams record;
            for (int band = 0; band < 64; ++band)
            {
                record.iBand = band;
                MP_MT_Run(&EmptyTask, record);
            }
            MP_MT_WaitAll();
        }
    };
    return true;
}

const SBenchmark kCoreBenchmarks[] = {
    {"rgb24to48", "MP_MT_RGB24ToRGB48 on a frame (8-bit to 16-bit RGB)", PrepareRgb24To48},
    {"rgb48to24", "MP_MT_RGB48ToRGB24 on a frame (16-bit to 8-bit RGB)", PrepareRgb48To24},
    {"rgb48toargb32", "MP_MT_RGB48ToARGB32 on a frame (16-bit RGB to display words)", PrepareRgb48ToArgb32},
    {"memcpy", "memcpy of a frame's output bytes, --bpp 6|3|4 (the yardstick)", PrepareMemcpy},
    {"split-overhead", "1000 empty rounds of 64 tasks (MP_MT_Run + MP_MT_WaitAll)", PrepareSplitOverhead},
};
}  // namespace

std::span<const SBenchmark> CoreBenchmarks()
{
    return kCoreBenchmarks;
}
