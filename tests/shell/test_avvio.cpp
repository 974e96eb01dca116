// Start-up through the splash window and the exit through the main window, in a temporary
// program folder holding the built language file.
#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/MenuLingua.h"
#include "core/Progetti.h"
#include "core/Unita.h"
#include "platform/Testo.h"
#include "shell/Avvio.h"
#include "shell/Main.h"
#include "support/Risposte.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

using namespace kelvra;
namespace fs = std::filesystem;

namespace {

std::string Leggi(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Scrivi(const fs::path& file, const std::string& dati) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << dati;
}

// A settings record put together byte by byte: eleven little-endian doubles, two int16.
std::string RecordAtteso(const std::vector<double>& colori, int16_t sistema, int16_t quote) {
    std::string r;
    for (double c : colori) {
        uint64_t bit;
        std::memcpy(&bit, &c, 8);
        for (int i = 0; i < 8; ++i) r.push_back(static_cast<char>((bit >> (8 * i)) & 0xFF));
    }
    for (int16_t v : {sistema, quote}) {
        auto u = static_cast<uint16_t>(v);
        r.push_back(static_cast<char>(u & 0xFF));
        r.push_back(static_cast<char>(u >> 8));
    }
    return r;
}

const std::vector<double> kColoriPredefiniti{0,        255,      65280, 16776960, 33023,   16711680,
                                             16711935, 16777215, 65280, 16744576, 12632256};

class Avvio : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        ASSERT_TRUE(cartella.isValid());
        dir = fs::path(cartella.path().toStdString());
        cwd = fs::current_path();
        AzzeraLingua();
        AzzeraUnitaMisura();
        SistemaUnita = 0;
        ModoQuote = 0;
        EditorAperto = 0;
        Ganci = {};
        Ganci.TerminaProgramma = [this](int codice) { fine = codice; };
        Ganci.CreaEditorGeometria = [this] {
            eventi.push_back("editor");
            sistemaAlEditor = SistemaUnita;
            ImpostaUnitaMisura(SistemaUnita);
        };
        Ganci.MostraFrmMenu = [this](MAIN&) { eventi.push_back("frmmenu"); };
        Ganci.MostraInsGeo = [this](MAIN&, bool centra) {
            eventi.push_back(centra ? "insgeo centred" : "insgeo");
            editorApertoAlEditor = EditorAperto;
        };
    }
    void TearDown() override {
        delete MAIN::Istanza();
        Ganci = {};
        fs::current_path(cwd);
        ImpostaCodicePagina(CodicePagina::Windows1252);
        AzzeraLingua();
        TabelleAzzerate::TearDown();
    }

    void CopiaLingua() {
        const fs::path origine =
            fs::path(QCoreApplication::applicationDirPath().toStdString()) / "Kelvra3.lng";
        ASSERT_TRUE(fs::exists(origine)) << origine;
        fs::copy_file(origine, dir / "Kelvra3.lng");
    }

    // Runs the splash until its start-up has run, letting the (zero-interval) timer fire.
    void Avvia(FrmLogo& logo) {
        logo.TimerLogo->setInterval(0);
        logo.TimerLogo->start();
        for (int i = 0; i < 1000 && !logo.Avviato(); ++i) QCoreApplication::processEvents();
        ASSERT_TRUE(logo.Avviato());
    }

    // Starts in the temporary folder and returns the main window.
    MAIN* AvviaProgramma() {
        FrmLogo logo(dir.string());
        Avvia(logo);
        QCoreApplication::processEvents();
        return MAIN::Istanza();
    }

    QTemporaryDir cartella;
    fs::path dir, cwd;
    std::optional<int> fine;
    std::vector<std::string> eventi;
    int16_t sistemaAlEditor = -99;
    int16_t editorApertoAlEditor = -99;
};

// ---- start-up ---------------------------------------------------------------------------

TEST_F(Avvio, FirstStartIsMetricWithDefaultsAndEnglishMenus) {
    CopiaLingua();
    // Leftovers that the start-up must clear.
    Progetti[1].ModificatoFile = {VERO, VERO, VERO, VERO, VERO};
    Progetti[4].ModificatoFile[MOD_MOLLA] = VERO;
    Progetti[1].GeometriaInserita = Progetti[1].MollaInserita = VERO;
    Progetti[1].AmmortizzatoreInserito = Progetti[1].TamponeInserito = VERO;
    Progetti[1].StatoDatiProgetto = 15;
    NumeroProgetti = 3;
    ProgettoSelezionato = 2;

    MAIN* main = AvviaProgramma();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(fine.has_value());

    EXPECT_EQ(PercorsoApplicazione, dir.string() + "/");
    EXPECT_EQ(fs::current_path(), dir);
    EXPECT_NEAR(PiGreco, 3.14159265358979, 1e-14);
    EXPECT_EQ(NumeroProgetti, 1);
    EXPECT_EQ(ProgettoSelezionato, 1);
    for (int p = 1; p <= 6; ++p)
        for (int k = 0; k <= 4; ++k) EXPECT_EQ(Progetti[p].ModificatoFile[k], FALSO);
    EXPECT_EQ(Progetti[1].GeometriaInserita, FALSO);
    EXPECT_EQ(Progetti[1].TamponeInserito, FALSO);
    EXPECT_EQ(Progetti[1].StatoDatiProgetto, 0);

    // No settings file: metric, default colours and annotation.
    EXPECT_EQ(SistemaUnita, 1);
    EXPECT_EQ(ColoreCurva[1], 0xFF);
    EXPECT_EQ(ColoreCurva[6], 0xFF00FF);
    EXPECT_EQ(ColoreGriglia, 0xC0C0C0);
    EXPECT_EQ(ModoQuote, 1);
    EXPECT_FLOAT_EQ(FattoreUnita[UNITA_LUNGHEZZA], 1.0f);

    // The editor is created with the unit system already known; the main window's load
    // shows the start screen, then sets the editor flag and shows the editor.
    EXPECT_EQ(sistemaAlEditor, 1);
    EXPECT_EQ((std::vector<std::string>{"editor", "frmmenu", "insgeo"}), eventi);
    EXPECT_EQ(editorApertoAlEditor, 1);

    // Texts from the language file.
    EXPECT_FALSE(Riga(TestiMain, 0).empty());
    EXPECT_EQ(main->windowTitle().toStdString(), "KELVRATONE V. 3.0 - " + Riga(TestiMain, 0));
    EXPECT_EQ(main->MenuItem[0]->title(), "&File");
    EXPECT_EQ(main->FileItem[1]->text(), "&New");
    EXPECT_EQ(main->FileItem[3]->text(), "E&xit");
    EXPECT_EQ(main->GuidaItem[1]->text(), "&Help");
    EXPECT_EQ(main->GuidaItem[5]->text(), "&About");
    ASSERT_EQ(main->menuBar()->actions().size(), 2);
    EXPECT_EQ(main->menuBar()->actions()[1]->text(), "&?");

    EXPECT_TRUE(fs::exists(dir / "Kelvra3@@.lng"));
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Avvio, WithoutEditorHookTheUnitTableIsStillFilled) {
    CopiaLingua();
    Ganci.CreaEditorGeometria = nullptr;
    Scrivi(dir / "Kelvra.INI", RecordAtteso(kColoriPredefiniti, 2, 1));
    ASSERT_NE(AvviaProgramma(), nullptr);
    EXPECT_EQ(SistemaUnita, 2);
    EXPECT_NEAR(FattoreUnita[UNITA_LUNGHEZZA], 1.0 / 25.4, 1e-6);
}

TEST_F(Avvio, SettingsFileIsReadBeforeTheUnitSystemIsApplied) {
    CopiaLingua();
    std::vector<double> colori = kColoriPredefiniti;
    colori[0] = 0x102030;
    Scrivi(dir / "Kelvra.INI", RecordAtteso(colori, 2, 2));
    ASSERT_NE(AvviaProgramma(), nullptr);
    EXPECT_EQ(sistemaAlEditor, 2);
    EXPECT_EQ(ModoQuote, 2);
    EXPECT_EQ(ColoreSfondo, 0x102030);
}

TEST_F(Avvio, StalePlainLanguageFileIsReplaced) {
    CopiaLingua();
    Scrivi(dir / "Kelvra3@@.lng", "left over from a crash\r\n");
    ASSERT_NE(AvviaProgramma(), nullptr);
    const std::string piano = Leggi(dir / "Kelvra3@@.lng");
    EXPECT_EQ(piano.find("left over"), std::string::npos);
    EXPECT_NE(piano.find("[MnuMain]"), std::string::npos);
}

TEST_F(Avvio, MissingLanguageFileShowsTheFixedMessageAndEnds) {
    FrmLogo logo(dir.string());
    Avvia(logo);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    const std::string& testo = dialoghi.mostrati[0].testo;
    const std::string coda = "[Lingua] section not Found!";
    ASSERT_GE(testo.size(), coda.size());
    EXPECT_EQ(testo.substr(testo.size() - coda.size()), coda);
    EXPECT_EQ(dialoghi.mostrati[0].stile, 0);
    EXPECT_EQ(fine, 1);
    EXPECT_FALSE(logo.Riuscito());
    EXPECT_EQ(MAIN::Istanza(), nullptr);
    EXPECT_TRUE(eventi.empty());
    // Closing the splash afterwards does not bring up a main window either.
    logo.close();
    EXPECT_EQ(MAIN::Istanza(), nullptr);
}

TEST_F(Avvio, StartUpRunsOnceHoweverLongTheSplashStays) {
    CopiaLingua();
    FrmLogo logo(dir.string());
    EXPECT_TRUE(logo.TimerLogo->isActive());
    EXPECT_EQ(logo.TimerLogo->interval(), 300);
    // Before the timer has fired the splash cannot be closed and no main window exists.
    logo.close();
    EXPECT_EQ(MAIN::Istanza(), nullptr);

    Avvia(logo);
    EXPECT_FALSE(logo.TimerLogo->isActive());
    for (int i = 0; i < 50; ++i) QCoreApplication::processEvents();
    logo.TimerLogo_Timer();
    EXPECT_EQ(std::count(eventi.begin(), eventi.end(), "editor"), 1);
    EXPECT_EQ(std::count(eventi.begin(), eventi.end(), "frmmenu"), 1);
    EXPECT_FALSE(logo.isVisible());
    EXPECT_NE(MAIN::Istanza(), nullptr);
}

TEST(PosizioneLogo, CentresByIntegerHalvingTowardZero) {
    EXPECT_EQ(PosizioneLogo({1280, 1024}, {640, 480}), QPoint(320, 272));
    EXPECT_EQ(PosizioneLogo({1281, 1025}, {640, 480}), QPoint(320, 272));
    EXPECT_EQ(PosizioneLogo({600, 400}, {640, 480}), QPoint(-20, -40));
    EXPECT_EQ(PosizioneLogo({639, 479}, {640, 480}), QPoint(0, 0)); // -1 / 2 -> 0
    EXPECT_EQ(PosizioneLogo({637, 477}, {640, 480}), QPoint(-1, -1));
}

TEST_F(Avvio, SplashSitsInTheMiddleOfTheScreen) {
    FrmLogo logo(dir.string());
    logo.TimerLogo->stop();
    EXPECT_EQ(logo.PictureLogo->size(), QSize(640, 480));
    const QRect schermo = logo.screen()->geometry();
    EXPECT_EQ(logo.pos().x() - schermo.x(), (schermo.width() - 640) / 2);
    EXPECT_EQ(logo.pos().y() - schermo.y(), (schermo.height() - 480) / 2);
}

// ---- exit -------------------------------------------------------------------------------

TEST_F(Avvio, ExitConfirmedWritesSettingsRemovesPlainFileAndEnds) {
    CopiaLingua();
    MAIN* main = AvviaProgramma();
    ASSERT_NE(main, nullptr);
    SistemaUnita = 2;
    ModoQuote = 0;
    ColoreTitoli = 0x123456;

    dialoghi.Rispondi(vbYes);
    main->FileItem[3]->trigger(); // File/Exit

    ASSERT_EQ(dialoghi.mostrati.size(), 1u); // nothing modified: the exit question alone
    EXPECT_EQ(dialoghi.mostrati[0].testo, Riga(Messaggi, 0));
    EXPECT_EQ(dialoghi.mostrati[0].stile, vbYesNo + vbQuestion);
    EXPECT_EQ(fine, 0);

    std::vector<double> colori = kColoriPredefiniti;
    colori[9] = 0x123456;
    const std::string scritto = Leggi(dir / "Kelvra.INI");
    EXPECT_EQ(scritto.size(), 92u);
    EXPECT_EQ(scritto, RecordAtteso(colori, 2, 0));
    EXPECT_FALSE(fs::exists(dir / "Kelvra3@@.lng"));
    EXPECT_TRUE(fs::exists(dir / "Kelvra3.lng"));
    EXPECT_FALSE(main->isVisible());
}

TEST_F(Avvio, ExitRefusedKeepsEverything) {
    CopiaLingua();
    const std::string prima = RecordAtteso(kColoriPredefiniti, 2, 1);
    Scrivi(dir / "Kelvra.INI", prima);
    MAIN* main = AvviaProgramma();
    ASSERT_NE(main, nullptr);
    SistemaUnita = 1;

    dialoghi.Rispondi(vbNo);
    main->close();

    EXPECT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_FALSE(fine.has_value());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(Leggi(dir / "Kelvra.INI"), prima);
    EXPECT_TRUE(fs::exists(dir / "Kelvra3@@.lng"));
}

TEST_F(Avvio, ExitWithAPlainLanguageFileAlreadyGoneStillEnds) {
    CopiaLingua();
    MAIN* main = AvviaProgramma();
    ASSERT_NE(main, nullptr);
    fs::remove(dir / "Kelvra3@@.lng");
    dialoghi.Rispondi(vbYes);
    main->close();
    EXPECT_EQ(fine, 0);
    EXPECT_EQ(Leggi(dir / "Kelvra.INI").size(), 92u);
}

TEST_F(Avvio, UnsavedSingleProjectIsSavedUnderTheDefaultNameBeforeTheQuestion) {
    CopiaLingua();
    MAIN* main = AvviaProgramma();
    ASSERT_NE(main, nullptr);
    std::vector<std::pair<std::string, int>> salvati;
    Ganci.SalvaProgetto = [&](const std::string& nome, int16_t p) {
        salvati.push_back({nome, p});
        EXPECT_EQ(dialoghi.mostrati.size(), 1u); // saved before the exit question
    };
    Progetti[1].ModificatoFile[MOD_PROGETTO] = VERO;

    dialoghi.Rispondi(vbYes); // save
    dialoghi.Rispondi(vbNo);  // do not exit
    main->close();

    ASSERT_EQ(dialoghi.mostrati.size(), 2u);
    EXPECT_EQ(dialoghi.mostrati[0].testo, Riga(Messaggi, 18));
    EXPECT_EQ(dialoghi.mostrati[0].stile, vbYesNo);
    EXPECT_EQ(dialoghi.mostrati[1].testo, Riga(Messaggi, 0));
    const std::string atteso = dir.string() + "/" + Riga(TestiCommon, 12) + " 01.kvp";
    ASSERT_EQ(salvati.size(), 1u);
    EXPECT_EQ(salvati[0], std::make_pair(atteso, 1));
    EXPECT_EQ(Progetti[1].NomeFileProgetto, atteso);
    EXPECT_FALSE(fine.has_value());
    EXPECT_TRUE(main->isVisible());
}

TEST_F(Avvio, SaveStepKeepsANameAndUsesTheDialogForSeveralProjects) {
    CopiaLingua();
    MAIN* main = AvviaProgramma();
    ASSERT_NE(main, nullptr);
    std::vector<std::string> salvati;
    int dialoghiSalva = 0;
    Ganci.SalvaProgetto = [&](const std::string& nome, int16_t) { salvati.push_back(nome); };
    Ganci.MostraFrmSalva01 = [&](MAIN&) { ++dialoghiSalva; };

    Progetti[1].ModificatoFile[MOD_PROGETTO] = VERO;
    Progetti[1].NomeFileProgetto = "/data/Link A.kvp";
    dialoghi.Rispondi(vbYes);
    PassoSalvataggio();
    EXPECT_EQ(salvati, std::vector<std::string>{"/data/Link A.kvp"});

    NumeroProgetti = 3;
    dialoghi.Rispondi(vbYes);
    PassoSalvataggio();
    EXPECT_EQ(dialoghiSalva, 1);
    EXPECT_EQ(salvati.size(), 1u);

    dialoghi.Rispondi(vbNo);
    PassoSalvataggio();
    EXPECT_EQ(dialoghiSalva, 1);
    EXPECT_EQ(salvati.size(), 1u);
}

// ---- main window commands ---------------------------------------------------------------

TEST_F(Avvio, FileNewOpenAndHelpGoToTheirWindows) {
    CopiaLingua();
    MAIN* main = AvviaProgramma();
    ASSERT_NE(main, nullptr);
    eventi.clear();
    int sceltaOpen = 0;
    std::vector<int> guida;
    Ganci.CaricaFrmMenu = [&](MAIN&) { eventi.push_back("load frmmenu"); };
    Ganci.MostraSceltaOpen = [&](MAIN&) { ++sceltaOpen; };
    Ganci.GestisciMenuGuida = [&](int i, MAIN&) { guida.push_back(i); };
    Progetti[1].StatoDatiProgetto = 3;

    main->FileItem[1]->trigger();
    EXPECT_EQ((std::vector<std::string>{"load frmmenu", "insgeo centred"}), eventi);
    EXPECT_EQ(NumeroProgetti, 1); // New here neither adds nor clears a project
    EXPECT_EQ(Progetti[1].StatoDatiProgetto, 3);

    main->FileItem[2]->trigger();
    EXPECT_EQ(sceltaOpen, 1);

    main->GuidaItem[1]->trigger();
    main->GuidaItem[5]->trigger();
    EXPECT_EQ(guida, (std::vector<int>{1, 5}));

    eventi.clear();
    emit main->ClicSfondo();
    EXPECT_EQ(eventi, std::vector<std::string>{"frmmenu"});
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Avvio, ActivationReadsTheCaptionsAgain) {
    CopiaLingua();
    MAIN* main = AvviaProgramma();
    ASSERT_NE(main, nullptr);
    main->FileItem[2]->setText("x");
    main->setWindowTitle("y");
    LeggiMenuLingua("MnuFrmMenu"); // another window's section in the shared table
    main->MDIForm_Activate();
    EXPECT_EQ(main->FileItem[2]->text(), "&Open");
    EXPECT_EQ(main->windowTitle().toStdString(), TitoloMain());
}

TEST_F(Avvio, ScreenshotOfTheMainWindow) {
    // Kept for looking at: KELVRA_SCREENSHOT_DIR=/tmp ./test_avvio
    const char* uscita = std::getenv("KELVRA_SCREENSHOT_DIR");
    CopiaLingua();
    MAIN* main = AvviaProgramma();
    ASSERT_NE(main, nullptr);
    main->resize(800, 600);
    QCoreApplication::processEvents();
    const QImage immagine = main->grab().toImage();
    EXPECT_EQ(immagine.size(), QSize(800, 600) * immagine.devicePixelRatio());
    if (uscita) {
        immagine.save(QString(uscita) + "/main_grab.png");
        main->MenuItem[0]->popup(main->mapToGlobal(QPoint(0, 20)));
        QCoreApplication::processEvents();
        main->MenuItem[0]->grab().save(QString(uscita) + "/main_file_menu.png");
        main->MenuItem[0]->hide();
        main->MenuItem[1]->popup(main->mapToGlobal(QPoint(40, 20)));
        QCoreApplication::processEvents();
        main->MenuItem[1]->grab().save(QString(uscita) + "/main_help_menu.png");
        main->MenuItem[1]->hide();
    }
}

} // namespace
