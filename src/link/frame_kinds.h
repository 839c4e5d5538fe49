#pragma once
// The link's two tables. kFrameKinds: every kind of unit the controller sends, with its codes,
// its stable name, its acknowledgement text and what the receive path does with it. kRequests:
// every request the PC sends, with its codes, the unit that answers it and what the traffic log
// calls it. Page-bound rows take their codes from the page registry.

#include "base/bytes.h"
#include "pages/page_schema.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace motiview {

// What a received unit is, by bytes 0 and 1 (and byte 2 for the user-info group). Each has one
// row in kFrameKinds, in this order.
enum class UnitKind : std::uint8_t {
    Broken, // byte 31 is not 0xDA
    Status,
    ParameterReply, // a page's reply; page set
    WriteAck,       // a page's write acknowledged; page set
    UserInfo,
    UserInfoAck,
    AssistReply,
    AssistAck,
    FactorySetAck,
    FactoryRestoreAck,
    ThrottleWarning,
    HallARunning,
    HallADone, // payload: the block the hall test learned
    HallBRunning,
    HallBDone, // payload: the block the hall test learned
    CalibrationReply,
    Unknown, // ends in 0xDA, matches no code
};
inline constexpr std::size_t kUnitKindCount = static_cast<std::size_t>(UnitKind::Unknown) + 1;

enum class ActionType : std::uint8_t {
    None,       // nothing to show
    Status,     // decode the status frame into the panels
    PageReply,  // decode `unit` into page `page` (hall "done" notices too, see hallText)
    Message,    // "info" box with `text`
    Warning,    // "warning" box with `text` (critical icon)
    HallWindow, // hall test window shows `text`
    UserName,   // status bar "McuSN" shows `text` (UTF-8, plain text)
};

inline constexpr std::string_view kThrottleWarningText =
    "Make sure the throttle return and motor stops";

// Which of a page's codes a page-bound row stands on; a kind may answer to more than one.
enum class PageCode : std::uint8_t { None = 0, Read = 1, Write = 2, Reset = 4 };

[[nodiscard]] constexpr PageCode operator|(PageCode a, PageCode b) {
    return static_cast<PageCode>(
        static_cast<std::uint8_t>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b)));
}

[[nodiscard]] constexpr bool has(PageCode set, PageCode one) {
    return (static_cast<std::uint8_t>(set) & static_cast<std::uint8_t>(one)) != 0;
}

// Where a row's bytes 0 and 1 come from.
enum class CodeSource : std::uint8_t {
    None,   // no codes: a broken unit is told by its end byte, an unknown one by matching nothing
    Fixed,  // `group` and `code`
    Page,   // each page's group and the codes `pageCodes` picks
    Answer, // a write: the codes its acknowledgement comes back with
};

struct FrameCodes {
    CodeSource source = CodeSource::None;
    std::uint8_t group = 0;
    std::uint8_t code = 0;
    PageCode pageCodes = PageCode::None;
    // Byte 2 where it belongs to the codes: the user-info mark, a short request's last byte.
    std::optional<std::uint8_t> third = std::nullopt;
};

[[nodiscard]] constexpr FrameCodes fixed_codes(std::uint8_t group, std::uint8_t code,
                                               std::optional<std::uint8_t> third = std::nullopt) {
    return {CodeSource::Fixed, group, code, PageCode::None, third};
}

[[nodiscard]] constexpr FrameCodes page_bound(PageCode codes,
                                              std::optional<std::uint8_t> third = std::nullopt) {
    return {CodeSource::Page, 0, 0, codes, third};
}

inline constexpr FrameCodes kNoCodes = {};
inline constexpr FrameCodes kAnswerCodes = {CodeSource::Answer};

struct FrameKindRow {
    UnitKind kind;
    std::string_view name; // stable, for logs and the command line
    FrameCodes codes;
    std::optional<PageId> page; // a fixed-code notice whose payload is this page's block
    ActionType action;          // what the receive path does with it
    // Message: the acknowledgement in the info box (page-bound: the page's ackText instead);
    // Warning: the box's text; HallWindow: the hall test window's text; PageReply: the hall
    // test window's "done" line, for the notices that end a hall test.
    std::string_view text;
};

// clang-format off
inline constexpr std::array<FrameKindRow, kUnitKindCount> kFrameKinds = {{
    {UnitKind::Broken,            "broken",              kNoCodes,                                     std::nullopt,       ActionType::None,       {}},
    {UnitKind::Status,            "status",              fixed_codes(0xDF, 0xEF),                      std::nullopt,       ActionType::Status,     {}},
    {UnitKind::ParameterReply,    "parameter-reply",     page_bound(PageCode::Read | PageCode::Reset), std::nullopt,       ActionType::PageReply,  {}},
    {UnitKind::WriteAck,          "write-ack",           page_bound(PageCode::Write),                  std::nullopt,       ActionType::Message,    {}},
    {UnitKind::UserInfo,          "user-info",           fixed_codes(0xF1, 0xE1, 0xA2),                std::nullopt,       ActionType::UserName,   {}},
    {UnitKind::UserInfoAck,       "user-info-ack",       fixed_codes(0xF1, 0xE2, 0xA2),                std::nullopt,       ActionType::Message,    "User info set successfull!"},
    {UnitKind::AssistReply,       "assist-reply",        fixed_codes(0xD0, 0xC0),                      std::nullopt,       ActionType::None,       {}},
    {UnitKind::AssistAck,         "assist-ack",          fixed_codes(0xD0, 0xC1),                      std::nullopt,       ActionType::Message,    "Assist set successfull!"},
    {UnitKind::FactorySetAck,     "factory-set-ack",     fixed_codes(0xFA, 0xEA),                      std::nullopt,       ActionType::Message,    "Factory set successfull!"},
    {UnitKind::FactoryRestoreAck, "factory-restore-ack", fixed_codes(0xFA, 0xEB),                      std::nullopt,       ActionType::Message,    "Restore to default successfull!"},
    {UnitKind::ThrottleWarning,   "throttle-warning",    fixed_codes(0xFF, 0xFE),                      std::nullopt,       ActionType::Warning,    kThrottleWarningText},
    {UnitKind::HallARunning,      "hall-a-running",      fixed_codes(0xFF, 0xFD),                      std::nullopt,       ActionType::HallWindow, "Group Hall A is under testing."},
    {UnitKind::HallADone,         "hall-a-done",         fixed_codes(0xFF, 0xFC),                      PageId::Motor,      ActionType::PageReply,  "Group Hall A test is done."},
    {UnitKind::HallBRunning,      "hall-b-running",      fixed_codes(0xFF, 0xFB),                      std::nullopt,       ActionType::HallWindow, "Group Hall B is under testing."},
    {UnitKind::HallBDone,         "hall-b-done",         fixed_codes(0xFF, 0xFA),                      PageId::Protection, ActionType::PageReply,  "Group Hall B test is done."},
    {UnitKind::CalibrationReply,  "calibration-reply",   fixed_codes(0xFF, 0xF9),                      std::nullopt,       ActionType::None,       {}},
    {UnitKind::Unknown,           "unknown",             kNoCodes,                                     std::nullopt,       ActionType::None,       {}},
}};
// clang-format on

// What the PC sends. Each has one row in kRequests, in this order.
enum class RequestKind : std::uint8_t {
    Status,
    Read,
    Write,
    CounterReset, // the hardware page's calibration count
    HallA,
    HallB,
    HallStop,
    UserInfoWrite,
};
inline constexpr std::size_t kRequestKindCount =
    static_cast<std::size_t>(RequestKind::UserInfoWrite) + 1;

inline constexpr std::uint8_t kShortRequestSize = 3;
inline constexpr auto kUnitRequestSize = static_cast<std::uint8_t>(kUnitSize);

struct RequestRow {
    RequestKind kind;
    std::string_view name; // stable, like a kind's name
    // The traffic log's words; a request sent for any page is followed by the page's title.
    std::string_view meaning;
    FrameCodes codes;
    std::optional<PageId> page; // a page-bound request sent for this page only
    // kShortRequestSize, or kUnitRequestSize: codes, payload, end byte.
    std::uint8_t length;
    std::optional<UnitKind> answer; // the unit that answers it
    // Byte 1 of the answer is this code of the page: the hardware page answers its read (ED)
    // and its counter reset (EC) with the same kind of reply.
    PageCode answerCode;
};

// clang-format off
inline constexpr std::array<RequestRow, kRequestKindCount> kRequests = {{
    {RequestKind::Status,        "status-request",  "status request",  fixed_codes(0xFD, 0x48, 0x55),           std::nullopt,     kShortRequestSize, UnitKind::Status,         PageCode::None},
    {RequestKind::Read,          "read",            "read",            page_bound(PageCode::Read, kEndByte),    std::nullopt,     kShortRequestSize, UnitKind::ParameterReply, PageCode::Read},
    {RequestKind::Write,         "write",           "write",           kAnswerCodes,                            std::nullopt,     kUnitRequestSize,  UnitKind::WriteAck,       PageCode::None},
    {RequestKind::CounterReset,  "counter-reset",   "counter reset",   page_bound(PageCode::Reset, kEndByte),   PageId::Hardware, kShortRequestSize, UnitKind::ParameterReply, PageCode::Reset},
    {RequestKind::HallA,         "hall-test-a",     "hall test A",     fixed_codes(0xFC, 0xEC, kEndByte),       std::nullopt,     kShortRequestSize, UnitKind::HallADone,      PageCode::None},
    {RequestKind::HallB,         "hall-test-b",     "hall test B",     fixed_codes(0xFC, 0xED, kEndByte),       std::nullopt,     kShortRequestSize, UnitKind::HallBDone,      PageCode::None},
    {RequestKind::HallStop,      "hall-test-stop",  "hall test stop",  fixed_codes(0xFC, 0xEE, kEndByte),       std::nullopt,     kShortRequestSize, std::nullopt,             PageCode::None},
    {RequestKind::UserInfoWrite, "user-info-write", "write user info", kAnswerCodes,                            std::nullopt,     kUnitRequestSize,  UnitKind::UserInfoAck,    PageCode::None},
}};
// clang-format on

namespace detail {

template <typename Row, std::size_t N>
constexpr bool rows_in_enum_order(const std::array<Row, N>& rows) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<std::size_t>(rows[i].kind) != i) {
            return false;
        }
    }
    return true;
}

// A short request carries its three bytes whole; a write carries its acknowledgement's codes.
constexpr bool requests_are_sound() {
    for (const RequestRow& r : kRequests) {
        const bool isShort = r.length == kShortRequestSize;
        if (!isShort && r.length != kUnitRequestSize) {
            return false;
        }
        if (isShort && (r.codes.source == CodeSource::Answer || !r.codes.third)) {
            return false;
        }
        if (r.codes.source == CodeSource::Answer &&
            (isShort || !r.answer ||
             kFrameKinds[static_cast<std::size_t>(*r.answer)].codes.source == CodeSource::None)) {
            return false;
        }
        if (r.codes.source == CodeSource::None || (r.page && r.codes.source != CodeSource::Page)) {
            return false;
        }
        // Byte 1 of a request is one code of its page.
        const PageCode one = r.codes.pageCodes;
        if (r.codes.source == CodeSource::Page && one != PageCode::Read && one != PageCode::Write &&
            one != PageCode::Reset) {
            return false;
        }
    }
    return true;
}

} // namespace detail

static_assert(detail::rows_in_enum_order(kFrameKinds),
              "one kFrameKinds row per UnitKind, in order");
static_assert(detail::rows_in_enum_order(kRequests), "one kRequests row per RequestKind, in order");
static_assert(detail::requests_are_sound());

} // namespace motiview
