#include "worksheet/random_generator.h"

namespace mochi::worksheet {

int RandomGenerator::Next() {
  state_ = state_ * 214013u + 2531011u;
  return static_cast<int>((state_ >> 16) & 0x7FFF);
}

int DrawRow(RandomGenerator& generator, int n) { return 1 + generator.Next() % n; }

}  // namespace mochi::worksheet
