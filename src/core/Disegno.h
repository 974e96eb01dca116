// The linkage drawing: the element chain of one project drawn to scale into a picture
// with the view of Vista.h. Drawing is additive (callers clear the picture first).
//
// While drawing, the drawers also do the editor's bookkeeping:
//  - PuntiCatena(k + 1): the point the element in slot k + 1 starts from;
//  - the third point of link and shock records and the fourth point of rocker records;
//  - the display origin on the swingarm pivot, CorrezioneAltezza when the axle is above
//    the picture, and the editor's swingarm coordinate boxes.
// The bookkeeping is done even when the picture cannot be drawn on (zero size, or a view
// without a usable scale); then only the drawing calls are left out.
//
// `form` is the window that owns the picture; null for the start screen's thumbnails.
#pragma once

#include "core/ControlliDisegno.h"
#include "core/Progetti.h"
#include "core/Superficie.h"

#include <cstdint>

namespace kelvra {

// Line colours of the elements.
constexpr long COLORE_FORCELLONE = RGB(255, 0, 0);
constexpr long COLORE_ASTA = RGB(255, 0, 255);
constexpr long COLORE_SQUADRETTA = RGB(0, 0, 255);
constexpr long COLORE_AMMORTIZZATORE = RGB(255, 255, 0);
// Point marks: green where the chain goes on, black elsewhere.
constexpr long COLORE_SEGNO_LIBERO = RGB(0, 255, 0);
constexpr long COLORE_SEGNO_FISSO = RGB(0, 0, 0);

// Draws slots 0..UltimoElemento(p) of project p by their type letter (upper-cased):
// "F" swingarm, "A" link, "S" rocker, "M" shock absorber; any other text draws nothing.
// Slots above 10 (a damaged file) are left out. Returns false when p is not a project.
bool DisegnaSchema(EditorDisegno* form, Superficie& picture, int p,
                   int16_t visualizzaCoordinate = FALSO, int16_t visualizzaDimensioni = FALSO);

// Swingarm: pivot-axle line, the attachment joined to its foot on that line, tyre and rim
// circles about the axle, marks; PuntiCatena(1) := attachment; unless ModoEdit is 4 the
// display origin goes on the pivot, and (with a form) the reference lines are drawn on
// the form's PicGeo (not while panning, ModoEdit 3) and the swingarm boxes of project
// NumeroProgetti are filled.
void DisegnaForcellone(EditorDisegno* form, const TrePunti& dati, long colore, Superficie& picture,
                       int p, int16_t visualizzaCoordinate = FALSO,
                       int16_t visualizzaDimensioni = FALSO);

// Link in slot k (start, end, third point). Even slot: pinned to the frame, third point
// := end, and the chain goes on from its start (unless a rocker precedes it, which has
// set the chain point itself). Odd slot: third point absent, the chain goes on from its
// end. Other slots are read from project NumeroProgetti.
void DisegnaAsta(EditorDisegno* form, TrePunti& dati, int k, long colore, Superficie& picture,
                 int16_t visualizzaCoordinate = FALSO, int16_t visualizzaDimensioni = FALSO);

// Rocker in slot k of project p (vertex 1..3, fourth point), by OpzioneFix(k, 0..1, p):
//  (True, 0): pinned at vertex 2, chain from vertex 3; fourth point := vertex 2.
//  (0, True): pinned at vertex 3, chain from vertex 2; fourth point := vertex 3.
//  (0, 0):    chain from both free vertices; fourth point absent. The element in slot
//             k + 1 starts from vertex 2 and the one in slot k + 2 from vertex 3, unless
//             slot k + 1 holds a link whose start lies at vertex 3 (nearer to it than to
//             vertex 2): then the two are the other way round.
//  otherwise: the triangle only.
void DisegnaSquadretta(EditorDisegno* form, QuattroPunti& dati, int k, long colore,
                       Superficie& picture, int p, int16_t visualizzaCoordinate = FALSO,
                       int16_t visualizzaDimensioni = FALSO);

// Shock absorber in slot k of project p (chain end, other mount, third point). With
// AmmortizzatoreFisso(p) = 1 the other mount rides on the swingarm and is joined to it by
// red lines through its foot on the pivot-axle line. Third point := other mount less the
// window corner.
void DisegnaAmmortizzatore(EditorDisegno* form, TrePunti& dati, int k, long colore,
                           Superficie& picture, int p, int16_t visualizzaCoordinate = FALSO,
                           int16_t visualizzaDimensioni = FALSO);

// Perpendicular projection of `punto` on the line through the swingarm pivot and axle
// (the pivot itself when the two coincide).
Punto PiedeSulForcellone(const Punto& perno, const Punto& asse, const Punto& punto);

} // namespace kelvra
