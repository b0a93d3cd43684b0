// The video dock's timeline strip: paints the thumbnails, the marker and its time label of a
// CTimelineModel and passes the mouse to the dock's model, which moves the marker.
#pragma once

#include <QLabel>
#include <QPixmap>

class CVideoDockModel;

class CTimelineLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CTimelineLabel(CVideoDockModel& model, QWidget* parent = nullptr);

    /// Drawn in a slot whose thumbnail has not been made yet (none: the slot stays empty).
    void SetStandByImage(const QPixmap& image) { m_standBy = image; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    /// Tells the model the strip's width and the desktop's height; fixes the strip's height.
    void TakeGeometry();
    /// Rebuilds the strip image from the thumbnails of the current stage.
    void UpdateImage();

    CVideoDockModel& m_model;
    QPixmap m_strip;
    QPixmap m_standBy;
};
