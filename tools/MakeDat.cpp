// Writes the runtime data folder: the thirteen wave files, the backdrop
// picture and the window icon. Everything is synthesised or drawn here, deterministically.
#include "DatIcon.h"
#include "DatPicture.h"
#include "DatWaves.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makedat <output folder>\n");
        return 2;
    }
    QGuiApplication app(argc, argv); // the picture is drawn with QPainter and fonts
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "makedat: cannot create %s\n", argv[1]);
        return 1;
    }
    if (!WriteWaveFiles(out.path())) {
        std::fprintf(stderr, "makedat: cannot write the wave files\n");
        return 1;
    }
    if (!WriteBackdropPicture(out.filePath(QStringLiteral("vuraviv.bmp")))) {
        std::fprintf(stderr, "makedat: cannot write vuraviv.bmp\n");
        return 1;
    }
    if (!WriteIcon(out.filePath(QStringLiteral("vantik.png")), 128)) {
        std::fprintf(stderr, "makedat: cannot write vantik.png\n");
        return 1;
    }
    return 0;
}
