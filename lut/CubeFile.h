// Cube LUT files: the exact text the writer produces and the lenient reader with its rules.
#pragma once

#include <QByteArray>
#include <QString>

class IUserPrompt;
class QIODevice;

namespace CubeFile
{
/// Longest line the reader looks at; the rest of a longer line is skipped unread.
constexpr int kMaxLineBytes = 64 * 1024;

struct SReadResult
{
    bool bOk = false;
    int iSizeFound = 0;  // the last "LUT_3D_SIZE" line's number, 0 when none or unreadable
    int iTriples = 0;    // data lines stored (at most 262,144)
};

/// Reads a cube text from `device` (open for reading). On success (a last size line of 2…64) sets
/// `size`, `title` when the text has a title line, and fills the first triples of `lattice`, which
/// must have room for 262,144 triples; points without a data line keep their values. On failure
/// nothing changes and, with a prompt, the failure message naming `displayName` is shown.
SReadResult Read(QIODevice& device, const QString& displayName, float* lattice, int& size,
                 QString& title, IUserPrompt* prompt);
/// The same from a file path. Anything but a regular file is refused at once as size 0.
SReadResult ReadFile(const QString& path, float* lattice, int& size, QString& title,
                     IUserPrompt* prompt);

/// Title and text of the failure message for a file and the size the reader found.
QString FailureTitle();
QString FailureText(const QString& displayName, int sizeFound);

/// The complete file text for an N-point lattice (N³ data lines; N = 0 gives the header only).
QByteArray Format(const float* lattice, int n, const QString& title);
/// Writes Format() to `path` as a whole or not at all (AtomicFile): an existing file is either
/// replaced completely or left as it was. False with the system's `reason` when it failed.
bool WriteFile(const QString& path, const float* lattice, int n, const QString& title, QString* reason = nullptr);
}  // namespace CubeFile
