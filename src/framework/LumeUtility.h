// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Shift-JIS (CP932) bytes, as the save record keeps names; every text on
// screen is a QString.
using TSjis = std::string;

// Converts UTF-8 source text to CP932 bytes. Characters CP932 cannot hold
// become '?', so a bad literal shows up on screen instead of vanishing.
TSjis ToSjis(std::string_view utf8);

// Converts CP932 bytes to a QString for display. Invalid bytes become U+FFFD.
QString FromSjis(std::string_view sjis);

// The control font: the faces SetLeadingFaces named, then the face the
// layout was drawn for and its metric twin.
QFont LumeFont(int PixelHeight, bool Bold = false, bool Italic = false);

// Faces that every LumeFont made from now on tries first, for a language
// whose letters the layout's face draws badly; none gives the layout's own.
void SetLeadingFaces(const QStringList &Faces);

// Plain decimal digits, with a leading minus sign when negative.
QString IntToStr(int64_t value);

// The program's one pseudo-random generator: a 32-bit linear congruential
// generator, seed := seed * 134775813 + 1, whose result is the upper 32 bits
// of the 64-bit product of the new seed and the range.
extern uint32_t RandSeed;

// A uniform whole number from 0 to Range - 1. A range of 0 or less yields 0
// (the seed still advances), so no caller can ask for an empty range.
int32_t Random(int32_t Range);

// Seeds the generator from the UTC time of day in milliseconds.
void Randomize();

// Makes Randomize use Seed instead of the clock, so that tests can replay a
// whole run from start-up; std::nullopt restores the clock.
void FixRandomizeSeed(std::optional<uint32_t> Seed);

// 0..25 -> 'a'..'z', 26..51 -> 'A'..'Z'. Any other value is a caller's error:
// it is written to standard output, one line is read from standard input,
// and a space is returned.
char IntToAlf(int32_t n);

// The speed devices a benchmark build can switch off one at a time, to
// measure what each saves; the program names those to switch off. Other
// builds keep every device on.
enum TSpeedDevice : unsigned {
    sdWaiting = 1,  // the main loop sleeps between passes
    sdWakeup = 2,   // a kernel timer wakes it at the due millisecond
    sdStencils = 8, // text rasterised once, then set pixel by pixel
    sdStripes = 16, // the paint box repaints in stripes of 32 rows
    sdChanges = 32  // fills, copies and repaints cover only what changed
};
#ifdef LUME_BENCH_SWITCHES
bool Without(TSpeedDevice Device);
// Off is a comma-separated list of the devices' names: "stencils,stripes".
void SetSpeedSwitches(const QString &Off);
#else
constexpr bool Without(TSpeedDevice)
{
    return false;
}
inline void SetSpeedSwitches(const QString &) {}
#endif

// The system alert sound (the one-instance guards sound it).
void SystemAlert();

// The one-instance rule of the framework's holders (timer, waves, MIDI): the
// first instance claims Taken and owns the resource; another one made while
// it lives sounds the system alert and stays inert, and its end leaves the
// first one's claim alone. Declared before the members that hold what it
// guards, it is released after them.
class TLumeClaim {
public:
    explicit TLumeClaim(bool &Taken) : Taken(Taken), Owned(!Taken)
    {
        if (Owned)
            Taken = true;
        else
            SystemAlert();
    }
    ~TLumeClaim()
    {
        if (Owned)
            Taken = false;
    }
    TLumeClaim(const TLumeClaim &) = delete;
    TLumeClaim &operator=(const TLumeClaim &) = delete;

    bool Owns() const { return Owned; }

private:
    bool &Taken;
    const bool Owned;
};
