#include "LumeMidi.h"
// FIXME: placeholder until this unit is written.
TLumeMidi::TLumeMidi() {}
TLumeMidi::~TLumeMidi() {}
void TLumeMidi::StopMidi() { Playing = false; }
