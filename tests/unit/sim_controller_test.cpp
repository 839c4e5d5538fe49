// The simulated controller's answers: status with the user info, reads, writes, hall tests,
// the counter reset.
#include "controller.h"

#include <gtest/gtest.h>

using namespace motiview;
using namespace motiview::sim;

namespace {

Request req(RequestKind kind, PageId page = PageId::Basic) {
    return Request{kind, page, {}};
}

Controller make() {
    return Controller(StatusConfig{}, "Tech-42");
}

TEST(SimController, UserInfoFollowsTheFirstStatusOfEachConnection) {
    Controller c = make();
    const Handled first = c.handle(req(RequestKind::Status), 1.0);
    ASSERT_EQ(first.frames.size(), 2u);
    EXPECT_EQ(classify(first.frames[0].unit).kind, UnitKind::Status);
    EXPECT_EQ(first.frames[0].role, FrameRole::Answer);
    EXPECT_EQ(classify(first.frames[1].unit).kind, UnitKind::UserInfo);
    EXPECT_EQ(first.frames[1].role, FrameRole::Notice);
    EXPECT_EQ(c.handle(req(RequestKind::Status), 2.0).frames.size(), 1u);
    c.new_connection();
    EXPECT_EQ(c.handle(req(RequestKind::Status), 3.0).frames.size(), 2u);
}

TEST(SimController, UserInfoFrameLayout) {
    struct Case {
        std::string_view name;
        std::string_view expected;
    };
    for (const Case& c :
         {Case{"Tech-42", "F1 E1 A2 54 65 63 68 2D 34 32 00"}, Case{"", "F1 E1 A2 00"},
          Case{"ABCDEFGHIJKLMNOPQRST", "F1 E1 A2 41 42 43 44 45 46 47 48 49 4A 4B "
                                       "4C 4D 4E 4F 50 51 52 53 54 00"}}) {
        const Unit u = user_info_frame(c.name);
        const std::string hex = to_hex(u);
        EXPECT_EQ(hex.substr(0, c.expected.size()), c.expected);
        EXPECT_EQ(u[31], kEndByte);
        EXPECT_TRUE(std::all_of(u.begin() + 3 + static_cast<std::ptrdiff_t>(c.name.size()),
                                u.end() - 1, [](std::uint8_t b) { return b == 0; }));
    }
}

TEST(SimController, ReadAnswersTheStoredBlockForEveryPage) {
    Controller c = make();
    for (PageId page : kAllPages) {
        const Handled h = c.handle(req(RequestKind::Read, page), 1.0);
        ASSERT_EQ(h.frames.size(), 1u);
        EXPECT_EQ(h.frames[0].unit, c.store().block(page));
        EXPECT_EQ(h.frames[0].role, FrameRole::ParameterAnswer);
        EXPECT_FALSE(h.stored);
    }
}

TEST(SimController, WriteIsStoredAndAcknowledgedWithAZeroPayload) {
    Controller c = make();
    for (PageId page : kAllPages) {
        SCOPED_TRACE(std::string(page_schema(page).cliName));
        Request w = req(RequestKind::Write, page);
        w.frame = c.store().block(page);
        w.frame[1] = page_codes(page).write;
        w.frame[9] = 0x5A;
        const Handled h = c.handle(w, 2.0);
        ASSERT_EQ(h.frames.size(), 1u);
        const Unit& ack = h.frames[0].unit;
        const Classification cl = classify(ack);
        EXPECT_EQ(cl.kind, UnitKind::WriteAck);
        EXPECT_EQ(cl.page, page);
        EXPECT_TRUE(std::all_of(ack.begin() + 2, ack.end() - 1, [](auto b) { return b == 0; }));
        EXPECT_TRUE(h.stored);
        EXPECT_EQ(c.store().block(page)[9], 0x5A);
        EXPECT_NE(h.event.find("write " + std::string(page_schema(page).cliName)),
                  std::string::npos);
    }
}

TEST(SimController, HallTestRunsOneSecondThenReportsTheNewBlock) {
    struct Case {
        RequestKind start;
        UnitKind running;
        UnitKind done;
        PageId page;
    };
    for (const Case& k :
         {Case{RequestKind::HallA, UnitKind::HallARunning, UnitKind::HallADone, PageId::Motor},
          Case{RequestKind::HallB, UnitKind::HallBRunning, UnitKind::HallBDone,
               PageId::Protection}}) {
        Controller c = make();
        const Unit before = c.store().block(k.page);
        const Handled started = c.handle(req(k.start), 10.0);
        ASSERT_EQ(started.frames.size(), 1u);
        EXPECT_EQ(classify(started.frames[0].unit).kind, k.running);
        EXPECT_EQ(c.next_deadline(), 10.0 + kHallTestSeconds);
        EXPECT_TRUE(c.poll(10.9).frames.empty());
        const Handled done = c.poll(11.0);
        ASSERT_EQ(done.frames.size(), 1u);
        const Unit& notice = done.frames[0].unit;
        EXPECT_EQ(classify(notice).kind, k.done);
        EXPECT_TRUE(done.stored);
        // The notice carries the block as it is now stored, and it changed.
        const Unit& stored = c.store().block(k.page);
        EXPECT_TRUE(std::equal(stored.begin() + 2, stored.end() - 1, notice.begin() + 2));
        EXPECT_NE(stored, before);
        EXPECT_TRUE(c.poll(20.0).frames.empty());
        EXPECT_FALSE(c.next_deadline().has_value());
    }
}

TEST(SimController, StopCancelsAPendingDone) {
    Controller c = make();
    const Unit before = c.store().block(PageId::Motor);
    (void)c.handle(req(RequestKind::HallA), 1.0);
    const Handled stop = c.handle(req(RequestKind::HallStop), 1.5);
    EXPECT_TRUE(stop.frames.empty());
    EXPECT_TRUE(c.poll(5.0).frames.empty());
    EXPECT_EQ(c.store().block(PageId::Motor), before);
}

TEST(SimController, CounterResetAnswersFbEcWithCountZero) {
    Controller c = make();
    const Handled h = c.handle(req(RequestKind::CounterReset, PageId::Hardware), 1.0);
    ASSERT_EQ(h.frames.size(), 1u);
    const Unit& u = h.frames[0].unit;
    EXPECT_EQ(u[0], 0xFB);
    EXPECT_EQ(u[1], 0xEC);
    const std::size_t count = find_field(page_schema(PageId::Hardware), kCalibrationCount)->offset;
    EXPECT_EQ(u[count], 0);
    EXPECT_EQ(classify(u).page, PageId::Hardware);
    EXPECT_TRUE(h.stored);
    EXPECT_EQ(c.store().block(PageId::Hardware)[count], 0);
    EXPECT_EQ(c.store().block(PageId::Hardware)[1], 0xED); // a later read is a normal reply
}

} // namespace
