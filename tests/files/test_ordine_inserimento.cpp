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
    // One step: upper case typed, lower case read from the file of its letter; C is CALCULATE.
    void Passo(char passo) {
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
        // G: a direct shock absorber, typed in millimetres.
        const char* v[] = {"0", "0", "500", "-40", "180", "-30"};
        for (int k = 0; k < 6; ++k)
            Digita(k % 2 ? ed->TxtForcelloneY[k / 2] : ed->TxtForcelloneX[k / 2], v[k]);
        Digita(ed->TxtRaggio, "320"), ed->CmdOKForcellone->click(), ed->CmdMolla->click();
        Digita(ed->TxtMollaX, "120"), Digita(ed->TxtMollaY, "290"), Digita(ed->TxtMaxEsc, "100");
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

    RisposteDialoghi scelte;
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
    const auto riapri = [this](const std::string& nome) {
        ASSERT_TRUE(SalvaProgetto(PercorsoApplicazione + nome, 1));
        AzzeraTabelle(), NumeroProgetti = ProgettoSelezionato = 1, dialoghi.mostrati.clear();
        scelte.fileDaAprire.push_back(PercorsoApplicazione + nome);
        GestisciMenuFileFrmMenu(2);
        ASSERT_EQ(CaricatoProgetto, VERO);
    };
    riapri("o.kvp");
    EXPECT_EQ(Detto(), "110");
    EXPECT_EQ(test::PrimaDifferenza(prima, test::Risultati(Progetti[1])), "");
    Progetti[1].InterasseAmmortizzatore = 320, Progetti[1].AmmortizzatoreCompatibile = 1;
    riapri("c.kvp");
    EXPECT_EQ(Detto(), "100 " + Riga(TestiFrmMenu, 30));
}

} // namespace
