#include "calc/parse_digits.h"

#include <chrono>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

constexpr std::int32_t kUntouched = -7;

struct ParseCase {
    const char* what;
    std::string text;
    bool ok;
    std::int32_t value; // expected value; kUntouched when the parse fails
};

const ParseCase kCases[] = {
    {"default year", "1983", true, 1983},
    {"default month", "12", true, 12},
    {"default day", "30", true, 30},
    {"spaces before, between and after", " 19 83 ", true, 1983},
    {"leading zeros do not count", "0012", true, 12},
    {"zero", "0", true, 0},
    {"several zeros", "000", true, 0},
    {"largest 32-bit value", "2147483647", true, 2147483647},
    {"many leading zeros before a small value", "00000000001983", true, 1983},
    {"many leading zeros before the largest value", "0000000000002147483647", true, 2147483647},
    {"one above the largest value", "2147483648", false, kUntouched},
    {"far above the largest value", "99999999999999999999", false, kUntouched},
    {"empty", "", false, kUntouched},
    {"spaces only", "   ", false, kUntouched},
    {"minus sign", "-5", false, kUntouched},
    {"plus sign", "+5", false, kUntouched},
    {"letter after digits", "12a", false, kUntouched},
    {"letter before digits", "a12", false, kUntouched},
    {"digit then letter", "1x", false, kUntouched},
    {"decimal point", "1.5", false, kUntouched},
    {"tab before digits", "\t12", false, kUntouched},
    {"line break after digits", "12\n", false, kUntouched},
    {"full-width digits", "\xA3\xB1\xA3\xB2", false, kUntouched},
    {"ideographic space",
     "\xA1\xA1"
     "12",
     false, kUntouched},
    {"double-byte character whose second byte is a digit",
     "\x81\x31"
     "2",
     false, kUntouched},
    {"lone lead byte at the end", "12\x81", false, kUntouched},
    {"NUL byte inside",
     std::string("1\0"
                 "2",
                 3),
     false, kUntouched},
};

void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << c.what;
}

class ParseDigitsTable : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseDigitsTable, GivesTheNumberOrLeavesValueAlone) {
    const ParseCase& c = GetParam();
    std::int32_t value = kUntouched;
    EXPECT_EQ(calc::ParseDigits(c.text, value), c.ok) << c.what;
    EXPECT_EQ(value, c.value) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseDigitsTable, testing::ValuesIn(kCases));

TEST(ParseDigits, TakesAMegabyteOfDigitsAndSpacesInLinearTime) {
    std::string text;
    for (int i = 0; i < 512 * 1024; ++i) {
        text += i % 2 == 0 ? ' ' : '0';
    }
    text += "7";
    std::int32_t value = kUntouched;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(calc::ParseDigits(text, value));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(value, 7);
    // A hang guard, not a timing: a quadratic space removal takes minutes
    // here, a linear one microseconds. bench/calc_bench.cpp measures it.
    EXPECT_LT(elapsed, std::chrono::seconds(10));
}

} // namespace
