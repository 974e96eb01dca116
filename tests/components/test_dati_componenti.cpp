// What the component windows commit: flags, state code and compatibility on the chosen
// project, the static shock curve that follows, the preload's limit and check, and the
// test bench's parameters and acquisition. And the force table of the spring and the bump stop
// without a window: block choice, fills by rate and by force worked by hand, row counts, length
// checks and the imperial round trip.
#include "components/Banco.h"
#include "components/DatiComponenti.h"
#include "components/TabellaComponente.h"
#include "core/Lingua.h"
#include "core/Unita.h"
#include "support/Risposte.h"
#include "support/Tsv.h"

#include <sstream>

using namespace kelvra;

namespace {

class Commit : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        Azzera();
    }
    static void Azzera() {
        AzzeraTabelle(), ImpostaUnitaMisura(SISTEMA_METRICO);
        NumeroProgetti = ProgettoSelezionato = 1;
    }
    // A shock absorber of seat distance 120 and stroke 50.
    static void Ammortizzatore(Progetto& p) {
        p.AmmortizzatoreInserito = VERO, p.QuotaA = 30, p.QuotaB = 50;
        p.InterasseAmmortizzatore = 200, p.LungMollaAmmortizzatore = 120,
        p.CorsaAmmortizzatore = 50;
    }
    // A spring of 10 N/mm between the given lengths.
    static TabellaComponente Molla(double libera, double compressa) {
        TabellaComponente t(LeggeForza::Lineare);
        t.LiberaMm = libera, t.CompressaMm = compressa;
        t.RiempiCostante(0, t.UltimaRiga() + 1, 10);
        return t;
    }
};

TEST_F(Commit, TheSpringIsCheckedAgainstTheShockAbsorberAndTheStaticCurveFollows) {
    // Fitted preload |free - 120|: row 10 of a 10 N/mm spring gives 100 N at stroke 0.
    for (const auto& [libera, compatibile, forza0] : {std::tuple{130, 1, 100}, {110, 0, 0}}) {
        Azzera();
        Progetto& p = Progetti[1];
        Ammortizzatore(p);
        SalvaDatiMolla(Molla(libera, 60), MODO_COSTANTE, 1);
        EXPECT_EQ(
            std::tuple(p.MollaCompatibile, p.ForzaStaticaAmmortizzatore[0], p.StatoDatiProgetto),
            std::tuple(compatibile, forza0, 6))
            << libera;
        EXPECT_EQ(p.ModificatoFile[MOD_MOLLA] & p.ModificatoFile[MOD_PROGETTO], VERO);
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
    tampone.LiberaMm = 20, tampone.CompressaMm = 8, tampone.RiempiCostante(0, 13, 1);
    SalvaDatiTampone(tampone, MODO_COSTANTE);
    EXPECT_EQ(p.TamponeCompatibile, 1);
    EXPECT_EQ(p.NumPuntiAmmortizzatore, 42); // min(120 - 60, 50 - 8)
    EXPECT_EQ(p.ForzaStaticaAmmortizzatore[29], 390);
    EXPECT_EQ(p.ForzaStaticaAmmortizzatore[40], 600); // 10 x 50 + 10^2
}

TEST_F(Commit, EveryCommitActsOnTheChosenProjectOnly) {
    NumeroProgetti = 3, ProgettoSelezionato = 2;
    TabellaComponente tampone(LeggeForza::Quadratica);
    tampone.LiberaMm = 30, SalvaDatiTampone(tampone, MODO_FORZA);
    SalvaDatiMolla(Molla(130, 60), MODO_COSTANTE, 2);
    const Progetto &p = Progetti[2], &q = Progetti[3];
    EXPECT_EQ(std::tuple(p.StatoDatiProgetto, p.ModificatoFile[MOD_TAMPONE]), std::tuple(10, VERO));
    EXPECT_EQ(std::tuple(q.StatoDatiProgetto, q.MollaInserita, q.ModificatoFile[MOD_PROGETTO]),
              std::tuple(0, FALSO, FALSO));
    EXPECT_EQ(NumeroProgetti, 3);
}

TEST_F(Commit, TheShockAbsorberIsAlwaysStoredAndMarkedByItsCheck) {
    struct Caso {
        DimensioniAmmortizzatore d;
        bool valido;
    };
    for (const Caso& c : {Caso{{40, 60, 50, 150}, true}, Caso{{40, 60, 0, 150}, false},
                          Caso{{40, 60, 10, 100}, false}, Caso{{40, 60, 51, 150}, false}}) {
        Azzera();
        Progetto& p = Progetti[1];
        // A spring entered and fitting the shock absorber held before.
        SalvaDatiMolla(Molla(130, 40), MODO_COSTANTE, 1);
        Ammortizzatore(p), p.MollaCompatibile = 1;
        EXPECT_EQ(ConfermaAmmortizzatore(c.d), c.valido);
        EXPECT_EQ(std::tuple(p.QuotaA, p.CorsaAmmortizzatore, p.LungMollaAmmortizzatore),
                  std::tuple(c.d.A, c.d.Corsa, c.d.SedeMolla()));
        EXPECT_EQ(p.InterasseMinimo, static_cast<float>(c.d.Interasse - c.d.Corsa));
        EXPECT_EQ(std::tuple(p.AmmortizzatoreInserito, p.StatoDatiProgetto,
                             p.ModificatoFile[MOD_AMMORTIZZATORE]),
                  std::tuple(c.valido ? VERO : FALSO, c.valido ? 6 : 2, VERO));
    }
    // The last valid one: seat 50 against a free length of 130 fits; the static curve follows
    // the new seat distance (fitted preload 80, row 80 of the spring).
    ConfermaAmmortizzatore({40, 60, 50, 150});
    EXPECT_EQ(std::tuple(Progetti[1].MollaCompatibile, Progetti[1].ForzaStaticaAmmortizzatore[0]),
              std::tuple(1, 800));
}

TEST_F(Commit, TheShockAbsorberFitsTheGeometryByTheReadersTest) {
    Progetto& p = Progetti[1];
    SalvaDatiMolla(Molla(130, 40), MODO_COSTANTE, 1);
    p.GeometriaInserita = VERO;
    for (const auto& [statica, compatibile] : {std::pair{300, 1}, {350, 1}, {351, 0}}) {
        p.LunghezzaStaticaAmmortizzatore = statica;
        ConfermaAmmortizzatore({100, 130, 50, 350}); // seat 120
        EXPECT_EQ(p.AmmortizzatoreCompatibile, compatibile) << statica;
    }
}

TEST_F(Commit, PreloadLimitAndCheck) {
    Progetto& p = Progetti[1];
    p.MollaInserita = VERO, p.LungMollaLibera = 250, p.LungMollaMaxCompressione = 200;
    p.NumPuntiAmmortizzatore = 30, p.InterasseAmmortizzatore = 355;
    p.LunghezzaStaticaAmmortizzatore = 350, p.PrecaricoMollaInserita = 10;
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
        EXPECT_EQ(std::tuple(p.PrecaricoSetup, p.PrecaricoImpostato), std::tuple(3, VERO));
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
        for (double x = par.CorsaMinima; x <= par.CorsaMassima; x += 5)
            m.Corsa.push_back(x), m.Carico.push_back(100 + 10 * x);
        return true;
    }
};

TEST_F(Commit, BenchParametersAreCheckedInOrder) {
    const auto casi = test::LeggiTsv(QT_TESTCASE_SOURCEDIR "/components/data/bench-parameters.tsv");
    ASSERT_EQ(casi.size(), 9u);
    for (const auto& c : casi) {
        ParametriAcquisizione par;
        par.CorsaMinima = std::stof(c[0]), par.CorsaMassima = std::stof(c[1]);
        if (const int ciclo = std::stoi(c[2]))
            par.CicloAttivo[ciclo] = true, par.VelocitaCiclo[ciclo] = std::stof(c[3]);
        EXPECT_EQ(ControllaParametri(par), std::stoi(c[4])) << c[0] << " " << c[1];
    }
}

TEST_F(Commit, AnAcquisitionBecomesTheStaticCurveAndNoBenchLeavesTheFlagClear) {
    Progetto& p = Progetti[1];
    ParametriBanco[1].CorsaMinima = 10, ParametriBanco[1].CorsaMassima = 40;
    p.AcquisizioneAttiva = VERO;
    EXPECT_FALSE(ConfermaAcquisizione(1));
    EXPECT_EQ(p.AcquisizioneAttiva, FALSO);
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].testo, Riga(Messaggi, 57));

    BancoSimulato banco;
    ImpostaBancoProva(&banco);
    EXPECT_TRUE(ConfermaAcquisizione(1));
    ImpostaBancoProva(nullptr);
    const auto& f = p.ForzaStaticaAmmortizzatore;
    EXPECT_EQ(
        std::tuple(p.AcquisizioneAttiva, p.NumPuntiAmmortizzatore, p.AsseCorsaAmmortizzatore[0]),
        std::tuple(VERO, 30, 10));
    EXPECT_EQ(std::tuple(f[0], f[12], f[30]), std::tuple(200, 320, 500));
    // A later commit leaves the measured curve alone.
    p.MollaCompatibile = 1;
    SalvaDatiMolla(Molla(130, 60), MODO_COSTANTE, 1);
    EXPECT_EQ(p.ForzaStaticaAmmortizzatore[0], 200);
}

using ForceTable = Commit;

TEST_F(ForceTable, AClickFillsDownFromTheFirstEmptyRowNeverPastIt) {
    // Rows 0..pieni-1 hold a rate; a click on `riga` starts the block at `inizio`.
    for (const auto& [pieni, riga, inizio] :
         {std::tuple{2, 3, 2}, {1, 3, 0}, {5, 3, 3}, {0, 3, 0}, {0, 0, 0}, {1001, 1000, 1000}}) {
        TabellaComponente t(LeggeForza::Lineare);
        for (int i = 0; i < pieni; ++i) t.TabellaCostanti[i] = 1;
        EXPECT_EQ(t.InizioBlocco(riga), inizio) << pieni << " filled, click " << riga;
    }
}

TEST_F(ForceTable, RateAndForceFillsFollowTheirLaw) {
    const auto casi = test::LeggiTsv(QT_TESTCASE_SOURCEDIR "/components/data/force-fills.tsv");
    ASSERT_EQ(casi.size(), 8u);
    for (const auto& c : casi) {
        TabellaComponente t(c[0] == "spring" ? LeggeForza::Lineare : LeggeForza::Quadratica);
        const size_t primo = std::stoul(c[2]), righe = std::stoul(c[3]);
        const double valore = std::stod(c[4]);
        t.TabellaCostanti[0] = 7;
        if (primo > 0) t.TabellaForze[primo - 1] = std::stod(c[5]);
        const double k = c[1] == "force"
                             ? t.RiempiForza(int(primo), int(righe), valore)
                             : (t.RiempiCostante(int(primo), int(righe), valore), valore);
        EXPECT_NEAR(k, std::stod(c[6]), 1e-12) << valore;
        std::istringstream forze(c[7]);
        size_t i = primo;
        for (double f; forze >> f; ++i)
            EXPECT_NEAR(t.TabellaForze[i], f, 1e-9) << valore << " row " << i;
        EXPECT_GT(i, primo) << "forces listed";
        EXPECT_NEAR(t.TabellaForze[primo + righe - 1], std::stod(c[8]), 1e-6);
        EXPECT_EQ(t.TabellaCostanti[primo + righe - 1], k);
        EXPECT_EQ(t.TabellaForze[primo + righe], 0) << "nothing past the block";
    }
}

TEST_F(ForceTable, LengthsAreCheckedAgainstEachOtherAndTheShockAbsorber) {
    const auto casi = test::LeggiTsv(QT_TESTCASE_SOURCEDIR "/components/data/length-checks.tsv");
    ASSERT_EQ(casi.size(), 12u);
    for (const auto& c : casi) {
        const auto n = [&c](size_t i) { return std::stod(c[i]); };
        TabellaComponente t(c[0] == "spring" ? LeggeForza::Lineare : LeggeForza::Quadratica);
        t.LiberaMm = n(1), t.CompressaMm = n(2);
        Progetto p;
        p.AmmortizzatoreInserito = c[3] == "yes" ? VERO : FALSO, p.LungMollaAmmortizzatore = n(4);
        p.PrecaricoMollaInserita = n(5), p.CorsaAmmortizzatore = n(6);
        p.PrecaricoImpostato = VERO; // the preload stands as given
        EXPECT_EQ(t.ControllaLunghezze(p), std::stoi(c[7])) << c[1] << " / " << c[2];
    }
}

TEST_F(ForceTable, RowCountsAreWholeStepsWithoutLosingOneToRounding) {
    TabellaComponente t(LeggeForza::Lineare);
    for (const auto& [libera, compressa, righe] : std::vector<std::tuple<double, double, int>>{
             {150.7, 100.7, 50}, {0.3 + 0.6, 0.9 - 1, 1}, {60.99, 10, 50}, {10, 40, -30}}) {
        t.LiberaMm = libera, t.CompressaMm = compressa;
        EXPECT_EQ(t.UltimaRiga(), righe) << libera << " - " << compressa;
    }
}

TEST_F(ForceTable, ImperialTablesGoBackToTheSameMillimetresAndNewtons) {
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    Progetto origine;
    origine.MollaInserita = VERO, origine.LungMollaLibera = 150.7;
    origine.LungMollaMaxCompressione = 100.7;
    for (int i = 0; i <= 50; ++i) origine.CostanteMolla[i] = 12.5, origine.ForzaMolla[i] = 12.5 * i;
    TabellaComponente molla(LeggeForza::Lineare);
    molla.CaricaMolla(origine);
    Progetto copia;
    copia.ForzaMolla[51] = 999; // a longer spring held before
    molla.ScriviMolla(copia, MODO_COSTANTE, 2);
    EXPECT_EQ(
        std::tuple(copia.NumPuntiMolla, copia.LungMollaLibera, copia.LungMollaMaxCompressione),
        std::tuple(50, ComeSingolo(150.7), ComeSingolo(100.7)));
    EXPECT_NEAR(copia.ForzaMolla[50], 625, 1e-9);
    EXPECT_NEAR(copia.CostanteMolla[50], 12.5, 1e-9);
    EXPECT_EQ(copia.ForzaMolla[51], 0);

    // A bump-stop coefficient of 1 Lb/in^2 is F0^2 / F1 N/mm^2, its force that times mm^2.
    TabellaComponente tampone(LeggeForza::Quadratica);
    tampone.LiberaMm = 40, tampone.RiempiCostante(0, 11, 1.0);
    tampone.ScriviTampone(copia, MODO_COSTANTE);
    const double f0 = FattoreUnita[UNITA_LUNGHEZZA], f1 = FattoreUnita[UNITA_FORZA];
    EXPECT_NEAR(copia.CostanteTampone[10], f0 * f0 / f1, 1e-7);
    EXPECT_NEAR(copia.ForzaTampone[10], 100 * f0 * f0 / f1, 1e-7);
    EXPECT_NEAR(tampone.TabellaForze[10], 100 * f0 * f0, 1e-9); // Lb at 10 mm = (10 f0) in
}

} // namespace
