// The main window as the host of its project model: the top-level keys of its state, the reset
// before a project is loaded, and the document a loaded project names.
#pragma once

#include "app/HDRMainWindow.h"
#include "session/ProjectModel.h"

class CMainWindowProjectHost : public IProjectHost
{
public:
    explicit CMainWindowProjectHost(HDRMainWindow& window);

    ProjectFile::SHeader CurrentHeader() override;
    void ResetForProject() override;
    void OpenProjectDocument(const ProjectFile::SHeader& header) override;
    QString ProposedProjectPath() override;
    void RememberDialogFolder(const QString& path) override;
    void ProjectStateChanged() override;

private:
    HDRMainWindow& m_window;
};
