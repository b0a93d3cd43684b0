// vantrope-cli project: "project save" writes a project from a still or a clip and the grade
// options through the window's project writer (scripts and render farms build projects this
// way), "project info" prints a project's main keys and components, and "grade --project"
// exports a project's still or clip with its saved grade.
#include "cli/Command.h"
#include "cli/GradeSetup.h"
#include "cli/VideoClip.h"
#include "core/IProject.h"
#include "core/StillImage.h"
#include "session/ExportFrameGrader.h"
#include "session/GradingSession.h"
#include "session/LutPanelModel.h"
#include "session/PreviewModel.h"
#include "session/ProjectComponents.h"
#include "session/ProjectModel.h"
#include "session/ProjectStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <memory>

namespace
{
/// A grading session with the project components the window has, minus the window.
class CCliProject : public IProjectHost
{
public:
    CCliProject()
        : m_session(std::make_unique<CGradingSession>()), m_lutPanel(m_session->Lut()),
          m_parts(*m_session, m_lutPanel, nullptr)
    {
        m_parts.Presets().LoadFolders(QCoreApplication::applicationDirPath() + "/settings",
                                      QDir::homePath() + "/ProjectData");
        // The video dock's settings (group "CVideoDockWidget") register here once the dock exists.
    }

    CGradingSession& Session() { return *m_session; }
    CProjectComponents& Parts() { return m_parts; }
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
    CProjectComponents m_parts;
    QString m_sClip;
};

/// Takes "--name VALUE" out of `args`; false when it is there without a value.
bool TakeValue(QStringList& args, const QString& name, QString& value)
{
    const qsizetype at = args.indexOf(name);
    if (at < 0)
        return true;
    if (at + 1 >= args.size())
        return false;
    value = args[at + 1];
    args.remove(at, 2);
    return true;
}

/// Opens a project into `project`; prints why not and returns false when it cannot be read.
bool OpenInto(const QString& path, CCliProject& project, std::unique_ptr<ProjectStore::COpened>& opened)
{
    switch (ProjectStore::Open(path, opened))
    {
    case ProjectStore::EOpen::eIncomplete:
        CliError(QStringLiteral("cannot read project '%1': the project file or its data folder is missing").arg(path));
        return false;
    case ProjectStore::EOpen::eIncompatible:
        CliError(QStringLiteral("cannot read project '%1': written by a newer version (Version %2)")
                     .arg(path)
                     .arg(opened ? opened->Header().iVersion : ProjectFile::kVersion + 1));
        return false;
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

int Save(QStringList args)
{
    QString image, clip, error;
    if (!TakeValue(args, "--image", image) || !TakeValue(args, "--clip", clip))
        return CliError("--image and --clip need a file name"), 2;
    SGradeOptions options;
    if (!Parse(args, options, error, 1))
        return CliError(error), 2;
    if (image.isEmpty() == clip.isEmpty())
        return CliError("project save needs one of --image STILL or --clip CLIP"), 2;
    const QString path = QFileInfo(ProjectFile::WithExtension(options.positional[0])).absoluteFilePath();
    if (ProjectFile::IsExamplePath(path))
        return CliError(QStringLiteral("cannot write '%1': example projects are not overwritten").arg(path)), 2;

    CCliProject project;
    CGradingSession& session = project.Session();
    if (options.values.contains("preset") && !session.LoadPreset(options.values["preset"], nullptr, &error))
        return CliError(QStringLiteral("cannot read preset '%1'").arg(options.values["preset"])), 2;
    if (!SetUpLut(session.Lut(), options, error) || !SetUpFilmType(session.FilmTypes(), options, error) ||
        !SetUpLayers(session, options, error))
        return CliError(error), 2;

    const int previewLongSide = SProgramOptions().iPreviewLongSide;
    if (!clip.isEmpty())
    {
        CMovieHandling movie;
        if (!CheckClipAndTools(clip, movie, false))
            return 2;
        const QSize size = movie.GetFrameSize(QFileInfo(clip).absoluteFilePath());
        if (size.width() < 1)
            return CliError(QStringLiteral("cannot read clip '%1': no video stream").arg(clip)), 2;
        project.SetClip(QFileInfo(clip).absoluteFilePath());
        project.Parts().Series().SetPicture(clip, size, PreviewSizeFor(size, previewLongSide));
    }
    else
    {
        Helper::CRGB48Buffer picture;
        if (!StillImage::Load(image, picture, error))
            return CliError(QStringLiteral("cannot read image '%1': %2").arg(image, error)), 2;
        const QSize size(picture.Width(), picture.Height());
        project.Parts().Series().SetPicture(image, size, PreviewSizeFor(size, previewLongSide), picture.GetData());
    }
    const ProjectStore::SWriteResult result = ProjectStore::Write(path, project.CurrentHeader(), project.Parts().Registry());
    if (!result.bOk)
        return CliError(QStringLiteral("cannot write project '%1': %2 could not be written").arg(path, result.sFailedPath)), 1;
    CliPrint(path);
    return 0;
}

int Info(const QStringList& args)
{
    if (args.size() != 1)
        return CliError("project info needs one project file"), 2;
    CCliProject project;
    std::unique_ptr<ProjectStore::COpened> opened;
    if (!OpenInto(args[0], project, opened))
        return 1;
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
    CliPrint(QStringLiteral("FilmType: %1").arg(session.FilmTypes().Index()));
    CliPrint(session.Lut().Size() == 0 ? QStringLiteral("LUT: none")
                                       : QStringLiteral("LUT: %1 \"%2\"").arg(session.Lut().Size()).arg(session.Lut().Title()));
    CliPrint(QStringLiteral("Layers: %1").arg(session.ColourLayers().Controls().Count()));
    CliPrint("Key groups: " + opened->Settings().childGroups().join(", "));
    CliPrint("Data folder: " + QDir(opened->DataFolder()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name).join(", "));
    return 0;
}
}  // namespace

int RunGradeProject(const QStringList& given)
{
    QStringList args = given;
    QString path, error;
    if (!TakeValue(args, "--project", path) || path.isEmpty())
        return CliError("--project needs a project file"), 2;
    SGradeOptions options;
    if (!Parse(args, options, error, 1))
        return CliError(error), 2;
    for (const char* key : {"preset", "lut", "lut-param", "lut-mode", "film-type", "film-intensity", "film-grain",
                            "film-position", "layers"})
        if (options.values.contains(key) || (QLatin1String(key) == QLatin1String("lut-param") && !options.lutParams.isEmpty()))
            return CliError(QStringLiteral("--%1 cannot be combined with --project: the project holds the grade").arg(key)), 2;
    const QString output = options.positional[0];

    CCliProject project;
    std::unique_ptr<ProjectStore::COpened> opened;
    if (!OpenInto(path, project, opened))
        return 1;
    if (project.HasClip())
    {
        if (!IsClipOutput(output))
            return CliError(QStringLiteral("the project holds a clip: the output must end in .mp4 or .avi")), 2;
        CExportFrameGrader grader(project.Session());
        CMovieHandling::SDstDesc dst;
        if (!SetUpClip(options, dst, grader, error))
            return CliError(error), 2;
        return ExportClip(grader, dst, project.Clip(), output);
    }
    const QString still = project.Parts().Series().SourcePath();
    if (still.isEmpty())
        return CliError(QStringLiteral("the project '%1' holds no picture and no clip").arg(path)), 1;
    if (IsClipOutput(output) || !StillImage::IsSaveFormat(output))
        return CliError(QStringLiteral("cannot write '%1': unknown image extension").arg(output)), 2;
    return GradeStill(project.Session(), still, output);
}

int RunProject(const QStringList& args)
{
    if (args.value(0) == QLatin1String("save"))
        return Save(args.mid(1));
    if (args.value(0) == QLatin1String("info"))
        return Info(args.mid(1));
    CliError("project needs 'save' or 'info' (see --help)");
    return 2;
}
