// The editor's undo: one snapshot per entry panel (swingarm, link, rocker, shock absorber),
// held in one program-wide record. A snapshot holds only confirmed values: each panel's boxes
// are kept as model millimetres when they are confirmed (or filled from a slot's record), so
// that a zoom, a pan or a change of units before the replay does not move a point, and saving
// a kind copies what was kept of it; boxes still empty or typed but not confirmed never reach
// the record. The replay refills the panels from the record and runs their confirm buttons.
#pragma once

#include "geometry_editor/EditorGeometria.h"

#include <array>
#include <cstdint>
#include <string>

namespace kelvra {

struct RecordUndo {
    // Swingarm: pivot, axle, attachment (x then y), model mm as text.
    std::array<std::string, 3> ForcelloneX{};
    std::array<std::string, 3> ForcelloneY{};
    // Wheel radius in mm, as text (replayed in the unit shown then).
    std::string Raggio;
    // Link: start and end.
    std::string AstaPrecX, AstaPrecY, AstaX, AstaY;
    int16_t ModifyAsta = 0;
    int16_t ModifySquadretta = 0;
    // Rocker: vertex 1, vertex 2 (index 0), vertex 3 (index 1).
    std::string ElemPrecX, ElemPrecY;
    std::array<std::string, 2> SquadrettaX{};
    std::array<std::string, 2> SquadrettaY{};
    int16_t OptFix0 = 0;
    int16_t OptFix1 = 0;
    // Shock absorber: chain end, other mount.
    std::string MollaPrecX, MollaX, MollaPrecY, MollaY;
    int16_t ChkFix = 0;
    // Which kinds (1..4) have been saved since the program started: a kind never saved is
    // not replayed.
    std::array<bool, 5> Salvato{};
};

extern RecordUndo DatiUndo;

// Brings the record back to its start-up state (nothing saved).
void AzzeraUndo();

// Keeps the boxes of the panel of kind 1..4 as its confirmed values.
void NotaConfermato(const EditorGeometria& ed, int16_t tipo);

// Kind 1..4 saves that panel's confirmed values into DatiUndo (nothing when the kind was
// never confirmed); kind 0 replays every slot of the chain of
// project NumeroProgetti from DatiUndo; any other kind does nothing.
void ProceduraUndo(EditorGeometria& ed, int16_t tipo);

} // namespace kelvra
