// The static force curve of the complete shock absorber, worked by hand.
#include "core/DatiStatici.h"
#include "core/Progetti.h"
#include "support/Risposte.h"

#include <gtest/gtest.h>

using namespace kelvra;

namespace {

constexpr double SEGNO = -12345; // marks rows the computation must not touch

class CurvaStatica : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        NumeroProgetti = ProgettoSelezionato = 1;
        Prepara(Progetti[1]);
    }
    // Spring of 10 N/mm, bump stop of 100 N/mm starting at 7 N, gas 150 N; spring seat 120,
    // free length 130, coil-bound 60, setup preload 5; stroke 50, bump stop 20 free and 8
    // fully compressed.
    static void Prepara(Progetto& p) {
        p.MollaCompatibile = 1;
        for (int k = 0; k <= MAX_RIGHE; ++k) {
            p.ForzaMolla[k] = 10.0 * k;
            p.ForzaTampone[k] = 100.0 * k + 7.0;
        }
        p.ForzaGas = 150;
        p.LungMollaAmmortizzatore = 120;
        p.LungMollaLibera = 130;
        p.LungMollaMaxCompressione = 60;
        p.PrecaricoSetup = 5;
        p.CorsaAmmortizzatore = 50;
        p.LungTamponeScarico = 20;
        p.LungTamponeMaxCompressione = 8;
        p.ForzaStaticaAmmortizzatore.fill(SEGNO);
        p.AsseCorsaAmmortizzatore.fill(SEGNO);
        p.NumPuntiAmmortizzatore = 999;
    }
};

TEST_F(CurvaStatica, WorkedExample) {
    CalcolaDatiStaticiAmmortizzatore();
    const Progetto& p = Progetti[1];
    EXPECT_DOUBLE_EQ(p.PrecaricoMollaInserita, 15.0); // |130 - 120| + 5
    // Usable travel min(120 - 60, 50 - 8) = 42; spring row 5 + 15 + i; bump stop from row 30.
    EXPECT_EQ(p.NumPuntiAmmortizzatore, 42);
    EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[0], 350.0);   // 10 * 20 + 150
    EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[29], 640.0);  // 10 * 49 + 150
    EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[30], 657.0);  // 7 + 10 * 50 + 150
    EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[42], 1977.0); // 1207 + 620 + 150
    EXPECT_EQ(p.ForzaStaticaAmmortizzatore[43], SEGNO);
    for (int i = 0; i <= 42; ++i) EXPECT_EQ(p.AsseCorsaAmmortizzatore[i], i);
    EXPECT_EQ(p.AsseCorsaAmmortizzatore[43], SEGNO);
}

TEST_F(CurvaStatica, SpringThatDoesNotFitChangesNothing) {
    Progetti[1].MollaCompatibile = 0;
    Progetti[1].PrecaricoMollaInserita = 3;
    CalcolaDatiStaticiAmmortizzatore();
    EXPECT_EQ(Progetti[1].PrecaricoMollaInserita, 3.0);
    EXPECT_EQ(Progetti[1].NumPuntiAmmortizzatore, 999);
    EXPECT_EQ(Progetti[1].ForzaStaticaAmmortizzatore[0], SEGNO);
    Progetti[1].MollaCompatibile = VERO; // -1 is not the 1 this flag holds
    CalcolaDatiStaticiAmmortizzatore();
    EXPECT_EQ(Progetti[1].ForzaStaticaAmmortizzatore[0], SEGNO);
}

TEST_F(CurvaStatica, PreloadSetByThePreloadWindowIsKeptForThatProjectOnly) {
    Progetti[1].PrecaricoImpostato = VERO;
    Progetti[1].PrecaricoMollaInserita = 3;
    CalcolaDatiStaticiAmmortizzatore();
    EXPECT_EQ(Progetti[1].PrecaricoMollaInserita, 3.0);
    EXPECT_DOUBLE_EQ(Progetti[1].ForzaStaticaAmmortizzatore[0], 10.0 * 8 + 150); // row 5 + 3

    NumeroProgetti = ProgettoSelezionato = 2;
    Prepara(Progetti[2]);
    Progetti[2].PrecaricoMollaInserita = 3;
    CalcolaDatiStaticiAmmortizzatore();
    EXPECT_DOUBLE_EQ(Progetti[2].PrecaricoMollaInserita, 15.0);
}

TEST_F(CurvaStatica, BenchAcquisitionKeepsItsCurve) {
    Progetti[1].AcquisizioneAttiva = VERO;
    CalcolaDatiStaticiAmmortizzatore();
    EXPECT_DOUBLE_EQ(Progetti[1].PrecaricoMollaInserita, 15.0); // still updated
    EXPECT_EQ(Progetti[1].NumPuntiAmmortizzatore, 999);
    EXPECT_EQ(Progetti[1].ForzaStaticaAmmortizzatore[0], SEGNO);
    EXPECT_EQ(Progetti[1].AsseCorsaAmmortizzatore[0], SEGNO);
}

TEST_F(CurvaStatica, SelectedProjectUsesItsOwnGasAndAcquisition) {
    NumeroProgetti = 3;
    ProgettoSelezionato = 2;
    Prepara(Progetti[2]);
    Prepara(Progetti[3]);
    Progetti[3].ForzaGas = 999;
    Progetti[3].AcquisizioneAttiva = VERO;
    CalcolaDatiStaticiAmmortizzatore();
    EXPECT_DOUBLE_EQ(Progetti[2].ForzaStaticaAmmortizzatore[0], 350.0);
    EXPECT_EQ(Progetti[2].NumPuntiAmmortizzatore, 42);
    EXPECT_EQ(Progetti[3].NumPuntiAmmortizzatore, 999);
    EXPECT_EQ(Progetti[1].NumPuntiAmmortizzatore, 999);
}

TEST_F(CurvaStatica, SpringRowsStopAtTheEndOfTheTable) {
    Progetto& p = Progetti[1];
    p.LungMollaAmmortizzatore = 1200;
    p.LungMollaLibera = 1990;
    p.LungMollaMaxCompressione = 0;
    p.PrecaricoSetup = 0;
    p.CorsaAmmortizzatore = 500;
    p.LungTamponeScarico = 0; // touched at row 500, never reached
    p.LungTamponeMaxCompressione = 0;
    CalcolaDatiStaticiAmmortizzatore();
    // Fitted preload 790: spring row 790 + i reaches 1000 at row 210.
    EXPECT_EQ(p.NumPuntiAmmortizzatore, 210);
    EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[210], 10000.0 + 150);
    EXPECT_EQ(p.ForzaStaticaAmmortizzatore[211], SEGNO);
}

TEST_F(CurvaStatica, TravelRowsStopAt750) {
    Progetto& p = Progetti[1];
    p.LungMollaAmmortizzatore = 2000;
    p.LungMollaLibera = 2000;
    p.LungMollaMaxCompressione = 0;
    p.PrecaricoSetup = 0;
    p.CorsaAmmortizzatore = 900;
    p.LungTamponeScarico = 0; // touched at row 900, never reached
    p.LungTamponeMaxCompressione = 0;
    CalcolaDatiStaticiAmmortizzatore();
    EXPECT_EQ(p.NumPuntiAmmortizzatore, MAX_PUNTI);
    EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[750], 7500.0 + 150);
}

TEST_F(CurvaStatica, BumpStopRowsStopAtTheEndOfTheTable) {
    Progetto& p = Progetti[1];
    p.LungMollaLibera = 120; // no fitted preload
    p.PrecaricoSetup = 0;
    p.CorsaAmmortizzatore = 5;
    p.LungTamponeScarico = 1000;        // touched from the start: bump-stop row 995 + i
    p.LungTamponeMaxCompressione = -20; // usable travel min(60, 25) = 25
    CalcolaDatiStaticiAmmortizzatore();
    EXPECT_EQ(p.NumPuntiAmmortizzatore, 5);
    EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[5], 100007.0 + 50 + 150);
    EXPECT_EQ(p.ForzaStaticaAmmortizzatore[6], SEGNO);
}

TEST_F(CurvaStatica, NegativeSpringRowWritesNothing) {
    Progetto& p = Progetti[1];
    p.LungMollaLibera = 120;
    p.PrecaricoSetup = -30; // spring row -60 + i
    CalcolaDatiStaticiAmmortizzatore();
    EXPECT_EQ(p.NumPuntiAmmortizzatore, -1);
    EXPECT_EQ(p.ForzaStaticaAmmortizzatore[0], SEGNO);
}

TEST_F(CurvaStatica, FractionalLengthsAreCutDown) {
    Progetto& p = Progetti[1];
    p.PrecaricoSetup = 5.5;             // fitted 15.5; spring row floor(21 + i)
    p.LungTamponeScarico = 19.6;        // contact at 30.4: bump stop from row 31, row 0
    p.LungTamponeMaxCompressione = 7.3; // usable travel 42.7: rows 0..42
    CalcolaDatiStaticiAmmortizzatore();
    EXPECT_EQ(p.NumPuntiAmmortizzatore, 42);
    EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[0], 210.0 + 150);
    EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[30], 510.0 + 150);
    EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[31], 7.0 + 520 + 150);
}

} // namespace
