#include "number_input.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <ios>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct read_case {
    std::string input;
    std::int32_t value;      // what the target holds after the read; it starts at -99
    bool fail;
    bool eof;
    std::string left_unread;
};

void PrintTo(const read_case& c, std::ostream* out)
{
    *out << testing::PrintToString(c.input);
}

// Drives each case through one read on a string stream.
class read_number_cases : public testing::TestWithParam<read_case> {};

TEST_P(read_number_cases, value_flags_and_rest)
{
    const read_case& expected = GetParam();
    std::istringstream in{expected.input};
    std::int32_t value = -99;
    read_number(in, value);
    EXPECT_EQ(value, expected.value);
    EXPECT_EQ(in.fail(), expected.fail);
    EXPECT_EQ(in.eof(), expected.eof);
    EXPECT_FALSE(in.bad());
    in.clear();
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>{in}, {}), expected.left_unread);
}

constexpr std::int32_t unchanged = -99;

INSTANTIATE_TEST_SUITE_P(
    formats, read_number_cases,
    testing::Values(
        read_case{"  42\n", 42, false, false, "\n"},
        read_case{"\n\n\n7", 7, false, false, ""},
        read_case{"\t\v\f\r\n 9 ", 9, false, false, " "},
        read_case{"-\n5", -5, false, false, ""},
        read_case{"+ 5x", 5, false, false, "x"},
        read_case{"-0", 0, false, false, ""},
        read_case{"007\n", 7, false, false, "\n"},
        read_case{"0x1A", 0, false, false, "x1A"},
        read_case{"12abc", 12, false, false, "abc"},
        read_case{"3.7", 3, false, false, ".7"},
        read_case{"1 2 3", 1, false, false, " 2 3"},
        read_case{"\r\n8\r\n", 8, false, false, "\r\n"}));

INSTANTIATE_TEST_SUITE_P(
    wrapping, read_number_cases,
    testing::Values(
        read_case{"2147483647", 2147483647, false, false, ""},
        read_case{"2147483648", INT32_MIN, false, false, ""},
        read_case{"-2147483648", INT32_MIN, false, false, ""},
        read_case{"-2147483649", 2147483647, false, false, ""},
        read_case{"4294967295", -1, false, false, ""},
        read_case{"4294967296", 0, false, false, ""},
        read_case{"4294967338 ", 42, false, false, " "},
        // 10^40 is 2^40 * 5^40; 2^40 leaves nothing below 2^32.
        read_case{"1" + std::string(40, '0') + "!", 0, false, false, "!"},
        read_case{"-00000000000000000000000000000000001", -1, false, false, ""}));

INSTANTIATE_TEST_SUITE_P(
    failures, read_number_cases,
    testing::Values(
        read_case{"", unchanged, true, true, ""},
        read_case{" \n\t\r\n", unchanged, true, true, ""},
        read_case{"-", unchanged, true, true, ""},
        read_case{"+ \n", unchanged, true, true, ""},
        read_case{"abc 5", unchanged, true, false, "abc 5"},
        read_case{"  x", unchanged, true, false, "x"},
        read_case{"--5", unchanged, true, false, "-5"},
        read_case{"+-5", unchanged, true, false, "-5"},
        read_case{" - x", unchanged, true, false, "x"},
        read_case{".5", unchanged, true, false, ".5"},
        read_case{"\xa0" "5", unchanged, true, false, "\xa0" "5"},
        read_case{"\xb9", unchanged, true, false, "\xb9"},
        read_case{std::string{"\0 5", 3}, unchanged, true, false, std::string{"\0 5", 3}}));

std::vector<std::int32_t> read_all(std::istream& in, std::size_t count)
{
    std::vector<std::int32_t> values;
    for (std::size_t i = 0; i < count; ++i) {
        std::int32_t value = -99;
        read_number(in, value);
        values.push_back(value);
    }
    return values;
}

TEST(read_number, later_reads_take_what_the_earlier_ones_left)
{
    std::istringstream in{"1 2\n\n  -3\n"};
    EXPECT_EQ(read_all(in, 3), (std::vector<std::int32_t>{1, 2, -3}));
    EXPECT_TRUE(in.good());
}

TEST(read_number, once_failed_every_read_fails_without_taking_input)
{
    std::istringstream in{"x 4 5"};
    EXPECT_EQ(read_all(in, 3), (std::vector<std::int32_t>{-99, -99, -99}));
    EXPECT_TRUE(in.fail());
    EXPECT_FALSE(in.eof());
    in.clear();
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>{in}, {}), "x 4 5");
}

TEST(read_number, a_number_at_the_end_of_input_sets_no_flag_until_the_next_read)
{
    std::istringstream in{"42"};
    std::int32_t value = 0;
    EXPECT_TRUE(read_number(in, value).good());
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(read_number(in, value).fail());
    EXPECT_TRUE(in.eof());
    EXPECT_EQ(value, 42);
}

// Gives a few characters, then fails as a file does when reading it goes wrong.
struct failing_input : std::streambuf {
    std::string before_failure;
    explicit failing_input(std::string text) : before_failure{std::move(text)}
    {
        setg(before_failure.data(), before_failure.data(),
             before_failure.data() + before_failure.size());
    }
    int_type underflow() override { throw std::ios_base::failure{"read error"}; }
};

TEST(read_number, a_read_error_leaves_the_stream_bad_and_the_value_unchanged)
{
    for (const char* before : {"", "  ", "-", "12"}) {
        failing_input buffer{before};
        std::istream in{&buffer};
        std::int32_t value = -99;
        EXPECT_NO_THROW(read_number(in, value)) << before;
        EXPECT_TRUE(in.bad()) << before;
        EXPECT_EQ(value, -99) << before;
        EXPECT_TRUE(read_number(in, value).fail()) << "a bad stream stays failed";
    }
}

// Counts the flushes that reach it.
struct flush_counter : std::stringbuf {
    int flushes = 0;
    int sync() override
    {
        ++flushes;
        return 0;
    }
};

TEST(read_number, flushes_the_tied_stream_only_while_the_input_is_good)
{
    flush_counter screen;
    std::ostream out{&screen};
    std::istringstream in{"5 x 6"};
    in.tie(&out);
    std::int32_t value = 0;

    read_number(in, value);
    EXPECT_EQ(screen.flushes, 1);
    read_number(in, value); // fails at the x, after flushing
    EXPECT_EQ(screen.flushes, 2);
    read_number(in, value);
    read_number(in, value);
    EXPECT_EQ(screen.flushes, 2) << "a failed stream must not flush";
}

} // namespace
