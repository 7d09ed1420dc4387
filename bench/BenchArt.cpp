// SPDX-FileCopyrightText: 2026 The Vantik developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Timings of the artwork: one title frame (drawn every 51 ms while the title
// page shows), split into its drawing, its copy to the paint box and the
// paint box's repaint on the window, and the backdrop built at start-up. They
// run against the real window, on the display of the environment (Xvfb in
// scripts/bench.sh) or offscreen when there is none. The frame figures are
// medians and 95th percentiles of single frames.
#include "LumeTimer.h"
#include "UnitBattle.h"
#include "UnitBattler.h"
#include "UnitBmp.h"
#include "UnitCommon.h"
#include "UnitForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// The window as the program builds it; its deferred start of the main loop
// never runs here, so only the benchmarked procedures draw.
std::unique_ptr<TFormMain> OpenWindow()
{
    TLumeTimer::SetManualPasses(true);
    auto window = std::make_unique<TFormMain>();
    window->show();
    QApplication::processEvents();
    return window;
}

// Times each run of Frame on its own, after an untimed Prepare, and reports
// the median and the 95th percentile of them, in microseconds.
template <typename TFrame, typename TPrepare = void (*)()>
void TimeFrames(
    benchmark::State &State, TFrame Frame, TPrepare Prepare = [] {})
{
    std::vector<double> times;
    for (auto _ : State) {
        Prepare();
        const auto start = std::chrono::steady_clock::now();
        Frame();
        const auto end = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(end - start).count();
        State.SetIterationTime(seconds);
        times.push_back(seconds * 1e6);
    }
    std::sort(times.begin(), times.end());
    if (times.empty())
        return;
    State.counters["median_us"] = times[times.size() / 2];
    State.counters["p95_us"] = times[std::min(times.size() - 1, times.size() * 95 / 100)];
}

// A whole frame as the title timer runs it: drawing and the copy to the paint box.
void BM_TitleFrame(benchmark::State &State)
{
    const auto window = OpenWindow();
    TitleFrameCount = 0;
    TimeFrames(State, [] { TitleFrame(); });
    benchmark::DoNotOptimize(TitleSurface->Rows[350][499]);
}
BENCHMARK(BM_TitleFrame)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The same frame's drawing alone, without its copy to the screen.
void BM_TitleFrameDrawingOnly(benchmark::State &State)
{
    const auto window = OpenWindow();
    TitleFrameCount = 0;
    TimeFrames(State, [] { DrawTitleFrame(TitleFrameCount++); });
    benchmark::DoNotOptimize(TitleSurface->Rows[350][499]);
}
BENCHMARK(BM_TitleFrameDrawingOnly)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The copy of each newly drawn frame onto the paint box alone: what changed
// since the frame before.
void BM_TitleFrameCopyOnly(benchmark::State &State)
{
    const auto window = OpenWindow();
    TitleFrameCount = 0;
    TitleFrame();
    TimeFrames(
        State, [] { CopyToPaintBox(*TitleSurface, *FormMain->PntTitle); },
        [] { DrawTitleFrame(TitleFrameCount++); });
}
BENCHMARK(BM_TitleFrameCopyOnly)->UseManualTime()->Unit(benchmark::kMicrosecond);

// What the window does with a copied frame: the paint box's paint event
// into the window's backing store and the flush to the display, for what
// the frame changed.
void BM_TitleFrameRepaintOnly(benchmark::State &State)
{
    const auto window = OpenWindow();
    TitleFrame();
    QApplication::processEvents();
    TimeFrames(
        State, [] { QCoreApplication::sendPostedEvents(FormMain, QEvent::UpdateRequest); },
        [] { TitleFrame(); });
}
BENCHMARK(BM_TitleFrameRepaintOnly)->UseManualTime()->Unit(benchmark::kMicrosecond);

// One tick of the rolling dice as the window shows it: the new number and
// the burst roll, then the repaint of what changed and its flush to the display.
void BM_DiceTick(benchmark::State &State)
{
    const auto window = OpenWindow();
    NewPlayer();
    ChangeScene(TScene::Main);
    Encounter(TBattleKind::Normal);
    PlayerTurn();
    PlayerAttack();
    QApplication::processEvents();
    TimeFrames(State, [] {
        DiceTick();
        QApplication::processEvents();
    });
    DicePrologue();
}
BENCHMARK(BM_DiceTick)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_BuildBackdrop(benchmark::State &State)
{
    const auto window = OpenWindow();
    for (auto _ : State)
        BuildBackdrop();
    benchmark::DoNotOptimize(BackdropSurface->Rows[300][100]);
}
BENCHMARK(BM_BuildBackdrop)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.multimedia*=false");
    QApplication app(argc, argv);

    // The game reads dat/ from its working folder.
    QTemporaryDir work;
    if (!work.isValid() || !QFile::link(QStringLiteral(VANTIK_DAT_DIR), work.filePath("dat")) ||
        !QDir::setCurrent(work.path())) {
        std::fprintf(stderr, "vantik_bench: cannot prepare a working folder with dat/\n");
        return 1;
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
