// Everything the video dock decides, without a widget: the loaded clip's source descriptor and
// the export settings (a destination descriptor), the clip's size, length and rate, the timeline
// with its marker and thumbnails, the position buttons and keys, playback of the graded clip,
// and the project group "CVideoDockWidget". Picking a position decodes that frame off the GUI
// thread; when it arrives it is handed on (mirrored and cleaned as the export would) as the
// picture to grade. The dock widget, the command line and the tests drive this object.
#pragma once

#include "core/IProject.h"
#include "session/ClipPlayback.h"
#include "session/ExportFrameGrader.h"
#include "session/TimelineModel.h"
#include "video/FrameFetcher.h"
#include "video/MovieHandling.h"

#include <QObject>
#include <QString>

#include <set>
#include <span>

class CGradingSession;

class CVideoDockModel : public QObject, public IProject
{
    Q_OBJECT

public:
    /// One item of a selector: its translation key (context "CVideoDockWidget"), the German text
    /// shown while no translation names it, and the descriptor's value.
    struct SChoice
    {
        const char* pszKey;
        const char* pszFallback;
        int iValue;
    };
    static std::span<const SChoice> Codecs();
    static std::span<const SChoice> Qualities(); // best first
    static std::span<const SChoice> Artefacts();
    /// The translated item, or the translated German text when the key has no translation.
    static QString ChoiceText(const SChoice& choice);
    /// "HH:MM:SS:FF" of frame `frame` at `fps` frames per second (whole seconds and frames).
    static QString Timecode(int frame, int fps);

    /// What the dock shows; rebuilt by Update().
    struct SView
    {
        QString title;
        bool bSourceValid = false;
        bool bPlayResultEnabled = false;
        int iCodec = 0, iQuality = 2, iArtefact = 0; // selector indexes
        bool bQualityEnabled = true;
        bool bCopyAudio = true, bCopyMetadata = true, bFlipX = false, bFlipY = false;
        QString resolution, length;
        bool bExpandEnabled = false;
        bool bBackEnabled = false;    // start, one second back, one frame back
        bool bCentreEnabled = true;
        bool bForwardEnabled = true;  // one frame on, one second on, end
        bool bPlaying = false;
        QString position; // timecode and frame number of the frame shown
        QString status;   // why the last position could not be shown, else empty
    };

    CVideoDockModel(CMovieHandling& movie, CGradingSession& session, const QString& baseTitle,
                    QObject* parent = nullptr);
    ~CVideoDockModel() override;

    /// Adds this dock's project group to `registry` (walked when projects are saved and loaded).
    void Register(CProjectRegistry& registry) { registry.Add(this); }
    /// Group "CVideoDockWidget": "SrcDesc", "DstDesc", "Timeline", in this order.
    void SaveProject(QSettings& settings, const QString& dataFolder) override;
    /// Resets, then reads "Timeline", "DstDesc" and "SrcDesc", each key defaulting to the current value.
    void LoadProject(QSettings& settings, const QString& dataFolder) override;

    /// Source size (-2, -2), no source, default destination, timeline cleared, clip closed.
    void Reset();
    /// The clip the main window has loaded (its frame 0 is shown): probes it, opens its decoder
    /// and makes the timeline. False, with `error` set, when it cannot be decoded.
    bool SetSource(const QString& path, QString* error = nullptr);
    /// Stops playback and closes the decoder (no decoding outlives a closed clip).
    void CloseClip();
    /// The clip's frame size, length and rate (as probed, and with the limit rule): SetSource()
    /// probes them; a rate above 300 counts as unknown.
    void SetClipMetrics(QSize size, qint64 durationMs, double rate, double limitedRate);

    const CMovieHandling::SSrcDesc& Source() const { return m_src; }
    const CMovieHandling::SDstDesc& Destination() const { return m_dst; }
    CMovieHandling::SDstDesc& Destination() { return m_dst; }
    QSize SourceSize() const { return m_sourceSize; }
    qint64 DurationMs() const { return m_iDurationMs; }
    /// The clip's rate rounded to a whole number; 0 when unknown or above 300.
    int FrameRate() const { return m_iFrameRate; }
    CTimelineModel& Timeline() { return m_timeline; }
    const CTimelineModel& Timeline() const { return m_timeline; }
    CFrameFetcher& Fetcher() { return m_fetcher; }
    CClipPlayback& Playback() { return m_playback; }
    const SView& View() const { return m_view; }
    /// The number of the frame shown last (0 after loading).
    int ShownFrame() const { return m_iShownFrame; }

    /// Rebuilds the view from the state, asks for missing thumbnails, emits viewChanged().
    void Update();
    /// Asks the decoder for the thumbnails the strip's stage still lacks (left to right).
    void RefreshTimeline();

    /// Moves the marker (clamped to 0 … 1); ignored while the movie handler runs a process.
    /// True when it moved.
    bool SetMarker(double position);
    /// Asks for the frame at the marker; it arrives through mainImageReady().
    void RefreshMainImage();
    /// The preview's long side (0: none): frames then also come reduced to the preview's size,
    /// scaled while they are decoded.
    void SetPreviewLongSide(int pixels) { m_iPreviewLongSide = pixels; }

    // Selectors and check buttons (each clears the destination path).
    void OnCodecSelected(int index);
    void OnQualitySelected(int index);
    void OnArtefactSelected(int index);
    void OnFlipX(bool on);
    void OnFlipY(bool on);
    void OnCopyMetadata(bool on);
    void OnCopyAudio(bool on);
    /// Open the source, or the saved result, in the desktop's default player.
    void OnSrcPlay();
    void OnDstPlay();
    void OnExpandTimeline();
    void OnSave();
    // Position buttons and keys.
    void OnPosStart();
    void OnPosLeft();      // one second back
    void OnPosStepLeft();  // one frame back
    void OnPosCenter();
    void OnPosStepRight(); // one frame on
    void OnPosRight();     // one second on
    void OnPosEnd();
    /// Space: plays the graded clip from the frame shown, or stops it.
    void OnPlayPause();
    /// Escape: stops playback.
    void OnStop();

    // The timeline under the mouse (x and width in pixels of the strip).
    void OnTimelinePress(int x, int width);
    void OnTimelineMove(int x, int width);
    void OnTimelineRelease();
    void OnTimelineLeave();
    /// The strip's width and the desktop's height; a smaller strip may lower the zoom stage.
    void SetTimelineGeometry(int width, int desktopHeight);

signals:
    /// Asks the main window to run its save dialog and export.
    void SigSave();
    void viewChanged();
    /// Marker, hover or thumbnails changed: the strip needs painting.
    void timelineChanged();
    /// The picture to grade (full size, 16-bit): the frame at the marker as the export takes it
    /// in; `preview`, when not null, is the same reduced to the preview's size.
    void mainImageReady(const Helper::CRGB48Buffer& frame, const Helper::CRGB48Buffer* preview, int frameIndex);

private:
    void OnFrameDecoded(const CFrameFetcher::FramePtr& frame);
    void OnFrameFailed(qint64 timeUs, const QString& message);
    void OnThumbnailDecoded(int slot, const CFrameFetcher::FramePtr& frame);
    void ShowFrame(const CFrameFetcher::FramePtr& frame);
    /// Marker to `position` and its frame asked for, unless the movie handler runs a process.
    void MoveTo(double position);
    /// Moves the marker by `delta` of the clip, lands on the nearest frame and shows it.
    void Step(double delta);
    /// Marker step of one frame: (1 ÷ rate) ÷ (duration in s), with 29.97 for an unknown rate.
    double FrameStep() const;
    void ClearDestinationPath() { m_dst.m_strPath.clear(); }
    /// Asks the decoder for the exact frame at `timeUs` (with its preview-size copy).
    void RequestFrame(qint64 timeUs);

    CMovieHandling& m_movie;
    CExportFrameGrader m_prepare; // flips and artefact reduction of the main image
    Helper::CRGB48Buffer m_preview; // the main image at the preview's size
    int m_iPreviewLongSide = 0;
    QString m_strBaseTitle;
    CMovieHandling::SSrcDesc m_src;
    CMovieHandling::SDstDesc m_dst;
    QSize m_sourceSize{-2, -2};
    qint64 m_iDurationMs = 0;
    int m_iFrameRate = 0;
    double m_dLimitedRate = 0.0; // the rate with the limit rule, for the frame index of the log
    CTimelineModel m_timeline;
    int m_iDesktopHeight = 0;
    std::set<int> m_requestedSlots; // thumbnails asked for and not delivered yet
    QSize m_requestedSize;
    CFrameFetcher m_fetcher;
    CClipPlayback m_playback;
    SView m_view;
    int m_iShownFrame = 0;
    QString m_strStatus;
};
