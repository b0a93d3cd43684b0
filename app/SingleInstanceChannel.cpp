#include "app/SingleInstanceChannel.h"

#include "core/AppLog.h"
#include "core/Paths.h"

#include <QDebug>
#include <QDeadlineTimer>
#include <QMetaMethod>
#include <QThread>

#include <atomic>
#include <cstring>
#include <unistd.h>

namespace
{
constexpr int kWaitMs = 5000;
constexpr int kRetryMs = 20;
// Polls of 100 ms after which a message left half-written by a killed sender is dropped.
constexpr int kStaleWritePolls = 50;

// The first byte says who may touch the rest: idle, being written by one sender, or ready for
// the first instance. It is changed by atomic operations only, never under the segment's system
// lock: a first instance stopped while holding that lock would hold every later start with it.
constexpr char kIdle = '0';
constexpr char kWriting = 'w';
constexpr char kReady = '1';

std::atomic_ref<char> State(void* data)
{
    return std::atomic_ref<char>(*static_cast<char*>(data));
}
}  // namespace

CSingleInstanceChannel::CSingleInstanceChannel(const QString& instanceKey, QObject* parent)
    : QObject(parent)
{
    // The key is per user, so another user's instance stays invisible.
    m_memory.setKey(instanceKey + QStringLiteral("_%1").arg(getuid()));

    bool decided = false;
    const QString tempDir = Helper::PrivateTempDirectory();
    if (!tempDir.isEmpty())
    {
        m_pLock = std::make_unique<QLockFile>(tempDir + "/" + instanceKey + ".lock");
        m_pLock->setStaleLockTime(0); // only a dead owner makes the lock stale, never its age
        if (m_pLock->tryLock(0))
            decided = true;
        else if (m_pLock->error() == QLockFile::LockFailedError)
        {
            m_bRunning = true;
            return;
        }
    }
    if (!decided && m_memory.attach(QSharedMemory::ReadWrite))
    {
        m_bRunning = true;
        return;
    }

    // First instance: adopt a segment a crashed predecessor left behind, or create one.
    if (!m_memory.attach(QSharedMemory::ReadWrite) && !m_memory.create(kSegmentSize, QSharedMemory::ReadWrite))
    {
        qDebug() << "Unable to create single instance.";
        return;
    }
    State(m_memory.data()).store(kIdle, std::memory_order_release);
    connect(&m_timer, &QTimer::timeout, this, &CSingleInstanceChannel::checkForMessage);
    m_timer.start(100);
}

CSingleInstanceChannel::~CSingleInstanceChannel()
{
    m_timer.stop();
    if (m_memory.isAttached())
        m_memory.detach();
}

bool CSingleInstanceChannel::sendMessage(const QString& text)
{
    if (!m_bRunning)
        return false;
    // The first instance may still be setting its segment up.
    QDeadlineTimer deadline(kWaitMs);
    while (!m_memory.isAttached() && !m_memory.attach(QSharedMemory::ReadWrite))
    {
        if (deadline.hasExpired())
        {
            Helper::AppLog("CSingleInstanceChannel::sendMessage() -> running instance not reachable");
            return false;
        }
        QThread::msleep(kRetryMs);
    }
    const QByteArray body = text.toUtf8() + QByteArray(1, '\0');
    if (body.size() + 1 > m_memory.size())
    {
        Helper::AppLog(QStringLiteral("CSingleInstanceChannel::sendMessage() -> message of %1 bytes too long")
                           .arg(body.size() + 1));
        return false;
    }
    // Never overwrite a message the first instance has not read yet.
    char* data = static_cast<char*>(m_memory.data());
    while (!deadline.hasExpired())
    {
        char expected = kIdle;
        if (State(data).compare_exchange_strong(expected, kWriting, std::memory_order_acquire))
        {
            std::memcpy(data + 1, body.constData(), size_t(body.size()));
            State(data).store(kReady, std::memory_order_release);
            return true;
        }
        QThread::msleep(kRetryMs);
    }
    Helper::AppLog("CSingleInstanceChannel::sendMessage() -> running instance does not answer");
    return false;
}

void CSingleInstanceChannel::checkForMessage()
{
    // Until somebody listens (the main window connects late in start-up), a message stays in
    // the segment instead of being read into the void.
    if (!isSignalConnected(QMetaMethod::fromSignal(&CSingleInstanceChannel::messageAvailable)))
        return;
    // The poll only runs once the segment is attached.
    char* data = static_cast<char*>(m_memory.data());
    const char state = State(data).load(std::memory_order_acquire);
    m_writingPolls = state == kWriting ? m_writingPolls + 1 : 0;
    if (m_writingPolls >= kStaleWritePolls)
    {
        char expected = kWriting;
        State(data).compare_exchange_strong(expected, kIdle, std::memory_order_release);
        m_writingPolls = 0;
        return;
    }
    if (state != kReady)
        return;
    const qsizetype room = m_memory.size() - 1;
    const qsizetype length = qsizetype(strnlen(data + 1, size_t(room)));
    const QString message = QString::fromUtf8(data + 1, length);
    State(data).store(kIdle, std::memory_order_release);
    emit messageAvailable(message);
}
