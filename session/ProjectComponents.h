// The components of a project over one grading session, registered in their order: the picture
// set, the post-processing controls (chain, film type, LUT), the colour layers and the presets.
// The window and the command line save and load projects through the same set.
#pragma once

#include "core/IProject.h"
#include "session/ExposureSeries.h"
#include "session/GradeProject.h"
#include "session/ProjectPresets.h"

class CGradingSession;
class CLutPanelModel;
class COperatorFilter;

class CProjectComponents
{
public:
    /// `filter` may be null where no operator list is shown.
    CProjectComponents(CGradingSession& session, CLutPanelModel& lutPanel, COperatorFilter* filter);

    CProjectRegistry& Registry() { return m_registry; }
    CExposureSeries& Series() { return m_series; }
    CPresetBoxes& Presets() { return m_presets; }

private:
    CProjectRegistry m_registry; // first: the components leave it while it still exists
    CExposureSeries m_series;
    CPostProcessingProject m_postProcessing;
    CColourLayersProject m_layers;
    CPresetBoxes m_presets;
};
