// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeWave.h"

#include "LumeSettings.h"
#include "LumeSpeed.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace {

bool Instance = false;
bool EngineStarted = false;
QtMessageHandler PreviousHandler = nullptr;

// Qt's PulseAudio backend warns once on the default channel when no sound
// server runs. A machine without sound is normal for a program (it just stays
// silent), so that one line is dropped; everything else passes on.
void QuietAudioProbe(QtMsgType Type, const QMessageLogContext &Context, const QString &Message)
{
    if (Message.startsWith(QLatin1String("PulseAudioService:")))
        return;
    if (PreviousHandler)
        PreviousHandler(Type, Context, Message);
}

// The settings are in the form QSettings keeps, the sound switch their one
// key. The safe file calls read and write them rather than QSettings, which
// waits forever on a FIFO in the file's place and, writing, on a folder or
// FIFO at its lock file: the settings must never stop the program.

// On unless the file says off; anything but a regular file, or a damaged
// one, leaves the default.
bool ReadSoundOn(const QString &Path)
{
    const QByteArray value = ReadSetting(Path, "sound", "on");
    return value != "false" && value != "0";
}

bool ProbeAudioOutput()
{
    PreviousHandler = qInstallMessageHandler(QuietAudioProbe);
    const bool found = !QMediaDevices::audioOutputs().isEmpty();
    EngineStarted = found;
    qInstallMessageHandler(PreviousHandler);
    PreviousHandler = nullptr;
    return found;
}

} // namespace

TLumeWave::TLumeWave(const QString &SettingsFile) : Claim(Instance), SettingsFile(SettingsFile)
{
    if (!Claim.Owns())
        return;
    On = ReadSoundOn(SettingsFile);
    StopWave();
}

TLumeWave::~TLumeWave()
{
    // A guarded second instance owns neither the flag nor the sound.
    if (!Claim.Owns())
        return;
    StopWave();
    Effects.clear();
}

void TLumeWave::PlayWave(const std::string &Name, bool Loop)
{
    Looping = Loop;
    FileName = Name;
    StopSound();
    StartSound();
}

void TLumeWave::StartSound()
{
    if (!On)
        return;
    QSoundEffect *effect = EffectFor(FileName);
    if (!effect)
        return;
    effect->setLoopCount(Looping ? QSoundEffect::Infinite : 1);
    Current = effect;
    // A file still loading starts from the statusChanged handler instead: a
    // play() issued while loading can be lost.
    if (effect->status() == QSoundEffect::Ready)
        effect->play();
}

void TLumeWave::SetSoundOn(bool SoundOn)
{
    if (!Claim.Owns() || SoundOn == On)
        return;
    On = SoundOn;
    WriteSetting(SettingsFile, "sound", "on", On ? "true" : "false");
    if (!On)
        StopSound();
    else if (Looping && !FileName.empty())
        StartSound();
}

void TLumeWave::StopWave()
{
    StopSound();
    Looping = false;
    FileName.clear();
}

// Asked at the first sound rather than at construction, which the first
// frame waits for. Without an output every effect would only warn that there
// is none, so none is created. An output plugged in later is not noticed.
bool TLumeWave::HasAudioOutput()
{
    static const bool found = ProbeAudioOutput();
    return found;
}

void TLumeWave::EndNowIfSoundStarted(int Status)
{
    if (!EngineStarted)
        return;
    std::fflush(nullptr);
    std::_Exit(Status);
}

void TLumeWave::StopSound()
{
    if (Current)
        Current->stop();
    Current = nullptr;
}

// The effect that plays Name, or nullptr when it cannot sound at all: a
// guarded instance, no event loop to load files, no audio output, or no file.
QSoundEffect *TLumeWave::EffectFor(const std::string &Name)
{
    if (!Claim.Owns() || !QCoreApplication::instance() || !HasAudioOutput())
        return nullptr;
    const QFileInfo file(QString::fromLocal8Bit(Name));
    if (!file.isFile())
        return nullptr;
    const QString path = file.absoluteFilePath();
    auto &slot = Effects[path];
    if (!slot) {
        slot = std::make_unique<QSoundEffect>();
        QSoundEffect *effect = slot.get();
        QObject::connect(effect, &QSoundEffect::statusChanged, effect, [this, effect] {
            if (effect == Current && effect->status() == QSoundEffect::Ready)
                effect->play();
        });
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return slot.get();
}
