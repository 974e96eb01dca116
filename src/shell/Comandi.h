// Commands that several windows offer in the same form (the start screen, the geometry
// editor and the graph window call them with their menu index): each checks what it must,
// changes the project tables and opens its window through the hook table. Every change of
// the number of projects held goes through here, so no command ever uses a seventh slot.
#pragma once

#include "core/Riordino.h"

#include <cstdint>
#include <functional>
#include <string>

namespace kelvra {

class MAIN;
class ControlliFinestra;

// Preload command: index 1 shows the preload window centred over the main window, modal.
void MostraPrecarico(int Index);

// Results, graphs and tables commands. When the newest project's geometry is entered but it
// was not computed, VerificaCalcolo shows its warning and nothing opens; otherwise index 1
// shows the summary table or the detailed table (modal, centred) or the graph window
// (modeless). A project without geometry opens its window empty.
void MostraRiassunto(int Index);
void MostraGrafici(int Index);
void MostraTabelle(int Index);

// The Help menu: 1 the manual, 5 the about box centred over the main window, modal.
void GestisciMenuGuida(int Index, MAIN& form);
// Opens <program folder>Kelvra.Pdf with the desktop's viewer; a missing file or a desktop
// with no viewer is told in a message box.
void ApriManuale();

// The Units menu: fills the unit table for system `Index` (1 metric, 2 imperial), ticks the
// chosen item of the calling window and unticks the other, and keeps the system. Other
// indexes change nothing. `form` may be null.
void ImpostaUnita(int Index, ControlliFinestra* form);

// The calling window of a File menu: its activation, its print command and its named
// controls. An empty member is skipped.
struct FinestraChiamante {
    std::function<void()> Form_Activate;
    std::function<void()> CmdStampa_Click;
};

// The File menus. Editor: 1 new, 2 open, 3 compare, 4 close last, 6 save as, 9 printer
// set-up, 10 print, 14 exit; the calling window is activated again once a project was
// loaded or closed. Open reads over the newest project: PassoApertura asks first, and Cancel
// opens nothing. Start screen: the same numbers, 13 exit, and 11 (its exit-door button)
// exit too. Other indexes do nothing.
void GestisciMenuFileInsGeo(int Index, const FinestraChiamante& form);
void GestisciMenuFileFrmMenu(int Index);

// True when a further project slot is free; otherwise beeps and is false.
bool SlotLibero();

// New project: refuses (beep) with six projects held; when the working project was never
// computed asks whether to compute it (Yes computes a chain that ends with the shock
// absorber and passes the check, else goes on as No); then appends an empty project with
// the swingarm alone in the next slot and lets the geometry editor set it up.
void PreparaNuovoProgetto();

// Whether projects may be closed: `mantieni` flags 1 the projects kept among slots
// 1..NumeroProgetti, the others are to close. When none of those holds a change not saved
// they go without a question. Otherwise the user is asked (line 90 of MsgBox for one project,
// 91 for several) with Yes, No and Cancel: No lets them go unsaved, Cancel keeps them, Yes
// shows the project save dialog and lets them go only once every one of them has been saved
// (a save closed unused or failed keeps them all).
bool ChiusuraConsentita(const TabellaProgetti& mantieni);

// ChiusuraConsentita for projects da..NumeroProgetti, the ones below kept: every command that
// drops the newest projects or reads a file over a project held asks through here first.
bool ProgettiLasciati(int16_t da);

// The question before a project file is read over project NumeroProgetti: the closing check
// when that project holds changes not saved (its Yes saves, so nothing more is asked), else
// the save step as ever. False when the user keeps the project (Cancel).
bool PassoApertura();

// Close last file: with two projects or more the newest is dropped, once ChiusuraConsentita
// lets it go, and the one before it becomes the working and selected project; the windows'
// captions follow. False (nothing done) with one project or when the user keeps it.
bool ChiudiUltimoProgetto();

// The captions of the windows that name the number of projects held (the start screen, the
// geometry editor, the graph window) follow it at once, whichever window is in front.
void AggiornaTitoli();

// Save as, the one command of every window for a file kind (MOD_PROGETTO .. MOD_TAMPONE):
// several projects, the kind's save dialog; one project, its file of that kind (given the
// default name <program folder><kind word> 01<extension> when it has none), through
// SalvaFileTipo. True when a file was written.
bool SalvaCome(int tipo);

// Writes project p's file of kind `tipo` (MOD_PROGETTO .. MOD_TAMPONE) under `percorso` with
// the kind's writer. A file of that name that is not the project's own of the kind is replaced
// only when the user answers Yes to line 89 of MsgBox, whose default is No; No writes nothing.
// When other held projects name the file as theirs of the kind, the question is lines 92 and
// 93 instead, naming those projects, and once the file is written they show the kind unsaved.
// True when the file was written.
bool SalvaFileTipo(int tipo, const std::string& percorso, int16_t p);

// The save step of one file kind: with `chiedi`, only when some project holds unsaved changes
// of that kind and the user answers Yes to line 18 of MsgBox; then save as.
void PassoSalvataggioTipo(int16_t tipo, bool chiedi);

// The save step before a file of kind `tipo` is read: when some project holds unsaved changes
// of a kind the read replaces (a shock absorber file brings its spring and bump stop too), the
// user is asked once (line 18 of MsgBox); Yes saves each of those kinds that holds changes
// (save as), No lets the read replace them.
void PassoSalvataggioLettura(int16_t tipo);

// Items 1 enter data, 3 open, 4 compare and 5 save as of a component menu (kind 2 shock
// absorber, 3 spring, 4 bump stop): entering first offers to save the kind's unsaved changes,
// opening the save step of the kinds the read replaces; `editor` shows the kind's editor.
void ComandoFileComponente(int16_t tipo, int Index, const std::function<void()>& editor);

// Compare runs, for the menus of the start screen, the geometry editor and the graphs: each
// pass loads one file into the next slot and asks (line 14 of MsgBox) before the next; a run
// stops by itself once slot 6 is filled. While the one project held lacks what is compared
// (for whole projects: holds nothing) the first file goes into slot 1, otherwise the files
// are appended after the projects held; with six held the run beeps and does nothing. A whole
// project read over slot 1 goes through the closing check first, a component or geometry read
// into slot 1 through the save step of the kinds it replaces. A
// failed or cancelled load ends the run: the count goes back to the last file loaded, and
// the selected project follows it when a file was loaded (back to where it was otherwise).
void ConfrontaProgetti();
// The geometry compare: ConfrontaComponente(MOD_SCHEMA).
void ConfrontaSchemi();

// The compare of one kind (1 geometry, 2 shock absorber, 3 spring, 4 bump stop). The reader
// checks and solves a geometry, and the start screen shows each one as it comes. A component
// is tried on the newest linkage: its slot first takes a copy of the project before it when
// that one has a geometry, and a load that fails there clears the copy again (the reader
// computes the curves of what it loads onto a geometry). The start screen is drawn again at
// the end.
void ConfrontaComponente(int16_t tipo);

// Add project: refuses (beep) with six projects held; otherwise copies the linkage of the
// working project into the next slot, emptied first, and makes it the working and selected
// project. False when nothing was added.
bool AggiungiProgettoNuovo();

// The way every change of project q's data ends (a project, geometry or component file read
// into it, a component window's OK): when its geometry is entered the solver runs on it again,
// the fits of its spring, shock absorber and bump stop are judged against that geometry's rest
// length (silently: the reader or window that took a component reports its misfit; a shock
// absorber read before any geometry and still as read is told here, once), and the open
// windows that show results draw them afresh. Every window then shows what a save and reopen
// of the project would give. With `avvisa` a linkage that gives no usable result is reported
// (message 41), as CALCULATE reports it, unless the misfit just told says why; a component
// change is silent.
void RisolviProgetto(int16_t q, bool avvisa = false);

// Fills the shell's own hooks (the Help menu).
void RegistraComandi();

} // namespace kelvra
