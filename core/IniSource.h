// An INI file made safe to hand to the settings class: a size cap checked before reading, and no
// value the class would decode through its binary stream.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryFile>

class CIniSource
{
public:
    enum EProblem
    {
        eNONE,
        eUNREADABLE, // missing, not a regular file, or cannot be opened
        eTOO_LARGE,  // larger than the cap; nothing was read
    };

    /// Reads at most `maxBytes` of the file at `path`. The settings class decodes "@Variant(" and
    /// "@DateTime(" values through a binary stream whose length fields a crafted file controls
    /// (tens of gigabytes from a few bytes); our files hold no such values but points (fixed
    /// size), so a file with others is read from a private copy in which they are plain text
    /// (and so read as absent), however they are spelt. With `alwaysCopy` the private copy is
    /// made in any case: the settings class then never serves an earlier parse of a file
    /// replaced under the same name, size and time.
    CIniSource(const QString& path, qint64 maxBytes, bool alwaysCopy = false);

    /// The file to hand to the settings class; "/dev/null" when nothing may be read.
    const QString& Path() const { return m_path; }
    EProblem Problem() const { return m_eProblem; }
    /// The file's size in bytes (also when it was too large).
    qint64 Size() const { return m_iSize; }
    /// The file's text as read (empty when it was not read).
    const QByteArray& Text() const { return m_text; }

    /// The text with every binary value but a point turned into plain text: values spelt with
    /// escapes ("\x40", "@\x56ariant("), quotes or continued lines included.
    static QByteArray Neutralised(const QByteArray& text);

private:
    QString m_path;
    EProblem m_eProblem = eNONE;
    qint64 m_iSize = 0;
    QByteArray m_text;
    QTemporaryFile m_copy;
};
