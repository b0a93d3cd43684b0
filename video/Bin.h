// Runners for the two media programs: a child process with its output and error channels
// merged, waited for while the caller's events keep flowing.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QStringList>

class IEventPump;

/// The frame counter in a chunk of converter output: the digits after the first "frame="
/// once all blanks are removed, or -1 when there is no such counter.
int ParseFrameCounter(const QString& chunk);

class CBin : public QObject
{
    Q_OBJECT

public:
    explicit CBin(QObject* parent = nullptr, IEventPump* pump = nullptr);
    ~CBin() override;

    /// The program's file name ("ffprobe", "ffmpeg").
    virtual QString ExecutableName() const = 0;

    /// Where the program is looked up: the folder named by VANTROPE_FFMPEG_DIR when that is
    /// set (and nowhere else); otherwise the "FFmpeg" folder of the application directory,
    /// then the PATH; a program found nowhere is reported at the application folder's path.
    QString ExecutablePath() const;
    /// A regular executable file exists at ExecutablePath().
    bool ExecutableExists() const;
    /// True once the program has been found; kept for the life of the object.
    bool IsValid();

    /// False when not valid; else kills a running process and clears the state of the last run.
    bool Reset(bool parseProgress);
    /// Kills the process (and anything it started) and waits until it has ended.
    void Kill();
    /// Waits until the process has ended; it is killed after `limitMs` (when above 0) or once
    /// it has printed nothing for the silence limit.
    void WaitForEnd(int limitMs = 0);
    bool IsRunning() const;

    /// Runs that wait for their end are killed after this long; 0 (the default) waits without limit.
    void SetTimeLimit(int milliseconds) { m_iTimeLimitMs = milliseconds; }
    /// Runs are killed once they print nothing for this long; 0 (the default): no such limit.
    void SetSilenceLimit(int milliseconds) { m_iSilenceLimitMs = milliseconds; }
    /// The last run was killed for taking too long or for falling silent.
    bool TimedOut() const { return m_bTimedOut; }

    bool FinishedOk() const { return m_bFinishedOk; }
    int LastFrame() const { return m_iLastFrame; }
    qint64 ProcessId() const { return m_pProcess->processId(); }

    /// The application directory the "FFmpeg" folder is looked up in (default: the directory
    /// of the running executable). Tests and tools running from elsewhere may point it at a build.
    static void SetApplicationDirectory(const QString& directory);
    static QString ApplicationDirectory();

protected:
    /// Starts the program with `arguments`; false when it could not be started.
    bool Start(const QStringList& arguments);

    QProcess* m_pProcess;
    IEventPump& m_pump;
    bool m_bKeepOutput = false; // the output is read after the end instead of being drained
    int m_iTimeLimitMs = 0;
    int m_iSilenceLimitMs = 0;

private slots:
    void OnStandardOutput();
    void OnFinshed(int exitCode, QProcess::ExitStatus exitStatus);

private:
    void ParseProgressLines(bool flush);

    QByteArray m_pending; // progress output after the last complete line
    QElapsedTimer m_sinceOutput;
    bool m_bValid = false;
    bool m_bParseProgress = false;
    bool m_bFinishedOk = false;
    bool m_bTimedOut = false;
    int m_iLastFrame = 0;
};

class CFFprobeBin : public CBin
{
    Q_OBJECT

public:
    explicit CFFprobeBin(QObject* parent = nullptr, IEventPump* pump = nullptr);
    QString ExecutableName() const override { return QStringLiteral("ffprobe"); }

    /// Runs the prober and stores its whole output in `outputPath`; true when it ended with
    /// code 0 and at least one byte was written. A run longer than the time limit is killed.
    bool Run(const QStringList& arguments, const QString& outputPath);
};

class CFFmpegBin : public CBin
{
    Q_OBJECT

public:
    explicit CFFmpegBin(QObject* parent = nullptr, IEventPump* pump = nullptr);
    QString ExecutableName() const override { return QStringLiteral("ffmpeg"); }

    /// Starts the converter (always without reading its standard input); waits for its end
    /// when `wait` is set. False when it could not be started; the outcome of the run is
    /// FinishedOk() and LastFrame().
    bool Run(const QStringList& arguments, bool wait, bool parseProgress);
};
