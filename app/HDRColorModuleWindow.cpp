#include "app/HDRColorModuleWindow.h"

#include "core/ColourSpace.h"
#include "core/IUserPrompt.h"
#include "engine/colourmodule/ColorModule.h"
#include "session/GradingSession.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace
{
constexpr int kSliderSteps = 1000;

SCMSelection SelectionOf(const SColorLayerData& d)
{
    return {d.m_fSrcHueMin, d.m_fSrcHueMax, d.m_fSrcSatMin, d.m_fSrcSatMax, d.m_fSrcVal, d.m_fSrcSoftness, d.m_bInverted};
}

/// The source centres follow the range ends the sliders move.
void UpdateSourceCentres(SColorLayerData& d)
{
    d.m_fSrcHue = d.m_fSrcHueMax >= d.m_fSrcHueMin ? (d.m_fSrcHueMin + d.m_fSrcHueMax) / 2.f
                                                   : ColorModule::WrapHue((d.m_fSrcHueMax + 1.f + d.m_fSrcHueMin) / 2.f);
    d.m_fSrcSat = (d.m_fSrcSatMin + d.m_fSrcSatMax) / 2.f;
}
}  // namespace

// ---------------------------------------------------------------------------------------------

namespace ColorModule
{
CColorImage::CColorImage(QWidget* parent) : QWidget(parent), m_image(kSide, kSide, QImage::Format_ARGB32)
{
    setObjectName("m_pColorImage");
    setMinimumSize(kSide, kSide);
    SetSelection(nullptr);
}

void CColorImage::SetSelection(const SCMSelection* selection)
{
    m_image.fill(Qt::transparent);
    const float centre = (kSide - 1) * 0.5f, radius = kSide * 0.5f - 1.f;
    for (int y = 0; y < kSide; ++y)
    {
        QRgb* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        for (int x = 0; x < kSide; ++x)
        {
            const float dx = float(x) - centre, dy = centre - float(y);
            const float s = std::sqrt(dx * dx + dy * dy) / radius;
            if (s > 1.f)
                continue;
            float h = std::atan2(dy, dx) / 6.2831853f;
            if (h < 0.f)
                h += 1.f;
            float r, g, b;
            Colour::HsvToRgb({h, s, 1.f}, r, g, b);
            float shade = 1.f;
            if (selection)
            {
                const float w = MP_CM_GetSelectionWeight(r, g, b, selection->fHueMin, selection->fHueMax,
                                                         selection->fSatMin, selection->fSatMax, 0.f,
                                                         selection->fSoftness, selection->bInvert, false);
                shade = 0.35f + 0.65f * w;
            }
            line[x] = qRgb(int(r * shade * 255.f + 0.5f), int(g * shade * 255.f + 0.5f), int(b * shade * 255.f + 0.5f));
        }
    }
    update();
}

void CColorImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect target = QRect(QPoint(0, 0), m_image.size().scaled(size(), Qt::KeepAspectRatio));
    painter.drawImage(target.translated((width() - target.width()) / 2, (height() - target.height()) / 2), m_image);
}
}  // namespace ColorModule

// ---------------------------------------------------------------------------------------------

/// Takes the press on the preview while a pipette is on and paints where colours were picked.
class HDRColorModuleWindow::CPickOverlay : public IPreviewOverlay
{
public:
    explicit CPickOverlay(HDRColorModuleWindow& window) : m_window(window) {}
    void Paint(QPainter& painter, const QTransform& imageToWidget) override { m_window.PaintMarks(painter, imageToWidget); }
    bool Press(QPointF imagePos) override { return m_window.Picked(imagePos); }
    void Move(QPointF) override {}
    void Release(QPointF) override {}

private:
    HDRColorModuleWindow& m_window;
};

HDRColorModuleWindow::HDRColorModuleWindow(CGradingSession& session, IUserPrompt& prompt, IPreviewSurface* preview,
                                           QWidget* parent)
    : QWidget(parent, Qt::Tool), m_session(session), m_prompt(prompt), m_pPreview(preview),
      m_overlay(std::make_unique<CPickOverlay>(*this))
{
    setObjectName("m_pColorModuleWindow");
    setWindowTitle(tr("Farbmodul"));

    auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        return b;
    };

    // The list and its buttons.
    m_pLayerList = new QListWidget(this);
    m_pLayerList->setObjectName("m_pLayerList");
    m_pLayerList->setMaximumWidth(150);
    m_pAddButton = button(tr("Neu"), "m_pAddButton");
    m_pRemoveButton = button(tr("Löschen"), "m_pRemoveButton");
    m_pUpButton = button(tr("Hoch"), "m_pUpButton");
    m_pDownButton = button(tr("Runter"), "m_pDownButton");
    m_pCopyButton = button(tr("Kopieren"), "m_pCopyButton");
    m_pPasteButton = button(tr("Einfügen"), "m_pPasteButton");
    m_pSaveButton = button(tr("Speichern"), "m_pSaveButton");
    m_pLoadButton = button(tr("Laden"), "m_pLoadButton");
    auto* listButtons = new QGridLayout;
    const QList<QPushButton*> listButtonOrder = {m_pAddButton,  m_pRemoveButton, m_pUpButton,   m_pDownButton,
                                                 m_pCopyButton, m_pPasteButton,  m_pSaveButton, m_pLoadButton};
    for (int i = 0; i < listButtonOrder.size(); ++i)
        listButtons->addWidget(listButtonOrder[i], i / 2, i % 2);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(new QLabel(tr("Layer"), this));
    listColumn->addWidget(m_pLayerList, 1);
    listColumn->addLayout(listButtons);

    // Source and destination controls of the current layer.
    m_pControls = new QWidget(this);
    auto* source = new QGroupBox(tr("Quelle"), m_pControls);
    auto* sourceLayout = new QVBoxLayout(source);
    m_pPickSrcButton = button(tr("Quellfarbe aus dem Bild wählen"), "m_pPickSrcButton");
    m_pPickSrcButton->setCheckable(true);
    m_pSrcSwatch = new QLabel(source);
    m_pSrcSwatch->setObjectName("m_pSrcSwatch");
    auto* sourcePick = new QHBoxLayout;
    sourcePick->addWidget(m_pPickSrcButton, 1);
    sourcePick->addWidget(m_pSrcSwatch);
    sourceLayout->addLayout(sourcePick);
    sourceLayout->addWidget(BuildSliders({{tr("Farbton von"), &SColorLayerData::m_fSrcHueMin},
                                          {tr("Farbton bis"), &SColorLayerData::m_fSrcHueMax},
                                          {tr("Sättigung von"), &SColorLayerData::m_fSrcSatMin},
                                          {tr("Sättigung bis"), &SColorLayerData::m_fSrcSatMax},
                                          {tr("Mindesthelligkeit"), &SColorLayerData::m_fSrcVal},
                                          {tr("Weichheit"), &SColorLayerData::m_fSrcSoftness}},
                                         "Src"));
    m_pInvertCheckBox = new QCheckBox(tr("Auswahl umkehren"), source);
    m_pInvertCheckBox->setObjectName("m_pInvertCheckBox");
    sourceLayout->addWidget(m_pInvertCheckBox);

    auto* destination = new QGroupBox(tr("Ziel"), m_pControls);
    auto* destinationLayout = new QVBoxLayout(destination);
    m_pPickDstButton = button(tr("Zielfarbe aus dem Bild wählen"), "m_pPickDstButton");
    m_pPickDstButton->setCheckable(true);
    m_pDstSwatch = new QLabel(destination);
    m_pDstSwatch->setObjectName("m_pDstSwatch");
    auto* destinationPick = new QHBoxLayout;
    destinationPick->addWidget(m_pPickDstButton, 1);
    destinationPick->addWidget(m_pDstSwatch);
    destinationLayout->addLayout(destinationPick);
    destinationLayout->addWidget(BuildSliders({{tr("Farbton"), &SColorLayerData::m_fDstHue},
                                               {tr("Sättigung"), &SColorLayerData::m_fDstSat},
                                               {tr("Helligkeit"), &SColorLayerData::m_fDstVal},
                                               {tr("Sättigungskontrast"), &SColorLayerData::m_fDstSatContrast},
                                               {tr("Helligkeitskontrast"), &SColorLayerData::m_fDstValContrast}},
                                              "Dst"));
    m_pSrcToDstButton = button(tr("Quellfarbe ins Ziel"), "m_pSrcToDstButton");
    m_pResetButton = button(tr("Zurücksetzen"), "m_pResetButton");
    auto* destinationButtons = new QHBoxLayout;
    destinationButtons->addWidget(m_pSrcToDstButton);
    destinationButtons->addWidget(m_pResetButton);
    destinationLayout->addLayout(destinationButtons);

    auto* controlsLayout = new QVBoxLayout(m_pControls);
    controlsLayout->setContentsMargins(0, 0, 0, 0);
    controlsLayout->addWidget(source);
    controlsLayout->addWidget(destination);
    controlsLayout->addStretch(1);

    // The wheel and the mask.
    m_pWheel = new ColorModule::CColorImage(this);
    m_pShowMaskCheckBox = new QCheckBox(tr("Maske anzeigen"), this);
    m_pShowMaskCheckBox->setObjectName("m_pShowMaskCheckBox");
    m_pMaskSelectionRadio = new QRadioButton(tr("Auswahl"), this);
    m_pMaskSelectionRadio->setObjectName("m_pMaskSelectionRadio");
    m_pMaskSelectionRadio->setChecked(true);
    m_pMaskPickabilityRadio = new QRadioButton(tr("Wählbare Farben"), this);
    m_pMaskPickabilityRadio->setObjectName("m_pMaskPickabilityRadio");
    m_pMaskView = new QLabel(this);
    m_pMaskView->setObjectName("m_pMaskView");
    m_pMaskView->setAlignment(Qt::AlignCenter);
    m_pMaskView->setMinimumSize(200, 130);
    m_pMaskView->setFrameShape(QFrame::StyledPanel);
    auto* viewColumn = new QVBoxLayout;
    viewColumn->addWidget(m_pWheel, 0, Qt::AlignHCenter);
    viewColumn->addWidget(m_pShowMaskCheckBox);
    auto* radios = new QHBoxLayout;
    radios->addWidget(m_pMaskSelectionRadio);
    radios->addWidget(m_pMaskPickabilityRadio);
    viewColumn->addLayout(radios);
    viewColumn->addWidget(m_pMaskView, 1);

    auto* main = new QHBoxLayout(this);
    main->addLayout(listColumn);
    main->addWidget(m_pControls, 1);
    main->addLayout(viewColumn);

    ColorModule::CColorControls& controls = m_session.ColourLayers().Controls();
    connect(m_pAddButton, &QPushButton::clicked, this, [this, &controls] {
        if (!controls.AddLayer())
            return;
        FillList();
        SetCurrentLayer(controls.Count() - 1);
        Changed();
    });
    connect(m_pRemoveButton, &QPushButton::clicked, this, [this, &controls] {
        const int i = CurrentLayer();
        if (!controls.RemoveLayer(i, m_prompt))
            return;
        FillList();
        SetCurrentLayer(std::min(i, controls.Count() - 1));
        Changed();
    });
    connect(m_pUpButton, &QPushButton::clicked, this, [this, &controls] {
        const int i = CurrentLayer();
        if (!controls.MoveUp(i))
            return;
        FillList();
        SetCurrentLayer(i - 1);
        Changed();
    });
    connect(m_pDownButton, &QPushButton::clicked, this, [this, &controls] {
        const int i = CurrentLayer();
        if (!controls.MoveDown(i))
            return;
        FillList();
        SetCurrentLayer(i + 1);
        Changed();
    });
    connect(m_pCopyButton, &QPushButton::clicked, this, [this, &controls] {
        controls.CopyLayer(CurrentLayer());
        m_pPasteButton->setEnabled(controls.HasCopiedLayer() && CurrentLayer() >= 0);
    });
    connect(m_pPasteButton, &QPushButton::clicked, this, [this, &controls] {
        if (!controls.PasteLayer(CurrentLayer(), m_prompt))
            return;
        FillList();
        FillControls();
        Changed();
    });
    connect(m_pSrcToDstButton, &QPushButton::clicked, this, [this, &controls] {
        if (controls.CopySourceToDestination(CurrentLayer(), m_prompt))
            FillControls(), Changed();
    });
    connect(m_pResetButton, &QPushButton::clicked, this, [this, &controls] {
        if (controls.ResetColours(CurrentLayer(), m_prompt))
            FillControls(), Changed();
    });
    connect(m_pSaveButton, &QPushButton::clicked, this, [this, &controls] {
        QSettings settings;
        controls.SaveWithDialog(m_prompt, settings);
    });
    connect(m_pLoadButton, &QPushButton::clicked, this, [this, &controls] {
        QSettings settings;
        abortPicking();
        if (!controls.LoadWithDialog(m_prompt, settings))
            return;
        refreshFromSession();
        Changed();
    });
    connect(m_pLayerList, &QListWidget::currentRowChanged, this, [this] { FillControls(); });
    connect(m_pLayerList, &QListWidget::itemChanged, this, [this, &controls](QListWidgetItem* item) {
        const int i = m_pLayerList->row(item);
        if (m_bUpdating || i < 0 || i >= controls.Count())
            return;
        controls.Layer(i).Data().m_bActive = item->checkState() == Qt::Checked;
        FillControls();
        Changed();
    });
    connect(m_pInvertCheckBox, &QCheckBox::toggled, this, [this](bool on) {
        if (m_bUpdating || !Current())
            return;
        Current()->m_bInverted = on;
        Changed();
    });
    connect(m_pPickSrcButton, &QPushButton::toggled, this, [this](bool on) { StartPicking(true, on); });
    connect(m_pPickDstButton, &QPushButton::toggled, this, [this](bool on) { StartPicking(false, on); });
    connect(m_pShowMaskCheckBox, &QCheckBox::toggled, this, [this, &controls](bool on) {
        if (m_bUpdating)
            return;
        controls.ShowMask(CurrentLayer(), on);
        Changed();
    });
    connect(m_pMaskPickabilityRadio, &QRadioButton::toggled, this, [this] { UpdateMask(); });

    refreshFromSession();
}

HDRColorModuleWindow::~HDRColorModuleWindow()
{
    if (m_pPreview && m_pPreview->Overlay() == m_overlay.get())
        m_pPreview->SetOverlay(nullptr);
}

QWidget* HDRColorModuleWindow::BuildSliders(const QList<QPair<QString, float SColorLayerData::*>>& rows,
                                            const char* prefix)
{
    auto* box = new QWidget(m_pControls);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int r = 0; r < rows.size(); ++r)
    {
        const auto& row = rows[r];
        auto* slider = new QSlider(Qt::Horizontal, box);
        slider->setRange(0, kSliderSteps);
        slider->setObjectName(QStringLiteral("m_p%1Slider%2").arg(prefix).arg(r));
        slider->setMinimumWidth(160);
        auto* value = new QLabel(box);
        value->setMinimumWidth(40);
        auto* label = new QLabel(row.first, box);
        label->setMinimumWidth(130);
        grid->addWidget(label, r, 0);
        grid->addWidget(slider, r, 1);
        grid->addWidget(value, r, 2);
        m_sliders.push_back({slider, value, row.second});
        const auto field = row.second;
        connect(slider, &QSlider::valueChanged, this, [this, value, field](int position) {
            value->setText(QString::number(double(position) / kSliderSteps, 'f', 3));
            SColorLayerData* d = Current();
            if (m_bUpdating || !d)
                return;
            d->*field = float(position) / kSliderSteps;
            UpdateSourceCentres(*d);
            Changed();
        });
    }
    return box;
}

SColorLayerData* HDRColorModuleWindow::Current()
{
    const int i = CurrentLayer();
    return i >= 0 ? &m_session.ColourLayers().Controls().Layer(i).Data() : nullptr;
}

int HDRColorModuleWindow::CurrentLayer() const
{
    const int row = m_pLayerList->currentRow();
    return row >= 0 && row < m_session.ColourLayers().Controls().Count() ? row : -1;
}

void HDRColorModuleWindow::SetCurrentLayer(int index)
{
    m_pLayerList->setCurrentRow(index);
    FillControls();
}

void HDRColorModuleWindow::refreshFromSession()
{
    const int keep = CurrentLayer();
    FillList();
    const int count = m_session.ColourLayers().Controls().Count();
    SetCurrentLayer(count == 0 ? -1 : std::clamp(keep, 0, count - 1));
}

void HDRColorModuleWindow::FillList()
{
    const ColorModule::CColorControls& controls = m_session.ColourLayers().Controls();
    const bool wasUpdating = std::exchange(m_bUpdating, true);
    const int row = m_pLayerList->currentRow();
    m_pLayerList->clear();
    for (int i = 0; i < controls.Count(); ++i)
    {
        auto* item = new QListWidgetItem(tr("Layer %1").arg(i + 1), m_pLayerList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(controls.Layer(i).Data().m_bActive ? Qt::Checked : Qt::Unchecked);
    }
    if (row < controls.Count())
        m_pLayerList->setCurrentRow(row);
    m_pAddButton->setEnabled(controls.Count() < ColorModule::CColorControls::kMaxLayers);
    m_bUpdating = wasUpdating;
}

void HDRColorModuleWindow::FillControls()
{
    const ColorModule::CColorControls& controls = m_session.ColourLayers().Controls();
    const SColorLayerData* d = Current();
    const int i = CurrentLayer();
    const bool wasUpdating = std::exchange(m_bUpdating, true);
    m_pControls->setEnabled(d != nullptr);
    for (QPushButton* b : {m_pRemoveButton, m_pCopyButton})
        b->setEnabled(d != nullptr);
    m_pUpButton->setEnabled(i > 0);
    m_pDownButton->setEnabled(i >= 0 && i + 1 < controls.Count());
    m_pPasteButton->setEnabled(d && controls.HasCopiedLayer());
    m_pShowMaskCheckBox->setEnabled(d && d->m_bActive);
    if (d)
    {
        for (const SSlider& s : m_sliders)
        {
            s.pSlider->setValue(int(std::lround(d->*s.field * kSliderSteps)));
            s.pValue->setText(QString::number(double(d->*s.field), 'f', 3));
        }
        m_pInvertCheckBox->setChecked(d->m_bInverted);
        m_pShowMaskCheckBox->setChecked(controls.Layer(i).MaskShown());
        bool source = false;
        const int picking = controls.PickingLayer(&source);
        m_pPickSrcButton->setChecked(picking == i && source);
        m_pPickDstButton->setChecked(picking == i && !source);
    }
    else
        m_pShowMaskCheckBox->setChecked(false);
    m_bUpdating = wasUpdating;
    UpdateWheel();
    UpdateMask();
}

void HDRColorModuleWindow::Changed()
{
    emit layersChanged();
    m_pShowMaskCheckBox->setEnabled(Current() && Current()->m_bActive);
    UpdateWheel();
    UpdateMask();
}

void HDRColorModuleWindow::UpdateWheel()
{
    const SColorLayerData* d = Current();
    // The swatches: the source range's centre colour and the destination colour.
    auto paintSwatch = [](QLabel* swatch, float h, float s, float v) {
        float r, g, b;
        Colour::HsvToRgb({h, s, v}, r, g, b);
        QPixmap pixmap(40, 22);
        pixmap.fill(QColor::fromRgbF(std::clamp(r, 0.f, 1.f), std::clamp(g, 0.f, 1.f), std::clamp(b, 0.f, 1.f)));
        swatch->setPixmap(pixmap);
    };
    if (d)
    {
        paintSwatch(m_pSrcSwatch, d->m_fSrcHue, d->m_fSrcSat, 1.f);
        paintSwatch(m_pDstSwatch, d->m_fDstHue, d->m_fDstSat, d->m_fDstVal);
    }
    if (!d)
        return m_pWheel->SetSelection(nullptr);
    const SCMSelection selection = SelectionOf(*d);
    m_pWheel->SetSelection(&selection);
}

void HDRColorModuleWindow::UpdateMask()
{
    CColorModule& module = m_session.ColourLayers();
    m_maskImage = QImage();
    bool computed = false;
    try
    {
        computed = module.CalcMask(m_pMaskPickabilityRadio->isChecked());
    }
    catch (const Helper::CExceptionInvalidImageMetric&)
    {
        computed = false;
    }
    if (!computed)
    {
        m_pMaskView->setPixmap(QPixmap());
        m_pMaskView->setText(module.Controls().MaskLayer() >= 0 && !module.HasImage() ? tr("Kein Bild geladen")
                                                                                       : tr("Keine Maske"));
        return;
    }
    auto& mask = const_cast<Helper::CGrey16Buffer&>(module.Mask());
    const int w = mask.Width(), h = mask.Height();
    m_maskImage = QImage(w, h, QImage::Format_Grayscale16);
    for (int y = 0; y < h; ++y)
        std::memcpy(m_maskImage.scanLine(y), mask.GetData() + size_t(y) * w, size_t(w) * 2);
    m_pMaskView->setPixmap(QPixmap::fromImage(
        m_maskImage.scaled(m_pMaskView->size().boundedTo(QSize(400, 300)), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void HDRColorModuleWindow::StartPicking(bool source, bool on)
{
    if (m_bUpdating)
        return;
    ColorModule::CColorControls& controls = m_session.ColourLayers().Controls();
    controls.StartPicking(on ? CurrentLayer() : -1, source);
    {
        const bool wasUpdating = std::exchange(m_bUpdating, true);
        (source ? m_pPickDstButton : m_pPickSrcButton)->setChecked(false);
        m_bUpdating = wasUpdating;
    }
    if (m_pPreview)
    {
        if (on)
            m_pPreview->SetOverlay(m_overlay.get());
        else if (m_pPreview->Overlay() == m_overlay.get())
            m_pPreview->SetOverlay(nullptr);
    }
    Changed();
}

bool HDRColorModuleWindow::Picked(QPointF imagePos)
{
    ColorModule::CColorControls& controls = m_session.ColourLayers().Controls();
    if (!m_pPreview || controls.PickingLayer() < 0)
        return false;
    const QSize size = m_pPreview->ImageSize();
    if (size.isEmpty() || imagePos.x() < 0 || imagePos.y() < 0 || imagePos.x() >= size.width() ||
        imagePos.y() >= size.height())
        return false;
    const QRgba64 c = m_pPreview->ColourAt(imagePos);
    const QPointF relative(imagePos.x() / size.width(), imagePos.y() / size.height());
    controls.ColourPicked(c.red() / 65535.f, c.green() / 65535.f, c.blue() / 65535.f, relative);
    if (m_pPreview->Overlay() == m_overlay.get())
        m_pPreview->SetOverlay(nullptr);
    FillControls();
    Changed();
    return true;
}

void HDRColorModuleWindow::abortPicking()
{
    ColorModule::CColorControls& controls = m_session.ColourLayers().Controls();
    if (controls.PickingLayer() < 0)
        return;
    controls.OnAbort();
    if (m_pPreview && m_pPreview->Overlay() == m_overlay.get())
        m_pPreview->SetOverlay(nullptr);
    FillControls();
    Changed();
}

void HDRColorModuleWindow::PaintMarks(QPainter& painter, const QTransform& imageToWidget)
{
    const SColorLayerData* d = Current();
    if (!d || !m_pPreview)
        return;
    const QSize size = m_pPreview->ImageSize();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The source pick as a circle, the destination pick as a square.
    const QPointF picks[2] = {d->m_pntSrcImagePosRel, d->m_pntDstImagePosRel};
    for (int k = 0; k < 2; ++k)
    {
        if (picks[k].x() < 0 || picks[k].y() < 0)
            continue;
        const QPointF at = imageToWidget.map(QPointF(picks[k].x() * size.width(), picks[k].y() * size.height()));
        const QRectF mark(at - QPointF(7, 7), QSizeF(14, 14));
        for (const QPen& pen : {QPen(Qt::black, 3), QPen(Qt::white, 1.5)})
        {
            painter.setPen(pen);
            if (k == 0)
                painter.drawEllipse(mark);
            else
                painter.drawRect(mark);
        }
    }
    painter.restore();
}
