#include "app/LutLibraryPanel.h"

#include "app/LutBrowserWindow.h"
#include "core/IUserPrompt.h"
#include "lut/LutLibrary.h"
#include "lut/LutState.h"
#include "session/GradeLut.h"
#include "session/GradingSession.h"
#include "session/LutBrowse.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
constexpr int kPictureHeight = 120;
}

QToolButton* LutLibraryPanel::Button(const char* objectName, const QString& text, const QString& tip)
{
    auto* button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setText(text);
    button->setToolTip(tip);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

LutLibraryPanel::LutLibraryPanel(CLutLibrary& library, CGradingSession& session, IUserPrompt& prompt, QWidget* parent)
    : QWidget(parent), m_library(library), m_session(session), m_prompt(prompt)
{
    setObjectName("LutLibraryPanel");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    // Library row: list, browse, add, remove.
    auto* libraryRow = new QHBoxLayout;
    m_pLUTComboBox = new QComboBox(this);
    m_pLUTComboBox->setObjectName("m_pLUTComboBox");
    m_pLUTComboBox->setToolTip(tr("Tooltip LUT Styles Combobox"));
    m_pLUTComboBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_pLUTBrowserButton = Button("m_pLUTBrowserButton", tr("Browser"), tr("LUT Database"));
    m_pLUTAddDatabaseButton = Button("m_pLUTAddDatabaseButton", "+", tr("LUTAddToDatabase"));
    m_pLUTDelDatabaseButton = Button("m_pLUTDelDatabaseButton", QString::fromUtf8("\u2212"), tr("LUTDelFromDatabase"));
    for (QToolButton* b : {m_pLUTBrowserButton, m_pLUTAddDatabaseButton, m_pLUTDelDatabaseButton})
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    libraryRow->addWidget(m_pLUTComboBox, 1);
    libraryRow->addWidget(m_pLUTBrowserButton);
    libraryRow->addWidget(m_pLUTAddDatabaseButton);
    libraryRow->addWidget(m_pLUTDelDatabaseButton);
    layout->addLayout(libraryRow);

    // File row: load, import, export.
    auto* fileRow = new QHBoxLayout;
    m_pLUTLoadFromFileButton = Button("m_pLUTLoadFromFileButton", tr("LUT laden"), tr("LUTLoadFromFile"));
    m_pLUTImportButton = Button("m_pLUTImportButton", tr("LUT importieren"), tr("LUT importieren"));
    m_pLUTSaveButton = Button("m_pLUTSaveButton", tr("LUT speichern"), tr("LUTExport"));
    fileRow->addWidget(m_pLUTLoadFromFileButton);
    fileRow->addWidget(m_pLUTImportButton);
    fileRow->addWidget(m_pLUTSaveButton);
    m_pLUTSaveGradeButton = Button("m_pLUTSaveGradeButton", tr("Grade als LUT speichern"),
                                   tr("Die Farbwirkung der ganzen Bearbeitung als LUT in der gewählten Größe speichern"));
    layout->addLayout(fileRow);
    layout->addWidget(m_pLUTSaveGradeButton);

    // Picture rows: from image with previous/next, method and size.
    auto* pictureRow = new QHBoxLayout;
    m_pLUTPrevImageButton = Button("m_pLUTPrevImageButton", QString::fromUtf8("\u25C0"), tr("LUTPrevImage"));
    m_pLUTLoadFromImageButton = Button("m_pLUTLoadFromImageButton", tr("LUT from Image"), tr("LUT from Image"));
    m_pLUTNextImageButton = Button("m_pLUTNextImageButton", QString::fromUtf8("\u25B6"), tr("LUTNextImage"));
    m_pLUTPrevImageButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_pLUTNextImageButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    pictureRow->addWidget(m_pLUTPrevImageButton);
    pictureRow->addWidget(m_pLUTLoadFromImageButton, 1);
    pictureRow->addWidget(m_pLUTNextImageButton);
    layout->addLayout(pictureRow);

    auto* choiceRow = new QHBoxLayout;
    m_pLUTType1Button = Button("m_pLUTType1Button", tr("Typ 1"), tr("LUTType1"));
    m_pLUTType2Button = Button("m_pLUTType2Button", tr("Typ 2"), tr("LUTType2"));
    auto* types = new QButtonGroup(this);
    for (QToolButton* b : {m_pLUTType1Button, m_pLUTType2Button})
    {
        b->setCheckable(true);
        types->addButton(b);
        choiceRow->addWidget(b);
    }
    m_pLUTType2Button->setChecked(true);
    choiceRow->addSpacing(8);
    auto* sizes = new QButtonGroup(this);
    m_pLUTSize17Button = Button("m_pLUTSize17Button", "17", tr("LUT Size 17"));
    m_pLUTSize25Button = Button("m_pLUTSize25Button", "25", tr("LUT Size 25"));
    m_pLUTSize32Button = Button("m_pLUTSize32Button", "32", tr("LUT Size 32"));
    m_pLUTSize64Button = Button("m_pLUTSize64Button", "64", tr("LUT Size 64"));
    for (QToolButton* b : {m_pLUTSize17Button, m_pLUTSize25Button, m_pLUTSize32Button, m_pLUTSize64Button})
    {
        b->setCheckable(true);
        sizes->addButton(b);
        choiceRow->addWidget(b);
        connect(b, &QToolButton::toggled, this, &LutLibraryPanel::SizeButtonToggled);
    }
    const int chosen = session.Lut().ChosenSize();
    (chosen == 64 ? m_pLUTSize64Button : chosen == 32 ? m_pLUTSize32Button : chosen == 25 ? m_pLUTSize25Button
                                                                                       : m_pLUTSize17Button)
        ->setChecked(true);
    layout->addLayout(choiceRow);

    m_pLUTPictureLabel = new QLabel(this);
    m_pLUTPictureLabel->setObjectName("m_pLUTPictureLabel");
    m_pLUTPictureLabel->setAlignment(Qt::AlignCenter);
    m_pLUTPictureLabel->setMinimumHeight(0);
    layout->addWidget(m_pLUTPictureLabel);
    m_pLUTPictureLabel->hide();

    connect(m_pLUTComboBox, &QComboBox::currentIndexChanged, this, &LutLibraryPanel::lutComboBoxChanged);
    connect(m_pLUTAddDatabaseButton, &QToolButton::clicked, this, &LutLibraryPanel::lutAddDatabaseButtonClicked);
    connect(m_pLUTDelDatabaseButton, &QToolButton::clicked, this, &LutLibraryPanel::lutDelDatabaseButtonClicked);
    connect(m_pLUTBrowserButton, &QToolButton::clicked, this, &LutLibraryPanel::lutBrowserButtonClicked);
    connect(m_pLUTLoadFromFileButton, &QToolButton::clicked, this, &LutLibraryPanel::lutLoadFromFileButtonClicked);
    connect(m_pLUTImportButton, &QToolButton::clicked, this, &LutLibraryPanel::lutImportButtonClicked);
    connect(m_pLUTSaveButton, &QToolButton::clicked, this, &LutLibraryPanel::lutSaveButtonClicked);
    connect(m_pLUTSaveGradeButton, &QToolButton::clicked, this, &LutLibraryPanel::lutSaveGradeButtonClicked);
    connect(m_pLUTLoadFromImageButton, &QToolButton::clicked, this, &LutLibraryPanel::lutLoadFromImageButtonClicked);
    connect(m_pLUTPrevImageButton, &QToolButton::clicked, this, &LutLibraryPanel::lutPrevImageButtonClicked);
    connect(m_pLUTNextImageButton, &QToolButton::clicked, this, &LutLibraryPanel::lutNextImageButtonClicked);

    m_library.Fill();
    refresh();
}

int LutLibraryPanel::Method() const
{
    return m_pLUTType2Button->isChecked() ? 2 : 1;
}

void LutLibraryPanel::SizeButtonToggled()
{
    m_session.Lut().SetChosenSizeButtons(m_pLUTSize25Button->isChecked(), m_pLUTSize32Button->isChecked(),
                                         m_pLUTSize64Button->isChecked());
}

void LutLibraryPanel::FillList()
{
    const QSignalBlocker blocker(m_pLUTComboBox);
    m_pLUTComboBox->clear();
    for (int i = 0; i < m_library.Count(); ++i)
    {
        if (i == CLutLibrary::kSeparatorIndex)
            m_pLUTComboBox->insertSeparator(i);
        else
            m_pLUTComboBox->addItem(m_library.ItemText(i));
    }
    m_pLUTComboBox->setCurrentIndex(m_library.CurrentIndex());
}

void LutLibraryPanel::refresh()
{
    FillList(); // the model's list, not the folder: cheap, and never stale
    const CLutState& lut = m_session.Lut();
    const bool present = lut.Size() != 0;
    m_pLUTAddDatabaseButton->setEnabled(present);
    m_pLUTSaveButton->setEnabled(present);
    m_pLUTDelDatabaseButton->setEnabled(m_library.CurrentIndex() >= CLutLibrary::kFirstEntry);
    const bool hasPicture = !lut.ReferencePicturePath().isEmpty();
    m_pLUTPrevImageButton->setEnabled(hasPicture);
    m_pLUTNextImageButton->setEnabled(hasPicture);
    ShowPicture();
}

void LutLibraryPanel::ShowPicture()
{
    const QString path = m_session.Lut().ReferencePicturePath();
    if (path == m_sShownPicture)
        return;
    m_sShownPicture = path;
    if (path.isEmpty())
    {
        m_pLUTPictureLabel->clear();
        m_pLUTPictureLabel->hide();
        return;
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid())
        reader.setScaledSize(size.scaled(QSize(width() > 40 ? width() : 240, kPictureHeight), Qt::KeepAspectRatio));
    const QImage picture = reader.read();
    m_pLUTPictureLabel->setPixmap(QPixmap::fromImage(picture));
    m_pLUTPictureLabel->setToolTip(path);
    m_pLUTPictureLabel->show();
}

void LutLibraryPanel::lutComboBoxChanged(int index)
{
    m_library.SetCurrentIndex(index);
    if (!m_library.Select(index, m_session.Lut()))
    {
        refresh();
        return;
    }
    refresh();
    emit lutChanged();
}

void LutLibraryPanel::lutAddDatabaseButtonClicked()
{
    // The model fills its list again either way: a failed write shows the folder as it now is.
    m_library.Add(m_session.Lut(), m_prompt);
    refresh();
}

void LutLibraryPanel::lutDelDatabaseButtonClicked()
{
    m_library.Remove(m_prompt);
    refresh();
}

void LutLibraryPanel::lutBrowserButtonClicked()
{
    if (!m_library.MayBrowse(m_session.Lut(), m_prompt))
        return;
    CLutLibraryBrowse browse(m_library, m_session);
    refresh();
    LutBrowserWindow::Browse(browse, tr("LUT Database"), tr("Create Images: "), this);
    refresh();
    emit lutChanged();
}

void LutLibraryPanel::lutLoadFromFileButtonClicked()
{
    if (!m_library.LoadFromFile(m_session.Lut(), m_prompt))
        return;
    refresh();
    emit lutChanged();
}

void LutLibraryPanel::lutImportButtonClicked()
{
    if (!m_library.ImportFromFile(m_session.Lut(), m_prompt))
        return;
    refresh();
    emit lutChanged();
}

void LutLibraryPanel::lutSaveButtonClicked()
{
    m_library.Export(m_session.Lut(), m_prompt);
}

void LutLibraryPanel::lutSaveGradeButtonClicked()
{
    if (CGradeLut::Save(m_session, m_session.Lut().ChosenSize(), m_library, m_prompt))
        refresh();
}

void LutLibraryPanel::lutLoadFromImageButtonClicked()
{
    const int before = m_session.Lut().Size();
    const bool derived = m_library.FromPicture(m_session.Lut(), m_prompt, QString(), true, Method());
    refresh();
    if (derived || before != 0)
        emit lutChanged();
}

void LutLibraryPanel::lutPrevImageButtonClicked()
{
    if (m_library.StepPicture(m_session.Lut(), m_prompt, -1, Method()))
    {
        refresh();
        emit lutChanged();
    }
}

void LutLibraryPanel::lutNextImageButtonClicked()
{
    if (m_library.StepPicture(m_session.Lut(), m_prompt, 1, Method()))
    {
        refresh();
        emit lutChanged();
    }
}
