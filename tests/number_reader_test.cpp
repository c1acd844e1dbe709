// Korvalin dial tester tests - reading the integer value of a typed text.
#include <gtest/gtest.h>

#include <limits>

#include "app/number_reader.h"

namespace kvl {
namespace {

struct NumberCase {
    const char *text;
    std::int32_t value;
};

class ReadNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadNumber, GivesTheValueOfTheLeadingNumber) {
    EXPECT_EQ(readNumber(GetParam().text), GetParam().value)
        << "text: \"" << GetParam().text << "\"";
}

constexpr std::int32_t most = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t least = std::numeric_limits<std::int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumber,
    ::testing::Values(
        // plain decimals and what ends them
        NumberCase{"5", 5}, NumberCase{"10", 10}, NumberCase{"007", 7}, NumberCase{"7ms", 7},
        NumberCase{"7 8", 7}, NumberCase{"3/3", 3}, NumberCase{"1.9", 1},
        // leading blanks and tabs, but nothing else, are skipped
        NumberCase{" 7", 7}, NumberCase{"\t 7", 7}, NumberCase{" \t\t 42x", 42},
        NumberCase{"\n7", 0}, NumberCase{"x7", 0},
        // signs
        NumberCase{"-3", -3}, NumberCase{"+4", 4}, NumberCase{" -12abc", -12}, NumberCase{"- 5", 0},
        NumberCase{"--5", 0}, NumberCase{"-", 0},
        // hexadecimal and binary
        NumberCase{"$A", 10}, NumberCase{"$ff", 255}, NumberCase{"$1fZ", 31},
        NumberCase{"-$10", -16}, NumberCase{"$", 0}, NumberCase{"$g", 0}, NumberCase{"%101", 5},
        NumberCase{"%1012", 5}, NumberCase{"%", 0}, NumberCase{"%2", 0},
        NumberCase{"A", 0},  // hex digits count only after "$"
        // no digits at all
        NumberCase{"", 0}, NumberCase{"   ", 0}, NumberCase{"abc", 0},
        // the ends of the range, and beyond them the value is held there
        NumberCase{"2147483647", most}, NumberCase{"-2147483648", least},
        NumberCase{"2147483648", most}, NumberCase{"-2147483649", least},
        NumberCase{"99999999999999999999999999", most},
        NumberCase{"-99999999999999999999999999", least}, NumberCase{"$FFFFFFFFFFFF", most},
        NumberCase{"%111111111111111111111111111111111111", most}));

}  // namespace
}  // namespace kvl
