// However the line cuts the byte stream into chunks, the same units reach the receiver and
// the same actions come out.
#include "link/receiver.h"
#include "link/unit_assembler.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace motiview;

namespace {

Unit unit(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2 = 0, std::uint8_t end = kEndByte) {
    Unit u{};
    u[0] = b0;
    u[1] = b1;
    u[2] = b2;
    u[3] = 'N';
    u[31] = end;
    return u;
}

// A session's worth of controller output, with a broken unit in the middle.
std::vector<std::uint8_t> sample_stream() {
    std::vector<Unit> units = {unit(0xDF, 0xEF), unit(0xF1, 0xE1, 0xA2), unit(0xF0, 0xE0),
                               unit(0xF0, 0xE1), unit(0x11, 0x22),       unit(0xF6, 0xE6, 0, 0),
                               unit(0xFF, 0xFD), unit(0xFF, 0xFC),       unit(0xFF, 0xFE),
                               unit(0xFB, 0xEC), unit(0xDF, 0xEF)};
    std::vector<std::uint8_t> bytes;
    for (const Unit& u : units) {
        bytes.insert(bytes.end(), u.begin(), u.end());
    }
    bytes.insert(bytes.end(), {0xDF, 0xEF, 0x01}); // a partial unit stays waiting
    return bytes;
}

std::string describe(const Action& a) {
    return std::to_string(static_cast<int>(a.type)) + "/" +
           std::to_string(static_cast<int>(a.kind)) + "/" +
           (a.page ? std::to_string(static_cast<int>(*a.page)) : "-") + "/" + a.text + "/" +
           a.hallText;
}

std::vector<std::string> run(const std::vector<std::uint8_t>& bytes,
                             const std::vector<std::size_t>& chunks, std::size_t& left) {
    UnitAssembler assembler;
    LinkShared link;
    link.state = LinkState::Connecting;
    std::vector<std::string> actions;
    std::size_t at = 0;
    for (std::size_t i = 0; at < bytes.size(); ++i) {
        const std::size_t n = std::min(chunks[i % chunks.size()], bytes.size() - at);
        (void)assembler.feed(std::span(bytes).subspan(at, n));
        at += n;
        while (const auto u = assembler.next()) {
            actions.push_back(describe(receive_unit(*u, link)));
        }
    }
    left = assembler.waiting();
    return actions;
}

TEST(ReceiveStream, ChunkingDoesNotChangeTheActions) {
    const auto bytes = sample_stream();
    std::size_t leftWhole = 0;
    const auto whole = run(bytes, {bytes.size()}, leftWhole);
    ASSERT_EQ(whole.size(), 11U);
    EXPECT_EQ(leftWhole, 3U);

    std::mt19937 rng(7);
    std::vector<std::size_t> randomChunks;
    for (int i = 0; i < 200; ++i) {
        randomChunks.push_back(std::uniform_int_distribution<std::size_t>(1, 70)(rng));
    }
    for (const auto& chunks : {std::vector<std::size_t>{1}, std::vector<std::size_t>{7},
                               std::vector<std::size_t>{31, 33}, randomChunks}) {
        std::size_t left = 0;
        EXPECT_EQ(run(bytes, chunks, left), whole);
        EXPECT_EQ(left, 3U);
    }
}

TEST(ReceiveStream, InputBufferIsBoundedAndDiscardDropsAtMostAsked) {
    UnitAssembler assembler;
    const std::vector<std::uint8_t> flood(5000, 0xAA);
    EXPECT_EQ(assembler.feed(flood), 5000U - UnitAssembler::kInputBufferSize);
    EXPECT_EQ(assembler.waiting(), UnitAssembler::kInputBufferSize);
    EXPECT_EQ(assembler.discard(32), 32U);
    EXPECT_EQ(assembler.waiting(), UnitAssembler::kInputBufferSize - 32);
    assembler.clear();
    (void)assembler.feed(std::vector<std::uint8_t>(10, 1));
    EXPECT_EQ(assembler.discard(32), 10U);
    EXPECT_FALSE(assembler.next().has_value());
}

} // namespace
