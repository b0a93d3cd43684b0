// The single-instance channel: the first start owns a shared segment and polls it every 100 ms;
// a later start hands its command line through the segment and ends.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QSharedMemory>
#include <QTimer>

#include <memory>

class CSingleInstanceChannel : public QObject
{
    Q_OBJECT

public:
    /// Room for a long command line; every copy is bounded by the segment's reported size.
    static constexpr int kSegmentSize = 64 * 1024 + 2;

    /// Decides whether another instance is running. The first instance is the holder of a lock
    /// file in the private temp folder; a lock left by a process that died is taken over, and so
    /// is a segment it left behind, so a crashed first instance never blocks later starts.
    explicit CSingleInstanceChannel(const QString& instanceKey, QObject* parent = nullptr);
    ~CSingleInstanceChannel() override;

    bool isRunning() const { return m_bRunning; }
    /// Writes "1" + UTF-8 text + NUL into the segment without taking its system lock. False when no other instance runs, the
    /// segment cannot be reached, the text does not fit, or an earlier message is still pending
    /// after a bounded wait.
    bool sendMessage(const QString& text);

public slots:
    void checkForMessage();

signals:
    void messageAvailable(QString message);

private:
    bool m_bRunning = false;
    QSharedMemory m_memory;
    std::unique_ptr<QLockFile> m_pLock;
    QTimer m_timer;
    int m_writingPolls = 0;
};
