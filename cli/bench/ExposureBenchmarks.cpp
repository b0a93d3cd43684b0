// Benchmarks of the exposure family: ten representative operators one after the other on a
// frame (two local ones among them), each timed on its own, and any one operator alone. Every
// run starts from the same frame (the copy, about 2 ms, counts in the run's time, not in the
// operators').
//   --radius min|max   the local operators at their smallest radius (1 px) or their largest
//                      (the slider's end); without it they keep their catalogue radius
//   --operator NAME    (exposure-operator) the operator to time, at its catalogue defaults
#include "cli/Benchmark.h"
#include "core/Timing.h"
#include "engine/EngineContext.h"
#include "engine/OperatorCatalogue.h"
#include "engine/PostProcessing.h"

#include <QStringList>

#include <algorithm>
#include <ctime>
#include <memory>
#include <vector>

namespace
{
/// CPU time of the whole process (all threads) in ms: on a loaded machine it says what an
/// operator costs when the wall clock also counts other programs.
double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1.0e6;
}

double Median(std::vector<double> t)
{
    std::sort(t.begin(), t.end());
    return t.empty() ? 0.0 : t[t.size() / 2];
}

struct SFamilyRun
{
    std::shared_ptr<CEngineContext> engine;
    std::vector<std::unique_ptr<CPostProcessing>> chains; // one operator each
    QStringList names;
    std::vector<std::vector<double>> ms, cpuMs; // per operator, per run: wall clock and process CPU time
    std::vector<uint16_t> frame;                // what every run starts from
    int width = 0, height = 0;

    /// Puts the frame back into the working image, so every run grades the same picture.
    void Restart() { std::copy(frame.begin(), frame.end(), engine->Slots().Get(eWS_MAIN).GetData()); }
};

/// A one-operator chain at the catalogue's defaults with `change` applied; null for a kernel
/// the catalogue does not offer.
template <class Change>
std::unique_ptr<CPostProcessing> OneOperator(const QString& kernel, Change&& change)
{
    const COperatorCatalogue& catalogue = COperatorCatalogue::Shared();
    const SCatalogueEntry* entry = catalogue.FindKernel(kernel);
    if (!entry)
        return nullptr;
    auto chain = std::make_unique<CPostProcessing>();
    CPostProcessing::SOperator op = catalogue.CreateOperator(*entry);
    change(op);
    chain->Operators().append(op);
    return chain;
}

/// The radius slider position of "--radius": min → 1 px at full size, max → the slider's end.
bool RadiusOption(const SBenchOptions& o, float maxPixels, float& position, QString& error)
{
    const QString radius = o.extra.value("radius");
    if (radius.isEmpty())
        return true;
    if (radius != "min" && radius != "max")
        return error = CliBench::tr("ungültiger --radius (min oder max)"), false;
    position = radius == "min" ? 1.0f / maxPixels : 1.0f;
    return true;
}

/// The change that puts set 0 (a local operator's radius) at `position`; none for a negative one.
std::function<void(CPostProcessing::SOperator&)> RadiusChange(float position)
{
    return [position](CPostProcessing::SOperator& op) {
        if (position > 0.0f)
            op.aParams[0].afValues[0] = position;
    };
}

std::shared_ptr<SFamilyRun> PrepareRun(const SBenchOptions& o, QString& error)
{
    auto run = std::make_shared<SFamilyRun>();
    run->width = o.size.width(), run->height = o.size.height();
    run->engine = std::make_shared<CEngineContext>();
    run->frame = PreviewFrame(o.size);
    if (!run->engine->Slots().Fill(eWS_MAIN, run->frame.data(), run->width, run->height, run->width, run->height,
                                   run->engine->Workers(int64_t(run->width) * run->height)))
        return error = CliBench::tr("das Arbeitsbild kann nicht angelegt werden"), nullptr;
    return run;
}

bool PrepareFamily(const SBenchOptions& o, std::function<void()>& step, QString& error)
{
    float radius = -1.0f;
    if (!RadiusOption(o, 500.0f, radius, error))
        return false;
    auto run = PrepareRun(o, error);
    if (!run)
        return false;
    auto slider = [](float v) { return [v](CPostProcessing::SOperator& op) { op.aParams[0].afValues[0] = v; }; };
    const auto local = RadiusChange(radius);
    auto keep = [](CPostProcessing::SOperator&) {};
    const std::vector<std::pair<QString, std::function<void(CPostProcessing::SOperator&)>>> operators = {
        {"MP_calcPixelExposureValue", slider(0.5625f)},     // +0.5 EV
        {"MP_calcPixelLuminanceContrast", slider(0.6f)},
        {"MP_calcPixelLightShadow", slider(0.4f)},
        {"MP_calcPixelautomaticbwpoint", keep},             // measures the black and white points first
        {"MP_calcPixelHistogramEqualize", keep},
        {"MP_calcPixelBleachBypass", keep},
        {"MP_calcPixelAnalogGrain", keep},
        {"MP_calcPixelStructurePaper", keep},
        {"MP_calcPixelMaskLocalContrast", local},
        {"MP_calcPixelVeilingGlare", local},
    };
    for (const auto& [kernel, change] : operators)
    {
        run->chains.push_back(OneOperator(kernel, change));
        run->names << QString(kernel).mid(12);
    }
    run->ms.resize(run->chains.size());
    run->cpuMs.resize(run->chains.size());
    step = [run] {
        run->Restart();
        for (size_t i = 0; i < run->chains.size(); ++i)
        {
            const double start = MP_TimeStamp(), cpu = CpuMs();
            run->chains[i]->Process(*run->engine, run->width, run->height, false);
            run->ms[i].push_back(MP_ElapsedMs(start));
            run->cpuMs[i].push_back(CpuMs() - cpu);
        }
    };
    SetBenchSummary([run](double) {
        std::vector<std::pair<double, QString>> byWall;
        QStringList all, slowest;
        for (size_t i = 0; i < run->ms.size(); ++i)
        {
            const double wall = Median(run->ms[i]);
            byWall.push_back({wall, run->names[int(i)]});
            all << QStringLiteral("%1 %2 (cpu %3)").arg(run->names[int(i)]).arg(wall, 0, 'f', 2).arg(Median(run->cpuMs[i]), 0, 'f', 2);
        }
        std::sort(byWall.rbegin(), byWall.rend());
        for (size_t i = 0; i < 3 && i < byWall.size(); ++i)
            slowest << byWall[i].second;
        return QStringLiteral("per operator, median ms (process CPU ms of all threads): %1\nslowest: %2")
            .arg(all.join(", "), slowest.join(", "));
    });
    return true;
}

bool PrepareOperator(const SBenchOptions& o, std::function<void()>& step, QString& error)
{
    const QString kernel = o.extra.value("operator");
    float radius = -1.0f;
    if (!RadiusOption(o, 500.0f, radius, error))
        return false;
    auto run = PrepareRun(o, error);
    if (!run)
        return false;
    auto chain = std::shared_ptr<CPostProcessing>(OneOperator(kernel, RadiusChange(radius)));
    if (!chain)
        return error = CliBench::tr("unbekannter --operator '%1'").arg(kernel), false;
    step = [run, chain] {
        run->Restart();
        chain->Process(*run->engine, run->width, run->height, false);
    };
    return true;
}

const SBenchmark kExposureBenchmarks[] = {
    {"chain-exposure-family", "ten exposure operators in turn on a frame, each timed, --radius min|max for the two local ones",
     PrepareFamily},
    {"exposure-operator", "one operator at its catalogue defaults on a frame, --operator NAME [--radius min|max when set 0 is its radius]",
     PrepareOperator},
};
}  // namespace

std::span<const SBenchmark> ExposureBenchmarks()
{
    return kExposureBenchmarks;
}
