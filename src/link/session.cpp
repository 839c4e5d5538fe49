#include "link/session.h"

#include "link/receiver.h"
#include "pages/page_codec.h"

namespace motiview {
namespace {

Bytes bytes_of(std::span<const std::uint8_t> frame) {
    return {frame.begin(), frame.end()};
}

StepOutcome outcome_of(ExchangeState s) {
    switch (s) {
    case ExchangeState::TimedOut:
        return StepOutcome::TimedOut;
    case ExchangeState::Broken:
        return StepOutcome::Broken;
    case ExchangeState::Unknown:
        return StepOutcome::Unknown;
    case ExchangeState::Waiting:
    case ExchangeState::Answered:
        break;
    }
    return StepOutcome::Done;
}

// Reads and status requests change nothing on the controller: they may be asked twice.
bool may_repeat(StepKind kind, bool readingBack) {
    return readingBack || kind == StepKind::Read || kind == StepKind::Status;
}

} // namespace

void Session::status() {
    queue_.push_back({StepKind::Status, PageId::Basic, {}, false});
    start_next();
}

void Session::read(PageId page) {
    queue_.push_back({StepKind::Read, page, {}, false});
    start_next();
}

void Session::write(PageId page, const Unit& frame, bool verify) {
    queue_.push_back({StepKind::Write, page, frame, verify});
    start_next();
}

void Session::hall_test(bool groupB) {
    queue_.push_back(
        {groupB ? StepKind::HallTestB : StepKind::HallTestA, PageId::Basic, {}, false});
    start_next();
}

void Session::reset_count() {
    queue_.push_back({StepKind::ResetCount, PageId::Hardware, {}, false});
    start_next();
}

void Session::start_next() {
    if (step_ || queue_.empty()) {
        return;
    }
    step_ = queue_.front();
    queue_.pop_front();
    readingBack_ = false;
    result_ = StepResult{};
    result_.kind = step_->kind;
    const FrameSet& f = frame_set();
    switch (step_->kind) {
    case StepKind::Status:
        begin_exchange(bytes_of(f.statusRequest), {UnitKind::Status, std::nullopt},
                       kAnswerTimeoutTicks);
        break;
    case StepKind::Read:
        result_.page = step_->page;
        begin_exchange(bytes_of(f.read(step_->page)),
                       {UnitKind::ParameterReply, step_->page, page_codes(step_->page).read},
                       kAnswerTimeoutTicks);
        break;
    case StepKind::Write:
        result_.page = step_->page;
        begin_exchange(bytes_of(step_->frame), {UnitKind::WriteAck, step_->page},
                       kAnswerTimeoutTicks);
        break;
    case StepKind::HallTestA:
        result_.page = PageId::Motor;
        begin_exchange(bytes_of(f.hallTestA), {UnitKind::HallADone, PageId::Motor},
                       kHallTestTimeoutTicks);
        break;
    case StepKind::HallTestB:
        result_.page = PageId::Protection;
        begin_exchange(bytes_of(f.hallTestB), {UnitKind::HallBDone, PageId::Protection},
                       kHallTestTimeoutTicks);
        break;
    case StepKind::ResetCount:
        result_.page = PageId::Hardware;
        begin_exchange(
            bytes_of(f.counterReset),
            {UnitKind::ParameterReply, PageId::Hardware, page_codes(PageId::Hardware).reset},
            kAnswerTimeoutTicks);
        break;
    }
}

void Session::begin_exchange(Bytes frame, Expectation expect, int timeoutTicks) {
    current_.emplace(std::move(frame), expect, timeoutTicks);
    tries_ = 0;
}

void Session::begin_read_back() {
    readingBack_ = true;
    begin_exchange(bytes_of(frame_set().read(step_->page)),
                   {UnitKind::ParameterReply, step_->page, page_codes(step_->page).read},
                   kAnswerTimeoutTicks);
}

std::optional<Bytes> Session::take_frame() {
    if (!current_) {
        return std::nullopt;
    }
    auto frame = current_->take_frame();
    if (frame) {
        ++tries_;
        ++result_.requests;
    }
    return frame;
}

void Session::on_unit(const Unit& unit) {
    if (classify(unit).kind == UnitKind::UserInfo) {
        userName_ = decode_user_name(unit);
    }
    if (!current_) {
        return;
    }
    current_->on_unit(unit);
    if (current_->done()) {
        on_exchange_done();
    }
}

void Session::tick() {
    if (!current_) {
        return;
    }
    current_->tick();
    if (current_->done()) {
        on_exchange_done();
    }
}

void Session::on_exchange_done() {
    const ExchangeState state = current_->state();
    if (state != ExchangeState::Answered) {
        if (tries_ < 2 && may_repeat(step_->kind, readingBack_)) {
            // Asked once more: a fresh exchange for the same request (tries_ keeps counting).
            const Expectation expect = current_->expectation();
            Bytes frame = step_->kind == StepKind::Status ? bytes_of(frame_set().statusRequest)
                                                          : bytes_of(frame_set().read(step_->page));
            current_.emplace(std::move(frame), expect, kAnswerTimeoutTicks);
            return;
        }
        finish(outcome_of(state));
        return;
    }
    const Unit answer = current_->answer();
    if (step_->kind == StepKind::Write && !readingBack_) {
        result_.written = true;
        if (step_->verify) {
            begin_read_back();
            return;
        }
        result_.answer = answer;
        finish(StepOutcome::Done);
        return;
    }
    result_.answer = answer;
    if (readingBack_) {
        result_.differing = read_back_differences(step_->page, step_->frame, answer);
        finish(result_.differing.empty() ? StepOutcome::Done : StepOutcome::ReadBackDiffers);
        return;
    }
    finish(StepOutcome::Done);
}

void Session::finish(StepOutcome outcome) {
    result_.outcome = outcome;
    results_.push_back(result_);
    current_.reset();
    step_.reset();
    readingBack_ = false;
    if (outcome != StepOutcome::Done) {
        queue_.clear();
    }
    start_next();
}

std::vector<StepResult> Session::take_results() {
    std::vector<StepResult> out;
    out.swap(results_);
    return out;
}

void Session::cancel() {
    queue_.clear();
    current_.reset();
    step_.reset();
    readingBack_ = false;
}

std::vector<std::string> read_back_differences(PageId page, const Unit& written,
                                               const Unit& readBack) {
    std::vector<std::string> names;
    for (const FieldDifferenceText& d :
         differing_fields(page_schema(page), written, readBack, NumberFormat{".", ","})) {
        names.emplace_back(d.field->name);
    }
    return names;
}

std::string_view step_outcome_name(StepOutcome o) {
    switch (o) {
    case StepOutcome::Done:
        return "done";
    case StepOutcome::TimedOut:
        return "no answer in time";
    case StepOutcome::Broken:
        return "broken unit";
    case StepOutcome::Unknown:
        return "unknown unit";
    case StepOutcome::ReadBackDiffers:
        return "read-back differs";
    }
    return "done";
}

} // namespace motiview
