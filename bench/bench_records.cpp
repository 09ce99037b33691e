// Writing the records at a round's end with 1,000 forests in the file: the
// whole RecordsStore::recordRound (folder, lock, a look at whether the file
// is still the one this game wrote, the merge, the atomic write with its
// fsync and rename), on a forest in the file, on a new forest (which drops
// the one played least recently), and after another game wrote the file (so
// it is read and checked again), each call one repetition so the median and
// 95th percentile come out of the repetitions. Beside each call, in the same
// repetition: the floor, an AtomicFile write of the same bytes (counters
// floor_ms and over_floor_ms). Then the reading of the file's text alone.
//
// The file lives in a fresh folder on the disk the build is on (not /tmp,
// which may be memory): build/bench/records-bench-XXXXXX, removed at the end.
// Run from anywhere: build/bench/bench_records
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>

#include "records/RecordsStore.h"
#include "records/RecordsText.h"
#include "storage/AtomicFile.h"

namespace fs = std::filesystem;

namespace {

const dusk::CalendarDate day{2026, 12, 8};

// 1,000 forests played in turn, most with a win and a best time.
dusk::Records thousandForests() {
    dusk::Records records;
    for (std::uint32_t i = 0; i < dusk::Records::maxForests; ++i) {
        dusk::RoundResult round;
        round.seed = 20260000 + i * 7919;
        round.won = i % 4 != 0;
        round.seconds = 60.0 + (i % 300) * 0.731;
        round.kidsFrightened = round.won ? 10 : static_cast<int>(i % 10);
        round.date = day;
        dusk::addRound(records, round);
    }
    return records;
}

class Bench {
public:
    Bench() {
        std::string pattern = (fs::path(DUSK_BENCH_DIR) / "records-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        folder_ = pattern;
        path_ = folder_ / "duskhollow" / "records.toml";
        fs::create_directories(path_.parent_path());
        const dusk::Records records = thousandForests();
        text_ = dusk::recordsText(records);
        dusk::AtomicFile file(path_);
        if (!file.write(text_) || !file.commit()) {
            std::abort();
        }
        store_.load(path_);
    }
    ~Bench() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    dusk::RecordsStore& store() { return store_; }
    const fs::path& path() const { return path_; }
    const std::string& text() const { return text_; }
    const fs::path& folder() const { return folder_; }

private:
    fs::path folder_;
    fs::path path_;
    std::string text_;
    dusk::RecordsStore store_;
};

Bench& bench() {
    static Bench theBench;
    return theBench;
}

double p95(const std::vector<double>& values) {
    std::vector<double> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    return sorted[static_cast<size_t>(0.95 * (sorted.size() - 1))];
}

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The floor: what any atomic write of the same bytes costs (the temporary
// file, its fsync, the rename and the folder's fsync).
double floorWriteMs() {
    const auto start = Clock::now();
    dusk::AtomicFile file(bench().folder() / "floor.toml");
    if (!file.write(bench().text()) || !file.commit()) {
        std::abort();
    }
    return msSince(start);
}

// One timed recordRound with the floor taken right beside it (before it in
// one repetition, after it in the next), so that both meet the same disk:
// the counter floor_ms and over_floor_ms get their median and p95 from the
// same repetitions as the time.
template <typename Round>
void pairedWithFloor(benchmark::State& state, Round round) {
    static int turn = 0;
    for (auto _ : state) {
        const bool floorFirst = turn++ % 2 == 0;
        const double before = floorFirst ? floorWriteMs() : 0.0;
        const auto start = Clock::now();
        if (!round().saved) {
            state.SkipWithError("not saved");
        }
        const double ms = msSince(start);
        const double floor = floorFirst ? before : floorWriteMs();
        state.SetIterationTime(ms / 1e3);
        state.counters["floor_ms"] = floor;
        state.counters["over_floor_ms"] = ms - floor;
    }
}

// A round on a forest of the file.
void BM_RecordRound(benchmark::State& state) {
    static std::uint32_t turn = 0;
    pairedWithFloor(state, [] {
        ++turn;
        const std::uint32_t seed = 20260000 + (turn * 37 % 1000) * 7919;
        return bench().store().recordRound(seed, dusk::DifficultyLevel::Standard, turn % 2,
                                           70.0 + turn % 50, 10, day);
    });
}

// A round on a new forest: the forest played least recently is dropped.
void BM_RecordRoundNewForest(benchmark::State& state) {
    static std::uint32_t turn = 0;
    pairedWithFloor(state, [] {
        return bench().store().recordRound(100 + turn++, dusk::DifficultyLevel::Standard, true,
                                           90.0, 10, day);
    });
    state.counters["forests"] = static_cast<double>(bench().store().records().forests.size());
}

// A round after another game wrote the file since this one did: the file is
// read and checked again before the merge (the other game's write is not
// timed: it comes before the floor and the round).
void BM_RecordRoundAfterAnotherGame(benchmark::State& state) {
    static dusk::RecordsStore other;
    static bool loaded = false;
    if (!loaded) {
        other.load(bench().path());
        loaded = true;
    }
    static std::uint32_t turn = 0;
    const std::uint32_t seed = 20260000 + (turn++ * 53 % 1000) * 7919;
    other.recordRound(seed, dusk::DifficultyLevel::Standard, false, 1.0, 3, day);
    pairedWithFloor(state, [seed] {
        return bench().store().recordRound(seed, dusk::DifficultyLevel::Standard, true, 95.0, 10,
                                           day);
    });
}

// Reading and checking the file's text alone (no disk).
void BM_ReadRecordsText(benchmark::State& state) {
    for (auto _ : state) {
        const dusk::RecordsReading reading =
            dusk::readRecordsText(bench().text(), "records.toml", day);
        benchmark::DoNotOptimize(reading.records.forests.data());
    }
}

void stat(benchmark::internal::Benchmark* b) {
    b->Iterations(1)
        ->Repetitions(200)
        ->ComputeStatistics("p95", p95)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    stat(benchmark::RegisterBenchmark("BM_RecordRound", BM_RecordRound)->UseManualTime());
    stat(benchmark::RegisterBenchmark("BM_RecordRoundNewForest", BM_RecordRoundNewForest)
             ->UseManualTime());
    stat(benchmark::RegisterBenchmark("BM_RecordRoundAfterAnotherGame",
                                      BM_RecordRoundAfterAnotherGame)
             ->UseManualTime());
    stat(benchmark::RegisterBenchmark("BM_ReadRecordsText", BM_ReadRecordsText));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
