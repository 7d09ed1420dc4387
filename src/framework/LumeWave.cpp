// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeWave.h"

#include "LumeUtility.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSettings>
#include <QSoundEffect>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace {

bool Instance = false;
bool EngineStarted = false;
QtMessageHandler PreviousHandler = nullptr;

// Qt's PulseAudio backend warns once on the default channel when no sound
// server runs. A machine without sound is normal for this game (it just stays
// silent), so that one line is dropped; everything else passes on.
void QuietAudioProbe(QtMsgType Type, const QMessageLogContext &Context, const QString &Message)
{
    if (Message.startsWith(QLatin1String("PulseAudioService:")))
        return;
    if (PreviousHandler)
        PreviousHandler(Type, Context, Message);
}

// The player's settings, $XDG_CONFIG_HOME/vantik/vantik.conf, and the key of
// the sound switch in them.
QSettings PlayerSettings()
{
    return QSettings(QStringLiteral("vantik"), QStringLiteral("vantik"));
}
const QString SoundOnKey = QStringLiteral("sound/on");

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

TLumeWave::TLumeWave() : Claim(Instance)
{
    if (!Claim.Owns())
        return;
    On = PlayerSettings().value(SoundOnKey, true).toBool();
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
    PlayerSettings().setValue(SoundOnKey, On);
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
