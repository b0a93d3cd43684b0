// vantrope-cli project: "project save" writes a project from a still or a clip and the grade
// options through the window's project writer (scripts and render farms build projects this
// way), "project info" prints a project's main keys and components, and "grade --project"
// exports a project's still or clip with its saved grade.
#include "cli/CliArguments.h"
#include "cli/CliPrompt.h"
#include "cli/GradeSetup.h"
#include "cli/Interrupt.h"
#include "cli/LutOptions.h"
#include "cli/VideoClip.h"
#include "core/IProject.h"
#include "core/StillImage.h"
#include "session/ExportFrameGrader.h"
#include "session/GradingSession.h"
#include "session/LutPanelModel.h"
#include "session/PresetsDockModel.h"
#include "session/PreviewModel.h"
#include "session/ProjectComponents.h"
#include "session/ProjectModel.h"
#include "session/ProjectStore.h"
#include "session/VideoDockModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <memory>

namespace
{
struct CliProject
{
    Q_DECLARE_TR_FUNCTIONS(CliProject)
};

/// A grading session with the project components the window has, minus the window.
class CCliProject : public IProjectHost
{
public:
    CCliProject()
        : m_session(std::make_unique<CGradingSession>()), m_lutPanel(m_session->Lut()), m_presetLibrary(m_prompt),
          m_presets(m_presetLibrary), m_parts(*m_session, m_lutPanel, nullptr, &m_presets),
          m_videoDock(m_movie, *m_session, QString())
    {
        // The presets dock's presets, as the window has them; without any the project has none.
        m_presetLibrary.LoadAll();
        // The video dock's clip and export settings after the presets, as the window lists them.
        m_videoDock.Register(m_parts.Registry());
    }

    CGradingSession& Session() { return *m_session; }
    CProjectComponents& Parts() { return m_parts; }
    CMovieHandling& Movie() { return m_movie; }
    CVideoDockModel& VideoDock() { return m_videoDock; }
    bool HasClip() const { return !m_sClip.isEmpty(); }
    const QString& Clip() const { return m_sClip; }
    void SetClip(const QString& clip) { m_sClip = clip; }

    ProjectFile::SHeader CurrentHeader() override
    {
        ProjectFile::SHeader header;
        header.bVideoIsLoaded = HasClip();
        header.sVideoFilePath = m_sClip;
        return header;
    }
    void ResetForProject() override { m_session->ResetGrade(); }
    void OpenProjectDocument(const ProjectFile::SHeader& header) override
    {
        m_sClip = header.bVideoIsLoaded ? header.sVideoFilePath : QString();
    }
    QString ProposedProjectPath() override { return {}; }
    void RememberDialogFolder(const QString&) override {}
    void ProjectStateChanged() override {}

private:
    std::unique_ptr<CGradingSession> m_session;
    CLutPanelModel m_lutPanel;
    CCliPrompt m_prompt;
    CPresetLibrary m_presetLibrary;
    CPresetsDockModel m_presets;
    CProjectComponents m_parts;
    CMovieHandling m_movie;
    CVideoDockModel m_videoDock;
    QString m_sClip;
};

/// Opens a project into `project`; false with the reason in `args` when it cannot be read.
bool OpenInto(CCliArguments& args, const QString& path, CCliProject& project,
              std::unique_ptr<ProjectStore::COpened>& opened)
{
    switch (ProjectStore::Open(path, opened))
    {
    case ProjectStore::EOpen::eIncomplete:
        return args.Fail(
            CliProject::tr("Projekt '%1' kann nicht gelesen werden: die Projektdatei oder ihr Datenordner fehlt").arg(path));
    case ProjectStore::EOpen::eIncompatible:
        return args.Fail(CliProject::tr("Projekt '%1' kann nicht gelesen werden: von einer neueren Version geschrieben").arg(path));
    case ProjectStore::EOpen::eOk:
        break;
    }
    project.ResetForProject();
    project.Parts().Registry().LoadAll(opened->Settings(), opened->DataFolder());
    ProjectFile::SHeader header = opened->Header();
    if (header.bVideoIsLoaded)
        header.sVideoFilePath = QDir::cleanPath(QDir(opened->Folder()).absoluteFilePath(header.sVideoFilePath));
    project.OpenProjectDocument(header);
    return true;
}

const SCliOption kSourceOptions[] = {
    {"image", QT_TRANSLATE_NOOP("CliHelp", "STANDBILD"), QT_TRANSLATE_NOOP("CliHelp", "das Standbild, das das Projekt bearbeitet"),
     ECliValue::eINPUT},
    {"clip", "CLIP", QT_TRANSLATE_NOOP("CliHelp", "der Clip, den das Projekt bearbeitet"), ECliValue::eINPUT},
};

const SCliArgument kSaveArguments[] = {
    {QT_TRANSLATE_NOOP("CliHelp", "DATEI"),
     QT_TRANSLATE_NOOP("CliHelp", "das zu schreibende Projekt (\".vantropeProject\" wird angehängt, wenn es nicht so endet; "
                                  "der Datenordner kommt daneben)")},
};

const SCliArgument kInfoArguments[] = {
    {QT_TRANSLATE_NOOP("CliHelp", "DATEI"), QT_TRANSLATE_NOOP("CliHelp", "eine Projektdatei"), ECliValue::eINPUT},
};

int Save(CCliArguments& args)
{
    if (args.IsSet("image") == args.IsSet("clip"))
        return args.Refuse(2, CliProject::tr("project save braucht entweder --image STANDBILD oder --clip CLIP"));
    const QString path = QFileInfo(ProjectFile::WithExtension(args.Arguments()[0])).absoluteFilePath();
    if (ProjectFile::IsExamplePath(path))
        return args.Refuse(2, CliProject::tr("'%1' kann nicht geschrieben werden: Beispielprojekte werden nicht überschrieben").arg(path));

    CCliProject project;
    if (!SetUpGrade(args, project.Session()))
        return args.Report(2);
    const int previewLongSide = SProgramOptions().iPreviewLongSide;
    if (args.IsSet("clip"))
    {
        const QString clip = args.Value("clip");
        CMovieHandling& movie = project.Movie();
        const CInterruptGuard interrupt([&movie] { movie.Abort(); });
        if (!CheckClipAndTools(clip, movie, false))
            return 2;
        if (const int failed = CheckProbeable(clip, movie, interrupt))
            return failed == 3 ? 3 : 2;
        if (movie.MainVideoStream(clip) < 0)
            return ReportNoVideo(clip, movie), 2;
        const QSize size = movie.GetFrameSize(clip);
        project.SetClip(clip);
        project.Parts().Series().SetPicture(clip, size, PreviewSizeFor(size, previewLongSide));
        // The project keeps the clip's path and metrics; no frame or thumbnail is shown here.
        project.VideoDock().SetSource(clip);
        project.VideoDock().CloseClip();
    }
    else
    {
        const QString image = args.Value("image");
        Helper::CRGB48Buffer picture;
        QString error;
        if (!StillImage::Load(image, picture, error))
            return args.Refuse(2, CliProject::tr("Bild '%1' kann nicht gelesen werden: %2").arg(image, error));
        const QSize size(picture.Width(), picture.Height());
        project.Parts().Series().SetPicture(image, size, PreviewSizeFor(size, previewLongSide), picture.GetData());
    }
    const ProjectStore::SWriteResult result = ProjectStore::Write(path, project.CurrentHeader(), project.Parts().Registry());
    if (!result.bOk)
        return args.Refuse(1, CliProject::tr("Projekt '%1' kann nicht geschrieben werden: %2 konnte nicht geschrieben werden")
                                  .arg(path, result.sFailedPath));
    CliPrint(path);
    return 0;
}

int Info(CCliArguments& args)
{
    CCliProject project;
    std::unique_ptr<ProjectStore::COpened> opened;
    if (!OpenInto(args, args.Arguments()[0], project, opened))
        return args.Report(1);
    const ProjectFile::SHeader& header = opened->Header();
    CliPrint(QStringLiteral("Version: %1").arg(header.iVersion));
    CliPrint(QStringLiteral("SaveMode: %1").arg(header.iSaveMode));
    CliPrint(QStringLiteral("PostProcessing: %1").arg(header.bPostProcessing ? "true" : "false"));
    CliPrint(QStringLiteral("IsActualProjectUndo: %1").arg(header.bIsActualProjectUndo ? "true" : "false"));
    CliPrint(QStringLiteral("VideoIsLoaded: %1").arg(header.bVideoIsLoaded ? "true" : "false"));
    CliPrint(QStringLiteral("VideoFilePath: %1").arg(project.Clip()));
    const CExposureSeries& series = project.Parts().Series();
    static const char* const states[] = {"", " (changed since saved)", " (missing)"};
    for (int i = 0; i < int(series.Pictures().size()); ++i)
        CliPrint(QStringLiteral("Picture %1: %2 %3x%4%5")
                     .arg(i)
                     .arg(series.Pictures()[size_t(i)].sFilePath)
                     .arg(series.Size().width())
                     .arg(series.Size().height())
                     .arg(QLatin1String(states[int(series.FileState(i))])));
    CGradingSession& session = project.Session();
    QStringList kernels;
    for (const CPostProcessing::SOperator& op : session.Chain().Operators())
        kernels << op.Kernel;
    CliPrint(QStringLiteral("Operators: %1%2").arg(kernels.size()).arg(kernels.isEmpty() ? QString() : " " + kernels.join(", ")));
    // The name as --film-type takes it, after the index the file holds.
    const SFilmType* film = session.FilmTypes().Selected();
    CliPrint(QStringLiteral("FilmType: %1%2").arg(session.FilmTypes().Index()).arg(film ? " " + film->sName : QString()));
    CliPrint(session.Lut().Size() == 0 ? QStringLiteral("LUT: none")
                                       : QStringLiteral("LUT: %1 \"%2\"").arg(session.Lut().Size()).arg(session.Lut().Title()));
    CliPrint(QStringLiteral("Layers: %1").arg(session.ColourLayers().Controls().Count()));
    CliPrint("Key groups: " + opened->Settings().childGroups().join(", "));
    CliPrint("Data folder: " +
             QDir(opened->DataFolder()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name).join(", "));
    return 0;
}

const SCliCommand kCommands[] = {
    {"project save",
     QT_TRANSLATE_NOOP("CliHelp", "schreibt ein Projekt aus einem Standbild oder Clip mit der Korrektur der Optionen, wie das "
                                  "Fenster es speichert"),
     kSaveArguments, {kSourceOptions, GradeOptions(), kLutOptions, kFilmOptions}, Save},
    {"project info", QT_TRANSLATE_NOOP("CliHelp", "gibt die Hauptschlüssel eines Projekts aus und was seine Bestandteile enthalten"),
     kInfoArguments, {}, Info},
};
}  // namespace

int GradeProject(CCliArguments& args)
{
    if (args.Arguments().size() != 1)
        return args.Refuse(2, CliProject::tr("grade --project nimmt nur AUS: das Projekt nennt sein Standbild oder seinen Clip"));
    for (const CliOptions group : {GradeOptions(), CliOptions(kLutOptions), CliOptions(kFilmOptions)})
        for (const SCliOption& option : group)
        {
            const QString name = QString::fromLatin1(option.names).section(',', 0, 0);
            if (args.IsSet(name))
                return args.Refuse(
                    2, CliProject::tr("--%1 lässt sich nicht mit --project kombinieren: das Projekt enthält die Korrektur").arg(name));
        }
    const QString path = args.Value("project"), output = args.Arguments()[0];
    CCliProject project;
    std::unique_ptr<ProjectStore::COpened> opened;
    if (!OpenInto(args, path, project, opened))
        return args.Report(1);
    if (project.HasClip())
    {
        if (!IsClipOutput(output))
            return args.Refuse(2, CliProject::tr("das Projekt enthält einen Clip: die Ausgabe muss auf .mp4 oder .avi enden"));
        CExportFrameGrader grader(project.Session());
        // The project's export settings and frame blending, each one the options name overridden.
        CMovieHandling::SDstDesc dst = project.VideoDock().Destination();
        project.Session().FrameBlending().ApplyTo(grader.Blend());
        if (!SetUpClip(args, dst, grader))
            return args.Report(2);
        return ExportAndPublish(args, project.Session(), grader, dst, project.Clip(), output);
    }
    const QString still = project.Parts().Series().SourcePath();
    if (still.isEmpty())
        return args.Refuse(1, CliProject::tr("das Projekt '%1' enthält weder Bild noch Clip").arg(path));
    if (IsClipOutput(output))
        return args.Refuse(2, CliProject::tr("'%1' kann nicht geschrieben werden: das Projekt enthält ein Standbild").arg(output));
    if (!RefuseClipOptions(args, output))
        return args.Report(2);
    return GradeStill(args, project.Session(), still, output);
}

std::span<const SCliCommand> ProjectCommands()
{
    return kCommands;
}
