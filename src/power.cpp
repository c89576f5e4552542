#include "power.hpp"

namespace {

constexpr std::uint32_t acre_weight = 1000;
constexpr std::uint32_t fort_weight = 19360;
constexpr std::uint32_t spell_weight = 1000;
constexpr std::uint32_t barrier_weight = 3960;
constexpr std::uint32_t ally_weight = 10000;

// Signed overflow is undefined, unsigned arithmetic wraps: weigh in unsigned 32-bit.
constexpr std::uint32_t weigh(std::int32_t count, std::uint32_t weight) noexcept
{
    return static_cast<std::uint32_t>(count) * weight;
}

} // namespace

power_breakdown breakdown(std::int32_t gamepower, std::int32_t forts, std::int32_t ally,
                          std::int32_t barrier, std::int32_t acres, std::int32_t spell) noexcept
{
    const std::uint32_t base = weigh(acres, acre_weight) + weigh(forts, fort_weight) +
                               weigh(spell, spell_weight) + weigh(barrier, barrier_weight) +
                               weigh(ally, ally_weight);
    const std::uint32_t rest = static_cast<std::uint32_t>(gamepower) - base;
    // Since C++20 the conversion back to signed keeps the low 32 bits as two's complement.
    return {static_cast<std::int32_t>(base), static_cast<std::int32_t>(rest)};
}
