#include "link/receiver.h"

#include <array>

namespace motiview {
namespace {

constexpr std::size_t kNameFirst = 3;
constexpr std::size_t kNameLast = 22;

// 0x80..0x9F of Windows-1252; 0 where the code page leaves the byte undefined.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

char32_t cp1252_code_point(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        const char32_t cp = kHighControls[byte - 0x80u];
        return cp != 0 ? cp : kReplacement;
    }
    return byte;
}

void append_utf8(std::string& out, char32_t cp) {
    const auto put = [&out](std::uint32_t v) { out.push_back(static_cast<char>(v)); };
    const auto v = static_cast<std::uint32_t>(cp);
    if (v < 0x80) {
        put(v);
    } else if (v < 0x800) {
        put(0xC0 | (v >> 6));
        put(0x80 | (v & 0x3F));
    } else if (v < 0x10000) {
        put(0xE0 | (v >> 12));
        put(0x80 | ((v >> 6) & 0x3F));
        put(0x80 | (v & 0x3F));
    } else {
        put(0xF0 | (v >> 18));
        put(0x80 | ((v >> 12) & 0x3F));
        put(0x80 | ((v >> 6) & 0x3F));
        put(0x80 | (v & 0x3F));
    }
}

// Characters that would reach the status bar invisibly, break its line or flip the direction
// of the text around them.
bool hidden_in_status_bar(char32_t cp) {
    return cp < 0x20 || cp == 0x7F || cp == 0xAD // controls, soft hyphen
           || cp == 0x200E || cp == 0x200F       // direction marks
           || (cp >= 0x202A && cp <= 0x202E)     // embeddings and overrides
           || (cp >= 0x2066 && cp <= 0x2069)     // isolates
           || cp == 0x2028 || cp == 0x2029;      // line and paragraph separators
}

Action make(ActionType type, const Classification& c, const Unit& unit) {
    Action a;
    a.type = type;
    a.kind = c.kind;
    a.page = c.page;
    a.unit = unit;
    return a;
}

} // namespace

std::string cp1252_to_utf8(std::uint8_t byte) {
    std::string out;
    append_utf8(out, cp1252_code_point(byte));
    return out;
}

std::string decode_user_name(const Unit& unit) {
    std::string name;
    const auto append = [&name](std::uint8_t byte) {
        const char32_t cp = cp1252_code_point(byte);
        if (!hidden_in_status_bar(cp)) {
            append_utf8(name, cp);
        }
    };
    // Byte 3 only opens the name; a 0 there does not end it.
    if (unit[kNameFirst] != 0) {
        append(unit[kNameFirst]);
    }
    for (std::size_t i = kNameFirst + 1; i <= kNameLast && unit[i] != 0; ++i) {
        append(unit[i]);
    }
    return name;
}

void store_user_name(Unit& unit, std::string_view bytes) {
    for (std::size_t i = kNameFirst; i <= kNameLast; ++i) {
        const std::size_t k = i - kNameFirst;
        unit[i] = k < bytes.size() ? static_cast<std::uint8_t>(bytes[k]) : 0;
    }
}

Action receive_unit(const Unit& unit, LinkShared& link) {
    if (unit[kUnitSize - 1] != kEndByte) {
        // Dropped whole; the silence counter keeps counting and the next poll discards input.
        link.broken = true;
        return make(frame_kind(UnitKind::Broken).action, {UnitKind::Broken, std::nullopt}, unit);
    }
    link.broken = false;

    const Classification c = classify(unit);
    const FrameKindRow& row = frame_kind(c.kind);
    Action a = make(row.action, c, unit);
    switch (row.action) {
    case ActionType::Status:
        if (link.state == LinkState::Connecting) {
            link.state = LinkState::Online;
        }
        break;
    case ActionType::PageReply:
        // A hall test's "done" notice carries the learned block and a line for its window.
        if (!row.text.empty()) {
            a.hallDone = true;
            a.hallText = row.text;
        }
        break;
    case ActionType::Message:
        a.text = ack_text(c);
        break;
    case ActionType::UserName:
        a.text = decode_user_name(unit);
        break;
    case ActionType::Warning:
    case ActionType::HallWindow:
        a.text = row.text;
        break;
    case ActionType::None:
        break;
    }
    // Every unit that ends in 0xDA is a sign of life, recognised or not.
    link.silence = 0;
    return a;
}

} // namespace motiview
