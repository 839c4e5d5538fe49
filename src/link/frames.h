#pragma once
// The frame set of the controller link: the fixed request frames and the classification of a
// received 32-byte unit. Page codes and acknowledgement texts come from the page registry.

#include "base/bytes.h"
#include "pages/page_schema.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace motiview {

// Built once, never changed; senders hand them to the port as they are.
struct FrameSet {
    std::array<ShortFrame, kPageCount> readRequest; // indexed by PageId
    ShortFrame counterReset;                        // FB EC DA
    ShortFrame hallTestA;                           // FC EC DA
    ShortFrame hallTestB;                           // FC ED DA
    ShortFrame hallTestStop;                        // FC EE DA
    ShortFrame statusRequest;                       // FD 48 55, the only frame without 0xDA

    [[nodiscard]] const ShortFrame& read(PageId page) const {
        return readRequest[static_cast<std::size_t>(page)];
    }
};

[[nodiscard]] const FrameSet& frame_set();

// What a received unit is, by bytes 0 and 1 (and byte 2 for the user-info group).
enum class UnitKind : std::uint8_t {
    Broken,            // byte 31 is not 0xDA
    Status,            // DF EF
    ParameterReply,    // page group + read code (FB EC too); page set
    WriteAck,          // page group + write code; page set
    UserInfo,          // F1 E1 A2
    UserInfoAck,       // F1 E2 A2
    AssistReply,       // D0 C0
    AssistAck,         // D0 C1
    FactorySetAck,     // FA EA
    FactoryRestoreAck, // FA EB
    ThrottleWarning,   // FF FE
    HallARunning,      // FF FD
    HallADone,         // FF FC, payload is a Motor block; page = Motor
    HallBRunning,      // FF FB
    HallBDone,         // FF FA, payload is a Protection block; page = Protection
    CalibrationReply,  // FF F9
    Unknown,           // ends in 0xDA, matches no code
};

struct Classification {
    UnitKind kind = UnitKind::Unknown;
    std::optional<PageId> page; // the page whose decoder owns the payload, or whose write is acked
};

[[nodiscard]] Classification classify(const Unit& unit);

// A frame of a kind the controller sends under fixed codes (status, user info, notices, the
// acknowledgements that belong to no page): its codes and the end byte, payload 0. nullopt for
// page frames, broken and unknown units.
[[nodiscard]] std::optional<Unit> controller_frame(UnitKind kind);

// The text of the "info" message for an acknowledgement kind ("Basic set successfull!"), or
// empty when the classification is not an acknowledgement.
[[nodiscard]] std::string_view ack_text(const Classification& c);

// Short stable name of a kind for logs and the command-line tool ("status", "parameter-reply").
[[nodiscard]] std::string_view kind_name(UnitKind kind);

} // namespace motiview
