#include "app/HDRScopesDockWidget.h"

#include "app/ScopePane.h"
#include "session/ScopesModel.h"

#include <QSplitter>

HDRScopesDockWidget::HDRScopesDockWidget(CScopesModel& model, QWidget* parent)
    : QDockWidget(tr("Scopes"), parent)
{
    setObjectName(QStringLiteral("m_pScopesDock"));
    SScopeSettings upper, lower;
    upper.eKind = eSK_WAVEFORM;
    lower.eKind = eSK_VECTORSCOPE;
    m_pUpper = new CScopePane(model, model.AddView(upper), CScopePane::eAnyKind, QStringLiteral("ScopesDock/m_pUpper"));
    m_pUpper->setObjectName(QStringLiteral("m_pUpper"));
    m_pLower = new CScopePane(model, model.AddView(lower), CScopePane::eAnyKindOrNone, QStringLiteral("ScopesDock/m_pLower"));
    m_pLower->setObjectName(QStringLiteral("m_pLower"));
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("m_pScopesSplitter"));
    splitter->addWidget(m_pUpper);
    splitter->addWidget(m_pLower);
    setWidget(splitter);

    // Scopes nobody sees are not computed: a dock behind another tab or closed costs nothing.
    const auto follow = [this, &model](bool visible) {
        model.SetVisible(m_pUpper->View(), visible);
        model.SetVisible(m_pLower->View(), visible);
    };
    follow(isVisible());
    connect(this, &QDockWidget::visibilityChanged, this, follow);
}
