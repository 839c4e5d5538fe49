#include "controller.h"

#include <algorithm>

namespace motiview::sim {
namespace {

constexpr std::uint8_t kNoticeGroup = 0xFF;
constexpr std::uint8_t kHallARunning = 0xFD;
constexpr std::uint8_t kHallADone = 0xFC;
constexpr std::uint8_t kHallBRunning = 0xFB;
constexpr std::uint8_t kHallBDone = 0xFA;

Unit frame(std::uint8_t group, std::uint8_t code) {
    Unit u{};
    u[0] = group;
    u[1] = code;
    u[kUnitSize - 1] = kEndByte;
    return u;
}

// A notice carrying a block's payload.
Unit notice_with(std::uint8_t code, const Unit& block) {
    Unit u = block;
    u[0] = kNoticeGroup;
    u[1] = code;
    u[kUnitSize - 1] = kEndByte;
    return u;
}

} // namespace

Unit user_info_frame(std::string_view name) {
    Unit u = frame(0xF1, 0xE1);
    u[2] = 0xA2;
    // Bytes 3..22 at most; the byte after the name stays 0.
    const std::size_t n = std::min(name.size(), std::size_t{20});
    for (std::size_t i = 0; i < n; ++i) {
        u[3 + i] = static_cast<std::uint8_t>(name[i]);
    }
    return u;
}

Handled Controller::handle(const Request& request, double now) {
    Handled h;
    switch (request.kind) {
    case RequestKind::Status:
        h.frames.push_back({status_now(now), FrameRole::Answer});
        if (!userInfoSent_) {
            userInfoSent_ = true;
            h.frames.push_back({user_info_frame(userName_), FrameRole::Notice});
        }
        h.event = "status request";
        break;
    case RequestKind::Read:
        h.frames.push_back({store_.block(request.page), FrameRole::ParameterAnswer});
        h.event = "read " + std::string(cli_name(request.page));
        break;
    case RequestKind::Write: {
        store_.store_write(request.page, request.frame);
        const PageCodes codes = page_codes(request.page);
        h.frames.push_back({frame(codes.group, codes.write), FrameRole::Answer});
        h.stored = true;
        h.event = "write " + std::string(cli_name(request.page)) + ": " + to_hex(request.frame);
        break;
    }
    case RequestKind::CounterReset: {
        Unit reply = store_.reset_calibration_count();
        reply[1] = 0xEC;
        h.frames.push_back({reply, FrameRole::ParameterAnswer});
        h.stored = true;
        h.event = "calibration count reset";
        break;
    }
    case RequestKind::HallA:
        h.frames.push_back({frame(kNoticeGroup, kHallARunning), FrameRole::Answer});
        hallADue_ = now + kHallTestSeconds;
        h.event = "hall test A started";
        break;
    case RequestKind::HallB:
        h.frames.push_back({frame(kNoticeGroup, kHallBRunning), FrameRole::Answer});
        hallBDue_ = now + kHallTestSeconds;
        h.event = "hall test B started";
        break;
    case RequestKind::HallStop:
        h.event = hallADue_ || hallBDue_ ? "hall test stopped" : "hall test stop (none running)";
        hallADue_.reset();
        hallBDue_.reset();
        break;
    }
    return h;
}

Handled Controller::poll(double now) {
    Handled h;
    if (hallADue_ && now >= *hallADue_) {
        hallADue_.reset();
        h.frames.push_back({notice_with(kHallADone, store_.run_hall_a()), FrameRole::Notice});
        h.stored = true;
        h.event = "hall test A done";
    }
    if (hallBDue_ && now >= *hallBDue_) {
        hallBDue_.reset();
        h.frames.push_back({notice_with(kHallBDone, store_.run_hall_b()), FrameRole::Notice});
        h.stored = true;
        h.event += h.event.empty() ? "hall test B done" : ", hall test B done";
    }
    return h;
}

std::optional<double> Controller::next_deadline() const {
    if (hallADue_ && hallBDue_) {
        return std::min(*hallADue_, *hallBDue_);
    }
    return hallADue_ ? hallADue_ : hallBDue_;
}

} // namespace motiview::sim
