// One call that puts the whole program back to its start-up state: the project tables, the
// view, the language texts, the unit table and the settings in the core, and whatever state
// the windows' modules hold (the editor's undo store, the hook table, ...), which each module
// registers here from its own source file.
#pragma once

namespace kelvra {

// Resets every module linked into the program to its start-up state. Tests call it around
// each case.
void AzzeraProgramma();

// Adds a module's reset to AzzeraProgramma. Meant for a namespace-scope constant in the
// module's own .cpp (`const bool registrato = RegistraAzzeramento(AzzeraUndo);`), so a module
// that is linked in is always reset; returns true.
bool RegistraAzzeramento(void (*azzera)());

} // namespace kelvra
