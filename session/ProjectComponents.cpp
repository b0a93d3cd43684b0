#include "session/ProjectComponents.h"

#include "session/PresetsDockModel.h"

CProjectComponents::CProjectComponents(CGradingSession& session, CLutPanelModel& lutPanel, COperatorFilter* filter,
                                       CPresetsDockModel* presets)
    : m_postProcessing(session, lutPanel, filter), m_layers(session)
{
    for (IProject* component : std::initializer_list<IProject*>{&m_series, &m_postProcessing, &m_layers})
        m_registry.Add(component);
    m_registry.Add(presets);
}
