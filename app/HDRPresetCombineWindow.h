// "Voreinstellungen kombinieren": choose preset A and preset B, see the current frame graded by
// A's operators followed by B's, and keep the combination as a user preset. A view over
// CPresetCombiner.
#pragma once

#include "session/PresetCombiner.h"

#include <QWidget>

class CPresetThumbnails;
class QComboBox;
class QLabel;
class QPushButton;

class HDRPresetCombineWindow : public QWidget
{
    Q_OBJECT

public:
    /// Reserves the result's file name. The library and thumbnails are not owned.
    HDRPresetCombineWindow(CPresetLibrary& library, CPresetThumbnails& thumbnails, QWidget* parent = nullptr);

    CPresetCombiner& Combiner() { return m_combiner; }
    QComboBox* ChoiceA() const { return m_pChoiceA; }
    QComboBox* ChoiceB() const { return m_pChoiceB; }
    QLabel* Preview() const { return m_pPreview; }
    QPushButton* KeepButton() const { return m_pKeepButton; }

signals:
    /// The combination was kept as the preset at `index` of the library.
    void presetAdded(int index);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Recombine();

    CPresetCombiner m_combiner;
    CPresetThumbnails& m_thumbnails;
    QList<int> m_choices;
    QComboBox* m_pChoiceA = nullptr;
    QComboBox* m_pChoiceB = nullptr;
    QLabel* m_pPreview = nullptr;
    QPushButton* m_pKeepButton = nullptr;
};
