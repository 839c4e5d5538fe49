#pragma once
// What the workshop keeps of a session with a controller, for the window and the command line
// alike: the pages read (a snapshot under the controller's serial number) and the events of its
// life (the fault words changing, page writes with the fields before and after, hall tests,
// calibration count resets, recordings), each with a line a person reads and its details as
// JSON. Times are milliseconds since the epoch, given by the caller.

#include "base/bytes.h"
#include "base/result.h"
#include "history/history_store.h"
#include "jobs/page_jobs.h"
#include "monitor/status_layout.h"
#include "params/parameter_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace motiview {

// Event kinds.
inline constexpr std::string_view kEventFaults = "faults";
inline constexpr std::string_view kEventWrite = "write";
inline constexpr std::string_view kEventHallTest = "hall test";
inline constexpr std::string_view kEventCountReset = "count reset";
inline constexpr std::string_view kEventRecording = "recording";

// Snapshot sources.
inline constexpr std::string_view kSourceAsFound = "as found";
inline constexpr std::string_view kSourceAsLeft = "as left";
inline constexpr std::string_view kSourceBackup = "backup";
inline constexpr std::string_view kSourceBeforeRestore = "before restore";
inline constexpr std::string_view kSourceAfterRestore = "after restore";
inline constexpr std::string_view kSourceBeforeWrite = "before write";
inline constexpr std::string_view kSourceAfterWrite = "after write";
inline constexpr std::string_view kSourceReport = "report";
inline constexpr std::string_view kSourceBeforeProvisioning = "before provisioning";
inline constexpr std::string_view kSourceAfterProvisioning = "after provisioning";

// An event before it is tied to a controller, a job and a time.
struct ServiceEvent {
    std::string kind;
    std::string summary;
    std::string detail; // JSON
};

// "current faults came: Over current; went: Hall fault"; nullopt when the word did not change.
[[nodiscard]] std::optional<ServiceEvent> fault_event(FaultWord which, std::uint16_t before,
                                                      std::uint16_t after);
// "basic: written, verified; txtMaxspeed 3000 -> 3200". `before` is the page as the controller
// held it, `after` what it holds now (or what was sent, when nothing was read back).
[[nodiscard]] ServiceEvent write_event(PageId page, const Unit& before, const Unit& after,
                                       std::string_view verdict);
// "hall test a: <result>".
[[nodiscard]] ServiceEvent hall_test_event(std::string_view group, std::string_view result);
// "calibration count reset: <result>".
[[nodiscard]] ServiceEvent count_reset_event(std::string_view result);
// "recording motor.csv: 12.5 s, 125 rows".
[[nodiscard]] ServiceEvent recording_event(std::string_view file, double seconds, long long rows);

// The serial number and user name of a controller whose pages were read.
struct ControllerIdentity {
    std::string serial;
    std::string userName;
};

// Keeps one controller's record in a history: its snapshots and events, tied to the open job
// if there is one. The fault words are remembered between frames so that only a change makes an
// event.
class ServiceRecord {
  public:
    explicit ServiceRecord(HistoryStore& store) : store_(store) {}

    [[nodiscard]] HistoryStore& store() { return store_; }

    // The pages read: the controller seen (added on the first meeting), and a snapshot stored
    // unless it equals the last. The snapshot's id (the last one's when nothing changed). A set
    // without the page that carries the identity has no serial number and is refused.
    [[nodiscard]] Result<std::int64_t> store_pages(const ParameterSet& set, std::string_view source,
                                                   std::int64_t timeMs);

    // The controller whose hardware page was read, seen without a snapshot (a test or a reset
    // that reads nothing else).
    [[nodiscard]] Result<bool> identify(const ParameterSet& set, std::int64_t timeMs);

    // The controller the record is about: set by store_pages, or given (a serial already known).
    void set_controller(ControllerIdentity id) { controller_ = std::move(id); }
    [[nodiscard]] const std::optional<ControllerIdentity>& controller() const {
        return controller_;
    }
    void set_job(std::optional<std::int64_t> job) { job_ = job; }
    [[nodiscard]] std::optional<std::int64_t> job() const { return job_; }

    // A status frame: a change of either fault word since the last frame is an event. The first
    // frame only sets where the words stand. Nothing is stored before the controller is known.
    [[nodiscard]] Result<bool> note_status(const Unit& frame, std::int64_t timeMs);
    // Forgets the fault words (a new connection, another controller).
    void forget_status() { words_.reset(); }

    // An event of the controller; false (and nothing stored) before it is known.
    [[nodiscard]] Result<bool> note(const ServiceEvent& e, std::int64_t timeMs);

  private:
    HistoryStore& store_;
    std::optional<ControllerIdentity> controller_;
    std::optional<std::int64_t> job_;
    std::optional<std::pair<std::uint16_t, std::uint16_t>> words_; // current, history
};

} // namespace motiview
