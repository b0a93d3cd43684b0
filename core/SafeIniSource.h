// An INI file made safe to hand to the settings class. That class decodes "@Variant(" and
// "@DateTime(" values through a binary stream whose length fields a crafted file controls (an
// allocation of tens of gigabytes from a few bytes). A file holding such values is read from a
// private copy in which they are plain text, so they read as absent. Only a point (the one binary
// value our own files write, for the colour layers' pick positions) keeps its form: it is two
// doubles whatever the bytes say.
#pragma once

#include <QString>
#include <QTemporaryFile>

namespace Helper
{
class CSafeIniSource
{
public:
    /// Presets and projects are a few kilobytes; anything this large is not one.
    static constexpr qint64 kDefaultMaxBytes = 16 * 1024 * 1024;

    /// With `alwaysCopy` the file is read from a private copy even when nothing needed changing:
    /// the settings class then never serves an earlier parse of a file replaced under the same
    /// name, size and time.
    explicit CSafeIniSource(const QString& path, qint64 maxBytes = kDefaultMaxBytes, bool alwaysCopy = false);
    CSafeIniSource(const CSafeIniSource&) = delete;
    CSafeIniSource& operator=(const CSafeIniSource&) = delete;

    /// The file to hand to the settings class; empty when nothing may be read (not a regular
    /// file, too large, or the private copy could not be made).
    const QString& Path() const { return m_path; }
    /// Path(), or a file that reads as empty.
    QString PathOrEmpty() const { return m_path.isEmpty() ? QStringLiteral("/dev/null") : m_path; }

    /// The text with every binary value but a point turned into plain text.
    static QByteArray Neutralised(const QByteArray& bytes);

private:
    QString m_path;
    QTemporaryFile m_copy;
};
}  // namespace Helper
