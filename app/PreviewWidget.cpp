#include "app/PreviewWidget.h"

#include "session/PreviewModel.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace
{
const QColor kBackground(0x20, 0x20, 0x20);
const QColor kDivider(0xE0, 0xE0, 0xE0);
constexpr double kDividerGrip = 6.0; // widget pixels either side of the divider that grab it
}  // namespace

CPreviewWidget::CPreviewWidget(CPreviewModel& model, QWidget* parent) : QWidget(parent), m_model(model)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(96, 64);
    connect(&m_model, &CPreviewModel::updated, this, [this] {
        ClampScroll();
        update();
    });
}

void CPreviewWidget::SetView(EView view)
{
    if (view == m_eView)
        return;
    m_eView = view;
    update();
    emit viewChanged();
}

CPreviewWidget::EView CPreviewWidget::View() const
{
    return m_eView;
}

void CPreviewWidget::SetSplit(double fraction)
{
    m_dSplit = std::clamp(fraction, 0.0, 1.0);
    update();
    emit viewChanged();
}

void CPreviewWidget::SetActualSize(bool on)
{
    if (on == m_bActualSize)
        return;
    m_bActualSize = on;
    // Start at the middle of the picture.
    const QSize image = ImageSize();
    m_scroll = QPointF((image.width() - width()) / 2.0, (image.height() - height()) / 2.0);
    ClampScroll();
    update();
}

void CPreviewWidget::SetOverlay(IPreviewOverlay* overlay)
{
    if (m_eDrag == eOverlayDrag)
        m_eDrag = eNoDrag;
    m_pOverlay = overlay;
    update();
}

IPreviewOverlay* CPreviewWidget::Overlay() const
{
    return m_pOverlay;
}

void CPreviewWidget::UpdateOverlay()
{
    update();
}

QSize CPreviewWidget::ImageSize() const
{
    return m_model.Graded().size();
}

QRgba64 CPreviewWidget::ColourAt(QPointF imagePos, bool graded) const
{
    // The before view, and the part of the split view left of the divider, show the original.
    const bool showsOriginal = m_eView == eOriginal || (m_eView == eSplit && imagePos.x() < m_dSplit * ImageSize().width());
    const QImage& image = graded && !showsOriginal ? m_model.Graded() : m_model.Original();
    if (image.isNull())
        return QRgba64();
    const int x = std::clamp(int(std::floor(imagePos.x())), 0, image.width() - 1);
    const int y = std::clamp(int(std::floor(imagePos.y())), 0, image.height() - 1);
    return QRgba64::fromArgb32(image.pixel(x, y));
}

QTransform CPreviewWidget::ImageToWidget() const
{
    const QSize image = ImageSize();
    if (image.isEmpty())
        return QTransform();
    if (m_bActualSize)
    {
        // A picture smaller than the widget stays centred; a larger one scrolls.
        const double dx = image.width() <= width() ? (width() - image.width()) / 2.0 : -m_scroll.x();
        const double dy = image.height() <= height() ? (height() - image.height()) / 2.0 : -m_scroll.y();
        return QTransform::fromTranslate(std::round(dx), std::round(dy));
    }
    const double scale = std::min(double(width()) / image.width(), double(height()) / image.height());
    const double dx = (width() - image.width() * scale) / 2.0, dy = (height() - image.height() * scale) / 2.0;
    return QTransform(scale, 0, 0, scale, dx, dy);
}

void CPreviewWidget::ClampScroll()
{
    const QSize image = ImageSize();
    m_scroll.setX(std::clamp(m_scroll.x(), 0.0, double(std::max(0, image.width() - width()))));
    m_scroll.setY(std::clamp(m_scroll.y(), 0.0, double(std::max(0, image.height() - height()))));
}

double CPreviewWidget::DividerX() const
{
    return ImageToWidget().map(QPointF(m_dSplit * ImageSize().width(), 0.0)).x();
}

void CPreviewWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    const QImage& graded = m_model.Graded();
    if (graded.isNull())
        return;
    const QImage& original = m_model.Original().size() == graded.size() ? m_model.Original() : graded;
    const QTransform toWidget = ImageToWidget();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.save();
    painter.setTransform(toWidget);
    const QRectF whole(QPointF(0, 0), QSizeF(graded.size()));
    switch (m_eView)
    {
    case eGraded:
        painter.drawImage(whole, graded);
        break;
    case eOriginal:
        painter.drawImage(whole, original);
        break;
    case eSplit:
    {
        const double split = m_dSplit * graded.width();
        const QRectF left(0, 0, split, graded.height()), right(split, 0, graded.width() - split, graded.height());
        painter.drawImage(left, original, left);
        painter.drawImage(right, graded, right);
        break;
    }
    }
    painter.restore();
    if (m_eView == eSplit)
    {
        const QRectF picture = toWidget.mapRect(whole);
        painter.setPen(QPen(kDivider, 1));
        const double x = std::round(DividerX()) + 0.5;
        painter.drawLine(QPointF(x, picture.top()), QPointF(x, picture.bottom()));
    }
    if (m_pOverlay)
        m_pOverlay->Paint(painter, toWidget);
}

void CPreviewWidget::mousePressEvent(QMouseEvent* event)
{
    m_eDrag = eNoDrag;
    if (ImageSize().isEmpty())
        return;
    const QPointF widgetPos = event->position();
    const QPointF imagePos = ImageToWidget().inverted().map(widgetPos);
    m_lastMouse = widgetPos;
    if (m_bActualSize && event->button() == Qt::MiddleButton)
        m_eDrag = ePanDrag;
    else if (event->button() == Qt::LeftButton && m_pOverlay && m_pOverlay->Press(imagePos))
        m_eDrag = eOverlayDrag;
    else if (event->button() == Qt::LeftButton && m_eView == eSplit && std::abs(widgetPos.x() - DividerX()) <= kDividerGrip)
        m_eDrag = eSplitDrag;
    else if (event->button() == Qt::LeftButton && m_bActualSize)
        m_eDrag = ePanDrag;
    if (m_eDrag == ePanDrag)
        setCursor(Qt::ClosedHandCursor);
}

void CPreviewWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF widgetPos = event->position();
    switch (m_eDrag)
    {
    case eOverlayDrag:
        if (m_pOverlay)
            m_pOverlay->Move(ImageToWidget().inverted().map(widgetPos));
        break;
    case eSplitDrag:
        if (const int w = ImageSize().width(); w > 0)
            SetSplit(ImageToWidget().inverted().map(widgetPos).x() / w);
        break;
    case ePanDrag:
        m_scroll -= widgetPos - m_lastMouse;
        m_lastMouse = widgetPos;
        ClampScroll();
        update();
        break;
    case eNoDrag:
        break;
    }
}

void CPreviewWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_eDrag == eOverlayDrag && m_pOverlay)
        m_pOverlay->Release(ImageToWidget().inverted().map(event->position()));
    if (m_eDrag == ePanDrag)
        unsetCursor();
    m_eDrag = eNoDrag;
}

void CPreviewWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ClampScroll();
}
