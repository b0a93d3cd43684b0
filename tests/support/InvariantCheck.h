// The robustness invariant around one step: inputs unchanged, no files appear or vanish except
// the expected ones, no child process left alive, and the step finished within its time limit.
#pragma once

#include <QElapsedTimer>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

class CInvariantCheck
{
public:
    explicit CInvariantCheck(int limitMs = 60000);

    /// Snapshot of a file's SHA-256 (or its absence); it must be identical afterwards.
    void WatchFile(const QString& path);
    /// Snapshot of a folder's recursive listing; afterwards only expected outputs may be new.
    void WatchFolder(const QString& path);
    /// A file that may appear or change (an expected output).
    void ExpectOutput(const QString& path);

    /// Every broken invariant, one line each; empty when all hold.
    QStringList Violations() const;

    static QByteArray Sha256(const QString& path); ///< empty for a missing file
    static QStringList LiveChildren();             ///< "pid name" of our live child processes

private:
    static QMap<QString, QByteArray> Listing(const QString& folder);

    QElapsedTimer m_timer;
    int m_iLimitMs;
    QMap<QString, QByteArray> m_files;
    QMap<QString, QMap<QString, QByteArray>> m_folders;
    QSet<QString> m_expected;
};
