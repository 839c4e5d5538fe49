#include "recognizer.h"

#include <algorithm>
#include <array>

namespace motiview::sim {
namespace {

enum class Match : std::uint8_t { No, Partial, Complete };

struct ShortPattern {
    ShortFrame bytes;
    RequestKind kind;
    PageId page;
};

// The fixed 3-byte frames the PC sends, from the core's frame set.
std::vector<ShortPattern> build_short_patterns() {
    const FrameSet& f = frame_set();
    std::vector<ShortPattern> out;
    out.push_back({f.statusRequest, RequestKind::Status, PageId::Basic});
    for (PageId page : kAllPages) {
        out.push_back({f.read(page), RequestKind::Read, page});
    }
    out.push_back({f.counterReset, RequestKind::CounterReset, PageId::Hardware});
    out.push_back({f.hallTestA, RequestKind::HallA, PageId::Motor});
    out.push_back({f.hallTestB, RequestKind::HallB, PageId::Protection});
    out.push_back({f.hallTestStop, RequestKind::HallStop, PageId::Basic});
    return out;
}

const std::vector<ShortPattern>& short_patterns() {
    static const std::vector<ShortPattern> patterns = build_short_patterns();
    return patterns;
}

Match match_short(const std::deque<std::uint8_t>& buf, const ShortPattern& p) {
    const std::size_t n = std::min(buf.size(), p.bytes.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (buf[i] != p.bytes[i]) {
            return Match::No;
        }
    }
    return n == p.bytes.size() ? Match::Complete : Match::Partial;
}

// A write frame: the page's group and write code, 29 payload bytes, the end byte.
Match match_write(const std::deque<std::uint8_t>& buf, PageId page) {
    const PageCodes codes = page_codes(page);
    if (buf.empty() || buf[0] != codes.group) {
        return Match::No;
    }
    if (buf.size() < 2) {
        return Match::Partial;
    }
    if (buf[1] != codes.write) {
        return Match::No;
    }
    if (buf.size() < kUnitSize) {
        return Match::Partial;
    }
    return buf[kUnitSize - 1] == kEndByte ? Match::Complete : Match::No;
}

} // namespace

std::vector<Request> Recognizer::feed(std::span<const std::uint8_t> bytes) {
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
    if (buffer_.size() > kMaxWaiting) {
        const std::size_t drop = buffer_.size() - kMaxWaiting;
        buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(drop));
        skipped_ += drop;
    }
    return scan(false);
}

std::vector<Request> Recognizer::expire() {
    return scan(true);
}

std::vector<Request> Recognizer::scan(bool final) {
    std::vector<Request> out;
    while (!buffer_.empty()) {
        bool partial = false;
        std::optional<Request> found;
        std::size_t length = 0;
        for (const ShortPattern& p : short_patterns()) {
            const Match m = match_short(buffer_, p);
            if (m == Match::Complete) {
                found = Request{p.kind, p.page, {}};
                length = p.bytes.size();
                break;
            }
            partial = partial || m == Match::Partial;
        }
        for (std::size_t i = 0; !found && i < kAllPages.size(); ++i) {
            const Match m = match_write(buffer_, kAllPages[i]);
            if (m == Match::Complete) {
                Request r{RequestKind::Write, kAllPages[i], {}};
                std::copy_n(buffer_.begin(), kUnitSize, r.frame.begin());
                found = r;
                length = kUnitSize;
            }
            partial = partial || m == Match::Partial;
        }
        if (found) {
            buffer_.erase(buffer_.begin(), buffer_.begin() + static_cast<std::ptrdiff_t>(length));
            out.push_back(*found);
            continue;
        }
        if (partial && !final) {
            break; // the rest of a frame may still come
        }
        buffer_.pop_front();
        ++skipped_;
    }
    return out;
}

} // namespace motiview::sim
