#include "core/Progetti.h"

#include <cmath>

namespace kelvra {

std::array<Progetto, MAX_PROGETTI + 1> Progetti;

int16_t NumeroProgetti = 1;
int16_t ProgettoSelezionato = 1;

int16_t ContaAste = 0;
int16_t ContaSquadrette = 0;
int16_t ContaAmmortizzatori = 0;

int16_t CaricatoProgetto = FALSO;
int16_t CaricatoSchema = FALSO;
int16_t CaricatoAmmortizzatore = FALSO;
int16_t CaricatoMolla = FALSO;
int16_t CaricatoTampone = FALSO;
int16_t EsitoConfronto = FALSO;

double PiGreco = 4.0 * std::atan(1.0);
float PassoTabella = 1.0f;

std::string PercorsoApplicazione;

int16_t NumeroElementiCatena = 0;
int16_t NumeroGiunzioni = 0;
int16_t AmmortizzatoreSuForcellone = FALSO;

void AzzeraTabelle() {
    for (auto& p : Progetti) p = Progetto{};
    NumeroProgetti = 1;
    ProgettoSelezionato = 1;
    ContaAste = ContaSquadrette = ContaAmmortizzatori = 0;
    CaricatoProgetto = CaricatoSchema = CaricatoAmmortizzatore = FALSO;
    CaricatoMolla = CaricatoTampone = EsitoConfronto = FALSO;
    PiGreco = 4.0 * std::atan(1.0);
    PassoTabella = 1.0f;
    NumeroElementiCatena = 0;
    NumeroGiunzioni = 0;
    AmmortizzatoreSuForcellone = FALSO;
}

void AggiornaModificatoProgetto(int16_t p) {
    if (!ProgettoValido(p)) return;
    auto& m = Progetti[p].ModificatoFile;
    bool qualcuno = Vero(m[MOD_SCHEMA]) || Vero(m[MOD_AMMORTIZZATORE]) || Vero(m[MOD_MOLLA]) ||
                    Vero(m[MOD_TAMPONE]);
    m[MOD_PROGETTO] = qualcuno ? VERO : FALSO;
}

void SulProgetto(int16_t p, const std::function<void()>& azione) {
    if (!ProgettoValido(p)) return;
    const int16_t salvato = NumeroProgetti;
    NumeroProgetti = p;
    azione();
    NumeroProgetti = salvato;
}

} // namespace kelvra
