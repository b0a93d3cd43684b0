// The operators a grade can use, listed by type: the filter row (one toggle per type and one for
// all) over the catalogue list. Double-clicking an entry or pressing the add button asks for
// the operator to be added to the chain.
#pragma once

#include "engine/OperatorFilter.h"

#include <QWidget>

#include <array>

class QListWidget;
class QPushButton;
class QToolButton;

class COperatorListView : public QWidget
{
    Q_OBJECT

public:
    COperatorListView(const COperatorCatalogue& catalogue, COperatorFilter& filter, QWidget* parent = nullptr);

    /// Re-reads the filter into the buttons and fills the list.
    void Refresh();
    QListWidget* List() const { return m_pList; }
    QToolButton* FilterButton(int button) const { return m_apButtons[size_t(button)]; }
    QToolButton* AllButton() const { return m_pAll; }
    QPushButton* AddButton() const { return m_pAdd; }
    /// Kernel of the selected entry, empty when none.
    QString SelectedKernel() const;

signals:
    void addRequested(const QString& kernel);
    /// A filter button changed (for the widget state).
    void filterChanged();

private:
    void UpdateButtons();
    void FillList();

    const COperatorCatalogue& m_catalogue;
    COperatorFilter& m_filter;
    std::array<QToolButton*, COperatorFilter::kButtons> m_apButtons{};
    QToolButton* m_pAll;
    QListWidget* m_pList;
    QPushButton* m_pAdd;
};
