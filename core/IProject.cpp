#include "core/IProject.h"

#include <algorithm>

IProject::~IProject()
{
    if (m_pRegistry)
        m_pRegistry->Remove(this);
}

void IProject::ReportSaveFailure(const QString& what)
{
    if (m_pRegistry)
        m_pRegistry->m_failures.append(what);
}

CProjectRegistry::~CProjectRegistry()
{
    for (IProject* component : m_components)
        component->m_pRegistry = nullptr;
}

void CProjectRegistry::Add(IProject* component)
{
    if (!component || component->m_pRegistry)
        return;
    component->m_pRegistry = this;
    m_components.push_back(component);
}

void CProjectRegistry::Remove(IProject* component)
{
    if (!component || component->m_pRegistry != this)
        return;
    component->m_pRegistry = nullptr;
    m_components.erase(std::remove(m_components.begin(), m_components.end(), component), m_components.end());
}

namespace
{
/// Sets a flag for the length of a walk, also when a component throws.
struct SFlagScope
{
    bool& flag;
    explicit SFlagScope(bool& f) : flag(f) { flag = true; }
    ~SFlagScope() { flag = false; }
};
}  // namespace

bool CProjectRegistry::SaveAll(QSettings& settings, const QString& dataFolder)
{
    const SFlagScope scope(m_bSaving);
    m_failures.clear();
    // A copy: a component may register another while it saves.
    const std::vector<IProject*> components = m_components;
    for (IProject* component : components)
        component->SaveProject(settings, dataFolder);
    return m_failures.isEmpty();
}

void CProjectRegistry::LoadAll(QSettings& settings, const QString& dataFolder)
{
    const SFlagScope scope(m_bLoading);
    const std::vector<IProject*> components = m_components;
    for (IProject* component : components)
        component->LoadProject(settings, dataFolder);
}
