// The shared menu commands on the project tables, with the file routines replaced by fakes:
// compare runs, the six-slot limit, close last, the about box and the manual.
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "platform/RisposteDialoghi.h"
#include "platform/Testo.h"
#include "shell/AboutBox.h"
#include "shell/Avvio.h"
#include "shell/Comandi.h"
#include "shell/Main.h"
#include "support/CartellaProva.h"
#include "support/Risposte.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <deque>
#include <filesystem>
#include <gtest/gtest.h>

using namespace kelvra;
namespace fs = std::filesystem;

namespace {

class Comandi : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        cwd = fs::current_path();
        fs::copy_file(fs::path(QCoreApplication::applicationDirPath().toStdString()) /
                          "Kelvra3.lng",
                      dir() / "Kelvra3.lng");
        Ganci = {};
        ASSERT_TRUE(SequenzaAvvio(dir().string()));
        RegistraComandi();
        Ganci.TerminaProgramma = [this](int codice) { terminato = codice; };
        // Each open loads into slot NumeroProgetti when its queued answer is true.
        Ganci.ApriProgetto = [this] {
            slotAperti.push_back(NumeroProgetti);
            const bool ok = !esiti.empty() && esiti.front();
            if (!esiti.empty()) esiti.pop_front();
            if (ok) Progetti[NumeroProgetti].UltimoElemento = 3;
            CaricatoProgetto = ok ? VERO : FALSO;
        };
        Ganci.AggiungiProgetto = [this](int16_t, int16_t a) { slotAperti.push_back(a); };
        Ganci.PreparaNuovoProgettoInsGeo = [this] { slotAperti.push_back(NumeroProgetti); };
    }
    void TearDown() override {
        delete MAIN::Istanza();
        Ganci = {};
        fs::current_path(cwd);
        AzzeraLingua();
        TabelleAzzerate::TearDown();
    }
    fs::path dir() const { return cartella.path().toStdString(); }
    // `n` projects held, each with a chain, the selected one `s`.
    static void Progetti_(int n, int s) {
        for (int p = 1; p <= n; ++p) Progetti[p].UltimoElemento = 2;
        NumeroProgetti = static_cast<int16_t>(n);
        ProgettoSelezionato = static_cast<int16_t>(s);
    }

    QTemporaryDir cartella;
    fs::path cwd;
    std::deque<bool> esiti;
    std::vector<int> slotAperti;
    int terminato = -1;
};

TEST_F(Comandi, CompareAppendsAfterTheProjectsHeldAndStopsAtSix) {
    struct Caso {
        int held, selected;
        bool emptyFirst;
        std::vector<bool> loads;
        int yes; // Yes answers queued before a No
        std::vector<int> caricati;
        int n, s, questions;
        int16_t esito;
    } casi[] = {
        {1, 1, true, {true, true, false}, 5, {1, 2, 3}, 2, 2, 2, VERO},
        {3, 1, false, {true}, 0, {4}, 4, 4, 1, VERO},
        {3, 2, false, {true, false}, 5, {4, 5}, 4, 4, 1, VERO}, // S follows the newest
        {2, 1, false, {false}, 0, {3}, 2, 1, 0, FALSO},         // nothing loaded: S stays
        {4, 4, false, {true, true, true}, 5, {5, 6}, 6, 6, 1, VERO},
        {1, 1, false, {true}, 0, {2}, 2, 2, 1, VERO}, // project 1 held: appended
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.held * 10 + c.selected);
        AzzeraTabelle();
        Progetti_(c.held, c.selected);
        if (c.emptyFirst) Progetti[1].UltimoElemento = 0;
        esiti.assign(c.loads.begin(), c.loads.end());
        slotAperti.clear();
        dialoghi.risposte.assign(static_cast<size_t>(c.yes), vbYes);
        CaricatoSchema = VERO;
        GestisciMenuFileFrmMenu(3);
        EXPECT_EQ(slotAperti, c.caricati);
        EXPECT_EQ(NumeroProgetti, c.n);
        EXPECT_EQ(ProgettoSelezionato, c.s);
        EXPECT_EQ(EsitoConfronto, c.esito);
        EXPECT_EQ(CaricatoSchema, FALSO);
        EXPECT_EQ(dialoghi.mostrati.size(), static_cast<size_t>(c.questions));
        dialoghi.mostrati.clear();
    }
}

TEST_F(Comandi, NoCommandUsesASeventhSlot) {
    const std::function<void()> comandi[] = {
        [] { GestisciMenuFileFrmMenu(1); }, [] { GestisciMenuFileInsGeo(1, {}); },
        [] { GestisciMenuFileFrmMenu(3); }, [] { PreparaNuovoProgetto(); },
        [] { AggiungiProgettoNuovo(); },    [] { ConfrontaSchemi(); }};
    Progetti_(6, 3);
    esiti = {true};
    for (const auto& comando : comandi) comando();
    EXPECT_EQ(dialoghi.beep, 6);
    EXPECT_TRUE(slotAperti.empty());
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(NumeroProgetti, 6);
    EXPECT_EQ(ProgettoSelezionato, 3);
}

TEST_F(Comandi, NewEmptiesTheReusedSlotAndCloseLastNeedsTwoProjects) {
    Progetti_(1, 1);
    EXPECT_FALSE(ChiudiUltimoProgetto());
    Progetti[2].NomeFileProgetto = "closed.kvp";
    Progetti[2].NumPunti = 749;
    Progetti[2].AngoloForcelloneRad[0] = 0.3;
    Progetti[2].ModificatoFile[MOD_MOLLA] = VERO;
    Progetti[2].AcquisizioneAttiva = VERO;
    Progetti[2].UltimoElemento = 4;
    Progetti[1].AngoloForcelloneRad[0] = 0.2; // computed: no question
    GestisciMenuFileFrmMenu(1);
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(slotAperti, std::vector<int>{2});
    const Progetto& p = Progetti[2];
    EXPECT_EQ(NumeroProgetti * 10 + ProgettoSelezionato, 22);
    EXPECT_TRUE(p.NomeFileProgetto.empty());
    EXPECT_EQ(p.NumPunti + p.ModificatoFile[MOD_MOLLA] + p.AcquisizioneAttiva + p.UltimoElemento,
              0);
    EXPECT_EQ(p.AngoloForcelloneRad[0], 0);
    EXPECT_EQ(p.TipoElemento[0], "F");

    Progetti_(3, 1);
    EXPECT_TRUE(ChiudiUltimoProgetto());
    EXPECT_EQ(NumeroProgetti * 10 + ProgettoSelezionato, 22);
    EXPECT_EQ(Progetti[3].UltimoElemento, 0);
}

TEST_F(Comandi, AboutBoxTextsAndPlace) {
    EXPECT_EQ(TestoMemoria(8ull << 30), "8388608 KB");
    EXPECT_EQ(TestoMemoria(512ull << 20), "524288 KB");
    EXPECT_EQ(TestoProcessore("x86_64"), "8664");
    MAIN& main = MAIN::Mostra();
    main.showNormal();
    main.setGeometry(100, 80, 1000, 700);
    RisposteDialoghi risposte;
    QRect posto;
    risposte.RispondiModale([&](QWidget* w) {
        auto* about = qobject_cast<FrmAboutBox*>(w);
        EXPECT_NE(about, nullptr);
        if (!about) return 0;
        EXPECT_EQ(about->windowTitle(), DaAnsi(Riga(TestiAboutBox, 1)));
        EXPECT_EQ(about->Lbl_Program->text(), "KELVRATONE");
        EXPECT_EQ(about->Lbl_Version->text(), DaAnsi(Riga(TestiAboutBox, 2)) + " 3.0");
        EXPECT_EQ(about->Lbl_InfoCoproc->text(), DaAnsi(Riga(TestiAboutBox, 4)) + " :");
        EXPECT_EQ(about->Lbl_InfoMemory->text(), DaAnsi(Riga(TestiAboutBox, 3)) + " :");
        EXPECT_TRUE(about->Lbl_InfoMemoryValues->text().endsWith("0 KB") ||
                    about->Lbl_InfoMemoryValues->text().endsWith(" KB"));
        EXPECT_EQ(about->Cmd_Ok->text(), DaAnsi(Riga(TestiCommon, 1)));
        posto = about->frameGeometry();
        if (const char* f = std::getenv("KELVRA_SCREENSHOT_ABOUT")) about->grab().save(f);
        about->Cmd_Ok->click();
        return about->result();
    });
    main.GuidaItem[5]->trigger();
    ASSERT_EQ(risposte.classiModali.size(), 1u);
    EXPECT_LE((posto.center() - main.frameGeometry().center()).manhattanLength(), 4);
}

TEST_F(Comandi, TheManualOpensThroughTheDesktopOrSaysWhyNot) {
    MAIN& main = MAIN::Mostra();
    RisposteDialoghi risposte;
    const std::string pdf = PercorsoApplicazione + "Kelvra.Pdf";
    main.GuidaItem[1]->trigger(); // no file yet
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_NE(dialoghi.mostrati[0].testo.find(pdf), std::string::npos);
    // The guide printed by the build.
    const fs::path costruito =
        fs::path(QCoreApplication::applicationDirPath().toStdString()) / "Kelvra.Pdf";
    EXPECT_EQ(test::LeggiFile(costruito).substr(0, 5), "%PDF-");
    fs::copy_file(costruito, pdf);
    main.GuidaItem[1]->trigger();
    risposte.documentoApribile = false;
    main.GuidaItem[1]->trigger();
    EXPECT_EQ(risposte.documentiAperti, (std::vector<std::string>{pdf, pdf}));
    ASSERT_EQ(dialoghi.mostrati.size(), 2u);
    EXPECT_EQ(dialoghi.mostrati[1].testo, Riga(Messaggi, 82));
}

TEST_F(Comandi, TheExitDoorEndsTheProgramAsFileExitDoes) {
    for (int indice : {11, 13}) {
        MAIN::Mostra();
        terminato = -1;
        dialoghi.Rispondi(vbYes);
        GestisciMenuFileFrmMenu(indice);
        EXPECT_EQ(terminato, 0) << indice;
        EXPECT_EQ(dialoghi.mostrati.back().testo, Riga(Messaggi, 0));
    }
}

} // namespace
