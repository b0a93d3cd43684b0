// The library controls at the top of the LUT panel: the library list with browse, add and remove,
// loading and exporting cube files, and LUTs from reference pictures (type and size buttons,
// previous/next picture, the picture itself). A view over CLutLibrary and the session's LUT.
#pragma once

#include <QWidget>

class CGradingSession;
class CLutLibrary;
class IUserPrompt;
class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;

class LutLibraryPanel : public QWidget
{
    Q_OBJECT

public:
    LutLibraryPanel(CLutLibrary& library, CGradingSession& session, IUserPrompt& prompt, QWidget* parent = nullptr);

    /// Re-reads the list and the LUT state into the controls (after a load elsewhere).
    void refresh();
    /// Method for LUTs from pictures: 2 when "LUTType2" is checked, else 1.
    int Method() const;

signals:
    /// The LUT changed in a way the preview should show.
    void lutChanged();

public slots:
    void lutComboBoxChanged(int index);
    void lutAddDatabaseButtonClicked();
    void lutDelDatabaseButtonClicked();
    void lutBrowserButtonClicked();
    void lutLoadFromFileButtonClicked();
    void lutImportButtonClicked();
    void lutSaveButtonClicked();
    void lutSaveGradeButtonClicked();
    void lutLoadFromImageButtonClicked();
    void lutPrevImageButtonClicked();
    void lutNextImageButtonClicked();

private:
    void FillList();
    void ShowPicture();
    void SizeButtonToggled();
    QToolButton* Button(const char* objectName, const QString& text, const QString& tip);

    CLutLibrary& m_library;
    CGradingSession& m_session;
    IUserPrompt& m_prompt;

    QComboBox* m_pLUTComboBox = nullptr;
    QToolButton* m_pLUTBrowserButton = nullptr;
    QToolButton* m_pLUTAddDatabaseButton = nullptr;
    QToolButton* m_pLUTDelDatabaseButton = nullptr;
    QToolButton* m_pLUTLoadFromFileButton = nullptr;
    QToolButton* m_pLUTImportButton = nullptr;
    QToolButton* m_pLUTSaveButton = nullptr;
    QToolButton* m_pLUTSaveGradeButton = nullptr;
    QToolButton* m_pLUTLoadFromImageButton = nullptr;
    QToolButton* m_pLUTPrevImageButton = nullptr;
    QToolButton* m_pLUTNextImageButton = nullptr;
    QToolButton* m_pLUTType1Button = nullptr;
    QToolButton* m_pLUTType2Button = nullptr;
    QToolButton* m_pLUTSize17Button = nullptr;
    QToolButton* m_pLUTSize25Button = nullptr;
    QToolButton* m_pLUTSize32Button = nullptr;
    QToolButton* m_pLUTSize64Button = nullptr;
    QLabel* m_pLUTPictureLabel = nullptr;
    QString m_sShownPicture; // the picture the label holds
};
