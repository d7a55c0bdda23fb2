// Filling the page list from a tree of 100,000 files in 1,000 folders, against `find ROOT -type f`
// on the same tree. The counter "x_find" is the fill's wall time divided by find's (goal: at most
// 2); "x_find_cpu" compares CPU time (user + system), which a busy machine disturbs less.
//
//   bench_scan [--tree DIR] [benchmark flags]
//
// Without --tree the tree is built in a temporary folder first and removed at the end.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "iconsmith/engine/engine_context.h"
#include "iconsmith/engine/web_file_scanner.h"
#include "shared/platform/event_pump.h"
#include "tests/support/fake_clock.h"
#include "tests/support/fake_dialogs.h"

namespace {

std::string gTree;
double gFindSeconds = 0.0;
double gFindCpuSeconds = 0.0;

constexpr int kTopFolders = 10;
constexpr int kFoldersEach = 100;  // 10 x 100 = 1,000 folders with files
constexpr int kFilesEach = 100;    // 100,000 files

// Two of every five files are not pages (images, style sheets), as on a real site.
const char* const kNames[] = {".htm", ".html", ".gif", ".htm", ".css"};

void BuildTree(const std::string& root) {
    for (int top = 0; top < kTopFolders; ++top) {
        for (int folder = 0; folder < kFoldersEach; ++folder) {
            const std::string dir =
                root + "/bereich" + std::to_string(top) + "/thema" + std::to_string(folder);
            QDir().mkpath(QString::fromStdString(dir));
            for (int file = 0; file < kFilesEach; ++file) {
                std::ofstream(dir + "/datei" + std::to_string(file) + kNames[file % 5]) << "x";
            }
        }
    }
}

double CpuSeconds(int who) {
    rusage usage{};
    ::getrusage(who, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double SecondsOf(const std::string& command, double* cpuSeconds = nullptr) {
    const double cpuBefore = CpuSeconds(RUSAGE_CHILDREN);
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) std::abort();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (cpuSeconds != nullptr) *cpuSeconds = CpuSeconds(RUSAGE_CHILDREN) - cpuBefore;
    return wall;
}

std::string FindCommand() {
    return "find '" + gTree + "' -type f > /dev/null";
}

void BM_FindTypeF(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(SecondsOf(FindCommand()));
}
BENCHMARK(BM_FindTypeF)->UseManualTime()->Unit(benchmark::kMillisecond);

// The walk alone, without the list.
void BM_ListPages(benchmark::State& state) {
    platform::NoEventPump pump;
    std::vector<std::string> extensions = {".htm", ".html", ".shtml", ".asp"};
    for (auto _ : state) {
        auto listing = Module1::ListPages(gTree, extensions, pump);
        benchmark::DoNotOptimize(listing.pages.data());
        if (listing.failure) state.SkipWithError("walk failed");
    }
}
BENCHMARK(BM_ListPages)->Unit(benchmark::kMillisecond);

// What "&Pfad" does after the folder was chosen: walk, fill the model, sort, refresh the preview.
void BM_FillPageList(benchmark::State& state) {
    platform::NoEventPump pump;
    testsupport::FakeDialogs dialogs;
    testsupport::FakeClock clock;
    Module1::EngineView view;
    double seconds = 0.0;
    double cpuSeconds = 0.0;
    for (auto _ : state) {
        Module1::EngineState engineState;
        engineState.PageExtensions = {".htm", ".html", ".shtml", ".asp"};
        Module1::PageListModel list;
        Module1::EngineContext context{engineState, list, view, dialogs, pump, clock};
        const double cpuStart = CpuSeconds(RUSAGE_SELF);
        const auto start = std::chrono::steady_clock::now();
        const auto outcome = Module1::FillPageList(context, gTree);
        cpuSeconds += CpuSeconds(RUSAGE_SELF) - cpuStart;
        const double took =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(took);
        seconds += took;
        if (!outcome.completed || list.count() != kTopFolders * kFoldersEach * kFilesEach * 3 / 5)
            state.SkipWithError("fill incomplete");
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["x_find"] = seconds / iterations / gFindSeconds;
    state.counters["x_find_cpu"] = cpuSeconds / iterations / gFindCpuSeconds;
}
BENCHMARK(BM_FillPageList)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    std::unique_ptr<QTemporaryDir> temporary;
    if (const auto it = std::find_if(args.begin(), args.end(),
                                     [](const char* a) { return std::string(a) == "--tree"; });
        it != args.end() && it + 1 != args.end()) {
        gTree = *(it + 1);
        args.erase(it, it + 2);
    } else {
        temporary = std::make_unique<QTemporaryDir>();
        gTree = temporary->path().toStdString();
        std::fprintf(stderr, "Baue %d Dateien in %d Ordnern unter %s ...\n",
                     kTopFolders * kFoldersEach * kFilesEach, kTopFolders * kFoldersEach,
                     gTree.c_str());
        BuildTree(gTree);
    }
    // find's best of five (warm cache) is the yardstick for the counters.
    gFindSeconds = SecondsOf(FindCommand(), &gFindCpuSeconds);
    for (int i = 0; i < 4; ++i) {
        double cpu = 0.0;
        gFindSeconds = std::min(gFindSeconds, SecondsOf(FindCommand(), &cpu));
        gFindCpuSeconds = std::min(gFindCpuSeconds, cpu);
    }

    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
