// The readers and writers of the project and component files as the menus call them: the
// open dialog, the messages, the refresh of the editors and the solver run after a load.
//
// A reader that is cancelled changes nothing; a file that cannot be read or is not one of its
// kind gives a critical message and changes nothing either. A writer writes beside the file
// and replaces it only when the new one is complete; a failure is reported and leaves both the
// old file and the slot's path as they were. A good load or write clears the unsaved-changes
// flags of what it covers.
#pragma once

#include <cstdint>
#include <string>

namespace kelvra {

// Geometry ".kv3" into slot NumeroProgetti; `annullato` is false when a file was loaded.
void ApriSchema(int16_t& annullato);
bool SalvaSchema(const std::string& nome, int16_t p);

// Whole project ".kvp" into slot NumeroProgetti; reports through CaricatoProgetto.
void ApriProgetto();
bool SalvaProgetto(const std::string& nome, int16_t p);

// Components into slot ProgettoSelezionato, each followed by its editor.
void ApriAmmortizzatore();
void ApriMolla();
void ApriTampone();
bool SalvaAmmortizzatore(const std::string& nome, int16_t p);
bool SalvaMolla(const std::string& nome, int16_t p);
bool SalvaTampone(const std::string& nome, int16_t p);

// The printer set-up dialog of the File menus; a cancel is no error.
void ImpostaStampante();

// Fills the project files' hooks of the hook table: readers, writers, slots, and the save
// dialogs and choosers.
void RegistraFileProgetto();

} // namespace kelvra
