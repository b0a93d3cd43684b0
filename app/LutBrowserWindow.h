// A modal thumbnail grid over a browse model: renders entry by entry with a progress bar (Escape
// stops through the engine's stop request), then lets the user pick one or cancel.
#pragma once

#include <QDialog>

class CThumbnailBrowse;
class QLabel;
class QListWidget;
class QProgressBar;

class LutBrowserWindow : public QDialog
{
    Q_OBJECT

public:
    LutBrowserWindow(CThumbnailBrowse& browse, const QString& title, const QString& progressLabel,
                     QWidget* parent = nullptr);

    /// Renders every entry into the grid, processing events between entries.
    void Render();
    /// The selected grid position, −1 when none.
    int SelectedPosition() const;
    QListWidget* Grid() const { return m_pGrid; }

    /// Renders, shows the grid modally and applies the answer to the model (choose or cancel).
    /// Returns the chosen position, −1 when cancelled.
    static int Browse(CThumbnailBrowse& browse, const QString& title, const QString& progressLabel, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void AddThumbnail(int position);

    CThumbnailBrowse& m_browse;
    QString m_sProgressLabel;
    QListWidget* m_pGrid = nullptr;
    QProgressBar* m_pProgressBar = nullptr;
    QLabel* m_pProgressLabel = nullptr;
    bool m_bRendering = false;
};
