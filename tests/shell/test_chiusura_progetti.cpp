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

// Every command that drops the newest projects or reads a file over one held, with three projects
// held and project 3 (with project 2 too, where named) changed and not saved.
class CommandsThatDropProjects : public ClosingProjects {
  protected:
    void PrimaDellAvvio() override {
        ClosingProjects::PrimaDellAvvio();
        RegistraComandi();
    }
    // The modal windows, whichever come: the open chooser takes option `opzione` (4 the whole
    // project), the legend keeps projects 1 and 2, the save dialog saves when `salva`.
    void Finestre(int opzione, bool salva) {
        scelte.modali.clear();
        for (int i = 0; i < 3; ++i)
            scelte.RispondiModale([opzione, salva](QWidget* w) {
                if (auto* s = qobject_cast<SceltaOpen*>(w))
                    s->ChkOption[size_t(opzione)]->setChecked(true), s->CmdOK->click();
                if (auto* fz = qobject_cast<FUNZIONI*>(w)) {
                    fz->CmdProgetti->click();
                    for (int i = 1; i <= NumeroProgetti; ++i) fz->ChkCurva[i]->setChecked(i <= 2);
                    fz->CmdOff->click();
                    if (FUNZIONI::Istanza() == fz) fz->CommandChiudi[9]->click();
                }
                if (auto* f = qobject_cast<FrmSalva*>(w); f && salva) f->CmdSalva->click();
                return 0;
            });
    }
    std::string File(const char* estensione) const {
        return PercorsoApplicazione + "File." + estensione;
    }
    int Contate(int riga) const {
        const std::vector<std::string> d = Domande();
        return int(std::count(d.begin(), d.end(), Riga(Messaggi, riga)));
    }
    std::vector<std::string> Domande() const {
        std::vector<std::string> testi;
        for (const auto& m : dialoghi.mostrati) testi.push_back(m.testo);
        return testi;
    }
};

TEST_F(CommandsThatDropProjects, EachAsksBeforeAnUnsavedProjectGoesAndCancelKeepsIt) {
    // Three projects on the typed four-bar; project 1 written as File.kvp and File.kv3.
    QuadrilateroDigitato();
    ASSERT_TRUE(SalvaProgetto(File("kvp"), 1) && SalvaSchema(File("kv3"), 1));
    ed->CmdAddProject->click(), ed->CmdAddProject->click();
    ASSERT_EQ(NumeroProgetti, 3);
    for (Progetto& p : Progetti) p.ModificatoFile.fill(FALSO);
    const auto stato = std::make_unique<std::array<Progetto, MAX_PROGETTI + 1>>(Progetti);
    // Back to the three projects, the last `cambiati` changed and not saved.
    const auto ripristina = [this, &stato](int cambiati) {
        Progetti = *stato, NumeroProgetti = ProgettoSelezionato = 3;
        for (const char* p : {"1", "2", "3"}) // the save dialog's names are free again
            std::filesystem::remove(PercorsoApplicazione + "Project 0" + p + ".kvp");
        for (int p = 4 - cambiati; p <= 3; ++p) {
            Progetti[size_t(p)].DescrizioneProgetto1 = "changed";
            Progetti[size_t(p)].ModificatoFile[MOD_SCHEMA] = VERO, AggiornaModificatoProgetto(p);
        }
        if (!CURVE01::Istanza()) MostraGrafici(1);
        CURVE01::Istanza()->Form_Activate();
        FRMMENU::Istanza()->Form_Activate();
        if ((ed = INSGEO01::Istanza())) ed->Form_Activate();
        dialoghi.mostrati.clear(), dialoghi.risposte.clear(), scelte.richiesteApri.clear(),
            scelte.fileDaAprire.clear();
    };
    FRMMENU* m = FRMMENU::Istanza();
    // The closing question (0: none; 91 when projects 2 and 3 are changed) and the projects held
    // after it; a file offered is read over project 3 when the question comes, else appended.
    const struct {
        const char* comando;
        std::function<void()> esegui;
        int riga, numero;
        const char* file = nullptr;
    } casi[] = {
        {"thumbnail 1", [m] { m->CmdIcon_Click(0); }, 90, 1},
        {"thumbnail 1, two changed", [m] { m->CmdIcon_Click(0); }, 91, 1},
        {"thumbnail 2", [m] { m->CmdIcon_Click(1); }, 90, 2},
        {"thumbnail 3", [m] { m->CmdIcon_Click(2); }, 0, 3},
        {"thumbnail 5", [m] { m->CmdIcon_Click(4); }, 0, 4},
        {"close last, start screen", [m] { m->FileItem_Click(4); }, 90, 2},
        {"close last, editor", [this] { ed->FileItem_Click(4); }, 90, 2},
        {"close last, graphs", [] { CURVE01::Istanza()->FileItem[4]->trigger(); }, 90, 2},
        {"legend", [] { CURVE01::Istanza()->CmdPulsantiera[5]->click(); }, 90, 2},
        {"Schema, enter data", [m] { m->SchemaItem_Click(1); }, 0, 3},
        {"open, start screen", [m] { m->FileItem_Click(2); }, 90, 3, "kvp"},
        {"open, editor", [this] { ed->FileItem_Click(2); }, 90, 3, "kvp"},
        {"open, main window", [this] { main->FileItem_Click(2); }, 90, 3, "kvp"},
        {"open, graphs", [] { CURVE01::Istanza()->FileItem[2]->trigger(); }, 90, 3, "kvp"},
        {"new, start screen", [m] { m->FileItem_Click(1); }, 0, 4},
        {"new, editor", [this] { ed->FileItem_Click(1); }, 0, 4},
        {"new, main window", [this] { main->FileItem_Click(1); }, 0, 3},
        {"new, graphs", [] { CURVE01::Istanza()->FileItem[1]->trigger(); }, 0, 4},
        {"add project", [this] { ed->CmdAddProject->click(); }, 0, 4},
        {"compare, start screen", [m] { m->FileItem_Click(3); }, 0, 4, "kvp"},
        {"compare, editor", [this] { ed->FileItem_Click(3); }, 0, 4, "kvp"},
        {"compare, graphs", [] { CURVE01::Istanza()->FileItem[3]->trigger(); }, 0, 4, "kvp"},
        {"compare geometries", [m] { m->SchemaItem_Click(5); }, 0, 4, "kv3"},
    };
    for (const auto& c : casi) {
        // Cancel, No, Yes with the save dialog's Save, and the projects all saved.
        for (int risposta : {int(vbCancel), int(vbNo), int(vbYes), 0}) {
            SCOPED_TRACE(std::string(c.comando) + " answer " + std::to_string(risposta));
            ripristina(!risposta ? 0 : c.riga == 91 ? 2 : 1);
            if (c.riga && risposta) dialoghi.Rispondi(risposta);
            if (c.file) scelte.fileDaAprire.push_back(File(c.file));
            Finestre(4, risposta == vbYes), c.esegui();
            const bool chiesto = risposta && c.riga, annullato = chiesto && risposta == vbCancel;
            EXPECT_EQ(std::tuple(Contate(90), Contate(91)),
                      std::tuple(chiesto && c.riga == 90, chiesto && c.riga == 91));
            // Cancel changes nothing and opens nothing; Yes saves before the project goes.
            EXPECT_EQ(std::tuple(NumeroProgetti, annullato ? scelte.richiesteApri.size() : 0u,
                                 std::filesystem::exists(PercorsoApplicazione + "Project 03.kvp")),
                      std::tuple(annullato ? 3 : c.numero, 0u, chiesto && risposta == vbYes));
            if (annullato || (risposta && !c.riga)) { // project 3 still held, as it was
                EXPECT_EQ(
                    std::tuple(Progetti[3].DescrizioneProgetto1, Progetti[3].ModificatoFile[0]),
                    std::tuple(std::string("changed"), VERO));
            }
            if (c.file && c.riga && !annullato) { // read over project 3
                EXPECT_EQ(Progetti[3].NomeFileProgetto, File("kvp"));
            }
        }
    }
    // Exit, every way: the save question comes before the exit question; No to exit keeps all.
    const std::function<void()> esci[] = {
        [m] { m->FileItem_Click(13); }, [m] { m->CmdMenu_Click(24); },
        [this] { ed->FileItem_Click(14); }, [this] { main->FileItem_Click(3); },
        [this] { main->close(); }};
    for (int i = 0; i < 10; ++i) { // each way, project 3 changed, then all saved
        SCOPED_TRACE(i);
        ripristina(1 - i % 2);
        dialoghi.risposte = {vbNo, vbNo}; // the save question if asked, then exit
        esci[i / 2]();
        EXPECT_EQ(std::tuple(Contate(18), Contate(0), NumeroProgetti, terminato),
                  std::tuple(1 - i % 2, 1, 3, -1));
    }
    ripristina(1);
    dialoghi.risposte = {vbNo, vbYes};
    main->close();
    EXPECT_EQ(std::tuple(Contate(18), terminato), std::tuple(1, 0));
}

// A geometry or component file read over changes not saved, from every window that reads one: the
// save question comes first when the read replaces a changed kind (a shock absorber file brings its
// spring and bump stop along); No lets the file replace the change, Yes saves it first; a change
// the read leaves alone, or nothing changed, goes without a question.
TEST_F(CommandsThatDropProjects, ReadingAFileAsksAboutEveryKindItReplaces) {
    QuadrilateroDigitato();
    Progetto& p = Progetti[1];
    p.DescrizioneAmmortizzatore = p.DescrizioneMolla = p.DescrizioneTampone = "file";
    ASSERT_TRUE(SalvaSchema(File("kv3"), 1) && SalvaAmmortizzatore(File("kva"), 1) &&
                SalvaMolla(File("kvr"), 1) && SalvaTampone(File("kvt"), 1));
    p.NomeFileSchema.clear(), p.NomeFileAmmortizzatore.clear(), p.NomeFileMolla.clear();
    p.NomeFileTampone.clear(), p.ModificatoFile.fill(FALSO);
    const auto iniziale = std::make_unique<Progetto>(p);
    // Kind k changed and not saved: the geometry's wheel radius, a component's description.
    const auto cambia = [](Progetto& q, int k) {
        std::string* d[] = {nullptr, nullptr, &q.DescrizioneAmmortizzatore, &q.DescrizioneMolla,
                            &q.DescrizioneTampone};
        d[k] ? void(*d[k] = "changed") : void(q.RaggioRuota += 7);
        q.ModificatoFile[size_t(k)] = VERO;
    };
    // What a read may replace, and the kinds left unsaved.
    const auto stato = [](const Progetto& q) {
        return std::tuple(q.RaggioRuota, q.DescrizioneAmmortizzatore, q.DescrizioneMolla,
                          q.DescrizioneTampone,
                          std::vector(q.ModificatoFile.begin() + 1, q.ModificatoFile.end()));
    };
    MostraGrafici(1);
    FRMMENU* m = FRMMENU::Istanza();
    const auto grafici = [] { CURVE01::Istanza()->FileItem[2]->trigger(); };
    // The kind of the file read (the open chooser takes its option) and the kinds changed.
    const struct {
        const char* comando;
        std::function<void()> esegui;
        int letto;
        std::vector<int> cambiati;
    } casi[] = {
        {"shock absorber, start screen", [m] { m->AmmortizzatoreItem_Click(3); }, 2, {3}},
        {"shock absorber, editor", [this] { ed->AmmortizzatoreItem_Click(3); }, 2, {4}},
        {"shock absorber compared into slot 1", [m] { m->AmmortizzatoreItem_Click(4); }, 2, {3}},
        {"chooser, main window, shock absorber", [this] { main->FileItem_Click(2); }, 2, {3}},
        {"chooser, graphs, shock absorber", grafici, 2, {2, 3, 4}},
        {"chooser, graphs, geometry", grafici, 1, {1}},
        {"chooser, graphs, spring", grafici, 3, {3, 4}},
        {"chooser, graphs, bump stop", grafici, 4, {4}},
        {"spring, start screen, bump stop changed", [m] { m->MollaItem_Click(3); }, 3, {4}},
        {"geometry, editor, spring changed", [this] { ed->SchemaItem_Click(4); }, 1, {3}},
    };
    for (const auto& c : casi) {
        // A shock absorber file brings its spring and bump stop along.
        const auto via = [&c](int k) { return c.letto == 2 ? k >= 2 : k == c.letto; };
        const bool sostituito = std::any_of(c.cambiati.begin(), c.cambiati.end(), via);
        for (int risposta : {int(vbNo), int(vbYes), 0}) {
            SCOPED_TRACE(std::string(c.comando) + " answer " + std::to_string(risposta));
            Progetti[1] = *iniziale, NumeroProgetti = ProgettoSelezionato = 1;
            const auto atteso = std::make_unique<Progetto>(*iniziale);
            std::array<std::string, 5> predefiniti; // where a save of each kind goes
            for (int k : c.cambiati) {
                std::filesystem::remove(predefiniti[size_t(k)] =
                                            PercorsoProgettoUnico(TipoDiFile(k)));
                if (risposta) cambia(Progetti[1], k);
                if (risposta && !via(k)) cambia(*atteso, k);
            }
            AggiornaModificatoProgetto(1);
            dialoghi.mostrati.clear(), dialoghi.risposte.clear();
            if (risposta) dialoghi.Rispondi(risposta);
            scelte.richiesteApri.clear();
            scelte.fileDaAprire = {File(TipoDiFile(c.letto).estensione + 1)};
            Finestre(c.letto - 1, false), c.esegui(), scelte.modali.clear();
            EXPECT_EQ(Contate(18), risposta && sostituito ? 1 : 0);
            EXPECT_EQ(std::tuple(scelte.richiesteApri.size(), NumeroProgetti), std::tuple(1u, 1));
            EXPECT_EQ(stato(Progetti[1]), stato(*atteso));
            for (int k : c.cambiati) // Yes saved each kind replaced
                EXPECT_EQ(std::filesystem::exists(predefiniti[size_t(k)]),
                          risposta == vbYes && via(k))
                    << k;
        }
    }
}

// The steps of a new user: a project opened, a new one, one compared; the third changed in the
// editor; the first thumbnail then asks, Cancel keeps all three with the change, and Exit offers to
// save it before it asks whether to end.
TEST_F(CommandsThatDropProjects, TheFirstThumbnailAsksBeforeTheChangedThirdProjectGoes) {
    QuadrilateroDigitato();
    ASSERT_TRUE(SalvaProgetto(File("kvp"), 1));
    FRMMENU* m = FRMMENU::Istanza();
    scelte.fileDaAprire = {File("kvp"), File("kvp")};
    m->FileItem_Click(2), m->FileItem_Click(1), ed->CmdEsci->click(); // Open, New project
    m->FileItem_Click(3);                                             // Compare, no further file
    ASSERT_EQ(NumeroProgetti, 3);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::mouseClick(m->CmdIcon[2], Qt::LeftButton);
    ASSERT_TRUE((ed = INSGEO01::Istanza()) && NumeroProgetti == 3);
    emit ed->CmbModifica->activated(0); // the swingarm
    Digita(ed->TxtForcelloneY[2], "55"), ed->CmdOKForcellone->click();
    const float y = Progetti[3].DatiForcellone.P[2].Y;
    ASSERT_NE(y, Progetti[1].DatiForcellone.P[2].Y);
    ed->CmdEsci->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    dialoghi.mostrati.clear(), dialoghi.Rispondi(vbCancel);
    QTest::mouseClick(m->CmdIcon[0], Qt::LeftButton);
    EXPECT_EQ(Domande(), std::vector{Riga(Messaggi, 90)});
    EXPECT_EQ(std::tuple(NumeroProgetti, ProgettoSelezionato, Progetti[3].DatiForcellone.P[2].Y,
                         Progetti[3].ModificatoFile[0]),
              std::tuple(3, 3, y, VERO));
    dialoghi.mostrati.clear(), m->FileItem_Click(13);
    EXPECT_EQ(Domande(), std::vector({Riga(Messaggi, 18), Riga(Messaggi, 0)}));
    EXPECT_EQ(terminato, -1);
}

} // namespace
