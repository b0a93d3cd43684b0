#include "session/GradeProject.h"

#include "engine/OperatorFilter.h"
#include "lut/CubeFile.h"
#include "session/GradingSession.h"
#include "session/LutPanelModel.h"
#include "session/ProjectFile.h"

#include <QSettings>

CPostProcessingProject::CPostProcessingProject(CGradingSession& session, CLutPanelModel& lutPanel,
                                               COperatorFilter* filter)
    : m_session(session), m_lutPanel(lutPanel), m_pFilter(filter)
{
}

void CPostProcessingProject::SaveProject(QSettings& settings, const QString& dataFolder)
{
    if (m_pFilter)
        m_pFilter->SaveState(settings);
    m_session.FilmTypes().SaveState(settings);
    m_session.FrameBlending().SaveState(settings);
    m_lutPanel.SaveState(settings);

    const QString chain = dataFolder + "/" + kChainFile;
    if (!m_session.Chain().SaveTo(chain, false))
        ReportSaveFailure(chain);
    // The source lattice, not the baked one: the sliders travel in their keys and stay adjustable.
    const CLutState& lut = m_session.Lut();
    const QString cube = dataFolder + "/" + kLutFile;
    if (!CubeFile::WriteFile(cube, lut.Source().Data(), lut.Size(), lut.Title()))
        ReportSaveFailure(cube);
}

void CPostProcessingProject::LoadProject(QSettings& settings, const QString& dataFolder)
{
    if (m_pFilter)
        m_pFilter->LoadState(settings);
    m_session.FilmTypes().LoadState(settings);
    m_session.FrameBlending().LoadState(settings);
    m_lutPanel.LoadState(settings);

    const QString chain = dataFolder + "/" + kChainFile;
    if (ProjectFile::IsOwnFile(chain))
    {
        // Operators this build does not know are left out (the loader logs them).
        m_session.LoadPreset(chain);
        m_session.Chain().SetPath(QString()); // the data folder is no preset of the user's
    }
    const QString cube = dataFolder + "/" + kLutFile;
    if (ProjectFile::IsOwnFile(cube))
        m_session.Lut().ReadCube(cube, nullptr);
}

void CColourLayersProject::SaveProject(QSettings& settings, const QString&)
{
    settings.beginGroup(kGroup);
    m_session.ColourLayers().Controls().tSave(settings);
    settings.endGroup();
}

void CColourLayersProject::LoadProject(QSettings& settings, const QString&)
{
    settings.beginGroup(kGroup);
    m_session.ColourLayers().Controls().tLoad(settings);
    settings.endGroup();
}
