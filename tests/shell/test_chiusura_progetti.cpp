// Six projects made with the editor's Add project button and never saved, closed by the graph
// legend and by Close last file in the graph window, the editor and the start screen: projects
// with changes not saved go only after the question (Yes saves them first, No drops them,
// Cancel keeps them), saved ones without it, and every caption the Window menu lists follows.
#include "files/FileProgetto.h"
#include "files/FrmSalva.h"
#include "files/Scelte.h"
#include "graphs/Curve01.h"
#include "graphs/Funzioni.h"
#include "graphs/StatoGrafico.h"
#include "shell/Comandi.h"
#include "shell/FrmMenu.h"
#include "support/FinestraReale.h"
#include "support/RisposteDialoghi.h"

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <map>
#include <memory>

using namespace kelvra;

namespace {

class ClosingProjects : public test::FinestraReale {
  protected:
    void PrimaDellAvvio() override {
        ReimpostaGrafico();
        FinestraReale::PrimaDellAvvio(), RegistraFrmMenu(), RegistraGrafici();
        RegistraFileProgetto();
    }
    void TearDown() override {
        delete CURVE01::Istanza(), delete MAIN::Istanza(), delete FRMMENU::Istanza();
        FinestraReale::TearDown();
        ReimpostaGrafico();
    }
    RisposteDialoghi scelte;
};

TEST_F(ClosingProjects, ClosingAsksBeforeDroppingUnsavedProjectsInEveryWindow) {
    QuadrilateroDigitato();
    for (int i = 0; i < 5; ++i) ed->CmdAddProject->click();
    MostraGrafici(1);
    CURVE01* f = CURVE01::Istanza();
    ASSERT_TRUE(f && NumeroProgetti == 6);
    enum Finestra { LEGENDA, GRAFICI, EDITOR, MENU };
    const struct {
        Finestra finestra;
        int tenuti; // the legend keeps projects 1..tenuti
        int risposta, riga;
        bool salva; // after Yes, the save dialog's Save pressed (else it is closed unused)
        int numero;
    } casi[] = {{LEGENDA, 3, vbCancel, 91, false, 6},
                {LEGENDA, 2, vbYes, 91, false, 6}, // nothing saved, nothing closed
                {LEGENDA, 5, vbNo, 90, false, 5},  // not asked about the kept ones
                {GRAFICI, 0, vbCancel, 90, false, 5},
                {GRAFICI, 0, vbNo, 90, false, 4},
                {EDITOR, 0, vbCancel, 90, false, 4},
                {MENU, 0, vbNo, 90, false, 3},
                {GRAFICI, 0, vbYes, 90, true, 2}};
    for (const auto& c : casi) {
        SCOPED_TRACE(&c - casi);
        dialoghi.mostrati.clear(), dialoghi.Rispondi(c.risposta);
        if (c.finestra == LEGENDA)
            scelte.RispondiModale([&c](QWidget* w) { // Remove projects, `tenuti` kept
                auto* fz = qobject_cast<FUNZIONI*>(w);
                fz->CmdProgetti->click();
                for (int i = 1; i <= NumeroProgetti; ++i)
                    fz->ChkCurva[i]->setChecked(i <= c.tenuti);
                fz->CmdOff->click();
                if (FUNZIONI::Istanza() == fz) fz->CommandChiudi[9]->click(); // left open
                return 0;
            });
        if (c.risposta == vbYes)
            scelte.RispondiModale([&c](QWidget* w) {
                if (c.salva) qobject_cast<FrmSalva*>(w)->CmdSalva->click();
                return 0;
            });
        if (c.finestra == LEGENDA) f->CmdPulsantiera[5]->click();
        if (c.finestra == GRAFICI) f->FileItem[4]->trigger();
        if (c.finestra == EDITOR) ed->FileItem_Click(4);
        if (c.finestra == MENU) FRMMENU::Istanza()->FileItem_Click(4);
        ASSERT_EQ(dialoghi.mostrati.size(), 1u);
        EXPECT_EQ(std::tuple(dialoghi.mostrati[0].testo, dialoghi.mostrati[0].stile),
                  std::tuple(Riga(Messaggi, c.riga), vbYesNoCancel + vbQuestion));
        EXPECT_EQ(std::tuple(NumeroProgetti, ProgettoSelezionato), std::tuple(c.numero, c.numero));
        emit f->MenuItem[8]->aboutToShow(); // the captions the Window menu lists count them
        QString voci;
        for (QAction* a : f->MenuItem[8]->actions()) voci += a->text() + "|";
        EXPECT_EQ(voci.count(QString(" - %1 projects|").arg(c.numero)), 3) << voci.toStdString();
    }
    EXPECT_TRUE(std::filesystem::exists(PercorsoApplicazione + "Project 03.kvp"));
    // The save dialog saved project 2 as well: it goes without a question.
    dialoghi.mostrati.clear(), f->FileItem[4]->trigger();
    EXPECT_EQ(std::tuple(dialoghi.mostrati.size(), NumeroProgetti), std::tuple(0u, 1));
}

// Every command that drops the newest projects or reads a file over one held, with three
// projects held and project 3 (with project 2 too, where named) changed and not saved.
class CommandsThatDropProjects : public ClosingProjects {
  protected:
    void PrimaDellAvvio() override {
        ClosingProjects::PrimaDellAvvio();
        RegistraComandi();
    }
    void SetUp() override {
        ClosingProjects::SetUp();
        if (HasFatalFailure()) return;
        mostra = Ganci.MostraInsGeo;
        Ganci.MostraInsGeo = [this](MAIN& m, bool centrata) { ++editore, mostra(m, centrata); };
        ImpostaGestoreMessaggio([this](const std::string& testo, int stile, const std::string&) {
            domande.push_back(testo);
            const auto r = risposte.find(testo);
            return r != risposte.end() ? r->second : RispostaPrudente(stile);
        });
    }
    void TearDown() override {
        ImpostaGestoreMessaggio({});
        ClosingProjects::TearDown();
    }
    // Three projects on the typed four-bar; project 1 written as File.kvp and File.kv3.
    void Prepara() {
        QuadrilateroDigitato();
        ASSERT_TRUE(SalvaProgetto(File("kvp"), 1) && SalvaSchema(File("kv3"), 1));
        ed->CmdAddProject->click(), ed->CmdAddProject->click();
        ASSERT_EQ(NumeroProgetti, 3);
        for (Progetto& p : Progetti) p.ModificatoFile.fill(FALSO);
        stato = std::make_unique<std::array<Progetto, MAX_PROGETTI + 1>>(Progetti);
    }
    // Back to the three projects, `cambiati` changed and not saved.
    void Ripristina(const std::vector<int>& cambiati) {
        Progetti = *stato, NumeroProgetti = ProgettoSelezionato = 3;
        for (int p = 1; p <= 3; ++p) // the save dialog's names are free again
            std::filesystem::remove(PercorsoApplicazione + "Project 0" + std::to_string(p) +
                                    ".kvp");
        for (int p : cambiati) {
            Progetti[size_t(p)].DescrizioneProgetto1 = "changed";
            Progetti[size_t(p)].ModificatoFile[MOD_PROGETTO] = VERO;
            Progetti[size_t(p)].ModificatoFile[MOD_SCHEMA] = VERO;
        }
        if (!CURVE01::Istanza()) MostraGrafici(1);
        FRMMENU::Istanza()->Form_Activate();
        if ((ed = INSGEO01::Istanza())) ed->Form_Activate();
        domande.clear(), risposte.clear(), editore = 0;
        scelte.richiesteApri.clear(), scelte.classiModali.clear(), scelte.fileDaAprire.clear();
    }
    std::string File(const char* estensione) const {
        return PercorsoApplicazione + "File." + estensione;
    }
    int Contate(int riga) const {
        return int(std::count(domande.begin(), domande.end(), Riga(Messaggi, riga)));
    }

    std::function<void(MAIN&, bool)> mostra;
    int editore = 0; // geometry editors shown
    std::vector<std::string> domande;
    std::map<std::string, int> risposte;
    std::unique_ptr<std::array<Progetto, MAX_PROGETTI + 1>> stato;
};

TEST_F(CommandsThatDropProjects, EachAsksBeforeAnUnsavedProjectGoesAndCancelKeepsIt) {
    Prepara();
    FRMMENU* m = FRMMENU::Istanza();
    const auto miniatura = [m](int i) {
        return [m, i] { QTest::mouseClick(m->CmdIcon[size_t(i)], Qt::LeftButton); };
    };
    const auto grafico = [](int voce) {
        return [voce] { CURVE01::Istanza()->FileItem[voce]->trigger(); };
    };
    // The modal windows, whichever comes: the open chooser takes the whole project, the legend
    // keeps projects 1 and 2, the save dialog saves (after Yes) or is closed unused.
    const auto finestre = [this](bool salva) {
        scelte.modali.clear();
        for (int i = 0; i < 3; ++i)
            scelte.RispondiModale([salva](QWidget* w) {
                if (auto* s = qobject_cast<SceltaOpen*>(w))
                    s->ChkOption[4]->setChecked(true), s->CmdOK->click();
                if (auto* fz = qobject_cast<FUNZIONI*>(w)) {
                    fz->CmdProgetti->click();
                    for (int i = 1; i <= NumeroProgetti; ++i) fz->ChkCurva[i]->setChecked(i <= 2);
                    fz->CmdOff->click();
                    if (FUNZIONI::Istanza() == fz) fz->CommandChiudi[9]->click();
                }
                if (auto* f = qobject_cast<FrmSalva*>(w); f && salva) f->CmdSalva->click();
                return 0;
            });
    };
    const auto legenda = [] { CURVE01::Istanza()->CmdPulsantiera[5]->click(); };
    enum Esito { SALVO, CHIUSO, LETTO }; // after the command: project 3 kept; dropped; read over
    const struct {
        const char* comando;
        std::function<void()> esegui;
        std::vector<int> cambiati;
        int riga;   // the closing question, 0 when nothing goes
        int numero; // projects held once the command went on
        Esito esito;
        const char* file; // offered to the open dialog
    } casi[] = {
        {"thumbnail 1", miniatura(0), {3}, 90, 1, CHIUSO, nullptr},
        {"thumbnail 1, two changed", miniatura(0), {2, 3}, 91, 1, CHIUSO, nullptr},
        {"thumbnail 2", miniatura(1), {3}, 90, 2, CHIUSO, nullptr},
        {"thumbnail 3", miniatura(2), {3}, 0, 3, SALVO, nullptr},
        {"thumbnail 5", miniatura(4), {3}, 0, 4, SALVO, nullptr},
        {"Schema, enter data", [m] { m->SchemaItem_Click(1); }, {3}, 0, 3, SALVO, nullptr},
        {"close last, start screen", [m] { m->FileItem_Click(4); }, {3}, 90, 2, CHIUSO, nullptr},
        {"close last, editor", [this] { ed->FileItem_Click(4); }, {3}, 90, 2, CHIUSO, nullptr},
        {"close last, graphs", grafico(4), {3}, 90, 2, CHIUSO, nullptr},
        {"legend", legenda, {3}, 90, 2, CHIUSO, nullptr},
        {"open, start screen", [m] { m->FileItem_Click(2); }, {3}, 90, 3, LETTO, "kvp"},
        {"open, editor", [this] { ed->FileItem_Click(2); }, {3}, 90, 3, LETTO, "kvp"},
        {"open, main window", [this] { main->FileItem_Click(2); }, {3}, 90, 3, LETTO, "kvp"},
        {"open, graphs", grafico(2), {3}, 90, 3, LETTO, "kvp"},
        {"new, start screen", [m] { m->FileItem_Click(1); }, {3}, 0, 4, SALVO, nullptr},
        {"new, editor", [this] { ed->FileItem_Click(1); }, {3}, 0, 4, SALVO, nullptr},
        {"new, main window", [this] { main->FileItem_Click(1); }, {3}, 0, 3, SALVO, nullptr},
        {"new, graphs", grafico(1), {3}, 0, 4, SALVO, nullptr},
        {"add project", [this] { ed->CmdAddProject->click(); }, {3}, 0, 4, SALVO, nullptr},
        {"compare, start screen", [m] { m->FileItem_Click(3); }, {3}, 0, 4, SALVO, "kvp"},
        {"compare, editor", [this] { ed->FileItem_Click(3); }, {3}, 0, 4, SALVO, "kvp"},
        {"compare, graphs", grafico(3), {3}, 0, 4, SALVO, "kvp"},
        {"compare geometries", [m] { m->SchemaItem_Click(5); }, {3}, 0, 4, SALVO, "kv3"},
    };
    for (const auto& c : casi) {
        // Cancel, No, Yes with the save dialog's Save, and the projects all saved.
        for (int risposta : std::array<int, 4>{vbCancel, vbNo, vbYes, 0}) {
            SCOPED_TRACE(std::string(c.comando) + " answer " + std::to_string(risposta));
            Ripristina(risposta ? c.cambiati : std::vector<int>{});
            const int16_t scelto = c.riga ? NumeroProgetti : 0;
            if (c.riga) risposte[Riga(Messaggi, c.riga)] = risposta;
            if (c.file) scelte.fileDaAprire.push_back(File(c.file));
            finestre(risposta == vbYes);
            c.esegui();
            const bool chiesto = risposta && c.riga;
            EXPECT_EQ(std::tuple(Contate(90), Contate(91)),
                      std::tuple(chiesto && c.riga == 90, chiesto && c.riga == 91));
            if (chiesto && risposta == vbCancel) { // nothing changed, nothing opened
                EXPECT_EQ(std::tuple(NumeroProgetti, ProgettoSelezionato),
                          std::tuple(scelto, scelto));
                EXPECT_EQ(std::tuple(editore, scelte.richiesteApri.size()), std::tuple(0, 0u));
                for (int p : c.cambiati)
                    EXPECT_EQ(std::tuple(Progetti[size_t(p)].DescrizioneProgetto1,
                                         Progetti[size_t(p)].ModificatoFile[MOD_SCHEMA]),
                              std::tuple(std::string("changed"), VERO));
                continue;
            }
            EXPECT_EQ(NumeroProgetti, c.numero);
            if (c.esito == LETTO) {
                EXPECT_EQ(Progetti[3].NomeFileProgetto, File("kvp"));
            }
            if (c.esito == SALVO && risposta) { // still held, as it was
                EXPECT_EQ(
                    std::tuple(Progetti[3].DescrizioneProgetto1, Progetti[3].ModificatoFile[0]),
                    std::tuple(std::string("changed"), VERO));
            }
            if (chiesto && risposta == vbYes) { // saved, then let go
                EXPECT_TRUE(std::filesystem::exists(PercorsoApplicazione + "Project 03.kvp"));
            }
        }
    }
    // Exit, every way: the save question comes before the exit question; No to exit keeps all.
    const std::function<void()> esci[] = {
        [m] { m->FileItem_Click(13); }, [m] { m->CmdMenu_Click(24); },
        [this] { ed->FileItem_Click(14); }, [this] { main->FileItem_Click(3); },
        [this] { main->close(); }};
    for (const auto& e : esci) {
        for (const bool cambiato : {true, false}) {
            SCOPED_TRACE(std::to_string(&e - esci) + (cambiato ? " changed" : " saved"));
            Ripristina(cambiato ? std::vector{3} : std::vector<int>{});
            risposte = {{Riga(Messaggi, 18), vbNo}, {Riga(Messaggi, 0), vbNo}};
            e();
            EXPECT_EQ(Contate(18), cambiato);
            EXPECT_EQ(std::tuple(Contate(0), NumeroProgetti, terminato), std::tuple(1, 3, -1));
        }
    }
    Ripristina({3});
    risposte = {{Riga(Messaggi, 18), vbNo}, {Riga(Messaggi, 0), vbYes}};
    main->close();
    EXPECT_EQ(std::tuple(Contate(18), terminato), std::tuple(1, 0));
}

// A geometry or component file read over changes not saved, from every window that reads one:
// the save question comes first when the read replaces a changed kind (a shock absorber file
// brings its spring and bump stop along); No lets the file replace the change, Yes saves it
// first; a change the read leaves alone, or nothing changed, goes without a question.
TEST_F(CommandsThatDropProjects, ReadingAFileAsksAboutEveryKindItReplaces) {
    QuadrilateroDigitato();
    // A field of each kind's file (the wheel radius of the geometry), and a change of it.
    const std::array<std::string Progetto::*, 5> testo{
        nullptr, nullptr, &Progetto::DescrizioneAmmortizzatore, &Progetto::DescrizioneMolla,
        &Progetto::DescrizioneTampone};
    const auto segno = [&testo](const Progetto& q, int k) {
        return k == MOD_SCHEMA ? std::to_string(q.RaggioRuota) : q.*testo[size_t(k)];
    };
    const auto cambia = [&testo](Progetto& q, int k) {
        if (k == MOD_SCHEMA)
            q.RaggioRuota += 7;
        else
            q.*testo[size_t(k)] = "changed";
    };
    Progetto& p = Progetti[1];
    p.DescrizioneAmmortizzatore = p.DescrizioneMolla = p.DescrizioneTampone = "file";
    ASSERT_TRUE(SalvaSchema(File("kv3"), 1) && SalvaAmmortizzatore(File("kva"), 1) &&
                SalvaMolla(File("kvr"), 1) && SalvaTampone(File("kvt"), 1));
    p.NomeFileSchema.clear(), p.NomeFileAmmortizzatore.clear(), p.NomeFileMolla.clear();
    p.NomeFileTampone.clear();
    const auto iniziale = std::make_unique<Progetto>(p);
    auto cambiato = std::make_unique<Progetto>(p);
    for (int k = MOD_SCHEMA; k <= MOD_TAMPONE; ++k) cambia(*cambiato, k);
    MostraGrafici(1);
    FRMMENU* m = FRMMENU::Istanza();
    const auto scelta = [this](int opzione, std::function<void()> apri) {
        return [this, opzione, apri] {
            scelte.RispondiModale([opzione](QWidget* w) {
                auto* s = qobject_cast<SceltaOpen*>(w);
                s->ChkOption[size_t(opzione)]->setChecked(true), s->CmdOK->click();
                return 0;
            });
            apri();
        };
    };
    const auto grafici = [] { CURVE01::Istanza()->FileItem[2]->trigger(); };
    const auto principale = [this] { main->FileItem_Click(2); };
    const struct {
        const char* comando;
        std::function<void()> esegui;
        int letto;                 // the kind of the file read
        std::vector<int> cambiati; // kinds changed and not saved
    } casi[] = {
        {"shock absorber, start screen", [m] { m->AmmortizzatoreItem_Click(3); }, 2, {3}},
        {"shock absorber, editor", [this] { ed->AmmortizzatoreItem_Click(3); }, 2, {4}},
        {"shock absorber compared into slot 1", [m] { m->AmmortizzatoreItem_Click(4); }, 2, {3}},
        {"chooser, main window, shock absorber", scelta(1, principale), 2, {3}},
        {"chooser, graphs, shock absorber", scelta(1, grafici), 2, {2, 3, 4}},
        {"chooser, graphs, geometry", scelta(0, grafici), 1, {1}},
        {"chooser, graphs, spring", scelta(2, grafici), 3, {3, 4}},
        {"chooser, graphs, bump stop", scelta(3, grafici), 4, {4}},
        {"spring, start screen, bump stop changed", [m] { m->MollaItem_Click(3); }, 3, {4}},
        {"geometry, editor, spring changed", [this] { ed->SchemaItem_Click(4); }, 1, {3}},
    };
    // The kinds each kind's file carries (a shock absorber file: its spring and bump stop too).
    const std::array<std::vector<int>, 5> porta{{{}, {1}, {2, 3, 4}, {3}, {4}}};
    for (const auto& c : casi) {
        const TipoFile& letto = TipoDiFile(c.letto);
        const auto sostituisce = [&porta, &c](int k) {
            const auto& v = porta[size_t(c.letto)];
            return std::find(v.begin(), v.end(), k) != v.end();
        };
        const bool sostituito = std::any_of(c.cambiati.begin(), c.cambiati.end(), sostituisce);
        for (int risposta : std::array<int, 3>{vbNo, vbYes, 0}) {
            SCOPED_TRACE(std::string(c.comando) + " answer " + std::to_string(risposta));
            Progetti[1] = *iniziale, NumeroProgetti = ProgettoSelezionato = 1;
            std::vector<std::string> predefiniti(5);
            for (int k : c.cambiati) {
                predefiniti[size_t(k)] = PercorsoProgettoUnico(TipoDiFile(k));
                std::filesystem::remove(predefiniti[size_t(k)]);
                if (risposta) cambia(Progetti[1], k);
                Progetti[1].ModificatoFile[size_t(k)] = risposta ? VERO : FALSO;
            }
            AggiornaModificatoProgetto(1);
            domande.clear(), risposte = {{Riga(Messaggi, 18), risposta}};
            scelte.richiesteApri.clear(), scelte.fileDaAprire = {File(letto.estensione + 1)};
            c.esegui();
            scelte.modali.clear();
            EXPECT_EQ(Contate(18), risposta && sostituito ? 1 : 0);
            EXPECT_EQ(std::tuple(scelte.richiesteApri.size(), NumeroProgetti), std::tuple(1u, 1));
            for (int k : c.cambiati) {
                SCOPED_TRACE("kind " + std::to_string(k));
                const bool via = sostituisce(k), resta = risposta && !via;
                EXPECT_EQ(
                    std::tuple(segno(Progetti[1], k), Vero(Progetti[1].ModificatoFile[size_t(k)])),
                    std::tuple(segno(resta ? *cambiato : *iniziale, k), resta));
                EXPECT_EQ(std::filesystem::exists(predefiniti[size_t(k)]),
                          risposta == vbYes && via);
            }
        }
    }
}

// The steps of a new user: a project opened, a new one, one compared; the third changed in the
// editor; the first thumbnail then asks, and Cancel keeps all three with the change.
TEST_F(CommandsThatDropProjects, TheFirstThumbnailAsksBeforeTheChangedThirdProjectGoes) {
    QuadrilateroDigitato();
    ASSERT_TRUE(SalvaProgetto(File("kvp"), 1));
    FRMMENU* m = FRMMENU::Istanza();
    scelte.fileDaAprire = {File("kvp"), File("kvp")};
    m->FileItem_Click(2); // File, Open
    m->FileItem_Click(1); // File, New project
    ed->CmdEsci->click();
    risposte[Riga(Messaggi, 14)] = vbNo; // no further file
    m->FileItem_Click(3);
    ASSERT_EQ(NumeroProgetti, 3);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::mouseClick(m->CmdIcon[2], Qt::LeftButton);
    ed = INSGEO01::Istanza();
    ASSERT_TRUE(ed && NumeroProgetti == 3);
    emit ed->CmbModifica->activated(0); // the swingarm
    Digita(ed->TxtForcelloneY[2], "55");
    ed->CmdOKForcellone->click();
    const float y = Progetti[3].DatiForcellone.P[2].Y;
    ASSERT_NE(y, Progetti[1].DatiForcellone.P[2].Y);
    ed->CmdEsci->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    domande.clear(), editore = 0;
    risposte[Riga(Messaggi, 90)] = vbCancel;
    QTest::mouseClick(m->CmdIcon[0], Qt::LeftButton);
    EXPECT_EQ(domande, std::vector{Riga(Messaggi, 90)});
    EXPECT_EQ(std::tuple(NumeroProgetti, ProgettoSelezionato, editore), std::tuple(3, 3, 0));
    EXPECT_EQ(std::tuple(Progetti[3].DatiForcellone.P[2].Y, Progetti[3].ModificatoFile[0]),
              std::tuple(y, VERO));
    // Exit offers to save the change before it asks whether to end.
    domande.clear(), m->FileItem_Click(13);
    EXPECT_EQ(domande, std::vector({Riga(Messaggi, 18), Riga(Messaggi, 0)}));
    EXPECT_EQ(terminato, -1);
}

} // namespace
