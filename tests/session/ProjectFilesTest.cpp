// Project files: the whole grade saved and read back value by value, the naming and version
// rules with their messages, undo levels in the data folder, and the storage faults — a full
// disk at every step, an interrupted swap, links where folders belong, hostile key values.
#include "core/FileTree.h"
#include "core/IniSource.h"
#include "core/StillImage.h"
#include "engine/LayerModes.h"
#include "engine/OperatorFilter.h"
#include "session/LutPanelModel.h"
#include "session/ProjectComponents.h"
#include "session/ProjectModel.h"
#include "session/ProjectStore.h"
#include "session/ProjectTransaction.h"
#include "session/UndoStore.h"
#include "tests/session/SessionTestUtil.h"
#include "tests/support/InvariantCheck.h"
#include "tests/support/SmallDisk.h"

#include <QProcess>

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace
{
using SessionTest::ReadFile;
constexpr auto& WriteText = SessionTest::WriteFile;

// A grading session with the project components of the window.
struct SWorkspace
{
    std::unique_ptr<CGradingSession> session = std::make_unique<CGradingSession>();
    CLutPanelModel lutPanel{session->Lut()};
    COperatorFilter filter;
    CProjectComponents parts{*session, lutPanel, &filter};
};

// The host a model test needs: counts the resets.
class CHost : public IProjectHost
{
public:
    ProjectFile::SHeader CurrentHeader() override { return {}; }
    void ResetForProject() override { ++resets; }
    void OpenProjectDocument(const ProjectFile::SHeader&) override {}
    QString ProposedProjectPath() override { return "/nowhere/MyProject"; }
    void RememberDialogFolder(const QString&) override {}
    void ProjectStateChanged() override {}
    int resets = 0;
};

class ProjectFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MP_UI_SetLogging(false);
        ASSERT_TRUE(m_a.session->FilmTypes().Load(SessionTest::kFilmTypes));
        ASSERT_TRUE(m_b.session->FilmTypes().Load(SessionTest::kFilmTypes));
        const std::vector<uint16_t> pixels = TestImages::Ramp(8, 6);
        QString error;
        ASSERT_TRUE(StillImage::Save(Picture(), pixels.data(), 8, 6, error)) << error.toStdString();
        m_a.parts.Series().SetPicture(Picture(), QSize(8, 6), QSize(8, 6), pixels.data());
    }
    QString Picture() const { return m_dir.filePath("picture.png"); }
    QString Project(const char* name = "shot") const { return m_dir.filePath(QString(name) + ".vantropeProject"); }
    bool Save(const QString& project) { return ProjectStore::Write(project, {}, m_a.parts.Registry()).bOk; }
    // Opens `project` and loads it into the second workspace.
    ProjectStore::EOpen Load(const QString& project)
    {
        const ProjectStore::EOpen result = ProjectStore::Open(project, m_opened);
        if (m_opened)
            m_b.parts.Registry().LoadAll(m_opened->Settings(), m_opened->DataFolder());
        return result;
    }

    // A grade touching every part a project keeps.
    void Grade(SWorkspace& w, int lutSize)
    {
        CGradingSession& s = *w.session;
        CPostProcessing::SOperator negative = SessionTest::Operator("MP_calcPixelNegative");
        negative.bActive = false;
        CPostProcessing::SOperator mask = SessionTest::Operator("MP_calcPixelMaskLuminance");
        for (size_t j = 0; j < mask.aParams.size(); ++j)
            if (mask.aParams[j].eType == CPostProcessing::eSLIDER)
                mask.aParams[j].afValues[0] = 0.25f + 0.125f * float(j); // thousandths survive exactly
        s.Chain().Operators() = {negative, mask};
        s.FilmTypes().SetIndex(s.FilmTypes().FindByName("Schwarzweiß weich"));
        s.FilmTypes().SetIntensity(0.6f);
        s.FilmTypes().SetGraining(0.2f);
        s.FilmTypes().SetPosition(CFilmTypeModel::ePRE);
        w.filter.SetChecked(2, false);
        s.Lut().CreateIdentity(lutSize, QStringLiteral("Nacht über Köln"));
        s.Lut().Source().Data()[5] = 0.123456f; // not the identity any more: the lattice itself travels
        s.Lut().SetParameter(eLP_INTENSITY, 0.25f);
        s.Lut().SetParameter(eLP_PROTECT_SKY, 0.75f);
        s.Lut().SetLayerMode(LayerModes::List()[2].iMode);
        s.Lut().SetActive(false);
        s.Lut().SetChosenSizeButtons(true, false, false);
        w.lutPanel.SetExpanded(eLPG_PROTECT, true);
        ColorModule::CColorControls& layers = s.ColourLayers().Controls();
        ASSERT_TRUE(layers.AddLayer());
        ASSERT_TRUE(layers.AddLayer());
        SColorLayerData& d = layers.Layer(1).Data();
        d.SetSourceFromColour(0.f, 0.f, 1.f);
        d.m_bActive = true;
        d.m_fDstHue = 0.3f;
        d.m_pntSrcImagePosRel = QPointF(0.25, 0.5);
    }

    CTempHome m_home;
    QTemporaryDir m_dir;
    SWorkspace m_a, m_b;
    std::unique_ptr<ProjectStore::COpened> m_opened;
};
}  // namespace

TEST_F(ProjectFiles, WholeGradeAndHistoryComeBackValueByValue)
{
    Grade(m_a, 3);
    // Two undo points made from each other, one with a note.
    CUndoStore undoA(m_dir.filePath("userA")), undoB(m_dir.filePath("userB"));
    const auto snapshot = [&](const QString& file) { return Save(file); };
    const std::vector<uint16_t> picture = TestImages::Ramp(40, 30);
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(undoA.SavePoint(snapshot, picture.data(), QSize(40, 30), 1920, 0x203040));
    ASSERT_TRUE(undoA.SetNote(0, QStringLiteral("vor dem Kontrast")));

    ProjectFile::SHeader header;
    header.bVideoIsLoaded = true;
    header.sVideoFilePath = m_dir.filePath("clip.mp4");
    const auto copyUndo = [&](const QString& data) { return undoA.CopyTo(data); };
    ASSERT_TRUE(ProjectStore::Write(Project(), header, m_a.parts.Registry(), copyUndo).bOk);
    ASSERT_EQ(Load(Project()), ProjectStore::EOpen::eOk);
    undoB.RestoreFrom(m_opened->DataFolder());

    EXPECT_EQ(std::tuple(m_opened->Header().iVersion, m_opened->Header().iSaveMode, m_opened->Header().bVideoIsLoaded),
              std::tuple(200, 8, true));
    EXPECT_EQ(m_opened->Header().sVideoFilePath, m_dir.filePath("clip.mp4"));

    const auto& opsA = m_a.session->Chain().Operators();
    const auto& opsB = m_b.session->Chain().Operators();
    ASSERT_EQ(opsB.size(), opsA.size());
    for (int i = 0; i < opsA.size(); ++i)
    {
        EXPECT_EQ(opsB[i].Kernel, opsA[i].Kernel);
        EXPECT_EQ(opsB[i].bActive, opsA[i].bActive);
        ASSERT_EQ(opsB[i].aParams.size(), opsA[i].aParams.size());
        for (size_t j = 0; j < opsA[i].aParams.size(); ++j)
            for (int k = 0; k < MP_PARAM_VALUES; ++k)
                ASSERT_NEAR(opsB[i].aParams[j].afValues[k], opsA[i].aParams[j].afValues[k], 1e-6) << i << "/" << j << "/" << k;
    }
    const CFilmTypeModel& filmB = m_b.session->FilmTypes();
    EXPECT_EQ(filmB.Index(), m_a.session->FilmTypes().Index());
    EXPECT_FLOAT_EQ(filmB.Intensity(), 0.6f);
    EXPECT_FLOAT_EQ(filmB.Graining(), 0.2f);
    EXPECT_EQ(filmB.Position(), CFilmTypeModel::ePRE);
    EXPECT_FALSE(m_b.filter.IsChecked(2));
    EXPECT_TRUE(m_b.filter.IsChecked(3));

    const CLutState& lutB = m_b.session->Lut();
    EXPECT_EQ(lutB.Size(), 3);
    EXPECT_EQ(lutB.Title(), QStringLiteral("Nacht über Köln"));
    for (int i = 0; i < 3 * 3 * 3 * 3; ++i)
        ASSERT_NEAR(lutB.Source().Data()[i], m_a.session->Lut().Source().Data()[i], 1e-6) << i;
    for (int i = 0; i < eLP_COUNT; ++i)
        EXPECT_FLOAT_EQ(lutB.Parameters()[i], m_a.session->Lut().Parameters()[i]) << i;
    EXPECT_EQ(lutB.LayerMode(), LayerModes::List()[2].iMode);
    EXPECT_FALSE(lutB.IsActive());
    EXPECT_EQ(lutB.ChosenSize(), 25);
    EXPECT_TRUE(m_b.lutPanel.IsExpanded(eLPG_PROTECT));

    const ColorModule::CColorControls& layersB = m_b.session->ColourLayers().Controls();
    ASSERT_EQ(layersB.Count(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(layersB.Layer(i).Data() == m_a.session->ColourLayers().Controls().Layer(i).Data()) << i;

    EXPECT_EQ(m_b.parts.Series().SourcePath(), Picture());
    EXPECT_EQ(m_b.parts.Series().Size(), QSize(8, 6));
    EXPECT_EQ(m_b.parts.Series().FileState(0), CExposureSeries::EFileState::eUnchanged);

    ASSERT_EQ(undoB.Entries().size(), 2u);
    EXPECT_EQ(undoB.Entries()[0].sLabel, QStringLiteral("vor dem Kontrast"));
    EXPECT_EQ(undoB.Entries()[1].iParent, 0);
    EXPECT_EQ(undoB.Entries()[1].thumbnail, undoA.Entries()[1].thumbnail);
    EXPECT_EQ(undoB.Current(), 1);

    // The picture changed since: the project says so.
    ASSERT_TRUE(WriteText(Picture(), ReadFile(Picture()) + "x"));
    ASSERT_EQ(Load(Project()), ProjectStore::EOpen::eOk);
    EXPECT_EQ(m_b.parts.Series().FileState(0), CExposureSeries::EFileState::eChanged);
}

TEST_F(ProjectFiles, RegistryWalksInOrderWithItsFlagsAndReportsFailures)
{
    struct CProbe : IProject
    {
        CProbe(CProjectRegistry& r, QStringList& log, QString name) : m_log(log), m_name(name), m_registry(r)
        {
            r.Add(this);
        }
        void SaveProject(QSettings&, const QString&) override
        {
            m_log << m_name + (m_registry.IsSaving() ? " saving" : "");
            if (m_name == "second")
                ReportSaveFailure(m_name);
        }
        void LoadProject(QSettings&, const QString&) override { m_log << m_name + (m_registry.IsLoading() ? " loading" : ""); }
        QStringList& m_log;
        QString m_name;
        CProjectRegistry& m_registry;
    };
    CProjectRegistry registry;
    QStringList log;
    CProbe first(registry, log, "first"), second(registry, log, "second");
    registry.Add(&first); // already there: stays first
    QSettings settings(m_dir.filePath("probe.ini"), QSettings::IniFormat);
    EXPECT_FALSE(registry.SaveAll(settings, m_dir.path()));
    EXPECT_EQ(registry.Failures(), QStringList{"second"});
    registry.LoadAll(settings, m_dir.path());
    EXPECT_EQ(log, (QStringList{"first saving", "second saving", "first loading", "second loading"}));
    EXPECT_FALSE(registry.IsSaving() || registry.IsLoading());
}

TEST_F(ProjectFiles, NamesVersionsAndMessages)
{
    CHost host;
    CScriptedPrompt prompt;
    CProjectModel model(m_a.parts.Registry(), host, prompt);
    const std::array<const char*, 3> names[] = {
        {"shot", "shot.vantropeProject", "shot.vantropedata"},
        {"shot.vantropeProject", "shot.vantropeProject", "shot.vantropedata"},
        {"take.v2", "take.v2.vantropeProject", "take.v2.vantropedata"},
        {"CAPS.VANTROPEPROJECT", "CAPS.VANTROPEPROJECT.vantropeProject", "CAPS.VANTROPEPROJECT.vantropedata"},
    };
    for (const auto& [chosen, file, data] : names)
    {
        prompt.QueueText(m_dir.filePath(chosen));
        ASSERT_TRUE(model.SaveAs()) << chosen;
        EXPECT_EQ(model.Path(), m_dir.filePath(file));
        EXPECT_TRUE(QFileInfo(m_dir.filePath(file)).isFile()) << file;
        EXPECT_TRUE(Helper::IsRealFolder(m_dir.filePath(data))) << data;
        EXPECT_FALSE(model.IsUnsaved());
    }

    // Versions: up to 200 (or none) load; above, or unreadable, are refused before anything changes.
    const QString project = m_dir.filePath("shot.vantropeProject");
    const QByteArray saved = ReadFile(project);
    // A null version removes the key.
    const struct { const char* version; bool removeData; const char* message; } versions[] = {
        {"200", false, nullptr},
        {nullptr, false, nullptr},
        {"201", false, "warning|Warnung|Projektdateien sind nicht kompatibel."},
        {"abc", false, "warning|Warnung|Projektdateien sind nicht kompatibel."},
        {"201", true, "warning|Warnung|Projektdateien unvollständig."}, // incomplete is said first
    };
    for (const auto& v : versions)
    {
        QByteArray text = saved;
        text.replace("Version=200", v.version ? QByteArray("Version=") + v.version : QByteArray());
        ASSERT_TRUE(WriteText(project, text));
        if (v.removeData)
            Helper::RemoveTree(ProjectFile::DataFolder(project));
        const int resets = host.resets;
        const int logged = int(prompt.Log().size());
        EXPECT_EQ(model.Load(project), v.message == nullptr) << (v.version ? v.version : "none");
        if (v.message)
        {
            ASSERT_EQ(prompt.Log().size(), logged + 1);
            EXPECT_EQ(prompt.Log().last(), QString::fromUtf8(v.message));
            EXPECT_EQ(host.resets, resets); // nothing loaded half-way
            EXPECT_TRUE(model.Path().isEmpty());
        }
        else
            EXPECT_EQ(model.Path(), project);
    }

    // A file error names what could not be written; the example projects are never written.
    prompt.QueueText(m_dir.filePath("missing-folder/x"));
    EXPECT_FALSE(model.SaveAs());
    EXPECT_EQ(prompt.Log().last(), QStringLiteral("warning|Projekt speichern|Dateifehler: %1 konnte nicht erstellt werden")
                                       .arg(m_dir.filePath("missing-folder/x.vantropeProject")));
    prompt.QueueText(ProjectFile::ExamplePath(2));
    EXPECT_FALSE(model.SaveAs());
    EXPECT_EQ(prompt.Log().last(), QStringLiteral("information|Projekt überschreiben nicht nöglich|"
                                                  "Beispielprojekte können nicht überschrieben werden."));
}

TEST_F(ProjectFiles, AskToSaveFollowsTheOptionAndTheExampleMark)
{
    CHost host;
    CScriptedPrompt prompt;
    CProjectModel model(m_a.parts.Registry(), host, prompt);
    EXPECT_TRUE(model.ConfirmDiscard()); // nothing unsaved: no question
    model.MarkChanged();
    for (const auto answer : {IUserPrompt::eCancel, IUserPrompt::eNo, IUserPrompt::eYes})
        prompt.ExpectQuestion("Projekt nicht gespeichert. Speichern?", answer);
    prompt.QueueText(QString()); // the save dialog is cancelled: the state may not go
    EXPECT_FALSE(model.ConfirmDiscard());
    EXPECT_TRUE(model.ConfirmDiscard());
    EXPECT_FALSE(model.ConfirmDiscard());

    SProgramOptions options;
    options.bAutoSafe = false;
    model.SetOptions(options);
    EXPECT_EQ(model.AskToSave(true), 0);
    EXPECT_EQ(prompt.Unanswered(), 0);
}

TEST_F(ProjectFiles, SavingAgainWithFewerUndoLevelsLeavesNoStaleLevel)
{
    CHost host;
    CScriptedPrompt prompt;
    CUndoStore undo(m_dir.filePath("user"));
    CProjectModel model(m_a.parts.Registry(), host, prompt);
    SProgramOptions options;
    options.bUndoSave = true;
    model.SetOptions(options);
    model.SetUndoStore(&undo);
    const auto snapshot = [&](const QString& file) { return model.WriteSnapshot(file); };
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(undo.SavePoint(snapshot, nullptr, QSize(), 1920, 0));
    prompt.QueueText(Project());
    ASSERT_TRUE(model.SaveAs());
    const QString data = ProjectFile::DataFolder(Project());
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(QFileInfo(data + QStringLiteral("/temp%1/undo.vantropeProject").arg(i)).isFile()) << i;
    EXPECT_EQ(QSettings(data + "/timeline.ini", QSettings::IniFormat).value("undolevel").toInt(), 2);

    ASSERT_TRUE(undo.Delete(2));
    ASSERT_TRUE(undo.Delete(1));
    model.MarkChanged();
    ASSERT_TRUE(model.Save());
    EXPECT_TRUE(QFileInfo(data + "/temp0").isDir());
    EXPECT_FALSE(QFileInfo::exists(data + "/temp1") || QFileInfo::exists(data + "/temp2"));
    const CIniSource fresh(data + "/timeline.ini", 4096, true);
    EXPECT_EQ(QSettings(fresh.Path(), QSettings::IniFormat).value("undolevel").toInt(), 0);
}

TEST_F(ProjectFiles, FullDiskAtEveryStepLeavesThePreviousProject)
{
    const QString mount = m_dir.filePath("disk");
    ASSERT_TRUE(QDir().mkpath(mount));
    const CSmallDisk disk(mount, "size=2m");
    if (!disk.IsMounted())
        GTEST_SKIP() << CSmallDisk::kSkipReason;
    const QString project = mount + "/shot.vantropeProject";
    Grade(m_a, 9);
    ASSERT_TRUE(Save(project));
    CInvariantCheck oldPair;
    oldPair.WatchFolder(mount);
    m_a.session->Lut().CreateIdentity(24, "neu"); // the new LUT's file alone needs a few hundred kilobytes

    // Leave 0, 4, 8, … KiB free until the save fits; every failure must leave the old pair
    // byte-identical and nothing beside it.
    int failures = 0;
    bool saved = false;
    for (qint64 free = 0; free <= 1024 * 1024 && !saved; free += (free < 64 * 1024 ? 4096 : 32 * 1024))
    {
        struct statvfs space;
        ASSERT_EQ(statvfs(QFile::encodeName(mount).constData(), &space), 0);
        const qint64 available = qint64(space.f_bavail) * qint64(space.f_frsize);
        const int fd = ::open(QFile::encodeName(mount + "/.filler").constData(), O_CREAT | O_WRONLY, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(posix_fallocate(fd, 0, std::max<qint64>(4096, available - free)), 0);
        ::close(fd);
        saved = Save(project);
        QFile::remove(mount + "/.filler");
        if (!saved)
        {
            ++failures;
            ASSERT_EQ(oldPair.Violations(), QStringList()) << "free " << free;
            ASSERT_EQ(ProjectStore::Open(project, m_opened), ProjectStore::EOpen::eOk);
        }
    }
    EXPECT_GT(failures, 3);
    ASSERT_TRUE(saved);
    ASSERT_EQ(Load(project), ProjectStore::EOpen::eOk);
    EXPECT_EQ(m_b.session->Lut().Size(), 24);
}

TEST_F(ProjectFiles, InterruptedSwapIsFinishedByTheNextReader)
{
    // The new pair as a committed save leaves it, at each point a crash can stop the swap.
    const QString newPair = m_dir.filePath("new");
    ASSERT_TRUE(QDir().mkpath(newPair));
    Grade(m_a, 4);
    ASSERT_TRUE(Save(newPair + "/shot.vantropeProject"));
    m_a.session->Lut().CreateIdentity(2, "alt");
    const QString commit = m_dir.filePath(".shot.vantropeProject.commit");
    const QString data = ProjectFile::DataFolder(Project());
    enum EStop
    {
        eBeforeMoving,
        eOldDataMoved,
        eNewDataMoved,
    };
    for (const EStop stop : {eBeforeMoving, eOldDataMoved, eNewDataMoved})
    {
        ASSERT_TRUE(Save(Project())); // the old pair
        ASSERT_TRUE(Helper::CopyTree(newPair, commit));
        if (stop != eBeforeMoving)
        {
            ASSERT_TRUE(QDir().rename(data, commit + "/old-data"));
        }
        if (stop == eNewDataMoved)
        {
            ASSERT_TRUE(QDir().rename(commit + "/shot.vantropedata", data));
        }

        ASSERT_EQ(Load(Project()), ProjectStore::EOpen::eOk) << stop;
        EXPECT_EQ(m_b.session->Lut().Size(), 4) << stop;
        EXPECT_EQ(ReadFile(Project()), ReadFile(newPair + "/shot.vantropeProject")) << stop;
        EXPECT_FALSE(QFileInfo::exists(commit)) << stop;
    }

    // A staging folder left by a process that ended is removed by the next save.
    QProcess gone;
    gone.start("true", {});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 pid = gone.processId();
    ASSERT_TRUE(gone.waitForFinished());
    const QString abandoned = m_dir.filePath(QStringLiteral(".shot.vantropeProject.saving-%1-AbCdEf").arg(pid));
    ASSERT_TRUE(QDir().mkpath(abandoned + "/shot.vantropedata"));
    ASSERT_TRUE(Save(Project()));
    EXPECT_FALSE(QFileInfo::exists(abandoned));
}

TEST_F(ProjectFiles, LinksInPlaceOfFoldersLeadNowhere)
{
    // Sentinel files outside the project, reached by a link where the data folder belongs.
    const QString outside = m_dir.filePath("outside");
    ASSERT_TRUE(WriteText(outside + "/lut.cube", "LUT_3D_SIZE 2\n0 0 0\n"));
    ASSERT_TRUE(WriteText(outside + "/keep.txt", "sentinel"));
    CInvariantCheck sentinels;
    sentinels.WatchFolder(outside);
    ASSERT_TRUE(Save(Project()));
    const QString data = ProjectFile::DataFolder(Project());
    ASSERT_TRUE(Helper::RemoveTree(data));
    ASSERT_TRUE(QFile::link(outside, data));
    EXPECT_EQ(ProjectStore::Open(Project(), m_opened), ProjectStore::EOpen::eIncomplete); // not read through

    ASSERT_TRUE(Save(Project()));
    EXPECT_TRUE(Helper::IsRealFolder(data));
    EXPECT_EQ(sentinels.Violations(), QStringList());

    // Files of the data folder that are links are not read either.
    m_a.session->Lut().CreateIdentity(3, "drei");
    ASSERT_TRUE(Save(Project()));
    ASSERT_TRUE(QFile::remove(data + "/lut.cube"));
    ASSERT_TRUE(QFile::link(outside + "/lut.cube", data + "/lut.cube"));
    ASSERT_EQ(Load(Project()), ProjectStore::EOpen::eOk);
    EXPECT_EQ(m_b.session->Lut().Size(), 0);
    EXPECT_EQ(sentinels.Violations(), QStringList());
}

TEST_F(ProjectFiles, HostileValuesLoadBounded)
{
    ASSERT_TRUE(Save(Project()));
    const QByteArray saved = ReadFile(Project());
    // Huge counts and sides, infinite factors and variant junk are in the project fuzz target's
    // seeds, which its replay test reads with the same bounds.
    const std::pair<const char*, const char*> mutations[] = {
        {"Size=1", "Size=-1"},
        {"ScalingFactor=1", "ScalingFactor=nan"},
        {"FilePath=", "FilePath=../../elsewhere/x.png\nFilePathOld="},
        {"FilmTyp=0", "FilmTyp=-7"},
        {"SaveMode=8", "SaveMode=-7"},
    };
    for (const auto& [from, to] : mutations)
    {
        QByteArray text = saved;
        ASSERT_TRUE(text.contains(from)) << from;
        ASSERT_TRUE(WriteText(Project(), text.replace(from, to)));
        ASSERT_EQ(Load(Project()), ProjectStore::EOpen::eOk) << to;
        const CExposureSeries& series = m_b.parts.Series();
        EXPECT_LE(series.Pictures().size(), 1u) << to;
        EXPECT_LE(series.Size().width(), CExposureSeries::kMaxSide) << to;
        EXPECT_TRUE(series.ScalingFactor() >= 0.0 && series.ScalingFactor() <= 1.0) << to;
        EXPECT_LE(m_b.session->ColourLayers().Controls().Count(), 6) << to;
        EXPECT_TRUE(series.Pictures().empty() || QFileInfo(series.SourcePath()).isAbsolute()) << to;
    }
}
