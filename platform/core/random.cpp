#include "platform/core/random.h"

#include <chrono>

LinearRandom& programRandom() {
    static LinearRandom generator;
    return generator;
}

void seedProgramRandomFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    programRandom().seed(static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
}
