// Start-up through the splash window and the exit through the main window, in a temporary
// program folder holding the built language file.
#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/MenuLingua.h"
#include "core/Unita.h"
#include "platform/Messaggi.h"
#include "platform/Testo.h"
#include "shell/Avvio.h"
#include "shell/Main.h"
#include "support/CartellaProva.h"
#include "support/Risposte.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>

using namespace kelvra;
namespace fs = std::filesystem;

namespace {

// The settings record: eleven colours as little-endian doubles (the test machine is
// little-endian, as the file is), the unit system and the annotation as int16; `colore` of the
// default colours replaced by `valore`.
std::string Record(int16_t sistema, int16_t quote, size_t colore = 0, double valore = 0) {
    std::vector<double> c{0,        255,      65280, 16776960, 33023,   16711680,
                          16711935, 16777215, 65280, 16744576, 12632256};
    if (valore) c[colore] = valore;
    std::string r(reinterpret_cast<const char*>(c.data()), c.size() * 8);
    for (int16_t v : {sistema, quote}) r.append(reinterpret_cast<const char*>(&v), 2);
    return r;
}

class StartUp : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        dir = cartella.path().toStdString();
        SistemaUnita = ModoQuote = 0;
        Ganci.TerminaProgramma = [this](int codice) { fine = codice; };
        Ganci.CreaEditorGeometria = [this] {
            eventi.push_back("editor, units " + std::to_string(SistemaUnita));
            ImpostaUnitaMisura(SistemaUnita);
        };
        Ganci.MostraFrmMenu = [this](MAIN&) { eventi.push_back("frmmenu"); };
        Ganci.MostraInsGeo = [this](MAIN&, bool centra) {
            eventi.push_back((centra ? "insgeo centred, flag " : "insgeo, flag ") +
                             std::to_string(EditorAperto));
        };
        fs::copy_file(QCoreApplication::applicationDirPath().toStdString() + "/Kelvra3.lng",
                      dir / "Kelvra3.lng");
    }
    void TearDown() override {
        delete MAIN::Istanza();
        fs::current_path(cwd);
        ImpostaCodicePagina(CodicePagina::Windows1252);
        TabelleAzzerate::TearDown();
    }
    // Runs the splash until its start-up has run, letting the (zero-interval) timer fire.
    void Avvia(FrmLogo& logo) {
        logo.TimerLogo->setInterval(0);
        logo.TimerLogo->start();
        for (int i = 0; i < 1000 && !logo.Avviato(); ++i) QCoreApplication::processEvents();
        ASSERT_TRUE(logo.Avviato());
    }
    MAIN* AvviaProgramma() {
        FrmLogo logo(dir.string());
        Avvia(logo);
        QCoreApplication::processEvents();
        return main = MAIN::Istanza();
    }

    QTemporaryDir cartella;
    fs::path dir, cwd = fs::current_path();
    MAIN* main = nullptr;
    std::optional<int> fine;
    std::vector<std::string> eventi;
    const std::vector<std::string> avvioNormale{"editor, units 1", "frmmenu", "insgeo, flag 1"};
};

TEST_F(StartUp, FirstStartIsMetricWithDefaultsAndEnglishMenus) {
    // Leftovers that the start-up must clear.
    Progetti[1].ModificatoFile = {VERO, VERO, VERO, VERO, VERO};
    Progetti[4].ModificatoFile[MOD_MOLLA] = VERO;
    Progetti[1].GeometriaInserita = Progetti[1].TamponeInserito = VERO;
    Progetti[1].StatoDatiProgetto = 15;
    NumeroProgetti = 3;
    ProgettoSelezionato = 2;
    test::ScriviFile(dir / "Kelvra3@@.lng", "left over from a crash\r\n");

    ASSERT_NE(AvviaProgramma(), nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(fine.has_value());
    EXPECT_EQ(PercorsoApplicazione, dir.string() + "/");
    EXPECT_EQ(fs::current_path(), dir);
    EXPECT_NEAR(PiGreco, 3.14159265358979, 1e-14);
    EXPECT_EQ(NumeroProgetti * 10 + ProgettoSelezionato, 11);
    for (int p = 1; p <= 6; ++p)
        for (int k = 0; k <= 4; ++k) EXPECT_EQ(Progetti[p].ModificatoFile[k], FALSO);
    const Progetto& p = Progetti[1];
    EXPECT_EQ(std::tuple(p.GeometriaInserita, p.TamponeInserito, p.StatoDatiProgetto),
              std::tuple(FALSO, FALSO, 0));
    // No settings file: metric, default colours and annotation.
    EXPECT_EQ(std::tuple(SistemaUnita, ColoreGriglia, ModoQuote), std::tuple(1, 0xC0C0C0, 1));
    EXPECT_FLOAT_EQ(FattoreUnita[UNITA_LUNGHEZZA], 1.0f);
    // The editor is created with the unit system already known; the main window's load
    // shows the start screen, then sets the editor flag and shows the editor.
    EXPECT_EQ(eventi, avvioNormale);

    EXPECT_FALSE(Riga(TestiMain, 0).empty());
    EXPECT_EQ(main->windowTitle().toStdString(), "KELVRATONE V. 3.0 - " + Riga(TestiMain, 0));
    EXPECT_EQ(main->MenuItem[0]->title() + main->FileItem[3]->text() + main->GuidaItem[5]->text(),
              "&FileE&xit&About");
    ASSERT_EQ(main->menuBar()->actions().size(), 2);
    EXPECT_EQ(main->menuBar()->actions()[1]->text(), "&?");
    // A plain language file left by a crash is written anew.
    const std::string piano = test::LeggiFile(dir / "Kelvra3@@.lng");
    EXPECT_EQ(piano.find("left over"), std::string::npos);
    EXPECT_NE(piano.find("[MnuMain]"), std::string::npos);
    EXPECT_TRUE(dialoghi.mostrati.empty());
    main->resize(800, 600); // and it can be drawn whole at a small size
    QCoreApplication::processEvents();
    EXPECT_EQ(main->grab().size(), QSize(800, 600) * main->devicePixelRatio());
}

TEST_F(StartUp, SettingsFileIsReadBeforeTheUnitSystemIsApplied) {
    test::ScriviFile(dir / "Kelvra.INI", Record(2, 2, 0, 0x102030));
    ASSERT_NE(AvviaProgramma(), nullptr);
    EXPECT_EQ(eventi.at(0), "editor, units 2");
    EXPECT_EQ(std::tuple(ModoQuote, ColoreSfondo), std::tuple(2, 0x102030));
    // Without the editor the start-up still fills the unit table.
    delete MAIN::Istanza();
    AzzeraUnitaMisura();
    Ganci.CreaEditorGeometria = nullptr;
    ASSERT_NE(AvviaProgramma(), nullptr);
    EXPECT_EQ(SistemaUnita, 2);
    EXPECT_NEAR(FattoreUnita[UNITA_LUNGHEZZA], 1.0 / 25.4, 1e-6);
}

TEST_F(StartUp, MissingLanguageFileShowsTheFixedMessageAndEnds) {
    const std::string cartella = (dir / "Kelvr\xC3\xA0 \xC5\xBE\xE6\x97\xA5").string(); // à ž 日
    fs::create_directory(cartella);
    FrmLogo logo(cartella);
    Avvia(logo);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    const auto& m = dialoghi.mostrati[0]; // the folder as the file system names it
    EXPECT_EQ(CreaMessaggio(m.testo, m.stile, "")->text().toStdString(),
              cartella + "/Kelvra3@@.lng: [Lingua] section not Found!");
    EXPECT_EQ(m.stile & 0xFF, vbOKOnly);
    EXPECT_EQ(fine, 1);
    EXPECT_FALSE(logo.Riuscito());
    EXPECT_TRUE(eventi.empty());
    // Closing the splash afterwards does not bring up a main window either.
    logo.close();
    EXPECT_EQ(MAIN::Istanza(), nullptr);
}

TEST_F(StartUp, SplashInTheMiddleRunsTheStartUpOnce) {
    FrmLogo logo(dir.string());
    EXPECT_TRUE(logo.TimerLogo->isActive());
    EXPECT_EQ(logo.TimerLogo->interval(), 300);
    EXPECT_EQ(logo.PictureLogo->size(), QSize(640, 480));
    const QRect schermo = logo.screen()->geometry();
    EXPECT_EQ(logo.pos() - schermo.topLeft(),
              QPoint((schermo.width() - 640) / 2, (schermo.height() - 480) / 2));
    // Before the timer has fired the splash cannot be closed and no main window exists.
    logo.close();
    EXPECT_EQ(MAIN::Istanza(), nullptr);

    Avvia(logo);
    EXPECT_FALSE(logo.TimerLogo->isActive());
    for (int i = 0; i < 50; ++i) QCoreApplication::processEvents();
    logo.TimerLogo_Timer();
    EXPECT_EQ(eventi, avvioNormale);
    EXPECT_FALSE(logo.isVisible());
    EXPECT_NE(MAIN::Istanza(), nullptr);
    // Centred by integer halving toward zero.
    const std::pair<QSize, QPoint> casi[] = {{{1280, 1024}, {320, 272}},
                                             {{1281, 1025}, {320, 272}},
                                             {{600, 400}, {-20, -40}},
                                             {{639, 479}, {0, 0}},
                                             {{637, 477}, {-1, -1}}};
    for (auto [schermo, angolo] : casi) EXPECT_EQ(PosizioneLogo(schermo, {640, 480}), angolo);
}

TEST_F(StartUp, ExitRefusedKeepsEverythingConfirmedWritesSettingsRemovesPlainFileAndEnds) {
    test::ScriviFile(dir / "Kelvra.INI", Record(2, 1));
    ASSERT_NE(AvviaProgramma(), nullptr);
    SistemaUnita = 1;
    ModoQuote = 0;
    ColoreTitoli = 0x123456;
    dialoghi.Rispondi(vbNo);
    main->close();
    EXPECT_FALSE(fine.has_value());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(test::LeggiFile(dir / "Kelvra.INI"), Record(2, 1));
    EXPECT_TRUE(fs::exists(dir / "Kelvra3@@.lng"));

    dialoghi.Rispondi(vbYes);
    main->FileItem[3]->trigger();            // File/Exit
    ASSERT_EQ(dialoghi.mostrati.size(), 2u); // nothing modified: the exit question alone
    for (const auto& m : dialoghi.mostrati)
        EXPECT_EQ(std::pair(m.testo, m.stile), std::pair(Riga(Messaggi, 0), vbYesNo + vbQuestion));
    EXPECT_EQ(fine, 0);
    EXPECT_EQ(test::LeggiFile(dir / "Kelvra.INI"), Record(1, 0, 9, 0x123456)); // 92 bytes
    EXPECT_FALSE(fs::exists(dir / "Kelvra3@@.lng"));
    EXPECT_TRUE(fs::exists(dir / "Kelvra3.lng"));
    EXPECT_FALSE(main->isVisible());
}

// Neither settings that cannot be written (the user is told) nor a plain file gone stop the exit.
TEST_F(StartUp, ExitWithUnwritableSettingsOrThePlainFileGoneStillEnds) {
    ASSERT_NE(AvviaProgramma(), nullptr);
    fs::remove(dir / "Kelvra3@@.lng");
    fs::create_directory(dir / "Kelvra.INI");
    dialoghi.Rispondi(vbYes);
    main->close();
    EXPECT_EQ(fine, 0);
    EXPECT_EQ(dialoghi.mostrati.size(), 2u);
}

// Before the exit question: one unnamed project is saved under the default name, a named one
// under its name, several through the save dialog.
TEST_F(StartUp, UnsavedProjectsAreSavedBeforeTheExitQuestion) {
    ASSERT_NE(AvviaProgramma(), nullptr);
    std::vector<std::string> salvati;
    int dialoghiSalva = 0;
    bool riuscito = false;
    Ganci.SalvaProgetto = [&](const std::string& nome, int16_t p) {
        salvati.push_back(nome + " " + std::to_string(p));
        EXPECT_EQ(dialoghi.mostrati.back().testo, Riga(Messaggi, 18)); // before the exit question
        return riuscito;
    };
    Ganci.MostraFrmSalvaTipo = [&](int16_t tipo) { dialoghiSalva += tipo == MOD_PROGETTO; };
    Progetti[1].ModificatoFile[MOD_PROGETTO] = VERO;
    dialoghi.Rispondi(vbYes); // save
    dialoghi.Rispondi(vbNo);  // do not exit
    main->close();
    ASSERT_EQ(dialoghi.mostrati.size(), 2u);
    EXPECT_EQ(std::pair(dialoghi.mostrati[0].testo, dialoghi.mostrati[0].stile),
              std::pair(Riga(Messaggi, 18), int(vbYesNo)));
    EXPECT_EQ(dialoghi.mostrati[1].testo, Riga(Messaggi, 0));
    EXPECT_EQ(salvati, std::vector{dir.string() + "/" + Riga(TestiCommon, 12) + " 01.kvp 1"});
    // Only the writer names the project, once the file is written: a failed save leaves it
    // unnamed.
    EXPECT_TRUE(Progetti[1].NomeFileProgetto.empty());
    EXPECT_FALSE(fine.has_value());

    riuscito = true;
    Progetti[1].NomeFileProgetto = "/data/Link A.kvp";
    dialoghi.Rispondi(vbYes);
    PassoSalvataggio(); // one project with a name: saved under it, no dialog
    NumeroProgetti = 3;
    dialoghi.Rispondi(vbYes);
    PassoSalvataggio(); // several: the save dialog
    dialoghi.Rispondi(vbNo);
    PassoSalvataggio(); // refused: nothing
    EXPECT_EQ(dialoghiSalva, 1);
    EXPECT_EQ(salvati.size(), 2u);
    EXPECT_EQ(salvati.back(), "/data/Link A.kvp 1");
    // The default name is language text in the code page; the file's name is UTF-8.
    NumeroProgetti = 1;
    Progetti[1].NomeFileProgetto.clear();
    TestiCommon[12] = "Progr\xE8s";
    dialoghi.Rispondi(vbYes);
    PassoSalvataggio();
    EXPECT_EQ(salvati.back(), dir.string() + "/Progr\xC3\xA8s 01.kvp 1");
}

TEST_F(StartUp, FileNewOpenHelpAndActivation) {
    ASSERT_NE(AvviaProgramma(), nullptr);
    eventi.clear();
    Ganci.CaricaFrmMenu = [&](MAIN&) { eventi.push_back("load frmmenu"); };
    Ganci.MostraSceltaOpen = [&](MAIN&) { eventi.push_back("open"); };
    Ganci.GestisciMenuGuida = [&](int i, MAIN&) { eventi.push_back("help " + std::to_string(i)); };
    Progetti[1].StatoDatiProgetto = 3;
    for (QAction* voce :
         {main->FileItem[1], main->FileItem[2], main->GuidaItem[1], main->GuidaItem[5]})
        voce->trigger();
    emit main->ClicSfondo();
    EXPECT_EQ(eventi, (std::vector<std::string>{"load frmmenu", "insgeo centred, flag 1", "open",
                                                "help 1", "help 5", "frmmenu"}));
    EXPECT_EQ(NumeroProgetti, 1); // New here neither adds nor clears a project
    EXPECT_EQ(Progetti[1].StatoDatiProgetto, 3);
    EXPECT_TRUE(dialoghi.mostrati.empty());
    // Activation reads the captions again from the main window's own section.
    main->FileItem[2]->setText("x");
    main->setWindowTitle("y");
    LeggiMenuLingua("MnuFrmMenu"); // another window's section in the shared table
    main->MDIForm_Activate();
    EXPECT_EQ(main->FileItem[2]->text(), "&Open");
    EXPECT_EQ(main->windowTitle().toStdString(), TitoloMain());
}

} // namespace
