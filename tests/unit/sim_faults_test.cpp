// The simulator's failure modes, driven by time as a plain number.
#include "faults.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace motiview;
using namespace motiview::sim;

namespace {

Options options(std::vector<std::string_view> args) {
    auto o = parse_options(args);
    EXPECT_TRUE(o.ok());
    return o.ok() ? o.value() : Options{};
}

// Which of the polls at 1 s, 2 s, ... are answered.
std::vector<bool> answered(FaultInjector& f, int polls) {
    std::vector<bool> out;
    for (int i = 1; i <= polls; ++i) {
        out.push_back(f.on_status_request(i));
    }
    return out;
}

TEST(SimFaults, SilentAfterNStatusRequests) {
    const Options o = options({"--silent-after", "3"});
    FaultInjector f(o);
    EXPECT_EQ(answered(f, 8),
              (std::vector<bool>{true, true, true, false, false, false, false, false}));
    EXPECT_TRUE(f.silent(100.0));
}

TEST(SimFaults, ResumesSecondsAfterGoingSilent) {
    const Options o = options({"--silent-after", "2", "--resume-after", "3.5"});
    FaultInjector f(o);
    // Silent from the 3rd poll (t = 3) until t = 6.5; then for good.
    EXPECT_EQ(answered(f, 10),
              (std::vector<bool>{true, true, false, false, false, false, true, true, true, true}));
    EXPECT_FALSE(f.silent(50.0));
}

TEST(SimFaults, SilentFromTheStartWithZero) {
    const Options o = options({"--silent-after", "0", "--resume-after", "2"});
    FaultInjector f(o);
    EXPECT_TRUE(f.silent(0.5));
    EXPECT_EQ(answered(f, 3), (std::vector<bool>{false, true, true}));
}

TEST(SimFaults, DropEveryNthAnswer) {
    const Options o = options({"--drop-every", "3"});
    FaultInjector f(o);
    std::vector<bool> dropped;
    for (int i = 0; i < 7; ++i) {
        dropped.push_back(f.plan_answer(false).drop);
    }
    EXPECT_EQ(dropped, (std::vector<bool>{false, false, true, false, false, true, false}));
}

TEST(SimFaults, NoiseOnceOrEveryNthAnswer) {
    struct Case {
        std::vector<std::string_view> args;
        std::vector<unsigned> noise;
    };
    const std::vector<Case> cases = {
        {{"--noise-bytes", "7"}, {7, 0, 0, 0, 0, 0}},
        {{"--noise-bytes", "4", "--noise-every", "2"}, {0, 4, 0, 4, 0, 4}},
        {{}, {0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        const Options o = options(c.args);
        FaultInjector f(o);
        std::vector<unsigned> noise;
        for (std::size_t i = 0; i < c.noise.size(); ++i) {
            noise.push_back(f.plan_answer(false).noiseBytes);
        }
        EXPECT_EQ(noise, c.noise);
    }
}

TEST(SimFaults, BadEndOnceHitsTheNextParameterReplyOnly) {
    const Options o = options({"--bad-end-once"});
    FaultInjector f(o);
    EXPECT_FALSE(f.plan_answer(false).breakEnd); // a status answer
    EXPECT_TRUE(f.plan_answer(true).breakEnd);
    EXPECT_FALSE(f.plan_answer(true).breakEnd);
}

TEST(SimFaults, HangUpCountsFromTheFirstStatusRequest) {
    const Options o = options({"--hangup-after", "3", "--reappear-after", "2"});
    FaultInjector f(o);
    EXPECT_FALSE(f.hangup_due(100.0)); // nobody connected yet
    ASSERT_TRUE(f.on_status_request(10.0));
    EXPECT_FALSE(f.hangup_due(12.9));
    EXPECT_EQ(f.next_deadline(), 13.0);
    EXPECT_TRUE(f.hangup_due(13.0));
    f.hung_up(13.0);
    EXPECT_FALSE(f.hangup_due(14.0)); // once
    EXPECT_FALSE(f.exit_after_hangup());
    EXPECT_FALSE(f.reappear_due(14.9));
    EXPECT_TRUE(f.reappear_due(15.0));
    f.reappeared();
    EXPECT_FALSE(f.reappear_due(20.0));
    EXPECT_FALSE(f.hung());
}

TEST(SimFaults, HangUpWithoutReturnEndsTheRun) {
    const Options o = options({"--hangup-after", "1"});
    const FaultInjector f(o);
    EXPECT_TRUE(f.exit_after_hangup());
}

TEST(SimFaults, EachWriteFaultHitsItsOwnWriteOnce) {
    constexpr auto S = WriteFate::Stored;
    constexpr auto A = WriteFate::AckLost;
    constexpr auto L = WriteFate::Lost;
    constexpr auto H = WriteFate::HangUp;
    struct Case {
        std::vector<std::string_view> args;
        std::vector<WriteFate> fates; // of writes 1, 2, ...
    };
    const std::vector<Case> cases = {
        {{}, {S, S, S, S}},
        {{"--drop-ack", "2"}, {S, A, S, S}},
        {{"--drop-write", "1", "--drop-ack", "3"}, {L, S, A, S}},
        {{"--hangup-at-write", "4", "--drop-write", "2", "--reappear-after", "1"},
         {S, L, S, H, S, S}},
    };
    for (const Case& c : cases) {
        const Options o = options(c.args);
        FaultInjector f(o);
        // Status requests and answers in between count for nothing.
        ASSERT_TRUE(f.on_status_request(1.0));
        (void)f.plan_answer(true);
        std::vector<WriteFate> fates;
        for (std::size_t i = 0; i < c.fates.size(); ++i) {
            fates.push_back(f.on_write_request());
        }
        EXPECT_EQ(fates, c.fates) << (c.args.empty() ? "" : c.args[0]);
        EXPECT_EQ(f.write_requests(), c.fates.size());
    }
}

// Drives the queue as the loop does, every 1/8 s: the pushes due, then every piece due.
struct Piece {
    double at;
    std::size_t size;
    bool operator==(const Piece&) const = default;
};
std::vector<Piece> pieces(PieceQueue& q, const std::vector<std::pair<double, Bytes>>& pushes,
                          Bytes& out) {
    std::vector<Piece> got;
    std::size_t next = 0;
    for (double t = 0; t <= 10; t += 0.125) {
        for (; next < pushes.size() && pushes[next].first <= t; ++next) {
            q.push(pushes[next].second);
        }
        while (const auto p = q.take_due(t)) {
            got.push_back({t, p->size()});
            out.insert(out.end(), p->begin(), p->end());
        }
        // What is left waits for a moment still to come: the loop never spins on it.
        if (q.size() > 0) {
            EXPECT_GT(q.next_due().value_or(0), t);
        } else {
            EXPECT_FALSE(q.next_due().has_value());
        }
    }
    return got;
}

TEST(SimFaults, OutputGoesInPiecesWithAGap) {
    const Bytes frame = noise_bytes(32, 7);
    const Bytes noise = noise_bytes(3, 8);
    struct Case {
        unsigned size;
        double gap;
        std::vector<std::pair<double, Bytes>> pushes;
        std::vector<Piece> pieces;
    };
    const std::vector<Case> cases = {
        // Noise and a frame cut as one stream: the third piece spans both.
        {12, 0.25, {{1, noise}, {1, frame}}, {{1, 12}, {1.25, 12}, {1.5, 11}}},
        {31, 0.25, {{1, frame}}, {{1, 31}, {1.25, 1}}},
        // No gap: separate pieces, all at once.
        {8, 0, {{2, frame}}, {{2, 8}, {2, 8}, {2, 8}, {2, 8}}},
        // The first piece after a pause goes at once; one pushed right behind another
        // waits for the gap.
        {16,
         0.5,
         {{1, frame}, {4, frame}, {4.125, frame}},
         {{1, 16}, {1.5, 16}, {4, 16}, {4.5, 16}, {5, 16}, {5.5, 16}}},
    };
    for (const Case& c : cases) {
        PieceQueue q(c.size, c.gap);
        Bytes out;
        EXPECT_EQ(pieces(q, c.pushes, out), c.pieces) << c.size;
        Bytes in;
        for (const auto& push : c.pushes) {
            in.insert(in.end(), push.second.begin(), push.second.end());
        }
        EXPECT_EQ(out, in) << c.size;
    }
}

TEST(SimFaults, NoiseIsNeverAnEndByteOrAGroupCode) {
    for (unsigned seed = 0; seed < 20; ++seed) {
        const Bytes noise = noise_bytes(64, seed);
        ASSERT_EQ(noise.size(), 64u);
        for (std::uint8_t b : noise) {
            EXPECT_LT(b, 0xD0);
        }
    }
    EXPECT_NE(noise_bytes(16, 1), noise_bytes(16, 2));
}

} // namespace
