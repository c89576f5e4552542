// The number reader against the standard extractor, on the same in-memory entries,
// and the power breakdown.

#include "number_input.hpp"
#include "power.hpp"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <istream>
#include <random>
#include <streambuf>
#include <string>

namespace {

constexpr int entry_count = 10000;

// Entries as people and scripts type them: a line break or spaces before each, now and
// then a sign, 1 to 10 digits, all within the 32-bit range so that both readers agree.
const std::string& typical_entries()
{
    static const std::string text = [] {
        std::mt19937 random{20261211};
        std::uniform_int_distribution<int> digits{1, 10};
        std::uniform_int_distribution<int> pick{0, 5};
        std::string entries;
        for (int i = 0; i < entry_count; ++i) {
            static constexpr const char* separators[] = {"\n", "\r\n", " ", "  ", "\t", "\n"};
            entries += separators[pick(random)];
            if (pick(random) == 0) {
                entries += pick(random) < 3 ? '-' : '+';
            }
            const int length = digits(random);
            std::uint64_t limit = 1;
            for (int d = 0; d < length; ++d) {
                limit *= 10;
            }
            limit = std::min<std::uint64_t>(limit - 1, 2147483647);
            entries += std::to_string(std::uniform_int_distribution<std::uint64_t>{0, limit}(random));
        }
        return entries + "\n";
    }();
    return text;
}

// A read-only view of the entries, rewound before each pass.
struct memory_buffer : std::streambuf {
    explicit memory_buffer(const std::string& source) : entries{source} { rewind(); }
    void rewind()
    {
        char* begin = const_cast<char*>(entries.data());
        setg(begin, begin, begin + entries.size());
    }
    const std::string& entries;
};

template <typename Read>
void read_all_entries(benchmark::State& state, Read read)
{
    memory_buffer buffer{typical_entries()};
    std::istream in{&buffer};
    for (auto _ : state) {
        buffer.rewind();
        in.clear();
        std::int32_t sum = 0;
        for (int i = 0; i < entry_count; ++i) {
            std::int32_t value = 0;
            read(in, value);
            sum ^= value;
        }
        benchmark::DoNotOptimize(sum);
        if (!in) {
            state.SkipWithError("an entry did not read");
        }
    }
    state.SetItemsProcessed(state.iterations() * entry_count);
}

void read_number_entries(benchmark::State& state)
{
    read_all_entries(state, [](std::istream& in, std::int32_t& value) { read_number(in, value); });
}
BENCHMARK(read_number_entries);

void istream_extract_entries(benchmark::State& state)
{
    read_all_entries(state, [](std::istream& in, std::int32_t& value) { in >> value; });
}
BENCHMARK(istream_extract_entries);

void power_breakdown(benchmark::State& state)
{
    std::int32_t count = 0;
    for (auto _ : state) {
        ++count;
        benchmark::DoNotOptimize(breakdown(900000, count, count, count, count, count));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(power_breakdown);

} // namespace
