// The result tables' tests: the program's own start-up with the language file in a temporary
// folder, the tables' hooks filled, and projects with curves that are easy to read back.
#pragma once

#include "core/Lingua.h"
#include "core/Unita.h"
#include "shell/Avvio.h"
#include "shell/Ganci.h"
#include "support/ProgrammaAvviato.h"
#include "support/RisposteDialoghi.h"
#include "tables/Tab01.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <filesystem>

namespace kelvra::test {

class AmbienteTabelle : public ProgrammaAvviato {
  protected:
    void SetUp() override {
        ProgrammaAvviato::SetUp();
        RegistraTabelle();
        Unita(SISTEMA_METRICO);
    }
    static void Unita(int16_t sistema) {
        ImpostaUnitaMisura(sistema);
        SistemaUnita = sistema;
    }
    // A computed project: point i is i mm of travel; every curve moves with i so that a
    // value tells its point.
    static Progetto& Calcolato(int16_t p, int16_t stato, int16_t punti) {
        Progetto& P = Progetti[p];
        for (int i = 0; i <= MAX_PUNTI; ++i) {
            P.AsseCorsaRuota[i] = i;
            P.AngoloForcellone[i] = -5 + 0.1 * i;
            P.LunghezzaAmmortizzatore[i] = 310.5 - 0.25 * i;
            P.EscursioneAmmortizzatore[i] = 0.25 * i;
            P.Leveraggio[i] = 3 - 0.001 * i;
            P.CaricoRuota[i] = 1000 + 10 * i;
        }
        P.NumPunti = punti;
        P.StatoDatiProgetto = stato;
        P.GeometriaInserita = (stato & 1) ? VERO : FALSO;
        if (NumeroProgetti < p) NumeroProgetti = p;
        return P;
    }

    RisposteDialoghi finestre;
};

} // namespace kelvra::test
