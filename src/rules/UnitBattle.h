// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <cstdint>

// The kinds of fight: an ordinary one, the save point's guard, a boss.
enum class TBattleKind { Normal, Save, Boss };
// The kind of the current fight.
extern TBattleKind BattleKind;
// Whether an enemy stands against the player: from an encounter until the
// main menu or a new game.
extern bool EnemyPresent;
// Step counter of the staged sequence that is running.
extern int32_t BattleStage;

void Encounter(TBattleKind Kind);
void DecideInitiative();
void FleeBeforeBattle();
void PlayerTurn();
void PlayerAttack();
void PlayerAttackStep();
void PlayerMagic();
void PlayerMagicStep();
void PlayerEscape();
void EscapeSucceeded();
void EscapeFailed();

void EnemyTurn();
bool ChooseEnemyMagic();
void EnemyAttack();
void EnemyAttackStep();
void EnemyMagic();
void EnemyMagicStep();

void EnemyDefeated();
void TakeBossName();
void StartReward();
void RewardStep();
bool GrowStat(const QString &Label, int32_t &PlayerValue, int32_t EnemyValue);
bool RecoverOrGrowHP();
void SaveAtSavePoint();
void PlayerDefeated();
void QuitGame();
