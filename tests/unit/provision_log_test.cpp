// The production line's log: lines a quality system reads back field by field, the header a run
// appends under, and the serial numbers met before.
#include "jobs/provision_log.h"

#include <gtest/gtest.h>

#include <string>

using namespace motiview;

namespace {

ProvisionRecord unit(std::string serial, std::string verdict) {
    ProvisionRecord r;
    r.time = "2026-12-10T10:42:07+01:00";
    r.port = "/dev/ttyUSB0";
    r.serial = std::move(serial);
    r.userName = "LINE 4";
    r.verdict = std::move(verdict);
    r.pagesWritten = 3;
    r.pagesUnchanged = 7;
    r.seconds = 1.234;
    return r;
}

struct LineCase {
    const char* what;
    ProvisionRecord record;
    const char* expected;
};

TEST(ProvisionLog, LinesHaveEveryColumnQuotedOnlyWhereNeeded) {
    ProvisionRecord failed = unit("1302-13-27-1-26", "failed");
    failed.failedPage = "basic";
    failed.failedFields = {"txtMaxspeed", "txtEcospeed"};
    failed.currentFaults = {"over-current", "hall"};
    ProvisionRecord odd = unit("1302-13-27-1-26", "ok");
    odd.userName = "Line \"4\", left";
    odd.note = "again; first at 10:42:07";
    ProvisionRecord blank;
    blank.verdict = "no-answer";
    for (const LineCase& c : {
             LineCase{"ok", unit("1302-13-27-1-26", "ok"),
                      "2026-12-10T10:42:07+01:00,/dev/ttyUSB0,1302-13-27-1-26,LINE "
                      "4,ok,3,7,,,,,1.23,"},
             LineCase{"lists", failed,
                      "2026-12-10T10:42:07+01:00,/dev/ttyUSB0,1302-13-27-1-26,LINE "
                      "4,failed,3,7,basic,txtMaxspeed;txtEcospeed,over-current;hall,,1.23,"},
             LineCase{"quotes", odd,
                      "2026-12-10T10:42:07+01:00,/dev/ttyUSB0,1302-13-27-1-26,\"Line \"\"4\"\", "
                      "left\",ok,3,7,,,,,1.23,again; first at 10:42:07"},
             LineCase{"nothing_known", blank, ",,,,no-answer,0,0,,,,,0.00,"},
         }) {
        SCOPED_TRACE(c.what);
        const std::string line = provision_line(c.record);
        EXPECT_EQ(line, c.expected);
        // Every line has the header's columns, wherever a quote or a comma stands.
        const std::string back = std::string(kProvisionHeader) + "\n" + line + "\n";
        const auto serials = provisioned_serials(back);
        EXPECT_EQ(serials.size(), c.record.serial.empty() ? 0U : 1U);
    }
}

TEST(ProvisionLog, OnlyAnEmptyFileOrOneWithTheHeaderIsAppendedTo) {
    const std::string header(kProvisionHeader);
    EXPECT_TRUE(provision_log_matches(""));
    EXPECT_TRUE(provision_log_matches(header + "\n"));
    EXPECT_TRUE(provision_log_matches(header + "\r\n"));
    EXPECT_TRUE(provision_log_matches(header)); // cut before its line end
    EXPECT_FALSE(provision_log_matches("time,port,serial\n"));
    EXPECT_FALSE(provision_log_matches("hello\n" + header + "\n"));
    EXPECT_FALSE(provision_log_matches(header + ",extra\n"));
}

TEST(ProvisionLog, ASerialMetAgainIsNotedWithTheTimeOfItsFirstLine) {
    ProvisionRecord later = unit("A-1", "ok");
    later.time = "2026-12-10T11:00:00+01:00";
    ProvisionRecord quoted = unit("B,2", "failed");
    const std::string text = std::string(kProvisionHeader) + "\n" +
                             provision_line(unit("A-1", "failed")) + "\n" + provision_line(quoted) +
                             "\n" + provision_line(later) + "\n";
    const auto serials = provisioned_serials(text);
    ASSERT_EQ(serials.size(), 2U);
    EXPECT_EQ(serials.at("A-1"), "2026-12-10T10:42:07+01:00"); // the first line wins
    EXPECT_EQ(serials.at("B,2"), "2026-12-10T10:42:07+01:00");
    EXPECT_EQ(again_note(serials.at("A-1")), "again; first at 10:42:07");
    EXPECT_EQ(again_note("10:42:07"), "again; first at 10:42:07");
}

} // namespace
