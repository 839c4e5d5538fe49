#pragma once
// The workshop's record of its work: every controller the tool has met, keyed by serial number,
// the snapshots of its pages, the service jobs done on it and what happened during them (fault
// words changing, writes, hall tests, counter resets, recordings), in one SQLite file that the
// window and the command line use at the same time. A file it cannot read, or one written by a
// newer version, is refused and left exactly as it is.

#include "base/result.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace motiview {

// The schema this build writes; files at an older version are migrated on open.
inline constexpr int kHistorySchemaVersion = 2;

// Where the history lives: `explicitPath` (--history) first, then $MOTIVIEW_HISTORY, then
// $XDG_DATA_HOME/motiview/history.sqlite, then ~/.local/share/motiview/history.sqlite. Empty
// environment values count as unset. Empty when there is no home either.
[[nodiscard]] std::string history_path(std::string_view explicitPath, const char* envHistory,
                                       const char* envXdgDataHome, const char* envHome);

struct ControllerRecord {
    std::string serial;
    std::string userName;
    std::int64_t firstSeenMs = 0; // milliseconds since the epoch
    std::int64_t lastSeenMs = 0;
    std::int64_t snapshots = 0;
    std::int64_t jobs = 0; // finished, open, not completed and command-line reports
};

struct SnapshotRecord {
    std::int64_t id = 0;
    std::string serial;
    std::int64_t timeMs = 0;
    std::string source; // "as found", "backup", "after restore", ...
    std::optional<std::int64_t> job;
    std::string content; // the parameter file's text
};

// Where a job stands. A command-line report is a job that begins and ends at once.
inline constexpr std::string_view kJobOpen = "open";
inline constexpr std::string_view kJobFinished = "finished";
inline constexpr std::string_view kJobNotCompleted = "not completed";
inline constexpr std::string_view kJobReport = "report";

struct JobRecord {
    std::int64_t id = 0;
    std::string serial; // "" until the controller has been read
    std::string number;
    std::string technician;
    std::string vehicle; // vehicle or customer
    std::string complaint;
    std::string workDone;
    std::int64_t startedMs = 0;
    std::optional<std::int64_t> finishedMs;
    std::string state{kJobOpen};
    std::optional<std::int64_t> foundSnapshot; // the pages as found, and as left
    std::optional<std::int64_t> leftSnapshot;
    std::string foundStatus; // the status frame as found and as left, hex; "" when not read
    std::string leftStatus;
    std::string reportId;
};

struct EventRecord {
    std::int64_t id = 0;
    std::string serial;
    std::int64_t timeMs = 0;
    std::optional<std::int64_t> job;
    std::string kind;    // "faults", "write", "hall test", "count reset", "recording"
    std::string summary; // one line a person reads
    std::string detail;  // JSON
};

// What a new visit is compared with.
struct Baseline {
    SnapshotRecord snapshot;
    std::optional<JobRecord> job; // the report or finished job it is the as-left of; none: the
                                  // controller's first snapshot
};

class HistoryStore {
  public:
    // Opens the file, creating it (and its folder) when missing; migrates an older schema.
    // Refuses, naming the file, one that is not a history, is damaged, or is newer.
    [[nodiscard]] static Result<std::unique_ptr<HistoryStore>> open(const std::string& path);
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    [[nodiscard]] const std::string& path() const { return path_; }

    // A controller seen at `timeMs`: added on the first meeting, its user name (unless none came)
    // and last-seen time brought up to date after.
    [[nodiscard]] Result<bool> see_controller(std::string_view serial, std::string_view userName,
                                              std::int64_t timeMs);
    [[nodiscard]] Result<std::vector<ControllerRecord>> controllers() const;

    // Stores a snapshot unless it holds the same content as the controller's last one.
    // Returns its id, or nullopt when nothing was stored. The controller must have been seen.
    [[nodiscard]] Result<std::optional<std::int64_t>>
    add_snapshot(std::string_view serial, std::int64_t timeMs, std::string_view source,
                 std::optional<std::int64_t> job, std::string_view content);
    // Like add_snapshot, but gives the id of the controller's last snapshot when that holds the
    // same content: the snapshot a job refers to whether or not anything changed.
    [[nodiscard]] Result<std::int64_t> keep_snapshot(std::string_view serial, std::int64_t timeMs,
                                                     std::string_view source,
                                                     std::optional<std::int64_t> job,
                                                     std::string_view content);
    // Newest first.
    [[nodiscard]] Result<std::vector<SnapshotRecord>> snapshots(std::string_view serial) const;
    [[nodiscard]] Result<std::optional<SnapshotRecord>> snapshot(std::int64_t id) const;

    // A new job (its id in the returned value); the record's id is ignored.
    [[nodiscard]] Result<std::int64_t> add_job(const JobRecord& job);
    // Every field of the job with the record's id.
    [[nodiscard]] Result<bool> update_job(const JobRecord& job);
    [[nodiscard]] Result<std::optional<JobRecord>> job(std::int64_t id) const;
    // The controller's jobs, newest first.
    [[nodiscard]] Result<std::vector<JobRecord>> jobs(std::string_view serial) const;
    // Jobs still open (left so when a program ended), oldest first.
    [[nodiscard]] Result<std::vector<JobRecord>> open_jobs() const;

    // The event's id; the record's id is ignored. A serial of a controller not seen is refused.
    [[nodiscard]] Result<std::int64_t> add_event(const EventRecord& event);
    // The controller's events, newest first.
    [[nodiscard]] Result<std::vector<EventRecord>> events(std::string_view serial) const;
    // The job's events, oldest first.
    [[nodiscard]] Result<std::vector<EventRecord>> job_events(std::int64_t job) const;

    // The controller's last visit: the as-left snapshot of its newest finished job or report;
    // without one its first snapshot; nullopt when it has none.
    [[nodiscard]] Result<std::optional<Baseline>> last_visit(std::string_view serial) const;

  private:
    HistoryStore(std::string path, sqlite3* db);
    [[nodiscard]] Error failure(std::string_view what) const;
    [[nodiscard]] Result<std::vector<JobRecord>> select_jobs(const char* where,
                                                             std::string_view serial) const;
    [[nodiscard]] Result<std::vector<EventRecord>>
    select_events(const char* sql, std::string_view serial, std::int64_t job) const;

    std::string path_;
    sqlite3* db_;
};

} // namespace motiview
