#include "app/dock/GeometryControl.h"
#include "app/dock/HDRPostProcessingDockWidget.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace
{
QString ShapeLabel(int index, const SGeometryShape& s)
{
    const QString sign = s.iKind == SGeometryShape::eSUBTRACTIVE ? QStringLiteral("−") : QStringLiteral("+");
    return HDRPostProcessingDockWidget::tr("Form %1 (%2)").arg(index + 1).arg(sign);
}
}  // namespace

CGeometryControl::CGeometryControl(CChainEditor& editor, int op, int set, CPreviewTools& tools, QWidget* parent)
    : CParameterControl(editor, op, set, parent), m_tools(tools),
      m_overlay(editor, op, set, [&tools] { return tools.ImageSize(); })
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 2, 0, 2);
    grid->addWidget(new QLabel(HDRPostProcessingDockWidget::tr("Geometrie"), this), 0, 0);
    m_pEdit = new QToolButton(this);
    m_pEdit->setText(HDRPostProcessingDockWidget::tr("Bearbeiten"));
    m_pEdit->setToolTip(HDRPostProcessingDockWidget::tr("Formen in der Vorschau verschieben und aufziehen"));
    m_pEdit->setCheckable(true);
    m_pEdit->setEnabled(tools.Preview() != nullptr);
    grid->addWidget(m_pEdit, 0, 1, 1, 2, Qt::AlignRight);
    grid->addWidget(MakeResetButton(), 0, 3);

    m_pList = new QListWidget(this);
    m_pList->setMaximumHeight(80);
    grid->addWidget(m_pList, 1, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    auto textButton = [this](const QString& text) {
        auto* b = new QToolButton(this);
        b->setText(text);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        return b;
    };
    m_pAdd = textButton(HDRPostProcessingDockWidget::tr("Form +"));
    m_pAdd->setToolTip(HDRPostProcessingDockWidget::tr("Form hinzufügen, in der die Wirkung gilt"));
    m_pAddSub = textButton(HDRPostProcessingDockWidget::tr("Form −"));
    m_pAddSub->setToolTip(HDRPostProcessingDockWidget::tr("Form hinzufügen, in der die Wirkung abgeschwächt wird"));
    m_pRemove = textButton(HDRPostProcessingDockWidget::tr("Entfernen"));
    buttons->addWidget(m_pAdd);
    buttons->addWidget(m_pAddSub);
    buttons->addWidget(m_pRemove);
    grid->addLayout(buttons, 2, 0, 1, 4);

    const char* const names[3] = {QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Härte"),
                                  QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Form"),
                                  QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Stärke")};
    for (int i = 0; i < 3; ++i)
    {
        grid->addWidget(new QLabel(HDRPostProcessingDockWidget::tr(names[i]), this), 3 + i, 0);
        m_apSlider[i] = new QSlider(Qt::Horizontal, this);
        m_apSlider[i]->setRange(0, 100);
        grid->addWidget(m_apSlider[i], 3 + i, 1, 1, 3);
        connect(m_apSlider[i], &QSlider::valueChanged, this, &CGeometryControl::OnSliders);
    }
    m_pAdditive = new QRadioButton(HDRPostProcessingDockWidget::tr("additiv"), this);
    m_pSubtractive = new QRadioButton(HDRPostProcessingDockWidget::tr("subtraktiv"), this);
    auto* kind = new QButtonGroup(this);
    kind->addButton(m_pAdditive);
    kind->addButton(m_pSubtractive);
    grid->addWidget(new QLabel(HDRPostProcessingDockWidget::tr("Wirkung"), this), 6, 0);
    grid->addWidget(m_pAdditive, 6, 1);
    grid->addWidget(m_pSubtractive, 6, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);

    connect(m_pAdd, &QToolButton::clicked, this, [this] { AddShape(true); });
    connect(m_pAddSub, &QToolButton::clicked, this, [this] { AddShape(false); });
    connect(m_pRemove, &QToolButton::clicked, this, &CGeometryControl::RemoveSelected);
    connect(m_pList, &QListWidget::currentRowChanged, this, [this](int row) {
        m_overlay.SetSelected(row);
        ShowSelected();
        m_tools.Update();
    });
    connect(m_pSubtractive, &QRadioButton::toggled, this, [this](bool) { OnSliders(); });
    connect(m_pEdit, &QToolButton::toggled, this, [this](bool on) {
        if (on)
            m_tools.Activate(&m_overlay, m_pEdit);
        else
            m_tools.Deactivate(&m_overlay);
    });
    m_overlay.onSelected = [this](int shape) {
        const QSignalBlocker block(m_pList);
        m_pList->setCurrentRow(shape);
        ShowSelected();
    };
    m_overlay.onChanged = [this](int) {
        m_tools.Update();
        emit changed();
    };
    Refresh();
}

CGeometryControl::~CGeometryControl()
{
    m_tools.Deactivate(&m_overlay);
}

int CGeometryControl::Selected() const
{
    return m_pList->currentRow();
}

void CGeometryControl::Select(int shape)
{
    m_pList->setCurrentRow(shape);
}

void CGeometryControl::Refresh()
{
    const float* geo = m_editor.Values(m_iOp, m_iSet);
    const int count = geo ? GeometrySet::Count(geo) : 0;
    const int keep = m_pList->currentRow();
    {
        const QSignalBlocker block(m_pList);
        m_pList->clear();
        for (int i = 0; i < count; ++i)
        {
            const SGeometryShape s = GeometrySet::Read(geo, i);
            m_pList->addItem(ShapeLabel(i, s));
        }
        m_pList->setCurrentRow(count == 0 ? -1 : std::clamp(keep, 0, count - 1));
    }
    m_overlay.SetSelected(m_pList->currentRow());
    m_pAdd->setEnabled(count < GeometrySet::kMaxShapes);
    m_pAddSub->setEnabled(count < GeometrySet::kMaxShapes);
    ShowSelected();
    m_tools.Update();
}

void CGeometryControl::ShowSelected()
{
    const float* geo = m_editor.Values(m_iOp, m_iSet);
    const int shape = Selected();
    const bool has = geo && shape >= 0;
    for (QSlider* s : m_apSlider)
        s->setEnabled(has);
    m_pAdditive->setEnabled(has);
    m_pSubtractive->setEnabled(has);
    m_pRemove->setEnabled(has);
    if (!has)
        return;
    const SGeometryShape s = GeometrySet::Read(geo, shape);
    const float values[3] = {s.fHardness, s.fShape, s.fStrength};
    for (int i = 0; i < 3; ++i)
    {
        const QSignalBlocker block(m_apSlider[i]);
        m_apSlider[i]->setValue(int(std::lround(values[i] * 100.0f)));
    }
    const QSignalBlocker ba(m_pAdditive), bs(m_pSubtractive);
    (s.iKind == SGeometryShape::eSUBTRACTIVE ? m_pSubtractive : m_pAdditive)->setChecked(true);
}

void CGeometryControl::OnSliders()
{
    const float* geo = m_editor.Values(m_iOp, m_iSet);
    const int index = Selected();
    if (!geo || index < 0)
        return;
    SGeometryShape s = GeometrySet::Read(geo, index);
    s.fHardness = m_apSlider[0]->value() / 100.0f;
    s.fShape = m_apSlider[1]->value() / 100.0f;
    s.fStrength = m_apSlider[2]->value() / 100.0f;
    s.iKind = m_pSubtractive->isChecked() ? SGeometryShape::eSUBTRACTIVE : SGeometryShape::eADDITIVE;
    m_editor.SetShape(m_iOp, m_iSet, index, s);
    if (QListWidgetItem* item = m_pList->item(index))
        item->setText(ShapeLabel(index, s));
    m_tools.Update();
    emit changed();
}

int CGeometryControl::AddShape(bool additive)
{
    SGeometryShape s;
    s.iKind = additive ? SGeometryShape::eADDITIVE : SGeometryShape::eSUBTRACTIVE;
    const int index = m_editor.AddShape(m_iOp, m_iSet, s);
    if (index < 0)
        return -1;
    Refresh();
    Select(index);
    emit changed();
    return index;
}

void CGeometryControl::RemoveSelected()
{
    if (!m_editor.RemoveShape(m_iOp, m_iSet, Selected()))
        return;
    Refresh();
    emit changed();
}
