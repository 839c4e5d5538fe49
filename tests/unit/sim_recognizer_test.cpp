// The simulator's frame recogniser over byte streams with garbage, split every way.
#include "controller.h"
#include "link/exchange.h"
#include "recognizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace motiview;
using namespace motiview::sim;

namespace {

Bytes hex(std::string_view text) {
    auto b = parse_hex(text);
    EXPECT_TRUE(b.has_value()) << text;
    return b.value_or(Bytes{});
}

Bytes write_frame(PageId page, std::uint8_t fill, std::uint8_t end = kEndByte) {
    const PageCodes c = page_codes(page);
    Bytes b(kUnitSize, fill);
    b[0] = c.group;
    b[1] = c.write;
    b[kUnitSize - 1] = end;
    return b;
}

std::string describe(const Request& r) {
    static constexpr const char* kKinds[] = {"status", "read",   "write",     "counter-reset",
                                             "hall-a", "hall-b", "hall-stop", "user-info-write"};
    std::string s = kKinds[static_cast<int>(r.kind)];
    if (r.kind == RequestKind::Read || r.kind == RequestKind::Write) {
        s += ":" + std::to_string(static_cast<int>(r.page));
    }
    if (r.kind == RequestKind::Write) {
        s += ":" + std::to_string(r.frame[2]);
    }
    return s;
}

std::vector<std::string> run(const Bytes& stream, std::size_t chunk, bool expire = false) {
    Recognizer rec;
    std::vector<std::string> out;
    for (std::size_t at = 0; at < stream.size(); at += chunk) {
        const std::size_t n = std::min(chunk, stream.size() - at);
        for (const Request& r : rec.feed(std::span(stream).subspan(at, n))) {
            out.push_back(describe(r));
        }
    }
    if (expire) {
        for (const Request& r : rec.expire()) {
            out.push_back(describe(r));
        }
    }
    return out;
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

struct StreamCase {
    const char* name;
    Bytes stream;
    std::vector<std::string> expected;
};

class RecognizerStreams : public ::testing::TestWithParam<StreamCase> {};

std::string case_name(const ::testing::TestParamInfo<StreamCase>& p) {
    return p.param.name;
}

TEST_P(RecognizerStreams, SameRequestsWhateverTheChunking) {
    const StreamCase& c = GetParam();
    for (std::size_t chunk : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7},
                              std::size_t{32}, std::size_t{4096}}) {
        SCOPED_TRACE(chunk);
        EXPECT_EQ(run(c.stream, chunk), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sim, RecognizerStreams,
    ::testing::Values(
        StreamCase{"StatusRequest", hex("FD 48 55"), {"status"}},
        StreamCase{"EveryReadRequest",
                   hex("F0 E0 DA F2 E2 DA F6 E6 DA F4 E4 DA D2 C2 DA F8 E8 DA D7 C7 DA FE EE DA "
                       "D6 C6 DA D5 C5 DA FB ED DA"),
                   {"read:0", "read:1", "read:2", "read:3", "read:4", "read:5", "read:6", "read:7",
                    "read:8", "read:9", "read:10"}},
        StreamCase{"HallAndCounterReset",
                   hex("FC EC DA FC ED DA FC EE DA FB EC DA"),
                   {"hall-a", "hall-b", "hall-stop", "counter-reset"}},
        StreamCase{"GarbageBetweenFrames",
                   hex("00 11 FD FD 48 55 DA DA 48 F0 E0 DA 55 FC 01 FC EC DA"),
                   {"status", "read:0", "hall-a"}},
        StreamCase{"ReadWithoutEndByteIsSkipped", hex("F0 E0 00 FD 48 55"), {"status"}},
        // D5 C6 is Derate's write, D6 C6 DA Flux weaken's read: the group decides.
        StreamCase{"SharedCodeSixC6",
                   concat({hex("D6 C6 DA"), write_frame(PageId::Derate, 0x21)}),
                   {"read:8", "write:9:33"}},
        StreamCase{"WriteFramesOfTwoPages",
                   concat({write_frame(PageId::Basic, 0x05), hex("FD 48 55"),
                           write_frame(PageId::Hardware, 0x07)}),
                   {"write:0:5", "status", "write:10:7"}},
        // A write start whose byte 31 is no end byte: skipped, the frames inside it survive.
        StreamCase{"BrokenWriteResynchronises",
                   concat({hex("F0 E1 FD 48 55 F2 E2 DA"), Bytes(23, 0x00), hex("01 FD 48 55")}),
                   {"status", "read:1", "status"}}),
    case_name);

TEST(SimRecognizer, PartialFrameWaitsThenExpires) {
    Recognizer rec;
    const Bytes start = hex("F0 E1 01 02 FD 48 55");
    EXPECT_TRUE(rec.feed(start).empty()); // the write frame may still come
    EXPECT_EQ(rec.waiting(), start.size());
    const std::vector<Request> late = rec.expire();
    ASSERT_EQ(late.size(), 1u);
    EXPECT_EQ(late[0].kind, RequestKind::Status);
    EXPECT_EQ(rec.waiting(), 0u);
    EXPECT_EQ(rec.take_skipped(), 4u);
    EXPECT_EQ(rec.take_skipped(), 0u);
}

TEST(SimRecognizer, WriteFrameKeepsEveryByte) {
    Recognizer rec;
    Bytes frame = write_frame(PageId::Motor, 0);
    for (std::size_t i = 2; i < 31; ++i) {
        frame[i] = static_cast<std::uint8_t>(i * 7);
    }
    const std::vector<Request> r = rec.feed(frame);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].page, PageId::Motor);
    EXPECT_TRUE(std::equal(frame.begin(), frame.end(), r[0].frame.begin()));
}

TEST(SimRecognizer, EndlessGarbageStaysBounded) {
    Recognizer rec;
    const Bytes junk(10000, 0xF0); // every byte could start a Basic frame
    EXPECT_TRUE(rec.feed(junk).empty());
    EXPECT_LE(rec.waiting(), Recognizer::kMaxWaiting);
    const std::vector<Request> r = rec.feed(hex("E0 DA"));
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].kind, RequestKind::Read);
}

// ---- the core's request table -----------------------------------------------------------

// A request as the PC sends it, with a payload that differs from byte to byte.
Bytes frame_of(const RequestPattern& p) {
    Bytes frame = request_bytes(p.kind, p.page.value_or(PageId::Basic));
    for (std::size_t i = p.headLength; i + 1 < frame.size(); ++i) {
        frame[i] = static_cast<std::uint8_t>(i * 5);
    }
    return frame;
}

TEST(SimRecognizerTable, EveryRequestComesBackAsItsRow) {
    Bytes stream;
    std::vector<RequestKind> sent;
    for (const RequestPattern& p : request_patterns()) {
        const Bytes frame = frame_of(p);
        SCOPED_TRACE(to_hex(frame));
        Recognizer rec;
        const std::vector<Request> got = rec.feed(frame);
        ASSERT_EQ(got.size(), 1u);
        EXPECT_EQ(got[0].kind, p.kind);
        if (p.page) {
            EXPECT_EQ(got[0].page, *p.page);
        }
        if (frame.size() == kUnitSize) {
            EXPECT_TRUE(std::equal(frame.begin(), frame.end(), got[0].frame.begin()));
        }
        EXPECT_EQ(rec.waiting(), 0u);
        EXPECT_EQ(rec.take_skipped(), 0u);
        stream.insert(stream.end(), frame.begin(), frame.end());
        stream.insert(stream.end(), {0x00, 0x11}); // noise no request starts with
        sent.push_back(p.kind);
    }
    // All of them on one line, a byte at a time.
    Recognizer rec;
    std::vector<RequestKind> got;
    for (std::uint8_t b : stream) {
        for (const Request& r : rec.feed(std::span(&b, 1))) {
            got.push_back(r.kind);
        }
    }
    EXPECT_EQ(got, sent);
    EXPECT_EQ(rec.take_skipped(), 2 * sent.size());
}

// What the recogniser hands the simulated controller is answered with the unit the core's
// session waits for: the request table, the recogniser and the controller agree.
TEST(SimRecognizerTable, TheControllerAnswersAsTheTableExpects) {
    for (const RequestPattern& p : request_patterns()) {
        const Bytes frame = frame_of(p);
        SCOPED_TRACE(to_hex(frame));
        Recognizer rec;
        const std::vector<Request> requests = rec.feed(frame);
        ASSERT_EQ(requests.size(), 1u);
        Controller controller(StatusConfig{}, "Tech-42");
        std::vector<Unit> units;
        for (const Handled& h :
             {controller.handle(requests[0], 1.0), controller.poll(1.0 + kHallTestSeconds)}) {
            for (const OutFrame& f : h.frames) {
                units.push_back(f.unit);
            }
        }
        const std::optional<Expectation> e =
            expected_answer(p.kind, p.page.value_or(PageId::Basic));
        // The simulated controller keeps its own user name: a user-info write goes unanswered.
        if (!e || p.kind == RequestKind::UserInfoWrite) {
            EXPECT_TRUE(units.empty());
            continue;
        }
        const auto answers = std::count_if(
            units.begin(), units.end(), [&](const Unit& u) { return e->matches(u, classify(u)); });
        EXPECT_EQ(answers, 1);
    }
}

} // namespace
