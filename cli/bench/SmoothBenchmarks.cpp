// Benchmarks of the smoothing, mask and tone-mapping operators: each operator graded alone
// through the chain (so iterative tone mapping runs its passes) on a frame, timed on its own.
//   default        the Gaussian blur at radius 2, 50 and 100 pixels and the skin mask
//   --all 1          every smooth, mask and tone-mapping operator of the catalogue at its defaults
#include "cli/Benchmark.h"
#include "core/Timing.h"
#include "engine/EngineContext.h"
#include "engine/OperatorCatalogue.h"
#include "engine/PostProcessing.h"

#include <QStringList>

#include <algorithm>
#include <ctime>
#include <memory>

namespace
{
constexpr int kWarmUpSteps = 2; // the bench command's untimed rounds

struct SOperatorRun
{
    QString sLabel;
    CPostProcessing chain;
    std::vector<double> times, cpuTimes; // wall and processor ms of the timed rounds
};

struct SSmoothBench
{
    CEngineContext engine;
    std::vector<uint16_t> frame;
    QSize size;
    std::vector<std::unique_ptr<SOperatorRun>> runs;
    int iSteps = 0;
};

void Add(SSmoothBench& bench, const QString& label, const SCatalogueEntry& entry, float slider0 = -1.0f)
{
    auto run = std::make_unique<SOperatorRun>();
    run->sLabel = label;
    CPostProcessing::SOperator op = COperatorCatalogue::Shared().CreateOperator(entry);
    if (slider0 >= 0.0f)
        op.aParams[0].afValues[0] = slider0;
    run->chain.Operators().append(op);
    bench.runs.push_back(std::move(run));
}

bool PrepareSmooth(const SBenchOptions& options, std::function<void()>& step, QString& error)
{
    const QString which = options.extra.value("all");
    if (!which.isEmpty() && which != QLatin1String("0") && which != QLatin1String("1"))
        return error = CliBench::tr("--all nimmt 0 oder 1"), false;
    auto bench = std::make_shared<SSmoothBench>();
    const COperatorCatalogue& catalogue = COperatorCatalogue::Shared();
    if (which != QLatin1String("1"))
    {
        const SCatalogueEntry* gauss = catalogue.FindKernel(QStringLiteral("MP_calcPixelGaussSmooth"));
        const SCatalogueEntry* skin = catalogue.FindKernel(QStringLiteral("MP_calcPixelMaskSkin"));
        if (!gauss || !skin)
            return error = CliBench::tr("dem Katalog fehlen der Gaußsche Weichzeichner oder die Hautmaske"), false;
        for (const int radius : {2, 50, 100})
            Add(*bench, QStringLiteral("gauss r%1").arg(radius), *gauss, float(radius) / 200.0f); // slider: 200 px
        Add(*bench, QStringLiteral("skin mask"), *skin);
    }
    else
        for (const SCatalogueEntry& e : catalogue.Entries())
            if (e.sType == QLatin1String("smooth") || e.sType == QLatin1String("mask") ||
                e.sType == QLatin1String("tonemapping"))
                Add(*bench, e.sKernel.mid(12), e); // without "MP_calcPixel"
    bench->size = options.size;
    bench->frame = PreviewFrame(options.size);
    step = [bench] {
        const bool timed = ++bench->iSteps > kWarmUpSteps;
        const int w = bench->size.width(), h = bench->size.height();
        for (const auto& run : bench->runs)
        {
            bench->engine.Slots().Fill(eWS_MAIN, bench->frame.data(), w, h, w, h, bench->engine.Workers(int64_t(w) * h));
            const double start = MP_TimeStamp();
            const std::clock_t cpuStart = std::clock();
            run->chain.Process(bench->engine, w, h, false);
            if (timed)
            {
                run->times.push_back(MP_ElapsedMs(start));
                run->cpuTimes.push_back(double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC);
            }
        }
    };
    SetBenchSummary([bench](double) {
        QStringList parts;
        for (const auto& run : bench->runs)
            parts << QStringLiteral("%1 %2 ms (%3 ms processor)")
                         .arg(run->sLabel)
                         .arg(BenchMedian(run->times), 0, 'f', 2)
                         .arg(BenchMedian(run->cpuTimes), 0, 'f', 2);
        // On a busy machine the wall time grows with the load; the processor time (all workers
        // together) divided by the threads is what the operator costs on an idle one.
        return QStringLiteral("per operator (median, the frame refill untimed): %1").arg(parts.join(", "));
    });
    return true;
}

const SBenchmark kSmoothBenchmarks[] = {
    {"chain-smooth", "Gaussian blur of radius 2, 50 and 100 and the skin mask, each alone through the chain on a "
                     "frame; --all 1: every smooth, mask and tone-mapping operator at its defaults",
     PrepareSmooth},
};
}  // namespace

std::span<const SBenchmark> SmoothBenchmarks()
{
    return kSmoothBenchmarks;
}
