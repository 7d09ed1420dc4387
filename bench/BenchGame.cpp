// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole-program figures: time from process start to the first title frame,
// the processor share of the running game on the title page, on an idle main
// page and while the dice roll, the gaps between the dice's ticks, and its
// resident memory at rest. The game runs as a child process on the display of
// the environment (Xvfb in CI), or offscreen when there is none. The title and
// main page shares are each measured next to the same program built with a
// main loop that never waits (the yardstick), in the same run; a bare Qt
// window doing as little gives the floor under them all. The title page and
// the dice are measured again with each speed device that serves them
// switched off (VANTIK_WITHOUT), in the same run.
#include "LumeRandom.h"
#include "LumeTimer.h"
#include "UnitBattle.h"
#include "UnitBattler.h"
#include "UnitBmp.h"
#include "UnitCommon.h"
#include "UnitForm.h"
#include "UnitLanguage.h"
#include "UnitSaveLoad.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto WarmUp = std::chrono::seconds(2); // start-up is not at rest
constexpr auto ShareWindow = std::chrono::seconds(20);
constexpr auto NeverWaitsWindow = std::chrono::seconds(10);

// A working folder with dat/ linked, and optionally a valid save file so the
// game opens on its idle main menu.
QString MakeWorkDir(QTemporaryDir &Dir, bool WithSave)
{
    QFile::link(QStringLiteral(VANTIK_DAT_DIR), Dir.filePath("dat"));
    if (WithSave) {
        const QString old = QDir::currentPath();
        QDir::setCurrent(Dir.path());
        RandSeed = 7;
        NewPlayer();
        SaveGame(Player, ApplicationTitle);
        QDir::setCurrent(old);
    }
    return Dir.path();
}

void ChooseDisplay()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

// Runs Child in a new process whose working folder is WorkDir. Returns the
// process id, or -1 when no process could be made.
template <typename TChild> pid_t Spawn(const QString &WorkDir, TChild Child)
{
    ChooseDisplay();
    const QByteArray folder = WorkDir.toLocal8Bit();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(folder.constData()) != 0)
            _exit(126);
        Child();
        _exit(127);
    }
    return pid;
}

// Spawns Child(WriteEnd) with a pipe back to this process. Returns the
// process id and the pipe's read end, or -1 for both when either failed.
template <typename TChild> pid_t SpawnWithPipe(const QString &WorkDir, int &ReadEnd, TChild Child)
{
    ReadEnd = -1;
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t pid = Spawn(WorkDir, [&] {
        close(fds[0]);
        Child(fds[1]);
    });
    close(fds[1]);
    if (pid < 1) {
        close(fds[0]);
        return -1;
    }
    ReadEnd = fds[0];
    return pid;
}

// In a spawned child: the application and the window as the program makes
// them, Setup(window) once it shows, then the loop until the game ends.
template <typename TSetup> void RunWindow(TSetup Setup)
{
    int argc = 1;
    char name[] = "vantik";
    char *argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // In the locale's language, as the program chooses it.
    UseLanguage(ChooseLanguage(TLocaleSettings::OfProcess(), InstalledCatalogs()));
    auto *form = new TFormMain();
    form->show();
    Setup(*form);
    QApplication::exec();
}

// Names the speed devices a child switches off (none when empty); the
// window reads them when it is made.
void SwitchOff(const char *Devices)
{
    setenv("VANTIK_WITHOUT", Devices, 1);
}

pid_t StartProgram(const char *Program, const QString &WorkDir, const char *Argument = nullptr,
                   const char *Without = "")
{
    return Spawn(WorkDir, [Program, Argument, Without] {
        SwitchOff(Without);
        execl(Program, "vantik", Argument, static_cast<char *>(nullptr));
    });
}

void StopProcess(pid_t Pid)
{
    // kill() with -1 would signal every process of the user, and 0 the
    // whole process group: only a real child is ever signalled.
    if (Pid < 1)
        return;
    kill(Pid, SIGTERM);
    waitpid(Pid, nullptr, 0);
}

// User plus system clock ticks of a process so far; -1 once it is gone.
long CpuTicks(pid_t Pid)
{
    std::ifstream in("/proc/" + std::to_string(Pid) + "/stat");
    std::string line;
    if (!std::getline(in, line) || line.rfind(')') == std::string::npos)
        return -1;
    // Fields after the command name, which sits in parentheses.
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; rest >> field; ++i) {
        if (i == 14)
            utime = std::stol(field);
        if (i == 15) {
            stime = std::stol(field);
            break;
        }
    }
    return utime + stime;
}

long ResidentKiB(pid_t Pid)
{
    std::ifstream in("/proc/" + std::to_string(Pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

struct TShare {
    double Pct = -1;
    double RssMiB = -1;
    double Seconds = 0;
};

// Processor share of one core, in percent, of a running child over Window,
// after it has had WarmUp to settle; the child is stopped afterwards.
TShare MeasureRunning(pid_t Pid, Clock::duration Window)
{
    TShare share;
    if (Pid < 1)
        return share;
    std::this_thread::sleep_for(WarmUp);
    const long ticks0 = CpuTicks(Pid);
    const auto t0 = Clock::now();
    std::this_thread::sleep_for(Window);
    const long ticks1 = CpuTicks(Pid);
    share.Seconds = std::chrono::duration<double>(Clock::now() - t0).count();
    share.RssMiB = ResidentKiB(Pid) / 1024.0;
    StopProcess(Pid);
    if (ticks0 >= 0 && ticks1 >= 0)
        share.Pct = 100.0 * double(ticks1 - ticks0) / double(sysconf(_SC_CLK_TCK)) / share.Seconds;
    return share;
}

// The game and the game with a loop that never waits, one after the other,
// on the same page.
void MeasureShareSideBySide(benchmark::State &State, bool MainPage)
{
    QTemporaryDir dir;
    const QString work = MakeWorkDir(dir, MainPage);
    for (auto _ : State) {
        const TShare game = MeasureRunning(StartProgram(VANTIK_BINARY, work), ShareWindow);
        const TShare yardstick =
            MeasureRunning(StartProgram(VANTIK_BINARY, work, nullptr, "waiting"), NeverWaitsWindow);
        if (game.Pct < 0 || yardstick.Pct < 0) {
            State.SkipWithError("the game could not be started or measured");
            return;
        }
        State.SetIterationTime(game.Seconds + yardstick.Seconds);
        State.counters["cpu_pct"] = game.Pct;
        State.counters["rss_MiB"] = game.RssMiB;
        State.counters["never_waits_cpu_pct"] = yardstick.Pct;
        // A share too small for the clock ticks to see counts as one tick.
        const double floor = 100.0 / double(sysconf(_SC_CLK_TCK)) / game.Seconds;
        State.counters["ratio"] = yardstick.Pct / std::max(game.Pct, floor);
    }
}

void BM_CpuShareTitlePage(benchmark::State &State)
{
    MeasureShareSideBySide(State, false);
}
void BM_CpuShareIdleMainPage(benchmark::State &State)
{
    MeasureShareSideBySide(State, true);
}

// The title page with one speed device switched off.
void BM_TitlePageWithout(benchmark::State &State, const char *Device)
{
    QTemporaryDir dir;
    const QString work = MakeWorkDir(dir, false);
    for (auto _ : State) {
        const TShare share =
            MeasureRunning(StartProgram(VANTIK_BINARY, work, nullptr, Device), ShareWindow);
        if (share.Pct < 0) {
            State.SkipWithError("the game could not be started or measured");
            return;
        }
        State.SetIterationTime(share.Seconds);
        State.counters["cpu_pct"] = share.Pct;
    }
}

// A bare Qt window doing what a page does, none of the game: what Qt and the
// display cost by themselves, for the shares above and the dice below.
void BM_QtFloor(benchmark::State &State, const char *Mode)
{
    QTemporaryDir dir;
    for (auto _ : State) {
        const TShare floor =
            MeasureRunning(StartProgram(VANTIK_QT_FLOOR_BINARY, dir.path(), Mode), ShareWindow);
        if (floor.Pct < 0) {
            State.SkipWithError("the bare Qt window could not be started or measured");
            return;
        }
        State.SetIterationTime(floor.Seconds);
        State.counters["cpu_pct"] = floor.Pct;
    }
}
// The rolling dice: the window's own game code runs in the child, which
// opens a fight from the main menu and lets the player's dice roll.
int GapPipe = -1;
uint32_t LastDiceTick = 0;
bool DiceTicked = false;

// Reports the gap since the previous tick through the pipe, then ticks.
void TimedDiceTick()
{
    const uint32_t now = TLumeTimer::Now();
    if (DiceTicked) {
        const uint32_t gap = now - LastDiceTick;
        if (write(GapPipe, &gap, sizeof gap) != sizeof gap)
            _exit(1);
    }
    DiceTicked = true;
    LastDiceTick = now;
    DiceTick();
}

void RollPlayersDice()
{
    Encounter(TBattleKind::Normal);
    PlayerTurn();
    PlayerAttack();
    for (TLumeThread &entry : TimerTable)
        if (entry.TimerName == DiceTimer)
            entry.TimerProc = &TimedDiceTick;
}

double Percentile(const std::vector<uint32_t> &Sorted, double Fraction)
{
    if (Sorted.empty())
        return -1;
    return Sorted[std::min(Sorted.size() - 1, size_t(Fraction * double(Sorted.size() - 1) + 0.5))];
}

// The rolling dice with the speed devices named in Without switched off.
void MeasureDice(benchmark::State &State, const char *Without)
{
    QTemporaryDir dir;
    const QString work = MakeWorkDir(dir, true);
    for (auto _ : State) {
        int gapPipe = -1;
        const pid_t pid = SpawnWithPipe(work, gapPipe, [Without](int WriteEnd) {
            GapPipe = WriteEnd;
            SwitchOff(Without);
            RunWindow([](TFormMain &Form) { Form.PostDeferred(&RollPlayersDice); });
        });
        const TShare share = MeasureRunning(pid, ShareWindow);
        // The child has ended: read every gap it reported (the warm-up too).
        std::vector<uint32_t> gaps;
        uint32_t gap = 0;
        while (gapPipe >= 0 && read(gapPipe, &gap, sizeof gap) == sizeof gap)
            gaps.push_back(gap);
        if (gapPipe >= 0)
            close(gapPipe);
        if (share.Pct < 0 || gaps.empty()) {
            State.SkipWithError("the rolling dice could not be started or measured");
            return;
        }
        std::sort(gaps.begin(), gaps.end());
        State.SetIterationTime(share.Seconds);
        State.counters["cpu_pct"] = share.Pct;
        State.counters["rss_MiB"] = share.RssMiB;
        State.counters["ticks"] = double(gaps.size() + 1);
        State.counters["gap_min_ms"] = gaps.front();
        State.counters["gap_median_ms"] = Percentile(gaps, 0.5);
        State.counters["gap_p95_ms"] = Percentile(gaps, 0.95);
        State.counters["gap_max_ms"] = gaps.back();
        State.counters["gaps_over_51"] =
            double(gaps.end() - std::upper_bound(gaps.begin(), gaps.end(), 51u));
    }
}

void BM_DiceRolling(benchmark::State &State)
{
    MeasureDice(State, "");
}

void BM_DiceRollingWithout(benchmark::State &State, const char *Device)
{
    MeasureDice(State, Device);
}

// Time from a fresh process's start to the end of its first title frame:
// application object, window, game objects, backdrop, loop, first frame.
int FirstFrameProbeCount = 0;
void FirstFrameProbe()
{
    if (TitleFrameCount > 0 && ++FirstFrameProbeCount == 1)
        TerminateApplication();
}

void BM_StartupToFirstTitleFrame(benchmark::State &State)
{
    QTemporaryDir dir;
    const QString work = MakeWorkDir(dir, false);
    double total = 0;
    int runs = 0;
    for (auto _ : State) {
        int timePipe = -1;
        const pid_t pid = SpawnWithPipe(work, timePipe, [](int WriteEnd) {
            const auto start = Clock::now();
            RunWindow([](TFormMain &) { Scheduler->AddTimer(&FirstFrameProbe, 1, "PROBE"); });
            const double elapsed =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            if (write(WriteEnd, &elapsed, sizeof elapsed) != sizeof elapsed)
                _exit(1);
            _exit(0);
        });
        double elapsed = -1;
        if (pid < 1 || read(timePipe, &elapsed, sizeof elapsed) != sizeof elapsed)
            elapsed = -1;
        if (pid > 0) {
            close(timePipe);
            waitpid(pid, nullptr, 0);
        }
        if (elapsed < 0) {
            State.SkipWithError("the game could not be started");
            return;
        }
        total += elapsed;
        ++runs;
        State.SetIterationTime(elapsed / 1000.0);
    }
    State.counters["first_frame_ms"] = runs ? total / runs : -1;
}

} // namespace

BENCHMARK(BM_StartupToFirstTitleFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_CpuShareTitlePage)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);
#define VANTIK_ONCE_IN_SECONDS(Benchmark)                                                          \
    Benchmark->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1)
VANTIK_ONCE_IN_SECONDS(BENCHMARK_CAPTURE(BM_TitlePageWithout, stencils, "stencils"));
VANTIK_ONCE_IN_SECONDS(BENCHMARK_CAPTURE(BM_TitlePageWithout, stripes, "stripes"));
VANTIK_ONCE_IN_SECONDS(BENCHMARK_CAPTURE(BM_TitlePageWithout, changes, "changes"));
VANTIK_ONCE_IN_SECONDS(BENCHMARK_CAPTURE(BM_TitlePageWithout, nothing, ""));
BENCHMARK(BM_CpuShareIdleMainPage)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_DiceRolling)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);
VANTIK_ONCE_IN_SECONDS(BENCHMARK_CAPTURE(BM_DiceRollingWithout, wakeup, "wakeup"));
BENCHMARK_CAPTURE(BM_QtFloor, idle_timer, "idle")
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_QtFloor, label_digit, "label")
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_QtFloor, whole_picture, "image")
    ->UseManualTime()
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

BENCHMARK_MAIN();
