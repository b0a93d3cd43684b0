// The presets dock: one box per preset with its thumbnail of the current frame, the filter
// buttons, the search-tag choice and a search field, and import, export and combine. A view
// over CPresetsDockModel; thumbnails are rendered one per timer tick so the window stays live.
#pragma once

#include "app/dock/HDRPresetGroupBox.h"

#include <QDockWidget>
#include <QList>

class CPostProcessing;
class CPresetThumbnails;
class CPresetsDockModel;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QScrollArea;
class QTimer;
class QVBoxLayout;

class HDRPresetsDockWidget : public QDockWidget
{
    Q_OBJECT

public:
    /// `current` is the grade "Einstellungen speichern" writes into a user preset. None of the
    /// objects is owned; they must outlive the dock.
    HDRPresetsDockWidget(CPresetsDockModel& model, CPresetThumbnails& thumbnails, const CPostProcessing& current,
                         QWidget* parent = nullptr);
    ~HDRPresetsDockWidget() override;

    /// A new current frame (packed 16-bit RGB): every thumbnail is rendered again.
    void SetFrame(const uint16_t* pixels, int width, int height);
    /// Rebuilds the boxes and the controls from the model (after a project was loaded).
    void RefreshFromModel();

    const QList<HDRPresetGroupBox*>& Boxes() const { return m_boxes; }
    HDRPresetGroupBox* Box(int index) const { return m_boxes.value(index); }
    /// Thumbnails still to render.
    int PendingThumbnails() const;

signals:
    /// A box was clicked: its preset becomes the current grade.
    void updatePostProcessing(CPostProcessing* preset, HDRPresetGroupBox* box);
    void updatePostProcessing(CPostProcessing* preset, HDRPresetGroupBox* box, bool undoPoint);
    /// The combine window was asked for.
    void combineRequested();

public slots:
    void labelClicked(HDRPresetGroupBox* box);
    void copyPresetClicked(HDRPresetGroupBox* box, QString name);
    void deletePresetClicked(HDRPresetGroupBox* box);
    void movePresetUpClicked(HDRPresetGroupBox* box);
    void movePresetDownClicked(HDRPresetGroupBox* box);
    /// Imports presets chosen by the user and selects the last one imported.
    void importPresets();
    /// Exports the selected preset.
    void exportPreset();
    /// Rebuilds the boxes after the library changed (a preset was added, e.g. by combining).
    void presetsChanged(int select = -1);

private:
    void BuildControls();
    void RebuildBoxes();
    void ApplyFilter();
    void SelectBox(int index);
    void RenderNextThumbnail();
    void ScheduleThumbnails();

    CPresetsDockModel& m_model;
    CPresetThumbnails& m_thumbnails;
    const CPostProcessing& m_current;
    QButtonGroup* m_pFilterButtons = nullptr;
    QComboBox* m_pSearchTagBox = nullptr;
    QLineEdit* m_pSearchField = nullptr;
    QScrollArea* m_pScrollArea = nullptr;
    QVBoxLayout* m_pBoxLayout = nullptr;
    QTimer* m_pThumbnailTimer = nullptr;
    QList<HDRPresetGroupBox*> m_boxes;
};
