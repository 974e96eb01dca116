// The five kinds of file the save windows write (whole project, geometry, shock absorber,
// spring, bump stop) as one table, and the rules the save dialogs and the save chooser follow
// over the projects held. No window here.
#pragma once

#include "core/Lingua.h"
#include "core/Progetti.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace kelvra::files {

struct TipoFile {
    TipoModifica tipo; // the kind, also its unsaved-changes flag
    // The kind's word: the stem of its default names, and its word in the dialog's caption.
    const SezioneTesti* sezioneParola;
    int rigaParola;
    const SezioneTesti* sezioneTitolo;
    int rigaTitolo;
    const char* estensione;
    std::string Progetto::*percorso;
    // The state code bits a project needs, all of them, to be saved in this kind.
    int16_t bitStato;
    bool (*salva)(const std::string& nome, int16_t p);
};

// By kind, 0 whole project .. 4 bump stop; a kind outside 0..4 gives the whole project.
const TipoFile& Tipo(int tipo);

// A row of the kind's save dialog is offered for a held project (1..NumeroProgetti) whose
// data make a file of the kind, or that holds an unsaved change of the kind.
bool RigaSalvabile(const TipoFile& t, int p);

// The name shown in row `riga` when the project has no file of the kind: the word, a space
// and the row number in two digits.
std::string TestoPredefinito(const TipoFile& t, int riga);
// The name shown in the row of project p: its file's name without folder and extension, or
// the default one.
std::string TestoRiga(const TipoFile& t, int p);
// The file a name typed in a row stands for: in the program folder, with the kind's extension.
std::string PercorsoDaTesto(const TipoFile& t, const std::string& testo);
// Where project 1 is saved without a dialog: its file of the kind, or the default name.
std::string PercorsoProgettoUnico(const TipoFile& t);

// The save chooser's options, 0 geometry .. 3 bump stop: which of them a held project has
// data for.
std::array<bool, 4> OpzioniSalvabili();
// The chooser's OK: geometry, shock absorber and spring ticked together save the whole
// project; otherwise each ticked kind is saved. With one project held its files are written at
// once; with several, `dialogo` shows the save dialog of each kind (0..4) in turn.
void SalvaScelte(const std::array<bool, 4>& scelte, const std::function<void(int tipo)>& dialogo);

// Runs the reader of the open chooser's option k (0 geometry, 1 shock absorber, 2 spring,
// 3 bump stop, 4 whole project). A component goes into the selected project when it is held,
// else into the newest. When nothing was loaded the reader's success flag and the selected
// project are as they were before.
void ApriScelta(int k);

} // namespace kelvra::files
