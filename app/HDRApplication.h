// The application object: single-instance guard, file-open events, and the event filter that
// keeps the interface still while a playback or browser calculation runs.
#pragma once

#include "app/SingleInstanceChannel.h"

#include <QApplication>

class HDRApplication : public QApplication
{
    Q_OBJECT

public:
    HDRApplication(int& argc, char** argv, const QString& instanceKey);
    ~HDRApplication() override;

    bool isRunning() const { return m_channel.isRunning(); }
    bool sendMessage(const QString& text) { return m_channel.sendMessage(text); }
    QString filePath() const { return m_sFilePath; }
    QString operatingSystem() const { return m_sOperatingSystem; }

    /// The instance key: "VANTROPE_1_2_B27CF34A".
    static QString InstanceKey();
    /// While a calculation keeps the interface still: true when the event must be swallowed.
    /// An Escape key press sets the engine's stop request (and is swallowed too).
    static bool SwallowDuringCalculation(const QEvent* event);

signals:
    void messageAvailable(QString message);
    /// A signal asks the program to end; without a receiver the event loop ends at once.
    void terminationRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// The channel's messages are forwarded from the moment a receiver connects.
    void connectNotify(const QMetaMethod& signal) override;

private:
    void InstallQuitSignals();

    QString m_sFilePath;
    CSingleInstanceChannel m_channel;
    QString m_sOperatingSystem;
    bool m_bForwarding = false;
};
