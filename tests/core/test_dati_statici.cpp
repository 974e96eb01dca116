// The static force curve of the complete shock absorber, worked by hand.
#include "core/DatiStatici.h"
#include "core/Progetti.h"
#include "support/Risposte.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <utility>
#include <vector>

using namespace kelvra;

namespace {

constexpr double SEGNO = -12345; // marks rows the computation must not touch

class StaticCurve : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        NumeroProgetti = ProgettoSelezionato = 1;
        Prepara(Progetti[1]);
    }
    // Spring of 10 N/mm, bump stop of 100 N/mm starting at 7 N, gas 150 N; by default spring
    // seat 120, free length 130, coil-bound 60, setup preload 5, stroke 50, bump stop 20 free
    // and 8 fully compressed.
    static void Prepara(Progetto& p,
                        const std::array<double, 7>& l = {120, 130, 60, 5, 50, 20, 8}) {
        p.MollaCompatibile = 1;
        for (int k = 0; k <= MAX_RIGHE; ++k) {
            p.ForzaMolla[k] = 10.0 * k;
            p.ForzaTampone[k] = 100.0 * k + 7.0;
        }
        p.ForzaGas = 150;
        std::tie(p.LungMollaAmmortizzatore, p.LungMollaLibera, p.LungMollaMaxCompressione,
                 p.PrecaricoSetup, p.CorsaAmmortizzatore, p.LungTamponeScarico,
                 p.LungTamponeMaxCompressione) = std::tuple_cat(l);
        p.ForzaStaticaAmmortizzatore.fill(SEGNO);
        p.AsseCorsaAmmortizzatore.fill(SEGNO);
        p.NumPuntiAmmortizzatore = 999;
    }
};

// A spring that does not fit (flag other than 1, VERO included) has no static curve and keeps
// its preload; a preload set by the preload window is kept, for that project only.
TEST_F(StaticCurve, SpringThatDoesNotFitChangesNothingAndASetPreloadIsKept) {
    Progetto& p = Progetti[1];
    for (int16_t compatibile : {int16_t{0}, VERO}) {
        p.MollaCompatibile = compatibile;
        p.PrecaricoMollaInserita = 3;
        CalcolaDatiStaticiAmmortizzatore();
        EXPECT_EQ(p.PrecaricoMollaInserita, 3.0);
        EXPECT_EQ(p.NumPuntiAmmortizzatore, -1);
        EXPECT_EQ(p.ForzaStaticaAmmortizzatore[0], SEGNO);
    }
    p.MollaCompatibile = 1;
    p.PrecaricoImpostato = VERO;
    CalcolaDatiStaticiAmmortizzatore();
    EXPECT_EQ(p.PrecaricoMollaInserita, 3.0);
    EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[0], 10.0 * 8 + 150); // row 5 + 3
    NumeroProgetti = ProgettoSelezionato = 2;
    Prepara(Progetti[2]);
    Progetti[2].PrecaricoMollaInserita = 3;
    CalcolaDatiStaticiAmmortizzatore();
    EXPECT_DOUBLE_EQ(Progetti[2].PrecaricoMollaInserita, 10.0);
}

// The selected project is computed with its own gas; one acquiring on the bench still gets
// its fitted preload.
TEST_F(StaticCurve, SelectedProjectUsesItsOwnGasAndAcquisitionKeepsItsCurve) {
    NumeroProgetti = 3;
    ProgettoSelezionato = 2;
    Prepara(Progetti[2]);
    Prepara(Progetti[3]);
    Progetti[3].ForzaGas = 999;
    Progetti[3].AcquisizioneAttiva = VERO;
    CalcolaDatiStaticiAmmortizzatore();
    EXPECT_DOUBLE_EQ(Progetti[2].ForzaStaticaAmmortizzatore[0], 300.0);
    EXPECT_EQ(Progetti[3].NumPuntiAmmortizzatore + Progetti[1].NumPuntiAmmortizzatore, 2 * 999);
    NumeroProgetti = ProgettoSelezionato = 3;
    CalcolaDatiStaticiAmmortizzatore();
    EXPECT_DOUBLE_EQ(Progetti[3].PrecaricoMollaInserita, 10.0);
}

// The lengths as Prepara takes them, the count and some rows (SEGNO: not written).
TEST_F(StaticCurve, WorkedExamplesRowsStayWithinTheTablesAndLengthsAreCutDown) {
    const std::tuple<std::array<double, 7>, int16_t, std::vector<std::pair<int, double>>> casi[] = {
        // Fitted preload 790: spring row 790 + i reaches 1000 at row 210; the bump stop, touched
        // at row 500, is never reached.
        {{1200, 1990, 0, 0, 500, 0, 0}, 210, {{210, 10000.0 + 150}, {211, SEGNO}}},
        {{2000, 2000, 0, 0, 900, 0, 0}, MAX_PUNTI, {{750, 7500.0 + 150}}},
        // Touched from the start: bump-stop row 995 + i; usable travel min(60, 25) = 25.
        {{120, 120, 60, 0, 5, 1000, -20}, 5, {{5, 100007.0 + 50 + 150}, {6, SEGNO}}},
        {{120, 120, 60, -30, 50, 20, 8}, -1, {{0, SEGNO}}},
        // Fitted preload 10, setup 5.5 on top: spring row floor(15.5 + i); contact at 30.4:
        // bump stop from row 31; usable travel 42.7: rows 0..42.
        {{120, 130, 60, 5.5, 50, 19.6, 7.3},
         42,
         {{0, 300}, {30, 600}, {31, 7.0 + 460 + 150}, {43, SEGNO}}},
        // The defaults, last: fitted preload |130 - 120| = 10, the setup preload counted once;
        // usable travel min(120 - 60, 50 - 8) = 42; spring row 5 + 10 + i; bump stop from row 30.
        {{120, 130, 60, 5, 50, 20, 8},
         42,
         {{0, 10 * 15 + 150},
          {29, 10 * 44 + 150},
          {30, 7 + 10 * 45 + 150},
          {42, 1207 + 570 + 150},
          {43, SEGNO}}},
    };
    for (const auto& [lunghezze, conta, righe] : casi) {
        Progetto& p = Progetti[1];
        Prepara(p, lunghezze);
        CalcolaDatiStaticiAmmortizzatore();
        EXPECT_EQ(p.NumPuntiAmmortizzatore, conta) << testing::PrintToString(lunghezze);
        for (auto [i, forza] : righe) EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[i], forza) << i;
    }
    EXPECT_DOUBLE_EQ(Progetti[1].PrecaricoMollaInserita, 10.0);
    EXPECT_EQ(Progetti[1].AsseCorsaAmmortizzatore[42], 42);
    EXPECT_EQ(Progetti[1].AsseCorsaAmmortizzatore[43], SEGNO);
}

} // namespace
