#include "core/IniSource.h"

#include "core/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace
{
bool IsHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c)
{
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}

// A line break after a backslash continues the line: the reader joins the two, so "@Vari\" and
// "ant(" on two lines are one "@Variant(". Joined here, every later check sees what it reads.
QByteArray JoinContinuedLines(const QByteArray& in)
{
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i)
    {
        if (in[i] != '\\' || i + 1 >= in.size())
        {
            out += in[i];
            continue;
        }
        const char next = in[i + 1];
        if (next == '\n' || next == '\r')
        {
            i += (next == '\r' && i + 2 < in.size() && in[i + 2] == '\n') ? 2 : 1;
            continue;
        }
        out += in[i];
        out += next; // an escape pair: "\\" never starts another escape
        ++i;
    }
    return out;
}

// The reader turns "\x…" (hex) and "\…" (octal) escapes into one 16-bit character, keeping the
// low 16 bits of however many digits follow: "\x40", "\100" and "\x10040" are all "@". Such an
// "@" is never written by the settings class (it writes "@" itself), so it is replaced.
QByteArray DropEscapedAt(const QByteArray& in)
{
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i)
    {
        if (in[i] != '\\' || i + 1 >= in.size())
        {
            out += in[i];
            continue;
        }
        const char kind = in[i + 1];
        const bool hex = kind == 'x';
        const bool octal = kind >= '0' && kind <= '7';
        if (!hex && !octal)
        {
            out += in.mid(i, 2);
            ++i;
            continue;
        }
        qsizetype end = i + (hex ? 2 : 1);
        uint32_t value = 0;
        while (end < in.size() && (hex ? IsHex(in[end]) : (in[end] >= '0' && in[end] <= '7')))
            value = hex ? (value << 4) + uint32_t(HexValue(in[end++])) : (value << 3) + uint32_t(in[end++] - '0');
        out += (value & 0xffff) == '@' ? QByteArray("?") : in.mid(i, end - i);
        i = end - 1;
    }
    return out;
}

// "@Variant(" followed by the type number of a point (26, four bytes) and a character that does
// not extend the last hex escape: the only binary value our files hold.
bool IsPointValue(const QByteArray& bytes, qsizetype at)
{
    static const QByteArray prefix("@Variant(\\0\\0\\0\\x1a");
    if (bytes.mid(at, prefix.size()) != prefix)
        return false;
    const qsizetype next = at + prefix.size();
    return next < bytes.size() && !IsHex(bytes[next]);
}

// An "@" that begins a value (or a list element) names a type the reader decodes: "@@" is a
// literal "@", byte arrays, rectangles, sizes and points of whole numbers are decoded as text.
// A name spelt with escapes or quotes may hide "Variant" and is not trusted either.
bool IsDecodedBinary(const QByteArray& bytes, qsizetype at, qsizetype lineEnd)
{
    if (at + 1 < lineEnd && bytes[at + 1] == '@')
        return false;
    if (IsPointValue(bytes, at))
        return false;
    // The longest name of interest is "DateTime" (8); a dozen characters are enough to look at.
    QByteArray name = bytes.mid(at + 1, std::min<qsizetype>(12, lineEnd - at - 1));
    name.truncate(name.indexOf('(') < 0 ? name.size() : name.indexOf('('));
    return name.contains('\\') || name.contains('"') || name == "Variant" || name == "DateTime";
}

// Walks the values of every "key=value" line the way the reader splits them: elements separated
// by commas outside quotes, each starting after blanks and quote marks.
void NeutraliseValueStarts(QByteArray& bytes)
{
    for (qsizetype line = 0; line < bytes.size();)
    {
        qsizetype end = line;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        const qsizetype equals = QByteArrayView(bytes).sliced(line, end - line).indexOf('=');
        if (equals >= 0)
        {
            bool elementStart = true, quoted = false;
            for (qsizetype i = line + equals + 1; i < end; ++i)
            {
                const char c = bytes[i];
                if (elementStart && (c == '"' || (uchar(c) <= ' ' && !quoted)))
                {
                    quoted ^= c == '"';
                    continue;
                }
                if (elementStart && c == '@' && IsDecodedBinary(bytes, i, end))
                    bytes[i] = '?';
                elementStart = false;
                if (c == '\\')
                    ++i;
                else if (c == '"')
                    quoted = !quoted;
                else if (c == ',' && !quoted)
                    elementStart = true;
            }
        }
        line = end + 1;
    }
}
}  // namespace

QByteArray CIniSource::Neutralised(const QByteArray& text)
{
    QByteArray out = DropEscapedAt(JoinContinuedLines(text));
    NeutraliseValueStarts(out);
    return out;
}

CIniSource::CIniSource(const QString& path, qint64 maxBytes, bool alwaysCopy) : m_path(QStringLiteral("/dev/null"))
{
    QFile file(path);
    // Pipes and devices could block or never end.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
    {
        m_eProblem = eUNREADABLE;
        return;
    }
    m_iSize = file.size();
    if (m_iSize > maxBytes)
    {
        m_eProblem = eTOO_LARGE;
        return;
    }
    m_text = file.read(maxBytes);
    const QByteArray safe = Neutralised(m_text);
    if (safe == m_text && !alwaysCopy)
    {
        m_path = path;
        return;
    }
    QString error;
    const QString folder = Helper::PrivateTempDirectory(&error);
    m_copy.setFileTemplate((folder.isEmpty() ? QDir::tempPath() : folder) + QStringLiteral("/ini-XXXXXX.ini"));
    if (m_copy.open() && m_copy.write(safe) == safe.size() && m_copy.flush())
        m_path = m_copy.fileName();
    else
        m_eProblem = eUNREADABLE;
}
