// A computed project without the solver, for the tables' tests and benchmarks: point i is
// i mm of wheel travel and every curve the state code computes moves with i, so a value
// tells its point; curves the state code does not compute stay 0. Header only.
#pragma once

#include "core/Progetti.h"

namespace kelvra::test {

inline Progetto& ProgettoRisolto(int16_t p, int16_t stato, int16_t punti) {
    Progetto& P = Progetti[p];
    const bool geometria = stato & 1, molla = stato & 2, ammortizzatore = stato & 4,
               tampone = stato & 8;
    const bool carichi = geometria && ammortizzatore && (molla || tampone);
    for (int i = 0; i <= MAX_PUNTI; ++i) {
        if (geometria) {
            P.AsseCorsaRuota[i] = i;
            P.AngoloForcellone[i] = -5 + 0.1 * i;
            P.LunghezzaAmmortizzatore[i] = 310.5 - 0.25 * i;
            P.EscursioneAmmortizzatore[i] = 0.25 * i;
            P.Leveraggio[i] = 3 - 0.001 * i;
            P.RapportoVelocita[i] = 0.34 + 0.0001 * i;
            P.Progressivita[i] = 0.01 * i;
        }
        if (carichi) {
            P.ProgressivitaCarico[i] = 1 + 0.002 * i;
            P.ForzaAmmortizzatore[i] = 2000 + 13.7 * i;
            P.MomentoForcellone[i] = 500 + 1.3 * i;
            P.CaricoRuota[i] = 1000 + 10 * i;
            P.RigidezzaRuota[i] = 4 + 0.01 * i;
        }
        if (molla) P.EscursioneMolla[i] = i, P.ForzaMolla[i] = 95.5 * i;
        if (molla && ammortizzatore)
            P.AsseCorsaAmmortizzatore[i] = i, P.ForzaStaticaAmmortizzatore[i] = 800 + 95.5 * i;
        if (tampone) P.EscursioneTampone[i] = i, P.ForzaTampone[i] = 10.25 * i * i;
    }
    P.NumPunti = punti;
    P.NumPuntiMolla = molla ? punti : 0;
    P.NumPuntiAmmortizzatore = molla && ammortizzatore ? punti : 0;
    P.NumPuntiTampone = tampone ? punti : 0;
    P.StatoDatiProgetto = stato;
    P.GeometriaInserita = geometria ? VERO : FALSO;
    if (NumeroProgetti < p) NumeroProgetti = p;
    return P;
}

} // namespace kelvra::test
