// The service history's file: where it lives, what it refuses (and leaves untouched), the
// schema it makes, and two programs writing at once.
#include "history/history_store.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

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
        dir = fs::temp_directory_path() /
              ("motiview-history-" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
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

} // namespace
