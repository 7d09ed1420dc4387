// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MyConsole.h"
#include "UnitBattler.h"

#include <array>
#include <cstdint>

// The save file, relative to the working folder.
extern const char *const SaveFileName;

// Starting values (0..51) and multipliers (1..51) of the ten accumulators
// of the check code.
extern const std::array<int32_t, 10> CheckSeeds;
extern const std::array<int32_t, 10> CheckFactors;

// The record's byte image as it stands in the save file: little-endian
// integers, padding and unused name bytes included.
using TRecordImage = std::array<uint8_t, sizeof(TBattler)>;
TRecordImage RecordImage(const TBattler &Record);
TBattler RecordFromImage(const TRecordImage &Image);

// Ten letters a..z, A..Z: a keyed sum over every byte of the record except
// its CheckCode field.
TSjis ComputeCheckCode(TBattler Record, const TSjis &Key);
void StampCheckCode(TBattler &Record, const TSjis &Key);
// Writes "save.dat" in the working folder; false when the new record did not
// reach it, in which case the file holds the old record as it was (or does
// not exist, when there was none). The caller's record is not changed.
bool SaveGame(TBattler Record, const TSjis &Key);
// Whether Record differs from what save.dat held when it was last loaded or
// saved: what a new game would lose. True when nothing was loaded or saved.
bool ProgressSinceSave(TBattler Record, const TSjis &Key);
// What loading found. Only a loaded record's bytes stand in Record; a
// refused one's may, in part.
enum class TLoadResult { Loaded, Missing, Unreadable, BadContent };
// Reads "save.dat" into Record: only a regular file (after links), never
// waiting, and only its first record.
TLoadResult LoadGame(TBattler &Record, const TSjis &Key);
// The messages of a refused save file, for the callers of LoadGame to show.
void ReportReadFailure();
void ReportBadContent();
// The message of a failed save, for the callers of SaveGame to show.
void ReportWriteFailure();
