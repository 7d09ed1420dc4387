// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeText.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

// A length-prefixed byte string of fixed capacity, as stored in the record.
// Setting it writes the length byte and the characters only; the bytes past
// the length keep what they held.
template <int Capacity> struct TShortString {
    uint8_t Length;
    char Chars[Capacity];

    void Set(std::string_view Text)
    {
        const size_t n = std::min<size_t>(Text.size(), Capacity);
        Length = static_cast<uint8_t>(n);
        std::memcpy(Chars, Text.data(), n);
    }
    // The text, never longer than the capacity, whatever the length byte says.
    TSjis Str() const { return TSjis(Chars, std::min<int>(Length, Capacity)); }
};

// The 100-byte fighter record; its byte image is also the save file.
struct TBattler {
    TShortString<32> Name;
    uint8_t Pad1[3];
    int32_t HP;
    int32_t MaxHP;
    int32_t Hit;
    int32_t Predict;
    int32_t Evade;
    int32_t Flash;
    int32_t Reason;
    int32_t BaseHit;
    int32_t BasePredict;
    int32_t BaseEvade;
    int32_t BaseFlash;
    int32_t BaseReason;
    int32_t BossIndex;
    TShortString<10> CheckCode;
    uint8_t Pad2[1];
};

static_assert(sizeof(TBattler) == 100);

constexpr int StatCount = 5;

// One of the five stats: its name (the game's own, UTF-8; StatName shows it)
// and, in the record, its current value, worn down in a fight, and the base
// value it returns to.
struct TStat {
    const char *Name;
    int32_t TBattler::*Current;
    int32_t TBattler::*Base;
};

// The five stats in display order, which is also the order they are rolled
// and grown in; the record keeps them in another.
inline constexpr std::array<TStat, StatCount> StatsInDisplayOrder{{
    //: A stat's name: beside its values on the main page, and in messages.
    {QT_TRANSLATE_NOOP("Stat", "命中"), &TBattler::Hit, &TBattler::BaseHit},
    //: A stat's name: beside its values on the main page, and in messages.
    {QT_TRANSLATE_NOOP("Stat", "回避"), &TBattler::Evade, &TBattler::BaseEvade},
    //: A stat's name: beside its values on the main page, and in messages.
    {QT_TRANSLATE_NOOP("Stat", "予測"), &TBattler::Predict, &TBattler::BasePredict},
    //: A stat's name: beside its values on the main page, and in messages.
    {QT_TRANSLATE_NOOP("Stat", "閃き"), &TBattler::Flash, &TBattler::BaseFlash},
    //: A stat's name: beside its values on the main page, and in messages.
    {QT_TRANSLATE_NOOP("Stat", "理力"), &TBattler::Reason, &TBattler::BaseReason},
}};

// A stat's name in the player's language.
QString StatName(const TStat &Stat);

// A fighter's name as shown: the record keeps the game's own Japanese bytes,
// whatever the language, and a known name is shown in the player's language.
QString ShownName(const TBattler &Battler);

// The rule of every dice contest and Idea Burst: a value plus a roll of the
// dice succeeds when the sum reaches 100. Summed wide, so no value a save
// file holds can wrap.
constexpr bool SumReachesHundred(int64_t Value, int64_t Roll)
{
    return Value + Roll >= 100;
}

// The bosses are met in order. Beating the one at EndingABoss starts the
// first ending; beating the last, at EndingBBoss, starts the second.
constexpr int32_t BossCount = 7;
constexpr int32_t EndingABoss = 5;
constexpr int32_t EndingBBoss = BossCount - 1;

// The name of the last boss, the one whose name is not taken.
const TSjis &LastBossName();

extern TBattler Player;
extern TBattler Enemy;
extern int32_t AttackWeight;
extern int32_t MagicWeight;
extern int32_t BurstChance;

int32_t RollStat();
int32_t RollMaxHP();
void NewPlayer();
void RefreshPlayer();
void RefreshEnemy();
void MakeNormalEnemy();
void MakeSaveGuard();
void MakeBoss();
void RaiseToAtLeast(int32_t &a, int32_t b);
// Value x 9 div 10, rounding toward zero: what an Idea Burst leaves of Reason
// and casting leaves of Flash. Cannot overflow, whatever a save file held.
int32_t NineTenths(int32_t Value);
// Value clamped to the 32-bit range. A save file can hold any value in any
// field, so results derived from it and stored back saturate at the limits
// instead of wrapping.
int32_t Saturate(int64_t Value);
