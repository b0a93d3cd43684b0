#include "session/ProjectComponents.h"

CProjectComponents::CProjectComponents(CGradingSession& session, CLutPanelModel& lutPanel, COperatorFilter* filter)
    : m_postProcessing(session, lutPanel, filter), m_layers(session)
{
    for (IProject* component : std::initializer_list<IProject*>{&m_series, &m_postProcessing, &m_layers, &m_presets})
        m_registry.Add(component);
}
