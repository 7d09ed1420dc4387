#include "UnitMain.h"

// FIXME: placeholder until this unit is written.

void MainMenu() {  }
void NewGame() {  }
void RerollPlayer() {  }
void MenuSeek() {  }
void MenuBoss() {  }
void MenuSave() {  }
