// vantrope-cli bench: runs one named benchmark after warm-up and prints its timing line.
#include "cli/Benchmark.h"
#include "cli/CliArguments.h"
#include "core/EngineState.h"
#include "core/Timing.h"
#include "core/WorkerSplit.h"

#include <QThread>

#include <algorithm>
#include <vector>

namespace
{
BenchSummary g_summary;

std::vector<SBenchmark> AllBenchmarks()
{
    std::vector<SBenchmark> all;
    for (const auto& family : {CoreBenchmarks(), VideoBenchmarks(), LutBenchmarks(), EngineBenchmarks(), SessionBenchmarks(),
                                ColourBenchmarks(), ScopeBenchmarks(), ColourFamilyBenchmarks(), EnhanceBenchmarks(),
                                ExposureBenchmarks(), SmoothBenchmarks(),
                                TimelineBenchmarks()})
        all.insert(all.end(), family.begin(), family.end());
    return all;
}

const SCliArgument kArguments[] = {{"NAME", "the benchmark (see --list)", ECliValue::eTEXT, true}};
const SCliOption kOptions[] = {
    {"list", nullptr, "lists the benchmarks"},
    {"size", "WxH", "the frame size (default 1920x1080)"},
    {"iterations", "K", "timed runs after two warm-up runs (default 20)"},
    {"threads", "T", "worker threads, 1 to 64 (default: the machine's)"},
};
// Settings some benchmarks read; each names its own in its --list line.
const SCliOption kBenchmarkSettings[] = {
    {"lut-size", "N", "LUT points per axis"},
    {"lut", "FILE.cube", "a LUT instead of a made-up one", ECliValue::eINPUT},
    {"frame", "RAW", "a frame of packed 16-bit RGB instead of a made-up one", ECliValue::eINPUT},
    {"clip", "FILE", "the clip to read", ECliValue::eINPUT},
    {"mode", "M", "the LUT's layer mode"},
    {"kernel", "scalar", "times the reference row function"},
    {"interp", "trilinear|tetrahedral", "the LUT lookup between its points"},
    {"reuse", "0|1", "keep the engine's tables between runs"},
    {"bpp", "N", "bytes per pixel copied"},
    {"preview", "PIXELS", "the preview's long side"},
    {"log", "0|1", "the engine's timing lines"},
    {"scope", "WxH", "the scope picture's size"},
    {"kind", "NAME", "only this scope"},
    {"steps", "N", "next-frame steps timed after the scrubbing"},
    {"seconds", "S", "seconds of playback"},
    {"all", "0|1", "every operator of the family"},
    {"operator", "KERNEL", "this operator alone, at its catalogue defaults"},
    {"radius", "min|max", "the local operators at their smallest or largest radius"},
    {"operators", "N", "operator groups in the preset that preset-load reads"},
};

bool ReadOptions(CCliArguments& args, SBenchOptions& options)
{
    if (!args.Size("size", 1, 200000000, options.size) || !args.Integer("iterations", 1, 1000000, options.iterations) ||
        !args.Integer("threads", 1, 64, options.threads))
        return false;
    if (qint64(options.size.width()) * options.size.height() > 200000000)
        return args.Fail(QStringLiteral("bad size '%1' (at most 200,000,000 pixels)").arg(args.Value("size")));
    for (const SCliOption& setting : kBenchmarkSettings)
    {
        const QString name = QLatin1String(setting.names);
        if (args.IsSet(name))
            options.extra.insert(name, args.Value(name));
    }
    return true;
}

int Bench(CCliArguments& args)
{
    const std::vector<SBenchmark> benchmarks = AllBenchmarks();
    if (args.IsSet("list"))
    {
        for (const SBenchmark& b : benchmarks)
            CliPrint(QStringLiteral("%1\t%2").arg(QLatin1String(b.name), QLatin1String(b.description)));
        return 0;
    }
    SBenchOptions options;
    if (!ReadOptions(args, options))
        return args.Report(2);
    if (args.Arguments().isEmpty())
        return args.Refuse(2, "no benchmark named (see bench --list)");
    const QString name = args.Arguments()[0];
    const auto it = std::find_if(benchmarks.begin(), benchmarks.end(),
                                 [&](const SBenchmark& b) { return name == QLatin1String(b.name); });
    if (it == benchmarks.end())
        return args.Refuse(2, QStringLiteral("unknown benchmark '%1' (see bench --list)").arg(name));

    const int threads = options.threads > 0 ? options.threads : QThread::idealThreadCount();
    MP_UI_SetThreadCount(threads);
    MP_MT_SetPoolThreads(std::max(1, threads - 1)); // the waiting caller is the last executor

    std::function<void()> step;
    QString error;
    if (!it->prepare(options, step, error))
        return args.Refuse(1, error);
    for (int i = 0; i < 2; ++i)
        step();
    std::vector<double> times;
    for (int i = 0; i < options.iterations; ++i)
    {
        const double start = MP_TimeStamp();
        step();
        times.push_back(MP_ElapsedMs(start));
    }
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    const double median = n % 2 ? times[n / 2] : 0.5 * (times[n / 2 - 1] + times[n / 2]);
    CliPrint(QStringLiteral("threads: %1, size: %2x%3, iterations: %4")
                 .arg(threads).arg(options.size.width()).arg(options.size.height()).arg(n));
    CliPrint(QStringLiteral("%1: median %2 ms, min %3 ms, max %4 ms")
                 .arg(name)
                 .arg(median, 0, 'f', 3)
                 .arg(times.front(), 0, 'f', 3)
                 .arg(times.back(), 0, 'f', 3));
    if (g_summary)
        CliPrint(g_summary(median));
    return 0;
}

const SCliCommand kCommands[] = {
    {"bench", "runs one named benchmark after warm-up and prints its timing line", kArguments,
     {kOptions, kBenchmarkSettings}, Bench}};
}  // namespace

void SetBenchSummary(BenchSummary summary)
{
    g_summary = std::move(summary);
}

std::span<const SCliCommand> BenchCommands()
{
    return kCommands;
}
