// The preset library: import classes, user file names, copy, rename, move, combine, delete, the
// dock's project copies, and every shipped preset graded on a generated frame.
#include "session/PresetCombiner.h"
#include "session/PresetLibrary.h"
#include "session/PresetThumbnails.h"
#include "session/PresetsDockModel.h"
#include "tests/session/SessionTestUtil.h"

#include <QColor>

#include <cmath>

namespace
{
QByteArray Header(const char* stamp, const char* name, const char* category)
{
    return QByteArray("[General]\nTimeStamp=") + stamp + "\nDisplayName=" + name + "\nCategory=" + category + "\n";
}

QByteArray Version(int minor, int build, int family)
{
    return QStringLiteral("VersionMajor=1\nVersionMinor=%1\nVersionBuild=%2\nVersionFamily=%3\n")
        .arg(minor)
        .arg(build)
        .arg(family)
        .toUtf8();
}

const QByteArray kVersion = Version(14, 3607, 17);

QByteArray Operator(int index, const char* kernel, int sliderThousandths)
{
    return QStringLiteral("[Operator_%1]\nKernel=%2\nbActive=true\nParameter_0\\eType=0\n"
                          "Parameter_0\\pfValues\\1\\uiValue=%3\nParameter_0\\pfValues\\size=1\n")
        .arg(index, 6, 10, QChar('0'))
        .arg(QLatin1String(kernel))
        .arg(sliderThousandths)
        .toUtf8();
}

class PresetLibrary : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(User()));
        WriteFile(System() + "/vantropepp_v2_01_a.ini",
                  Header("100", "Alpha", "natural") + kVersion + Operator(0, "MP_calcPixelColorIntensity", 800));
        WriteFile(System() + "/vantropepp_v2_02_b.ini",
                  Header("200", "Beta", "surreal") + kVersion + Operator(0, "MP_calcPixelNegative", 0));
    }
    QString System() const { return m_dir.filePath("settings"); }
    QString User() const { return m_dir.filePath("user"); }
    static void WriteFile(const QString& path, const QByteArray& text) { ASSERT_TRUE(SessionTest::WriteFile(path, text)); }
    std::unique_ptr<CPresetLibrary> Library()
    {
        auto library = std::make_unique<CPresetLibrary>(System(), User(), m_prompt, COperatorCatalogue::Shared());
        EXPECT_TRUE(library->LoadAll());
        return library;
    }
    QStringList UserFiles() const { return QDir(User()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir m_dir;
    CScriptedPrompt m_prompt;
};

TEST_F(PresetLibrary, ImportClassifiesEachFileAndCopiesOnlyTheImportableOnes)
{
    const std::tuple<const char*, QByteArray, EPresetImportCode> cases[] = {
        {"good.ini", Header("300", "Gamma", "user") + kVersion + Operator(0, "MP_calcPixelSepia", 0), ePIC_IMPORTABLE},
        {"no_stamp.ini", "[General]\nDisplayName=X\nCategory=user\n", ePIC_NO_TIMESTAMP},
        {"no_name.ini", "[General]\nTimeStamp=1\nCategory=user\n", ePIC_NO_DISPLAYNAME},
        // Category missing decides even when the others are missing too.
        {"no_category.ini", "[General]\nSearchTag=x\n", ePIC_NO_CATEGORY},
        {"nul.ini", QByteArray(512, '\0'), ePIC_NO_CATEGORY},
        // Over the size cap: not read at all, so no key is there.
        {"huge.ini", Header("1", "Huge", "user") + QByteArray(17 * 1024 * 1024, ';'), ePIC_NO_CATEGORY},
        {"build_3607.ini", Header("301", "B7", "user") + kVersion, ePIC_IMPORTABLE},
        {"build_3608.ini", Header("302", "B8", "user") + Version(14, 3608, 17), ePIC_INCOMPATIBLE},
        {"minor_15.ini", Header("303", "M", "user") + Version(15, 0, 17), ePIC_INCOMPATIBLE},
        {"family_16.ini", Header("304", "F", "user") + Version(14, 3607, 16), ePIC_INCOMPATIBLE},
        // Without all four version keys the version is not checked.
        {"partial_version.ini", Header("305", "P", "user") + "VersionBuild=99999\n", ePIC_IMPORTABLE},
        {"x_pp_va_01.ini", Header("306", "Addon", "natural") + kVersion, ePIC_ADDON},
        {"same_as_alpha.ini", Header("100", "Alpha", "natural") + kVersion, ePIC_PRESENT},
        {"alpha_other_stamp.ini", Header("101", "Alpha", "natural") + kVersion, ePIC_IMPORTABLE},
    };
    auto library = Library();
    QStringList paths;
    for (const auto& [file, text, code] : cases)
    {
        paths << m_dir.filePath(file);
        WriteFile(paths.last(), text);
        EXPECT_EQ(CPresetLibrary::Classify(paths.last(), System(), User()), code) << file;
    }
    const SPresetImport import = library->ImportFiles(paths);
    EXPECT_EQ(import.byCode[ePIC_IMPORTABLE],
              QStringList({"good.ini", "build_3607.ini", "partial_version.ini", "alpha_other_stamp.ini"}));
    EXPECT_EQ(UserFiles(), QStringList({"vantropepp_vu_000000.ini", "vantropepp_vu_000001.ini",
                                        "vantropepp_vu_000002.ini", "vantropepp_vu_000003.ini"}));
    ASSERT_EQ(import.added.size(), 4);
    EXPECT_EQ(library->Chain(import.added[0]).DisplayName(), "Gamma");
    EXPECT_EQ(library->At(import.added[0]).eOrigin, EPresetOrigin::eUSER);
    // Importing the same file again finds the copy in the user folder.
    EXPECT_EQ(CPresetLibrary::Classify(paths[0], System(), User()), ePIC_PRESENT);

    const QString report = CPresetLibrary::ImportReport(import);
    EXPECT_TRUE(report.startsWith("<font color=\"#5fbf5f\">Importierte Presets:<br/> - good.ini")) << report.toStdString();
    EXPECT_TRUE(report.contains("Inkompatible Presets:<br/> -  build_3608.ini"));
    EXPECT_TRUE(report.contains("</font><br/><br/><font color=\"#bf5f5f\">Bereits vorhandene Presets:<br/> - same_as_alpha.ini"));
    EXPECT_TRUE(report.contains("Fehlerhafte Presets:<br/> - no_stamp.ini<br/> - no_name.ini<br/> - no_category.ini<br/> - nul.ini"));
    EXPECT_TRUE(report.endsWith("Zu Addons gehörende Presets:<br/> - x_pp_va_01.ini</font>"));
}

TEST_F(PresetLibrary, NextUserFileNameFollowsTheLastNumber)
{
    // Two files: the last number plus one, neither the count nor the first number plus one.
    WriteFile(User() + "/vantropepp_vu_000007.ini", "");
    WriteFile(User() + "/vantropepp_vu_000041.ini", "");
    EXPECT_EQ(CPresetLibrary::NextUserFileName(User()), "vantropepp_vu_000042.ini");
}

TEST_F(PresetLibrary, CopyRenameAndDeleteRoundTripThroughTheUserFolder)
{
    auto library = Library();
    m_prompt.QueueText("Mein Alpha");
    const int copy = library->Copy(0);
    ASSERT_EQ(copy, 2);
    EXPECT_TRUE(m_prompt.Log().contains("input|Voreinstellung kopieren|Vergeben sie einen Namen:"));
    EXPECT_EQ(UserFiles(), QStringList({"vantropepp_vu_000000.ini"})); // no temp.ini left
    {
        const QSettings written(User() + "/vantropepp_vu_000000.ini", QSettings::IniFormat);
        EXPECT_EQ(written.value("DisplayName").toString(), "Mein Alpha");
        EXPECT_EQ(written.value("Category").toString(), "user");
        EXPECT_NE(written.value("TimeStamp").toString(), "100");
        EXPECT_EQ(written.value("Operator_000000/Parameter_0/pfValues/1/uiValue").toInt(), 800);
    }
    EXPECT_TRUE(library->RenameTo(copy, "Anders"));
    EXPECT_FALSE(library->RenameTo(0, "System presets keep their name"));

    auto reread = Library();
    ASSERT_EQ(reread->Count(), 3);
    EXPECT_EQ(reread->Chain(2).DisplayName(), "Anders");
    EXPECT_EQ(reread->Chain(2).Operators().size(), 1);
    EXPECT_EQ(reread->Find("Anders"), 2);
    EXPECT_EQ(reread->Find("vantropepp_v2_02_b"), 1);

    m_prompt.ExpectQuestion("Soll die Voreinstellung \"Anders\" wirklich gelöscht werden?", IUserPrompt::eNo);
    EXPECT_FALSE(reread->Delete(2));
    m_prompt.ExpectQuestion("\"Anders\"", IUserPrompt::eYes);
    EXPECT_TRUE(reread->Delete(2));
    EXPECT_TRUE(UserFiles().isEmpty());
    EXPECT_EQ(reread->Count(), 2);
}

TEST_F(PresetLibrary, MovingSwapsTheFilesSoTheNameOrderFollows)
{
    auto library = Library();
    ASSERT_EQ(library->CopyAs(0, "Erste"), 2);
    ASSERT_EQ(library->CopyAs(1, "Zweite"), 3);
    EXPECT_FALSE(library->MoveUp(2)); // system presets stay where they are
    EXPECT_TRUE(library->MoveDown(2));
    EXPECT_EQ(library->Chain(2).DisplayName(), "Zweite");
    EXPECT_TRUE(library->Chain(2).Path().endsWith("vantropepp_vu_000000.ini"));

    auto reread = Library();
    EXPECT_EQ(reread->Chain(2).DisplayName(), "Zweite");
    EXPECT_EQ(reread->Chain(3).DisplayName(), "Erste");
    EXPECT_EQ(reread->Chain(3).Operators()[0].Kernel, "MP_calcPixelColorIntensity");
}

TEST_F(PresetLibrary, CombinePutsAsOperatorsBeforeBsAndLeavesBrokenPresetsOut)
{
    WriteFile(System() + "/vantropepp_v2_03_c.ini",
              Header("300", "Kaputt", "natural") + kVersion + Operator(0, "MP_calcPixelDoesNotExist", 0));
    auto library = Library();
    EXPECT_TRUE(library->At(2).bBroken);
    EXPECT_EQ(library->Combinable(), QList<int>({0, 1}));
    EXPECT_EQ(library->Combine(0, 2), nullptr);

    const auto combined = library->Combine(1, 0);
    ASSERT_NE(combined, nullptr);
    ASSERT_EQ(combined->Operators().size(), 2);
    EXPECT_EQ(combined->Operators()[0].Kernel, "MP_calcPixelNegative");
    EXPECT_EQ(combined->Operators()[1].Kernel, "MP_calcPixelColorIntensity");
    EXPECT_EQ(combined->DisplayName(), "Beta + Alpha");
    EXPECT_EQ(combined->Category(), "user");
}

TEST_F(PresetLibrary, NoSystemPresetIsACriticalError)
{
    QDir(System()).removeRecursively();
    CPresetLibrary library(System(), User(), m_prompt, COperatorCatalogue::Shared());
    EXPECT_FALSE(library.LoadAll());
    EXPECT_EQ(m_prompt.Log(), QStringList({"warning|Critical error|No post-processing presets found! Please reinstall..."}));
}

TEST_F(PresetLibrary, ProjectKeepsTheDockStateAndThePresetsItUsed)
{
    auto library = Library();
    ASSERT_EQ(library->CopyAs(1, "Eigenes"), 2);
    CPresetsDockModel model(*library);
    model.SetFilter(3);
    model.Select(2);
    model.SetScrollPositions(40, 7);
    const QString data = m_dir.filePath("shot.vantropedata");
    QDir().mkpath(data);
    WriteFile(data + "/vantropepp_vu_000099.ini", "stale");
    {
        QSettings project(m_dir.filePath("shot.vantropeProject"), QSettings::IniFormat);
        model.SaveProject(project, data);
    }
    EXPECT_EQ(QDir(data).entryList(QDir::Files, QDir::Name),
              QStringList({"vantropepp_v2_01_a.ini", "vantropepp_v2_02_b.ini", "vantropepp_vu_000000.ini"}));

    // The project's copy of the user preset wins over the user folder's file when loaded.
    QSettings(data + "/vantropepp_vu_000000.ini", QSettings::IniFormat).setValue("DisplayName", "Aus dem Projekt");
    auto other = Library();
    CPresetsDockModel loaded(*other);
    QSettings project(m_dir.filePath("shot.vantropeProject"), QSettings::IniFormat);
    loaded.LoadProject(project, data);
    EXPECT_EQ(loaded.Filter(), 3);
    EXPECT_EQ(loaded.Selected(), 2);
    EXPECT_EQ(loaded.ScrollVertical(), 40);
    EXPECT_EQ(loaded.ScrollHorizontal(), 7);
    EXPECT_EQ(other->Chain(2).DisplayName(), "Aus dem Projekt");
    EXPECT_TRUE(other->Chain(2).Path().startsWith(User()));
    EXPECT_EQ(loaded.VisiblePresets(), QList<int>({1})); // "surreal"
}

// A frame with every hue across, dark to bright downwards, and a grey strip at the bottom.
std::vector<uint16_t> TypicalFrame(int width, int height)
{
    std::vector<uint16_t> frame;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            const QColor c = QColor::fromHsvF(float(x) / width, y > height * 4 / 5 ? 0.0f : 0.65f, 0.1f + 0.85f * y / height);
            frame.insert(frame.end(), {uint16_t(c.rgba64().red()), uint16_t(c.rgba64().green()), uint16_t(c.rgba64().blue())});
        }
    return frame;
}

// The mean absolute difference of two 32-bit pictures' colour bytes.
double MeanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (qsizetype i = 0; i < a.sizeInBytes(); ++i)
        sum += i % 4 == 3 ? 0 : std::abs(int(a.constBits()[i]) - int(b.constBits()[i]));
    return sum / (3.0 * a.width() * a.height());
}

TEST(ShippedPresets, EachLoadsAndGivesItsOwnVisibleLook)
{
    CScriptedPrompt prompt;
    QTemporaryDir user;
    CPresetLibrary library(CPresetLibrary::ProgramSystemFolder(), user.path(), prompt, COperatorCatalogue::Shared());
    ASSERT_TRUE(library.LoadAll()); // that none is broken, the command line's preset list says
    ASSERT_GE(library.Count(), 30);
    QStringList categories;
    for (int i = 0; i < library.Count(); ++i)
    {
        EXPECT_FALSE(library.Chain(i).SearchTag().isEmpty());
        categories << library.Chain(i).Category();
    }
    categories.removeDuplicates();
    EXPECT_EQ(categories.size(), 6);

    CPresetThumbnails thumbnails(library);
    const std::vector<uint16_t> frame = TypicalFrame(320, 240);
    ASSERT_TRUE(thumbnails.SetFrame(frame.data(), 320, 240));
    QImage original(160, 120, QImage::Format_RGB32);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 160; ++x)
        {
            const uint16_t* p = &frame[(size_t(y * 2) * 320 + x * 2) * 3];
            original.setPixel(x, y, qRgb(p[0] >> 8, p[1] >> 8, p[2] >> 8));
        }
    QList<QImage> looks;
    while (thumbnails.RenderNext() >= 0)
    {
    }
    for (int i = 0; i < library.Count(); ++i)
    {
        looks << thumbnails.Thumbnail(i);
        ASSERT_EQ(looks.last().size(), QSize(160, 120));
        // Several levels on average: a look, not a rounding difference.
        EXPECT_GT(MeanDifference(looks.last(), original), 4.0) << library.Chain(i).DisplayName().toStdString();
    }
    for (int i = 0; i < looks.size(); ++i)
        for (int j = i + 1; j < looks.size(); ++j)
            EXPECT_GT(MeanDifference(looks[i], looks[j]), 1.5)
                << library.Chain(i).DisplayName().toStdString() << " vs " << library.Chain(j).DisplayName().toStdString();
}

TEST_F(PresetLibrary, CombinerKeepsTheReservedFileOnlyWhenKept)
{
    auto library = Library();
    {
        CPresetCombiner dropped(*library);
        EXPECT_TRUE(dropped.ResultPath().endsWith("vantropepp_vu_000000.ini"));
        ASSERT_TRUE(dropped.Combine(0, 1));
        EXPECT_EQ(UserFiles(), QStringList({"_tempA.ini", "_tempB.ini", "vantropepp_vu_000000.ini"}));
    }
    EXPECT_TRUE(UserFiles().isEmpty());
    EXPECT_EQ(library->Count(), 2);

    CPresetCombiner kept(*library);
    ASSERT_TRUE(kept.Combine(1, 0));
    m_prompt.QueueText("Beides");
    const int index = kept.Keep();
    ASSERT_EQ(index, 2);
    EXPECT_FALSE(kept.Combine(0, 1)); // the reserved file is the kept preset's now
    kept.Close();
    EXPECT_EQ(UserFiles(), QStringList({"vantropepp_vu_000000.ini"}));
    EXPECT_EQ(library->Chain(index).DisplayName(), "Beides");
    ASSERT_EQ(library->Chain(index).Operators().size(), 2);
    EXPECT_EQ(library->Chain(index).Operators()[0].Kernel, "MP_calcPixelNegative");
}
}  // namespace
