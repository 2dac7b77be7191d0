#include "view/GLSurface.h"

#include "view/BitmapFont.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

// Every live surface, for the "repaint all windows" request. All surfaces
// live on the user-interface thread.
std::vector<GLSurface*>& LiveSurfaces()
{
    static std::vector<GLSurface*> surfaces;
    return surfaces;
}

} // namespace

GLSurface::GLSurface()
{
    LiveSurfaces().push_back(this);
}

GLSurface::~GLSurface()
{
    auto& live = LiveSurfaces();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

bool GLSurface::UseFontBitmaps(unsigned first, unsigned count, unsigned listBase)
{
    BitmapFont font;
    return font.BuildLists(first, count, listBase);
}

void GLSurface::InvalidateAll(bool erase)
{
    // Copy: a repaint request may create or destroy surfaces.
    const std::vector<GLSurface*> surfaces = LiveSurfaces();
    for (GLSurface* surface : surfaces)
        surface->Invalidate(erase);
}

} // namespace platform
