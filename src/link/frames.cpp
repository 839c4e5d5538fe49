#include "link/frames.h"

namespace motiview {
namespace {

constexpr std::uint8_t kStatusGroup = 0xDF;
constexpr std::uint8_t kStatusCode = 0xEF;
constexpr std::uint8_t kUserGroup = 0xF1;
constexpr std::uint8_t kUserMark = 0xA2;
constexpr std::uint8_t kUserInfoCode = 0xE1;
constexpr std::uint8_t kUserInfoAckCode = 0xE2;
constexpr std::uint8_t kNoticeGroup = 0xFF;

struct CodeRow {
    std::uint8_t group;
    std::uint8_t code;
    UnitKind kind;
    std::optional<PageId> page;
};

// Controller frames that are not a page's reply or acknowledgement.
constexpr std::array<CodeRow, 11> kOtherCodes = {{
    {kStatusGroup, kStatusCode, UnitKind::Status, std::nullopt},
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
    for (PageId id : kAllPages) {
        const PageSchema& page = page_schema(id);
        f.readRequest[static_cast<std::size_t>(id)] = page_request(page, page.codes.read);
    }
    const PageSchema& hardware = page_schema(PageId::Hardware);
    f.counterReset = page_request(hardware, hardware.codes.reset);
    f.hallTestA = with_end(0xFC, 0xEC);
    f.hallTestB = with_end(0xFC, 0xED);
    f.hallTestStop = with_end(0xFC, 0xEE);
    f.statusRequest = {0xFD, 0x48, 0x55};
    return f;
}

} // namespace

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
    for (PageId id : kAllPages) {
        const PageCodes codes = page_codes(id);
        if (codes.group != group) {
            continue;
        }
        if (code == codes.read || (codes.reset != 0 && code == codes.reset)) {
            return {UnitKind::ParameterReply, id};
        }
        if (code == codes.write) {
            return {UnitKind::WriteAck, id};
        }
    }
    if (group == kUserGroup && unit[2] == kUserMark) {
        if (code == kUserInfoCode) {
            return {UnitKind::UserInfo, std::nullopt};
        }
        if (code == kUserInfoAckCode) {
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

std::optional<Unit> controller_frame(UnitKind kind) {
    Unit u{};
    u[kUnitSize - 1] = kEndByte;
    if (kind == UnitKind::UserInfo || kind == UnitKind::UserInfoAck) {
        u[0] = kUserGroup;
        u[1] = kind == UnitKind::UserInfo ? kUserInfoCode : kUserInfoAckCode;
        u[2] = kUserMark;
        return u;
    }
    for (const CodeRow& r : kOtherCodes) {
        if (r.kind == kind) {
            u[0] = r.group;
            u[1] = r.code;
            return u;
        }
    }
    return std::nullopt;
}

std::string_view ack_text(const Classification& c) {
    switch (c.kind) {
    case UnitKind::WriteAck:
        return c.page ? page_schema(*c.page).ackText : std::string_view{};
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
