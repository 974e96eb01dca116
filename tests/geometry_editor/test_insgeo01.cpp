// The geometry editor window driven as a user drives it, on the offscreen platform: the
// program's start-up creates it in the main window, a linkage is typed into its panels and
// solved, an element is modified and re-solved, undone, and the units are switched.
#include "core/Cinematica.h"
#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Unita.h"
#include "core/Vista.h"
#include "geometry_editor/Annulla.h"
#include "geometry_editor/InsGeo01.h"
#include "platform/RisposteDialoghi.h"
#include "platform/Testo.h"
#include "shell/Avvio.h"
#include "shell/Main.h"
#include "support/Risposte.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

using namespace kelvra;
namespace fs = std::filesystem;

namespace {

class FinestraInsGeo : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        AzzeraVista();
        AzzeraUndo();
        cwd = fs::current_path();
        dir = fs::path(cartella.path().toStdString());
        fs::copy_file(fs::path(QCoreApplication::applicationDirPath().toStdString()) /
                          "Kelvra3.lng",
                      dir / "Kelvra3.lng");
        Ganci = {};
        Ganci.TerminaProgramma = [](int) {};
        RegistraEditorGeometria();
        ASSERT_TRUE(SequenzaAvvio(dir.string()));
        // Start-up created the editor and gave it the unit system; the main window shows it.
        ASSERT_NE(INSGEO01::Istanza(), nullptr);
        MAIN::Mostra();
        QCoreApplication::processEvents();
        ed = INSGEO01::Istanza();
        ASSERT_NE(ed, nullptr);
    }
    void TearDown() override {
        delete MAIN::Istanza();
        delete INSGEO01::Istanza();
        Ganci = {};
        fs::current_path(cwd);
        AzzeraLingua();
        AzzeraVista();
        TabelleAzzerate::TearDown();
    }

    Progetto& P() { return Progetti[NumeroProgetti]; }
    static void Digita(QLineEdit* casella, const QString& testo) {
        casella->selectAll();
        QTest::keyClicks(casella, testo);
    }
    static std::string T(const QLineEdit* c) { return AdAnsi(c->text()); }

    // The four-bar: a link from the attachment to (800, 300), a link pinned to the frame
    // at (900, 250), the shock from their joint to (550, 650), maximum travel 100 mm.
    void QuadrilateroDigitato() {
        ed->CmdAsta->click();
        Digita(ed->TxtAstaX, "250");
        Digita(ed->TxtAstaY, "-100");
        ed->CmdOKAsta->click();
        ed->CmdAsta->click();
        Digita(ed->TxtAstaX, "350");
        Digita(ed->TxtAstaY, "-150");
        ed->CmdOKAsta->click();
        ed->CmdMolla->click();
        Digita(ed->TxtMollaX, "0");
        Digita(ed->TxtMollaY, "250");
        Digita(ed->TxtMaxEsc, "100");
        ed->CmdOKMolla->click();
    }

    QTemporaryDir cartella;
    fs::path dir, cwd;
    INSGEO01* ed = nullptr;
};

TEST_F(FinestraInsGeo, LAvvioApreLEditorSulForcelloneDiDefault) {
    MAIN* main = MAIN::Istanza();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->FigliaAttiva(), ed);
    EXPECT_TRUE(ed->UnitaItem[1]->isChecked());
    EXPECT_FALSE(ed->UnitaItem[2]->isChecked());
    EXPECT_EQ(T(ed->TxtForcelloneX[1]), "470.00");
    EXPECT_EQ(T(ed->TxtForcelloneY[1]), "-50.00");
    EXPECT_EQ(T(ed->TxtRaggio), "350.00");
    EXPECT_TRUE(ed->FrmForcellone->isVisible());
    ASSERT_EQ(ed->CmbModifica->count(), 1);
    EXPECT_EQ(ed->CmbModifica->itemText(0), DaAnsi(Riga(TestiInsGeo01, 1)));
    // Every element may follow the swingarm.
    EXPECT_TRUE(ed->CmdAsta->isEnabled());
    EXPECT_TRUE(ed->CmdSquadretta->isEnabled());
    EXPECT_TRUE(ed->CmdMolla->isEnabled());
    // Captions from the language file, menus included.
    EXPECT_EQ(ed->CmdAsta->text(), "&" + DaAnsi(Riga(TestiInsGeo01, 2)));
    EXPECT_FALSE(ed->MenuItem[0]->title().isEmpty());
    EXPECT_FALSE(ed->FileItem[1]->text().isEmpty());
    EXPECT_EQ(P().StatoDatiProgetto, 0);
}

TEST_F(FinestraInsGeo, UnQuadrilateroDigitatoVieneRisolto) {
    QuadrilateroDigitato();
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(P().UltimoElemento, 3);
    EXPECT_EQ(P().StatoDatiProgetto, 1);
    EXPECT_GE(P().NumPunti, 20);
    EXPECT_NEAR(P().LunghezzaAmmortizzatore[0], std::hypot(250.0, 350.0), 1e-3);
    EXPECT_FLOAT_EQ(P().MaxEscursioneRuota, 100.0f);
    // The chain is closed: nothing more can be added; the geometry commands are on.
    EXPECT_FALSE(ed->CmdAsta->isEnabled());
    EXPECT_FALSE(ed->CmdSquadretta->isEnabled());
    EXPECT_FALSE(ed->CmdMolla->isEnabled());
    EXPECT_TRUE(ed->CmdSimula->isEnabled());
    EXPECT_TRUE(ed->CmbModifica->isEnabled());
    ASSERT_EQ(ed->CmbModifica->count(), 4);
    EXPECT_EQ(ed->CmbModifica->itemText(2), DaAnsi(Riga(TestiInsGeo01, 2)) + ",2");
    EXPECT_EQ(ed->CmbModifica->itemText(3), DaAnsi(Riga(TestiInsGeo01, 29)) + ",3");
}

TEST_F(FinestraInsGeo, LaGrammaticaGuidaIPulsanti) {
    ed->CmdSquadretta->click();
    // A rocker in slot 1: both options off and disabled; while entering, nothing is added.
    EXPECT_FALSE(ed->OptFix[0]->isEnabled());
    EXPECT_FALSE(ed->OptFix[0]->isChecked());
    EXPECT_FALSE(ed->CmdAsta->isEnabled());
    EXPECT_EQ(T(ed->LblElemPrecX), "200.00");
    EXPECT_EQ(T(ed->LblElemPrecY), "50.00");
    Digita(ed->TxtSquadrettaX[0], "250");
    Digita(ed->TxtSquadrettaY[0], "-100");
    Digita(ed->TxtSquadrettaX[1], "300");
    Digita(ed->TxtSquadrettaY[1], "0");
    ed->CmdOKSquadretta->click();
    // After a rocker in an odd slot only a link.
    EXPECT_TRUE(ed->CmdAsta->isEnabled());
    EXPECT_FALSE(ed->CmdSquadretta->isEnabled());
    EXPECT_FALSE(ed->CmdMolla->isEnabled());
    ed->CmdAsta->click();
    // The link starts at the rocker's vertex 2.
    EXPECT_EQ(T(ed->LblAstaPrecX), "250.00");
    EXPECT_EQ(T(ed->LblAstaPrecY), "-100.00");
    EXPECT_TRUE(ed->ChkModify[0]->isEnabled());
    // A shock entered in slot 3 may ride on the swingarm.
    Digita(ed->TxtAstaX, "350");
    Digita(ed->TxtAstaY, "-200");
    ed->CmdOKAsta->click();
    EXPECT_TRUE(ed->CmdMolla->isEnabled());
    ed->CmdMolla->click();
    EXPECT_TRUE(ed->ChkFix->isEnabled());
    // The shock starts at the rocker's vertex 3.
    EXPECT_EQ(T(ed->LblMollaPrecX), "300.00");
    EXPECT_EQ(T(ed->LblMollaPrecY), "0.00");
}

TEST_F(FinestraInsGeo, ModificareUnElementoRisolveDiNuovoEUndoLoRiporta) {
    QuadrilateroDigitato();
    const int16_t prima = P().NumPunti;
    ed->CmbModifica->setCurrentIndex(1);
    emit ed->CmbModifica->activated(1);
    EXPECT_EQ(ModoEdit, 5);
    EXPECT_EQ(ed->ElementoInModifica, 1);
    EXPECT_TRUE(ed->FRMASTA->isVisible());
    EXPECT_EQ(T(ed->TxtAstaX), "250.00");
    Digita(ed->TxtAstaX, "270");
    ed->CmdOKAsta->click();
    // The link's end moved, the next link follows it, the chain was solved again.
    EXPECT_FLOAT_EQ(P().DatiAsta[1].P[1].X, 820.0f);
    EXPECT_FLOAT_EQ(P().DatiAsta[2].P[0].X, 820.0f);
    EXPECT_FLOAT_EQ(P().DatiMolla[3].P[0].X, 820.0f);
    EXPECT_FLOAT_EQ(P().PuntiGiunzione[3][1][0].X, 820.0f);
    EXPECT_NEAR(P().LunghezzaAmmortizzatore[0], std::hypot(270.0, 350.0), 1e-3);
    EXPECT_GE(P().NumPunti, 2);
    EXPECT_EQ(P().StatoDatiProgetto, 1);
    // Undo: back to the link as it was when it was chosen.
    int16_t zero = 0;
    ed->ProceduraUndo(zero);
    EXPECT_FLOAT_EQ(P().DatiAsta[1].P[1].X, 800.0f);
    EXPECT_FLOAT_EQ(P().DatiAsta[2].P[0].X, 800.0f);
    EXPECT_NEAR(P().LunghezzaAmmortizzatore[0], std::hypot(250.0, 350.0), 1e-3);
    EXPECT_EQ(P().NumPunti, prima);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(FinestraInsGeo, CambioDiUnitaLaCatenaNonSiMuove) {
    QuadrilateroDigitato();
    const Progetto prima = P();
    ed->UnitaItem_Click(SISTEMA_IMPERIALE);
    EXPECT_TRUE(ed->UnitaItem[2]->isChecked());
    EXPECT_EQ(T(ed->TxtMaxEsc), "3.9370079");
    EXPECT_EQ(T(ed->TxtRaggio), "13.7795275");
    EXPECT_EQ(T(ed->TxtMollaY),
              FormattaNumero(250 * static_cast<double>(FattoreUnita[0]), FormatoUnita[0]));
    EXPECT_TRUE(ed->FRMMOLLA->isVisible());
    EXPECT_TRUE(ed->FrmForcellone->title().endsWith("[in]"));
    ed->UnitaItem_Click(SISTEMA_METRICO);
    EXPECT_EQ(T(ed->TxtMaxEsc), "100.00");
    EXPECT_EQ(T(ed->TxtMollaY), "250.00");
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(P().DatiForcellone.P[i].X, prima.DatiForcellone.P[i].X, 1e-4);
        EXPECT_NEAR(P().DatiForcellone.P[i].Y, prima.DatiForcellone.P[i].Y, 1e-4);
    }
    for (int k = 1; k <= 2; ++k) {
        EXPECT_NEAR(P().DatiAsta[k].P[1].X, prima.DatiAsta[k].P[1].X, 1e-4);
        EXPECT_NEAR(P().DatiAsta[k].P[1].Y, prima.DatiAsta[k].P[1].Y, 1e-4);
    }
    EXPECT_NEAR(P().DatiMolla[3].P[1].Y, prima.DatiMolla[3].P[1].Y, 1e-4);
    EXPECT_FLOAT_EQ(P().MaxEscursioneRuota, 100.0f);
    EXPECT_EQ(P().NumPunti, prima.NumPunti);
    EXPECT_EQ(P().StatoDatiProgetto, 1);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(FinestraInsGeo, MassimaEscursioneFuoriLimiteNonRisolve) {
    // The key filter lets no more than 1000 through; a value set by the program is checked.
    Digita(ed->TxtMaxEsc, "1001");
    EXPECT_EQ(T(ed->TxtMaxEsc), "100");
    EXPECT_GE(dialoghi.beep, 1);
    ed->TxtMaxEsc->setText("1001");
    ed->CmdMolla->click();
    Digita(ed->TxtMollaX, "0");
    Digita(ed->TxtMollaY, "250");
    ed->CmdOKMolla->click();
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(P().StatoDatiProgetto, 0);
    EXPECT_EQ(P().NumPunti, 0);
    EXPECT_FALSE(ed->CmdAsta->isEnabled());
    // Stored and drawn all the same.
    EXPECT_FLOAT_EQ(P().DatiMolla[1].P[1].Y, 650.0f);
}

TEST_F(FinestraInsGeo, RiattivareNonAzzeraIlForcelloneEUnaCatenaIncompletaProsegue) {
    Digita(ed->TxtForcelloneX[2], "150");
    ed->CmdOKForcellone->click();
    ASSERT_FLOAT_EQ(P().DatiForcellone.P[2].X, 700.0f);
    ed->Form_Activate();
    EXPECT_FLOAT_EQ(P().DatiForcellone.P[2].X, 700.0f);
    EXPECT_EQ(ed->CmbModifica->count(), 1);
    EXPECT_TRUE(ed->CmdAsta->isEnabled());

    ed->CmdAsta->click();
    Digita(ed->TxtAstaX, "250");
    Digita(ed->TxtAstaY, "-100");
    ed->CmdOKAsta->click();
    ed->Form_Activate();
    // F, A: a link or a rocker may follow, the link's panel shows the link.
    EXPECT_EQ(ed->CmbModifica->count(), 2);
    EXPECT_TRUE(ed->CmdAsta->isEnabled());
    EXPECT_TRUE(ed->CmdSquadretta->isEnabled());
    EXPECT_FALSE(ed->CmdMolla->isEnabled());
    EXPECT_TRUE(ed->FRMASTA->isVisible());
    EXPECT_EQ(T(ed->TxtAstaX), "250.00");
    ed->CmdSquadretta->click();
    EXPECT_EQ(P().UltimoElemento, 2);
    EXPECT_TRUE(ed->OptFix[0]->isChecked());
}

TEST_F(FinestraInsGeo, IlRaggioRibasaLaCatena) {
    ed->CmdAsta->click();
    Digita(ed->TxtAstaX, "250");
    Digita(ed->TxtAstaY, "-100");
    ed->CmdOKAsta->click();
    ed->TxtRaggio->selectAll();
    QTest::keyClicks(ed->TxtRaggio, "300");
    EXPECT_FLOAT_EQ(P().RaggioRuota, 300.0f);
    EXPECT_FLOAT_EQ(P().DatiForcellone.P[1].Y, 300.0f);
    EXPECT_FLOAT_EQ(P().DatiAsta[1].P[1].Y, 250.0f);
    EXPECT_EQ(ModoEdit, 0);
}

TEST_F(FinestraInsGeo, UscireConUnaCatenaIncompletaLaRiduceAlForcellone) {
    ed->CmdAsta->click();
    Digita(ed->TxtAstaX, "250");
    Digita(ed->TxtAstaY, "-100");
    ed->CmdOKAsta->click();
    ed->CmdEsci_Click();
    EXPECT_EQ(P().UltimoElemento, 0);
    EXPECT_FLOAT_EQ(P().DatiAsta[1].P[1].X, 800.0f);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(INSGEO01::Istanza(), nullptr);
}

} // namespace

// The editor as the user sees it with a solved linkage: the drawing shows the swingarm (red),
// the links (magenta) and the shock absorber (yellow). KELVRA_SCREENSHOT names a PNG file to
// keep the picture of the whole main window.
TEST_F(FinestraInsGeo, LaSchermataMostraLaCatenaRisolta) {
    MAIN* main = MAIN::Istanza();
    main->resize(1280, 900);
    main->show();
    QCoreApplication::processEvents();
    QuadrilateroDigitato();
    QCoreApplication::processEvents();
    const QImage disegno = ed->PicGeo().grab().toImage();
    int rossi = 0, magenta = 0, gialli = 0;
    for (int y = 0; y < disegno.height(); ++y) {
        for (int x = 0; x < disegno.width(); ++x) {
            const QRgb c = disegno.pixel(x, y);
            if (c == qRgb(255, 0, 0)) ++rossi;
            if (c == qRgb(255, 0, 255)) ++magenta;
            if (c == qRgb(255, 255, 0)) ++gialli;
        }
    }
    EXPECT_GT(rossi, 100);
    EXPECT_GT(magenta, 50);
    EXPECT_GT(gialli, 100);
    if (const char* file = std::getenv("KELVRA_SCREENSHOT")) main->grab().save(file);
}

TEST_F(FinestraInsGeo, NessunElementoOltreLoSlot10) {
    // A damaged chain read from a file already fills every slot: the add commands refuse.
    Progetto& pr = P();
    for (int16_t k = 1; k <= MAX_ELEMENTI; ++k) pr.TipoElemento[k] = "A";
    pr.UltimoElemento = MAX_ELEMENTI;
    ed->Form_Activate();
    EXPECT_FALSE(ed->CmdAsta->isEnabled());
    EXPECT_FALSE(ed->CmdMolla->isEnabled());
    const int beep = dialoghi.beep;
    ed->CmdAsta_Click();
    ed->CmdMolla_Click();
    EXPECT_EQ(pr.UltimoElemento, MAX_ELEMENTI);
    EXPECT_EQ(dialoghi.beep, beep + 2);
    // Confirming the shock panel does not reach the solver with such a chain.
    ed->CmdOKMolla->click();
    EXPECT_EQ(pr.StatoDatiProgetto, 0);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

// Print: enabled once a linkage is solved; it prints the drawing under the window's title,
// says so when there is no printer, and says so when printing fails.
TEST_F(FinestraInsGeo, LaStampaMandaIlDisegnoOAvvisa) {
    EXPECT_FALSE(ed->CmdStampa->isEnabled());
    QuadrilateroDigitato();
    ASSERT_TRUE(ed->CmdStampa->isEnabled());
    RisposteDialoghi stampa;
    ed->CmdStampa->click();
    ASSERT_EQ(stampa.stampe.size(), 1u);
    EXPECT_EQ(stampa.stampe[0].immagine, ed->PicGeo().Immagine());
    EXPECT_EQ(stampa.stampe[0].titolo, AdAnsi(ed->windowTitle()));
    EXPECT_TRUE(dialoghi.mostrati.empty());

    stampa.stampaRiuscita = false;
    ed->CmdStampa->click();
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].testo, Riga(Messaggi, 48));

    stampa.stampantePresente = false;
    ed->CmdStampa->click();
    EXPECT_EQ(stampa.stampe.size(), 2u);
    ASSERT_EQ(dialoghi.mostrati.size(), 2u);
    EXPECT_EQ(dialoghi.mostrati[1].testo, Riga(Messaggi, 46) + ".");
    EXPECT_EQ(dialoghi.mostrati[1].stile, vbCritical);
}
