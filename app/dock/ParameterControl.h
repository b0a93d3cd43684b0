// Base of the controls generated for the parameter sets of a chain operator: each edits one set
// through the chain editor and reports every change.
#pragma once

#include "engine/ChainEditor.h"

#include <QWidget>

class QLabel;
class QToolButton;

class CParameterControl : public QWidget
{
    Q_OBJECT

public:
    /// Shows the catalogue control's tooltip, when it has one.
    CParameterControl(CChainEditor& editor, int op, int set, QWidget* parent = nullptr);
    int Operator() const { return m_iOp; }
    int Set() const { return m_iSet; }
    /// The catalogue control of the set, null when the set has none.
    const SCatalogueControl* Control() const { return m_editor.Control(m_iOp, m_iSet); }
    /// Re-reads the set's values into the widgets without reporting a change.
    virtual void Refresh() = 0;

signals:
    /// The set's values changed (the preview should be recomputed).
    void changed();

protected:
    /// The translated caption: the control's name, or `fallback` when it has none.
    QString Caption(const char* fallback) const;
    /// A small button that puts the set back to its initial values.
    QToolButton* MakeResetButton();
    void Reset();

    CChainEditor& m_editor;
    const int m_iOp;
    const int m_iSet;
};
