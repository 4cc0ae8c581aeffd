#include "toolkit/core/arrays.h"

namespace korvanta {

void ThrowOutOfBounds(std::int64_t index, std::int64_t upper) {
  throw OutOfBoundsException("index " + std::to_string(index) + " is outside the bounds 0 to " +
                             std::to_string(upper));
}

}  // namespace korvanta
