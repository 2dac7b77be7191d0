// The program's icon, drawn in code: a steel-blue tile with a white Pratt
// truss panel on two supports. The same picture is kept as
// host/app/icons/kestra.svg for the desktop menu.
#pragma once
#include <QIcon>
#include <QImage>

class AppIcon {
public:
    // The icon in the usual sizes (16 to 256 pixels).
    static QIcon Create();
    // One square picture of the icon.
    static QImage Render(int size);
};
