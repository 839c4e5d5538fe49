// motiview-cli as a process: what it prints on stdout and stderr and how it exits, in the C
// locale and, where the system has it, in a German one.

#include "base/bytes.h"
#include "base/number_text.h"
#include "link/receiver.h"
#include "monitor/status_frame.h"

#include "case_names.h"
#include "cli.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct ProcessRun {
    int code = -1;
    std::string out;
    std::string err;
};

std::string slurp(std::FILE* f) {
    std::string s;
    std::rewind(f);
    char buf[4096];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        s.append(buf, n);
    }
    std::fclose(f);
    return s;
}

// Runs the tool with the given arguments under LC_ALL=locale; the caller's own locale
// variables are dropped so that only `locale` decides the number format.
ProcessRun run_cli(const std::vector<std::string>& args, const std::string& locale = "C") {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string var = *e;
        if (var.starts_with("LC_") || var.starts_with("LANG=") || var.starts_with("LANGUAGE=")) {
            continue;
        }
        env.push_back(var);
    }
    env.push_back("LC_ALL=" + locale);

    std::vector<std::string> argv{MOTIVIEW_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> cargv;
    for (std::string& a : argv) {
        cargv.push_back(a.data());
    }
    cargv.push_back(nullptr);
    std::vector<char*> cenv;
    for (std::string& e : env) {
        cenv.push_back(e.data());
    }
    cenv.push_back(nullptr);

    ProcessRun r;
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    if (out == nullptr || err == nullptr) {
        ADD_FAILURE() << "no temporary files";
        return r;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fileno(out), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fileno(err), STDERR_FILENO);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, cargv[0], &actions, nullptr, cargv.data(), cenv.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << cargv[0] << ": " << std::strerror(spawned);
        std::fclose(out);
        std::fclose(err);
        return r;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = slurp(out);
    r.err = slurp(err);
    return r;
}

bool has_german_locale() {
    std::FILE* p = popen("locale -a 2>/dev/null", "r");
    if (p == nullptr) {
        return false;
    }
    std::string all;
    char buf[4096];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) {
        all.append(buf, n);
    }
    pclose(p);
    std::istringstream lines(all);
    for (std::string line; std::getline(lines, line);) {
        if (line == "de_DE.utf8" || line == "de_DE.UTF-8") {
            return true;
        }
    }
    return false;
}

// Design-time write frames, derived by hand from the page tables.
const std::string kModeSetDesign = "D7 C8 14 32 32 50 32 78 78 96 B4 78 03 03 0A 02 0F 14 00 00 "
                                   "00 00 00 00 00 00 00 00 00 00 00 DA";
const std::string kHardwareDesign = "FB EE 00 00 37 00 00 00 16 05 0D 00 01 00 1A 0A 00 20 04 03 "
                                    "00 03 00 00 00 01 01 01 0C 43 32 DA";
// An Other reply with every byte bound (bit 6 of byte 8 clear).
const std::string kOtherReplyTail = "05 10 03 40 20 21 83 40 1F 10 27 00 00 40 9C 01 00 02 00 03 "
                                    "00 04 00 05 00 06 00 07 08 DA";

struct CliCase {
    const char* what;
    std::vector<std::string> args;
    int code;
    std::string out;              // exact stdout
    std::vector<std::string> err; // pieces stderr must contain; empty: stderr must be empty
};

void PrintTo(const CliCase& c, std::ostream* os) {
    *os << c.what;
}

class CliRun : public ::testing::TestWithParam<CliCase> {};

TEST_P(CliRun, PrintsAndExits) {
    const CliCase& c = GetParam();
    const ProcessRun r = run_cli(c.args);
    EXPECT_EQ(r.code, c.code) << r.err;
    if (c.out.starts_with("{")) {
        // One JSON object on one line: the same keys in the same order, the same texts.
        EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
        EXPECT_EQ(nlohmann::ordered_json::parse(r.out, nullptr, false),
                  nlohmann::ordered_json::parse(c.out))
            << r.out;
    } else {
        EXPECT_EQ(r.out, c.out);
    }
    if (c.err.empty()) {
        EXPECT_EQ(r.err, "");
    }
    for (const std::string& piece : c.err) {
        EXPECT_NE(r.err.find(piece), std::string::npos) << "stderr: " << r.err;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Encode, CliRun,
    ::testing::Values(
        CliCase{"mode set design frame", {"encode", "mode-set"}, 0, kModeSetDesign + "\n", {}},
        CliCase{"hardware design frame", {"encode", "hardware"}, 0, kHardwareDesign + "\n", {}},
        CliCase{"page by window name",
                {"encode", "frmModeSet", "txtMaxRegQ=500"},
                0,
                "D7 C8 14 32 32 50 32 78 78 96 B4 78 03 03 01 02 0F 14 00 00 00 00 00 00 00 00 00 "
                "00 00 00 00 DA\n",
                {}},
        CliCase{
            "throttle and a full-range step",
            {"encode", "other", "txtThrottleL=0.8", "txtConstBwPT1=40000"},
            0,
            "FE EF 01 FF 00 17 96 64 00 40 1F FF FF FF FF 40 9C F4 01 90 01 5E 01 40 01 FA 00 E6 "
            "00 C8 B4 DA\n",
            {}},
        CliCase{
            "check boxes",
            {"encode", "other", "Chk_Tab6_BoostEnable=1", "Chk_Tab6_ECO_EN=1"},
            0,
            "FE EF 01 FF 00 17 96 64 81 FF FF FF FF FF FF F4 01 F4 01 90 01 5E 01 40 01 FA 00 E6 "
            "00 C8 B4 DA\n",
            {}},
        CliCase{"reply written back",
                {"encode", "other", "--from", "FE EE " + kOtherReplyTail},
                0,
                "FE EF " + kOtherReplyTail + "\n",
                {}},
        CliCase{"reply then an edit",
                {"encode", "other", "--from=FE EE " + kOtherReplyTail, "txtTrefmidspeed=3050"},
                0,
                "FE EF 05 10 1E 40 20 21 83 40 1F 10 27 00 00 40 9C 01 00 02 00 03 00 04 00 05 00 "
                "06 00 07 08 DA\n",
                {}},
        CliCase{
            "counter reset answer as the hardware reply",
            {"encode", "hardware", "--from",
             "FB EC 11 22 49 33 44 55 16 05 0D 1B 01 00 1A 0A 00 20 04 03 00 03 07 01 00 01 03 "
             "02 0C 43 32 DA"},
            0,
            "FB EE 00 00 49 00 00 00 16 05 0D 00 01 00 1A 0A 00 20 04 03 00 03 00 01 00 01 03 02 "
            "0C 43 32 DA\n",
            {}},
        CliCase{"refused design text", {"encode", "derate"}, 2, "", {"txtFluxSTspeed", "Text1"}},
        CliCase{"refused flux sign",
                {"encode", "flux-weaken", "txtFluxSign=-2"},
                2,
                "",
                {"txtFluxSign"}},
        CliCase{
            "refused empty text", {"encode", "mode-set", "txtIdcMode3="}, 2, "", {"txtIdcMode3"}}),
    motiview::test::ByLabel<&CliCase::what>{});

INSTANTIATE_TEST_SUITE_P(
    BadArguments, CliRun,
    ::testing::Values(
        CliCase{"no command", {}, 64, "", {"no command"}},
        CliCase{"unknown command", {"frobnicate"}, 64, "", {"frobnicate"}},
        CliCase{"no page", {"encode"}, 64, "", {"hardware"}},
        CliCase{"unknown page", {"encode", "nopage"}, 64, "", {"nopage"}},
        CliCase{"unknown control", {"encode", "other", "txtNope=1"}, 64, "", {"txtNope"}},
        CliCase{"not NAME=TEXT", {"encode", "other", "garbage"}, 64, "", {"garbage"}},
        CliCase{"unknown list item",
                {"encode", "hardware", "cmbHallCType=H9"},
                64,
                "",
                {"cmbHallCType"}},
        CliCase{"bad check value",
                {"encode", "other", "Chk_Tab6_ECO_EN=7"},
                64,
                "",
                {"Chk_Tab6_ECO_EN"}},
        CliCase{"short --from", {"encode", "other", "--from", "FE EE DA"}, 64, "", {"32"}},
        CliCase{"--from of another page",
                {"encode", "derate", "--from", "FE EE " + kOtherReplyTail},
                64,
                "",
                {"derate"}},
        CliCase{"--from without bytes", {"encode", "other", "--from"}, 64, "", {"--from"}},
        CliCase{"decode nothing", {"decode"}, 64, "", {"no hex"}},
        CliCase{"decode short", {"decode", "FE EE DA"}, 64, "", {"32"}},
        CliCase{"decode not hex", {"decode", "FE EE ZZ"}, 64, "", {"32"}},
        CliCase{"decode unknown option", {"decode", "--xml", "FE"}, 64, "", {"--xml"}}),
    motiview::test::ByLabel<&CliCase::what>{});

INSTANTIATE_TEST_SUITE_P(
    Decode, CliRun,
    ::testing::Values(
        CliCase{"mode set reply as JSON",
                {"decode", "--json",
                 "D7 C7 14 32 32 50 32 78 78 96 B4 78 03 03 0A 02 0F 14 AA AA AA AA AA AA AA AA AA "
                 "AA AA AA AA DA"},
                0,
                "{\"kind\": \"parameter-reply\", \"page\": \"mode-set\", \"fields\": "
                "{\"txtSpeedMode1\": \"200\", \"txtSpeedMode2\": \"500\", \"txtSpeedMode3\": "
                "\"500\", \"txtSpeedMode4\": \"800\", \"txtIdcMode1\": \"50\", \"txtIdcMode2\": "
                "\"120\", \"txtIdcMode3\": \"120\", \"txtIdcMode4\": \"150\", \"txtIdcMode5\": "
                "\"180\", \"txtBstRatioIac\": \"120\", \"txtBstActiveSec\": \"3\", "
                "\"txtDelaySpeedMode\": \"3\", \"txtMaxRegQ\": \"-1000\", \"txtRegMinSpeed\": "
                "\"200\", \"txtRegAcc1\": \"1500\", \"txtRegDec1\": \"2000\"}}\n",
                {}},
        CliCase{"flux reply as lines, split over arguments",
                {"decode", "D6C6FF00", "0A00 A000 4001", "0505050505 6E6E6E 14141414 463C",
                 "64 91 91 96 A0 FF 01 DA"},
                0,
                "kind=parameter-reply\npage=flux-weaken\ntxtFluxSign=-1\ntxtStartupMS=10\n"
                "txtStartupLS=160\ntxtStartupHS=320\ntxtIdP0=5\ntxtIdP1=5\ntxtIdP2=5\ntxtIdP3=5\n"
                "txtIdP4=5\ntxtIdP5=110\ntxtIdP6=110\ntxtIdP7=110\ntxtIdP8=20\ntxtIdP9=20\n"
                "txtIdP10=20\ntxtIdP11=20\ntxtIdP12=70\ntxtIdP13=60\ntxtId_HP9=100\n"
                "txtId_HP10=145\ntxtId_HP11=145\ntxtId_HP12=150\ntxtId_HP13=160\n"
                "txtPrintfP=255\ntxtPrintfSW=1\n",
                {}},
        CliCase{"other acknowledgement",
                {"decode", "--json",
                 "FE EF 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                 "00 00 00 00 DA"},
                0,
                "{\"kind\": \"write-ack\", \"page\": \"other\", \"text\": \"Other set "
                "successfull!\"}\n",
                {}},
        CliCase{"throttle warning",
                {"decode",
                 "FF FE 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                 "00 00 00 00 DA"},
                0,
                "kind=throttle-warning\ntext=" + std::string(motiview::kThrottleWarningText) + "\n",
                {}},
        CliCase{"hall A running",
                {"decode", "--json",
                 "FF FD 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                 "00 00 00 00 DA"},
                0,
                "{\"kind\": \"hall-a-running\", \"text\": \"Group Hall A is under testing.\"}\n",
                {}},
        CliCase{"broken unit",
                {"decode",
                 "FE EE 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                 "00 00 00 00 00"},
                3,
                "kind=broken\n",
                {"broken", "0x00"}},
        CliCase{"broken unit as JSON",
                {"decode", "--json",
                 "FE EE 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                 "00 00 00 00 DB"},
                3,
                "{\"kind\": \"broken\"}\n",
                {"0xDB"}}),
    motiview::test::ByLabel<&CliCase::what>{});

// A page's decoded text for a field: the line NAME=... of `decode` output.
std::string field_line(const std::string& out, const std::string& name) {
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(name + "=")) {
            return line.substr(name.size() + 1);
        }
    }
    return "<missing>";
}

TEST(CliDecode, HardwareReplyShowsEveryBoundField) {
    const ProcessRun r =
        run_cli({"decode", "FB ED 00 00 49 00 00 00 16 05 0D 1B 01 00 1A 0A 00 20 04 03 00 03 07 "
                           "05 00 01 00 07 0C 43 32 DA"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(field_line(r.out, "cmbForward"), "H");
    EXPECT_EQ(field_line(r.out, "cmbBackward"), "L");
    EXPECT_EQ(field_line(r.out, "ChkBrakeLevelH"), "1");
    EXPECT_EQ(field_line(r.out, "ChkBrakeLevelL"), "1");
    EXPECT_EQ(field_line(r.out, "txtSNNum"), "1");
    EXPECT_EQ(field_line(r.out, "txtcIdcCalibNum"), "7");
    EXPECT_EQ(field_line(r.out, "ChkLockEV"), "1");
    EXPECT_EQ(field_line(r.out, "cmbHallCType"), "");
    EXPECT_EQ(field_line(r.out, "cmbPhaseCType"), "");
    // On the page but in no byte: the unit says nothing about them.
    EXPECT_EQ(field_line(r.out, "txtIcADC128A"), "<missing>");
    EXPECT_EQ(field_line(r.out, "txtIdcCalibF_All"), "<missing>");
}

TEST(CliDecode, HallDoneShowsTheBlockAndTheText) {
    std::string hex = "FF FC";
    for (int i = 2; i < 31; ++i) {
        hex += " 00";
    }
    hex += " DA";
    const ProcessRun r = run_cli({"decode", hex});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_TRUE(
        r.out.starts_with("kind=hall-a-done\npage=motor\ntext=Group Hall A test is done.\n"))
        << r.out;
    EXPECT_GT(std::count(r.out.begin(), r.out.end(), '\n'), 3);
}

// A status frame with live values and one fault: the JSON carries every label the status
// decoder produces, their colours and the descriptions it shows.
TEST(CliDecode, StatusFrameAsJson) {
    motiview::Unit frame{};
    frame[0] = 0xDF;
    frame[1] = 0xEF;
    for (std::size_t i = 2; i < 31; ++i) {
        frame[i] = static_cast<std::uint8_t>(0x11 * i);
    }
    frame[31] = motiview::kEndByte;
    const ProcessRun r = run_cli({"decode", "--json", motiview::to_hex(frame)});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const auto j = nlohmann::ordered_json::parse(r.out, nullptr, false);
    ASSERT_TRUE(j.is_object()) << r.out;
    EXPECT_EQ(j.value("kind", ""), "status");

    const motiview::StatusView view = motiview::decode_status(frame, motiview::NumberFormat{});
    ASSERT_FALSE(view.labels.empty());
    ASSERT_TRUE(j.contains("fields") && j.contains("colors") && j.contains("visible"));
    // Every label with its text, in the decoder's order; a colour where it sets one.
    ASSERT_EQ(j["fields"].size(), view.labels.size());
    std::size_t k = 0;
    for (const auto& [label, text] : j["fields"].items()) {
        EXPECT_EQ(label, view.labels[k].label);
        EXPECT_EQ(text, view.labels[k].text) << label;
        ++k;
    }
    for (const motiview::LabelUpdate& l : view.labels) {
        if (l.color != motiview::TextColor::Unchanged) {
            EXPECT_EQ(j["colors"].value(std::string(l.label), ""),
                      l.color == motiview::TextColor::Red ? "red" : "green")
                << l.label;
        } else {
            EXPECT_FALSE(j["colors"].contains(std::string(l.label))) << l.label;
        }
    }
    // Bytes 19-20 carry a nonzero current fault word: the title and some cells show it.
    std::vector<std::string> visible = j["visible"].get<std::vector<std::string>>();
    EXPECT_NE(std::find(visible.begin(), visible.end(), "lblErrTitle"), visible.end());
    for (const motiview::VisibilityUpdate& v : view.visibility) {
        const bool listed =
            std::find(visible.begin(), visible.end(), std::string(v.label)) != visible.end();
        EXPECT_EQ(listed, v.visible) << v.label;
    }
}

TEST(CliHelp, NamesTheLocaleRule) {
    const ProcessRun r = run_cli({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("encode PAGE"), std::string::npos);
    EXPECT_NE(r.out.find("LC_ALL=de_DE.UTF-8"), std::string::npos);
    EXPECT_NE(r.out.find("flux-weaken"), std::string::npos);
}

// The same commands in two locales: the number format follows LC_ALL.
struct LocaleCase {
    const char* what;
    std::vector<std::string> args;
    std::string field; // decode: NAME to look at; encode: empty
    std::string expect;
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
    *os << c.what;
}

const std::string kThrottleReply = "FE EE 01 FF 00 17 96 64 00 40 1F FF FF FF FF F4 01 F4 01 90 01 "
                                   "5E 01 40 01 FA 00 E6 00 C8 B4 DA";

class GermanLocale : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(GermanLocale, UsesCommaAndDot) {
    if (!has_german_locale()) {
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    }
    const LocaleCase& c = GetParam();
    const ProcessRun r = run_cli(c.args, "de_DE.UTF-8");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(c.field.empty() ? r.out : field_line(r.out, c.field), c.expect);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GermanLocale,
    ::testing::Values(
        LocaleCase{
            "decimal comma and group dot",
            {"encode", "other", "txtThrottleL=0,8", "txtConstBwPT1=1.234"},
            "",
            "FE EF 01 FF 00 17 96 64 00 40 1F FF FF FF FF D2 04 F4 01 90 01 5E 01 40 01 FA 00 "
            "E6 00 C8 B4 DA\n"},
        LocaleCase{"shown with a comma", {"decode", kThrottleReply}, "txtThrottleL", "0,800"}),
    motiview::test::ByLabel<&LocaleCase::what>{});

class CLocale : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(CLocale, UsesDot) {
    const LocaleCase& c = GetParam();
    const ProcessRun r = run_cli(c.args, "C");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(c.field.empty() ? r.out : field_line(r.out, c.field), c.expect);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CLocale,
    ::testing::Values(
        LocaleCase{
            "decimal dot and group comma",
            {"encode", "other", "txtThrottleL=0.8", "txtConstBwPT1=1,234"},
            "",
            "FE EF 01 FF 00 17 96 64 00 40 1F FF FF FF FF D2 04 F4 01 90 01 5E 01 40 01 FA 00 "
            "E6 00 C8 B4 DA\n"},
        LocaleCase{"shown with a dot", {"decode", kThrottleReply}, "txtThrottleL", "0.800"}),
    motiview::test::ByLabel<&LocaleCase::what>{});

} // namespace
