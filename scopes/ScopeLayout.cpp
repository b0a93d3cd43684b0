#include "scopes/ScopeLayout.h"

#include "scopes/ScopeFont.h"

#include <algorithm>

namespace
{
constexpr int kBareMargin = 2;                   // around a plot without labels
constexpr int kMinLabelledWidth = 48;            // a plot narrower than this drops its labels
constexpr int kMinLabelledHeight = 40;
constexpr int kMinLabelledVectorscope = 96;      // the same for the vectorscope's square

/// Labels twice as large on pictures of about 600 × 400 pixels and more.
int LabelScale(QSize size)
{
    return size.width() >= 600 && size.height() >= 400 ? 2 : 1;
}

/// Advance of `glyphs` characters plus a gap of `gap` units, at scale s.
int TextSpace(int glyphs, int gap, int s)
{
    return glyphs * (kScopeGlyphWidth + 1) * s - s + gap * s;
}

/// The plot inside margins; without room for labels, the plot inside a bare margin.
QRect Plot(QSize size, int& scale, int left, int top, int right, int bottom)
{
    const QRect labelled(left, top, size.width() - left - right, size.height() - top - bottom);
    if (labelled.width() >= kMinLabelledWidth && labelled.height() >= kMinLabelledHeight)
        return labelled;
    scale = 0;
    return QRect(kBareMargin, kBareMargin, size.width() - 2 * kBareMargin, size.height() - 2 * kBareMargin);
}
}  // namespace

SScopeLayout LayoutScope(EScopeKind kind, QSize size)
{
    SScopeLayout layout;
    int s = LabelScale(size);
    switch (kind)
    {
    case eSK_WAVEFORM:
    case eSK_PARADE:
        // "100" left of the plot; half a glyph above the 100 % line and below the 0 % line.
        layout.plot = Plot(size, s, TextSpace(3, 4, s), 4 * s, 4 * s, 4 * s);
        break;
    case eSK_HISTOGRAM:
        // Four-character counts at the left, level labels under the plot, half of "100" at the right.
        layout.plot = Plot(size, s, TextSpace(4, 4, s), 4 * s, 10 * s, (kScopeGlyphHeight + 5) * s);
        break;
    case eSK_VECTORSCOPE:
    {
        const int side = std::min(size.width(), size.height()) - 2 * kBareMargin;
        layout.plot = QRect((size.width() - side) / 2, (size.height() - side) / 2, side, side);
        if (side < kMinLabelledVectorscope)
            s = 0;
        break;
    }
    }
    layout.iLabelScale = s;
    if (kind != eSK_PARADE)
    {
        layout.areas = {layout.plot};
        return layout;
    }
    // Three equal sections; the pixels that do not divide evenly are left at the right.
    const int gap = s > 0 ? 4 * s : kBareMargin;
    const int section = std::max(1, (layout.plot.width() - 2 * gap) / 3);
    layout.plot.setWidth(3 * section + 2 * gap);
    for (int i = 0; i < 3; ++i)
        layout.areas.emplace_back(layout.plot.left() + i * (section + gap), layout.plot.top(), section, layout.plot.height());
    return layout;
}
