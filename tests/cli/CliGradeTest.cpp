// vantrope-cli operators and grade end to end: the catalogue listing, a preset + film type + LUT
// grade of a still, and the refusals (one line on standard error, nothing written).
#include "tests/cli/CliRun.h"
#include "core/StillImage.h"
#include "lut/CubeFile.h"
#include "lut/LutLattice.h"
#include "tests/support/SyntheticImages.h"

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

TEST_F(CliGrade, RefusalsWriteNothing)
{
    Write("missing.ini", "[Operator_000000]\nKernel=MP_calcPixelWarpDrive\n");
    struct SCase
    {
        QStringList args;
        int code;
        const char* message;
    };
    const SCase cases[] = {
        {{"grade", Path("in.png")}, 2, "needs an input and an output"},
        {{"grade", Path("in.png"), Path("out.xyz")}, 2, "unknown image extension"},
        {{"grade", Path("in.png"), Path("out.png"), "--preset", Path("missing.ini")}, 1, "MP_calcPixelWarpDrive"},
        {{"grade", Path("in.png"), Path("out.png"), "--preset", Path("nothere.ini")}, 1, "cannot read preset"},
        {{"grade", Path("nothere.png"), Path("out.png")}, 1, "cannot read image"},
        {{"grade", Path("in.png"), Path("out.png"), "--lut-param", "saturation=0"}, 1, "need --lut"},
        {{"grade", Path("in.png"), Path("out.png"), "--lut", Path("id.cube"), "--lut-mode", "49"}, 1, "bad layer mode"},
        {{"grade", Path("in.png"), Path("out.png"), "--lut", Path("id.cube"), "--lut-param", "warmth=1"}, 1, "bad LUT parameter"},
        {{"grade", Path("in.png"), Path("out.png"), "--film-type", "Technicolor"}, 1, "unknown film type"},
        {{"grade", Path("in.png"), Path("out.png"), "--film-type", "Infrarot", "--film-intensity", "2"}, 1, "bad value for --film-intensity"},
        {{"grade", Path("in.png"), Path("out.png"), "--film-type", "Infrarot", "--film-position", "middle"}, 1, "pre or post"},
        {{"grade", Path("in.png"), Path("out.png"), "--film-grain", "0.5"}, 1, "needs --film-type"},
        {{"grade", Path("in.png"), Path("out.png"), "--frobnicate", "1"}, 2, "unknown option"},
        {{"grade", Path("in.png"), Path("out.png"), "--set", "0=1"}, 2, "needs an --operator before it"},
        {{"grade", Path("in.png"), Path("out.png"), "--operator", "MP_calcPixelWarpDrive"}, 1, "unknown operator 'MP_calcPixelWarpDrive'"},
        {{"grade", Path("in.png"), Path("out.png"), "--operator", "MP_calcPixelHueShift", "--set", "8=0.5"}, 1, "INDEX from 0 to 7"},
        {{"grade", Path("in.png"), Path("out.png"), "--operator", "MP_calcPixelHueShift", "--set", "0=0.5,0.5"}, 1, "holds 1 values"},
        {{"grade", Path("in.png"), Path("out.png"), "--operator", "MP_calcPixelHueShift", "--set", "0=-1"}, 1, "bad value '-1'"},
    };
    for (const SCase& c : cases)
    {
        const SCliRun run = RunCli(c.args);
        EXPECT_EQ(run.code, c.code) << c.args.join(' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(Path("out.png")));
    }
}

TEST_F(CliGrade, OperatorOptionsBuildTheChain)
{
    // The channel mixer with red taken from blue alone.
    SCliRun run = RunCli({"grade", Path("in.png"), Path("swap.png"), "--operator", "MP_calcPixelColorExchange", "--set", "0=0.5",
                          "--set", "2=0.75"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const std::vector<uint16_t> swapped = Load("swap.png");
    ASSERT_EQ(swapped.size(), m_input.size());
    for (size_t i = 0; i < m_input.size(); i += 3)
    {
        ASSERT_LE(std::abs(int(swapped[i]) - int(m_input[i + 2])), 1) << i;
        ASSERT_LE(std::abs(int(swapped[i + 1]) - int(m_input[i + 1])), 1) << i;
    }

    // Every colour operator of the catalogue, one after another at its defaults, grades the still.
    QStringList args = {"grade", Path("in.png"), Path("all.png")};
    int colour = 0;
    for (const QString& line : RunCli({"operators"}).out.trimmed().split('\n'))
        if (line.section('\t', 1, 1) == QLatin1String("color"))
            args << "--operator" << line.section('\t', 0, 0), ++colour;
    EXPECT_EQ(colour, 57);
    run = RunCli(args);
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_NE(Load("all.png"), m_input);
}
