#pragma once

#include "UnitBattler.h"

#include <array>
#include <cstdint>

// The application title, also the key of the save file's check code.
extern const TSjis ApplicationTitle;

extern const std::array<int32_t, 10> CheckSeeds;
extern const std::array<int32_t, 10> CheckFactors;

TSjis ComputeCheckCode(TBattler Record, const TSjis &Key);
void StampCheckCode(TBattler &Record, const TSjis &Key);
// Writes "save.dat" in the working folder; false when it could not be written.
bool SaveGame(TBattler Record, const TSjis &Key);
// Reads "save.dat" into Record; false (with a deferred report, except for a
// missing file) when it cannot be read or its code does not match.
bool LoadGame(TBattler &Record, const TSjis &Key);
void ReportReadFailure();
void ReportBadContent();
