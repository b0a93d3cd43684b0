#include "app/ScopePane.h"

#include "core/ImageConvert.h"
#include "session/ScopesModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QSettings>
#include <QVBoxLayout>

#include <functional>

namespace
{
const char* const kKindTexts[kScopeKindCount] = {
    QT_TRANSLATE_NOOP("CScopePane", "Waveform (Luma)"),
    QT_TRANSLATE_NOOP("CScopePane", "RGB-Parade"),
    QT_TRANSLATE_NOOP("CScopePane", "Vektorskop"),
    QT_TRANSLATE_NOOP("CScopePane", "Histogramm"),
};
constexpr int kNoScope = -1; // the "Aus" entry's data
const QColor kBackground(0x10, 0x10, 0x10);

/// Paints the pane's picture and reports its own size, at which the scope is computed.
class CScopeDisplay final : public QWidget
{
public:
    CScopeDisplay(const QImage& image, std::function<void(QSize)> resized) : m_image(image), m_resized(std::move(resized))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(160, 100);
    }
    QSize sizeHint() const override { return QSize(400, 250); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), kBackground);
        // Until the scope of a new size is there, the last one stretched.
        if (!m_image.isNull())
            painter.drawImage(m_image.size() == size() ? QRectF(0, 0, width(), height()) : QRectF(rect()), m_image);
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        m_resized(size());
    }

private:
    const QImage& m_image;
    std::function<void(QSize)> m_resized;
};
}  // namespace

CScopePane::CScopePane(CScopesModel& model, int view, EKindChoice choice, const QString& settingsKey, QWidget* parent)
    : QWidget(parent), m_model(model), m_iView(view), m_sSettingsKey(settingsKey)
{
    m_model.LoadView(m_iView, QSettings(), m_sSettingsKey);

    auto* controls = new QHBoxLayout;
    controls->setContentsMargins(0, 0, 0, 0);
    if (choice != eFixedKind)
    {
        m_pKindCombo = new QComboBox(this);
        m_pKindCombo->setObjectName(QStringLiteral("m_pKindCombo"));
        m_pKindCombo->setToolTip(tr("Welche Messanzeige hier erscheint"));
        if (choice == eAnyKindOrNone)
            m_pKindCombo->addItem(tr("Aus"), kNoScope);
        for (int kind = 0; kind < kScopeKindCount; ++kind)
            m_pKindCombo->addItem(tr(kKindTexts[kind]), kind);
        controls->addWidget(m_pKindCombo, 1);
        connect(m_pKindCombo, &QComboBox::currentIndexChanged, this, &CScopePane::ApplyControls);
    }
    m_pGainSpin = new QDoubleSpinBox(this);
    m_pGainSpin->setObjectName(QStringLiteral("m_pGainSpin"));
    m_pGainSpin->setRange(kMinScopeGain, kMaxScopeGain);
    m_pGainSpin->setSingleStep(0.25);
    m_pGainSpin->setDecimals(2);
    m_pGainSpin->setPrefix(tr("Verstärkung "));
    m_pGainSpin->setToolTip(tr("Helligkeit der Spuren: höhere Werte zeigen auch seltene Werte deutlich"));
    controls->addWidget(m_pGainSpin);
    connect(m_pGainSpin, &QDoubleSpinBox::valueChanged, this, &CScopePane::ApplyControls);
    m_pLogCheck = new QCheckBox(tr("Logarithmisch"), this);
    m_pLogCheck->setObjectName(QStringLiteral("m_pLogCheck"));
    m_pLogCheck->setToolTip(tr("Histogrammhöhen logarithmisch statt linear"));
    controls->addWidget(m_pLogCheck);
    connect(m_pLogCheck, &QCheckBox::toggled, this, &CScopePane::ApplyControls);

    m_pDisplay = new CScopeDisplay(m_image, [this](QSize size) { DisplayResized(size); });
    m_pDisplay->setObjectName(QStringLiteral("m_pScopeDisplay"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    column->addLayout(controls);
    column->addWidget(m_pDisplay, 1);

    connect(&m_model, &CScopesModel::scopesChanged, this, &CScopePane::ShowScope);
    ShowSettings();
    ShowScope();
}

void CScopePane::ApplyControls()
{
    SScopeSettings settings = m_model.Settings(m_iView);
    if (m_pKindCombo)
    {
        const int kind = m_pKindCombo->currentData().toInt();
        m_model.SetEnabled(m_iView, kind != kNoScope);
        if (kind != kNoScope)
            settings.eKind = EScopeKind(kind);
    }
    settings.fGain = float(m_pGainSpin->value());
    settings.bLogarithmic = m_pLogCheck->isChecked();
    m_model.SetSettings(m_iView, settings);
    QSettings file;
    m_model.SaveView(m_iView, file, m_sSettingsKey);
    ShowSettings();
}

void CScopePane::ShowSettings()
{
    const SScopeSettings& settings = m_model.Settings(m_iView);
    const bool enabled = m_model.IsEnabled(m_iView);
    const QSignalBlocker blockKind(m_pKindCombo), blockGain(m_pGainSpin), blockLog(m_pLogCheck);
    if (m_pKindCombo)
        m_pKindCombo->setCurrentIndex(m_pKindCombo->findData(enabled ? int(settings.eKind) : kNoScope));
    m_pGainSpin->setValue(settings.fGain);
    m_pLogCheck->setChecked(settings.bLogarithmic);
    m_pGainSpin->setEnabled(enabled && ScopeUsesGain(settings.eKind));
    m_pLogCheck->setEnabled(enabled && ScopeUsesScale(settings.eKind));
    // A pane of one kind shows only the controls that kind uses.
    m_pGainSpin->setVisible(m_pKindCombo || ScopeUsesGain(settings.eKind));
    m_pLogCheck->setVisible(m_pKindCombo || ScopeUsesScale(settings.eKind));
    m_pDisplay->setVisible(enabled);
}

void CScopePane::ShowScope()
{
    auto& picture = const_cast<Helper::CRGB48Buffer&>(m_model.Scope(m_iView).picture);
    if (!picture.IsValid())
        return;
    if (m_image.size() != picture.GetSize())
        m_image = QImage(picture.GetSize(), QImage::Format_RGB32);
    MP_MT_RGB48ToARGB32(picture.Width(), picture.Height(), picture.GetData(), reinterpret_cast<uint32_t*>(m_image.bits()));
    m_pDisplay->update();
}

void CScopePane::DisplayResized(QSize size)
{
    SScopeSettings settings = m_model.Settings(m_iView);
    settings.size = size.expandedTo(QSize(kMinScopeSide, kMinScopeSide)).boundedTo(QSize(kMaxScopeSide, kMaxScopeSide));
    m_model.SetSettings(m_iView, settings);
}
