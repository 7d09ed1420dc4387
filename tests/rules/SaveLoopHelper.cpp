// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves in an endless loop so that a test can kill it at any moment and
// check what it leaves behind. Argument: the number of the first round.
// It prints one line once the first round is on disk.
#include "SaveLoopRecord.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    int32_t n = std::atoi(argv[1]);
    bool announced = false;
    for (;; ++n) {
        if (!SaveGame(SaveLoopRecord(n), ApplicationTitle))
            return 1;
        if (!announced) {
            std::puts("saving");
            std::fflush(stdout);
            announced = true;
        }
    }
}
