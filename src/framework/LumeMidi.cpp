// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeMidi.h"

#include "LumeUtility.h"

#include <QDir>

namespace {

bool Instance = false;

} // namespace

TLumeMidi::TLumeMidi(const QString &Folder) : Claim(Instance)
{
    if (!Claim.Owns())
        return;
    LoadLibrary(Folder);
    if (GGSSetDevice)
        GGSSetDevice(-1, 0);
}

TLumeMidi::~TLumeMidi()
{
    // A guarded second instance never loaded anything and must not release
    // the first one's library nor its flag.
    if (!Claim.Owns())
        return;
    StopMidi();
    if (GGSFree)
        GGSFree();
    if (Library) {
        Library->unload();
        delete Library;
    }
}

void TLumeMidi::StopMidi()
{
    if (GGSStop)
        GGSStop();
}

QString TLumeMidi::LibraryPath(const QString &Folder)
{
    return QDir(Folder).filePath(QStringLiteral(LUME_MIDI_LIBRARY));
}

// Loads the library and resolves the three calls the game makes. A library
// that is missing or lacks one of them is not used at all, so the holder
// stays inert rather than half working. The library is looked up by its full
// path only, never on the system's library path.
void TLumeMidi::LoadLibrary(const QString &Folder)
{
    if (Folder.isEmpty())
        return;
    auto *library = new QLibrary(LibraryPath(Folder));
    library->setLoadHints(QLibrary::ResolveAllSymbolsHint);
    if (!library->load()) {
        delete library;
        return;
    }
    auto setDevice = reinterpret_cast<TSetDevice>(library->resolve("GGSSetDevice"));
    auto stop = reinterpret_cast<TCall>(library->resolve("GGSStop"));
    auto release = reinterpret_cast<TCall>(library->resolve("GGSFree"));
    if (!setDevice || !stop || !release) {
        library->unload();
        delete library;
        return;
    }
    Library = library;
    GGSSetDevice = setDevice;
    GGSStop = stop;
    GGSFree = release;
}
