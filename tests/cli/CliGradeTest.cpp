// vantrope-cli operators, presets and grade on stills end to end: the catalogue listing, a preset
// + film type + LUT grade, operators in their order, a layer file, the shipped presets and their
// contact sheet, and the refusals (one line on standard error, nothing written).
#include "tests/cli/CliRun.h"
#include "lut/CubeFile.h"
#include "lut/LutLattice.h"
#include "tests/support/SyntheticImages.h"

namespace
{
class CliGrade : public CCliTest
{
protected:
    void SetUp() override
    {
        SaveImage("in.png", m_input, 40, 33);
        Write("negative.ini", "[General]\nDisplayName=Neg\nCategory=user\n"
                              "[Operator_000000]\nKernel=MP_calcPixelNegative\nbActive=true\n"
                              "[Operator_000000/Parameter_0]\neType=5\npfValues\\size=2\npfValues\\2\\uiValue=100000\n");
        std::vector<float> identity(5 * 5 * 5 * 3);
        LutLattice::WriteIdentity(identity.data(), 5);
        Write("id.cube", CubeFile::Format(identity.data(), 5, "identity"));
    }

    const std::vector<uint16_t> m_input = TestImages::Noise(40, 33, 4);
};
}  // namespace

TEST_F(CliGrade, OperatorsListsTheCatalogue)
{
    const SCliRun run = RunCli({"operators"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QStringList lines = run.out.trimmed().split('\n');
    // One line per catalogue entry.
    EXPECT_EQ(lines.size(), FileBytes(VANTROPE_SOURCE_DIR "/resources/operators/PPOperators.xml").count("<operator "));
    EXPECT_TRUE(lines.contains(QString::fromUtf8("MP_calcPixelColorBalance\tcolor\tColour balance")));
    EXPECT_TRUE(lines.contains(QString::fromUtf8("MP_calcPixelMaskMidtones\tmask\tMask - Midtones")));
    for (const QString& line : lines)
        EXPECT_EQ(line.count('\t'), 2) << line.toStdString();
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

TEST_F(CliGrade, LayerFileRecoloursAStill)
{
    // Left half pure red, right half pure blue; the layer moves the default red selection to green.
    std::vector<uint16_t> image;
    for (int i = 0; i < 32 * 16; ++i)
        image.insert(image.end(), {uint16_t(i % 32 < 16 ? 65535 : 0), 0, uint16_t(i % 32 < 16 ? 0 : 65535)});
    SaveImage("halves.png", image, 32, 16);
    Write("green.cml", "[General]\nVersionMajor=1\nVersionMinor=0\nLayer=1\n[Layer0]\nm_bActive=true\nm_fDstHue=0.33333333\n");
    const SCliRun run = RunCli({"grade", Path("halves.png"), Path("out.png"), "--layers", Path("green.cml")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const std::vector<uint16_t> out = Load("out.png");
    // Red became green (the layer's destination saturation 0.9 keeps a little red and blue).
    EXPECT_GT(out[1], 60000);
    EXPECT_LT(out[0], 7000);
    // Blue is outside the selection and stays as it was.
    EXPECT_EQ(std::vector<uint16_t>(out.begin() + 20 * 3, out.begin() + 21 * 3), (std::vector<uint16_t>{0, 0, 65535}));
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
    Write("future.cml", "[General]\nVersionMajor=2\nLayer=1\n[Layer0]\nm_bActive=true\n");
    const QString neg = "MP_calcPixelNegative";
    const struct
    {
        QStringList args; // after "grade IN OUT.png"
        int code;
        QString message;
    } cases[] = {
        {{"--preset", Path("missing.ini")}, 1, "MP_calcPixelWarpDrive"},
        {{"--preset", Path("nothere.ini")}, 1, "cannot be read"},
        {{"--preset", Path("nokernel.ini")}, 1, "lacks the Kernel entry of group Operator_000000"},
        {{"--preset", Path("junk.ini")}, 1, "is not a preset"},
        {{"--preset", Path("huge.ini")}, 1, QString("is too large for a preset (at most 16777216)")},
        {{"--preset", Path("many.ini")}, 1, "has 100001 operators; a preset has at most 4096"},
        {{"--preset", "Gibt es nicht"}, 1, "Gibt es nicht cannot be read"},
        {{"--layers", Path("huge.cml")}, 1, QString("is too large for a layer file (at most 1048576)")},
        {{"--layers", Path("future.cml")}, 1, "The file " + Path("future.cml") + " is not a version 1 layer file."},
        {{"--layers", Path("missing.cml")}, 1, "The file " + Path("missing.cml") + " cannot be read."},
        {{"--layers"}, 2, "needs a value"},
        {{"--operator", "MP_calcPixelWarpDrive"}, 1, "unknown operator"},
        {{"--set", "0=1"}, 1, "--set needs an --operator before it"},
        {{"--operator", neg, "--set", "2=1"}, 1, "bad --set '2=1'"},
        {{"--operator", neg, "--set", "0=1,2,3"}, 1, "holds 2 values"},
        {{"--lut-param", "saturation=0"}, 1, "need --lut"},
        {{"--lut", Path("id.cube"), "--lut-mode", "49"}, 1, "bad layer mode"},
        {{"--lut", Path("id.cube"), "--lut-param", "warmth=1"}, 1, "bad LUT parameter"},
        {{"--film-type", "Technicolor"}, 1, "unknown film type"},
        {{"--film-type", "Infrarot", "--film-intensity", "2"}, 1, "bad value for --film-intensity"},
        {{"--film-type", "Infrarot", "--film-position", "middle"}, 1, "(pre, post)"},
        {{"--film-grain", "0.5"}, 1, "needs --film-type"},
    };
    for (const auto& c : cases)
        ExpectRefusal(QStringList{"grade", Path("in.png"), Path("out.png")} + c.args, c.code, c.message);
    ExpectRefusal({"grade", Path("in.png")}, 2, "grade needs IN OUT");
    ExpectRefusal({"grade", Path("in.png"), Path("out.xyz")}, 2, "unknown image extension");
    ExpectRefusal({"grade", Path("nothere.png"), Path("out.png")}, 1, "cannot read image");
}

TEST_F(CliGrade, PresetsAreFoundByNameAndShownOnAContactSheet)
{
    const SCliRun list = RunCli({"presets"});
    ASSERT_EQ(list.code, 0) << list.err.toStdString();
    const QStringList lines = list.out.trimmed().split('\n');
    EXPECT_GE(lines.size(), 30);
    EXPECT_TRUE(lines.contains(QString::fromUtf8("vantropepp_v2_07_negativtraum.ini\tsurreal\tNegative dream\tok")));
    for (const QString& line : lines)
        EXPECT_TRUE(line.startsWith("vantropepp_v2_") && line.endsWith("\tok")) << line.toStdString();

    ASSERT_EQ(RunCli({"grade", Path("in.png"), Path("by_name.png"), "--preset", "Negativtraum"}).code, 0);
    ASSERT_EQ(RunCli({"grade", Path("in.png"), Path("by_file.png"), "--preset", "vantropepp_v2_07_negativtraum.ini"}).code, 0);
    EXPECT_EQ(Load("by_name.png"), Load("by_file.png"));
    EXPECT_NE(Load("by_name.png"), m_input);

    const SCliRun run = RunCli({"presets", "contact-sheet", Path("in.png"), Path("sheet.png")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    QSize size;
    const std::vector<uint16_t> sheet = Load("sheet.png", &size);
    // The 40 × 33 picture is never enlarged; six 240-pixel cells a row, 6-pixel gaps and a
    // 14-pixel label under each thumbnail.
    EXPECT_EQ(size, QSize(6 + 6 * (240 + 6), 6 + (int(lines.size()) + 5) / 6 * (33 + 14 + 6)));
    // The first label, "1 …": the digit's stem is white in the label row below the first cell.
    EXPECT_EQ(sheet[(size_t(6 + 33 + 4 + 3) * size.width() + 6 + 2) * 3], 65535);
    ExpectRefusal({"presets", "contact-sheet", Path("nothere.png"), Path("none.png")}, 1, "nothere.png");
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
