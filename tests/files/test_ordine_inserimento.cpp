// Orders of entry: the shock absorber, the spring and the bump stop, typed in their windows or
// read from their files, before or after the geometry and before or after CALCULATE, leave the
// results, fit flags and messages of the geometry entered first; saved and opened, no false word.
#include "components/EditorComponenti.h"
#include "components/InsAmmortizzatore.h"
#include "components/InsMolla.h"
#include "components/InsTampone.h"
#include "core/Unita.h"
#include "files/FileProgetto.h"
#include "shell/Comandi.h"
#include "support/FinestraReale.h"
#include "support/RisposteDialoghi.h"
#include "support/ValoriRisultati.h"
#include "tables/Riassunto.h"

#include <sstream>

using namespace kelvra;

namespace {

class OrdersOfEntry : public test::FinestraReale {
  protected:
    void SetUp() override {
        FinestraReale::SetUp(), RegistraFileProgetto(), RegistraEditorComponenti();
    }
    // Opens a component window by its hook, `fai` acting in it. The windows a reader opens
    // close at once: no answer is queued for them.
    template <class F> void Apri(const std::function<void()>& gancio, std::function<void(F&)> fai) {
        scelte.RispondiModale([fai](QWidget* w) { return fai(dynamic_cast<F&>(*w)), 0; });
        gancio();
    }
    // A spring or a bump stop: its lengths, then one constant over the whole table.
    template <class F>
    void Tabella(const std::function<void()>& gancio, const char* l, const char* c, const char* k) {
        Apri<F>(gancio, [=](F& f) {
            Digita(f.TxtLunghezza, l), Digita(f.TxtLunghezzaCompressa, c);
            f.CmdOK1->click(), f.OptCostModo[1]->click();
            f.GrdTabella->selectAll(), emit f.GrdTabella->FineSelezione();
            Digita(f.TxtCostanteElastica, k), f.CmdOK2->click();
        });
    }
    static void ApriGeometria() {
        int16_t annullato = 0;
        ApriSchema(annullato);
    }
    // One step: upper case typed, lower case read from the file of its letter; C is CALCULATE;
    // k and K read `letto` by the shock absorber's menu, its window closed by OK or Cancel.
    void Passo(char passo) {
        if (passo == 'k' || passo == 'K') {
            scelte.fileDaAprire.push_back(letto);
            scelte.RispondiModale([passo](QWidget* w) {
                auto& f = dynamic_cast<INSAMMORTIZZATORE&>(*w);
                return (passo == 'k' ? f.CmdOK : f.CMDAnnulla)->click(), 0;
            });
            return ed->AmmortizzatoreItem_Click(3), scelte.modali.clear();
        }
        if (const size_t i = std::string("gacmt").find(passo); i != std::string::npos) {
            const char* tipi[] = {".kvg", ".kva", ".kva", ".kvr", ".kvt"};
            scelte.fileDaAprire.push_back(PercorsoApplicazione + passo + tipi[i]);
            void (*apri[])() = {ApriGeometria, ApriAmmortizzatore, ApriAmmortizzatore, ApriMolla,
                                ApriTampone};
            return apri[i]();
        }
        if (passo == 'C') return ed->CmdOKMolla->click();
        if (passo == 'M') return Tabella<INSMOLLA>(Ganci.MostraInsMolla, "240", "170", "90");
        if (passo == 'T') return Tabella<InsTampone>(Ganci.MostraInsTampone, "20", "8", "2");
        if (passo == 'A' || passo == 'S') // S: 320 mm long, shorter than at rest
            return Apri<INSAMMORTIZZATORE>(
                Ganci.MostraInsAmmortizzatore, [passo](INSAMMORTIZZATORE& f) {
                    Digita(f.TxtS, passo == 'A' ? "330" : "320"), Digita(f.TxtB, "45");
                    Digita(f.TxtA, "50"), Digita(f.TxtR, "60"), f.CmdOK->click();
                });
        // G: a direct shock absorber, typed in millimetres; L: the same without its travel.
        const char* v[] = {"0", "0", "500", "-40", "180", "-30"};
        for (int k = 0; k < 6; ++k)
            Digita(k % 2 ? ed->TxtForcelloneY[k / 2] : ed->TxtForcelloneX[k / 2], v[k]);
        Digita(ed->TxtRaggio, "320"), ed->CmdOKForcellone->click(), ed->CmdMolla->click();
        Digita(ed->TxtMollaX, "120"), Digita(ed->TxtMollaY, "290");
        if (passo == 'G') Digita(ed->TxtMaxEsc, "100");
    }
    // One order of entry from a fresh program state, one letter a step.
    void Inserisci(const std::string& ordine) {
        AzzeraTabelle(), NumeroProgetti = ProgettoSelezionato = 1;
        ImpostaUnitaMisura(SistemaUnita = SISTEMA_METRICO), ed->Form_Activate();
        dialoghi.mostrati.clear();
        for (const char passo : ordine) Passo(passo);
    }
    // The spring's, shock absorber's and bump stop's fit flags, then the messages shown.
    std::string Detto() const {
        const Progetto& p = Progetti[1];
        std::string detto;
        for (int16_t f : {p.MollaCompatibile, p.AmmortizzatoreCompatibile, p.TamponeCompatibile})
            detto += std::to_string(f);
        // CALCULATE pressed on a shock absorber that cannot move says so whatever the order.
        for (const auto& m : dialoghi.mostrati)
            if (m.testo != Riga(Messaggi, 41)) detto += " " + m.testo;
        return detto;
    }
    // Every message shown, in order.
    std::vector<std::string> Mostrati() const {
        std::vector<std::string> testi;
        for (const auto& m : dialoghi.mostrati) testi.push_back(m.testo);
        return testi;
    }
    void Riapri(const std::string& nome) {
        ASSERT_TRUE(SalvaProgetto(PercorsoApplicazione + nome, 1));
        AzzeraTabelle(), NumeroProgetti = ProgettoSelezionato = 1, dialoghi.mostrati.clear();
        scelte.fileDaAprire.push_back(PercorsoApplicazione + nome);
        GestisciMenuFileFrmMenu(2);
        ASSERT_EQ(CaricatoProgetto, VERO);
    }

    // The heights of the swingarm's points and the shock's, and the wheel radius, mm.
    static std::vector<float> Quote() {
        const Progetto& p = Progetti[1];
        std::vector<float> quote;
        for (const Punto& q : p.DatiForcellone.P) quote.push_back(q.Y);
        for (const Punto& q : p.DatiMolla[1].P) quote.push_back(q.Y);
        quote.push_back(p.RaggioRuota);
        return quote;
    }

    RisposteDialoghi scelte;
    std::string letto; // the shock absorber's file k and K read
};

TEST_F(OrdersOfEntry, EveryOrderGivesWhatEnteringTheGeometryFirstGives) {
    // The files, written from projects entered geometry first.
    const std::string d = PercorsoApplicazione;
    Inserisci("GCAMT");
    ASSERT_TRUE(Progetti[1].NumPunti >= 60 && Progetti[1].ForzaMolla[70] == 6300);
    ASSERT_TRUE(SalvaAmmortizzatore(d + "a.kva", 1) && SalvaMolla(d + "m.kvr", 1) &&
                SalvaTampone(d + "t.kvt", 1) && SalvaSchema(d + "g.kvg", 1));
    Inserisci("GCSM");
    ASSERT_TRUE(SalvaAmmortizzatore(d + "c.kva", 1));

    // What the orders say, and the orders, the first entering the geometry first. The short
    // shock absorber, typed (S) or read (c), never fits, and nothing moves.
    const std::pair<std::string, std::string> casi[] = {
        {"111", "GCAMT TMAGC GAMTC GCTMA amtGC GamtC tGCma amtg tgAm"},
        {"100", "GCSM SMGC MGCS"},
        // Read from its file, it is told not to fit as soon as it meets the geometry.
        {"100 " + Riga(Messaggi, 29), "GCcM cMGC GcCM cgM"},
    };
    for (const auto& [detto, ordini] : casi) {
        std::istringstream in(ordini);
        test::Valori atteso;
        for (std::string ordine; in >> ordine;) {
            SCOPED_TRACE(ordine);
            Inserisci(ordine);
            if (atteso.empty()) atteso = test::Risultati(Progetti[1]);
            EXPECT_EQ(test::PrimaDifferenza(atteso, test::Risultati(Progetti[1])), "");
            EXPECT_EQ(Detto(), detto);
        }
    }
}

// The shock absorber and the spring typed before any geometry: the load progressivity the
// summary shows; saved and opened again, the project says nothing false, and opened with a
// geometry its shock absorber does not fit, it says so once it is judged.
TEST_F(OrdersOfEntry, AShockAbsorberTypedBeforeTheGeometryFitsAndSaysSoWhenOpened) {
    Inserisci("AMGC");
    EXPECT_EQ(ValoreRiassunto(6, 1, 0) + " " + ValoreRiassunto(6, 1, 20) + " " +
                  ValoreRiassunto(6, 1, 60),
              "1.0 1.009 1.029");
    const test::Valori prima = test::Risultati(Progetti[1]);
    Riapri("o.kvp");
    EXPECT_EQ(Detto(), "110");
    EXPECT_EQ(test::PrimaDifferenza(prima, test::Risultati(Progetti[1])), "");
    Progetti[1].InterasseAmmortizzatore = 320, Progetti[1].AmmortizzatoreCompatibile = 1;
    Riapri("c.kvp");
    EXPECT_EQ(Detto(), "100 " + Riga(TestiFrmMenu, 30));
}

// The user's steps: a shock absorber typed alone, saved by its menu; in a program started again
// it is read by its menu, its window closed with OK or Cancel, before or after the linkage is
// typed (no travel) and CALCULATE pressed. Too short for the linkage, it is told not to fit
// once and alone; its project saved and opened again says so alone too.
TEST_F(OrdersOfEntry, AShockAbsorberFileThatDoesNotFitIsToldOnceInEitherOrder) {
    Inserisci("S"), ed->AmmortizzatoreItem_Click(5);
    ASSERT_FALSE((letto = Progetti[1].NomeFileAmmortizzatore).empty());
    for (const char* ordine : {"kLC", "KLC", "LCk", "LCK"}) {
        SCOPED_TRACE(ordine);
        Inserisci(ordine);
        EXPECT_EQ(std::tuple(Mostrati(), Progetti[1].AmmortizzatoreCompatibile),
                  std::tuple(std::vector{Riga(Messaggi, 29)}, int16_t(0)));
        Riapri("u.kvp");
        EXPECT_EQ(Mostrati(), (std::vector{Riga(Messaggi, 37), Riga(TestiFrmMenu, 30)}));
    }
}

// A linkage without components has no static curve, typed or opened.
TEST_F(OrdersOfEntry, ALinkageAloneReopensAsTyped) {
    Inserisci("GC");
    const test::Valori prima = test::Risultati(Progetti[1]);
    ASSERT_TRUE(SalvaProgetto(PercorsoApplicazione + "g.kvp", 1));
    AzzeraTabelle(), NumeroProgetti = ProgettoSelezionato = 1;
    scelte.fileDaAprire.push_back(PercorsoApplicazione + "g.kvp");
    GestisciMenuFileFrmMenu(2);
    ASSERT_EQ(CaricatoProgetto, VERO);
    EXPECT_EQ(test::PrimaDifferenza(prima, test::Risultati(Progetti[1])), "");
}

} // namespace

// The tyre stands on the ground line y = 0, the axle at the wheel radius: the swingarm's OK
// takes the whole chain there whether the radius or the axle's Y was typed last, and what is
// typed is what a save and an open give, every height and result to the bit.
TEST_F(OrdersOfEntry, TheTyreStandsOnTheGroundTypedAndReopened) {
    const auto comeRiaperto = [this](float asse, float perno) {
        const std::vector<float> scritte = Quote();
        EXPECT_EQ(std::pair(scritte[1], scritte[0]), std::pair(asse, perno));
        const test::Valori risultati = test::Risultati(Progetti[1]);
        const std::string mostrato = DimensioniSchema(1).at(3).valore; // the pivot height
        ASSERT_TRUE(SalvaProgetto(PercorsoApplicazione + "suolo.kvp", 1));
        // Opened in a program started again, its editor showing a new project.
        AzzeraTabelle(), NumeroProgetti = ProgettoSelezionato = 1, ed->Form_Activate();
        scelte.fileDaAprire.push_back(PercorsoApplicazione + "suolo.kvp");
        GestisciMenuFileFrmMenu(2);
        EXPECT_EQ(Quote(), scritte);
        EXPECT_EQ(DimensioniSchema(1).at(3).valore, mostrato);
        EXPECT_EQ(test::PrimaDifferenza(risultati, test::Risultati(Progetti[1])), "");
    };
    // Pivot 0/0, axle 500/-40, attachment 180/-30, the radius 320 typed before or after them,
    // OK; the shock and its components, CALCULATE: the pivot stands 40 above the axle.
    for (const bool raggioPrima : {true, false}) {
        SCOPED_TRACE(raggioPrima ? "radius first" : "radius last");
        Inserisci("");
        if (raggioPrima) Digita(ed->TxtRaggio, "320");
        const char* v[] = {"0", "0", "500", "-40", "180", "-30"};
        for (int k = 0; k < 6; ++k)
            Digita(k % 2 ? ed->TxtForcelloneY[k / 2] : ed->TxtForcelloneX[k / 2], v[k]);
        if (!raggioPrima) Digita(ed->TxtRaggio, "320");
        ed->CmdOKForcellone->click(), ed->CmdMolla->click();
        Digita(ed->TxtMollaX, "120"), Digita(ed->TxtMollaY, "290"), Digita(ed->TxtMaxEsc, "100");
        for (const char passo : std::string("CAMT")) Passo(passo);
        comeRiaperto(320, 360);
    }
    // The axle's Y changed on that chain, the swingarm chosen for modification or not, OK,
    // CALCULATE: the pivot stands at the radius less that Y.
    for (const bool modifica : {true, false}) {
        for (const char* y : {"-10", "-75"}) {
            SCOPED_TRACE(std::string(y) + (modifica ? " modified" : " confirmed"));
            Inserisci("GCAMT");
            if (modifica) emit ed->CmbModifica->activated(0);
            Digita(ed->TxtForcelloneY[1], y), ed->CmdOKForcellone->click(), Passo('C');
            comeRiaperto(320, 320 - std::stof(y));
        }
    }
}

// A geometry file an older version wrote with the tyre off the ground (the axle's Y typed after
// the radius) opens as it was saved, whatever radius the editor showed before.
TEST_F(OrdersOfEntry, AGeometryFileOffTheGroundOpensAsItWasSaved) {
    Inserisci("GC");
    Progetto& p = Progetti[1];
    for (Punto& q : p.DatiForcellone.P) q.Y += 10;
    for (Punto& q : p.DatiMolla[1].P) q.Y += 10;
    ASSERT_TRUE(SalvaSchema(PercorsoApplicazione + "g.kvg", 1));
    const std::vector<float> salvate = Quote();
    for (const char* prima : {"", "GC"}) { // shown before: the default radius, the one typed
        Inserisci(std::string(prima) + "g");
        EXPECT_EQ(Quote(), salvate) << prima;
    }
}
