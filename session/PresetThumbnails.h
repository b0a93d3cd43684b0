// Thumbnails of presets: the current frame, reduced once to the thumbnail size, graded by one
// preset at a time in the thumbnail slot of an engine context of their own (the preview's
// working image and tables stay as they are). The dock renders one per timer tick, the
// contact sheet and the benchmark render them all.
#pragma once

#include "engine/EngineContext.h"

#include <QImage>
#include <QList>
#include <QSize>

#include <cstdint>
#include <vector>

class CPostProcessing;
class CPresetLibrary;

class CPresetThumbnails
{
public:
    static constexpr QSize kSize{160, 120};

    explicit CPresetThumbnails(CPresetLibrary& library, QSize box = kSize);

    /// A new current frame (packed 16-bit RGB): reduced to fit the box keeping its aspect; every
    /// thumbnail becomes stale. False for an empty frame.
    bool SetFrame(const uint16_t* pixels, int width, int height);
    bool HasFrame() const { return !m_small.empty(); }
    /// The size thumbnails are rendered at (the frame fitted into the box).
    QSize Size() const { return m_size; }

    /// Marks every thumbnail stale (the presets changed); the stale ones render again.
    void Invalidate();
    /// Stale thumbnails left.
    int Pending() const;
    /// Renders the next stale thumbnail (those in `first` before the others); its index, −1 when
    /// none is stale or there is no frame.
    int RenderNext(const QList<int>& first = {});
    /// Grades the frame with preset `index` into `image`; false without a frame or preset.
    bool Render(int index, QImage& image);
    /// The same with any chain (a combination not in the library yet).
    bool Render(CPostProcessing& chain, QImage& image);
    /// The last thumbnail of the preset; null when not rendered yet.
    QImage Thumbnail(int index) const;

private:
    CPresetLibrary& m_library;
    CEngineContext m_engine;
    QSize m_box;
    QSize m_size;
    QSize m_frame; // the frame's own size: radii of the looks scale with it
    std::vector<uint16_t> m_small;
    QList<QImage> m_images;
    QList<bool> m_stale;
};
