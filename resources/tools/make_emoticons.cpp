// Draws the chat's emoticons into a program folder's Icons/ as GIF pictures. Run by the build
// with Qt's offscreen platform: make_emoticons <program folder>
#include <QGuiApplication>
#include <cstdio>

#include "net/qt/emoticon_art.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_emoticons <program folder>\n");
        return 2;
    }
    QStringList failed;
    if (WriteEmoticons(QString::fromLocal8Bit(argv[1]) + "/Icons", &failed)) return 0;
    std::fprintf(stderr, "make_emoticons: cannot write %s\n", qPrintable(failed.join(", ")));
    return 1;
}
