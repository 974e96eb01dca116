// The force table of the spring and the bump stop without a window: block choice, fills by
// rate and by force worked by hand, row counts, length checks and the imperial round trip.
#include "components/TabellaComponente.h"
#include "core/Unita.h"
#include "support/Risposte.h"

#include <gtest/gtest.h>
#include <vector>

using namespace kelvra;

namespace {

class ForceTable : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        ImpostaUnitaMisura(SISTEMA_METRICO);
    }
};

TEST_F(ForceTable, AClickFillsDownFromTheFirstEmptyRowNeverPastIt) {
    struct Caso {
        int pieni; // rows 0..pieni-1 hold a rate
        int riga;
        int inizio;
    };
    for (const Caso c : {Caso{2, 3, 2}, Caso{1, 3, 0}, Caso{5, 3, 3}, Caso{0, 3, 0}, Caso{0, 0, 0},
                         Caso{1001, 1000, 1000}}) {
        TabellaComponente t(LeggeForza::Lineare);
        for (int i = 0; i < c.pieni; ++i) t.TabellaCostanti[i] = 1;
        EXPECT_EQ(t.InizioBlocco(c.riga), c.inizio) << c.pieni << " filled, click " << c.riga;
    }
}

TEST_F(ForceTable, RateAndForceFillsFollowTheirLaw) {
    struct Caso {
        LeggeForza legge;
        bool perForza;
        int primo, righe;
        double valore, forzaSopra, k;
        std::vector<double> forze; // rows primo..
        double ultima;             // at the block's last row
    };
    const double k21 = 60.0 / 21;
    const std::vector<Caso> casi = {
        {LeggeForza::Lineare, false, 0, 4, 20, 0, 20, {0, 20, 40, 60}, 60},
        {LeggeForza::Quadratica, false, 0, 4, 2, 0, 2, {0, 2, 8, 18}, 18},
        {LeggeForza::Lineare, true, 0, 5, 100, 0, 25, {0, 25, 50, 75, 100}, 100},
        {LeggeForza::Quadratica, true, 0, 5, 100, 0, 6.25, {0, 6.25, 25, 56.25, 100}, 100},
        {LeggeForza::Lineare, true, 3, 3, 100, 40, 20, {60, 80, 100}, 100},
        {LeggeForza::Quadratica, true, 3, 3, 100, 40, k21, {40 + 5 * k21, 40 + 12 * k21, 100}, 100},
        // A one-row block at row 0 keeps the force 0 and row 0's rate.
        {LeggeForza::Lineare, true, 0, 1, 50, 0, 7, {0}, 0},
        // The bump stop's sums reach a million over a thousand rows.
        {LeggeForza::Quadratica, true, 1, 1000, 1e6, 0, 1, {1}, 1e6},
    };
    for (const Caso& c : casi) {
        TabellaComponente t(c.legge);
        t.TabellaCostanti[0] = 7;
        if (c.primo > 0) t.TabellaForze[c.primo - 1] = c.forzaSopra;
        const double k = c.perForza ? t.RiempiForza(c.primo, c.righe, c.valore)
                                    : (t.RiempiCostante(c.primo, c.righe, c.valore), c.valore);
        EXPECT_NEAR(k, c.k, 1e-12) << c.valore;
        for (size_t i = 0; i < c.forze.size(); ++i)
            EXPECT_NEAR(t.TabellaForze[c.primo + i], c.forze[i], 1e-9) << c.valore << " row " << i;
        EXPECT_NEAR(t.TabellaForze[c.primo + c.righe - 1], c.ultima, 1e-6);
        EXPECT_EQ(t.TabellaCostanti[c.primo + c.righe - 1], k);
        EXPECT_EQ(t.TabellaForze[c.primo + c.righe], 0) << "nothing past the block";
    }
}

TEST_F(ForceTable, LengthsAreCheckedAgainstEachOtherAndTheShockAbsorber) {
    struct Caso {
        LeggeForza legge;
        double libera, compressa;
        bool ammortizzatore;
        double sede, precarico, corsa;
        int messaggio;
    };
    const LeggeForza M = LeggeForza::Lineare, T = LeggeForza::Quadratica;
    for (const Caso& c :
         {Caso{M, 100, 60, false, 0, 0, 0, 0}, Caso{M, 100, 60, true, 95, 10, 0, 16},
          Caso{M, 105, 60, true, 95, 10, 0, 0}, Caso{M, 100, 90, false, 0, 10, 0, 17},
          Caso{M, 100, 100, false, 0, 0, 0, 58}, Caso{M, 60, 100, false, 0, 0, 0, 58},
          Caso{M, 1100, 100, false, 0, 0, 0, 0}, Caso{M, 1101, 100, false, 0, 0, 0, 58},
          Caso{T, 40, 10, true, 0, 0, 40, 25}, Caso{T, 39.5, 10, true, 0, 0, 40, 0},
          Caso{T, 40, 10, false, 0, 0, 40, 0}, Caso{T, 10, 40, true, 0, 0, 80, 58}}) {
        TabellaComponente t(c.legge);
        t.LiberaMm = c.libera;
        t.CompressaMm = c.compressa;
        Progetto p;
        p.AmmortizzatoreInserito = c.ammortizzatore ? VERO : FALSO;
        p.LungMollaAmmortizzatore = c.sede;
        p.PrecaricoMollaInserita = c.precarico;
        p.PrecaricoImpostato = VERO; // the preload stands as given
        p.CorsaAmmortizzatore = c.corsa;
        EXPECT_EQ(t.ControllaLunghezze(p), c.messaggio) << c.libera << " / " << c.compressa;
    }
}

TEST_F(ForceTable, RowCountsAreWholeStepsWithoutLosingOneToRounding) {
    TabellaComponente t(LeggeForza::Lineare);
    for (const auto& [libera, compressa, righe] : std::vector<std::tuple<double, double, int>>{
             {150.7, 100.7, 50}, {0.3 + 0.6, 0.9 - 1, 1}, {60.99, 10, 50}, {10, 40, -30}}) {
        t.LiberaMm = libera;
        t.CompressaMm = compressa;
        EXPECT_EQ(t.UltimaRiga(), righe) << libera << " - " << compressa;
    }
}

TEST_F(ForceTable, ImperialTablesGoBackToTheSameMillimetresAndNewtons) {
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    Progetto origine;
    origine.MollaInserita = VERO;
    origine.LungMollaLibera = 150.7;
    origine.LungMollaMaxCompressione = 100.7;
    for (int i = 0; i <= 50; ++i) {
        origine.CostanteMolla[i] = 12.5;
        origine.ForzaMolla[i] = 12.5 * i;
    }
    TabellaComponente molla(LeggeForza::Lineare);
    molla.CaricaMolla(origine);
    Progetto copia;
    copia.ForzaMolla[51] = 999; // a longer spring held before
    molla.ScriviMolla(copia, MODO_COSTANTE, 2);
    EXPECT_EQ(copia.NumPuntiMolla, 50);
    EXPECT_EQ(copia.LungMollaLibera, ComeSingolo(150.7));
    EXPECT_EQ(copia.LungMollaMaxCompressione, ComeSingolo(100.7));
    EXPECT_NEAR(copia.ForzaMolla[50], 625, 1e-9);
    EXPECT_NEAR(copia.CostanteMolla[50], 12.5, 1e-9);
    EXPECT_EQ(copia.ForzaMolla[51], 0);

    // A bump-stop coefficient of 1 Lb/in^2 is F0^2 / F1 N/mm^2, its force that times mm^2.
    TabellaComponente tampone(LeggeForza::Quadratica);
    tampone.LiberaMm = 40;
    tampone.RiempiCostante(0, 11, 1.0);
    tampone.ScriviTampone(copia, MODO_COSTANTE);
    const double f0 = FattoreUnita[UNITA_LUNGHEZZA], f1 = FattoreUnita[UNITA_FORZA];
    EXPECT_NEAR(copia.CostanteTampone[10], f0 * f0 / f1, 1e-7);
    EXPECT_NEAR(copia.ForzaTampone[10], 100 * f0 * f0 / f1, 1e-7);
    EXPECT_NEAR(tampone.TabellaForze[10], 100 * f0 * f0, 1e-9); // Lb at 10 mm = (10 f0) in
}

} // namespace
