// The question asked before data of one file kind is replaced or dropped: do you want to
// save the changes first?
#pragma once

#include <cstdint>
#include <string>

namespace kelvra {

// Looks at the unsaved-changes flag of `tipo` (0 whole project, 1 geometry, 2 shock absorber,
// 3 spring, 4 bump stop) in projects 1..NumeroProgetti. When at least one holds VERO it shows
// `messaggio` with Yes and No and answers VERO for Yes; otherwise it answers FALSO at once,
// without asking. A kind outside 0..4 or a project count outside 1..6 counts as no change.
int16_t ChiediSalvataggio(const std::string& messaggio, int16_t tipo);

} // namespace kelvra
