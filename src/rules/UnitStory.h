// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

// Step counter shared by the three narrations; each start sets it to 0 and
// each step raises it by one.
extern int32_t StoryStep;

// One line per click on "≫".
extern const std::array<const char *, 19> IntroLines;
extern const std::array<const char *, 2> EndingALines;
extern const std::array<const char *, 12> EndingBLines;
extern const char *const EndingATitle;
extern const char *const EndingBTitle;

void StartIntro();
void IntroStep();
void StartEndingA();
void EndingAStep();
void StartEndingB();
void EndingBStep();
