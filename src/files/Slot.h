// Filling one project slot from another: the whole project (before a component is compared
// in the next slot) or only its linkage (the geometry editor's add-project button).
#pragma once

#include <cstdint>

namespace kelvra::files {

// Copies slot `da` into slot `a`, all but a's own path and shown name, and sets up the rest
// position inputs of the solver for `da` and, the same, for `a`. Slots outside 1..6: nothing.
void CopiaProgetto(int16_t da, int16_t a);

// Copies the linkage of slot `da` into slot `a` (components, names and flags of `a` stay) and
// sets up the swingarm's rest inputs of `da`.
void AggiungiProgetto(int16_t da, int16_t a);

} // namespace kelvra::files
