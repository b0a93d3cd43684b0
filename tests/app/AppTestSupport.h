// Shared pieces of the widget tests: a preview that records what a dock asks of it, the
// catalogue with one operator of every control kind, a dock over a fresh session, a mouse drag,
// and small files.
#pragma once

#include "app/PreviewSurface.h"
#include "app/dock/HDRPostProcessingDockWidget.h"
#include "app/dock/ParameterControl.h"
#include "core/StillImage.h"
#include "session/GradingSession.h"
#include "tests/support/CatalogueText.h"
#include "tests/support/ScriptedPrompt.h"
#include "tests/support/TempHome.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

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

/// The dock's control of parameter set `set`, if it is a T.
template <class T>
T* ControlOf(const HDRPostProcessingDockWidget& dock, int set)
{
    for (CParameterControl* c : dock.Controls())
        if (c->Set() == set)
            return qobject_cast<T*>(c);
    return nullptr;
}

/// Left button pressed at `from`, moved to `to` and released there.
inline void Drag(QWidget* widget, QPointF from, QPointF to)
{
    QMouseEvent press(QEvent::MouseButtonPress, from, widget->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, to, widget->mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &move);
    QApplication::sendEvent(widget, &release);
}

inline bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

/// A picture of one colour saved as a 16-bit file.
inline bool SaveFlatPicture(const QString& path, int width, int height, uint16_t r, uint16_t g, uint16_t b)
{
    std::vector<uint16_t> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), {r, g, b});
    QString error;
    return StillImage::Save(path, pixels.data(), width, height, error);
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
    template <class T>
    T* ControlOf(int set)
    {
        return ::ControlOf<T>(*m_dock, set);
    }

    CTempHome m_home;
    COperatorCatalogue m_catalogue = DockTestCatalogue();
    CGradingSession m_session;
    CScriptedPrompt m_prompt;
    CFakePreview m_preview;
    std::unique_ptr<HDRPostProcessingDockWidget> m_dock;
    QSignalSpy m_updates;
};
