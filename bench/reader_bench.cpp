// The number reader against the standard extractor on the same in-memory entries, and
// the power breakdown.
//
// Both readers take turns in every iteration, so that whatever else the machine is
// doing weighs on both alike. Counters, per entry: read_number_ns and istream_ns;
// speedup is how many times faster read_number is. The argument is the number of
// entries: 10,000 fit in the processor's branch history, which learns them over the
// passes; 1,000,000 do not, as with fresh input.

#include "number_input.hpp"
#include "power.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <istream>
#include <random>
#include <stdexcept>
#include <streambuf>
#include <string>

namespace {

// Entries as people and scripts type them: a line break or spaces before each, now and
// then a sign, 1 to 10 digits, all within the 32-bit range so that both readers agree.
std::string typical_entries(std::int64_t count)
{
    std::mt19937 random{20261211};
    std::uniform_int_distribution<int> digits{1, 10};
    std::uniform_int_distribution<int> pick{0, 5};
    static constexpr const char* separators[] = {"\n", "\r\n", " ", "  ", "\t", "\n"};
    std::string entries;
    for (std::int64_t i = 0; i < count; ++i) {
        entries += separators[pick(random)];
        if (pick(random) == 0) {
            entries += pick(random) < 3 ? '-' : '+';
        }
        std::uint64_t largest = 9;
        for (int more = digits(random); more > 1; --more) {
            largest = largest * 10 + 9;
        }
        largest = std::min<std::uint64_t>(largest, INT32_MAX);
        entries += std::to_string(std::uniform_int_distribution<std::uint64_t>{0, largest}(random));
    }
    return entries + "\n";
}

// A read-only view of the entries, rewound before each pass.
class memory_buffer : public std::streambuf {
public:
    explicit memory_buffer(std::string text) : entries_{std::move(text)} { rewind(); }

    void rewind()
    {
        char* const begin = entries_.data();
        setg(begin, begin, begin + entries_.size());
    }

private:
    std::string entries_;
};

// One pass over all the entries with `read`; returns how long it took.
template <typename Read>
std::chrono::duration<double> read_all(memory_buffer& buffer, std::istream& in,
                                       std::int64_t count, Read read)
{
    buffer.rewind();
    in.clear();
    const auto start = std::chrono::steady_clock::now();
    std::int32_t sum = 0;
    for (std::int64_t i = 0; i < count; ++i) {
        std::int32_t value = 0;
        read(in, value);
        sum ^= value;
    }
    benchmark::DoNotOptimize(sum);
    const auto took = std::chrono::steady_clock::now() - start;
    if (!in) {
        throw std::runtime_error{"an entry did not read"};
    }
    return took;
}

void reading_side_by_side(benchmark::State& state)
{
    const std::int64_t count = state.range(0);
    memory_buffer buffer{typical_entries(count)};
    std::istream in{&buffer};
    std::chrono::duration<double> ours{};
    std::chrono::duration<double> standard{};
    for (auto _ : state) {
        ours += read_all(buffer, in, count, [](std::istream& from, std::int32_t& value) {
            read_number(from, value);
        });
        standard += read_all(buffer, in, count, [](std::istream& from, std::int32_t& value) {
            from >> value;
        });
    }
    const double entries = static_cast<double>(state.iterations() * count);
    state.counters["read_number_ns"] = ours.count() * 1e9 / entries;
    state.counters["istream_ns"] = standard.count() * 1e9 / entries;
    state.counters["speedup"] = standard / ours;
}
BENCHMARK(reading_side_by_side)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

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
