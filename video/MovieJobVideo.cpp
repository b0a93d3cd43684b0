// The video pass of an export job: frames come from the decoder's pipe, go through the grade
// and into the encoder's pipe, on three threads; the main thread waits through the event pump.
#include "video/MovieHandling.h"

#include "core/AppLog.h"
#include "core/EngineState.h"
#include "core/Progress.h"
#include "video/EventPump.h"
#include "video/MovieJobShared.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <functional>
#include <limits>
#include <mutex>
#include <thread>

#include <csignal>
#include <sys/wait.h>

using Helper::AppLog;
using namespace MovieJob;

namespace
{
QString Megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1048576.0, 'f', 1);
}

bool ExitedCleanly(int status)
{
    return status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Longest pause before a buffer wait looks again without being woken, and the pause between two
// looks at an encoder finishing its file.
constexpr int kBufferWaitMs = 100;
constexpr int kEncoderPollMs = 10;

class CSlotQueue
{
public:
    static constexpr int kTimeout = -1;
    static constexpr int kClosed = -2;

    /// `onReady` runs after every push or close, on the pushing thread (e.g. to wake a waiter).
    explicit CSlotQueue(std::function<void()> onReady = {}) : m_onReady(std::move(onReady)) {}

    void Push(int slot)
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_slots.push_back(slot);
            m_ready.notify_all();
        }
        if (m_onReady)
            m_onReady();
    }
    void Close()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_bClosed = true;
            m_ready.notify_all();
        }
        if (m_onReady)
            m_onReady();
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
    std::function<void()> m_onReady;
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
    // At one rate the pipe repeats frames of a clip whose frames come at varying times: as many
    // arrive as its duration holds at that rate. The progress counts those.
    const qint64 arriving = resample || !IsVariableRate(input)
                                ? expected
                                : std::max(expected, std::llround(GetDuration(input) * double(fps)));
    MP_Progress(CATEGORY_VIDEOCOUNT, 1.0f);

    const QSize srcSize = GetFrameSize(input);
    const QSize dstSize = DstFrameSize(job);
    if (expected < 1 || arriving > std::numeric_limits<int>::max() || srcSize.width() < 1 || srcSize.height() < 1 ||
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
    const int count = VideoLoop(*reader, *writer, source, destination, int(arriving), loopFailed);
    AppLog(QStringLiteral("CMovieHandling::ProcessVideo() -> Frames processed: %1").arg(count));

    // The encoder still finishes its file after its input ends; the events keep flowing while
    // it does, so an abort reaches it, and one that stands still is ended at the stall limit.
    writer->CloseOurEnd();
    const QDeadlineTimer finishing(m_iPipeStallLimitMs > 0 ? m_iPipeStallLimitMs : -1);
    while (!writer->HasEnded() && !m_bAborted && !finishing.hasExpired())
        m_pump.Pause(kEncoderPollMs);
    if (!m_bAborted && (reader->LastError() == ETIMEDOUT || writer->LastError() == ETIMEDOUT || !writer->HasEnded()))
        m_strUnanswered = m_converter.ExecutableName();
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
    // The reader and the writer wake the pump when they hand the main thread a buffer, so it
    // waits in the event loop instead of polling.
    const auto wake = [this] { QMetaObject::invokeMethod(this, [this] { m_pump.Wake(); }, Qt::QueuedConnection); };
    CSlotQueue freeSource, fullSource(wake), freeDestination(wake), fullDestination;
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
            const int slot = queue.Pop(0);
            if (slot != CSlotQueue::kTimeout)
                return slot;
            if (m_bAborted)
                return int(CSlotQueue::kClosed);
            m_pump.Pause(kBufferWaitMs);
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
        MP_Progress(CATEGORY_VIDEOPROCESS, float(std::min(1.0, double(written.load()) / double(expected))));
        m_pump.Pause(0); // what arrived while the frame was graded
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

