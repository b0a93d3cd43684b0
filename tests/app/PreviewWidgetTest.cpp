// The central preview widget: colours under the views, the overlay's mouse in image pixels under
// fit and 100 %, panning, the split view's two halves and its divider.
#include "app/PreviewWidget.h"
#include "core/EngineState.h"
#include "engine/ChainEditor.h"
#include "session/GradingSession.h"
#include "session/PreviewModel.h"

#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
constexpr uint16_t kR = 0x2000, kG = 0x4000, kB = 0xC000; // the frame; graded it is the negative

class CRecordingOverlay : public IPreviewOverlay
{
public:
    void Paint(QPainter&, const QTransform& imageToWidget) override { m_paintTransform = imageToWidget, ++m_iPaints; }
    bool Press(QPointF imagePos) override
    {
        m_events.push_back({'P', imagePos});
        return m_bTakePress;
    }
    void Move(QPointF imagePos) override { m_events.push_back({'M', imagePos}); }
    void Release(QPointF imagePos) override { m_events.push_back({'R', imagePos}); }

    bool m_bTakePress = true;
    std::vector<std::pair<char, QPointF>> m_events;
    QTransform m_paintTransform;
    int m_iPaints = 0;
};

class PreviewWidget : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MP_UI_SetLogging(false);
        CChainEditor editor(m_session.Chain(), COperatorCatalogue::Shared());
        ASSERT_GE(editor.Add("MP_calcPixelNegative"), 0);
        m_widget.resize(200, 100);
    }
    void LoadFrame(int width, int height)
    {
        std::vector<uint16_t> frame(size_t(width) * height * 3);
        for (size_t i = 0; i < frame.size(); i += 3)
            frame[i] = kR, frame[i + 1] = kG, frame[i + 2] = kB;
        ASSERT_TRUE(m_model.SetFrame(frame.data(), width, height));
    }
    static QRgb Original() { return qRgb(kR >> 8, kG >> 8, kB >> 8); }
    static QRgb Graded() { return qRgb((65535 - kR) >> 8, (65535 - kG) >> 8, (65535 - kB) >> 8); }
    CGradingSession m_session;
    CPreviewModel m_model{m_session};
    CPreviewWidget m_widget{m_model};
};

QRgb Shown(const QRgba64& c)
{
    return c.toArgb32();
}
}  // namespace

TEST_F(PreviewWidget, ColourAtFollowsTheViewAndNothingButTheBackgroundIsDrawnWithoutAPicture)
{
    EXPECT_TRUE(m_widget.ImageSize().isEmpty());
    EXPECT_EQ(m_widget.ColourAt(QPointF(1, 1)), QRgba64()); // nothing loaded
    const QImage empty = m_widget.grab().toImage();
    ASSERT_EQ(empty.size(), QSize(200, 100));
    for (const QPoint p : {QPoint(100, 50), QPoint(199, 99), QPoint(20, 80)})
        EXPECT_EQ(empty.pixel(p), empty.pixel(0, 0));
    EXPECT_LT(qGray(empty.pixel(0, 0)), 64); // dark

    LoadFrame(100, 50);
    EXPECT_EQ(m_widget.ImageSize(), QSize(100, 50));
    EXPECT_EQ(Shown(m_widget.ColourAt(QPointF(10, 10))), Graded());
    EXPECT_EQ(Shown(m_widget.ColourAt(QPointF(10, 10), false)), Original());
    EXPECT_EQ(Shown(m_widget.ColourAt(QPointF(500, -3))), Graded()); // clamped to the picture

    m_widget.SetView(CPreviewWidget::eOriginal);
    EXPECT_EQ(Shown(m_widget.ColourAt(QPointF(10, 10))), Original());

    m_widget.SetView(CPreviewWidget::eSplit);
    m_widget.SetSplit(0.5);
    EXPECT_EQ(Shown(m_widget.ColourAt(QPointF(20, 10))), Original());
    EXPECT_EQ(Shown(m_widget.ColourAt(QPointF(80, 10))), Graded());
    EXPECT_EQ(Shown(m_widget.ColourAt(QPointF(80, 10), false)), Original());
}

TEST_F(PreviewWidget, SplitViewShowsTheOriginalLeftAndTheGradedRight)
{
    LoadFrame(100, 50); // fitted: scale 2, the picture fills the 200 × 100 widget
    m_widget.SetView(CPreviewWidget::eSplit);
    m_widget.SetSplit(0.25);
    QImage shot = m_widget.grab().toImage();
    EXPECT_EQ(shot.pixel(20, 50), Original());
    EXPECT_EQ(shot.pixel(40, 20), Original());
    EXPECT_EQ(shot.pixel(60, 50), Graded());
    EXPECT_EQ(shot.pixel(190, 90), Graded());

    // Dragging the divider (at widget x 50) moves the split.
    m_widget.show();
    QTest::mousePress(&m_widget, Qt::LeftButton, {}, QPoint(51, 50));
    QTest::mouseMove(&m_widget, QPoint(150, 50));
    QTest::mouseRelease(&m_widget, Qt::LeftButton, {}, QPoint(150, 50));
    EXPECT_NEAR(m_widget.Split(), 0.75, 0.01);
    shot = m_widget.grab().toImage();
    EXPECT_EQ(shot.pixel(120, 50), Original());
    EXPECT_EQ(shot.pixel(170, 50), Graded());

    m_widget.SetView(CPreviewWidget::eOriginal);
    shot = m_widget.grab().toImage();
    EXPECT_EQ(shot.pixel(170, 50), Original());
    m_widget.SetView(CPreviewWidget::eGraded);
    shot = m_widget.grab().toImage();
    EXPECT_EQ(shot.pixel(20, 50), Graded());
}

TEST_F(PreviewWidget, OverlayGetsTheMouseInImagePixels)
{
    LoadFrame(100, 50);
    m_widget.show();
    CRecordingOverlay overlay;
    m_widget.SetOverlay(&overlay);
    EXPECT_EQ(m_widget.Overlay(), &overlay);

    // Fitted: two widget pixels per image pixel.
    QTest::mousePress(&m_widget, Qt::LeftButton, {}, QPoint(50, 40));
    QTest::mouseMove(&m_widget, QPoint(60, 40));
    QTest::mouseRelease(&m_widget, Qt::LeftButton, {}, QPoint(70, 20));
    ASSERT_EQ(overlay.m_events.size(), 3u);
    EXPECT_EQ(overlay.m_events[0], std::make_pair('P', QPointF(25, 20)));
    EXPECT_EQ(overlay.m_events[1], std::make_pair('M', QPointF(30, 20)));
    EXPECT_EQ(overlay.m_events[2], std::make_pair('R', QPointF(35, 10)));
    (void)m_widget.grab();
    EXPECT_GT(overlay.m_iPaints, 0);
    EXPECT_EQ(overlay.m_paintTransform.map(QPointF(25, 20)), QPointF(50, 40));

    // 100 %: the smaller picture sits in the middle, one widget pixel per image pixel.
    overlay.m_events.clear();
    m_widget.SetActualSize(true);
    QTest::mousePress(&m_widget, Qt::LeftButton, {}, QPoint(60, 30));
    QTest::mouseRelease(&m_widget, Qt::LeftButton, {}, QPoint(61, 31));
    ASSERT_EQ(overlay.m_events.size(), 2u);
    EXPECT_EQ(overlay.m_events[0].second, QPointF(10, 5));
    EXPECT_EQ(overlay.m_events[1].second, QPointF(11, 6));

    // A declined press is not followed by moves or a release.
    overlay.m_events.clear();
    overlay.m_bTakePress = false;
    QTest::mousePress(&m_widget, Qt::LeftButton, {}, QPoint(60, 30));
    QTest::mouseMove(&m_widget, QPoint(70, 30));
    QTest::mouseRelease(&m_widget, Qt::LeftButton, {}, QPoint(70, 30));
    EXPECT_EQ(overlay.m_events.size(), 1u);
    m_widget.SetOverlay(nullptr);
}

TEST_F(PreviewWidget, LargePictureAtActualSizePansByDragging)
{
    LoadFrame(400, 200);
    m_widget.show();
    m_widget.SetActualSize(true);
    // Starts at the middle of the picture.
    EXPECT_EQ(m_widget.ImageToWidget().inverted().map(QPointF(0, 0)), QPointF(100, 50));

    // No overlay takes the press: the left button pans.
    CRecordingOverlay overlay;
    overlay.m_bTakePress = false;
    m_widget.SetOverlay(&overlay);
    QTest::mousePress(&m_widget, Qt::LeftButton, {}, QPoint(100, 50));
    QTest::mouseMove(&m_widget, QPoint(80, 40));
    QTest::mouseRelease(&m_widget, Qt::LeftButton, {}, QPoint(80, 40));
    EXPECT_EQ(m_widget.ImageToWidget().inverted().map(QPointF(0, 0)), QPointF(120, 60));

    // The middle button pans even while the overlay would take presses; the overlay is not asked.
    overlay.m_bTakePress = true;
    overlay.m_events.clear();
    QTest::mousePress(&m_widget, Qt::MiddleButton, {}, QPoint(100, 50));
    QTest::mouseMove(&m_widget, QPoint(190, 95));
    QTest::mouseRelease(&m_widget, Qt::MiddleButton, {}, QPoint(190, 95));
    EXPECT_TRUE(overlay.m_events.empty());
    // Scrolling stops at the picture's edge.
    EXPECT_EQ(m_widget.ImageToWidget().inverted().map(QPointF(0, 0)), QPointF(30, 15));
    QTest::mousePress(&m_widget, Qt::MiddleButton, {}, QPoint(0, 0));
    QTest::mouseMove(&m_widget, QPoint(199, 99));
    QTest::mouseRelease(&m_widget, Qt::MiddleButton, {}, QPoint(199, 99));
    EXPECT_EQ(m_widget.ImageToWidget().inverted().map(QPointF(0, 0)), QPointF(0, 0));

    // Back to fit: the whole picture in the widget.
    m_widget.SetActualSize(false);
    EXPECT_EQ(m_widget.ImageToWidget().map(QPointF(400, 200)), QPointF(200, 100));
    m_widget.SetOverlay(nullptr);
}

