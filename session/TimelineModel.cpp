#include "session/TimelineModel.h"

#include "video/CommandLine.h"

#include <algorithm>
#include <cmath>

int CTimelineModel::ThumbnailCount(int stage)
{
    return (2 << std::clamp(stage, 0, kHighestStage)) + 1;
}

bool CTimelineModel::IsSlotActive(int stage, int slot)
{
    const int step = 64 >> (std::clamp(stage, 0, kHighestStage) + 1);
    return slot >= 0 && slot < kSlots && slot % step == 0;
}

int CTimelineModel::StripHeight(int desktopHeight)
{
    return int(std::lround(std::max(0, desktopHeight) / 14.0));
}

QSize CTimelineModel::ThumbnailSize(int stripHeight, QSize source)
{
    const int height = std::max(0, stripHeight - 24);
    if (source.width() < 1 || source.height() < 1)
        return QSize(0, height);
    return QSize(int(std::lround(double(height) * source.width() / source.height())), height);
}

int CTimelineModel::HighestFittingStage(int stripWidth, QSize thumbnail)
{
    for (int stage = kHighestStage; stage > 0; --stage)
        if (qint64(ThumbnailCount(stage)) * (thumbnail.width() + 4) < stripWidth)
            return stage;
    return 0;
}

double CTimelineModel::SampleFraction(int slot, int thumbnailWidth, int stripWidth)
{
    const double position = slot / 64.0;
    if (stripWidth < 1)
        return position;
    return std::clamp(position + (0.5 - position) * thumbnailWidth / stripWidth, 0.0, 1.0);
}

int CTimelineModel::ThumbnailLeft(int slot, int thumbnailWidth, int stripWidth)
{
    return int(std::lround(slot / 64.0 * (stripWidth - thumbnailWidth)));
}

bool CTimelineModel::LabelLeftOfMarker(int markerX, int labelWidth, int stripWidth)
{
    return markerX + kLabelGap + labelWidth > stripWidth;
}

void CTimelineModel::Clear()
{
    m_fXPosRel = 0.0;
    m_iDurationMs = 0;
    m_iZoom = 0;
    m_bFlipTimestamp = m_bHover = m_bDragging = false;
    m_sourceSize = QSize();
    ClearThumbnails();
}

bool CTimelineModel::SetMarker(double position)
{
    const double clamped = std::isnan(position) ? 0.0 : std::clamp(position, 0.0, 1.0);
    if (clamped == m_fXPosRel)
        return false;
    m_fXPosRel = clamped;
    return true;
}

int CTimelineModel::MarkerX(int stripWidth) const
{
    return std::clamp(int(std::lround(m_fXPosRel * stripWidth)), 0, std::max(0, stripWidth - 1));
}

QString CTimelineModel::MarkerTimeText() const
{
    return FormatTimePosition(qint64(double(m_iDurationMs) * m_fXPosRel));
}

void CTimelineModel::SetZoom(int stage)
{
    stage = std::clamp(stage, 0, kHighestStage);
    if (stage != m_iZoom)
        m_bNeedsUpdate = true;
    m_iZoom = stage;
}

void CTimelineModel::SetGeometry(int stripWidth, int desktopHeight, QSize source)
{
    if (source != m_sourceSize || desktopHeight != m_iDesktopHeight)
        ClearThumbnails(); // another thumbnail size
    if (stripWidth != m_iStripWidth)
        m_bNeedsUpdate = true;
    m_iStripWidth = std::max(0, stripWidth);
    m_iDesktopHeight = std::max(0, desktopHeight);
    m_sourceSize = source;
}

void CTimelineModel::SetThumbnail(int slot, const QImage& image)
{
    if (slot < 0 || slot >= kSlots)
        return;
    m_thumbnails[size_t(slot)] = image;
    m_bNeedsUpdate = true;
}

void CTimelineModel::ClearThumbnails()
{
    for (QImage& image : m_thumbnails)
        image = QImage();
    m_bNeedsUpdate = true;
}

std::vector<int> CTimelineModel::MissingSlots() const
{
    std::vector<int> missing;
    for (int slot = 0; slot < kSlots; ++slot)
        if (IsSlotActive(m_iZoom, slot) && m_thumbnails[size_t(slot)].isNull())
            missing.push_back(slot);
    return missing;
}

qint64 CTimelineModel::SampleTimeMs(int slot) const
{
    return std::llround(double(m_iDurationMs) * SampleFraction(slot, ThumbnailSize().width(), m_iStripWidth));
}
