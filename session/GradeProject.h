// The grade's parts of a project: the post-processing controls ("PostProcessingDock/…" keys: the
// operator filter, the film type, the frame blending, the LUT panel with its fourteen sliders;
// the chain as a preset file and the source lattice as "lut.cube" in the data folder) and the
// colour layers (group "ColorModule").
#pragma once

#include "core/IProject.h"

class CGradingSession;
class CLutPanelModel;
class COperatorFilter;

class CPostProcessingProject : public IProject
{
public:
    /// The chain of operators, in the preset file format.
    static constexpr const char* kChainFile = "postprocessing.ini";
    static constexpr const char* kLutFile = "lut.cube";

    /// `filter` may be null where no operator list is shown (the command line).
    CPostProcessingProject(CGradingSession& session, CLutPanelModel& lutPanel, COperatorFilter* filter);

    void SaveProject(QSettings& settings, const QString& dataFolder) override;
    /// Each present key sets its control; the chain and the LUT are read from the data folder
    /// when their files are there (a missing or unreadable "lut.cube" keeps the LUT as it was).
    void LoadProject(QSettings& settings, const QString& dataFolder) override;

private:
    CGradingSession& m_session;
    CLutPanelModel& m_lutPanel;
    COperatorFilter* m_pFilter;
};

class CColourLayersProject : public IProject
{
public:
    static constexpr const char* kGroup = "ColorModule";

    explicit CColourLayersProject(CGradingSession& session) : m_session(session) {}

    void SaveProject(QSettings& settings, const QString& dataFolder) override;
    /// Replaces the layers when the group holds a layer list of version 1.
    void LoadProject(QSettings& settings, const QString& dataFolder) override;

private:
    CGradingSession& m_session;
};
