// The selection mask of an engine context: one 16-bit sample per pixel, 0xFFFF fully selected.
// Mask kernels write it; while it is active the chain blends every other operator's result with
// the image as it was before the operator, weighted by the mask.
#pragma once

#include <cstdint>
#include <vector>

class CMaskPlane
{
public:
    /// Makes the mask active at this size: a mask of another size (or none) is replaced by a new,
    /// fully selected one; the buffer is kept for later runs. False when it cannot be allocated.
    bool Activate(int width, int height);
    /// Deactivates the mask (its memory stays for the next activation).
    void Drop() { m_bActive = false; }
    /// Frees the mask's memory as well.
    void Release();
    /// The active mask when it has this size, else null.
    uint16_t* Plane(int width, int height);
    bool IsActive() const { return m_bActive; }

private:
    std::vector<uint16_t> m_plane;
    int m_iWidth = 0, m_iHeight = 0;
    bool m_bActive = false;
};
