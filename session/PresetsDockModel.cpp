#include "session/PresetsDockModel.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace
{
struct SFilter
{
    const char* category;
    const char* label;
};

const SFilter kFilters[CPresetsDockModel::kFilterCount] = {
    {"", QT_TRANSLATE_NOOP("CPresetsDockModel", "Alle")},
    {"user", QT_TRANSLATE_NOOP("CPresetsDockModel", "Benutzer")},
    {"natural", QT_TRANSLATE_NOOP("CPresetsDockModel", "Natürlich")},
    {"surreal", QT_TRANSLATE_NOOP("CPresetsDockModel", "Surreal")},
    {"landscape", QT_TRANSLATE_NOOP("CPresetsDockModel", "Landschaft")},
    {"architecture", QT_TRANSLATE_NOOP("CPresetsDockModel", "Architektur")},
    {"portrait", QT_TRANSLATE_NOOP("CPresetsDockModel", "Portrait")},
    {"artistic", QT_TRANSLATE_NOOP("CPresetsDockModel", "Künstlerisch")},
};

/// The two search-tag choices ahead of the presets' own tags.
constexpr int kFixedTags = 2;
}  // namespace

const char* CPresetsDockModel::FilterCategory(int button)
{
    return button >= 0 && button < kFilterCount ? kFilters[button].category : "";
}

QString CPresetsDockModel::FilterLabel(int button)
{
    return button >= 0 && button < kFilterCount ? tr(kFilters[button].label) : QString();
}

CPresetsDockModel::CPresetsDockModel(CPresetLibrary& library) : m_library(library)
{
}

void CPresetsDockModel::SetFilter(int button)
{
    if (button >= 0 && button < kFilterCount)
        m_iFilter = button;
}

QStringList CPresetsDockModel::SearchTagLabels() const
{
    QStringList labels{QCoreApplication::translate("PPPresetCategory", "SearchTag leer"),
                       QCoreApplication::translate("PPPresetCategory", "SearchTag Benutzer")};
    for (const QString& tag : m_library.SearchTags())
        labels << QCoreApplication::translate("PPPresetCategory", tag.toUtf8().constData());
    return labels;
}

bool CPresetsDockModel::IsVisible(int index) const
{
    if (!m_library.IsValid(index))
        return false;
    const CPostProcessing& chain = m_library.Chain(index);
    const bool user = m_library.At(index).eOrigin == EPresetOrigin::eUSER;
    if (m_iFilter == 1 ? !user : m_iFilter > 1 && chain.Category() != QLatin1String(FilterCategory(m_iFilter)))
        return false;
    if (m_iSearchTag == 1 && !user)
        return false;
    if (m_iSearchTag >= kFixedTags)
    {
        const QStringList tags = m_library.SearchTags();
        const int tag = m_iSearchTag - kFixedTags;
        if (tag >= tags.size() || chain.SearchTag() != tags[tag])
            return false;
    }
    return m_sSearchText.isEmpty() || chain.Title().contains(m_sSearchText, Qt::CaseInsensitive) ||
           chain.TranslatedSearchTag().contains(m_sSearchText, Qt::CaseInsensitive);
}

QList<int> CPresetsDockModel::VisiblePresets() const
{
    QList<int> visible;
    for (int i = 0; i < m_library.Count(); ++i)
        if (IsVisible(i))
            visible << i;
    return visible;
}

int CPresetsDockModel::SelectFirstVisible()
{
    const QList<int> visible = VisiblePresets();
    m_iSelected = visible.isEmpty() ? -1 : visible.first();
    return m_iSelected;
}

void CPresetsDockModel::SaveProject(QSettings& settings, const QString& dataFolder)
{
    QDir data(dataFolder);
    for (const QString& old : data.entryList({QStringLiteral("vantropepp_*.ini")}, QDir::Files))
        data.remove(old);
    for (int i = 0; i < m_library.Count(); ++i)
    {
        if (!m_library.At(i).bEnabled)
            continue;
        CPostProcessing& chain = m_library.Chain(i);
        const QString copy = data.filePath(QFileInfo(chain.Path()).fileName());
        if (!chain.SaveTo(copy, false))
            ReportSaveFailure(copy); // the save fails as a whole rather than lose the preset
    }
    settings.setValue("PresetsDock/Selected", m_iSelected);
    settings.setValue("PresetsDock/ScrollVerPos", m_iScrollV);
    settings.setValue("PresetsDock/ScrollHorPos", m_iScrollH);
    for (int b = 0; b < kFilterCount; ++b)
        settings.setValue(QStringLiteral("Filter/Button%1").arg(b), b == m_iFilter);
}

void CPresetsDockModel::LoadProject(QSettings& settings, const QString& dataFolder)
{
    const QDir data(dataFolder);
    const QStringList copies = data.entryList({QStringLiteral("vantropepp_v2_*.ini"), QStringLiteral("vantropepp_vu_*.ini"),
                                               QStringLiteral("*_va_*.ini")},
                                              QDir::Files, QDir::Name);
    for (const QString& name : copies)
    {
        const QString path = data.filePath(name);
        const uint32_t stamp = QSettings(path, QSettings::IniFormat).value("TimeStamp").toUInt();
        int match = -1;
        for (int i = 0; i < m_library.Count() && match < 0; ++i)
        {
            const SPreset& preset = m_library.At(i);
            if (name.contains(QLatin1String("_vu_")))
                match = preset.eOrigin == EPresetOrigin::eUSER && preset.chain->TimeStamp() == stamp ? i : -1;
            else if (name.contains(QLatin1String("_va_")))
                match = preset.chain->TimeStamp() == stamp ? i : -1;
            else
                match = preset.eOrigin == EPresetOrigin::eSYSTEM && QFileInfo(preset.chain->Path()).fileName() == name ? i : -1;
        }
        if (match < 0)
            continue;
        m_library.ReloadFrom(match, path);
    }
    for (int b = 0; b < kFilterCount; ++b)
        if (settings.value(QStringLiteral("Filter/Button%1").arg(b)).toBool())
        {
            m_iFilter = b;
            break;
        }
    Select(settings.value("PresetsDock/Selected", m_iSelected).toInt());
    m_iScrollV = settings.value("PresetsDock/ScrollVerPos", m_iScrollV).toInt();
    m_iScrollH = settings.value("PresetsDock/ScrollHorPos", m_iScrollH).toInt();
    if (m_onLoaded)
        m_onLoaded();
}
