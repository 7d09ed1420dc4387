// Whole-program figures: time from process start to the first title frame,
// the processor share of the running game on the title page and on an idle
// main page, and its resident memory at rest. The game runs as a child
// process on the display of the environment (Xvfb in CI), or offscreen when
// there is none.
#include "LumeTimer.h"
#include "UnitBattler.h"
#include "UnitBmp.h"
#include "UnitCommon.h"
#include "UnitForm.h"
#include "UnitSaveLoad.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

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

pid_t StartGame(const QString &WorkDir)
{
    ChooseDisplay();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(WorkDir.toLocal8Bit().constData()) != 0)
            _exit(126);
        execl(VANTIK_BINARY, "vantik", static_cast<char *>(nullptr));
        _exit(127);
    }
    return pid;
}

void StopGame(pid_t Pid)
{
    // kill() with -1 would signal every process of the user, and 0 the
    // whole process group: only a real child is ever signalled.
    if (Pid < 1)
        return;
    kill(Pid, SIGTERM);
    waitpid(Pid, nullptr, 0);
}

// User plus system clock ticks of a process so far.
long CpuTicks(pid_t Pid)
{
    std::ifstream in("/proc/" + std::to_string(Pid) + "/stat");
    std::string line;
    std::getline(in, line);
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

// Processor share of one core, in percent, over a few seconds of the game at rest.
void MeasureShare(benchmark::State &State, bool MainPage)
{
    QTemporaryDir dir;
    const QString work = MakeWorkDir(dir, MainPage);
    double share = 0, rss = 0;
    for (auto _ : State) {
        const pid_t pid = StartGame(work);
        if (pid < 1) {
            State.SkipWithError("fork");
            return;
        }
        std::this_thread::sleep_for(std::chrono::seconds(2)); // start-up is not at rest
        const long ticks0 = CpuTicks(pid);
        const auto t0 = Clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(15));
        const long ticks1 = CpuTicks(pid);
        const double seconds = std::chrono::duration<double>(Clock::now() - t0).count();
        rss = ResidentKiB(pid) / 1024.0;
        StopGame(pid);
        share = 100.0 * (ticks1 - ticks0) / sysconf(_SC_CLK_TCK) / seconds;
        State.SetIterationTime(seconds);
    }
    State.counters["cpu_pct"] = share;
    State.counters["rss_MiB"] = rss;
}

void BM_CpuShareTitlePage(benchmark::State &State) { MeasureShare(State, false); }
void BM_CpuShareIdleMainPage(benchmark::State &State) { MeasureShare(State, true); }

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
        int fds[2];
        if (pipe(fds) != 0) {
            State.SkipWithError("pipe");
            return;
        }
        ChooseDisplay();
        const pid_t pid = fork();
        if (pid < 0) {
            close(fds[0]);
            close(fds[1]);
            State.SkipWithError("fork");
            return;
        }
        if (pid == 0) {
            close(fds[0]);
            const auto start = Clock::now();
            if (chdir(work.toLocal8Bit().constData()) != 0)
                _exit(1);
            int argc = 1;
            char name[] = "vantik";
            char *argv[] = {name, nullptr};
            QApplication app(argc, argv);
            auto *form = new TFormMain();
            form->show();
            Scheduler->AddTimer(&FirstFrameProbe, 1, "PROBE");
            QApplication::exec();
            const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            if (write(fds[1], &elapsed, sizeof elapsed) != sizeof elapsed)
                _exit(1);
            _exit(0);
        }
        close(fds[1]);
        double elapsed = -1;
        if (read(fds[0], &elapsed, sizeof elapsed) != sizeof elapsed)
            elapsed = -1;
        close(fds[0]);
        waitpid(pid, nullptr, 0);
        total += elapsed;
        ++runs;
        State.SetIterationTime(elapsed / 1000.0);
    }
    State.counters["first_frame_ms"] = runs ? total / runs : -1;
}

} // namespace

BENCHMARK(BM_StartupToFirstTitleFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_CpuShareTitlePage)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_CpuShareIdleMainPage)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

BENCHMARK_MAIN();
