#include "LumeTimer.h"

#include "LumeUtility.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>

#include <ctime>

std::vector<TLumeThread> TimerTable;

namespace {

bool Instance = false;
std::function<uint32_t()> Clock;
bool ManualPasses = false;

uint32_t MonotonicMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    // A 32-bit millisecond counter; all differences are taken modulo 2^32.
    return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000u +
                                 static_cast<uint64_t>(ts.tv_nsec) / 1000000u);
}

// Waits until an event arrives or the earliest running timer becomes due.
// Instead of spinning between passes, which would keep a core busy for as long
// as the game runs; the firing rules of a pass are unchanged.
void WaitForWork()
{
    if (ApplicationTerminated())
        return;
    const int64_t due = TLumeTimer::MsUntilNextDue();
    if (due == 0)
        return;
    auto *dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher)
        return;
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    if (due > 0)
        wake.start(static_cast<int>(due));
    // Events that arrive while waiting are dispatched here; they count as the
    // first step of the next pass.
    dispatcher->processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace

TLumeTimer::TLumeTimer(TLumeForm *Form)
{
    if (Instance) {
        SystemAlert();
        return;
    }
    Instance = true;
    Owns = true;
    ClearTimers();
    if (Form)
        Form->PostDeferred(&TLumeTimer::RunTimerLoop);
}

TLumeTimer::~TLumeTimer()
{
    if (Owns)
        Instance = false;
}

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
        if (static_cast<uint32_t>(now - entry.LastFired) > static_cast<uint32_t>(entry.IntervalMs)) {
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
    while (RunTimerPass())
        WaitForWork();
}

int64_t TLumeTimer::MsUntilNextDue()
{
    const uint32_t now = Now();
    int64_t best = -1;
    for (const auto &entry : TimerTable) {
        if (!entry.TimerProc || entry.IntervalMs <= 0)
            continue;
        const int64_t elapsed = static_cast<uint32_t>(now - entry.LastFired);
        // Due once strictly more than the interval has passed.
        const int64_t wait = std::max<int64_t>(0, int64_t(entry.IntervalMs) + 1 - elapsed);
        if (best < 0 || wait < best)
            best = wait;
    }
    return best;
}

void TLumeTimer::SetClock(std::function<uint32_t()> NewClock)
{
    Clock = std::move(NewClock);
}

uint32_t TLumeTimer::Now()
{
    return Clock ? Clock() : MonotonicMs();
}

void TLumeTimer::SetManualPasses(bool Manual)
{
    ManualPasses = Manual;
}
