#include "lut/CubeFile.h"

#include "core/AppLog.h"
#include "core/AtomicFile.h"
#include "core/IUserPrompt.h"
#include "core/Version.h"
#include "lut/LutLattice.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace
{
constexpr QByteArrayView kSizeKey = "LUT_3D_SIZE";
constexpr QByteArrayView kTitleKey = "TITLE";
// Trace lines of one read are bounded so a hostile file cannot fill memory with them.
constexpr int kMaxTracedLines = 64;

// Splits a device into lines at LF, reading it once in chunks. A line longer than
// kMaxLineBytes keeps its beginning; the rest up to the next LF is skipped.
class CLineReader
{
public:
    explicit CLineReader(QIODevice& device) : m_device(device), m_chunk(64 * 1024) {}

    bool Next(QByteArray& line)
    {
        line.clear();
        bool any = false;
        for (;;)
        {
            if (m_begin == m_end && !Refill())
                return any;
            any = true;
            const char* start = m_chunk.data() + m_begin;
            const char* newline = static_cast<const char*>(std::memchr(start, '\n', size_t(m_end - m_begin)));
            const int length = newline ? int(newline - start) : m_end - m_begin;
            const int room = CubeFile::kMaxLineBytes - int(line.size());
            line.append(start, length < room ? length : room);
            m_begin += length;
            if (newline)
            {
                ++m_begin;
                return true;
            }
        }
    }

private:
    bool Refill()
    {
        const qint64 got = m_device.read(m_chunk.data(), qint64(m_chunk.size()));
        m_begin = 0;
        m_end = got > 0 ? int(got) : 0;
        return m_end > 0;
    }

    QIODevice& m_device;
    std::vector<char> m_chunk;
    int m_begin = 0;
    int m_end = 0;
};

QByteArray WithoutKeyAndQuotes(QByteArrayView line, QByteArrayView keyWithBlank)
{
    QByteArray text = line.toByteArray();
    text.replace(keyWithBlank, QByteArrayView());
    text.replace('"', QByteArrayView());
    return text;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// A decimal integer with optional sign and surrounding white space; anything else, or a value
// outside 32 bits, is 0.
int ParseSizeLine(QByteArrayView line)
{
    const QByteArray text = WithoutKeyAndQuotes(line, "LUT_3D_SIZE ");
    const char* begin = text.constData();
    const char* end = begin + text.size();
    while (begin < end && IsBlank(*begin))
        ++begin;
    while (end > begin && IsBlank(end[-1]))
        --end;
    if (begin < end && *begin == '+')
    {
        ++begin;
        if (begin < end && *begin == '-')
            return 0;
    }
    int value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end ? value : 0;
}

// The C-locale conversion of one whole token: "0.5", "-1e-3", "inf", "nan" and an optional leading
// "+"; anything that is not entirely a number, or lies beyond the float range, is 0.
float ParseValue(QByteArrayView token)
{
    const char* begin = token.data();
    const char* end = begin + token.size();
    if (begin < end && *begin == '+' && (end - begin == 1 || (begin[1] != '-' && begin[1] != '+')))
        ++begin;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end || begin == end)
        return 0.f;
    if (std::isfinite(value) && std::fabs(value) > double(std::numeric_limits<float>::max()))
        return 0.f;
    return float(value);
}

bool IsDataLine(QByteArrayView line)
{
    const char first = line.front();
    if (first == '0' || first == '1')
        return true;
    return first == '-' && line.size() > 1 && (line[1] == '0' || line[1] == '1');
}

// The first three fields of a line split at single blanks; missing fields are empty.
void SplitValues(QByteArrayView line, float* out)
{
    qsizetype begin = 0;
    for (int k = 0; k < 3; ++k)
    {
        if (begin > line.size())
        {
            out[k] = 0.f;
            continue;
        }
        qsizetype end = line.indexOf(' ', begin);
        if (end < 0)
            end = line.size();
        out[k] = ParseValue(line.sliced(begin, end - begin));
        begin = end + 1;
    }
}

struct SParsed
{
    int iSizeFound = 0;
    bool bHasTitle = false;
    QByteArray title;
    std::vector<float> values; // the stored triples, at most 262,144
    QStringList trace;         // the first trace lines of title and size lines
    int iUntraced = 0;
};

void Trace(SParsed& parsed, const QString& line)
{
    if (parsed.trace.size() < kMaxTracedLines)
        parsed.trace << line;
    else
        ++parsed.iUntraced;
}

SParsed Parse(QIODevice& device)
{
    SParsed parsed;
    CLineReader reader(device);
    QByteArray buffer;
    bool first = true;
    while (reader.Next(buffer))
    {
        QByteArrayView line(buffer);
        if (first && line.startsWith("\xEF\xBB\xBF"))
            line = line.sliced(3);
        first = false;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.front() == '#')
            continue;
        const bool hasSize = line.contains(kSizeKey);
        // Every line naming the size counts, so the last one wins wherever it stands.
        if (hasSize)
            parsed.iSizeFound = ParseSizeLine(line);
        if (line.contains(kTitleKey))
        {
            parsed.bHasTitle = true;
            parsed.title = WithoutKeyAndQuotes(line, "TITLE ");
            Trace(parsed, "m_sLUTTitle = " + QString::fromLocal8Bit(parsed.title));
        }
        else if (hasSize)
            Trace(parsed, QStringLiteral("m_iLUTSize = %1").arg(ParseSizeLine(line)));
        else if (IsDataLine(line) && parsed.values.size() < LutLattice::kFloatCount)
        {
            float triple[3];
            SplitValues(line, triple);
            parsed.values.insert(parsed.values.end(), triple, triple + 3);
        }
    }
    return parsed;
}

// "%8.6f" with "." whatever the locale: fixed notation, six decimals, right-aligned in eight.
char* FormatValue(char* out, float value)
{
    char digits[64];
    const auto result = std::to_chars(digits, digits + sizeof digits, double(value), std::chars_format::fixed, 6);
    const int length = int(result.ptr - digits);
    for (int pad = length; pad < 8; ++pad)
        *out++ = ' ';
    std::memcpy(out, digits, size_t(length));
    return out + length;
}

// The display name and version label of the first line; an untranslated key gives the plain
// program name and version instead of the key itself.
QString CreatorLine()
{
    const char* nameKey = "VERSION_NAME_NEUTRAL VANTROPE";
    const char* labelKey = "VERSION_LABEL VANTROPE";
    QString name = QCoreApplication::translate("Program", nameKey);
    QString label = QCoreApplication::translate("Program", labelKey);
    if (name == QLatin1String(nameKey))
        name = QStringLiteral("Vantrope");
    if (label == QLatin1String(labelKey))
        label = QLatin1String(Version::kText);
    return QStringLiteral("#Created by %1 %2").arg(name, label);
}
}  // namespace

namespace CubeFile
{
SReadResult Read(QIODevice& device, const QString& displayName, float* lattice, int& size,
                 QString& title, IUserPrompt* prompt)
{
    const SParsed parsed = device.isReadable() ? Parse(device) : SParsed();
    SReadResult result;
    result.iSizeFound = parsed.iSizeFound;
    if (!LutLattice::IsValidSize(parsed.iSizeFound))
    {
        if (prompt)
            prompt->Information(FailureTitle(), FailureText(displayName, parsed.iSizeFound));
        return result;
    }
    result.bOk = true;
    result.iTriples = int(parsed.values.size() / 3);
    if (!parsed.values.empty())
        std::memcpy(lattice, parsed.values.data(), parsed.values.size() * sizeof(float));
    size = parsed.iSizeFound;
    if (parsed.bHasTitle)
        title = QString::fromLocal8Bit(parsed.title);
    for (const QString& line : parsed.trace)
        Helper::AppLog(line);
    if (parsed.iUntraced > 0)
        Helper::AppLog(QStringLiteral("CubeFile::Read() -> %1 further title or size lines").arg(parsed.iUntraced));
    return result;
}

SReadResult ReadFile(const QString& path, float* lattice, int& size, QString& title, IUserPrompt* prompt)
{
    // Opened without blocking and checked on the open descriptor, so a FIFO or device named
    // like a cube file is refused at once instead of hanging or streaming forever.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info;
    QFile file;
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
    {
        if (fd >= 0)
            ::close(fd);
        if (prompt)
            prompt->Information(FailureTitle(), FailureText(path, 0));
        return {};
    }
    return Read(file, path, lattice, size, title, prompt);
}

QString FailureTitle()
{
    return QCoreApplication::translate("HDRPostProcessingDockWidget", "LUT not loadable headline");
}

QString FailureText(const QString& displayName, int sizeFound)
{
    return QStringList{
        QCoreApplication::translate("HDRPostProcessingDockWidget", "LUT message not loadable text"),
        QCoreApplication::translate("HDRPostProcessingDockWidget", "LUT message lut file loaded: %1")
            .arg(displayName.toHtmlEscaped()),
        QCoreApplication::translate("HDRPostProcessingDockWidget", "LUT message size found: %1").arg(sizeFound),
        QCoreApplication::translate("HDRPostProcessingDockWidget", "LUT message allowed from 2 to %1")
            .arg(LutLattice::kMaxSize)}
        .join("<br/><br/>");
}

QByteArray Format(const float* lattice, int n, const QString& title)
{
    const QByteArray crlf = "\r\n";
    QByteArray text;
    text += CreatorLine().toLocal8Bit() + crlf;
    text += "TITLE \"" + title.toLocal8Bit() + "\"" + crlf;
    text += crlf;
    text += "#LUT size" + crlf;
    text += "LUT_3D_SIZE " + QByteArray::number(n) + crlf;
    text += crlf;
    text += "#LUT data domain" + crlf;
    text += "DOMAIN_MIN 0.0 0.0 0.0" + crlf;
    text += "DOMAIN_MAX 1.0 1.0 1.0" + crlf;
    text += crlf;
    text += "#LUT data points" + crlf;
    if (n <= 0 || !lattice)
        return text;
    const size_t points = size_t(n) * n * n;
    text.reserve(text.size() + qsizetype(points) * 28);
    for (size_t i = 0; i < points; ++i)
    {
        // Room for three values of any magnitude (the largest float takes 47 characters).
        char line[3 * 64];
        char* out = FormatValue(line, lattice[3 * i]);
        *out++ = ' ';
        out = FormatValue(out, lattice[3 * i + 1]);
        *out++ = ' ';
        out = FormatValue(out, lattice[3 * i + 2]);
        *out++ = '\r';
        *out++ = '\n';
        text.append(line, out - line);
    }
    return text;
}

bool WriteFile(const QString& path, const float* lattice, int n, const QString& title, QString* reason)
{
    return AtomicFile::Write(path, Format(lattice, n, title), reason);
}
}  // namespace CubeFile
