// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeTimer.h"

#include "LumeSpeed.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <memory>
#include <optional>

#ifdef Q_OS_LINUX
#include <sys/timerfd.h>
#include <unistd.h>
#endif

std::vector<TLumeThread> TimerTable;

namespace {

bool Instance = false;
std::function<uint32_t()> Clock;
bool ManualPasses = false;

constexpr qint64 NsPerMs = 1000000;

// The monotonic clock in nanoseconds; the scheduler's counter is its milliseconds.
qint64 MonotonicNs()
{
    return QDeadlineTimer::current(Qt::PreciseTimer).deadlineNSecs();
}

// A 32-bit millisecond counter; all differences are taken modulo 2^32.
uint32_t CounterAt(qint64 Ns)
{
    return static_cast<uint32_t>(static_cast<uint64_t>(Ns / NsPerMs));
}

// Milliseconds from the counter value Now until the earliest running timer
// is due (0 when one is due), or -1 when no timer runs.
int64_t MsUntilDueAt(uint32_t Now)
{
    int64_t best = -1;
    for (const auto &entry : TimerTable) {
        if (!entry.TimerProc || entry.IntervalMs <= 0)
            continue;
        const int64_t elapsed = static_cast<uint32_t>(Now - entry.LastFired);
        // Due once strictly more than the interval has passed.
        const int64_t wait = std::max<int64_t>(0, int64_t(entry.IntervalMs) + 1 - elapsed);
        if (best < 0 || wait < best)
            best = wait;
    }
    return best;
}

// Lets the loop sleep until a window event arrives or the earliest running
// timer becomes due, instead of spinning between passes, which would keep a
// core busy for as long as the program runs; the firing rules of a pass are
// unchanged. Qt's own timers count whole milliseconds and its event
// dispatcher rounds a wait up to the next one, so a 50 ms timer woken by them
// fired at 52 ms about as often as at 51. A kernel timer on the same
// monotonic clock, set to the very start of the due millisecond and watched
// by the dispatcher like any other file, wakes the loop on time instead.
#ifdef Q_OS_LINUX
int OpenKernelTimer()
{
    return timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
}

// Sets the kernel timer to DueNs on the monotonic clock, or stops it.
void SetKernelTimer(int Fd, qint64 DueNs, bool Run)
{
    itimerspec when{};
    if (Run) {
        when.it_value.tv_sec = DueNs / (1000 * NsPerMs);
        when.it_value.tv_nsec = DueNs % (1000 * NsPerMs);
    }
    timerfd_settime(Fd, TFD_TIMER_ABSTIME, &when, nullptr);
}

void ClearKernelTimer(int Fd)
{
    uint64_t expirations = 0;
    if (read(Fd, &expirations, sizeof expirations) < 0)
        return; // nothing to clear: the timer was set anew meanwhile
}

void CloseKernelTimer(int Fd)
{
    close(Fd);
}
#else
// Elsewhere the loop wakes through a precise Qt timer instead.
int OpenKernelTimer()
{
    return -1;
}
void SetKernelTimer(int, qint64, bool) {}
void ClearKernelTimer(int) {}
void CloseKernelTimer(int) {}
#endif

class TNextDueWaker {
public:
    TNextDueWaker() : Fd(Without(sdWakeup) ? -1 : OpenKernelTimer())
    {
        if (Fd < 0)
            return;
        Notifier = std::make_unique<QSocketNotifier>(Fd, QSocketNotifier::Read);
        QObject::connect(Notifier.get(), &QSocketNotifier::activated,
                         [this] { ClearKernelTimer(Fd); });
    }
    ~TNextDueWaker()
    {
        Notifier.reset();
        if (Fd >= 0)
            CloseKernelTimer(Fd);
    }
    TNextDueWaker(const TNextDueWaker &) = delete;
    TNextDueWaker &operator=(const TNextDueWaker &) = delete;

    void Wait()
    {
        if (ApplicationTerminated())
            return;
        auto *dispatcher = QAbstractEventDispatcher::instance();
        if (!dispatcher)
            return;
        const qint64 nowNs = MonotonicNs();
        const int64_t due = MsUntilDueAt(Clock ? Clock() : CounterAt(nowNs));
        if (due == 0)
            return;
        // The system counter turns to a new value at the start of each of
        // its milliseconds; a replaced clock has no such relation to time.
        const qint64 dueNs = (Clock ? nowNs : nowNs - nowNs % NsPerMs) + due * NsPerMs;
        std::optional<QTimer> fallback;
        if (Fd >= 0) {
            SetKernelTimer(Fd, dueNs, due > 0);
        } else if (due > 0) {
            // Without a kernel timer the wake may come a millisecond late.
            fallback.emplace();
            fallback->setTimerType(Qt::PreciseTimer);
            fallback->setSingleShot(true);
            fallback->start(static_cast<int>(due));
        }
        // Events that arrive while waiting are dispatched here; they count as
        // the first step of the next pass.
        dispatcher->processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }

private:
    int Fd;
    std::unique_ptr<QSocketNotifier> Notifier;
};

bool Terminated = false;

} // namespace

void TerminateApplication()
{
    Terminated = true;
    QCoreApplication::quit();
}

bool ApplicationTerminated()
{
    return Terminated;
}

void ClearApplicationTerminated()
{
    Terminated = false;
}

TLumeTimer::TLumeTimer(TLumeDeferredCalls *Form) : Claim(Instance)
{
    if (!Claim.Owns())
        return;
    ClearTimers();
    if (Form)
        Form->PostDeferred(&TLumeTimer::RunTimerLoop);
}

TLumeTimer::~TLumeTimer() = default;

void TLumeTimer::AddTimer(TProcedure Proc, int32_t IntervalMs, const std::string &Name)
{
    TimerTable.push_back(TLumeThread{Name, Proc, IntervalMs, Now()});
}

void TLumeTimer::SetTimerInterval(const std::string &Name, int32_t IntervalMs)
{
    for (auto &entry : TimerTable) {
        if (entry.TimerName == Name) {
            entry.IntervalMs = IntervalMs;
            return;
        }
    }
}

void TLumeTimer::ClearTimers()
{
    TimerTable.clear();
}

bool TLumeTimer::RunTimerPass()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // The loop itself runs inside the dispatch of a posted event, and Qt does
    // not hand out, from a nested pumping, the posted events that were
    // already waiting when that dispatch began (a deferred call posted right
    // after the loop's own start, say); send them explicitly.
    QCoreApplication::sendPostedEvents();
    const uint32_t now = Now();
    const size_t count = TimerTable.size();
    for (size_t i = 0; i < count && i < TimerTable.size(); ++i) {
        // Copy the fields we need: the procedure may append to the table.
        const TLumeThread entry = TimerTable[i];
        if (!entry.TimerProc || entry.IntervalMs <= 0)
            continue;
        if (static_cast<uint32_t>(now - entry.LastFired) >
            static_cast<uint32_t>(entry.IntervalMs)) {
            entry.TimerProc();
            if (i < TimerTable.size())
                TimerTable[i].LastFired = now;
        }
    }
    return !ApplicationTerminated();
}

void TLumeTimer::RunTimerLoop()
{
    if (ManualPasses)
        return;
    TNextDueWaker waker;
    while (RunTimerPass())
        if (!Without(sdWaiting))
            waker.Wait();
}

void TLumeTimer::SetClock(std::function<uint32_t()> NewClock)
{
    Clock = std::move(NewClock);
}

uint32_t TLumeTimer::Now()
{
    return Clock ? Clock() : CounterAt(MonotonicNs());
}

void TLumeTimer::SetManualPasses(bool Manual)
{
    ManualPasses = Manual;
}
