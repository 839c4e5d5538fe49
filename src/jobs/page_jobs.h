#pragma once
// The parameter-set workflows once, for the window and the command line: read a set of pages
// (a snapshot of the controller, the first half of a compare or a restore), write a restore plan
// page by page with read-back, and ask for the status at a steady rate. Each is a LineClient on
// one Session, queuing one step at a time so that progress and a stop fall between pages; one
// driver runs them over the serial port.

#include "link/session.h"
#include "params/parameter_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace motiview {

class Job : public LineClient {
  public:
    explicit Job(int retries) : session_(retries) {}

    [[nodiscard]] std::optional<Bytes> take_frame() override { return session_.take_frame(); }
    void on_unit(const Unit& unit) override;
    void tick() override;
    [[nodiscard]] bool take_drain_request() override { return session_.take_drain_request(); }
    [[nodiscard]] bool draining() const override { return session_.draining(); }
    void line_quiet() override;
    void line_lost() override;
    void stop() override;
    [[nodiscard]] bool idle() const override { return session_.idle(); }
    [[nodiscard]] std::vector<std::string> take_notes() override { return session_.take_notes(); }

    // Steps finished since the last call, oldest first.
    [[nodiscard]] std::vector<StepResult> take_finished();
    // The step that stopped the job, if one did.
    [[nodiscard]] const std::optional<StepResult>& failure() const { return failure_; }
    [[nodiscard]] bool stop_asked() const { return stopAsked_; }
    [[nodiscard]] bool port_lost() const {
        return failure_ && failure_->outcome == StepOutcome::PortClosed;
    }
    [[nodiscard]] const std::optional<std::string>& user_name() const {
        return session_.user_name();
    }
    // Requests asked again over the whole job.
    [[nodiscard]] int retries() const { return retries_; }

  protected:
    [[nodiscard]] Session& session() { return session_; }
    [[nodiscard]] const Session& session() const { return session_; }
    void fail(const StepResult& r) { failure_ = r; }
    // A step finished: queue what follows, or nothing.
    virtual void on_step(const StepResult& r) = 0;
    virtual void on_tick() {}

  private:
    void advance();

    Session session_;
    std::vector<StepResult> finished_;
    std::optional<StepResult> failure_;
    bool stopAsked_ = false;
    int retries_ = 0;
};

// Where a job stands: the page in progress and its place among the job's pages (1-based).
struct JobPosition {
    PageId page;
    std::size_t index = 0;
    std::size_t count = 0;
};

// Reads pages one after another. A page that gives no good answer (after the retries) stops the
// job; so does stop().
class ReadJob final : public Job {
  public:
    // With `statusFirst` the status is asked first: a controller sends its user name after the
    // first request of a connection.
    explicit ReadJob(std::vector<PageId> pages, bool statusFirst = false,
                     int retries = kDefaultRetries);

    [[nodiscard]] const std::vector<PageId>& pages() const { return pages_; }
    // The replies, in the order of pages(); every page when complete().
    [[nodiscard]] const std::vector<StepResult>& reads() const { return reads_; }
    [[nodiscard]] bool complete() const { return reads_.size() == pages_.size(); }
    [[nodiscard]] std::optional<JobPosition> position() const;

    // The pages read as a parameter set (what a save writes).
    [[nodiscard]] ParameterSet parameter_set(std::string created, std::string tool,
                                             std::string fallbackUserName = {}) const;

  private:
    void on_step(const StepResult& r) override;
    void queue_next();

    std::vector<PageId> pages_;
    std::vector<StepResult> reads_;
    std::size_t next_ = 0;
};

// What became of one page of a restore.
enum class WriteVerdict : std::uint8_t {
    Unchanged,       // the controller held the file's page already: not written
    Verified,        // written, acknowledged, read back the same
    AckLostVerified, // written, acknowledgement lost, read-back matches
    ReadBackDiffers, // written, but the controller holds other values
    NotStored,       // acknowledgement lost, the read-back shows the previous values
    Unknown,         // acknowledgement lost, no answer to the read-back
    NotVerified,     // acknowledged, no answer to the read-back
    PortClosed,      // the port closed during the page
    NotWritten,      // not reached: an earlier page stopped the restore, or a stop was asked
};

struct PageWriteOutcome {
    PageId page;
    WriteVerdict verdict = WriteVerdict::NotWritten;
    std::optional<StepResult> step; // absent for unchanged and unreached pages
};

// The words of a verdict: "written, verified", "not stored: read-back shows the controller's
// previous values", ...
[[nodiscard]] std::string_view verdict_text(WriteVerdict v);
// Verified in the end: the page holds what was written.
[[nodiscard]] bool verdict_good(WriteVerdict v);
// The step's answer is the page read back after the write: it tells what the controller holds.
[[nodiscard]] bool verdict_read_back(WriteVerdict v);
// The restore goes no further after this verdict.
[[nodiscard]] bool verdict_stops(WriteVerdict v);

// "the port closed during the restore (cable or adapter removed?)", "%1" the workflow.
inline constexpr std::string_view kPortClosedDuring =
    "the port closed during the %1 (cable or adapter removed?)";
[[nodiscard]] std::string port_closed_text(std::string_view during);

// Writes a restore plan page by page, each acknowledged (or settled by read-back when the
// acknowledgement is lost) and read back. Pages whose read-back differs go on; a page not stored,
// unknown, unverified or cut by a lost port stops the rest. stop() finishes the page in progress.
class WriteJob final : public Job {
  public:
    // With `skipUnchanged` a page whose frame carries what the controller holds is not written.
    WriteJob(std::vector<RestoreWrite> plan, bool skipUnchanged, int retries = kDefaultRetries);

    [[nodiscard]] const std::vector<RestoreWrite>& plan() const { return plan_; }
    // One per page of the plan, in order, once the job is idle; before that the pages done.
    [[nodiscard]] const std::vector<PageWriteOutcome>& outcomes() const { return outcomes_; }
    // Outcomes added since the last call (unchanged pages included).
    [[nodiscard]] std::vector<PageWriteOutcome> take_outcomes();
    [[nodiscard]] std::optional<JobPosition> position() const;
    [[nodiscard]] std::size_t count(WriteVerdict v) const;

  private:
    void on_step(const StepResult& r) override;
    void queue_next();
    void add(PageWriteOutcome o);

    std::vector<RestoreWrite> plan_;
    bool skipUnchanged_;
    std::vector<PageWriteOutcome> outcomes_;
    std::size_t taken_ = 0;
    std::size_t next_ = 0;
    std::optional<std::size_t> writing_;
};

[[nodiscard]] WriteVerdict verdict_of(const StepResult& r);

// Asks for the status every `periodTicks` ticks (at once first), until stop(). A status without
// an answer is a result like any other; the poll goes on.
class StatusPoll final : public Job {
  public:
    explicit StatusPoll(int periodTicks, int retries = 0);
    [[nodiscard]] bool idle() const override { return stop_asked() && session().idle(); }

  private:
    void on_step(const StepResult& r) override;
    void on_tick() override;

    int period_;
    int ticks_ = 0;
};

} // namespace motiview
