#include "video/PipeStream.h"

#include "video/ChildStart.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
constexpr qsizetype kErrorTailBytes = 8192;
constexpr int kPipeBytes = 1 << 20; // fewer wake-ups per frame than the 64 KiB default

// A write to a pipe whose reader is gone must fail with EPIPE, not end our process.
void IgnoreBrokenPipes()
{
    static const bool done = [] {
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        sigaction(SIGPIPE, &ignore, nullptr);
        return true;
    }();
    (void)done;
}

void CloseFd(int& fd)
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}
}  // namespace

std::unique_ptr<CPipeStream> CPipeStream::Open(const QString& program, const QStringList& arguments, EMode mode,
                                               QString* error)
{
    IgnoreBrokenPipes();
    // Everything the child needs is prepared before fork: after it only async-signal-safe calls.
    std::vector<QByteArray> items{QFile::encodeName(program)};
    for (const QString& argument : arguments)
        items.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& item : items)
        argv.push_back(item.data());
    argv.push_back(nullptr);

    int data[2] = {-1, -1}, errors[2] = {-1, -1}, status[2] = {-1, -1};
    int nullFd = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (nullFd < 0 || pipe2(data, O_CLOEXEC) != 0 || pipe2(errors, O_CLOEXEC) != 0 || pipe2(status, O_CLOEXEC) != 0)
    {
        const int e = errno;
        for (int* fd : {&data[0], &data[1], &errors[0], &errors[1], &status[0], &status[1], &nullFd})
            CloseFd(*fd);
        if (error)
            *error = QString::fromLocal8Bit(strerror(e));
        return nullptr;
    }
    const pid_t parentPid = getpid();
    const pid_t pid = fork();
    if (pid == 0)
    {
        PrepareChildProcess(parentPid);
        struct sigaction standard = {};
        standard.sa_handler = SIG_DFL;
        sigaction(SIGPIPE, &standard, nullptr);
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        dup2(mode == eREAD ? nullFd : data[0], 0);
        dup2(mode == eREAD ? data[1] : nullFd, 1);
        dup2(errors[1], 2);
        execv(argv[0], argv.data());
        const int e = errno;
        [[maybe_unused]] const ssize_t n = write(status[1], &e, sizeof e);
        _exit(127);
    }
    const int forkErrno = errno;
    CloseFd(nullFd);
    CloseFd(errors[1]);
    CloseFd(status[1]);
    CloseFd(mode == eREAD ? data[1] : data[0]);
    int& ours = mode == eREAD ? data[0] : data[1];
    int execErrno = pid < 0 ? forkErrno : 0;
    if (pid > 0)
    {
        // The status pipe closes on a successful exec; otherwise it carries exec's errno.
        ssize_t n;
        while ((n = read(status[0], &execErrno, sizeof execErrno)) < 0 && errno == EINTR)
        {
        }
        if (n != ssize_t(sizeof execErrno))
            execErrno = 0;
    }
    CloseFd(status[0]);
    if (execErrno != 0)
    {
        if (pid > 0)
            waitpid(pid, nullptr, 0);
        CloseFd(ours);
        CloseFd(errors[0]);
        if (error)
            *error = QStringLiteral("%1: %2").arg(program, QString::fromLocal8Bit(strerror(execErrno)));
        return nullptr;
    }

    std::unique_ptr<CPipeStream> stream(new CPipeStream);
    stream->m_eMode = mode;
    stream->m_pid = pid;
    stream->m_fd = ours;
    stream->m_iCloseLimitMs = mode == eREAD ? 2000 : 60000;
    fcntl(ours, F_SETPIPE_SZ, kPipeBytes);
    const int errorFd = errors[0];
    stream->m_drain = std::thread([s = stream.get(), errorFd] { s->DrainErrors(errorFd); });
    return stream;
}

CPipeStream::~CPipeStream()
{
    Close();
}

void CPipeStream::DrainErrors(int fd)
{
    char chunk[4096];
    for (;;)
    {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        std::lock_guard<std::mutex> lock(m_errorMutex);
        m_errorTail.append(chunk, n);
        if (m_errorTail.size() > kErrorTailBytes)
            m_errorTail.remove(0, m_errorTail.size() - kErrorTailBytes);
    }
    close(fd);
}

QByteArray CPipeStream::ErrorTail() const
{
    std::lock_guard<std::mutex> lock(m_errorMutex);
    return m_errorTail;
}

bool CPipeStream::WaitReady(short events)
{
    if (m_iStallLimitMs <= 0)
        return true;
    pollfd entry{m_fd, events, 0};
    for (;;)
    {
        const int ready = poll(&entry, 1, m_iStallLimitMs);
        if (ready > 0)
            return true;
        if (ready < 0 && errno == EINTR)
            continue;
        m_iErrno = ready == 0 ? ETIMEDOUT : errno;
        m_bFailed = true;
        return false;
    }
}

size_t CPipeStream::Read(void* buffer, size_t bytes)
{
    if (m_fd < 0 || m_eMode != eREAD || !buffer)
        return 0;
    char* const target = static_cast<char*>(buffer);
    size_t done = 0;
    while (done < bytes && WaitReady(POLLIN))
    {
        const ssize_t n = read(m_fd, target + done, bytes - done);
        if (n > 0)
            done += size_t(n);
        else if (n == 0)
            break;
        else if (errno != EINTR)
        {
            m_iErrno = errno;
            m_bFailed = true;
            break;
        }
    }
    m_iPosition += qint64(done);
    return done;
}

size_t CPipeStream::Write(const void* buffer, size_t bytes)
{
    if (m_fd < 0 || m_eMode != eWRITE || !buffer)
        return 0;
    const char* const source = static_cast<const char*>(buffer);
    size_t done = 0;
    while (done < bytes && WaitReady(POLLOUT))
    {
        const ssize_t n = write(m_fd, source + done, bytes - done);
        if (n > 0)
            done += size_t(n);
        else if (n < 0 && errno != EINTR)
        {
            m_iErrno = errno;
            m_bFailed = true;
            break;
        }
    }
    m_iPosition += qint64(done);
    return done;
}

bool CPipeStream::Flush()
{
    return m_fd >= 0 && !m_bFailed;
}

void CPipeStream::CloseOurEnd()
{
    CloseFd(m_fd);
}

bool CPipeStream::HasEnded() const
{
    if (m_pid < 0)
        return true;
    siginfo_t info = {};
    return waitid(P_PID, id_t(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0 || info.si_pid == m_pid;
}

int CPipeStream::Close()
{
    if (m_pid < 0)
        return -1;
    CloseFd(m_fd);
    // Wait for the end without reaping it, so the group id cannot be reused while we kill
    // the group: a killed wrapper must not leave the real program running.
    const auto start = std::chrono::steady_clock::now();
    int pauseUs = 500;
    for (;;)
    {
        siginfo_t info = {};
        if (waitid(P_PID, id_t(m_pid), &info, WEXITED | WNOHANG | WNOWAIT) != 0 && errno != EINTR)
            break;
        if (info.si_pid == m_pid)
            break;
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
        if (m_iCloseLimitMs > 0 && waited.count() >= m_iCloseLimitMs)
        {
            kill(m_pid, SIGKILL);
            break;
        }
        usleep(pauseUs);
        pauseUs = std::min(pauseUs * 2, 20000);
    }
    kill(-m_pid, SIGKILL);
    int status = 0;
    while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR)
    {
    }
    m_pid = -1;
    if (m_drain.joinable())
        m_drain.join();
    return status;
}
