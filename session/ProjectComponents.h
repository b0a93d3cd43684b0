// The components of a project over one grading session, registered in their order: the picture
// set, the post-processing controls (chain, film type, LUT), the colour layers and the presets
// dock's state. The window and the command line save and load projects through the same set.
#pragma once

#include "core/IProject.h"
#include "session/ExposureSeries.h"
#include "session/GradeProject.h"

class CGradingSession;
class CLutPanelModel;
class CPresetsDockModel;
class COperatorFilter;

class CProjectComponents
{
public:
    /// `filter` may be null where no operator list is shown, `presets` where no presets dock is
    /// (the projects built with the program carry none of its keys).
    CProjectComponents(CGradingSession& session, CLutPanelModel& lutPanel, COperatorFilter* filter,
                       CPresetsDockModel* presets = nullptr);

    CProjectRegistry& Registry() { return m_registry; }
    CExposureSeries& Series() { return m_series; }

private:
    CProjectRegistry m_registry; // first: the components leave it while it still exists
    CExposureSeries m_series;
    CPostProcessingProject m_postProcessing;
    CColourLayersProject m_layers;
};
