// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeClaim.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QString>

// Holds the MIDI library, which lies in the program's own folder (the
// library's file name is given by the build): selects the output device when
// created, stops and releases the library when destroyed. The program plays no
// MIDI. A missing library leaves the holder inert. One instance at a time: a
// second creation sounds the system alert and does nothing else.
class TLumeMidi {
public:
    explicit TLumeMidi(const QString &Folder = QCoreApplication::applicationDirPath());
    ~TLumeMidi();
    TLumeMidi(const TLumeMidi &) = delete;
    TLumeMidi &operator=(const TLumeMidi &) = delete;

    void StopMidi();
    // The library's file in Folder, where the holder looks for it.
    static QString LibraryPath(const QString &Folder);

private:
    using TSetDevice = int (*)(int, int);
    using TCall = void (*)();

    void LoadLibrary(const QString &Folder);

    TLumeClaim Claim;
    QLibrary *Library = nullptr;
    TSetDevice GGSSetDevice = nullptr;
    TCall GGSStop = nullptr;
    TCall GGSFree = nullptr;
};
