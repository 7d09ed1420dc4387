// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeClaim.h"

namespace {
TLumeAlertSound AlertSound = nullptr;
}

void SetSystemAlert(TLumeAlertSound Sound)
{
    AlertSound = Sound;
}

void SystemAlert()
{
    if (AlertSound)
        AlertSound();
}
