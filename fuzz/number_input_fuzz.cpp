// Reads numbers from arbitrary bytes until a read fails, and holds every read to the
// reference: the value, the flags and how much of the input it took.

#include "number_input.hpp"
#include "reference.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in{input};
    std::size_t at = 0;
    for (;;) {
        constexpr std::int32_t untouched = 123456789;
        std::int32_t value = untouched;
        read_number(in, value);
        const reference::read_outcome expected = reference::read(input, at);

        const bool same = in.fail() == !expected.value && in.eof() == expected.eof && !in.bad() &&
                          value == expected.value.value_or(untouched);
        if (!same) {
            std::abort();
        }
        if (in.fail()) {
            // Nothing more may be taken by later reads, and what is left is the rest.
            read_number(in, value);
            in.clear();
            const std::string rest{std::istreambuf_iterator<char>{in}, {}};
            if (value != untouched || rest != std::string_view{input}.substr(expected.next)) {
                std::abort();
            }
            return 0;
        }
        at = expected.next;
        if (static_cast<std::size_t>(in.tellg()) != at) {
            std::abort();
        }
    }
}
