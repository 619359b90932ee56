// Checks the engine's full-width to one-byte folding against the platform's
// code page 932 conversion (_mbctombb).
#pragma once

namespace probe {

// Prints every double-byte character on which the two differ and the count;
// 0 when they agree everywhere.
int CheckWidthFold();

}  // namespace probe
