#include "link/frames.h"

#include <algorithm>
#include <vector>

namespace motiview {
namespace {

constexpr std::array<PageCode, 3> kEachPageCode = {PageCode::Read, PageCode::Write,
                                                   PageCode::Reset};

// The page a page-bound row stands on for this unit, if any.
std::optional<PageId> matching_page(const FrameCodes& codes, const Unit& unit) {
    // The group byte decides first: D5 C6 is Derate's acknowledgement, D6 C6 Flux weaken's reply.
    for (PageId id : kAllPages) {
        const PageCodes pc = page_codes(id);
        if (pc.group != unit[0]) {
            continue;
        }
        for (PageCode one : kEachPageCode) {
            if (has(codes.pageCodes, one) && page_code(pc, one) == unit[1]) {
                return id;
            }
        }
    }
    return std::nullopt;
}

std::optional<Classification> match_kind(const FrameKindRow& row, const Unit& unit) {
    const FrameCodes& c = row.codes;
    if (c.third && unit[2] != *c.third) {
        return std::nullopt;
    }
    switch (c.source) {
    case CodeSource::Fixed:
        if (unit[0] == c.group && unit[1] == c.code) {
            return Classification{row.kind, row.page};
        }
        break;
    case CodeSource::Page:
        if (const std::optional<PageId> page = matching_page(c, unit)) {
            return Classification{row.kind, page};
        }
        break;
    case CodeSource::None:
    case CodeSource::Answer:
        break;
    }
    return std::nullopt;
}

// The request `row` for `page` (rows bound to one page take theirs); nullopt for a page without
// the code.
std::optional<RequestPattern> pattern_of(const RequestRow& row, PageId page) {
    const FrameCodes& c = request_codes(row);
    RequestPattern p;
    p.kind = row.kind;
    p.length = row.length;
    if (c.source == CodeSource::Page) {
        const PageId id = row.page.value_or(page);
        const PageCodes pc = page_codes(id);
        const std::optional<std::uint8_t> code = page_code(pc, c.pageCodes);
        if (!code) {
            return std::nullopt;
        }
        p.head = {pc.group, *code, 0};
        if (!row.page) {
            p.page = id;
        }
    } else {
        p.head = {c.group, c.code, 0};
    }
    p.headLength = 2;
    if (c.third) {
        p.head[2] = *c.third;
        p.headLength = 3;
    }
    return p;
}

std::vector<RequestPattern> build_request_patterns() {
    std::vector<RequestPattern> out;
    for (const RequestRow& row : kRequests) {
        const bool anyPage = request_codes(row).source == CodeSource::Page && !row.page;
        if (!anyPage) {
            if (const auto p = pattern_of(row, PageId::Basic)) {
                out.push_back(*p);
            }
            continue;
        }
        for (PageId id : kAllPages) {
            if (const auto p = pattern_of(row, id)) {
                out.push_back(*p);
            }
        }
    }
    return out;
}

ShortFrame short_request(RequestKind kind, PageId page = PageId::Basic) {
    const Bytes b = request_bytes(kind, page);
    ShortFrame f{};
    std::copy_n(b.begin(), std::min(b.size(), f.size()), f.begin());
    return f;
}

FrameSet build_frame_set() {
    FrameSet f{};
    for (PageId id : kAllPages) {
        f.readRequest[static_cast<std::size_t>(id)] = short_request(RequestKind::Read, id);
    }
    f.counterReset = short_request(RequestKind::CounterReset);
    f.hallTestA = short_request(RequestKind::HallA);
    f.hallTestB = short_request(RequestKind::HallB);
    f.hallTestStop = short_request(RequestKind::HallStop);
    f.statusRequest = short_request(RequestKind::Status);
    return f;
}

} // namespace

const FrameSet& frame_set() {
    static const FrameSet frames = build_frame_set();
    return frames;
}

const FrameKindRow& frame_kind(UnitKind kind) {
    const auto i = static_cast<std::size_t>(kind);
    return kFrameKinds[i < kFrameKinds.size() ? i : static_cast<std::size_t>(UnitKind::Unknown)];
}

Classification classify(const Unit& unit) {
    if (unit[kUnitSize - 1] != kEndByte) {
        return {UnitKind::Broken, std::nullopt};
    }
    for (const FrameKindRow& row : kFrameKinds) {
        if (const std::optional<Classification> c = match_kind(row, unit)) {
            return *c;
        }
    }
    return {UnitKind::Unknown, std::nullopt};
}

std::optional<Unit> controller_frame(UnitKind kind) {
    const FrameCodes& c = frame_kind(kind).codes;
    if (c.source != CodeSource::Fixed) {
        return std::nullopt;
    }
    Unit u{};
    u[0] = c.group;
    u[1] = c.code;
    if (c.third) {
        u[2] = *c.third;
    }
    u[kUnitSize - 1] = kEndByte;
    return u;
}

std::string_view ack_text(const Classification& c) {
    const FrameKindRow& row = frame_kind(c.kind);
    if (row.action != ActionType::Message) {
        return {};
    }
    if (row.codes.source == CodeSource::Page) {
        return c.page ? page_schema(*c.page).ackText : std::string_view{};
    }
    return row.text;
}

std::string_view kind_name(UnitKind kind) {
    return frame_kind(kind).name;
}

std::optional<std::uint8_t> page_code(const PageCodes& codes, PageCode which) {
    switch (which) {
    case PageCode::Read:
        return codes.read;
    case PageCode::Write:
        return codes.write;
    case PageCode::Reset:
        return codes.reset != 0 ? std::optional<std::uint8_t>(codes.reset) : std::nullopt;
    case PageCode::None:
        break;
    }
    return std::nullopt;
}

const RequestRow& request_row(RequestKind kind) {
    return kRequests[static_cast<std::size_t>(kind)];
}

const FrameCodes& request_codes(const RequestRow& row) {
    return row.codes.source == CodeSource::Answer && row.answer ? frame_kind(*row.answer).codes
                                                                : row.codes;
}

std::span<const RequestPattern> request_patterns() {
    static const std::vector<RequestPattern> patterns = build_request_patterns();
    return patterns;
}

std::optional<RequestPattern> find_request(std::span<const std::uint8_t> frame) {
    for (const RequestPattern& p : request_patterns()) {
        if (frame.size() != p.length) {
            continue;
        }
        bool fits = true;
        for (std::size_t i = 0; fits && i < frame.size(); ++i) {
            fits = p.fits(i, frame[i]);
        }
        if (fits) {
            return p;
        }
    }
    return std::nullopt;
}

Bytes request_bytes(RequestKind kind, PageId page) {
    const RequestRow& row = request_row(kind);
    const std::optional<RequestPattern> p = pattern_of(row, page);
    if (!p) {
        return {};
    }
    Bytes out(p->length, 0);
    std::copy_n(p->head.begin(), std::min<std::size_t>(p->headLength, out.size()), out.begin());
    if (p->length == kUnitRequestSize) {
        out.back() = kEndByte;
    }
    return out;
}

} // namespace motiview
