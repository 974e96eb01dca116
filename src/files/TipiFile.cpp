#include "files/TipiFile.h"

#include "core/FileDisco.h"
#include "core/Lingua.h"
#include "shell/Comandi.h"
#include "shell/Ganci.h"

#include <vector>

namespace kelvra::files {

namespace {

// Lines of MsgBox: "Rows", "and", "name the same file; nothing was saved:".
constexpr int MSG_RIGHE = 86, MSG_E = 87, MSG_STESSO_FILE = 88;

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

std::string TestoNomiDoppi(const std::vector<RigaSalvataggio>& righe) {
    std::string testo;
    std::vector<bool> contata(righe.size(), false);
    for (size_t a = 0; a < righe.size(); ++a) {
        if (contata[a]) continue;
        std::vector<int> gruppo{righe[a].riga};
        for (size_t b = a + 1; b < righe.size(); ++b) {
            if (contata[b] || !StessoFile(righe[a].percorso, righe[b].percorso)) continue;
            contata[b] = true;
            gruppo.push_back(righe[b].riga);
        }
        if (gruppo.size() < 2) continue;
        if (!testo.empty()) testo += "\n\n";
        testo += InUtf8(Riga(Messaggi, MSG_RIGHE));
        for (size_t k = 0; k < gruppo.size(); ++k) {
            if (k + 1 == gruppo.size())
                testo += " " + InUtf8(Riga(Messaggi, MSG_E));
            else if (k > 0)
                testo += ",";
            testo += " " + std::to_string(gruppo[k]);
        }
        testo += " " + InUtf8(Riga(Messaggi, MSG_STESSO_FILE)) + "\n" + righe[a].percorso;
    }
    return testo;
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
    // A whole project is read over the newest one held, as the File menus' Open reads it; a
    // geometry or component asks first about every kind it replaces.
    if (tipo == MOD_PROGETTO && !PassoApertura()) return;
    if (tipo != MOD_PROGETTO) PassoSalvataggioLettura(static_cast<int16_t>(tipo));
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
