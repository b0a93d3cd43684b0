#include "app/dock/ChainView.h"
#include "app/dock/HDRPostProcessingDockWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
QToolButton* Button(QWidget* parent, const QString& text, const char* tooltip)
{
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setToolTip(HDRPostProcessingDockWidget::tr(tooltip));
    return b;
}
}  // namespace

CChainView::CChainView(CChainEditor& editor, QWidget* parent) : QWidget(parent), m_editor(editor)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* header = new QHBoxLayout;
    header->addWidget(new QLabel(HDRPostProcessingDockWidget::tr("Aktive Operatoren"), this), 1);
    m_pUp = Button(this, QStringLiteral("▲"), QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Nach oben"));
    m_pDown = Button(this, QStringLiteral("▼"), QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Nach unten"));
    m_pRemove =
        Button(this, QStringLiteral("✕"), QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Operator entfernen"));
    m_pShowMask = Button(this, QStringLiteral("◐"),
                         QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget",
                                           "Maske anzeigen: zeigt die Auswahl nach dem gewählten Operator als Graubild"));
    m_pShowMask->setObjectName(QStringLiteral("ShowMaskButton"));
    m_pShowMask->setCheckable(true);
    header->addWidget(m_pShowMask);
    header->addWidget(m_pUp);
    header->addWidget(m_pDown);
    header->addWidget(m_pRemove);
    column->addLayout(header);
    m_pList = new QListWidget(this);
    m_pList->setObjectName(QStringLiteral("ChainList"));
    column->addWidget(m_pList, 1);

    connect(m_pUp, &QToolButton::clicked, this, &CChainView::MoveUp);
    connect(m_pDown, &QToolButton::clicked, this, &CChainView::MoveDown);
    connect(m_pRemove, &QToolButton::clicked, this, &CChainView::RemoveCurrent);
    connect(m_pList, &QListWidget::itemChanged, this, &CChainView::OnItemChanged);
    connect(m_pShowMask, &QToolButton::toggled, this, &CChainView::EmitMaskView);
    connect(m_pList, &QListWidget::currentRowChanged, this, [this](int row) {
        UpdateButtons();
        emit currentChanged(row);
        if (m_pShowMask->isChecked())
            EmitMaskView();
    });
    Refresh();
}

void CChainView::Refresh(int select)
{
    const int row = select == -2 ? m_pList->currentRow() : select;
    {
        const QSignalBlocker block(m_pList);
        m_pList->clear();
        for (int i = 0; i < m_editor.Count(); ++i)
        {
            const CPostProcessing::SOperator& op = m_editor.Chain().Operators()[i];
            const SCatalogueEntry* entry = m_editor.Entry(i);
            const QString name = entry ? HDRPostProcessingDockWidget::tr(entry->sName.toUtf8().constData())
                                       : (op.strLabel.isEmpty() ? op.Kernel : op.strLabel);
            auto* item = new QListWidgetItem(name, m_pList);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(op.bActive ? Qt::Checked : Qt::Unchecked);
            item->setToolTip(op.Kernel);
        }
        m_pList->setCurrentRow(m_editor.IsValid(row) ? row : (m_editor.Count() > 0 ? 0 : -1));
    }
    UpdateButtons();
    if (m_pShowMask->isChecked())
        EmitMaskView();
}

void CChainView::EmitMaskView()
{
    emit maskViewChanged(m_pShowMask->isChecked() ? Current() : -1);
}

int CChainView::Current() const
{
    return m_pList->currentRow();
}

void CChainView::SetCurrent(int index)
{
    m_pList->setCurrentRow(index);
}

void CChainView::UpdateButtons()
{
    const int row = m_pList->currentRow();
    m_pUp->setEnabled(row > 0);
    m_pDown->setEnabled(row >= 0 && row + 1 < m_editor.Count());
    m_pRemove->setEnabled(row >= 0);
}

void CChainView::OnItemChanged(QListWidgetItem* item)
{
    const int row = m_pList->row(item);
    const bool on = item->checkState() == Qt::Checked;
    if (m_editor.IsValid(row) && m_editor.IsActive(row) != on)
    {
        m_editor.SetActive(row, on);
        emit chainChanged();
    }
}

void CChainView::MoveUp()
{
    const int row = Current();
    if (row > 0 && m_editor.Move(row, row - 1))
    {
        Refresh(row - 1);
        emit chainChanged();
        emit currentChanged(row - 1);
    }
}

void CChainView::MoveDown()
{
    const int row = Current();
    if (row >= 0 && m_editor.Move(row, row + 1))
    {
        Refresh(row + 1);
        emit chainChanged();
        emit currentChanged(row + 1);
    }
}

void CChainView::RemoveCurrent()
{
    const int row = Current();
    if (!m_editor.Remove(row))
        return;
    const int next = std::min(row, m_editor.Count() - 1);
    Refresh(next);
    emit chainChanged();
    emit currentChanged(next);
}
