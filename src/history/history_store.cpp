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

// Each entry takes the file from the version before it to its own; index 0 makes version 1.
constexpr const char* kMigrations[] = {kSchemaV1};
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

  private:
    sqlite3_stmt* s_ = nullptr;
    int rc_ = SQLITE_ERROR;
};

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
                     "user_name = excluded.user_name, last_seen_ms = MAX(last_seen_ms, ?3)");
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
    Statement s(db_, "SELECT c.serial, c.user_name, c.first_seen_ms, c.last_seen_ms, "
                     "(SELECT COUNT(*) FROM snapshots n WHERE n.serial = c.serial) "
                     "FROM controllers c ORDER BY c.last_seen_ms DESC, c.serial");
    if (!s.ok()) {
        return failure("cannot be read");
    }
    std::vector<ControllerRecord> out;
    int rc = SQLITE_ROW;
    while ((rc = s.step()) == SQLITE_ROW) {
        out.push_back({s.text(0), s.text(1), s.integer(2), s.integer(3), s.integer(4)});
    }
    if (rc != SQLITE_DONE) {
        return failure("cannot be read");
    }
    return out;
}

Result<std::optional<std::int64_t>>
HistoryStore::add_snapshot(std::string_view serial, std::int64_t timeMs, std::string_view source,
                           std::optional<std::int64_t> job, std::string_view content) {
    {
        Statement last(db_, "SELECT content FROM snapshots WHERE serial = ?1 ORDER BY id DESC "
                            "LIMIT 1");
        if (!last.ok()) {
            return failure("cannot be read");
        }
        last.bind(1, serial);
        if (last.step() == SQLITE_ROW && last.text(0) == content) {
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
    if (job) {
        s.bind(4, *job);
    } else {
        s.bind_null(4);
    }
    s.bind(5, content);
    if (s.step() != SQLITE_DONE) {
        return failure("cannot be written");
    }
    return std::optional<std::int64_t>{sqlite3_last_insert_rowid(db_)};
}

Result<std::vector<SnapshotRecord>> HistoryStore::snapshots(std::string_view serial) const {
    Statement s(db_, "SELECT id, serial, time_ms, source, job, content FROM snapshots "
                     "WHERE serial = ?1 ORDER BY id DESC");
    if (!s.ok()) {
        return failure("cannot be read");
    }
    s.bind(1, serial);
    std::vector<SnapshotRecord> out;
    int rc = SQLITE_ROW;
    while ((rc = s.step()) == SQLITE_ROW) {
        SnapshotRecord r{s.integer(0), s.text(1), s.integer(2), s.text(3), std::nullopt, s.text(5)};
        if (!s.is_null(4)) {
            r.job = s.integer(4);
        }
        out.push_back(std::move(r));
    }
    if (rc != SQLITE_DONE) {
        return failure("cannot be read");
    }
    return out;
}

} // namespace motiview
