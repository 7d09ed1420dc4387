#include "MyConsole.h"

// FIXME: placeholder until this unit is written.

void Alert(const TSjis &Text) {  }
