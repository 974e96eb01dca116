// Orders of entry: the shock absorber, the spring and the bump stop, typed in their windows or
// read from their files, before or after the geometry and before or after CALCULATE, leave the
// project with the results, fit flags and messages that entering the geometry first gives;
// saved and opened again, it says nothing false.
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

#include <map>

using namespace kelvra;

namespace {

// What an order of entry leaves: the results as bits; the spring's, shock absorber's and bump
// stop's fit flags, then the messages shown.
struct Esito {
    test::Valori risultati;
    std::string detto;
};

class OrdersOfEntry : public test::FinestraReale {
  protected:
    void SetUp() override {
        FinestraReale::SetUp(), RegistraFileProgetto(), RegistraEditorComponenti();
        finestre = {Ganci.MostraInsAmmortizzatore, Ganci.MostraInsMolla, Ganci.MostraInsTampone};
        // The editors a component reader opens are left at once.
        Ganci.MostraInsAmmortizzatore = Ganci.MostraInsMolla = Ganci.MostraInsTampone = [] {};
    }
    template <class F> void Apri(int i, std::function<void(F&)> fai) {
        scelte.RispondiModale([fai](QWidget* w) { return fai(dynamic_cast<F&>(*w)), 0; });
        finestre[size_t(i)]();
    }
    // A spring or a bump stop: its lengths, then one constant over the whole table.
    template <class F> void Tabella(int i, const char* l, const char* c, const char* k) {
        Apri<F>(i, [=](F& f) {
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
    // One step: upper case typed, lower case read from its file; C is CALCULATE, and c the
    // shock absorber of the short length.
    void Passo(char passo) {
        static const std::map<char, std::pair<const char*, void (*)()>> daFile = {
            {'g', {"o.kvg", ApriGeometria}},
            {'a', {"o.kva", ApriAmmortizzatore}},
            {'c', {"c.kva", ApriAmmortizzatore}},
            {'m', {"o.kvr", ApriMolla}},
            {'t', {"o.kvt", ApriTampone}}};
        if (daFile.count(passo)) {
            scelte.fileDaAprire.push_back(PercorsoApplicazione + daFile.at(passo).first);
            return daFile.at(passo).second();
        }
        if (passo == 'C') return ed->CmdOKMolla->click();
        if (passo == 'M') return Tabella<INSMOLLA>(1, "240", "170", "90");
        if (passo == 'T') return Tabella<InsTampone>(2, "20", "8", "2");
        if (passo == 'A')
            return Apri<INSAMMORTIZZATORE>(0, [l = interasse](INSAMMORTIZZATORE& f) {
                Digita(f.TxtS, l), Digita(f.TxtB, "45"), Digita(f.TxtA, "50");
                Digita(f.TxtR, "60"), f.CmdOK->click();
            });
        // G: a direct shock absorber, typed in millimetres.
        const char* v[] = {"0", "0", "500", "-40", "180", "-30"};
        for (int k = 0; k < 6; ++k)
            Digita(k % 2 ? ed->TxtForcelloneY[k / 2] : ed->TxtForcelloneX[k / 2], v[k]);
        Digita(ed->TxtRaggio, "320"), ed->CmdOKForcellone->click(), ed->CmdMolla->click();
        Digita(ed->TxtMollaX, "120"), Digita(ed->TxtMollaY, "290"), Digita(ed->TxtMaxEsc, "100");
    }
    // One order of entry from a fresh program state, one letter a step.
    Esito Inserisci(const std::string& ordine) {
        AzzeraTabelle(), NumeroProgetti = ProgettoSelezionato = 1;
        ImpostaUnitaMisura(SistemaUnita = SISTEMA_METRICO), ed->Form_Activate();
        dialoghi.mostrati.clear();
        for (const char passo : ordine) Passo(passo);
        return Leggi();
    }
    Esito Leggi() {
        const Progetto& p = Progetti[1];
        Esito e{test::Risultati(p), ""};
        for (int16_t f : {p.MollaCompatibile, p.AmmortizzatoreCompatibile, p.TamponeCompatibile})
            e.detto += std::to_string(f);
        // CALCULATE pressed on a shock absorber that cannot move says so whatever the order.
        for (const auto& m : dialoghi.mostrati)
            if (m.testo != Riga(Messaggi, 41)) e.detto += " " + m.testo;
        return e;
    }

    std::array<std::function<void()>, 3> finestre;
    QString interasse = "330"; // the shock absorber's length typed, mm
    RisposteDialoghi scelte;
};

TEST_F(OrdersOfEntry, EveryOrderGivesWhatEnteringTheGeometryFirstGives) {
    // The files, written from projects entered geometry first. 320 mm is shorter than the
    // shock absorber at rest: it never fits, and nothing moves.
    Inserisci("GCAMT");
    ASSERT_GE(Progetti[1].NumPunti, 60);
    ASSERT_DOUBLE_EQ(Progetti[1].ForzaMolla[70], 6300);
    ASSERT_TRUE(SalvaAmmortizzatore(PercorsoApplicazione + "o.kva", 1) &&
                SalvaMolla(PercorsoApplicazione + "o.kvr", 1) &&
                SalvaTampone(PercorsoApplicazione + "o.kvt", 1) &&
                SalvaSchema(PercorsoApplicazione + "o.kvg", 1));
    interasse = "320";
    Inserisci("GCAM");
    ASSERT_TRUE(SalvaAmmortizzatore(PercorsoApplicazione + "c.kva", 1));

    // The shock absorber's length, what the first order (geometry first) says, and the orders.
    const std::tuple<const char*, std::string, std::vector<std::string>> casi[] = {
        {"330",
         "111",
         {"GCAMT", "AMTGC", "TMAGC", "GAMTC", "GCTMA", "amtGC", "GamtC", "tGCma", "mAGCt", "amtg",
          "tgAm"}},
        {"320", "100", {"GCAM", "AMGC", "GAMC", "MGCA"}},
        // Read from its file, it is told not to fit as soon as it meets the geometry.
        {"320", "100 " + Riga(Messaggi, 29), {"GCcM", "cMGC", "GcCM", "cgM", "MGCc"}},
    };
    for (const auto& [lunghezza, detto, ordini] : casi) {
        interasse = lunghezza;
        const Esito atteso = Inserisci(ordini[0]);
        EXPECT_EQ(atteso.detto, detto);
        for (const std::string& ordine : ordini) {
            SCOPED_TRACE(ordine);
            const Esito e = Inserisci(ordine);
            EXPECT_EQ(test::PrimaDifferenza(atteso.risultati, e.risultati), "");
            EXPECT_EQ(e.detto, atteso.detto);
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
    const Esito prima = Leggi();
    const auto riapri = [this](const std::string& nome) {
        ASSERT_TRUE(SalvaProgetto(PercorsoApplicazione + nome, 1));
        AzzeraTabelle(), NumeroProgetti = ProgettoSelezionato = 1, dialoghi.mostrati.clear();
        scelte.fileDaAprire.push_back(PercorsoApplicazione + nome);
        GestisciMenuFileFrmMenu(2);
        ASSERT_EQ(CaricatoProgetto, VERO);
    };
    riapri("o.kvp");
    EXPECT_EQ(Leggi().detto, "110");
    EXPECT_EQ(test::PrimaDifferenza(prima.risultati, Leggi().risultati), "");
    Progetti[1].InterasseAmmortizzatore = 320, Progetti[1].AmmortizzatoreCompatibile = 1;
    riapri("c.kvp");
    EXPECT_EQ(Leggi().detto, "100 " + Riga(TestiFrmMenu, 30));
}

} // namespace
