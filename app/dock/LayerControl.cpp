#include "app/dock/LayerControl.h"
#include "app/dock/HDRPostProcessingDockWidget.h"

#include "engine/LayerModes.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include <cmath>

void CLayerControl::FillModes(QComboBox* box)
{
    // The longest mode names would otherwise make the box, and the dock, very wide.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(6);
    for (const SLayerMode& m : LayerModes::List())
        box->addItem(QCoreApplication::translate("LayerModes", m.pszKey), m.iMode);
}

CLayerControl::CLayerControl(CChainEditor& editor, int op, int set, QWidget* parent)
    : CParameterControl(editor, op, set, parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 2, 0, 2);
    grid->addWidget(new QLabel(HDRPostProcessingDockWidget::tr("Ebenenmodus"), this), 0, 0, 1, 2);
    grid->addWidget(MakeResetButton(), 0, 3);
    m_pMode = new QComboBox(this);
    m_pMode->setObjectName(QStringLiteral("LayerModeComboBox"));
    FillModes(m_pMode);
    grid->addWidget(m_pMode, 1, 0, 1, 3);
    grid->addWidget(new QLabel(HDRPostProcessingDockWidget::tr("Deckkraft"), this), 2, 0);
    m_pOpacity = new QSlider(Qt::Horizontal, this);
    m_pOpacity->setRange(0, 100);
    m_pOpacity->setObjectName(QStringLiteral("LayerOpacitySlider"));
    grid->addWidget(m_pOpacity, 2, 1);
    m_pOpacityValue = new QLabel(this);
    m_pOpacityValue->setMinimumWidth(m_pOpacityValue->fontMetrics().horizontalAdvance(QStringLiteral("100 %")));
    m_pOpacityValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_pOpacityValue, 2, 2);
    grid->setColumnStretch(1, 1);

    connect(m_pMode, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        m_editor.SetValue(m_iOp, m_iSet, 0, float(m_pMode->itemData(index).toInt()));
        emit changed();
    });
    connect(m_pOpacity, &QSlider::valueChanged, this, [this](int value) {
        m_editor.SetValue(m_iOp, m_iSet, 1, float(value));
        m_pOpacityValue->setText(QStringLiteral("%1 %").arg(value));
        emit changed();
    });
    Refresh();
}

void CLayerControl::Refresh()
{
    const QSignalBlocker bm(m_pMode), bo(m_pOpacity);
    const int mode = int(m_editor.Value(m_iOp, m_iSet, 0));
    m_pMode->setCurrentIndex(std::max(0, m_pMode->findData(mode)));
    const int opacity = int(std::lround(m_editor.Value(m_iOp, m_iSet, 1)));
    m_pOpacity->setValue(opacity);
    m_pOpacityValue->setText(QStringLiteral("%1 %").arg(opacity));
}
