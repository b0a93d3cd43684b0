// Benchmarks of the scope engine: each scope of a preview picture, counted and drawn as the
// "Scopes" dock does after every preview refresh.
#include "cli/Benchmark.h"
#include "core/EngineState.h"
#include "core/Timing.h"
#include "scopes/Scope.h"

#include <algorithm>
#include <memory>

namespace
{
constexpr int kWarmUpSteps = 2; // the bench command's untimed rounds

struct SScopeBench
{
    std::vector<uint16_t> picture;
    QSize size;
    std::vector<SScopeSettings> settings;
    std::vector<SScope> scopes;
    std::vector<std::vector<double>> times; // per scope, of the timed rounds
    int iSteps = 0;
};

// One step: every scope (or the --kind one) of a --size picture (1280x720: the preview of a 1080p
// frame) at --scope WxH (default 640x360), each timed on its own for the summary.
bool PrepareScopes(const SBenchOptions& options, std::function<void()>& step, QString& error)
{
    auto state = std::make_shared<SScopeBench>();
    SScopeSettings settings;
    const QStringList scopeSize = options.extra.value("scope", "640x360").split('x');
    settings.size = QSize(scopeSize.value(0).toInt(), scopeSize.value(1).toInt());
    if (scopeSize.size() != 2 || settings.size.width() < kMinScopeSide || settings.size.height() < kMinScopeSide ||
        settings.size.width() > kMaxScopeSide || settings.size.height() > kMaxScopeSide)
        return error = CliBench::tr("ungültige Größe für --scope (WxH, je %1 bis %2)").arg(kMinScopeSide).arg(kMaxScopeSide), false;
    for (int kind = 0; kind < kScopeKindCount; ++kind)
        if (!options.extra.contains("kind") || options.extra.value("kind") == QLatin1String(ScopeKindName(EScopeKind(kind))))
        {
            settings.eKind = EScopeKind(kind);
            state->settings.push_back(settings);
        }
    if (state->settings.empty())
        return error = CliBench::tr("--kind muss waveform, parade, vectorscope oder histogram sein"), false;
    state->size = options.size;
    state->picture = PreviewFrame(options.size);
    state->scopes.resize(state->settings.size());
    state->times.resize(state->settings.size());
    step = [state] {
        const bool timed = ++state->iSteps > kWarmUpSteps;
        for (size_t i = 0; i < state->settings.size(); ++i)
        {
            const double start = MP_TimeStamp();
            MakeScope(state->picture.data(), state->size.width(), state->size.height(), state->settings[i],
                      MP_UI_GetThreadCount(), state->scopes[i]);
            if (timed)
                state->times[i].push_back(MP_ElapsedMs(start));
        }
    };
    SetBenchSummary([state](double) {
        QStringList parts;
        for (size_t i = 0; i < state->settings.size(); ++i)
            parts << QStringLiteral("%1 %2 ms").arg(QLatin1String(ScopeKindName(state->settings[i].eKind)))
                         .arg(BenchMedian(state->times[i]), 0, 'f', 3);
        const QSize scope = state->settings.front().size;
        return QStringLiteral("scopes of %1x%2 (median each): %3")
            .arg(scope.width()).arg(scope.height()).arg(parts.join(", "));
    });
    return true;
}

const SBenchmark kScopeBenchmarks[] = {
    {"scopes", "waveform, parade, vectorscope and histogram of a --size picture (use 1280x720, the preview of a "
               "1080p frame) at --scope WxH (640x360), or only --kind K",
     PrepareScopes},
};
}  // namespace

std::span<const SBenchmark> ScopeBenchmarks()
{
    return kScopeBenchmarks;
}
