// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves one record under the save fault injector and says how it went, so
// that a test can make each file-system call of saving fail in turn.
// Argument: the number of the record to save (see SaveLoopRecord).
// Prints: "result R calls OPEN CREATE WRITE FSYNC RENAME CLOSE met M".
#include "SaveLoopRecord.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace {

template <typename TFunction> TFunction Injector(const char *Name)
{
    auto *function = reinterpret_cast<TFunction>(dlsym(RTLD_DEFAULT, Name));
    if (!function) {
        std::fprintf(stderr, "the save fault injector is not preloaded (%s missing)\n", Name);
        std::exit(3);
    }
    return function;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    const TBattler record = SaveLoopRecord(std::atoi(argv[1]));
    auto arm = Injector<void (*)()>("SaveFaultArm");
    auto calls = Injector<long (*)(const char *)>("SaveFaultCalls");
    auto allMet = Injector<bool (*)()>("SaveFaultAllMet");
    auto disarm = Injector<void (*)()>("SaveFaultDisarm");

    arm();
    const bool saved = SaveGame(record, ApplicationTitle);
    disarm();
    std::printf("result %d calls %ld %ld %ld %ld %ld %ld met %d\n", saved ? 1 : 0, calls("open"),
                calls("create"), calls("write"), calls("fsync"), calls("rename"), calls("close"),
                allMet() ? 1 : 0);
    return 0;
}
