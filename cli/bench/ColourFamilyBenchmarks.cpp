// Benchmark of the colour family: ten representative operators (the grading desk's tools and a
// neighbourhood look), each run through the dispatcher from the frame into a second buffer, so
// every operator sees the same input run after run. The summary line gives each operator's
// median wall time, its median processor time over all threads (what the operator costs on a
// machine busy with other work) and the slowest three. The frame has smooth gradients and noise
// (or --frame FILE, raw rgb48le); --reuse 0|1 as for the engine benchmarks.
#include "cli/Benchmark.h"
#include "core/Timing.h"
#include "engine/EngineContext.h"
#include "engine/OperatorCatalogue.h"
#include "engine/PostProcessing.h"
#include "engine/RunKernel.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace
{
struct SFamilyOperator
{
    const char* kernel;
    std::function<void(Params&)> set; // non-neutral values over the catalogue's defaults
};

void Curve(float* set, const float (&y)[6])
{
    for (int i = 0; i < 6; ++i)
        set[2 * i + 1] = y[i];
}

const SFamilyOperator kOperators[] = {
    {"MP_calcPixelColorLightShadow", [](Params& p) { p.p[0][2] = 0.8f, p.p[1][0] = 0.55f, p.p[2][4] = 0.85f; }},
    {"MP_calcPixelColorGradation", [](Params& p) { Curve(p.p[0], {0, 0.16f, 0.37f, 0.63f, 0.84f, 1}), Curve(p.p[3], {0.05f, 0.22f, 0.4f, 0.6f, 0.78f, 0.95f}); }},
    {"MP_calcPixelAdjustHSL", [](Params& p) { Curve(p.p[0], {0.5f, 0.6f, 0.5f, 0.45f, 0.5f, 0.5f}), Curve(p.p[1], {0.6f, 0.5f, 0.7f, 0.5f, 0.4f, 0.6f}); }},
    {"MP_calcPixelColorVibrance", [](Params& p) { p.p[0][0] = 0.75f; }},
    {"MP_calcPixelHueShift", [](Params& p) { p.p[0][0] = 0.55f, p.p[4][0] = 0.45f; }},
    {"MP_calcPixelWhitebalance", [](Params& p) { p.p[0][2] = 0.9f, p.p[0][3] = 0.8f, p.p[0][4] = 0.7f; }},
    {"MP_calcPixelRGBTransform", [](Params& p) { p.p[0][0] = 0.55f, p.p[5][0] = 0.45f, p.p[7][0] = 0.6f; }},
    {"MP_calcPixelColorExchange", [](Params& p) { p.p[1][0] = 0.55f, p.p[8][0] = 0.7f; }},
    {"MP_calcPixelLocalWhitebalance", [](Params&) {}},
    {"MP_calcPixelStyleOrton", [](Params&) {}},
};
constexpr int kCount = int(std::size(kOperators));

bool PrepareFamily(const SBenchOptions& o, std::function<void()>& step, QString& error)
{
    auto engine = BenchEngine(o, error);
    auto frame = o.extra.contains("frame") ? BenchFrame(o, error)
                                           : std::make_shared<std::vector<uint16_t>>(PreviewFrame(o.size));
    if (!engine || !frame)
        return false;
    const int w = o.size.width(), h = o.size.height();
    auto target = std::make_shared<std::vector<uint16_t>>(frame->size());
    auto records = std::make_shared<std::vector<Params>>(size_t(kCount));
    const COperatorCatalogue& catalogue = COperatorCatalogue::Shared();
    for (int k = 0; k < kCount; ++k)
    {
        Params& p = (*records)[size_t(k)];
        std::memset(&p, 0, sizeof(Params));
        MP_FillChainHeader(*engine, p, 1.0f);
        const SCatalogueEntry* entry = catalogue.FindKernel(QString::fromLatin1(kOperators[k].kernel));
        if (!entry)
            return error = CliBench::tr("%1 ist nicht im Katalog").arg(QLatin1String(kOperators[k].kernel)), false;
        const CPostProcessing::SOperator op = catalogue.CreateOperator(*entry);
        for (size_t s = 0; s < op.aParams.size() && s < size_t(MP_PARAM_SETS); ++s)
            std::memcpy(p.p[s], op.aParams[s].afValues, sizeof(p.p[s]));
        kOperators[k].set(p);
    }
    // Per operator: wall and processor milliseconds of every run.
    auto times = std::make_shared<std::vector<std::array<std::vector<double>, 2>>>(size_t(kCount));
    step = [engine, frame, target, records, times, w, h] {
        for (int k = 0; k < kCount; ++k)
        {
            const double start = MP_TimeStamp();
            const std::clock_t cpu = std::clock();
            RunKernel(kOperators[k].kernel, w, h, frame->data(), target->data(), 6, 6, &(*records)[size_t(k)], -1, 0, 0,
                      true, true);
            (*times)[size_t(k)][0].push_back(MP_ElapsedMs(start));
            (*times)[size_t(k)][1].push_back(double(std::clock() - cpu) * 1000.0 / CLOCKS_PER_SEC);
        }
    };
    SetBenchSummary([times](double) {
        auto median = [](std::vector<double> t) {
            std::sort(t.begin(), t.end());
            return t.empty() ? 0.0 : t[t.size() / 2];
        };
        std::vector<std::pair<double, const char*>> medians;
        QStringList parts;
        for (int k = 0; k < kCount; ++k)
        {
            const double wall = median((*times)[size_t(k)][0]), cpu = median((*times)[size_t(k)][1]);
            medians.push_back({wall, kOperators[k].kernel + 12}); // without "MP_calcPixel"
            parts << QStringLiteral("%1 %2 (cpu %3)").arg(QLatin1String(kOperators[k].kernel + 12)).arg(wall, 0, 'f', 2).arg(cpu, 0, 'f', 1);
        }
        std::sort(medians.begin(), medians.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
        QStringList slowest;
        for (size_t i = 0; i < 3 && i < medians.size(); ++i)
            slowest << QStringLiteral("%1 %2 ms").arg(QLatin1String(medians[i].second)).arg(medians[i].first, 0, 'f', 2);
        return QStringLiteral("per operator (median ms, processor ms over all threads): %1\nslowest: %2")
            .arg(parts.join(", "), slowest.join(", "));
    });
    return true;
}

const SBenchmark kBenchmarks[] = {
    {"chain-colour-family", "ten colour-family operators (three-way, curves, hue curves, vibrance, …) on a frame, "
                            "per-operator medians, --reuse 0|1", PrepareFamily},
};
}  // namespace

std::span<const SBenchmark> ColourFamilyBenchmarks()
{
    return kBenchmarks;
}
