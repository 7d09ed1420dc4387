// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <gtest/gtest.h>

// For a test that needs something of the machine (an audio output, root,
// the immutable flag). Where it is missing the test is skipped, so a
// developer's machine without it still runs the rest; but the test command
// sets VANTIK_NO_SKIPS, and there a missing need fails the test, so a run
// can never pass with a test quietly left out. Use in a test body or SetUp.
#define VANTIK_NEED(Met, What)                                                                     \
    do {                                                                                           \
        if (!(Met)) {                                                                              \
            if (qEnvironmentVariableIsSet("VANTIK_NO_SKIPS"))                                      \
                FAIL() << "missing on this machine: " << What;                                     \
            GTEST_SKIP() << "missing on this machine: " << What;                                   \
        }                                                                                          \
    } while (false)
