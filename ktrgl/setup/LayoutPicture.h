// Draws a generated layout as the geometry wizard's picture: members as
// lines, nodes as dots and the supports as small triangles (pins and
// rollers) or hatched bases (fixed), on a white ground. Plane layouts are
// shown in elevation (X to the right, Y up); spatial ones in an oblique
// axonometric view so that the width shows.
#pragma once
#include <QImage>
#include <QSize>
#include <QString>

#include "numerics/dMatrix.h"

class LayoutPicture {
public:
    static QImage Render(const CdMatrix& nodes, const CdMatrix& members, const QSize& size,
                         const QString& caption = QString());
    // Renders layout (with the standard dimensions) and saves it as
    // folder + picture title + ".bmp" (an 8-bit bitmap). False when it cannot be written.
    static bool Write(int layout, const QString& folder);
};
