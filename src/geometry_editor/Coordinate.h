// Moving the newest project's linkage between the model (millimetres, y up) and the editor's
// entry boxes (the shown length unit, measured from the display origin): the default
// swingarm, filling the boxes of a slot, storing a panel into a slot, filling every panel
// from the chain, and re-expressing the boxes after a change of units.
//
// A point is shown as (model - OrigineX - FinestraX1) * FattoreUnita(0) for x (y likewise
// with OrigineY, FinestraY1) in the length format, and a box is read back with the inverse,
// so that writing a point and reading it back gives the same model value. A plain length
// (wheel radius, maximum travel) is shown as mm * FattoreUnita(0), without origin.
#pragma once

#include "core/Progetti.h"
#include "geometry_editor/EditorGeometria.h"

#include <cstdint>
#include <string>

namespace kelvra {

// The default swingarm of a new chain, and its wheel radius (the axle's height).
constexpr Punto PERNO_DEFAULT{550.0f, 400.0f};
constexpr Punto ASSE_DEFAULT{1020.0f, 350.0f};
constexpr Punto ATTACCO_DEFAULT{750.0f, 450.0f};

// Display texts of a model point's coordinates and the model value of a box's text, with
// the view and unit table in force.
std::string MostraX(float x);
std::string MostraY(float y);
float LeggiX(const std::string& testo);
float LeggiY(const std::string& testo);

// Whether a box's text, read as the confirm buttons read it, gives a model value beyond the
// range of the 4-byte reals the records hold: such a text is refused while it is typed.
bool FuoriCampoX(const std::string& testo);
bool FuoriCampoY(const std::string& testo);
bool FuoriCampoLunghezza(const std::string& testo);

// A plain length (mm) as shown, and back.
std::string MostraLunghezza(double mm);
float LeggiLunghezza(const std::string& testo);

// The element kind of a type letter: 1 "F", 2 "A", 3 "S", 4 "M", 0 any other.
int TipoDaLettera(const std::string& lettera);

// The swingarm of project NumeroProgetti to pivot (550, 400), axle (1020, 350),
// attachment (750, 450). The wheel radius is left to the callers.
void DatiDefault();

// Fills the boxes of slot k of project p from its record: swingarm points, link start and
// end, rocker vertices and options, shock points and mount option. The radius box is not
// written here (see RiempiRaggio). The filled panel counts as confirmed for the undo.
void RiempiCaselle(EditorGeometria& ed, int16_t p, int16_t k);
// The radius box from RaggioRuota(p); `eventi` runs its change handler (the re-basing).
void RiempiRaggio(EditorGeometria& ed, int16_t p, bool eventi);

// Stores the panel of element kind `tipo` into slot k of project p, reading every box back
// into model millimetres (the swingarm with its wheel radius, the rocker with its options,
// the shock absorber with its mount option). Only a slot that holds the panel's kind is
// written (the swingarm is always slot 0); otherwise nothing changes and the result is
// false. A stored panel's values are the ones the undo may keep (NotaConfermato).
bool MemorizzaElemento(EditorGeometria& ed, int tipo, int16_t p, int16_t k);

// Fills every panel from the chain of project NumeroProgetti, slot after slot, taking the
// undo snapshot of each slot's kind, then the maximum-travel box. The radius box is written
// without re-basing: the chain keeps the heights it was stored (or read from a file) with.
void InitDati(EditorGeometria& ed);

// Re-expresses every box in the unit system now in the unit table: each box's text, read
// in the unit it was shown in (`fattorePrecedente`), is written again in the new unit, so a
// panel open with values typed and not yet confirmed shows them converted; empty boxes stay
// empty. The chain is redrawn in between (which settles the display origin). Nothing is
// stored: a change of units never moves the linkage, and a panel's values reach the model
// only through its confirmation. The radius box is re-expressed without re-basing.
void CambioCoordinate(EditorGeometria& ed, float fattorePrecedente);

// True when the swingarm's boxes leave the tyre off the ground line: the axle's height
// differs from the wheel radius in its box by an amount the boxes show.
bool RuotaStaccata(const EditorGeometria& ed);

// The ground-line re-basing run by every change of the radius text: the view is reset, the
// chain lowered (or raised) so that the axle stands at the radius above y = 0, each element
// stored and the chain redrawn; QuotaSuolo(p) keeps the shift.
void RibasaSuolo(EditorGeometria& ed);

} // namespace kelvra
