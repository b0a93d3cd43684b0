#include "app/HDRPresetCombineWindow.h"

#include "session/PresetLibrary.h"
#include "session/PresetThumbnails.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

HDRPresetCombineWindow::HDRPresetCombineWindow(CPresetLibrary& library, CPresetThumbnails& thumbnails, QWidget* parent)
    : QWidget(parent, Qt::Window), m_combiner(library), m_thumbnails(thumbnails), m_choices(m_combiner.Choices())
{
    setObjectName(QStringLiteral("HDRPresetCombineWindow"));
    setWindowTitle(tr("Voreinstellungen kombinieren"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_pChoiceA = new QComboBox(this);
    m_pChoiceA->setObjectName(QStringLiteral("m_pPresetAComboBox"));
    m_pChoiceB = new QComboBox(this);
    m_pChoiceB->setObjectName(QStringLiteral("m_pPresetBComboBox"));
    for (int index : m_choices)
    {
        m_pChoiceA->addItem(library.Chain(index).Title());
        m_pChoiceB->addItem(library.Chain(index).Title());
    }
    m_pPreview = new QLabel(this);
    m_pPreview->setObjectName(QStringLiteral("m_pCombinePreview"));
    m_pPreview->setFixedSize(CPresetThumbnails::kSize);
    m_pPreview->setAlignment(Qt::AlignCenter);
    m_pKeepButton = new QPushButton(tr("Kombinieren ausführen"), this);
    m_pKeepButton->setObjectName(QStringLiteral("m_pCombineButton"));

    auto* form = new QFormLayout;
    form->addRow(tr("Voreinstellung A"), m_pChoiceA);
    form->addRow(tr("Voreinstellung B"), m_pChoiceB);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(m_pPreview, 0, Qt::AlignHCenter);
    column->addWidget(m_pKeepButton);

    connect(m_pChoiceA, &QComboBox::currentIndexChanged, this, &HDRPresetCombineWindow::Recombine);
    connect(m_pChoiceB, &QComboBox::currentIndexChanged, this, &HDRPresetCombineWindow::Recombine);
    connect(m_pKeepButton, &QPushButton::clicked, this, [this] {
        const int index = m_combiner.Keep();
        if (index < 0)
            return;
        emit presetAdded(index);
        close();
    });
    if (m_choices.size() > 1)
        m_pChoiceB->setCurrentIndex(1);
    Recombine();
}

void HDRPresetCombineWindow::Recombine()
{
    const int a = m_choices.value(m_pChoiceA->currentIndex(), -1), b = m_choices.value(m_pChoiceB->currentIndex(), -1);
    const bool combined = m_combiner.Combine(a, b);
    m_pKeepButton->setEnabled(combined);
    QImage preview;
    if (combined && m_thumbnails.Render(*m_combiner.Result(), preview))
        m_pPreview->setPixmap(QPixmap::fromImage(preview));
    else
        m_pPreview->clear();
}

void HDRPresetCombineWindow::closeEvent(QCloseEvent* event)
{
    m_combiner.Close();
    QWidget::closeEvent(event);
}
