// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeMidi.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

// The device the loaded MIDI library was told to use, or nullopt when the
// library is not loaded in this process.
std::optional<int> MidiLibraryDevice()
{
    const QByteArray path =
        TLumeMidi::LibraryPath(QStringLiteral(VANTIK_MIDI_FOLDER)).toLocal8Bit();
    void *library = dlopen(path.constData(), RTLD_NOW | RTLD_NOLOAD);
    if (!library)
        return std::nullopt;
    auto getDevice = reinterpret_cast<int (*)()>(dlsym(library, "GGSGetDevice"));
    const int device = getDevice ? getDevice() : -100;
    dlclose(library);
    return device;
}

TEST(MidiHolderTest, SelectsTheDefaultDeviceAndUnloadsAtTheEnd)
{
    {
        TLumeMidi midi(QStringLiteral(VANTIK_MIDI_FOLDER));
        EXPECT_EQ(MidiLibraryDevice(), -1);
        midi.StopMidi();
    }
    EXPECT_EQ(MidiLibraryDevice(), std::nullopt);
    // Its end gave the claim back: the next holder loads the library again.
    TLumeMidi again(QStringLiteral(VANTIK_MIDI_FOLDER));
    EXPECT_EQ(MidiLibraryDevice(), -1);
}

TEST(MidiHolderTest, MissingLibraryLeavesAnInertHolder)
{
    // The test program's folder holds no MIDI library.
    {
        TLumeMidi midi;
        EXPECT_EQ(MidiLibraryDevice(), std::nullopt);
        midi.StopMidi();
    }
    TLumeMidi again(QStringLiteral(VANTIK_MIDI_FOLDER));
    EXPECT_EQ(MidiLibraryDevice(), -1);
}

TEST(MidiHolderTest, SecondInstanceIsGuardedAndLeavesTheFirstAlone)
{
    auto first = std::make_unique<TLumeMidi>(QStringLiteral(VANTIK_MIDI_FOLDER));
    ASSERT_EQ(MidiLibraryDevice(), -1);
    {
        // Its end would free the library, were it the owner.
        TLumeMidi second(QStringLiteral(VANTIK_MIDI_FOLDER));
    }
    EXPECT_EQ(MidiLibraryDevice(), -1);
    {
        // The first still owns the claim: a third is inert too.
        TLumeMidi third(QStringLiteral(VANTIK_MIDI_FOLDER));
    }
    EXPECT_EQ(MidiLibraryDevice(), -1);
    first.reset();
    EXPECT_EQ(MidiLibraryDevice(), std::nullopt);
}

// A damaged library is refused before it is loaded, naming the file: loading
// a cut one would end the program with a bus error.
TEST(MidiHolderTest, DamagedLibraryIsReportedNotLoaded)
{
    QFile whole(TLumeMidi::LibraryPath(QStringLiteral(VANTIK_MIDI_FOLDER)));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    ASSERT_GT(bytes.size(), 1000);
    for (const qsizetype kept : {qsizetype(0), qsizetype(40), bytes.size() / 2, bytes.size() - 1}) {
        SCOPED_TRACE("kept " + std::to_string(kept) + " of " + std::to_string(bytes.size()));
        QTemporaryDir folder;
        const QString path = TLumeMidi::LibraryPath(folder.path());
        QFile cut(path);
        ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
        ASSERT_EQ(cut.write(bytes.left(kept)), kept);
        cut.close();
        try {
            TLumeMidi midi(folder.path());
            ADD_FAILURE() << "a damaged library was taken";
        } catch (const std::runtime_error &error) {
            EXPECT_NE(std::string(error.what()).find(path.toStdString()), std::string::npos)
                << error.what();
        }
        // The refused holder gave its one-instance claim back.
        TLumeMidi again(QStringLiteral(VANTIK_MIDI_FOLDER));
        EXPECT_EQ(MidiLibraryDevice(), -1);
    }
}

} // namespace
