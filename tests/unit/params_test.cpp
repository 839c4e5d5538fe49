// The parameter file: a controller saved from its replies reads back as it was saved, restores
// to the bytes the controller held, and a damaged or hand-made file is refused before anything
// is sent, naming the page and the field.
#include "params/parameter_file.h"

#include "block_store.h"
#include "case_names.h"
#include "pages/page_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <system_error>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace motiview;
using namespace motiview::test;

namespace {

const Unit& start_block(PageId page) {
    static const sim::BlockStore store;
    return store.block(page);
}

ParameterSet saved_controller() {
    ParameterSet set;
    set.created = "2026-12-08T11:30:05.123+00:00";
    set.tool = "2.0.0.7";
    set.userName = "Tech-42";
    for (const PageId page : kAllPages) {
        set.pages.push_back(entry_from_reply(page, start_block(page)));
    }
    return set;
}

const std::string* text_of(const PageEntry& entry, std::string_view name);

TEST(ParameterSetReadBack, ReplacesOnlyTheReadPageAndAddsNone) {
    ParameterSet set = saved_controller();
    set.pages.erase(set.pages.begin() + 1); // a set without the reference page
    const ParameterSet before = set;
    Unit basic = start_block(PageId::Basic);
    basic[2] = static_cast<std::uint8_t>(basic[2] + 1); // the controller now holds another value
    set.hold_reply(PageId::Basic, basic);
    set.hold_reply(PageId::Reference, start_block(PageId::Reference));
    ASSERT_EQ(set.pages.size(), before.pages.size());
    EXPECT_EQ(set.find(PageId::Reference), nullptr);
    EXPECT_EQ(*set.find(PageId::Basic), entry_from_reply(PageId::Basic, basic));
    EXPECT_NE(*set.find(PageId::Basic), *before.find(PageId::Basic));
    for (std::size_t i = 1; i < set.pages.size(); ++i) {
        EXPECT_EQ(set.pages[i], before.pages[i]) << i;
    }
}

const std::string* text_of(const PageEntry& entry, std::string_view name) {
    for (const auto& [n, t] : entry.fields) {
        if (n == name) {
            return &t;
        }
    }
    return nullptr;
}

void set_text(PageEntry& entry, std::string_view name, std::string_view text) {
    for (auto& [n, t] : entry.fields) {
        if (n == name) {
            t = std::string(text);
            return;
        }
    }
    ADD_FAILURE() << "no field " << name;
}

const FieldSchema& field_of(PageId page, std::string_view name) {
    const FieldSchema* f = find_field(page_schema(page), name);
    if (f == nullptr) {
        ADD_FAILURE() << "no field " << name;
        static const FieldSchema none{};
        return none;
    }
    return *f;
}

// What a write of the page carries when every field is as the reply had it: each field's own
// bits from the reply, the controller's bytes 0, bytes and bits no field holds 0, and every
// write-time reset at its text.
Unit expected_write(PageId page, const Unit& reply) {
    const PageSchema& schema = page_schema(page);
    Unit u{};
    u[0] = schema.codes.group;
    u[1] = schema.codes.write;
    u[kUnitSize - 1] = kEndByte;
    for (const FieldSchema& f : schema.fields) {
        switch (f.kind) {
        case FieldKind::Number:
        case FieldKind::ListIndex:
        case FieldKind::CheckValue:
            for (std::size_t k = 0; k < width_bytes(f.width); ++k) {
                u[f.offset + k] = reply[f.offset + k];
            }
            break;
        case FieldKind::Bit: {
            const auto mask = static_cast<std::uint8_t>(1U << f.bit);
            u[f.offset] = static_cast<std::uint8_t>(u[f.offset] | (reply[f.offset] & mask));
            break;
        }
        case FieldKind::ControllerOwned:
        case FieldKind::Unbound:
            break;
        }
        if (!f.resetOnWrite.empty()) {
            // Only plain whole-number fields are reset; a scaled one would need its scale here.
            EXPECT_EQ(f.pow10, 0) << f.name;
            EXPECT_FALSE(f.negate) << f.name;
            EXPECT_EQ(f.offsetAdd, 0) << f.name;
            store_value(u, f.offset, f.width, std::stoi(std::string(f.resetOnWrite)));
        }
    }
    return u;
}

// ---- A page as a reply shows it ----

class ParamsEntryFromReply : public ::testing::TestWithParam<PageId> {};

// The file keeps exactly what the page shows, in its order, and the texts are the ones the
// simulated controller was given ("." and no grouping).
TEST_P(ParamsEntryFromReply, KeepsEveryShownFieldAsTheControllerHoldsIt) {
    const PageId page = GetParam();
    const PageSchema& schema = page_schema(page);
    const PageEntry entry = entry_from_reply(page, start_block(page));
    ASSERT_TRUE(entry.reply.has_value());
    EXPECT_EQ(*entry.reply, start_block(page));

    std::vector<std::string> shown;
    for (const FieldSchema& f : schema.fields) {
        if (f.kind != FieldKind::Unbound && f.widget != Widget::None) {
            shown.emplace_back(f.name);
        }
    }
    std::vector<std::string> names;
    for (const auto& [name, text] : entry.fields) {
        names.push_back(name);
    }
    EXPECT_EQ(names, shown);

    int compared = 0;
    for (const std::string_view line : sim::default_texts(page)) {
        const auto eq = line.find('=');
        const std::string_view name = line.substr(0, eq);
        if (field_of(page, name).widget == Widget::None) {
            continue; // a calibration reading: in the reply, on no page
        }
        const std::string* text = text_of(entry, name);
        ASSERT_NE(text, nullptr) << name;
        EXPECT_EQ(*text, line.substr(eq + 1)) << name;
        ++compared;
    }
    EXPECT_GT(compared, 0);
}

INSTANTIATE_TEST_SUITE_P(AllPages, ParamsEntryFromReply, ::testing::ValuesIn(kAllPages),
                         page_param_name);

TEST(ParamsSerialNumber, FromTheHardwarePageOrEmpty) {
    ParameterSet set = saved_controller();
    EXPECT_EQ(serial_number(set), "2207-24-0-4711-42");

    // A hand-edited file: the file's texts are what the page shows.
    PageEntry* hardware = &set.pages.back();
    ASSERT_EQ(hardware->page, PageId::Hardware);
    set_text(*hardware, "txtSNNum", "815");
    EXPECT_EQ(serial_number(set), "2207-24-0-815-42");

    // Without a reply, a serial box the file leaves out is empty.
    hardware->reply.reset();
    hardware->fields = {{"txtProjectNum", "2207"}, {"txtSNNum", "815"}};
    EXPECT_EQ(serial_number(set), "2207---815-");

    set.pages.pop_back();
    EXPECT_EQ(serial_number(set), "");
}

// ---- Writing ----

TEST(ParamsWriteFile, LayoutKeyOrderAndEscaping) {
    Unit reply{};
    reply[0] = 0xF0;
    reply[1] = 0xE0;
    reply[2] = 0x68;
    reply[3] = 0x10;
    reply[31] = 0xDA;
    ParameterSet set;
    set.created = "2026-12-08T11:30:05.123+01:00";
    set.tool = "2.0.0.7";
    set.userName = "J\xC3\xB6rg \"42\"";
    // Out of order on purpose: pages and fields come out in the page's order.
    set.pages.push_back({PageId::Hardware,
                         std::nullopt,
                         {{"txtSNNum", "4711"},
                          {"txtProjectNum", "2207"},
                          {"txtYearNum", "24"},
                          {"txtWeekNum", "0"},
                          {"txtCustomerNum", "42"}}});
    set.pages.push_back({PageId::Basic, reply, {{"txtBspeed", "-1500"}, {"txtMaxspeed", "4200"}}});

    const std::string expected = R"({
  "format": "motiview-parameters",
  "version": 1,
  "created": "2026-12-08T11:30:05.123+01:00",
  "tool": "2.0.0.7",
  "controller": {
    "user_name": "J)"
                                 "\xC3\xB6"
                                 R"(rg \"42\"",
    "serial": "2207-24-0-4711-42"
  },
  "pages": {
    "basic": {
      "reply": "F0 E0 68 10 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 DA",
      "fields": {
        "txtMaxspeed": "4200",
        "txtBspeed": "-1500"
      }
    },
    "hardware": {
      "fields": {
        "txtProjectNum": "2207",
        "txtYearNum": "24",
        "txtWeekNum": "0",
        "txtSNNum": "4711",
        "txtCustomerNum": "42"
      }
    }
  }
}
)";
    EXPECT_EQ(write_parameter_file(set), expected);
}

TEST(ParamsWriteFile, UnknownUserAndNoHardwareLeaveTheControllerEmpty) {
    ParameterSet set;
    set.created = "c";
    set.tool = "t";
    const std::string expected = R"({
  "format": "motiview-parameters",
  "version": 1,
  "created": "c",
  "tool": "t",
  "controller": {},
  "pages": {}
}
)";
    EXPECT_EQ(write_parameter_file(set), expected);
}

struct CreatedCase {
    std::string name;
    std::chrono::system_clock::time_point when;
    std::chrono::minutes offset;
    std::string text;
};

void PrintTo(const CreatedCase& c, std::ostream* os) {
    *os << c.name;
}

class ParamsCreatedText : public ::testing::TestWithParam<CreatedCase> {};

TEST_P(ParamsCreatedText, LocalTimeWithMillisecondsAndOffset) {
    EXPECT_EQ(created_text(GetParam().when, GetParam().offset), GetParam().text);
}

using namespace std::chrono_literals;
const std::chrono::sys_days kDay{std::chrono::year{2026} / 12 / 8};

INSTANTIATE_TEST_SUITE_P(
    Cases, ParamsCreatedText,
    ::testing::Values(CreatedCase{"utc", kDay + 11h + 30min + 5s + 123ms, 0min,
                                  "2026-12-08T11:30:05.123+00:00"},
                      CreatedCase{"east", kDay + 11h + 30min + 5s + 123ms, 60min,
                                  "2026-12-08T12:30:05.123+01:00"},
                      CreatedCase{"west_half_hour_previous_day", kDay + 2h + 7ms, -330min,
                                  "2026-12-07T20:30:00.007-05:30"},
                      CreatedCase{"next_year", kDay + 23 * 24h + 23h + 59min + 59s + 999ms, 120min,
                                  "2027-01-01T01:59:59.999+02:00"},
                      CreatedCase{"sub_millisecond_dropped", kDay + 1999us, 0min,
                                  "2026-12-08T00:00:00.001+00:00"}),
    ByLabel<&CreatedCase::name>{});

// ---- Reading what was written ----

struct RoundTripCase {
    std::string name;
    ParameterSet set;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<RoundTripCase> round_trip_cases() {
    std::vector<RoundTripCase> cases;
    cases.push_back({"all_pages", saved_controller()});

    ParameterSet noUser = saved_controller();
    noUser.userName.clear();
    cases.push_back({"unknown_user", noUser});

    ParameterSet some;
    some.created = "2026-01-02T03:04:05.006-08:00";
    some.tool = "2.0.0.7";
    some.pages.push_back(entry_from_reply(PageId::Motor, start_block(PageId::Motor)));
    some.pages.push_back(entry_from_reply(PageId::Derate, start_block(PageId::Derate)));
    cases.push_back({"two_pages", some});

    // A hand-edited file: texts that differ from the reply, one page without a reply.
    ParameterSet edited = saved_controller();
    set_text(edited.pages[0], "txtMaxspeed", "5000");
    edited.pages[1].reply.reset();
    edited.pages[1].fields.resize(3);
    cases.push_back({"edited_and_no_reply", edited});

    // The counter reset's reply carries the hardware page under the reset code.
    ParameterSet reset;
    Unit afterReset = start_block(PageId::Hardware);
    afterReset[1] = page_codes(PageId::Hardware).reset;
    reset.pages.push_back(entry_from_reply(PageId::Hardware, afterReset));
    cases.push_back({"hardware_after_counter_reset", reset});

    ParameterSet empty;
    cases.push_back({"no_pages", empty});
    return cases;
}

class ParamsRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ParamsRoundTrip, ReadsBackWhatWasWritten) {
    const ParameterSet& set = GetParam().set;
    const std::string text = write_parameter_file(set);
    const auto read = read_parameter_file(text);
    ASSERT_TRUE(read.ok()) << read.error().field << ": " << read.error().message;
    EXPECT_EQ(*read, set);
    EXPECT_EQ(write_parameter_file(*read), text);
}

INSTANTIATE_TEST_SUITE_P(Sets, ParamsRoundTrip, ::testing::ValuesIn(round_trip_cases()),
                         ByLabel<&RoundTripCase::name>{});

// Every cut through a saved file is refused, never half read (the final newline aside).
TEST(ParamsReadFile, TruncatedFileIsRefused) {
    const std::string text = write_parameter_file(saved_controller());
    ASSERT_GT(text.size(), 1000U);
    int cuts = 0;
    for (std::size_t n = 0; n + 1 < text.size(); n += 1 + n % 97) {
        const auto read = read_parameter_file(std::string_view(text).substr(0, n));
        EXPECT_FALSE(read.ok()) << "cut at " << n;
        ++cuts;
    }
    EXPECT_GT(cuts, 100);
    EXPECT_TRUE(read_parameter_file(std::string_view(text).substr(0, text.size() - 1)).ok());
}

// ---- Hand-made files the reader takes ----

std::string hex_of(PageId page) {
    return to_hex(start_block(page));
}

std::string file_with(const std::string& pages, const std::string& top = "") {
    return R"({"format": "motiview-parameters", "version": 1, )" + top + R"("pages": {)" + pages +
           "}}";
}

TEST(ParamsReadFile, HandMadeFilesAreTakenAsMeant) {
    // Lower-case unspaced hex, fields out of order, unknown keys anywhere but page names.
    std::string lower = hex_of(PageId::Basic);
    std::erase(lower, ' ');
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::string text = file_with(
        R"("basic": {"reply": ")" + lower +
            R"(", "comment": "x", "fields": {"txtBspeed": "-1600", "txtMaxspeed": "5000"}},
           "reference": {"fields": {"txtVoltageH": "90.25"}})",
        R"("created": 7, "controller": {"user_name": "Tech-42", "phone": "1"}, "extra": [1], )");
    const auto read = read_parameter_file(text);
    ASSERT_TRUE(read.ok()) << read.error().message;
    EXPECT_EQ(read->created, "");
    EXPECT_EQ(read->tool, "");
    EXPECT_EQ(read->userName, "Tech-42");
    ASSERT_EQ(read->pages.size(), 2U);
    EXPECT_EQ(read->pages[0].page, PageId::Basic);
    EXPECT_EQ(read->pages[0].reply, start_block(PageId::Basic));
    const std::vector<std::pair<std::string, std::string>> basic = {{"txtMaxspeed", "5000"},
                                                                    {"txtBspeed", "-1600"}};
    EXPECT_EQ(read->pages[0].fields, basic);
    EXPECT_EQ(read->pages[1].page, PageId::Reference);
    EXPECT_FALSE(read->pages[1].reply.has_value());
    const std::vector<std::pair<std::string, std::string>> reference = {{"txtVoltageH", "90.25"}};
    EXPECT_EQ(read->pages[1].fields, reference);
}

// ---- Reading a damaged file ----

struct RefusalCase {
    std::string name;
    std::string text;
    std::string field;                 // Error::field
    std::vector<std::string> mentions; // what the message must name
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

std::string basic_with(const std::string& fields) {
    return file_with(R"("basic": {"reply": ")" + hex_of(PageId::Basic) + R"(", "fields": {)" +
                     fields + "}}");
}

std::string hardware_with(const std::string& fields) {
    return file_with(R"("hardware": {"reply": ")" + hex_of(PageId::Hardware) + R"(", "fields": {)" +
                     fields + "}}");
}

std::string basic_reply(const std::string& reply) {
    return file_with(R"("basic": {"reply": )" + reply + "}");
}

std::string basic_reply_changed(std::size_t at, std::uint8_t value) {
    Unit u = start_block(PageId::Basic);
    u[at] = value;
    return basic_reply("\"" + to_hex(u) + "\"");
}

std::vector<RefusalCase> refusal_cases() {
    const std::string hexBasic = hex_of(PageId::Basic);
    const std::string basicWords = "Basic setting";
    const std::string hardwareWords = "Idc calibration";
    return {
        {"empty", "", "", {"empty"}},
        {"not_json", R"({"format": "motiview-parameters", )", "", {"not JSON"}},
        {"trailing_garbage", file_with("") + "x", "", {"not JSON"}},
        {"array", "[1, 2]", "", {"not a JSON object"}},
        {"too_deep", std::string(100000, '['), "", {"nests too deeply"}},
        {"too_large", std::string((1U << 20) + 1U, ' '), "", {"larger than 1 MiB"}},
        {"format_missing", R"({"version": 1, "pages": {}})", "format", {"motiview-parameters"}},
        {"format_other",
         R"({"format": "other", "version": 1, "pages": {}})",
         "format",
         {"motiview-parameters"}},
        {"format_not_text",
         R"({"format": 1, "version": 1, "pages": {}})",
         "format",
         {"motiview-parameters"}},
        {"version_missing",
         R"({"format": "motiview-parameters", "pages": {}})",
         "version",
         {"version"}},
        {"version_text",
         R"({"format": "motiview-parameters", "version": "1", "pages": {}})",
         "version",
         {"version"}},
        {"version_fraction",
         R"({"format": "motiview-parameters", "version": 1.0, "pages": {}})",
         "version",
         {"version"}},
        {"version_newer",
         R"({"format": "motiview-parameters", "version": 2, "pages": {}})",
         "version",
         {"newer", "2"}},
        {"version_zero",
         R"({"format": "motiview-parameters", "version": 0, "pages": {}})",
         "version",
         {"version"}},
        {"pages_missing", R"({"format": "motiview-parameters", "version": 1})", "pages", {"pages"}},
        {"pages_array",
         R"({"format": "motiview-parameters", "version": 1, "pages": []})",
         "pages",
         {"pages"}},
        {"unknown_page", file_with(R"("turbo": {"fields": {}})"), "turbo", {"\"turbo\""}},
        {"page_by_window_name",
         file_with(R"("frmBasic": {"reply": ")" + hexBasic + "\"}"),
         "frmBasic",
         {"\"frmBasic\""}},
        {"page_not_object", file_with(R"("basic": 5)"), "basic", {basicWords, "basic"}},
        {"neither_reply_nor_fields", file_with(R"("basic": {})"), "basic", {basicWords, "neither"}},
        {"empty_fields_no_reply",
         file_with(R"("basic": {"fields": {}})"),
         "basic",
         {basicWords, "neither"}},
        {"reply_not_text", basic_reply("5"), "basic", {basicWords, "32 hex bytes"}},
        {"reply_null", basic_reply("null"), "basic", {basicWords, "32 hex bytes"}},
        {"reply_short",
         basic_reply("\"" + hexBasic.substr(0, hexBasic.size() - 3) + "\""),
         "basic",
         {basicWords, "32 hex bytes"}},
        {"reply_long",
         basic_reply("\"" + hexBasic + " DA\""),
         "basic",
         {basicWords, "32 hex bytes"}},
        {"reply_not_hex",
         basic_reply("\"" + std::string(95, 'Z') + "\""),
         "basic",
         {basicWords, "32 hex bytes"}},
        {"reply_wrong_group",
         basic_reply_changed(0, 0xF2),
         "basic",
         {basicWords, "F2 E0", "F0 E0"}},
        {"reply_write_code",
         basic_reply_changed(1, page_codes(PageId::Basic).write),
         "basic",
         {basicWords, "F0 E1"}},
        {"reply_of_another_page",
         basic_reply("\"" + hex_of(PageId::Reference) + "\""),
         "basic",
         {basicWords}},
        {"reply_end_byte", basic_reply_changed(31, 0x00), "basic", {basicWords, "DA"}},
        {"reply_reset_code_on_basic",
         basic_reply_changed(1, page_codes(PageId::Hardware).reset),
         "basic",
         {basicWords}},
        {"fields_not_object",
         file_with(R"("basic": {"reply": ")" + hexBasic + R"(", "fields": []})"),
         "basic",
         {basicWords, "fields"}},
        {"unknown_field",
         basic_with(R"("txtTurbo": "1")"),
         "basic.txtTurbo",
         {basicWords, "txtTurbo", "no such field"}},
        {"field_of_another_page",
         basic_with(R"("txtVoltageH": "88.5")"),
         "basic.txtVoltageH",
         {basicWords, "txtVoltageH"}},
        {"field_not_on_the_page",
         hardware_with(R"("adcReading2": "124")"),
         "hardware.adcReading2",
         {hardwareWords, "adcReading2"}},
        {"field_in_no_byte",
         hardware_with(R"("txtIcADC128A": "8192")"),
         "hardware.txtIcADC128A",
         {hardwareWords, "txtIcADC128A", "Ic ADC value 128A"}},
        {"text_not_quoted",
         basic_with(R"("txtMaxspeed": 5000)"),
         "basic.txtMaxspeed",
         {basicWords, "txtMaxspeed", "Max speed[rpm]"}},
        {"not_a_number",
         basic_with(R"("txtMaxspeed": "fast")"),
         "basic.txtMaxspeed",
         {basicWords, "txtMaxspeed", "Max speed[rpm]", "\"fast\"", "not a number"}},
        {"grouped_digits",
         basic_with(R"("txtMaxspeed": "4,200")"),
         "basic.txtMaxspeed",
         {basicWords, "Max speed[rpm]", "\"4,200\""}},
        {"empty_number",
         basic_with(R"("txtMaxspeed": "")"),
         "basic.txtMaxspeed",
         {basicWords, "Max speed[rpm]"}},
        {"decimal_comma_without_reply",
         file_with(R"("reference": {"fields": {"txtVoltageH": "88,5"}})"),
         "reference.txtVoltageH",
         {"Reference", "txtVoltageH", "\"88,5\""}},
        {"out_of_range",
         file_with(R"("flux-weaken": {"fields": {"txtFluxSign": "300"}})"),
         "flux-weaken.txtFluxSign",
         {"FluxWeaken Reference", "Flux sign", "out of range"}},
        {"list_item_missing",
         hardware_with(R"("cmbHallCType": "H9: Y->Y->Y")"),
         "hardware.cmbHallCType",
         {hardwareWords, "Hall connection", "not an item"}},
        {"check_value_3",
         hardware_with(R"("ChkLockEV": "3")"),
         "hardware.ChkLockEV",
         {hardwareWords, "Unlock", "0, 1 or 2"}},
        {"check_value_word",
         file_with(R"("other": {"fields": {"Chk_Tab6_Alarm_en": "yes"}})"),
         "other.Chk_Tab6_Alarm_en",
         {"Other", "Alarm enable"}},
        // The first damaged page stops the file even when the others are sound.
        {"second_page_damaged",
         file_with(R"("basic": {"reply": ")" + hexBasic +
                   R"("}, "motor": {"fields": {"cboMTherType": "none"}})"),
         "motor.cboMTherType",
         {"Motor parameter", "cboMTherType"}},
    };
}

class ParamsReadRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ParamsReadRefusal, StopsNamingWhatIsWrong) {
    const RefusalCase& c = GetParam();
    const auto read = read_parameter_file(c.text);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error().field, c.field);
    for (const std::string& m : c.mentions) {
        EXPECT_NE(read.error().message.find(m), std::string::npos)
            << "\"" << m << "\" not in: " << read.error().message;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ParamsReadRefusal, ::testing::ValuesIn(refusal_cases()),
                         ByLabel<&RefusalCase::name>{});

// ---- Restoring ----

class ParamsRestoreUntouched : public ::testing::TestWithParam<PageId> {};

// Read, saved and restored unchanged, a page writes back what the controller held.
TEST_P(ParamsRestoreUntouched, WritesTheReplyBack) {
    const PageId page = GetParam();
    const Unit& reply = start_block(page);
    const auto read = read_parameter_file(write_parameter_file(saved_controller()));
    ASSERT_TRUE(read.ok()) << read.error().message;
    const PageEntry* entry = read->find(page);
    ASSERT_NE(entry, nullptr);

    const auto frame = restore_frame(*entry, *entry->reply);
    ASSERT_TRUE(frame.ok()) << frame.error().message;
    EXPECT_EQ(to_hex(*frame), to_hex(expected_write(page, reply)));
    for (const std::uint8_t at : controller_owned_bytes(page_schema(page))) {
        EXPECT_EQ((*frame)[at], 0) << "byte " << int{at};
    }

    // Without its reply, the file's texts on the same controller give the same frame.
    PageEntry noReply = *entry;
    noReply.reply.reset();
    const auto again = restore_frame(noReply, reply);
    ASSERT_TRUE(again.ok()) << again.error().message;
    EXPECT_EQ(to_hex(*again), to_hex(*frame));
}

INSTANTIATE_TEST_SUITE_P(AllPages, ParamsRestoreUntouched, ::testing::ValuesIn(kAllPages),
                         page_param_name);

// A value the page's box could not take (above its limit) goes back bit for bit while its text
// is untouched; typed into a file without reply it is limited like any typed text.
TEST(ParamsRestoreKeepsBits, ValueOutsideTheLimitsGoesBackAsRead) {
    Unit reply = start_block(PageId::Basic);
    store_u16le(reply, 2, 40000); // max speed, limited to 32767 when typed
    const PageEntry entry = entry_from_reply(PageId::Basic, reply);
    ASSERT_NE(text_of(entry, "txtMaxspeed"), nullptr);
    EXPECT_EQ(*text_of(entry, "txtMaxspeed"), "40000");

    const auto frame = restore_frame(entry, reply);
    ASSERT_TRUE(frame.ok()) << frame.error().message;
    EXPECT_EQ(load_u16le(*frame, 2), 40000);
    EXPECT_EQ(to_hex(*frame), to_hex(expected_write(PageId::Basic, reply)));

    const PageEntry typed{PageId::Basic, std::nullopt, {{"txtMaxspeed", "40000"}}};
    const auto onOther = restore_frame(typed, start_block(PageId::Basic));
    ASSERT_TRUE(onOther.ok()) << onOther.error().message;
    EXPECT_EQ(load_u16le(*onOther, 2), 32767);
}

// The counter reset's reply restores like the page's ordinary reply, under the write code.
TEST(ParamsRestoreAfterCounterReset, WritesTheWriteCode) {
    Unit reply = start_block(PageId::Hardware);
    reply[1] = page_codes(PageId::Hardware).reset;
    const PageEntry entry = entry_from_reply(PageId::Hardware, reply);
    const auto frame = restore_frame(entry, reply);
    ASSERT_TRUE(frame.ok()) << frame.error().message;
    EXPECT_EQ((*frame)[1], page_codes(PageId::Hardware).write);
    EXPECT_EQ(to_hex(*frame),
              to_hex(expected_write(PageId::Hardware, start_block(PageId::Hardware))));
}

struct ByteChange {
    std::size_t offset;
    std::uint8_t clear; // bits taken away from the untouched frame's byte
    std::uint8_t set;   // bits put in
};

struct EditCase {
    PageId page;
    std::string field;
    std::string text;
    std::vector<ByteChange> changes; // worked out by hand from the page's table
};

void PrintTo(const EditCase& c, std::ostream* os) {
    *os << c.field << " = \"" << c.text << "\"";
}

std::string edit_case_name(const ::testing::TestParamInfo<EditCase>& info) {
    return label_name(info.param.field) + "_" + text_name(info.param.text);
}

class ParamsRestoreEdited : public ::testing::TestWithParam<EditCase> {};

// A text typed into the file changes that field's bytes and nothing else, with or without
// the reply in the file.
TEST_P(ParamsRestoreEdited, ChangesExactlyThatField) {
    const EditCase& c = GetParam();
    const Unit& reply = start_block(c.page);
    Unit expected = expected_write(c.page, reply);
    for (const ByteChange& b : c.changes) {
        expected[b.offset] = static_cast<std::uint8_t>((expected[b.offset] & ~b.clear) | b.set);
    }

    PageEntry entry = entry_from_reply(c.page, reply);
    ASSERT_NE(text_of(entry, c.field), nullptr);
    ASSERT_NE(*text_of(entry, c.field), c.text) << "the edit must change the field";
    set_text(entry, c.field, c.text);

    // Through the file, as a technician would edit it.
    const auto read = read_parameter_file(write_parameter_file(ParameterSet{"", "", "", {entry}}));
    ASSERT_TRUE(read.ok()) << read.error().message;
    const auto frame = restore_frame(read->pages.at(0), reply);
    ASSERT_TRUE(frame.ok()) << frame.error().message;
    EXPECT_EQ(to_hex(*frame), to_hex(expected));

    // Only the edited field in a file without reply, on the controller's current reply.
    const PageEntry only{c.page, std::nullopt, {{c.field, c.text}}};
    const auto fromBase = restore_frame(only, reply);
    ASSERT_TRUE(fromBase.ok()) << fromBase.error().message;
    EXPECT_EQ(to_hex(*fromBase), to_hex(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ParamsRestoreEdited,
    ::testing::Values(
        EditCase{PageId::Basic, "txtMaxspeed", "5000", {{2, 0xFF, 0x88}, {3, 0xFF, 0x13}}},
        EditCase{PageId::Basic, "txtBspeed", "-1600", {{4, 0xFF, 0x40}, {5, 0xFF, 0x06}}},
        EditCase{PageId::Reference, "txtVoltageH", "90.25", {{2, 0xFF, 0x41}, {3, 0xFF, 0x23}}},
        EditCase{PageId::Other, "txtThrottleL", "1.234", {{9, 0xFF, 0x34}, {10, 0xFF, 0x30}}},
        EditCase{PageId::Other, "Chk_Tab6_Alarm_en", "1", {{8, 0x00, 0x08}}},
        EditCase{PageId::Motor, "txtMotHigh", "140.6", {{15, 0xFF, 141}}},
        EditCase{PageId::FluxWeaken, "txtFluxSign", "3", {{3, 0xFF, 4}}},
        EditCase{PageId::Hardware, "cmbHallCType", "H5: G->B->Y", {{26, 0xFF, 5}}},
        EditCase{PageId::Hardware, "cmbForward", "L", {{4, 0x01, 0x00}}}),
    edit_case_name);

// A controller with another serial number than the file's: restoring the file onto it keeps
// the controller's own identity, bit for bit, even a number outside the box's limits.
TEST(ParamsRestoreKeep, SerialNumberComesFromTheController) {
    const Unit& saved = start_block(PageId::Hardware);
    Unit current = saved;
    store_u16le(current, 8, 3001); // project
    current[10] = 25;              // year
    current[11] = 12;              // week
    store_u16le(current, 12, 0);   // sequence 0, below the box's minimum of 1
    current[14] = 9;               // customer
    current[15] = 99;              // flux period: not part of the identity

    PageEntry entry = entry_from_reply(PageId::Hardware, saved);
    set_text(entry, "txtSNNum", "9999"); // an edit of a kept field is ignored

    Unit expected = expected_write(PageId::Hardware, saved);
    store_u16le(expected, 8, 3001);
    expected[10] = 25;
    expected[11] = 0; // the week is reset by every write
    store_u16le(expected, 12, 0);
    expected[14] = 9;

    const auto onSaved =
        restore_frame(entry, *entry.reply, page_schema(PageId::Hardware).identityFields, &current);
    ASSERT_TRUE(onSaved.ok()) << onSaved.error().message;
    EXPECT_EQ(to_hex(*onSaved), to_hex(expected));

    // The file without its reply starts from the controller's reply: the same frame.
    PageEntry noReply = entry;
    noReply.reply.reset();
    const auto onCurrent =
        restore_frame(noReply, current, page_schema(PageId::Hardware).identityFields, &current);
    ASSERT_TRUE(onCurrent.ok()) << onCurrent.error().message;
    EXPECT_EQ(to_hex(*onCurrent), to_hex(expected));

    // Without the keep list the file's own serial number goes out.
    const auto unkept = restore_frame(entry, *entry.reply);
    ASSERT_TRUE(unkept.ok());
    EXPECT_EQ(load_u16le(*unkept, 12), 9999);
    EXPECT_EQ(load_u16le(*unkept, 8), load_u16le(saved, 8));
}

TEST(ParamsRestoreKeep, KeepNeedsTheControllersReplyOnlyWhereThePageHasTheFields) {
    const PageEntry hardware = entry_from_reply(PageId::Hardware, start_block(PageId::Hardware));
    const auto refused =
        restore_frame(hardware, *hardware.reply, page_schema(PageId::Hardware).identityFields);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().field, "hardware.txtProjectNum");
    EXPECT_NE(refused.error().message.find("Idc calibration"), std::string::npos);

    const PageEntry basic = entry_from_reply(PageId::Basic, start_block(PageId::Basic));
    const auto frame =
        restore_frame(basic, *basic.reply, page_schema(PageId::Hardware).identityFields);
    ASSERT_TRUE(frame.ok()) << frame.error().message;
    EXPECT_EQ(to_hex(*frame), to_hex(expected_write(PageId::Basic, start_block(PageId::Basic))));
}

// An entry built by a caller rather than read from a file is refused the same way.
TEST(ParamsRestoreRefusal, NamesPageAndField) {
    const Unit& reply = start_block(PageId::Basic);
    const struct {
        std::string field;
        std::string text;
        std::string errorField;
    } cases[] = {{"txtMaxspeed", "fast", "basic.txtMaxspeed"},
                 {"txtTurbo", "1", "basic.txtTurbo"},
                 {"txtVoltageH", "88.5", "basic.txtVoltageH"}};
    for (const auto& c : cases) {
        const PageEntry entry{PageId::Basic, std::nullopt, {{c.field, c.text}}};
        const auto frame = restore_frame(entry, reply);
        ASSERT_FALSE(frame.ok()) << c.field;
        EXPECT_EQ(frame.error().field, c.errorField);
        EXPECT_NE(frame.error().message.find("Basic setting"), std::string::npos)
            << frame.error().message;
    }
}

// ---- Comparing two saved controllers ----

TEST(ParamsDiff, SameSetHasNoDifferences) {
    const ParameterSet set = saved_controller();
    EXPECT_TRUE(diff(set, set).empty());
    // A file that lists only some fields shows its reply's texts for the others.
    ParameterSet partial = set;
    partial.pages[0].fields.resize(2);
    EXPECT_TRUE(diff(set, partial).empty());
}

TEST(ParamsDiff, OneChangedFieldWithItsCaption) {
    const ParameterSet a = saved_controller();
    ParameterSet b = a;
    set_text(b.pages[0], "txtMaxspeed", "5000");
    const std::vector<FieldDifference> expected = {
        {PageId::Basic, "txtMaxspeed", "Max speed[rpm]", "4200", "5000"}};
    EXPECT_EQ(diff(a, b), expected);
    const std::vector<FieldDifference> reversed = {
        {PageId::Basic, "txtMaxspeed", "Max speed[rpm]", "5000", "4200"}};
    EXPECT_EQ(diff(b, a), reversed);
}

TEST(ParamsDiff, ChangesComeInPageAndFieldOrder) {
    const ParameterSet a = saved_controller();
    ParameterSet b = a;
    set_text(b.pages.back(), "ChkLockEV", "0");
    set_text(b.pages[0], "txtBspeed", "-1600");
    set_text(b.pages[0], "txtMaxspeed", "5000");
    const auto d = diff(a, b);
    ASSERT_EQ(d.size(), 3U);
    EXPECT_EQ(d[0].field, "txtMaxspeed");
    EXPECT_EQ(d[1].field, "txtBspeed");
    EXPECT_EQ(d[1].caption, "Back speed[rpm]");
    EXPECT_EQ(d[2].page, PageId::Hardware);
    EXPECT_EQ(d[2].field, "ChkLockEV");
    EXPECT_EQ(d[2].caption, "Unlock");
    EXPECT_EQ(d[2].a, "1");
    EXPECT_EQ(d[2].b, "0");
}

TEST(ParamsDiff, PageOnOneSideListsEachOfItsFields) {
    const ParameterSet a = saved_controller();
    ParameterSet b = a;
    b.pages.pop_back(); // no hardware page
    const PageEntry& hardware = a.pages.back();

    const auto d = diff(a, b);
    ASSERT_EQ(d.size(), hardware.fields.size());
    for (std::size_t i = 0; i < d.size(); ++i) {
        EXPECT_EQ(d[i].page, PageId::Hardware);
        EXPECT_EQ(d[i].field, hardware.fields[i].first);
        EXPECT_EQ(d[i].a, hardware.fields[i].second);
        EXPECT_EQ(d[i].b, "");
    }
    EXPECT_EQ(d.front().caption, "Forward level");

    const auto back = diff(b, a);
    ASSERT_EQ(back.size(), hardware.fields.size());
    EXPECT_EQ(back.front().a, "");
    EXPECT_EQ(back.front().b, "H");
}

// Even a field whose list shows no selection is listed when its page is on one side only.
TEST(ParamsDiff, PageOnOneSideListsEmptyTextsToo) {
    Unit reply = start_block(PageId::Hardware);
    reply[26] = 0; // hall wiring code 0: no item, the list shows nothing
    ParameterSet a;
    a.pages.push_back(entry_from_reply(PageId::Hardware, reply));
    ASSERT_NE(text_of(a.pages[0], "cmbHallCType"), nullptr);
    ASSERT_EQ(*text_of(a.pages[0], "cmbHallCType"), "");

    const auto d = diff(a, ParameterSet{});
    ASSERT_EQ(d.size(), a.pages[0].fields.size());
    const auto hall = std::find_if(
        d.begin(), d.end(), [](const FieldDifference& f) { return f.field == "cmbHallCType"; });
    ASSERT_NE(hall, d.end());
    EXPECT_EQ(hall->a, "");
    EXPECT_EQ(hall->b, "");
}

TEST(ParamsDiff, FieldMissingFromAFileWithoutReply) {
    const ParameterSet a = saved_controller();
    ParameterSet b = a;
    b.pages[0].reply.reset();
    b.pages[0].fields = {{"txtMaxspeed", "4200"}};
    const auto d = diff(a, b);
    ASSERT_EQ(d.size(), a.pages[0].fields.size() - 1);
    EXPECT_EQ(d.front().field, "txtBspeed");
    EXPECT_EQ(d.front().a, "-1500");
    EXPECT_EQ(d.front().b, "");
}

// ---- Saving and loading files ----

class ParamsFileFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("params_test_" + std::string(info->name()) + "_" +
                std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
#if defined(__unix__) || defined(__APPLE__)
        ::chmod(dir_.c_str(), 0700);
#endif
        std::filesystem::remove_all(dir_, ec);
    }

    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : std::filesystem::directory_iterator(dir_)) {
            out.push_back(e.path().filename().string());
        }
        std::sort(out.begin(), out.end());
        return out;
    }

    static std::string contents(const std::filesystem::path& p) {
        std::string out;
        if (std::FILE* f = std::fopen(p.string().c_str(), "rb")) {
            char buffer[4096];
            std::size_t n = 0;
            while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
                out.append(buffer, n);
            }
            std::fclose(f);
        }
        return out;
    }

    std::filesystem::path dir_;
};

TEST_F(ParamsFileFolder, SaveWritesAndReplacesLeavingNoTemporaryFile) {
    const std::string path = (dir_ / "unit.json").string();
    const auto first = save_file_atomically(path, "first\n");
    ASSERT_TRUE(first.ok()) << first.error().message;
    EXPECT_EQ(contents(path), "first\n");

    const std::string text = write_parameter_file(saved_controller());
    const auto second = save_file_atomically(path, text);
    ASSERT_TRUE(second.ok()) << second.error().message;
    EXPECT_EQ(names(), std::vector<std::string>{"unit.json"});

    const auto loaded = load_file(path);
    ASSERT_TRUE(loaded.ok()) << loaded.error().message;
    EXPECT_EQ(*loaded, text);
}

TEST_F(ParamsFileFolder, SaveIntoAMissingFolderFailsWithTheReason) {
    const std::string path = (dir_ / "missing" / "unit.json").string();
    const auto saved = save_file_atomically(path, "x");
    ASSERT_FALSE(saved.ok());
    EXPECT_NE(saved.error().message.find(std::generic_category().message(ENOENT)),
              std::string::npos)
        << saved.error().message;
    EXPECT_TRUE(names().empty());
}

// The rename is what fails: the temporary file was written and must be gone again, and what
// stands at the path is untouched.
TEST_F(ParamsFileFolder, FailedReplaceLeavesThePathAsItWas) {
    const auto target = dir_ / "unit.json";
    std::filesystem::create_directory(target);
    { std::ofstream(target / "inside") << "kept"; }

    const auto saved = save_file_atomically(target.string(), "new");
    ASSERT_FALSE(saved.ok());
    EXPECT_NE(saved.error().message.find("unit.json"), std::string::npos);
    EXPECT_EQ(names(), std::vector<std::string>{"unit.json"});
    EXPECT_TRUE(std::filesystem::is_directory(target));
    EXPECT_EQ(contents(target / "inside"), "kept");
}

#if defined(__unix__) || defined(__APPLE__)
TEST_F(ParamsFileFolder, ReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into a read-only folder; FailedReplaceLeavesThePathAsItWas "
                        "covers the failed replace";
    }
    const auto path = dir_ / "unit.json";
    { std::ofstream(path) << "old"; }
    ASSERT_EQ(::chmod(dir_.c_str(), 0500), 0);
    const auto saved = save_file_atomically(path.string(), "new");
    ASSERT_FALSE(saved.ok());
    EXPECT_NE(saved.error().message.find(std::generic_category().message(EACCES)),
              std::string::npos)
        << saved.error().message;
    EXPECT_EQ(contents(path), "old");
    EXPECT_EQ(names(), std::vector<std::string>{"unit.json"});
}
#endif

TEST_F(ParamsFileFolder, LoadRefusesMissingAndOversizedFiles) {
    const auto missing = load_file((dir_ / "none.json").string());
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().message.find(std::generic_category().message(ENOENT)),
              std::string::npos)
        << missing.error().message;

    const auto path = (dir_ / "big.json").string();
    ASSERT_TRUE(save_file_atomically(path, std::string(40000, 'a')).ok());
    EXPECT_TRUE(load_file(path, 40000).ok());
    const auto big = load_file(path, 39999);
    ASSERT_FALSE(big.ok());
    EXPECT_NE(big.error().message.find("39999"), std::string::npos) << big.error().message;

    const auto folder = load_file(dir_.string());
    EXPECT_FALSE(folder.ok());
}

} // namespace
