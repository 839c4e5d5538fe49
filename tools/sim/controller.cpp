#include "controller.h"

#include "link/frames.h"
#include "link/receiver.h"

#include <algorithm>

namespace motiview::sim {
namespace {

Unit frame_of(UnitKind kind) {
    return controller_frame(kind).value_or(Unit{});
}

// A notice carrying a block's payload.
Unit notice_with(UnitKind kind, const Unit& block) {
    Unit u = block;
    const Unit head = frame_of(kind);
    u[0] = head[0];
    u[1] = head[1];
    u[kUnitSize - 1] = kEndByte;
    return u;
}

std::string_view page_name(PageId page) {
    return page_schema(page).cliName;
}

} // namespace

Unit user_info_frame(std::string_view name) {
    Unit u = frame_of(UnitKind::UserInfo);
    store_user_name(u, name);
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
        h.event = "read " + std::string(page_name(request.page));
        break;
    case RequestKind::Write: {
        store_.store_write(request.page, request.frame);
        const PageCodes codes = page_codes(request.page);
        Unit ack{};
        ack[0] = codes.group;
        ack[1] = codes.write;
        ack[kUnitSize - 1] = kEndByte;
        h.frames.push_back({ack, FrameRole::Answer});
        h.stored = true;
        h.event = "write " + std::string(page_name(request.page)) + ": " + to_hex(request.frame);
        break;
    }
    case RequestKind::CounterReset: {
        Unit reply = store_.reset_calibration_count();
        reply[1] = page_codes(PageId::Hardware).reset;
        h.frames.push_back({reply, FrameRole::ParameterAnswer});
        h.stored = true;
        h.event = "calibration count reset";
        break;
    }
    case RequestKind::HallA:
        h.frames.push_back({frame_of(UnitKind::HallARunning), FrameRole::Answer});
        hallADue_ = now + kHallTestSeconds;
        h.event = "hall test A started";
        break;
    case RequestKind::HallB:
        h.frames.push_back({frame_of(UnitKind::HallBRunning), FrameRole::Answer});
        hallBDue_ = now + kHallTestSeconds;
        h.event = "hall test B started";
        break;
    case RequestKind::HallStop:
        h.event = hallADue_ || hallBDue_ ? "hall test stopped" : "hall test stop (none running)";
        hallADue_.reset();
        hallBDue_.reset();
        break;
    case RequestKind::UserInfoWrite:
        // The simulated controller keeps the name it started with and sends no acknowledgement.
        h.event = "user info write (not simulated)";
        break;
    }
    return h;
}

Handled Controller::poll(double now) {
    Handled h;
    if (hallADue_ && now >= *hallADue_) {
        hallADue_.reset();
        h.frames.push_back(
            {notice_with(UnitKind::HallADone, store_.run_hall_a()), FrameRole::Notice});
        h.stored = true;
        h.event = "hall test A done";
    }
    if (hallBDue_ && now >= *hallBDue_) {
        hallBDue_.reset();
        h.frames.push_back(
            {notice_with(UnitKind::HallBDone, store_.run_hall_b()), FrameRole::Notice});
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
