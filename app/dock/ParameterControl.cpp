#include "app/dock/ParameterControl.h"

#include "app/dock/DockIcons.h"

#include <QToolButton>

CParameterControl::CParameterControl(CChainEditor& editor, int op, int set, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_iOp(op), m_iSet(set)
{
    if (const SCatalogueControl* c = Control(); c && !c->sTooltip.isEmpty())
        setToolTip(QCoreApplication::translate("HDRPostProcessingDockWidget", c->sTooltip.toUtf8().constData()));
}

QString CParameterControl::Caption(const char* fallback) const
{
    const SCatalogueControl* c = Control();
    const QString key = c && !c->sName.isEmpty() ? c->sName : QString::fromUtf8(fallback);
    return QCoreApplication::translate("HDRPostProcessingDockWidget", key.toUtf8().constData());
}

QToolButton* CParameterControl::MakeResetButton()
{
    auto* button = new QToolButton(this);
    button->setIcon(DockIcon(QStringLiteral("ResetValue")));
    button->setToolTip(QCoreApplication::translate("HDRPostProcessingDockWidget", "Standardwert"));
    button->setAutoRaise(true);
    button->setObjectName(QStringLiteral("ResetButton"));
    connect(button, &QToolButton::clicked, this, &CParameterControl::Reset);
    return button;
}

void CParameterControl::Reset()
{
    if (m_editor.ResetSet(m_iOp, m_iSet))
    {
        Refresh();
        emit changed();
    }
}
