// One preset in the presets dock: its title, its thumbnail (a click applies the preset) and the
// buttons that copy, reset, save, rename, delete and move it.
#pragma once

#include <QGroupBox>

class QLabel;
class QToolButton;

class HDRPresetGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    HDRPresetGroupBox(int index, const QString& title, bool user, bool broken, QWidget* parent = nullptr);

    int Index() const { return m_iIndex; }
    void SetThumbnail(const QImage& image);
    void SetSelected(bool selected);
    bool IsSelected() const { return m_bSelected; }
    QLabel* ThumbnailLabel() const { return m_pThumbnail; }

signals:
    void labelClicked(HDRPresetGroupBox* box);
    void copyPresetClicked(HDRPresetGroupBox* box, QString name);
    void resetPresetClicked(HDRPresetGroupBox* box);
    void savePresetClicked(HDRPresetGroupBox* box);
    void renamePresetClicked(HDRPresetGroupBox* box);
    void deletePresetClicked(HDRPresetGroupBox* box);
    void movePresetUpClicked(HDRPresetGroupBox* box);
    void movePresetDownClicked(HDRPresetGroupBox* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* AddButton(const QString& text, const QString& tip, const char* objectName);

    int m_iIndex;
    QString m_sTitle;
    bool m_bSelected = false;
    QLabel* m_pThumbnail = nullptr;
};
