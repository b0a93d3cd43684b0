// Benchmarks of the grading engine: the gamma operator alone (its peer is ffmpeg's lutrgb, see
// bench/gamma-colour.sh), its table fill alone, and a chain of the colour operators.
//   --frame F   a raw rgb48le frame of the --size instead of seeded noise
//   --reuse 0   fill the level tables on every call (as when a slider moves) instead of keeping
//               them while the parameters stay the same (every frame of a video)
#include "cli/Benchmark.h"
#include "engine/EngineContext.h"
#include "engine/OperatorCatalogue.h"
#include "engine/PostProcessing.h"
#include "engine/RunKernel.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

/// Seeded noise, or "--frame FILE": a raw rgb48le frame of the benchmark's size (the peer
/// script hands the same file to ffmpeg).
std::shared_ptr<std::vector<uint16_t>> BenchFrame(const SBenchOptions& o, QString& error)
{
    auto frame = std::make_shared<std::vector<uint16_t>>(size_t(o.size.width()) * o.size.height() * 3);
    if (o.extra.contains("frame"))
    {
        QFile file(o.extra["frame"]);
        const qint64 bytes = qint64(frame->size() * 2);
        if (!file.open(QIODevice::ReadOnly) || file.read(reinterpret_cast<char*>(frame->data()), bytes) != bytes)
            return error = CliBench::tr("aus '%2' lassen sich keine %1 Bytes rgb48le lesen").arg(bytes).arg(o.extra["frame"]), nullptr;
        return frame;
    }
    std::mt19937 random(3);
    for (uint16_t& v : *frame)
        v = uint16_t(random());
    return frame;
}

std::shared_ptr<CEngineContext> BenchEngine(const SBenchOptions& o, QString& error)
{
    const QString value = o.extra.value("reuse", "1");
    if (value != "0" && value != "1")
        return error = CliBench::tr("ungültiges --reuse (0 oder 1)"), nullptr;
    auto engine = std::make_shared<CEngineContext>();
    engine->LevelTables().SetReuse(value == "1");
    return engine;
}

namespace
{
// The per-channel exponents of the gamma benchmark: sliders 0.3, 0.45, 0.7 give
// 1.398, 1.0995, 0.602 — the same gammas the peer script hands to ffmpeg.
const float kGammaSliders[3] = {0.3f, 0.45f, 0.7f};

bool PrepareGamma(const SBenchOptions& o, std::function<void()>& step, QString& error)
{
    auto engine = BenchEngine(o, error);
    auto frame = BenchFrame(o, error);
    if (!engine || !frame)
        return false;
    auto params = std::make_shared<Params>();
    const int w = o.size.width(), h = o.size.height();
    step = [engine, frame, params, w, h] {
        std::memset(params.get(), 0, sizeof(Params));
        MP_FillChainHeader(*engine, *params, 1.0f);
        for (int c = 0; c < 3; ++c)
            params->p[c][0] = kGammaSliders[c];
        params->p[3][1] = 100.0f;
        RunKernel("MP_calcPixelGammaColor", w, h, frame->data(), frame->data(), 6, 6, params.get(), -1, 0, 0, true, true);
    };
    return true;
}

// The three power tables alone, filled on every call: the fill's share of a cold gamma call.
bool PrepareGammaFill(const SBenchOptions&, std::function<void()>& step, QString&)
{
    auto params = std::make_shared<Params>();
    auto engine = std::make_shared<CEngineContext>();
    engine->LevelTables().SetReuse(false);
    std::memset(params.get(), 0, sizeof(Params));
    MP_FillChainHeader(*engine, *params, 1.0f);
    step = [engine, params] {
        for (int c = 0; c < 3; ++c)
        {
            const float e = (1.0f - kGammaSliders[c]) * 1.99f + 0.005f;
            MP_LevelTable(*params, eLT_POWER, {e}, [e](int i) { return std::pow(float(i) * MP_DECODE, e); });
        }
    };
    return true;
}

CPostProcessing::SOperator Operator(const char* kernel)
{
    const COperatorCatalogue& catalogue = COperatorCatalogue::Shared();
    if (const SCatalogueEntry* e = catalogue.FindKernel(kernel))
        return catalogue.CreateOperator(*e);
    CPostProcessing::SOperator op; // auxiliary kernels outside the catalogue
    op.Kernel = kernel;
    op.aParams.resize(6);
    op.aParams[5].eType = CPostProcessing::eGEO;
    return op;
}

/// The eleven colour operators with non-neutral values and no geometry.
std::unique_ptr<CPostProcessing> ColourChain()
{
    auto chain = std::make_unique<CPostProcessing>();
    auto add = [&](const char* kernel, auto&& set) {
        CPostProcessing::SOperator op = Operator(kernel);
        set(op);
        chain->Operators().append(op);
    };
    auto slider = [](CPostProcessing::SOperator& op, int set, float v) { op.aParams[size_t(set)].afValues[0] = v; };
    add("MP_calcPixelNegative", [&](auto& op) { op.aParams[0].afValues[1] = 20.0f; });
    add("MP_calcPixelGammaColor", [&](auto& op) { slider(op, 0, 0.4f), slider(op, 1, 0.5f), slider(op, 2, 0.6f); });
    add("MP_calcPixelColorBalance", [&](auto& op) { slider(op, 0, 0.55f), slider(op, 2, 0.45f); });
    add("MP_calcPixelColorTemperature", [&](auto& op) { slider(op, 0, 0.45f); });
    add("MP_calcPixelBasicTools", [&](auto& op) { slider(op, 0, 0.52f), slider(op, 1, 0.55f), slider(op, 2, 0.48f); });
    add("MP_calcPixelSepia", [&](auto& op) { op.aParams[2].afValues[1] = 40.0f; });
    add("MP_calcPixelColorMix", [&](auto& op) { slider(op, 0, 0.2f); });
    add("MP_calcPixelGradationLagrange", [&](auto& op) { COperatorCatalogue::DefaultCurve(8, op.aParams[0].afValues); });
    add("MP_calcPixelColorIntensity", [&](auto& op) { slider(op, 0, 0.6f); });
    add("MP_calcPixelbwpoint", [&](auto& op) { op.bReadBWPoint = true; });
    add("MP_calcPixelColorSpaceConversion", [&](auto& op) {
        const float m1[9] = {0.4124f, 0.3576f, 0.1805f, 0.2126f, 0.7152f, 0.0722f, 0.0193f, 0.1192f, 0.9505f};
        const float m2[9] = {3.2406f, 0.0f, 0.0f, 0.0f, 1.8758f, 0.0f, 0.0f, 0.0f, 1.0570f};
        std::memcpy(op.aParams[3].afValues, m1, sizeof(m1));
        std::memcpy(op.aParams[4].afValues, m2, sizeof(m2));
    });
    return chain;
}

bool PrepareChain(const SBenchOptions& o, std::function<void()>& step, QString& error)
{
    auto engine = BenchEngine(o, error);
    auto frame = BenchFrame(o, error);
    if (!engine || !frame)
        return false;
    const int w = o.size.width(), h = o.size.height();
    if (!engine->Slots().Fill(eWS_MAIN, frame->data(), w, h, w, h, engine->Workers(int64_t(w) * h)))
        return error = CliBench::tr("das Arbeitsbild kann nicht angelegt werden"), false;
    std::shared_ptr<CPostProcessing> chain = ColourChain();
    // The chain grades the slot in place, run after run: the cost does not depend on the content.
    const bool log = o.extra.value("log") == "1"; // the kernels' timing lines
    step = [engine, chain, w, h, log] {
        MP_UI_SetLogging(log);
        chain->Process(*engine, w, h, false);
        MP_UI_SetLogging(false);
    };
    return true;
}

// A preset of --operators groups (3000 by default), written once and loaded on every step: the
// loader's loops must stay bounded by what the file holds (robustness row B3).
bool PrepareLoad(const SBenchOptions& o, std::function<void()>& step, QString& error)
{
    const int operators = o.extra.value("operators", "3000").toInt();
    auto dir = std::make_shared<QTemporaryDir>();
    const QString path = dir->filePath("many.ini");
    QFile file(path);
    QByteArray text = "[General]\nDisplayName=Many\n";
    for (int i = 0; i < operators; ++i)
        text += QStringLiteral("[Operator_%1]\nKernel=MP_calcPixelNegative\n").arg(i, 6, 10, QLatin1Char('0')).toLatin1();
    if (operators < 1 || !file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return error = CliBench::tr("ein Preset mit %1 Operatoren kann nicht geschrieben werden").arg(operators), false;
    file.close();
    step = [dir, path, operators] {
        CPostProcessing chain;
        chain.SetPath(path);
        if (!chain.Load() || chain.Operators().size() != operators)
            std::fprintf(stderr, "preset-load: the preset did not load whole\n");
    };
    return true;
}

const SBenchmark kEngineBenchmarks[] = {
    {"gamma-colour", "MP_calcPixelGammaColor (gammas 1.398/1.0995/0.602) through RunKernel on a frame, --reuse 0|1", PrepareGamma},
    {"gamma-colour-fill", "the three 65536-entry power tables of gamma-colour, filled on every call", PrepareGammaFill},
    {"chain-colour", "CPostProcessing::Process with the eleven colour operators on a frame, --reuse 0|1", PrepareChain},
    {"preset-load", "loading a preset of --operators N operator groups (3000)", PrepareLoad},
};
}  // namespace

std::span<const SBenchmark> EngineBenchmarks()
{
    return kEngineBenchmarks;
}
