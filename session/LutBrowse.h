// The thumbnail browsers of the LUT panel as models: render the current frame once per library
// entry (or per layer mode) into small 8-bit thumbnails, stoppable between entries through the
// engine's stop request, then apply the entry the user chose.
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class CGradingSession;
class CLutLibrary;

class CThumbnailBrowse
{
public:
    /// Longest side of a thumbnail; larger results are sampled down.
    static constexpr int kThumbnailSide = 320;

    struct SThumbnail
    {
        QString sName;
        QSize size;                // empty when the frame could not be graded
        std::vector<uint8_t> rgb;  // packed 8-bit RGB, the high byte of each 16-bit sample
    };

    virtual ~CThumbnailBrowse() = default;

    int Count() const { return int(m_names.size()); }
    QString Name(int position) const { return m_names.value(position); }
    const std::vector<SThumbnail>& Thumbnails() const { return m_thumbnails; }
    /// The position current before browsing, −1 when none.
    int Preselected() const { return m_iPreselected; }
    bool Stopped() const { return m_bStopped; }
    bool Finished() const { return Stopped() || int(m_thumbnails.size()) >= Count(); }

    /// Renders the next entry; false when all are done or the engine's stop request is set
    /// (which ends the rendering for good).
    bool RenderNext();
    /// Renders what is left, reporting the fraction done before each entry.
    void RenderAll(const std::function<void(float)>& progress = {});

    /// The user chose `position` (≥ 0): make it current and grade once more.
    virtual void Choose(int position) = 0;
    /// The user cancelled.
    virtual void Cancel() = 0;

protected:
    /// Loads entry `position` into the session, ready to grade.
    virtual void Load(int position) = 0;
    void Thumbnail(CGradingSession& session, int position);

    CGradingSession* m_pSession = nullptr;
    QStringList m_names;
    std::vector<SThumbnail> m_thumbnails;
    int m_iPreselected = -1;
    bool m_bStopped = false;
};

/// The library browser. Construction clears the LUT and makes index 0 current; each entry is read
/// in turn; a cancel keeps the last entry read.
class CLutLibraryBrowse : public CThumbnailBrowse
{
public:
    CLutLibraryBrowse(CLutLibrary& library, CGradingSession& session);
    void Choose(int position) override;
    void Cancel() override {}

private:
    void Load(int position) override;
    CLutLibrary& m_library;
};

/// The layer-mode browser over (mode id, name) pairs; a cancel puts the previous mode back.
class CLayerModeBrowse : public CThumbnailBrowse
{
public:
    CLayerModeBrowse(CGradingSession& session, const QList<QPair<int, QString>>& modes);
    void Choose(int position) override;
    void Cancel() override;
    int ChosenMode() const;

private:
    void Load(int position) override;
    QList<QPair<int, QString>> m_modes;
    int m_iPreviousMode = 0;
};
