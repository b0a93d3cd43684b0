#include "engine/MaskPlanes.h"

#include <cstddef>
#include <new>

bool CMaskPlane::Activate(int width, int height)
{
    if (width < 1 || height < 1)
        return false;
    if (m_bActive && width == m_iWidth && height == m_iHeight)
        return true;
    try
    {
        m_plane.assign(size_t(width) * size_t(height), 0xFFFF);
    }
    catch (const std::bad_alloc&)
    {
        Release();
        return false;
    }
    m_iWidth = width, m_iHeight = height;
    m_bActive = true;
    return true;
}

void CMaskPlane::Release()
{
    m_bActive = false;
    m_iWidth = m_iHeight = 0;
    std::vector<uint16_t>().swap(m_plane);
}

uint16_t* CMaskPlane::Plane(int width, int height)
{
    return m_bActive && width == m_iWidth && height == m_iHeight ? m_plane.data() : nullptr;
}
