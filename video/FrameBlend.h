// Frame blending across the frames of an export and the split comparison inside one frame, on
// packed 16-bit RGB images, split over the engine's workers.
#pragma once

#include <cstdint>
#include <vector>

/// Output of frame blending for one image: `frames[0]` is the current frame, `frames[k]` the
/// one k frames before (1 ≤ n ≤ 64 frames of width × height); the result goes into `target`,
/// which may be one of the frames (each pixel is read from all frames before it is written).
/// Mode 1..11; any other mode leaves the target untouched.
void MP_MT_BlendFrames(const uint16_t* const* frames, int n, uint16_t* target, int width, int height, int mode);

/// Copies part of `source` into `target` (both width × height): mode 1 the left half with a
/// bright divider, mode 2 the centres of both side by side; any other mode does nothing.
void MP_MT_SplitCompare(const uint16_t* source, uint16_t* target, int width, int height, int mode);

/// The ring of preceding frames and the blending and comparison settings.
class CFrameBlend
{
public:
    static constexpr int kModes = 11;

    /// Ring size of the frame-count selector's entries 0..3: 1, 2, 3, 5 (other entries: 1).
    static int RingSizeForIndex(int index);

    /// c ≥ 1; the index continues modulo the new size.
    void SetRingSize(int frames);
    int RingSize() const { return m_iRingSize; }
    /// 1..11 (the blend-mode selector's index + 1).
    void SetMode(int mode) { m_iMode = mode; }
    int Mode() const { return m_iMode; }
    /// 0 none, 1 half, 2 centre side by side.
    void SetComparison(int mode) { m_iComparison = mode; }
    int Comparison() const { return m_iComparison; }
    /// The comparison from the two check buttons: 2 when the second is on, else 1 when the first is.
    static int ComparisonFromButtons(bool half, bool centre) { return centre ? 2 : half ? 1 : 0; }
    int Index() const { return m_iIndex; }
    bool IsActive() const { return m_iRingSize > 1; }

    /// One step for the current frame in `image` (width × height): stores it in the ring,
    /// blends it with the stored frames, runs the comparison (unblended against blended) and
    /// advances the index. Does nothing when the ring size is 1; false when a slot cannot be
    /// allocated (the image is then unchanged).
    bool Blend(uint16_t* image, int width, int height);
    /// Empties every slot and starts again at slot 0 (a new export).
    void Reset();

private:
    int m_iRingSize = 1;
    int m_iMode = 1;
    int m_iComparison = 0;
    int m_iIndex = 0;
    int m_iWidth = 0, m_iHeight = 0;
    std::vector<std::vector<uint16_t>> m_slots; // an empty slot holds no frame yet
};
