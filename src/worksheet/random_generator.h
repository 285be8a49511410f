#pragma once
// The generator all draws of a run share: linear congruential, state * 214013 + 2531011 modulo
// 2^32, each draw yielding bits 16 to 30 of the new state (0 to 32767).

#include <cstdint>

namespace mochi::worksheet {

class RandomGenerator {
 public:
  void Seed(std::uint32_t seed) { state_ = seed; }
  int Next();

 private:
  std::uint32_t state_ = 0;
};

// A row from 1 to n: 1 + (next value mod n).
int DrawRow(RandomGenerator& generator, int n);

}  // namespace mochi::worksheet
