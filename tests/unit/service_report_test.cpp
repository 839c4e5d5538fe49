// What a session keeps of a controller and what the service report makes of a job: the fault
// words that change, the writes with their fields before and after, the pages kept under the
// serial number, and the report's content as JSON.
#include "jobs/service_events.h"
#include "report/report_content.h"
#include "test_support.h"

#include "pages/page_codec.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace motiview;
namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

namespace {

using Texts = std::initializer_list<std::pair<std::string_view, std::string_view>>;

// The reply of a controller that holds these texts (the rest as the page loads).
Unit reply_holding(PageId page, Texts texts) {
    const PageSchema& schema = page_schema(page);
    PageState state = design_state(schema);
    // The calibration readings no page shows: the controller holds 0.
    for (std::size_t i = 0; i < schema.fields.size(); ++i) {
        if (schema.fields[i].widget == Widget::None && state.fields[i].text.empty()) {
            state.fields[i].text = "0";
        }
    }
    for (const auto& [name, text] : texts) {
        const Result<bool> set = set_field_text(schema, state, name, text);
        EXPECT_TRUE(set.ok()) << name << ": " << set.error().message;
    }
    const Result<Unit> reply = encode_reply(schema, state, kPlainNumbers);
    if (!reply.ok()) {
        ADD_FAILURE() << reply.error().message;
        return Unit{};
    }
    return reply.value();
}

constexpr std::string_view kSerial = "2207-24-9-4711-42";

// A controller's pages as read: the basic page and the hardware page with its serial number.
ParameterSet pages_of(std::string_view sequence = "4711", std::string_view maxSpeed = "4200",
                      std::string_view created = "2026-12-10T09:00:00.000+00:00") {
    ParameterSet set;
    set.created = std::string(created);
    set.tool = "2.1.0";
    set.userName = "Tech-42";
    set.pages.push_back(entry_from_reply(
        PageId::Basic,
        reply_holding(PageId::Basic, {{"txtMaxspeed", maxSpeed}, {"txtBspeed", "-1500"}})));
    set.pages.push_back(entry_from_reply(
        PageId::Hardware, reply_holding(PageId::Hardware, {{"txtProjectNum", "2207"},
                                                           {"txtYearNum", "24"},
                                                           {"txtWeekNum", "9"},
                                                           {"txtSNNum", sequence},
                                                           {"txtCustomerNum", "42"}})));
    return set;
}

// A status frame with the two fault words and any other stored values.
Unit status_frame(std::uint16_t current, std::uint16_t history,
                  std::initializer_list<std::pair<StatusField, std::int32_t>> more = {}) {
    StatusValues v;
    v.set(StatusField::CurrentFaults, current);
    v.set(StatusField::HistoryFaults, history);
    for (const auto& [field, value] : more) {
        v.set(field, value);
    }
    return test::status_frame_of(v);
}

std::vector<std::string> strings_of(const Json& array) {
    std::vector<std::string> out;
    for (const Json& s : array) {
        out.push_back(s.get<std::string>());
    }
    return out;
}

// ---- Fault words ----

struct FaultCase {
    const char* what;
    FaultWord which;
    std::uint16_t before;
    std::uint16_t after;
    const char* summary; // nullptr: no event
    std::vector<std::string> came;
    std::vector<std::string> went;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.what;
}

class ServiceFaultEvent : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ServiceFaultEvent, NamesWhatCameAndWentOrSaysTheWords) {
    const FaultCase& c = GetParam();
    const std::optional<ServiceEvent> e = fault_event(c.which, c.before, c.after);
    if (c.summary == nullptr) {
        EXPECT_FALSE(e.has_value()) << e->summary;
        return;
    }
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->kind, kEventFaults);
    EXPECT_EQ(e->summary, c.summary);
    const Json d = Json::parse(e->detail, nullptr, false);
    ASSERT_TRUE(d.is_object()) << e->detail;
    EXPECT_EQ(d.value("word", ""), c.which == FaultWord::Current ? "current" : "history");
    char before[8];
    char after[8];
    std::snprintf(before, sizeof before, "0x%04X", static_cast<unsigned>(c.before));
    std::snprintf(after, sizeof after, "0x%04X", static_cast<unsigned>(c.after));
    EXPECT_EQ(d.value("before", ""), before);
    EXPECT_EQ(d.value("after", ""), after);
    EXPECT_EQ(strings_of(d["came"]), c.came);
    EXPECT_EQ(strings_of(d["went"]), c.went);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Words, ServiceFaultEvent, ::testing::Values(
    FaultCase{"unchanged", FaultWord::Current, 0x0024, 0x0024, nullptr, {}, {}},
    FaultCase{"came_only", FaultWord::Current, 0x0000, 0x0024,
              "current faults came: over-voltage, over-current", {"over-voltage", "over-current"}, {}},
    FaultCase{"went_only", FaultWord::Current, 0x0010, 0x0000,
              "current faults went: over-heat", {}, {"over-heat"}},
    FaultCase{"came_and_went", FaultWord::Current, 0x0010, 0x0080,
              "current faults came: motor-lock; went: over-heat", {"motor-lock"}, {"over-heat"}},
    // Bits 13 and 14 swap their thermistor meaning between the two words.
    FaultCase{"history_word", FaultWord::History, 0x0000, 0x2000,
              "history faults came: thermistor-open", {"thermistor-open"}, {}},
    FaultCase{"same_bit_in_the_current_word", FaultWord::Current, 0x0000, 0x2000,
              "current faults came: thermistor-short", {"thermistor-short"}, {}},
    FaultCase{"bits_without_names", FaultWord::Current, 0x0000, 0x8100,
              "current faults 0x0000 -> 0x8100", {}, {}},
    FaultCase{"unnamed_bit_beside_a_named_one", FaultWord::History, 0x0001, 0x0020,
              "history faults came: over-current", {"over-current"}, {}},
    // Hall answers to two bits: it stays while either is set.
    FaultCase{"hall_keeps_one_of_its_bits", FaultWord::Current, 0x0402, 0x0400,
              "current faults 0x0402 -> 0x0400", {}, {}},
    FaultCase{"hall_gains_its_second_bit", FaultWord::Current, 0x0002, 0x0402,
              "current faults 0x0002 -> 0x0402", {}, {}},
    FaultCase{"hall_went_with_both_bits", FaultWord::Current, 0x0402, 0x0000,
              "current faults went: hall", {}, {"hall"}}),
    [](const ::testing::TestParamInfo<FaultCase>& p) { return std::string(p.param.what); });
// clang-format on

// ---- Writes and the other events ----

struct WriteCase {
    const char* what;
    std::string_view maxBefore;
    std::string_view maxAfter;
    std::string_view backBefore;
    std::string_view backAfter;
    const char* verdict;
    const char* summary;
    std::vector<std::vector<std::string>> fields; // field, caption, before, after
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.what;
}

class ServiceWriteEvent : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ServiceWriteEvent, NamesTheChangedFieldsWithBothTextsAndTheVerdict) {
    const WriteCase& c = GetParam();
    const Unit before =
        reply_holding(PageId::Basic, {{"txtMaxspeed", c.maxBefore}, {"txtBspeed", c.backBefore}});
    const Unit after =
        reply_holding(PageId::Basic, {{"txtMaxspeed", c.maxAfter}, {"txtBspeed", c.backAfter}});
    const ServiceEvent e = write_event(PageId::Basic, before, after, c.verdict);
    EXPECT_EQ(e.kind, kEventWrite);
    EXPECT_EQ(e.summary, c.summary);
    const Json d = Json::parse(e.detail, nullptr, false);
    ASSERT_TRUE(d.is_object()) << e.detail;
    EXPECT_EQ(d.value("page", ""), "basic");
    EXPECT_EQ(d.value("verdict", ""), c.verdict);
    std::vector<std::vector<std::string>> fields;
    for (const Json& f : d["fields"]) {
        fields.push_back({f.value("field", ""), f.value("caption", ""), f.value("before", ""),
                          f.value("after", "")});
    }
    EXPECT_EQ(fields, c.fields);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ServiceWriteEvent,
    ::testing::Values(
        WriteCase{"nothing_changed",
                  "4200",
                  "4200",
                  "-1500",
                  "-1500",
                  "written, verified",
                  "basic: written, verified",
                  {}},
        WriteCase{"one_field",
                  "4200",
                  "3200",
                  "-1500",
                  "-1500",
                  "written, verified",
                  "basic: written, verified; txtMaxspeed 4200 -> 3200",
                  {{"txtMaxspeed", "Max speed[rpm]", "4200", "3200"}}},
        WriteCase{
            "two_fields_not_read_back",
            "4200",
            "3200",
            "-1500",
            "-1000",
            "written, not read back",
            "basic: written, not read back; txtMaxspeed 4200 -> 3200, txtBspeed -1500 -> -1000",
            {{"txtMaxspeed", "Max speed[rpm]", "4200", "3200"},
             {"txtBspeed", "Back speed[rpm]", "-1500", "-1000"}}}),
    [](const ::testing::TestParamInfo<WriteCase>& p) { return std::string(p.param.what); });

struct SimpleEventCase {
    const char* what;
    ServiceEvent event;
    std::string_view kind;
    const char* summary;
    const char* detail;
};

void PrintTo(const SimpleEventCase& c, std::ostream* os) {
    *os << c.what;
}

class ServiceSimpleEvent : public ::testing::TestWithParam<SimpleEventCase> {};

TEST_P(ServiceSimpleEvent, ReadsAsALineAndKeepsItsDetails) {
    const SimpleEventCase& c = GetParam();
    EXPECT_EQ(c.event.kind, c.kind);
    EXPECT_EQ(c.event.summary, c.summary);
    EXPECT_EQ(Json::parse(c.event.detail, nullptr, false), Json::parse(c.detail));
}

INSTANTIATE_TEST_SUITE_P(
    Builders, ServiceSimpleEvent,
    ::testing::Values(SimpleEventCase{"hall_test", hall_test_event("a", "passed"), kEventHallTest,
                                      "hall test a: passed", R"({"group":"a","result":"passed"})"},
                      SimpleEventCase{"count_reset", count_reset_event("count 0"), kEventCountReset,
                                      "calibration count reset: count 0",
                                      R"({"result":"count 0"})"},
                      SimpleEventCase{"recording", recording_event("motor.csv", 12.5, 125),
                                      kEventRecording, "recording motor.csv: 12.5 s, 125 rows",
                                      R"({"file":"motor.csv","seconds":12.5,"rows":125})"},
                      SimpleEventCase{"recording_of_one_row", recording_event("a b.csv", 0.04, 1),
                                      kEventRecording, "recording a b.csv: 0.0 s, 1 row",
                                      R"({"file":"a b.csv","seconds":0.04,"rows":1})"}),
    [](const ::testing::TestParamInfo<SimpleEventCase>& p) { return std::string(p.param.what); });

// ---- What a session keeps ----

class ServiceRecordTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("motiview-record-" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        auto opened = HistoryStore::open((dir / "history.sqlite").string());
        ASSERT_TRUE(opened.ok()) << opened.error().message;
        store = std::move(opened).value();
    }
    void TearDown() override {
        store.reset();
        fs::remove_all(dir);
    }

    [[nodiscard]] std::int64_t new_job() {
        JobRecord j;
        j.serial = std::string(kSerial);
        j.number = "WO-17";
        const Result<std::int64_t> id = store->add_job(j);
        EXPECT_TRUE(id.ok()) << id.error().message;
        return id.ok() ? *id : 0;
    }

    [[nodiscard]] std::vector<EventRecord> events_of(std::string_view serial) const {
        const auto list = store->events(serial);
        EXPECT_TRUE(list.ok()) << list.error().message;
        return list.ok() ? *list : std::vector<EventRecord>{};
    }

    fs::path dir;
    std::unique_ptr<HistoryStore> store;
};

TEST_F(ServiceRecordTest, AChangeOfTheFaultWordsIsOneEventPerWordTiedToTheJob) {
    ServiceRecord record(*store);
    ASSERT_TRUE(record.store_pages(pages_of(), kSourceAsFound, 1000).ok());
    const std::int64_t job = new_job();
    record.set_job(job);

    // The first frame only says where the words stand, even with faults in it.
    const auto first = record.note_status(status_frame(0x0020, 0x0000), 1100);
    ASSERT_TRUE(first.ok());
    EXPECT_FALSE(*first);
    const auto same = record.note_status(status_frame(0x0020, 0x0000), 1200);
    ASSERT_TRUE(same.ok());
    EXPECT_FALSE(*same);
    EXPECT_TRUE(events_of(kSerial).empty());

    const auto both = record.note_status(status_frame(0x0004, 0x0020), 1300);
    ASSERT_TRUE(both.ok()) << both.error().message;
    EXPECT_TRUE(*both);
    const auto onlyHistory = record.note_status(status_frame(0x0004, 0x0024), 1400);
    ASSERT_TRUE(onlyHistory.ok());
    EXPECT_TRUE(*onlyHistory);

    const auto ofJob = store->job_events(job);
    ASSERT_TRUE(ofJob.ok());
    ASSERT_EQ(ofJob->size(), 3U);
    const std::vector<std::string> summaries = {ofJob->at(0).summary, ofJob->at(1).summary,
                                                ofJob->at(2).summary};
    EXPECT_EQ(summaries,
              (std::vector<std::string>{"current faults came: over-voltage; went: over-current",
                                        "history faults came: over-current",
                                        "history faults came: over-voltage"}));
    for (const EventRecord& e : *ofJob) {
        EXPECT_EQ(e.serial, kSerial);
        EXPECT_EQ(e.kind, kEventFaults);
        EXPECT_EQ(e.job, std::optional<std::int64_t>(job));
    }
    EXPECT_EQ(ofJob->at(0).timeMs, 1300);
    EXPECT_EQ(ofJob->at(2).timeMs, 1400);
    EXPECT_EQ(events_of(kSerial).size(), 3U);
}

TEST_F(ServiceRecordTest, NothingIsStoredBeforeTheControllerIsKnown) {
    ServiceRecord record(*store);
    for (const auto& [frame, ms] :
         {std::pair{status_frame(0, 0), 10}, std::pair{status_frame(0x0010, 0x0010), 20}}) {
        const auto r = record.note_status(frame, ms);
        ASSERT_TRUE(r.ok());
        EXPECT_FALSE(*r);
    }
    const auto hall = record.note(hall_test_event("a", "passed"), 30);
    ASSERT_TRUE(hall.ok());
    EXPECT_FALSE(*hall);
    EXPECT_FALSE(record.controller().has_value());
    const auto controllers = store->controllers();
    ASSERT_TRUE(controllers.ok());
    EXPECT_TRUE(controllers->empty());

    // A set without the page that carries the serial number makes no controller either.
    ParameterSet basicOnly = pages_of();
    basicOnly.pages.pop_back();
    const auto refused = record.store_pages(basicOnly, kSourceAsFound, 40);
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.error().message.find("serial number"), std::string::npos)
        << refused.error().message;
    EXPECT_FALSE(record.controller().has_value());
    EXPECT_TRUE(store->controllers()->empty());

    ASSERT_TRUE(record.store_pages(pages_of(), kSourceAsFound, 50).ok());
    ASSERT_TRUE(record.controller().has_value());
    EXPECT_EQ(record.controller()->serial, kSerial);
    EXPECT_EQ(record.controller()->userName, "Tech-42");
    EXPECT_TRUE(events_of(kSerial).empty());
    const auto known = record.note(hall_test_event("a", "passed"), 60);
    ASSERT_TRUE(known.ok());
    EXPECT_TRUE(*known);
    const auto events = events_of(kSerial);
    ASSERT_EQ(events.size(), 1U);
    EXPECT_EQ(events.front().kind, kEventHallTest);
    EXPECT_EQ(events.front().job, std::nullopt); // no job open
}

TEST_F(ServiceRecordTest, TheSamePagesReadAgainGiveTheSameSnapshot) {
    ServiceRecord record(*store);
    const std::int64_t job = new_job();
    record.set_job(job);
    const auto found = record.store_pages(pages_of(), kSourceAsFound, 1000);
    ASSERT_TRUE(found.ok()) << found.error().message;
    // Read again later: the same pages under another time stamp.
    const auto again = record.store_pages(pages_of("4711", "4200", "2026-12-10T09:45:00.000+00:00"),
                                          kSourceAsLeft, 2000);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(*again, *found);
    const auto written = record.store_pages(pages_of("4711", "3200"), kSourceAfterWrite, 3000);
    ASSERT_TRUE(written.ok());
    EXPECT_NE(*written, *found);

    const auto snaps = store->snapshots(kSerial);
    ASSERT_TRUE(snaps.ok());
    ASSERT_EQ(snaps->size(), 2U);
    const SnapshotRecord& last = snaps->front();
    EXPECT_EQ(last.id, *written);
    EXPECT_EQ(last.source, kSourceAfterWrite);
    EXPECT_EQ(last.job, std::optional<std::int64_t>(job));
    EXPECT_EQ(last.timeMs, 3000);
    // The snapshot is a parameter file that reads back to the pages stored.
    const Result<ParameterSet> read = read_parameter_file(last.content);
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_EQ(read->pages, pages_of("4711", "3200").pages);

    const auto controllers = store->controllers();
    ASSERT_TRUE(controllers.ok());
    ASSERT_EQ(controllers->size(), 1U);
    EXPECT_EQ(controllers->front().userName, "Tech-42");
    EXPECT_EQ(controllers->front().firstSeenMs, 1000);
    EXPECT_EQ(controllers->front().lastSeenMs, 3000);
}

TEST_F(ServiceRecordTest, AnotherControllersPagesForgetTheFaultWords) {
    const std::string other = "2207-24-9-815-42";
    ServiceRecord record(*store);
    ASSERT_TRUE(record.store_pages(pages_of(), kSourceAsFound, 10).ok());
    ASSERT_TRUE(record.note_status(status_frame(0, 0), 11).ok());
    ASSERT_TRUE(record.note_status(status_frame(0x0020, 0), 12).ok());
    ASSERT_EQ(events_of(kSerial).size(), 1U);

    // Another controller on the line: its first frame only sets where its words stand.
    ASSERT_TRUE(record.store_pages(pages_of("815"), kSourceAsFound, 20).ok());
    EXPECT_EQ(record.controller()->serial, other);
    const auto first = record.note_status(status_frame(0x0040, 0), 21);
    ASSERT_TRUE(first.ok());
    EXPECT_FALSE(*first);
    EXPECT_TRUE(events_of(other).empty());
    const auto change = record.note_status(status_frame(0x0040, 0x0040), 22);
    ASSERT_TRUE(change.ok());
    EXPECT_TRUE(*change);
    const auto ofOther = events_of(other);
    ASSERT_EQ(ofOther.size(), 1U);
    EXPECT_EQ(ofOther.front().summary, "history faults came: over-load");

    // The same controller's pages read again keep the words: the next change is an event.
    ASSERT_TRUE(record.store_pages(pages_of("815"), kSourceBackup, 30).ok());
    const auto gone = record.note_status(status_frame(0, 0x0040), 31);
    ASSERT_TRUE(gone.ok());
    EXPECT_TRUE(*gone);
    EXPECT_EQ(events_of(other).size(), 2U);
    EXPECT_EQ(events_of(kSerial).size(), 1U);
}

// ---- The report's content ----

std::string time_text(std::int64_t ms) {
    return "t" + std::to_string(ms);
}

EventRecord at(std::int64_t timeMs, const ServiceEvent& e) {
    return EventRecord{0, std::string(kSerial), timeMs, 5, e.kind, e.summary, e.detail};
}

// A finished job: maximum speed lowered, an over-current gone, a hall test, a reset, a recording.
ReportInput finished_job() {
    ReportInput in;
    in.job.id = 5;
    in.job.serial = std::string(kSerial);
    in.job.number = "WO-17";
    in.job.technician = "Kim";
    in.job.vehicle = "Van 7";
    in.job.complaint = "cuts out uphill";
    in.job.workDone = "maximum speed lowered";
    in.job.startedMs = 1000;
    in.job.finishedMs = 9000;
    in.job.state = std::string(kJobFinished);
    in.tool = "2.1.0";
    in.createdMs = 9500;
    in.found = pages_of("4711", "4200");
    in.left = pages_of("4711", "3200");
    in.statusFound = status_frame(0x0020, 0x0024,
                                  {{StatusField::Vdc, 4850},
                                   {StatusField::MotorTemp, 30},
                                   {StatusField::PowerTemp, 45},
                                   {StatusField::State, kFaultState}});
    in.statusLeft = status_frame(0x0000, 0x0024,
                                 {{StatusField::Vdc, 5012},
                                  {StatusField::MotorTemp, 31},
                                  {StatusField::PowerTemp, 40},
                                  {StatusField::State, 3}});
    in.comparedWith = "as found at the start of the job";
    const Unit basicBefore = reply_holding(PageId::Basic, {{"txtMaxspeed", "4200"}});
    const Unit basicAfter = reply_holding(PageId::Basic, {{"txtMaxspeed", "3200"}});
    in.events = {
        at(2000, *fault_event(FaultWord::Current, 0x0020, 0x0000)),
        at(3000, write_event(PageId::Basic, basicBefore, basicAfter, "written, verified")),
        at(4000, hall_test_event("a", "passed")),
        at(4500, hall_test_event("b", "failed")),
        at(5000, count_reset_event("count 0")),
        at(6000, recording_event("motor.csv", 12.5, 125)),
        at(7000, *fault_event(FaultWord::History, 0x0000, 0x0004)),
    };
    return in;
}

Json lines(std::initializer_list<std::pair<const char*, std::string>> items) {
    Json out = Json::array();
    for (const auto& [time, text] : items) {
        out.push_back({{"time", time}, {"text", text}});
    }
    return out;
}

TEST(ServiceReportContent, AFinishedJobGivesEveryPieceInItsPlace) {
    const ReportInput in = finished_job();
    const Json j = report_content(in, time_text);

    std::vector<std::string> keys;
    for (const auto& [key, value] : j.items()) {
        keys.push_back(key);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"format", "version", "job", "created", "tool",
                                              "controller", "compared_with", "faults",
                                              "fault_changes", "changes", "writes", "hall_tests",
                                              "counter_resets", "live", "recordings"}));
    EXPECT_EQ(j["format"], "motiview-report");
    EXPECT_EQ(j["version"], 1);
    EXPECT_EQ(j["job"], Json::parse(R"({"number":"WO-17","technician":"Kim","vehicle":"Van 7",
        "complaint":"cuts out uphill","work_done":"maximum speed lowered","started":"t1000",
        "finished":"t9000","state":"finished"})"));
    EXPECT_EQ(j["created"], "t9500");
    EXPECT_EQ(j["tool"], "2.1.0");
    EXPECT_EQ(j["compared_with"], "as found at the start of the job");

    const Json& controller = j["controller"];
    EXPECT_EQ(controller["serial"], std::string(kSerial));
    EXPECT_EQ(controller["user_name"], "Tech-42");
    const Json sequence = {{"field", "txtSNNum"}, {"caption", "Serial Num"}, {"text", "4711"}};
    const Json& identity = controller["identity"];
    EXPECT_NE(std::find(identity.begin(), identity.end(), sequence), identity.end())
        << identity.dump();

    EXPECT_EQ(j["faults"], Json::parse(R"({
        "as_found": {"current": ["over-current"], "history": ["over-voltage", "over-current"]},
        "as_left": {"current": [], "history": ["over-voltage", "over-current"]}})"));
    EXPECT_EQ(j["fault_changes"], lines({{"t2000", "current faults went: over-current"},
                                         {"t7000", "history faults came: over-voltage"}}));
    EXPECT_EQ(j["changes"], Json::parse(R"([{"page":"basic","page_title":"Basic setting",
        "field":"txtMaxspeed","caption":"Max speed[rpm]","as_found":"4200","as_left":"3200"}])"));
    EXPECT_EQ(j["writes"],
              lines({{"t3000", "basic: written, verified; txtMaxspeed 4200 -> 3200"}}));
    EXPECT_EQ(j["hall_tests"],
              lines({{"t4000", "hall test a: passed"}, {"t4500", "hall test b: failed"}}));
    EXPECT_EQ(j["counter_resets"], lines({{"t5000", "calibration count reset: count 0"}}));
    EXPECT_EQ(j["live"], Json::parse(R"([
        {"key":"vdc_v","caption":"Vdc[V]","as_found":"48.50","as_left":"50.12"},
        {"key":"motor_temp_c","caption":"Motor T[Deg]","as_found":"60","as_left":"62"},
        {"key":"power_temp_c","caption":"Power T[Deg]","as_found":"35","as_left":"30"},
        {"key":"state","caption":"STATE","as_found":"FAULT","as_left":"RUN"}])"));
    EXPECT_EQ(j["recordings"], Json::parse(R"([{"time":"t6000","file":"motor.csv",
        "seconds":12.5,"rows":125}])"));
}

// What was not read stays apart from what was read and found empty.
struct NotReadCase {
    const char* what;
    bool found;
    bool left;
    bool statusFound;
    bool statusLeft;
};

void PrintTo(const NotReadCase& c, std::ostream* os) {
    *os << c.what;
}

class ServiceReportNotRead : public ::testing::TestWithParam<NotReadCase> {};

TEST_P(ServiceReportNotRead, IsNullNeverEmpty) {
    const NotReadCase& c = GetParam();
    ReportInput in = finished_job();
    in.job.finishedMs.reset();
    in.job.state = std::string(kJobNotCompleted);
    if (!c.found) {
        in.found.reset();
    }
    if (!c.left) {
        in.left.reset();
    }
    if (!c.statusFound) {
        in.statusFound.reset();
    }
    if (!c.statusLeft) {
        in.statusLeft.reset();
    }
    const Json j = report_content(in, time_text);

    EXPECT_TRUE(j["job"]["finished"].is_null());
    EXPECT_EQ(j["job"]["state"], "not completed");
    const auto faults_read = [](const Json& f, bool read) {
        return read ? f.is_object() && f["current"].is_array() && f["history"].is_array()
                    : f.is_null();
    };
    EXPECT_TRUE(faults_read(j["faults"]["as_found"], c.statusFound)) << j["faults"].dump();
    EXPECT_TRUE(faults_read(j["faults"]["as_left"], c.statusLeft)) << j["faults"].dump();
    if (c.found && c.left) {
        ASSERT_TRUE(j["changes"].is_array());
        EXPECT_EQ(j["changes"].size(), 1U);
    } else {
        EXPECT_TRUE(j["changes"].is_null()) << j["changes"].dump();
    }
    ASSERT_EQ(j["live"].size(), 4U);
    for (const Json& v : j["live"]) {
        EXPECT_EQ(v["as_found"].is_null(), !c.statusFound) << v.dump();
        EXPECT_EQ(v["as_left"].is_null(), !c.statusLeft) << v.dump();
    }
    const Json& controller = j["controller"];
    if (c.found || c.left) {
        EXPECT_EQ(controller["serial"], std::string(kSerial));
        EXPECT_FALSE(controller["identity"].empty());
    } else {
        EXPECT_TRUE(controller["serial"].is_null());
        EXPECT_EQ(controller["identity"], Json::array());
    }
    // The events are there whatever was read.
    EXPECT_EQ(j["hall_tests"].size(), 2U);
    EXPECT_EQ(j["recordings"].size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, ServiceReportNotRead,
    ::testing::Values(NotReadCase{"all_read", true, true, true, true},
                      NotReadCase{"pages_not_read_at_the_end", true, false, true, true},
                      NotReadCase{"pages_not_read_at_the_start", false, true, true, true},
                      NotReadCase{"status_not_read_at_the_end", true, true, true, false},
                      NotReadCase{"status_not_read_at_the_start", true, true, false, true},
                      NotReadCase{"nothing_read", false, false, false, false}),
    [](const ::testing::TestParamInfo<NotReadCase>& p) { return std::string(p.param.what); });

TEST(ServiceReportContent, NoFaultsIsAnEmptyListAndUnknownEventsStayOut) {
    ReportInput in = finished_job();
    in.statusFound = status_frame(0, 0);
    in.events = {at(100, ServiceEvent{"something new", "a thing happened", "{}"})};
    const Json j = report_content(in, time_text);
    EXPECT_EQ(j["faults"]["as_found"], Json::parse(R"({"current":[],"history":[]})"));
    for (const char* list :
         {"fault_changes", "writes", "hall_tests", "counter_resets", "recordings"}) {
        EXPECT_EQ(j[list], Json::array()) << list;
    }
}

TEST(ServiceReportContent, TheReportIdComesFirstAndTheRestAsItWas) {
    const Json content = report_content(finished_job(), time_text);
    const Json withId = with_report_id(content, "R-2026-0042");

    ASSERT_EQ(withId.size(), content.size() + 1);
    auto it = withId.begin();
    EXPECT_EQ(it.key(), "report_id");
    EXPECT_EQ(it.value(), "R-2026-0042");
    for (const auto& [key, value] : content.items()) {
        ++it;
        ASSERT_NE(it, withId.end());
        EXPECT_EQ(it.key(), key);
        EXPECT_EQ(it.value(), value) << key;
    }
    // The text is compact and in that order.
    const std::string text = report_content_text(withId);
    EXPECT_EQ(
        text.rfind(R"({"report_id":"R-2026-0042","format":"motiview-report","version":1,)", 0), 0U)
        << text.substr(0, 80);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(Json::parse(report_content_text(content)), content);
}

struct HexCase {
    const char* what;
    std::string hex;
    bool unit; // a frame comes out
};

void PrintTo(const HexCase& c, std::ostream* os) {
    *os << c.what;
}

class ServiceStatusFromHex : public ::testing::TestWithParam<HexCase> {};

const Unit kStoredFrame = status_frame(0x0402, 0x1000, {{StatusField::Vdc, 4850}});

TEST_P(ServiceStatusFromHex, GivesTheStoredFrameOrNothing) {
    const std::optional<Unit> u = status_from_hex(GetParam().hex);
    ASSERT_EQ(u.has_value(), GetParam().unit);
    if (u) {
        EXPECT_EQ(*u, kStoredFrame);
    }
}

std::string lower(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return s;
}

std::string without_blanks(std::string s) {
    std::erase(s, ' ');
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ServiceStatusFromHex,
    ::testing::Values(HexCase{"as_stored", to_hex(kStoredFrame), true},
                      HexCase{"lower_case_without_blanks",
                              lower(without_blanks(to_hex(kStoredFrame))), true},
                      HexCase{"not_read", "", false},
                      HexCase{"one_byte_short", to_hex(kStoredFrame).substr(3), false},
                      HexCase{"one_byte_long", to_hex(kStoredFrame) + " DA", false},
                      HexCase{"half_a_byte", to_hex(kStoredFrame) + " D", false},
                      HexCase{"not_hex", "ZZ" + to_hex(kStoredFrame).substr(2), false}),
    [](const ::testing::TestParamInfo<HexCase>& p) { return std::string(p.param.what); });

} // namespace
