#include "history/history_store.h"

#include <sqlite3.h>

#include <filesystem>
#include <iterator>
#include <system_error>
#include <utility>

namespace motiview {
namespace {

// Long enough for the window and a command-line run writing at the same moment.
constexpr int kBusyTimeoutMs = 5000;

// Version 1: controllers and their page snapshots.
constexpr const char* kSchemaV1 = R"sql(
CREATE TABLE controllers (
    serial        TEXT PRIMARY KEY,
    user_name     TEXT NOT NULL,
    first_seen_ms INTEGER NOT NULL,
    last_seen_ms  INTEGER NOT NULL
);
CREATE TABLE snapshots (
    id      INTEGER PRIMARY KEY,
    serial  TEXT NOT NULL REFERENCES controllers(serial),
    time_ms INTEGER NOT NULL,
    source  TEXT NOT NULL,
    job     INTEGER,
    content TEXT NOT NULL
);
CREATE INDEX snapshots_by_controller ON snapshots(serial, id);
)sql";

// Version 2: service jobs and the events of a controller's life. A job's serial stays empty
// until the controller has been read.
constexpr const char* kSchemaV2 = R"sql(
CREATE TABLE jobs (
    id             INTEGER PRIMARY KEY,
    serial         TEXT NOT NULL,
    number         TEXT NOT NULL,
    technician     TEXT NOT NULL,
    vehicle        TEXT NOT NULL,
    complaint      TEXT NOT NULL,
    work_done      TEXT NOT NULL,
    started_ms     INTEGER NOT NULL,
    finished_ms    INTEGER,
    state          TEXT NOT NULL,
    found_snapshot INTEGER REFERENCES snapshots(id),
    left_snapshot  INTEGER REFERENCES snapshots(id),
    found_status   TEXT NOT NULL,
    left_status    TEXT NOT NULL,
    report_id      TEXT NOT NULL
);
CREATE INDEX jobs_by_controller ON jobs(serial, id);
CREATE TABLE events (
    id      INTEGER PRIMARY KEY,
    serial  TEXT NOT NULL REFERENCES controllers(serial),
    time_ms INTEGER NOT NULL,
    job     INTEGER REFERENCES jobs(id),
    kind    TEXT NOT NULL,
    summary TEXT NOT NULL,
    detail  TEXT NOT NULL
);
CREATE INDEX events_by_controller ON events(serial, id);
CREATE INDEX events_by_job ON events(job, id);
)sql";

// Each entry takes the file from the version before it to its own; index 0 makes version 1.
constexpr const char* kMigrations[] = {kSchemaV1, kSchemaV2};
static_assert(std::size(kMigrations) == static_cast<std::size_t>(kHistorySchemaVersion));

class Statement {
  public:
    Statement(sqlite3* db, const char* sql) { rc_ = sqlite3_prepare_v2(db, sql, -1, &s_, nullptr); }
    ~Statement() { sqlite3_finalize(s_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    [[nodiscard]] bool ok() const { return rc_ == SQLITE_OK; }
    void bind(int i, std::string_view text) {
        sqlite3_bind_text(s_, i, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    void bind(int i, std::int64_t v) { sqlite3_bind_int64(s_, i, v); }
    void bind_null(int i) { sqlite3_bind_null(s_, i); }
    void bind(int i, const std::optional<std::int64_t>& v) {
        if (v) {
            bind(i, *v);
        } else {
            bind_null(i);
        }
    }
    // SQLITE_ROW, SQLITE_DONE or an error.
    int step() { return sqlite3_step(s_); }
    [[nodiscard]] std::int64_t integer(int col) const { return sqlite3_column_int64(s_, col); }
    [[nodiscard]] bool is_null(int col) const {
        return sqlite3_column_type(s_, col) == SQLITE_NULL;
    }
    [[nodiscard]] std::string text(int col) const {
        const auto* p = sqlite3_column_text(s_, col);
        return p != nullptr ? std::string(reinterpret_cast<const char*>(p),
                                          static_cast<std::size_t>(sqlite3_column_bytes(s_, col)))
                            : std::string();
    }
    [[nodiscard]] std::optional<std::int64_t> maybe(int col) const {
        return is_null(col) ? std::nullopt : std::optional<std::int64_t>(integer(col));
    }

  private:
    sqlite3_stmt* s_ = nullptr;
    int rc_ = SQLITE_ERROR;
};

// Every row of `sql` as a T, after `bind` has bound its parameters; nullopt when the file
// cannot be read.
template <class T, class Bind, class Row>
std::optional<std::vector<T>> query_rows(sqlite3* db, const char* sql, Bind bind, Row row) {
    Statement s(db, sql);
    if (!s.ok()) {
        return std::nullopt;
    }
    bind(s);
    std::vector<T> out;
    int rc = SQLITE_ROW;
    while ((rc = s.step()) == SQLITE_ROW) {
        out.push_back(row(s));
    }
    if (rc != SQLITE_DONE) {
        return std::nullopt;
    }
    return out;
}

constexpr auto kNoParameters = [](Statement&) {};

Error refused(const std::string& path, std::string_view why) {
    return Error{{}, path + ": " + std::string(why)};
}

// What is in an existing file, looked at read-only so that a refused file is never touched.
struct Inspection {
    int version = 0;
    bool hasTables = false;
    bool ours = false;
};

Result<Inspection> inspect(const std::string& path) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    const auto close = [&db] { sqlite3_close_v2(db); };
    if (rc != SQLITE_OK) {
        const std::string why = db != nullptr ? sqlite3_errmsg(db) : "cannot be opened";
        close();
        return refused(path, "cannot be opened: " + why);
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    Inspection in;
    {
        Statement version(db, "PRAGMA user_version");
        if (!version.ok() || version.step() != SQLITE_ROW) {
            const std::string why = sqlite3_errmsg(db);
            close(); // closes once the statements are finalized
            return refused(path, "is not a service history (" + why + ")");
        }
        in.version = static_cast<int>(version.integer(0));
        Statement tables(db, "SELECT name FROM sqlite_schema WHERE type = 'table'");
        while (tables.ok() && tables.step() == SQLITE_ROW) {
            in.hasTables = true;
            in.ours = in.ours || tables.text(0) == "controllers";
        }
        Statement check(db, "PRAGMA quick_check");
        if (!check.ok() || check.step() != SQLITE_ROW || check.text(0) != "ok") {
            close();
            return refused(path, "is damaged; it was left as it is");
        }
    }
    close();
    return in;
}

} // namespace

std::string history_path(std::string_view explicitPath, const char* envHistory,
                         const char* envXdgDataHome, const char* envHome) {
    const auto set = [](const char* v) { return v != nullptr && *v != '\0'; };
    if (!explicitPath.empty()) {
        return std::string(explicitPath);
    }
    if (set(envHistory)) {
        return envHistory;
    }
    if (set(envXdgDataHome)) {
        return std::string(envXdgDataHome) + "/motiview/history.sqlite";
    }
    if (set(envHome)) {
        return std::string(envHome) + "/.local/share/motiview/history.sqlite";
    }
    return {};
}

Result<std::unique_ptr<HistoryStore>> HistoryStore::open(const std::string& path) {
    if (path.empty()) {
        return Error{{}, "no place for the service history: give --history PATH"};
    }
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    if (exists) {
        const Result<Inspection> in = inspect(path);
        if (!in.ok()) {
            return in.error();
        }
        if (in->version > kHistorySchemaVersion) {
            return refused(path, "was written by a newer version of the tool (schema " +
                                     std::to_string(in->version) + ", this one reads up to " +
                                     std::to_string(kHistorySchemaVersion) +
                                     "); it was left as it is");
        }
        if (in->hasTables && !in->ours) {
            return refused(path, "is a database, but not a service history; it was left as it is");
        }
    } else if (const auto folder = std::filesystem::path(path).parent_path(); !folder.empty()) {
        std::filesystem::create_directories(folder, ec);
        if (ec) {
            return refused(path, "its folder cannot be made: " + ec.message());
        }
    }

    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        const std::string why = db != nullptr ? sqlite3_errmsg(db) : "cannot be opened";
        sqlite3_close_v2(db);
        return refused(path, "cannot be opened: " + why);
    }
    std::unique_ptr<HistoryStore> store(new HistoryStore(path, db));
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    // WAL lets the window read while a command-line run writes.
    if (sqlite3_exec(db, "PRAGMA journal_mode = WAL; PRAGMA foreign_keys = ON", nullptr, nullptr,
                     nullptr) != SQLITE_OK) {
        return store->failure("cannot be prepared");
    }
    // Migrate under an immediate transaction: two programs opening a new file at once must not
    // both create the tables.
    if (sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
        return store->failure("is busy");
    }
    int version = 0;
    {
        Statement v(db, "PRAGMA user_version");
        version = v.ok() && v.step() == SQLITE_ROW ? static_cast<int>(v.integer(0)) : -1;
    }
    for (int next = version; next >= 0 && next < kHistorySchemaVersion; ++next) {
        if (sqlite3_exec(db, kMigrations[next], nullptr, nullptr, nullptr) != SQLITE_OK) {
            Error e = store->failure("cannot be brought to the current schema");
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            return e;
        }
    }
    const std::string setVersion = "PRAGMA user_version = " + std::to_string(kHistorySchemaVersion);
    if (version < 0 ||
        sqlite3_exec(db, setVersion.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK ||
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
        Error e = store->failure("cannot be brought to the current schema");
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        return e;
    }
    return store;
}

HistoryStore::HistoryStore(std::string path, sqlite3* db) : path_(std::move(path)), db_(db) {}

HistoryStore::~HistoryStore() {
    sqlite3_close_v2(db_);
}

Error HistoryStore::failure(std::string_view what) const {
    return refused(path_, std::string(what) + ": " + sqlite3_errmsg(db_));
}

Result<bool> HistoryStore::see_controller(std::string_view serial, std::string_view userName,
                                          std::int64_t timeMs) {
    Statement s(db_, "INSERT INTO controllers (serial, user_name, first_seen_ms, last_seen_ms) "
                     "VALUES (?1, ?2, ?3, ?3) ON CONFLICT (serial) DO UPDATE SET "
                     "user_name = CASE WHEN excluded.user_name <> '' THEN excluded.user_name "
                     "ELSE user_name END, last_seen_ms = MAX(last_seen_ms, ?3)");
    if (!s.ok()) {
        return failure("cannot be written");
    }
    s.bind(1, serial);
    s.bind(2, userName);
    s.bind(3, timeMs);
    if (s.step() != SQLITE_DONE) {
        return failure("cannot be written");
    }
    return true;
}

Result<std::vector<ControllerRecord>> HistoryStore::controllers() const {
    auto rows = query_rows<ControllerRecord>(
        db_,
        "SELECT c.serial, c.user_name, c.first_seen_ms, c.last_seen_ms, "
        "(SELECT COUNT(*) FROM snapshots n WHERE n.serial = c.serial), "
        "(SELECT COUNT(*) FROM jobs j WHERE j.serial = c.serial) "
        "FROM controllers c ORDER BY c.last_seen_ms DESC, c.serial",
        kNoParameters, [](const Statement& s) {
            return ControllerRecord{s.text(0),    s.text(1),    s.integer(2),
                                    s.integer(3), s.integer(4), s.integer(5)};
        });
    if (!rows) {
        return failure("cannot be read");
    }
    return std::move(*rows);
}

Result<std::optional<std::int64_t>>
HistoryStore::add_snapshot(std::string_view serial, std::int64_t timeMs, std::string_view source,
                           std::optional<std::int64_t> job, std::string_view content) {
    {
        Statement last(db_, "SELECT id, content FROM snapshots WHERE serial = ?1 "
                            "ORDER BY id DESC LIMIT 1");
        if (!last.ok()) {
            return failure("cannot be read");
        }
        last.bind(1, serial);
        if (last.step() == SQLITE_ROW && last.text(1) == content) {
            return std::optional<std::int64_t>{};
        }
    }
    Statement s(db_, "INSERT INTO snapshots (serial, time_ms, source, job, content) "
                     "VALUES (?1, ?2, ?3, ?4, ?5)");
    if (!s.ok()) {
        return failure("cannot be written");
    }
    s.bind(1, serial);
    s.bind(2, timeMs);
    s.bind(3, source);
    s.bind(4, job);
    s.bind(5, content);
    if (s.step() != SQLITE_DONE) {
        return failure("cannot be written");
    }
    return std::optional<std::int64_t>{sqlite3_last_insert_rowid(db_)};
}

Result<std::int64_t> HistoryStore::keep_snapshot(std::string_view serial, std::int64_t timeMs,
                                                 std::string_view source,
                                                 std::optional<std::int64_t> job,
                                                 std::string_view content) {
    const Result<std::optional<std::int64_t>> added =
        add_snapshot(serial, timeMs, source, job, content);
    if (!added.ok()) {
        return added.error();
    }
    if (added->has_value()) {
        return **added;
    }
    Statement last(db_, "SELECT id FROM snapshots WHERE serial = ?1 ORDER BY id DESC LIMIT 1");
    if (!last.ok()) {
        return failure("cannot be read");
    }
    last.bind(1, serial);
    if (last.step() != SQLITE_ROW) {
        return failure("cannot be read");
    }
    return last.integer(0);
}

namespace {

SnapshotRecord snapshot_row(const Statement& s) {
    return SnapshotRecord{s.integer(0), s.text(1), s.integer(2), s.text(3), s.maybe(4), s.text(5)};
}

} // namespace

Result<std::vector<SnapshotRecord>> HistoryStore::snapshots(std::string_view serial) const {
    auto rows = query_rows<SnapshotRecord>(
        db_,
        "SELECT id, serial, time_ms, source, job, content FROM snapshots "
        "WHERE serial = ?1 ORDER BY id DESC",
        [serial](Statement& s) { s.bind(1, serial); }, snapshot_row);
    if (!rows) {
        return failure("cannot be read");
    }
    return std::move(*rows);
}

Result<std::optional<SnapshotRecord>> HistoryStore::snapshot(std::int64_t id) const {
    auto rows = query_rows<SnapshotRecord>(
        db_, "SELECT id, serial, time_ms, source, job, content FROM snapshots WHERE id = ?1",
        [id](Statement& s) { s.bind(1, id); }, snapshot_row);
    if (!rows) {
        return failure("cannot be read");
    }
    return rows->empty() ? std::optional<SnapshotRecord>{}
                         : std::optional<SnapshotRecord>{std::move(rows->front())};
}

namespace {

constexpr const char* kJobColumns =
    "SELECT id, serial, number, technician, vehicle, complaint, work_done, started_ms, "
    "finished_ms, state, found_snapshot, left_snapshot, found_status, left_status, report_id "
    "FROM jobs ";

JobRecord job_row(const Statement& s) {
    return JobRecord{s.integer(0), s.text(1),   s.text(2),    s.text(3),  s.text(4),
                     s.text(5),    s.text(6),   s.integer(7), s.maybe(8), s.text(9),
                     s.maybe(10),  s.maybe(11), s.text(12),   s.text(13), s.text(14)};
}

void bind_job(Statement& s, const JobRecord& j) {
    s.bind(1, j.serial);
    s.bind(2, j.number);
    s.bind(3, j.technician);
    s.bind(4, j.vehicle);
    s.bind(5, j.complaint);
    s.bind(6, j.workDone);
    s.bind(7, j.startedMs);
    s.bind(8, j.finishedMs);
    s.bind(9, j.state);
    s.bind(10, j.foundSnapshot);
    s.bind(11, j.leftSnapshot);
    s.bind(12, j.foundStatus);
    s.bind(13, j.leftStatus);
    s.bind(14, j.reportId);
}

} // namespace

Result<std::int64_t> HistoryStore::add_job(const JobRecord& job) {
    Statement s(db_, "INSERT INTO jobs (serial, number, technician, vehicle, complaint, "
                     "work_done, started_ms, finished_ms, state, found_snapshot, left_snapshot, "
                     "found_status, left_status, report_id) "
                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14)");
    if (!s.ok()) {
        return failure("cannot be written");
    }
    bind_job(s, job);
    if (s.step() != SQLITE_DONE) {
        return failure("cannot be written");
    }
    return sqlite3_last_insert_rowid(db_);
}

Result<bool> HistoryStore::update_job(const JobRecord& job) {
    Statement s(db_, "UPDATE jobs SET serial = ?1, number = ?2, technician = ?3, vehicle = ?4, "
                     "complaint = ?5, work_done = ?6, started_ms = ?7, finished_ms = ?8, "
                     "state = ?9, found_snapshot = ?10, left_snapshot = ?11, found_status = ?12, "
                     "left_status = ?13, report_id = ?14 WHERE id = ?15");
    if (!s.ok()) {
        return failure("cannot be written");
    }
    bind_job(s, job);
    s.bind(15, job.id);
    if (s.step() != SQLITE_DONE) {
        return failure("cannot be written");
    }
    return sqlite3_changes(db_) == 1;
}

Result<std::vector<JobRecord>> HistoryStore::select_jobs(const char* where,
                                                         std::string_view serial) const {
    auto rows = query_rows<JobRecord>(
        db_, (std::string(kJobColumns) + where).c_str(),
        [serial](Statement& s) {
            if (!serial.empty()) {
                s.bind(1, serial);
            }
        },
        job_row);
    if (!rows) {
        return failure("cannot be read");
    }
    return std::move(*rows);
}

Result<std::optional<JobRecord>> HistoryStore::job(std::int64_t id) const {
    auto rows = query_rows<JobRecord>(
        db_, (std::string(kJobColumns) + "WHERE id = ?1").c_str(),
        [id](Statement& s) { s.bind(1, id); }, job_row);
    if (!rows) {
        return failure("cannot be read");
    }
    return rows->empty() ? std::optional<JobRecord>{}
                         : std::optional<JobRecord>{std::move(rows->front())};
}

Result<std::vector<JobRecord>> HistoryStore::jobs(std::string_view serial) const {
    if (serial.empty()) {
        return std::vector<JobRecord>{};
    }
    return select_jobs("WHERE serial = ?1 ORDER BY id DESC", serial);
}

Result<std::vector<JobRecord>> HistoryStore::open_jobs() const {
    return select_jobs("WHERE state = 'open' ORDER BY id", {});
}

Result<std::int64_t> HistoryStore::add_event(const EventRecord& event) {
    Statement s(db_, "INSERT INTO events (serial, time_ms, job, kind, summary, detail) "
                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6)");
    if (!s.ok()) {
        return failure("cannot be written");
    }
    s.bind(1, event.serial);
    s.bind(2, event.timeMs);
    s.bind(3, event.job);
    s.bind(4, event.kind);
    s.bind(5, event.summary);
    s.bind(6, event.detail);
    if (s.step() != SQLITE_DONE) {
        return failure("cannot be written");
    }
    return sqlite3_last_insert_rowid(db_);
}

Result<std::vector<EventRecord>>
HistoryStore::select_events(const char* sql, std::string_view serial, std::int64_t job) const {
    auto rows = query_rows<EventRecord>(
        db_, sql,
        [serial, job](Statement& s) {
            if (serial.empty()) {
                s.bind(1, job);
            } else {
                s.bind(1, serial);
            }
        },
        [](const Statement& s) {
            return EventRecord{s.integer(0), s.text(1), s.integer(2), s.maybe(3),
                               s.text(4),    s.text(5), s.text(6)};
        });
    if (!rows) {
        return failure("cannot be read");
    }
    return std::move(*rows);
}

Result<std::vector<EventRecord>> HistoryStore::events(std::string_view serial) const {
    if (serial.empty()) {
        return std::vector<EventRecord>{};
    }
    return select_events("SELECT id, serial, time_ms, job, kind, summary, detail FROM events "
                         "WHERE serial = ?1 ORDER BY id DESC",
                         serial, 0);
}

Result<std::vector<EventRecord>> HistoryStore::job_events(std::int64_t job) const {
    return select_events("SELECT id, serial, time_ms, job, kind, summary, detail FROM events "
                         "WHERE job = ?1 ORDER BY id",
                         {}, job);
}

Result<std::optional<Baseline>> HistoryStore::last_visit(std::string_view serial) const {
    const Result<std::vector<JobRecord>> done =
        select_jobs("WHERE serial = ?1 AND state IN ('finished', 'report') AND left_snapshot IS "
                    "NOT NULL ORDER BY id DESC LIMIT 1",
                    serial);
    if (!done.ok()) {
        return done.error();
    }
    std::optional<std::int64_t> id;
    std::optional<JobRecord> job;
    if (!done->empty()) {
        job = done->front();
        id = job->leftSnapshot;
    } else {
        Statement first(db_, "SELECT id FROM snapshots WHERE serial = ?1 ORDER BY id LIMIT 1");
        if (!first.ok()) {
            return failure("cannot be read");
        }
        first.bind(1, serial);
        if (first.step() == SQLITE_ROW) {
            id = first.integer(0);
        }
    }
    if (!id) {
        return std::optional<Baseline>{};
    }
    const Result<std::optional<SnapshotRecord>> snap = snapshot(*id);
    if (!snap.ok()) {
        return snap.error();
    }
    if (!snap->has_value()) {
        return std::optional<Baseline>{};
    }
    return std::optional<Baseline>{Baseline{**snap, job}};
}

} // namespace motiview
