#pragma once

#include <cstdint>

// Power that the counts bring at their fixed rates, and what is left for the army.
struct power_breakdown {
    std::int32_t basepower;
    std::int32_t army;
};

// Weighs the five counts into the base power and takes it from the net power.
// All arithmetic wraps modulo 2^32, as the game's own 32-bit figures do.
power_breakdown breakdown(std::int32_t gamepower, std::int32_t forts, std::int32_t ally,
                          std::int32_t barrier, std::int32_t acres, std::int32_t spell) noexcept;
