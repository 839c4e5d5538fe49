#pragma once
// Receive path: one 32-byte unit in, one action out. The shared link state (link state,
// silence counter, broken-frame flag) is updated here and read by the supervisor.

#include "base/bytes.h"
#include "link/frames.h"

#include <cstdint>
#include <optional>
#include <string>

namespace motiview {

enum class LinkState : std::uint8_t { Connecting = 1, Offline = 3, Online = 7 };

// State shared by the poll timer and the receive handler; both run on the UI thread.
struct LinkShared {
    LinkState state = LinkState::Offline;
    std::int16_t silence = 0; // ticks since the last unit that ended in 0xDA
    bool broken = false;      // the last unit did not end in 0xDA: the next poll discards input
};

struct Action {
    ActionType type = ActionType::None;
    UnitKind kind = UnitKind::Unknown;
    std::optional<PageId> page;
    std::string text;
    // For the hall "done" notices the action is a PageReply that also updates the hall test
    // window with hallText and starts its close timer.
    std::string hallText;
    bool hallDone = false;
    Unit unit{};
};

// Handles one unit: end byte check, broken flag, classification, silence counter reset,
// connecting -> online on a status frame. Returns what the window has to do: the action of the
// kind's row in kFrameKinds.
[[nodiscard]] Action receive_unit(const Unit& unit, LinkShared& link);

// User name of a user-info reply: byte 3 (when not 0), then bytes 4.. up to the first 0,
// at most up to byte 22, each byte a Windows-1252 character. Returned as UTF-8.
[[nodiscard]] std::string decode_user_name(const Unit& unit);

// Puts a name into a user-info frame as the controller sends it: its bytes from byte 3 on, at
// most up to byte 22, the rest 0.
void store_user_name(Unit& unit, std::string_view bytes);

// One Windows-1252 byte as UTF-8 (undefined code points map to U+FFFD).
[[nodiscard]] std::string cp1252_to_utf8(std::uint8_t byte);

} // namespace motiview
