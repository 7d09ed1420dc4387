// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "UnitBattler.h"

#include <array>
#include <cstdint>

// The application title, also the key of the save file's check code.
extern const TSjis ApplicationTitle;

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
// Reads "save.dat" into Record; false (with a deferred report, except for a
// missing file) when it cannot be read or its code does not match.
bool LoadGame(TBattler &Record, const TSjis &Key);
void ReportReadFailure();
void ReportBadContent();
// The message of a failed save, for the callers of SaveGame to show.
void ReportWriteFailure();
