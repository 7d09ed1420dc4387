#include "UnitSaveLoad.h"

// FIXME: placeholder until this unit is written.
const TSjis ApplicationTitle = "VANTIK";
const std::array<int32_t, 10> CheckSeeds{};
const std::array<int32_t, 10> CheckFactors{};
TSjis ComputeCheckCode(TBattler Record, const TSjis &Key) { return {}; }
void StampCheckCode(TBattler &Record, const TSjis &Key) {  }
bool SaveGame(TBattler Record, const TSjis &Key) { return {}; }
bool LoadGame(TBattler &Record, const TSjis &Key) { return {}; }
void ReportReadFailure() {  }
void ReportBadContent() {  }
