// What the component windows commit: flags, state code and compatibility on the chosen
// project, the static shock curve that follows, the preload's limit and check, and the
// test bench's parameters and acquisition.
#include "components/Banco.h"
#include "components/DatiComponenti.h"
#include "core/Lingua.h"
#include "core/Unita.h"
#include "support/Risposte.h"

#include <gtest/gtest.h>
#include <vector>

using namespace kelvra;

namespace {

class Commit : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        ImpostaUnitaMisura(SISTEMA_METRICO);
        NumeroProgetti = ProgettoSelezionato = 1;
    }
    // A shock absorber of seat distance 120 and stroke 50.
    static void Ammortizzatore(Progetto& p) {
        p.AmmortizzatoreInserito = VERO;
        p.QuotaA = 30;
        p.QuotaB = 50;
        p.InterasseAmmortizzatore = 200;
        p.LungMollaAmmortizzatore = 120;
        p.CorsaAmmortizzatore = 50;
    }
    // A spring of 10 N/mm between the given lengths.
    static TabellaComponente Molla(double libera, double compressa) {
        TabellaComponente t(LeggeForza::Lineare);
        t.LiberaMm = libera;
        t.CompressaMm = compressa;
        t.RiempiCostante(0, t.UltimaRiga() + 1, 10);
        return t;
    }
};

TEST_F(Commit, TheSpringIsCheckedAgainstTheShockAbsorberAndTheStaticCurveFollows) {
    struct Caso {
        double libera;
        int16_t compatibile;
        double forzaStatica0;
    };
    // Fitted preload |free - 120|: row 10 of a 10 N/mm spring gives 100 N at stroke 0.
    for (const Caso c : {Caso{130, 1, 100}, Caso{110, 0, 0}}) {
        AzzeraTabelle();
        NumeroProgetti = ProgettoSelezionato = 1;
        Progetto& p = Progetti[1];
        Ammortizzatore(p);
        SalvaDatiMolla(Molla(c.libera, 60), MODO_COSTANTE, 1);
        EXPECT_EQ(p.MollaCompatibile, c.compatibile) << c.libera;
        EXPECT_EQ(p.ForzaStaticaAmmortizzatore[0], c.forzaStatica0) << c.libera;
        EXPECT_EQ(p.StatoDatiProgetto, 6);
        EXPECT_EQ(p.ModificatoFile[MOD_MOLLA], VERO);
        EXPECT_EQ(p.ModificatoFile[MOD_PROGETTO], VERO);
    }
}

// A longer shock absorber gives the spring a new seat: the spring is judged with the preload
// of that seat, and the static curve follows it.
TEST_F(Commit, ALongerShockAbsorberKeepsTheSpringAndMovesItsCurve) {
    const Progetto& p = Progetti[1];
    ConfermaAmmortizzatore({40, 60, 80, 350});
    const TabellaComponente molla = Molla(270, 150);
    SalvaDatiMolla(molla, MODO_COSTANTE, 1);
    EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[0], 200); // 270 in a seat of 250
    ConfermaAmmortizzatore({40, 60, 80, 360});
    EXPECT_EQ(p.MollaCompatibile, 1);
    EXPECT_EQ(molla.ControllaLunghezze(p), 0);
    EXPECT_DOUBLE_EQ(p.PrecaricoMollaInserita, 10);
    EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[0], 100); // 270 in a seat of 260
}

TEST_F(Commit, TheBumpStopJoinsTheStaticCurveOnceTouched) {
    Progetto& p = Progetti[1];
    Ammortizzatore(p);
    SalvaDatiMolla(Molla(130, 60), MODO_COSTANTE, 1); // fitted preload 10
    EXPECT_EQ(p.ForzaStaticaAmmortizzatore[40], 500);
    TabellaComponente tampone(LeggeForza::Quadratica); // 1 N/mm^2, touched at stroke 30
    tampone.LiberaMm = 20;
    tampone.CompressaMm = 8;
    tampone.RiempiCostante(0, 13, 1);
    SalvaDatiTampone(tampone, MODO_COSTANTE);
    EXPECT_EQ(p.TamponeCompatibile, 1);
    EXPECT_EQ(p.NumPuntiAmmortizzatore, 42); // min(120 - 60, 50 - 8)
    EXPECT_EQ(p.ForzaStaticaAmmortizzatore[29], 390);
    EXPECT_EQ(p.ForzaStaticaAmmortizzatore[40], 600); // 10 x 50 + 10^2
}

TEST_F(Commit, EveryCommitActsOnTheChosenProjectOnly) {
    NumeroProgetti = 3;
    ProgettoSelezionato = 2;
    TabellaComponente tampone(LeggeForza::Quadratica);
    tampone.LiberaMm = 30;
    SalvaDatiTampone(tampone, MODO_FORZA);
    SalvaDatiMolla(Molla(130, 60), MODO_COSTANTE, 2);
    EXPECT_EQ(Progetti[2].StatoDatiProgetto, 10);
    EXPECT_EQ(Progetti[2].ModificatoFile[MOD_TAMPONE], VERO);
    EXPECT_EQ(Progetti[3].StatoDatiProgetto, 0);
    EXPECT_EQ(Progetti[3].MollaInserita, FALSO);
    EXPECT_EQ(Progetti[3].ModificatoFile[MOD_PROGETTO], FALSO);
    EXPECT_EQ(NumeroProgetti, 3);
}

TEST_F(Commit, TheShockAbsorberIsAlwaysStoredAndMarkedByItsCheck) {
    struct Caso {
        DimensioniAmmortizzatore d;
        bool valido;
    };
    for (const Caso& c : {Caso{{40, 60, 50, 150}, true}, Caso{{40, 60, 0, 150}, false},
                          Caso{{40, 60, 10, 100}, false}, Caso{{40, 60, 51, 150}, false}}) {
        AzzeraTabelle();
        NumeroProgetti = ProgettoSelezionato = 1;
        Progetto& p = Progetti[1];
        // A spring entered and fitting the shock absorber held before.
        SalvaDatiMolla(Molla(130, 40), MODO_COSTANTE, 1);
        Ammortizzatore(p);
        p.MollaCompatibile = 1;
        EXPECT_EQ(ConfermaAmmortizzatore(c.d), c.valido);
        EXPECT_EQ(p.QuotaA, c.d.A);
        EXPECT_EQ(p.CorsaAmmortizzatore, c.d.Corsa);
        EXPECT_EQ(p.LungMollaAmmortizzatore, c.d.SedeMolla());
        EXPECT_EQ(p.InterasseMinimo, static_cast<float>(c.d.Interasse - c.d.Corsa));
        EXPECT_EQ(p.AmmortizzatoreInserito, c.valido ? VERO : FALSO);
        EXPECT_EQ(p.StatoDatiProgetto, c.valido ? 6 : 2);
        EXPECT_EQ(p.ModificatoFile[MOD_AMMORTIZZATORE], VERO);
    }
    // The last valid one: seat 50 against a free length of 130 fits; the static curve follows
    // the new seat distance (fitted preload 80, row 80 of the spring).
    ConfermaAmmortizzatore({40, 60, 50, 150});
    EXPECT_EQ(Progetti[1].MollaCompatibile, 1);
    EXPECT_EQ(Progetti[1].ForzaStaticaAmmortizzatore[0], 800);
}

TEST_F(Commit, TheShockAbsorberFitsTheGeometryByTheReadersTest) {
    Progetto& p = Progetti[1];
    SalvaDatiMolla(Molla(130, 40), MODO_COSTANTE, 1);
    p.GeometriaInserita = VERO;
    for (const auto& [statica, compatibile] :
         std::vector<std::pair<double, int16_t>>{{300, 1}, {350, 1}, {351, 0}}) {
        p.LunghezzaStaticaAmmortizzatore = statica;
        ConfermaAmmortizzatore({100, 130, 50, 350}); // seat 120
        EXPECT_EQ(p.AmmortizzatoreCompatibile, compatibile) << statica;
    }
}

TEST_F(Commit, PreloadLimitAndCheck) {
    Progetto& p = Progetti[1];
    p.MollaInserita = VERO;
    p.LungMollaLibera = 250;
    p.LungMollaMaxCompressione = 200;
    p.NumPuntiAmmortizzatore = 30;
    p.InterasseAmmortizzatore = 355;
    p.LunghezzaStaticaAmmortizzatore = 350;
    p.PrecaricoMollaInserita = 10;
    EXPECT_DOUBLE_EQ(PrecaricoAlloggiamento(p), 5);
    EXPECT_DOUBLE_EQ(PrecaricoMassimoMm(p), 15); // 250 - 200 - 30 - |5 - 10|
    p.NumPuntiAmmortizzatore = 45;
    EXPECT_DOUBLE_EQ(PrecaricoMassimoMm(p), 1000);

    p.LungMollaMaxCompressione = 240;
    EXPECT_FALSE(ConfermaPrecarico(3)); // 250 - 10 is not above 240
    EXPECT_EQ(p.PrecaricoSetup, 0);
    p.PrecaricoMollaInserita = 9;
    for (int16_t modificato : {VERO, FALSO}) { // the same preload again is no change
        EXPECT_TRUE(ConfermaPrecarico(3));
        EXPECT_EQ(p.PrecaricoSetup, 3);
        EXPECT_EQ(p.PrecaricoImpostato, VERO);
        // The preload is kept with the project only: it marks its spring and the project.
        EXPECT_EQ(p.ModificatoFile[MOD_MOLLA] & p.ModificatoFile[MOD_PROGETTO], modificato);
        p.ModificatoFile.fill(FALSO);
    }
    EXPECT_TRUE(dialoghi.mostrati.empty()) << "no solver run without a geometry";
    p.GeometriaInserita = VERO; // an empty chain: the solver runs and finds nothing
    EXPECT_TRUE(ConfermaPrecarico(4));
    EXPECT_EQ(dialoghi.mostrati.size(), 1u);
}

// A bench whose load grows 10 N per mm from 100 N, measured every 5 mm over the range.
class BancoSimulato : public BancoProva {
  public:
    bool Acquisisci(const ParametriAcquisizione& par, MisuraBanco& m) override {
        ++corse;
        for (double x = par.CorsaMinima; x <= par.CorsaMassima; x += 5) {
            m.Corsa.push_back(x);
            m.Carico.push_back(100 + 10 * x);
        }
        return true;
    }
    int corse = 0;
};

TEST_F(Commit, BenchParametersAreCheckedInOrder) {
    struct Caso {
        float minimo, massimo;
        int ciclo; // ticked cycle with `velocita`, 0 none
        float velocita;
        int riga;
    };
    for (const Caso c :
         {Caso{0, 160, 0, 0, 0}, Caso{0, 160.5f, 0, 0, 73}, Caso{161, 170, 0, 0, 72},
          Caso{120, 20, 0, 0, 0}, Caso{0, 100, 3, 0, 74}, Caso{0, 100, 3, 50, 0},
          Caso{0, 100, 10, 500, 0}, Caso{0, 100, 10, 500.5f, 74}, Caso{-1, 100, 3, 0, 72}}) {
        ParametriAcquisizione par;
        par.CorsaMinima = c.minimo;
        par.CorsaMassima = c.massimo;
        if (c.ciclo) {
            par.CicloAttivo[c.ciclo] = true;
            par.VelocitaCiclo[c.ciclo] = c.velocita;
        }
        EXPECT_EQ(ControllaParametri(par), c.riga) << c.minimo << " " << c.massimo;
    }
}

TEST_F(Commit, AnAcquisitionBecomesTheStaticCurveAndNoBenchLeavesTheFlagClear) {
    Progetto& p = Progetti[1];
    ParametriBanco[1].CorsaMinima = 10;
    ParametriBanco[1].CorsaMassima = 40;
    p.AcquisizioneAttiva = VERO;
    EXPECT_FALSE(ConfermaAcquisizione(1));
    EXPECT_EQ(p.AcquisizioneAttiva, FALSO);
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].testo, Riga(Messaggi, 57));

    BancoSimulato banco;
    ImpostaBancoProva(&banco);
    EXPECT_TRUE(ConfermaAcquisizione(1));
    ImpostaBancoProva(nullptr);
    EXPECT_EQ(p.AcquisizioneAttiva, VERO);
    EXPECT_EQ(p.NumPuntiAmmortizzatore, 30);
    EXPECT_EQ(p.AsseCorsaAmmortizzatore[0], 10);
    EXPECT_EQ(p.ForzaStaticaAmmortizzatore[0], 200);
    EXPECT_EQ(p.ForzaStaticaAmmortizzatore[12], 320);
    EXPECT_EQ(p.ForzaStaticaAmmortizzatore[30], 500);
    // A later commit leaves the measured curve alone.
    p.MollaCompatibile = 1;
    SalvaDatiMolla(Molla(130, 60), MODO_COSTANTE, 1);
    EXPECT_EQ(p.ForzaStaticaAmmortizzatore[0], 200);
}

} // namespace
