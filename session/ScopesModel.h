// The scopes of the main window: views (a kind, a picture size and display settings each) drawn
// from the picture the preview shows, on a worker thread of their own after every preview
// refresh, so a slider drag never waits for them. The picture is copied when the preview reports
// it finished (or the user picks another view of it), never while a grade may be writing it.
#pragma once

#include "scopes/ScopeTypes.h"

#include <QObject>
#include <QThreadPool>

#include <memory>
#include <vector>

class CPreviewModel;
class QSettings;

class CScopesModel : public QObject
{
    Q_OBJECT

public:
    /// Which picture the scopes look at, as the preview shows it.
    enum ESource
    {
        eGraded,
        eOriginal, // the before view
        eSplit,    // original left of the divider, graded right of it
    };

    explicit CScopesModel(CPreviewModel& preview, QObject* parent = nullptr);
    /// Waits for a running computation.
    ~CScopesModel() override;

    /// A new view; returns its index. Its scope is computed while it is enabled (the user wants
    /// it) and visible (its dock is shown).
    int AddView(const SScopeSettings& settings);
    int ViewCount() const { return int(m_views.size()); }
    const SScopeSettings& Settings(int view) const;
    /// New settings are drawn at the next computation, which starts when they differ.
    void SetSettings(int view, const SScopeSettings& settings);
    bool IsEnabled(int view) const;
    void SetEnabled(int view, bool enabled);
    void SetVisible(int view, bool visible);
    bool IsActive(int view) const;

    /// The picture to look at; with eSplit, picture columns left of `split` × width are the
    /// original's. Called on a user's choice, outside a grade.
    void SetSource(ESource source, double split = 0.5);
    ESource Source() const { return m_eSource; }

    /// The newest finished scope of a view (an empty picture before the first one).
    const SScope& Scope(int view) const;
    /// Computes the active views again from the newest picture. While a computation runs,
    /// requests collapse into one more when it ends, on the newest picture of that moment.
    void RequestUpdate();
    /// A computation runs or waits.
    bool IsBusy() const { return m_bRunning || m_bPending; }
    /// Computations finished so far.
    int Computations() const { return m_iComputations; }

    /// A view's kind, gain, scale and whether it is enabled, under "<key>/kind" and so on; values
    /// that are missing or out of range keep the current ones.
    void LoadView(int view, const QSettings& settings, const QString& key);
    void SaveView(int view, QSettings& settings, const QString& key) const;

signals:
    /// New scopes are there.
    void scopesChanged();

private:
    struct SView
    {
        SScopeSettings settings;
        bool bEnabled = true, bVisible = true;
        SScope shown; // read by the GUI thread
        SScope next;  // written by the worker while a computation runs
    };
    bool AnyActive() const;
    /// A finished preview picture: copied at once while anyone looks, otherwise when someone does.
    void PreviewUpdated();
    /// Copies the picture the preview shows, composed for the source, into the buffer the worker
    /// is not reading, which becomes the newest.
    void TakePicture();
    /// Hands the newest picture and the active views to the worker.
    void Start();
    void Finished();

    CPreviewModel& m_preview;
    std::vector<std::unique_ptr<SView>> m_views; // stable addresses for the worker
    Helper::CRGB48Buffer m_pictures[2];          // copies of the shown picture
    int m_iNewest = -1;                          // the newest copy; -1 before the first
    int m_iReading = -1;                         // the copy the worker reads; -1 while idle
    bool m_bPictureMissed = false;               // a preview picture went by while nobody looked
    QThreadPool m_worker;
    ESource m_eSource = eGraded;
    double m_dSplit = 0.5;
    bool m_bRunning = false, m_bPending = false;
    int m_iComputations = 0;
};
