#pragma once
// The workshop's record of its work: every controller the tool has met, keyed by serial number,
// and the snapshots of its pages, in one SQLite file that the window and the command line use
// at the same time. A file it cannot read, or one written by a newer version, is refused and
// left exactly as it is.

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
inline constexpr int kHistorySchemaVersion = 1;

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
};

struct SnapshotRecord {
    std::int64_t id = 0;
    std::string serial;
    std::int64_t timeMs = 0;
    std::string source; // "as found", "backup", "after restore", ...
    std::optional<std::int64_t> job;
    std::string content; // the parameter file's text
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

    // A controller seen at `timeMs`: added on the first meeting, its user name and last-seen
    // time brought up to date after.
    [[nodiscard]] Result<bool> see_controller(std::string_view serial, std::string_view userName,
                                              std::int64_t timeMs);
    [[nodiscard]] Result<std::vector<ControllerRecord>> controllers() const;

    // Stores a snapshot unless it holds the same content as the controller's last one.
    // Returns its id, or nullopt when nothing was stored. The controller must have been seen.
    [[nodiscard]] Result<std::optional<std::int64_t>>
    add_snapshot(std::string_view serial, std::int64_t timeMs, std::string_view source,
                 std::optional<std::int64_t> job, std::string_view content);
    // Newest first.
    [[nodiscard]] Result<std::vector<SnapshotRecord>> snapshots(std::string_view serial) const;

  private:
    HistoryStore(std::string path, sqlite3* db);
    [[nodiscard]] Error failure(std::string_view what) const;

    std::string path_;
    sqlite3* db_;
};

} // namespace motiview
