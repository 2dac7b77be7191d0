// kestra_layout_pictures FOLDER: writes the six layout pictures of the
// geometry wizard into FOLDER (the repository keeps them in
// examples/layouts).
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "setup/LayoutGenerator.h"
#include "setup/LayoutPicture.h"

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kestra_layout_pictures FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    int failed = 0;
    for (int layout = 0; layout < LayoutGenerator::LayoutCount; ++layout) {
        if (LayoutPicture::Write(layout, folder)) {
            std::printf("%s/%s.bmp\n", argv[1], LayoutGenerator::PictureTitle(layout));
        } else {
            std::fprintf(stderr, "cannot write the %s picture\n", LayoutGenerator::Name(layout));
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}
