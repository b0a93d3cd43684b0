// The preset file of a chain: an INI file with a header and one group per operator, parameter
// values stored in thousandths.
#include "core/AppLog.h"
#include "core/AtomicFile.h"
#include "core/IniSource.h"
#include "core/Version.h"
#include "engine/OperatorCatalogue.h"
#include "engine/PostProcessing.h"

#include <QDateTime>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
QString OperatorGroup(int index)
{
    return QStringLiteral("Operator_%1").arg(index, 6, 10, QLatin1Char('0'));
}

/// "Parameter_0" … "Parameter_f"; an index of 16 or more has no name.
QString SetGroup(int index)
{
    if (index < 0 || index > 15)
        return QString();
    return QStringLiteral("Parameter_") + QString::number(index, 16);
}

/// value × 1000 truncated, in single precision (a typed 0.7 stays 700 over every save).
uint32_t Thousandths(float value)
{
    const float v = value * 1000.0f;
    if (!(v > 0.0f))
        return 0;
    return v < 4294967040.0f ? uint32_t(v) : 4294967040u;
}

bool ReadBool(const QSettings& ini, const QString& key)
{
    const QVariant v = ini.value(key);
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    const QString s = v.toString().trimmed().toLower();
    return s == QLatin1String("true") || s == QLatin1String("1");
}

/// Presets are a few kilobytes; anything this large is not one.
constexpr qint64 kMaxPresetBytes = 16 * 1024 * 1024;

/// Operator groups a preset may have: far more than any grade uses, and few enough that reading
/// and running them stays quick (100,001 operators took seconds to read and minutes to run).
constexpr int kMaxOperators = 4096;

/// Lines that open an operator group ("[Operator_…]" without a set part), counted in one pass
/// over the text before the settings class parses it.
int CountOperatorGroups(const QByteArray& text)
{
    int count = 0;
    const char* const data = text.constData();
    for (qsizetype start = 0, end = 0; start < text.size(); start = end + 1)
    {
        end = start;
        while (end < text.size() && data[end] != '\n' && data[end] != '\r')
            ++end;
        const QByteArrayView line(data + start, end - start);
        if (line.startsWith("[Operator_") && !std::memchr(line.data(), '/', size_t(line.size())))
            ++count;
    }
    return count;
}

int ReadInt(const QSettings& ini, const QString& key)
{
    bool ok = false;
    const int v = ini.value(key).toString().trimmed().toInt(&ok);
    return ok ? v : 0;
}
}  // namespace

bool CPostProcessing::Load(const COperatorCatalogue* catalogue)
{
    return Read(m_sPath, catalogue);
}

bool CPostProcessing::Load()
{
    return Load(&COperatorCatalogue::Shared());
}

bool CPostProcessing::LoadOperatorsOnly(const QString& path, const COperatorCatalogue* catalogue)
{
    m_bOperatorsOnly = true;
    const bool ok = Read(path, catalogue);
    m_bOperatorsOnly = false;
    return ok;
}

bool CPostProcessing::LoadOperatorsOnly(const QString& path)
{
    return LoadOperatorsOnly(path, &COperatorCatalogue::Shared());
}

bool CPostProcessing::Read(const QString& path, const COperatorCatalogue* catalogue)
{
    m_sLoadProblem.clear();
    m_missingKernels.clear();
    const CIniSource source(path, kMaxPresetBytes);
    const int operatorGroups = CountOperatorGroups(source.Text());
    if (source.Problem() == CIniSource::eUNREADABLE)
        m_sLoadProblem = tr("Die Datei %1 kann nicht gelesen werden.").arg(path);
    else if (source.Problem() == CIniSource::eTOO_LARGE)
        m_sLoadProblem = tr("Die Datei %1 ist mit %2 Bytes zu groß für ein Preset (höchstens %3).")
                             .arg(path).arg(source.Size()).arg(kMaxPresetBytes);
    else if (operatorGroups > kMaxOperators)
        m_sLoadProblem = tr("Die Datei %1 hat %2 Operatoren, ein Preset höchstens %3.")
                             .arg(path).arg(operatorGroups).arg(kMaxOperators);
    if (!m_sLoadProblem.isEmpty())
        Helper::AppLog(path + QStringLiteral(" - not read: ") + m_sLoadProblem);
    QSettings ini(m_sLoadProblem.isEmpty() ? source.Path() : QStringLiteral("/dev/null"), QSettings::IniFormat);
    // Neither a header key nor a first operator: text of some other kind, or junk.
    if (m_sLoadProblem.isEmpty() && !ini.contains("TimeStamp") && !ini.contains("DisplayName") &&
        !ini.contains("Category") && !ini.childGroups().contains(OperatorGroup(0)))
        m_sLoadProblem = tr("Die Datei %1 ist kein Preset.").arg(path);
    if (!m_bOperatorsOnly)
    {
        m_operators.clear();
        bool ok = false;
        const qlonglong stamp = ini.value("TimeStamp").toString().trimmed().toLongLong(&ok);
        m_uiTimeStamp = ok && stamp >= 0 && stamp <= 0xFFFFFFFFll ? uint32_t(stamp) : 0;
        m_sDisplayName = ini.value("DisplayName").toString();
        m_sCategory = ini.value("Category").toString();
        m_sSearchTag.clear();
        m_sSearchTagTranslated.clear();
        for (const QString& key : ini.childKeys())
            if (key.compare(QLatin1String("SearchTag"), Qt::CaseInsensitive) == 0)
            {
                m_sSearchTag = ini.value(key).toString();
                m_sSearchTagTranslated =
                    QCoreApplication::translate("PPPresetCategory", m_sSearchTag.toUtf8().constData());
                break;
            }
    }

    bool allKnown = true;
    QStringList groups = ini.childGroups();
    std::sort(groups.begin(), groups.end());
    // Bounded by the groups that exist; a gap in the numbering ends the list.
    for (int i = 0; i < groups.size(); ++i)
    {
        if (groups[i] != OperatorGroup(i))
            break;
        ini.beginGroup(groups[i]);
        SOperator op;
        op.Kernel = ini.value("Kernel").toString();
        if (catalogue && !catalogue->Knows(op.Kernel))
        {
            Helper::AppLog(path + QStringLiteral(" - Missing Effect: ") + op.Kernel);
            if (op.Kernel.isEmpty())
                m_sLoadProblem = tr("In der Datei %1 fehlt der Eintrag Kernel der Gruppe %2.").arg(path, groups[i]);
            else if (!m_missingKernels.contains(op.Kernel))
                m_missingKernels.append(op.Kernel);
            allKnown = false;
            ini.endGroup();
            continue;
        }
        op.uiHash = KernelHash(op.Kernel);
        if (const SCatalogueEntry* entry = catalogue ? catalogue->FindKernel(op.Kernel) : nullptr)
            op.strLabel = QCoreApplication::translate("HDRPostProcessingDockWidget", entry->sName.toUtf8().constData());
        op.eType = ReadInt(ini, "eType");
        op.bActive = ReadBool(ini, "bActive");
        op.iprecalcSmooth = ReadInt(ini, "iprecalcSmooth");
        op.bReadBWPoint = ReadBool(ini, "bReadBWPoint");
        op.bCalcBW = ReadBool(ini, "bCalcBW");
        op.bCalcGradation = ReadBool(ini, "bCalcGradation");

        QStringList sets = ini.childGroups();
        std::sort(sets.begin(), sets.end());
        for (int j = 0; j < sets.size() && j < 16; ++j)
        {
            if (sets[j] != SetGroup(j))
                break;
            ini.beginGroup(sets[j]);
            SParam set;
            set.eType = ReadInt(ini, "eType");
            const int allowed = ValueCount(set.eType);
            const int stored = ini.beginReadArray("pfValues");
            const int count = std::min(std::max(stored, 0), allowed);
            for (int k = 0; k < count; ++k)
            {
                ini.setArrayIndex(k);
                bool ok = false;
                const uint32_t thousandths = ini.value("uiValue").toString().trimmed().toUInt(&ok);
                if (ok)
                    set.afValues[k] = float(thousandths) * 0.001f;
            }
            ini.endArray();
            ini.endGroup();
            if (allowed == 0)
                continue; // a set of an unknown type is dropped
            ClampToRange(set.eType, set.afValues);
            op.aParams.push_back(set);
        }
        ini.endGroup();
        if (op.FindSet(eGEO) < 0)
        {
            Helper::AppLog(op.Kernel + QStringLiteral(" - added missing eGEO Param"));
            SParam geo;
            geo.eType = eGEO;
            op.aParams.push_back(geo);
        }
        m_operators.append(op);
    }
    return allKnown && m_sLoadProblem.isEmpty();
}

bool CPostProcessing::Save(bool asUser)
{
    return Write(m_sPath, asUser);
}

bool CPostProcessing::SaveTo(const QString& path, bool asUser)
{
    return Write(path, asUser);
}

bool CPostProcessing::Write(const QString& path, bool asUser)
{
    if (path.isEmpty())
        return false;
    return AtomicFile::WriteSettings(path, [this, asUser](QSettings& ini) {
        ini.clear();
        const bool becomesUser = asUser && m_sCategory != QLatin1String("user");
        ini.setValue("TimeStamp", becomesUser ? qlonglong(QDateTime::currentSecsSinceEpoch()) : qlonglong(m_uiTimeStamp));
        ini.setValue("DisplayName", m_sDisplayName);
        ini.setValue("Category", becomesUser ? QStringLiteral("user") : m_sCategory);
        ini.setValue("SearchTag", m_sSearchTag);
        ini.setValue("VersionMajor", Version::kMajor);
        ini.setValue("VersionMinor", Version::kMinor);
        ini.setValue("VersionBuild", Version::kBuild);
        ini.setValue("VersionFamily", 17);
        for (int i = 0; i < m_operators.size(); ++i)
        {
            const SOperator& op = m_operators[i];
            ini.beginGroup(OperatorGroup(i));
            ini.setValue("Kernel", op.Kernel);
            ini.setValue("eType", op.eType);
            ini.setValue("bActive", op.bActive);
            ini.setValue("iprecalcSmooth", op.iprecalcSmooth);
            ini.setValue("bReadBWPoint", op.bReadBWPoint);
            ini.setValue("bCalcBW", op.bCalcBW);
            ini.setValue("bCalcGradation", op.bCalcGradation);
            // Only the first sixteen sets have names; more would land among the operator's keys.
            for (size_t j = 0; j < op.aParams.size() && j < 16; ++j)
            {
                const SParam& set = op.aParams[j];
                ini.beginGroup(SetGroup(int(j)));
                ini.setValue("eType", set.eType);
                int n = 0;
                for (int k = 0; k < MP_PARAM_VALUES; ++k)
                    if (set.afValues[k] != 0.0f)
                        n = k + 1;
                ini.beginWriteArray("pfValues", n);
                for (int k = 0; k < n; ++k)
                {
                    if (set.afValues[k] == 0.0f)
                        continue;
                    ini.setArrayIndex(k);
                    ini.setValue("uiValue", Thousandths(set.afValues[k]));
                }
                ini.endArray();
                ini.endGroup();
            }
            ini.endGroup();
        }
    });
}
