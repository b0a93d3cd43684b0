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

const SCliArgument kArguments[] = {{"NAME", QT_TRANSLATE_NOOP("CliHelp", "der Benchmark (siehe --list)"), ECliValue::eTEXT, true}};
const SCliOption kOptions[] = {
    {"list", nullptr, QT_TRANSLATE_NOOP("CliHelp", "listet die Benchmarks")},
    {"size", "WxH", QT_TRANSLATE_NOOP("CliHelp", "die Bildgröße (Vorgabe 1920x1080)")},
    {"iterations", "K", QT_TRANSLATE_NOOP("CliHelp", "gemessene Durchläufe nach zwei Aufwärmdurchläufen (Vorgabe 20)")},
    {"threads", "T", QT_TRANSLATE_NOOP("CliHelp", "Arbeits-Threads, 1 bis 64 (Vorgabe: die der Maschine)")},
};
// Settings some benchmarks read; each names its own in its --list line.
const SCliOption kBenchmarkSettings[] = {
    {"lut-size", "N", QT_TRANSLATE_NOOP("CliHelp", "LUT-Punkte je Achse")},
    {"lut", QT_TRANSLATE_NOOP("CliHelp", "DATEI.cube"), QT_TRANSLATE_NOOP("CliHelp", "eine LUT statt einer erfundenen"),
     ECliValue::eINPUT},
    {"frame", "RAW", QT_TRANSLATE_NOOP("CliHelp", "ein Bild aus gepacktem 16-Bit-RGB statt eines erfundenen"), ECliValue::eINPUT},
    {"clip", QT_TRANSLATE_NOOP("CliHelp", "DATEI"), QT_TRANSLATE_NOOP("CliHelp", "der zu lesende Clip"), ECliValue::eINPUT},
    {"mode", "M", QT_TRANSLATE_NOOP("CliHelp", "der Ebenenmodus der LUT")},
    {"kernel", "scalar", QT_TRANSLATE_NOOP("CliHelp", "misst die Referenz-Zeilenfunktion")},
    {"interp", "trilinear|tetrahedral", QT_TRANSLATE_NOOP("CliHelp", "das Nachschlagen der LUT zwischen ihren Punkten")},
    {"reuse", "0|1", QT_TRANSLATE_NOOP("CliHelp", "die Tabellen der Engine zwischen Durchläufen behalten")},
    {"bpp", "N", QT_TRANSLATE_NOOP("CliHelp", "kopierte Bytes je Pixel")},
    {"preview", QT_TRANSLATE_NOOP("CliHelp", "PIXEL"), QT_TRANSLATE_NOOP("CliHelp", "die lange Seite der Vorschau")},
    {"log", "0|1", QT_TRANSLATE_NOOP("CliHelp", "die Zeitmesszeilen der Engine")},
    {"scope", "WxH", QT_TRANSLATE_NOOP("CliHelp", "die Größe des Scope-Bildes")},
    {"kind", "NAME", QT_TRANSLATE_NOOP("CliHelp", "nur dieses Scope")},
    {"steps", "N", QT_TRANSLATE_NOOP("CliHelp", "nach dem Scrubben gemessene Schritte zum nächsten Bild")},
    {"seconds", "S", QT_TRANSLATE_NOOP("CliHelp", "Sekunden Wiedergabe")},
    {"all", "0|1", QT_TRANSLATE_NOOP("CliHelp", "jeder Operator der Familie")},
    {"operator", "KERNEL", QT_TRANSLATE_NOOP("CliHelp", "nur dieser Operator, mit den Vorgaben des Katalogs")},
    {"radius", "min|max", QT_TRANSLATE_NOOP("CliHelp", "die lokalen Operatoren bei ihrem kleinsten oder größten Radius")},
    {"operators", "N", QT_TRANSLATE_NOOP("CliHelp", "Operatorgruppen im Preset, das preset-load liest")},
};

bool ReadOptions(CCliArguments& args, SBenchOptions& options)
{
    if (!args.Size("size", 1, 200000000, options.size) || !args.Integer("iterations", 1, 1000000, options.iterations) ||
        !args.Integer("threads", 1, 64, options.threads))
        return false;
    if (qint64(options.size.width()) * options.size.height() > 200000000)
        return args.Fail(CliBench::tr("ungültige Größe '%1' (höchstens 200.000.000 Pixel)").arg(args.Value("size")));
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
            CliPrint(QStringLiteral("%1\t%2").arg(QLatin1String(b.name), QString::fromUtf8(b.description)));
        return 0;
    }
    SBenchOptions options;
    if (!ReadOptions(args, options))
        return args.Report(2);
    if (args.Arguments().isEmpty())
        return args.Refuse(2, CliBench::tr("kein Benchmark genannt (siehe bench --list)"));
    const QString name = args.Arguments()[0];
    const auto it = std::find_if(benchmarks.begin(), benchmarks.end(),
                                 [&](const SBenchmark& b) { return name == QLatin1String(b.name); });
    if (it == benchmarks.end())
        return args.Refuse(2, CliBench::tr("unbekannter Benchmark '%1' (siehe bench --list)").arg(name));

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
    {"bench",
     QT_TRANSLATE_NOOP("CliHelp", "führt einen benannten Benchmark nach dem Aufwärmen aus und gibt seine Zeitzeile aus"),
     kArguments, {kOptions, kBenchmarkSettings}, Bench}};
}  // namespace

void SetBenchSummary(BenchSummary summary)
{
    g_summary = std::move(summary);
}

std::span<const SCliCommand> BenchCommands()
{
    return kCommands;
}
