#include "scopes/Scope.h"

#include "scopes/ScopeCounts.h"
#include "scopes/ScopeLayout.h"
#include "scopes/ScopeRender.h"

#include <algorithm>
#include <cmath>

namespace
{
const char* const kKindNames[kScopeKindCount] = {"waveform", "parade", "vectorscope", "histogram"};
}  // namespace

void MakeScope(const uint16_t* pixels, int width, int height, const SScopeSettings& settings, int bands, SScope& scope)
{
    scope.settings = settings;
    scope.settings.size = settings.size.expandedTo(QSize(kMinScopeSide, kMinScopeSide))
                              .boundedTo(QSize(kMaxScopeSide, kMaxScopeSide));
    scope.settings.fGain = std::isfinite(settings.fGain) ? std::clamp(settings.fGain, kMinScopeGain, kMaxScopeGain) : 1.0f;
    const SScopeLayout layout = LayoutScope(scope.settings.eKind, scope.settings.size);
    scope.areas = layout.areas;
    const QRect& grid = layout.areas.front();
    CountScope(pixels, width, height, scope.settings.eKind, grid.width(), grid.height(), bands, scope.counts);
    scope.picture.Create(scope.settings.size, Helper::eCP_NO_CLEAR);
    RenderScope(scope.settings, layout, scope.counts, scope.picture);
}

const char* ScopeKindName(EScopeKind kind)
{
    return kKindNames[std::clamp(int(kind), 0, kScopeKindCount - 1)];
}

bool ScopeKindFromName(const QString& name, EScopeKind& kind)
{
    for (int i = 0; i < kScopeKindCount; ++i)
        if (name == QLatin1String(kKindNames[i]))
            return kind = EScopeKind(i), true;
    return false;
}
