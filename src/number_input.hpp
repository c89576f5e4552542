#pragma once

#include <cstdint>
#include <istream>

// Reads one decimal integer from the stream, as the calculator's console takes it:
// white space (space, \t, \n, \v, \f, \r) is skipped before the number and after a
// sign, the value wraps modulo 2^32, and the first character after the digits stays
// unread. Success leaves the stream good. Failure sets failbit (and eofbit when the
// input ended) and leaves `value` as it was; once failed, every later read fails at
// once. The tied stream is flushed before each read that starts on a good stream.
std::istream& read_number(std::istream& in, std::int32_t& value);
