// Shared pieces of the dock tests: a preview that records what the dock asks of it, and the
// catalogue with one operator of every control kind.
#pragma once

#include "app/PreviewSurface.h"
#include "tests/support/CatalogueText.h"

class CFakePreview : public IPreviewSurface
{
public:
    void SetOverlay(IPreviewOverlay* overlay) override { m_pOverlay = overlay; }
    IPreviewOverlay* Overlay() const override { return m_pOverlay; }
    void UpdateOverlay() override { ++m_iUpdates; }
    QSize ImageSize() const override { return m_size; }
    QRgba64 ColourAt(QPointF imagePos, bool graded) const override
    {
        m_lastColourPos = imagePos;
        m_bLastGraded = graded;
        return m_colour;
    }

    IPreviewOverlay* m_pOverlay = nullptr;
    int m_iUpdates = 0;
    QSize m_size{100, 50};
    QRgba64 m_colour = QRgba64::fromRgba(255, 128, 0, 255);
    mutable QPointF m_lastColourPos{-1, -1};
    mutable bool m_bLastGraded = false;
};

inline COperatorCatalogue DockTestCatalogue()
{
    return CatalogueFromText(kEveryControlCatalogue);
}
