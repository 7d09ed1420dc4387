// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole-program figures: time from exec to the first title frame painted,
// the processor share of the running game on the title page, on an idle main
// page and while the dice roll, the gaps between the dice's ticks, and its
// resident memory at rest. The game runs as a child process on the display of
// the environment (Xvfb in CI), or offscreen when there is none. The title and
// main page shares are each measured next to the same program built with a
// main loop that never waits (the yardstick), in the same run; a bare Qt
// window doing as little gives the floor under them all. The title page and
// the dice are measured again with each speed device that serves them
// switched off (VANTIK_WITHOUT), in the same run. Start-up, the title page
// and the dice are measured in Japanese, English, Simplified Chinese and
// Arabic, each beside its floor.
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
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <poll.h>
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

// A language the figures are given in: the player's locale, and the catalog
// the game speaks it from (none for its own Japanese).
struct TBenchLanguage {
    const char *Locale;
    const char *Catalog;
};
constexpr TBenchLanguage Japanese{"ja_JP.UTF-8", ""}, English{"en_US.UTF-8", "en"},
    Chinese{"zh_CN.UTF-8", "zh_CN"}, Arabic{"ar_EG.UTF-8", "ar"};

// In a child: Language's locale is the player's, and nothing else asks for
// another language.
void SpeakLanguage(const TBenchLanguage *Language)
{
    if (!Language)
        return;
    unsetenv("LANGUAGE");
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    setenv("LANG", Language->Locale, 1);
}

// Whether Language's catalog is built; a benchmark without it would measure
// English, so it ends saying which catalog is missing.
bool CatalogAtHand(benchmark::State &State, const TBenchLanguage &Language)
{
    if (!*Language.Catalog || InstalledCatalogs(QStringLiteral(VANTIK_DAT_DIR "/translations"))
                                  .contains(QLatin1String(Language.Catalog)))
        return true;
    State.SkipWithError(
        ("no dat/translations/vantik_" + std::string(Language.Catalog) + ".qm").c_str());
    return false;
}

pid_t StartProgram(const char *Program, const QString &WorkDir, const char *Argument = nullptr,
                   const char *Without = "", const TBenchLanguage *Language = nullptr)
{
    return Spawn(WorkDir, [Program, Argument, Without, Language] {
        SwitchOff(Without);
        SpeakLanguage(Language);
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

// A share too small for the clock ticks to see counts as one tick.
double Seen(const TShare &Share)
{
    return std::max(Share.Pct, 100.0 / double(sysconf(_SC_CLK_TCK)) / Share.Seconds);
}

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
        State.counters["ratio"] = yardstick.Pct / Seen(game);
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

// The title page in Language, then the floor under it: a bare Qt window that
// fills and repaints a whole picture each tick.
void BM_TitleAgainstFloor(benchmark::State &State, const TBenchLanguage &Language)
{
    if (!CatalogAtHand(State, Language))
        return;
    QTemporaryDir dir;
    const QString work = MakeWorkDir(dir, false);
    for (auto _ : State) {
        const TShare game =
            MeasureRunning(StartProgram(VANTIK_BINARY, work, nullptr, "", &Language), ShareWindow);
        const TShare floor = MeasureRunning(
            StartProgram(VANTIK_QT_FLOOR_BINARY, work, "image", "", &Language), ShareWindow);
        if (game.Pct < 0 || floor.Pct < 0) {
            State.SkipWithError("the game or the bare Qt window could not be started or measured");
            return;
        }
        State.SetIterationTime(game.Seconds + floor.Seconds);
        State.counters["cpu_pct"] = game.Pct;
        State.counters["rss_MiB"] = game.RssMiB;
        State.counters["floor_cpu_pct"] = floor.Pct;
        State.counters["floor_ratio"] = game.Pct / Seen(floor);
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

// The rolling dice with the speed devices named in Without switched off, in
// Language where one is named, then its floor (a bare Qt window that sets a
// digit on a label each tick) where asked.
void MeasureDice(benchmark::State &State, const char *Without,
                 const TBenchLanguage *Language = nullptr, bool AgainstFloor = false)
{
    if (Language && !CatalogAtHand(State, *Language))
        return;
    QTemporaryDir dir;
    const QString work = MakeWorkDir(dir, true);
    for (auto _ : State) {
        int gapPipe = -1;
        const pid_t pid = SpawnWithPipe(work, gapPipe, [Without, Language](int WriteEnd) {
            GapPipe = WriteEnd;
            SwitchOff(Without);
            SpeakLanguage(Language);
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
        State.counters["cpu_pct"] = share.Pct;
        State.counters["rss_MiB"] = share.RssMiB;
        State.counters["ticks"] = double(gaps.size() + 1);
        State.counters["gap_min_ms"] = gaps.front();
        State.counters["gap_median_ms"] = Percentile(gaps, 0.5);
        State.counters["gap_p95_ms"] = Percentile(gaps, 0.95);
        State.counters["gap_max_ms"] = gaps.back();
        State.counters["gaps_over_51"] =
            double(gaps.end() - std::upper_bound(gaps.begin(), gaps.end(), 51u));
        const TShare floor =
            AgainstFloor
                ? MeasureRunning(StartProgram(VANTIK_QT_FLOOR_BINARY, work, "label", "", Language),
                                 ShareWindow)
                : TShare{0, 0, 0};
        if (floor.Pct < 0) {
            State.SkipWithError("the bare Qt window could not be started or measured");
            return;
        }
        State.SetIterationTime(share.Seconds + floor.Seconds);
        if (!AgainstFloor)
            continue;
        State.counters["floor_cpu_pct"] = floor.Pct;
        State.counters["floor_ratio"] = share.Pct / Seen(floor);
    }
}

void BM_DiceAgainstFloor(benchmark::State &State, const TBenchLanguage &Language)
{
    MeasureDice(State, "", &Language, true);
}

void BM_DiceRolling(benchmark::State &State)
{
    MeasureDice(State, "");
}

void BM_DiceRollingWithout(benchmark::State &State, const char *Device)
{
    MeasureDice(State, Device);
}

// Reads Size bytes from Fd into Data, waiting at most Limit for them.
bool ReadWithin(int Fd, void *Data, size_t Size, Clock::duration Limit)
{
    const auto end = Clock::now() + Limit;
    auto *at = static_cast<char *>(Data);
    while (Size > 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        pollfd wait{Fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&wait, 1, int(left.count())) != 1)
            return false;
        const ssize_t got = read(Fd, at, Size);
        if (got <= 0)
            return false;
        at += got;
        Size -= size_t(got);
    }
    return true;
}

// Milliseconds from the exec of Program (with Argument) in Language to its
// first painted frame, as it reports it through VANTIK_FIRST_FRAME_FD; -1
// when it could not be timed.
double TimeToFirstFrame(const char *Program, const QString &WorkDir, const char *Argument,
                        const TBenchLanguage &Language)
{
    int timePipe = -1;
    const pid_t pid = SpawnWithPipe(WorkDir, timePipe, [&](int WriteEnd) {
        SpeakLanguage(&Language);
        setenv("VANTIK_FIRST_FRAME_FD", std::to_string(WriteEnd).c_str(), 1);
        const int64_t start = Clock::now().time_since_epoch().count();
        if (write(WriteEnd, &start, sizeof start) != sizeof start)
            _exit(1);
        execl(Program, "vantik", Argument, static_cast<char *>(nullptr));
    });
    int64_t moments[2] = {0, 0};
    const bool timed =
        pid > 0 && ReadWithin(timePipe, moments, sizeof moments, std::chrono::seconds(20));
    StopProcess(pid);
    if (timePipe >= 0)
        close(timePipe);
    return timed ? double(Clock::duration(moments[1] - moments[0]).count()) * Clock::period::num /
                       Clock::period::den * 1000.0
                 : -1;
}

double Median(std::vector<double> Values)
{
    std::sort(Values.begin(), Values.end());
    return Values.empty() ? -1 : Values[Values.size() / 2];
}

// Start-up in Language: the game from exec to its first title frame painted,
// and its floor, a bare Qt window from exec to its first frame painted, one
// after the other, each started afresh this many times.
constexpr int StartupRuns = 10;
void BM_StartupToFirstFrame(benchmark::State &State, const TBenchLanguage &Language)
{
    if (!CatalogAtHand(State, Language))
        return;
    QTemporaryDir dir;
    const QString work = MakeWorkDir(dir, false);
    std::vector<double> game, floor;
    for (auto _ : State) {
        for (int run = 0; run < StartupRuns; ++run) {
            floor.push_back(TimeToFirstFrame(VANTIK_QT_FLOOR_BINARY, work, "first", Language));
            game.push_back(TimeToFirstFrame(VANTIK_BINARY, work, nullptr, Language));
            if (floor.back() < 0 || game.back() < 0) {
                State.SkipWithError("the game or the bare Qt window could not be timed");
                return;
            }
        }
        State.SetIterationTime(Median(game) / 1000.0);
    }
    // The game's first title frame comes 50 ms into its loop, as the title
    // timer's rule says.
    const double limit = 1.5 * Median(floor) + 50;
    State.counters["first_frame_ms"] = Median(game);
    State.counters["floor_ms"] = Median(floor);
    State.counters["limit_ms"] = limit;
    State.counters["limit_ratio"] = Median(game) / limit;
}

} // namespace

#define VANTIK_ONCE_IN_SECONDS(Benchmark)                                                          \
    Benchmark->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1)
#define VANTIK_IN_EACH_LANGUAGE(Function, TimeUnit)                                                \
    BENCHMARK_CAPTURE(Function, ja, Japanese)->UseManualTime()->Unit(TimeUnit)->Iterations(1);     \
    BENCHMARK_CAPTURE(Function, en, English)->UseManualTime()->Unit(TimeUnit)->Iterations(1);      \
    BENCHMARK_CAPTURE(Function, zh_CN, Chinese)->UseManualTime()->Unit(TimeUnit)->Iterations(1);   \
    BENCHMARK_CAPTURE(Function, ar, Arabic)->UseManualTime()->Unit(TimeUnit)->Iterations(1)
VANTIK_IN_EACH_LANGUAGE(BM_StartupToFirstFrame, benchmark::kMillisecond);
VANTIK_IN_EACH_LANGUAGE(BM_TitleAgainstFloor, benchmark::kSecond);
VANTIK_IN_EACH_LANGUAGE(BM_DiceAgainstFloor, benchmark::kSecond);
BENCHMARK(BM_CpuShareTitlePage)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);
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
