// Preset files: round trips, thousandths, the reading rules, and hostile files (robustness rows
// B1–B3, B5): never a crash, every value inside its range, loops bounded by what exists.
#include "EngineTestUtil.h"
#include "core/Paths.h"
#include "engine/OperatorCatalogue.h"

#include "tests/support/LogCapture.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
class Presets : public ::testing::Test
{
protected:
    QString Write(const QByteArray& text)
    {
        // A new name each time: the settings class caches parsed files by name.
        const QString path = m_dir.filePath(QStringLiteral("preset_%1.ini").arg(++m_count));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path;
    }
    bool Load(const QByteArray& text, CPostProcessing& chain)
    {
        chain.SetPath(Write(text));
        return chain.Load();
    }
    QTemporaryDir m_dir;
    int m_count = 0;
};

const QByteArray kHeader = "[General]\nTimeStamp=1700000000\nDisplayName=Test\nCategory=natural\n";

/// Every set value within the range of its type.
bool AllInRange(const CPostProcessing& chain)
{
    for (const auto& op : chain.Operators())
        for (const auto& set : op.aParams)
        {
            float copy[MP_PARAM_VALUES];
            std::copy(set.afValues, set.afValues + MP_PARAM_VALUES, copy);
            CPostProcessing::ClampToRange(set.eType, copy);
            if (!std::equal(copy, copy + MP_PARAM_VALUES, set.afValues))
                return false;
        }
    return true;
}
}  // namespace

TEST_F(Presets, RoundTripKeepsEverythingInThousandths)
{
    CPostProcessing chain;
    chain.SetDisplayName("Warm"), chain.SetCategory("portrait"), chain.SetTimeStamp(1234567);
    CPostProcessing::SOperator balance = CatalogueOperator("MP_calcPixelColorBalance");
    balance.aParams[0].afValues[0] = 0.7f;     // 700, not 699
    balance.aParams[1].afValues[0] = 0.1234f;  // precision below 0.001 is lost
    balance.aParams[2].afValues[0] = 0.0f;     // all-zero set: size 0
    balance.aParams[3].afValues[0] = 19;
    balance.aParams[3].afValues[1] = 55;
    balance.bActive = false, balance.iprecalcSmooth = 95, balance.bCalcBW = true;
    CPostProcessing::SOperator sepia = CatalogueOperator("MP_calcPixelSepia");
    sepia.aParams[3].afValues[0] = 1, sepia.aParams[3].afValues[1] = 0.25f, sepia.aParams[3].afValues[15] = 0.5f;
    chain.Operators() = {balance, sepia};
    const QString path = m_dir.filePath("roundtrip.ini");
    ASSERT_TRUE(chain.SaveTo(path, false));
    EXPECT_TRUE(chain.Path().isEmpty());

    QSettings raw(path, QSettings::IniFormat);
    EXPECT_EQ(raw.value("Operator_000000/Parameter_0/pfValues/1/uiValue").toUInt(), 700u);
    EXPECT_EQ(raw.value("Operator_000000/Parameter_1/pfValues/1/uiValue").toUInt(), 123u);
    EXPECT_EQ(raw.value("Operator_000000/Parameter_2/pfValues/size").toInt(), 0);
    EXPECT_EQ(raw.value("Operator_000001/Parameter_3/pfValues/size").toInt(), 16);
    EXPECT_FALSE(raw.contains("Operator_000001/Parameter_3/pfValues/3/uiValue")); // zeros not written

    CPostProcessing loaded;
    loaded.SetPath(path);
    ASSERT_TRUE(loaded.Load());
    EXPECT_EQ(loaded.DisplayNameKey() + loaded.Category() + QString::number(loaded.TimeStamp()), "Warmportrait1234567");
    ASSERT_EQ(loaded.Operators().size(), 2);
    const auto& b = loaded.Operators()[0];
    EXPECT_EQ(b.Kernel, "MP_calcPixelColorBalance");
    EXPECT_EQ(b.strLabel, QString::fromUtf8("Farbbalance"));
    EXPECT_FALSE(b.bActive);
    EXPECT_EQ(b.iprecalcSmooth, 95);
    EXPECT_TRUE(b.bCalcBW);
    ASSERT_EQ(b.aParams.size(), 5u);
    const std::pair<float, float> values[] = {{b.aParams[0].afValues[0], 0.7f}, {b.aParams[1].afValues[0], 0.123f},
                                              {b.aParams[3].afValues[0], 19.0f}, {b.aParams[3].afValues[1], 55.0f}};
    for (const auto& [loadedValue, expected] : values)
        EXPECT_FLOAT_EQ(loadedValue, expected);
    EXPECT_EQ(loaded.Operators()[1].aParams[3].afValues[15], 0.5f);

    // Saving again changes nothing: values do not creep.
    const QString again = m_dir.filePath("again.ini");
    ASSERT_TRUE(loaded.SaveTo(again, false));
    QFile a(path), c(again);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && c.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), c.readAll());
}

TEST_F(Presets, SavingAsUser)
{
    // A system preset saved as the user's becomes a user preset stamped now; a user preset keeps
    // its stamp.
    for (const char* category : {"natural", "user"})
    {
        CPostProcessing chain;
        chain.SetCategory(category), chain.SetTimeStamp(5);
        chain.SetPath(m_dir.filePath(QString(category) + ".ini"));
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        ASSERT_TRUE(chain.Save(true));
        QSettings s(chain.Path(), QSettings::IniFormat);
        EXPECT_EQ(s.value("Category").toString(), "user");
        const qint64 stamp = s.value("TimeStamp").toLongLong();
        EXPECT_TRUE(QByteArray(category) == "user" ? stamp == 5 : stamp >= now) << category;
    }
    CPostProcessing user;
    user.SetCategory("user");
    user.SetDisplayName("Mine");
    EXPECT_EQ(user.Title(), QString("user Mine"));
}

TEST_F(Presets, ReadingRules)
{
    CLogCapture log;
    CPostProcessing chain;
    // A gap ends the list; a spline with 15 stored values reads 12; an unknown set type is
    // dropped; a missing geometry set is added.
    ASSERT_TRUE(Load(kHeader +
                         "[Operator_000000]\nKernel=MP_calcPixelSepia\neType=4\nbActive=true\n"
                         "[Operator_000000/Parameter_0]\neType=2\npfValues\\size=15\n"
                         "pfValues\\2\\uiValue=1000\npfValues\\12\\uiValue=900\npfValues\\13\\uiValue=800\n"
                         "[Operator_000000/Parameter_1]\neType=9\npfValues\\size=1\npfValues\\1\\uiValue=500\n"
                         "[Operator_000000/Parameter_2]\neType=3\npfValues\\size=5\npfValues\\3\\uiValue=900\n"
                         "[Operator_000002]\nKernel=MP_calcPixelNegative\n",
                     chain));
    ASSERT_EQ(chain.Operators().size(), 1);
    const auto& op = chain.Operators()[0];
    EXPECT_EQ(op.eType, 4);
    ASSERT_EQ(op.aParams.size(), 3u); // spline, colour, added geometry
    EXPECT_EQ(op.aParams[0].afValues[1], 1.0f);
    EXPECT_EQ(op.aParams[0].afValues[11], 900 * 0.001f);
    EXPECT_EQ(op.aParams[0].afValues[12], 0.0f);
    EXPECT_EQ(op.aParams[1].eType, CPostProcessing::eCOLOR);
    EXPECT_EQ(op.aParams[2].eType, CPostProcessing::eGEO);
    EXPECT_NE(log.Text().find("MP_calcPixelSepia - added missing eGEO Param"), std::string::npos);

    // An operator group without any set loads with one all-zero geometry set.
    CPostProcessing bare;
    ASSERT_TRUE(Load(kHeader + "[Operator_000000]\nKernel=MP_calcPixelNegative\n", bare));
    ASSERT_EQ(bare.Operators()[0].aParams.size(), 1u);
    EXPECT_EQ(bare.Operators()[0].aParams[0].eType, CPostProcessing::eGEO);

    // A kernel the catalogue does not know is reported and skipped.
    log.Clear();
    CPostProcessing missing;
    const QByteArray text = kHeader + "[Operator_000000]\nKernel=MP_calcPixelFrobnicate\n"
                                      "[Operator_000001]\nKernel=MP_calcPixelNegative\n";
    EXPECT_FALSE(Load(text, missing));
    EXPECT_EQ(missing.Operators().size(), 1);
    EXPECT_NE(log.Text().find(" - Missing Effect: MP_calcPixelFrobnicate"), std::string::npos);

    // Operators only: appended, header untouched.
    CPostProcessing combined;
    ASSERT_TRUE(Load(kHeader + "[Operator_000000]\nKernel=MP_calcPixelNegative\n", combined));
    ASSERT_TRUE(combined.LoadOperatorsOnly(Write("[General]\nDisplayName=Other\n[Operator_000000]\nKernel=MP_calcPixelSepia\n")));
    EXPECT_EQ(combined.Operators().size(), 2);
    EXPECT_EQ(combined.Operators()[1].Kernel, "MP_calcPixelSepia");
    EXPECT_EQ(combined.DisplayNameKey(), "Test");

    // The search tag key is found without regard to case.
    CPostProcessing tagged;
    ASSERT_TRUE(Load(kHeader + "searchtag=Abend\n", tagged));
    EXPECT_EQ(tagged.SearchTag(), "Abend");
}

TEST_F(Presets, HostileFilesLoadWithinRangesAndBounds)
{
    struct SCase
    {
        const char* what;
        QByteArray text;
        int operators;
    };
    const QByteArray op = "[Operator_000000]\nKernel=MP_calcPixelLocalContrast\n";
    const SCase cases[] = {
        {"empty file", "", 0},
        {"only a BOM", "\xEF\xBB\xBF", 0},
        {"NUL-filled", QByteArray(4096, '\0'), 0},
        {"no Kernel key", kHeader + "[Operator_000000]\neType=1\n", 0},
        {"radius of four million", kHeader + op + "[Operator_000000/Parameter_0]\neType=0\npfValues\\size=1\npfValues\\1\\uiValue=4000000000\n", 1},
        {"negative and huge uiValue", kHeader + op + "[Operator_000000/Parameter_0]\neType=0\npfValues\\size=1\npfValues\\1\\uiValue=-5\n"
                                                     "[Operator_000000/Parameter_3]\neType=5\npfValues\\size=2\npfValues\\1\\uiValue=4294967296\npfValues\\2\\uiValue=1e9\n", 1},
        {"eType not a number", kHeader + op + "[Operator_000000/Parameter_0]\neType=3.7\npfValues\\size=1\npfValues\\1\\uiValue=500\n", 1},
        {"bActive=maybe", kHeader + "[Operator_000000]\nKernel=MP_calcPixelNegative\nbActive=maybe\n", 1},
        {"huge array size", kHeader + op + "[Operator_000000/Parameter_0]\neType=6\npfValues\\size=2147483647\npfValues\\300\\uiValue=5\n", 1},
        {"negative array size", kHeader + op + "[Operator_000000/Parameter_0]\neType=0\npfValues\\size=-1\n", 1},
        {"combo beyond its range", kHeader + op + "[Operator_000000/Parameter_0]\neType=5\npfValues\\size=2\npfValues\\1\\uiValue=999000\npfValues\\2\\uiValue=999000\n", 1},
        {"@Variant junk", kHeader + op + "[Operator_000000/Parameter_0]\neType=@Variant(\\0\\0\\0\\x7f)\npfValues\\size=@ByteArray(\\xff)\n", 1},
        {"unterminated section", kHeader + "[Operator_000000\nKernel=MP_calcPixelNegative\n", 1}, // read as the section
        {"lines without =", kHeader + "[Operator_000000]\nKernel MP_calcPixelNegative\njunk\n", 0},
        {"duplicate groups", kHeader + "[Operator_000000]\nKernel=MP_calcPixelNegative\n[Operator_000000]\nbActive=false\n", 1},
        {"CR-only line ends", "[General]\rDisplayName=x\r[Operator_000000]\rKernel=MP_calcPixelNegative\r", 1},
    };
    for (const SCase& c : cases)
    {
        CPostProcessing chain;
        Load(c.text, chain);
        EXPECT_EQ(chain.Operators().size(), c.operators) << c.what;
        EXPECT_TRUE(AllInRange(chain)) << c.what;
        for (const auto& o : chain.Operators())
        {
            EXPECT_EQ(o.aParams.back().eType, CPostProcessing::eGEO) << c.what;
            EXPECT_LE(o.aParams.size(), 16u + 1u) << c.what;
        }
    }
    // The hostile radius is a slider position of at most 1: at most 500 pixels.
    CPostProcessing chain;
    Load(kHeader + op + "[Operator_000000/Parameter_0]\neType=0\npfValues\\size=1\npfValues\\1\\uiValue=4000000000\n", chain);
    EXPECT_EQ(chain.Operators()[0].aParams[0].afValues[0], 1.0f);
}

TEST_F(Presets, CraftedVariantValuesAreNotDecoded)
{
    // A "@Variant(" value whose stream length field asks for tens of gigabytes (a fuzzing find).
    QFile crafted(QStringLiteral(VANTROPE_SOURCE_DIR "/fuzz/corpus/preset/variant-huge-length.ini"));
    ASSERT_TRUE(crafted.open(QIODevice::ReadOnly));
    CPostProcessing chain;
    Load(crafted.readAll(), chain);
    EXPECT_TRUE(chain.Operators().isEmpty()); // its first group is a broken header line
    EXPECT_TRUE(AllInRange(chain));
    // The private copy it was read from is gone.
    const QDir temp(Helper::PrivateTempDirectory());
    EXPECT_TRUE(temp.entryList({"ini-*.ini"}, QDir::Files).isEmpty());
}
