// Components with project state write and read their own keys and data-folder files through
// IProject; a CProjectRegistry walks them in registration order.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QSettings;
class CProjectRegistry;

class IProject
{
public:
    IProject() = default;
    IProject(const IProject&) = delete;
    IProject& operator=(const IProject&) = delete;
    /// Leaves the registry it was added to.
    virtual ~IProject();

    /// Writes this component's keys into `settings` and its files into `dataFolder`.
    virtual void SaveProject(QSettings& settings, const QString& dataFolder) = 0;
    /// Reads them back; missing keys keep the component's current values.
    virtual void LoadProject(QSettings& settings, const QString& dataFolder) = 0;

protected:
    /// A key or file of this component could not be written (`what` names it): the registry's
    /// save-all then reports failure, so a save never passes off a partial project as complete.
    void ReportSaveFailure(const QString& what);

private:
    friend class CProjectRegistry;
    CProjectRegistry* m_pRegistry = nullptr;
};

/// The components of one window (or one command-line run), in registration order, with the
/// flags that tell a component whether a project is being saved or loaded.
class CProjectRegistry
{
public:
    CProjectRegistry() = default;
    CProjectRegistry(const CProjectRegistry&) = delete;
    CProjectRegistry& operator=(const CProjectRegistry&) = delete;
    ~CProjectRegistry();

    /// Appends `component` unless it is already registered (here or elsewhere).
    void Add(IProject* component);
    void Remove(IProject* component);
    const std::vector<IProject*>& Components() const { return m_components; }

    /// False when a component reported a failure; Failures() names what was not written.
    bool SaveAll(QSettings& settings, const QString& dataFolder);
    void LoadAll(QSettings& settings, const QString& dataFolder);
    bool IsSaving() const { return m_bSaving; }
    bool IsLoading() const { return m_bLoading; }
    const QStringList& Failures() const { return m_failures; }

private:
    friend class IProject;
    std::vector<IProject*> m_components;
    QStringList m_failures;
    bool m_bSaving = false;
    bool m_bLoading = false;
};
