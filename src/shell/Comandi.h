// Commands that several windows offer in the same form (the start screen, the geometry
// editor and the graph window call them with their menu index): each checks what it must
// and opens its window through the hook table.
#pragma once

namespace kelvra {

// Preload command: index 1 shows the preload window centred over the main window, modal.
void MostraPrecarico(int Index);

// Results, graphs and tables commands. When the newest project's geometry is entered but it
// was not computed, VerificaCalcolo shows its warning and nothing opens; otherwise index 1
// shows the summary table or the detailed table (modal, centred) or the graph window
// (modeless). A project without geometry opens its window empty.
void MostraRiassunto(int Index);
void MostraGrafici(int Index);
void MostraTabelle(int Index);

} // namespace kelvra
