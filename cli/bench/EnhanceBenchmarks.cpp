// Benchmark of the enhance family: each operator of the list runs once per step on a structured,
// noisy frame at the catalogue's defaults with its strengths switched on; the summary gives the
// median milliseconds of each. The list is the HD luminance denoiser and the gradient sharpener,
// then the Gaussian blur at radius 2 and 100 and the skin mask when the engine has them.
//   --all 1          every operator of the "enhance" type instead
//   --operator NAME  that one operator alone
#include "cli/Benchmark.h"
#include "core/Timing.h"
#include "engine/EngineContext.h"
#include "engine/KernelRegistry.h"
#include "engine/OperatorCatalogue.h"
#include "engine/PostProcessing.h"
#include "engine/RunKernel.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>
#include <memory>
#include <random>
#include <vector>

namespace
{
struct SBenchOperator
{
    QString label;
    QString kernel;
    std::vector<std::vector<float>> sets; // values of the sets reaching the kernel
    std::vector<double> times, cpu;
};

/// Processor time of the whole process (all threads) in milliseconds: on a loaded machine the
/// wall-clock time of a step says little, its processor time ÷ threads what it would take alone.
double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec * 1e-6;
}

double Median(std::vector<double>& t)
{
    std::sort(t.begin(), t.end());
    return t.empty() ? 0.0 : (t.size() % 2 ? t[t.size() / 2] : 0.5 * (t[t.size() / 2 - 1] + t[t.size() / 2]));
}

/// A gradient with a few hard shapes and seeded noise of about 2 % — what a denoiser meets.
std::shared_ptr<std::vector<uint16_t>> NoisyScene(int w, int h)
{
    auto frame = std::make_shared<std::vector<uint16_t>>(size_t(w) * h * 3);
    std::mt19937 random(7);
    std::normal_distribution<float> noise(0.0f, 1300.0f);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
            {
                float v = 12000.0f + 30000.0f * float(x) / float(w) + 8000.0f * float(c * y) / float(h);
                if ((x / 160 + y / 120) % 3 == 0)
                    v += 18000.0f;
                (*frame)[(size_t(y) * w + x) * 3 + c] = uint16_t(std::clamp(v + noise(random), 0.0f, 65535.0f));
            }
    return frame;
}

/// The catalogue's defaults with every slider that starts at 0 moved to the middle, so
/// corrections (neutral at their defaults) do their work; `radiusPixels` > 0 sets the first
/// radius slider to that many pixels.
bool Operator(const QString& kernel, float radiusPixels, SBenchOperator& op)
{
    const SCatalogueEntry* entry = COperatorCatalogue::Shared().FindKernel(kernel);
    if (!entry || !MP_FindKernel(kernel.toStdString()))
        return false;
    const CPostProcessing::SOperator chain = COperatorCatalogue::Shared().CreateOperator(*entry);
    op.kernel = kernel;
    op.label = radiusPixels > 0.0f ? QStringLiteral("%1 r=%2").arg(kernel).arg(radiusPixels) : kernel;
    bool radiusSet = false;
    for (size_t s = 0; s < chain.aParams.size() && s < size_t(MP_PARAM_SETS); ++s)
    {
        std::vector<float> values(chain.aParams[s].afValues, chain.aParams[s].afValues + MP_PARAM_VALUES);
        const SCatalogueControl& control = entry->controls[int(s)];
        if (control.eSetType == CPostProcessing::eSLIDER && values[0] == 0.0f)
            values[0] = 0.5f;
        if (control.eSetType == CPostProcessing::eSLIDER && control.bIsRadius && radiusPixels > 0.0f && !radiusSet)
        {
            values[0] = std::clamp((radiusPixels - control.fMin) / (control.fMax - control.fMin), 0.0f, 1.0f);
            radiusSet = true;
        }
        op.sets.push_back(std::move(values));
    }
    return true;
}

bool PrepareChainEnhance(const SBenchOptions& o, std::function<void()>& step, QString& error)
{
    auto operators = std::make_shared<std::vector<SBenchOperator>>();
    auto add = [&](const QString& kernel, float radius = 0.0f) {
        SBenchOperator op;
        if (Operator(kernel, radius, op))
            operators->push_back(std::move(op));
    };
    if (o.extra.contains("operator"))
        add(o.extra.value("operator"));
    else if (o.extra.value("all") == "1")
    {
        for (const SCatalogueEntry& e : COperatorCatalogue::Shared().Entries())
            if (e.sType == QLatin1String("enhance"))
                add(e.sKernel);
    }
    else
    {
        add("MP_calcPixelDeNoiseLumHD");
        add("MP_calcPixelGradientSharpen");
        add("MP_calcPixelGaussSmooth", 2.0f);
        add("MP_calcPixelGaussSmooth", 100.0f);
        add("MP_calcPixelMaskSkin");
    }
    if (operators->empty())
        return error = CliBench::tr("keine Verbesserungsoperatoren im Katalog"), false;
    const int w = o.size.width(), h = o.size.height();
    auto scene = NoisyScene(w, h);
    auto frame = std::make_shared<std::vector<uint16_t>>(scene->size());
    auto engine = std::make_shared<CEngineContext>();
    auto params = std::make_shared<Params>();
    step = [=] {
        for (SBenchOperator& op : *operators)
        {
            std::memcpy(frame->data(), scene->data(), scene->size() * sizeof(uint16_t));
            std::memset(params.get(), 0, sizeof(Params));
            MP_FillChainHeader(*engine, *params, 1.0f);
            for (size_t s = 0; s < op.sets.size(); ++s)
                std::memcpy(params->p[s], op.sets[s].data(), sizeof(params->p[s]));
            const QByteArray kernel = op.kernel.toLatin1();
            const double start = MP_TimeStamp(), cpu = CpuMs();
            RunKernel(kernel.constData(), w, h, frame->data(), frame->data(), 6, 6, params.get(), -1, 0, 0, true, true);
            op.times.push_back(MP_ElapsedMs(start));
            op.cpu.push_back(CpuMs() - cpu);
            engine->Mask().Drop();
        }
    };
    SetBenchSummary([operators](double) {
        QStringList lines;
        for (SBenchOperator& op : *operators)
            lines << QStringLiteral("  %1: median %2 ms, processor %3 ms")
                         .arg(op.label)
                         .arg(Median(op.times), 0, 'f', 2)
                         .arg(Median(op.cpu), 0, 'f', 2);
        return lines.join('\n');
    });
    return true;
}

const SBenchmark kBenchmarks[] = {
    {"chain-enhance", "enhance operators one by one on a noisy frame, milliseconds of each; --all 1 (every one) "
                      "or --operator KERNEL",
     PrepareChainEnhance},
};
}  // namespace

std::span<const SBenchmark> EnhanceBenchmarks()
{
    return kBenchmarks;
}
