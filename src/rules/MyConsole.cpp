// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MyConsole.h"

#include "UnitScreen.h"

#include <cstdio>

void Alert(const QString &Text)
{
    // Without a window (a tool that only saves) the terminal is all there is.
    if (GameScreen)
        GameScreen->Alert(Text);
    else
        std::fprintf(stderr, "%s\n", qUtf8Printable(Text));
}
