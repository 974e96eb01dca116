// Orders of entry: the shock absorber, the spring and the bump stop, typed in their windows or
// read from their files, before or after the geometry is typed and before or after CALCULATE,
// leave the project with the results, the fit flags and the messages that entering the
// geometry first gives; saved and opened in a program started again, it says nothing false.
#include "components/EditorComponenti.h"
#include "components/InsAmmortizzatore.h"
#include "components/InsMolla.h"
#include "components/InsTampone.h"
#include "core/Formato.h"
#include "core/Unita.h"
#include "files/FileProgetto.h"
#include "graphs/Curve01.h"
#include "graphs/StatoGrafico.h"
#include "shell/Comandi.h"
#include "support/FinestraReale.h"
#include "support/RisposteDialoghi.h"
#include "support/ValoriRisultati.h"
#include "tables/Riassunto.h"

#include <QItemSelectionModel>
#include <map>

using namespace kelvra;

namespace {

// What an order of entry leaves: the results as bits, the three fit flags, the messages shown.
struct Esito {
    test::Valori risultati;
    std::string flag;
    std::vector<std::string> messaggi;
};

class OrdersOfEntry : public test::FinestraReale {
  protected:
    void SetUp() override {
        FinestraReale::SetUp(), RegistraFileProgetto(), RegistraEditorComponenti();
        finestre = {Ganci.MostraInsAmmortizzatore, Ganci.MostraInsMolla, Ganci.MostraInsTampone};
        // The editors a component reader opens are left at once.
        Ganci.MostraInsAmmortizzatore = Ganci.MostraInsMolla = Ganci.MostraInsTampone = [] {};
    }

    template <class F> void Apri(const std::function<void()>& gancio, std::function<void(F&)> fai) {
        scelte.RispondiModale([fai](QWidget* w) {
            F* f = qobject_cast<F*>(w);
            EXPECT_NE(f, nullptr);
            return f ? fai(*f) : void(), 0;
        });
        gancio();
    }
    static void Righe(Griglia* g, int prima, int ultima) {
        const int t = g->FixedRows();
        g->selectionModel()->select(QItemSelection(g->model()->index(prima + 2 - t, 0),
                                                   g->model()->index(ultima + 2 - t, 2)),
                                    QItemSelectionModel::ClearAndSelect);
        emit g->FineSelezione();
    }

    // The direct shock absorber typed in millimetres; CALCULATE is a step of its own.
    void Geometria() {
        const char* valori[] = {"0", "0", "500", "-40", "180", "-30"};
        for (int k = 0; k < 3; ++k) {
            Digita(ed->TxtForcelloneX[k], valori[2 * k]);
            Digita(ed->TxtForcelloneY[k], valori[2 * k + 1]);
        }
        Digita(ed->TxtRaggio, "320");
        ed->CmdOKForcellone->click();
        ed->CmdMolla->click();
        Digita(ed->TxtMollaX, "120"), Digita(ed->TxtMollaY, "290"), Digita(ed->TxtMaxEsc, "100");
    }
    void Calcola() { ed->CmdOKMolla->click(); }
    void Ammortizzatore() {
        const QString l = interasse;
        Apri<INSAMMORTIZZATORE>(finestre[0], [l](INSAMMORTIZZATORE& f) {
            Digita(f.TxtS, l), Digita(f.TxtB, "45"), Digita(f.TxtA, "50"), Digita(f.TxtR, "60");
            f.CmdOK->click();
        });
    }
    void Molla() {
        Apri<INSMOLLA>(finestre[1], [](INSMOLLA& f) {
            Digita(f.TxtLunghezza, "240"), Digita(f.TxtLunghezzaCompressa, "170");
            f.CmdOK1->click(), f.OptCostModo[1]->click();
            Righe(f.GrdTabella, 0, 70), Digita(f.TxtCostanteElastica, "90");
            f.CmdOK2->click();
        });
    }
    void Tampone() {
        Apri<InsTampone>(finestre[2], [](InsTampone& f) {
            Digita(f.TxtLunghezza, "20"), Digita(f.TxtLunghezzaCompressa, "8");
            f.CmdOK1->click(), f.OptCostModo[1]->click();
            Righe(f.GrdTabella, 0, 12), Digita(f.TxtCostanteElastica, "2");
            f.CmdOK2->click();
        });
    }
    void DaFile(const char* nome, void (*apri)()) {
        scelte.fileDaAprire.push_back(PercorsoApplicazione + nome);
        apri();
    }

    // One order of entry from a fresh program state, one letter a step.
    Esito Inserisci(const std::string& ordine) {
        const std::map<char, std::function<void()>> passi = {
            {'G', [this] { Geometria(); }},      // the geometry typed
            {'C', [this] { Calcola(); }},        // CALCULATE
            {'A', [this] { Ammortizzatore(); }}, // the components typed in their windows
            {'M', [this] { Molla(); }},
            {'T', [this] { Tampone(); }},
            {'g',
             [this] {
                 DaFile("o.kvg", [] {
                     int16_t annullato = 0;
                     ApriSchema(annullato);
                 });
             }},
            {'a', [this] { DaFile("o.kva", ApriAmmortizzatore); }}, // the same from their files
            {'c', [this] { DaFile("c.kva", ApriAmmortizzatore); }}, // one too short to fit
            {'m', [this] { DaFile("o.kvr", ApriMolla); }},
            {'t', [this] { DaFile("o.kvt", ApriTampone); }}};
        AzzeraTabelle(), NumeroProgetti = ProgettoSelezionato = 1;
        ImpostaUnitaMisura(SistemaUnita = SISTEMA_METRICO), ed->Form_Activate();
        dialoghi.mostrati.clear();
        for (const char passo : ordine) passi.at(passo)();
        return Leggi();
    }
    Esito Leggi() {
        const Progetto& p = Progetti[1];
        Esito e{test::Risultati(p), "", {}};
        for (int16_t f : {p.MollaCompatibile, p.AmmortizzatoreCompatibile, p.TamponeCompatibile})
            e.flag += std::to_string(f);
        // CALCULATE pressed on a shock absorber that cannot move says so whatever the order;
        // the geometry-first order's component windows solve silently.
        for (const auto& m : dialoghi.mostrati)
            if (m.testo != Riga(Messaggi, 41)) e.messaggi.push_back(m.testo);
        return e;
    }
    // The load progressivity at these millimetres of wheel travel to three decimals, then as
    // the summary shows it.
    static std::string Progressivita(std::initializer_list<int> punti) {
        std::string s;
        for (int i : punti) s += FormattaNumero(Progetti[1].ProgressivitaCarico[i], "0.000") + " ";
        for (int i : punti) s += ValoreRiassunto(6, 1, i) + " ";
        return s;
    }

    std::array<std::function<void()>, 3> finestre;
    QString interasse = "330";
    RisposteDialoghi scelte;
};

TEST_F(OrdersOfEntry, EveryOrderGivesWhatEnteringTheGeometryFirstGives) {
    // The geometry and component files, written from a project entered geometry first.
    Inserisci("GCAMT");
    ASSERT_EQ(Progetti[1].NumPuntiMolla, 70);
    ASSERT_DOUBLE_EQ(Progetti[1].ForzaMolla[70], 6300);
    ASSERT_TRUE(SalvaAmmortizzatore(PercorsoApplicazione + "o.kva", 1));
    ASSERT_TRUE(SalvaMolla(PercorsoApplicazione + "o.kvr", 1));
    ASSERT_TRUE(SalvaTampone(PercorsoApplicazione + "o.kvt", 1));
    ASSERT_TRUE(SalvaSchema(PercorsoApplicazione + "o.kvg", 1));
    interasse = "320";
    Inserisci("GCAM");
    ASSERT_TRUE(SalvaAmmortizzatore(PercorsoApplicazione + "c.kva", 1));

    struct Caso {
        const char* interasse; // the shock absorber's typed length, mm
        const char* primaGeometria;
        std::vector<const char*> ordini;
        const char* flag; // spring, shock absorber, bump stop
    };
    const Caso casi[] = {
        {"330", "GCAM", {"AMGC", "MAGC", "AGMC", "GAMC", "AGCM", "MGCA"}, "110"},
        {"330", "GCAMT", {"TMAGC", "ATGCM", "GTAMC", "GCTMA"}, "111"},
        {"330", "GCamt", {"amtGC", "aGCmt", "mtaGC", "GamtC", "tGCma"}, "111"},
        {"330", "GCAm", {"mAGC", "AGmC", "Amg"}, "110"},
        {"330", "GCamt", {"amtg", "tgam"}, "111"},
        // 320 mm is shorter than the shock absorber at rest: it never fits, and nothing moves.
        {"320", "GCAM", {"AMGC", "GAMC", "MGCA"}, "100"},
        // Read from its file, it is told not to fit as soon as it meets the geometry.
        {"320", "GCcM", {"cMGC", "McGC", "GcCM", "cgM", "MGCc"}, "100"},
    };
    for (const Caso& c : casi) {
        interasse = c.interasse;
        SCOPED_TRACE(std::string(c.interasse) + " " + c.primaGeometria);
        const Esito atteso = Inserisci(c.primaGeometria);
        if (c.flag[1] == '1') {
            ASSERT_GE(Progetti[1].NumPunti, 60);
        }
        EXPECT_EQ(atteso.flag, c.flag);
        EXPECT_EQ(atteso.messaggi.size(),
                  std::string(c.primaGeometria).find('c') == std::string::npos ? 0u : 1u);
        for (const char* ordine : c.ordini) {
            SCOPED_TRACE(ordine);
            const Esito e = Inserisci(ordine);
            EXPECT_EQ(test::PrimaDifferenza(atteso.risultati, e.risultati), "");
            EXPECT_EQ(e.flag, atteso.flag);
            EXPECT_EQ(e.messaggi, atteso.messaggi);
        }
    }
}

// The shock absorber and the spring typed before any geometry: the load progressivity the
// summary shows, and the project saved, the program started again and the project opened.
TEST_F(OrdersOfEntry, AShockAbsorberTypedBeforeTheGeometryFitsAndSaysSoWhenOpened) {
    Inserisci("AMGC");
    EXPECT_NEAR(Progetti[1].LunghezzaStaticaAmmortizzatore, 325.58, 0.005);
    EXPECT_EQ(Progressivita({0, 20, 60}), "1.000 1.009 1.029 1.0 1.009 1.029 ");
    // The chart of the load progressivity rises from 1 as the summary's values do.
    RegistraGrafici(), MostraGrafici(1);
    ASSERT_NE(CURVE01::Istanza(), nullptr);
    CURVE01::Istanza()->CmdCurve[10]->click();
    EXPECT_GE(Grafico.YMaxProgetto[1], Progetti[1].ProgressivitaCarico[60]);
    EXPECT_NEAR(Grafico.YMinProgetto[1], 1, 0.01);
    delete CURVE01::Istanza();
    const Esito prima = Leggi();
    ASSERT_TRUE(SalvaProgetto(PercorsoApplicazione + "o.kvp", 1));

    AzzeraTabelle(), NumeroProgetti = ProgettoSelezionato = 1, dialoghi.mostrati.clear();
    scelte.fileDaAprire.push_back(PercorsoApplicazione + "o.kvp");
    GestisciMenuFileFrmMenu(2);
    ASSERT_EQ(CaricatoProgetto, VERO);
    const Esito dopo = Leggi();
    EXPECT_EQ(dopo.messaggi, std::vector<std::string>{});
    EXPECT_EQ(dopo.flag, prima.flag);
    EXPECT_EQ(test::PrimaDifferenza(prima.risultati, dopo.risultati), "");
    EXPECT_EQ(Progressivita({0, 20, 60}), "1.000 1.009 1.029 1.0 1.009 1.029 ");

    // Opened with a geometry it does not fit, the project says so once it is judged.
    Progetti[1].InterasseAmmortizzatore = 320, Progetti[1].AmmortizzatoreCompatibile = 1;
    ASSERT_TRUE(SalvaProgetto(PercorsoApplicazione + "c.kvp", 1));
    AzzeraTabelle(), NumeroProgetti = ProgettoSelezionato = 1, dialoghi.mostrati.clear();
    scelte.fileDaAprire.push_back(PercorsoApplicazione + "c.kvp");
    GestisciMenuFileFrmMenu(2);
    EXPECT_EQ(Leggi().messaggi, std::vector<std::string>{Riga(TestiFrmMenu, 30)});
    EXPECT_EQ(Progetti[1].AmmortizzatoreCompatibile, 0);
}

} // namespace
