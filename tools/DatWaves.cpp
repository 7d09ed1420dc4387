// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DatWaves.h"
#include "UnitDat.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

// Every sound is synthesised here from oscillators and filtered noise. The
// noise comes from our own generator so that each build writes the same bytes.

namespace {

constexpr int Rate = 22050;
constexpr double Pi = 3.14159265358979323846;
// Effects peak at half of full scale, the music a little lower, so nothing
// clips and the music does not drown the effects out.
constexpr double EffectPeak = 0.5;
constexpr double MusicPeak = 0.42;
constexpr double EdgeFade = 0.004; // seconds faded in and out against clicks

using TSamples = std::vector<double>;
using TCurve = std::function<double(double)>; // a value over time within an event

enum class TShape { Sine, Triangle, Square, Saw };
enum class TFilter { Low, Band, High };

// A 32-bit linear congruential generator: white noise in -1..1.
class TNoise {
public:
    explicit TNoise(uint32_t Seed) : Seed(Seed) {}
    double Next()
    {
        Seed = Seed * 1664525u + 1013904223u;
        return static_cast<double>(Seed >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

private:
    uint32_t Seed;
};

// Chamberlin state-variable filter; stable for cut-offs below a sixth of the
// rate, which every sound here keeps to.
class TStateFilter {
public:
    double Step(double In, double Cutoff, double Damping, TFilter Kind)
    {
        const double f = 2.0 * std::sin(Pi * std::min(Cutoff, Rate / 6.5) / Rate);
        Low += f * Band;
        const double high = In - Low - Damping * Band;
        Band += f * high;
        switch (Kind) {
        case TFilter::Low:
            return Low;
        case TFilter::Band:
            return Band;
        case TFilter::High:
            return high;
        }
        Q_UNREACHABLE();
    }

private:
    double Low = 0.0;
    double Band = 0.0;
};

double MidiHz(int Note)
{
    return 440.0 * std::pow(2.0, (Note - 69) / 12.0);
}

TCurve Fixed(double Value)
{
    return [Value](double) { return Value; };
}

// Exponential glide from From to To over Seconds, then held.
TCurve Glide(double From, double To, double Seconds)
{
    return [=](double t) { return From * std::pow(To / From, std::min(t / Seconds, 1.0)); };
}

// Band-limited shapes built from their harmonics, so high notes do not alias.
double Oscillator(TShape Shape, double Phase, double Hz)
{
    if (Shape == TShape::Sine)
        return std::sin(2.0 * Pi * Phase);
    const int harmonics = std::clamp(static_cast<int>(0.45 * Rate / Hz), 1, 24);
    double sum = 0.0;
    for (int k = 1; k <= harmonics; ++k) {
        const double s = std::sin(2.0 * Pi * Phase * k);
        switch (Shape) {
        case TShape::Saw:
            sum += s / k;
            break;
        case TShape::Square:
            if (k % 2 == 1)
                sum += s / k;
            break;
        case TShape::Triangle:
            if (k % 2 == 1)
                sum += ((k / 2) % 2 == 0 ? 1.0 : -1.0) * s / (k * k);
            break;
        case TShape::Sine:
            Q_UNREACHABLE();
        }
    }
    switch (Shape) {
    case TShape::Saw:
        return sum * 2.0 / Pi;
    case TShape::Square:
        return sum * 4.0 / Pi;
    case TShape::Triangle:
        return sum * 8.0 / (Pi * Pi);
    case TShape::Sine:
        break;
    }
    Q_UNREACHABLE();
}

// Linear attack and release inside an event of Duration seconds, with an
// optional exponential decay (per second) over the whole event.
struct TEnvelope {
    double Attack = 0.005;
    double Release = 0.03;
    double Decay = 0.0;

    double At(double t, double Duration) const
    {
        const double in = Attack > 0.0 ? std::min(t / Attack, 1.0) : 1.0;
        const double out = Release > 0.0 ? std::min((Duration - t) / Release, 1.0) : 1.0;
        return std::max(0.0, std::min(in, out)) * std::exp(-Decay * t);
    }
};

int SampleAt(double Seconds)
{
    return static_cast<int>(std::lround(Seconds * Rate));
}

TSamples Silence(double Seconds)
{
    return TSamples(SampleAt(Seconds), 0.0);
}

// Adds a tone of Duration seconds from Start; Hz and the loudness factor may
// change over the event.
void AddTone(TSamples &Out, double Start, double Duration, const TCurve &Hz, double Amp,
             TShape Shape, TEnvelope Env, const TCurve &Loudness = Fixed(1.0))
{
    const int first = SampleAt(Start);
    const int count = SampleAt(Duration);
    double phase = 0.0;
    for (int i = 0; i < count && first + i < static_cast<int>(Out.size()); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double hz = Hz(t);
        Out[first + i] += Amp * Env.At(t, Duration) * Loudness(t) * Oscillator(Shape, phase, hz);
        phase += hz / Rate;
        phase -= std::floor(phase);
    }
}

// Adds filtered noise of Duration seconds from Start.
void AddNoise(TSamples &Out, double Start, double Duration, double Amp, TNoise &Noise, TFilter Kind,
              const TCurve &Cutoff, double Damping, TEnvelope Env,
              const TCurve &Loudness = Fixed(1.0))
{
    const int first = SampleAt(Start);
    const int count = SampleAt(Duration);
    TStateFilter filter;
    for (int i = 0; i < count && first + i < static_cast<int>(Out.size()); ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double v = filter.Step(Noise.Next(), Cutoff(t), Damping, Kind);
        Out[first + i] += Amp * Env.At(t, Duration) * Loudness(t) * v;
    }
}

// Scales to the given peak and fades the very edges, so every file starts and
// ends at silence and no sound clicks.
std::vector<int16_t> Finish(TSamples Sound, double Peak)
{
    double top = 0.0;
    for (double v : Sound)
        top = std::max(top, std::abs(v));
    const double gain = top > 0.0 ? Peak / top : 0.0;
    const int fade = SampleAt(EdgeFade);
    const int n = static_cast<int>(Sound.size());
    std::vector<int16_t> pcm(Sound.size());
    for (int i = 0; i < n; ++i) {
        const double edge =
            std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(n - 1 - i) / fade});
        pcm[i] = static_cast<int16_t>(std::lround(Sound[i] * gain * edge * 32767.0));
    }
    return pcm;
}

// ---- Title music -----------------------------------------------------------
// Four bars of 4/4 at 160 beats a minute (exactly 6 s) over A minor, F, G and
// E. Every note has died away before the last sample, and nothing sounds at
// the first one, so the loop seam is silent on both sides.

constexpr double Beat = 60.0 / 160.0;
constexpr double Eighth = Beat / 2.0;
constexpr int Bars = 4;

struct TNote {
    int Note; // MIDI note number, or 0 for a rest
    int Eighths;
};

const std::vector<TNote> Melody = {
    {69, 2}, {72, 1}, {76, 1}, {81, 2}, {79, 1}, {76, 1}, // Am
    {77, 2}, {76, 1}, {74, 1}, {72, 3}, {69, 1},          // F
    {71, 2}, {74, 1}, {79, 1}, {77, 2}, {74, 1}, {71, 1}, // G
    {80, 2}, {83, 1}, {80, 1}, {76, 3}, {0, 1},           // E
};

// Root and fifth of each bar's chord, alternating on the beats.
const int BassRoots[Bars][2] = {{45, 52}, {41, 48}, {43, 50}, {40, 47}};
// Chord tones for the quiet arpeggio.
const int ChordTones[Bars][3] = {{57, 60, 64}, {57, 60, 65}, {55, 59, 62}, {56, 59, 64}};

void AddMelody(TSamples &Out)
{
    double at = 0.0;
    for (const TNote &n : Melody) {
        const double length = n.Eighths * Eighth;
        if (n.Note != 0) {
            const double hz = MidiHz(n.Note);
            AddTone(Out, at, length * 0.92, Fixed(hz), 0.22, TShape::Square, {0.006, 0.05, 1.2});
            AddTone(Out, at, length * 0.92, Fixed(hz * 2.0), 0.04, TShape::Sine,
                    {0.006, 0.05, 3.0});
        }
        at += length;
    }
}

void AddBass(TSamples &Out)
{
    for (int bar = 0; bar < Bars; ++bar)
        for (int beat = 0; beat < 4; ++beat)
            AddTone(Out, (bar * 4 + beat) * Beat, Beat * 0.9,
                    Fixed(MidiHz(BassRoots[bar][beat % 2])), 0.32, TShape::Triangle,
                    {0.005, 0.04, 2.0});
}

void AddArpeggio(TSamples &Out)
{
    for (int bar = 0; bar < Bars; ++bar)
        for (int step = 0; step < 8; ++step)
            AddTone(Out, (bar * 8 + step) * Eighth, Eighth * 0.8,
                    Fixed(MidiHz(ChordTones[bar][step % 3] + 12)), 0.06, TShape::Triangle,
                    {0.004, 0.03, 6.0});
}

void AddDrums(TSamples &Out)
{
    TNoise noise(0x04B0u);
    for (int beat = 0; beat < Bars * 4; ++beat) {
        const double at = beat * Beat;
        if (beat % 2 == 0)
            AddTone(Out, at, 0.12, Glide(110.0, 45.0, 0.08), 0.25, TShape::Sine,
                    {0.002, 0.03, 10.0});
        AddNoise(Out, at + Eighth, 0.04, 0.10, noise, TFilter::High, Fixed(3000.0), 1.0,
                 {0.001, 0.02, 40.0});
    }
}

TSamples TitleMusic()
{
    TSamples out = Silence(Bars * 4 * Beat);
    AddMelody(out);
    AddBass(out);
    AddArpeggio(out);
    AddDrums(out);
    return out;
}

// ---- Effects ---------------------------------------------------------------

// A rising arpeggio: a stat grows, or Idea Burst forces the dice.
TSamples Up()
{
    TSamples out = Silence(0.45);
    const int notes[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) {
        const double length = i == 3 ? 0.22 : 0.09;
        AddTone(out, i * 0.07, length, Fixed(MidiHz(notes[i])), 0.3, TShape::Square,
                {0.003, 0.03, 4.0});
        AddTone(out, i * 0.07, length, Fixed(MidiHz(notes[i] + 12)), 0.1, TShape::Sine,
                {0.003, 0.03, 6.0});
    }
    return out;
}

// Three munching bites: low noise with a dropping chomp under it.
TSamples Eat()
{
    TSamples out = Silence(0.62);
    TNoise noise(0xEA7u);
    for (int i = 0; i < 3; ++i) {
        const double at = i * 0.2;
        AddNoise(out, at, 0.14, 0.8, noise, TFilter::Low, Glide(1400.0, 350.0, 0.14), 0.7,
                 {0.004, 0.04, 12.0});
        AddTone(out, at, 0.12, Glide(160.0, 85.0, 0.12), 0.35, TShape::Sine, {0.004, 0.04, 10.0});
    }
    return out;
}

// Two soft pops, the second higher and longer.
TSamples Popon()
{
    TSamples out = Silence(0.5);
    AddTone(out, 0.0, 0.12, Glide(560.0, 280.0, 0.05), 0.45, TShape::Sine, {0.003, 0.04, 25.0});
    AddTone(out, 0.2, 0.28, Glide(840.0, 420.0, 0.05), 0.45, TShape::Sine, {0.003, 0.08, 9.0});
    return out;
}

// A low growl: a sagging sawtooth with vibrato and a rattling noise layer.
TSamples Roar()
{
    TSamples out = Silence(1.15);
    const TCurve hz = [](double t) { return 68.0 - 12.0 * t + 4.0 * std::sin(2.0 * Pi * 6.0 * t); };
    const TCurve rattle = [](double t) { return 0.6 + 0.4 * std::sin(2.0 * Pi * 23.0 * t); };
    AddTone(out, 0.0, 1.15, hz, 0.5, TShape::Saw, {0.15, 0.5, 0.0}, rattle);
    TNoise noise(0x90A2u);
    AddNoise(out, 0.0, 1.15, 0.5, noise, TFilter::Low, Fixed(450.0), 0.8, {0.2, 0.5, 0.0}, rattle);
    return out;
}

// A crash: a wide noise burst closing down, over a short low thump.
TSamples Break()
{
    TSamples out = Silence(0.85);
    TNoise noise(0xB2EAu);
    AddNoise(out, 0.0, 0.85, 1.0, noise, TFilter::Low, Glide(3300.0, 500.0, 0.6), 0.5,
             {0.002, 0.1, 5.0});
    for (double at : {0.0, 0.05, 0.11})
        AddNoise(out, at, 0.03, 0.6, noise, TFilter::High, Fixed(2500.0), 1.0, {0.001, 0.01, 0.0});
    AddTone(out, 0.0, 0.2, Glide(90.0, 50.0, 0.2), 0.4, TShape::Sine, {0.002, 0.05, 8.0});
    return out;
}

// A falling, wavering tone.
TSamples Weak()
{
    TSamples out = Silence(1.0);
    const TCurve hz = [](double t) {
        return 620.0 * std::pow(140.0 / 620.0, t) * (1.0 + 0.03 * std::sin(2.0 * Pi * 5.0 * t));
    };
    AddTone(out, 0.0, 1.0, hz, 0.5, TShape::Triangle, {0.01, 0.25, 0.8});
    return out;
}

// A thud: a dropping low sine with a short click on top.
TSamples Dun()
{
    TSamples out = Silence(0.32);
    AddTone(out, 0.0, 0.32, Glide(100.0, 40.0, 0.2), 0.7, TShape::Sine, {0.002, 0.06, 10.0});
    TNoise noise(0xD07u);
    AddNoise(out, 0.0, 0.02, 0.4, noise, TFilter::Low, Fixed(1200.0), 0.8, {0.001, 0.01, 0.0});
    return out;
}

// A whoosh: band-passed noise whose centre rises and falls again.
TSamples Suka()
{
    TSamples out = Silence(0.5);
    TNoise noise(0x5CAu);
    const TCurve centre = [](double t) { return 600.0 + 2200.0 * std::sin(Pi * t / 0.5); };
    const TCurve swell = [](double t) { return std::sin(Pi * t / 0.5); };
    AddNoise(out, 0.0, 0.5, 1.0, noise, TFilter::Band, centre, 0.35, {0.0, 0.0, 0.0}, swell);
    return out;
}

// Sparkle: high pings on a pentatonic scale, picked by the noise generator.
TSamples Duty()
{
    TSamples out = Silence(1.0);
    TNoise pick(0xD077u);
    const int scale[] = {84, 86, 88, 91, 93, 96};
    for (int i = 0; i < 14; ++i) {
        const int index = static_cast<int>((pick.Next() + 1.0) * 3.0) % 6;
        const double hz = MidiHz(scale[index]);
        AddTone(out, i * 0.055, 0.26, Fixed(hz), 0.22, TShape::Sine, {0.002, 0.05, 12.0});
        AddTone(out, i * 0.055, 0.26, Fixed(hz * 3.0), 0.04, TShape::Sine, {0.002, 0.05, 20.0});
    }
    return out;
}

// Quick footsteps: six short thumps, alternate feet a little different.
TSamples Thathatha()
{
    TSamples out = Silence(0.62);
    TNoise noise(0x7A7Au);
    for (int i = 0; i < 6; ++i) {
        const double at = i * 0.1;
        const double cutoff = i % 2 == 0 ? 700.0 : 900.0;
        AddNoise(out, at, 0.06, 0.8, noise, TFilter::Low, Fixed(cutoff), 0.7, {0.002, 0.03, 30.0});
        AddTone(out, at, 0.06, Glide(130.0, 80.0, 0.06), 0.35, TShape::Sine, {0.002, 0.03, 30.0});
    }
    return out;
}

// A buzzer: two low squares a little apart, beating against each other.
TSamples Turn()
{
    TSamples out = Silence(0.55);
    AddTone(out, 0.0, 0.52, Fixed(110.0), 0.3, TShape::Square, {0.005, 0.03, 0.0});
    AddTone(out, 0.0, 0.52, Fixed(116.5), 0.3, TShape::Square, {0.005, 0.03, 0.0});
    return out;
}

// A slash: a fast falling hiss with a metallic ring.
TSamples Zurl()
{
    TSamples out = Silence(0.4);
    TNoise noise(0x2u);
    AddNoise(out, 0.0, 0.25, 1.0, noise, TFilter::High, Glide(3300.0, 1200.0, 0.2), 0.6,
             {0.003, 0.1, 8.0});
    for (double hz : {1870.0, 2430.0, 3110.0})
        AddTone(out, 0.02, 0.38, Fixed(hz), 0.12, TShape::Sine, {0.002, 0.1, 9.0});
    return out;
}

// ---- Files -----------------------------------------------------------------

void PutLe(QByteArray &Out, uint32_t Value, int Bytes)
{
    for (int i = 0; i < Bytes; ++i)
        Out.append(static_cast<char>((Value >> (8 * i)) & 0xFF));
}

// A canonical 44-byte RIFF header, mono 16-bit PCM, then the samples.
QByteArray WaveFile(const std::vector<int16_t> &Pcm)
{
    const auto dataBytes = static_cast<uint32_t>(Pcm.size() * 2);
    QByteArray out;
    out.reserve(static_cast<qsizetype>(44 + dataBytes));
    out.append("RIFF");
    PutLe(out, 36 + dataBytes, 4);
    out.append("WAVEfmt ");
    PutLe(out, 16, 4); // size of the format chunk
    PutLe(out, 1, 2);  // PCM
    PutLe(out, 1, 2);  // mono
    PutLe(out, Rate, 4);
    PutLe(out, Rate * 2, 4); // bytes a second
    PutLe(out, 2, 2);        // bytes a frame
    PutLe(out, 16, 2);       // bits a sample
    out.append("data");
    PutLe(out, dataBytes, 4);
    for (int16_t s : Pcm)
        PutLe(out, static_cast<uint16_t>(s), 2);
    return out;
}

bool WriteWave(const QString &Dir, const char *Name, const TSamples &Sound, double Peak)
{
    QFile file(QDir(Dir).filePath(QString::fromLatin1(Name)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = WaveFile(Finish(Sound, Peak));
    return file.write(bytes) == bytes.size();
}

struct TEffect {
    const char *Name;
    TSamples (*Make)();
    double Peak;
};

// The buzzer and the falling tone are steady and dense, so they are kept a
// little lower to sound as loud as the rest.
const TEffect Effects[] = {
    {WaveUp, Up, EffectPeak},       {WaveEat, Eat, EffectPeak},
    {WavePopon, Popon, EffectPeak}, {WaveRoar, Roar, EffectPeak},
    {WaveBreak, Break, EffectPeak}, {WaveWeak, Weak, 0.42},
    {WaveDun, Dun, EffectPeak},     {WaveSuka, Suka, EffectPeak},
    {WaveDuty, Duty, EffectPeak},   {WaveThathatha, Thathatha, EffectPeak},
    {WaveTurn, Turn, 0.32},         {WaveZurl, Zurl, EffectPeak},
};

} // namespace

bool WriteWaveFiles(const QString &Dir)
{
    if (!WriteWave(Dir, DatFileName(WaveTitleMusic), TitleMusic(), MusicPeak))
        return false;
    for (const TEffect &effect : Effects)
        if (!WriteWave(Dir, DatFileName(effect.Name), effect.Make(), effect.Peak))
            return false;
    return true;
}
