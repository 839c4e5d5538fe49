// The window's recorder: the command line's CSV, row by row, and a clean stop on a write error.
#include "monitor/status_frame.h"
#include "monitor/status_layout.h"
#include "monitor/status_record.h"
#include "monitor/status_recorder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#ifdef __unix__
#include <csignal>
#include <sys/resource.h>
#endif

using namespace motiview;

namespace {

// A folder of the test's own: ctest runs the cases of a suite side by side.
std::filesystem::path temp_path(const std::string& name) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("motiview_recorder_" +
                      std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                      "_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    return dir / name;
}

std::vector<std::string> lines_of(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Plain split: the generated rows hold no quoted separators (no faults, named states).
std::vector<std::string> columns(const std::string& line) {
    std::vector<std::string> out;
    std::stringstream s(line);
    for (std::string c; std::getline(s, c, ',');) {
        out.push_back(c);
    }
    if (!line.empty() && line.back() == ',') {
        out.emplace_back();
    }
    return out;
}

// Any values the widths carry, a named state, no current fault (the row's fault names would
// need a quoting CSV reader).
Unit random_frame(std::mt19937& rng) {
    Unit u{};
    u[0] = 0xDF;
    u[1] = 0xEF;
    u[31] = kEndByte;
    StatusValues v;
    for (const StatusRow& r : kStatusLayout) {
        const bool sm = r.width == Width::SM16;
        const std::int32_t hi = r.width == Width::U8 ? 255 : (sm ? 32767 : 65535);
        v.set(r.field, std::uniform_int_distribution<std::int32_t>(sm ? -hi : 0, hi)(rng));
    }
    v.set(StatusField::State, static_cast<std::int32_t>(rng() % kStateNames.size()));
    v.set(StatusField::CurrentFaults, 0);
    write_status(v, u);
    return u;
}

TEST(StatusRecorder, RowsReadBackAsTheFramesFedIn) {
    const auto path = temp_path("ride.csv");
    std::mt19937 rng(7);
    std::vector<Unit> frames;
    StatusRecorder rec;
    ASSERT_TRUE(rec.start(path.string(), 5000).ok());
    EXPECT_TRUE(rec.recording());
    for (int i = 0; i < 40; ++i) {
        frames.push_back(random_frame(rng));
        ASSERT_TRUE(rec.add(frames.back(), "2024-06-11T10:00:00.000+02:00", 5000 + i * 100).ok());
    }
    EXPECT_EQ(rec.rows(), 40);
    EXPECT_EQ(rec.elapsed_ms(9000), 4000);
    // Flushed row by row: readable before the stop.
    EXPECT_EQ(lines_of(path).size(), 41u);
    ASSERT_TRUE(rec.stop().ok());
    EXPECT_FALSE(rec.recording());

    const std::vector<std::string> lines = lines_of(path);
    ASSERT_EQ(lines.size(), frames.size() + 1);
    // Recordings are read by other tools: the header is a promise, pinned letter by letter.
    EXPECT_EQ(lines[0],
              "time,elapsed_s,vdc_v,idc_a,speed_rpm,motor_temp_c,power_temp_c,iq_ref_a,iq_act_a,"
              "id_ref_a,id_act_a,throttle_v,state,gear,hall_state,mode,pedal_error,flags_hex,"
              "inputs_hex,current_faults_hex,history_faults_hex,current_faults");
    const std::vector<std::string> header = columns(lines[0]);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const std::vector<std::string> row = columns(lines[i + 1]);
        ASSERT_EQ(row.size(), header.size()) << lines[i + 1];
        const PanelValues values = panel_values(frames[i]);
        const StatusValues raw = read_status(frames[i]);
        EXPECT_EQ(row[0], "2024-06-11T10:00:00.000+02:00");
        EXPECT_DOUBLE_EQ(std::stod(row[1]), static_cast<double>(i) / 10.0);
        for (std::size_t c = 0; c < kPanelChannelCount; ++c) {
            EXPECT_EQ(header[2 + c], kPanelChannels[c].column);
            EXPECT_DOUBLE_EQ(std::stod(row[2 + c]), values[c]) << header[2 + c] << " row " << i;
        }
        EXPECT_EQ(row[12], state_name(static_cast<std::uint8_t>(raw[StatusField::State])));
        EXPECT_EQ(std::stoi(row[20], nullptr, 16), raw[StatusField::HistoryFaults]);
        EXPECT_EQ(std::stoi(row[19], nullptr, 16), 0);
    }
    std::filesystem::remove_all(path.parent_path());
}

TEST(StatusRecorder, UnwritableTargetsGiveAMessageAndNoRecording) {
    StatusRecorder rec;
    // A folder that cannot hold the file: a file stands where the folder should be.
    const auto notAFolder = temp_path("not_a_folder");
    std::ofstream(notAFolder) << "x";
    const Result<bool> folder = rec.start((notAFolder / "ride.csv").string(), 0);
    ASSERT_FALSE(folder.ok());
    EXPECT_NE(folder.error().message.find("cannot be written"), std::string::npos)
        << folder.error().message;
    EXPECT_FALSE(rec.recording());
    std::filesystem::remove_all(notAFolder.parent_path());

    if (!std::filesystem::exists("/dev/full")) {
        return;
    }
    // A full disk takes the file but not the header.
    const Result<bool> full = rec.start("/dev/full", 0);
    ASSERT_FALSE(full.ok());
    EXPECT_NE(full.error().message.find("No space left on device"), std::string::npos)
        << full.error().message;
    EXPECT_FALSE(rec.recording());
    EXPECT_EQ(rec.error(), full.error().message);
    // Later frames are refused, not written, and nothing crashes.
    EXPECT_FALSE(rec.add(Unit{}, "t", 100).ok());
    EXPECT_EQ(rec.rows(), 0);
    EXPECT_TRUE(rec.stop().ok());
}

#ifdef __unix__
// The disk fills during a recording: the file size limit stands in for a full disk.
TEST(StatusRecorder, DiskFullMidwayStopsAfterTheRowsWritten) {
    const auto path = temp_path("full.csv");
    StatusRecorder rec;
    ASSERT_TRUE(rec.start(path.string(), 0).ok());
    Unit frame{};
    frame[0] = 0xDF;
    frame[1] = 0xEF;
    frame[31] = kEndByte;
    const std::size_t rowBytes = record_row(frame, "t", 0).size() + 1;

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = static_cast<rlim_t>(record_header().size() + 1 + 3 * rowBytes + rowBytes / 2);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    int accepted = 0;
    Result<bool> last = true;
    for (int i = 0; i < 10 && last.ok(); ++i) {
        last = rec.add(frame, "t", i);
        accepted += last.ok() ? 1 : 0;
    }
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(accepted, 3);
    ASSERT_FALSE(last.ok());
    EXPECT_NE(last.error().message.find("stopped after 3 rows"), std::string::npos)
        << last.error().message;
    EXPECT_FALSE(rec.recording());
    EXPECT_EQ(rec.rows(), 3);
    EXPECT_FALSE(rec.add(frame, "t", 99).ok());
    std::filesystem::remove_all(path.parent_path());
}
#endif

} // namespace
