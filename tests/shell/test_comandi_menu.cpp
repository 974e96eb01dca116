// The shared commands behind the editor's and the start screen's menus: a geometry compare,
// the about box, the manual, the printer set-up and the exit door, driven on the real windows
// with the file routines replaced by fakes.
#include "shell/AboutBox.h"
#include "shell/Comandi.h"
#include "support/CartellaProva.h"
#include "support/FinestraReale.h"
#include "support/RisposteDialoghi.h"

using namespace kelvra;
using namespace kelvra::test;
namespace fs = std::filesystem;

namespace {

class ShellCommands : public FinestraReale {
  protected:
    void SetUp() override {
        FinestraReale::SetUp();
        RegistraComandi();
        Ganci.ApriSchema = [this] {
            const bool ok = !esiti.empty() && esiti.front();
            if (!esiti.empty()) esiti.pop_front();
            CaricatoSchema = ok ? VERO : FALSO;
        };
    }
    std::deque<bool> esiti;
};

// The reader checks and solves each file it loads; the compare never checks again (a failing
// linkage would warn twice) and stops at the first open that loads nothing.
TEST_F(ShellCommands, AGeometryCompareStopsAtAnOpenThatLoadsNothing) {
    int verifiche = 0;
    Ganci.ControlloVariabiliInsGeo = [&] { return ++verifiche < 0; };
    Progetti[1].UltimoElemento = 0;
    esiti = {true, false};
    dialoghi.Rispondi(vbYes);
    ConfrontaSchemi();
    EXPECT_EQ(verifiche, 0);
    EXPECT_EQ(NumeroProgetti * 10 + ProgettoSelezionato + EsitoConfronto, 11 + VERO);
}

TEST_F(ShellCommands, AboutBoxTextsAndPlace) {
    EXPECT_EQ(TestoMemoria(8ull << 30), "8388608 KB");
    main->setGeometry(100, 80, 1000, 700);
    RisposteDialoghi risposte;
    QRect posto;
    risposte.RispondiModale([&](QWidget* w) {
        auto* about = qobject_cast<FrmAboutBox*>(w);
        EXPECT_NE(about, nullptr);
        if (!about) return 0;
        EXPECT_EQ(about->windowTitle(), DaAnsi(Riga(TestiAboutBox, 1)));
        EXPECT_EQ(about->Lbl_Version->text(), DaAnsi(Riga(TestiAboutBox, 2)) + " 3.0");
        EXPECT_EQ(about->Lbl_InfoMemory->text(), DaAnsi(Riga(TestiAboutBox, 3)) + " :");
        EXPECT_EQ(about->Cmd_Ok->text(), DaAnsi(Riga(TestiCommon, 1)));
        posto = about->frameGeometry();
        if (const char* f = std::getenv("KELVRA_SCREENSHOT_ABOUT")) about->grab().save(f);
        about->Cmd_Ok->click();
        return about->result();
    });
    main->GuidaItem[5]->trigger();
    ASSERT_EQ(risposte.classiModali.size(), 1u);
    EXPECT_LE((posto.center() - main->frameGeometry().center()).manhattanLength(), 4);
}

TEST_F(ShellCommands, TheManualOpensThroughTheDesktopOrSaysWhyNot) {
    RisposteDialoghi risposte;
    const std::string pdf = PercorsoApplicazione + "Kelvra.Pdf";
    main->GuidaItem[1]->trigger(); // no file yet
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_NE(dialoghi.mostrati[0].testo.find(pdf), std::string::npos);
    // The guide printed by the build.
    const fs::path costruito =
        fs::path(QCoreApplication::applicationDirPath().toStdString()) / "Kelvra.Pdf";
    EXPECT_EQ(test::LeggiFile(costruito).substr(0, 5), "%PDF-");
    fs::copy_file(costruito, pdf);
    main->GuidaItem[1]->trigger();
    risposte.documentoApribile = false;
    main->GuidaItem[1]->trigger();
    EXPECT_EQ(risposte.documentiAperti, (std::vector<std::string>{pdf, pdf}));
    ASSERT_EQ(dialoghi.mostrati.size(), 2u);
    EXPECT_EQ(dialoghi.mostrati[1].testo, Riga(Messaggi, 82));
    ed->FileItem[9]->trigger(); // no set-up routine plugged in: the platform's dialog
    EXPECT_EQ(risposte.richiesteStampante, 1);
}

TEST_F(ShellCommands, TheExitDoorEndsTheProgramAsFileExitDoes) {
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
