#include "app/SingleInstanceChannel.h"

#include "core/AppLog.h"
#include "core/Paths.h"

#include <QDebug>
#include <QDeadlineTimer>
#include <QMetaMethod>
#include <QThread>

#include <cstring>
#include <unistd.h>

namespace
{
constexpr int kWaitMs = 5000;
constexpr int kRetryMs = 20;
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
    WriteBounded(QByteArray("0", 1));
    connect(&m_timer, &QTimer::timeout, this, &CSingleInstanceChannel::checkForMessage);
    m_timer.start(100);
}

CSingleInstanceChannel::~CSingleInstanceChannel()
{
    m_timer.stop();
    if (m_memory.isAttached())
        m_memory.detach();
}

bool CSingleInstanceChannel::WriteBounded(const QByteArray& bytes)
{
    if (!m_memory.lock())
        return false;
    const qsizetype n = std::min<qsizetype>(bytes.size(), m_memory.size());
    std::memcpy(m_memory.data(), bytes.constData(), size_t(n));
    m_memory.unlock();
    return n == bytes.size();
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
    const QByteArray message = "1" + text.toUtf8() + QByteArray(1, '\0');
    if (message.size() > m_memory.size())
    {
        Helper::AppLog(QStringLiteral("CSingleInstanceChannel::sendMessage() -> message of %1 bytes too long")
                           .arg(message.size()));
        return false;
    }
    // Never overwrite a message the first instance has not read yet.
    while (!deadline.hasExpired())
    {
        if (!m_memory.lock())
            return false;
        char* data = static_cast<char*>(m_memory.data());
        const bool idle = data[0] == '0';
        if (idle)
            std::memcpy(data, message.constData(), size_t(message.size()));
        m_memory.unlock();
        if (idle)
            return true;
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
    if (!m_memory.lock())
        return;
    const QByteArray copy(static_cast<const char*>(m_memory.constData()), m_memory.size());
    m_memory.unlock();
    if (copy.isEmpty() || copy.at(0) == '0')
        return;
    const QByteArray body = copy.mid(1);
    const qsizetype end = body.indexOf('\0');
    const QString message = QString::fromUtf8(end >= 0 ? body.left(end) : body);
    emit messageAvailable(message);
    WriteBounded(QByteArray("0", 1));
}
