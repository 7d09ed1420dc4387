// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the runtime data folder (the thirteen wave files, the backdrop
// picture and the window icon) and the icon at the sizes a desktop's icon
// theme asks for. Everything is synthesised or drawn here, deterministically.
#include "DatIcon.h"
#include "DatPicture.h"
#include "DatWaves.h"
#include "UnitDat.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: makedat <data folder> <icon folder> [<icon size>...]\n");
        return 2;
    }
    QGuiApplication app(argc, argv); // the picture is drawn with QPainter and fonts
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QDir icons(QString::fromLocal8Bit(argv[2]));
    for (const QDir &dir : {out, icons}) {
        if (!QDir().mkpath(dir.path())) {
            std::fprintf(stderr, "makedat: cannot create %s\n", qPrintable(dir.path()));
            return 1;
        }
    }
    if (!WriteWaveFiles(out.path())) {
        std::fprintf(stderr, "makedat: cannot write the wave files\n");
        return 1;
    }
    if (!WriteBackdropPicture(out.filePath(DatFileName(PictureBackdrop)))) {
        std::fprintf(stderr, "makedat: cannot write %s\n", DatFileName(PictureBackdrop));
        return 1;
    }
    if (!WriteIcon(out.filePath(DatFileName(PictureIcon)), 128)) {
        std::fprintf(stderr, "makedat: cannot write %s\n", DatFileName(PictureIcon));
        return 1;
    }
    // Each icon is named by its size: "16.png" and so on.
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString name = QStringLiteral("%1.png").arg(size);
        if (size <= 0 || !WriteIcon(icons.filePath(name), size)) {
            std::fprintf(stderr, "makedat: cannot write %s\n", qPrintable(icons.filePath(name)));
            return 1;
        }
    }
    return 0;
}
