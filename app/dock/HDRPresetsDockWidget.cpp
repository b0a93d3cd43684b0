#include "app/dock/HDRPresetsDockWidget.h"

#include "app/dock/HDRPresetGroupBox.h"
#include "core/IUserPrompt.h"
#include "session/PresetThumbnails.h"
#include "session/PresetsDockModel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QTimer>
#include <QToolButton>

namespace
{
QString LastDialogFolder()
{
    return QSettings().value("lastDialogPath", QDir::homePath()).toString();
}
}  // namespace

HDRPresetsDockWidget::HDRPresetsDockWidget(CPresetsDockModel& model, CPresetThumbnails& thumbnails,
                                           const CPostProcessing& current, QWidget* parent)
    : QDockWidget(tr("Voreinstellungen"), parent), m_model(model), m_thumbnails(thumbnails), m_current(current)
{
    setObjectName(QStringLiteral("m_pPresetsDock"));
    m_pThumbnailTimer = new QTimer(this);
    m_pThumbnailTimer->setObjectName(QStringLiteral("m_pThumbnailTimer"));
    m_pThumbnailTimer->setInterval(0);
    connect(m_pThumbnailTimer, &QTimer::timeout, this, &HDRPresetsDockWidget::RenderNextThumbnail);
    BuildControls();
    RefreshFromModel();
    m_model.SetLoadedCallback([this] { presetsChanged(); });
}

HDRPresetsDockWidget::~HDRPresetsDockWidget()
{
    m_model.SetLoadedCallback(nullptr);
}

void HDRPresetsDockWidget::BuildControls()
{
    auto* content = new QWidget(this);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(2, 2, 2, 2);

    auto* filters = new QHBoxLayout;
    m_pFilterButtons = new QButtonGroup(this);
    m_pFilterButtons->setExclusive(true);
    for (int b = 0; b < CPresetsDockModel::kFilterCount; ++b)
    {
        auto* button = new QToolButton(content);
        button->setObjectName(QStringLiteral("m_pFilterButton%1").arg(b));
        button->setText(CPresetsDockModel::FilterLabel(b));
        button->setCheckable(true);
        m_pFilterButtons->addButton(button, b);
        filters->addWidget(button);
    }
    filters->addStretch();
    connect(m_pFilterButtons, &QButtonGroup::idClicked, this, [this](int button) {
        m_model.SetFilter(button);
        ApplyFilter();
    });
    column->addLayout(filters);

    auto* search = new QHBoxLayout;
    m_pSearchTagBox = new QComboBox(content);
    m_pSearchTagBox->setObjectName(QStringLiteral("m_pSearchTagComboBox"));
    m_pSearchTagBox->setToolTip(tr("Zeigt nur Voreinstellungen mit diesem Stichwort"));
    m_pSearchField = new QLineEdit(content);
    m_pSearchField->setObjectName(QStringLiteral("m_pSearchLineEdit"));
    m_pSearchField->setPlaceholderText(tr("Suchen"));
    m_pSearchField->setClearButtonEnabled(true);
    connect(m_pSearchTagBox, &QComboBox::currentIndexChanged, this, [this](int choice) {
        m_model.SetSearchTag(std::max(choice, 0));
        ApplyFilter();
    });
    connect(m_pSearchField, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_model.SetSearchText(text);
        ApplyFilter();
    });
    search->addWidget(m_pSearchTagBox, 1);
    search->addWidget(m_pSearchField, 2);
    column->addLayout(search);

    auto* actions = new QHBoxLayout;
    const auto action = [&](const QString& text, const char* name, auto slot) {
        auto* button = new QPushButton(text, content);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, slot);
        actions->addWidget(button);
    };
    action(tr("Presets importieren"), "m_pImportButton", [this] { importPresets(); });
    action(tr("Preset exportieren"), "m_pExportButton", [this] { exportPreset(); });
    action(tr("Voreinstellungen kombinieren"), "m_pCombineButton", [this] { emit combineRequested(); });
    column->addLayout(actions);

    m_pScrollArea = new QScrollArea(content);
    m_pScrollArea->setObjectName(QStringLiteral("m_pPresetScrollArea"));
    m_pScrollArea->setWidgetResizable(true);
    auto* boxes = new QWidget(m_pScrollArea);
    m_pBoxLayout = new QVBoxLayout(boxes);
    m_pBoxLayout->setContentsMargins(0, 0, 0, 0);
    m_pBoxLayout->addStretch();
    m_pScrollArea->setWidget(boxes);
    const auto keepScroll = [this] {
        m_model.SetScrollPositions(m_pScrollArea->verticalScrollBar()->value(),
                                   m_pScrollArea->horizontalScrollBar()->value());
    };
    connect(m_pScrollArea->verticalScrollBar(), &QScrollBar::valueChanged, this, keepScroll);
    connect(m_pScrollArea->horizontalScrollBar(), &QScrollBar::valueChanged, this, keepScroll);
    column->addWidget(m_pScrollArea, 1);
    setWidget(content);
}

void HDRPresetsDockWidget::RefreshFromModel()
{
    const int scrollV = m_model.ScrollVertical(), scrollH = m_model.ScrollHorizontal();
    m_pFilterButtons->button(m_model.Filter())->setChecked(true);
    {
        const QSignalBlocker block(m_pSearchTagBox);
        m_pSearchTagBox->clear();
        m_pSearchTagBox->addItems(m_model.SearchTagLabels());
        m_pSearchTagBox->setCurrentIndex(std::min(m_model.SearchTag(), m_pSearchTagBox->count() - 1));
    }
    RebuildBoxes();
    m_pScrollArea->widget()->adjustSize();
    m_pScrollArea->verticalScrollBar()->setValue(scrollV);
    m_pScrollArea->horizontalScrollBar()->setValue(scrollH);
}

void HDRPresetsDockWidget::RebuildBoxes()
{
    // The boxes go later: a rebuild can start from a click on one of their own buttons.
    for (HDRPresetGroupBox* box : m_boxes)
    {
        box->hide();
        m_pBoxLayout->removeWidget(box);
        box->deleteLater();
    }
    m_boxes.clear();
    CPresetLibrary& library = m_model.Library();
    for (int i = 0; i < library.Count(); ++i)
    {
        const SPreset& preset = library.At(i);
        auto* box = new HDRPresetGroupBox(i, library.Chain(i).Title(), preset.eOrigin == EPresetOrigin::eUSER,
                                          preset.bBroken, m_pScrollArea->widget());
        box->SetThumbnail(m_thumbnails.Thumbnail(i));
        connect(box, &HDRPresetGroupBox::labelClicked, this, &HDRPresetsDockWidget::labelClicked);
        connect(box, &HDRPresetGroupBox::copyPresetClicked, this, &HDRPresetsDockWidget::copyPresetClicked);
        connect(box, &HDRPresetGroupBox::deletePresetClicked, this, &HDRPresetsDockWidget::deletePresetClicked);
        connect(box, &HDRPresetGroupBox::movePresetUpClicked, this, &HDRPresetsDockWidget::movePresetUpClicked);
        connect(box, &HDRPresetGroupBox::movePresetDownClicked, this, &HDRPresetsDockWidget::movePresetDownClicked);
        connect(box, &HDRPresetGroupBox::resetPresetClicked, this, [this](HDRPresetGroupBox* b) {
            if (m_model.Library().Reset(b->Index()))
                presetsChanged(b->Index());
        });
        connect(box, &HDRPresetGroupBox::renamePresetClicked, this, [this](HDRPresetGroupBox* b) {
            if (m_model.Library().Rename(b->Index()))
                presetsChanged(b->Index());
        });
        connect(box, &HDRPresetGroupBox::savePresetClicked, this, [this](HDRPresetGroupBox* b) {
            if (m_model.Library().SaveOperators(b->Index(), m_current))
                presetsChanged(b->Index());
        });
        m_pBoxLayout->insertWidget(i, box);
        m_boxes << box;
    }
    ApplyFilter();
    SelectBox(m_model.Selected());
    ScheduleThumbnails();
}

void HDRPresetsDockWidget::ApplyFilter()
{
    for (HDRPresetGroupBox* box : m_boxes)
        box->setVisible(m_model.IsVisible(box->Index()));
}

void HDRPresetsDockWidget::SelectBox(int index)
{
    m_model.Select(index);
    for (HDRPresetGroupBox* box : m_boxes)
        box->SetSelected(box->Index() == m_model.Selected());
}

void HDRPresetsDockWidget::SetFrame(const uint16_t* pixels, int width, int height)
{
    if (m_thumbnails.SetFrame(pixels, width, height))
        ScheduleThumbnails();
}

int HDRPresetsDockWidget::PendingThumbnails() const
{
    return m_thumbnails.Pending();
}

void HDRPresetsDockWidget::ScheduleThumbnails()
{
    if (m_thumbnails.Pending() > 0 && !m_pThumbnailTimer->isActive())
        m_pThumbnailTimer->start();
}

void HDRPresetsDockWidget::RenderNextThumbnail()
{
    // Presets the user can see first; one thumbnail per turn of the event loop.
    const int index = m_thumbnails.RenderNext(m_model.VisiblePresets());
    if (index < 0)
    {
        m_pThumbnailTimer->stop();
        return;
    }
    if (HDRPresetGroupBox* box = Box(index))
        box->SetThumbnail(m_thumbnails.Thumbnail(index));
}

void HDRPresetsDockWidget::presetsChanged(int select)
{
    if (select >= 0)
        m_model.Select(select);
    m_thumbnails.Invalidate();
    RefreshFromModel();
}

void HDRPresetsDockWidget::labelClicked(HDRPresetGroupBox* box)
{
    SelectBox(box->Index());
    CPostProcessing* preset = &m_model.Library().Chain(box->Index());
    emit updatePostProcessing(preset, box);
    emit updatePostProcessing(preset, box, true);
}

void HDRPresetsDockWidget::copyPresetClicked(HDRPresetGroupBox* box, QString)
{
    const int copy = m_model.Library().Copy(box->Index());
    if (copy < 0)
        return;
    if (!m_model.IsVisible(copy))
        m_model.SetFilter(1);
    presetsChanged(copy);
}

void HDRPresetsDockWidget::deletePresetClicked(HDRPresetGroupBox* box)
{
    if (m_model.Library().Delete(box->Index()))
        presetsChanged(-1);
}

void HDRPresetsDockWidget::movePresetUpClicked(HDRPresetGroupBox* box)
{
    if (m_model.Library().MoveUp(box->Index()))
        presetsChanged(box->Index() - 1);
}

void HDRPresetsDockWidget::movePresetDownClicked(HDRPresetGroupBox* box)
{
    if (m_model.Library().MoveDown(box->Index()))
        presetsChanged(box->Index() + 1);
}

void HDRPresetsDockWidget::importPresets()
{
    const int added = m_model.Library().Import(LastDialogFolder());
    if (added >= 0)
        presetsChanged(added);
}

void HDRPresetsDockWidget::exportPreset()
{
    m_model.Library().Export(m_model.Selected(), LastDialogFolder());
}
