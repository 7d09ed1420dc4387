// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LumeTimer.h"
#include "LumeForm.h"

#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

uint32_t Clock = 0;
std::vector<std::string> Fired;

void ProcA()
{
    Fired.push_back("A");
}
void ProcB()
{
    Fired.push_back("B");
}
void SlowProc()
{
    Fired.push_back("slow");
    Clock += 30; // the procedure itself takes 30 ms
}
TLumeTimer *Current = nullptr;
void Appender()
{
    Fired.push_back("appender");
    Clock += 10;
    Current->AddTimer(&ProcB, 1, "late");
}
std::vector<uint32_t> Firings;
void RecordFiring()
{
    Firings.push_back(TLumeTimer::Now());
    if (Firings.size() == 5)
        TerminateApplication();
}
void Terminator()
{
    Fired.push_back("terminator");
    TerminateApplication();
}

class TimerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock = 1000;
        Fired.clear();
        TLumeTimer::SetClock([] { return Clock; });
        TLumeTimer::SetManualPasses(true);
        Window = std::make_unique<TLumeForm>(100, 100);
        Timer = std::make_unique<TLumeTimer>(nullptr);
        Current = Timer.get();
    }
    void TearDown() override
    {
        Timer.reset();
        TLumeTimer::SetClock(nullptr);
        TLumeTimer::SetManualPasses(false);
        Window.reset();
        TimerTable.clear();
    }
    void PassAt(uint32_t Ms)
    {
        Clock = Ms;
        TLumeTimer::RunTimerPass();
    }
    // A new window: the application has not been told to end.
    std::unique_ptr<TLumeForm> Window;
    std::unique_ptr<TLumeTimer> Timer;
};

} // namespace

TEST_F(TimerTest, FiresOnlyWhenStrictlyMoreThanTheIntervalHasPassed)
{
    Timer->AddTimer(&ProcA, 50, "A");
    PassAt(1050);
    EXPECT_TRUE(Fired.empty());
    PassAt(1051);
    EXPECT_EQ(Fired.size(), 1u);
    PassAt(1101);
    EXPECT_EQ(Fired.size(), 1u);
    PassAt(1102);
    EXPECT_EQ(Fired.size(), 2u);
}

TEST_F(TimerTest, LastFiredIsTheStartOfThePassNotTheEndOfTheProcedure)
{
    Timer->AddTimer(&SlowProc, 50, "slow");
    PassAt(1051);
    ASSERT_EQ(Fired.size(), 1u);
    EXPECT_EQ(TimerTable[0].LastFired, 1051u);
    PassAt(1102);
    EXPECT_EQ(Fired.size(), 2u);
}

TEST_F(TimerTest, PausedEntriesNeverFireAndPausingKeepsLastFired)
{
    Timer->AddTimer(&ProcA, 0, "DICE");
    PassAt(90000);
    EXPECT_TRUE(Fired.empty());
    EXPECT_EQ(TimerTable[0].LastFired, 1000u);

    Timer->SetTimerInterval("DICE", 50);
    PassAt(90001);
    EXPECT_EQ(Fired.size(), 1u) << "a long pause makes the resumed timer fire at once";
    Timer->SetTimerInterval("DICE", -5);
    PassAt(95000);
    EXPECT_EQ(Fired.size(), 1u);
    EXPECT_EQ(TimerTable[0].LastFired, 90001u);
}

TEST_F(TimerTest, EntriesWithoutProcedureNeverFire)
{
    Timer->AddTimer(nullptr, 10, "none");
    PassAt(5000);
    EXPECT_EQ(TimerTable[0].LastFired, 1000u);
}

TEST_F(TimerTest, NamesAreExactAndOnlyTheFirstEntryOfANameIsSet)
{
    Timer->AddTimer(&ProcA, 0, "DICE");
    Timer->AddTimer(&ProcB, 0, "DICE");
    Timer->SetTimerInterval("dice", 50);
    Timer->SetTimerInterval("DICE ", 50);
    EXPECT_EQ(TimerTable[0].IntervalMs, 0);
    Timer->SetTimerInterval("DICE", 50);
    EXPECT_EQ(TimerTable[0].IntervalMs, 50);
    EXPECT_EQ(TimerTable[1].IntervalMs, 0);
    Timer->SetTimerInterval("nothing", 10); // unknown names are ignored
    PassAt(2000);
    EXPECT_EQ(Fired, std::vector<std::string>{"A"});
}

TEST_F(TimerTest, FiresInRegistrationOrder)
{
    Timer->AddTimer(&ProcB, 50, "TITLE");
    Timer->AddTimer(&ProcA, 50, "DICE");
    PassAt(1051);
    EXPECT_EQ(Fired, (std::vector<std::string>{"B", "A"}));
}

TEST_F(TimerTest, AnEntryAppendedDuringAPassWaitsForTheNextPass)
{
    Timer->AddTimer(&Appender, 1000, "appender");
    PassAt(2001);
    // The new entry's LastFired lies after this pass's clock reading; it
    // would look overdue if it were considered in the same pass.
    EXPECT_EQ(Fired, std::vector<std::string>{"appender"});
    ASSERT_EQ(TimerTable.size(), 2u);
    EXPECT_EQ(TimerTable[1].LastFired, 2011u);
    PassAt(2013);
    EXPECT_EQ(Fired, (std::vector<std::string>{"appender", "B"}));
}

TEST_F(TimerTest, ClockWrapIsHarmless)
{
    Clock = 0xFFFFFFF0u;
    Timer->AddTimer(&ProcA, 50, "A");
    PassAt(0xFFFFFFF0u + 50);
    EXPECT_TRUE(Fired.empty());
    PassAt(0x00000023u); // 51 ms later, after the wrap
    EXPECT_EQ(Fired.size(), 1u);
}

TEST_F(TimerTest, TerminateEndsThePassAfterItsTimersRan)
{
    Timer->AddTimer(&Terminator, 10, "T");
    Timer->AddTimer(&ProcA, 10, "A");
    Clock = 2000;
    EXPECT_FALSE(TLumeTimer::RunTimerPass());
    EXPECT_EQ(Fired, (std::vector<std::string>{"terminator", "A"}));
}

TEST_F(TimerTest, ASecondSchedulerIsInertAndKeepsTheTable)
{
    Timer->AddTimer(&ProcA, 50, "A");
    {
        // An owner would clear the table.
        TLumeTimer second(nullptr);
        EXPECT_EQ(TimerTable.size(), 1u);
    }
    // The first still owns the guard: a third is refused too.
    TLumeTimer third(nullptr);
    EXPECT_EQ(TimerTable.size(), 1u);
}

TEST_F(TimerTest, ClearTimersEmptiesTheTable)
{
    Timer->AddTimer(&ProcA, 50, "A");
    Timer->ClearTimers();
    EXPECT_TRUE(TimerTable.empty());
}

TEST_F(TimerTest, TheWaitingLoopKeepsTheFiringRuleOnTheSystemClock)
{
    // The real loop on the real clock: it sleeps between passes, wakes for
    // the due timer and returns once the timer asks the program to end.
    TLumeTimer::SetClock(nullptr);
    TLumeTimer::SetManualPasses(false);
    const qint64 systemMs = QDeadlineTimer::current(Qt::PreciseTimer).deadlineNSecs() / 1000000;
    EXPECT_LE(uint32_t(TLumeTimer::Now() - uint32_t(systemMs)), 1u)
        << "the counter is the monotonic clock's milliseconds modulo 2^32";
    Firings.clear();
    Timer->AddTimer(&RecordFiring, 20, "R");
    TLumeTimer::RunTimerLoop();
    ASSERT_EQ(Firings.size(), 5u);
    for (size_t i = 1; i < Firings.size(); ++i)
        EXPECT_GE(Firings[i] - Firings[i - 1], 21u) << "firing " << i;
}
