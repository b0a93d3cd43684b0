// vantrope-cli bench: runs one named benchmark after warm-up and prints its timing line.
#include "cli/Benchmark.h"
#include "cli/Command.h"
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
                                ColourBenchmarks(), ScopeBenchmarks(), TimelineBenchmarks()})
        all.insert(all.end(), family.begin(), family.end());
    return all;
}

bool ParseOptions(const QStringList& args, QString& name, SBenchOptions& options, QString& error)
{
    for (int i = 0; i < args.size(); ++i)
    {
        const QString& arg = args[i];
        if (!arg.startsWith("--"))
        {
            if (!name.isEmpty())
                return error = "more than one benchmark name", false;
            name = arg;
            continue;
        }
        if (i + 1 >= args.size())
            return error = QStringLiteral("option %1 needs a value").arg(arg), false;
        const QString value = args[++i];
        bool ok = true;
        if (arg == "--size")
        {
            const QStringList parts = value.split('x');
            const int w = parts.value(0).toInt(&ok), h = ok ? parts.value(1).toInt(&ok) : 0;
            if (!ok || parts.size() != 2 || w < 1 || h < 1 || int64_t(w) * h > 200000000)
                return error = QStringLiteral("bad size '%1' (expected WxH)").arg(value), false;
            options.size = QSize(w, h);
        }
        else if (arg == "--iterations")
        {
            options.iterations = value.toInt(&ok);
            if (!ok || options.iterations < 1)
                return error = QStringLiteral("bad iteration count '%1'").arg(value), false;
        }
        else if (arg == "--threads")
        {
            options.threads = value.toInt(&ok);
            if (!ok || options.threads < 1 || options.threads > 64)
                return error = QStringLiteral("bad thread count '%1' (1..64)").arg(value), false;
        }
        else
            options.extra.insert(arg.mid(2), value);
    }
    if (name.isEmpty())
        return error = "no benchmark named (see bench --list)", false;
    return true;
}
}  // namespace

void SetBenchSummary(BenchSummary summary)
{
    g_summary = std::move(summary);
}

int RunBench(const QStringList& args)
{
    const std::vector<SBenchmark> benchmarks = AllBenchmarks();
    if (args.value(0) == "--list")
    {
        for (const SBenchmark& b : benchmarks)
            CliPrint(QStringLiteral("%1\t%2").arg(QLatin1String(b.name), QLatin1String(b.description)));
        return 0;
    }
    QString name, error;
    SBenchOptions options;
    if (!ParseOptions(args, name, options, error))
    {
        CliError(error);
        return 2;
    }
    const auto it = std::find_if(benchmarks.begin(), benchmarks.end(),
                                 [&](const SBenchmark& b) { return name == QLatin1String(b.name); });
    if (it == benchmarks.end())
    {
        CliError(QStringLiteral("unknown benchmark '%1' (see bench --list)").arg(name));
        return 2;
    }

    const int threads = options.threads > 0 ? options.threads : QThread::idealThreadCount();
    MP_UI_SetThreadCount(threads);
    MP_MT_SetPoolThreads(std::max(1, threads - 1)); // the waiting caller is the last executor

    std::function<void()> step;
    if (!it->prepare(options, step, error))
    {
        CliError(error);
        return 1;
    }
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
