#include "app/LutBrowserWindow.h"

#include "core/EngineState.h"
#include "session/LutBrowse.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
constexpr int kIconSide = 200;
}

LutBrowserWindow::LutBrowserWindow(CThumbnailBrowse& browse, const QString& title, const QString& progressLabel,
                                   QWidget* parent)
    : QDialog(parent), m_browse(browse), m_sProgressLabel(progressLabel)
{
    setWindowTitle(title);
    setObjectName("LutBrowserWindow");
    auto* layout = new QVBoxLayout(this);
    m_pGrid = new QListWidget(this);
    m_pGrid->setObjectName("m_pBrowserGrid");
    m_pGrid->setViewMode(QListView::IconMode);
    m_pGrid->setIconSize(QSize(kIconSide, kIconSide));
    m_pGrid->setResizeMode(QListView::Adjust);
    m_pGrid->setMovement(QListView::Static);
    m_pGrid->setSpacing(6);
    m_pGrid->setUniformItemSizes(true);
    m_pGrid->setWordWrap(true);
    m_pGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Selection as a frame around the untinted thumbnail.
    m_pGrid->setStyleSheet("QListWidget::item { border: 3px solid transparent; padding: 2px; }"
                           "QListWidget::item:selected { border: 3px solid palette(highlight);"
                           " background: transparent; color: palette(text); }");
    layout->addWidget(m_pGrid, 1);

    auto* progressRow = new QHBoxLayout;
    m_pProgressLabel = new QLabel(progressLabel, this);
    m_pProgressBar = new QProgressBar(this);
    m_pProgressBar->setRange(0, std::max(browse.Count(), 1));
    progressRow->addWidget(m_pProgressLabel);
    progressRow->addWidget(m_pProgressBar, 1);
    layout->addLayout(progressRow);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pGrid, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    layout->addWidget(buttons);
    resize(4 * (kIconSide + 24) + 40, 2 * (kIconSide + 60) + 90);
}

void LutBrowserWindow::AddThumbnail(int position)
{
    const CThumbnailBrowse::SThumbnail& thumbnail = m_browse.Thumbnails()[size_t(position)];
    // The grid takes the frame's aspect from the first thumbnail.
    if (position == 0 && !thumbnail.size.isEmpty())
        m_pGrid->setIconSize(QSize(kIconSide, std::max(1, kIconSide * thumbnail.size.height() / thumbnail.size.width())));
    const QSize iconSize = m_pGrid->iconSize();
    QPixmap pixmap(iconSize);
    pixmap.fill(palette().color(QPalette::Mid));
    if (!thumbnail.size.isEmpty())
    {
        const QImage image(thumbnail.rgb.data(), thumbnail.size.width(), thumbnail.size.height(),
                           thumbnail.size.width() * 3, QImage::Format_RGB888);
        pixmap = QPixmap::fromImage(image.scaled(iconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    QIcon icon(pixmap);
    icon.addPixmap(pixmap, QIcon::Selected);
    auto* item = new QListWidgetItem(icon, thumbnail.sName, m_pGrid);
    item->setData(Qt::UserRole, position);
    item->setSizeHint(QSize(iconSize.width() + 20, iconSize.height() + 36));
}

void LutBrowserWindow::Render()
{
    m_bRendering = true;
    MP_UI_SetBrowserMode(m_browse.Count());
    int done = int(m_browse.Thumbnails().size());
    while (!m_browse.Finished())
    {
        m_pProgressLabel->setText(m_sProgressLabel + QString(" %1/%2").arg(done + 1).arg(m_browse.Count()));
        m_pProgressBar->setValue(done);
        QApplication::processEvents();
        if (!m_browse.RenderNext())
            break;
        AddThumbnail(done++);
    }
    MP_UI_SetBrowserMode(0);
    MP_UI_SetStopRequest(false);
    m_bRendering = false;
    m_pProgressBar->hide();
    m_pProgressLabel->hide();
    const int preselected = m_browse.Preselected();
    if (preselected >= 0 && preselected < m_pGrid->count())
    {
        m_pGrid->setCurrentRow(preselected);
        m_pGrid->scrollToItem(m_pGrid->currentItem());
    }
}

int LutBrowserWindow::SelectedPosition() const
{
    const QListWidgetItem* item = m_pGrid->currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toInt() : -1;
}

void LutBrowserWindow::keyPressEvent(QKeyEvent* event)
{
    if (m_bRendering && event->key() == Qt::Key_Escape)
    {
        MP_UI_SetStopRequest(true);
        return;
    }
    QDialog::keyPressEvent(event);
}

int LutBrowserWindow::Browse(CThumbnailBrowse& browse, const QString& title, const QString& progressLabel, QWidget* parent)
{
    LutBrowserWindow window(browse, title, progressLabel, parent);
    window.show();
    window.Render();
    const int position = window.exec() == QDialog::Accepted ? window.SelectedPosition() : -1;
    if (position >= 0)
        browse.Choose(position);
    else
        browse.Cancel();
    return position;
}
