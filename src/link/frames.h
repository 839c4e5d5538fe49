#pragma once
// The frame set of the controller link: the fixed request frames, the classification of a
// received 32-byte unit and the recognition of a sent frame, all read from the two tables in
// frame_kinds.h. Page codes and acknowledgement texts come from the page registry.

#include "base/bytes.h"
#include "link/frame_kinds.h"
#include "pages/page_schema.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace motiview {

// Built once from kRequests, never changed; senders hand them to the port as they are.
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

// The row of a kind; a value outside the enumeration reads as Unknown.
[[nodiscard]] const FrameKindRow& frame_kind(UnitKind kind);

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

// One code of a page; nullopt for a reset code the page does not have.
[[nodiscard]] std::optional<std::uint8_t> page_code(const PageCodes& codes, PageCode which);

[[nodiscard]] const RequestRow& request_row(RequestKind kind);

// A request's codes; a write's are those of its acknowledgement.
[[nodiscard]] const FrameCodes& request_codes(const RequestRow& row);

// One request as it goes on the line: a row, for one page when the row is sent for any page.
struct RequestPattern {
    RequestKind kind = RequestKind::Status;
    std::optional<PageId> page;         // the page it names (rows sent for any page)
    std::array<std::uint8_t, 3> head{}; // its codes, from byte 0
    std::uint8_t headLength = 0;        // 2 or 3
    std::uint8_t length = 0;            // kShortRequestSize, or a unit that ends in 0xDA

    // Byte `i` of a frame of this request may be `b`: a code byte or the end byte must match,
    // a payload byte may be anything.
    [[nodiscard]] bool fits(std::size_t i, std::uint8_t b) const {
        if (i < headLength) {
            return b == head[i];
        }
        return length != kUnitRequestSize || i + 1 != length || b == kEndByte;
    }
};

// Every request, the rows sent for any page once per page, in the order of kRequests.
[[nodiscard]] std::span<const RequestPattern> request_patterns();

// The request a whole frame is, if any.
[[nodiscard]] std::optional<RequestPattern> find_request(std::span<const std::uint8_t> frame);

// The frame of `kind`: a short request whole, or a unit with its codes, payload 0 and the end
// byte. `page` names the page of a request sent for any page; the others ignore it.
[[nodiscard]] Bytes request_bytes(RequestKind kind, PageId page = PageId::Basic);

} // namespace motiview
