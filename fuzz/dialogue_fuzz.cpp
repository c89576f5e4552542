// Runs the whole dialogue over arbitrary input and holds what it writes, byte for byte,
// to the reference: only the dialogue's texts and numbers, in its order, and nothing
// after a failed read. The fuzzer's time limit catches a dialogue that never ends.

#include "menu.hpp"
#include "reference.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in{input};
    std::ostringstream out;
    in.tie(&out);
    menu(in, out);
    if (out.str() != reference::dialogue(input)) {
        std::abort();
    }
    return 0;
}
