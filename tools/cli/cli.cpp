#include "cli.h"

#include "base/bytes.h"
#include "link/frames.h"
#include "link/receiver.h"
#include "monitor/status_frame.h"
#include "pages/page_codec.h"
#include "pages/page_schema.h"

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>

namespace motiview::cli {

Outcome usage_error(std::string message) {
    Outcome r;
    r.code = kExitUsage;
    r.err = std::string(kProgram) + ": " + std::move(message) + "\n" + "Try '" +
            std::string(kProgram) + " --help'.\n";
    return r;
}

std::string page_names() {
    std::string names;
    for (const PageId id : kAllPages) {
        if (!names.empty()) {
            names += ' ';
        }
        names += page_schema(id).cliName;
    }
    return names;
}

namespace {

std::string hex_byte(std::uint8_t b) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[b >> 4], kDigits[b & 0x0F]};
}

// Exactly 32 hex bytes, or nullopt.
std::optional<Unit> parse_unit(std::string_view text) {
    const std::optional<Bytes> bytes = parse_hex(text);
    if (!bytes || bytes->size() != kUnitSize) {
        return std::nullopt;
    }
    Unit u{};
    for (std::size_t i = 0; i < kUnitSize; ++i) {
        u[i] = (*bytes)[i];
    }
    return u;
}

std::string broken_message(const Unit& u) {
    return std::string(kProgram) + ": broken unit: byte 31 is 0x" + hex_byte(u[kUnitSize - 1]) +
           ", not 0xDA\n";
}

std::string lines(const OrderedMap& map, std::string_view prefix = {}) {
    std::string s;
    for (const auto& [k, v] : map.entries()) {
        s += std::string(prefix) + k + "=" + line_value(v) + "\n";
    }
    return s;
}

} // namespace

void OrderedMap::set(std::string_view key, std::string value) {
    for (auto& [k, v] : entries_) {
        if (k == key) {
            v = std::move(value);
            return;
        }
    }
    entries_.emplace_back(std::string(key), std::move(value));
}

nlohmann::ordered_json OrderedMap::json() const {
    nlohmann::ordered_json o = nlohmann::ordered_json::object();
    for (const auto& [k, v] : entries_) {
        o[k] = v;
    }
    return o;
}

std::string json_text(const nlohmann::ordered_json& j) {
    // Texts from the controller are already UTF-8; anything else is replaced, never thrown.
    return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

nlohmann::ordered_json report_json(const Report& rep) {
    nlohmann::ordered_json j = nlohmann::ordered_json::object();
    j["kind"] = rep.kind;
    if (!rep.page.empty()) {
        j["page"] = rep.page;
    }
    if (rep.text) {
        j["text"] = *rep.text;
    }
    if (rep.fields) {
        j["fields"] = rep.fields->json();
    }
    if (rep.colors) {
        j["colors"] = rep.colors->json();
    }
    if (rep.visible) {
        j["visible"] = *rep.visible;
    }
    return j;
}

std::string render(const Report& rep, bool json) {
    if (json) {
        return json_text(report_json(rep)) + "\n";
    }
    std::string s = "kind=" + std::string(rep.kind) + "\n";
    if (!rep.page.empty()) {
        s += "page=" + std::string(rep.page) + "\n";
    }
    if (rep.text) {
        s += "text=" + line_value(*rep.text) + "\n";
    }
    if (rep.fields) {
        s += lines(*rep.fields);
    }
    if (rep.colors) {
        s += lines(*rep.colors, "color.");
    }
    if (rep.visible) {
        std::string v;
        for (const std::string& label : *rep.visible) {
            v += (v.empty() ? "" : " ") + label;
        }
        s += "visible=" + v + "\n";
    }
    return s;
}

OrderedMap page_fields(const PageSchema& page, const Unit& unit, const NumberFormat& format) {
    PageState state = design_state(page);
    decode_into(page, unit, state, format);
    OrderedMap fields;
    for (std::size_t i = 0; i < page.fields.size(); ++i) {
        const FieldSchema& f = page.fields[i];
        if (f.kind == FieldKind::Unbound || f.widget == Widget::None) {
            continue; // on the page but in no byte, or in a byte the page never shows
        }
        fields.set(f.name, shown_text(f, state.fields[i]));
    }
    return fields;
}

Report status_report(const Unit& unit, const NumberFormat& format) {
    const StatusView view = decode_status(unit, format);
    Report rep;
    rep.kind = kind_name(UnitKind::Status);
    rep.fields.emplace();
    rep.colors.emplace();
    rep.visible.emplace();
    for (const LabelUpdate& l : view.labels) {
        rep.fields->set(l.label, l.text);
        if (l.color != TextColor::Unchanged) {
            rep.colors->set(l.label, l.color == TextColor::Red ? "red" : "green");
        }
    }
    for (const VisibilityUpdate& v : view.visibility) {
        if (v.visible) {
            rep.visible->emplace_back(v.label);
        }
    }
    return rep;
}

Outcome decode_command(const std::vector<std::string>& args, const NumberFormat& format) {
    bool json = false;
    std::string hex;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            json = true;
        } else if (a.starts_with("--")) {
            return usage_error("decode: unknown option '" + a + "'");
        } else {
            hex += (hex.empty() ? "" : " ") + a;
        }
    }
    if (hex.empty()) {
        return usage_error("decode: no hex bytes given");
    }
    const std::optional<Unit> unit = parse_unit(hex);
    if (!unit) {
        return usage_error("decode: expected exactly 32 hex bytes");
    }

    Outcome r;
    const std::optional<Report> rep = report_of(*unit, format);
    if (!rep) {
        Report broken;
        broken.kind = kind_name(UnitKind::Broken);
        r.code = kExitBroken;
        r.out = render(broken, json);
        r.err = broken_message(*unit);
        return r;
    }
    r.out = render(*rep, json);
    return r;
}

std::optional<Report> report_of(const Unit& unit, const NumberFormat& format) {
    LinkShared link; // a throwaway link: the tool only wants the action's texts
    const Action action = receive_unit(unit, link);
    const Classification c = classify(unit);
    if (c.kind == UnitKind::Broken) {
        return std::nullopt;
    }
    if (c.kind == UnitKind::Status) {
        return status_report(unit, format);
    }
    Report rep;
    rep.kind = kind_name(c.kind);
    if (c.page) {
        rep.page = page_schema(*c.page).cliName;
    }
    switch (action.type) {
    case ActionType::PageReply:
        if (action.page) {
            rep.fields = page_fields(page_schema(*action.page), unit, format);
        }
        if (action.hallDone) {
            rep.text = action.hallText;
        }
        break;
    case ActionType::Message:
    case ActionType::Warning:
    case ActionType::HallWindow:
    case ActionType::UserName:
        rep.text = action.text;
        break;
    case ActionType::None:
    case ActionType::Status:
        break;
    }
    return rep;
}

Outcome encode_command(const std::vector<std::string>& args, const NumberFormat& format) {
    if (args.size() < 2) {
        return usage_error("encode: no page given (pages: " + page_names() + ")");
    }
    const PageSchema* page = page_by_cli_name(args[1]);
    if (page == nullptr) {
        page = page_by_window(args[1]);
    }
    if (page == nullptr) {
        return usage_error("encode: unknown page '" + args[1] + "' (pages: " + page_names() + ")");
    }

    std::optional<std::string> from;
    std::vector<std::pair<std::string, std::string>> edits;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--from") {
            if (i + 1 >= args.size()) {
                return usage_error("encode: --from needs the hex bytes of a reply");
            }
            from = args[++i];
        } else if (a.starts_with("--from=")) {
            from = a.substr(7);
        } else if (a.starts_with("--")) {
            return usage_error("encode: unknown option '" + a + "'");
        } else {
            const std::size_t eq = a.find('=');
            if (eq == std::string::npos || eq == 0) {
                return usage_error("encode: expected NAME=TEXT, got '" + a + "'");
            }
            edits.emplace_back(a.substr(0, eq), a.substr(eq + 1));
        }
    }

    // The page as its window holds it: design texts, then the reply, then the user's edits.
    PageState state = design_state(*page);
    if (from) {
        const std::optional<Unit> unit = parse_unit(*from);
        if (!unit) {
            return usage_error("encode: --from expects exactly 32 hex bytes");
        }
        const Classification c = classify(*unit);
        if (c.kind == UnitKind::Broken) {
            Outcome r;
            r.code = kExitBroken;
            r.err = broken_message(*unit);
            return r;
        }
        const bool carriesBlock = c.kind == UnitKind::ParameterReply ||
                                  c.kind == UnitKind::HallADone || c.kind == UnitKind::HallBDone;
        if (!carriesBlock || c.page != page->id) {
            return usage_error("encode: --from is not a parameter reply of page '" +
                               std::string(page->cliName) + "' (it is " +
                               std::string(kind_name(c.kind)) + ")");
        }
        decode_into(*page, *unit, state, format);
    }
    for (const auto& [name, text] : edits) {
        if (find_field(*page, name) == nullptr) {
            return usage_error("encode: page '" + std::string(page->cliName) +
                               "' has no control '" + name + "'");
        }
        const Result<bool> set = set_field_text(*page, state, name, text);
        if (!set.ok()) {
            return usage_error("encode: " + name + ": " + set.error().message);
        }
    }

    Outcome r;
    const Result<Unit> frame = encode(*page, state, format);
    if (!frame.ok()) {
        const Error& e = frame.error();
        r.code = kExitRefused;
        r.err = std::string(kProgram) + ": " + (e.field.empty() ? "" : e.field + ": ") + e.message +
                "\n";
        return r;
    }
    r.out = to_hex(frame.value()) + "\n";
    return r;
}

std::string line_value(std::string_view text) {
    std::string s;
    for (const char ch : text) {
        const auto b = static_cast<unsigned char>(ch);
        switch (ch) {
        case '\\':
            s += "\\\\";
            break;
        case '\n':
            s += "\\n";
            break;
        case '\r':
            s += "\\r";
            break;
        case '\t':
            s += "\\t";
            break;
        default:
            if (b < 0x20 || b == 0x7F) {
                s += "\\x" + hex_byte(b);
            } else {
                s += ch;
            }
        }
    }
    return s;
}

} // namespace motiview::cli
