// The hook table: every call that runs from one part of the program into another part it may
// not include (the shell into a window, one window into another) goes through here. Each part
// fills its own hooks when the program starts (its Registra... function, called from main); an
// empty hook does nothing, except where said. Tests fill only the hooks they watch.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace kelvra {

class MAIN;

// What the windows and commands of other parts of the program plug into the start-up, the
// main window and the exit. An empty hook does nothing (except where said).
struct GanciShell {
    // ---- start screen and Help menu (the shell's own windows)
    // Show the start screen modeless in the frame, creating it if needed (main window load,
    // click on the empty client area).
    std::function<void(MAIN&)> MostraFrmMenu;
    // Load the start screen without bringing it forward (File/New).
    std::function<void(MAIN&)> CaricaFrmMenu;
    // The Help menu: 1 the manual, 5 the about box.
    std::function<void(int indice, MAIN&)> GestisciMenuGuida;
    // Runs the start screen's activation when it exists (thumbnails drawn again, menus
    // enabled), without bringing it forward.
    std::function<void()> AttivaFrmMenu;
    // The start screen's caption, when it exists, names the projects held now.
    std::function<void()> TitoloFrmMenu;

    // ---- geometry editor
    // Start-up: create the geometry editor when it does not exist yet and apply the unit
    // system SistemaUnita to it (the unit table is filled and its Units menu ticked). Empty:
    // the unit table alone is filled.
    std::function<void()> CreaEditorGeometria;
    // Show the geometry editor modeless, creating it if needed; centred over the main window
    // when `centra` (File/New).
    std::function<void(MAIN&, bool centra)> MostraInsGeo;
    // Refreshes the geometry editor, when it exists, from project NumeroProgetti (its
    // activation: boxes, element list, drawing, menus), without bringing it forward.
    std::function<void()> AttivaInsGeo;
    // The editor's chain check of project NumeroProgetti: true when the linkage is accepted
    // (its flags and solver inputs are then set). Empty: false.
    std::function<bool()> ControlloVariabiliInsGeo;
    // The editor's part of a new project, once the shell has appended the empty project
    // NumeroProgetti: the element list and panels reset, the default swingarm set, drawn and
    // written into the boxes, the menus enabled. Creates the editor when needed.
    std::function<void()> PreparaNuovoProgettoInsGeo;
    // The editor's caption, when it exists, names the projects held now.
    std::function<void()> TitoloInsGeo;
    // (end of the geometry editor's hooks)

    // ---- component editors
    // Each shows its window centred over the main window, modal, on ProgettoSelezionato:
    // the preload window, the shock absorber, spring and bump-stop editors, and the test-bench
    // acquisition parameters.
    std::function<void()> MostraFrmPLoad;
    std::function<void()> MostraInsAmmortizzatore;
    std::function<void()> MostraInsMolla;
    std::function<void()> MostraInsTampone;
    std::function<void()> MostraFrmAcq;
    // Run an editor's activation on the data of ProgettoSelezionato without showing it (the
    // whole-project reader uses them after a load).
    std::function<void()> AttivaInsAmmortizzatore;
    std::function<void()> AttivaInsMolla;
    std::function<void()> AttivaInsTampone;
    // (end of the component editors' hooks)

    // ---- result tables
    // The detailed result table and the summary table, centred over the main window, modal.
    std::function<void()> MostraTab01;
    std::function<void()> MostraTabRiass;
    // (end of the result tables' hooks)

    // ---- graphs
    // Loads the graph window and shows it modeless in the main window.
    std::function<void()> MostraCurve01;
    // Loads the graph window afresh (one already open closes first), centred over the main
    // window, and shows it modal; it is closed when the modal show ends (a bench acquisition).
    std::function<void()> MostraCurve01Modale;
    // The graph window, when open, draws its chart again from the results the projects now
    // hold, with the chart kind, zoom and ranges kept.
    std::function<void()> AggiornaCurve01;
    // File/New of the graph window: the geometry editor created if needed, and a new, empty
    // project set up in the next slot (the shared new-project step). Called only while
    // fewer than six projects are held.
    std::function<void()> NuovoProgettoGrafici;
    // The graph window's caption, when it is open, names the projects held now.
    std::function<void()> TitoloCurve01;
    // (end of the graphs' hooks)

    // ---- project files
    // File/Open: the open chooser, centred over the main window and modal.
    std::function<void(MAIN&)> MostraSceltaOpen;
    // Save as of the graph window: the save chooser, centred over the main window and modal.
    std::function<void(MAIN&)> MostraSceltaSave;
    // The readers, each asking for its file in the open dialog. The geometry and the whole
    // project load into NumeroProgetti, the components into ProgettoSelezionato (and open
    // their editor); each reports through its Caricato... flag, and a cancel changes nothing.
    std::function<void()> ApriSchema;
    std::function<void()> ApriProgetto;
    std::function<void()> ApriAmmortizzatore;
    std::function<void()> ApriMolla;
    std::function<void()> ApriTampone;
    // The writers: the file of slot `progetto` under the full path `nome`; true when it was
    // written (the slot then keeps `nome` as that file's path). On a failure the user has been
    // told, the file already there and the slot's path stay as they were.
    std::function<bool(const std::string& nome, int16_t progetto)> SalvaProgetto;
    std::function<bool(const std::string& nome, int16_t progetto)> SalvaSchema;
    std::function<bool(const std::string& nome, int16_t progetto)> SalvaAmmortizzatore;
    std::function<bool(const std::string& nome, int16_t progetto)> SalvaMolla;
    std::function<bool(const std::string& nome, int16_t progetto)> SalvaTampone;
    // Save as with several projects held: the save dialog of one file kind (MOD_PROGETTO ..
    // MOD_TAMPONE), centred over the main window and modal.
    std::function<void(int16_t tipo)> MostraFrmSalvaTipo;
    // Slot `da` copied whole into slot `a`, ready for the solver (compare commands), or only
    // its linkage (add project).
    std::function<void(int16_t da, int16_t a)> CopiaProgetto;
    std::function<void(int16_t da, int16_t a)> AggiungiProgetto;
    // The printer set-up dialog. Empty: the platform's own set-up dialog.
    std::function<void()> ImpostaStampante;
    // (end of the project files' hooks)

    // ---- ending the program
    // Ends the program at once, with no further window events (exit confirmed, or the
    // language file could not be loaded). Empty: the process ends here and now.
    std::function<void(int codice)> TerminaProgramma;
};
extern GanciShell Ganci;

// The reader and the writer hook of a file kind (MOD_PROGETTO .. MOD_TAMPONE); an empty hook
// for any other kind.
const std::function<void()>& GancioApri(int tipo);
const std::function<bool(const std::string& nome, int16_t progetto)>& GancioSalva(int tipo);

// Runs a hook when it is filled.
template <class Gancio, class... Argomenti> void Chiama(const Gancio& g, Argomenti&&... a) {
    if (g) g(std::forward<Argomenti>(a)...);
}

} // namespace kelvra
