// The command-line tool's escaping of texts: JSON strings and NAME=TEXT lines.

#include "cli.h"

#include <gtest/gtest.h>

#include <string>

using motiview::cli::json_string;
using motiview::cli::line_value;

namespace {

struct EscapeCase {
    std::string text;
    std::string json;
    std::string line;
};

class Escaping : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(Escaping, JsonAndLine) {
    const EscapeCase& c = GetParam();
    EXPECT_EQ(json_string(c.text), c.json);
    EXPECT_EQ(line_value(c.text), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Escaping,
    ::testing::Values(
        EscapeCase{"", "\"\"", ""}, EscapeCase{"0.800", "\"0.800\"", "0.800"},
        EscapeCase{"say \"hi\"", "\"say \\\"hi\\\"\"", "say \"hi\""},
        EscapeCase{"a\\b", "\"a\\\\b\"", "a\\\\b"},
        EscapeCase{"L1\r\nL2", "\"L1\\u000D\\u000AL2\"", "L1\\r\\nL2"},
        EscapeCase{std::string("\x01\x1F\t", 3), "\"\\u0001\\u001F\\u0009\"", "\\x01\\x1F\\t"},
        EscapeCase{std::string("nul\0end", 7), "\"nul\\u0000end\"", "nul\\x00end"},
        EscapeCase{"\xC3\xA9t\xC3\xA9", "\"\xC3\xA9t\xC3\xA9\"", "\xC3\xA9t\xC3\xA9"}));

} // namespace
