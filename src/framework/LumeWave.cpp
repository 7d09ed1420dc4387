#include "LumeWave.h"
// FIXME: placeholder until this unit is written.
TLumeWave::TLumeWave() {}
TLumeWave::~TLumeWave() {}
void TLumeWave::PlayWave(const std::string &Name, bool Loop) { FileName = Name; Looping = Loop; }
void TLumeWave::StopWave() { FileName.clear(); Looping = false; }
