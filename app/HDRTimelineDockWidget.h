// The history timeline ("Timeline Window"): one row per undo point with its thumbnail, its label
// and the buttons to load it, annotate it and delete it; the title counts the points and shows
// their size and the free space. A view over CUndoStore; loading goes through the main window.
#pragma once

#include <QDockWidget>

#include <functional>
#include <vector>

class CUndoStore;
class IUserPrompt;
class QLabel;
class QToolButton;
class QVBoxLayout;

class HDRTimelineDockWidget : public QDockWidget
{
    Q_OBJECT

public:
    /// Labels longer than this are shortened for display.
    static constexpr int kMaxLabelLength = 25;

    /// `confirm` tells whether destructive actions are confirmed first.
    HDRTimelineDockWidget(CUndoStore& store, IUserPrompt& prompt, std::function<bool()> confirm,
                          QWidget* parent = nullptr);

    struct SRow
    {
        QLabel* pThumbnail;
        QLabel* pLabel;
        QToolButton* pLoad;
        QToolButton* pEdit;
        QToolButton* pDelete;
    };
    const std::vector<SRow>& Rows() const { return m_rows; }

signals:
    /// The load button of point `index` was pressed.
    void loadRequested(int index);

public slots:
    void loadButtonClicked();
    void noteButtonClicked();
    void deleteButtonClicked();
    /// Rebuilds the rows and the title from the store.
    void refresh();

private:
    /// The row whose button sent the signal; −1 when none.
    int SenderRow() const;

    CUndoStore& m_store;
    IUserPrompt& m_prompt;
    std::function<bool()> m_confirm;
    QWidget* m_pList;
    QVBoxLayout* m_pRowsLayout;
    std::vector<SRow> m_rows;
};
