#include "lut/LutImport.h"

#include "core/IUserPrompt.h"
#include "lut/CubeFile.h"
#include "lut/LutLattice.h"
#include "lut/LutState.h"

#include <OpenColorIO/OpenColorIO.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace OCIO = OCIO_NAMESPACE;

namespace
{
enum ELimit
{
    eGRID,  // points per axis of a 3D table
    eCURVE, // entries of a 1D table
};

QString Suffix(const QString& path)
{
    return QFileInfo(path).suffix().toLower();
}

// A number of points from a header word; anything unreadable counts as acceptable here and is
// left to the reader to refuse.
bool WithinLimit(QByteArrayView word, ELimit limit, double& value)
{
    bool ok = false;
    value = QByteArray(word.data(), word.size()).toDouble(&ok);
    const double cap = limit == eGRID ? CLutImport::kMaxGridPoints : CLutImport::kMaxCurvePoints;
    return !ok || (std::isfinite(value) && value <= cap);
}

QList<QByteArray> Words(const QByteArray& line)
{
    QList<QByteArray> words = line.simplified().split(' ');
    words.removeAll(QByteArray());
    for (QByteArray& w : words)
        w.replace('"', "");
    return words;
}

bool AllIntegers(const QList<QByteArray>& words)
{
    for (const QByteArray& w : words)
    {
        bool ok = false;
        w.toLongLong(&ok);
        if (!ok)
            return false;
    }
    return true;
}

// Reads the file once, line by line, and checks every word that sets a table size before the
// library's reader sees it and allocates by it.
class CHeaderCheck
{
public:
    explicit CHeaderCheck(const QString& path) : m_path(path), m_suffix(Suffix(path)) {}

    bool Run(QString& error)
    {
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly))
            return Fail(error, CLutImport::tr("Die LUT-Datei %1 kann nicht geöffnet werden.").arg(m_path));
        const bool xml = m_suffix == "clf" || m_suffix == "ctf";
        static const QRegularExpression dims(QStringLiteral("dim\\s*=\\s*\"([^\"]*)\""));
        int lineNumber = 0;
        while (!file.atEnd())
        {
            const QByteArray line = file.readLine(CLutImport::kMaxLineBytes + 1);
            if (line.size() > CLutImport::kMaxLineBytes)
                return Fail(error, CLutImport::tr("Die LUT-Datei %1 enthält eine Zeile mit mehr als %2 Zeichen.")
                                       .arg(m_path).arg(CLutImport::kMaxLineBytes));
            ++lineNumber;
            if (xml)
            {
                for (const auto& match : dims.globalMatch(QString::fromLatin1(line)))
                {
                    const QList<QByteArray> words = Words(match.captured(1).toLatin1());
                    if (!words.isEmpty() && !Check(words.mid(0, words.size() == 4 ? 3 : 1),
                                                   words.size() == 4 ? eGRID : eCURVE, error))
                        return false;
                }
                continue;
            }
            const QList<QByteArray> words = Words(line);
            if (words.isEmpty() || words[0].startsWith('#'))
                continue;
            if (words[0] != "TITLE")
                for (const QByteArray& w : words)
                    if (w.size() > CLutImport::kMaxWordBytes)
                        return Fail(error, CLutImport::tr("Die LUT-Datei %1 enthält ein Wort mit mehr als %2 Zeichen.")
                                               .arg(m_path).arg(CLutImport::kMaxWordBytes));
            if (!CheckLine(words, lineNumber, error))
                return false;
        }
        return true;
    }

private:
    static bool Fail(QString& error, const QString& text)
    {
        error = text;
        return false;
    }

    bool Check(const QList<QByteArray>& words, ELimit limit, QString& error) const
    {
        for (const QByteArray& w : words)
        {
            double value = 0;
            if (!WithinLimit(w, limit, value))
                return Fail(error, CLutImport::tr("Die LUT-Datei %1 verlangt eine Tabelle mit %2 Punkten; erlaubt sind höchstens %3.")
                                       .arg(m_path, QString::fromLatin1(w))
                                       .arg(limit == eGRID ? CLutImport::kMaxGridPoints : CLutImport::kMaxCurvePoints));
        }
        return true;
    }

    bool CheckLine(const QList<QByteArray>& words, int lineNumber, QString& error) const
    {
        const QByteArray& key = words[0];
        const QList<QByteArray> rest = words.mid(1);
        if (key == "LUT_3D_SIZE" || key == "GRID")
            return Check(rest, eGRID, error);
        if (key == "LUT_1D_SIZE" || key == "Length")
            return Check(rest, eCURVE, error);
        // The 3D size of a ".spi3d" stands on its third line; a ".csp" gives each curve's length
        // on a line of its own and the 3D size as three whole numbers.
        if (m_suffix == "spi3d" && lineNumber == 3)
            return Check(words, eGRID, error);
        if (m_suffix == "csp" && AllIntegers(words))
        {
            if (words.size() == 3)
                return Check(words, eGRID, error);
            if (words.size() == 1)
                return Check(words, eCURVE, error);
        }
        return true;
    }

    QString m_path;
    QString m_suffix;
};

float Finite(float v)
{
    if (std::isnan(v))
        return 0.f;
    return std::isinf(v) ? (v > 0.f ? 1.f : 0.f) : v;
}

// The largest 3D table among the transform's steps, 0 when it has none.
int GridSize(const OCIO::ConstProcessorRcPtr& processor)
{
    int grid = 0;
    const OCIO::GroupTransformRcPtr group = processor->createGroupTransform();
    for (int i = 0; i < group->getNumTransforms(); ++i)
        if (const auto lut = OCIO::DynamicPtrCast<const OCIO::Lut3DTransform>(group->getTransform(i)))
            grid = std::max(grid, int(lut->getGridSize()));
    return grid;
}
}  // namespace

QString CLutImport::NameFilter()
{
    QStringList patterns;
    for (int i = 0; i < OCIO::FileTransform::GetNumFormats(); ++i)
    {
        const QString pattern = QStringLiteral("*.") + QString::fromLatin1(OCIO::FileTransform::GetFormatExtensionByIndex(i));
        if (!patterns.contains(pattern))
            patterns << pattern;
    }
    return patterns.join(' ');
}

bool CLutImport::CheckFile(const QString& path, QString* error)
{
    QString text;
    const QFileInfo info(path);
    bool ok = false;
    if (!info.isFile())
        text = tr("Die LUT-Datei %1 ist keine Datei.").arg(path);
    else if (info.size() > kMaxFileBytes)
        text = tr("Die LUT-Datei %1 ist größer als %2 MB.").arg(path).arg(kMaxFileBytes / (1024 * 1024));
    else
        ok = CHeaderCheck(path).Run(text);
    if (error)
        *error = text;
    return ok;
}

bool CLutImport::IsPlainCube(const QString& path)
{
    if (Suffix(path) != "cube")
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    static const QList<QByteArray> kDataStarts = {"0", "1", "-0", "-1"};
    while (!file.atEnd())
    {
        QByteArray line = file.readLine(kMaxLineBytes + 1);
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#') || line.contains("TITLE") || line.startsWith("LUT_3D_SIZE"))
            continue;
        if (line.startsWith("LUT_1D") || line.startsWith("LUT_3D_INPUT_RANGE"))
            return false;
        if (line.startsWith("DOMAIN_MIN") || line.startsWith("DOMAIN_MAX"))
        {
            const QList<QByteArray> words = Words(line);
            const double expected = line.startsWith("DOMAIN_MIN") ? 0.0 : 1.0;
            for (int i = 1; i < words.size(); ++i)
                if (words[i].toDouble() != expected)
                    return false;
            continue;
        }
        // Our reader splits data lines at single blanks and skips lines that start otherwise.
        const QList<QByteArray> parts = line.split(' ');
        bool ok = parts.size() == 3 && std::any_of(kDataStarts.begin(), kDataStarts.end(),
                                                   [&](const QByteArray& s) { return line.startsWith(s); });
        for (const QByteArray& part : parts)
        {
            bool number = false;
            part.toDouble(&number);
            ok = ok && number;
        }
        if (!ok)
            return false;
    }
    return true;
}

CLutImport::SResult CLutImport::Sample(const QString& path, int size, std::vector<float>& lattice)
{
    SResult result;
    result.bImported = true;
    if (!CheckFile(path, &result.sError))
        return result;
    try
    {
        // The library keeps what it read per path; a file changed since must be read anew.
        OCIO::ClearAllCaches();
        OCIO::SetLoggingLevel(OCIO::LOGGING_LEVEL_NONE);
        const OCIO::ConstConfigRcPtr config = OCIO::Config::CreateRaw();
        const OCIO::FileTransformRcPtr file = OCIO::FileTransform::Create();
        file->setSrc(QFile::encodeName(QFileInfo(path).absoluteFilePath()).constData());
        file->setInterpolation(OCIO::INTERP_LINEAR);
        const OCIO::ConstProcessorRcPtr processor = config->getProcessor(file);
        result.iFilePoints = GridSize(processor);
        const int n = size > 0 ? size
                      : result.iFilePoints > 0 ? std::min(result.iFilePoints, LutLattice::kMaxSize)
                                               : kCurveOnlySize;
        if (!LutLattice::IsValidSize(n))
            return result;
        const size_t points = size_t(n) * n * n;
        lattice.resize(points * 3);
        LutLattice::WriteIdentity(lattice.data(), n);
        OCIO::PackedImageDesc image(lattice.data(), long(points), 1, 3);
        processor->getOptimizedCPUProcessor(OCIO::BIT_DEPTH_F32, OCIO::BIT_DEPTH_F32, OCIO::OPTIMIZATION_NONE)
            ->apply(image);
        for (float& v : lattice)
            v = Finite(v);
        result.iSize = n;
        result.bOk = true;
    }
    catch (const std::exception& e)
    {
        result.sError = tr("Die LUT-Datei %1 konnte nicht gelesen werden: %2").arg(path, QString::fromUtf8(e.what()).section('\n', 0, 0).trimmed());
    }
    return result;
}

CLutImport::SResult CLutImport::Import(CLutState& state, const QString& path, int size)
{
    std::vector<float> lattice;
    SResult result = Sample(path, size, lattice);
    if (!result.bOk)
        return result;
    state.Clear();
    std::memcpy(state.Source().Data(), lattice.data(), lattice.size() * sizeof(float));
    state.AdoptSource(result.iSize, QFileInfo(path).completeBaseName());
    return result;
}

CLutImport::SResult CLutImport::Load(CLutState& state, const QString& path, IUserPrompt* prompt)
{
    SResult result;
    const bool cube = Suffix(path) == "cube";
    CubeFile::SReadResult read;
    if (cube)
    {
        read = state.ReadCube(path, nullptr);
        const int n = state.Size();
        if (read.bOk && size_t(read.iTriples) == size_t(n) * n * n && IsPlainCube(path))
        {
            result.bOk = true;
            result.iFilePoints = result.iSize = n;
            return result;
        }
        if (read.bOk)
            state.Clear(); // what our reader made of it is not what the file means
    }
    result = Import(state, path);
    if (!result.bOk && cube)
        result.sError = CubeFile::FailureText(path, read.iSizeFound);
    if (!prompt)
        return result;
    if (!result.bOk)
        prompt->Information(CubeFile::FailureTitle(), result.sError);
    else if (!PointsKeptText(result).isEmpty())
        prompt->Information(tr("LUT importieren"), PointsKeptText(result));
    return result;
}

QString CLutImport::PointsKeptText(const SResult& result)
{
    if (!result.bOk || result.iFilePoints <= result.iSize)
        return QString();
    return tr("%1 von %2 Punkten je Achse übernommen.").arg(result.iSize).arg(result.iFilePoints);
}
