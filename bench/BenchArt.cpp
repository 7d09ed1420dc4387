// Timings of the artwork: one title frame (drawn every 50 ms while the title
// page shows) and the backdrop built at start-up. Both run against the real
// window on the offscreen platform, so the copies onto its controls count too.
#include "LumeTimer.h"
#include "UnitBmp.h"
#include "UnitForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

// The window as the program builds it; its deferred start of the main loop
// never runs here, so only the benchmarked procedures draw.
std::unique_ptr<TFormMain> OpenWindow()
{
    TLumeTimer::SetManualPasses(true);
    return std::make_unique<TFormMain>();
}

void BM_TitleFrame(benchmark::State &State)
{
    const auto window = OpenWindow();
    TitleFrameCount = 0;
    for (auto _ : State)
        TitleFrame();
    benchmark::DoNotOptimize(TitleSurface->Rows[350][499]);
}
BENCHMARK(BM_TitleFrame)->Unit(benchmark::kMicrosecond);

// The same frame without a window: the drawing alone, no copy to the screen.
void BM_TitleFrameDrawingOnly(benchmark::State &State)
{
    CreateSurfaces();
    TitleFrameCount = 0;
    for (auto _ : State)
        TitleFrame();
    benchmark::DoNotOptimize(TitleSurface->Rows[350][499]);
    FreeSurfaces();
}
BENCHMARK(BM_TitleFrameDrawingOnly)->Unit(benchmark::kMicrosecond);

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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
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
