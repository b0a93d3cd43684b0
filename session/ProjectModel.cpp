#include "session/ProjectModel.h"

#include "core/AppLog.h"
#include "core/AtomicFile.h"
#include "core/IProject.h"
#include "core/IUserPrompt.h"
#include "core/IniSource.h"
#include "session/ProjectStore.h"
#include "session/RecentProjects.h"
#include "session/UndoStore.h"
#include "session/UsageStatistics.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace
{
// Beside the recovery project's keys: the project the recovered state belongs to.
const char* const kRecoverFile = "/recover.ini";
}  // namespace

CProjectModel::CProjectModel(CProjectRegistry& registry, IProjectHost& host, IUserPrompt& prompt)
    : m_registry(registry), m_host(host), m_prompt(prompt)
{
}

void CProjectModel::SetState(const QString& path, bool example, bool unsaved)
{
    m_sPath = path;
    m_bExample = example;
    m_bUnsaved = unsaved;
    m_host.ProjectStateChanged();
}

void CProjectModel::MarkChanged()
{
    if (m_bUnsaved)
        return;
    m_bUnsaved = true;
    m_host.ProjectStateChanged();
}

bool CProjectModel::SaveAs()
{
    QString path = m_prompt.SaveFile(tr("Projekt speichern"), m_host.ProposedProjectPath(),
                                     tr("Vantrope-Marlix Projektdatei") + "(*" + ProjectFile::kExtension + ")");
    if (path.isEmpty())
        return false;
    m_host.RememberDialogFolder(path);
    path = QFileInfo(ProjectFile::WithExtension(path)).absoluteFilePath();
    if (ProjectFile::IsExamplePath(path))
    {
        m_prompt.Information(tr("Projekt überschreiben nicht nöglich"), tr("Beispielprojekte können nicht überschrieben werden."));
        return false;
    }
    if (m_pStatistics)
        m_pStatistics->Increment(QStringLiteral("m_iProjectsSaved"));
    if (!WriteUser(path))
        return false;
    SetState(path, false, false);
    return true;
}

bool CProjectModel::Save()
{
    if (m_bExample)
    {
        m_prompt.Information(tr("Projekt überschreiben nicht nöglich"), tr("Beispielprojekte können nicht überschrieben werden."));
        return false;
    }
    if (m_sPath.isEmpty())
        return SaveAs();
    if (!WriteUser(m_sPath))
        return false;
    SetState(m_sPath, false, false);
    return true;
}

bool CProjectModel::WriteUser(const QString& path)
{
    ProjectFile::SHeader header = m_host.CurrentHeader();
    header.iSaveMode = ProjectFile::kUserSaveMode;
    header.bIsActualProjectUndo = false;
    ProjectStore::FExtras extras;
    if (m_options.bUndoSave && m_pUndo)
        extras = [this](const QString& dataFolder) { return m_pUndo->CopyTo(dataFolder); };
    const ProjectStore::SWriteResult result = ProjectStore::Write(path, header, m_registry, extras);
    if (!result.bOk)
    {
        Helper::AppLog("CProjectModel::Save() -> not written: " + result.sFailedPath);
        m_prompt.Warning(tr("Projekt speichern"), tr("Dateifehler: %1 konnte nicht erstellt werden").arg(result.sFailedPath));
        return false;
    }
    QSettings settings;
    RecentProjects::Add(settings, path);
    return true;
}

bool CProjectModel::Open(const QString& given, bool asExample)
{
    if (!ConfirmDiscard())
        return false;
    QString path = given;
    if (path.isEmpty())
    {
        path = m_prompt.OpenFile(tr("Projekt laden"), QFileInfo(m_host.ProposedProjectPath()).absolutePath(),
                                 tr("Vantrope-Marlix Projektdatei") + "(*" + ProjectFile::kExtension + ")");
        if (path.isEmpty())
            return false;
        m_host.RememberDialogFolder(path);
    }
    return Load(path, asExample);
}

bool CProjectModel::Load(const QString& path, bool asExample)
{
    return LoadAs(path, ELoad::eUser, asExample);
}

bool CProjectModel::LoadAs(const QString& path, ELoad kind, bool asExample)
{
    std::unique_ptr<ProjectStore::COpened> opened;
    const ProjectStore::EOpen result = ProjectStore::Open(path, opened);
    if (result != ProjectStore::EOpen::eOk)
    {
        if (kind == ELoad::eSnapshot)
            return false;
        m_prompt.Warning(tr("Warnung"), result == ProjectStore::EOpen::eIncomplete ? tr("Projektdateien unvollständig.")
                                                                                   : tr("Projektdateien sind nicht kompatibel."));
        SetState(QString(), false, m_bUnsaved);
        return false;
    }
    // Nothing changed so far; from here the project replaces the state.
    m_host.ResetForProject();
    m_registry.LoadAll(opened->Settings(), opened->DataFolder());
    ProjectFile::SHeader header = opened->Header();
    if (!header.sVideoFilePath.isEmpty())
        header.sVideoFilePath = QDir::cleanPath(QDir(opened->Folder()).absoluteFilePath(header.sVideoFilePath));
    m_host.OpenProjectDocument(header);

    switch (kind)
    {
    case ELoad::eUser:
        if (m_pUndo)
            m_pUndo->RestoreFrom(opened->DataFolder());
        if (m_pStatistics)
            m_pStatistics->Increment(QStringLiteral("m_iProjectsLoaded"));
        if (!asExample)
        {
            QSettings settings;
            RecentProjects::Add(settings, QFileInfo(path).absoluteFilePath());
        }
        SetState(QFileInfo(path).absoluteFilePath(), asExample, false);
        break;
    case ELoad::eSnapshot:
        SetState(m_sPath, m_bExample, true);
        break;
    case ELoad::eRecovery:
    {
        if (m_pUndo)
            m_pUndo->RestoreFrom(opened->DataFolder());
        const CIniSource source(opened->DataFolder() + kRecoverFile, 64 * 1024, true);
        const QSettings recover(source.Path(), QSettings::IniFormat);
        const QString original = recover.value("ProjectPath").toString();
        SetState(ProjectFile::IsExamplePath(original) ? QString() : original, false, true);
        break;
    }
    }
    return true;
}

void CProjectModel::New()
{
    if (m_pUndo)
        m_pUndo->Reset();
    SetState(QString(), false, false);
}

int CProjectModel::AskToSave(bool withCancel)
{
    if (m_bExample || !m_options.bAutoSafe)
        return 0;
    switch (m_prompt.Question(tr("Warnung"), tr("Projekt nicht gespeichert. Speichern?"), withCancel))
    {
    case IUserPrompt::eYes:
        return 1;
    case IUserPrompt::eCancel:
        return -1;
    default:
        return 0;
    }
}

bool CProjectModel::ConfirmDiscard(bool withCancel)
{
    if (!m_bUnsaved)
        return true;
    switch (AskToSave(withCancel))
    {
    case 1:
        return Save() || !withCancel;
    case -1:
        return false;
    default:
        return true;
    }
}

bool CProjectModel::WriteSnapshot(const QString& projectFile)
{
    ProjectFile::SHeader header = m_host.CurrentHeader();
    header.bIsActualProjectUndo = true;
    return ProjectStore::Write(projectFile, header, m_registry).bOk;
}

bool CProjectModel::LoadSnapshot(const QString& projectFile)
{
    return LoadAs(projectFile, ELoad::eSnapshot, false);
}

bool CProjectModel::WriteRecovery(const QString& projectFile)
{
    const ProjectStore::FExtras extras = [this](const QString& dataFolder) {
        return AtomicFile::WriteSettings(dataFolder + kRecoverFile,
                                         [this](QSettings& recover) { recover.setValue("ProjectPath", m_sPath); }) &&
               (!m_pUndo || m_pUndo->CopyTo(dataFolder));
    };
    return ProjectStore::Write(projectFile, m_host.CurrentHeader(), m_registry, extras).bOk;
}

bool CProjectModel::LoadRecovery(const QString& projectFile)
{
    return LoadAs(projectFile, ELoad::eRecovery, false);
}
