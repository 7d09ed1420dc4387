// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeTimer.h"

#include <cstdint>

enum class TDiceLabel;

// The scheduler, owned from CreateGameObjects to FreeGameObjects. The sound
// players are the window's, behind GameSpeakers.
extern TLumeTimer *Scheduler;

// The two scenes, the title page and the main page; None before the first switch.
enum class TScene { None, Title, Main };
extern TScene CurrentScene;

// The game's two timers, made in CreateGameObjects: the title page's frames
// and the rolling dice.
inline constexpr const char *TitleTimer = "TITLE";
inline constexpr const char *DiceTimer = "DICE";
// How often either timer fires while it runs.
inline constexpr int32_t TickIntervalMs = 50;

void ChangeScene(TScene Scene);
// Form is the window whose deferred calls run the scheduler's loop.
void CreateGameObjects(TLumeDeferredCalls *Form);
void FreeGameObjects();

// Sound and timer calls that tolerate a missing object (before start-up or
// after shutdown), so game steps never need to test for them.
void PlayWave(const char *FileName, bool Loop);
void StopWave();
void SetTimerInterval(const char *Name, int32_t IntervalMs);

// Marks a stage of a staged sequence that no click can reach, as every last
// stage hands over to something that rebinds or clears the choices. A debug
// build stops there; a release build passes over the click instead of
// running into undefined behaviour.
void UnreachableStage();

// The dice.
extern int32_t DiceValue;
extern int32_t BurstRoll;
extern bool DiceRolling;
// The label the rolling dice show in; the other one is cleared when they stop.
extern TDiceLabel RollingDice;

// Whether the player may press the burst button now: offered while their
// dice roll, until pressed.
bool BurstButtonLive();
void StartDiceRoll(bool PlayerRolls);
void DiceTick();
void PlayerIdeaBurst();
void EnemyIdeaBurst();
void StopDiceRoll();
// Ends any dice animation before a message is shown.
void DicePrologue();
