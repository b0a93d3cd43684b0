// vantrope-cli operators and grade end to end: the catalogue listing, a preset + film type + LUT
// grade of a still, and the refusals (one line on standard error, nothing written).
#include "tests/cli/CliRun.h"
#include "core/StillImage.h"
#include "lut/CubeFile.h"
#include "lut/LutLattice.h"
#include "tests/support/SyntheticImages.h"
#include "tests/support/TempHome.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
class CliGrade : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(StillImage::Save(Path("in.png"), m_input.data(), 40, 33, error)) << error.toStdString();
        Write("negative.ini", "[General]\nDisplayName=Neg\nCategory=user\n"
                              "[Operator_000000]\nKernel=MP_calcPixelNegative\nbActive=true\n"
                              "[Operator_000000/Parameter_0]\neType=5\npfValues\\size=2\npfValues\\2\\uiValue=100000\n");
        std::vector<float> identity(5 * 5 * 5 * 3);
        LutLattice::WriteIdentity(identity.data(), 5);
        Write("id.cube", CubeFile::Format(identity.data(), 5, "identity"));
    }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    void Write(const QString& name, const QByteArray& text)
    {
        QFile f(Path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    std::vector<uint16_t> Load(const QString& name)
    {
        Helper::CRGB48Buffer image;
        QString error;
        EXPECT_TRUE(StillImage::Load(Path(name), image, error)) << error.toStdString();
        return {image.GetData(), image.GetData() + size_t(image.Width()) * image.Height() * 3};
    }

    QTemporaryDir m_dir;
    const std::vector<uint16_t> m_input = TestImages::Noise(40, 33, 4);
};
}  // namespace

TEST_F(CliGrade, OperatorsListsTheCatalogue)
{
    const SCliRun run = RunCli({"operators"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = run.out.trimmed().split('\n');
    QFile catalogue(QStringLiteral(VANTROPE_SOURCE_DIR "/resources/operators/PPOperators.xml"));
    ASSERT_TRUE(catalogue.open(QIODevice::ReadOnly));
    EXPECT_EQ(lines.size(), catalogue.readAll().count("<operator ")); // one line per catalogue entry
    EXPECT_TRUE(lines.contains(QString::fromUtf8("MP_calcPixelColorBalance\tcolor\tFarbbalance")));
    EXPECT_TRUE(lines.contains(QString::fromUtf8("MP_calcPixelMaskMidtones\tmask\tMaske - Mitteltöne")));
    for (const QString& line : lines)
        EXPECT_EQ(line.count('\t'), 2) << line.toStdString();
    EXPECT_EQ(RunCli({"operators", "extra"}).code, 2);
}

TEST_F(CliGrade, PresetFilmTypeAndLutGradeAStill)
{
    SCliRun run = RunCli({"grade", Path("in.png"), Path("neg.png"), "--preset", Path("negative.ini")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    const std::vector<uint16_t> negative = Load("neg.png");
    ASSERT_EQ(negative.size(), m_input.size());
    for (size_t i = 0; i < m_input.size(); ++i)
        ASSERT_LE(std::abs(int(negative[i]) - (65535 - int(m_input[i]))), 1) << i;

    run = RunCli({"grade", Path("in.png"), Path("full.tiff"), "--preset", Path("negative.ini"), "--lut", Path("id.cube"),
               "--lut-param", "saturation=0", "--film-type", "Sepia-Abzug", "--film-intensity", "0.8",
               "--film-grain", "0.2", "--film-position", "pre"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const std::vector<uint16_t> graded = Load("full.tiff");
    // LUT saturation 0 at the end: every pixel grey.
    for (size_t i = 0; i < graded.size(); i += 3)
        ASSERT_LE(std::abs(int(graded[i]) - int(graded[i + 2])), 2) << i;
    EXPECT_NE(graded, negative);
}

TEST_F(CliGrade, OperatorsFromTheCommandLineInTheirOrder)
{
    // Negative at the catalogue's defaults (layer opacity 100); the --set after the second one
    // takes the second one's opacity to 0, so the picture is inverted once. At 50 % opacity the
    // inverted and the original picture are averaged: every sample lands at 65535 / 2.
    const struct
    {
        QStringList args;
        int (*expected)(int input);
    } cases[] = {
        {{"--operator", "MP_calcPixelNegative", "--operator", "MP_calcPixelNegative", "--set", "0=0,0"},
         [](int v) { return 65535 - v; }},
        {{"--operator", "MP_calcPixelNegative", "--set=0=0,50"}, [](int) { return 32767; }},
    };
    for (const auto& c : cases)
    {
        const SCliRun run = RunCli(QStringList{"grade", Path("in.png"), Path("ops.png")} + c.args);
        ASSERT_EQ(run.code, 0) << run.err.toStdString();
        const std::vector<uint16_t> out = Load("ops.png");
        ASSERT_EQ(out.size(), m_input.size());
        for (size_t i = 0; i < out.size(); ++i)
            ASSERT_LE(std::abs(int(out[i]) - c.expected(m_input[i])), 1) << c.args.join(' ').toStdString() << " at " << i;
    }
}

TEST_F(CliGrade, RefusalsWriteNothing)
{
    Write("missing.ini", "[Operator_000000]\nKernel=MP_calcPixelWarpDrive\n");
    Write("nokernel.ini", "[General]\nDisplayName=x\n[Operator_000000]\neType=1\n");
    const char junk[] = "\x7f" "ELF\x02\x01\x01\0\0\0junk\xff\xfe";
    Write("junk.ini", QByteArray(junk, sizeof(junk) - 1));
    Write("huge.ini", QByteArray(17 << 20, '#'));
    QByteArray many = "[General]\nDisplayName=many\n";
    for (int i = 0; i < 100001; ++i)
        many += QStringLiteral("[Operator_%1]\nKernel=MP_calcPixelNegative\n").arg(i, 6, 10, QLatin1Char('0')).toLatin1();
    Write("many.ini", many);
    Write("huge.cml", "[General]\nVersionMajor=1\nLayer=1\n" + QByteArray(2 << 20, '#'));
    struct SCase
    {
        QStringList args;
        int code;
        const char* message;
    };
    const SCase cases[] = {
        {{"grade", Path("in.png")}, 2, "grade needs IN OUT"},
        {{"grade", Path("in.png"), Path("out.xyz")}, 2, "unknown image extension"},
        {{"grade", Path("in.png"), Path("out.png"), "--preset", Path("missing.ini")}, 1, "MP_calcPixelWarpDrive"},
        {{"grade", Path("in.png"), Path("out.png"), "--preset", Path("nothere.ini")}, 1, "kann nicht gelesen werden"},
        {{"grade", Path("in.png"), Path("out.png"), "--preset", Path("nokernel.ini")}, 1,
         "fehlt der Eintrag Kernel der Gruppe Operator_000000"},
        {{"grade", Path("in.png"), Path("out.png"), "--preset", Path("junk.ini")}, 1, "ist kein Preset"},
        {{"grade", Path("in.png"), Path("out.png"), "--preset", Path("huge.ini")}, 1, "zu groß für ein Preset"},
        {{"grade", Path("in.png"), Path("out.png"), "--preset", Path("many.ini")}, 1, "hat 100001 Operatoren"},
        {{"grade", Path("in.png"), Path("out.png"), "--layers", Path("huge.cml")}, 1, "zu groß für eine Layer-Datei"},
        {{"grade", Path("in.png"), Path("out.png"), "--operator", "MP_calcPixelWarpDrive"}, 1, "unknown operator"},
        {{"grade", Path("in.png"), Path("out.png"), "--set", "0=1"}, 1, "--set needs an --operator before it"},
        {{"grade", Path("in.png"), Path("out.png"), "--operator", "MP_calcPixelNegative", "--set", "2=1"}, 1, "bad --set '2=1'"},
        {{"grade", Path("in.png"), Path("out.png"), "--operator", "MP_calcPixelNegative", "--set", "0=1,2,3"}, 1,
         "holds 2 values"},
        {{"grade", Path("nothere.png"), Path("out.png")}, 1, "cannot read image"},
        {{"grade", Path("in.png"), Path("out.png"), "--lut-param", "saturation=0"}, 1, "need --lut"},
        {{"grade", Path("in.png"), Path("out.png"), "--lut", Path("id.cube"), "--lut-mode", "49"}, 1, "bad layer mode"},
        {{"grade", Path("in.png"), Path("out.png"), "--lut", Path("id.cube"), "--lut-param", "warmth=1"}, 1, "bad LUT parameter"},
        {{"grade", Path("in.png"), Path("out.png"), "--film-type", "Technicolor"}, 1, "unknown film type"},
        {{"grade", Path("in.png"), Path("out.png"), "--film-type", "Infrarot", "--film-intensity", "2"}, 1, "bad value for --film-intensity"},
        {{"grade", Path("in.png"), Path("out.png"), "--film-type", "Infrarot", "--film-position", "middle"}, 1, "(pre, post)"},
        {{"grade", Path("in.png"), Path("out.png"), "--film-grain", "0.5"}, 1, "needs --film-type"},
    };
    for (const SCase& c : cases)
    {
        const SCliRun run = RunCli(c.args);
        EXPECT_EQ(run.code, c.code) << c.args.join(' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(Path("out.png")));
    }
}

TEST_F(CliGrade, PresetsListsTheShippedLooksAndGradeFindsThemByName)
{
    const CTempHome home;
    const SCliRun list = RunCli({"presets"});
    ASSERT_EQ(list.code, 0) << list.err.toStdString();
    const QStringList lines = list.out.trimmed().split('\n');
    EXPECT_GE(lines.size(), 30);
    EXPECT_TRUE(lines.contains(QString::fromUtf8("vantropepp_v2_07_negativtraum.ini\tsurreal\tNegativtraum\tok")));
    for (const QString& line : lines)
        EXPECT_TRUE(line.startsWith("vantropepp_v2_") && line.endsWith("\tok")) << line.toStdString();

    SCliRun run = RunCli({"grade", Path("in.png"), Path("by_name.png"), "--preset", "Negativtraum"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    run = RunCli({"grade", Path("in.png"), Path("by_file.png"), "--preset", "vantropepp_v2_07_negativtraum.ini"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(Load("by_name.png"), Load("by_file.png"));
    EXPECT_NE(Load("by_name.png"), m_input);

    run = RunCli({"grade", Path("in.png"), Path("none.png"), "--preset", "Gibt es nicht"});
    EXPECT_EQ(run.code, 1);
    EXPECT_TRUE(run.err.contains("Gibt es nicht kann nicht gelesen werden")) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(Path("none.png")));
}

TEST_F(CliGrade, ContactSheetShowsEveryPresetInAGrid)
{
    const CTempHome home;
    const int presets = RunCli({"presets"}).out.trimmed().split('\n').size();
    const SCliRun run = RunCli({"presets", "contact-sheet", Path("in.png"), Path("sheet.png")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    Helper::CRGB48Buffer sheet;
    QString error;
    ASSERT_TRUE(StillImage::Load(Path("sheet.png"), sheet, error)) << error.toStdString();
    // The 40 × 33 picture is never enlarged; six 240-pixel cells a row, 6-pixel gaps and a
    // 14-pixel label under each thumbnail.
    EXPECT_EQ(sheet.Width(), 6 + 6 * (240 + 6));
    EXPECT_EQ(sheet.Height(), 6 + (presets + 5) / 6 * (33 + 14 + 6));
    // The first label, "1 …": the digit's stem is white in the label row below the first cell.
    const uint16_t* stem = sheet.GetData() + (size_t(6 + 33 + 4 + 3) * sheet.Width() + 6 + 2) * 3;
    EXPECT_EQ(stem[0], 65535);
    EXPECT_EQ(RunCli({"presets", "contact-sheet", Path("nothere.png"), Path("none.png")}).code, 1);
    EXPECT_FALSE(QFile::exists(Path("none.png")));
}

TEST_F(CliGrade, EveryOperatorOfAFamilyGradesAStill)
{
    // The operators of a family one after another, each at its defaults.
    const std::pair<const char*, int> families[] = {{"color", 57}, {"enhance", 40}, {"exposure", 57}};
    const QStringList catalogue = RunCli({"operators"}).out.trimmed().split('\n');
    for (const auto& [family, count] : families)
    {
        QStringList args = {"grade", Path("in.png"), Path("all.png")};
        int listed = 0;
        for (const QString& line : catalogue)
            if (line.section('\t', 1, 1) == QLatin1String(family))
                args << "--operator" << line.section('\t', 0, 0), ++listed;
        EXPECT_EQ(listed, count) << family;
        const SCliRun run = RunCli(args);
        ASSERT_EQ(run.code, 0) << family << ": " << run.err.toStdString();
        EXPECT_NE(Load("all.png"), m_input) << family;
        QFile::remove(Path("all.png"));
    }
}
