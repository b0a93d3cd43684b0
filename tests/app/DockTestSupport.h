// Shared pieces of the dock tests: a preview that records what the dock asks of it, and the
// catalogue with one operator of every control kind.
#pragma once

#include "app/PreviewSurface.h"
#include "app/dock/HDRPostProcessingDockWidget.h"
#include "session/GradingSession.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempHome.h"
#include "tests/support/CatalogueText.h"

#include <QSignalSpy>

#include <memory>

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

/// A dock over a fresh session and the test catalogue, with or without the fake preview, and a
/// spy on its refresh signal.
class CDockTest : public ::testing::Test
{
protected:
    explicit CDockTest(bool withPreview = true)
        : m_dock(std::make_unique<HDRPostProcessingDockWidget>(m_session, m_prompt, withPreview ? &m_preview : nullptr,
                                                               m_catalogue)),
          m_updates(m_dock.get(), &HDRPostProcessingDockWidget::updateCurrentPostProcessing)
    {
    }

    CTempHome m_home;
    COperatorCatalogue m_catalogue = DockTestCatalogue();
    CGradingSession m_session;
    CScriptedPrompt m_prompt;
    CFakePreview m_preview;
    std::unique_ptr<HDRPostProcessingDockWidget> m_dock;
    QSignalSpy m_updates;
};
