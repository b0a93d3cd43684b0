// The export job: its life, the intermediate files beside the destination, abort, errors and
// the order of the steps (ConvertVideo, ProcessVideo, ProcessAudio, ProcessMetadata, each in
// its own MovieJob*.cpp).
#include "video/MovieHandling.h"

#include "core/AppLog.h"
#include "core/EngineState.h"
#include "core/IUserPrompt.h"
#include "core/Paths.h"
#include "video/JobEnvironment.h"
#include "video/JobProgressView.h"
#include "video/Leftovers.h"

#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <atomic>
#include <csignal>

using Helper::AppLog;

namespace
{
// The audio codecs a job keeps; their names are the extensions of the audio stream files.
const QStringList kKeptAudioCodecs{"aac", "mp3", "ac3", "dts"};
constexpr int kMaxAudioStreams = 8;
}  // namespace

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
    // A job's intermediates carry its id: files of other jobs and of the user are never touched.
    static std::atomic<int> jobs{0};
    m_strJobId = Leftovers::ProcessTag() + "-" + QString::number(++jobs);
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

QString CMovieHandling::IntermediateName(const QString& programId, const QString& stem, const QString& jobId,
                                         const QString& extension)
{
    return programId + stem + "-" + jobId + (extension.isEmpty() ? QString() : "." + extension);
}

QStringList CMovieHandling::IntermediateNames(const QString& programId, const QString& jobId)
{
    QStringList names{IntermediateName(programId, "_Tmp_ConvertedMovie", jobId, "mp4")};
    for (const char* stem : {"_Tmp_VideoStream", "_Tmp_RawMovie", "_Tmp_FinalMovie"})
        for (const ECodec codec : {eCODEC0, eCODEC1})
            names << IntermediateName(programId, stem, jobId, SDstDesc::CodecExtension(codec));
    for (int i = 0; i < kMaxAudioStreams; ++i)
        for (const QString& extension : kKeptAudioCodecs + QStringList{QString()})
            names << IntermediateName(programId, QStringLiteral("_Tmp_AudioStream%1").arg(i), jobId, extension);
    return names;
}

QString CMovieHandling::IntermediatePath(const QString& stem, const QString& extension) const
{
    if (m_strWorkingFolder.isEmpty() || m_strJobId.isEmpty())
        return {};
    return m_strWorkingFolder + "/" + IntermediateName(m_strProgramId, stem, m_strJobId, extension);
}

QString CMovieHandling::VideoStreamPath(const SJob& job) const
{
    return IntermediatePath("_Tmp_VideoStream", job.m_dst.Extension());
}

QString CMovieHandling::AudioStreamPath(const SJob& job, int ordinal)
{
    const QString target = TargetAudioCodec(job, ordinal);
    return IntermediatePath(QStringLiteral("_Tmp_AudioStream%1").arg(ordinal),
                            kKeptAudioCodecs.contains(target) ? target : QString());
}

QString CMovieHandling::RawMoviePath(const SJob& job) const
{
    return IntermediatePath("_Tmp_RawMovie", job.m_dst.Extension());
}

void CMovieHandling::RemoveTmpFiles()
{
    AppLog("CMovieHandling::RemoveTmpFiles()");
    if (m_strWorkingFolder.isEmpty() || m_strJobId.isEmpty())
        return;
    for (const QString& name : IntermediateNames(m_strProgramId, m_strJobId))
        QFile::remove(m_strWorkingFolder + "/" + name);
}

void CMovieHandling::SweepLeftovers(const QString& programId, const QString& privateTemp)
{
    Leftovers::SweepJobs([&programId](const QString& folder, const QString& jobId) {
        for (const QString& name : IntermediateNames(programId, jobId))
            if (QFile::remove(folder + "/" + name))
                AppLog("CMovieHandling::SweepLeftovers() -> Removed " + folder + "/" + name);
    });
    Leftovers::SweepTempFolders(privateTemp);
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
    const bool ownSize = requested.width() < 1 || requested.height() < 1;
    const QSize size = ownSize ? SrcFrameSize(job) : requested;
    if (size.width() < 1 || size.height() < 1)
        return size;
    // The encoder takes sizes divisible by the resolution modulo: an odd row or column is
    // cropped, and a side shorter than the modulo is scaled up to it.
    const int modulo = std::max(MP_UI_GetVideoResolutionModulo(), 1);
    const auto fit = [modulo](int side) { return side < modulo ? modulo : side - side % modulo; };
    const QSize fitted(fit(size.width()), fit(size.height()));
    if (fitted != size)
        AppLog(QStringLiteral("CMovieHandling::DstFrameSize() -> %1 size %2x%3 -> %4x%5 (the encoder takes sizes "
                              "divisible by %6).")
                   .arg(ownSize ? "Source" : "Requested")
                   .arg(size.width())
                   .arg(size.height())
                   .arg(fitted.width())
                   .arg(fitted.height())
                   .arg(modulo));
    return fitted;
}

QString CMovieHandling::TargetAudioCodec(const SJob& job, int ordinal)
{
    const QString source = GetAudioCodecName(InputClip(job), ordinal);
    if (source.isEmpty())
        return {};
    return kKeptAudioCodecs.contains(source) ? source : QStringLiteral("aac");
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
    if (!m_strUnanswered.isEmpty())
    {
        AppLog("CMovieHandling::ProcessJob() -> " + m_strUnanswered + " did not answer in time.");
        text += "\n" + tr("Das Programm %1 hat nicht rechtzeitig geantwortet und wurde beendet.").arg(m_strUnanswered);
    }
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
    m_converter.SetSilenceLimit(m_iPipeStallLimitMs);
    const bool ok = m_converter.Run(arguments, true, false) && m_converter.FinishedOk() && !m_bAborted;
    if (m_converter.TimedOut())
        m_strUnanswered = m_converter.ExecutableName();
    m_converter.SetTimeLimit(0);
    m_converter.SetSilenceLimit(0);
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
    // Cleared before the first wait: an abort from then on ends the job.
    m_bAborted = false;
    m_strUnanswered.clear();
    Helper::EnsureUserDirectory();
    Helper::StartLogging(Helper::UserDirectory() + "MovieHandling" + ".log");
    Helper::DiableOSSleep();

    // An earlier file at the destination stays untouched until the finished result replaces it.
    m_strWorkingFolder = job.m_dst.Folder();
    RemoveIniFiles();
    RemoveTmpFiles();
    // Noted before the first intermediate exists, so a start after a kill can remove them.
    if (!Leftovers::RecordJob(m_strJobId, QFileInfo(m_strWorkingFolder).absoluteFilePath()))
        AppLog("CMovieHandling::ProcessJob() -> The job could not be noted in " + Helper::UserDirectory());

    const QString source = job.m_src.m_strPath;
    const int videoStreams = CountStreams(source, eSK_VIDEO);
    const int mainStreams = CountStreams(source, eSK_MAIN_VIDEO);
    const int audioStreams = CountStreams(source, eSK_AUDIO);
    AppLog(QStringLiteral("CMovieHandling::ProcessJob() -> video-stream(s): %1").arg(videoStreams));
    AppLog(QStringLiteral("CMovieHandling::ProcessJob() -> main-video-stream(s): %1").arg(mainStreams));
    AppLog(QStringLiteral("CMovieHandling::ProcessJob() -> audio-stream(s): %1").arg(audioStreams));

    int result = 2;
    if (m_bAborted)
    {
        AppLog("CMovieHandling::ProcessJob() -> Aborted.");
        result = 3;
    }
    else if (mainStreams != 1)
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
    Leftovers::ForgetJob(m_strJobId);
    m_strWorkingFolder.clear();
    Helper::RestoreOSSleepState();
    Helper::StopLogging();
    m_bProcessing = false;
    m_bAborted = false;
    return result;
}

