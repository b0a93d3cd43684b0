#include "app/dock/FilmTypePanel.h"
#include "app/dock/HDRPostProcessingDockWidget.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include <cmath>

namespace
{
QString Percent(int v)
{
    return QStringLiteral("%1 %").arg(v);
}
}  // namespace

CFilmTypePanel::CFilmTypePanel(CFilmTypeModel& model, QWidget* parent) : QWidget(parent), m_model(model)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(HDRPostProcessingDockWidget::tr("Filmtyp"), this), 0, 0);
    m_pType = new QComboBox(this);
    m_pType->setObjectName(QStringLiteral("FilmTyp"));
    m_pType->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_pType->setMinimumContentsLength(12);
    grid->addWidget(m_pType, 0, 1, 1, 2);

    grid->addWidget(new QLabel(HDRPostProcessingDockWidget::tr("Intensität"), this), 1, 0);
    m_pIntensity = new QSlider(Qt::Horizontal, this);
    m_pIntensity->setObjectName(QStringLiteral("FilmTypIntensitySlider"));
    m_pIntensity->setRange(0, 100);
    grid->addWidget(m_pIntensity, 1, 1);
    m_pIntensityValue = new QLabel(this);
    grid->addWidget(m_pIntensityValue, 1, 2);

    grid->addWidget(new QLabel(HDRPostProcessingDockWidget::tr("Körnung"), this), 2, 0);
    m_pGraining = new QSlider(Qt::Horizontal, this);
    m_pGraining->setObjectName(QStringLiteral("FilmTypGrainingSlider"));
    m_pGraining->setRange(0, 100);
    grid->addWidget(m_pGraining, 2, 1);
    m_pGrainingValue = new QLabel(this);
    grid->addWidget(m_pGrainingValue, 2, 2);
    const int valueWidth = m_pGrainingValue->fontMetrics().horizontalAdvance(QStringLiteral("100 %")) + 4;
    m_pIntensityValue->setMinimumWidth(valueWidth);
    m_pGrainingValue->setMinimumWidth(valueWidth);

    m_pPre = new QRadioButton(HDRPostProcessingDockWidget::tr("vor den Operatoren"), this);
    m_pPre->setObjectName(QStringLiteral("FilmTypPre"));
    m_pPost = new QRadioButton(HDRPostProcessingDockWidget::tr("nach den Operatoren"), this);
    m_pPost->setObjectName(QStringLiteral("FilmTypPost"));
    auto* position = new QButtonGroup(this);
    position->addButton(m_pPre);
    position->addButton(m_pPost);
    grid->addWidget(new QLabel(HDRPostProcessingDockWidget::tr("Anwenden"), this), 3, 0, Qt::AlignTop);
    grid->addWidget(m_pPre, 3, 1, 1, 2);
    grid->addWidget(m_pPost, 4, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(m_pType, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_model.SetIndex(i < 0 ? 0 : m_pType->itemData(i).toInt());
        UpdateEnabled();
        emit changed();
    });
    connect(m_pIntensity, &QSlider::valueChanged, this, [this](int v) {
        m_model.SetIntensity(v / 100.0f);
        m_pIntensityValue->setText(Percent(v));
        emit changed();
    });
    connect(m_pGraining, &QSlider::valueChanged, this, [this](int v) {
        m_model.SetGraining(v / 100.0f);
        m_pGrainingValue->setText(Percent(v));
        emit changed();
    });
    connect(m_pPre, &QRadioButton::toggled, this, [this](bool pre) {
        m_model.SetPosition(pre ? CFilmTypeModel::ePRE : CFilmTypeModel::ePOST);
        emit changed();
    });
    Refresh();
}

void CFilmTypePanel::Refresh()
{
    const QSignalBlocker bt(m_pType), bi(m_pIntensity), bg(m_pGraining), bp(m_pPre), bq(m_pPost);
    m_pType->clear();
    m_pType->addItem(HDRPostProcessingDockWidget::tr("kein Filmtyp"), 0);
    const QVector<SFilmType>& types = m_model.Types();
    for (int i = 0; i < types.size(); ++i)
        if (types[i].bVisible || m_model.Index() == i + 1)
            m_pType->addItem(HDRPostProcessingDockWidget::tr(types[i].sName.toUtf8().constData()), i + 1);
    m_pType->setCurrentIndex(std::max(0, m_pType->findData(m_model.Index())));
    const int intensity = int(std::lround(m_model.Intensity() * 100.0f));
    const int graining = int(std::lround(m_model.Graining() * 100.0f));
    m_pIntensity->setValue(intensity);
    m_pGraining->setValue(graining);
    m_pIntensityValue->setText(Percent(intensity));
    m_pGrainingValue->setText(Percent(graining));
    (m_model.Position() == CFilmTypeModel::ePRE ? m_pPre : m_pPost)->setChecked(true);
    UpdateEnabled();
}

void CFilmTypePanel::UpdateEnabled()
{
    const bool on = m_model.Index() != 0;
    m_pIntensity->setEnabled(on);
    m_pGraining->setEnabled(on);
    m_pPre->setEnabled(on);
    m_pPost->setEnabled(on);
}
