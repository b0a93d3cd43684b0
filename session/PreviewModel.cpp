#include "session/PreviewModel.h"

#include "core/ImageConvert.h"
#include "session/GradingSession.h"

#include <QTimer>

#include <algorithm>
#include <cmath>

namespace
{
/// Converts packed 16-bit RGB into `image` (reused while its size fits).
void ToDisplay(const uint16_t* pixels, QSize size, QImage& image)
{
    if (image.size() != size || image.format() != QImage::Format_RGB32)
        image = QImage(size, QImage::Format_RGB32);
    // Rows of a 32-bit QImage are packed (4 × width bytes, already 4-byte aligned).
    MP_MT_RGB48ToARGB32(size.width(), size.height(), pixels, reinterpret_cast<uint32_t*>(image.bits()));
}
}  // namespace

QSize PreviewSizeFor(QSize frame, int longSide)
{
    const int frameLong = std::max(frame.width(), frame.height());
    if (frame.isEmpty() || longSide < 1 || frameLong <= longSide)
        return frame;
    const double f = double(longSide) / frameLong;
    return QSize(std::max(1, int(std::lround(frame.width() * f))), std::max(1, int(std::lround(frame.height() * f))));
}

CPreviewModel::CPreviewModel(CGradingSession& session, QObject* parent) : QObject(parent), m_session(session)
{
}

void CPreviewModel::SetPreviewLongSide(int pixels)
{
    if (pixels < 1 || pixels == m_iLongSide)
        return;
    m_iLongSide = pixels;
    if (HasFrame())
        RequestUpdate();
}

bool CPreviewModel::SetFrame(const uint16_t* pixels, int width, int height, const uint16_t* scaled,
                             QSize scaledSize)
{
    const QSize preview = PreviewSizeFor(QSize(width, height), m_iLongSide);
    if (!m_session.SetSource(pixels, width, height, preview))
        return false;
    if (scaled && scaledSize == preview)
        m_session.AdoptScaledSource(scaled, scaledSize);
    m_frameSize = QSize(width, height);
    m_originalSize = QSize();
    return UpdateNow() || m_bRunning; // during a run the new frame is graded right after it
}

bool CPreviewModel::HasFrame() const
{
    return !m_frameSize.isEmpty();
}

QSize CPreviewModel::FrameSize() const
{
    return m_frameSize;
}

QSize CPreviewModel::PreviewSize() const
{
    return PreviewSizeFor(m_frameSize, m_iLongSide);
}

double CPreviewModel::Scale() const
{
    return m_dScale;
}

void CPreviewModel::RequestUpdate()
{
    if (m_bRunning)
    {
        m_bAgain = true; // the running grade is followed by one more of the newest state
        return;
    }
    if (m_bQueued)
        return;
    m_bQueued = true;
    QTimer::singleShot(0, this, [this] {
        if (m_bQueued) // a direct UpdateNow in between already showed the newest state
            UpdateNow();
    });
}

bool CPreviewModel::UpdateNow()
{
    return Run(false);
}

void CPreviewModel::SetShownMask(int entry)
{
    entry = std::max(entry, -1);
    if (entry == m_iShownMask)
        return;
    m_iShownMask = entry;
    if (HasFrame())
        RequestUpdate();
}

bool CPreviewModel::RecalculateFullResolution()
{
    return Run(true);
}

const Helper::CRGB48Buffer& CPreviewModel::Result() const
{
    return m_session.Result();
}

const uint16_t* CPreviewModel::OriginalPixels()
{
    return HasFrame() ? m_session.WorkingInput() : nullptr;
}

bool CPreviewModel::Run(bool fullResolution)
{
    m_bQueued = false;
    if (m_bRunning)
    {
        // Called again while the progress path pumps events: one more run follows this one.
        m_bAgain = true;
        return false;
    }
    if (!HasFrame())
        return false;
    m_bRunning = true;
    bool ok = false;
    do
    {
        m_bAgain = false;
        m_bQueued = false;
        ok = fullResolution ? GradeOnce(m_frameSize, -1) : GradeOnce(PreviewSize(), m_iShownMask);
    } while (m_bAgain);
    m_bRunning = false;
    return ok;
}

bool CPreviewModel::GradeOnce(QSize workingSize, int showMaskOf)
{
    m_session.SetWorkingSize(workingSize);
    if (!m_session.Grade(showMaskOf))
        return false;
    ++m_iRuns;
    const Helper::CRGB48Buffer& result = m_session.Result();
    const uint16_t* graded = const_cast<Helper::CRGB48Buffer&>(result).GetData();
    const QSize size = result.GetSize();
    ToDisplay(graded, size, m_graded);
    if (m_originalSize != size)
    {
        ToDisplay(m_session.WorkingInput(), size, m_original);
        m_originalSize = size;
    }
    m_dScale = double(std::max(size.width(), size.height())) / std::max(m_frameSize.width(), m_frameSize.height());
    emit updated();
    return true;
}
