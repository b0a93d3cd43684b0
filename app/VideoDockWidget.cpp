#include "app/VideoDockWidget.h"

#include "app/TimelineLabel.h"
#include "app/dock/DockIcons.h"
#include "session/VideoDockModel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

namespace
{
// Fallbacks for the style's icon names that have no picture beside the program.
struct SIcon
{
    const char* pszName;
    QStyle::StandardPixmap eFallback;
};
const SIcon kIcons[] = {
    {"VideoUI_Play", QStyle::SP_MediaPlay},
    {"VideoUI_PlayResult", QStyle::SP_FileDialogContentsView},
    {"VideoExpandTimeline", QStyle::SP_TitleBarMaxButton},
    {"VideoUI_toStart", QStyle::SP_MediaSkipBackward},
    {"VideoUI_Left", QStyle::SP_MediaSeekBackward},
    {"VideoUI_StepLeft", QStyle::SP_ArrowLeft},
    {"VideoUI_Center", QStyle::SP_ToolBarVerticalExtensionButton},
    {"VideoUI_StepRight", QStyle::SP_ArrowRight},
    {"VideoUI_Right", QStyle::SP_MediaSeekForward},
    {"VideoUI_toEnd", QStyle::SP_MediaSkipForward},
    {"VideoUI_Save", QStyle::SP_DialogSaveButton},
    {"VideoUI_PlayPreview", QStyle::SP_MediaPlay},
    {"VideoUI_PausePreview", QStyle::SP_MediaPause},
};

QIcon VideoIcon(const QWidget* widget, const QString& name)
{
    const QIcon icon = DockIcon(name);
    if (!icon.isNull())
        return icon;
    for (const SIcon& entry : kIcons)
        if (name == QLatin1String(entry.pszName))
            return widget->style()->standardIcon(entry.eFallback);
    return {};
}

QPixmap StandByImage()
{
    QPixmap image(16, 9);
    image.fill(QColor(48, 48, 48));
    QPainter painter(&image);
    painter.setPen(QColor(72, 72, 72));
    painter.drawRect(0, 0, 15, 8);
    return image;
}
}  // namespace

CVideoDockWidget::CVideoDockWidget(CVideoDockModel& model, QWidget* parent)
    : QDockWidget(tr("Videoeinstellungen"), parent), m_model(model)
{
    setObjectName(QStringLiteral("video_window"));
    setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    if (const QScreen* desktop = QGuiApplication::primaryScreen())
        setMaximumWidth(desktop->geometry().width());

    auto* body = new QWidget(this);
    m_pPlaySourceButton = Button("m_pPlaySourceButton", "VideoUI_Play", tr("Das Quellvideo im Standardprogramm abspielen"));
    m_pPlayResultButton =
        Button("m_pPlayResultButton", "VideoUI_PlayResult", tr("Das gespeicherte Video im Standardprogramm abspielen"));
    m_pCopyAudioButton = Button("m_pCopyAudioButton", "VideoUI_Audio", tr("Den Ton des Quellvideos übernehmen"), true);
    m_pCopyAudioButton->setText(tr("Ton"));
    m_pCopyMetadataButton =
        Button("m_pCopyMetadataButton", "VideoUI_Meta", tr("Die Metadaten des Quellvideos übernehmen"), true);
    m_pCopyMetadataButton->setText(tr("Metadaten"));
    m_pMirrorButton = Button("m_pMirrorButton", "VideoUI_Mirror", tr("Das Video waagerecht spiegeln"), true);
    m_pMirrorButton->setText(tr("Spiegeln"));
    m_pFlipButton = Button("m_pFlipButton", "VideoUI_Flip", tr("Das Video senkrecht spiegeln"), true);
    m_pFlipButton->setText(tr("Kippen"));
    const auto items = [](std::span<const CVideoDockModel::SChoice> choices) {
        QStringList texts;
        for (const CVideoDockModel::SChoice& choice : choices)
            texts << CVideoDockModel::ChoiceText(choice);
        return texts;
    };
    m_pCodecComboBox = Selector("m_pCodecComboBox", tr("Videoformat der gespeicherten Datei"),
                                items(CVideoDockModel::Codecs()));
    m_pQualityComboBox = Selector("m_pQualityComboBox", tr("Qualität der gespeicherten Datei"),
                                  items(CVideoDockModel::Qualities()));
    m_pArtefactComboBox = Selector("m_pArtefactComboBox", tr("Kompressionsartefakte der Quelle mindern"),
                                   items(CVideoDockModel::Artefacts()));
    m_pSaveButton = Button("m_pSaveButton", "VideoUI_Save", tr("Das ganze Video mit der aktuellen Bearbeitung speichern"));
    m_pSaveButton->setText(tr("Video speichern"));
    m_pSaveButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);

    m_pTimeline = new CTimelineLabel(m_model, body);
    m_pTimeline->setToolTip(tr("Klicken oder ziehen wählt das Bild, das bearbeitet wird"));
    m_pTimeline->SetStandByImage(StandByImage());
    m_pExpandTimelineButton =
        Button("m_pExpandTimelineButton", "VideoExpandTimeline", tr("Mehr Vorschaubilder in der Zeitleiste zeigen"));

    m_pPosStartButton = Button("m_pPosStartButton", "VideoUI_toStart", tr("Zum Anfang (Pos1)"));
    m_pPosLeftButton = Button("m_pPosLeftButton", "VideoUI_Left", tr("Eine Sekunde zurück (Umschalt+Links)"));
    m_pPosStepLeftButton = Button("m_pPosStepLeftButton", "VideoUI_StepLeft", tr("Ein Bild zurück (Links)"));
    m_pPlayPauseButton = Button("m_pPlayPauseButton", "VideoUI_PlayPreview", QString());
    m_pPosCenterButton = Button("m_pPosCenterButton", "VideoUI_Center", tr("Zur Mitte"));
    m_pPosStepRightButton = Button("m_pPosStepRightButton", "VideoUI_StepRight", tr("Ein Bild vor (Rechts)"));
    m_pPosRightButton = Button("m_pPosRightButton", "VideoUI_Right", tr("Eine Sekunde vor (Umschalt+Rechts)"));
    m_pPosEndButton = Button("m_pPosEndButton", "VideoUI_toEnd", tr("Zum Ende (Ende)"));

    const auto label = [body](const char* name) {
        auto* l = new QLabel(body);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    m_pResolutionLabel = label("m_pResolutionLabel");
    m_pLengthLabel = label("m_pLengthLabel");
    m_pPositionLabel = label("m_pPositionLabel");
    m_pPositionLabel->setToolTip(tr("Zeit (Stunden:Minuten:Sekunden:Bilder) und Nummer des gezeigten Bildes"));
    m_pStatusLabel = label("m_pStatusLabel");
    m_pStatusLabel->setStyleSheet(QStringLiteral("color: #d04040;"));
    m_pStatusLabel->setWordWrap(true);

    auto* options = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{m_pPlaySourceButton, m_pPlayResultButton})
        options->addWidget(w);
    options->addSpacing(12);
    for (QWidget* w : std::initializer_list<QWidget*>{m_pCopyAudioButton, m_pCopyMetadataButton, m_pMirrorButton,
                                                      m_pFlipButton})
        options->addWidget(w);
    options->addSpacing(12);
    for (QWidget* w : std::initializer_list<QWidget*>{m_pCodecComboBox, m_pQualityComboBox, m_pArtefactComboBox})
        options->addWidget(w);
    options->addStretch();
    options->addWidget(m_pSaveButton);

    auto* strip = new QHBoxLayout;
    strip->addWidget(m_pTimeline, 1);
    strip->addWidget(m_pExpandTimelineButton);

    auto* positions = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{m_pPosStartButton, m_pPosLeftButton, m_pPosStepLeftButton,
                                                      m_pPlayPauseButton, m_pPosCenterButton, m_pPosStepRightButton,
                                                      m_pPosRightButton, m_pPosEndButton})
        positions->addWidget(w);
    positions->addSpacing(12);
    positions->addWidget(m_pPositionLabel);
    positions->addStretch();
    positions->addWidget(m_pResolutionLabel);
    positions->addSpacing(12);
    positions->addWidget(m_pLengthLabel);

    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(4, 4, 4, 4);
    column->addLayout(options);
    column->addLayout(strip);
    column->addLayout(positions);
    column->addWidget(m_pStatusLabel);
    setWidget(body);

    CVideoDockModel* m = &m_model;
    connect(m_pPlaySourceButton, &QToolButton::clicked, m, &CVideoDockModel::OnSrcPlay);
    connect(m_pPlayResultButton, &QToolButton::clicked, m, &CVideoDockModel::OnDstPlay);
    connect(m_pCopyAudioButton, &QToolButton::toggled, m, &CVideoDockModel::OnCopyAudio);
    connect(m_pCopyMetadataButton, &QToolButton::toggled, m, &CVideoDockModel::OnCopyMetadata);
    connect(m_pMirrorButton, &QToolButton::toggled, m, &CVideoDockModel::OnFlipX);
    connect(m_pFlipButton, &QToolButton::toggled, m, &CVideoDockModel::OnFlipY);
    connect(m_pCodecComboBox, &QComboBox::activated, m, &CVideoDockModel::OnCodecSelected);
    connect(m_pQualityComboBox, &QComboBox::activated, m, &CVideoDockModel::OnQualitySelected);
    connect(m_pArtefactComboBox, &QComboBox::activated, m, &CVideoDockModel::OnArtefactSelected);
    connect(m_pExpandTimelineButton, &QToolButton::clicked, m, &CVideoDockModel::OnExpandTimeline);
    connect(m_pSaveButton, &QToolButton::clicked, m, &CVideoDockModel::OnSave);
    connect(m_pPosStartButton, &QToolButton::clicked, m, &CVideoDockModel::OnPosStart);
    connect(m_pPosLeftButton, &QToolButton::clicked, m, &CVideoDockModel::OnPosLeft);
    connect(m_pPosStepLeftButton, &QToolButton::clicked, m, &CVideoDockModel::OnPosStepLeft);
    connect(m_pPlayPauseButton, &QToolButton::clicked, m, &CVideoDockModel::OnPlayPause);
    connect(m_pPosCenterButton, &QToolButton::clicked, m, &CVideoDockModel::OnPosCenter);
    connect(m_pPosStepRightButton, &QToolButton::clicked, m, &CVideoDockModel::OnPosStepRight);
    connect(m_pPosRightButton, &QToolButton::clicked, m, &CVideoDockModel::OnPosRight);
    connect(m_pPosEndButton, &QToolButton::clicked, m, &CVideoDockModel::OnPosEnd);
    connect(m, &CVideoDockModel::viewChanged, this, &CVideoDockWidget::refresh);
    refresh();
}

QToolButton* CVideoDockWidget::Button(const char* name, const QString& icon, const QString& tip, bool checkable)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setIcon(VideoIcon(this, icon));
    button->setToolTip(tip);
    button->setCheckable(checkable);
    button->setToolButtonStyle(button->icon().isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    return button;
}

QComboBox* CVideoDockWidget::Selector(const char* name, const QString& tip, const QStringList& items)
{
    auto* box = new QComboBox(this);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(tip);
    box->addItems(items);
    return box;
}

void CVideoDockWidget::refresh()
{
    const CVideoDockModel::SView& view = m_model.View();
    setWindowTitle(view.title);
    m_pPlayResultButton->setEnabled(view.bPlayResultEnabled);
    {
        // Showing the state must not count as the user choosing it.
        const QSignalBlocker blockers[] = {QSignalBlocker(m_pCodecComboBox),   QSignalBlocker(m_pQualityComboBox),
                                           QSignalBlocker(m_pArtefactComboBox), QSignalBlocker(m_pCopyAudioButton),
                                           QSignalBlocker(m_pCopyMetadataButton), QSignalBlocker(m_pMirrorButton),
                                           QSignalBlocker(m_pFlipButton)};
        m_pCodecComboBox->setCurrentIndex(view.iCodec);
        m_pQualityComboBox->setCurrentIndex(view.iQuality);
        m_pArtefactComboBox->setCurrentIndex(view.iArtefact);
        m_pCopyAudioButton->setChecked(view.bCopyAudio);
        m_pCopyMetadataButton->setChecked(view.bCopyMetadata);
        m_pMirrorButton->setChecked(view.bFlipX);
        m_pFlipButton->setChecked(view.bFlipY);
    }
    m_pQualityComboBox->setEnabled(view.bQualityEnabled);
    m_pResolutionLabel->setText(view.resolution);
    m_pLengthLabel->setText(view.length);
    m_pPositionLabel->setText(view.position);
    m_pStatusLabel->setText(view.status);
    m_pStatusLabel->setVisible(!view.status.isEmpty());
    m_pExpandTimelineButton->setEnabled(view.bSourceValid && view.bExpandEnabled);
    for (QToolButton* b : {m_pPosStartButton, m_pPosLeftButton, m_pPosStepLeftButton})
        b->setEnabled(view.bSourceValid && view.bBackEnabled);
    m_pPosCenterButton->setEnabled(view.bSourceValid && view.bCentreEnabled);
    for (QToolButton* b : {m_pPosStepRightButton, m_pPosRightButton, m_pPosEndButton})
        b->setEnabled(view.bSourceValid && view.bForwardEnabled);
    m_pPlaySourceButton->setEnabled(view.bSourceValid);
    m_pPlayPauseButton->setEnabled(view.bSourceValid);
    m_pPlayPauseButton->setIcon(VideoIcon(this, view.bPlaying ? "VideoUI_PausePreview" : "VideoUI_PlayPreview"));
    m_pPlayPauseButton->setToolTip(view.bPlaying ? tr("Wiedergabe anhalten (Leertaste, Esc)")
                                                 : tr("Das bearbeitete Video in der Vorschau abspielen (Leertaste)"));
    m_pSaveButton->setEnabled(view.bSourceValid);
}
