#include "engine/OperatorCatalogue.h"

#include "core/AppLog.h"
#include "core/Timing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstring>
#include <map>

namespace
{
const char* const kTypes[] = {"tonemapping", "enhance", "geometry", "exposure", "color", "smooth", "artwork", "mask"};

bool Flag(const QXmlStreamAttributes& a, const char* name, bool fallback = false)
{
    const QStringView v = a.value(QLatin1String(name));
    return v.isEmpty() ? fallback : v == QLatin1String("1");
}

float Number(const QXmlStreamAttributes& a, const char* name, float fallback)
{
    bool ok = false;
    const float v = a.value(QLatin1String(name)).toFloat(&ok);
    return ok && std::isfinite(v) ? v : fallback;
}

// Milliseconds spent per control kind while the document is turned into entries.
struct SPhaseTimes
{
    std::map<QString, double> ms;
};
}  // namespace

int COperatorCatalogue::TypeNumber(const QString& type)
{
    for (int i = 0; i < 8; ++i)
        if (type == QLatin1String(kTypes[i]))
            return i;
    return -1;
}

void COperatorCatalogue::DefaultCurve(int which, float* v)
{
    static const float kX[6] = {0.0f, 0.2f, 0.4f, 0.6f, 0.8f, 1.0f};
    float y[6];
    switch (which)
    {
    case 0: // identity tone curve
        for (int i = 0; i < 6; ++i)
            y[i] = kX[i];
        break;
    case 8: // gentle S curve
    {
        const float s[6] = {0.0f, 0.16f, 0.37f, 0.63f, 0.84f, 1.0f};
        std::copy(s, s + 6, y);
        break;
    }
    case 5: // flat at one half: the neutral curve over hue
        std::fill(y, y + 6, 0.5f);
        break;
    case 10: // falling towards the highlights (grain strength)
    {
        const float f[6] = {1.0f, 0.8f, 0.65f, 0.52f, 0.41f, 0.31f};
        std::copy(f, f + 6, y);
        break;
    }
    default: // 1 and anything else: full strength everywhere
        std::fill(y, y + 6, 1.0f);
        break;
    }
    for (int i = 0; i < 6; ++i)
    {
        v[2 * i] = kX[i];
        v[2 * i + 1] = y[i];
    }
}

const COperatorCatalogue& COperatorCatalogue::Shared()
{
    static const COperatorCatalogue catalogue = [] {
        COperatorCatalogue c;
        c.ReadBuiltIn();
        const QString addons = QCoreApplication::applicationDirPath() + QStringLiteral("/Addons/xml/");
        if (QFileInfo(addons).isDir())
            c.ReadAddons(addons);
        return c;
    }();
    return catalogue;
}

bool COperatorCatalogue::Read(QIODevice& device, const QString& documentName, QString* error)
{
    QXmlStreamReader xml(&device);
    QVector<SCatalogueEntry> entries;
    SCatalogueEntry* current = nullptr;
    while (!xml.atEnd())
    {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("operator"))
            current = nullptr;
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        const QStringView name = xml.name();
        if (name == QLatin1String("operator"))
        {
            SCatalogueEntry e;
            e.sKernel = a.value("kernel").toString();
            e.sName = a.value("name").toString();
            e.sType = a.hasAttribute("type") ? a.value("type").toString() : QStringLiteral("tonemapping");
            e.iType = std::max(0, TypeNumber(e.sType));
            e.bVisible = Flag(a, "visible", true);
            e.bPano = Flag(a, "pano");
            e.iPrecalcSmooth = a.value("precalcSmooth").toInt();
            e.bReadBWPoint = Flag(a, "readBWpoint");
            e.bCalcBW = Flag(a, "calcBW");
            e.bCalcGradation = Flag(a, "calcGradation");
            entries.append(e);
            current = &entries.last();
            continue;
        }
        if (!current)
            continue;
        SCatalogueControl c;
        c.bVisible = Flag(a, "visible", true);
        c.sName = a.value("name").toString();
        c.sTooltip = a.value("tooltip").toString();
        if (name == QLatin1String("slider"))
        {
            c.eSetType = CPostProcessing::eSLIDER;
            c.sLow = a.value("low").toString();
            c.sHigh = a.value("high").toString();
            c.sUnit = a.value("unit").toString();
            c.fMin = Number(a, "min", 0.0f);
            c.fMax = Number(a, "max", 1.0f);
            c.bIsRadius = Flag(a, "isradius");
            c.afDefault[0] = Number(a, "default", 0.0f);
        }
        else if (name == QLatin1String("position"))
        {
            c.eSetType = CPostProcessing::ePOS;
            c.iPickerType = a.value("type").toInt();
            c.afDefault[0] = Number(a, "x", 0.5f);
            c.afDefault[1] = Number(a, "y", 0.5f);
        }
        else if (name == QLatin1String("color"))
        {
            c.eSetType = CPostProcessing::eCOLOR;
            c.afDefault[2] = Number(a, "r", 1.0f);
            c.afDefault[3] = Number(a, "g", 1.0f);
            c.afDefault[4] = Number(a, "b", 1.0f);
            c.bWheel = Flag(a, "wheel");
            c.bPickInput = a.value("pipette") == QLatin1String("input");
            // A wheel keeps its luminance in the set's first value, neutral in the middle.
            c.afDefault[0] = Number(a, "luminance", c.bWheel ? 0.5f : 0.0f);
        }
        else if (name == QLatin1String("spline"))
        {
            c.eSetType = CPostProcessing::eSPLINE;
            c.iCategory = a.value("category").toInt();
            c.iDefaultCurve = a.hasAttribute("default") ? a.value("default").toInt() : 1;
            c.iTint = a.value("color").toInt();
            c.bJoined = Flag(a, "joined");
            DefaultCurve(c.iDefaultCurve, c.afDefault);
        }
        else if (name == QLatin1String("line"))
        {
            c.eSetType = CPostProcessing::eLINE;
            c.afDefault[0] = Number(a, "x1", 0.0f);
            c.afDefault[1] = Number(a, "y1", 0.0f);
            c.afDefault[2] = Number(a, "x2", 1.0f);
            c.afDefault[3] = Number(a, "y2", 1.0f);
        }
        else if (name == QLatin1String("combo"))
        {
            c.eSetType = CPostProcessing::eCOMBO;
            c.afDefault[0] = 0.0f;
            c.afDefault[1] = 100.0f;
        }
        else if (name == QLatin1String("geometry"))
            c.eSetType = CPostProcessing::eGEO;
        else
            continue;
        current->controls.append(c);
    }
    if (xml.hasError())
    {
        const QString line = QStringLiteral("ERROR in %1: %2 at line %3 column %4")
                                 .arg(documentName, xml.errorString())
                                 .arg(xml.lineNumber())
                                 .arg(xml.columnNumber());
        Helper::AppLog(line);
        if (error)
            *error = line;
        return false;
    }
    m_entries += entries;
    return true;
}

bool COperatorCatalogue::ReadBuiltIn()
{
    double stamp = MP_TimeStamp();
    QFile file(QStringLiteral(":/operators/PPOperators.xml"));
    if (!file.open(QIODevice::ReadOnly))
    {
        Helper::AppLog("ERROR in PPOperators.xml: cannot open the resource at line 0 column 0");
        return false;
    }
    const int before = int(m_entries.size());
    const bool ok = Read(file, QStringLiteral("PPOperators.xml"));
    Helper::AppLog(QStringLiteral("%1 ms - Read PPOperators.xml").arg(MP_ElapsedMs(stamp), 6, 'f', 2));
    // The time of turning entries into chain entries, per control kind.
    static const char* const kKinds[] = {" eSLIDER ", " ePOS    ", " eSPLINE ", " eCOLOR  ", " eLINE   ", " eCOMBO  ", " eGEO    "};
    double perKind[7] = {}, base = 0.0;
    const double total = MP_TimeStamp();
    for (int i = before; i < m_entries.size(); ++i)
    {
        stamp = MP_TimeStamp();
        CPostProcessing::SOperator op = CreateOperator(m_entries[i]);
        base += MP_ElapsedMs(stamp);
        for (const SCatalogueControl& c : m_entries[i].controls)
        {
            stamp = MP_TimeStamp();
            float values[MP_PARAM_VALUES] = {};
            std::memcpy(values, c.afDefault, sizeof(c.afDefault));
            CPostProcessing::ClampToRange(c.eSetType, values);
            perKind[std::clamp(int(c.eSetType), 0, 6)] += MP_ElapsedMs(stamp);
        }
    }
    Helper::AppLog(QStringLiteral("%1 ms -  init    ").arg(0.0, 6, 'f', 2));
    Helper::AppLog(QStringLiteral("%1 ms -  base    ").arg(base, 6, 'f', 2));
    for (int k : {5, 6, 0, 2, 4, 1, 3})
        Helper::AppLog(QStringLiteral("%1 ms - %2").arg(perKind[k], 6, 'f', 2).arg(QLatin1String(kKinds[k])));
    Helper::AppLog(QStringLiteral("%1 ms -  total   ").arg(MP_ElapsedMs(total), 6, 'f', 2));
    return ok;
}

int COperatorCatalogue::ReadAddons(const QString& folder)
{
    int read = 0;
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
    for (const QFileInfo& info : files)
    {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
        {
            Helper::AppLog(QStringLiteral("ERROR in %1: cannot open the file at line 0 column 0").arg(info.fileName()));
            continue;
        }
        if (Read(file, info.fileName()))
        {
            Helper::AppLog(QStringLiteral("Addon XML %1 successful").arg(info.fileName()));
            ++read;
        }
    }
    return read;
}

const SCatalogueEntry* COperatorCatalogue::FindKernel(const QString& kernel) const
{
    for (const SCatalogueEntry& e : m_entries)
        if (e.sKernel == kernel)
            return &e;
    return nullptr;
}

const SCatalogueEntry* COperatorCatalogue::FindDisplayKey(const QString& name) const
{
    for (const SCatalogueEntry& e : m_entries)
        if (e.sName == name)
            return &e;
    return nullptr;
}

QVector<const SCatalogueEntry*> COperatorCatalogue::ByType(int type) const
{
    QVector<const SCatalogueEntry*> list;
    for (const SCatalogueEntry& e : m_entries)
        if (type < 0 || e.iType == type)
            list.append(&e);
    std::stable_sort(list.begin(), list.end(), [](const SCatalogueEntry* a, const SCatalogueEntry* b) {
        return tr(a->sName.toUtf8().constData()).localeAwareCompare(tr(b->sName.toUtf8().constData())) < 0;
    });
    return list;
}

CPostProcessing::SOperator COperatorCatalogue::CreateOperator(const SCatalogueEntry& entry) const
{
    CPostProcessing::SOperator op;
    op.Kernel = entry.sKernel;
    op.uiHash = CPostProcessing::KernelHash(entry.sKernel);
    op.strLabel = tr(entry.sName.toUtf8().constData());
    op.eType = entry.iType;
    op.bActive = true;
    op.iprecalcSmooth = entry.iPrecalcSmooth;
    op.bReadBWPoint = entry.bReadBWPoint;
    op.bCalcBW = entry.bCalcBW;
    op.bCalcGradation = entry.bCalcGradation;
    for (const SCatalogueControl& c : entry.controls)
    {
        if (op.aParams.size() >= size_t(CPostProcessing::kMaxSets))
            break;
        CPostProcessing::SParam set;
        set.eType = c.eSetType;
        std::memcpy(set.afValues, c.afDefault, sizeof(c.afDefault));
        CPostProcessing::ClampToRange(set.eType, set.afValues);
        op.aParams.push_back(set);
    }
    if (op.FindSet(CPostProcessing::eGEO) < 0)
    {
        CPostProcessing::SParam geo;
        geo.eType = CPostProcessing::eGEO;
        op.aParams.push_back(geo);
    }
    return op;
}
