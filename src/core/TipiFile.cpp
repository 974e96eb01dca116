#include "core/TipiFile.h"

#include "core/FileDisco.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace kelvra {

namespace {

std::string Testo(const RigaTesto& r) {
    return Riga(*r.sezione, r.riga);
}

// Each kind's save dialog is captioned with its own word: a spring dialog does not say
// "project".
const std::array<TipoFile, 5> TIPI = {{
    {.tipo = MOD_PROGETTO,
     .parola = {&TestiCommon, 12},
     .titoloSalva = {&TestiCommon, 12},
     .titoloApri = {&TestiCommon, 12},
     .estensione = ".kvp",
     .modello = "*.kvp",
     .apriNellaCartella = false,
     .percorso = &Progetto::NomeFileProgetto,
     .bitStato = 7,
     .caricato = &CaricatoProgetto,
     .sostituiti = 0x1F}, // every kind
    {.tipo = MOD_SCHEMA,
     .parola = {&TestiInsGeo01, 18},
     .titoloSalva = {&TestiInsGeo01, 7},
     .titoloApri = {&TestiInsGeo01, 19},
     .estensione = ".kv3",
     .modello = "*.Kv3",
     .apriNellaCartella = true,
     .percorso = &Progetto::NomeFileSchema,
     .bitStato = 1,
     .caricato = &CaricatoSchema,
     .sostituiti = 1 << MOD_SCHEMA},
    {.tipo = MOD_AMMORTIZZATORE,
     .parola = {&TestiInsGeo01, 15},
     .titoloSalva = {&TestiInsGeo01, 15},
     .titoloApri = {&TestiInsGeo01, 15},
     .estensione = ".kva",
     .modello = "*.kva",
     .apriNellaCartella = false,
     .percorso = &Progetto::NomeFileAmmortizzatore,
     .bitStato = 4,
     .caricato = &CaricatoAmmortizzatore,
     .sostituiti = (1 << MOD_AMMORTIZZATORE) | (1 << MOD_MOLLA) | (1 << MOD_TAMPONE)},
    {.tipo = MOD_MOLLA,
     .parola = {&TestiInsGeo01, 4},
     .titoloSalva = {&TestiInsGeo01, 4},
     .titoloApri = {&TestiInsGeo01, 4},
     .estensione = ".kvr",
     .modello = "*.kvr",
     .apriNellaCartella = false,
     .percorso = &Progetto::NomeFileMolla,
     .bitStato = 2,
     .caricato = &CaricatoMolla,
     .sostituiti = 1 << MOD_MOLLA},
    {.tipo = MOD_TAMPONE,
     .parola = {&TestiInsGeo01, 20},
     .titoloSalva = {&TestiInsGeo01, 20},
     .titoloApri = {&TestiInsGeo01, 20},
     .estensione = ".kvt",
     .modello = "*.kvt",
     .apriNellaCartella = false,
     .percorso = &Progetto::NomeFileTampone,
     .bitStato = 8,
     .caricato = &CaricatoTampone,
     .sostituiti = 1 << MOD_TAMPONE},
}};

} // namespace

const TipoFile& TipoDiFile(int tipo) {
    return TIPI[tipo >= 0 && tipo < int(TIPI.size()) ? size_t(tipo) : 0];
}

bool Sostituisce(const TipoFile& t, int tipo) {
    return tipo >= MOD_PROGETTO && tipo <= MOD_TAMPONE && (t.sostituiti >> tipo & 1) != 0;
}

std::string FiltroApri(const TipoFile& t) {
    return Testo(t.parola) + " (" + t.modello + ")|" + t.modello;
}

std::string TitoloApri(const TipoFile& t) {
    return Riga(TestiCommon, 6) + " " + Testo(t.titoloApri);
}

std::string TitoloSalva(const TipoFile& t) {
    return Riga(TestiCommon, 7) + " " + Testo(t.titoloSalva);
}

std::string TestoPredefinito(const TipoFile& t, int riga) {
    char numero[8];
    std::snprintf(numero, sizeof numero, "%02d", riga);
    return Testo(t.parola) + " " + numero;
}

std::string PercorsoDaTesto(const TipoFile& t, const std::string& testo) {
    return PercorsoApplicazione + testo + t.estensione;
}

std::string PercorsoProgettoUnico(const TipoFile& t) {
    const std::string& percorso = Progetti[1].*t.percorso;
    // The default name is language text in the code page; file names are UTF-8.
    return percorso.empty() ? PercorsoDaTesto(t, InUtf8(TestoPredefinito(t, 1))) : percorso;
}

std::vector<int> AltriProgettiDelFile(const TipoFile& t, int p, const std::string& percorso) {
    std::vector<int> altri;
    if (!ProgettoValido(NumeroProgetti)) return altri;
    for (int q = 1; q <= NumeroProgetti; ++q)
        if (q != p && StessoFile(percorso, Progetti[size_t(q)].*t.percorso)) altri.push_back(q);
    return altri;
}

bool FileAltrui(const TipoFile& t, int p, const std::string& percorso) {
    if (!FileEsiste(percorso)) return false;
    return !ProgettoValido(p) || !StessoFile(percorso, Progetti[size_t(p)].*t.percorso) ||
           !AltriProgettiDelFile(t, p, percorso).empty();
}

void FileNonPiuProprio(const TipoFile& t, int q) {
    if (!ProgettoValido(q)) return;
    auto& modificato = Progetti[size_t(q)].ModificatoFile;
    // A project file held every kind of the project, so all of them are now unsaved; the whole
    // project's flag is the Or of the others, which a later save of one kind derives again.
    if (t.tipo == MOD_PROGETTO)
        std::fill(modificato.begin(), modificato.end(), VERO);
    else
        modificato[t.tipo] = VERO;
    AggiornaModificatoProgetto(int16_t(q));
}

} // namespace kelvra
