#include "files/TipiFile.h"

#include "core/Servizi.h"
#include "files/FileProgetto.h"

#include <cstdio>

namespace kelvra::files {

namespace {

// Each kind's dialog is captioned with its own word: a spring dialog does not say "project".
const std::array<TipoFile, 5> TIPI = {{
    {MOD_PROGETTO, &TestiCommon, 12, &TestiCommon, 12, ".kvp", &Progetto::NomeFileProgetto, 7,
     &SalvaProgetto},
    {MOD_SCHEMA, &TestiInsGeo01, 18, &TestiInsGeo01, 7, ".kv3", &Progetto::NomeFileSchema, 1,
     &SalvaSchema},
    {MOD_AMMORTIZZATORE, &TestiInsGeo01, 15, &TestiInsGeo01, 15, ".kva",
     &Progetto::NomeFileAmmortizzatore, 4, &SalvaAmmortizzatore},
    {MOD_MOLLA, &TestiInsGeo01, 4, &TestiInsGeo01, 4, ".kvr", &Progetto::NomeFileMolla, 2,
     &SalvaMolla},
    {MOD_TAMPONE, &TestiInsGeo01, 20, &TestiInsGeo01, 20, ".kvt", &Progetto::NomeFileTampone, 8,
     &SalvaTampone},
}};

bool Tenuto(int p) {
    return ProgettoValido(NumeroProgetti) && p >= 1 && p <= NumeroProgetti;
}

// The data-entered flag behind each option of the save chooser.
constexpr std::array<int16_t Progetto::*, 4> INSERITO = {
    &Progetto::GeometriaInserita, &Progetto::AmmortizzatoreInserito, &Progetto::MollaInserita,
    &Progetto::TamponeInserito};

} // namespace

const TipoFile& Tipo(int tipo) {
    return TIPI[tipo >= 0 && tipo < int(TIPI.size()) ? size_t(tipo) : 0];
}

bool RigaSalvabile(const TipoFile& t, int p) {
    if (!Tenuto(p)) return false;
    const Progetto& pr = Progetti[size_t(p)];
    return (pr.StatoDatiProgetto & t.bitStato) == t.bitStato || Vero(pr.ModificatoFile[t.tipo]);
}

std::string TestoPredefinito(const TipoFile& t, int riga) {
    char numero[8];
    std::snprintf(numero, sizeof numero, "%02d", riga);
    return Riga(*t.sezioneParola, t.rigaParola) + " " + numero;
}

std::string TestoRiga(const TipoFile& t, int p) {
    const std::string& percorso = Progetti[size_t(p)].*t.percorso;
    return percorso.empty() ? TestoPredefinito(t, p) : EstraiNomeFile(percorso);
}

std::string PercorsoDaTesto(const TipoFile& t, const std::string& testo) {
    return PercorsoApplicazione + testo + t.estensione;
}

std::string PercorsoProgettoUnico(const TipoFile& t) {
    const std::string& percorso = Progetti[1].*t.percorso;
    // The default name is language text in the code page; file names are UTF-8.
    return percorso.empty() ? PercorsoDaTesto(t, InUtf8(TestoPredefinito(t, 1))) : percorso;
}

std::array<bool, 4> OpzioniSalvabili() {
    std::array<bool, 4> opzioni{};
    for (int p = 1; Tenuto(p); ++p)
        for (size_t k = 0; k < opzioni.size(); ++k)
            if (Vero(Progetti[size_t(p)].*INSERITO[k])) opzioni[k] = true;
    return opzioni;
}

void SalvaScelte(const std::array<bool, 4>& scelte, const std::function<void(int tipo)>& dialogo) {
    if (!ProgettoValido(NumeroProgetti)) return;
    std::vector<int> tipi;
    if (scelte[0] && scelte[1] && scelte[2]) {
        tipi.push_back(MOD_PROGETTO);
    } else {
        for (size_t k = 0; k < scelte.size(); ++k)
            if (scelte[k]) tipi.push_back(int(k) + 1);
    }
    for (int tipo : tipi) {
        const TipoFile& t = Tipo(tipo);
        if (NumeroProgetti != 1) {
            if (dialogo) dialogo(tipo);
        } else {
            t.salva(PercorsoProgettoUnico(t), 1);
        }
    }
}

void ApriScelta(int k) {
    struct Lettore {
        void (*apri)();
        int16_t* caricato;
    };
    const std::array<Lettore, 5> lettori = {{
        {[] {
             int16_t annullato = FALSO;
             ApriSchema(annullato);
         },
         &CaricatoSchema},
        {&ApriAmmortizzatore, &CaricatoAmmortizzatore},
        {&ApriMolla, &CaricatoMolla},
        {&ApriTampone, &CaricatoTampone},
        {&ApriProgetto, &CaricatoProgetto},
    }};
    if (k < 0 || k >= int(lettori.size()) || !ProgettoValido(NumeroProgetti)) return;
    const Lettore& l = lettori[size_t(k)];
    const int16_t selezionato = ProgettoSelezionato, caricato = *l.caricato;
    if (!Tenuto(ProgettoSelezionato)) ProgettoSelezionato = NumeroProgetti;
    *l.caricato = FALSO;
    l.apri();
    if (Vero(*l.caricato)) return;
    *l.caricato = caricato;
    ProgettoSelezionato = selezionato;
}

} // namespace kelvra::files
