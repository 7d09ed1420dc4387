// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UnitBattler.h"

#include "LumeRandom.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

TBattler Player{};
TBattler Enemy{};
int32_t AttackWeight = 0;
int32_t MagicWeight = 0;
int32_t BurstChance = 0;

namespace {

struct TBossRow {
    const char *Name; // UTF-8; the record keeps it as Shift-JIS
    int32_t MaxHP;
    std::array<int32_t, StatCount> Stats; // in display order
};

// The bosses, met in this order.
// The names are shown in the player's language ("Name" context); the
// player takes them as they are here, so a save knows no language.
const std::array<TBossRow, BossCount> Bosses{{
    //: The first boss's name.
    {QT_TRANSLATE_NOOP("Name", "r"), 3, {60, 60, 0, 10, 0}},
    //: The second boss's name (a shogi pawn).
    {QT_TRANSLATE_NOOP("Name", "歩"), 3, {60, 60, 20, 20, 40}},
    //: The third boss's name.
    {QT_TRANSLATE_NOOP("Name", "アルフ"), 5, {70, 70, 20, 50, 20}},
    //: The fourth boss's name.
    {QT_TRANSLATE_NOOP("Name", "ALPHA"), 4, {100, 0, 100, 10, 80}},
    //: The fifth boss's name; also the game's name in the window's caption.
    {QT_TRANSLATE_NOOP("Name", "ヴェスカ"), 7, {100, 80, 20, 4, 60}},
    //: The sixth boss's name, which the first ending gives the player for good.
    {QT_TRANSLATE_NOOP("Name", "roda"), 7, {100, 50, 100, 50, 90}},
    //: The last boss's name (an ancestor, the origin of all).
    {QT_TRANSLATE_NOOP("Name", "祖"), 7, {100, 100, 100, 100, 100}},
}};

//: The player's name until they take a boss's (the word "you").
const TSjis PlayerName = ToSjis(QT_TRANSLATE_NOOP("Name", "あなた"));
//: An ordinary enemy's name (the word "that one").
const TSjis NormalEnemyName = ToSjis(QT_TRANSLATE_NOOP("Name", "あいつ"));
//: The name of the guard of the save point.
const TSjis SaveGuardName = ToSjis(QT_TRANSLATE_NOOP("Name", "セーブガード"));

void RollBaseStats(TBattler &Battler)
{
    for (const TStat &stat : StatsInDisplayOrder)
        Battler.*stat.Base = RollStat();
}

void RefreshBattler(TBattler &Battler)
{
    for (const TStat &stat : StatsInDisplayOrder)
        Battler.*stat.Current = Battler.*stat.Base;
}

} // namespace

const TSjis &LastBossName()
{
    static const TSjis name = ToSjis(Bosses.back().Name);
    return name;
}

QString StatName(const TStat &Stat)
{
    return QCoreApplication::translate("Stat", Stat.Name);
}

QString ShownName(const TBattler &Battler)
{
    return QCoreApplication::translate("Name", FromSjis(Battler.Name.Str()).toUtf8().constData());
}

int32_t RollStat()
{
    const int32_t a = Random(100);
    const int32_t b = Random(100);
    return ((a + 1) * (b + 1) + 99) / 100;
}

int32_t RollMaxHP()
{
    // Every try draws, the fifth included, so the generator always advances
    // by the same count for the same outcome.
    int32_t n = 0;
    for (int tries = 0; tries < 5; ++tries) {
        ++n;
        if (Random(4) != 0)
            break;
    }
    return n;
}

void NewPlayer()
{
    Player.Name.Set(PlayerName);
    Player.MaxHP = RollMaxHP();
    RollBaseStats(Player);
    Player.HP = Player.MaxHP;
    RefreshPlayer();
    Player.BossIndex = 0;
}

void RefreshPlayer()
{
    RefreshBattler(Player);
}

void RefreshEnemy()
{
    RefreshBattler(Enemy);
}

void MakeNormalEnemy()
{
    Enemy.Name.Set(NormalEnemyName);
    Enemy.MaxHP = RollMaxHP();
    RollBaseStats(Enemy);
    AttackWeight = 100;
    MagicWeight = Random(50) * Enemy.BaseFlash / 100 + 1;
    // At least 100: an ordinary enemy tries an Idea Burst on every roll.
    BurstChance = Enemy.BaseReason / 10 + 100;
    Enemy.HP = Enemy.MaxHP;
    RefreshEnemy();
}

void MakeSaveGuard()
{
    Enemy.Name.Set(SaveGuardName);
    Enemy.MaxHP = 1;
    RollBaseStats(Enemy);
    // The guard always matches the player's base stats at least.
    for (const TStat &stat : StatsInDisplayOrder)
        RaiseToAtLeast(Enemy.*stat.Base, Player.*stat.Base);
    AttackWeight = 1000;
    MagicWeight = 0;
    BurstChance = 20;
    Enemy.HP = Enemy.MaxHP;
    RefreshEnemy();
}

void MakeBoss()
{
    // Past the last boss the enemy keeps what it holds; only the weights,
    // HP and current stats are set again from it.
    if (Player.BossIndex >= 0 && Player.BossIndex < BossCount) {
        const TBossRow &row = Bosses[Player.BossIndex];
        Enemy.Name.Set(ToSjis(row.Name));
        Enemy.MaxHP = row.MaxHP;
        for (size_t i = 0; i < StatsInDisplayOrder.size(); ++i)
            Enemy.*StatsInDisplayOrder[i].Base = row.Stats[i];
    }
    AttackWeight = 200;
    // Past the last boss the Flash is the previous enemy's; through the save
    // guard, that can be any value a save file held.
    MagicWeight = Saturate(int64_t{Enemy.BaseFlash} + 1);
    BurstChance = Enemy.BaseReason;
    Enemy.HP = Enemy.MaxHP;
    RefreshEnemy();
}

void RaiseToAtLeast(int32_t &a, int32_t b)
{
    if (a < b)
        a = b;
}

int32_t NineTenths(int32_t Value)
{
    return static_cast<int32_t>(int64_t{Value} * 9 / 10);
}

int32_t Saturate(int64_t Value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(Value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}
