#include "core/Netpbm.h"

#include <QFile>

#include <cmath>
#include <cstring>

namespace
{
// Reads the header fields one after another: blanks and "#" comments between them are skipped.
class CHeader
{
public:
    explicit CHeader(const QByteArray& bytes) : m_bytes(bytes) {}

    bool Number(double& value)
    {
        SkipBlanks();
        const qsizetype start = m_pos;
        while (m_pos < m_bytes.size() && !IsBlank(m_bytes[m_pos]))
            ++m_pos;
        bool ok = false;
        value = m_bytes.mid(start, m_pos - start).toDouble(&ok);
        return ok && std::isfinite(value);
    }
    /// Offset of the raster: one blank after the last field.
    qsizetype RasterStart() const { return m_pos + 1; }

private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
    void SkipBlanks()
    {
        while (m_pos < m_bytes.size())
        {
            if (m_bytes[m_pos] == '#')
                while (m_pos < m_bytes.size() && m_bytes[m_pos] != '\n')
                    ++m_pos;
            else if (IsBlank(m_bytes[m_pos]))
                ++m_pos;
            else
                break;
        }
    }

    const QByteArray& m_bytes;
    qsizetype m_pos = 2;
};

uint16_t FromFloat(float v)
{
    v = v > 0.f ? v : 0.f;
    v = v < 1.f ? v : 1.f;
    return uint16_t(int(v * 65535.f));
}
}  // namespace

namespace Netpbm
{
bool IsNetpbm(const QByteArray& head)
{
    return head.startsWith("P5") || head.startsWith("P6") || head.startsWith("PF") || head.startsWith("Pf");
}

bool Read(const QString& path, Helper::CRGB48Buffer& image, quint64 maxBytes, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return error = file.errorString(), false;
    const QByteArray head = file.peek(1024);
    const char kind = head.size() >= 2 ? head[1] : 0;
    const bool isFloat = kind == 'F' || kind == 'f';
    const int channels = kind == '6' || kind == 'F' ? 3 : 1;
    CHeader header(head);
    double width = 0, height = 0, third = 0;
    if (!IsNetpbm(head) || !header.Number(width) || !header.Number(height) || !header.Number(third) ||
        width < 1 || height < 1 || width > 1e6 || height > 1e6 || width != std::floor(width) || height != std::floor(height) ||
        (!isFloat && (third < 1 || third > 65535 || third != std::floor(third))) || (isFloat && third == 0))
        return error = "damaged header", false;
    const int w = int(width), h = int(height);
    if (quint64(w) * quint64(h) * 3 * 2 > maxBytes)
        return error = QStringLiteral("image too large: %1 x %2 pixels").arg(w).arg(h), false;
    const int sampleBytes = isFloat ? 4 : third > 255 ? 2 : 1;
    const qint64 rowBytes = qint64(w) * channels * sampleBytes;
    if (!file.seek(header.RasterStart()) || file.size() - header.RasterStart() < rowBytes * h)
        return error = "truncated file", false;

    if (!image.TryCreate(QSize(w, h), Helper::eCP_NO_CLEAR))
        return error = "out of memory", false;
    QByteArray row(rowBytes, Qt::Uninitialized);
    const bool littleEndian = third < 0;
    const uint32_t maximum = isFloat ? 1 : uint32_t(third);
    for (int y = 0; y < h; ++y)
    {
        if (file.read(row.data(), rowBytes) != rowBytes)
            return image.Destroy(), error = "truncated file", false;
        // Float maps store the bottom row first.
        uint16_t* out = image.GetData() + size_t(isFloat ? h - 1 - y : y) * w * 3;
        const auto* in = reinterpret_cast<const uint8_t*>(row.constData());
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
            {
                const uint8_t* s = in + (size_t(x) * channels + (channels == 3 ? c : 0)) * sampleBytes;
                if (isFloat)
                {
                    const uint32_t bits = littleEndian ? uint32_t(s[0]) | uint32_t(s[1]) << 8 | uint32_t(s[2]) << 16 | uint32_t(s[3]) << 24
                                                       : uint32_t(s[3]) | uint32_t(s[2]) << 8 | uint32_t(s[1]) << 16 | uint32_t(s[0]) << 24;
                    float v;
                    std::memcpy(&v, &bits, 4);
                    out[size_t(x) * 3 + c] = FromFloat(v);
                }
                else
                {
                    const uint32_t v = sampleBytes == 2 ? uint32_t(s[0]) << 8 | s[1] : s[0];
                    out[size_t(x) * 3 + c] = uint16_t(v >= maximum ? 65535 : (v * 65535 + maximum / 2) / maximum);
                }
            }
    }
    return true;
}

QByteArray EncodePpm16(const unsigned short* pixels, int width, int height)
{
    QByteArray bytes = QStringLiteral("P6\n%1 %2\n65535\n").arg(width).arg(height).toLatin1();
    const size_t samples = size_t(width) * height * 3;
    for (size_t i = 0; i < samples; ++i)
    {
        bytes.append(char(pixels[i] >> 8));
        bytes.append(char(pixels[i] & 0xFF));
    }
    return bytes;
}

QByteArray EncodePfm(const unsigned short* pixels, int width, int height)
{
    QByteArray bytes = QStringLiteral("PF\n%1 %2\n-1.0\n").arg(width).arg(height).toLatin1();
    for (int y = height - 1; y >= 0; --y)
        for (size_t i = 0; i < size_t(width) * 3; ++i)
        {
            const float v = float(pixels[size_t(y) * width * 3 + i]) / 65535.f;
            uint32_t bits;
            std::memcpy(&bits, &v, 4);
            for (int k = 0; k < 4; ++k)
                bytes.append(char(bits >> (8 * k)));
        }
    return bytes;
}
}  // namespace Netpbm
