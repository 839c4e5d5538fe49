// The command-line tool's texts: JSON that carries any text unchanged, and NAME=TEXT lines.

#include "case_names.h"
#include "cli.h"

#include <gtest/gtest.h>

#include <string>

using motiview::cli::json_text;
using motiview::cli::line_value;
using motiview::test::text_name;

namespace {

struct EscapeCase {
    std::string text;
    std::string json; // how the text reads inside a JSON string
    std::string line;
};

class Escaping : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(Escaping, JsonAndLine) {
    const EscapeCase& c = GetParam();
    const std::string json = json_text(nlohmann::ordered_json(c.text));
    // One line, and a reader gets the very text back.
    EXPECT_EQ(json.find_first_of("\r\n"), std::string::npos) << json;
    EXPECT_EQ(nlohmann::json::parse(json).get<std::string>(), c.text);
    EXPECT_EQ(nlohmann::json::parse("\"" + c.json + "\"").get<std::string>(), c.text);
    EXPECT_EQ(line_value(c.text), c.line);
}

// Bytes that are not UTF-8 (a controller's text gone wrong) are replaced, never thrown.
TEST(Escaping, InvalidUtf8IsReplaced) {
    const std::string json = json_text(nlohmann::ordered_json(std::string("a\xFF"
                                                                          "b")));
    EXPECT_EQ(nlohmann::json::parse(json).get<std::string>(), "a\xEF\xBF\xBD"
                                                              "b");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Escaping,
    ::testing::Values(EscapeCase{"", "", ""}, EscapeCase{"0.800", "0.800", "0.800"},
                      EscapeCase{"say \"hi\"", "say \\\"hi\\\"", "say \"hi\""},
                      EscapeCase{"a\\b", "a\\\\b", "a\\\\b"},
                      EscapeCase{"L1\r\nL2", "L1\\u000D\\u000AL2", "L1\\r\\nL2"},
                      EscapeCase{std::string("\x01\x1F\t", 3), "\\u0001\\u001F\\u0009",
                                 "\\x01\\x1F\\t"},
                      EscapeCase{std::string("nul\0end", 7), "nul\\u0000end", "nul\\x00end"},
                      EscapeCase{"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"}),
    [](const ::testing::TestParamInfo<EscapeCase>& p) { return text_name(p.param.text); });

} // namespace
