// Draws every window face into the skin folder: skingen <folder>. Run at build time on the
// offscreen platform; the faces are drawn from the same rectangle tables the windows use.
#include "FaceWriter.h"

#include <QGuiApplication>

#include <cstdio>

#define VT_FACE(draw) void draw(FaceWriter& out);
#include "FaceList.h"
#undef VT_FACE

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <skin folder>\n", argv[0]);
        return 2;
    }
    FaceWriter out(QString::fromLocal8Bit(argv[1]));
#define VT_FACE(draw) draw(out);
#include "FaceList.h"
#undef VT_FACE
    return out.failed() ? 1 : 0;
}
