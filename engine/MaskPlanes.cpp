#include "engine/MaskPlanes.h"

#include <cstddef>
#include <new>
#include <vector>

namespace
{
std::vector<uint16_t> g_plane;
int g_width = 0, g_height = 0;
bool g_bActive = false;
}  // namespace

bool MP_MaskActivate(int width, int height)
{
    if (width < 1 || height < 1)
        return false;
    if (g_bActive && width == g_width && height == g_height)
        return true;
    try
    {
        g_plane.assign(size_t(width) * size_t(height), 0xFFFF);
    }
    catch (const std::bad_alloc&)
    {
        MP_MaskRelease();
        return false;
    }
    g_width = width, g_height = height;
    g_bActive = true;
    return true;
}

void MP_MaskDrop()
{
    g_bActive = false;
}

void MP_MaskRelease()
{
    g_bActive = false;
    g_width = g_height = 0;
    std::vector<uint16_t>().swap(g_plane);
}

uint16_t* MP_MaskPlane(int width, int height)
{
    return g_bActive && width == g_width && height == g_height ? g_plane.data() : nullptr;
}

bool MP_MaskIsActive()
{
    return g_bActive;
}
