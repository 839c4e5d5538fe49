#include "jobs/provision_log.h"

#include <cstdio>
#include <iterator>

namespace motiview {
namespace {

std::string field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

std::string joined(const std::vector<std::string>& items) {
    std::string out;
    for (const std::string& s : items) {
        out += (out.empty() ? "" : ";") + s;
    }
    return out;
}

// The fields of one CSV line (quotes undone); a quoted line break is not expected here.
std::vector<std::string> split_line(std::string_view line) {
    std::vector<std::string> out(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                out.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                out.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            out.emplace_back();
        } else if (c != '\r') {
            out.back() += c;
        }
    }
    return out;
}

} // namespace

std::string provision_line(const ProvisionRecord& r) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.2f", r.seconds);
    const std::string cells[] = {field(r.time),
                                 field(r.port),
                                 field(r.serial),
                                 field(r.userName),
                                 field(r.verdict),
                                 std::to_string(r.pagesWritten),
                                 std::to_string(r.pagesUnchanged),
                                 field(r.failedPage),
                                 field(joined(r.failedFields)),
                                 field(joined(r.currentFaults)),
                                 field(joined(r.historyFaults)),
                                 seconds,
                                 field(r.note)};
    std::string out = cells[0];
    for (std::size_t i = 1; i < std::size(cells); ++i) {
        out += ',' + cells[i];
    }
    return out;
}

bool provision_log_matches(std::string_view text) {
    if (text.empty()) {
        return true;
    }
    const std::size_t end = text.find('\n');
    std::string_view first = text.substr(0, end);
    if (!first.empty() && first.back() == '\r') {
        first.remove_suffix(1);
    }
    return first == kProvisionHeader;
}

std::map<std::string, std::string> provisioned_serials(std::string_view text) {
    std::map<std::string, std::string> out;
    bool header = true;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (header) {
            header = false;
            continue;
        }
        const std::vector<std::string> cells = split_line(line);
        if (cells.size() > 2 && !cells[2].empty()) {
            out.emplace(cells[2], cells[0]); // the first line wins
        }
    }
    return out;
}

std::string again_note(std::string_view firstTime) {
    const std::size_t t = firstTime.find('T');
    std::string_view clock = t == std::string_view::npos ? firstTime : firstTime.substr(t + 1);
    clock = clock.substr(0, 8);
    return "again; first at " + std::string(clock);
}

} // namespace motiview
