#include "link/session.h"

#include "base/fill_text.h"
#include "link/receiver.h"
#include "link/traffic_log.h"
#include "pages/page_codec.h"

#include <algorithm>

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

// Reads and status requests change nothing on the controller: they may be asked again.
bool may_repeat(StepKind kind, bool readingBack) {
    return readingBack || kind == StepKind::Read || kind == StepKind::Status;
}

RequestKind request_of(StepKind kind) {
    switch (kind) {
    case StepKind::Status:
        return RequestKind::Status;
    case StepKind::Read:
        return RequestKind::Read;
    case StepKind::Write:
        return RequestKind::Write;
    case StepKind::HallTestA:
        return RequestKind::HallA;
    case StepKind::HallTestB:
        return RequestKind::HallB;
    case StepKind::ResetCount:
        return RequestKind::CounterReset;
    }
    return RequestKind::Status;
}

// Every request a step sends has an answer to wait for.
static_assert([] {
    for (RequestKind k : {RequestKind::Status, RequestKind::Read, RequestKind::Write,
                          RequestKind::HallA, RequestKind::HallB, RequestKind::CounterReset}) {
        if (!kRequests[static_cast<std::size_t>(k)].answer) {
            return false;
        }
    }
    return true;
}());

int timeout_of(StepKind kind) {
    return kind == StepKind::HallTestA || kind == StepKind::HallTestB ? kHallTestTimeoutTicks
                                                                      : kAnswerTimeoutTicks;
}

// The drain ends by itself on the second tick, should the driver not report a quiet line.
constexpr int kDrainTicks = 2;

} // namespace

Session::Session(int retries) : retries_(std::clamp(retries, 0, kMaxRetries)) {}

void Session::status() {
    queue_.push_back({StepKind::Status, PageId::Basic, {}, false, std::nullopt});
    start_next();
}

void Session::read(PageId page) {
    queue_.push_back({StepKind::Read, page, {}, false, std::nullopt});
    start_next();
}

void Session::write(PageId page, const Unit& frame, bool verify, std::optional<Unit> previous) {
    queue_.push_back({StepKind::Write, page, frame, verify, previous});
    start_next();
}

void Session::hall_test(bool groupB) {
    queue_.push_back({groupB ? StepKind::HallTestB : StepKind::HallTestA,
                      PageId::Basic,
                      {},
                      false,
                      std::nullopt});
    start_next();
}

void Session::reset_count() {
    queue_.push_back({StepKind::ResetCount, PageId::Hardware, {}, false, std::nullopt});
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
    const RequestKind request = request_of(step_->kind);
    const Expectation expect = *expected_answer(request, step_->page);
    result_.page = expect.page;
    // A write sends the page's own frame; every other step its request as kRequests has it.
    Bytes frame = step_->kind == StepKind::Write ? bytes_of(step_->frame)
                                                 : request_bytes(request, step_->page);
    begin_exchange(std::move(frame), expect, timeout_of(step_->kind));
}

void Session::begin_exchange(Bytes frame, Expectation expect, int timeoutTicks) {
    current_.emplace(std::move(frame), expect, timeoutTicks);
    asked_ = 0;
}

void Session::begin_read_back() {
    readingBack_ = true;
    begin_exchange(request_bytes(RequestKind::Read, step_->page),
                   *expected_answer(RequestKind::Read, step_->page), kAnswerTimeoutTicks);
}

std::optional<Bytes> Session::take_frame() {
    if (!current_) {
        return std::nullopt;
    }
    if (needDrain_) {
        // Whatever is left of a garbled answer would put the next answer out of step.
        if (!draining_) {
            draining_ = true;
            drainRequested_ = true;
            drainTicks_ = 0;
        }
        return std::nullopt;
    }
    auto frame = current_->take_frame();
    if (frame) {
        ++asked_;
        ++result_.requests;
    }
    return frame;
}

bool Session::take_drain_request() {
    const bool requested = drainRequested_;
    drainRequested_ = false;
    return requested;
}

void Session::line_quiet() {
    if (!draining_) {
        return;
    }
    draining_ = false;
    drainRequested_ = false;
    needDrain_ = false;
}

void Session::on_unit(const Unit& unit) {
    if (draining_) {
        return; // the tail of the garbage, or an answer already given up on
    }
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
    if (draining_) {
        if (++drainTicks_ >= kDrainTicks) {
            line_quiet();
        }
        return;
    }
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
    if (state == ExchangeState::Broken || state == ExchangeState::Unknown) {
        needDrain_ = true;
    }
    const std::string request = sent_meaning(current_->frame());
    if (state != ExchangeState::Answered) {
        if (step_->kind == StepKind::Write && !readingBack_) {
            // Never sent twice: what the controller holds now says whether it was stored.
            result_.ackLost = true;
            note("acknowledgement lost (" + std::string(step_outcome_name(outcome_of(state))) +
                 "): " + request + ", reading the page back");
            begin_read_back();
            return;
        }
        if (may_repeat(step_->kind, readingBack_) && asked_ <= retries_) {
            ++result_.retries;
            note("retry " + std::to_string(asked_) + " of " + std::to_string(retries_) + ": " +
                 request + " (" + std::string(step_outcome_name(outcome_of(state))) + ")");
            const Expectation expect = current_->expectation();
            Bytes again = current_->frame(); // a copy: emplace ends the old exchange first
            const int asked = asked_;
            current_.emplace(std::move(again), expect, kAnswerTimeoutTicks);
            asked_ = asked;
            return;
        }
        finish(readingBack_ && result_.ackLost ? StepOutcome::NoReadBack : outcome_of(state));
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
        settle_read_back(answer);
        return;
    }
    finish(StepOutcome::Done);
}

void Session::settle_read_back(const Unit& answer) {
    const PageId page = step_->page;
    result_.differing = read_back_differences(page, step_->frame, answer);
    if (result_.differing.empty()) {
        result_.written = true;
        finish(StepOutcome::Done);
        return;
    }
    if (result_.ackLost && step_->previous) {
        if (read_back_differences(page, *step_->previous, answer).empty()) {
            finish(StepOutcome::NotStored);
            return;
        }
        result_.written = true; // it holds neither: something of the write arrived
    }
    finish(StepOutcome::ReadBackDiffers);
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

void Session::line_lost() {
    draining_ = false;
    drainRequested_ = false;
    needDrain_ = false;
    if (step_) {
        finish(StepOutcome::PortClosed);
    }
    queue_.clear();
}

void Session::stop() {
    if (step_ && step_->kind == StepKind::Write) {
        queue_.clear(); // the write on the line is settled first
        return;
    }
    cancel();
}

std::vector<StepResult> Session::take_results() {
    std::vector<StepResult> out;
    out.swap(results_);
    return out;
}

std::vector<std::string> Session::take_notes() {
    std::vector<std::string> out;
    out.swap(notes_);
    return out;
}

void Session::note(std::string text) {
    notes_.push_back(std::move(text));
}

void Session::cancel() {
    queue_.clear();
    current_.reset();
    step_.reset();
    readingBack_ = false;
    draining_ = false;
    drainRequested_ = false;
}

std::optional<StepKind> Session::current_kind() const {
    return step_ ? std::optional<StepKind>(step_->kind) : std::nullopt;
}

std::optional<PageId> Session::current_page() const {
    if (!step_) {
        return std::nullopt;
    }
    return result_.page;
}

std::vector<std::string> read_back_differences(PageId page, const Unit& written,
                                               const Unit& readBack) {
    std::vector<std::string> names;
    for (const FieldDifferenceText& d :
         differing_fields(page_schema(page), written, readBack, kPlainNumbers)) {
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
    case StepOutcome::NotStored:
        return "not stored: read-back shows the controller's previous values";
    case StepOutcome::NoReadBack:
        return "unknown: no answer to the read-back";
    case StepOutcome::PortClosed:
        return "the port closed";
    }
    return "done";
}

std::string retries_text(int retries) {
    return fill_text(retries == 1 ? kOneRetry : kRetries, std::to_string(retries));
}

} // namespace motiview
