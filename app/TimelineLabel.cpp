#include "app/TimelineLabel.h"

#include "core/AppLog.h"
#include "session/VideoDockModel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

CTimelineLabel::CTimelineLabel(CVideoDockModel& model, QWidget* parent) : QLabel(parent), m_model(model)
{
    setObjectName(QStringLiteral("m_pTimeline"));
    setMouseTracking(true);
    setMinimumWidth(120);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(&m_model, &CVideoDockModel::timelineChanged, this, qOverload<>(&QWidget::update));
}

void CTimelineLabel::TakeGeometry()
{
    const QScreen* desktop = screen();
    m_model.SetTimelineGeometry(width(), desktop ? desktop->geometry().height() : 0);
    setFixedHeight(std::max(40, m_model.Timeline().StripHeight()));
}

void CTimelineLabel::UpdateImage()
{
    Helper::AppLog("CTimelineLabel::UpdateImage()");
    const CTimelineModel& timeline = m_model.Timeline();
    m_strip = QPixmap(std::max(1, width()), std::max(1, height()));
    m_strip.fill(palette().color(QPalette::Base).darker(143).darker(100));
    const QSize thumbnail = timeline.ThumbnailSize();
    if (thumbnail.width() >= 1 && thumbnail.height() >= 1)
    {
        QPainter painter(&m_strip);
        const int top = (height() - thumbnail.height()) / 2;
        for (int slot = 0; slot < CTimelineModel::kSlots; ++slot)
        {
            if (!CTimelineModel::IsSlotActive(timeline.Zoom(), slot))
                continue;
            const QRect place(CTimelineModel::ThumbnailLeft(slot, thumbnail.width(), width()), top, thumbnail.width(),
                              thumbnail.height());
            const QImage& image = timeline.Thumbnail(slot);
            if (!image.isNull())
                painter.drawImage(place, image);
            else if (!m_standBy.isNull())
                painter.drawPixmap(place, m_standBy);
        }
    }
    m_model.Timeline().SetNeedsUpdate(false);
}

void CTimelineLabel::paintEvent(QPaintEvent*)
{
    CTimelineModel& timeline = m_model.Timeline();
    if (timeline.NeedsUpdate() || m_strip.size() != size())
        UpdateImage();
    QPainter painter(this);
    painter.setOpacity(isEnabled() ? 1.0 : 0.5);
    painter.drawPixmap(0, 0, m_strip);
    if (!m_model.View().bSourceValid)
        return;

    const int x = timeline.MarkerX(width());
    painter.fillRect(QRect(x - 1, 0, 3, height()), QColor(64, 64, 64));
    painter.fillRect(QRect(x, 0, 1, height()), timeline.Hover() ? QColor(Qt::white) : QColor(128, 128, 128));

    const QString time = timeline.MarkerTimeText();
    const QFontMetrics metrics = painter.fontMetrics();
    const int gap = CTimelineModel::kLabelGap;
    const QSize box(metrics.horizontalAdvance(time) + 2 * gap, metrics.height() + gap);
    timeline.SetFlipTimestamp(CTimelineModel::LabelLeftOfMarker(x, box.width(), width()));
    const QRect label(timeline.FlipTimestamp() ? x - gap - box.width() : x + gap, height() - box.height(), box.width(),
                      box.height());
    painter.fillRect(label, QColor(0, 0, 0, 64));
    painter.setPen(Qt::white);
    painter.drawText(label, Qt::AlignCenter, time);
}

void CTimelineLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_model.OnTimelinePress(int(event->position().x()), width());
}

void CTimelineLabel::mouseMoveEvent(QMouseEvent* event)
{
    m_model.OnTimelineMove(int(event->position().x()), width());
}

void CTimelineLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_model.OnTimelineRelease();
}

void CTimelineLabel::leaveEvent(QEvent*)
{
    m_model.OnTimelineLeave();
}

void CTimelineLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    TakeGeometry(); // a resize draws what there is; missing thumbnails are not asked for
}

void CTimelineLabel::showEvent(QShowEvent* event)
{
    QLabel::showEvent(event);
    TakeGeometry();
    m_model.RefreshTimeline();
}

void CTimelineLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::PaletteChange)
        m_model.Timeline().SetNeedsUpdate(true);
}
