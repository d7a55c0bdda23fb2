// An entry store of 10,000 entries with 6 keys each (about 1 MB): reading every value one by one,
// the first read after a change (one parse), and writing one value (one parse + one replacement).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "shared/services/ini_access.h"
#include "shared/services/ini_file.h"

namespace {

constexpr int kEntries = 10000;
const std::vector<std::string> kKeys = {"Label", "ID", "Password", "Tabs", "URL", "Note"};

std::string section(int entry) {
    return "Eintrag" + std::to_string(entry);
}

// Writes the store once per process and names it as the remembered INI file.
const std::string& entryStore() {
    static QTemporaryDir dir;
    static const std::string path = [] {
        const std::string file = dir.path().toStdString() + "/Keyhand.ini";
        std::ofstream out(file, std::ios::binary);
        out << "; Keyhand-Eintr\xE4ge\r\n[Titel]\r\nMuster1=Anmelden\r\n";
        for (int entry = 1; entry <= kEntries; ++entry) {
            out << "[" << section(entry) << "]\r\n"
                << "Label=Bank " << entry << "\r\n"
                << "ID=user" << entry << "\r\n"
                << "Password=4A6F686E" << entry << "\r\n"
                << "Tabs=1\r\n"
                << "URL=www.example.com/" << entry << "\r\n"
                << "Note=Nr.\\N\\L" << entry << "\r\n";
        }
        return file;
    }();
    RARUVOVOVA::ReadIniValue("Titel", "Muster1", "", path);
    return path;
}

void BM_Read60000ValuesOneByOne(benchmark::State& state) {
    entryStore();
    size_t characters = 0;
    for (auto _ : state) {
        for (int entry = 1; entry <= kEntries; ++entry) {
            const std::string name = section(entry);
            for (const auto& key : kKeys) {
                characters += RARUVOVOVA::ReadIniValue(name, key, "", "").size();
            }
        }
    }
    benchmark::DoNotOptimize(characters);
    state.counters["per_read"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kEntries * static_cast<double>(kKeys.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Read60000ValuesOneByOne)->Unit(benchmark::kMillisecond);

void BM_FirstReadAfterAChange(benchmark::State& state) {
    entryStore();
    for (auto _ : state) {
        RARUVOVOVA::ForgetCachedIniFiles();
        benchmark::DoNotOptimize(RARUVOVOVA::ReadIniValue(section(kEntries), "Note", "", ""));
    }
}
BENCHMARK(BM_FirstReadAfterAChange)->Unit(benchmark::kMillisecond);

void BM_WriteOneValue(benchmark::State& state) {
    const std::string& path = entryStore();
    int round = 0;
    for (auto _ : state) {
        // The value changes every time, so every write really replaces the file.
        RARUVOVOVA::WriteIniValue(section(kEntries / 2), "Tabs", std::to_string(++round % 10), "");
    }
    state.SetLabel(std::to_string(std::filesystem::file_size(path) / 1000) + " kB");
}
BENCHMARK(BM_WriteOneValue)->Unit(benchmark::kMillisecond);

// A write followed by a read of another value: the read pays the one parse of the new file.
void BM_WriteThenRead(benchmark::State& state) {
    entryStore();
    int round = 0;
    for (auto _ : state) {
        RARUVOVOVA::WriteIniValue(section(kEntries / 2), "Tabs", std::to_string(++round % 10), "");
        benchmark::DoNotOptimize(RARUVOVOVA::ReadIniValue(section(1), "ID", "", ""));
    }
}
BENCHMARK(BM_WriteThenRead)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
