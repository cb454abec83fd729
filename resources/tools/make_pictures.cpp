// Writes the pictures the program ships into a program folder: the table backgrounds, the
// personalities' avatars and the frames of their end-of-game shows. Run by the build with Qt's
// offscreen platform: make_pictures <program folder>
#include <QGuiApplication>
#include <cstdio>

#include "board/qt/shipped_pictures.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <program folder>\n");
        return 2;
    }
    QStringList failed;
    if (WriteShippedPictures(QString::fromLocal8Bit(argv[1]), &failed)) return 0;
    std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(failed.join(", ")));
    return 1;
}
