// vantrope-cli project: a project written from a still and grade options carries that grade to
// "grade --project"; "project info" reports it; and a save killed at any moment leaves the old
// project or the new one, never a mix and nothing stray.
#include "tests/cli/CliRun.h"
#include "lut/CubeFile.h"
#include "lut/LutLattice.h"
#include "session/ProjectStore.h"
#include "tests/support/SyntheticImages.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QSettings>

#include <csignal>

namespace
{
class CliProject : public CCliTest
{
protected:
    void SetUp() override
    {
        SaveImage("in.png", TestImages::Noise(40, 33, 11), 40, 33);
        Write("negative.ini", "[General]\nDisplayName=Neg\nCategory=user\n"
                              "[Operator_000000]\nKernel=MP_calcPixelNegative\nbActive=true\n");
        std::vector<float> lattice(33 * 33 * 33 * 3);
        LutLattice::WriteIdentity(lattice.data(), 33);
        Write("warm.cube", CubeFile::Format(lattice.data(), 33, "warm"));
    }
    QStringList Grade() const
    {
        return {"--preset", Path("negative.ini"), "--lut", Path("warm.cube"), "--lut-param", "intensity=0.5",
                "--film-type", "sepia-abzug"};
    }
    // Relative path → digest of everything in a folder, hidden entries included.
    static QMap<QString, QByteArray> Digest(const QString& folder)
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
        {
            it.next();
            files.insert(QDir(folder).relativeFilePath(it.filePath()),
                         it.fileInfo().isDir() ? QByteArray("dir") : CInvariantCheck::Sha256(it.filePath()));
        }
        return files;
    }
};
}  // namespace

TEST_F(CliProject, ProjectCarriesTheGradeToTheExport)
{
    const SCliRun save = RunCli(QStringList{"project", "save", Path("shot"), "--image", Path("in.png")} + Grade());
    ASSERT_EQ(save.code, 0) << save.err.toStdString();
    EXPECT_EQ(save.out.trimmed(), Path("shot.vantropeProject"));

    const SCliRun info = RunCli({"project", "info", Path("shot.vantropeProject")});
    ASSERT_EQ(info.code, 0) << info.err.toStdString();
    const QStringList lines = info.out.split('\n');
    for (const QString& line : {QStringLiteral("Version: 200"), QStringLiteral("VideoIsLoaded: false"),
                                QStringLiteral("Picture 0: %1 40x33").arg(Path("in.png")),
                                QStringLiteral("Operators: 1 MP_calcPixelNegative"), QStringLiteral("LUT: 33 \"warm\""),
                                QStringLiteral("FilmType: 6 Sepia-Abzug")})
        EXPECT_TRUE(lines.contains(line)) << line.toStdString() << " in\n" << info.out.toStdString();

    // The project's grade gives the picture the options give.
    ASSERT_EQ(RunCli(QStringList{"grade", Path("in.png"), Path("direct.png")} + Grade()).code, 0);
    const SCliRun graded = RunCli({"grade", "--project", Path("shot.vantropeProject"), Path("project.png")});
    ASSERT_EQ(graded.code, 0) << graded.err.toStdString();
    EXPECT_EQ(CInvariantCheck::Sha256(Path("project.png")), CInvariantCheck::Sha256(Path("direct.png")));

    // Refusals: one line, exit code, nothing written.
    const struct
    {
        QStringList args;
        int code;
        const char* says;
    } refusals[] = {
        {{"grade", "--project", Path("shot.vantropeProject"), Path("x.png"), "--preset", Path("negative.ini")}, 2, "cannot be combined"},
        {{"project", "info", Path("none.vantropeProject")}, 1, "is missing"},
        {{"project", "save", Path("y"), "--image", Path("in.png"), "--clip", Path("in.png")}, 2, "one of --image"},
        {{"project", "save", Path("z")}, 2, "one of --image"},
        {{"project", "frobnicate"}, 2, "project needs one of: save, info"},
    };
    for (const auto& r : refusals)
        ExpectRefusal(r.args, r.code, r.says);
}

TEST_F(CliProject, AClipProjectKeepsTheVideoDocksExportSettings)
{
    ASSERT_TRUE(Ffmpeg({"-f", "lavfi", "-i", "testsrc=size=64x48:rate=10", "-t", "1", "-pix_fmt", "yuv420p", Path("in.mp4")}));
    ASSERT_EQ(RunCli({"project", "save", Path("clip"), "--clip", Path("in.mp4")}).code, 0);
    {
        QSettings project(Path("clip.vantropeProject"), QSettings::IniFormat);
        EXPECT_EQ(project.value("CVideoDockWidget/SrcDesc/m_strPath").toString(), Path("in.mp4"));
        // As the window would have saved it after the user chose a smaller size.
        project.setValue("CVideoDockWidget/DstDesc/m_iResolution", QSize(32, 24));
    }
    const SCliRun graded = RunCli({"grade", "--project", Path("clip.vantropeProject"), Path("out.mp4")});
    ASSERT_EQ(graded.code, 0) << graded.err.toStdString();
    const QString streams = Probe(Path("out.mp4"));
    EXPECT_TRUE(streams.contains("width=32\n") && streams.contains("height=24\n")) << streams.toStdString();

    // The project's frame blending gives the frames the options give; options still override it.
    {
        QSettings project(Path("clip.vantropeProject"), QSettings::IniFormat);
        project.setValue("PostProcessingDock/m_pFrameBlendCountComboBox", 3); // five frames
        project.setValue("PostProcessingDock/m_pFrameBlendModeComboBox", 1);  // the minimum
        project.setValue("PostProcessingDock/m_pCompareHalfCheckBox", true);
    }
    const QString project = Path("clip.vantropeProject");
    ASSERT_EQ(RunCli({"grade", "--project", project, Path("blended.mp4"), "--compare", "centre"}).code, 0);
    ASSERT_EQ(RunCli({"grade", Path("in.mp4"), Path("direct.mp4"), "--size", "32x24", "--blend", "5:2", "--compare", "centre"}).code, 0);
    const QByteArray blended = DecodedFrames(Path("blended.mp4"));
    EXPECT_NE(blended, DecodedFrames(Path("out.mp4")));
    EXPECT_EQ(blended, DecodedFrames(Path("direct.mp4")));
}

TEST_F(CliProject, KilledSavesLeaveTheOldProjectOrTheNew)
{
    // The two states a save moves between, written once each to learn their exact content.
    for (const char* folder : {"a", "b", "work"})
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(folder));
    const QStringList saveA{"project", "save", Path("a/p"), "--image", Path("in.png")};
    const QStringList saveB = QStringList{"project", "save", Path("b/p"), "--image", Path("in.png")} + Grade();
    ASSERT_EQ(RunCli(saveA).code, 0);
    ASSERT_EQ(RunCli(saveB).code, 0);
    const QMap<QString, QByteArray> a = Digest(Path("a")), b = Digest(Path("b"));
    ASSERT_NE(a, b);

    QStringList toWork = saveB;
    toWork[2] = Path("work/p");
    int olds = 0, news = 0;
    for (int trial = 0; trial < 16; ++trial)
    {
        // Back to the old project, then a save of the new one killed after a random time.
        QDir(Path("work")).removeRecursively();
        ASSERT_TRUE(QProcess::execute("cp", {"-a", Path("a"), Path("work")}) == 0);
        QProcess save;
        save.start(QStringLiteral(VANTROPE_BIN_DIR "/vantrope-cli"), toWork);
        ASSERT_TRUE(save.waitForStarted());
        QThread::msleep(300 + QRandomGenerator::global()->bounded(1500));
        ::kill(pid_t(save.processId()), SIGKILL);
        save.waitForFinished();

        // The next reader finishes or drops what the killed save left.
        std::unique_ptr<ProjectStore::COpened> opened;
        ASSERT_EQ(ProjectStore::Open(Path("work/p.vantropeProject"), opened), ProjectStore::EOpen::eOk) << trial;
        opened.reset();
        const QMap<QString, QByteArray> now = Digest(Path("work"));
        ASSERT_TRUE(now == a || now == b) << "trial " << trial << ": " << QStringList(now.keys()).join(", ").toStdString();
        (now == a ? olds : news) += 1;
    }
    std::printf("killed saves: %d left the old project, %d the new\n", olds, news);
}
