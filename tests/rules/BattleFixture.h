// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeRandom.h"
#include "Recorder.h"
#include "UnitBattle.h"
#include "UnitBattler.h"
#include "UnitCommon.h"

#include <cstdint>
#include <string>

// The rules on the main page, with a known player, ready for a fight that a
// test opens with Encounter and then plays by taking the choices.
class BattleFixture : public RulesHarness {
protected:
    void SetUp() override
    {
        RulesHarness::SetUp();
        ChangeScene(TScene::Main);
        // Start-up seeds from the clock; the tests want known draws.
        RandSeed = 2024;
        Player = TBattler{};
        Player.Name.Set(ToSjis("あなた"));
        Player.MaxHP = Player.HP = 5;
        SetStats(Player, 50, 50, 50, 50, 50);
        GameScreen->ShowPlayerStatus();
    }

    // Sets base and current stats alike, in display order.
    static void SetStats(TBattler &B, int32_t Hit, int32_t Evade, int32_t Predict, int32_t Flash,
                         int32_t Reason)
    {
        B.BaseHit = B.Hit = Hit;
        B.BaseEvade = B.Evade = Evade;
        B.BasePredict = B.Predict = Predict;
        B.BaseFlash = B.Flash = Flash;
        B.BaseReason = B.Reason = Reason;
    }

    // Opens a fight of the given kind against an enemy that never bursts.
    void Meet(TBattleKind Kind)
    {
        Encounter(Kind);
        BurstChance = 0;
    }

    // The wave last started, cleared by Hush.
    std::string Sound() const { return Screen.Wave; }
    static void Hush() { StopWave(); }

    // The screen offers the single "≫" choice, bound to Next.
    bool Offers(TProcedure Next) const { return Choices() == NextOnly && ActionOf(0) == Next; }

    // Freezes the dice on Value and clicks "≫".
    void Next(int32_t Value)
    {
        DiceValue = Value;
        Click("≫");
    }
};
