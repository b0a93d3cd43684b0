#include "app/HDRTimelineDockWidget.h"

#include "app/dock/DockIcons.h"
#include "core/IUserPrompt.h"
#include "session/UndoPicture.h"
#include "session/UndoStore.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
QPixmap Thumbnail(const std::vector<uint16_t>& pixels)
{
    QImage image(UndoPicture::kThumbWidth, UndoPicture::kThumbHeight, QImage::Format_RGB32);
    if (pixels.size() < size_t(UndoPicture::kThumbBytes / 2))
        return QPixmap();
    for (int y = 0; y < image.height(); ++y)
    {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uint16_t* in = pixels.data() + size_t(y) * UndoPicture::kThumbWidth * 3;
        for (int x = 0; x < image.width(); ++x)
            row[x] = qRgb(in[3 * x] >> 8, in[3 * x + 1] >> 8, in[3 * x + 2] >> 8);
    }
    return QPixmap::fromImage(image);
}

QString Shortened(const QString& label)
{
    return label.size() > HDRTimelineDockWidget::kMaxLabelLength
               ? label.left(HDRTimelineDockWidget::kMaxLabelLength - 1) + QChar(0x2026)
               : label;
}
}  // namespace

HDRTimelineDockWidget::HDRTimelineDockWidget(CUndoStore& store, IUserPrompt& prompt, std::function<bool()> confirm,
                                             QWidget* parent)
    : QDockWidget(tr("Timeline Window"), parent), m_store(store), m_prompt(prompt), m_confirm(std::move(confirm))
{
    setObjectName(QStringLiteral("timeline_window"));
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    m_pList = new QWidget(scroll);
    m_pRowsLayout = new QVBoxLayout(m_pList);
    m_pRowsLayout->setContentsMargins(4, 4, 4, 4);
    m_pRowsLayout->addStretch(1);
    scroll->setWidget(m_pList);
    setWidget(scroll);
    connect(&m_store, &CUndoStore::changed, this, &HDRTimelineDockWidget::refresh);
    refresh();
}

void HDRTimelineDockWidget::refresh()
{
    // A button of the old rows may be the one whose click led here: they go once it returned.
    for (const SRow& row : m_rows)
    {
        QWidget* frame = row.pThumbnail->parentWidget();
        m_pRowsLayout->removeWidget(frame);
        frame->hide();
        frame->deleteLater();
    }
    m_rows.clear();
    const auto& entries = m_store.Entries();
    for (int i = 0; i < int(entries.size()); ++i)
    {
        auto* frame = new QFrame(m_pList);
        frame->setFrameShape(i == m_store.Current() ? QFrame::Box : QFrame::NoFrame);
        auto* layout = new QHBoxLayout(frame);
        layout->setContentsMargins(2, 2, 2, 2);
        SRow row{};
        row.pThumbnail = new QLabel(frame);
        row.pThumbnail->setFixedSize(UndoPicture::kThumbWidth, UndoPicture::kThumbHeight);
        row.pThumbnail->setPixmap(Thumbnail(entries[size_t(i)].thumbnail));
        row.pThumbnail->setToolTip(m_store.Tooltip(i));
        row.pLabel = new QLabel(Shortened(entries[size_t(i)].sLabel), frame);
        row.pLabel->setToolTip(m_store.Tooltip(i));
        const auto button = [&](const char* name, const char* tip, void (HDRTimelineDockWidget::*slot)()) {
            auto* b = new QToolButton(frame);
            b->setObjectName(QLatin1String(name));
            b->setIcon(DockIcon(QLatin1String(name)));
            b->setToolTip(tr(tip));
            connect(b, &QToolButton::clicked, this, slot);
            return b;
        };
        row.pLoad = button("TimelineLoad", QT_TR_NOOP("tooltip Timeline-Punkt einladen"), &HDRTimelineDockWidget::loadButtonClicked);
        row.pEdit = button("TimelineEdit", QT_TR_NOOP("tooltip Timeline-Notiz editieren"), &HDRTimelineDockWidget::noteButtonClicked);
        row.pDelete = button("TimelineDelete", QT_TR_NOOP("tooltip Timeline-Punkt löschen"), &HDRTimelineDockWidget::deleteButtonClicked);
        auto* column = new QVBoxLayout;
        column->addWidget(row.pLabel);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(row.pLoad);
        buttons->addWidget(row.pEdit);
        buttons->addWidget(row.pDelete);
        buttons->addStretch(1);
        column->addLayout(buttons);
        column->addStretch(1);
        layout->addWidget(row.pThumbnail);
        layout->addLayout(column, 1);
        m_pRowsLayout->insertWidget(i, frame);
        m_rows.push_back(row);
    }
    setWindowTitle(m_store.Title(tr("Timeline Window")));
}

int HDRTimelineDockWidget::SenderRow() const
{
    const QObject* source = sender();
    for (int i = 0; i < int(m_rows.size()); ++i)
    {
        const SRow& row = m_rows[size_t(i)];
        if (source == row.pLoad || source == row.pEdit || source == row.pDelete)
            return i;
    }
    return -1;
}

void HDRTimelineDockWidget::loadButtonClicked()
{
    const int index = SenderRow();
    if (index >= 0)
        emit loadRequested(index);
}

void HDRTimelineDockWidget::noteButtonClicked()
{
    const int index = SenderRow();
    if (index < 0)
        return;
    QString note = m_store.Entries()[size_t(index)].sLabel;
    if (m_prompt.TextInput(tr("Notiz eintragen"), tr("Geben Sie eine Notiz ein:"), note))
        m_store.SetNote(index, note);
}

void HDRTimelineDockWidget::deleteButtonClicked()
{
    const int index = SenderRow();
    if (index < 0)
        return;
    if (m_confirm() && m_prompt.Question(tr("Timeline Window"), tr("Soll dieser Undo-Punkt wirklich gelöscht werden?")) !=
                           IUserPrompt::eYes)
        return;
    m_store.Delete(index);
}
