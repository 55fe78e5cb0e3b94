#pragma once

namespace tessaly {

// Uniform integers, so that card draws can be seeded and replayed in tests.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Uniform in 0..n-1; n > 0.
    virtual int below(int n) = 0;
};

} // namespace tessaly
