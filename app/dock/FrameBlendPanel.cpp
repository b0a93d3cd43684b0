#include "app/dock/FrameBlendPanel.h"
#include "app/dock/HDRPostProcessingDockWidget.h"

#include "session/FrameBlendChoice.h"
#include "video/FrameBlend.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

CFrameBlendPanel::CFrameBlendPanel(CFrameBlendChoice& model, QWidget* parent)
    : QGroupBox(HDRPostProcessingDockWidget::tr("Beim Videoexport"), parent), m_model(model)
{
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(HDRPostProcessingDockWidget::tr("Überblendete Bilder"), this), 0, 0);
    m_pCount = new QComboBox(this);
    m_pCount->setObjectName(QStringLiteral("m_pFrameBlendCountComboBox"));
    for (int i = 0; i < CFrameBlendChoice::kCountEntries; ++i)
        m_pCount->addItem(QString::number(CFrameBlend::RingSizeForIndex(i)));
    grid->addWidget(m_pCount, 0, 1);

    grid->addWidget(new QLabel(HDRPostProcessingDockWidget::tr("Überblendung"), this), 1, 0);
    m_pMode = new QComboBox(this);
    m_pMode->setObjectName(QStringLiteral("m_pFrameBlendModeComboBox"));
    m_pMode->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pMode->setMinimumContentsLength(12);
    for (int i = 0; i < CFrameBlendChoice::kModeEntries; ++i)
        m_pMode->addItem(CFrameBlendChoice::ModeName(i));
    grid->addWidget(m_pMode, 1, 1);

    grid->addWidget(new QLabel(HDRPostProcessingDockWidget::tr("Vorher/Nachher"), this), 2, 0, Qt::AlignTop);
    m_pHalf = new QCheckBox(HDRPostProcessingDockWidget::tr("Hälfte"), this);
    m_pHalf->setObjectName(QStringLiteral("m_pCompareHalfCheckBox"));
    m_pCentre = new QCheckBox(HDRPostProcessingDockWidget::tr("Mitte nebeneinander"), this);
    m_pCentre->setObjectName(QStringLiteral("m_pCompareCentreCheckBox"));
    grid->addWidget(m_pHalf, 2, 1);
    grid->addWidget(m_pCentre, 3, 1);
    grid->setColumnStretch(1, 1);

    connect(m_pCount, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_model.SetCountIndex(i);
        m_pMode->setEnabled(m_model.CountIndex() > 0); // one frame blends nothing
        emit changed();
    });
    connect(m_pMode, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_model.SetModeIndex(i);
        emit changed();
    });
    connect(m_pHalf, &QCheckBox::toggled, this, [this](bool on) {
        m_model.SetHalf(on);
        emit changed();
    });
    connect(m_pCentre, &QCheckBox::toggled, this, [this](bool on) {
        m_model.SetCentre(on);
        emit changed();
    });
    Refresh();
}

void CFrameBlendPanel::Refresh()
{
    const QSignalBlocker bc(m_pCount), bm(m_pMode), bh(m_pHalf), bq(m_pCentre);
    m_pCount->setCurrentIndex(m_model.CountIndex());
    m_pMode->setCurrentIndex(m_model.ModeIndex());
    m_pMode->setEnabled(m_model.CountIndex() > 0);
    m_pHalf->setChecked(m_model.Half());
    m_pCentre->setChecked(m_model.Centre());
}
