#include "GlPixels.h"

#include <GL/gl.h>
#include <QImage>

#include <cstdlib>
#include <cstring>

namespace testsupport {

namespace {

bool Near(const std::uint8_t* p, const Rgba& c, int tolerance)
{
    for (int k = 0; k < 3; ++k)
        if (std::abs(int(p[k]) - int(c[size_t(k)])) > tolerance)
            return false;
    return true;
}

} // namespace

Rgba PixelImage::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return Rgba{0, 0, 0, 0};
    const std::uint8_t* p = rgba.data() + (size_t(y) * size_t(width) + size_t(x)) * 4;
    return Rgba{p[0], p[1], p[2], p[3]};
}

int PixelImage::CountMatching(const Rgba& colour, int tolerance) const
{
    int n = 0;
    for (size_t i = 0; i + 3 < rgba.size(); i += 4)
        if (Near(rgba.data() + i, colour, tolerance))
            ++n;
    return n;
}

int PixelImage::CountDifferent(const Rgba& colour, int tolerance) const
{
    return width * height - CountMatching(colour, tolerance);
}

bool PixelImage::SavePng(const std::string& path) const
{
    if (width <= 0 || height <= 0)
        return false;
    QImage image(width, height, QImage::Format_RGBA8888);
    for (int row = 0; row < height; ++row)
        std::memcpy(image.scanLine(height - 1 - row), rgba.data() + size_t(row) * size_t(width) * 4,
                    size_t(width) * 4);
    return image.save(QString::fromStdString(path), "PNG");
}

PixelImage ReadPixels(int x, int y, int width, int height)
{
    PixelImage image;
    if (width <= 0 || height <= 0)
        return image;
    image.width = width;
    image.height = height;
    image.rgba.assign(size_t(width) * size_t(height) * 4, 0);
    glFinish();
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glPixelStorei(GL_PACK_SKIP_ROWS, 0);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, image.rgba.data());
    glPopClientAttrib();
    return image;
}

PixelImage ReadViewport()
{
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    return ReadPixels(viewport[0], viewport[1], viewport[2], viewport[3]);
}

} // namespace testsupport
