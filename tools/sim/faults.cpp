#include "faults.h"

#include <algorithm>
#include <limits>

namespace motiview::sim {

bool FaultInjector::on_status_request(double now) {
    if (!firstRequestAt_) {
        firstRequestAt_ = now;
    }
    if (silent(now)) {
        return false;
    }
    ++statusRequests_;
    if (o_.silentAfter && !resumed_ && !silentSince_ && statusRequests_ > *o_.silentAfter) {
        silentSince_ = now;
        return false;
    }
    return true;
}

bool FaultInjector::silent(double now) {
    if (!silentSince_) {
        if (o_.silentAfter && *o_.silentAfter == 0 && !resumed_) {
            silentSince_ = 0.0;
        } else {
            return false;
        }
    }
    if (o_.resumeAfter && now >= *silentSince_ + *o_.resumeAfter) {
        silentSince_.reset();
        resumed_ = true;
        return false;
    }
    return true;
}

AnswerPlan FaultInjector::plan_answer(bool parameterReply) {
    AnswerPlan plan;
    ++answers_;
    if (o_.dropEvery != 0 && answers_ % o_.dropEvery == 0) {
        plan.drop = true;
        return plan;
    }
    if (o_.noiseBytes != 0) {
        if (o_.noiseEvery != 0) {
            plan.noiseBytes = answers_ % o_.noiseEvery == 0 ? o_.noiseBytes : 0;
        } else if (!noiseOnceDone_) {
            noiseOnceDone_ = true;
            plan.noiseBytes = o_.noiseBytes;
        }
    }
    if (parameterReply && o_.badEndOnce && !badEndDone_) {
        badEndDone_ = true;
        plan.breakEnd = true;
    }
    return plan;
}

WriteFate FaultInjector::on_write_request() {
    if (writeRequests_ < std::numeric_limits<unsigned>::max()) {
        ++writeRequests_;
    }
    const auto is = [this](unsigned n) { return n != 0 && n == writeRequests_; };
    if (is(o_.hangupAtWrite)) {
        return WriteFate::HangUp;
    }
    if (is(o_.dropWrite)) {
        return WriteFate::Lost;
    }
    if (is(o_.dropAck)) {
        return WriteFate::AckLost;
    }
    return WriteFate::Stored;
}

bool FaultInjector::hangup_due(double now) const {
    return o_.hangupAfter && !hangupDone_ && firstRequestAt_ &&
           now >= *firstRequestAt_ + *o_.hangupAfter;
}

void FaultInjector::hung_up(double now) {
    hangupDone_ = true;
    hungAt_ = now;
}

bool FaultInjector::reappear_due(double now) const {
    return hungAt_ && o_.reappearAfter && now >= *hungAt_ + *o_.reappearAfter;
}

void FaultInjector::reappeared() {
    hungAt_.reset();
}

std::optional<double> FaultInjector::next_deadline() const {
    std::optional<double> next;
    const auto consider = [&next](double t) { next = next ? std::min(*next, t) : t; };
    if (silentSince_ && o_.resumeAfter) {
        consider(*silentSince_ + *o_.resumeAfter);
    }
    if (o_.hangupAfter && !hangupDone_ && firstRequestAt_) {
        consider(*firstRequestAt_ + *o_.hangupAfter);
    }
    if (hungAt_ && o_.reappearAfter) {
        consider(*hungAt_ + *o_.reappearAfter);
    }
    return next;
}

PieceQueue::PieceQueue(unsigned pieceSize, double gapSeconds)
    : pieceSize_(std::max(pieceSize, 1u)), gap_(std::max(gapSeconds, 0.0)) {}

void PieceQueue::push(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

std::optional<Bytes> PieceQueue::take_due(double now) {
    if (bytes_.empty() || (lastAt_ && now < *lastAt_ + gap_)) {
        return std::nullopt;
    }
    const auto n = static_cast<std::ptrdiff_t>(std::min(pieceSize_, bytes_.size()));
    Bytes piece(bytes_.begin(), bytes_.begin() + n);
    bytes_.erase(bytes_.begin(), bytes_.begin() + n);
    lastAt_ = now;
    return piece;
}

std::optional<double> PieceQueue::next_due() const {
    if (bytes_.empty()) {
        return std::nullopt;
    }
    return lastAt_ ? *lastAt_ + gap_ : 0.0;
}

Bytes noise_bytes(unsigned count, unsigned seed) {
    // Bytes below 0xD0 start no PC frame and are never the end byte.
    Bytes out;
    out.reserve(count);
    std::uint32_t x = seed * 2654435761u + 12345u;
    for (unsigned i = 0; i < count; ++i) {
        x = x * 1664525u + 1013904223u;
        out.push_back(static_cast<std::uint8_t>((x >> 24) % 0xD0));
    }
    return out;
}

} // namespace motiview::sim
