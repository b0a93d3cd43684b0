#include "engine/OperatorFilter.h"

#include <QSettings>

#include <algorithm>

const std::array<SOperatorFilterButton, COperatorFilter::kButtons>& COperatorFilter::Buttons()
{
    static const std::array<SOperatorFilterButton, kButtons> buttons{{
        {1, "FilterListEnhanceActive", "PostProcessingDock/EnhanceButton", QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Schärfen und Entrauschen")},
        {2, "FilterListGeometryActive", "PostProcessingDock/GeometryButton", QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Geometrie")},
        {3, "FilterListLuminanceActive", "PostProcessingDock/ExposureButton", QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Belichtung")},
        {4, "FilterListColorActive", "PostProcessingDock/ColorizeButton", QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Farbe")},
        {5, "FilterListSmoothActive", "PostProcessingDock/SmoothButton", QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Weichzeichnen")},
        {6, "FilterListArtisticActive", "PostProcessingDock/ArtisticButton", QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Künstlerisch")},
        {7, "FilterListMaskActive", "PostProcessingDock/MaskButton", QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Masken")},
    }};
    return buttons;
}

QString COperatorFilter::IconName(const char* activeIcon, bool checked)
{
    QString name = QString::fromLatin1(activeIcon);
    if (!checked && name.endsWith(QLatin1String("Active")))
        name.insert(name.size() - 6, QLatin1String("In"));
    return name;
}

void COperatorFilter::SetChecked(int button, bool checked)
{
    if (button >= 0 && button < kButtons)
        m_abChecked[size_t(button)] = checked;
}

bool COperatorFilter::AllChecked() const
{
    return std::all_of(m_abChecked.begin(), m_abChecked.end(), [](bool b) { return b; });
}

void COperatorFilter::SetAll(bool checked)
{
    m_abChecked.fill(checked);
}

bool COperatorFilter::Shows(int type) const
{
    if (type == 0)
        return AllChecked();
    for (int i = 0; i < kButtons; ++i)
        if (Buttons()[size_t(i)].iType == type)
            return m_abChecked[size_t(i)];
    return false;
}

QVector<const SCatalogueEntry*> COperatorFilter::Filter(const COperatorCatalogue& catalogue) const
{
    QVector<const SCatalogueEntry*> list;
    for (const SCatalogueEntry* e : catalogue.ByType(-1))
        if (e->bVisible && Shows(e->iType))
            list.append(e);
    return list;
}

void COperatorFilter::SaveState(QSettings& settings) const
{
    for (int i = 0; i < kButtons; ++i)
        settings.setValue(QLatin1String(Buttons()[size_t(i)].pszKey), m_abChecked[size_t(i)]);
}

void COperatorFilter::LoadState(QSettings& settings)
{
    for (int i = 0; i < kButtons; ++i)
        m_abChecked[size_t(i)] = settings.value(QLatin1String(Buttons()[size_t(i)].pszKey), true).toBool();
}
