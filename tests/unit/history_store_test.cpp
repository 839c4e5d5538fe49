// The service history's file: where it lives, what it refuses (and leaves untouched), the
// schema it makes, and two programs writing at once.
#include "history/history_store.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

using namespace motiview;
namespace fs = std::filesystem;

namespace {

struct PathCase {
    const char* what;
    const char* explicitPath;
    const char* history;
    const char* xdg;
    const char* home;
    const char* expected;
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << c.what;
}

class HistoryPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(HistoryPath, FirstSetPlaceWins) {
    const PathCase& c = GetParam();
    EXPECT_EQ(history_path(c.explicitPath, c.history, c.xdg, c.home), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Places, HistoryPath,
    ::testing::Values(
        PathCase{"option", "/srv/h.sqlite", "/env/h", "/xdg", "/home/t", "/srv/h.sqlite"},
        PathCase{"environment", "", "/env/h", "/xdg", "/home/t", "/env/h"},
        PathCase{"xdg", "", nullptr, "/xdg", "/home/t", "/xdg/motiview/history.sqlite"},
        PathCase{"empty_env_is_unset", "", "", "", "/home/t",
                 "/home/t/.local/share/motiview/history.sqlite"},
        PathCase{"home", "", nullptr, nullptr, "/home/t",
                 "/home/t/.local/share/motiview/history.sqlite"},
        PathCase{"nowhere", "", nullptr, nullptr, nullptr, ""}),
    [](const ::testing::TestParamInfo<PathCase>& p) { return std::string(p.param.what); });

class HistoryFile : public ::testing::Test {
  protected:
    void SetUp() override {
        // A parametrised test's name holds a '/': one folder per case, none left behind.
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        dir = fs::temp_directory_path() /
              ("motiview-history-" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" + name);
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    [[nodiscard]] std::string file(const char* name) const { return (dir / name).string(); }

    static std::string bytes_of(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // A database written by something else, through SQLite itself.
    static void make_database(const std::string& path, const std::string& sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }

    static std::string pragma(const std::string& path, const char* name) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* s = nullptr;
        std::string value;
        if (sqlite3_prepare_v2(db, (std::string("PRAGMA ") + name).c_str(), -1, &s, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(s) == SQLITE_ROW) {
            value = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
        }
        sqlite3_finalize(s);
        sqlite3_close(db);
        return value;
    }

    fs::path dir;
};

TEST_F(HistoryFile, ANewFileIsMadeWithItsFolderAtTheCurrentSchemaInWalMode) {
    const std::string path = file("a/b/history.sqlite");
    {
        auto store = HistoryStore::open(path);
        ASSERT_TRUE(store.ok()) << store.error().message;
        ASSERT_TRUE(store.value()->see_controller("1302-13-27-1-26", "SIM-0001", 1000).ok());
    }
    EXPECT_EQ(pragma(path, "user_version"), std::to_string(kHistorySchemaVersion));
    EXPECT_EQ(pragma(path, "journal_mode"), "wal");
    // Opened again: the same file, nothing migrated twice, the controller still there.
    auto again = HistoryStore::open(path);
    ASSERT_TRUE(again.ok()) << again.error().message;
    const auto list = again.value()->controllers();
    ASSERT_TRUE(list.ok());
    ASSERT_EQ(list->size(), 1U);
    EXPECT_EQ(list->front().serial, "1302-13-27-1-26");
}

struct Refusal {
    const char* what;
    const char* because; // in the message
};

void PrintTo(const Refusal& r, std::ostream* os) {
    *os << r.what;
}

class HistoryRefusal : public HistoryFile, public ::testing::WithParamInterface<Refusal> {};

TEST_P(HistoryRefusal, NamesTheFileAndLeavesItByteForByte) {
    const std::string path = file("history.sqlite");
    const std::string what = GetParam().what;
    if (what == "not_a_database") {
        std::ofstream(path, std::ios::binary) << std::string(4096, 'x') << "not SQLite at all";
    } else if (what == "newer_version") {
        make_database(path, "CREATE TABLE controllers (serial TEXT); PRAGMA user_version = " +
                                std::to_string(kHistorySchemaVersion + 1));
    } else if (what == "another_program") {
        make_database(path, "CREATE TABLE invoices (id INTEGER)");
    } else if (what == "damaged") {
        {
            auto store = HistoryStore::open(path);
            ASSERT_TRUE(store.ok());
            ASSERT_TRUE(store.value()->see_controller("S1", "u", 1).ok());
            ASSERT_TRUE(store.value()
                            ->add_snapshot("S1", 1, "backup", std::nullopt, std::string(9000, 'p'))
                            .ok());
        }
        // Scribble over the pages after the first: the header reads, the tables do not.
        std::fstream f(path, std::ios::binary | std::ios::in | std::ios::out);
        f.seekp(4096);
        f << std::string(4096, '\x5A');
    }
    const std::string before = bytes_of(path);
    ASSERT_FALSE(before.empty());

    const auto store = HistoryStore::open(path);
    ASSERT_FALSE(store.ok());
    EXPECT_NE(store.error().message.find(path), std::string::npos) << store.error().message;
    EXPECT_NE(store.error().message.find(GetParam().because), std::string::npos)
        << store.error().message;
    EXPECT_EQ(bytes_of(path), before);
}

INSTANTIATE_TEST_SUITE_P(Files, HistoryRefusal,
                         ::testing::Values(Refusal{"not_a_database", "not a service history"},
                                           Refusal{"newer_version", "newer version"},
                                           Refusal{"another_program", "not a service history"},
                                           Refusal{"damaged", "damaged"}),
                         [](const ::testing::TestParamInfo<Refusal>& p) {
                             return std::string(p.param.what);
                         });

TEST_F(HistoryFile, ASnapshotLikeTheLastIsNotStoredAgain) {
    auto store = HistoryStore::open(file("history.sqlite"));
    ASSERT_TRUE(store.ok());
    HistoryStore& h = *store.value();
    ASSERT_TRUE(h.see_controller("S1", "first", 10).ok());
    ASSERT_TRUE(h.see_controller("S1", "renamed", 20).ok());
    ASSERT_TRUE(h.see_controller("S1", "renamed", 15).ok()); // late news does not go back

    const auto a = h.add_snapshot("S1", 10, "as found", std::nullopt, "{\"basic\":1}");
    const auto same = h.add_snapshot("S1", 11, "backup", std::nullopt, "{\"basic\":1}");
    const auto changed = h.add_snapshot("S1", 12, "after write", 7, "{\"basic\":2}");
    const auto back = h.add_snapshot("S1", 13, "after restore", std::nullopt, "{\"basic\":1}");
    ASSERT_TRUE(a.ok() && same.ok() && changed.ok() && back.ok());
    EXPECT_TRUE(a->has_value());
    EXPECT_FALSE(same->has_value());
    EXPECT_TRUE(changed->has_value());
    EXPECT_TRUE(back->has_value()); // like an older one, not like the last

    const auto list = h.snapshots("S1");
    ASSERT_TRUE(list.ok());
    ASSERT_EQ(list->size(), 3U);
    EXPECT_EQ(list->at(0).source, "after restore");
    EXPECT_EQ(list->at(1).job, std::optional<std::int64_t>(7));
    EXPECT_EQ(list->at(2).timeMs, 10);

    const auto controllers = h.controllers();
    ASSERT_TRUE(controllers.ok());
    ASSERT_EQ(controllers->size(), 1U);
    EXPECT_EQ(controllers->front().userName, "renamed");
    EXPECT_EQ(controllers->front().firstSeenMs, 10);
    EXPECT_EQ(controllers->front().lastSeenMs, 20);
    EXPECT_EQ(controllers->front().snapshots, 3);

    // A snapshot of a controller never seen has no owner.
    EXPECT_FALSE(h.add_snapshot("nobody", 1, "backup", std::nullopt, "{}").ok());
}

TEST_F(HistoryFile, TwoProgramsWriteAtOnceAndNothingIsLost) {
    const std::string path = file("history.sqlite");
    auto first = HistoryStore::open(path);
    auto second = HistoryStore::open(path);
    ASSERT_TRUE(first.ok() && second.ok());
    ASSERT_TRUE(first.value()->see_controller("A", "a", 0).ok());
    ASSERT_TRUE(second.value()->see_controller("B", "b", 0).ok());
    constexpr int kEach = 150;
    const auto write = [](HistoryStore& h, const char* serial, bool* ok) {
        for (int i = 0; i < kEach && *ok; ++i) {
            *ok = h.add_snapshot(serial, i, "backup", std::nullopt, std::to_string(i)).ok();
        }
    };
    bool okA = true;
    bool okB = true;
    std::thread a(write, std::ref(*first.value()), "A", &okA);
    std::thread b(write, std::ref(*second.value()), "B", &okB);
    a.join();
    b.join();
    EXPECT_TRUE(okA);
    EXPECT_TRUE(okB);
    EXPECT_EQ(first.value()->snapshots("B")->size(), static_cast<std::size_t>(kEach));
    EXPECT_EQ(second.value()->snapshots("A")->size(), static_cast<std::size_t>(kEach));
}

// ---- Schema 2: files of the first release, jobs, events, the last visit ----

// The version-1 schema as the first release wrote it, kept here so that a change to the
// shipped text cannot hide a file the migration no longer opens.
constexpr const char* kShippedSchemaV1 = R"sql(
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

// A workshop's file from the first release: one controller with one snapshot.
const std::string kVersion1File = std::string(kShippedSchemaV1) +
                                  "PRAGMA journal_mode = WAL;"
                                  "INSERT INTO controllers VALUES ('OLD-1', 'old user', 100, 200);"
                                  "INSERT INTO snapshots (serial, time_ms, source, job, content) "
                                  "VALUES ('OLD-1', 150, 'backup', 7, '{\"basic\":1}');"
                                  "PRAGMA user_version = 1;";

std::unique_ptr<HistoryStore> opened(const std::string& path) {
    auto store = HistoryStore::open(path);
    if (!store.ok()) {
        ADD_FAILURE() << store.error().message;
        return nullptr;
    }
    return std::move(store).value();
}

// The first column of the first row of `sql`, as text; "" when there is none.
std::string first_value(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* s = nullptr;
    std::string value;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &s, nullptr) == SQLITE_OK &&
        sqlite3_step(s) == SQLITE_ROW && sqlite3_column_text(s, 0) != nullptr) {
        value = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
    return value;
}

JobRecord job_of(std::string serial, std::string number, std::int64_t startedMs,
                 std::string_view state = kJobOpen) {
    JobRecord j;
    j.serial = std::move(serial);
    j.number = std::move(number);
    j.startedMs = startedMs;
    j.state = std::string(state);
    return j;
}

EventRecord event_of(std::string serial, std::int64_t timeMs, std::optional<std::int64_t> job,
                     std::string kind) {
    return EventRecord{0,
                       std::move(serial),
                       timeMs,
                       job,
                       std::move(kind),
                       "summary at " + std::to_string(timeMs),
                       "{\"t\":" + std::to_string(timeMs) + "}"};
}

void expect_job(const JobRecord& got, const JobRecord& want) {
    EXPECT_EQ(got.id, want.id);
    EXPECT_EQ(got.serial, want.serial);
    EXPECT_EQ(got.number, want.number);
    EXPECT_EQ(got.technician, want.technician);
    EXPECT_EQ(got.vehicle, want.vehicle);
    EXPECT_EQ(got.complaint, want.complaint);
    EXPECT_EQ(got.workDone, want.workDone);
    EXPECT_EQ(got.startedMs, want.startedMs);
    EXPECT_EQ(got.finishedMs, want.finishedMs);
    EXPECT_EQ(got.state, want.state);
    EXPECT_EQ(got.foundSnapshot, want.foundSnapshot);
    EXPECT_EQ(got.leftSnapshot, want.leftSnapshot);
    EXPECT_EQ(got.foundStatus, want.foundStatus);
    EXPECT_EQ(got.leftStatus, want.leftStatus);
    EXPECT_EQ(got.reportId, want.reportId);
}

template <class R> std::vector<std::int64_t> ids_of(const R& records) {
    std::vector<std::int64_t> ids;
    for (const auto& r : records) {
        ids.push_back(r.id);
    }
    return ids;
}

struct OpenCase {
    const char* what;
    std::size_t controllersBefore; // kept from the file as it was
};

void PrintTo(const OpenCase& c, std::ostream* os) {
    *os << c.what;
}

class HistoryOpen : public HistoryFile, public ::testing::WithParamInterface<OpenCase> {};

// Whatever the file was, it opens at version 2 with its rows, takes jobs and events, and a
// second opening migrates nothing again.
TEST_P(HistoryOpen, ReachesVersion2KeepsItsRowsAndTakesJobsAndEvents) {
    const std::string path = file("history.sqlite");
    const std::string what = GetParam().what;
    if (what == "version_1_with_rows") {
        make_database(path, kVersion1File);
        ASSERT_EQ(pragma(path, "user_version"), "1");
    } else if (what == "version_2_empty") {
        ASSERT_NE(opened(path), nullptr);
        ASSERT_EQ(pragma(path, "user_version"), "2");
    } else if (what == "zero_bytes") {
        std::ofstream(path, std::ios::binary).flush();
        ASSERT_TRUE(fs::exists(path));
        ASSERT_EQ(fs::file_size(path), 0U);
    }

    std::int64_t jobId = 0;
    {
        const auto store = opened(path);
        ASSERT_NE(store, nullptr);
        EXPECT_EQ(pragma(path, "user_version"), "2");
        const auto before = store->controllers();
        ASSERT_TRUE(before.ok()) << before.error().message;
        ASSERT_EQ(before->size(), GetParam().controllersBefore);
        if (GetParam().controllersBefore > 0) {
            const ControllerRecord& c = before->front();
            EXPECT_EQ(c.serial, "OLD-1");
            EXPECT_EQ(c.userName, "old user");
            EXPECT_EQ(c.firstSeenMs, 100);
            EXPECT_EQ(c.lastSeenMs, 200);
            EXPECT_EQ(c.snapshots, 1);
            EXPECT_EQ(c.jobs, 0);
            const auto snaps = store->snapshots("OLD-1");
            ASSERT_TRUE(snaps.ok());
            ASSERT_EQ(snaps->size(), 1U);
            EXPECT_EQ(snaps->front().content, "{\"basic\":1}");
            EXPECT_EQ(snaps->front().job, std::optional<std::int64_t>(7));
            EXPECT_EQ(snaps->front().source, "backup");
        }

        ASSERT_TRUE(store->see_controller("NEW-2", "n", 300).ok());
        const auto job = store->add_job(job_of("NEW-2", "J-1", 300));
        ASSERT_TRUE(job.ok()) << job.error().message;
        jobId = *job;
        const auto event = store->add_event(event_of("NEW-2", 310, jobId, "faults"));
        ASSERT_TRUE(event.ok()) << event.error().message;
    }

    const auto again = opened(path);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(pragma(path, "user_version"), "2");
    const auto list = again->controllers();
    ASSERT_TRUE(list.ok());
    EXPECT_EQ(list->size(), GetParam().controllersBefore + 1);
    const auto jobs = again->jobs("NEW-2");
    ASSERT_TRUE(jobs.ok());
    EXPECT_EQ(ids_of(*jobs), std::vector<std::int64_t>{jobId});
    const auto events = again->job_events(jobId);
    ASSERT_TRUE(events.ok());
    ASSERT_EQ(events->size(), 1U);
    EXPECT_EQ(events->front().serial, "NEW-2");
}

INSTANTIATE_TEST_SUITE_P(Files, HistoryOpen,
                         ::testing::Values(OpenCase{"version_1_with_rows", 1},
                                           OpenCase{"version_2_empty", 0},
                                           OpenCase{"zero_bytes", 0}),
                         [](const ::testing::TestParamInfo<OpenCase>& p) {
                             return std::string(p.param.what);
                         });

TEST_F(HistoryFile, AMigrationThatFailsLeavesTheFileAtItsVersionWithItsRows) {
    const std::string path = file("history.sqlite");
    // Something else put a table of the new version's name into the file.
    make_database(path, kVersion1File + "CREATE TABLE events (note TEXT);");

    const auto store = HistoryStore::open(path);
    ASSERT_FALSE(store.ok());
    EXPECT_NE(store.error().message.find(path), std::string::npos) << store.error().message;
    EXPECT_NE(store.error().message.find("current schema"), std::string::npos)
        << store.error().message;
    EXPECT_EQ(pragma(path, "user_version"), "1");
    // Not half migrated: the jobs table made before the failure was taken back.
    EXPECT_EQ(first_value(path, "SELECT COUNT(*) FROM sqlite_schema WHERE name = 'jobs'"), "0");
    EXPECT_EQ(first_value(path, "SELECT user_name FROM controllers WHERE serial = 'OLD-1'"),
              "old user");
}

TEST_F(HistoryFile, KeepSnapshotGivesTheLastIdWhenNothingChanged) {
    const auto h = opened(file("history.sqlite"));
    ASSERT_NE(h, nullptr);
    ASSERT_TRUE(h->see_controller("S1", "u", 1).ok());

    const auto first = h->keep_snapshot("S1", 10, "as found", std::nullopt, "{\"a\":1}");
    const auto same = h->keep_snapshot("S1", 11, "as left", 3, "{\"a\":1}");
    const auto changed = h->keep_snapshot("S1", 12, "after write", 3, "{\"a\":2}");
    const auto back = h->keep_snapshot("S1", 13, "after restore", 3, "{\"a\":1}");
    ASSERT_TRUE(first.ok() && same.ok() && changed.ok() && back.ok());
    EXPECT_EQ(*same, *first);
    EXPECT_NE(*changed, *first);
    EXPECT_NE(*back, *first); // like an older one, not like the last: stored again
    EXPECT_NE(*back, *changed);

    const auto kept = h->snapshot(*first);
    ASSERT_TRUE(kept.ok());
    ASSERT_TRUE(kept->has_value());
    EXPECT_EQ((*kept)->source, "as found"); // the first record, not overwritten by the second
    EXPECT_EQ((*kept)->timeMs, 10);
    EXPECT_EQ((*kept)->job, std::nullopt);
    const auto latest = h->snapshot(*back);
    ASSERT_TRUE(latest.ok() && latest->has_value());
    EXPECT_EQ((*latest)->serial, "S1");
    EXPECT_EQ((*latest)->job, std::optional<std::int64_t>(3));
    EXPECT_EQ((*latest)->content, "{\"a\":1}");
    EXPECT_EQ(h->snapshots("S1")->size(), 3U);

    const auto none = h->snapshot(*back + 100);
    ASSERT_TRUE(none.ok());
    EXPECT_FALSE(none->has_value());
    EXPECT_FALSE(h->keep_snapshot("nobody", 1, "backup", std::nullopt, "{}").ok());
}

TEST_F(HistoryFile, JobsKeepEveryFieldAndComeNewestFirstOpenOnesOldestFirst) {
    const std::string path = file("history.sqlite");
    const auto h = opened(path);
    ASSERT_NE(h, nullptr);
    ASSERT_TRUE(h->see_controller("A", "a", 1).ok());
    ASSERT_TRUE(h->see_controller("B", "b", 1).ok());
    const auto found = h->keep_snapshot("A", 5, "as found", std::nullopt, "found");
    const auto left = h->keep_snapshot("A", 6, "as left", std::nullopt, "left");
    ASSERT_TRUE(found.ok() && left.ok());

    JobRecord first = job_of("A", "WO-1", 1000);
    first.technician = "Kim";
    first.vehicle = "Van 7, Miller & Sons";
    first.complaint = "cuts out uphill";
    first.foundSnapshot = *found;
    first.foundStatus = "DF EF 00 DA";
    const auto a1 = h->add_job(first);
    const auto a2 = h->add_job(job_of("A", "WO-2", 2000));
    const auto b1 = h->add_job(job_of("B", "WO-3", 3000));
    const auto unread = h->add_job(job_of("", "WO-4", 4000)); // the controller not read yet
    ASSERT_TRUE(a1.ok() && a2.ok() && b1.ok() && unread.ok());
    first.id = *a1;

    const auto stored = h->job(*a1);
    ASSERT_TRUE(stored.ok());
    ASSERT_TRUE(stored->has_value());
    expect_job(**stored, first);

    // Finished: every field written back.
    JobRecord done = first;
    done.workDone = "limits set back";
    done.finishedMs = 1500;
    done.state = std::string(kJobFinished);
    done.leftSnapshot = *left;
    done.leftStatus = "DF EF 01 DA";
    done.reportId = "R-1";
    const auto updated = h->update_job(done);
    ASSERT_TRUE(updated.ok());
    EXPECT_TRUE(*updated);
    expect_job(h->job(*a1)->value(), done);

    JobRecord ghost = done;
    ghost.id = *unread + 100;
    const auto missing = h->update_job(ghost);
    ASSERT_TRUE(missing.ok());
    EXPECT_FALSE(*missing);
    const auto noJob = h->job(ghost.id);
    ASSERT_TRUE(noJob.ok());
    EXPECT_FALSE(noJob->has_value());

    EXPECT_EQ(ids_of(h->jobs("A").value()), (std::vector<std::int64_t>{*a2, *a1}));
    EXPECT_EQ(ids_of(h->jobs("B").value()), (std::vector<std::int64_t>{*b1}));
    EXPECT_TRUE(h->jobs("").value().empty()); // a job without serial belongs to no controller
    EXPECT_TRUE(h->jobs("nobody").value().empty());
    EXPECT_EQ(ids_of(h->open_jobs().value()), (std::vector<std::int64_t>{*a2, *b1, *unread}));

    // The controller read later: the job joins it, and still counts as open.
    JobRecord late = h->job(*unread)->value();
    late.serial = "B";
    ASSERT_TRUE(h->update_job(late).ok());
    EXPECT_EQ(ids_of(h->jobs("B").value()), (std::vector<std::int64_t>{*unread, *b1}));
    EXPECT_EQ(ids_of(h->open_jobs().value()), (std::vector<std::int64_t>{*a2, *b1, *unread}));

    const auto list = h->controllers();
    ASSERT_TRUE(list.ok());
    ASSERT_EQ(list->size(), 2U);
    for (const ControllerRecord& c : *list) {
        EXPECT_EQ(c.jobs, 2) << c.serial;
    }

    // A job cannot point at pages that were never stored.
    JobRecord dangling = done;
    dangling.leftSnapshot = *left + 100;
    const auto refused = h->update_job(dangling);
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.error().message.find(path), std::string::npos);
    EXPECT_EQ(h->job(*a1)->value().leftSnapshot, std::optional<std::int64_t>(*left));
}

TEST_F(HistoryFile, EventsNewestFirstPerControllerOldestFirstPerJob) {
    const std::string path = file("history.sqlite");
    const auto h = opened(path);
    ASSERT_NE(h, nullptr);
    ASSERT_TRUE(h->see_controller("A", "a", 1).ok());
    ASSERT_TRUE(h->see_controller("B", "b", 1).ok());
    const auto job = h->add_job(job_of("A", "WO-1", 5));
    ASSERT_TRUE(job.ok());

    const auto e1 = h->add_event(event_of("A", 10, *job, "faults"));
    const auto e2 = h->add_event(event_of("A", 20, std::nullopt, "write"));
    const auto e3 = h->add_event(event_of("B", 30, std::nullopt, "hall test"));
    const auto e4 = h->add_event(event_of("A", 40, *job, "recording"));
    ASSERT_TRUE(e1.ok() && e2.ok() && e3.ok() && e4.ok());

    const auto ofA = h->events("A");
    ASSERT_TRUE(ofA.ok());
    EXPECT_EQ(ids_of(*ofA), (std::vector<std::int64_t>{*e4, *e2, *e1}));
    ASSERT_EQ(ofA->size(), 3U);
    const EventRecord& last = ofA->front();
    EXPECT_EQ(last.serial, "A");
    EXPECT_EQ(last.timeMs, 40);
    EXPECT_EQ(last.job, std::optional<std::int64_t>(*job));
    EXPECT_EQ(last.kind, "recording");
    EXPECT_EQ(last.summary, "summary at 40");
    EXPECT_EQ(last.detail, "{\"t\":40}");
    EXPECT_EQ(ofA->at(1).job, std::nullopt);

    EXPECT_EQ(ids_of(h->events("B").value()), (std::vector<std::int64_t>{*e3}));
    EXPECT_EQ(ids_of(h->job_events(*job).value()), (std::vector<std::int64_t>{*e1, *e4}));
    EXPECT_TRUE(h->events("").value().empty());

    // An event needs a controller that was seen, and a job that exists.
    const auto stranger = h->add_event(event_of("nobody", 50, std::nullopt, "faults"));
    ASSERT_FALSE(stranger.ok());
    EXPECT_NE(stranger.error().message.find(path), std::string::npos);
    EXPECT_FALSE(h->add_event(event_of("A", 60, *job + 100, "faults")).ok());
    EXPECT_TRUE(h->events("nobody").value().empty());
    EXPECT_EQ(h->events("A").value().size(), 3U);
}

// What last_visit must give: the snapshot (none: no visit) and the job it is the as-left of.
struct Visit {
    std::optional<std::int64_t> snapshot;
    std::optional<std::int64_t> job;
};

// Builds controller A's history (and anything around it) and says what its last visit is.
struct VisitCase {
    const char* what;
    Visit (*build)(HistoryStore&);
};

void PrintTo(const VisitCase& c, std::ostream* os) {
    *os << c.what;
}

std::int64_t snap(HistoryStore& h, const char* serial, const char* content) {
    const auto id = h.keep_snapshot(serial, 1, "backup", std::nullopt, content);
    EXPECT_TRUE(id.ok()) << id.error().message;
    return id.ok() ? *id : 0;
}

std::int64_t visit(HistoryStore& h, const char* serial, std::string_view state,
                   std::optional<std::int64_t> left) {
    JobRecord j = job_of(serial, "WO", 1, state);
    j.leftSnapshot = left;
    const auto id = h.add_job(j);
    EXPECT_TRUE(id.ok()) << id.error().message;
    return id.ok() ? *id : 0;
}

void seen(HistoryStore& h, const char* serial) {
    EXPECT_TRUE(h.see_controller(serial, "u", 1).ok());
}

class HistoryLastVisit : public HistoryFile, public ::testing::WithParamInterface<VisitCase> {};

TEST_P(HistoryLastVisit, IsTheAsLeftOfTheNewestFinishedJobElseTheFirstSnapshot) {
    const auto h = opened(file("history.sqlite"));
    ASSERT_NE(h, nullptr);
    const Visit want = GetParam().build(*h);

    const auto got = h->last_visit("A");
    ASSERT_TRUE(got.ok()) << got.error().message;
    if (!want.snapshot) {
        EXPECT_FALSE(got->has_value());
        return;
    }
    ASSERT_TRUE(got->has_value());
    const Baseline& b = **got;
    EXPECT_EQ(b.snapshot.id, *want.snapshot);
    EXPECT_EQ(b.snapshot.serial, "A");
    EXPECT_EQ(b.job.has_value(), want.job.has_value());
    if (b.job && want.job) {
        EXPECT_EQ(b.job->id, *want.job);
        EXPECT_EQ(b.job->leftSnapshot, want.snapshot);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Histories, HistoryLastVisit,
    ::testing::Values(VisitCase{"never_seen", [](HistoryStore&) { return Visit{}; }},
                      VisitCase{"seen_without_snapshots",
                                [](HistoryStore& h) {
                                    seen(h, "A");
                                    return Visit{};
                                }},
                      VisitCase{"only_snapshots",
                                [](HistoryStore& h) {
                                    seen(h, "A");
                                    const auto first = snap(h, "A", "1");
                                    snap(h, "A", "2");
                                    return Visit{first, std::nullopt};
                                }},
                      VisitCase{"finished_job",
                                [](HistoryStore& h) {
                                    seen(h, "A");
                                    snap(h, "A", "1");
                                    const auto left = snap(h, "A", "2");
                                    snap(h, "A", "3"); // read after the job: not what it left
                                    return Visit{left, visit(h, "A", kJobFinished, left)};
                                }},
                      VisitCase{"command_line_report",
                                [](HistoryStore& h) {
                                    seen(h, "A");
                                    snap(h, "A", "1");
                                    const auto left = snap(h, "A", "2");
                                    return Visit{left, visit(h, "A", kJobReport, left)};
                                }},
                      VisitCase{"newest_of_two_finished",
                                [](HistoryStore& h) {
                                    seen(h, "A");
                                    snap(h, "A", "1");
                                    visit(h, "A", kJobFinished, snap(h, "A", "2"));
                                    const auto left = snap(h, "A", "3");
                                    return Visit{left, visit(h, "A", kJobReport, left)};
                                }},
                      VisitCase{"open_job_after_a_finished_one",
                                [](HistoryStore& h) {
                                    seen(h, "A");
                                    const auto left = snap(h, "A", "1");
                                    const auto job = visit(h, "A", kJobFinished, left);
                                    visit(h, "A", kJobOpen, snap(h, "A", "2"));
                                    return Visit{left, job};
                                }},
                      VisitCase{"only_a_job_not_completed",
                                [](HistoryStore& h) {
                                    seen(h, "A");
                                    const auto first = snap(h, "A", "1");
                                    visit(h, "A", kJobNotCompleted, snap(h, "A", "2"));
                                    return Visit{first, std::nullopt};
                                }},
                      VisitCase{"finished_without_as_left",
                                [](HistoryStore& h) {
                                    seen(h, "A");
                                    const auto first = snap(h, "A", "1");
                                    snap(h, "A", "2");
                                    visit(h, "A", kJobFinished, std::nullopt);
                                    return Visit{first, std::nullopt};
                                }},
                      VisitCase{"another_controllers_job",
                                [](HistoryStore& h) {
                                    seen(h, "A");
                                    seen(h, "B");
                                    const auto first = snap(h, "A", "1");
                                    snap(h, "A", "2");
                                    visit(h, "B", kJobFinished, snap(h, "B", "1"));
                                    return Visit{first, std::nullopt};
                                }}),
    [](const ::testing::TestParamInfo<VisitCase>& p) { return std::string(p.param.what); });

TEST_F(HistoryFile, TwoProgramsAddJobsAndEventsAtOnce) {
    const std::string path = file("history.sqlite");
    const auto first = opened(path);
    const auto second = opened(path);
    ASSERT_TRUE(first != nullptr && second != nullptr);
    ASSERT_TRUE(first->see_controller("A", "a", 0).ok());
    ASSERT_TRUE(second->see_controller("B", "b", 0).ok());
    constexpr int kEach = 40;
    const auto work = [](HistoryStore& h, const char* serial, bool* ok) {
        for (int i = 0; i < kEach && *ok; ++i) {
            const auto job = h.add_job(job_of(serial, std::to_string(i), i));
            *ok = job.ok() && h.add_event(event_of(serial, i, *job, "faults")).ok();
        }
    };
    bool okA = true;
    bool okB = true;
    std::thread a(work, std::ref(*first), "A", &okA);
    std::thread b(work, std::ref(*second), "B", &okB);
    a.join();
    b.join();
    EXPECT_TRUE(okA);
    EXPECT_TRUE(okB);
    const auto jobsOfB = first->jobs("B");
    const auto eventsOfA = second->events("A");
    ASSERT_TRUE(jobsOfB.ok() && eventsOfA.ok());
    EXPECT_EQ(jobsOfB->size(), static_cast<std::size_t>(kEach));
    EXPECT_EQ(eventsOfA->size(), static_cast<std::size_t>(kEach));
    // Each event sits with the job its program made for it.
    for (const JobRecord& j : *jobsOfB) {
        const auto events = first->job_events(j.id);
        ASSERT_TRUE(events.ok());
        ASSERT_EQ(events->size(), 1U);
        EXPECT_EQ(events->front().serial, "B");
        EXPECT_EQ(std::to_string(events->front().timeMs), j.number);
    }
    EXPECT_EQ(second->open_jobs()->size(), static_cast<std::size_t>(2 * kEach));
}

} // namespace
