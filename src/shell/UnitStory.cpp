#include "UnitStory.h"

// FIXME: placeholder until this unit is written.
int32_t StoryStep = 0;
void StartIntro() {  }
void IntroStep() {  }
void StartEndingA() {  }
void EndingAStep() {  }
void StartEndingB() {  }
void EndingBStep() {  }
