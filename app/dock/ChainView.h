// The grade's operator list in run order: a check box per operator switches it on and off,
// buttons move the selected operator up or down or remove it, and "show mask" asks the preview
// for the selection mask after the selected operator.
#pragma once

#include "engine/ChainEditor.h"

#include <QWidget>

class QListWidget;
class QListWidgetItem;
class QToolButton;

class CChainView : public QWidget
{
    Q_OBJECT

public:
    CChainView(CChainEditor& editor, QWidget* parent = nullptr);

    /// Fills the list from the chain, keeping `select` (or the current row) selected.
    void Refresh(int select = -2);
    int Current() const;
    void SetCurrent(int index);
    QListWidget* List() const { return m_pList; }

    void MoveUp();
    void MoveDown();
    void RemoveCurrent();

signals:
    /// The list of operators or an operator's switch changed.
    void chainChanged();
    /// Another operator was selected (−1: none).
    void currentChanged(int index);
    /// The chain entry whose mask the preview should show, −1 for the grade.
    void maskViewChanged(int entry);

private:
    void OnItemChanged(QListWidgetItem* item);
    void UpdateButtons();
    void EmitMaskView();

    CChainEditor& m_editor;
    QListWidget* m_pList;
    QToolButton* m_pUp;
    QToolButton* m_pDown;
    QToolButton* m_pRemove;
    QToolButton* m_pShowMask;
};
