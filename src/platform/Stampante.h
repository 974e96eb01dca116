// Whether a printer is available.
#pragma once

#include <functional>
#include <string>

namespace kelvra {

// True when a printer is available; otherwise shows `messaggio` followed by "." in a message
// box with the critical icon and returns false.
bool VerificaStampante(const std::string& messaggio);

// Replaces the question "is a printer installed?" (tests); an empty function restores the
// platform's answer.
void ImpostaPresenzaStampante(std::function<bool()> presenza);

} // namespace kelvra
