// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace vardolin {

// The one uniform pseudo-random sequence of the process: a 24-bit linear congruential
// generator that starts in the same state at every program start and is never reseeded,
// so equal inputs typed in the same order give equal results in every session.
// Exactly one instance is created at start-up and handed to every analysis; a run continues
// where the previous run (on any form) stopped.
class UniformSequence {
public:
    static constexpr std::uint32_t kInitialState = 327680;
    // 2^-24: the step between two values, and the smallest value above 0.
    static constexpr float kResolution = 1.0f / 16777216.0f;

    UniformSequence() = default;
    explicit UniformSequence(std::uint32_t state) : state_(state & kMask) {}

    UniformSequence(const UniformSequence&) = delete;
    UniformSequence& operator=(const UniformSequence&) = delete;

    // Next value in [0, 1), a multiple of 2^-24 and therefore exact as a float.
    float NextUniform() noexcept {
        // Unsigned arithmetic wraps modulo 2^32, which leaves the low 24 bits exact.
        state_ = (state_ * kMultiplier + kIncrement) & kMask;
        return static_cast<float>(state_) * kResolution;
    }

    std::uint32_t state() const noexcept { return state_; }

    // Puts the sequence back to a state it had, e.g. before a run that was cancelled.
    void Restore(std::uint32_t state) noexcept { state_ = state & kMask; }

    // Moves on as count calls of NextUniform() would, in O(log count) steps: the affine map
    // x -> A x + C composed with itself by squaring, all modulo 2^24.
    void Skip(std::uint64_t count) noexcept {
        std::uint32_t multiplier = kMultiplier;  // A^(2^bit)
        std::uint32_t increment = kIncrement;    // C (A^(2^bit) - 1) / (A - 1)
        std::uint32_t state = state_;
        for (; count != 0; count >>= 1) {
            if ((count & 1u) != 0) {
                state = (state * multiplier + increment) & kMask;
            }
            increment = (increment * multiplier + increment) & kMask;
            multiplier = (multiplier * multiplier) & kMask;
        }
        state_ = state;
    }

private:
    static constexpr std::uint32_t kMultiplier = 16598013;
    static constexpr std::uint32_t kIncrement = 12820163;
    static constexpr std::uint32_t kMask = (1u << 24) - 1;

    std::uint32_t state_ = kInitialState;
};

}  // namespace vardolin
