// The real Iconsmith window (offscreen) on a web root with 100,000 pages: the fill with the
// longest pause between two rounds of event processing, one header-click sort, "&Alle auswählen"
// plus "Auswahl als &Markierung übernehmen", and opening the icon picker.
//
//   bench_window [--benchmark_...]      (the page tree is built once in a temporary folder)
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "iconsmith/app/form1.h"
#include "iconsmith/app/sel_icon_dialog.h"
#include "iconsmith/engine/iconsmith_identity.h"
#include "shared/general/program_identity.h"
#include "shared/services/log_file.h"
#include "shared/widgets/qt_clock.h"
#include "shared/widgets/qt_event_pump.h"
#include "tests/support/fake_dialogs.h"
#include "tests/support/fake_settings_store.h"
#include "tests/support/fake_shell.h"

namespace {

constexpr int kFolders = 1000;
constexpr int kPagesPerFolder = 100;

class FixedFolder final : public Module1::FolderChooser {
  public:
    std::string folder;
    std::string BrowseForFolder(const std::string&) override { return folder; }
};

// 100,000 small pages in 1,000 folders, built once per run.
const std::string& BigSite() {
    static QTemporaryDir temp;
    static std::string root;
    if (root.empty()) {
        root = temp.path().toStdString() + "/site";
        for (int folder = 0; folder < kFolders; ++folder) {
            const std::string dir =
                root + "/bereich" + std::to_string(folder / 50) + "/teil" + std::to_string(folder);
            std::filesystem::create_directories(dir);
            for (int page = 0; page < kPagesPerFolder; ++page)
                std::ofstream(dir + "/seite" + std::to_string(page) + ".htm")
                    << "<html><head><title>Seite</title></head><body></body></html>\n";
        }
    }
    return root;
}

struct Window {
    Window() {
        chooser.folder = BigSite();
        // The backup warning was already confirmed for this version.
        settings.setValue("Corvale Software", "Iconsmith", "ShowOnceWarning", "2.1.202");
        RARUVOVOVA::UseLogPath(logDir.path().toStdString() + "/Application.log");
        form = std::make_unique<Form1>(Form1Services{dialogs, shell, settings, clock, pump, chooser,
                                                     logDir.path().toStdString(), [](bool) {}});
        form->Load();
        QCoreApplication::processEvents();
    }
    QPushButton* btn(int index) const {
        return form->findChild<QPushButton*>(QStringLiteral("Btn[%1]").arg(index));
    }
    void fill() { btn(4)->click(); }

    QTemporaryDir logDir;
    testsupport::FakeDialogs dialogs;
    testsupport::FakeShell shell;
    testsupport::FakeSettingsStore settings;
    platform::QtClock clock;
    platform::QtEventPump pump;
    FixedFolder chooser;
    std::unique_ptr<Form1> form;
};

void BM_FillWith100000Pages(benchmark::State& state) {
    BigSite();
    Window window;
    double maxGapMs = 0;
    for (auto _ : state) {
        window.btn(0)->click();  // every fill starts from an empty list
        // A timer that fires whenever events are processed; its longest silence is the
        // longest time the window could not react.
        QElapsedTimer sinceLastTick;
        double longest = 0;
        QTimer ticker;
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longest = std::max(longest, double(sinceLastTick.nsecsElapsed()) / 1e6);
            sinceLastTick.restart();
        });
        ticker.start();
        sinceLastTick.start();
        window.fill();
        longest = std::max(longest, double(sinceLastTick.nsecsElapsed()) / 1e6);
        ticker.stop();
        maxGapMs = std::max(maxGapMs, longest);
        if (window.form->pageList().count() != kFolders * kPagesPerFolder)
            state.SkipWithError("the fill did not list every page");
    }
    state.counters["pages"] = window.form->pageList().count();
    state.counters["max_event_gap_ms"] = maxGapMs;
}
BENCHMARK(BM_FillWith100000Pages)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_HeaderClickSort(benchmark::State& state) {
    Window window;
    window.fill();
    auto* liste = window.form->findChild<QTreeView*>(QStringLiteral("Liste"));
    QHeaderView* header = liste->header();
    for (auto _ : state) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionPosition(0) + 10, header->height() / 2));
    }
    state.counters["pages"] = window.form->pageList().count();
}
BENCHMARK(BM_HeaderClickSort)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

void BM_SelectAllThenTakeOverAsTicks(benchmark::State& state) {
    Window window;
    window.fill();
    for (auto _ : state) {
        state.PauseTiming();
        window.btn(2)->click();  // "Auswahl &löschen", so every round selects anew
        state.ResumeTiming();
        window.btn(1)->click();
        window.btn(5)->click();
    }
    state.counters["pages"] = window.form->pageList().count();
}
BENCHMARK(BM_SelectAllThenTakeOverAsTicks)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->UseRealTime();

void BM_SelectAllInTheList(benchmark::State& state) {
    Window window;
    window.fill();
    auto* liste = window.form->findChild<QTreeView*>(QStringLiteral("Liste"));
    liste->setFocus();
    for (auto _ : state) {
        state.PauseTiming();
        liste->clearSelection();
        state.ResumeTiming();
        QTest::keyClick(liste, Qt::Key_A, Qt::ControlModifier);  // the user's Ctrl+A
    }
    if (!window.form->pageList().isSelected(window.form->pageList().count() - 1))
        state.SkipWithError("Ctrl+A did not reach the list's selection marks");
}
BENCHMARK(BM_SelectAllInTheList)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

void BM_OpenIconPicker(benchmark::State& state) {
    Window window;
    for (auto _ : state) {
        // Closes the picker as soon as it waits for the user: filled, shown, modal.
        QTimer::singleShot(0, window.form.get(), [&window] {
            if (auto* picker = window.form->findChild<SelIconDialog*>()) picker->reject();
        });
        window.btn(7)->click();
    }
}
BENCHMARK(BM_OpenIconPicker)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RARUVOVOVA2DIVFU::UseProgramIdentity(Module1::kIconsmith);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
