// Texts of the language file and of the record files are bytes in a Windows code page:
// Windows-1252 (western languages) or Windows-1250 (central European). These are the only
// conversions between those bytes and the strings the widgets show; the code-page tables
// themselves are the language module's.
#pragma once

#include <QString>
#include <string>

namespace kelvra {

enum class CodicePagina { Windows1252, Windows1250 };

// The code page in force for DaAnsi/AdAnsi without an explicit page: the loaded language's
// (Windows-1250 for Slovenian, else Windows-1252) unless one was set here.
void ImpostaCodicePagina(CodicePagina pagina);
// Goes back to following the loaded language.
void SeguiCodicePaginaLingua();
CodicePagina CodicePaginaCorrente();

// Bytes in the code page to a string for display. Bytes the page leaves undefined map to
// the control characters of the same number, so every byte string survives a round trip.
QString DaAnsi(const std::string& testo);
QString DaAnsi(const std::string& testo, CodicePagina pagina);

// A string back to bytes; characters the page has no byte for become '?'.
std::string AdAnsi(const QString& testo);

// A caption with an access key: the "&" the text carries, or one before its first letter.
QString ConTastoAccesso(const std::string& testo);
// The same caption with its access key moved to the first letter, for a second button of
// one window that shares the text of another ("&OK" beside "O&K").
QString TastoSullaPrima(const std::string& testo);
std::string AdAnsi(const QString& testo, CodicePagina pagina);

} // namespace kelvra
