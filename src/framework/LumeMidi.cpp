// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeMidi.h"

#include "LumeSafeFile.h"

#include <QDir>
#include <QFile>

#include <elf.h>

#include <cstring>
#include <stdexcept>

namespace {

bool Instance = false;

// What is wrong with the library's file, or nothing when it holds every byte
// its own headers place in it. A cut library would end the program with a
// bus error inside the loader instead of a word.
QString LibraryDamage(QFile &File)
{
    Elf64_Ehdr header{};
    const qint64 size = File.size();
    if (File.read(reinterpret_cast<char *>(&header), sizeof header) != qint64(sizeof header) ||
        std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64)
        return QStringLiteral("not a complete 64-bit library");
    auto reaches = [&](uint64_t Offset, uint64_t Length) {
        return Offset <= uint64_t(size) && Length <= uint64_t(size) - Offset;
    };
    bool whole = reaches(header.e_phoff, uint64_t(header.e_phnum) * sizeof(Elf64_Phdr)) &&
                 reaches(header.e_shoff, uint64_t(header.e_shnum) * header.e_shentsize);
    for (int i = 0; whole && i < header.e_phnum; ++i) {
        Elf64_Phdr part{};
        whole = File.seek(qint64(header.e_phoff + i * sizeof part)) &&
                File.read(reinterpret_cast<char *>(&part), sizeof part) == qint64(sizeof part) &&
                reaches(part.p_offset, part.p_filesz);
    }
    return whole ? QString() : QStringLiteral("the file is shorter than its headers say");
}

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

// Loads the library and resolves the three calls the holder makes. A library
// that is missing or lacks one of them is not used at all, so the holder
// stays inert rather than half working. The library is looked up by its full
// path only, never on the system's library path. A damaged one throws
// std::runtime_error naming the file, as a missing picture does.
void TLumeMidi::LoadLibrary(const QString &Folder)
{
    if (Folder.isEmpty())
        return;
    const QString path = LibraryPath(Folder);
    if (!QFile::exists(path))
        return;
    // A FIFO in its place must not hold the start up.
    QFile file;
    const QString damage = OpenRegularFile(path, file)
                               ? LibraryDamage(file)
                               : QStringLiteral("not a regular file that can be read");
    if (!damage.isEmpty())
        throw std::runtime_error("cannot load the MIDI library \"" + path.toStdString() +
                                 "\": " + damage.toStdString());
    file.close();
    auto *library = new QLibrary(path);
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
