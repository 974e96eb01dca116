// The editor's undo: one snapshot per entry panel (swingarm, link, rocker, shock absorber),
// held in one program-wide record. Saving copies one panel's boxes into the record as model
// millimetres, so that a zoom, a pan or a change of units before the replay does not move a
// point; the replay refills the panels from the record and runs their confirm buttons.
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

// Kind 1..4 saves that panel into DatiUndo; kind 0 replays every slot of the chain of
// project NumeroProgetti from DatiUndo; any other kind does nothing.
void ProceduraUndo(EditorGeometria& ed, int16_t tipo);

} // namespace kelvra
