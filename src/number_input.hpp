#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <streambuf>

namespace number_input_detail {

using traits = std::istream::traits_type;

// Exactly these six, whatever the locale says; one bit each, by character code.
constexpr std::uint64_t space_bits = (std::uint64_t{1} << ' ') | (std::uint64_t{1} << '\t') |
                                     (std::uint64_t{1} << '\n') | (std::uint64_t{1} << '\v') |
                                     (std::uint64_t{1} << '\f') | (std::uint64_t{1} << '\r');

constexpr bool is_space(traits::int_type c) noexcept
{
    return c >= 0 && c <= ' ' && ((space_bits >> c) & 1U) != 0;
}

constexpr bool is_digit(traits::int_type c) noexcept
{
    return c >= '0' && c <= '9';
}

// Takes white space and returns the first other character, still unread, or eof.
inline traits::int_type skip_space(std::streambuf& buf)
{
    traits::int_type c = buf.sgetc();
    while (is_space(c)) {
        c = buf.snextc();
    }
    return c;
}

// Takes one number from the buffer into `value`; returns the state the stream takes on.
inline std::ios_base::iostate take_number(std::streambuf& buf, std::int32_t& value)
{
    traits::int_type c = skip_space(buf);
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        buf.sbumpc();
        c = skip_space(buf);
    }
    if (traits::eq_int_type(c, traits::eof())) {
        return std::ios_base::eofbit | std::ios_base::failbit;
    }
    // A non-digit here stays unread; the white space and the sign before it are gone.
    if (!is_digit(c)) {
        return std::ios_base::failbit;
    }

    // Unsigned arithmetic wraps instead of overflowing: any number of digits is taken
    // and only the value modulo 2^32 is kept.
    std::uint32_t magnitude = 0;
    do {
        magnitude = magnitude * 10U + static_cast<std::uint32_t>(c - '0');
        c = buf.snextc();
    } while (is_digit(c));

    // The character that ended the number stays for the next read. An end of input
    // right after the digits is not recorded: the next read asks the input again.
    const std::uint32_t bits = negative ? 0U - magnitude : magnitude;
    // Since C++20 the conversion to signed keeps the low 32 bits as two's complement.
    value = static_cast<std::int32_t>(bits);
    return std::ios_base::goodbit;
}

} // namespace number_input_detail

// Reads one decimal integer from the stream, as the calculator's console takes it:
// white space (space, \t, \n, \v, \f, \r) is skipped before the number and after a
// sign, the value wraps modulo 2^32, and the first character after the digits stays
// unread. Success leaves the stream good. Failure sets failbit (and eofbit when the
// input ended), or badbit when the input could not be read at all, and leaves `value`
// as it was; once failed, every later read fails at once. The tied stream is flushed
// before each read that starts on a good stream.
//
// Defined here, like the standard extractors, so that it can be inlined where numbers
// are read in bulk.
inline std::istream& read_number(std::istream& in, std::int32_t& value)
{
    // A failed stream stays failed: nothing is taken and nothing is flushed.
    if (!in.good()) {
        in.setstate(std::ios_base::failbit);
        return in;
    }
    // The prompt before a read ends without a line break; it must be on screen while we wait.
    if (std::ostream* tied = in.tie()) {
        tied->flush();
    }

    std::ios_base::iostate outcome = std::ios_base::goodbit;
    try {
        outcome = number_input_detail::take_number(*in.rdbuf(), value);
    } catch (...) {
        // A buffer that throws, as a file buffer does when reading fails, leaves the
        // stream bad, as with the standard extractors. (Should the caller have asked
        // for exceptions on badbit, setstate throws std::ios_base::failure instead.)
        outcome = std::ios_base::badbit;
    }
    if (outcome != std::ios_base::goodbit) {
        in.setstate(outcome);
    }
    return in;
}
