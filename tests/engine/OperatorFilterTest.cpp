// The filter row over the operator list and the list of layer modes.
#include "engine/LayerModes.h"
#include "engine/OperatorFilter.h"

#include "core/LayerBlend.h"
#include "tests/support/CatalogueText.h"

#include <QSet>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
const char* const kDocument = R"(<?xml version="1.0"?>
<operators>
  <operator name="Zeta" kernel="MP_calcPixelA" type="color"><combo/><geometry/></operator>
  <operator name="Alpha" kernel="MP_calcPixelB" type="color"><combo/><geometry/></operator>
  <operator name="Maske" kernel="MP_calcPixelC" type="mask"><geometry/></operator>
  <operator name="Ton" kernel="MP_calcPixelD" type="tonemapping"><geometry/></operator>
  <operator name="Versteckt" kernel="MP_calcPixelE" type="color" visible="0"><geometry/></operator>
</operators>)";

QStringList Kernels(const QVector<const SCatalogueEntry*>& list)
{
    QStringList k;
    for (const SCatalogueEntry* e : list)
        k << e->sKernel;
    return k;
}
}  // namespace

TEST(OperatorFilter, CheckedTypesChooseTheListedEntries)
{
    const COperatorCatalogue catalogue = CatalogueFromText(kDocument);

    COperatorFilter filter;
    EXPECT_TRUE(filter.AllChecked());
    EXPECT_EQ(Kernels(filter.Filter(catalogue)), (QStringList{"MP_calcPixelB", "MP_calcPixelC", "MP_calcPixelD", "MP_calcPixelA"}));

    filter.SetAll(false);
    filter.SetChecked(3, true); // colour
    EXPECT_EQ(Kernels(filter.Filter(catalogue)), (QStringList{"MP_calcPixelB", "MP_calcPixelA"}));
    filter.SetChecked(6, true); // mask
    EXPECT_EQ(Kernels(filter.Filter(catalogue)), (QStringList{"MP_calcPixelB", "MP_calcPixelC", "MP_calcPixelA"}));
    EXPECT_FALSE(filter.Shows(0)); // tone mapping only with every type on
    filter.SetChecked(7, true);    // out of range: ignored
    EXPECT_FALSE(filter.IsChecked(7));
}

TEST(OperatorFilter, IconNamesAndWidgetStateKeys)
{
    EXPECT_EQ(COperatorFilter::IconName("FilterListColorActive", true), QStringLiteral("FilterListColorActive"));
    EXPECT_EQ(COperatorFilter::IconName("FilterListColorActive", false), QStringLiteral("FilterListColorInActive"));
    EXPECT_EQ(COperatorFilter::IconName(COperatorFilter::kAllIcon, false), QStringLiteral("FilterListAllInActive"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state.ini"));
    COperatorFilter filter;
    filter.SetChecked(1, false);
    filter.SetChecked(5, false);
    {
        QSettings settings(path, QSettings::IniFormat);
        filter.SaveState(settings);
    }
    QSettings settings(path, QSettings::IniFormat);
    EXPECT_FALSE(settings.value(QStringLiteral("PostProcessingDock/GeometryButton")).toBool());
    COperatorFilter loaded;
    loaded.LoadState(settings);
    for (int i = 0; i < COperatorFilter::kButtons; ++i)
        EXPECT_EQ(loaded.IsChecked(i), filter.IsChecked(i)) << i;
}

TEST(LayerModes, TheListHoldsEveryModeOfTheBlendOnce)
{
    const QVector<SLayerMode>& list = LayerModes::List();
    QSet<int> seen;
    for (const SLayerMode& m : list)
    {
        EXPECT_TRUE(LayerBlend::IsKnownMode(m.iMode)) << m.iMode;
        EXPECT_FALSE(seen.contains(m.iMode)) << m.iMode;
        seen.insert(m.iMode);
        EXPECT_TRUE(QByteArray(m.pszKey).startsWith("Blendmode ")) << m.pszKey;
    }
    for (int mode = -5; mode < 80; ++mode)
        EXPECT_EQ(LayerBlend::IsKnownMode(mode), LayerModes::IndexOf(mode) >= 0) << mode;
    EXPECT_EQ(list.first().iMode, 0);
    EXPECT_EQ(LayerModes::DisplayName(2), QStringLiteral("Blendmode Abdunkeln"));
    EXPECT_TRUE(LayerModes::DisplayName(49).isEmpty());
}
