// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The files of the runtime data folder, relative to the working folder. The
// game reads them, the generator in tools/ writes them, and the build reads
// this very list (tools/CMakeLists.txt) to know what the generator makes, so
// a file is named here once: one constant per line, "dat/" and the name.

// The title music, looped while the title page shows.
inline constexpr char WaveTitleMusic[] = "dat/04b.wav";
// The sound effects, each played once.
inline constexpr char WaveUp[] = "dat/up.wav";
inline constexpr char WaveEat[] = "dat/eat.wav";
inline constexpr char WavePopon[] = "dat/popon.wav";
inline constexpr char WaveRoar[] = "dat/roar.wav";
inline constexpr char WaveBreak[] = "dat/break.wav";
inline constexpr char WaveWeak[] = "dat/weak.wav";
inline constexpr char WaveDun[] = "dat/dun.wav";
inline constexpr char WaveSuka[] = "dat/suka.wav";
inline constexpr char WaveDuty[] = "dat/duty.wav";
inline constexpr char WaveThathatha[] = "dat/thathatha.wav";
inline constexpr char WaveTurn[] = "dat/turn.wav";
inline constexpr char WaveZurl[] = "dat/zurl.wav";
// The main page's backdrop picture, 200 x 400 pixels.
inline constexpr char PictureBackdrop[] = "dat/vuraviv.bmp";
// The window's icon.
inline constexpr char PictureIcon[] = "dat/vantik.png";

// A data file's name within the data folder, without "dat/".
constexpr const char *DatFileName(const char *Path)
{
    return Path + 4;
}
