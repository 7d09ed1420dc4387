// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LumeClaim.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A parameterless procedure: the program's callbacks carry no object or context.
using TProcedure = void (*)();

// Whatever runs a procedure later, from its own event handling: the window.
// The scheduler starts its loop that way, once the event loop runs.
class TLumeDeferredCalls {
public:
    virtual void PostDeferred(TProcedure Proc) = 0;

protected:
    ~TLumeDeferredCalls() = default;
};

// The application's terminate flag. Closing the main window or the program's own
// request to end sets it and asks the application to quit; the main loop
// returns at the end of its current pass. A new window clears it: its
// session has not been told to end.
void TerminateApplication();
bool ApplicationTerminated();
void ClearApplicationTerminated();

// One named interval timer.
struct TLumeThread {
    std::string TimerName; // compared exactly, case-sensitive
    TProcedure TimerProc = nullptr;
    int32_t IntervalMs = 0; // 0 or less: paused
    uint32_t LastFired = 0; // clock at registration, then at the start of the pass it last fired
};

// The table of named timers, in registration order. Entries are only
// appended or all removed at once.
extern std::vector<TLumeThread> TimerTable;

// The scheduler: its loop pumps the window's events and fires the timers that
// are due; from the first dispatch of its deferred start until the application
// terminates it is the program's main loop. Only one may exist at a time; a
// second creation sounds the system alert and does nothing else.
class TLumeTimer {
public:
    explicit TLumeTimer(TLumeDeferredCalls *Form);
    ~TLumeTimer();
    TLumeTimer(const TLumeTimer &) = delete;
    TLumeTimer &operator=(const TLumeTimer &) = delete;

    void AddTimer(TProcedure Proc, int32_t IntervalMs, const std::string &Name);
    // Gives the interval to the first entry of that name only; LastFired stays.
    void SetTimerInterval(const std::string &Name, int32_t IntervalMs);
    void ClearTimers();
    // Runs passes until the application is told to terminate.
    static void RunTimerLoop();
    // One pass: pump pending events, then fire the timers that are due.
    // Returns false when the application has been told to terminate.
    static bool RunTimerPass();

    // The millisecond clock, replaceable by tests; nullptr restores the
    // monotonic system clock.
    static void SetClock(std::function<uint32_t()> Clock);
    static uint32_t Now();

    // When set, the test drives the passes itself with RunTimerPass and the
    // deferred start of the loop returns at once.
    static void SetManualPasses(bool Manual);

private:
    TLumeClaim Claim;
};
