// The rules the save dialogs, the save chooser and the open chooser follow over the projects
// held, for the file kinds of the core's table. No window here.
#pragma once

#include "core/TipiFile.h"

#include <array>
#include <string>
#include <vector>

namespace kelvra::files {

// A row of the kind's save dialog is offered for a held project (1..NumeroProgetti) whose
// data make a file of the kind, or that holds an unsaved change of the kind.
bool RigaSalvabile(const TipoFile& t, int p);

// A ticked row of a save dialog: its row (the project's number) and the file its name stands
// for.
struct RigaSalvataggio {
    int riga;
    std::string percorso;
};
// Empty when every row names a file of its own; otherwise the message that refuses the save,
// in UTF-8: for each file named by two rows or more, "Rows 1, 2 and 3" and lines 86..88 of
// MsgBox, then the file on a line of its own.
std::string TestoNomiDoppi(const std::vector<RigaSalvataggio>& righe);

// The save chooser's options, 0 geometry .. 3 bump stop: which of them a held project has
// data for.
std::array<bool, 4> OpzioniSalvabili();
// The chooser's OK: geometry, shock absorber and spring ticked together save the whole
// project; otherwise each ticked kind is saved (save as, one kind after the other).
void SalvaScelte(const std::array<bool, 4>& scelte);

// Runs the reader of the open chooser's option k (0 geometry, 1 shock absorber, 2 spring,
// 3 bump stop, 4 whole project) after the question the menus ask before the same read: for a
// whole project the open step (Cancel reads nothing), else the save step of the kinds the read
// replaces. A component goes into the selected project when it is held, else into the
// newest. When nothing was loaded the reader's success flag and the selected project are as
// they were before.
void ApriScelta(int k);

} // namespace kelvra::files
