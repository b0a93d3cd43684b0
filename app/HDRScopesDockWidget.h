// The "Scopes" dock: two scopes of the preview picture one above the other in a splitter, the
// lower one optional; computed only while the dock is shown.
#pragma once

#include <QDockWidget>

class CScopePane;
class CScopesModel;

class HDRScopesDockWidget : public QDockWidget
{
    Q_OBJECT

public:
    /// Adds its two views to `model` (not owned; it must outlive the dock).
    HDRScopesDockWidget(CScopesModel& model, QWidget* parent = nullptr);

    CScopePane* Upper() const { return m_pUpper; }
    CScopePane* Lower() const { return m_pLower; }

private:
    CScopePane* m_pUpper = nullptr;
    CScopePane* m_pLower = nullptr;
};
