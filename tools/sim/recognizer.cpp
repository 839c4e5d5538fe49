#include "recognizer.h"

#include "link/exchange.h"

#include <algorithm>
#include <array>

namespace motiview::sim {
namespace {

enum class Match : std::uint8_t { No, Partial, Complete };

// The waiting bytes against one request: a code byte or the end byte that differs ends it, a
// frame not yet whole may still come.
Match match(const std::deque<std::uint8_t>& buf, const RequestPattern& p) {
    const std::size_t n = std::min<std::size_t>(buf.size(), p.length);
    for (std::size_t i = 0; i < n; ++i) {
        if (!p.fits(i, buf[i])) {
            return Match::No;
        }
    }
    return n == p.length ? Match::Complete : Match::Partial;
}

Request request_of(const RequestPattern& p, const std::deque<std::uint8_t>& buf) {
    Request r;
    r.kind = p.kind;
    const std::optional<Expectation> answer = expected_answer(p.kind, PageId::Basic);
    r.page = p.page.value_or(answer && answer->page ? *answer->page : PageId::Basic);
    if (p.length == kUnitSize) {
        std::copy_n(buf.begin(), kUnitSize, r.frame.begin());
    }
    return r;
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
        const RequestPattern* found = nullptr;
        for (const RequestPattern& p : request_patterns()) {
            const Match m = match(buffer_, p);
            if (m == Match::Complete) {
                found = &p;
                break;
            }
            partial = partial || m == Match::Partial;
        }
        if (found != nullptr) {
            out.push_back(request_of(*found, buffer_));
            buffer_.erase(buffer_.begin(), buffer_.begin() + found->length);
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
