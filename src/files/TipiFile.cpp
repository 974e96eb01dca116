#include "files/TipiFile.h"

#include "shell/Comandi.h"
#include "shell/Ganci.h"

#include <vector>

namespace kelvra::files {

namespace {

bool Tenuto(int p) {
    return ProgettoValido(NumeroProgetti) && p >= 1 && p <= NumeroProgetti;
}

// The data-entered flag behind each option of the save chooser.
constexpr std::array<int16_t Progetto::*, 4> INSERITO = {
    &Progetto::GeometriaInserita, &Progetto::AmmortizzatoreInserito, &Progetto::MollaInserita,
    &Progetto::TamponeInserito};

} // namespace

bool RigaSalvabile(const TipoFile& t, int p) {
    if (!Tenuto(p)) return false;
    const Progetto& pr = Progetti[size_t(p)];
    return (pr.StatoDatiProgetto & t.bitStato) == t.bitStato || Vero(pr.ModificatoFile[t.tipo]);
}

std::array<bool, 4> OpzioniSalvabili() {
    std::array<bool, 4> opzioni{};
    for (int p = 1; Tenuto(p); ++p)
        for (size_t k = 0; k < opzioni.size(); ++k)
            if (Vero(Progetti[size_t(p)].*INSERITO[k])) opzioni[k] = true;
    return opzioni;
}

void SalvaScelte(const std::array<bool, 4>& scelte) {
    if (!ProgettoValido(NumeroProgetti)) return;
    std::vector<int> tipi;
    if (scelte[0] && scelte[1] && scelte[2]) {
        tipi.push_back(MOD_PROGETTO);
    } else {
        for (size_t k = 0; k < scelte.size(); ++k)
            if (scelte[k]) tipi.push_back(int(k) + 1);
    }
    for (int tipo : tipi) SalvaCome(tipo);
}

void ApriScelta(int k) {
    // The options in the order of the chooser: the four single kinds, then the whole project.
    if (k < 0 || k > 4 || !ProgettoValido(NumeroProgetti)) return;
    const int tipo = k == 4 ? MOD_PROGETTO : k + 1;
    int16_t& caricato = *TipoDiFile(tipo).caricato;
    const int16_t selezionato = ProgettoSelezionato, prima = caricato;
    if (!Tenuto(ProgettoSelezionato)) ProgettoSelezionato = NumeroProgetti;
    caricato = FALSO;
    Chiama(GancioApri(tipo));
    if (Vero(caricato)) return;
    caricato = prima;
    ProgettoSelezionato = selezionato;
}

} // namespace kelvra::files
