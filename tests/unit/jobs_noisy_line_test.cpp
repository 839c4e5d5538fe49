// The parameter-set workflows on a noisy line, byte by byte: the simulator's own controller
// answers every request, and a fault plan garbles, cuts, loses or hangs up chosen answers. The
// line does what the serial port does: it cuts 32-byte units from whatever chunks arrive, and a
// drain throws away what waits and whatever arrives until the line is quiet.
#include "jobs/page_jobs.h"
#include "link/frames.h"
#include "link/unit_assembler.h"
#include "params/parameter_file.h"

#include "controller.h"
#include "recognizer.h"

#include "case_names.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

using namespace motiview;
using motiview::test::ByLabel;

namespace {

enum class Fault : std::uint8_t {
    None,
    Junk,       // three garbage bytes before the answer
    Pieces,     // the answer in pieces of five bytes
    JunkPieces, // both
    Drop,       // the answer never comes
    LoseAck,    // a write: stored, its acknowledgement lost
    LoseWrite,  // a write: neither stored nor acknowledged
    HangUp,     // the port closes instead of an answer
};

// Garbage that starts no frame and never ends one.
const Bytes kJunk = {0x13, 0x37, 0x42};

struct Wire {
    sim::Controller controller;
    sim::Recognizer recognizer;
    UnitAssembler assembler;
    std::map<int, Fault> faults; // by request number, 1-based, over the whole line
    std::deque<Bytes> arriving;
    std::vector<std::string> sent; // "S", "R basic", "W basic"
    int requests = 0;
    int drains = 0;
    bool dead = false;

    explicit Wire(sim::BlockStore store = {})
        : controller(sim::StatusConfig{}, "WORKSHOP 7", std::move(store)) {}

    static std::string name_of(const sim::Request& r) {
        switch (r.kind) {
        case sim::RequestKind::Status:
            return "S";
        case sim::RequestKind::Read:
            return "R " + std::string(page_schema(r.page).cliName);
        case sim::RequestKind::Write:
            return "W " + std::string(page_schema(r.page).cliName);
        default:
            return "?";
        }
    }

    void answer(const Bytes& frame, LineClient& client) {
        for (const sim::Request& r : recognizer.feed(frame)) {
            sent.push_back(name_of(r));
            const Fault f = faults.contains(++requests) ? faults.at(requests) : Fault::None;
            if (f == Fault::HangUp) {
                dead = true;
                arriving.clear();
                client.line_lost();
                return;
            }
            if (f == Fault::Drop || f == Fault::LoseWrite) {
                continue;
            }
            const sim::Handled h = controller.handle(r, 1.0);
            for (const sim::OutFrame& out : h.frames) {
                if (f == Fault::LoseAck && out.role != sim::FrameRole::Notice) {
                    continue;
                }
                Bytes bytes;
                if ((f == Fault::Junk || f == Fault::JunkPieces) &&
                    out.role != sim::FrameRole::Notice) {
                    bytes = kJunk;
                }
                bytes.insert(bytes.end(), out.unit.begin(), out.unit.end());
                const std::size_t piece =
                    f == Fault::Pieces || f == Fault::JunkPieces ? 5 : bytes.size();
                for (std::size_t at = 0; at < bytes.size(); at += piece) {
                    const std::size_t n = std::min(piece, bytes.size() - at);
                    arriving.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                          bytes.begin() + static_cast<std::ptrdiff_t>(at + n));
                }
            }
        }
    }

    // What the driver does between two ticks: send what is due, deliver what arrives, drain.
    void pump(LineClient& client) {
        bool draining = false;
        for (;;) {
            bool moved = false;
            while (auto frame = client.take_frame()) {
                moved = true;
                if (!dead) {
                    answer(*frame, client);
                }
            }
            if (!draining && client.take_drain_request()) {
                draining = true;
                ++drains;
                (void)assembler.discard(assembler.waiting());
            }
            if (!arriving.empty()) {
                const Bytes chunk = arriving.front();
                arriving.pop_front();
                if (!draining) {
                    (void)assembler.feed(chunk);
                    while (const auto unit = assembler.next()) {
                        client.on_unit(*unit);
                    }
                }
                continue;
            }
            if (draining) {
                draining = false; // nothing more arrives: the line is quiet
                client.line_quiet();
                continue;
            }
            if (!moved) {
                return;
            }
        }
    }

    void run(LineClient& client, int maxTicks = 600) {
        pump(client);
        for (int t = 0; t < maxTicks && !client.idle(); ++t) {
            client.tick();
            pump(client);
        }
    }
};

sim::BlockStore store_with(const std::vector<std::string>& texts) {
    auto store = sim::BlockStore::with_texts(texts);
    EXPECT_TRUE(store.ok());
    return store.ok() ? *store : sim::BlockStore{};
}

const std::vector<PageId> kSome = {PageId::Basic, PageId::Reference, PageId::Motor};

// ---- reads ----------------------------------------------------------------------------------

struct ReadCase {
    const char* name;
    std::map<int, Fault> faults;
    std::vector<std::string> wire;
    bool complete;
    int retries = 0;
    int drains = 0;
    std::optional<StepOutcome> failure = std::nullopt;
};

class NoisyRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(NoisyRead, ReadsEveryPageAsTheControllerHoldsIt) {
    const auto& c = GetParam();
    Wire wire;
    wire.faults = c.faults;
    ReadJob job(kSome);
    wire.run(job);
    EXPECT_EQ(wire.sent, c.wire);
    EXPECT_EQ(wire.drains, c.drains);
    EXPECT_EQ(job.complete(), c.complete);
    EXPECT_EQ(job.retries(), c.retries);
    ASSERT_EQ(job.failure().has_value(), c.failure.has_value());
    if (c.failure) {
        EXPECT_EQ(job.failure()->outcome, *c.failure) << step_outcome_name(job.failure()->outcome);
    }
    // Whatever was read is exactly what the controller holds.
    for (const StepResult& r : job.reads()) {
        EXPECT_EQ(to_hex(r.answer), to_hex(wire.controller.store().block(*r.page)))
            << page_schema(*r.page).cliName;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, NoisyRead,
    ::testing::Values(
        ReadCase{"clean", {}, {"R basic", "R reference", "R motor"}, true},
        ReadCase{"junk before an answer",
                 {{2, Fault::Junk}},
                 {"R basic", "R reference", "R reference", "R motor"},
                 true,
                 1,
                 1},
        ReadCase{
            "answer in pieces", {{1, Fault::Pieces}}, {"R basic", "R reference", "R motor"}, true},
        ReadCase{"junk and pieces",
                 {{1, Fault::JunkPieces}},
                 {"R basic", "R basic", "R reference", "R motor"},
                 true,
                 1,
                 1},
        ReadCase{"junk before every second answer",
                 {{2, Fault::Junk}, {4, Fault::Junk}},
                 {"R basic", "R reference", "R reference", "R motor", "R motor"},
                 true,
                 2,
                 2},
        ReadCase{"two faults in a row",
                 {{1, Fault::Junk}, {2, Fault::JunkPieces}},
                 {"R basic", "R basic", "R basic", "R reference", "R motor"},
                 true,
                 2,
                 2},
        ReadCase{"a lost answer",
                 {{3, Fault::Drop}},
                 {"R basic", "R reference", "R motor", "R motor"},
                 true,
                 1},
        ReadCase{"every retry garbled",
                 {{1, Fault::Junk}, {2, Fault::Junk}, {3, Fault::Junk}, {4, Fault::Junk}},
                 {"R basic", "R basic", "R basic", "R basic"},
                 false,
                 3,
                 3, // no drain after the last: nothing more is sent
                 StepOutcome::Broken},
        ReadCase{"hang-up",
                 {{2, Fault::HangUp}},
                 {"R basic", "R reference"},
                 false,
                 0,
                 0,
                 StepOutcome::PortClosed}),
    ByLabel<&ReadCase::name>{});

// ---- one write ----------------------------------------------------------------------------

struct WriteFaultCase {
    const char* name;
    std::map<int, Fault> faults; // request 1 is the write
    std::vector<std::string> wire;
    WriteVerdict verdict;
    bool stored;
};

class NoisyWrite : public ::testing::TestWithParam<WriteFaultCase> {};

TEST_P(NoisyWrite, IsNeverSentTwiceAndSettledByReadingBack) {
    const auto& c = GetParam();
    Wire wire(store_with({"basic.txtMaxspeed=4321"}));
    const Unit held = wire.controller.store().block(PageId::Basic);
    const sim::BlockStore target;
    const PageEntry entry = entry_from_reply(PageId::Basic, target.block(PageId::Basic));
    const Result<Unit> frame = restore_frame(entry, *entry.reply);
    ASSERT_TRUE(frame.ok());
    wire.faults = c.faults;
    WriteJob job({RestoreWrite{PageId::Basic, held, *frame}}, false);
    wire.run(job);
    EXPECT_EQ(wire.sent, c.wire);
    ASSERT_EQ(job.outcomes().size(), 1U);
    EXPECT_EQ(job.outcomes()[0].verdict, c.verdict) << verdict_text(job.outcomes()[0].verdict);
    EXPECT_EQ(wire.controller.store().block(PageId::Basic) == target.block(PageId::Basic),
              c.stored);
}

INSTANTIATE_TEST_SUITE_P(Faults, NoisyWrite,
                         ::testing::Values(
                             WriteFaultCase{
                                 "clean", {}, {"W basic", "R basic"}, WriteVerdict::Verified, true},
                             WriteFaultCase{"junk before the ack",
                                            {{1, Fault::Junk}},
                                            {"W basic", "R basic"},
                                            WriteVerdict::AckLostVerified,
                                            true},
                             WriteFaultCase{"ack in pieces",
                                            {{1, Fault::Pieces}},
                                            {"W basic", "R basic"},
                                            WriteVerdict::Verified,
                                            true},
                             WriteFaultCase{"junk before the read-back",
                                            {{2, Fault::Junk}},
                                            {"W basic", "R basic", "R basic"},
                                            WriteVerdict::Verified,
                                            true},
                             WriteFaultCase{"ack lost, page stored",
                                            {{1, Fault::LoseAck}},
                                            {"W basic", "R basic"},
                                            WriteVerdict::AckLostVerified,
                                            true},
                             WriteFaultCase{"write lost, page not stored",
                                            {{1, Fault::LoseWrite}},
                                            {"W basic", "R basic"},
                                            WriteVerdict::NotStored,
                                            false},
                             WriteFaultCase{"ack lost, no answer to the read-back",
                                            {{1, Fault::LoseAck},
                                             {2, Fault::Drop},
                                             {3, Fault::Drop},
                                             {4, Fault::Drop},
                                             {5, Fault::Drop}},
                                            {"W basic", "R basic", "R basic", "R basic", "R basic"},
                                            WriteVerdict::Unknown,
                                            true},
                             WriteFaultCase{"ack lost, garbled read-back, then matches",
                                            {{1, Fault::LoseAck}, {2, Fault::JunkPieces}},
                                            {"W basic", "R basic", "R basic"},
                                            WriteVerdict::AckLostVerified,
                                            true},
                             WriteFaultCase{"hang-up instead of the ack",
                                            {{1, Fault::HangUp}},
                                            {"W basic"},
                                            WriteVerdict::PortClosed,
                                            false}),
                         ByLabel<&WriteFaultCase::name>{});

// ---- a whole restore ----------------------------------------------------------------------

// The file: the simulator's start blocks. The controller: other values on four pages.
struct Restore {
    sim::BlockStore file;
    std::vector<PageId> pages = {PageId::Basic,   PageId::Reference, PageId::Motor,
                                 PageId::Control, PageId::TorquePid, PageId::Protection,
                                 PageId::Other};
    ParameterSet set;

    Restore() {
        for (PageId id : pages) {
            set.pages.push_back(entry_from_reply(id, file.block(id)));
        }
    }

    static sim::BlockStore controller() {
        return store_with({"basic.txtMaxspeed=4321", "reference.txtVoltageH=80",
                           "motor.txtPolePairN=7", "protection.txtTempLimit=120"});
    }

    // Reads the controller and plans what a restore writes.
    std::vector<RestoreWrite> plan(Wire& wire) const {
        ReadJob reads(pages);
        wire.run(reads);
        EXPECT_TRUE(reads.complete());
        std::vector<const PageEntry*> entries;
        std::vector<Unit> held;
        for (std::size_t i = 0; i < reads.reads().size(); ++i) {
            entries.push_back(&set.pages[i]);
            held.push_back(reads.reads()[i].answer);
        }
        auto planned = plan_restore(entries, held);
        EXPECT_TRUE(planned.ok());
        return planned.ok() ? *planned : std::vector<RestoreWrite>{};
    }

    // Reads, plans, writes what differs; the write job's verdicts.
    std::vector<PageWriteOutcome> run(Wire& wire) const {
        WriteJob writes(plan(wire), true);
        wire.run(writes);
        return writes.outcomes();
    }

    [[nodiscard]] bool held_by(const Wire& wire) const {
        for (PageId id : pages) {
            if (wire.controller.store().block(id) != file.block(id)) {
                return false;
            }
        }
        return true;
    }
};

std::vector<WriteVerdict> verdicts(const std::vector<PageWriteOutcome>& outcomes) {
    std::vector<WriteVerdict> v;
    for (const PageWriteOutcome& o : outcomes) {
        v.push_back(o.verdict);
    }
    return v;
}

constexpr auto U = WriteVerdict::Unchanged;
constexpr auto V = WriteVerdict::Verified;

TEST(NoisyRestore, JunkBeforeEverySecondAnswerChangesNothingOfTheResult) {
    const Restore restore;
    Wire clean(Restore::controller());
    const auto expected = restore.run(clean);
    EXPECT_EQ(verdicts(expected), (std::vector<WriteVerdict>{V, V, V, U, U, V, U}));
    EXPECT_TRUE(restore.held_by(clean));

    for (const Fault f : {Fault::Junk, Fault::Pieces, Fault::JunkPieces}) {
        Wire noisy(Restore::controller());
        for (int n = 2; n < 200; n += 2) {
            noisy.faults[n] = f;
        }
        const auto got = restore.run(noisy);
        EXPECT_TRUE(restore.held_by(noisy)) << static_cast<int>(f);
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_TRUE(verdict_good(got[i].verdict)) << verdict_text(got[i].verdict);
            EXPECT_EQ(got[i].page, expected[i].page);
        }
        // Never a write twice.
        std::map<std::string, int> writes;
        for (const std::string& s : noisy.sent) {
            if (s.starts_with("W ")) {
                EXPECT_EQ(++writes[s], 1) << s;
            }
        }
    }
}

TEST(NoisyRestore, CutByAHangUpThenRunAgainWritesOnlyWhatStillDiffers) {
    const Restore restore;
    Wire wire(Restore::controller());
    // 7 reads, then write+read-back per page: the fourth write (Protection) meets the hang-up.
    wire.faults[7 + 3 * 2 + 1] = Fault::HangUp;
    const auto cut = restore.run(wire);
    const std::vector<WriteVerdict> expected = {
        V, V, V, U, U, WriteVerdict::PortClosed, WriteVerdict::NotWritten};
    EXPECT_EQ(verdicts(cut), expected);
    EXPECT_FALSE(restore.held_by(wire));

    // The adapter is plugged in again: the same restore finds three pages holding the file.
    wire.dead = false;
    wire.faults.clear();
    wire.sent.clear();
    const auto again = restore.run(wire);
    EXPECT_EQ(verdicts(again), (std::vector<WriteVerdict>{U, U, U, U, U, V, U}));
    EXPECT_TRUE(restore.held_by(wire));
    EXPECT_EQ(std::count_if(wire.sent.begin(), wire.sent.end(),
                            [](const std::string& s) { return s.starts_with("W "); }),
              1);
}

TEST(NoisyRestore, NotStoredStopsTheRest) {
    const Restore restore;
    Wire wire(Restore::controller());
    wire.faults[7 + 1] = Fault::LoseWrite; // the first write
    const auto got = restore.run(wire);
    std::vector<WriteVerdict> expected(restore.pages.size(), WriteVerdict::NotWritten);
    expected[0] = WriteVerdict::NotStored;
    EXPECT_EQ(verdicts(got), expected);
    EXPECT_EQ(std::count_if(wire.sent.begin(), wire.sent.end(),
                            [](const std::string& s) { return s.starts_with("W "); }),
              1);
}

TEST(NoisyRestore, AStopFinishesThePageOnTheLine) {
    const Restore restore;
    Wire wire(Restore::controller());
    WriteJob writes(restore.plan(wire), true);
    writes.stop(); // the first write is queued: it is sent, acknowledged and read back
    EXPECT_FALSE(writes.idle());
    wire.run(writes);
    ASSERT_EQ(writes.outcomes().size(), restore.pages.size());
    EXPECT_EQ(writes.outcomes()[0].verdict, V);
    EXPECT_EQ(writes.count(WriteVerdict::NotWritten), 6U);
}

} // namespace
