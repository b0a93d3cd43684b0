// The clip side of the video subsystem: probing clips through cached answer files, extracting
// single frames, and opening the converter's frame pipes.
#pragma once

#include "core/ImageBuffer.h"
#include "video/Bin.h"
#include "video/CommandLine.h"
#include "video/PipeStream.h"
#include "video/ProbeAnswer.h"

#include <QDateTime>
#include <QObject>
#include <QSize>
#include <QTemporaryDir>

#include <map>
#include <memory>

class IEventPump;

class CMovieHandling : public QObject
{
    Q_OBJECT

public:
    /// The source clip of a job.
    struct SSrcDesc
    {
        QString m_strPath;
        /// A regular file exists at the path; logs the failure otherwise.
        bool IsValid() const;
    };

    enum EStreamKind
    {
        eSK_VIDEO = 0,
        eSK_MAIN_VIDEO = 1,
        eSK_AUDIO = 2,
    };

    /// The answer files, one per prober query; video and audio ones exist per stream ordinal.
    enum EAnswer
    {
        eANSWER_FORMAT,
        eANSWER_VIDEO,
        eANSWER_VIDEO_COUNTED,
        eANSWER_AUDIO,
    };

    /// Frame sizes beyond these are refused: a declared size must not turn into buffers of
    /// gigabytes before a single frame has been decoded.
    static constexpr int kMaxFrameSide = 16384;
    static constexpr qint64 kMaxFramePixels = qint64(8192) * 8192;

    explicit CMovieHandling(QObject* parent = nullptr, const QString& programId = ProgramIdentification(),
                            IEventPump* pump = nullptr);
    ~CMovieHandling() override;

    /// "017010200": the prefix of every temporary file name.
    static QString ProgramIdentification();
    const QString& ProgramId() const { return m_strProgramId; }
    /// This object's folder for answer files and extracted frames, inside the private temp
    /// folder and removed with the object; empty (see TempError()) when it could not be made.
    QString TempDirectory() const;
    const QString& TempError() const { return m_strTempError; }

    CFFprobeBin& Prober() { return m_prober; }
    CFFmpegBin& Converter() { return m_converter; }
    /// Prober runs other than frame counting are killed after this long (0: no limit).
    void SetProbeTimeLimit(int milliseconds) { m_iProbeTimeLimitMs = milliseconds; }
    /// A frame extraction attempt is killed after this long (0: no limit).
    void SetExtractionTimeLimit(int milliseconds) { m_iExtractionTimeLimitMs = milliseconds; }

    // ---- probing -------------------------------------------------------------------------
    QString AnswerPath(EAnswer kind, int ordinal = 0) const;
    /// 0 when the answer file exists or the prober produced it, 2 otherwise.
    int GetMetric(const QStringList& arguments, const QString& answerPath);
    int QueryFormat(const QString& clip);
    int QueryVideoStream(const QString& clip, int ordinal);
    int QueryCountedVideoStream(const QString& clip, int ordinal);
    int QueryAudioStream(const QString& clip, int ordinal);
    /// Deletes every answer file; needed whenever the clip changes, as names hold no clip name.
    void RemoveIniFiles();

    bool IsVideoStream(const QString& clip, int index);
    bool IsMainVideoStream(const QString& clip, int index);
    int CountStreams(const QString& clip, EStreamKind kind);
    /// Video ordinal of the main video stream, or -1.
    int MainVideoStream(const QString& clip);
    /// Seconds, or -1.
    double GetDuration(const QString& clip);
    /// The rate as "a/b", with `limit` capped (above 120 → "120/1", from 481 on → "30/1"); empty on failure.
    QString GetFrameRate(const QString& clip, bool limit);
    /// Width and height as the decoder delivers them (exchanged for a quarter turn), or (-1, -1).
    QSize GetFrameSize(const QString& clip);
    QString GetAudioCodecName(const QString& clip, int ordinal);
    /// The container's frame count, else a count by decoding; -1 when neither works.
    int GetNumFrames(const QString& clip);
    int CountFramesFFmpeg(const QString& clip, int ordinal);
    int CountFramesFFprobe(const QString& clip, int ordinal);
    static bool NeedsConversion(const SSrcDesc& source);
    /// a ÷ b of a text "a/b" with a ≥ 0 and b > 0, else -1.
    static float RationalValue(const QString& text);

    // ---- frames --------------------------------------------------------------------------
    QString FrameImagePath(const QString& extension) const;
    /// The converter's arguments for one extraction attempt.
    static QStringList ExtractionArguments(const QString& clip, qint64 positionMs, bool accurate, const QSize& size,
                                           const QString& imagePath);
    /// Extracts the frame at `positionMs` into the temporary frame image, stepping back by
    /// 500 ms up to `maxReductionMs` near the end of the clip; the image path, or empty.
    QString ExtractFrame(const QString& clip, const QString& extension, qint64 positionMs, qint64 maxReductionMs,
                         bool accurate, const QSize& size);

    /// Starts the converter with the command and logs its one-line text; null on failure.
    std::unique_ptr<CPipeStream> OpenPipe(const SToolCommand& command, CPipeStream::EMode mode);
    /// The command delivering every frame of `input` as packed 8-bit RGB on standard output.
    SToolCommand ReadPipeCommand(const QString& input, const QString& frameRate, bool resample) const;
    /// Null when the rate is empty, the converter is missing or the input is not a regular file.
    std::unique_ptr<CPipeStream> OpenReadPipe(const QString& input, const QString& frameRate, bool resample);
    /// Reads one whole frame into `frame` (sized beforehand); false, with the log lines of a
    /// short read, at the end of the stream or on a failure.
    bool ReadFrame(CPipeStream& pipe, Helper::CRGB24Buffer& frame);
    /// width × height × 3.
    static qint64 FrameBytes(const QSize& size);

private:
    struct SCachedAnswer
    {
        qint64 iSize = -1;
        QDateTime modified;
        CProbeAnswer answer;
    };
    const CProbeAnswer& Answer(const QString& path);
    QString ToolPath(const QString& clip) const;
    QStringList StreamQuery(const QString& selector, const QString& clip, bool countFrames) const;
    int StreamCount(const CProbeAnswer& format) const;
    bool IsMainVideoStream(const QString& clip, int index, int videoStreams);
    int AbsoluteVideoIndex(const QString& clip, int ordinal);
    int ConfirmedRotation(const QString& clip, int ordinal);

    QString m_strProgramId;
    QString m_strTempError;
    std::unique_ptr<QTemporaryDir> m_pTempDir;
    CFFprobeBin m_prober;
    CFFmpegBin m_converter;
    int m_iProbeTimeLimitMs = 60000;
    int m_iExtractionTimeLimitMs = 60000;
    std::map<QString, SCachedAnswer> m_answers; // node-based: references stay valid
};
