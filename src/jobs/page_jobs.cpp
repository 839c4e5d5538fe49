#include "jobs/page_jobs.h"

#include "base/fill_text.h"
#include "pages/page_codec.h"

#include <algorithm>

namespace motiview {

// ---- Job ----------------------------------------------------------------------------------

void Job::on_unit(const Unit& unit) {
    session_.on_unit(unit);
    advance();
}

void Job::tick() {
    session_.tick();
    advance();
    on_tick();
}

void Job::line_quiet() {
    session_.line_quiet();
    advance();
}

void Job::line_lost() {
    session_.line_lost();
    advance();
}

void Job::stop() {
    stopAsked_ = true;
    session_.stop();
    advance();
}

void Job::advance() {
    for (StepResult& r : session_.take_results()) {
        retries_ += r.retries;
        finished_.push_back(r);
        on_step(r);
    }
}

std::vector<StepResult> Job::take_finished() {
    std::vector<StepResult> out;
    out.swap(finished_);
    return out;
}

// ---- ReadJob ------------------------------------------------------------------------------

ReadJob::ReadJob(std::vector<PageId> pages, bool statusFirst, int retries)
    : Job(retries), pages_(std::move(pages)) {
    if (statusFirst) {
        session().status();
    } else {
        queue_next();
    }
}

void ReadJob::queue_next() {
    if (next_ < pages_.size() && !stop_asked()) {
        session().read(pages_[next_++]);
    }
}

void ReadJob::on_step(const StepResult& r) {
    if (!r.ok()) {
        fail(r);
        return;
    }
    if (r.kind == StepKind::Read) {
        reads_.push_back(r);
    }
    queue_next();
}

std::optional<JobPosition> ReadJob::position() const {
    if (session().idle() || next_ == 0) {
        return std::nullopt;
    }
    if (session().current_kind() != StepKind::Read) {
        return std::nullopt;
    }
    return JobPosition{pages_[next_ - 1], next_, pages_.size()};
}

ParameterSet ReadJob::parameter_set(std::string created, std::string tool,
                                    std::string fallbackUserName) const {
    ParameterSet set;
    set.created = std::move(created);
    set.tool = std::move(tool);
    set.userName = user_name().value_or(std::move(fallbackUserName));
    for (const StepResult& r : reads_) {
        set.pages.push_back(entry_from_reply(*r.page, r.answer));
    }
    return set;
}

// ---- WriteJob -----------------------------------------------------------------------------

std::string_view verdict_text(WriteVerdict v) {
    switch (v) {
    case WriteVerdict::Unchanged:
        return "unchanged";
    case WriteVerdict::Verified:
        return "written, verified";
    case WriteVerdict::AckLostVerified:
        return "written, acknowledgement lost, read-back matches";
    case WriteVerdict::ReadBackDiffers:
        return "written, read-back differs";
    case WriteVerdict::NotStored:
        return "not stored: read-back shows the controller's previous values";
    case WriteVerdict::Unknown:
        return "unknown: no answer to the read-back";
    case WriteVerdict::NotVerified:
        return "written, not verified: no answer to the read-back";
    case WriteVerdict::PortClosed:
        return "the port closed";
    case WriteVerdict::NotWritten:
        return "not written";
    }
    return "not written";
}

bool verdict_good(WriteVerdict v) {
    return v == WriteVerdict::Unchanged || v == WriteVerdict::Verified ||
           v == WriteVerdict::AckLostVerified;
}

bool verdict_read_back(WriteVerdict v) {
    return v == WriteVerdict::Verified || v == WriteVerdict::AckLostVerified ||
           v == WriteVerdict::ReadBackDiffers || v == WriteVerdict::NotStored;
}

bool verdict_stops(WriteVerdict v) {
    return v == WriteVerdict::NotStored || v == WriteVerdict::Unknown ||
           v == WriteVerdict::NotVerified || v == WriteVerdict::PortClosed;
}

std::string port_closed_text(std::string_view during) {
    return fill_text(kPortClosedDuring, during);
}

WriteVerdict verdict_of(const StepResult& r) {
    switch (r.outcome) {
    case StepOutcome::Done:
        return r.ackLost ? WriteVerdict::AckLostVerified : WriteVerdict::Verified;
    case StepOutcome::ReadBackDiffers:
        return WriteVerdict::ReadBackDiffers;
    case StepOutcome::NotStored:
        return WriteVerdict::NotStored;
    case StepOutcome::NoReadBack:
        return WriteVerdict::Unknown;
    case StepOutcome::PortClosed:
        return WriteVerdict::PortClosed;
    case StepOutcome::TimedOut:
    case StepOutcome::Broken:
    case StepOutcome::Unknown:
        break;
    }
    // Acknowledged, then the read-back never answered.
    return WriteVerdict::NotVerified;
}

WriteJob::WriteJob(std::vector<RestoreWrite> plan, bool skipUnchanged, int retries)
    : Job(retries), plan_(std::move(plan)), skipUnchanged_(skipUnchanged) {
    queue_next();
}

void WriteJob::add(PageWriteOutcome o) {
    outcomes_.push_back(std::move(o));
}

void WriteJob::queue_next() {
    while (next_ < plan_.size()) {
        const RestoreWrite& w = plan_[next_];
        if (stop_asked() || failure()) {
            break;
        }
        if (skipUnchanged_ &&
            differing_fields(page_schema(w.page), w.held, w.frame, kPlainNumbers).empty()) {
            add({w.page, WriteVerdict::Unchanged, std::nullopt});
            ++next_;
            continue;
        }
        writing_ = next_++;
        session().write(w.page, w.frame, true, w.held);
        return;
    }
    if (session().idle()) {
        // Stopped or done: the pages not reached say so.
        for (std::size_t i = outcomes_.size(); i < plan_.size(); ++i) {
            add({plan_[i].page, WriteVerdict::NotWritten, std::nullopt});
        }
        next_ = plan_.size();
    }
}

void WriteJob::on_step(const StepResult& r) {
    const WriteVerdict v = verdict_of(r);
    add({*r.page, v, r});
    writing_.reset();
    if (verdict_stops(v)) {
        fail(r);
    }
    queue_next();
}

std::vector<PageWriteOutcome> WriteJob::take_outcomes() {
    std::vector<PageWriteOutcome> out(outcomes_.begin() + static_cast<std::ptrdiff_t>(taken_),
                                      outcomes_.end());
    taken_ = outcomes_.size();
    return out;
}

std::optional<JobPosition> WriteJob::position() const {
    if (!writing_) {
        return std::nullopt;
    }
    return JobPosition{plan_[*writing_].page, *writing_ + 1, plan_.size()};
}

std::size_t WriteJob::count(WriteVerdict v) const {
    return static_cast<std::size_t>(
        std::count_if(outcomes_.begin(), outcomes_.end(),
                      [v](const PageWriteOutcome& o) { return o.verdict == v; }));
}

// ---- StatusPoll ---------------------------------------------------------------------------

StatusPoll::StatusPoll(int periodTicks, int retries)
    : Job(retries), period_(std::max(1, periodTicks)) {
    session().status();
}

void StatusPoll::on_step(const StepResult& r) {
    if (r.outcome == StepOutcome::PortClosed) {
        fail(r);
    }
}

void StatusPoll::on_tick() {
    if (stop_asked() || port_lost()) {
        return;
    }
    if (++ticks_ >= period_ && session().idle()) {
        ticks_ = 0;
        session().status();
    }
}

} // namespace motiview
