#pragma once

// A second, deliberately plain model of the calculator, written apart from the program
// to hold it to account: it works on the whole input as a string, with 64-bit values
// reduced modulo 2^32 by hand. The dialogue's texts are the tests' own copy.

#include "transcripts.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace reference {

constexpr std::int64_t two_to_32 = std::int64_t{1} << 32;

// The signed 32-bit value congruent to `value` modulo 2^32.
constexpr std::int32_t wrap(std::int64_t value)
{
    std::int64_t low = value % two_to_32;
    if (low < 0) {
        low += two_to_32;
    }
    return static_cast<std::int32_t>(low >= two_to_32 / 2 ? low - two_to_32 : low);
}

struct read_outcome {
    std::optional<std::int32_t> value; // empty when the read failed
    bool eof = false;                  // the input ended before a digit
    std::size_t next = 0;              // where the next read would start
};

inline read_outcome read(std::string_view input, std::size_t at)
{
    constexpr std::string_view spaces = " \t\n\v\f\r";
    const auto space = [&](std::size_t i) {
        return i < input.size() && spaces.find(input[i]) != std::string_view::npos;
    };
    const auto digit = [&](std::size_t i) {
        return i < input.size() && input[i] >= '0' && input[i] <= '9';
    };
    while (space(at)) {
        ++at;
    }
    bool negative = false;
    if (at < input.size() && (input[at] == '-' || input[at] == '+')) {
        negative = input[at] == '-';
        ++at;
        while (space(at)) {
            ++at;
        }
    }
    if (at >= input.size()) {
        return {std::nullopt, true, at};
    }
    if (!digit(at)) {
        return {std::nullopt, false, at};
    }
    std::int64_t value = 0;
    while (digit(at)) {
        value = (value * 10 + (input[at] - '0')) % two_to_32;
        ++at;
    }
    return {wrap(negative ? -value : value), false, at};
}

// Everything the calculator writes for `input` read through a string stream.
inline std::string dialogue(std::string_view input)
{
    // In the order they are asked for: net power, forts, allies, barriers, acres, spell level.
    constexpr std::size_t entries = 6;
    constexpr std::int64_t weights[entries] = {0, 19360, 10000, 3960, 1000, 1000};

    std::string output;
    std::size_t at = 0;
    for (;;) {
        output += dialogue::menu_text;
        const read_outcome choice = read(input, at);
        at = choice.next;
        if (!choice.value || *choice.value == 2) {
            return output;
        }
        if (*choice.value != 1) {
            continue;
        }
        std::int64_t entered[entries] = {};
        std::size_t taken = 0;
        for (; taken < entries; ++taken) {
            const read_outcome entry = read(input, at);
            at = entry.next;
            if (!entry.value) {
                // Every prompt up to the one whose read failed, and nothing after it.
                return output + dialogue::prompts(taken + 1);
            }
            entered[taken] = *entry.value;
        }
        std::int64_t base = 0;
        for (std::size_t i = 0; i < entries; ++i) {
            base += entered[i] * weights[i];
        }
        output += dialogue::prompts() + dialogue::results(std::to_string(entered[0]),
                                                          std::to_string(wrap(base)),
                                                          std::to_string(wrap(entered[0] - base)));
    }
}

} // namespace reference
