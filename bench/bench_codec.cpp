// Receive-path and codec throughput: decoding a status frame, decoding and encoding a page.
#include "link/receiver.h"
#include "monitor/status_frame.h"
#include "pages/page_codec.h"

#include <benchmark/benchmark.h>

using namespace motiview;

namespace {

Unit sample(std::uint8_t b0, std::uint8_t b1) {
    Unit u{};
    for (std::size_t i = 0; i < u.size(); ++i) {
        u[i] = static_cast<std::uint8_t>(i * 37 + 11);
    }
    u[0] = b0;
    u[1] = b1;
    u[31] = kEndByte;
    return u;
}

void StatusDecode(benchmark::State& state) {
    const Unit u = sample(0xDF, 0xEF);
    for (auto _ : state) {
        benchmark::DoNotOptimize(decode_status(u, NumberFormat{}));
    }
}
BENCHMARK(StatusDecode);

void ReceiveUnit(benchmark::State& state) {
    const Unit u = sample(0xDF, 0xEF);
    LinkShared link;
    for (auto _ : state) {
        benchmark::DoNotOptimize(receive_unit(u, link));
    }
}
BENCHMARK(ReceiveUnit);

void PageRoundTrip(benchmark::State& state) {
    const PageSchema& page = page_schema(kAllPages[static_cast<std::size_t>(state.range(0))]);
    const PageCodes codes = page_codes(page.id);
    const Unit reply = sample(codes.group, codes.read);
    for (auto _ : state) {
        PageState s = design_state(page);
        decode_into(page, reply, s, NumberFormat{});
        benchmark::DoNotOptimize(encode(page, s, NumberFormat{}));
    }
}
BENCHMARK(PageRoundTrip)->DenseRange(0, 10);

} // namespace
