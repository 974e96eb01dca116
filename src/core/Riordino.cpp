#include "core/Riordino.h"

namespace kelvra {

void ScambiaProgetti(int16_t a, int16_t b) {
    if (!ProgettoValido(a) || !ProgettoValido(b) || a == b) return;
    // A project is its record: one exchange moves every table, flag and name with it.
    ScambiaVarianti(Progetti[a], Progetti[b]);
}

void ApplicaOrdineProgetti(const TabellaProgetti& ordine, int16_t inizio) {
    for (int16_t i = inizio; i <= NumeroProgetti; ++i)
        if (i < ordine[i]) ScambiaProgetti(i, ordine[i]);
}

void RiordinaProgetti(TabellaProgetti& mantieni, int16_t inizio) {
    if (inizio < 1 || inizio > NumeroProgetti || !ProgettoValido(NumeroProgetti)) return;
    TabellaProgetti ordine{};
    int16_t tenuti = 0;
    for (int16_t j = inizio; j <= NumeroProgetti; ++j) {
        ordine[j] = j;
        if (mantieni[j] == 1) ++tenuti;
    }
    // The caller makes sure something is kept; never fall to a project count below start.
    if (tenuti == 0) return;

    // Passes of adjacent exchanges: kept slots first, each group in increasing order.
    bool scambiato = true;
    while (scambiato) {
        scambiato = false;
        for (int16_t j = inizio; j <= NumeroProgetti - 1; ++j) {
            if (mantieni[ordine[j + 1]] == 1 && mantieni[ordine[j]] == 0) {
                ScambiaVarianti(ordine[j], ordine[j + 1]);
                scambiato = true;
            }
        }
    }
    ApplicaOrdineProgetti(ordine, inizio);

    NumeroProgetti = static_cast<int16_t>(inizio + tenuti - 1);
    ProgettoSelezionato = NumeroProgetti;
    if (NumeroProgetti == 1) EsitoConfronto = FALSO;
}

} // namespace kelvra
