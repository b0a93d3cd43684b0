#include "app/OptionsWindow.h"

#include "core/Paths.h"
#include "session/TranslationManager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>

HDROptionsWindow::HDROptionsWindow(QWidget* parent)
    : QDialog(parent),
      m_pAutoSafeBoxCheckBox(new QCheckBox(tr("Vor verändernden Aktionen nachfragen"), this)),
      m_pShowProgressCheckBox(new QCheckBox(tr("Fortschrittsfenster anzeigen"), this)),
      m_pUndoSaveCheckBox(new QCheckBox(tr("Undo-Punkte mit dem Projekt speichern"), this)),
      m_pFixedFolderEdit(new QLineEdit(this)),
      m_pLuminanceCombo(new QComboBox(this)),
      m_pPreviewLongSideSpin(new QSpinBox(this)),
      m_pLanguageCombo(new QComboBox(this)),
      m_pLanguageNote(new QLabel(tr("Die neue Sprache wird beim nächsten Programmstart verwendet."), this)),
      m_sRunningLocale(CTranslationManager::StoredLocale(Helper::UserDirectory()))
{
    setObjectName(QStringLiteral("options_window"));
    setWindowTitle(tr("Optionen"));
    m_pAutoSafeBoxCheckBox->setObjectName(QStringLiteral("m_pAutoSafeBoxCheckBox"));
    m_pShowProgressCheckBox->setObjectName(QStringLiteral("m_pShowProgressCheckBox"));
    m_pUndoSaveCheckBox->setObjectName(QStringLiteral("m_pUndoSaveCheckBox"));
    m_pFixedFolderEdit->setObjectName(QStringLiteral("m_pFixedFolderEdit"));
    m_pFixedFolderEdit->setPlaceholderText(tr("Zuletzt verwendeter Ordner"));
    m_pLuminanceCombo->setObjectName(QStringLiteral("m_pLuminanceCombo"));
    // In the order of SProgramOptions::iLuminanceWeights.
    m_pLuminanceCombo->addItems({tr("Rec. 709"), tr("Rec. 601"), tr("Gleich gewichtet")});
    m_pPreviewLongSideSpin->setObjectName(QStringLiteral("m_pPreviewLongSideSpin"));
    m_pPreviewLongSideSpin->setRange(SProgramOptions::kMinPreviewLongSide, SProgramOptions::kMaxPreviewLongSide);
    m_pPreviewLongSideSpin->setSingleStep(64);
    m_pPreviewLongSideSpin->setSuffix(tr(" Pixel"));

    m_pLanguageCombo->setObjectName(QStringLiteral("m_pLanguageCombo"));
    for (const QString& locale : CTranslationManager::SupportedLocales())
        m_pLanguageCombo->addItem(CTranslationManager::DisplayName(locale), locale);
    m_pLanguageCombo->setCurrentIndex(m_pLanguageCombo->findData(m_sRunningLocale));
    m_pLanguageNote->setObjectName(QStringLiteral("m_pLanguageNote"));
    m_pLanguageNote->setWordWrap(true);
    m_pLanguageNote->hide();

    auto* chooseButton = new QPushButton(tr("Auswählen …"), this);
    chooseButton->setObjectName(QStringLiteral("m_pFixedFolderButton"));
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(m_pFixedFolderEdit);
    folderRow->addWidget(chooseButton);

    auto* form = new QFormLayout(this);
    form->addRow(m_pAutoSafeBoxCheckBox);
    form->addRow(m_pShowProgressCheckBox);
    form->addRow(m_pUndoSaveCheckBox);
    form->addRow(tr("Fester Standardordner"), folderRow);
    form->addRow(tr("Luminanzgewichtung"), m_pLuminanceCombo);
    form->addRow(tr("Lange Seite der Vorschau"), m_pPreviewLongSideSpin);
    form->addRow(tr("Sprache"), m_pLanguageCombo);
    form->addRow(m_pLanguageNote);

    for (QCheckBox* box : {m_pAutoSafeBoxCheckBox, m_pShowProgressCheckBox, m_pUndoSaveCheckBox})
        connect(box, &QCheckBox::toggled, this, &HDROptionsWindow::Store);
    connect(m_pFixedFolderEdit, &QLineEdit::editingFinished, this, &HDROptionsWindow::Store);
    connect(m_pLuminanceCombo, &QComboBox::currentIndexChanged, this, &HDROptionsWindow::Store);
    connect(m_pPreviewLongSideSpin, &QSpinBox::valueChanged, this, &HDROptionsWindow::Store);
    connect(chooseButton, &QPushButton::clicked, this, &HDROptionsWindow::ChooseFolder);
    connect(m_pLanguageCombo, &QComboBox::activated, this, &HDROptionsWindow::StoreLanguage);

    Reload();
}

void HDROptionsWindow::Reload()
{
    QSettings settings;
    m_options = SProgramOptions::Load(settings);
    const QSignalBlocker blockers[] = {
        QSignalBlocker(m_pAutoSafeBoxCheckBox), QSignalBlocker(m_pShowProgressCheckBox),
        QSignalBlocker(m_pUndoSaveCheckBox),    QSignalBlocker(m_pFixedFolderEdit),
        QSignalBlocker(m_pLuminanceCombo),      QSignalBlocker(m_pPreviewLongSideSpin),
    };
    m_pAutoSafeBoxCheckBox->setChecked(m_options.bAutoSafe);
    m_pShowProgressCheckBox->setChecked(m_options.bShowProgress);
    m_pUndoSaveCheckBox->setChecked(m_options.bUndoSave);
    m_pFixedFolderEdit->setText(m_options.sFixedDefaultFolder);
    m_pLuminanceCombo->setCurrentIndex(m_options.iLuminanceWeights);
    m_pPreviewLongSideSpin->setValue(m_options.iPreviewLongSide);
}

void HDROptionsWindow::Store()
{
    SProgramOptions options;
    options.bAutoSafe = m_pAutoSafeBoxCheckBox->isChecked();
    options.bShowProgress = m_pShowProgressCheckBox->isChecked();
    options.bUndoSave = m_pUndoSaveCheckBox->isChecked();
    options.sFixedDefaultFolder = m_pFixedFolderEdit->text().trimmed();
    options.iLuminanceWeights = m_pLuminanceCombo->currentIndex();
    options.iPreviewLongSide = m_pPreviewLongSideSpin->value();
    m_options = options;
    QSettings settings;
    m_options.Save(settings);
    settings.sync();
    emit optionsChanged();
}

void HDROptionsWindow::ChooseFolder()
{
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("Fester Standardordner"), m_pFixedFolderEdit->text());
    if (folder.isEmpty())
        return;
    m_pFixedFolderEdit->setText(folder);
    Store();
}

void HDROptionsWindow::StoreLanguage()
{
    const QString locale = m_pLanguageCombo->currentData().toString();
    CTranslationManager::StoreLocale(Helper::UserDirectory(), locale);
    m_pLanguageNote->setVisible(locale != m_sRunningLocale);
}
