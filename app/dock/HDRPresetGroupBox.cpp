#include "app/dock/HDRPresetGroupBox.h"

#include "session/PresetThumbnails.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

HDRPresetGroupBox::HDRPresetGroupBox(int index, const QString& title, bool user, bool broken, QWidget* parent)
    : QGroupBox(title, parent), m_iIndex(index), m_sTitle(title)
{
    setObjectName(QStringLiteral("m_pPresetGroupBox%1").arg(index));
    m_pThumbnail = new QLabel(this);
    m_pThumbnail->setObjectName(QStringLiteral("m_pThumbnailLabel"));
    m_pThumbnail->setFixedSize(CPresetThumbnails::kSize);
    m_pThumbnail->setAlignment(Qt::AlignCenter);
    m_pThumbnail->setCursor(Qt::PointingHandCursor);
    m_pThumbnail->installEventFilter(this);
    m_pThumbnail->setToolTip(broken ? tr("Diese Voreinstellung nutzt Effekte, die diese Version nicht kennt.")
                                    : tr("Klicken, um die Voreinstellung anzuwenden"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_pThumbnail, 0, 0, 7, 1);
    QToolButton* buttons[] = {
        AddButton(tr("Duplizieren"), tr("Kopiert die Voreinstellung als eigene Voreinstellung"), "m_pCopyButton"),
        AddButton(tr("Zurücksetzen"), tr("Lädt die Voreinstellung wieder aus ihrer Datei"), "m_pResetButton"),
        AddButton(tr("Einstellungen speichern"), tr("Speichert die aktuelle Bearbeitung in diese Voreinstellung"),
                  "m_pSaveButton"),
        AddButton(tr("Umbenennen"), tr("Gibt der Voreinstellung einen neuen Namen"), "m_pRenameButton"),
        AddButton(tr("Löschen"), tr("Löscht die Voreinstellung"), "m_pDeleteButton"),
        AddButton(tr("Nach oben"), tr("Schiebt die Voreinstellung eine Stelle nach oben"), "m_pUpButton"),
        AddButton(tr("Nach unten"), tr("Schiebt die Voreinstellung eine Stelle nach unten"), "m_pDownButton"),
    };
    for (int i = 0; i < 7; ++i)
        layout->addWidget(buttons[i], i, 1);
    // Only the user's own presets change; the shipped ones can be copied and reset.
    for (QToolButton* b : {buttons[2], buttons[3], buttons[4], buttons[5], buttons[6]})
        b->setEnabled(user);
    connect(buttons[0], &QToolButton::clicked, this, [this] { emit copyPresetClicked(this, m_sTitle); });
    connect(buttons[1], &QToolButton::clicked, this, [this] { emit resetPresetClicked(this); });
    connect(buttons[2], &QToolButton::clicked, this, [this] { emit savePresetClicked(this); });
    connect(buttons[3], &QToolButton::clicked, this, [this] { emit renamePresetClicked(this); });
    connect(buttons[4], &QToolButton::clicked, this, [this] { emit deletePresetClicked(this); });
    connect(buttons[5], &QToolButton::clicked, this, [this] { emit movePresetUpClicked(this); });
    connect(buttons[6], &QToolButton::clicked, this, [this] { emit movePresetDownClicked(this); });
    if (broken)
        m_pThumbnail->setText(tr("Fehlende Effekte"));
}

QToolButton* HDRPresetGroupBox::AddButton(const QString& text, const QString& tip, const char* objectName)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(objectName));
    button->setText(text);
    button->setToolTip(tip);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

void HDRPresetGroupBox::SetThumbnail(const QImage& image)
{
    if (!image.isNull())
        m_pThumbnail->setPixmap(QPixmap::fromImage(image));
}

void HDRPresetGroupBox::SetSelected(bool selected)
{
    m_bSelected = selected;
    setStyleSheet(selected ? QStringLiteral("HDRPresetGroupBox { border: 2px solid #5f9fdf; }") : QString());
}

bool HDRPresetGroupBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pThumbnail && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
    {
        emit labelClicked(this);
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}
