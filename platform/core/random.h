#pragma once
// Random numbers for the puzzles.
//
// Every draw goes through RandomSource so a test can script the draws. The
// program's own generator is a 32-bit linear congruential generator
// (state := state * 134775813 + 1; a draw of n values is the high word of
// state * n), shared by the window thread and every worker thread.

#include <cstdint>
#include <mutex>

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform integer in 0 .. n - 1; 0 when n is 0 or less.
    virtual int random(int n) = 0;
};

class LinearRandom final : public RandomSource {
public:
    explicit LinearRandom(std::uint32_t seed = 0) : state_(seed) {}

    int random(int n) override {
        std::lock_guard lock(mutex_);
        state_ = state_ * 134775813u + 1u;
        if (n <= 0) return 0;
        return static_cast<int>((std::uint64_t{state_} * static_cast<std::uint32_t>(n)) >> 32);
    }
    void seed(std::uint32_t value) {
        std::lock_guard lock(mutex_);
        state_ = value;
    }
    std::uint32_t state() const {
        std::lock_guard lock(mutex_);
        return state_;
    }

private:
    mutable std::mutex mutex_;
    std::uint32_t state_;
};

// The one generator of the running program. grilpad seeds it from the clock
// once at start-up; the analyzer never seeds it.
LinearRandom& programRandom();
void seedProgramRandomFromClock();
