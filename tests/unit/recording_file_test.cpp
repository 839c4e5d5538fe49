// A recording read back: every value the recorder writes comes back as the frame that shows the
// same row, damaged rows are skipped by line, the markers are those of the live plot, and a
// trimmed recording reads back as the rows it was cut from.
#include "link/frames.h"
#include "monitor/recording_file.h"
#include "monitor/sample_ring.h"
#include "monitor/status_frame.h"
#include "monitor/status_layout.h"
#include "monitor/status_record.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace motiview;
using enum StatusField;

namespace {

constexpr std::string_view kTime = "2024-06-11T08:00:00.600+02:00";

Unit frame_of(const StatusValues& v) {
    Unit u = controller_frame(UnitKind::Status).value();
    write_status(v, u);
    return u;
}

Unit frame_with(std::int32_t faults, std::int32_t state) {
    StatusValues v;
    v.set(Vdc, 4820);
    v.set(CurrentFaults, faults);
    v.set(State, state);
    v.set(Gear, 2);
    return frame_of(v);
}

std::string file_of(const std::vector<std::string>& lines) {
    std::string text = record_header() + "\n";
    for (const std::string& l : lines) {
        text += l + "\n";
    }
    return text;
}

std::vector<std::string> columns_of(const std::string& line) {
    std::vector<std::string> out(1);
    for (const char c : line) {
        if (c == ',') {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

std::size_t column(std::string_view key) {
    const std::vector<std::string> header = columns_of(record_header());
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == key) {
            return i;
        }
    }
    ADD_FAILURE() << "no column " << key;
    return 0;
}

// A row with one column replaced; the row holds no quoted separators.
std::string with_column(const std::string& row, std::string_view key, const std::string& value) {
    std::vector<std::string> cols = columns_of(row);
    cols[column(key)] = value;
    std::string out = cols.front();
    for (std::size_t i = 1; i < cols.size(); ++i) {
        out += "," + cols[i];
    }
    return out;
}

std::vector<std::size_t> lines_of(const Recording& r) {
    std::vector<std::size_t> lines;
    for (const RecordedRow& row : r.rows) {
        lines.push_back(row.line);
    }
    return lines;
}

// Every value of each width's range edges, every byte value of the one-byte columns (all states
// and gears, named or not, every flag and input bit), single bits and a stride through the
// words (currents below zero, fault bits without a name), then whole random frames.
std::vector<Unit> edge_frames() {
    std::vector<Unit> frames;
    for (const StatusRow& r : kStatusLayout) {
        const std::int32_t lo = width_min(r.width);
        const std::int32_t hi = width_max(r.width);
        std::vector<std::int32_t> values{lo, lo + 1, -1, 0, 1, hi - 1, hi};
        if (r.width == Width::U8) {
            values.clear();
            for (std::int32_t b = 0; b <= 255; ++b) {
                values.push_back(b);
            }
        } else {
            for (int bit = 0; bit < 15; ++bit) {
                values.push_back(1 << bit);
                values.push_back(-(1 << bit));
            }
            values.push_back(0x8000);
            for (std::int32_t v = lo; v <= hi; v += 97) {
                values.push_back(v);
            }
        }
        for (const std::int32_t v : values) {
            if (v < lo || v > hi) {
                continue;
            }
            StatusValues s;
            s.set(r.field, v);
            frames.push_back(frame_of(s));
        }
    }
    std::mt19937 rng(20240611);
    for (int i = 0; i < 300; ++i) {
        StatusValues s;
        for (const StatusRow& r : kStatusLayout) {
            s.set(r.field, std::uniform_int_distribution<std::int32_t>(width_min(r.width),
                                                                       width_max(r.width))(rng));
        }
        frames.push_back(frame_of(s));
    }
    return frames;
}

// ---- every value back as the same row ----------------------------------------------------

TEST(RecordingFile, EveryValueReadsBackAsTheSameRowAndPanel) {
    // Times as the recorder writes them, and one that needs quoting.
    const std::vector<std::string> times{std::string(kTime), "08:00:00,5 \"local\""};
    const std::vector<Unit> frames = edge_frames();
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        rows.push_back(record_row(frames[i], times[i % times.size()],
                                  static_cast<long long>(i * 100 + i % 7)));
    }
    const Result<Recording> r = read_recording(file_of(rows));
    ASSERT_TRUE(r.ok()) << r.error().message;
    for (const std::size_t line : r->skippedLines) {
        ADD_FAILURE() << "skipped " << rows[line - 2];
    }
    ASSERT_EQ(r->rows.size(), frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const RecordedRow& row = r->rows[i];
        SCOPED_TRACE(rows[i]);
        EXPECT_EQ(row.line, i + 2);
        EXPECT_EQ(row.text, rows[i]);
        EXPECT_EQ(row.time, times[i % times.size()]);
        EXPECT_EQ(row.elapsedMs, static_cast<std::int64_t>(i * 100 + i % 7));
        EXPECT_EQ(record_row(row.frame, row.time, row.elapsedMs), rows[i]);
        EXPECT_EQ(panel_values(row.frame), panel_values(frames[i]));
        EXPECT_EQ(classify(row.frame).kind, UnitKind::Status);
    }
}

// ---- damaged rows ----------------------------------------------------------------------

TEST(RecordingFile, DamagedRowsAreSkippedByLineAndTheirNeighboursKept) {
    const Unit faulty = frame_with(0x0404, 3); // hall and over-voltage, RUN
    const std::string first = record_row(faulty, kTime, 500);
    const std::string row = record_row(faulty, kTime, 600);
    const std::string last = record_row(faulty, kTime, 1000);
    struct Case {
        std::string name;
        std::string line;
        bool skipped;
    };
    const std::vector<Case> cases{
        {"too few columns", row.substr(0, row.rfind(',')), true},
        {"too many columns", row + ",0", true},
        {"bad number", with_column(row, "vdc_v", "4x.20"), true},
        {"more decimals than stored", with_column(row, "vdc_v", "48.205"), true},
        {"number beyond its width", with_column(row, "vdc_v", "655.36"), true},
        {"rounded number beyond its width", with_column(row, "throttle_v", "6.555"), true},
        {"number no stored value shows", with_column(row, "motor_temp_c", "47"), true},
        {"number with exponent", with_column(row, "speed_rpm", "1e3"), true},
        {"bad hex", with_column(row, "flags_hex", "0xZZ"), true},
        {"hex without 0x", with_column(row, "flags_hex", "41"), true},
        {"hex beyond its width", with_column(row, "flags_hex", "0x100"), true},
        {"unknown state name", with_column(row, "state", "RUNNING"), true},
        {"state number that has a name", with_column(row, "state", "3"), true},
        {"unknown gear name", with_column(row, "gear", "PARK"), true},
        {"fault names not the word's", with_column(row, "current_faults", "hall"), true},
        {"negative elapsed", with_column(row, "elapsed_s", "-0.100"), true},
        {"elapsed going back", with_column(row, "elapsed_s", "0.400"), true},
        {"unclosed quote", "\"" + row, true},
        {"text after a closing quote", "\"a\"b" + row.substr(row.find(',')), true},
        {"binary garbage", std::string("\x00\xff\xfe,\x01\"\x80\x1b", 8), true},
        {"separators only", std::string(21, ','), true},
        {"a second header", record_header(), true},
        {"empty line", "", false},
        {"blanks", " \t ", false},
        {"carriage return alone", "\r", false},
        {"same elapsed as before", with_column(row, "elapsed_s", "0.500"), false},
        {"quoted time", "\"" + std::string(kTime) + "\"" + row.substr(row.find(',')), false},
        {"lower-case hex", with_column(row, "flags_hex", "0x0a"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<Recording> r = read_recording(file_of({first, c.line, last}));
        ASSERT_TRUE(r.ok());
        if (c.skipped) {
            EXPECT_EQ(lines_of(*r), (std::vector<std::size_t>{2, 4}));
            EXPECT_EQ(r->skippedLines, std::vector<std::size_t>{3});
        } else {
            EXPECT_TRUE(r->skippedLines.empty());
            EXPECT_EQ(lines_of(*r).back(), 4U);
        }
        ASSERT_FALSE(r->rows.empty());
        EXPECT_EQ(r->rows.front().text, first);
        EXPECT_EQ(r->rows.back().text, last);
    }
}

TEST(RecordingFile, EveryCutOfTheLastLineIsSkipped) {
    // A recording whose last write was cut off: whatever column the cut falls in, the row is
    // refused (the fault names check the word), the rows before it kept.
    const Unit faulty = frame_with(0x0404, 6);
    const std::string first = record_row(faulty, kTime, 0);
    const std::string last = record_row(faulty, kTime, 100);
    for (std::size_t length = 1; length < last.size(); ++length) {
        SCOPED_TRACE(last.substr(0, length));
        const Result<Recording> r = read_recording(file_of({first}) + last.substr(0, length));
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(lines_of(*r), std::vector<std::size_t>{2});
        EXPECT_EQ(r->skippedLines, std::vector<std::size_t>{3});
    }
    const Result<Recording> whole = read_recording(file_of({first}) + last);
    ASSERT_TRUE(whole.ok());
    EXPECT_EQ(lines_of(*whole), (std::vector<std::size_t>{2, 3}));
}

// ---- the header ------------------------------------------------------------------------

TEST(RecordingFile, TheHeaderDecidesWhetherItIsARecording) {
    const std::string row = record_row(frame_with(0, 3), kTime, 0);
    const std::string bom = "\xEF\xBB\xBF";
    std::string other = record_header();
    other.replace(other.find("vdc_v"), 5, "vdc");
    struct Case {
        std::string name;
        std::string text;
        bool ok;
        std::size_t rows;
    };
    const std::vector<Case> cases{
        {"empty file", "", false, 0},
        {"only a byte order mark", bom, false, 0},
        {"another header", other + "\n" + row + "\n", false, 0},
        {"header with a trailing blank", record_header() + " \n" + row + "\n", false, 0},
        {"rows without a header", row + "\n" + row + "\n", false, 0},
        {"binary", std::string("\x00\x01\x02\n", 4), false, 0},
        {"only the header", record_header(), true, 0},
        {"the header and a line end", record_header() + "\r\n", true, 0},
        {"the header and blank lines", record_header() + "\n\n \n\r\n", true, 0},
        {"line ends CR LF", record_header() + "\r\n" + row + "\r\n" + row + "\r\n", true, 2},
        {"a byte order mark", bom + record_header() + "\n" + row + "\n", true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Result<Recording> r = read_recording(c.text);
        ASSERT_EQ(r.ok(), c.ok);
        if (!c.ok) {
            EXPECT_EQ(r.error().message, "expected the header " + record_header());
            continue;
        }
        EXPECT_EQ(r->rows.size(), c.rows);
        EXPECT_TRUE(r->skippedLines.empty());
        for (const RecordedRow& rr : r->rows) {
            EXPECT_EQ(rr.text, row); // without its line end
        }
    }
}

TEST(RecordingFile, SkippedRowsAreToldByLine) {
    const std::vector<std::pair<std::vector<std::size_t>, std::string>> cases{
        {{}, ""},
        {{5}, "1 row skipped: line 5"},
        {{17, 18, 40}, "3 rows skipped: lines 17, 18, 40"},
        {{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, "10 rows skipped: lines 2, 3, 4, 5, 6, 7, 8, 9, 10, 11"},
        {{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         "11 rows skipped: lines 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, ..."},
    };
    for (const auto& [lines, text] : cases) {
        Recording r;
        r.skippedLines = lines;
        EXPECT_EQ(skipped_text(r), text);
    }
}

// ---- the plot's store and markers ------------------------------------------------------

TEST(RecordingFile, TheStoreHoldsTheSamplesAndMarkersOfTheLivePlot) {
    // Faults coming and going, the second hall bit, a bit without a name, state changes with
    // an unknown code, two rows at the same time.
    const std::vector<std::pair<std::int32_t, std::int32_t>> changes{
        {0x0000, 0}, {0x0004, 1}, {0x0004, 3},   {0x0404, 3}, {0x0406, 3},
        {0x0402, 6}, {0x8402, 9}, {0x0000, 255}, {0x0000, 3}, {0xFFFF, 6},
        {0x1000, 6}, {0x2000, 4}, {0x4000, 4},   {0x0000, 0}, {0x0000, 0},
    };
    SampleStore live(changes.size(), 100);
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const auto ms = static_cast<std::int64_t>(i == 3 ? 200 : i * 100);
        const Unit f = frame_with(changes[i].first, changes[i].second);
        live.add(ms, f);
        rows.push_back(record_row(f, kTime, ms));
    }
    const Result<Recording> r = read_recording(file_of(rows));
    ASSERT_TRUE(r.ok());
    const SampleStore store = sample_store_of(*r);
    EXPECT_EQ(store.capacity(), changes.size());
    ASSERT_EQ(store.size(), live.size());
    for (std::size_t i = 0; i < live.size(); ++i) {
        EXPECT_EQ(store.time(i), live.time(i));
        for (const PanelChannelInfo& c : kPanelChannels) {
            EXPECT_EQ(store.value(c.channel, i), live.value(c.channel, i)) << c.column;
        }
    }
    const auto markers = [](const SampleStore& s) {
        std::vector<std::pair<std::int64_t, std::string>> out;
        for (std::size_t i = 0; i < s.events().size(); ++i) {
            out.emplace_back(s.events()[i].timeMs, event_text(s.events()[i]));
        }
        return out;
    };
    EXPECT_EQ(markers(store), markers(live));
    EXPECT_GE(markers(live).size(), 20U);
}

TEST(RecordingFile, TheStoreKeepsEveryMarkerOfALongRecording) {
    // More state changes than the live plot's event ring holds.
    const std::size_t n = kDefaultEventCapacity + 500;
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < n; ++i) {
        rows.push_back(
            record_row(frame_with(0, i % 2 == 0 ? 3 : 4), kTime, static_cast<long long>(i * 100)));
    }
    const Result<Recording> r = read_recording(file_of(rows));
    ASSERT_TRUE(r.ok());
    const SampleStore store = sample_store_of(*r);
    ASSERT_EQ(store.events().size(), n);
    EXPECT_EQ(event_text(store.events()[0]), "state: RUN");
    EXPECT_EQ(event_text(store.events()[n - 1]), "state: RUN -> STOP");

    const SampleStore none = sample_store_of(Recording{});
    EXPECT_EQ(none.capacity(), 1U);
    EXPECT_EQ(none.size(), 0U);
}

// ---- a trimmed recording ---------------------------------------------------------------

TEST(RecordingFile, RowsBetweenCutsTheSourceRowsAndReadsBack) {
    const std::vector<std::int64_t> times{0, 100, 200, 300, 300, 400, 500};
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < times.size(); ++i) {
        rows.push_back(record_row(frame_with(static_cast<std::int32_t>(i), 3),
                                  i == 2 ? "quoted, \"time\"" : kTime, times[i]));
    }
    const Result<Recording> r = read_recording(file_of(rows));
    ASSERT_TRUE(r.ok());
    struct Case {
        std::int64_t from;
        std::int64_t to;
        std::size_t first; // index of the first row in range
        std::size_t count;
    };
    const std::vector<Case> cases{
        {0, 500, 0, 7},   {100, 300, 1, 4}, {101, 299, 2, 1}, {300, 300, 3, 2},
        {350, 399, 0, 0}, {600, 900, 0, 0}, {400, 100, 0, 0}, {-100, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + ".." + std::to_string(c.to));
        const std::vector<std::string> expected(rows.begin() + static_cast<long>(c.first),
                                                rows.begin() +
                                                    static_cast<long>(c.first + c.count));
        const std::string cut = rows_between(*r, c.from, c.to);
        EXPECT_EQ(cut, file_of(expected));
        const Result<Recording> back = read_recording(cut);
        ASSERT_TRUE(back.ok());
        ASSERT_EQ(back->rows.size(), c.count);
        for (std::size_t i = 0; i < c.count; ++i) {
            const RecordedRow& source = r->rows[c.first + i];
            EXPECT_EQ(back->rows[i].text, source.text);
            EXPECT_EQ(back->rows[i].time, source.time);
            EXPECT_EQ(back->rows[i].elapsedMs, source.elapsedMs);
            EXPECT_EQ(back->rows[i].frame, source.frame);
        }
    }
}

// ---- an hour of rows -------------------------------------------------------------------

TEST(RecordingFile, AnHourAtTenRowsASecondReadsCompletely) {
    constexpr std::size_t kRows = 36000;
    const std::array<Unit, 3> frames{frame_with(0, 3), frame_with(0x0404, 6), frame_with(0, 0)};
    std::string text = record_header() + "\n";
    for (std::size_t i = 0; i < kRows; ++i) {
        text += record_row(frames[i % 3], kTime, static_cast<long long>(i * 100));
        text += '\n';
    }
    const Result<Recording> r = read_recording(text);
    ASSERT_TRUE(r.ok());
    ASSERT_EQ(r->rows.size(), kRows);
    EXPECT_TRUE(r->skippedLines.empty());
    EXPECT_EQ(r->rows.back().elapsedMs, 3599900);
    EXPECT_EQ(r->rows.back().frame, frames[(kRows - 1) % 3]);
    EXPECT_EQ(sample_store_of(*r).size(), kRows);
}

} // namespace
