#pragma once

namespace zor {

// Nearest integer, halves to the even neighbour: 0.5 -> 0, 1.5 -> 2, 12.5 -> 12, -2.5 -> -2.
int rnd(double value);

} // namespace zor
