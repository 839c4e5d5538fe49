// The parameter file: reading refuses anything that could not be written back to the
// controller exactly as the file says, before a single frame is sent.

#include "params/parameter_file.h"

#include "pages/page_codec.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <limits>
#include <system_error>

namespace motiview {
namespace {

using Json = nlohmann::ordered_json;

// A real file nests four deep; anything far deeper is not one and is refused before parsing.
constexpr int kMaxNesting = 64;

// The fields a file keeps: those a reply fills and the page shows.
bool kept_in_file(const FieldSchema& field) {
    return field.kind != FieldKind::Unbound && field.widget != Widget::None;
}

std::string page_prefix(const PageSchema& page) {
    return "Page \"" + std::string(page_title(page)) + "\" (" + std::string(page.cliName) + ")";
}

Error page_error(const PageSchema& page, std::string_view message) {
    return Error{std::string(page.cliName), page_prefix(page) + ": " + std::string(message)};
}

Error field_error(const PageSchema& page, std::string_view name, std::string_view message) {
    return Error{std::string(page.cliName) + "." + std::string(name),
                 page_prefix(page) + ", field " + std::string(name) + ": " + std::string(message)};
}

PageState decoded(const PageSchema& page, const Unit& reply) {
    PageState state = design_state(page);
    decode_into(page, reply, state, kPlainNumbers);
    return state;
}

// A reply of zeros: every field shows what a controller holding nothing would.
Unit empty_reply(const PageSchema& page) {
    Unit u{};
    u[0] = page.codes.group;
    u[1] = page.codes.read;
    u[kUnitSize - 1] = kEndByte;
    return u;
}

// The write frame from `base` with the entry's texts typed in. With `typeAll` every text is
// typed and converted, even one the base already shows, so that the texts are checked
// whatever reply the frame will later start from.
Result<Unit> build_frame(const PageSchema& page, const PageEntry& entry, const Unit& base,
                         std::span<const std::string_view> keep, const Unit* keepFrom,
                         bool typeAll) {
    PageState state = decoded(page, base);
    std::vector<bool> kept(page.fields.size(), false);
    for (const std::string_view name : keep) {
        const auto i = field_index(page, name);
        if (!i) {
            continue; // a field of another page
        }
        if (keepFrom == nullptr) {
            return field_error(page, name,
                               "the controller's current reply is needed to keep this field.");
        }
        kept[*i] = true;
    }
    if (keepFrom != nullptr && std::find(kept.begin(), kept.end(), true) != kept.end()) {
        const PageState current = decoded(page, *keepFrom);
        for (std::size_t i = 0; i < kept.size(); ++i) {
            if (kept[i]) {
                state.fields[i] = current.fields[i]; // the controller's own bits, untouched
            }
        }
    }
    for (const auto& [name, text] : entry.fields) {
        const auto i = field_index(page, name);
        if (!i) {
            return field_error(page, name, "the page has no such field.");
        }
        const FieldSchema& field = page.fields[*i];
        if (kept[*i]) {
            continue;
        }
        if (!typeAll && shown_text(field, state.fields[*i]) == text) {
            continue; // as read: written back with the reply's own bits
        }
        const auto typed = set_field_text(page, state, name, text);
        if (!typed) {
            return field_error(page, name, typed.error().message);
        }
        if (typeAll) {
            state.fields[*i].origin.reset();
        }
    }
    auto frame = encode(page, state, kPlainNumbers);
    if (!frame) {
        return field_error(page, frame.error().field, frame.error().message);
    }
    return frame;
}

// Every text the page shows for the entry, by field index: the reply's, then the file's.
std::vector<std::optional<std::string>> shown_texts(const PageEntry& entry) {
    const PageSchema& page = page_schema(entry.page);
    std::vector<std::optional<std::string>> texts(page.fields.size());
    if (entry.reply) {
        const PageState state = decoded(page, *entry.reply);
        for (std::size_t i = 0; i < page.fields.size(); ++i) {
            if (kept_in_file(page.fields[i])) {
                texts[i] = shown_text(page.fields[i], state.fields[i]);
            }
        }
    }
    for (const auto& [name, text] : entry.fields) {
        if (const auto i = field_index(page, name)) {
            texts[*i] = text;
        }
    }
    return texts;
}

std::string errno_text(int code) {
    return code != 0 ? std::generic_category().message(code) : std::string("unknown error");
}

// A name for the temporary file that no other save uses at the same time; an existing one
// makes the exclusive open fail and another name is tried.
std::string temp_suffix() {
    static std::atomic<std::uint64_t> counter{0};
    const auto now =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::uint64_t v = now * 0x9E3779B97F4A7C15ULL + counter.fetch_add(1);
    constexpr char kHex[] = "0123456789abcdef";
    std::string s(16, '0');
    for (char& c : s) {
        c = kHex[v & 0x0F];
        v >>= 4;
    }
    return s;
}

// Brackets outside strings, counted before the parser sees the bytes.
bool nested_too_deeply(std::string_view bytes) {
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : bytes) {
        if (inString) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                inString = false;
            }
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            if (++depth > kMaxNesting) {
                return true;
            }
        } else if ((c == '}' || c == ']') && depth > 0) {
            --depth;
        }
    }
    return false;
}

std::string hex_pair(std::uint8_t a, std::uint8_t b) {
    const std::uint8_t bytes[] = {a, b};
    return to_hex(bytes);
}

Result<PageEntry> read_page(const PageSchema& page, const Json& value) {
    if (!value.is_object()) {
        return page_error(page, "the page is not an object with a reply and fields.");
    }
    PageEntry entry{page.id, std::nullopt, {}};
    if (const auto r = value.find("reply"); r != value.end()) {
        std::optional<Bytes> bytes;
        if (r->is_string()) {
            bytes = parse_hex(r->get_ref<const std::string&>());
        }
        if (!bytes || bytes->size() != kUnitSize) {
            return page_error(page, "the reply is not 32 hex bytes.");
        }
        Unit reply{};
        std::copy(bytes->begin(), bytes->end(), reply.begin());
        const PageCodes codes = page.codes;
        const bool readCode =
            reply[1] == codes.read || (codes.reset != 0 && reply[1] == codes.reset);
        if (reply[0] != codes.group || !readCode) {
            return page_error(page, "the reply starts with " + hex_pair(reply[0], reply[1]) +
                                        ", not with the page's " +
                                        hex_pair(codes.group, codes.read) + ".");
        }
        if (reply[kUnitSize - 1] != kEndByte) {
            return page_error(page, "the reply does not end in DA.");
        }
        entry.reply = reply;
    }
    std::vector<std::pair<std::size_t, std::pair<std::string, std::string>>> fields;
    if (const auto f = value.find("fields"); f != value.end()) {
        if (!f->is_object()) {
            return page_error(page, "\"fields\" is not an object of field names and texts.");
        }
        for (auto it = f->begin(); it != f->end(); ++it) {
            const std::string& name = it.key();
            const auto i = field_index(page, name);
            if (!i) {
                return field_error(page, name, "the page has no such field.");
            }
            const FieldSchema& field = page.fields[*i];
            if (field.widget == Widget::None) {
                return field_error(page, name, "the page does not show this field.");
            }
            if (field.kind == FieldKind::Unbound) {
                return field_error(page, name,
                                   "\"" + std::string(field_caption(page, field)) +
                                       "\" is kept in no byte of the controller.");
            }
            if (!it.value().is_string()) {
                return field_error(page, name,
                                   "\"" + std::string(field_caption(page, field)) +
                                       "\": the text is not in quotes.");
            }
            fields.push_back({*i, {name, it.value().get_ref<const std::string&>()}});
        }
    }
    if (!entry.reply && fields.empty()) {
        return page_error(page, "the page has neither a reply nor fields.");
    }
    std::stable_sort(fields.begin(), fields.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& f : fields) {
        entry.fields.push_back(std::move(f.second));
    }
    // Refused now rather than halfway through writing the controller.
    const auto frame = entry.reply ? build_frame(page, entry, *entry.reply, {}, nullptr, false)
                                   : build_frame(page, entry, empty_reply(page), {}, nullptr, true);
    if (!frame) {
        return frame.error();
    }
    return entry;
}

bool is_version_one(const Json& v) {
    if (v.is_number_unsigned()) {
        return v.get<std::uint64_t>() == static_cast<std::uint64_t>(kParameterVersion);
    }
    return v.is_number_integer() && v.get<std::int64_t>() == kParameterVersion;
}

bool is_newer_version(const Json& v) {
    if (v.is_number_unsigned()) {
        return v.get<std::uint64_t>() > static_cast<std::uint64_t>(kParameterVersion);
    }
    return v.is_number_integer() && v.get<std::int64_t>() > kParameterVersion;
}

Result<ParameterSet> read_checked(std::string_view bytes) {
    if (bytes.size() > kMaxParameterFileBytes) {
        return Error{"", "The file is larger than 1 MiB: it is not a parameter file."};
    }
    if (bytes.empty()) {
        return Error{"", "The file is empty."};
    }
    if (nested_too_deeply(bytes)) {
        return Error{"", "The file is not a parameter file: it nests too deeply."};
    }
    Json doc;
    try {
        doc = Json::parse(bytes.data(), bytes.data() + bytes.size());
    } catch (const Json::parse_error& e) {
        return Error{"", "The file is not a parameter file: it is not JSON (at byte " +
                             std::to_string(e.byte) + ")."};
    } catch (const Json::exception&) {
        return Error{"", "The file is not a parameter file: it is not JSON."};
    }
    if (!doc.is_object()) {
        return Error{"", "The file is not a parameter file: it is not a JSON object."};
    }
    const auto format = doc.find("format");
    if (format == doc.end() || !format->is_string() ||
        format->get_ref<const std::string&>() != kParameterFormat) {
        return Error{"format", "The file is not a parameter file: \"format\" is not \"" +
                                   std::string(kParameterFormat) + "\"."};
    }
    const auto version = doc.find("version");
    if (version == doc.end() || !is_version_one(*version)) {
        if (version != doc.end() && is_newer_version(*version)) {
            return Error{"version", "The file was written by a newer version of the program "
                                    "(file version " +
                                        version->dump() + "); this one reads version 1."};
        }
        return Error{"version", "The file's \"version\" is not 1."};
    }
    ParameterSet set;
    if (const auto c = doc.find("created"); c != doc.end() && c->is_string()) {
        set.created = c->get_ref<const std::string&>();
    }
    if (const auto t = doc.find("tool"); t != doc.end() && t->is_string()) {
        set.tool = t->get_ref<const std::string&>();
    }
    if (const auto c = doc.find("controller"); c != doc.end() && c->is_object()) {
        if (const auto u = c->find("user_name"); u != c->end() && u->is_string()) {
            set.userName = u->get_ref<const std::string&>();
        }
    }
    const auto pages = doc.find("pages");
    if (pages == doc.end() || !pages->is_object()) {
        return Error{"pages", "The file has no \"pages\" object."};
    }
    std::array<std::optional<PageEntry>, kPageCount> found;
    for (auto it = pages->begin(); it != pages->end(); ++it) {
        const PageSchema* page = page_by_cli_name(it.key());
        if (page == nullptr) {
            return Error{it.key(), "The file has a page \"" + it.key() +
                                       "\" that this program does not know."};
        }
        auto entry = read_page(*page, it.value());
        if (!entry) {
            return entry.error();
        }
        found[static_cast<std::size_t>(page->id)] = std::move(entry).value();
    }
    for (const PageId id : kAllPages) {
        if (auto& e = found[static_cast<std::size_t>(id)]) {
            set.pages.push_back(std::move(*e));
        }
    }
    return set;
}

} // namespace

const PageEntry* ParameterSet::find(PageId page) const {
    for (const PageEntry& e : pages) {
        if (e.page == page) {
            return &e;
        }
    }
    return nullptr;
}

void ParameterSet::hold_reply(PageId page, const Unit& reply) {
    for (PageEntry& e : pages) {
        if (e.page == page) {
            e = entry_from_reply(page, reply);
        }
    }
}

PageEntry entry_from_reply(PageId page, const Unit& reply) {
    const PageSchema& schema = page_schema(page);
    const PageState state = decoded(schema, reply);
    PageEntry entry{page, reply, {}};
    for (std::size_t i = 0; i < schema.fields.size(); ++i) {
        const FieldSchema& field = schema.fields[i];
        if (kept_in_file(field)) {
            entry.fields.emplace_back(std::string(field.name), shown_text(field, state.fields[i]));
        }
    }
    return entry;
}

std::string serial_number(const ParameterSet& set) {
    const PageEntry* entry = nullptr;
    for (const PageEntry& e : set.pages) {
        if (carries_identity(e.page)) {
            entry = &e;
            break;
        }
    }
    if (entry == nullptr) {
        return {};
    }
    const PageSchema& page = page_schema(entry->page);
    const auto texts = shown_texts(*entry);
    std::string serial;
    for (std::size_t k = 0; k < page.identityFields.size(); ++k) {
        if (k > 0) {
            serial += '-';
        }
        if (const auto i = field_index(page, page.identityFields[k]); i && texts[*i]) {
            serial += *texts[*i];
        }
    }
    return serial;
}

std::string write_parameter_file(const ParameterSet& set) {
    Json root = Json::object();
    root["format"] = std::string(kParameterFormat);
    root["version"] = kParameterVersion;
    root["created"] = set.created;
    root["tool"] = set.tool;
    Json controller = Json::object();
    if (!set.userName.empty()) {
        controller["user_name"] = set.userName;
    }
    if (set.find(PageId::Hardware) != nullptr) {
        controller["serial"] = serial_number(set);
    }
    root["controller"] = std::move(controller);
    Json pages = Json::object();
    for (const PageId id : kAllPages) {
        const PageEntry* entry = set.find(id);
        if (entry == nullptr) {
            continue;
        }
        const PageSchema& page = page_schema(id);
        Json p = Json::object();
        if (entry->reply) {
            p["reply"] = to_hex(*entry->reply);
        }
        // The page's order whatever order the entry was built in, so two files diff cleanly.
        std::vector<std::pair<std::size_t, const std::pair<std::string, std::string>*>> order;
        for (const auto& f : entry->fields) {
            order.emplace_back(field_index(page, f.first).value_or(page.fields.size()), &f);
        }
        std::stable_sort(order.begin(), order.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        Json fields = Json::object();
        for (const auto& placed : order) {
            fields[placed.second->first] = placed.second->second;
        }
        p["fields"] = std::move(fields);
        pages[std::string(page.cliName)] = std::move(p);
    }
    root["pages"] = std::move(pages);
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

Result<ParameterSet> read_parameter_file(std::string_view bytes) {
    try {
        return read_checked(bytes);
    } catch (const std::exception& e) {
        return Error{"", std::string("The file cannot be read: ") + e.what()};
    } catch (...) {
        return Error{"", "The file cannot be read."};
    }
}

Result<bool> save_file_atomically(const std::string& path, std::string_view text) {
    std::string temp;
    std::FILE* file = nullptr;
    int err = 0;
    for (int attempt = 0; attempt < 8 && file == nullptr; ++attempt) {
        temp = path + "." + temp_suffix() + ".tmp";
        errno = 0;
        file = std::fopen(temp.c_str(), "wbx");
        err = errno;
        if (file == nullptr && err != EEXIST) {
            break;
        }
    }
    if (file == nullptr) {
        return Error{"", "Cannot save \"" + path + "\": " + errno_text(err)};
    }
    errno = 0;
    bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    err = written ? 0 : errno;
    if (written && std::fflush(file) != 0) {
        written = false;
        err = errno;
    }
    if (std::fclose(file) != 0 && written) {
        written = false;
        err = errno;
    }
    if (!written) {
        std::remove(temp.c_str());
        return Error{"", "Cannot save \"" + path + "\": " + errno_text(err)};
    }
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(temp), std::filesystem::path(path), ec);
    if (ec) {
        std::remove(temp.c_str());
        return Error{"", "Cannot save \"" + path + "\": " + ec.message()};
    }
    return true;
}

Result<std::string> load_file(const std::string& path, std::size_t maxBytes) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return Error{"", "Cannot open \"" + path + "\": " + errno_text(errno)};
    }
    std::string out;
    char buffer[16384];
    bool tooLarge = false;
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, file);
        out.append(buffer, n);
        if (out.size() > maxBytes) {
            tooLarge = true;
            break;
        }
        if (n < sizeof buffer) {
            break;
        }
    }
    const int err = errno;
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (tooLarge) {
        return Error{"", "Cannot open \"" + path + "\": it is larger than " +
                             std::to_string(maxBytes) + " bytes."};
    }
    if (failed) {
        return Error{"", "Cannot read \"" + path + "\": " + errno_text(err)};
    }
    return out;
}

Result<Unit> restore_frame(const PageEntry& entry, const Unit& base,
                           std::span<const std::string_view> keep, const Unit* keepFrom) {
    try {
        return build_frame(page_schema(entry.page), entry, base, keep, keepFrom, false);
    } catch (const std::exception& e) {
        return Error{std::string(page_schema(entry.page).cliName), e.what()};
    } catch (...) {
        return Error{std::string(page_schema(entry.page).cliName), "The frame cannot be built."};
    }
}

Result<std::vector<RestoreWrite>> plan_restore(std::span<const PageEntry* const> entries,
                                               std::span<const Unit> held) {
    if (entries.size() != held.size()) {
        return Error{"", "Every page of a restore needs the controller's current reply."};
    }
    std::vector<RestoreWrite> plan;
    plan.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const PageEntry& e = *entries[i];
        const PageSchema& page = page_schema(e.page);
        const bool identity = carries_identity(page);
        const Result<Unit> frame = restore_frame(
            e, e.reply ? *e.reply : held[i], page.identityFields, identity ? &held[i] : nullptr);
        if (!frame.ok()) {
            return Error{std::string(page_schema(e.page).cliName) + " " + frame.error().field,
                         frame.error().message};
        }
        plan.push_back({e.page, held[i], *frame});
    }
    return plan;
}

std::vector<FieldDifference> diff(const ParameterSet& a, const ParameterSet& b) {
    std::vector<FieldDifference> out;
    for (const PageId id : kAllPages) {
        const PageEntry* ea = a.find(id);
        const PageEntry* eb = b.find(id);
        if (ea == nullptr && eb == nullptr) {
            continue;
        }
        const PageSchema& page = page_schema(id);
        const std::size_t n = page.fields.size();
        const auto ta =
            ea != nullptr ? shown_texts(*ea) : std::vector<std::optional<std::string>>(n);
        const auto tb =
            eb != nullptr ? shown_texts(*eb) : std::vector<std::optional<std::string>>(n);
        const bool oneSided = ea == nullptr || eb == nullptr;
        for (std::size_t i = 0; i < n; ++i) {
            if (!ta[i] && !tb[i]) {
                continue;
            }
            std::string va = ta[i].value_or("");
            std::string vb = tb[i].value_or("");
            if (oneSided || va != vb) {
                const FieldSchema& field = page.fields[i];
                out.push_back({id, std::string(field.name), std::string(field_caption(page, field)),
                               std::move(va), std::move(vb)});
            }
        }
    }
    return out;
}

} // namespace motiview
