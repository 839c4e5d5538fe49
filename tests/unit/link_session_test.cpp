#include "link/exchange.h"
#include "link/frames.h"
#include "link/receiver.h"
#include "link/session.h"
#include "pages/page_codec.h"
#include "pages/page_schema.h"
#include "test_support.h"

#include "case_names.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace motiview {

// gtest prints an exchange's state by name in a failing check.
void PrintTo(ExchangeState s, std::ostream* os) {
    static constexpr std::string_view kNames[] = {"Waiting", "Answered", "TimedOut", "Broken",
                                                  "Unknown"};
    const auto i = static_cast<std::size_t>(s);
    *os << (i < std::size(kNames) ? kNames[i] : "ExchangeState?");
}

} // namespace motiview

using namespace motiview;
using motiview::test::ByLabel;
using motiview::test::label_name;
using motiview::test::page_name;
using motiview::test::page_param_name;

using motiview::test::kDot;

namespace {

using Changes = std::vector<std::pair<std::string_view, std::string_view>>;

Bytes bytes_of(std::span<const std::uint8_t> frame) {
    return {frame.begin(), frame.end()};
}

std::string hex(std::span<const std::uint8_t> frame) {
    return to_hex(frame);
}

// Sets a field as the controller holds it: a text a user could type, or one of the
// controller's own readings that no page shows.
void hold(const PageSchema& schema, PageState& state, std::string_view field,
          std::string_view text) {
    for (std::size_t i = 0; i < schema.fields.size(); ++i) {
        if (schema.fields[i].name == field && schema.fields[i].widget == Widget::None) {
            state.fields[i].text = std::string(text);
            return;
        }
    }
    (void)set_field_text(schema, state, field, text).value();
}

void apply(const PageSchema& schema, PageState& state, const Changes& changes) {
    for (const auto& [field, text] : changes) {
        hold(schema, state, field, text);
    }
}

// What the design state lacks to make a block: the hardware readings no page shows, and a
// number where Derate's design text is none.
struct Held {
    PageId page;
    std::string_view field;
    std::string_view text;
};

constexpr Held kHeld[] = {
    {PageId::Hardware, "adcReading2", "124"}, {PageId::Hardware, "adcReading3", "8"},
    {PageId::Hardware, "adcReading5", "129"}, {PageId::Hardware, "adcReading6", "7"},
    {PageId::Hardware, "adcReading7", "58"},  {PageId::Derate, "txtFluxSTspeed", "3500"},
};

// The page as a controller holds it before the test changes anything.
PageState held_state(const PageSchema& schema) {
    PageState state = design_state(schema);
    for (const Held& h : kHeld) {
        if (h.page == schema.id) {
            hold(schema, state, h.field, h.text);
        }
    }
    return state;
}

// The page's reply from a controller holding `changes` on top of held_state().
Unit reply_of(PageId page, const Changes& changes = {}) {
    const PageSchema& schema = page_schema(page);
    PageState state = held_state(schema);
    apply(schema, state, changes);
    return encode_reply(schema, state, kDot).value();
}

// A write of the page, and what the page holds after it (write-time resets applied).
struct Written {
    Unit frame{};
    PageState state;
};

Written write_of(PageId page, const Changes& changes) {
    const PageSchema& schema = page_schema(page);
    Written w;
    w.state = held_state(schema);
    apply(schema, w.state, changes);
    w.frame = encode(schema, w.state, kDot).value();
    return w;
}

// The reply of a controller that took the write, with `changes` made on it afterwards.
Unit read_back_of(PageId page, const Written& w, const Changes& changes = {}) {
    const PageSchema& schema = page_schema(page);
    PageState state = w.state;
    apply(schema, state, changes);
    return encode_reply(schema, state, kDot).value();
}

Unit ack_of(PageId page) {
    const PageCodes codes = page_codes(page);
    Unit u{};
    u[0] = codes.group;
    u[1] = codes.write;
    u[kUnitSize - 1] = kEndByte;
    return u;
}

Unit notice(UnitKind kind) {
    return controller_frame(kind).value();
}

// A hall "done" notice: the notice's codes around the block the test learned.
Unit hall_done(UnitKind kind, PageId page) {
    Unit u = reply_of(page);
    const Unit codes = notice(kind);
    u[0] = codes[0];
    u[1] = codes[1];
    return u;
}

// The hardware block the controller sends back under the reset code.
Unit reset_reply(const Changes& changes = {{"txtcIdcCalibNum", "0"}}) {
    Unit u = reply_of(PageId::Hardware, changes);
    u[1] = page_codes(PageId::Hardware).reset;
    return u;
}

Unit broken(Unit u) {
    u[kUnitSize - 1] = 0x00;
    return u;
}

// Ends in 0xDA, but no group uses 11 22.
Unit unknown_unit() {
    Unit u{};
    u[0] = 0x11;
    u[1] = 0x22;
    u[kUnitSize - 1] = kEndByte;
    return u;
}

Unit user_info(std::string_view name) {
    Unit u = notice(UnitKind::UserInfo);
    store_user_name(u, name);
    return u;
}

const Expectation kBasicReply{UnitKind::ParameterReply, PageId::Basic};
const Expectation kBasicAck{UnitKind::WriteAck, PageId::Basic};
const Expectation kFluxReply{UnitKind::ParameterReply, PageId::FluxWeaken};
const Expectation kStatusFrame{UnitKind::Status, std::nullopt};
const Expectation kHallAExpect{UnitKind::HallADone, PageId::Motor};

// ---- one exchange -----------------------------------------------------------------------

struct ExchangeCase {
    const char* name;
    Expectation expect;
    std::vector<Unit> units;
    ExchangeState state;
    int answerAt = -1; // the unit that answered
};

class ExchangeUnits : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(ExchangeUnits, EndsAsTheUnitsSay) {
    const auto& c = GetParam();
    Exchange x(bytes_of(frame_set().read(PageId::Basic)), c.expect);
    ASSERT_TRUE(x.take_frame().has_value());
    for (const Unit& u : c.units) {
        x.on_unit(u);
    }
    EXPECT_EQ(x.state(), c.state);
    EXPECT_EQ(x.done(), c.state != ExchangeState::Waiting);
    if (c.answerAt >= 0) {
        EXPECT_EQ(hex(x.answer()), hex(c.units[static_cast<std::size_t>(c.answerAt)]));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Units, ExchangeUnits,
    ::testing::Values(
        ExchangeCase{"reply answers a read",
                     kBasicReply,
                     {reply_of(PageId::Basic)},
                     ExchangeState::Answered,
                     0},
        ExchangeCase{
            "ack answers a write", kBasicAck, {ack_of(PageId::Basic)}, ExchangeState::Answered, 0},
        ExchangeCase{"status frame answers a status request",
                     kStatusFrame,
                     {notice(UnitKind::Status)},
                     ExchangeState::Answered,
                     0},
        ExchangeCase{"hall done answers a hall test",
                     kHallAExpect,
                     {hall_done(UnitKind::HallADone, PageId::Motor)},
                     ExchangeState::Answered,
                     0},
        ExchangeCase{
            "broken unit", kBasicReply, {broken(reply_of(PageId::Basic))}, ExchangeState::Broken},
        ExchangeCase{"unknown code", kBasicReply, {unknown_unit()}, ExchangeState::Unknown},
        ExchangeCase{
            "status frame waits", kBasicReply, {notice(UnitKind::Status)}, ExchangeState::Waiting},
        ExchangeCase{"user info waits", kBasicReply, {user_info("Rider")}, ExchangeState::Waiting},
        ExchangeCase{"other page reply waits",
                     kBasicReply,
                     {reply_of(PageId::Reference)},
                     ExchangeState::Waiting},
        ExchangeCase{
            "other page ack waits", kBasicAck, {ack_of(PageId::Reference)}, ExchangeState::Waiting},
        ExchangeCase{"own ack does not answer a read",
                     kBasicReply,
                     {ack_of(PageId::Basic)},
                     ExchangeState::Waiting},
        ExchangeCase{"own reply does not answer a write",
                     kBasicAck,
                     {reply_of(PageId::Basic)},
                     ExchangeState::Waiting},
        // D5 C6 is Derate's acknowledgement, not Flux weaken's reply D6 C6.
        ExchangeCase{"derate ack is no flux weaken reply",
                     kFluxReply,
                     {ack_of(PageId::Derate)},
                     ExchangeState::Waiting},
        ExchangeCase{"hall running waits",
                     kHallAExpect,
                     {notice(UnitKind::HallARunning)},
                     ExchangeState::Waiting},
        ExchangeCase{"hall b done is no hall a done",
                     kHallAExpect,
                     {hall_done(UnitKind::HallBDone, PageId::Protection)},
                     ExchangeState::Waiting},
        ExchangeCase{"answer after other kinds",
                     kBasicReply,
                     {notice(UnitKind::Status), user_info("Rider"), reply_of(PageId::Reference),
                      ack_of(PageId::Reference), notice(UnitKind::HallARunning),
                      reply_of(PageId::Basic)},
                     ExchangeState::Answered,
                     5},
        ExchangeCase{"first answer is kept",
                     kBasicReply,
                     {reply_of(PageId::Basic, {{"txtMaxspeed", "4321"}}), reply_of(PageId::Basic)},
                     ExchangeState::Answered,
                     0},
        ExchangeCase{"broken unit after the answer",
                     kBasicReply,
                     {reply_of(PageId::Basic), broken(reply_of(PageId::Basic))},
                     ExchangeState::Answered,
                     0},
        ExchangeCase{"answer after a broken unit",
                     kBasicReply,
                     {broken(reply_of(PageId::Basic)), reply_of(PageId::Basic)},
                     ExchangeState::Broken}),
    ByLabel<&ExchangeCase::name>{});

struct TimeoutCase {
    const char* name;
    std::optional<int> timeout; // nullopt: the exchange's default
    int ticks;
    ExchangeState state;
};

class ExchangeTimeout : public ::testing::TestWithParam<TimeoutCase> {};

TEST_P(ExchangeTimeout, EndsOnTheTickOfItsTimeout) {
    const auto& c = GetParam();
    Bytes frame = bytes_of(frame_set().read(PageId::Basic));
    Exchange x =
        c.timeout ? Exchange(frame, kBasicReply, *c.timeout) : Exchange(frame, kBasicReply);
    ASSERT_TRUE(x.take_frame().has_value());
    for (int i = 0; i < c.ticks; ++i) {
        x.tick();
    }
    EXPECT_EQ(x.state(), c.state);
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, ExchangeTimeout,
    ::testing::Values(TimeoutCase{"one second 9", std::nullopt, 9, ExchangeState::Waiting},
                      TimeoutCase{"one second 10", std::nullopt, 10, ExchangeState::TimedOut},
                      TimeoutCase{"one second 30", std::nullopt, 30, ExchangeState::TimedOut},
                      TimeoutCase{"ten seconds 99", 100, 99, ExchangeState::Waiting},
                      TimeoutCase{"ten seconds 100", 100, 100, ExchangeState::TimedOut}),
    ByLabel<&TimeoutCase::name>{});

TEST(Exchange, LateAnswerAfterTheTimeoutIsNotTaken) {
    Exchange x(bytes_of(frame_set().read(PageId::Basic)), kBasicReply);
    ASSERT_TRUE(x.take_frame().has_value());
    for (int i = 0; i < 10; ++i) {
        x.tick();
    }
    ASSERT_EQ(x.state(), ExchangeState::TimedOut);
    const Unit late = reply_of(PageId::Basic);
    x.on_unit(late);
    EXPECT_EQ(x.state(), ExchangeState::TimedOut);
    EXPECT_NE(hex(x.answer()), hex(late));
}

struct BeforeCase {
    const char* name;
    std::optional<Unit> unit;
};

class ExchangeBeforeTheFrame : public ::testing::TestWithParam<BeforeCase> {};

// Until the frame is on the line nothing can answer it and no time runs for it.
TEST_P(ExchangeBeforeTheFrame, NothingCounts) {
    const auto& c = GetParam();
    Exchange x(bytes_of(frame_set().read(PageId::Basic)), kBasicReply);
    for (int i = 0; i < 50; ++i) {
        x.tick();
    }
    if (c.unit) {
        x.on_unit(*c.unit);
    }
    EXPECT_EQ(x.state(), ExchangeState::Waiting);
    ASSERT_TRUE(x.take_frame().has_value());
    EXPECT_EQ(x.state(), ExchangeState::Waiting);
    for (int i = 0; i < 9; ++i) {
        x.tick();
    }
    EXPECT_EQ(x.state(), ExchangeState::Waiting);
    x.tick();
    EXPECT_EQ(x.state(), ExchangeState::TimedOut);
}

INSTANTIATE_TEST_SUITE_P(Units, ExchangeBeforeTheFrame,
                         ::testing::Values(BeforeCase{"ticks only", std::nullopt},
                                           BeforeCase{"answer", reply_of(PageId::Basic)},
                                           BeforeCase{"broken", broken(reply_of(PageId::Basic))},
                                           BeforeCase{"unknown", unknown_unit()}),
                         ByLabel<&BeforeCase::name>{});

TEST(Exchange, GivesItsFrameOnce) {
    const Written w = write_of(PageId::Basic, {{"txtMaxspeed", "3210"}});
    Exchange x(bytes_of(w.frame), kBasicAck);
    const auto first = x.take_frame();
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(hex(*first), hex(w.frame));
    EXPECT_FALSE(x.take_frame().has_value());
    x.on_unit(ack_of(PageId::Basic));
    ASSERT_EQ(x.state(), ExchangeState::Answered);
    EXPECT_FALSE(x.take_frame().has_value());
}

// ---- the session on a line --------------------------------------------------------------

// Something that happens on the line: a unit arrives, then `ticks` pass without one.
struct Event {
    std::optional<Unit> unit;
    int ticks = 0;
};

Event arrive(const Unit& u) {
    return {u, 0};
}

Event silence(int ticks) {
    return {std::nullopt, ticks};
}

// A session whose every offered frame is put on the line at once; a drain it asks for finds
// the line quiet at once. The tables below ask once more at most (one retry), unless a case says.
struct Line {
    explicit Line(int retries = 1) : session(retries) {}

    Session session;
    std::vector<std::string> sent; // hex
    int drains = 0;

    void take() {
        for (;;) {
            while (auto f = session.take_frame()) {
                sent.push_back(hex(*f));
            }
            if (!session.take_drain_request()) {
                return;
            }
            ++drains;
            session.line_quiet();
        }
    }

    void play(const std::vector<Event>& events) {
        take();
        for (const Event& e : events) {
            if (e.unit) {
                session.on_unit(*e.unit);
                take();
            }
            for (int i = 0; i < e.ticks; ++i) {
                session.tick();
                take();
            }
        }
    }

    // The finished step, if one finished; more than one is a failure.
    std::optional<StepResult> only_result() {
        auto results = session.take_results();
        EXPECT_LE(results.size(), 1U);
        if (results.empty()) {
            return std::nullopt;
        }
        return results.front();
    }
};

std::string outcome_text(const std::optional<StepResult>& r) {
    return r ? std::string(step_outcome_name(r->outcome)) : std::string("none");
}

// ---- reads and status requests: asked once more when no good answer comes ---------------

struct RepeatCase {
    const char* name;
    bool status; // else a read of `page`
    PageId page;
    std::vector<Event> events;
    std::size_t frames;
    std::optional<StepOutcome> outcome; // nullopt: still waiting
    int requests = 0;
};

class RepeatedRequest : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(RepeatedRequest, AsksAtMostTwice) {
    const auto& c = GetParam();
    Line line;
    if (c.status) {
        line.session.status();
    } else {
        line.session.read(c.page);
    }
    line.play(c.events);

    const std::string request =
        c.status ? hex(frame_set().statusRequest) : hex(frame_set().read(c.page));
    EXPECT_EQ(line.sent.size(), c.frames);
    for (const std::string& f : line.sent) {
        EXPECT_EQ(f, request);
    }
    const auto r = line.only_result();
    EXPECT_EQ(line.session.idle(), c.outcome.has_value());
    ASSERT_EQ(r.has_value(), c.outcome.has_value()) << outcome_text(r);
    if (!r) {
        return;
    }
    EXPECT_EQ(r->outcome, *c.outcome) << outcome_text(r);
    EXPECT_EQ(r->kind, c.status ? StepKind::Status : StepKind::Read);
    EXPECT_EQ(r->page, c.status ? std::nullopt : std::optional<PageId>(c.page));
    EXPECT_EQ(r->requests, c.requests);
    EXPECT_FALSE(r->written);
    if (r->outcome == StepOutcome::Done) {
        const Unit answer = c.status ? notice(UnitKind::Status) : reply_of(c.page);
        EXPECT_EQ(hex(r->answer), hex(answer));
    }
}

Unit basic_reply() {
    return reply_of(PageId::Basic);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RepeatedRequest,
    ::testing::Values(
        RepeatCase{"read answered",
                   false,
                   PageId::Basic,
                   {arrive(basic_reply())},
                   1,
                   StepOutcome::Done,
                   1},
        RepeatCase{"read hardware answered",
                   false,
                   PageId::Hardware,
                   {arrive(reply_of(PageId::Hardware))},
                   1,
                   StepOutcome::Done,
                   1},
        RepeatCase{"read silent 9", false, PageId::Basic, {silence(9)}, 1, std::nullopt},
        RepeatCase{"read silent 10", false, PageId::Basic, {silence(10)}, 2, std::nullopt},
        RepeatCase{"read silent 19", false, PageId::Basic, {silence(19)}, 2, std::nullopt},
        RepeatCase{
            "read silent 20", false, PageId::Basic, {silence(20)}, 2, StepOutcome::TimedOut, 2},
        RepeatCase{
            "read silent 200", false, PageId::Basic, {silence(200)}, 2, StepOutcome::TimedOut, 2},
        RepeatCase{"read answer to the retry",
                   false,
                   PageId::Basic,
                   {silence(10), arrive(basic_reply())},
                   2,
                   StepOutcome::Done,
                   2},
        RepeatCase{"read answer at the end of the retry",
                   false,
                   PageId::Basic,
                   {silence(19), arrive(basic_reply())},
                   2,
                   StepOutcome::Done,
                   2},
        RepeatCase{"read answer after both timeouts",
                   false,
                   PageId::Basic,
                   {silence(20), arrive(basic_reply()), silence(20)},
                   2,
                   StepOutcome::TimedOut,
                   2},
        RepeatCase{"read broken then answer",
                   false,
                   PageId::Basic,
                   {arrive(broken(basic_reply())), arrive(basic_reply())},
                   2,
                   StepOutcome::Done,
                   2},
        RepeatCase{"read unknown then answer",
                   false,
                   PageId::Basic,
                   {arrive(unknown_unit()), arrive(basic_reply())},
                   2,
                   StepOutcome::Done,
                   2},
        RepeatCase{"read broken twice",
                   false,
                   PageId::Basic,
                   {arrive(broken(basic_reply())), arrive(broken(basic_reply())), silence(50)},
                   2,
                   StepOutcome::Broken,
                   2},
        RepeatCase{"read silent then unknown",
                   false,
                   PageId::Basic,
                   {silence(10), arrive(unknown_unit()), silence(50)},
                   2,
                   StepOutcome::Unknown,
                   2},
        RepeatCase{"read other page reply then answer",
                   false,
                   PageId::Basic,
                   {arrive(reply_of(PageId::Reference)), arrive(basic_reply())},
                   1,
                   StepOutcome::Done,
                   1},
        RepeatCase{"read other page reply is no answer",
                   false,
                   PageId::Basic,
                   {arrive(reply_of(PageId::Reference)), silence(20)},
                   2,
                   StepOutcome::TimedOut,
                   2},
        RepeatCase{"read other kinds then answer",
                   false,
                   PageId::Basic,
                   {arrive(notice(UnitKind::Status)), arrive(user_info("Rider")),
                    arrive(ack_of(PageId::Basic)), arrive(notice(UnitKind::ThrottleWarning)),
                    arrive(basic_reply())},
                   1,
                   StepOutcome::Done,
                   1},
        RepeatCase{"status answered",
                   true,
                   PageId::Basic,
                   {arrive(notice(UnitKind::Status))},
                   1,
                   StepOutcome::Done,
                   1},
        RepeatCase{
            "status silent 20", true, PageId::Basic, {silence(20)}, 2, StepOutcome::TimedOut, 2},
        RepeatCase{"status broken then answer",
                   true,
                   PageId::Basic,
                   {arrive(broken(notice(UnitKind::Status))), arrive(notice(UnitKind::Status))},
                   2,
                   StepOutcome::Done,
                   2},
        RepeatCase{"status reply is no answer",
                   true,
                   PageId::Basic,
                   {arrive(basic_reply()), silence(9)},
                   1,
                   std::nullopt}),
    ByLabel<&RepeatCase::name>{});

class ReadEveryPage : public ::testing::TestWithParam<PageId> {};

TEST_P(ReadEveryPage, SendsItsReadRequestAndTakesItsReply) {
    const PageId page = GetParam();
    Line line;
    line.session.read(page);
    line.play({arrive(reply_of(page))});
    ASSERT_EQ(line.sent.size(), 1U);
    EXPECT_EQ(line.sent[0], hex(frame_set().read(page)));
    const auto r = line.only_result();
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->outcome, StepOutcome::Done) << outcome_text(r);
    EXPECT_EQ(r->page, page);
    EXPECT_EQ(hex(r->answer), hex(reply_of(page)));
}

INSTANTIATE_TEST_SUITE_P(Pages, ReadEveryPage, ::testing::ValuesIn(kAllPages), page_param_name);

// ---- writes: sent once, acknowledged, read back and compared ----------------------------

struct WriteCase {
    std::string name;
    PageId page;
    Unit frame;
    bool verify;
    std::vector<Event> events;
    std::vector<std::string> sent; // hex, in order
    std::optional<StepOutcome> outcome;
    bool written = false;
    int requests = 0;
    std::vector<std::string> differing = {};
    std::optional<Unit> answer = std::nullopt;
    bool ackLost = false;
    std::optional<Unit> previous = std::nullopt; // what the controller held before the write
};

std::vector<WriteCase> write_cases() {
    const PageId basic = PageId::Basic;
    const Written w = write_of(basic, {{"txtMaxspeed", "3210"}});
    const Unit same = read_back_of(basic, w);
    const Unit differs = read_back_of(basic, w, {{"txtBspeed", "-1234"}});
    const Unit previous = reply_of(basic);
    const Unit ack = ack_of(basic);
    const std::string W = hex(w.frame);
    const std::string R = hex(frame_set().read(basic));

    // The controller keeps its own bytes whatever the write carried.
    const PageId hardware = PageId::Hardware;
    const Written hw = write_of(hardware, {{"txtSNNum", "4321"}});
    Unit hwSame = read_back_of(hardware, hw);
    Unit hwDiffers = read_back_of(hardware, hw, {{"txtProjectNum", "77"}});
    std::uint8_t reading = 0xA1;
    for (const std::uint8_t at : controller_owned_bytes(page_schema(hardware))) {
        hwSame[at] = reading;
        hwDiffers[at] = reading;
        ++reading;
    }
    const std::string HW = hex(hw.frame);
    const std::string HR = hex(frame_set().read(hardware));

    using O = StepOutcome;
    return {
        {"ack and same read back",
         basic,
         w.frame,
         true,
         {arrive(ack), arrive(same)},
         {W, R},
         O::Done,
         true,
         2,
         {},
         same},
        {"no ack 9", basic, w.frame, true, {silence(9)}, {W}, std::nullopt},
        // A lost acknowledgement is settled by reading back; the write is never sent again.
        {"no ack 10 reads back", basic, w.frame, true, {silence(10)}, {W, R}, std::nullopt},
        {"no ack, read-back matches",
         basic,
         w.frame,
         true,
         {silence(10), arrive(same)},
         {W, R},
         O::Done,
         true,
         2,
         {},
         same,
         true},
        {"no ack, read-back shows the previous values",
         basic,
         w.frame,
         true,
         {silence(10), arrive(previous)},
         {W, R},
         O::NotStored,
         false,
         2,
         {"txtMaxspeed"},
         previous,
         true,
         previous},
        {"no ack, read-back shows neither",
         basic,
         w.frame,
         true,
         {silence(10), arrive(differs)},
         {W, R},
         O::ReadBackDiffers,
         true,
         2,
         {"txtBspeed"},
         differs,
         true,
         previous},
        {"no ack, read-back unlike the write and nothing known before",
         basic,
         w.frame,
         true,
         {silence(10), arrive(previous)},
         {W, R},
         O::ReadBackDiffers,
         false,
         2,
         {"txtMaxspeed"},
         previous,
         true},
        {"no ack 50, no read-back",
         basic,
         w.frame,
         true,
         {silence(50)},
         {W, R, R},
         O::NoReadBack,
         false,
         3,
         {},
         std::nullopt,
         true},
        {"ack after the timeout is no read-back",
         basic,
         w.frame,
         true,
         {silence(10), arrive(ack), silence(50)},
         {W, R, R},
         O::NoReadBack,
         false,
         3,
         {},
         std::nullopt,
         true},
        {"broken instead of ack",
         basic,
         w.frame,
         true,
         {arrive(broken(ack)), arrive(same)},
         {W, R},
         O::Done,
         true,
         2,
         {},
         same,
         true},
        {"unknown instead of ack",
         basic,
         w.frame,
         true,
         {arrive(unknown_unit()), silence(50)},
         {W, R, R},
         O::NoReadBack,
         false,
         3,
         {},
         std::nullopt,
         true},
        {"other page ack is no ack",
         basic,
         w.frame,
         true,
         {arrive(ack_of(PageId::Reference)), silence(10), arrive(same)},
         {W, R},
         O::Done,
         true,
         2,
         {},
         same,
         true},
        {"reply is no ack",
         basic,
         w.frame,
         true,
         {arrive(same), silence(50)},
         {W, R, R},
         O::NoReadBack,
         false,
         3,
         {},
         std::nullopt,
         true},
        {"read back differs in one field",
         basic,
         w.frame,
         true,
         {arrive(ack), arrive(differs)},
         {W, R},
         O::ReadBackDiffers,
         true,
         2,
         {"txtBspeed"},
         differs},
        {"read back silent 19",
         basic,
         w.frame,
         true,
         {arrive(ack), silence(19)},
         {W, R, R},
         std::nullopt},
        {"read back silent 20",
         basic,
         w.frame,
         true,
         {arrive(ack), silence(20)},
         {W, R, R},
         O::TimedOut,
         true,
         3},
        {"read back silent 100",
         basic,
         w.frame,
         true,
         {arrive(ack), silence(100)},
         {W, R, R},
         O::TimedOut,
         true,
         3},
        {"read back answers the retry",
         basic,
         w.frame,
         true,
         {arrive(ack), silence(10), arrive(same)},
         {W, R, R},
         O::Done,
         true,
         3,
         {},
         same},
        {"read back broken then same",
         basic,
         w.frame,
         true,
         {arrive(ack), arrive(broken(same)), arrive(same)},
         {W, R, R},
         O::Done,
         true,
         3,
         {},
         same},
        {"without verify",
         basic,
         w.frame,
         false,
         {arrive(ack), silence(50)},
         {W},
         O::Done,
         true,
         1,
         {},
         ack},
        {"hardware own bytes differ",
         hardware,
         hw.frame,
         true,
         {arrive(ack_of(hardware)), arrive(hwSame)},
         {HW, HR},
         O::Done,
         true,
         2,
         {},
         hwSame},
        {"hardware field and own bytes differ",
         hardware,
         hw.frame,
         true,
         {arrive(ack_of(hardware)), arrive(hwDiffers)},
         {HW, HR},
         O::ReadBackDiffers,
         true,
         2,
         {"txtProjectNum"},
         hwDiffers},
    };
}

class WriteStep : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteStep, IsSentOnceAndReadBack) {
    const auto& c = GetParam();
    Line line;
    line.session.write(c.page, c.frame, c.verify, c.previous);
    line.play(c.events);

    EXPECT_EQ(line.sent, c.sent);
    const auto r = line.only_result();
    EXPECT_EQ(line.session.idle(), c.outcome.has_value());
    ASSERT_EQ(r.has_value(), c.outcome.has_value()) << outcome_text(r);
    if (!r) {
        return;
    }
    EXPECT_EQ(r->outcome, *c.outcome) << outcome_text(r);
    EXPECT_EQ(r->kind, StepKind::Write);
    EXPECT_EQ(r->page, c.page);
    EXPECT_EQ(r->written, c.written);
    EXPECT_EQ(r->requests, c.requests);
    EXPECT_EQ(r->differing, c.differing);
    EXPECT_EQ(r->ackLost, c.ackLost);
    if (c.answer) {
        EXPECT_EQ(hex(r->answer), hex(*c.answer));
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, WriteStep, ::testing::ValuesIn(write_cases()),
                         ByLabel<&WriteCase::name>{});

// ---- hall tests and the counter reset: never asked twice --------------------------------

struct OnceCase {
    const char* name;
    StepKind kind; // HallTestA, HallTestB or ResetCount
    std::vector<Event> events;
    std::optional<StepOutcome> outcome;
    std::optional<Unit> answer = std::nullopt;
};

class OnceRequest : public ::testing::TestWithParam<OnceCase> {};

TEST_P(OnceRequest, WaitsForItsOwnAnswer) {
    const auto& c = GetParam();
    Line line;
    std::string request;
    PageId page = PageId::Hardware;
    switch (c.kind) {
    case StepKind::HallTestA:
        line.session.hall_test(false);
        request = hex(frame_set().hallTestA);
        page = PageId::Motor;
        break;
    case StepKind::HallTestB:
        line.session.hall_test(true);
        request = hex(frame_set().hallTestB);
        page = PageId::Protection;
        break;
    default:
        line.session.reset_count();
        request = hex(frame_set().counterReset);
        break;
    }
    line.play(c.events);

    EXPECT_EQ(line.sent, std::vector<std::string>{request});
    const auto r = line.only_result();
    EXPECT_EQ(line.session.idle(), c.outcome.has_value());
    ASSERT_EQ(r.has_value(), c.outcome.has_value()) << outcome_text(r);
    if (!r) {
        return;
    }
    EXPECT_EQ(r->outcome, *c.outcome) << outcome_text(r);
    EXPECT_EQ(r->kind, c.kind);
    EXPECT_EQ(r->page, page);
    EXPECT_EQ(r->requests, 1);
    if (c.answer) {
        EXPECT_EQ(hex(r->answer), hex(*c.answer));
    }
}

Unit hall_a_done() {
    return hall_done(UnitKind::HallADone, PageId::Motor);
}

Unit hall_b_done() {
    return hall_done(UnitKind::HallBDone, PageId::Protection);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, OnceRequest,
    ::testing::Values(
        OnceCase{"hall a done",
                 StepKind::HallTestA,
                 {arrive(notice(UnitKind::HallARunning)), arrive(hall_a_done())},
                 StepOutcome::Done,
                 hall_a_done()},
        OnceCase{"hall a done at 99",
                 StepKind::HallTestA,
                 {arrive(notice(UnitKind::HallARunning)), silence(99), arrive(hall_a_done())},
                 StepOutcome::Done,
                 hall_a_done()},
        OnceCase{"hall a running only 99",
                 StepKind::HallTestA,
                 {arrive(notice(UnitKind::HallARunning)), silence(99)},
                 std::nullopt},
        OnceCase{"hall a running only 100",
                 StepKind::HallTestA,
                 {arrive(notice(UnitKind::HallARunning)), silence(100)},
                 StepOutcome::TimedOut},
        OnceCase{"hall a silent 300", StepKind::HallTestA, {silence(300)}, StepOutcome::TimedOut},
        OnceCase{"hall a ignores b done",
                 StepKind::HallTestA,
                 {arrive(hall_b_done()), silence(100)},
                 StepOutcome::TimedOut},
        OnceCase{"hall a ignores a motor reply",
                 StepKind::HallTestA,
                 {arrive(reply_of(PageId::Motor)), silence(99)},
                 std::nullopt},
        OnceCase{"hall a broken notice",
                 StepKind::HallTestA,
                 {arrive(broken(hall_a_done())), silence(100)},
                 StepOutcome::Broken},
        OnceCase{"hall b done",
                 StepKind::HallTestB,
                 {arrive(notice(UnitKind::HallBRunning)), arrive(hall_b_done())},
                 StepOutcome::Done,
                 hall_b_done()},
        OnceCase{"hall b running only 100",
                 StepKind::HallTestB,
                 {arrive(notice(UnitKind::HallBRunning)), silence(100)},
                 StepOutcome::TimedOut},
        OnceCase{"hall b ignores a done",
                 StepKind::HallTestB,
                 {arrive(hall_a_done()), silence(99)},
                 std::nullopt},
        OnceCase{"reset answered",
                 StepKind::ResetCount,
                 {arrive(reset_reply())},
                 StepOutcome::Done,
                 reset_reply()},
        OnceCase{"reset silent 9", StepKind::ResetCount, {silence(9)}, std::nullopt},
        OnceCase{"reset silent 10", StepKind::ResetCount, {silence(10)}, StepOutcome::TimedOut},
        OnceCase{"reset silent 50", StepKind::ResetCount, {silence(50)}, StepOutcome::TimedOut},
        OnceCase{"reset broken",
                 StepKind::ResetCount,
                 {arrive(broken(reset_reply())), silence(50)},
                 StepOutcome::Broken},
        // A hardware reply under the read code (a late answer to an earlier read) still carries
        // the old count: it is not the reset's answer.
        OnceCase{
            "reset not answered by a read reply",
            StepKind::ResetCount,
            {arrive(reply_of(PageId::Hardware, {{"txtcIdcCalibNum", "7"}})), arrive(reset_reply())},
            StepOutcome::Done,
            reset_reply()}),
    ByLabel<&OnceCase::name>{});

// ---- the queue --------------------------------------------------------------------------

TEST(SessionQueue, RunsStepsInOrderOneFrameAtATime) {
    Session s;
    s.read(PageId::Basic);
    s.read(PageId::Motor);
    s.status();

    auto first = s.take_frame();
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(hex(*first), hex(frame_set().read(PageId::Basic)));
    for (int i = 0; i < 5; ++i) {
        s.tick();
        EXPECT_FALSE(s.take_frame().has_value()) << "second frame before the first answer";
    }
    s.on_unit(reply_of(PageId::Basic));
    auto second = s.take_frame();
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(hex(*second), hex(frame_set().read(PageId::Motor)));
    EXPECT_FALSE(s.take_frame().has_value());
    s.on_unit(reply_of(PageId::Motor));
    auto third = s.take_frame();
    ASSERT_TRUE(third.has_value());
    EXPECT_EQ(hex(*third), hex(frame_set().statusRequest));
    EXPECT_FALSE(s.idle());
    s.on_unit(notice(UnitKind::Status));
    EXPECT_TRUE(s.idle());
    EXPECT_FALSE(s.take_frame().has_value());

    const auto results = s.take_results();
    ASSERT_EQ(results.size(), 3U);
    EXPECT_EQ(results[0].kind, StepKind::Read);
    EXPECT_EQ(results[0].page, PageId::Basic);
    EXPECT_EQ(hex(results[0].answer), hex(reply_of(PageId::Basic)));
    EXPECT_EQ(results[1].kind, StepKind::Read);
    EXPECT_EQ(results[1].page, PageId::Motor);
    EXPECT_EQ(hex(results[1].answer), hex(reply_of(PageId::Motor)));
    EXPECT_EQ(results[2].kind, StepKind::Status);
    for (const StepResult& r : results) {
        EXPECT_TRUE(r.ok()) << step_outcome_name(r.outcome);
        EXPECT_EQ(r.requests, 1);
    }
    EXPECT_TRUE(s.take_results().empty());
}

TEST(SessionQueue, ResultsAreTakenOnceAsTheyFinish) {
    Line line;
    line.session.read(PageId::Basic);
    line.session.read(PageId::Reference);
    line.play({arrive(reply_of(PageId::Basic))});
    const auto early = line.session.take_results();
    ASSERT_EQ(early.size(), 1U);
    EXPECT_EQ(early[0].page, PageId::Basic);
    EXPECT_TRUE(line.session.take_results().empty());
    line.play({arrive(reply_of(PageId::Reference))});
    const auto late = line.session.take_results();
    ASSERT_EQ(late.size(), 1U);
    EXPECT_EQ(late[0].page, PageId::Reference);
}

struct FailCase {
    const char* name;
    bool write; // else a read of Basic
    std::vector<Event> events;
    StepOutcome outcome;
    std::size_t frames;
};

class FailingStep : public ::testing::TestWithParam<FailCase> {};

TEST_P(FailingStep, DropsTheStepsQueuedAfterIt) {
    const auto& c = GetParam();
    const Written w = write_of(PageId::Basic, {{"txtMaxspeed", "3210"}});
    Line line;
    if (c.write) {
        line.session.write(PageId::Basic, w.frame);
    } else {
        line.session.read(PageId::Basic);
    }
    line.session.read(PageId::Motor);
    line.session.status();
    line.play(c.events);
    line.play({silence(50)});

    EXPECT_EQ(line.sent.size(), c.frames);
    const std::string motorRead = hex(frame_set().read(PageId::Motor));
    for (const std::string& f : line.sent) {
        EXPECT_NE(f, motorRead);
        EXPECT_NE(f, hex(frame_set().statusRequest));
    }
    const auto results = line.session.take_results();
    ASSERT_EQ(results.size(), 1U);
    EXPECT_EQ(results[0].outcome, c.outcome) << step_outcome_name(results[0].outcome);
    EXPECT_TRUE(line.session.idle());

    // Later steps run again.
    line.session.read(PageId::Motor);
    line.take();
    ASSERT_FALSE(line.sent.empty());
    EXPECT_EQ(line.sent.back(), motorRead);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FailingStep,
    ::testing::Values(FailCase{"read silent", false, {silence(20)}, StepOutcome::TimedOut, 2},
                      FailCase{"read broken twice",
                               false,
                               {arrive(broken(basic_reply())), arrive(broken(basic_reply()))},
                               StepOutcome::Broken,
                               2},
                      FailCase{"write not acknowledged, no read-back",
                               true,
                               {silence(10)},
                               StepOutcome::NoReadBack,
                               3},
                      FailCase{"write broken ack, no read-back",
                               true,
                               {arrive(broken(ack_of(PageId::Basic)))},
                               StepOutcome::NoReadBack,
                               3},
                      FailCase{"write unknown, no read-back",
                               true,
                               {arrive(unknown_unit())},
                               StepOutcome::NoReadBack,
                               3},
                      FailCase{"read back silent",
                               true,
                               {arrive(ack_of(PageId::Basic)), silence(20)},
                               StepOutcome::TimedOut,
                               3},
                      FailCase{"read back differs",
                               true,
                               {arrive(ack_of(PageId::Basic)),
                                arrive(reply_of(PageId::Basic, {{"txtMaxspeed", "1"}}))},
                               StepOutcome::ReadBackDiffers,
                               2}),
    ByLabel<&FailCase::name>{});

TEST(SessionQueue, CancelDropsTheQueueAndTheStepInProgress) {
    Line line;
    line.session.read(PageId::Basic);
    line.session.read(PageId::Motor);
    line.take();
    ASSERT_EQ(line.sent.size(), 1U);
    line.session.cancel();
    EXPECT_TRUE(line.session.idle());
    line.play({arrive(reply_of(PageId::Basic)), silence(50)});
    EXPECT_EQ(line.sent.size(), 1U);
    EXPECT_TRUE(line.session.take_results().empty());

    line.session.read(PageId::Reference);
    line.play({arrive(reply_of(PageId::Reference))});
    ASSERT_EQ(line.sent.size(), 2U);
    EXPECT_EQ(line.sent[1], hex(frame_set().read(PageId::Reference)));
    const auto r = line.only_result();
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->page, PageId::Reference);
    EXPECT_TRUE(r->ok()) << step_outcome_name(r->outcome);
}

TEST(SessionQueue, CancelDuringTheReadBackSendsNothingMore) {
    const Written w = write_of(PageId::Basic, {{"txtMaxspeed", "3210"}});
    Line line;
    line.session.write(PageId::Basic, w.frame);
    line.play({arrive(ack_of(PageId::Basic))});
    ASSERT_EQ(line.sent.size(), 2U);
    line.session.cancel();
    line.play({silence(50), arrive(read_back_of(PageId::Basic, w))});
    EXPECT_EQ(line.sent.size(), 2U);
    EXPECT_TRUE(line.session.take_results().empty());
    EXPECT_TRUE(line.session.idle());
}

// ---- the user name ----------------------------------------------------------------------

enum class Moment : std::uint8_t { Idle, Queued, WaitingForReply, WaitingForAck, Cancelled };

struct NameCase {
    const char* name;
    Moment moment;
};

class UserNameAnyTime : public ::testing::TestWithParam<NameCase> {};

TEST_P(UserNameAnyTime, IsPickedUp) {
    const auto& c = GetParam();
    Session s;
    ASSERT_FALSE(s.user_name().has_value());
    switch (c.moment) {
    case Moment::Idle:
        break;
    case Moment::Queued:
        s.read(PageId::Basic);
        break;
    case Moment::WaitingForReply:
        s.read(PageId::Basic);
        ASSERT_TRUE(s.take_frame().has_value());
        break;
    case Moment::WaitingForAck:
        s.write(PageId::Basic, write_of(PageId::Basic, {}).frame);
        ASSERT_TRUE(s.take_frame().has_value());
        break;
    case Moment::Cancelled:
        s.read(PageId::Basic);
        ASSERT_TRUE(s.take_frame().has_value());
        s.cancel();
        break;
    }
    s.on_unit(user_info("Rider 7"));
    EXPECT_EQ(s.user_name(), std::optional<std::string>("Rider 7"));
    EXPECT_TRUE(s.take_results().empty());
}

INSTANTIATE_TEST_SUITE_P(Moments, UserNameAnyTime,
                         ::testing::Values(NameCase{"idle", Moment::Idle},
                                           NameCase{"queued", Moment::Queued},
                                           NameCase{"waiting for reply", Moment::WaitingForReply},
                                           NameCase{"waiting for ack", Moment::WaitingForAck},
                                           NameCase{"cancelled", Moment::Cancelled}),
                         ByLabel<&NameCase::name>{});

TEST(SessionUserName, LatestWholeUserInfoWins) {
    Session s;
    s.on_unit(user_info("First"));
    s.on_unit(user_info("Second"));
    s.on_unit(broken(user_info("Third")));
    EXPECT_EQ(s.user_name(), std::optional<std::string>("Second"));
}

// ---- comparing a read-back ----------------------------------------------------------------

class ReadBackOfItsOwnWrite : public ::testing::TestWithParam<PageId> {};

TEST_P(ReadBackOfItsOwnWrite, HasNoDifference) {
    const PageId page = GetParam();
    const Written w = write_of(page, {});
    EXPECT_EQ(read_back_differences(page, w.frame, read_back_of(page, w)),
              std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Pages, ReadBackOfItsOwnWrite, ::testing::ValuesIn(kAllPages),
                         page_param_name);

struct DiffCase {
    PageId page;
    Changes changes;
    std::vector<std::string> differing;
};

class ReadBackDifference : public ::testing::TestWithParam<DiffCase> {};

TEST_P(ReadBackDifference, NamesTheChangedFields) {
    const auto& c = GetParam();
    const Written w = write_of(c.page, {});
    EXPECT_EQ(read_back_differences(c.page, w.frame, read_back_of(c.page, w, c.changes)),
              c.differing);
}

std::string diff_case_name(const ::testing::TestParamInfo<DiffCase>& info) {
    std::string name = page_name(info.param.page);
    for (const auto& [field, text] : info.param.changes) {
        name += "_" + label_name(field);
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ReadBackDifference,
    ::testing::Values(
        DiffCase{PageId::Basic, {{"txtMaxspeed", "4321"}}, {"txtMaxspeed"}},
        DiffCase{PageId::Basic, {{"txtBspeed", "-1234"}}, {"txtBspeed"}},
        DiffCase{PageId::Basic, {{"txtSpeedFluxQuit", "12300"}}, {"txtSpeedFluxQuit"}},
        DiffCase{PageId::Basic,
                 {{"txtMaxspeed", "4321"}, {"txtConstPT0", "17"}},
                 {"txtMaxspeed", "txtConstPT0"}},
        DiffCase{PageId::Motor, {{"txtAngle_degree_FDir", "-91"}}, {"txtAngle_degree_FDir"}},
        DiffCase{PageId::Motor, {{"cboMTherType", "KTY83"}}, {"cboMTherType"}},
        DiffCase{PageId::Hardware, {{"cmbForward", "L"}}, {"cmbForward"}},
        DiffCase{PageId::Hardware, {{"ChkBrakeLevelH", "1"}}, {"ChkBrakeLevelH"}},
        DiffCase{PageId::Hardware, {{"ChkLockEV", "1"}}, {"ChkLockEV"}},
        DiffCase{PageId::Hardware, {{"cmbHallCType", "H3: B->G->Y"}}, {"cmbHallCType"}},
        // The controller's own count is not the user's to compare.
        DiffCase{PageId::Hardware, {{"txtcIdcCalibNum", "9"}}, {}}),
    diff_case_name);

// ---- retries, drains and a lost port ------------------------------------------------------

struct RetryCase {
    const char* name;
    int retries;
    std::vector<Event> events;
    std::size_t frames;
    std::optional<StepOutcome> outcome;
    int retried = 0;
    int drains = 0;
};

class Retries : public ::testing::TestWithParam<RetryCase> {};

// Every request the same read; a garbled answer drains the line before the next one.
TEST_P(Retries, AskAgainUpToTheLimitAndDrainAfterGarbage) {
    const auto& c = GetParam();
    Line line(c.retries);
    line.session.read(PageId::Basic);
    line.play(c.events);
    EXPECT_EQ(line.sent.size(), c.frames);
    for (const std::string& f : line.sent) {
        EXPECT_EQ(f, hex(frame_set().read(PageId::Basic)));
    }
    EXPECT_EQ(line.drains, c.drains);
    const auto r = line.only_result();
    ASSERT_EQ(r.has_value(), c.outcome.has_value()) << outcome_text(r);
    if (!r) {
        return;
    }
    EXPECT_EQ(r->outcome, *c.outcome) << outcome_text(r);
    EXPECT_EQ(r->retries, c.retried);
    EXPECT_EQ(r->requests, c.retried + 1);
    // Each retry reaches the traffic monitor.
    const auto notes = line.session.take_notes();
    EXPECT_EQ(notes.size(), static_cast<std::size_t>(c.retried));
    for (std::size_t i = 0; i < notes.size(); ++i) {
        EXPECT_TRUE(notes[i].starts_with("retry " + std::to_string(i + 1) + " of " +
                                         std::to_string(c.retries) + ": read Basic"))
            << notes[i];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Retries,
    ::testing::Values(
        RetryCase{"none silent", 0, {silence(10)}, 1, StepOutcome::TimedOut},
        RetryCase{"none broken", 0, {arrive(broken(basic_reply()))}, 1, StepOutcome::Broken, 0, 0},
        RetryCase{"three silent 39", 3, {silence(39)}, 4, std::nullopt},
        RetryCase{"three silent 40", 3, {silence(40)}, 4, StepOutcome::TimedOut, 3},
        RetryCase{"ten silent", 10, {silence(200)}, 11, StepOutcome::TimedOut, 10},
        RetryCase{"two faults in a row",
                  3,
                  {arrive(broken(basic_reply())), arrive(unknown_unit()), arrive(basic_reply())},
                  3,
                  StepOutcome::Done,
                  2,
                  2},
        RetryCase{"garbage then silence then answer",
                  3,
                  {arrive(broken(basic_reply())), silence(10), arrive(basic_reply())},
                  3,
                  StepOutcome::Done,
                  2,
                  1},
        RetryCase{"four broken answers",
                  3,
                  {arrive(broken(basic_reply())), arrive(broken(basic_reply())),
                   arrive(broken(basic_reply())), arrive(broken(basic_reply()))},
                  4,
                  StepOutcome::Broken,
                  3,
                  3}),
    ByLabel<&RetryCase::name>{});

TEST(SessionDrain, NothingIsSentOrTakenUntilTheLineIsQuiet) {
    Session s(3);
    s.read(PageId::Basic);
    ASSERT_TRUE(s.take_frame().has_value());
    s.on_unit(broken(basic_reply()));
    // The retry waits for the drain: the garbage's tail must not meet its answer.
    EXPECT_FALSE(s.take_frame().has_value());
    EXPECT_TRUE(s.take_drain_request());
    EXPECT_FALSE(s.take_drain_request()) << "asked once";
    EXPECT_TRUE(s.draining());
    s.on_unit(basic_reply()); // arrives while draining: thrown away with the rest
    EXPECT_FALSE(s.take_frame().has_value());
    EXPECT_TRUE(s.take_results().empty());
    s.line_quiet();
    EXPECT_FALSE(s.draining());
    const auto retry = s.take_frame();
    ASSERT_TRUE(retry.has_value());
    EXPECT_EQ(hex(*retry), hex(frame_set().read(PageId::Basic)));
    s.on_unit(basic_reply());
    const auto results = s.take_results();
    ASSERT_EQ(results.size(), 1U);
    EXPECT_TRUE(results[0].ok());
    EXPECT_EQ(results[0].retries, 1);
}

TEST(SessionDrain, EndsByItselfOnTheSecondTickWithoutAQuietReport) {
    Session s(3);
    s.read(PageId::Basic);
    (void)s.take_frame();
    s.on_unit(unknown_unit());
    EXPECT_FALSE(s.take_frame().has_value());
    s.tick();
    EXPECT_TRUE(s.draining());
    EXPECT_FALSE(s.take_frame().has_value());
    s.tick();
    EXPECT_FALSE(s.draining());
    EXPECT_TRUE(s.take_frame().has_value());
}

TEST(SessionDrain, TheNextStepDrainsAfterAGarbledFailure) {
    Line line(0);
    line.session.read(PageId::Basic);
    line.play({arrive(broken(basic_reply()))});
    ASSERT_EQ(line.only_result()->outcome, StepOutcome::Broken);
    EXPECT_EQ(line.drains, 0) << "nothing more to send yet";
    line.session.read(PageId::Motor);
    line.take();
    EXPECT_EQ(line.drains, 1);
    EXPECT_EQ(line.sent.back(), hex(frame_set().read(PageId::Motor)));
}

struct LostCase {
    const char* name;
    bool write;
    std::vector<Event> before; // then the port closes
    std::size_t frames;
};

class PortLost : public ::testing::TestWithParam<LostCase> {};

TEST_P(PortLost, EndsTheStepAndDropsTheQueue) {
    const auto& c = GetParam();
    const Written w = write_of(PageId::Basic, {{"txtMaxspeed", "3210"}});
    Line line(3);
    if (c.write) {
        line.session.write(PageId::Basic, w.frame, true, reply_of(PageId::Basic));
    } else {
        line.session.read(PageId::Basic);
    }
    line.session.read(PageId::Motor);
    line.play(c.before);
    line.session.line_lost();
    line.play({silence(50)});
    EXPECT_EQ(line.sent.size(), c.frames);
    EXPECT_TRUE(line.session.idle());
    const auto r = line.only_result();
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->outcome, StepOutcome::PortClosed) << outcome_text(r);
    EXPECT_EQ(r->page, PageId::Basic);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PortLost,
    ::testing::Values(LostCase{"read waiting", false, {silence(3)}, 1},
                      LostCase{"read draining", false, {arrive(broken(basic_reply()))}, 2},
                      LostCase{"write waiting for its ack", true, {silence(3)}, 1},
                      LostCase{"write reading back", true, {arrive(ack_of(PageId::Basic))}, 2}),
    ByLabel<&LostCase::name>{});

TEST(SessionStop, AReadStopsAtOnceAWriteIsSettledFirst) {
    Line reading(3);
    reading.session.read(PageId::Basic);
    reading.session.read(PageId::Motor);
    reading.take();
    reading.session.stop();
    EXPECT_TRUE(reading.session.idle());

    const Written w = write_of(PageId::Basic, {{"txtMaxspeed", "3210"}});
    Line writing(3);
    writing.session.write(PageId::Basic, w.frame, true);
    writing.session.read(PageId::Motor);
    writing.take();
    writing.session.stop();
    EXPECT_FALSE(writing.session.idle()) << "the write on the line is read back";
    writing.play({arrive(ack_of(PageId::Basic)), arrive(read_back_of(PageId::Basic, w))});
    EXPECT_TRUE(writing.session.idle());
    const auto r = writing.only_result();
    ASSERT_TRUE(r.has_value());
    EXPECT_TRUE(r->ok()) << outcome_text(r);
    EXPECT_EQ(writing.sent.size(), 2U) << "the queued read is not sent";
}

} // namespace
