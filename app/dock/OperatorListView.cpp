#include "app/dock/OperatorListView.h"
#include "app/dock/HDRPostProcessingDockWidget.h"

#include "app/dock/DockIcons.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
QToolButton* FilterToolButton(QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setCheckable(true);
    b->setAutoRaise(true);
    b->setIconSize(QSize(22, 22));
    return b;
}
}  // namespace

COperatorListView::COperatorListView(const COperatorCatalogue& catalogue, COperatorFilter& filter, QWidget* parent)
    : QWidget(parent), m_catalogue(catalogue), m_filter(filter)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* row = new QHBoxLayout;
    row->setSpacing(1);
    m_pAll = FilterToolButton(this);
    m_pAll->setObjectName(QStringLiteral("FilterListAll"));
    m_pAll->setToolTip(HDRPostProcessingDockWidget::tr("Alle Operatoren"));
    row->addWidget(m_pAll);
    connect(m_pAll, &QToolButton::clicked, this, [this](bool on) {
        m_filter.SetAll(on);
        Refresh();
        emit filterChanged();
    });
    for (int i = 0; i < COperatorFilter::kButtons; ++i)
    {
        const SOperatorFilterButton& info = COperatorFilter::Buttons()[size_t(i)];
        QToolButton* b = FilterToolButton(this);
        b->setObjectName(QString::fromLatin1(info.pszKey).section(QLatin1Char('/'), 1));
        b->setToolTip(HDRPostProcessingDockWidget::tr(info.pszTooltip));
        row->addWidget(b);
        m_apButtons[size_t(i)] = b;
        connect(b, &QToolButton::clicked, this, [this, i](bool on) {
            m_filter.SetChecked(i, on);
            Refresh();
            emit filterChanged();
        });
    }
    row->addStretch(1);
    column->addLayout(row);

    m_pList = new QListWidget(this);
    m_pList->setObjectName(QStringLiteral("OperatorList"));
    m_pList->setIconSize(QSize(16, 16));
    column->addWidget(m_pList, 1);
    m_pAdd = new QPushButton(HDRPostProcessingDockWidget::tr("Hinzufügen"), this);
    m_pAdd->setToolTip(HDRPostProcessingDockWidget::tr("Den gewählten Operator an die Kette anhängen"));
    column->addWidget(m_pAdd);

    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        emit addRequested(item->data(Qt::UserRole).toString());
    });
    connect(m_pAdd, &QPushButton::clicked, this, [this] {
        const QString kernel = SelectedKernel();
        if (!kernel.isEmpty())
            emit addRequested(kernel);
    });
    connect(m_pList, &QListWidget::currentRowChanged, this, [this](int row) { m_pAdd->setEnabled(row >= 0); });
    Refresh();
}

void COperatorListView::Refresh()
{
    UpdateButtons();
    FillList();
}

void COperatorListView::UpdateButtons()
{
    for (int i = 0; i < COperatorFilter::kButtons; ++i)
    {
        QToolButton* b = m_apButtons[size_t(i)];
        const QSignalBlocker block(b);
        const bool on = m_filter.IsChecked(i);
        b->setChecked(on);
        b->setIcon(DockIcon(COperatorFilter::IconName(COperatorFilter::Buttons()[size_t(i)].pszIcon, on)));
    }
    const QSignalBlocker block(m_pAll);
    m_pAll->setChecked(m_filter.AllChecked());
    m_pAll->setIcon(DockIcon(COperatorFilter::IconName(COperatorFilter::kAllIcon, m_filter.AllChecked())));
}

void COperatorListView::FillList()
{
    const QString keep = SelectedKernel();
    const QSignalBlocker block(m_pList);
    m_pList->clear();
    for (const SCatalogueEntry* e : m_filter.Filter(m_catalogue))
    {
        auto* item = new QListWidgetItem(HDRPostProcessingDockWidget::tr(e->sName.toUtf8().constData()), m_pList);
        for (const SOperatorFilterButton& b : COperatorFilter::Buttons())
            if (b.iType == e->iType)
                item->setIcon(DockIcon(QString::fromLatin1(b.pszIcon)));
        item->setData(Qt::UserRole, e->sKernel);
        if (e->sKernel == keep)
            m_pList->setCurrentItem(item);
    }
    m_pAdd->setEnabled(m_pList->currentRow() >= 0);
}

QString COperatorListView::SelectedKernel() const
{
    const QListWidgetItem* item = m_pList->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}
