// The export job: destination descriptor, job life, the four steps (conversion, video pass,
// audio pass, finalisation), abort and errors.
#include "video/MovieHandling.h"

#include "core/AppLog.h"
#include "core/EngineState.h"
#include "core/IUserPrompt.h"
#include "core/Paths.h"
#include "core/Progress.h"
#include "video/EventPump.h"
#include "video/JobEnvironment.h"
#include "video/JobProgressView.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStorageInfo>
#include <QThread>

#include <cerrno>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <limits>
#include <mutex>
#include <thread>

#include <csignal>
#include <sys/wait.h>

using Helper::AppLog;

namespace
{
const char* const kCodecKeys[] = {"eCODEC0", "eCODEC1"};
const char* const kQualityKeys[] = {"eLOWEST", "eLOW", "eNORMAL", "eBETTER", "eBEST"};
const char* const kArtefactKeys[] = {"eUNCHANGED", "eSLIGHT", "eSTRONG", "eINTENSIVE", "eMAXIMAL"};

template <size_t N>
int KeyIndex(const char* const (&keys)[N], const QString& text, int fallback)
{
    for (size_t i = 0; i < N; ++i)
        if (text == QLatin1String(keys[i]))
            return int(i);
    return fallback;
}

QString IdealThreads()
{
    return QString::number(QThread::idealThreadCount());
}

QString Megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1048576.0, 'f', 1);
}

bool NonEmptyFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.size() > 0;
}

// Replaces `to` by `from` in one step, so an earlier file at `to` stays whole until then.
bool ReplaceFile(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool ExitedCleanly(int status)
{
    return status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void ProcessEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

// Frame buffers handed between the reader, the grading thread and the writer: a queue of
// buffer numbers that can be closed (no more will come) by either side.
class CSlotQueue
{
public:
    static constexpr int kTimeout = -1;
    static constexpr int kClosed = -2;

    void Push(int slot)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_slots.push_back(slot);
        m_ready.notify_all();
    }
    void Close()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bClosed = true;
        m_ready.notify_all();
    }
    /// A slot, kClosed once closed and empty, or kTimeout after `waitMs` (negative: no limit).
    int Pop(int waitMs)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        const auto ready = [this] { return !m_slots.empty() || m_bClosed; };
        if (waitMs < 0)
            m_ready.wait(lock, ready);
        else if (!m_ready.wait_for(lock, std::chrono::milliseconds(waitMs), ready))
            return kTimeout;
        if (m_slots.empty())
            return kClosed;
        const int slot = m_slots.front();
        m_slots.pop_front();
        return slot;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<int> m_slots;
    bool m_bClosed = false;
};

// The frame without a grade: the same picture at the destination size (cropped at the top left
// when the sizes differ by less than the resolution modulo, else scaled to the nearest pixel).
void CopyFrame(const Helper::CRGB24Buffer& source, Helper::CRGB24Buffer& destination)
{
    const QSize in = source.GetSize(), out = destination.GetSize();
    const unsigned char* s = const_cast<Helper::CRGB24Buffer&>(source).GetData();
    unsigned char* d = destination.GetData();
    const bool crop = MP_VideoOutputIsCrop(in.width(), in.height(), out.width(), out.height());
    for (int y = 0; y < out.height(); ++y)
    {
        const int sy = crop ? y : int(qint64(y) * in.height() / out.height());
        if (crop)
        {
            std::memcpy(d + size_t(y) * out.width() * 3, s + size_t(sy) * in.width() * 3, size_t(out.width()) * 3);
            continue;
        }
        for (int x = 0; x < out.width(); ++x)
        {
            const int sx = int(qint64(x) * in.width() / out.width());
            std::memcpy(d + (size_t(y) * out.width() + x) * 3, s + (size_t(sy) * in.width() + sx) * 3, 3);
        }
    }
}
}  // namespace

// ---- destination descriptor --------------------------------------------------------------

void CMovieHandling::SDstDesc::SetCodec(ECodec codec)
{
    m_eCodec = codec;
    m_eQuality = eNORMAL;
}

void CMovieHandling::SDstDesc::SetPath(const QString& path)
{
    // Only a dot inside the file name starts an extension: "/a.b/clip" keeps its folder, and a
    // name that begins with its only dot (".clip") is kept whole.
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    m_strPath = dot > 0 && dot > slash + 1 ? path.left(dot) : path;
}

QString CMovieHandling::SDstDesc::Folder() const
{
    const qsizetype slash = m_strPath.lastIndexOf(QLatin1Char('/'));
    return slash >= 1 ? m_strPath.left(slash) : QString();
}

void CMovieHandling::SDstDesc::SetResolution(int width, int height)
{
    const int modulo = std::max(MP_UI_GetVideoResolutionModulo(), 1);
    const QSize stored(width - width % modulo, height - height % modulo);
    if (stored != QSize(width, height))
        AppLog(QStringLiteral("CMovieHandling::SDstDesc()::SetResolution -> Resolution has been normalised (%1/%2 -> "
                              "%3/%4).")
                   .arg(width)
                   .arg(height)
                   .arg(stored.width())
                   .arg(stored.height()));
    m_iResolution = stored;
}

bool CMovieHandling::SDstDesc::IsValid() const
{
    if (!m_strPath.isEmpty())
        return true;
    AppLog("CMovieHandling::SDstDesc::IsValid() -> Failed.");
    return false;
}

void CMovieHandling::SDstDesc::Save(QSettings& settings) const
{
    settings.beginGroup("DstDesc");
    settings.setValue("m_eCodec", kCodecKeys[m_eCodec]);
    settings.setValue("m_eQuality", kQualityKeys[m_eQuality]);
    settings.setValue("m_eArtefact", kArtefactKeys[m_eArtefact]);
    settings.setValue("m_bCopyMetadata", m_bCopyMetadata);
    settings.setValue("m_bCopyAudio", m_bCopyAudio);
    settings.setValue("m_bFlipX", m_bFlipX);
    settings.setValue("m_bFlipY", m_bFlipY);
    settings.setValue("m_strPath", m_strPath);
    settings.setValue("m_iResolution", m_iResolution);
    settings.endGroup();
}

void CMovieHandling::SDstDesc::Load(QSettings& settings)
{
    *this = SDstDesc();
    settings.beginGroup("DstDesc");
    m_eCodec = ECodec(KeyIndex(kCodecKeys, settings.value("m_eCodec", kCodecKeys[m_eCodec]).toString(), eCODEC0));
    m_eQuality = EQuality(
        KeyIndex(kQualityKeys, settings.value("m_eQuality", kQualityKeys[m_eQuality]).toString(), eNORMAL));
    m_eArtefact = EArtefact(
        KeyIndex(kArtefactKeys, settings.value("m_eArtefact", kArtefactKeys[m_eArtefact]).toString(), eUNCHANGED));
    m_bCopyMetadata = settings.value("m_bCopyMetadata", m_bCopyMetadata).toBool();
    m_bCopyAudio = settings.value("m_bCopyAudio", m_bCopyAudio).toBool();
    m_bFlipX = settings.value("m_bFlipX", m_bFlipX).toBool();
    m_bFlipY = settings.value("m_bFlipY", m_bFlipY).toBool();
    m_strPath = settings.value("m_strPath", m_strPath).toString();
    const QVariant size = settings.value("m_iResolution", m_iResolution);
    if (size.canConvert<QSize>())
        m_iResolution = size.toSize();
    settings.endGroup();
}

QString CMovieHandling::SDstDesc::CodecExtension(ECodec codec)
{
    return codec == eCODEC1 ? QStringLiteral("avi") : QStringLiteral("mp4");
}

QString CMovieHandling::SDstDesc::CodecName(ECodec codec)
{
    return codec == eCODEC1 ? QStringLiteral("uncompressed") : QStringLiteral("mpeg4");
}

int CMovieHandling::QualityParameter(ECodec codec, EQuality quality)
{
    static const int crf[2][5] = {{37, 31, 23, 13, 1}, {-2, -2, -2, -2, -2}};
    if (codec < eCODEC0 || codec > eCODEC1 || quality < eLOWEST || quality > eBEST)
        return -1;
    return crf[codec][quality];
}

// ---- job life ----------------------------------------------------------------------------

CMovieHandling::SJob CMovieHandling::OpenJob(const QString& sourcePath, const SDstDesc& destination)
{
    AppLog("CMovieHandling::OpenJob()");
    if (m_bJobOpen)
    {
        AppLog("CMovieHandling::OpenJob() -> Job already open.");
        return {};
    }
    SJob job{{sourcePath}, destination};
    m_strWorkingFolder = destination.IsValid() ? destination.Folder() : QString();
    RemoveIniFiles();
    RemoveTmpFiles();
    m_bJobOpen = true;
    return job;
}

void CMovieHandling::CloseJob()
{
    AppLog("CMovieHandling::CloseJob()");
    if (!m_bJobOpen)
    {
        AppLog("CMovieHandling::OpenJob() -> Job already closed.");
        return;
    }
    RemoveIniFiles();
    RemoveTmpFiles();
    m_bJobOpen = false;
}

QString CMovieHandling::IntermediatePath(const QString& stem, const QString& extension) const
{
    if (m_strWorkingFolder.isEmpty())
        return {};
    QString path = m_strWorkingFolder + "/" + m_strProgramId + stem;
    if (!extension.isEmpty())
        path += "." + extension;
    return path;
}

QString CMovieHandling::VideoStreamPath(const SJob& job) const
{
    return IntermediatePath("_Tmp_VideoStream", job.m_dst.Extension());
}

QString CMovieHandling::AudioStreamPath(const SJob& job, int ordinal)
{
    const QString target = TargetAudioCodec(job, ordinal);
    static const QStringList known{"aac", "mp3", "ac3", "dts"};
    return IntermediatePath(QStringLiteral("_Tmp_AudioStream%1").arg(ordinal), known.contains(target) ? target : QString());
}

QString CMovieHandling::RawMoviePath(const SJob& job) const
{
    return IntermediatePath("_Tmp_RawMovie", job.m_dst.Extension());
}

void CMovieHandling::RemoveTmpFiles()
{
    AppLog("CMovieHandling::RemoveTmpFiles()");
    if (m_strWorkingFolder.isEmpty() || !QFileInfo(m_strWorkingFolder).isDir())
        return;
    QStringList filters;
    for (const char* stem : {"_Tmp_ConvertedMovie", "_Tmp_VideoStream", "_Tmp_AudioStream?", "_Tmp_RawMovie",
                             "_Tmp_FinalMovie"})
        filters << m_strProgramId + stem + ".*";
    QDir folder(m_strWorkingFolder);
    for (const QString& name : folder.entryList(filters, QDir::Files | QDir::System | QDir::Hidden))
        folder.remove(name);
}

bool CMovieHandling::IsRunning() const
{
    return m_prober.IsRunning() || m_converter.IsRunning() || m_readPid.load() > 0 || m_writePid.load() > 0;
}

QString CMovieHandling::InputClip(const SJob& job) const
{
    const QString converted = ConvertedMoviePath();
    return !converted.isEmpty() && QFileInfo(converted).isFile() ? converted : job.m_src.m_strPath;
}

QSize CMovieHandling::SrcFrameSize(const SJob& job)
{
    return job.m_src.IsValid() ? GetFrameSize(InputClip(job)) : QSize(-1, -1);
}

QString CMovieHandling::SrcFrameRate(const SJob& job, bool limit)
{
    return job.m_src.IsValid() ? GetFrameRate(InputClip(job), limit) : QString();
}

double CMovieHandling::SrcDuration(const SJob& job)
{
    return job.m_src.IsValid() ? GetDuration(InputClip(job)) : -1.0;
}

QSize CMovieHandling::DstFrameSize(const SJob& job)
{
    if (!job.m_src.IsValid() || !job.m_dst.IsValid())
        return {-1, -1};
    const QSize requested = job.m_dst.m_iResolution;
    if (requested.width() >= 1 && requested.height() >= 1)
        return requested;
    return SrcFrameSize(job);
}

QString CMovieHandling::TargetAudioCodec(const SJob& job, int ordinal)
{
    const QString source = GetAudioCodecName(InputClip(job), ordinal);
    if (source.isEmpty())
        return {};
    static const QStringList kept{"aac", "mp3", "ac3", "dts"};
    return kept.contains(source) ? source : QStringLiteral("aac");
}

QString CMovieHandling::ExtractSrcFrame(const SJob& job, const QString& extension, qint64 positionMs,
                                        qint64 maxReductionMs, bool accurate, const QSize& size)
{
    AppLog("CMovieHandling::ExtractSrcFrame()");
    if (!job.m_src.IsValid() || !m_bJobOpen)
    {
        AppLog("CMovieHandling::ExtractSrcFrame() -> Either job is invalid or not open.");
        return {};
    }
    Helper::DiableOSSleep();
    const QString image = ExtractFrame(job.m_src.m_strPath, extension, positionMs, maxReductionMs, accurate, size);
    Helper::RestoreOSSleepState();
    return image;
}

std::unique_ptr<CPipeStream> CMovieHandling::OpenReadPipe(const SJob& job, const QString& frameRate, bool resample)
{
    return OpenReadPipe(InputClip(job), frameRate, resample);
}

SToolCommand CMovieHandling::WritePipeCommand(const SJob& job, const QString& frameRate, const QSize& size)
{
    const int quality = QualityParameter(job.m_dst.m_eCodec, job.m_dst.m_eQuality);
    AppLog(QStringLiteral("CMovieHandling::SetWriteParam() -> Codec: %1   Quality parameter: %2")
               .arg(SDstDesc::CodecName(job.m_dst.m_eCodec))
               .arg(quality));
    const QString output = VideoStreamPath(job);
    if (frameRate.isEmpty() || size.width() < 1 || size.height() < 1 || output.isEmpty() ||
        (job.m_dst.m_eCodec == eCODEC0 && quality < 0))
        return {};
    SToolCommand command{m_converter.ExecutablePath(), {}, {}};
    command.Add({"-threads", IdealThreads(), "-v", "quiet", "-f", "rawvideo", "-pix_fmt", "rgb24", "-s",
                 QStringLiteral("%1x%2").arg(size.width()).arg(size.height()), "-r", frameRate, "-i", "-"});
    if (job.m_dst.m_eCodec == eCODEC0)
        command.Add({"-c:v", "libx264", "-pix_fmt", "yuv420p", "-crf", QString::number(quality)});
    else
        command.Add({"-c:v", "rawvideo", "-pix_fmt", "rgba"});
    command.Add({"-an", "-y"}).AddPath(QFileInfo(output).absoluteFilePath());
    return command;
}

std::unique_ptr<CPipeStream> CMovieHandling::OpenWritePipe(const SJob& job, const QString& frameRate, const QSize& size)
{
    std::unique_ptr<CPipeStream> pipe;
    const SToolCommand command = WritePipeCommand(job, frameRate, size);
    if (!command.strProgram.isEmpty() && m_converter.ExecutableExists())
        pipe = OpenPipe(command, CPipeStream::eWRITE);
    AppLog(QStringLiteral("CMovieHandling::OpenWritePipe(): 0x%1").arg(quintptr(pipe.get()), 0, 16));
    return pipe;
}

// ---- abort and errors --------------------------------------------------------------------

void CMovieHandling::KillAll()
{
    m_prober.Kill();
    m_converter.Kill();
    // Only the pipe children of a video pass in progress; their ids stay reserved until the
    // pass closes the pipes (on this thread), so no other process can be hit.
    for (std::atomic<pid_t>* pid : {&m_readPid, &m_writePid})
        if (const pid_t id = pid->load(); id > 0)
            kill(-id, SIGKILL);
}

void CMovieHandling::Abort()
{
    m_bAborted = true;
    KillAll();
}

void CMovieHandling::OnAbort()
{
    AppLog("CMovieHandling::OnAbort()");
    if (m_pProgressView)
        m_pProgressView->Suspend(true);
    const bool yes = !m_pPrompt || m_pPrompt->Question(tr("Videobearbeitung"),
                                                       tr("Soll die Videobearbeitung wirklich abgebrochen werden?")) ==
                                       IUserPrompt::eYes;
    if (yes)
        m_bAborted = true;
    if (m_bAborted)
        KillAll();
    if (m_pProgressView)
        m_pProgressView->Suspend(false);
}

void CMovieHandling::ShowError(const QString& code)
{
    AppLog("CMovieHandling::ProcessJob() -> Error code: " + code);
    QString text = tr("An unexpected error has occurred. Code: %1").arg(code);
    // The programs only say "failed"; the two causes a user can fix are named.
    const QFileInfo folder(m_strWorkingFolder);
    if (!m_strWorkingFolder.isEmpty() && folder.isDir())
    {
        const QStorageInfo storage(m_strWorkingFolder);
        if (!folder.isWritable() || storage.isReadOnly())
        {
            AppLog("CMovieHandling::ProcessJob() -> Destination folder is read-only: " + m_strWorkingFolder);
            text += "\n" + tr("In den Zielordner kann nicht geschrieben werden.");
        }
        else if (storage.isValid() && storage.bytesAvailable() >= 0 && storage.bytesAvailable() < 4 * 1048576)
        {
            AppLog("CMovieHandling::ProcessJob() -> Disk full: " + m_strWorkingFolder);
            text += "\n" + tr("Der Datenträger des Zielordners ist voll.");
        }
    }
    if (m_pPrompt)
        m_pPrompt->Warning(tr("Unexpected error"), text);
}

void CMovieHandling::SetProgressText(const QString& text)
{
    if (m_pProgressView)
        m_pProgressView->SetText(text);
}

bool CMovieHandling::RunConverter(const QStringList& arguments)
{
    if (m_bAborted)
        return false;
    m_converter.SetTimeLimit(m_iStepTimeLimitMs);
    const bool ok = m_converter.Run(arguments, true, false) && m_converter.FinishedOk() && !m_bAborted;
    m_converter.SetTimeLimit(0);
    return ok;
}

// ---- the job -----------------------------------------------------------------------------

int CMovieHandling::ProcessJob(const SJob& job)
{
    AppLog("CMovieHandling::ProcessJob()");
    AppLog("CMovieHandling::ProcessJob() -> Src: " + job.m_src.m_strPath);
    AppLog("CMovieHandling::ProcessJob() -> Dst: " + job.m_dst.DestinationFile());
    if (!job.m_src.IsValid() || !m_bJobOpen || m_bProcessing)
    {
        AppLog("CMovieHandling::ProcessJob() -> Either job is invalid or not open.");
        return 2;
    }
    if (!job.m_dst.IsValid())
        return 2;
    if (job.m_dst.m_eCodec == eCODEC1 && m_pPrompt &&
        m_pPrompt->Question(tr("Videobearbeitung"),
                            tr("Das gewähle Videoformat wird zu einer großen Videodatei führen. Möchten sie wirklich "
                               "fortfahren?")) != IUserPrompt::eYes)
        return 3;

    m_bProcessing = true;
    Helper::EnsureUserDirectory();
    Helper::StartLogging(Helper::UserDirectory() + "MovieHandling" + ".log");
    Helper::DiableOSSleep();

    // An earlier file at the destination stays untouched until the finished result replaces it.
    m_strWorkingFolder = job.m_dst.Folder();
    RemoveIniFiles();
    RemoveTmpFiles();

    const QString source = job.m_src.m_strPath;
    const int videoStreams = CountStreams(source, eSK_VIDEO);
    const int mainStreams = CountStreams(source, eSK_MAIN_VIDEO);
    const int audioStreams = CountStreams(source, eSK_AUDIO);
    AppLog(QStringLiteral("CMovieHandling::ProcessJob() -> video-stream(s): %1").arg(videoStreams));
    AppLog(QStringLiteral("CMovieHandling::ProcessJob() -> main-video-stream(s): %1").arg(mainStreams));
    AppLog(QStringLiteral("CMovieHandling::ProcessJob() -> audio-stream(s): %1").arg(audioStreams));

    int result = 2;
    if (mainStreams != 1)
    {
        AppLog(QStringLiteral("CMovieHandling::ProcessJob() -> Only %1 - %2 video streams are supported.").arg(1).arg(8));
        ShowError("0101");
    }
    else if (audioStreams > 8)
    {
        AppLog(QStringLiteral("CMovieHandling::ProcessJob() -> Only %1 - %2 audio streams are supported.").arg(0).arg(8));
        ShowError("0201");
    }
    else
    {
        m_bAborted = false;
        const bool convert = NeedsConversion(job.m_src);
        const bool audio = audioStreams > 0;
        if (m_pProgressView)
            m_pProgressView->Open(tr("MovieHandling Processing Video File"), 3 + int(convert) + int(audio));
        const auto addCategory = [this](int id, const char* name) {
            if (m_pProgressView)
                m_pProgressView->AddCategory(id);
            if (name)
                AppLog(QStringLiteral("CMovieHandling::ProcessJob() -> Progress -> '%1' added.").arg(name));
        };
        if (convert)
            addCategory(CATEGORY_VIDEOCONVERT, "CATEGORY_VIDEOCONVERT");
        addCategory(CATEGORY_VIDEOCOUNT, "CATEGORY_VIDEOCOUNT");
        addCategory(CATEGORY_VIDEOPROCESS, "CATEGORY_VIDEOPROCESS");
        if (audio)
            addCategory(CATEGORY_VIDEOAUDIO, "CATEGORY_VIDEOAUDIO");
        addCategory(CATEGORY_VIDEOFINALISE, nullptr);

        const char* failedCode = nullptr;
        const int converted = ConvertVideo(job);
        if (converted == 0)
            RemoveIniFiles();
        if (converted == 2)
            failedCode = "0030";
        else if (converted == 0 || converted == 1)
        {
            const int video = ProcessVideo(job);
            if (video == 2)
                failedCode = "0130";
            else if (ProcessAudio(job) == 2)
                failedCode = "0230";
            else if (ProcessMetadata(job) == 2)
                failedCode = "0330";
        }
        if (m_pProgressView)
            m_pProgressView->Close();
        KillAll();

        if (m_bAborted)
        {
            AppLog("CMovieHandling::ProcessJob() -> Aborted.");
            result = 3;
        }
        else if (failedCode)
            ShowError(failedCode);
        else
            result = 0;
    }

    RemoveIniFiles();
    RemoveTmpFiles();
    m_strWorkingFolder.clear();
    Helper::RestoreOSSleepState();
    Helper::StopLogging();
    m_bProcessing = false;
    return result;
}

int CMovieHandling::ConvertVideo(const SJob& job)
{
    if (!NeedsConversion(job.m_src))
    {
        AppLog("CMovieHandling::ConvertVideo() -> Not necessary.");
        return 1;
    }
    AppLog("CMovieHandling::ConvertVideo()");
    AppLog("CMovieHandling::ConvertVideo() -> Converting...");
    SetProgressText(tr("MovieHandling Processing Video File (Converting)"));
    MP_Progress(CATEGORY_VIDEOCONVERT, 0.0f);

    const auto done = [](int result) {
        AppLog(QStringLiteral("CMovieHandling::ConvertVideo() -> Ret: %1").arg(result));
        return result;
    };
    const QString source = job.m_src.m_strPath;
    if (!QFileInfo(source).isFile())
        return done(2);
    const double duration = GetDuration(source);
    const QString rate = GetFrameRate(source, true);
    const float fps = RationalValue(rate);
    AppLog("CMovieHandling::ConvertVideo() -> Frame-Rate: " + rate + "  = " + QString::number(fps) + " FPS");
    if (duration <= 0.0 || rate.isEmpty() || m_strWorkingFolder.isEmpty() || !QFileInfo(m_strWorkingFolder).isDir())
        return done(2);
    const qint64 expected = std::llround(double(fps) * duration);

    QStringList arguments{"-threads", IdealThreads(), "-loglevel", "repeat", "-i", QFileInfo(source).absoluteFilePath(),
                          "-r",       rate};
    switch (job.m_dst.m_eQuality)
    {
    case eLOWEST:
        AppLog("CMovieHandling::ConvertVideo() -> Preset fast / Profile baseline.");
        arguments << "-vcodec" << "libx264" << "-preset" << "fast" << "-profile:v" << "baseline" << "-acodec" << "aac"
                  << "-b:a" << "96k";
        break;
    case eLOW:
    case eNORMAL:
        AppLog("CMovieHandling::ConvertVideo() -> Preset medium / Profile main.");
        arguments << "-vcodec" << "libx264" << "-preset" << "medium" << "-profile:v" << "main" << "-acodec" << "aac"
                  << "-b:a" << "128k";
        break;
    default:
        AppLog("CMovieHandling::ConvertVideo() -> Preset slow / Profile high.");
        arguments << "-vcodec" << "libx264" << "-preset" << "slow" << "-profile:v" << "high" << "-acodec" << "aac"
                  << "-b:a" << "192k";
        break;
    }
    const QString converted = ConvertedMoviePath();
    arguments << "-y" << converted;
    if (!m_converter.Run(arguments, false, true))
        return done(2);
    QElapsedTimer still;
    still.start();
    for (int lastFrame = -1; m_converter.IsRunning() && !m_bAborted;)
    {
        if (expected > 0)
            MP_Progress(CATEGORY_VIDEOCONVERT, float(double(m_converter.LastFrame()) / double(expected)));
        if (m_converter.LastFrame() != lastFrame)
        {
            lastFrame = m_converter.LastFrame();
            still.restart();
        }
        else if (m_iPipeStallLimitMs > 0 && still.elapsed() > m_iPipeStallLimitMs)
        {
            AppLog("CMovieHandling::ConvertVideo() -> No progress -> Stopped.");
            m_converter.Kill();
            break;
        }
        m_pump.Pause(100);
    }
    MP_Progress(CATEGORY_VIDEOCONVERT, 1.0f);
    if (m_bAborted)
    {
        m_converter.Kill();
        QFile::remove(converted);
        AppLog("CMovieHandling::ConvertVideo() -> Aborted.");
        return done(3);
    }
    // A copy the converter did not finish would be taken for the clip by every later step.
    const bool complete = expected < 1 || m_converter.LastFrame() >= std::max<qint64>(std::llround(expected * 0.5), 1);
    if (!m_converter.FinishedOk() || !NonEmptyFile(converted) || !complete)
    {
        AppLog(QStringLiteral("CMovieHandling::ConvertVideo() -> Frames converted: %1 of %2")
                   .arg(m_converter.LastFrame())
                   .arg(expected));
        QFile::remove(converted);
        return done(2);
    }
    return done(0);
}

int CMovieHandling::ProcessVideo(const SJob& job)
{
    AppLog("CMovieHandling::ProcessVideo()");
    SetProgressText(tr("MovieHandling Processing Video File (Video)"));
    MP_Progress(CATEGORY_VIDEOCOUNT, 0.0f);
    MP_Progress(CATEGORY_VIDEOPROCESS, 0.0f);
    const auto done = [](int result) {
        AppLog(QStringLiteral("CMovieHandling::ProcessVideo() -> Ret: %1").arg(result));
        return result;
    };

    const QString input = InputClip(job);
    const QString rate = GetFrameRate(input, true);
    const float fps = RationalValue(rate);
    AppLog("CMovieHandling::ProcessVideo() -> Frame-Rate: " + rate + "  = " + QString::number(fps) + " FPS");
    const bool resample = GetFrameRate(input, false) != rate;
    const qint64 expected = resample ? std::llround(GetDuration(input) * double(fps)) : qint64(GetNumFrames(input));
    MP_Progress(CATEGORY_VIDEOCOUNT, 1.0f);

    const QSize srcSize = GetFrameSize(input);
    const QSize dstSize = DstFrameSize(job);
    if (expected < 1 || expected > std::numeric_limits<int>::max() || srcSize.width() < 1 || srcSize.height() < 1 ||
        dstSize.width() < 1 || dstSize.height() < 1)
        return done(2);

    // Two buffers each way: one is graded while the other is read or written.
    Helper::CRGB24Buffer source[2], destination[2];
    try
    {
        for (int i = 0; i < 2; ++i)
        {
            source[i].Create(srcSize, Helper::eCP_NO_CLEAR);
            destination[i].Create(dstSize, Helper::eCP_ON_CREATE);
        }
    }
    catch (const std::exception&)
    {
        AppLog("CMovieHandling::ProcessVideo() -> Not enough memory for the frame buffers.");
        return done(2);
    }
    AppLog(QStringLiteral("CMovieHandling::ProcessVideo() -> Src frames Resolution: %1x%2   Size: %3 MB.")
               .arg(srcSize.width())
               .arg(srcSize.height())
               .arg(Megabytes(FrameBytes(srcSize))));
    AppLog(QStringLiteral("CMovieHandling::ProcessVideo() -> Dst frames Resolution: %1x%2   Size: %3 MB.")
               .arg(dstSize.width())
               .arg(dstSize.height())
               .arg(Megabytes(FrameBytes(dstSize))));

    std::unique_ptr<CPipeStream> reader = OpenReadPipe(job, rate, resample);
    std::unique_ptr<CPipeStream> writer = reader ? OpenWritePipe(job, rate, dstSize) : nullptr;
    if (!reader || !writer)
    {
        if (reader)
            kill(-reader->ProcessId(), SIGKILL);
        return done(2);
    }
    reader->SetStallLimit(m_iPipeStallLimitMs);
    writer->SetStallLimit(m_iPipeStallLimitMs);
    m_readPid = reader->ProcessId();
    m_writePid = writer->ProcessId();

    bool loopFailed = false;
    const int count = VideoLoop(*reader, *writer, source, destination, int(expected), loopFailed);
    AppLog(QStringLiteral("CMovieHandling::ProcessVideo() -> Frames processed: %1").arg(count));

    // The encoder still finishes its file after its input ends; the events keep flowing while
    // it does, so an abort reaches it, and one that stands still is ended at the stall limit.
    writer->CloseOurEnd();
    QElapsedTimer finishing;
    finishing.start();
    while (!writer->HasEnded() && !m_bAborted &&
           (m_iPipeStallLimitMs <= 0 || finishing.elapsed() < m_iPipeStallLimitMs))
    {
        ProcessEvents();
        QThread::msleep(5);
    }
    reader->SetCloseLimit(m_iPipeStallLimitMs);
    writer->SetCloseLimit(1);
    m_readPid = -1;
    const int readStatus = reader->Close();
    m_writePid = -1;
    const int writeStatus = writer->Close();
    const int encoded = count > 0 && !m_bAborted ? EncodedFrames(VideoStreamPath(job)) : -1;
    if (encoded >= 0 && encoded < count)
        AppLog(QStringLiteral("CMovieHandling::ProcessVideo() -> Encoded frames: %1 of %2").arg(encoded).arg(count));
    for (int i = 0; i < 2; ++i)
    {
        source[i].Destroy();
        destination[i].Destroy();
    }
    if (m_bAborted)
    {
        AppLog("CMovieHandling::ProcessVideo() -> Aborted.");
        return done(2);
    }
    // A program that died or failed leaves a stream that may look whole but is not.
    const bool childrenOk = ExitedCleanly(readStatus) && ExitedCleanly(writeStatus);
    if (!childrenOk)
        AppLog(QStringLiteral("CMovieHandling::ProcessVideo() -> Decoder status: %1, encoder status: %2")
                   .arg(readStatus)
                   .arg(writeStatus));
    const qint64 needed = std::max<qint64>(std::llround(double(expected) * 0.5), 1);
    const int result = !loopFailed && count >= needed && childrenOk && (encoded < 0 || encoded >= count) &&
                               NonEmptyFile(VideoStreamPath(job))
                           ? 0
                           : 2;
    MP_Progress(CATEGORY_VIDEOPROCESS, 1.0f);
    return done(result);
}

int CMovieHandling::EncodedFrames(const QString& videoStream)
{
    // Its own answer file: the answers about the clip are still needed by the audio pass.
    const QString answer = TempDirectory().isEmpty() ? QString() : TempDirectory() + "/" + m_strProgramId + "_DstVideo.ini";
    if (answer.isEmpty() || !QFileInfo(videoStream).isFile())
        return -1;
    QFile::remove(answer);
    const int got = GetMetric({"-v", "quiet", "-select_streams", "v:0", "-show_entries", "stream=nb_frames", "-of",
                               "default=noprint_wrappers=1:nokey=1", QFileInfo(videoStream).absoluteFilePath()},
                              answer);
    QFile file(answer);
    bool ok = false;
    const int frames = got == 0 && file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toInt(&ok) : -1;
    file.remove();
    return ok ? frames : -1;
}

int CMovieHandling::VideoLoop(CPipeStream& reader, CPipeStream& writer, Helper::CRGB24Buffer (&source)[2],
                              Helper::CRGB24Buffer (&destination)[2], int expected, bool& failed)
{
    CSlotQueue freeSource, fullSource, freeDestination, fullDestination;
    for (int i = 0; i < 2; ++i)
    {
        freeSource.Push(i);
        freeDestination.Push(i);
    }
    std::atomic<int> written{0};
    std::atomic<bool> writeFailed{false};

    std::thread readThread([&] {
        for (int slot; (slot = freeSource.Pop(-1)) >= 0;)
        {
            if (!ReadFrame(reader, source[slot]))
                break;
            fullSource.Push(slot);
        }
        fullSource.Close();
    });
    std::thread writeThread([&] {
        for (int slot; (slot = fullDestination.Pop(-1)) >= 0;)
        {
            const size_t wanted = size_t(FrameBytes(destination[slot].GetSize()));
            const size_t done = writer.Write(destination[slot].GetData(), wanted);
            if (done != wanted)
            {
                AppLog(QStringLiteral("CMovieHandling::ProcessVideo() -> write aborted -> (%1 bytes of %2 bytes)")
                           .arg(done)
                           .arg(wanted));
                AppLog(QStringLiteral("CMovieHandling::ProcessVideo() -> errno: %1").arg(writer.LastError()));
                writeFailed = true;
                break;
            }
            ++written;
            freeDestination.Push(slot);
        }
        freeDestination.Close();
    });

    // Waits for a buffer while the events keep flowing (progress window, abort button).
    const auto take = [this](CSlotQueue& queue) {
        for (;;)
        {
            const int slot = queue.Pop(20);
            if (slot != CSlotQueue::kTimeout || m_bAborted)
                return slot == CSlotQueue::kTimeout ? CSlotQueue::kClosed : slot;
            ProcessEvents();
        }
    };
    bool stoppedEarly = false;
    for (int frame = 0; !m_bAborted; ++frame)
    {
        const int in = take(fullSource);
        if (in < 0)
            break;
        const int out = take(freeDestination);
        if (out < 0)
        {
            stoppedEarly = true;
            break;
        }
        const bool graded = m_frameCallback ? m_frameCallback(source[in], destination[out], frame)
                                            : (CopyFrame(source[in], destination[out]), true);
        freeSource.Push(in);
        if (!graded)
        {
            AppLog(QStringLiteral("CMovieHandling::ProcessVideo() -> Frame %1 could not be processed.").arg(frame));
            freeDestination.Push(out);
            stoppedEarly = true;
            break;
        }
        fullDestination.Push(out);
        MP_Progress(CATEGORY_VIDEOPROCESS, float(double(written.load()) / double(expected)));
        ProcessEvents();
    }
    if (m_bAborted || stoppedEarly || writeFailed)
    {
        // Nothing more will be read or written: end both programs instead of waiting for them.
        kill(-reader.ProcessId(), SIGKILL);
        kill(-writer.ProcessId(), SIGKILL);
    }
    fullDestination.Close();
    freeSource.Close();
    readThread.join();
    writeThread.join();
    failed = stoppedEarly || writeFailed;
    return written.load();
}

int CMovieHandling::ProcessAudio(const SJob& job)
{
    AppLog("CMovieHandling::ProcessAudio()");
    const auto done = [](int result) {
        AppLog(QStringLiteral("CMovieHandling::ProcessAudio() -> Ret: %1").arg(result));
        return result;
    };
    const QString video = VideoStreamPath(job), raw = RawMoviePath(job);
    if (!job.m_dst.IsValid() || video.isEmpty() || raw.isEmpty() || !QFileInfo(video).isFile())
        return done(2);
    int result = 2;
    const QString input = InputClip(job);
    if (job.m_dst.m_bCopyAudio && CountStreams(input, eSK_AUDIO) > 0)
    {
        SetProgressText(tr("MovieHandling Processing Video File (Audio)"));
        MP_Progress(CATEGORY_VIDEOAUDIO, 0.0f);
        if (ExtractAudio(job) > 0 && CombineVideoAudio(job))
            result = 0;
        MP_Progress(CATEGORY_VIDEOAUDIO, 1.0f);
    }
    if (!QFileInfo::exists(raw))
    {
        if (!QFile::rename(video, raw))
            return done(2);
        AppLog("CMovieHandling::ProcessAudio() -> Audio has been skipped.");
        result = 0;
    }
    return done(result);
}

int CMovieHandling::ExtractAudio(const SJob& job)
{
    AppLog("CMovieHandling::ExtractAudio()");
    const QString input = InputClip(job);
    const int streams = std::min(CountStreams(input, eSK_AUDIO), 8);
    int counted = 0;
    for (int i = 0; i < streams && !m_bAborted; ++i)
    {
        const QString name = GetAudioCodecName(input, i);
        const QString target = TargetAudioCodec(job, i);
        if (name.isEmpty() || target.isEmpty())
        {
            AppLog(QStringLiteral("CMovieHandling::ExtractAudio() -> Stream%1 -> Unknown audio codec -> Skipped.").arg(i));
            continue;
        }
        QString codec = target;
        if (name == target)
        {
            codec = QStringLiteral("copy");
            AppLog(QStringLiteral("CMovieHandling::ExtractAudio() -> Stream%1 -> '%2' -> Just copy audio stream.")
                       .arg(i)
                       .arg(name));
        }
        else
            AppLog(QStringLiteral("CMovieHandling::ExtractAudio() -> Stream%1 -> '%2' -> Audio stream needs to be "
                                  "converted to -> '%3'.")
                       .arg(i)
                       .arg(name, target));
        const QString file = AudioStreamPath(job, i);
        const QStringList arguments{"-threads", IdealThreads(), "-i", QFileInfo(input).absoluteFilePath(),
                                    "-map",     QStringLiteral("0:a:%1").arg(i),
                                    "-acodec",  codec,
                                    "-vn",      "-y",
                                    file};
        if (RunConverter(arguments) && NonEmptyFile(file))
            ++counted;
        else
        {
            QFile::remove(file);
            AppLog(QStringLiteral("CMovieHandling::ExtractAudio() -> Stream%1 -> Extraction failed.").arg(i));
        }
        MP_Progress(CATEGORY_VIDEOAUDIO, float(counted) / float(streams) * 0.5f);
    }
    MP_Progress(CATEGORY_VIDEOAUDIO, 0.5f);
    AppLog(QStringLiteral("CMovieHandling::ExtractAudio() -> Found %1 Stream(s).").arg(counted));
    return counted;
}

bool CMovieHandling::CombineVideoAudio(const SJob& job)
{
    AppLog("CMovieHandling::CombineVideoAudio()");
    const QString video = VideoStreamPath(job), raw = RawMoviePath(job);
    if (!NonEmptyFile(video) || m_bAborted)
        return false;
    QStringList arguments{"-threads", IdealThreads(), "-i", video};
    int inputs = 0;
    for (int i = 0; i < 8; ++i)
    {
        const QString file = AudioStreamPath(job, i);
        if (!file.isEmpty() && NonEmptyFile(file))
        {
            arguments << "-i" << file;
            ++inputs;
        }
    }
    arguments << "-map" << "0:v";
    for (int k = 1; k <= inputs; ++k)
        arguments << "-map" << QStringLiteral("%1:a").arg(k);
    arguments << "-c:v:0" << "copy";
    for (int k = 0; k < inputs; ++k)
        arguments << QStringLiteral("-c:a:%1").arg(k) << "copy";
    QFile::remove(raw);
    arguments << "-y" << raw;
    if (RunConverter(arguments) && NonEmptyFile(raw))
        return true;
    QFile::remove(raw);
    AppLog("CMovieHandling::CombineVideoAudio() -> ");
    return false;
}

int CMovieHandling::ProcessMetadata(const SJob& job)
{
    AppLog("CMovieHandling::ProcessMetadata()");
    SetProgressText(tr("MovieHandling Processing Video File (Finalisation)"));
    MP_Progress(CATEGORY_VIDEOFINALISE, 0.0f);
    const auto done = [](int result) {
        MP_Progress(CATEGORY_VIDEOFINALISE, 1.0f);
        AppLog(QStringLiteral("CMovieHandling::ProcessMetadata() -> Ret: %1").arg(result));
        return result;
    };
    const QString source = job.m_src.m_strPath, raw = RawMoviePath(job);
    const QString destination = job.m_dst.DestinationFile();
    if (!QFileInfo(source).isFile() || raw.isEmpty() || !QFileInfo(raw).isFile() || m_bAborted)
        return done(2);

    const QString final = IntermediatePath("_Tmp_FinalMovie", job.m_dst.Extension());
    bool included = false;
    if (job.m_dst.m_bCopyMetadata)
    {
        // The stream counts are those of the result itself; the answers of the clip go first.
        RemoveIniFiles();
        const int videoStreams = CountStreams(raw, eSK_VIDEO);
        const int audioStreams = CountStreams(raw, eSK_AUDIO);
        RemoveIniFiles();
        const bool audio = job.m_dst.m_bCopyAudio && audioStreams > 0;
        QStringList arguments{"-i", QFileInfo(raw).absoluteFilePath(), "-i", QFileInfo(source).absoluteFilePath()};
        if (videoStreams > 0)
            arguments << "-map" << "0:v";
        if (audio)
            arguments << "-map" << "0:a";
        arguments << "-map_chapters" << "-1" << "-map_metadata" << "1";
        AppLog(QStringLiteral("CMovieHandling::ProcessMetadata() -> Num video-streams: %1").arg(videoStreams));
        if (videoStreams == 1)
        {
            arguments << QStringLiteral("-map_metadata:s:v:%1").arg(0) << QStringLiteral("1:s:v:%1").arg(0)
                      << QStringLiteral("-metadata:s:v:%1").arg(0) << "rotate=0";
            AppLog("CMovieHandling::ProcessMetadata() -> Possible rotation has been removed.");
        }
        AppLog(QStringLiteral("CMovieHandling::ProcessMetadata() -> Num audio-streams: %1").arg(audioStreams));
        for (int i = 0; i < audioStreams; ++i)
            arguments << QStringLiteral("-map_metadata:s:a:%1").arg(i) << QStringLiteral("1:s:a:%1").arg(i);
        if (videoStreams > 0)
            arguments << "-c:v" << "copy";
        if (audio)
            arguments << "-c:a" << "copy";
        // The remux goes to an intermediate first; the result replaces the destination in one step.
        arguments << "-y" << final;
        included = RunConverter(arguments) && NonEmptyFile(final) && ReplaceFile(final, destination);
        if (included)
            AppLog("CMovieHandling::ProcessMetadata() -> Metadata have been included.");
        QFile::remove(final);
    }
    if (m_bAborted)
        return done(2);
    if (!included)
    {
        if (!ReplaceFile(raw, destination))
        {
            AppLog(QStringLiteral("CMovieHandling::ProcessMetadata() -> Cannot write %1: %2")
                       .arg(destination, QString::fromLocal8Bit(strerror(errno))));
            return done(2);
        }
        AppLog("CMovieHandling::ProcessMetadata() -> Metadata have been skipped.");
    }
    return done(0);
}
