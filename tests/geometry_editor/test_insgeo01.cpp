// The geometry editor window driven as a user drives it: a linkage typed into its panels and
// solved, modified and re-solved, undone, the units switched, the editor re-activated, printed.
#include "support/FinestraReale.h"

#include "core/Formato.h"
#include "core/Unita.h"
#include "support/RisposteDialoghi.h"

#include <cmath>

using namespace kelvra;

namespace {

class GeometryEditorWindow : public test::FinestraReale {
  protected:
};

TEST_F(GeometryEditorWindow, StartUpOpensTheEditorOnTheDefaultSwingarm) {
    EXPECT_EQ(main->FigliaAttiva(), ed);
    EXPECT_TRUE(ed->UnitaItem[1]->isChecked());
    EXPECT_EQ(T(ed->TxtForcelloneX[1]), "470.00");
    EXPECT_EQ(T(ed->TxtRaggio), "350.00");
    EXPECT_TRUE(ed->FrmForcellone->isVisible());
    ASSERT_EQ(ed->CmbModifica->count(), 1);
    EXPECT_EQ(ed->CmbModifica->itemText(0), DaAnsi(Riga(TestiInsGeo01, 1)));
    EXPECT_TRUE(ed->CmdMolla->isEnabled());
    EXPECT_EQ(ed->CmdAsta->text(), "&" + DaAnsi(Riga(TestiInsGeo01, 2)));
    EXPECT_FALSE(ed->MenuItem[0]->title().isEmpty());
    EXPECT_EQ(P().StatoDatiProgetto, 0);
}

TEST_F(GeometryEditorWindow, ATypedFourBarIsSolved) {
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
    ASSERT_EQ(ed->CmbModifica->count(), 4);
    EXPECT_EQ(ed->CmbModifica->itemText(3), DaAnsi(Riga(TestiInsGeo01, 29)) + ",3");
    if (const char* file = std::getenv("KELVRA_SCREENSHOT")) main->grab().save(file);
}

TEST_F(GeometryEditorWindow, ThePanelsFollowTheChain) {
    ed->CmdSquadretta->click();
    // A rocker in slot 1: both options off and disabled; while entering, nothing is added.
    EXPECT_FALSE(ed->OptFix[0]->isEnabled());
    EXPECT_FALSE(ed->OptFix[0]->isChecked());
    EXPECT_FALSE(ed->CmdAsta->isEnabled());
    EXPECT_EQ(T(ed->LblElemPrecX), "200.00");
    Digita(ed->TxtSquadrettaX[0], "250");
    Digita(ed->TxtSquadrettaY[0], "-100");
    Digita(ed->TxtSquadrettaX[1], "300");
    Digita(ed->TxtSquadrettaY[1], "0");
    ed->CmdOKSquadretta->click();
    EXPECT_FALSE(ed->CmdSquadretta->isEnabled());
    ed->CmdAsta->click();
    // The link starts at the rocker's vertex 2, the shock at its vertex 3.
    EXPECT_EQ(T(ed->LblAstaPrecX), "250.00");
    EXPECT_EQ(T(ed->LblAstaPrecY), "-100.00");
    Digita(ed->TxtAstaX, "350");
    Digita(ed->TxtAstaY, "-200");
    ed->CmdOKAsta->click();
    ed->CmdMolla->click();
    EXPECT_TRUE(ed->ChkFix->isEnabled());
    EXPECT_EQ(T(ed->LblMollaPrecX), "300.00");
    EXPECT_EQ(T(ed->LblMollaPrecY), "0.00");
}

TEST_F(GeometryEditorWindow, EditingAnElementSolvesAgainAndUndoPutsItBack) {
    QuadrilateroDigitato();
    const int16_t prima = P().NumPunti;
    ed->CmbModifica->setCurrentIndex(1);
    emit ed->CmbModifica->activated(1);
    EXPECT_EQ(ModoEdit, 5);
    EXPECT_TRUE(ed->FRMASTA->isVisible());
    EXPECT_EQ(T(ed->TxtAstaX), "250.00");
    Digita(ed->TxtAstaX, "270");
    ed->CmdOKAsta->click();
    // The link's end moved, what follows moved with it, the chain was solved again.
    EXPECT_FLOAT_EQ(P().DatiAsta[1].P[1].X, 820.0f);
    EXPECT_FLOAT_EQ(P().DatiAsta[2].P[0].X, 820.0f);
    EXPECT_FLOAT_EQ(P().DatiMolla[3].P[0].X, 820.0f);
    EXPECT_NEAR(P().LunghezzaAmmortizzatore[0], std::hypot(270.0, 350.0), 1e-3);
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

TEST_F(GeometryEditorWindow, AUnitChangeUnderAZoomKeepsTheChainAndTheMaximumTravel) {
    QuadrilateroDigitato();
    const Progetto prima = P();
    ed->VistaItem[4]->trigger(); // a window zoom of the user's
    Trascina(20, 20, 120, 90);
    ASSERT_EQ(ZoomUtente, VERO);
    ed->UnitaItem_Click(SISTEMA_IMPERIALE);
    EXPECT_TRUE(ed->UnitaItem[2]->isChecked());
    EXPECT_EQ(T(ed->TxtMaxEsc), "3.9370079");
    EXPECT_EQ(T(ed->TxtRaggio), "13.7795275");
    EXPECT_TRUE(ed->FrmForcellone->title().endsWith("[in]"));
    ed->UnitaItem_Click(SISTEMA_METRICO);
    EXPECT_EQ(T(ed->TxtMaxEsc), "100.00");
    EXPECT_EQ(T(ed->TxtMollaY), "250.00");
    const Punto punti[][2] = {{prima.DatiForcellone.P[1], P().DatiForcellone.P[1]},
                              {prima.DatiForcellone.P[2], P().DatiForcellone.P[2]},
                              {prima.DatiAsta[1].P[1], P().DatiAsta[1].P[1]},
                              {prima.DatiAsta[2].P[1], P().DatiAsta[2].P[1]},
                              {prima.DatiMolla[3].P[1], P().DatiMolla[3].P[1]}};
    for (const auto& [a, b] : punti) {
        EXPECT_NEAR(b.X, a.X, 1e-4);
        EXPECT_NEAR(b.Y, a.Y, 1e-4);
    }
    EXPECT_FLOAT_EQ(P().MaxEscursioneRuota, 100.0f);
    EXPECT_EQ(P().NumPunti, prima.NumPunti);
    EXPECT_EQ(P().StatoDatiProgetto, 1);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(GeometryEditorWindow, TheKeyFilterStopsTheMaximumTravelAt1000) {
    Digita(ed->TxtMaxEsc, "1001");
    EXPECT_EQ(T(ed->TxtMaxEsc), "100");
    EXPECT_GE(dialoghi.beep, 1);
}

TEST_F(GeometryEditorWindow, ReactivatingKeepsTheSwingarmAndAnUnfinishedChainGoesOn) {
    Digita(ed->TxtForcelloneX[2], "150");
    ed->CmdOKForcellone->click();
    ASSERT_FLOAT_EQ(P().DatiForcellone.P[2].X, 700.0f);
    ed->Form_Activate();
    EXPECT_FLOAT_EQ(P().DatiForcellone.P[2].X, 700.0f);
    EXPECT_TRUE(ed->CmdAsta->isEnabled());

    DigitaAsta("250", "-100");
    ed->Form_Activate();
    // F, A: a link or a rocker may follow, the link's panel shows the link.
    EXPECT_EQ(ed->CmbModifica->count(), 2);
    EXPECT_TRUE(ed->CmdAsta->isEnabled());
    EXPECT_TRUE(ed->CmdSquadretta->isEnabled());
    EXPECT_FALSE(ed->CmdMolla->isEnabled());
    EXPECT_EQ(T(ed->TxtAstaX), "250.00");
    ed->CmdSquadretta->click();
    EXPECT_EQ(P().UltimoElemento, 2);
}

TEST_F(GeometryEditorWindow, ExitingWithAnUnfinishedChainCutsItBackToTheSwingarm) {
    DigitaAsta("250", "-100");
    ed->CmdEsci_Click();
    EXPECT_EQ(P().UltimoElemento, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(INSGEO01::Istanza(), nullptr);
}

TEST_F(GeometryEditorWindow, NoElementBeyondSlot10) {
    // A damaged chain read from a file already fills every slot: the add commands refuse.
    for (int16_t k = 1; k <= MAX_ELEMENTI; ++k) P().TipoElemento[k] = "A";
    P().UltimoElemento = MAX_ELEMENTI;
    ed->Form_Activate();
    EXPECT_FALSE(ed->CmdAsta->isEnabled());
    const int beep = dialoghi.beep;
    ed->CmdAsta_Click();
    ed->CmdMolla_Click();
    EXPECT_EQ(P().UltimoElemento, MAX_ELEMENTI);
    EXPECT_EQ(dialoghi.beep, beep + 2);
    // Confirming the shock panel does not reach the solver with such a chain.
    Digita(ed->TxtMollaX, "0");
    Digita(ed->TxtMollaY, "250");
    ed->CmdOKMolla->click();
    EXPECT_EQ(P().StatoDatiProgetto, 0);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(GeometryEditorWindow, PrintingSendsTheDrawingOrWarns) {
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

} // namespace
