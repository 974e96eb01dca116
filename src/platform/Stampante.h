// Whether a printer is available.
#pragma once

#include <string>

namespace kelvra {

// True when a printer is available (asked through the dialog services, so tests answer it);
// otherwise shows `messaggio` followed by "." in a message box with the critical icon and
// returns false.
bool VerificaStampante(const std::string& messaggio);

} // namespace kelvra
