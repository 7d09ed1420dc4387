// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "UnitBattler.h"
#include "UnitSaveLoad.h"

#include <cstdint>

// The record the save loop writes on its n-th round: every field follows
// from n, so a file that holds a mixture of two rounds is told apart.
inline TBattler SaveLoopRecord(int32_t n)
{
    TBattler record{};
    record.Name.Set("loop");
    for (int i = 4; i < 32; ++i)
        record.Name.Chars[i] = static_cast<char>(n + i);
    record.HP = n;
    record.MaxHP = n ^ 0x5a5a;
    record.Hit = n * 3;
    record.Predict = n * 5;
    record.Evade = n * 7;
    record.Flash = -n;
    record.Reason = n + 1000000;
    record.BaseHit = n * 11;
    record.BasePredict = n * 13;
    record.BaseEvade = n * 17;
    record.BaseFlash = n * 19;
    record.BaseReason = n * 23;
    record.BossIndex = n % 7;
    StampCheckCode(record, ApplicationTitle);
    return record;
}
