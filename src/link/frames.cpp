#include "link/frames.h"

namespace motiview {
namespace {

struct PageRow {
    PageId page;
    PageCodes codes;
    std::string_view ackText;
};

// Indexed by PageId.
constexpr std::array<PageRow, kPageCount> kPages = {{
    {PageId::Basic, {0xF0, 0xE0, 0xE1}, "Basic set successfull!"},
    {PageId::Reference, {0xF2, 0xE2, 0xE3}, "Reference set successfull!"},
    {PageId::Motor, {0xF6, 0xE6, 0xE7}, "Motor set successfull!"},
    {PageId::Control, {0xF4, 0xE4, 0xE5}, "Control set successfull!"},
    {PageId::TorquePid, {0xD2, 0xC2, 0xC3}, "Torque PID set successfull!"},
    {PageId::Protection, {0xF8, 0xE8, 0xE9}, "Protection set successfull!"},
    {PageId::ModeSet, {0xD7, 0xC7, 0xC8}, "Mode set successfull!"},
    {PageId::Other, {0xFE, 0xEE, 0xEF}, "Other set successfull!"},
    {PageId::FluxWeaken, {0xD6, 0xC6, 0xC7}, "Flux weaken set successfull!"},
    {PageId::Derate, {0xD5, 0xC5, 0xC6}, "Derate set successfull!"},
    // The hardware group breaks the rule: EC resets the calibration counter, ED reads, EE writes.
    {PageId::Hardware, {0xFB, 0xED, 0xEE}, "Idc calibration successfull!"},
}};

consteval bool pages_follow_rule() {
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        const PageRow& r = kPages[i];
        if (static_cast<std::size_t>(r.page) != i) {
            return false;
        }
        if (r.page == PageId::Hardware) {
            continue;
        }
        if (r.codes.read != r.codes.group - 0x10 || r.codes.write != r.codes.read + 1) {
            return false;
        }
    }
    return true;
}
static_assert(pages_follow_rule(), "page table out of order or off the code rule");

constexpr std::uint8_t kStatusGroup = 0xDF;
constexpr std::uint8_t kStatusCode = 0xEF;
constexpr std::uint8_t kUserGroup = 0xF1;
constexpr std::uint8_t kUserMark = 0xA2;
constexpr std::uint8_t kNoticeGroup = 0xFF;
constexpr std::uint8_t kCounterResetCode = 0xEC;

struct CodeRow {
    std::uint8_t group;
    std::uint8_t code;
    UnitKind kind;
    std::optional<PageId> page;
};

// Controller frames that are not a page's reply or acknowledgement.
constexpr std::array<CodeRow, 12> kOtherCodes = {{
    {kStatusGroup, kStatusCode, UnitKind::Status, std::nullopt},
    {0xFB, kCounterResetCode, UnitKind::ParameterReply, PageId::Hardware},
    {0xD0, 0xC0, UnitKind::AssistReply, std::nullopt},
    {0xD0, 0xC1, UnitKind::AssistAck, std::nullopt},
    {0xFA, 0xEA, UnitKind::FactorySetAck, std::nullopt},
    {0xFA, 0xEB, UnitKind::FactoryRestoreAck, std::nullopt},
    {kNoticeGroup, 0xFE, UnitKind::ThrottleWarning, std::nullopt},
    {kNoticeGroup, 0xFD, UnitKind::HallARunning, std::nullopt},
    {kNoticeGroup, 0xFC, UnitKind::HallADone, PageId::Motor},
    {kNoticeGroup, 0xFB, UnitKind::HallBRunning, std::nullopt},
    {kNoticeGroup, 0xFA, UnitKind::HallBDone, PageId::Protection},
    {kNoticeGroup, 0xF9, UnitKind::CalibrationReply, std::nullopt},
}};

ShortFrame with_end(std::uint8_t group, std::uint8_t code) {
    return {group, code, kEndByte};
}

FrameSet build_frame_set() {
    FrameSet f{};
    for (const PageRow& r : kPages) {
        f.readRequest[static_cast<std::size_t>(r.page)] = with_end(r.codes.group, r.codes.read);
    }
    f.counterReset = with_end(0xFB, kCounterResetCode);
    f.hallTestA = with_end(0xFC, 0xEC);
    f.hallTestB = with_end(0xFC, 0xED);
    f.hallTestStop = with_end(0xFC, 0xEE);
    f.statusRequest = {0xFD, 0x48, 0x55};
    return f;
}

} // namespace

PageCodes page_codes(PageId page) {
    return kPages[static_cast<std::size_t>(page)].codes;
}

const FrameSet& frame_set() {
    static const FrameSet frames = build_frame_set();
    return frames;
}

Classification classify(const Unit& unit) {
    if (unit[kUnitSize - 1] != kEndByte) {
        return {UnitKind::Broken, std::nullopt};
    }
    const std::uint8_t group = unit[0];
    const std::uint8_t code = unit[1];
    // The group byte decides first: D5 C6 is Derate's acknowledgement, D6 C6 Flux weaken's reply.
    for (const PageRow& r : kPages) {
        if (r.codes.group != group) {
            continue;
        }
        if (code == r.codes.read) {
            return {UnitKind::ParameterReply, r.page};
        }
        if (code == r.codes.write) {
            return {UnitKind::WriteAck, r.page};
        }
    }
    if (group == kUserGroup && unit[2] == kUserMark) {
        if (code == 0xE1) {
            return {UnitKind::UserInfo, std::nullopt};
        }
        if (code == 0xE2) {
            return {UnitKind::UserInfoAck, std::nullopt};
        }
    }
    for (const CodeRow& r : kOtherCodes) {
        if (r.group == group && r.code == code) {
            return {r.kind, r.page};
        }
    }
    return {UnitKind::Unknown, std::nullopt};
}

std::string_view ack_text(const Classification& c) {
    switch (c.kind) {
    case UnitKind::WriteAck:
        return c.page ? kPages[static_cast<std::size_t>(*c.page)].ackText : std::string_view{};
    case UnitKind::UserInfoAck:
        return "User info set successfull!";
    case UnitKind::AssistAck:
        return "Assist set successfull!";
    case UnitKind::FactorySetAck:
        return "Factory set successfull!";
    case UnitKind::FactoryRestoreAck:
        return "Restore to default successfull!";
    default:
        return {};
    }
}

std::string_view kind_name(UnitKind kind) {
    switch (kind) {
    case UnitKind::Broken:
        return "broken";
    case UnitKind::Status:
        return "status";
    case UnitKind::ParameterReply:
        return "parameter-reply";
    case UnitKind::WriteAck:
        return "write-ack";
    case UnitKind::UserInfo:
        return "user-info";
    case UnitKind::UserInfoAck:
        return "user-info-ack";
    case UnitKind::AssistReply:
        return "assist-reply";
    case UnitKind::AssistAck:
        return "assist-ack";
    case UnitKind::FactorySetAck:
        return "factory-set-ack";
    case UnitKind::FactoryRestoreAck:
        return "factory-restore-ack";
    case UnitKind::ThrottleWarning:
        return "throttle-warning";
    case UnitKind::HallARunning:
        return "hall-a-running";
    case UnitKind::HallADone:
        return "hall-a-done";
    case UnitKind::HallBRunning:
        return "hall-b-running";
    case UnitKind::HallBDone:
        return "hall-b-done";
    case UnitKind::CalibrationReply:
        return "calibration-reply";
    case UnitKind::Unknown:
        return "unknown";
    }
    return "unknown";
}

} // namespace motiview
