// The five kinds of file a project is kept in, in the order of their unsaved-changes flags:
// whole project, geometry, shock absorber, spring, bump stop. Plain data and the names built
// from it; the readers and writers of each kind are the shell's hooks of the same kind.
#pragma once

#include "core/Lingua.h"
#include "core/Progetti.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvra {

// A line of the language file.
struct RigaTesto {
    const SezioneTesti* sezione;
    int riga;
};

struct TipoFile {
    // The kind, also its unsaved-changes flag and the save dialog that writes it.
    TipoModifica tipo;
    // The kind's word: the open filter's description and the stem of the default names.
    RigaTesto parola;
    // The word in the save dialog's caption and in the open dialog's title.
    RigaTesto titoloSalva;
    RigaTesto titoloApri;
    // The extension of the files written, and the open dialog's pattern.
    const char* estensione;
    const char* modello;
    // The open dialog starts in the program folder.
    bool apriNellaCartella;
    std::string Progetto::*percorso;
    // The state code bits a project needs, all of them, to be saved in this kind.
    int16_t bitStato;
    // The reader's success flag.
    int16_t* caricato;
    // The kinds whose data a read of this kind replaces in its project, one bit (1 << kind)
    // each: a shock absorber file brings its spring and bump stop along.
    int sostituiti;
};

// By kind, MOD_PROGETTO .. MOD_TAMPONE; a kind outside them gives the whole project.
const TipoFile& TipoDiFile(int tipo);

// True when a read of kind `t` replaces the data of kind `tipo` in its project.
bool Sostituisce(const TipoFile& t, int tipo);

// The open dialog's filter ("Project (*.kvp)|*.kvp") and title ("Open Project").
std::string FiltroApri(const TipoFile& t);
std::string TitoloApri(const TipoFile& t);
// The save dialog's caption ("Save Project").
std::string TitoloSalva(const TipoFile& t);
// The name shown in row `riga` when the project has no file of the kind: the word, a space
// and the row number in two digits.
std::string TestoPredefinito(const TipoFile& t, int riga);
// The file a name typed in a save dialog's row stands for (UTF-8, as file names are): in the
// program folder, with the kind's extension.
std::string PercorsoDaTesto(const TipoFile& t, const std::string& testo);
// Where project 1 is saved without a dialog: its file of the kind, or the default name (the
// language text turned into UTF-8).
std::string PercorsoProgettoUnico(const TipoFile& t);

// The held projects other than p (among 1..NumeroProgetti) that name `percorso` as their own
// file of the kind, in order; a compare copies the names, so two projects can name one file.
std::vector<int> AltriProgettiDelFile(const TipoFile& t, int p, const std::string& percorso);

// True when writing project p's file of the kind under `percorso` would replace a file that
// is not the project's own of that kind: a file of that name exists and either it is not the
// one the project was opened from or last saved to, or another held project names it too.
bool FileAltrui(const TipoFile& t, int p, const std::string& percorso);

// Project q's file of the kind was written with another project's data: q no longer matches
// it, so the kind (every kind for a project file) shows unsaved changes, and with it the whole
// project.
void FileNonPiuProprio(const TipoFile& t, int q);

} // namespace kelvra
