#include "app/dock/LutPanel.h"
#include "app/dock/HDRPostProcessingDockWidget.h"

#include "app/dock/DockIcons.h"
#include "app/dock/LayerControl.h"
#include "core/IUserPrompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSettings>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
// Confirmation questions for destructive actions are asked only with this option on.
bool ConfirmationsOn()
{
    return QSettings().value(QStringLiteral("automatics/m_pAutoSafeBoxCheckBox"), true).toBool();
}
}  // namespace

CLutPanel::CLutPanel(CLutPanelModel& model, IUserPrompt& prompt, QWidget* parent)
    : QWidget(parent), m_model(model), m_prompt(prompt)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    m_pLibraryArea = new QVBoxLayout;
    m_pLibraryArea->setContentsMargins(0, 0, 0, 0);
    column->addLayout(m_pLibraryArea);

    m_pTitle = new QLabel(this);
    m_pTitle->setObjectName(QStringLiteral("LUTTitleLabel"));
    m_pTitle->setWordWrap(true);
    column->addWidget(m_pTitle);

    // Switch, new and reset in one row; the layer mode below, each on its own line so the
    // panel fits a narrow dock.
    auto* top = new QHBoxLayout;
    m_pLUTActiveButton = new QToolButton(this);
    m_pLUTActiveButton->setObjectName(QStringLiteral("m_pLUTActiveButton"));
    m_pLUTActiveButton->setText(HDRPostProcessingDockWidget::tr("LUT aktiv"));
    m_pLUTActiveButton->setToolTip(HDRPostProcessingDockWidget::tr("LUT auf das Bild anwenden"));
    m_pLUTActiveButton->setCheckable(true);
    top->addWidget(m_pLUTActiveButton);
    top->addStretch(1);
    m_pLUTCreateNewButton = new QToolButton(this);
    m_pLUTCreateNewButton->setText(HDRPostProcessingDockWidget::tr("Neu"));
    m_pLUTCreateNewButton->setObjectName(QStringLiteral("LUTCreateNew"));
    m_pLUTCreateNewButton->setToolTip(HDRPostProcessingDockWidget::tr("Neuen leeren LUT erstellen"));
    top->addWidget(m_pLUTCreateNewButton);
    m_pLUTResetButton = new QToolButton(this);
    m_pLUTResetButton->setText(HDRPostProcessingDockWidget::tr("Zurücksetzen"));
    m_pLUTResetButton->setObjectName(QStringLiteral("LUTReset"));
    m_pLUTResetButton->setToolTip(HDRPostProcessingDockWidget::tr("LUT entfernen"));
    top->addWidget(m_pLUTResetButton);
    column->addLayout(top);
    m_pLayerLabel = new QLabel(HDRPostProcessingDockWidget::tr("LUT Layermethod"), this);
    column->addWidget(m_pLayerLabel);
    m_pLUTLayerComboBox = new QComboBox(this);
    m_pLUTLayerComboBox->setObjectName(QStringLiteral("m_pLUTLayerComboBox"));
    CLayerControl::FillModes(m_pLUTLayerComboBox);
    m_pLUTLayerBrowserButton = new QToolButton(this);
    m_pLUTLayerBrowserButton->setText(HDRPostProcessingDockWidget::tr("Browser"));
    m_pLUTLayerBrowserButton->setObjectName(QStringLiteral("m_pLUTLayerBrowserButton"));
    m_pLUTLayerBrowserButton->setToolTip(
        HDRPostProcessingDockWidget::tr("Alle Layermethoden als Vorschaubilder zeigen"));
    auto* layerRow = new QHBoxLayout;
    layerRow->addWidget(m_pLUTLayerComboBox, 1);
    layerRow->addWidget(m_pLUTLayerBrowserButton);
    column->addLayout(layerRow);
    m_pLUTTetrahedralCheckBox = new QCheckBox(HDRPostProcessingDockWidget::tr("Tetraedrisch interpolieren"), this);
    m_pLUTTetrahedralCheckBox->setObjectName(QStringLiteral("m_pLUTTetrahedralCheckBox"));
    m_pLUTTetrahedralCheckBox->setToolTip(
        HDRPostProcessingDockWidget::tr("Zwischen den LUT-Punkten aus vier statt acht Nachbarn rechnen"));
    column->addWidget(m_pLUTTetrahedralCheckBox);

    const auto table = LutParameterTable();
    for (const SLutGroupInfo& g : CLutPanelModel::Groups())
    {
        const size_t gi = size_t(g.eGroup);
        auto* header = new QHBoxLayout;
        QToolButton* expander = new QToolButton(this);
        expander->setObjectName(QLatin1String(g.pszButton));
        expander->setCheckable(true);
        expander->setAutoRaise(true);
        expander->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        expander->setText(HDRPostProcessingDockWidget::tr(g.pszCaption));
        expander->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        header->addWidget(expander, 1);
        QToolButton* reset = new QToolButton(this);
        reset->setObjectName(QLatin1String(g.pszReset));
        reset->setIcon(DockIcon(QLatin1String(g.pszReset)));
        reset->setToolTip(HDRPostProcessingDockWidget::tr("Werte dieser Gruppe zurücksetzen"));
        reset->setAutoRaise(true);
        header->addWidget(reset);
        column->addLayout(header);
        m_apGroupButtons[gi] = expander;
        m_apGroupResets[gi] = reset;

        QWidget* body = new QWidget(this);
        auto* grid = new QGridLayout(body);
        grid->setContentsMargins(12, 0, 0, 4);
        grid->setVerticalSpacing(0);
        for (int p = g.iFirst; p <= g.iLast; ++p)
        {
            const SLutParameterInfo& info = table[size_t(p)];
            const int row = (p - g.iFirst) * 2;
            grid->addWidget(new QLabel(HDRPostProcessingDockWidget::tr(info.pszCaption), body), row, 0);
            auto* value = new QLabel(body);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("-100")) + 4);
            grid->addWidget(value, row, 1);
            auto* slider = new QSlider(Qt::Horizontal, body);
            slider->setObjectName(QLatin1String(info.pszSlider));
            slider->setRange(info.iMinimum, info.iMaximum);
            grid->addWidget(slider, row + 1, 0, 1, 2);
            m_apSliders[size_t(p)] = slider;
            m_apValues[size_t(p)] = value;
            connect(slider, &QSlider::valueChanged, this, [this, p](int v) { OnSlider(ELutParameter(p), v); });
        }
        grid->setColumnStretch(0, 1);
        column->addWidget(body);
        m_apGroupBodies[gi] = body;

        const ELutParameterGroup group = g.eGroup;
        connect(expander, &QToolButton::toggled, this, [this, group](bool on) {
            m_model.SetExpanded(group, on);
            Refresh();
        });
    }
    column->addStretch(1);

    connect(m_pLUTActiveButton, &QToolButton::clicked, this, &CLutPanel::lutActiveButtonClicked);
    connect(m_pLUTLayerComboBox, &QComboBox::currentIndexChanged, this, &CLutPanel::lutLayerComboBoxChanged);
    connect(m_pLUTTetrahedralCheckBox, &QCheckBox::toggled, this, [this](bool on) {
        m_model.Lut().SetInterpolation(on ? eLI_TETRAHEDRAL : eLI_TRILINEAR);
        emit lutChanged();
    });
    connect(m_pLUTLayerBrowserButton, &QToolButton::clicked, this, &CLutPanel::lutLayerBrowserButtonClicked);
    connect(m_pLUTCreateNewButton, &QToolButton::clicked, this, &CLutPanel::lutCreateNewButtonClicked);
    connect(m_pLUTResetButton, &QToolButton::clicked, this, &CLutPanel::lutResetButtonClicked);
    connect(m_apGroupResets[eLPG_PARAMETER], &QToolButton::clicked, this, &CLutPanel::lutResetParameterButtonClicked);
    connect(m_apGroupResets[eLPG_BALANCE], &QToolButton::clicked, this, &CLutPanel::lutResetBalanceButtonClicked);
    connect(m_apGroupResets[eLPG_PROTECT], &QToolButton::clicked, this, &CLutPanel::lutResetProtectButtonClicked);
    Refresh();
}

void CLutPanel::InsertLibraryControls(QWidget* controls)
{
    if (!controls)
        return;
    controls->setParent(this);
    m_pLibraryArea->insertWidget(0, controls);
    controls->show();
}

void CLutPanel::Refresh()
{
    const CLutState& lut = m_model.Lut();
    const bool present = m_model.LutPresent();
    m_pTitle->setText(present ? HDRPostProcessingDockWidget::tr("LUT: %1 (%2 Punkte je Achse)")
                                    .arg(lut.Title())
                                    .arg(lut.Size())
                              : HDRPostProcessingDockWidget::tr("Kein LUT geladen"));
    {
        const QSignalBlocker ba(m_pLUTActiveButton), bl(m_pLUTLayerComboBox), bt(m_pLUTTetrahedralCheckBox);
        m_pLUTTetrahedralCheckBox->setChecked(lut.Interpolation() == eLI_TETRAHEDRAL);
        m_pLUTActiveButton->setChecked(lut.IsActive());
        m_pLUTLayerComboBox->setCurrentIndex(std::max(0, m_pLUTLayerComboBox->findData(lut.LayerMode())));
    }
    m_pLUTActiveButton->setEnabled(present);
    m_pLUTLayerComboBox->setEnabled(present);
    m_pLUTLayerBrowserButton->setEnabled(present);
    m_pLUTTetrahedralCheckBox->setEnabled(present);
    m_pLayerLabel->setEnabled(present);
    m_pLUTResetButton->setEnabled(present);
    for (int p = 0; p < eLP_COUNT; ++p)
    {
        const QSignalBlocker block(m_apSliders[size_t(p)]);
        m_apSliders[size_t(p)]->setValue(m_model.SliderValue(ELutParameter(p)));
        ShowSliderValue(ELutParameter(p));
    }
    for (const SLutGroupInfo& g : CLutPanelModel::Groups())
    {
        const size_t gi = size_t(g.eGroup);
        QToolButton* expander = m_apGroupButtons[gi];
        {
            const QSignalBlocker block(expander);
            expander->setChecked(m_model.IsExpanded(g.eGroup));
        }
        expander->setIcon(DockIcon(QLatin1String(m_model.GroupIcon(g.eGroup))));
        expander->setVisible(m_model.GroupButtonVisible(g.eGroup));
        m_apGroupResets[gi]->setVisible(m_model.GroupButtonVisible(g.eGroup));
        m_apGroupResets[gi]->setEnabled(m_model.ResetEnabled(g.eGroup));
        m_apGroupBodies[gi]->setVisible(m_model.GroupSlidersVisible(g.eGroup));
    }
}

void CLutPanel::ShowSliderValue(ELutParameter which)
{
    m_apValues[size_t(which)]->setText(QString::number(m_apSliders[size_t(which)]->value()));
}

void CLutPanel::OnSlider(ELutParameter which, int value)
{
    m_model.SetSliderValue(which, value);
    ShowSliderValue(which);
    const ELutParameterGroup group = LutParameterTable()[size_t(which)].eGroup;
    m_apGroupResets[size_t(group)]->setEnabled(m_model.ResetEnabled(group));
    emit lutChanged();
}

void CLutPanel::lutCreateNewButtonClicked()
{
    if (!m_model.Lut().CreateNew(m_prompt, ConfirmationsOn()))
        return;
    Refresh();
    emit lutChanged();
}

void CLutPanel::lutResetButtonClicked()
{
    m_model.Lut().Clear();
    Refresh();
    emit lutCleared();
    emit lutChanged();
}

void CLutPanel::lutActiveButtonClicked()
{
    m_model.Lut().SetActive(m_pLUTActiveButton->isChecked());
    emit lutChanged();
}

void CLutPanel::lutLayerComboBoxChanged(int index)
{
    if (index < 0)
        return;
    m_model.Lut().SetLayerMode(m_pLUTLayerComboBox->itemData(index).toInt());
    emit lutChanged();
}

void CLutPanel::lutLayerBrowserButtonClicked()
{
    emit layerBrowserRequested();
}

void CLutPanel::ResetGroup(ELutParameterGroup group)
{
    m_model.Lut().ResetGroup(group);
    Refresh();
    emit lutChanged();
}

void CLutPanel::lutResetParameterButtonClicked()
{
    ResetGroup(eLPG_PARAMETER);
}

void CLutPanel::lutResetBalanceButtonClicked()
{
    ResetGroup(eLPG_BALANCE);
}

void CLutPanel::lutResetProtectButtonClicked()
{
    ResetGroup(eLPG_PROTECT);
}
