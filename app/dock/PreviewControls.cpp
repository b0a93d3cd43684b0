#include "app/dock/PreviewControls.h"
#include "app/dock/HDRPostProcessingDockWidget.h"

#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace
{
QDoubleSpinBox* PercentSpin(QWidget* parent)
{
    auto* spin = new QDoubleSpinBox(parent);
    spin->setRange(0.0, 100.0);
    spin->setDecimals(1);
    spin->setSuffix(QStringLiteral(" %"));
    spin->setKeyboardTracking(false);
    spin->setMinimumWidth(spin->fontMetrics().horizontalAdvance(QStringLiteral("100.0 %")) + 28);
    spin->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return spin;
}

QToolButton* MakePickButton(QWidget* parent, const char* text, const char* tooltip)
{
    auto* button = new QToolButton(parent);
    button->setText(HDRPostProcessingDockWidget::tr(text));
    button->setToolTip(HDRPostProcessingDockWidget::tr(tooltip));
    button->setCheckable(true);
    return button;
}

// Image pixel → fraction of the image size, clamped to 0…1.
QPointF Fraction(QPointF imagePos, QSize size)
{
    if (size.isEmpty())
        return {0.0, 0.0};
    return {std::clamp(imagePos.x() / size.width(), 0.0, 1.0), std::clamp(imagePos.y() / size.height(), 0.0, 1.0)};
}

void Cross(QPainter& p, QPointF at)
{
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(at - QPointF(8, 0), at + QPointF(8, 0));
    p.drawLine(at - QPointF(0, 8), at + QPointF(0, 8));
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(at - QPointF(8, 0), at + QPointF(8, 0));
    p.drawLine(at - QPointF(0, 8), at + QPointF(0, 8));
}

// The looks of the position picker types: 0 a cross, 1 a ring around it, 2 a square around it,
// 3 lines across the whole picture.
void PositionMark(QPainter& p, const QTransform& t, QPointF at, QSize size, int type)
{
    const QPointF w = t.map(at);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    if (type == 3)
    {
        const QLineF across[2] = {t.map(QLineF(0, at.y(), size.width(), at.y())), t.map(QLineF(at.x(), 0, at.x(), size.height()))};
        for (const QPen& pen : {QPen(Qt::black, 3), QPen(Qt::white, 1)})
        {
            p.setPen(pen);
            p.drawLines(across, 2);
        }
    }
    else if (type == 1 || type == 2)
    {
        for (const QPen& pen : {QPen(Qt::black, 3), QPen(Qt::white, 1)})
        {
            p.setPen(pen);
            type == 1 ? p.drawEllipse(w, 14, 14) : p.drawRect(QRectF(w - QPointF(14, 14), QSizeF(28, 28)));
        }
    }
    p.restore();
    Cross(p, w);
}

// Hands the preview to `overlay` while `button` is checked.
void BindToggle(QToolButton* button, CPreviewTools& tools, IPreviewOverlay* overlay)
{
    button->setEnabled(tools.Preview() != nullptr);
    QObject::connect(button, &QToolButton::toggled, button, [button, &tools, overlay](bool on) {
        if (on)
            tools.Activate(overlay, button);
        else
            tools.Deactivate(overlay);
    });
}
}  // namespace

// ---------------------------------------------------------------------------------------------

CPositionControl::CPositionControl(CChainEditor& editor, int op, int set, CPreviewTools& tools, QWidget* parent)
    : CParameterControl(editor, op, set, parent), m_tools(tools)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 2, 0, 2);
    // Caption, picker and reset on the first row so the values fit a narrow dock.
    auto* caption = new QHBoxLayout;
    caption->addWidget(new QLabel(Caption("Position"), this), 1);
    m_pPick = MakePickButton(this, QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Wählen"),
                             QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Position in der Vorschau wählen"));
    caption->addWidget(m_pPick);
    caption->addWidget(MakeResetButton());
    grid->addLayout(caption, 0, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("X"), this), 1, 0);
    m_pX = PercentSpin(this);
    grid->addWidget(m_pX, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Y"), this), 1, 2);
    m_pY = PercentSpin(this);
    grid->addWidget(m_pY, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    m_overlay.onPress = [this](QPointF p) { SetFromImage(p); };
    m_overlay.onMove = [this](QPointF p) { SetFromImage(p); };
    m_overlay.onPaint = [this](QPainter& p, const QTransform& t) {
        const QSize size = m_tools.ImageSize();
        const QPointF at(m_editor.Value(m_iOp, m_iSet, 0) * size.width(), m_editor.Value(m_iOp, m_iSet, 1) * size.height());
        const SCatalogueControl* c = Control();
        PositionMark(p, t, at, size, c ? c->iPickerType : 0);
    };
    BindToggle(m_pPick, m_tools, &m_overlay);
    connect(m_pX, &QDoubleSpinBox::valueChanged, this, &CPositionControl::OnSpin);
    connect(m_pY, &QDoubleSpinBox::valueChanged, this, &CPositionControl::OnSpin);
    Refresh();
}

CPositionControl::~CPositionControl()
{
    m_tools.Deactivate(&m_overlay);
}

void CPositionControl::Refresh()
{
    const QSignalBlocker bx(m_pX), by(m_pY);
    m_pX->setValue(m_editor.Value(m_iOp, m_iSet, 0) * 100.0);
    m_pY->setValue(m_editor.Value(m_iOp, m_iSet, 1) * 100.0);
    if (m_tools.IsActive(&m_overlay))
        m_tools.Update();
}

void CPositionControl::SetFromImage(QPointF imagePos)
{
    const QPointF f = Fraction(imagePos, m_tools.ImageSize());
    const float v[2] = {float(f.x()), float(f.y())};
    m_editor.SetValues(m_iOp, m_iSet, v, 2);
    Refresh();
    emit changed();
}

void CPositionControl::OnSpin()
{
    const float v[2] = {float(m_pX->value() / 100.0), float(m_pY->value() / 100.0)};
    m_editor.SetValues(m_iOp, m_iSet, v, 2);
    m_tools.Update();
    emit changed();
}

// ---------------------------------------------------------------------------------------------

CLineControl::CLineControl(CChainEditor& editor, int op, int set, CPreviewTools& tools, QWidget* parent)
    : CParameterControl(editor, op, set, parent), m_tools(tools)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 2, 0, 2);
    auto* caption = new QHBoxLayout;
    caption->addWidget(new QLabel(Caption("Linie"), this), 1);
    m_pPick = MakePickButton(this, QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Ziehen"),
                             QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Linie in der Vorschau ziehen"));
    caption->addWidget(m_pPick);
    caption->addWidget(MakeResetButton());
    grid->addLayout(caption, 0, 0, 1, 4);
    const char* names[4] = {"X1", "Y1", "X2", "Y2"};
    for (int i = 0; i < 4; ++i)
    {
        grid->addWidget(new QLabel(QString::fromLatin1(names[i]), this), 1 + i / 2, (i % 2) * 2);
        m_apSpin[i] = PercentSpin(this);
        grid->addWidget(m_apSpin[i], 1 + i / 2, (i % 2) * 2 + 1);
        connect(m_apSpin[i], &QDoubleSpinBox::valueChanged, this, &CLineControl::OnSpin);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    m_overlay.onPress = [this](QPointF p) {
        SetPoint(0, p);
        SetPoint(1, p);
    };
    m_overlay.onMove = [this](QPointF p) { SetPoint(1, p); };
    m_overlay.onPaint = [this](QPainter& p, const QTransform& t) {
        const QSize s = m_tools.ImageSize();
        const QPointF a = t.map(QPointF(m_editor.Value(m_iOp, m_iSet, 0) * s.width(), m_editor.Value(m_iOp, m_iSet, 1) * s.height()));
        const QPointF b = t.map(QPointF(m_editor.Value(m_iOp, m_iSet, 2) * s.width(), m_editor.Value(m_iOp, m_iSet, 3) * s.height()));
        p.setPen(QPen(Qt::black, 3));
        p.drawLine(a, b);
        p.setPen(QPen(Qt::white, 1));
        p.drawLine(a, b);
        Cross(p, a);
        Cross(p, b);
    };
    BindToggle(m_pPick, m_tools, &m_overlay);
    Refresh();
}

CLineControl::~CLineControl()
{
    m_tools.Deactivate(&m_overlay);
}

void CLineControl::Refresh()
{
    for (int i = 0; i < 4; ++i)
    {
        const QSignalBlocker block(m_apSpin[i]);
        m_apSpin[i]->setValue(m_editor.Value(m_iOp, m_iSet, i) * 100.0);
    }
    if (m_tools.IsActive(&m_overlay))
        m_tools.Update();
}

void CLineControl::SetPoint(int which, QPointF imagePos)
{
    const QPointF f = Fraction(imagePos, m_tools.ImageSize());
    m_editor.SetValue(m_iOp, m_iSet, 2 * which, float(f.x()));
    m_editor.SetValue(m_iOp, m_iSet, 2 * which + 1, float(f.y()));
    Refresh();
    emit changed();
}

void CLineControl::OnSpin()
{
    float v[4];
    for (int i = 0; i < 4; ++i)
        v[i] = float(m_apSpin[i]->value() / 100.0);
    m_editor.SetValues(m_iOp, m_iSet, v, 4);
    m_tools.Update();
    emit changed();
}

// ---------------------------------------------------------------------------------------------

CColourSwatchControl::CColourSwatchControl(CChainEditor& editor, int op, int set, CPreviewTools& tools, QWidget* parent)
    : CParameterControl(editor, op, set, parent), m_tools(tools)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 2, 0, 2);
    row->addWidget(new QLabel(Caption("Farbe"), this), 1);
    m_pSwatch = new QPushButton(this);
    m_pSwatch->setToolTip(HDRPostProcessingDockWidget::tr("Farbe wählen"));
    m_pSwatch->setFixedSize(48, 22);
    row->addWidget(m_pSwatch);
    m_pPipette = MakePickButton(this, QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Pipette"),
                             QT_TRANSLATE_NOOP("HDRPostProcessingDockWidget", "Farbe aus der Vorschau aufnehmen"));
    row->addWidget(m_pPipette);
    row->addWidget(MakeResetButton());

    // One click takes the colour under the pointer and ends the pipette. A colour the operator
    // measures (a neutral to balance, a colour to calibrate) is taken as the operator receives
    // it, not from the graded preview, which already holds the operator's own change.
    m_overlay.onPress = [this](QPointF p) {
        const SCatalogueControl* c = Control();
        float rgb[3];
        if (c && c->bPickInput && m_tools.SampleInput(m_iOp, p, rgb))
            SetColour(QColor::fromRgbF(rgb[0], rgb[1], rgb[2]));
        else if (m_tools.Preview())
            SetColour(QColor::fromRgba64(m_tools.Preview()->ColourAt(p)));
    };
    m_overlay.onRelease = [this](QPointF) { m_tools.Deactivate(&m_overlay); };
    BindToggle(m_pPipette, m_tools, &m_overlay);
    connect(m_pSwatch, &QPushButton::clicked, this, &CColourSwatchControl::ChooseColour);
    Refresh();
}

CColourSwatchControl::~CColourSwatchControl()
{
    m_tools.Deactivate(&m_overlay);
}

void CColourSwatchControl::Refresh()
{
    const QColor c = QColor::fromRgbF(m_editor.Value(m_iOp, m_iSet, 2), m_editor.Value(m_iOp, m_iSet, 3), m_editor.Value(m_iOp, m_iSet, 4));
    m_pSwatch->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid #555;").arg(c.name()));
}

void CColourSwatchControl::SetColour(const QColor& colour)
{
    if (!colour.isValid())
        return;
    const float v[5] = {m_editor.Value(m_iOp, m_iSet, 0), m_editor.Value(m_iOp, m_iSet, 1), float(colour.redF()),
                        float(colour.greenF()), float(colour.blueF())};
    m_editor.SetValues(m_iOp, m_iSet, v, 5);
    Refresh();
    emit changed();
}

void CColourSwatchControl::ChooseColour()
{
    const QColor current = QColor::fromRgbF(m_editor.Value(m_iOp, m_iSet, 2), m_editor.Value(m_iOp, m_iSet, 3), m_editor.Value(m_iOp, m_iSet, 4));
    const QColor chosen = QColorDialog::getColor(current, this, HDRPostProcessingDockWidget::tr("Farbe wählen"));
    if (chosen.isValid())
        SetColour(chosen);
}
