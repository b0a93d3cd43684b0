#include "app/dock/SliderControl.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include <cmath>

CSliderControl::CSliderControl(CChainEditor& editor, int op, int set, QWidget* parent)
    : CParameterControl(editor, op, set, parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 2, 0, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    auto* caption = new QLabel(Caption("Wert"), this);
    m_pValue = new QLabel(this);
    m_pValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pSlider = new QSlider(Qt::Horizontal, this);
    m_pSlider->setRange(0, kSteps);
    m_pSlider->setObjectName(QStringLiteral("ParameterSlider"));
    grid->addWidget(caption, 0, 0, 1, 2);
    grid->addWidget(m_pValue, 0, 2);
    grid->addWidget(m_pSlider, 1, 0, 1, 3);
    grid->addWidget(MakeResetButton(), 1, 3);
    if (const SCatalogueControl* c = Control())
    {
        auto translate = [](const QString& key) {
            return QCoreApplication::translate("HDRPostProcessingDockWidget", key.toUtf8().constData());
        };
        if (!c->sLow.isEmpty() || !c->sHigh.isEmpty())
        {
            auto* low = new QLabel(translate(c->sLow), this);
            auto* high = new QLabel(translate(c->sHigh), this);
            high->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            QFont small = low->font();
            small.setPointSizeF(small.pointSizeF() * 0.85);
            low->setFont(small);
            high->setFont(small);
            grid->addWidget(low, 2, 0);
            grid->addWidget(high, 2, 1, 1, 2);
        }
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    connect(m_pSlider, &QSlider::valueChanged, this, &CSliderControl::OnValue);
    Refresh();
}

void CSliderControl::Refresh()
{
    const QSignalBlocker block(m_pSlider);
    m_pSlider->setValue(int(std::lround(m_editor.Value(m_iOp, m_iSet, 0) * kSteps)));
    ShowValue();
}

void CSliderControl::OnValue(int value)
{
    m_editor.SetValue(m_iOp, m_iSet, 0, float(value) / kSteps);
    ShowValue();
    emit changed();
}

void CSliderControl::ShowValue()
{
    const float position = m_editor.Value(m_iOp, m_iSet, 0);
    const SCatalogueControl* c = Control();
    if (!c)
    {
        m_pValue->setText(QString::number(double(position), 'f', 3));
        return;
    }
    const float shown = CChainEditor::ShownValue(*c, position);
    const int decimals = std::fabs(c->fMax - c->fMin) >= 20.0f ? 0 : 2;
    m_pValue->setText(QStringLiteral("%1 %2").arg(double(shown), 0, 'f', decimals).arg(c->sUnit).trimmed());
}
