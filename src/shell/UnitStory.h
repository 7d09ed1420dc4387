#pragma once

#include <cstdint>

extern int32_t StoryStep;

void StartIntro();
void IntroStep();
void StartEndingA();
void EndingAStep();
void StartEndingB();
void EndingBStep();
