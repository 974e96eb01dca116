// Small services shared by many windows that need no window themselves: the state code of the
// newest project, titles, file names, the program folder and the tolerance tests.
#pragma once

#include <cstdint>
#include <string>

namespace kelvra {

// Recomputes StatoDatiProgetto of project NumeroProgetti: 1 for the geometry, 2 for the
// spring, 4 for the shock absorber, 8 for the bump stop, each counting when its flag is -1.
void AggiornaStatoProgetto();

// The smallest whole number not less than x.
int32_t ArrotondaEccesso(float x);

// The file name of a path without its folder and without its last four characters (the dot
// and a three-letter extension). Both "\" and "/" separate folders. A path shorter than five
// characters gives "". A path without any folder gives the name alone.
std::string EstraiNomeFile(const std::string& percorso);

// The caption of a window that shows every project held:
//   one project with a name:    prefix - name
//   one project without a name: prefix - <Common 17>: 01
//   several projects:           prefix - n <Curve 1>
// and "" when no project is held. The caption is UTF-8: the language texts (the prefix among
// them) converted from their code page, the name as the file system spells it.
std::string ComponiTitolo(const std::string& prefisso);
// Project p by its number, in UTF-8: <Common 17>: and the number in two digits ("Project: 02").
std::string NumeroProgetto(int p);
// How the windows (captions, legend, table chooser) name project p to the user, in UTF-8: the
// name of the file it was last opened from, else NumeroProgetto.
std::string EtichettaProgetto(int p);

// Makes `cartella` (the program's folder) the current folder and sets PercorsoApplicazione to
// it with a trailing separator (one only, also at the root). Returns false, changing nothing,
// when the folder cannot be made current.
bool ImpostaPercorsoApplicazione(const std::string& cartella);
// The same with the folder of the running program.
bool ImpostaPercorsoApplicazione();
// The folder of the running program (without a trailing separator), "" when unknown.
std::string CartellaProgramma();

// Tolerance tests of the file readers and component windows, computed in 8-byte reals.
bool VerificaDifferenzaMaggiore(double a, double b, double c); // a - b > c
bool SuperaTolleranza(double a, double b, double c, double d); // a - b >= d and a - b > c
// False when x > y; otherwise SuperaTolleranza(a, b, c, d).
bool SuperaTolleranzaSeNonMaggiore(double x, double y, double a, double b, double c, double d);

} // namespace kelvra
