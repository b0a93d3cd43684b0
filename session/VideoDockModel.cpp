#include "session/VideoDockModel.h"

#include "core/AppLog.h"
#include "core/ImageConvert.h"
#include "session/PreviewModel.h"
#include "video/CommandLine.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>

#include <algorithm>
#include <cmath>

using Helper::AppLog;

namespace
{
const char* const kContext = "CVideoDockWidget";
constexpr double kUnknownRate = 29.97;

const CVideoDockModel::SChoice kCodecs[] = {
    {QT_TRANSLATE_NOOP("CVideoDockWidget", "Video Codec 0"), QT_TRANSLATE_NOOP("CVideoDockWidget", "H.264 (MP4)"),
     CMovieHandling::eCODEC0},
    {QT_TRANSLATE_NOOP("CVideoDockWidget", "Video Codec 1"),
     QT_TRANSLATE_NOOP("CVideoDockWidget", "Unkomprimiert (AVI)"), CMovieHandling::eCODEC1},
};
const CVideoDockModel::SChoice kQualities[] = {
    {QT_TRANSLATE_NOOP("CVideoDockWidget", "Video Quality Best"), QT_TRANSLATE_NOOP("CVideoDockWidget", "Beste Qualität"),
     CMovieHandling::eBEST},
    {QT_TRANSLATE_NOOP("CVideoDockWidget", "Video Quality Better"),
     QT_TRANSLATE_NOOP("CVideoDockWidget", "Hohe Qualität"), CMovieHandling::eBETTER},
    {QT_TRANSLATE_NOOP("CVideoDockWidget", "Video Quality Normal"),
     QT_TRANSLATE_NOOP("CVideoDockWidget", "Normale Qualität"), CMovieHandling::eNORMAL},
    {QT_TRANSLATE_NOOP("CVideoDockWidget", "Video Quality Low"), QT_TRANSLATE_NOOP("CVideoDockWidget", "Geringe Qualität"),
     CMovieHandling::eLOW},
    {QT_TRANSLATE_NOOP("CVideoDockWidget", "Video Quality Lowest"),
     QT_TRANSLATE_NOOP("CVideoDockWidget", "Geringste Qualität"), CMovieHandling::eLOWEST},
};
const CVideoDockModel::SChoice kArtefacts[] = {
    {QT_TRANSLATE_NOOP("CVideoDockWidget", "Video Artefact Unchanged"),
     QT_TRANSLATE_NOOP("CVideoDockWidget", "Keine Artefaktminderung"), CMovieHandling::eUNCHANGED},
    {QT_TRANSLATE_NOOP("CVideoDockWidget", "Video Artefact Slight"),
     QT_TRANSLATE_NOOP("CVideoDockWidget", "Leichte Artefaktminderung"), CMovieHandling::eSLIGHT},
    {QT_TRANSLATE_NOOP("CVideoDockWidget", "Video Artefact Strong"),
     QT_TRANSLATE_NOOP("CVideoDockWidget", "Starke Artefaktminderung"), CMovieHandling::eSTRONG},
    {QT_TRANSLATE_NOOP("CVideoDockWidget", "Video Artefact Intensive"),
     QT_TRANSLATE_NOOP("CVideoDockWidget", "Intensive Artefaktminderung"), CMovieHandling::eINTENSIVE},
    {QT_TRANSLATE_NOOP("CVideoDockWidget", "Video Artefact Maximal"),
     QT_TRANSLATE_NOOP("CVideoDockWidget", "Maximale Artefaktminderung"), CMovieHandling::eMAXIMAL},
};

int IndexOf(std::span<const CVideoDockModel::SChoice> choices, int value)
{
    for (size_t i = 0; i < choices.size(); ++i)
        if (choices[i].iValue == value)
            return int(i);
    return 0;
}

QString Text(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}
}  // namespace

std::span<const CVideoDockModel::SChoice> CVideoDockModel::Codecs()
{
    return kCodecs;
}

std::span<const CVideoDockModel::SChoice> CVideoDockModel::Qualities()
{
    return kQualities;
}

std::span<const CVideoDockModel::SChoice> CVideoDockModel::Artefacts()
{
    return kArtefacts;
}

QString CVideoDockModel::ChoiceText(const SChoice& choice)
{
    const QString translated = Text(choice.pszKey);
    return translated == QLatin1String(choice.pszKey) ? Text(choice.pszFallback) : translated;
}

QString CVideoDockModel::Timecode(int frame, int fps)
{
    fps = std::max(1, fps);
    frame = std::max(0, frame);
    const int seconds = frame / fps;
    return QStringLiteral("%1:%2:%3:%4")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(frame % fps, 2, 10, QLatin1Char('0'));
}

CVideoDockModel::CVideoDockModel(CMovieHandling& movie, CGradingSession& session, const QString& baseTitle,
                                 QObject* parent)
    : QObject(parent), m_movie(movie), m_prepare(session), m_strBaseTitle(baseTitle)
{
    connect(&m_fetcher, &CFrameFetcher::frameDecoded, this, &CVideoDockModel::OnFrameDecoded);
    connect(&m_fetcher, &CFrameFetcher::frameFailed, this, &CVideoDockModel::OnFrameFailed);
    connect(&m_fetcher, &CFrameFetcher::thumbnailDecoded, this, &CVideoDockModel::OnThumbnailDecoded);
    connect(&m_playback, &CClipPlayback::frameWanted, this,
            [this](int index) { RequestFrame(m_fetcher.FrameTimeUs(index)); });
    connect(&m_playback, &CClipPlayback::frameDue, this, &CVideoDockModel::ShowFrame);
    connect(&m_playback, &CClipPlayback::stopped, this, &CVideoDockModel::Update);
    Reset();
}

CVideoDockModel::~CVideoDockModel()
{
    CloseClip();
}

void CVideoDockModel::SaveProject(QSettings& settings, const QString&)
{
    settings.beginGroup(kContext);
    settings.beginGroup("SrcDesc");
    settings.setValue("m_strPath", m_src.m_strPath);
    settings.endGroup();
    m_dst.Save(settings);
    settings.beginGroup("Timeline");
    settings.setValue("m_fXPosRel", float(m_timeline.Marker()));
    settings.setValue("m_bFlipTimestamp", m_timeline.FlipTimestamp());
    settings.endGroup();
    settings.endGroup();
}

void CVideoDockModel::LoadProject(QSettings& settings, const QString&)
{
    Reset();
    settings.beginGroup(kContext);
    settings.beginGroup("Timeline");
    bool ok = false;
    const double marker = settings.value("m_fXPosRel", m_timeline.Marker()).toDouble(&ok);
    m_timeline.SetMarker(ok ? marker : m_timeline.Marker());
    m_timeline.SetFlipTimestamp(settings.value("m_bFlipTimestamp", m_timeline.FlipTimestamp()).toBool());
    settings.endGroup();
    m_dst.Load(settings);
    settings.beginGroup("SrcDesc");
    m_src.m_strPath = settings.value("m_strPath", m_src.m_strPath).toString();
    settings.endGroup();
    settings.endGroup();
    Update();
}

void CVideoDockModel::Reset()
{
    CloseClip();
    m_sourceSize = QSize(-2, -2);
    m_src.m_strPath.clear();
    m_dst = CMovieHandling::SDstDesc();
    m_timeline.Clear();
    m_iDurationMs = 0;
    m_iFrameRate = 0;
    m_dLimitedRate = 0.0;
    m_iShownFrame = 0;
    m_strStatus.clear();
    Update();
}

void CVideoDockModel::SetClipMetrics(QSize size, qint64 durationMs, double rate, double limitedRate)
{
    m_sourceSize = size;
    m_iDurationMs = std::max<qint64>(0, durationMs);
    const long rounded = rate > 0.0 ? std::lround(rate) : 0;
    m_iFrameRate = m_iDurationMs > 0 && rounded > 0 && rounded < 301 ? int(rounded) : 0;
    m_dLimitedRate = limitedRate;
    m_timeline.SetDuration(m_iDurationMs);
    m_timeline.SetGeometry(m_timeline.StripWidth(), m_iDesktopHeight, m_sourceSize);
}

bool CVideoDockModel::SetSource(const QString& path, QString* error)
{
    CloseClip();
    m_src.m_strPath = path;
    m_strStatus.clear();
    m_iShownFrame = 0;
    // The main window probed the clip while loading it: these answers come from its files.
    const double seconds = m_movie.GetDuration(path);
    SetClipMetrics(m_movie.GetFrameSize(path), seconds > 0.0 ? std::llround(seconds * 1000.0) : 0,
                   CMovieHandling::RationalValue(m_movie.GetFrameRate(path, false)),
                   CMovieHandling::RationalValue(m_movie.GetFrameRate(path, true)));
    QString failure;
    const bool opened = m_fetcher.Open(path, failure, m_movie.MainVideoStream(path));
    if (!opened)
    {
        AppLog("CVideoDockWidget::SetSource() -> " + failure);
        m_strStatus = failure;
        if (error)
            *error = failure;
    }
    Update();
    return opened;
}

void CVideoDockModel::CloseClip()
{
    m_playback.Stop();
    m_fetcher.Close();
    m_requestedSlots.clear();
    m_timeline.ClearThumbnails();
}

void CVideoDockModel::Update()
{
    AppLog("CVideoDockWidget::Update()");
    SView view;
    const QString& path = m_src.m_strPath;
    view.bSourceValid = !path.isEmpty() && QFileInfo(path).isFile();
    view.title = m_strBaseTitle;
    if (view.bSourceValid)
    {
        view.title = QStringLiteral("%1 - %2").arg(m_strBaseTitle, QFileInfo(path).fileName());
        if (m_sourceSize.width() < 1 || m_sourceSize.height() < 1)
            m_sourceSize = m_movie.GetFrameSize(path);
    }
    view.bPlayResultEnabled = !m_dst.m_strPath.isEmpty() && QFileInfo(m_dst.DestinationFile()).isFile();
    view.iCodec = IndexOf(kCodecs, m_dst.m_eCodec);
    view.iQuality = IndexOf(kQualities, m_dst.m_eQuality);
    view.iArtefact = IndexOf(kArtefacts, m_dst.m_eArtefact);
    // The quality has no effect on uncompressed output.
    view.bQualityEnabled = m_dst.m_eCodec == CMovieHandling::eCODEC0;
    view.bCopyAudio = m_dst.m_bCopyAudio;
    view.bCopyMetadata = m_dst.m_bCopyMetadata;
    view.bFlipX = m_dst.m_bFlipX;
    view.bFlipY = m_dst.m_bFlipY;
    if (view.bSourceValid && m_sourceSize.width() >= 1 && m_sourceSize.height() >= 1)
        view.resolution = QCoreApplication::translate("CVideoDockWidget", "Auflösung: %1 x %2 px")
                              .arg(m_sourceSize.width())
                              .arg(m_sourceSize.height());
    if (view.bSourceValid && m_iDurationMs > 0)
    {
        const QString time = FormatTimePosition(m_iDurationMs);
        view.length = m_iFrameRate > 0
                          ? QCoreApplication::translate("CVideoDockWidget", "Länge: %1  (%2 fps)").arg(time).arg(m_iFrameRate)
                          : QCoreApplication::translate("CVideoDockWidget", "Länge: %1").arg(time);
    }
    view.bExpandEnabled = m_timeline.Zoom() < m_timeline.HighestFittingStage();
    const double marker = m_timeline.Marker();
    view.bBackEnabled = marker > 0.0;
    view.bCentreEnabled = marker != 0.5;
    view.bForwardEnabled = marker < 1.0;
    view.bPlaying = m_playback.IsPlaying();
    if (view.bSourceValid)
        view.position = QCoreApplication::translate("CVideoDockWidget", "%1  (Bild %2)")
                            .arg(Timecode(m_iShownFrame, m_iFrameRate > 0 ? m_iFrameRate : int(std::lround(kUnknownRate))))
                            .arg(m_iShownFrame);
    view.status = m_strStatus;
    m_view = view;
    RefreshTimeline();
    emit viewChanged();
    emit timelineChanged();
}

void CVideoDockModel::RefreshTimeline()
{
    if (!m_fetcher.IsOpen())
        return;
    const QSize size = m_timeline.ThumbnailSize();
    if (size.width() < 1 || size.height() < 1)
    {
        AppLog("CTimelineLabel::UpdateImage(): Invalid size of movie images.");
        return;
    }
    const std::vector<int> missing = m_timeline.MissingSlots();
    // Asked for already (and not answered yet): the queue stays as it is.
    if (size == m_requestedSize &&
        std::all_of(missing.begin(), missing.end(), [this](int slot) { return m_requestedSlots.count(slot) != 0; }))
        return;
    AppLog("CTimelineLabel::UpdateImage()");
    std::vector<CFrameFetcher::SThumbnail> thumbnails;
    for (int slot : missing)
        thumbnails.push_back({slot, m_timeline.SampleTimeMs(slot) * 1000});
    m_requestedSlots = std::set<int>(missing.begin(), missing.end());
    m_requestedSize = size;
    m_fetcher.RequestThumbnails(thumbnails, size);
}

bool CVideoDockModel::SetMarker(double position)
{
    if (m_movie.IsRunning())
        return false;
    if (m_playback.IsPlaying())
        m_playback.Stop();
    const bool moved = m_timeline.SetMarker(position);
    if (moved)
        emit timelineChanged();
    return moved;
}

void CVideoDockModel::RefreshMainImage()
{
    const double marker = m_timeline.Marker();
    AppLog(QStringLiteral("CVideoDockWidget::UpdateMainImage(): %1").arg(marker));
    if (!m_fetcher.IsOpen() || m_iDurationMs <= 0)
        return;
    const auto positionMs = qint64(double(m_iDurationMs) * marker);
    RequestFrame(positionMs * 1000);
}

void CVideoDockModel::RequestFrame(qint64 timeUs)
{
    const QSize frame = m_fetcher.FrameSize();
    const QSize preview = m_iPreviewLongSide > 0 ? PreviewSizeFor(frame, m_iPreviewLongSide) : frame;
    m_fetcher.RequestFrame(timeUs, preview != frame ? preview : QSize());
}

void CVideoDockModel::OnFrameDecoded(const CFrameFetcher::FramePtr& frame)
{
    if (m_playback.IsPlaying())
        m_playback.Offer(frame);
    else
        ShowFrame(frame);
}

void CVideoDockModel::ShowFrame(const CFrameFetcher::FramePtr& frame)
{
    m_prepare.Configure(m_dst);
    const Helper::CRGB48Buffer* image = m_prepare.PrepareStill(frame->pixels);
    if (!image)
    {
        m_strStatus = QCoreApplication::translate("CVideoDockWidget", "Nicht genug Speicher für das Bild.");
        Update();
        return;
    }
    // The reduced copy takes the flips here; after an artefact reduction it cannot stand in for
    // the reduced frame, which the preview then makes itself.
    const QSize previewSize = frame->preview.GetSize();
    const bool withPreview = !previewSize.isEmpty() && m_dst.m_eArtefact == CMovieHandling::eUNCHANGED;
    if (withPreview)
    {
        m_preview.Create(previewSize, Helper::eCP_NO_CLEAR);
        MP_MT_RGB24ToRGB48(previewSize.width(), previewSize.height(), m_preview.GetData(),
                           const_cast<Helper::CRGB24Buffer&>(frame->preview).GetData(), m_dst.m_bFlipX, m_dst.m_bFlipY);
    }
    m_iShownFrame = frame->info.iIndex;
    m_strStatus.clear();
    // At rest the marker sits on the frame shown, so steps count from it.
    if (!m_timeline.Dragging() && m_iDurationMs > 0)
        m_timeline.SetMarker(double(frame->info.iTimeUs) / 1000.0 / double(m_iDurationMs));
    AppLog(QStringLiteral("CVideoDockWidget::UpdateMainImage() -> Frame: %1")
               .arg(std::llround(m_dLimitedRate * double(m_iDurationMs) / 1000.0 * m_timeline.Marker())));
    emit mainImageReady(*image, withPreview ? &m_preview : nullptr, m_iShownFrame);
    Update();
}

void CVideoDockModel::OnFrameFailed(qint64 timeUs, const QString& message)
{
    AppLog(QStringLiteral("CVideoDockWidget::UpdateMainImage() -> No frame at %1 us: ").arg(timeUs) + message);
    m_playback.Stop();
    m_strStatus = message; // the last good frame stays
    Update();
}

void CVideoDockModel::OnThumbnailDecoded(int slot, const CFrameFetcher::FramePtr& frame)
{
    auto* pixels = const_cast<Helper::CRGB24Buffer&>(frame->pixels).GetData();
    const QSize size = frame->pixels.GetSize();
    m_timeline.SetThumbnail(slot, QImage(pixels, size.width(), size.height(), size.width() * 3, QImage::Format_RGB888).copy());
    m_requestedSlots.erase(slot);
    emit timelineChanged();
}

void CVideoDockModel::OnCodecSelected(int index)
{
    if (index < 0 || index >= int(std::size(kCodecs)))
        return;
    m_dst.SetCodec(CMovieHandling::ECodec(kCodecs[index].iValue));
    ClearDestinationPath();
    Update();
}

void CVideoDockModel::OnQualitySelected(int index)
{
    if (index < 0 || index >= int(std::size(kQualities)))
        return;
    m_dst.SetQuality(CMovieHandling::EQuality(kQualities[index].iValue));
    ClearDestinationPath();
    Update();
}

void CVideoDockModel::OnArtefactSelected(int index)
{
    if (index < 0 || index >= int(std::size(kArtefacts)))
        return;
    m_dst.SetArtefact(CMovieHandling::EArtefact(kArtefacts[index].iValue));
    ClearDestinationPath();
    RefreshMainImage();
    Update();
}

void CVideoDockModel::OnFlipX(bool on)
{
    m_dst.m_bFlipX = on;
    ClearDestinationPath();
    RefreshMainImage();
    Update();
}

void CVideoDockModel::OnFlipY(bool on)
{
    m_dst.m_bFlipY = on;
    ClearDestinationPath();
    RefreshMainImage();
    Update();
}

void CVideoDockModel::OnCopyMetadata(bool on)
{
    m_dst.m_bCopyMetadata = on;
    ClearDestinationPath();
    Update();
}

void CVideoDockModel::OnCopyAudio(bool on)
{
    m_dst.m_bCopyAudio = on;
    ClearDestinationPath();
    Update();
}

void CVideoDockModel::OnSrcPlay()
{
    if (QFileInfo(m_src.m_strPath).isFile())
        QDesktopServices::openUrl(QUrl::fromLocalFile(m_src.m_strPath));
}

void CVideoDockModel::OnDstPlay()
{
    if (!m_dst.m_strPath.isEmpty() && QFileInfo(m_dst.DestinationFile()).isFile())
        QDesktopServices::openUrl(QUrl::fromLocalFile(m_dst.DestinationFile()));
}

void CVideoDockModel::OnExpandTimeline()
{
    if (m_timeline.Zoom() < m_timeline.HighestFittingStage())
        m_timeline.SetZoom(m_timeline.Zoom() + 1);
    Update();
}

void CVideoDockModel::OnSave()
{
    emit SigSave();
}

void CVideoDockModel::MoveTo(double position)
{
    if (m_movie.IsRunning())
        return;
    SetMarker(position);
    RefreshMainImage();
    Update();
}

double CVideoDockModel::FrameStep() const
{
    return (1.0 / (m_iFrameRate > 0 ? m_iFrameRate : kUnknownRate)) / (double(m_iDurationMs) / 1000.0);
}

void CVideoDockModel::Step(double delta)
{
    if (m_iDurationMs <= 0)
        return;
    double target = std::clamp(m_timeline.Marker() + delta, 0.0, 1.0);
    // Onto the nearest frame: with a rate that is not whole (29.97) a step of the whole rate
    // would otherwise land just after the frame it left and show it again.
    const double rate = m_fetcher.FrameRate();
    if (rate > 0.0)
    {
        const double frame = std::round(target * double(m_iDurationMs) * rate / 1000.0);
        target = std::min(1.0, frame * 1000.0 / rate / double(m_iDurationMs));
    }
    MoveTo(target);
}

void CVideoDockModel::OnPosStart()
{
    MoveTo(0.0);
}

void CVideoDockModel::OnPosLeft()
{
    if (m_iDurationMs > 0)
        Step(-1000.0 / double(m_iDurationMs));
}

void CVideoDockModel::OnPosStepLeft()
{
    if (m_iDurationMs > 0)
        Step(-FrameStep());
}

void CVideoDockModel::OnPosCenter()
{
    MoveTo(0.5);
}

void CVideoDockModel::OnPosStepRight()
{
    if (m_iDurationMs > 0)
        Step(FrameStep());
}

void CVideoDockModel::OnPosRight()
{
    if (m_iDurationMs > 0)
        Step(1000.0 / double(m_iDurationMs));
}

void CVideoDockModel::OnPosEnd()
{
    MoveTo(1.0);
}

void CVideoDockModel::OnPlayPause()
{
    if (m_playback.IsPlaying())
    {
        m_playback.Stop();
        return;
    }
    if (!m_fetcher.IsOpen() || m_movie.IsRunning())
        return;
    const double rate = m_fetcher.FrameRate() > 0.0 ? m_fetcher.FrameRate() : kUnknownRate;
    const int last = std::max(0, int(std::llround(double(m_fetcher.DurationUs()) * rate / 1e6)) - 1);
    // From the end it starts again at the first frame.
    m_playback.Start(m_iShownFrame >= last ? -1 : m_iShownFrame, last, rate);
    Update();
}

void CVideoDockModel::OnStop()
{
    m_playback.Stop();
}

void CVideoDockModel::OnTimelinePress(int x, int width)
{
    if (width < 1)
        return;
    const int clamped = std::clamp(x, 0, width);
    AppLog(QStringLiteral("CTimelineLabel::mousePressEvent() -> Pos: %1 -> %2").arg(x).arg(double(clamped) / width));
    if (m_movie.IsRunning())
        return;
    m_timeline.SetDragging(true);
    SetMarker(double(clamped) / width);
    RefreshMainImage();
    Update();
}

void CVideoDockModel::OnTimelineMove(int x, int width)
{
    if (width < 1)
        return;
    const double at = double(std::clamp(x, 0, width)) / width;
    const bool hover = std::fabs(at - m_timeline.Marker()) <= 0.01;
    if (hover != m_timeline.Hover())
    {
        m_timeline.SetHover(hover);
        emit timelineChanged();
    }
    // Scrubbing: each move asks for its frame; a newer request replaces one not yet decoded.
    if (m_timeline.Dragging() && SetMarker(at))
    {
        RefreshMainImage();
        Update();
    }
}

void CVideoDockModel::OnTimelineRelease()
{
    if (!m_timeline.Dragging())
        return;
    m_timeline.SetDragging(false);
    RefreshMainImage();
    Update();
}

void CVideoDockModel::OnTimelineLeave()
{
    m_timeline.SetHover(false);
    emit timelineChanged();
}

void CVideoDockModel::SetTimelineGeometry(int width, int desktopHeight)
{
    m_iDesktopHeight = desktopHeight;
    m_timeline.SetGeometry(width, desktopHeight, m_sourceSize);
    if (m_timeline.Zoom() > m_timeline.HighestFittingStage())
        m_timeline.SetZoom(m_timeline.HighestFittingStage());
    emit timelineChanged();
}
