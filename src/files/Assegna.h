// Between the records of the files and the project tables: a record built from a project
// slot for the writers, and a record spread into a slot, with the checks against the data
// already there, for the readers. No window and no file here: the readers of FileProgetto.h
// show the messages these answer with.
#pragma once

#include "core/Lingua.h"
#include "files/Record.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvra::files {

// A message the reader shows after a load: a line of a language section.
struct Avviso {
    const SezioneTesti* sezione = nullptr;
    int riga = 0;
    bool operator==(const Avviso&) const = default;
};
using Avvisi = std::vector<Avviso>;

// The count rule of the component tables: the row before the first row r > 0 whose force is
// 0, or the last row when there is none.
int16_t UltimaRigaForza(const Colonna& forza);

// A path field as the tables hold it, in the file system's UTF-8 (trailing blanks and NULs
// dropped), and back (NULs for an empty path); Assegna.cpp says when a path is stored in the
// code page and when as UTF-8.
std::string PercorsoDaRecord(const std::string& campo);
std::string PercorsoInRecord(const std::string& percorso);

// ---- geometry ".kv3"
RecordSchema RecordSchemaDa(int16_t p);
// Spreads the record into slot n: the chain, the editor's counters and the wheel radius.
void CaricaSchema(const RecordSchema& r, int16_t n);

// ---- whole project ".kvp"
RecordProgetto RecordProgettoDa(int16_t p);
// What the file lacks, in the order the user is told; `senzaAmmortizzatore` is set when it
// holds neither shock data nor a shock file.
Avvisi ControllaProgetto(const RecordProgetto& r, bool& senzaAmmortizzatore);
// Spreads the record into slot p and rebuilds the component axes.
void CaricaProgetto(const RecordProgetto& r, int16_t p);
// Told once the project read into slot p is solved: its shock absorber does not fit the
// geometry, as judged against that geometry (a file's own verdict is not repeated: a shock
// absorber typed before its geometry was saved unjudged).
Avvisi ControllaCompatibilita(int16_t p);

// ---- components, into slot p = ProgettoSelezionato; each answers with its messages.
RecordTampone RecordTamponeDa(int16_t p);
RecordMolla RecordMollaDa(int16_t p);
RecordAmmortizzatore RecordAmmortizzatoreDa(int16_t p);
Avvisi CaricaTampone(RecordTampone r, int16_t p);
Avvisi CaricaMolla(RecordMolla r, int16_t p);
Avvisi CaricaAmmortizzatore(RecordAmmortizzatore r, int16_t p);

} // namespace kelvra::files
