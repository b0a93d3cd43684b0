#include "video/Bin.h"

#include "core/AppLog.h"
#include "video/ChildStart.h"
#include "video/EventPump.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <csignal>

#include <sys/prctl.h>
#include <unistd.h>

namespace
{
QString g_applicationDirectory;

// The prober's answers are a few kilobytes; anything far beyond that is not an answer.
constexpr qsizetype kMaxProbeOutputBytes = 16 * 1024 * 1024;
// A progress line is some 100 characters; this much without a line end is something else.
constexpr qsizetype kMaxPendingBytes = 64 * 1024;

bool IsExecutableFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}
}  // namespace

int ParseFrameCounter(const QString& chunk)
{
    QString text = chunk.simplified();
    text.remove(QLatin1Char(' '));
    const qsizetype at = text.indexOf(QLatin1String("frame="));
    if (at < 0)
        return -1;
    const QStringView digits = QStringView(text).mid(at + 6);
    qsizetype count = 0;
    while (count < digits.size() && digits[count] >= QLatin1Char('0') && digits[count] <= QLatin1Char('9'))
        ++count;
    if (count == 0)
        return -1;
    bool ok = false;
    const qulonglong value = digits.left(count).toULongLong(&ok);
    // A counter too long for an int is clamped rather than wrapped into a negative "no counter".
    return !ok || value > qulonglong(INT_MAX) ? INT_MAX : int(value);
}

CBin::CBin(QObject* parent, IEventPump* pump)
    : QObject(parent), m_pProcess(new QProcess), m_pump(pump ? *pump : DefaultEventPump())
{
    m_pProcess->setProcessChannelMode(QProcess::MergedChannels);
    const pid_t parentPid = getpid();
    m_pProcess->setChildProcessModifier([parentPid] { PrepareChildProcess(parentPid); });
    connect(m_pProcess, &QProcess::readyReadStandardOutput, this, &CBin::OnStandardOutput);
    connect(m_pProcess, &QProcess::finished, this, &CBin::OnFinshed);
}

CBin::~CBin()
{
    Kill();
    delete m_pProcess;
}

void CBin::SetApplicationDirectory(const QString& directory)
{
    g_applicationDirectory = directory;
}

QString CBin::ApplicationDirectory()
{
    if (!g_applicationDirectory.isEmpty())
        return g_applicationDirectory;
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

QString CBin::ExecutablePath() const
{
    const QString name = ExecutableName();
    const QString overrideDir = qEnvironmentVariable("VANTROPE_FFMPEG_DIR");
    if (!overrideDir.isEmpty())
        return QFileInfo(overrideDir + "/" + name).absoluteFilePath();
    const QString beside = ApplicationDirectory() + "/" + "FFmpeg" + "/" + name;
    if (IsExecutableFile(beside))
        return beside;
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? beside : onPath;
}

bool CBin::ExecutableExists() const
{
    return IsExecutableFile(ExecutablePath());
}

bool CBin::IsValid()
{
    if (!m_bValid && ExecutableExists())
        m_bValid = true;
    return m_bValid;
}

bool CBin::Reset(bool parseProgress)
{
    if (!IsValid())
        return false;
    Kill();
    m_iLastFrame = 0;
    m_pending.clear();
    m_bParseProgress = parseProgress;
    m_bFinishedOk = false;
    m_bTimedOut = false;
    return true;
}

void CBin::Kill()
{
    while (IsRunning())
    {
        const qint64 pid = m_pProcess->processId();
        if (pid > 0)
            ::kill(-pid_t(pid), SIGKILL);
        m_pProcess->kill();
        m_pump.Pause(100);
    }
}

void CBin::WaitForEnd(int limitMs)
{
    const QDeadlineTimer deadline(limitMs > 0 ? limitMs : -1);
    while (IsRunning())
    {
        const bool silent = m_iSilenceLimitMs > 0 && m_sinceOutput.hasExpired(m_iSilenceLimitMs);
        if (deadline.hasExpired() || silent)
        {
            Helper::AppLog(QStringLiteral("CBin::WaitForEnd() -> %1 %2 %3 ms -> Killed.")
                               .arg(ExecutableName(), silent ? "silent for" : "still running after")
                               .arg(silent ? m_iSilenceLimitMs : limitMs));
            m_bTimedOut = true;
            Kill();
            break;
        }
        m_pump.Pause(100);
    }
}

bool CBin::IsRunning() const
{
    return m_pProcess->state() != QProcess::NotRunning;
}

bool CBin::Start(const QStringList& arguments)
{
    m_pProcess->setProgram(ExecutablePath());
    m_pProcess->setArguments(arguments);
    m_pProcess->start(QIODevice::ReadWrite);
    if (!m_pProcess->waitForStarted(-1))
        return false;
    m_sinceOutput.start();
    // Nothing is ever sent; a program that reads its input sees the end at once.
    m_pProcess->closeWriteChannel();
    return true;
}

void CBin::ParseProgressLines(bool flush)
{
    // Output that arrives while events wait can hold several progress lines ("frame=" … "\r");
    // each complete line is one chunk for the parser, so the newest counter is the one kept.
    qsizetype end = std::max(m_pending.lastIndexOf('\r'), m_pending.lastIndexOf('\n'));
    if (flush)
        end = m_pending.size() - 1;
    if (end < 0)
    {
        if (m_pending.size() > kMaxPendingBytes)
            m_pending.clear(); // no line end in sight: not progress output
        return;
    }
    const QByteArray complete = m_pending.left(end + 1);
    m_pending.remove(0, end + 1);
    for (const QByteArray& line : complete.split('\n'))
        for (const QByteArray& piece : line.split('\r'))
        {
            const int frame = ParseFrameCounter(QString::fromLatin1(piece));
            if (frame >= 0)
                m_iLastFrame = frame;
        }
}

void CBin::OnStandardOutput()
{
    m_sinceOutput.restart();
    if (m_bParseProgress)
    {
        m_pending += m_pProcess->readAll();
        ParseProgressLines(false);
    }
    else if (!m_bKeepOutput)
        m_pProcess->readAll(); // drained so the program never blocks on a full channel
}

void CBin::OnFinshed(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (m_bParseProgress)
    {
        m_pending += m_pProcess->readAll();
        ParseProgressLines(true);
    }
    Helper::AppLog(QStringLiteral("CBin::OnFinshed() -> ExitCode: %1   ExitStatus: %2").arg(exitCode).arg(int(exitStatus)));
    if (exitCode == 0 && exitStatus == QProcess::NormalExit)
        m_bFinishedOk = true;
    m_pump.Wake();
}

CFFprobeBin::CFFprobeBin(QObject* parent, IEventPump* pump) : CBin(parent, pump)
{
    m_bKeepOutput = true;
}

bool CFFprobeBin::Run(const QStringList& arguments, const QString& outputPath)
{
    if (!Reset(false) || outputPath.isEmpty() || arguments.isEmpty() || !ExecutableExists())
        return false;
    if (!Start(arguments))
        return false;
    WaitForEnd(m_iTimeLimitMs);
    if (!FinishedOk())
        return false;
    const QByteArray output = m_pProcess->readAll();
    if (output.isEmpty() || output.size() > kMaxProbeOutputBytes)
        return false;
    // Written whole or not at all: a partial answer would be reused as if it were complete.
    QSaveFile file(outputPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(output) == output.size() && file.commit();
}

CFFmpegBin::CFFmpegBin(QObject* parent, IEventPump* pump) : CBin(parent, pump)
{
}

bool CFFmpegBin::Run(const QStringList& arguments, bool wait, bool parseProgress)
{
    if (!Reset(parseProgress) || arguments.isEmpty() || !ExecutableExists())
        return false;
    if (!Start(QStringList{QStringLiteral("-nostdin")} + arguments))
        return false;
    if (wait)
        WaitForEnd(m_iTimeLimitMs);
    return true;
}
