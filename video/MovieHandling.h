// The clip side of the video subsystem: probing clips through cached answer files, extracting
// single frames, and opening the converter's frame pipes.
#pragma once

#include "core/ImageBuffer.h"
#include "video/Bin.h"
#include "video/CommandLine.h"
#include "video/PipeStream.h"
#include "video/ProbeAnswer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QObject>
#include <QSize>
#include <QTemporaryDir>

#include <atomic>
#include <functional>
#include <map>
#include <memory>

class IEventPump;
class IJobProgressView;
class IUserPrompt;
class QSettings;

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

    enum ECodec
    {
        eCODEC0 = 0, // H.264 in an MP4 file
        eCODEC1 = 1, // uncompressed RGBA in an AVI file
    };
    enum EQuality
    {
        eLOWEST = 0,
        eLOW = 1,
        eNORMAL = 2,
        eBETTER = 3,
        eBEST = 4,
    };
    enum EArtefact
    {
        eUNCHANGED = 0,
        eSLIGHT = 1,
        eSTRONG = 2,
        eINTENSIVE = 3,
        eMAXIMAL = 4,
    };

    /// Where and how a job writes its result.
    struct SDstDesc
    {
        ECodec m_eCodec = eCODEC0;
        EQuality m_eQuality = eNORMAL;
        EArtefact m_eArtefact = eUNCHANGED;
        bool m_bCopyMetadata = true;
        bool m_bCopyAudio = true;
        bool m_bFlipX = false;
        bool m_bFlipY = false;
        QString m_strPath;                  // without extension
        QSize m_iResolution = QSize(-2, -2); // a component below 1: the source's size

        /// Stores the codec and resets the quality to eNORMAL.
        void SetCodec(ECodec codec);
        void SetQuality(EQuality quality) { m_eQuality = quality; }
        void SetArtefact(EArtefact artefact) { m_eArtefact = artefact; }
        /// Stores the path without its extension (from the last "." unless that is the first character).
        void SetPath(const QString& path);
        /// The text before the last "/" when there is one at position 1 or later, else empty.
        QString Folder() const;
        /// Stores each component reduced to a multiple of the video resolution modulo.
        void SetResolution(int width, int height);
        /// The path is not empty; logs the failure otherwise.
        bool IsValid() const;
        /// "mp4" or "avi".
        QString Extension() const { return CodecExtension(m_eCodec); }
        /// m_strPath + "." + the codec's extension.
        QString DestinationFile() const { return m_strPath + "." + Extension(); }

        /// Group "DstDesc": enumerators by name, flags as booleans, the path and the size.
        void Save(QSettings& settings) const;
        /// Resets every field, then reads each key with the current value as default.
        void Load(QSettings& settings);

        static QString CodecExtension(ECodec codec);
        static QString CodecName(ECodec codec);
        bool operator==(const SDstDesc&) const = default;
    };

    /// A source paired with a copy of a destination; an empty source path marks no job.
    struct SJob
    {
        SSrcDesc m_src;
        SDstDesc m_dst;
        bool IsEmpty() const { return m_src.m_strPath.isEmpty(); }
    };

    /// Progress categories of an export.
    enum ECategory
    {
        CATEGORY_VIDEOCONVERT = 39,
        CATEGORY_VIDEOPROCESS = 40,
        CATEGORY_VIDEOAUDIO = 41,
        CATEGORY_VIDEOCOUNT = 42,
        CATEGORY_VIDEOFINALISE = 43,
    };

    /// The grade of one frame: the decoded source frame (packed 8-bit RGB) in, the frame to
    /// encode (packed 8-bit RGB of the destination size) out. `frame` counts from 0. False
    /// stops the export as failed.
    using FrameCallback = std::function<bool(const Helper::CRGB24Buffer& source, Helper::CRGB24Buffer& destination,
                                             int frame)>;

    /// "-crf" value of a codec and quality, -1 for a pair outside the table.
    static int QualityParameter(ECodec codec, EQuality quality);

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
    /// Questions and error messages of the jobs; without one every question is answered "Ja"
    /// and errors are only logged.
    void SetPrompt(IUserPrompt* prompt) { m_pPrompt = prompt; }
    /// The progress window of a running job (may be null).
    void SetProgressView(IJobProgressView* view) { m_pProgressView = view; }
    /// The grade each exported frame goes through; without one frames are copied (cropped or
    /// scaled to the destination size).
    void SetFrameCallback(FrameCallback callback) { m_frameCallback = std::move(callback); }
    /// Longest wait for one frame to move through either pipe, and longest silence of the
    /// converter in the other steps of a job and in frame counting (default 60 s).
    void SetPipeStallLimit(int milliseconds) { m_iPipeStallLimitMs = milliseconds; }
    /// Longest run of one audio or finalisation step (default one hour); a conversion is ended
    /// when its frame counter stands still for the pipe stall limit.
    void SetStepTimeLimit(int milliseconds) { m_iStepTimeLimitMs = milliseconds; }
    CFFmpegBin& Converter() { return m_converter; }
    /// Prober runs are killed after this long (default 30 s); frame counting gets more time
    /// for every second of the clip.
    void SetProbeTimeLimit(int milliseconds) { m_iProbeTimeLimitMs = milliseconds; }
    /// A frame extraction attempt is killed after this long (default 60 s; 0: no limit).
    void SetExtractionTimeLimit(int milliseconds) { m_iExtractionTimeLimitMs = milliseconds; }
    /// The program ("ffprobe", "ffmpeg") last killed for not answering in time during the
    /// current job or extraction, or empty.
    const QString& UnansweredProgram() const { return m_strUnanswered; }

    // ---- probing -------------------------------------------------------------------------
    QString AnswerPath(EAnswer kind, int ordinal = 0) const;
    /// 0 when the answer file exists or the prober produced it (killed after `limitMs`, or
    /// after the probe time limit when that is 0 or less), 2 otherwise.
    int GetMetric(const QStringList& arguments, const QString& answerPath, int limitMs = 0);
    /// Runs the prober once per clip and object: a clip probed before (and unchanged since) gets
    /// its answer file back from memory.
    int QueryFormat(const QString& clip);
    /// The stream answers are taken from the format answer; no prober runs for them.
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
    /// The main video stream's average rate differs from its base rate: its frames come at
    /// varying times.
    bool IsVariableRate(const QString& clip);
    int CountFramesFFmpeg(const QString& clip, int ordinal);
    int CountFramesFFprobe(const QString& clip, int ordinal);
    static bool NeedsConversion(const SSrcDesc& source);
    /// a ÷ b of a text "a/b" with a ≥ 0 and b > 0, else -1.
    static float RationalValue(const QString& text);

    // ---- jobs ----------------------------------------------------------------------------
    /// Opens a job; an empty job when one is open already.
    SJob OpenJob(const QString& sourcePath, const SDstDesc& destination);
    void CloseJob();
    bool IsJobOpen() const { return m_bJobOpen; }
    /// Deletes the intermediate files of the open job, by their exact names.
    void RemoveTmpFiles();
    /// "<program id><stem>-<job id>.<extension>" (no dot without an extension).
    static QString IntermediateName(const QString& programId, const QString& stem, const QString& jobId,
                                    const QString& extension);
    /// Every name an intermediate of the job can have.
    static QStringList IntermediateNames(const QString& programId, const QString& jobId);
    /// Removes what jobs and temp folders of ended processes left behind (done once per process
    /// when the first object is made).
    static void SweepLeftovers(const QString& programId, const QString& privateTemp);
    /// Either runner or pipe child is running.
    bool IsRunning() const;
    /// 0 success, 2 failure, 3 aborted or declined.
    int ProcessJob(const SJob& job);
    bool IsAborted() const { return m_bAborted.load(); }
    /// The folder of the destination while a job is open.
    const QString& WorkingFolder() const { return m_strWorkingFolder; }
    QString IntermediatePath(const QString& stem, const QString& extension) const;
    QString ConvertedMoviePath() const { return IntermediatePath("_Tmp_ConvertedMovie", "mp4"); }
    QString VideoStreamPath(const SJob& job) const;
    QString AudioStreamPath(const SJob& job, int ordinal);
    QString RawMoviePath(const SJob& job) const;
    /// The converted copy when it exists, else the source.
    QString InputClip(const SJob& job) const;

    /// (-1, -1) for an invalid job; the requested resolution, else the source frame size.
    QSize DstFrameSize(const SJob& job);
    QSize SrcFrameSize(const SJob& job);
    QString SrcFrameRate(const SJob& job, bool limit);
    double SrcDuration(const SJob& job);
    /// The source stream's codec when it is aac, mp3, ac3 or dts, "aac" for any other known
    /// codec, empty for an unknown stream.
    QString TargetAudioCodec(const SJob& job, int ordinal);
    /// Extracts a frame of the source (never of a converted copy) while the system is kept awake.
    QString ExtractSrcFrame(const SJob& job, const QString& extension, qint64 positionMs, qint64 maxReductionMs,
                            bool accurate, const QSize& size);
    std::unique_ptr<CPipeStream> OpenReadPipe(const SJob& job, const QString& frameRate, bool resample);
    /// The encoder command; an empty program when the pipe must not be opened.
    SToolCommand WritePipeCommand(const SJob& job, const QString& frameRate, const QSize& size);
    std::unique_ptr<CPipeStream> OpenWritePipe(const SJob& job, const QString& frameRate, const QSize& size);

    // The steps of a job: 0 done, 1 not needed, 2 failed (the conversion also 3, aborted).
    int ConvertVideo(const SJob& job);
    int ProcessVideo(const SJob& job);
    int ProcessAudio(const SJob& job);
    /// The number of audio streams extracted.
    int ExtractAudio(const SJob& job);
    bool CombineVideoAudio(const SJob& job);
    int ProcessMetadata(const SJob& job);

    /// Sets the aborted flag and kills every child of the job at once (no question).
    void Abort();

public slots:
    /// Asks whether to stop the export; "Ja" aborts.
    void OnAbort();

public:
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
    void ShowError(const QString& code);
    void SetProgressText(const QString& text);
    void KillAll();
    bool RunConverter(const QStringList& arguments);
    /// The frame count the container of the encoded stream declares, -1 when unknown.
    int EncodedFrames(const QString& videoStream);
    /// Reads, grades and writes frames on three threads; returns the frames written, with
    /// `failed` set when a write or a grade failed.
    int VideoLoop(CPipeStream& reader, CPipeStream& writer, Helper::CRGB24Buffer (&source)[2],
                  Helper::CRGB24Buffer (&destination)[2], int expected, bool& failed);

    struct SCachedAnswer
    {
        qint64 iSize = -1;
        QDateTime modified;
        CProbeAnswer answer;
    };
    const CProbeAnswer& Answer(const QString& path);
    QString ToolPath(const QString& clip) const;
    QStringList CountingQuery(const QString& clip, int ordinal) const;
    /// Writes the answer of a video or audio stream query from the clip's format answer.
    int DeriveStreamAnswer(const QString& clip, EAnswer kind, int ordinal);
    int StreamCount(const CProbeAnswer& format) const;
    bool IsMainVideoStream(const QString& clip, int index, int videoStreams);
    /// The absolute index of the `ordinal`-th stream of the type ("video", "audio"), or -1.
    int AbsoluteIndex(const CProbeAnswer& format, const QString& type, int ordinal) const;

    QString m_strProgramId;
    QString m_strTempError;
    std::unique_ptr<QTemporaryDir> m_pTempDir;
    CFFprobeBin m_prober;
    CFFmpegBin m_converter;
    int m_iProbeTimeLimitMs = 30000;
    int m_iExtractionTimeLimitMs = 60000;
    std::map<QString, SCachedAnswer> m_answers; // node-based: references stay valid
    std::map<QString, QByteArray> m_formatOutputs; // clip identity → the prober's format answer
    QString m_strUnanswered; // the program last killed for not answering in time

    IEventPump& m_pump;
    IUserPrompt* m_pPrompt = nullptr;
    IJobProgressView* m_pProgressView = nullptr;
    FrameCallback m_frameCallback;
    std::atomic<bool> m_bAborted{false};
    bool m_bJobOpen = false;
    bool m_bProcessing = false;
    QString m_strWorkingFolder;
    QString m_strJobId; // of the open job: "<process tag>-<number>"
    int m_iPipeStallLimitMs = 60000;
    int m_iStepTimeLimitMs = 3600000;
    // The pipe children of a running video pass, so an abort can end them at once.
    std::atomic<pid_t> m_readPid{-1}, m_writePid{-1};
};
