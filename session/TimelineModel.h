// The timeline strip of the video dock as data: the marker (0 … 1 of the clip) with its time
// label, hover and dragging, the zoom stages 0 … 5 over 65 thumbnail slots (slot i at i ÷ 64),
// the size thumbnails get, where each is drawn and which time it shows, and which thumbnails are
// still to be made, in the order they are made. The label widget paints it.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

class CTimelineModel
{
public:
    static constexpr int kSlots = 65;
    static constexpr int kHighestStage = 5;
    /// Gap between the marker and its time label, and around the label's text (pixels).
    static constexpr int kLabelGap = 4;

    /// Thumbnails shown at `stage`: 3, 5, 9, 17, 33, 65.
    static int ThumbnailCount(int stage);
    /// Stage s shows the slots whose index is a multiple of 64 ÷ 2^(s+1).
    static bool IsSlotActive(int stage, int slot);
    /// The strip's height for a desktop of `desktopHeight` pixels: ÷ 14, rounded.
    static int StripHeight(int desktopHeight);
    /// 24 pixels lower than the strip (at least 0), as wide as the source's aspect ratio gives.
    static QSize ThumbnailSize(int stripHeight, QSize source);
    /// The highest stage whose thumbnails, 4 pixels apart, fit into the width; 0 when none above 0 fits.
    static int HighestFittingStage(int stripWidth, QSize thumbnail);
    /// The fraction of the clip under the centre of slot `slot`'s thumbnail, 0 … 1.
    static double SampleFraction(int slot, int thumbnailWidth, int stripWidth);
    /// Left edge of slot `slot`'s thumbnail: the first at 0, the last flush with the right end.
    static int ThumbnailLeft(int slot, int thumbnailWidth, int stripWidth);
    /// True when a label `labelWidth` wide does not fit right of a marker at `markerX`.
    static bool LabelLeftOfMarker(int markerX, int labelWidth, int stripWidth);

    /// Marker at 0, stage 0, no thumbnails, duration 0.
    void Clear();

    double Marker() const { return m_fXPosRel; }
    /// Clamps to 0 … 1; true when the marker moved.
    bool SetMarker(double position);
    /// The marker's x in a strip `stripWidth` wide.
    int MarkerX(int stripWidth) const;
    /// The marker's time as "hh:mm:ss.mmm".
    QString MarkerTimeText() const;

    qint64 Duration() const { return m_iDurationMs; }
    void SetDuration(qint64 milliseconds) { m_iDurationMs = std::max<qint64>(0, milliseconds); }
    int Zoom() const { return m_iZoom; }
    /// Clamps to 0 … 5; a new stage needs a new strip.
    void SetZoom(int stage);
    bool FlipTimestamp() const { return m_bFlipTimestamp; }
    void SetFlipTimestamp(bool flip) { m_bFlipTimestamp = flip; }
    bool Hover() const { return m_bHover; }
    void SetHover(bool hover) { m_bHover = hover; }
    bool Dragging() const { return m_bDragging; }
    void SetDragging(bool dragging) { m_bDragging = dragging; }
    bool NeedsUpdate() const { return m_bNeedsUpdate; }
    void SetNeedsUpdate(bool needed) { m_bNeedsUpdate = needed; }

    /// The strip's width and the desktop's height (both pixels) and the clip's frame size.
    void SetGeometry(int stripWidth, int desktopHeight, QSize source);
    int StripWidth() const { return m_iStripWidth; }
    int StripHeight() const { return StripHeight(m_iDesktopHeight); }
    QSize ThumbnailSize() const { return ThumbnailSize(StripHeight(), m_sourceSize); }
    int HighestFittingStage() const { return HighestFittingStage(m_iStripWidth, ThumbnailSize()); }

    const QImage& Thumbnail(int slot) const { return m_thumbnails[size_t(slot)]; }
    void SetThumbnail(int slot, const QImage& image);
    void ClearThumbnails();
    /// Slots of the current stage without a thumbnail, in the order they are made: left to right.
    std::vector<int> MissingSlots() const;
    /// The time shown by slot `slot`'s thumbnail (milliseconds, rounded).
    qint64 SampleTimeMs(int slot) const;

private:
    double m_fXPosRel = 0.0;
    qint64 m_iDurationMs = 0;
    int m_iZoom = 0;
    bool m_bFlipTimestamp = false;
    bool m_bHover = false;
    bool m_bDragging = false;
    bool m_bNeedsUpdate = true;
    int m_iStripWidth = 0;
    int m_iDesktopHeight = 0;
    QSize m_sourceSize;
    std::array<QImage, kSlots> m_thumbnails;
};
