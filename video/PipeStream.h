// A child process joined to us by one pipe: we read its standard output or write its standard
// input. Started from an argument list (no shell), in its own process group, killed when we
// die; its error output is drained on a thread so it can never block on it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <memory>
#include <mutex>
#include <thread>

#include <sys/types.h>

class CPipeStream
{
public:
    enum EMode
    {
        eREAD,  // we read the child's standard output; its input is /dev/null
        eWRITE, // we write the child's standard input; its output goes to /dev/null
    };

    /// Starts `program` with `arguments`; null (with `error` set) when it cannot be started.
    static std::unique_ptr<CPipeStream> Open(const QString& program, const QStringList& arguments, EMode mode,
                                             QString* error = nullptr);
    ~CPipeStream();
    CPipeStream(const CPipeStream&) = delete;
    CPipeStream& operator=(const CPipeStream&) = delete;

    /// Reads until `bytes` have arrived, the child closes its output, an error occurs or no
    /// byte has come for the stall limit; returns the count read (as a byte-wise fread does).
    size_t Read(void* buffer, size_t bytes);
    /// Writes all `bytes` unless the child stops reading (error, end or stall); returns the count.
    size_t Write(const void* buffer, size_t bytes);
    /// Nothing is held back on our side; false once the stream has failed or is closed.
    bool Flush();
    /// Closes our end and waits for the child (killing it with its group after the close
    /// limit); returns its wait status, or -1 when it had already been closed.
    int Close();

    /// Closes our end only: a writing child sees the end of its input. Close() still waits.
    void CloseOurEnd();
    /// True once the child has ended (its status stays for Close()).
    bool HasEnded() const;

    /// errno of the last failed transfer (ETIMEDOUT for a stall), 0 when none failed.
    int LastError() const { return m_iErrno; }
    /// Bytes transferred so far.
    qint64 Position() const { return m_iPosition; }
    pid_t ProcessId() const { return m_pid; }
    /// The last kilobytes the child wrote to its error output.
    QByteArray ErrorTail() const;

    /// Longest wait for a single byte to move; 0 waits without limit (default 60 s).
    void SetStallLimit(int milliseconds) { m_iStallLimitMs = milliseconds; }
    /// Longest wait for the child's end after our side is closed (read 2 s, write 60 s).
    void SetCloseLimit(int milliseconds) { m_iCloseLimitMs = milliseconds; }

private:
    CPipeStream() = default;
    bool WaitReady(short events);
    void DrainErrors(int fd);

    EMode m_eMode = eREAD;
    pid_t m_pid = -1;
    int m_fd = -1;
    int m_iErrno = 0;
    bool m_bFailed = false;
    qint64 m_iPosition = 0;
    int m_iStallLimitMs = 60000;
    int m_iCloseLimitMs = 2000;
    std::thread m_drain;
    mutable std::mutex m_errorMutex;
    QByteArray m_errorTail;
};
