// File names given as bytes (a command line) that the toolkit's UTF-8 file names cannot carry:
// names that are not valid UTF-8 reach the program's file functions, and the media programs, through
// stand-in names of the private temp folder, and files written for them end under the exact bytes.
#pragma once

#include <QByteArray>
#include <QString>

namespace NativeNames
{
/// `raw` made absolute against the working folder (bytes in, bytes out; "." and ".." stay).
QByteArray Absolute(const QByteArray& raw);

/// A name under which the file or folder `raw` (bytes, absolute or relative) can be opened: the
/// absolute name itself when it is valid UTF-8, otherwise a symbolic link to it in the private
/// temp folder that keeps the last part's extension ("<temp>/names/<digest>/<name>"). The link
/// depends only on the bytes and `owner`, so without an owner another start of the program finds
/// the same one (a running window may be handed it); a process that gives itself as owner can
/// Release() its links. Empty with `error` set when no link can be made.
QString Readable(const QByteArray& raw, QString* error = nullptr, const QByteArray& owner = QByteArray());
/// Removes a link made by Readable() (nothing for any other name).
void Release(const QString& readable);

/// A file to be written under the exact name `raw`. Writers write Path(), a UTF-8 name in the same
/// folder with the same extension; Publish() then renames what they wrote to the exact name (so
/// a replaced file changes at once). An unpublished file is removed with the object.
class CWritable
{
public:
    explicit CWritable(const QByteArray& raw);
    ~CWritable();
    CWritable(const CWritable&) = delete;
    CWritable& operator=(const CWritable&) = delete;

    /// Where to write; empty with Error() set when the folder cannot be named.
    const QString& Path() const { return m_path; }
    const QString& Error() const { return m_error; }
    /// The exact name of the published file for `written` (Path() or the same name with another
    /// extension, which the published name then takes too).
    QByteArray Published(const QString& written) const;
    /// Renames `written` to Published(written); false with `reason` when the rename failed.
    bool Publish(const QString& written, QString* reason = nullptr);

private:
    QByteArray m_raw;       // absolute exact name
    QByteArray m_rawFolder; // its folder as bytes
    QString m_path;
    QString m_error;
    QString m_folder;        // the folder as Readable() names it
    bool m_bStandIn = false; // Path() differs from the exact name
};
}  // namespace NativeNames
