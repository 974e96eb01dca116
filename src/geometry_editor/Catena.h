// The element chain of a project: which element may follow the last one (the grammar the
// editor's add buttons obey), whether a chain is complete and legal, and the check that
// turns a legal chain into the solver's inputs.
//
// A chain is slot 0 the swingarm "F", then links "A" and rockers "S" in pairs that form the
// junctions (slots 1-2 junction 1, 3-4 junction 2, 5-6 junction 3), ended by the shock
// absorber "M" in slot 1, 3, 5 or 7. Slot s belongs to junction Int(s / 2 + 0.5).
#pragma once

#include "core/Progetti.h"

#include <cstdint>
#include <string>

namespace kelvra {

// Junction types, stored exactly as written.
inline const std::string GIUNZIONE_ASTA_TRIANG = "ASTA_TRIANG"; // link then rocker
inline const std::string GIUNZIONE_TRIANG_ASTA = "TRIANG_ASTA"; // rocker then link
inline const std::string GIUNZIONE_ASTA_ASTA = "ASTA_ASTA";     // two links

// The last slot the shock absorber may take (three junctions before it).
constexpr int16_t ULTIMO_SLOT_AMMORTIZZATORE = 7;

// What the grammar does to one add command.
enum class StatoPulsante { Invariato, Abilitato, Disabilitato };

// The three add commands: link (CmdAsta, ToolsItem 2), rocker (CmdSquadretta, ToolsItem 3),
// shock absorber (CmdMolla, ToolsItem 4).
struct Pulsantiera {
    StatoPulsante Asta = StatoPulsante::Invariato;
    StatoPulsante Squadretta = StatoPulsante::Invariato;
    StatoPulsante Molla = StatoPulsante::Invariato;
};

// Junction of slot s (1..): Int(s / 2 + 0.5).
int16_t GiunzioneDelloSlot(int16_t slot);

// The chain grammar: the add commands allowed after the element in slot s of project
// NumeroProgetti. After the swingarm or an element in an even slot every element may
// follow; after a link in an odd slot a link or a rocker; after a rocker in an odd slot only
// a link; after slot 6 only the shock absorber. Beyond slot 6 nothing more may be added, so
// no entry ever passes the shock absorber's last slot.
Pulsantiera AttivaPulsantiera(int16_t s);

// The chain of project p ends with the shock absorber (told from the element types).
bool CatenaCompleta(int16_t p);

// The chain of project p is one the solver can take: the swingarm in slot 0, the shock
// absorber last, in slot 1, 3, 5 or 7, and every pair before it a link-rocker,
// rocker-link or link-link junction.
bool CatenaLegale(int16_t p);

// Junction count and types of project p (first step of the check).
void ContaGiunzioni(int16_t p);

// The rest geometry of project p into the solver inputs (PuntiFissi, point 0 of
// PosizioneRuota, AttaccoAmmortizzatore and PuntiGiunzione) and the solver's single-value
// inputs. The junction types must be in place (ContaGiunzioni).
void ImpostaDatiSolutore(int16_t p);

// The message shown when the typed maximum travel is refused.
std::string MessaggioMaxEscursione();

// The chain check of project NumeroProgetti with the maximum travel as typed (`testoMaxEsc`,
// in the shown length unit). A chain that is not complete and legal is refused at once:
// nothing is written and no message is shown. Otherwise the junctions and solver inputs are
// written; then a maximum travel of 0..1000 mm is stored, the geometry of that project is
// marked as entered (and as unsaved) and its state code recomputed, and the result is true;
// a travel outside that range shows the message and gives false. A refused chain is never
// left marked as entered: its geometry flag is cleared and the state code recomputed; the
// maximum travel and the unsaved flags stay as they were.
bool ControlloVariabili(const std::string& testoMaxEsc);

// Removes the last element of the chain of project NumeroProgetti (never the swingarm). Removing
// the shock absorber leaves the chain incomplete: its geometry is no longer entered and the state
// code is recomputed. Returns the new last slot.
int16_t RimuoviUltimoElemento();

// Upper case of a text in the language file's code page (Windows-1252 letters).
std::string Maiuscolo(const std::string& testo);

} // namespace kelvra
