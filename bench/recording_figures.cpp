// Opening an hour's recording (36,000 rows at ten a second): reading the CSV back into frames,
// and filling the plot's store from them with the markers rebuilt.
#include "monitor/recording_file.h"
#include "monitor/status_layout.h"
#include "monitor/status_record.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <string>

using namespace motiview;

namespace {

constexpr std::size_t kHourRows = 36000;

// Moving values and now and then a fault and a state change, as a drive on the bench records.
std::string hour_of_rows() {
    std::mt19937 rng(7);
    std::string text = record_header() + "\n";
    Unit u{};
    u[0] = 0xDF;
    u[1] = 0xEF;
    u[31] = kEndByte;
    for (std::size_t i = 0; i < kHourRows; ++i) {
        StatusValues v;
        for (const StatusRow& r : kStatusLayout) {
            v.set(r.field, std::uniform_int_distribution<std::int32_t>(width_min(r.width),
                                                                       width_max(r.width))(rng));
        }
        v.set(StatusField::State, i % 600 < 500 ? 3 : 6);
        v.set(StatusField::CurrentFaults, i % 600 < 500 ? 0 : 0x0004);
        write_status(v, u);
        text += record_row(u, "2024-06-11T08:00:00.000+02:00", static_cast<long long>(i * 100));
        text += '\n';
    }
    return text;
}

const std::string& hour() {
    static const std::string text = hour_of_rows();
    return text;
}

void ReadHourRecording(benchmark::State& state) {
    const std::string& text = hour();
    for (auto _ : state) {
        const Result<Recording> r = read_recording(text);
        benchmark::DoNotOptimize(r.value().rows.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["rows"] = static_cast<double>(kHourRows);
}
BENCHMARK(ReadHourRecording)->Unit(benchmark::kMillisecond);

void StoreOfHourRecording(benchmark::State& state) {
    const Result<Recording> r = read_recording(hour());
    for (auto _ : state) {
        const SampleStore store = sample_store_of(r.value());
        benchmark::DoNotOptimize(store.size());
    }
    state.counters["events"] = static_cast<double>(sample_store_of(r.value()).events().size());
}
BENCHMARK(StoreOfHourRecording)->Unit(benchmark::kMillisecond);

} // namespace
