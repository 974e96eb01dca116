// The real editor around the end of a simulation and other changes of what it shows: every
// route that ends the manual simulation gives the window back whole, nothing can be chosen
// or stored while it runs, a change of units converts the open panel without storing it, and
// every way of closing the editor brings the start screen back.
#include "Attesi.h"
#include "support/FinestraReale.h"

#include "core/Formato.h"
#include "core/Unita.h"
#include "shell/FrmMenu.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

using namespace kelvra;
using namespace kelvra::test;

namespace {

class EditorFineSimulazione : public FinestraReale {
  protected:
    void PrimaDellAvvio() override {
        RegistraFrmMenu();
        FinestraReale::PrimaDellAvvio();
    }
    // 1 all four confirm buttons enabled, 0 all disabled, -1 mixed.
    int Conferme() const {
        const int n = ed->CmdOKForcellone->isEnabled() + ed->CmdOKAsta->isEnabled() +
                      ed->CmdOKSquadretta->isEnabled() + ed->CmdOKMolla->isEnabled();
        return n == 4 ? 1 : n == 0 ? 0 : -1;
    }
    void AvviaManuale(int posizione) {
        ed->CmdSimula->click();
        ASSERT_EQ(ed->StatoSimula, 1);
        ASSERT_TRUE(ed->VScroll->isVisible());
        ASSERT_LT(ed->PicGeo().width(), ed->width());
        ed->VScroll->setValue(posizione);
    }
    // The window as the stopped simulation leaves it: full drawing, no bar, the button
    // offering a start, the confirm buttons enabled and the rest as the project's state has
    // it (`geometria`: the shown project has a solved linkage).
    void Ripristinato(bool geometria) {
        EXPECT_EQ(ed->PicGeo().width(), ed->width());
        EXPECT_FALSE(ed->VScroll->isVisibleTo(ed));
        EXPECT_FALSE(ed->LblEsc->isVisibleTo(ed));
        EXPECT_EQ(ed->CmdSimula->text().remove('&'),
                  DaAnsi(Maiuscolo(Riga(TestiInsGeo01, 8))).remove('&'));
        EXPECT_NE(ed->StatoSimula, 1);
        EXPECT_EQ(Conferme(), 1);
        EXPECT_EQ(ed->CmdSimula->isEnabled(), geometria);
        EXPECT_EQ(ed->CmbModifica->isEnabled(), geometria);
    }
    QString Maiuscola(int riga) const {
        return DaAnsi(Maiuscolo(Riga(TestiInsGeo01, riga))).remove('&');
    }
};

TEST_F(EditorFineSimulazione, ClosingTheLastFileOrANewProjectEndsTheManualSimulation) {
    QuadrilateroDigitato();
    ed->FileItem_Click(1); // a new project, the same four-bar in it
    ASSERT_EQ(NumeroProgetti, 2);
    QuadrilateroDigitato();
    ASSERT_EQ(P().StatoDatiProgetto, 1);
    AvviaManuale(18);
    ed->FileItem_Click(4); // close the last file
    ASSERT_EQ(NumeroProgetti, 1);
    Ripristinato(true);

    // A new project chosen while the bar shows: the new project starts with the window whole.
    AvviaManuale(10);
    ed->FileItem_Click(1);
    ASSERT_EQ(NumeroProgetti, 2);
    Ripristinato(false);
    EXPECT_TRUE(ed->CmdAsta->isEnabled());
}

TEST_F(EditorFineSimulazione, AProjectWithoutGeometryShownAfterTheSimulationCanBeEntered) {
    ed->FileItem_Click(1); // at once: project 1 holds nothing
    ASSERT_EQ(NumeroProgetti, 2);
    QuadrilateroDigitato();
    AvviaManuale(18);
    ed->FileItem_Click(4);
    ASSERT_EQ(NumeroProgetti, 1);
    Ripristinato(false);
    // The project shown now takes a linkage, and simulates it.
    QuadrilateroDigitato();
    EXPECT_EQ(P().StatoDatiProgetto, 1);
    EXPECT_TRUE(ed->CmdSimula->isEnabled());
    EXPECT_TRUE(ed->CmbModifica->isEnabled());
    ed->CmdSimula->click();
    EXPECT_TRUE(ed->VScroll->isVisible());
}

TEST_F(EditorFineSimulazione, NothingIsChosenNorStoredWhileTheManualSimulationRuns) {
    QuadrilateroDigitato();
    const Progetto prima = P();
    AvviaManuale(18);
    ASSERT_FALSE(ed->CmbModifica->isEnabled());
    // The right button resets the view; a left click then would enter a point.
    emit ed->PicGeo().MouseDown(2, 0, 100, 100);
    emit ed->PicGeo().MouseUp(2, 0, 100, 100);
    emit ed->PicGeo().MouseMove(0, 0, 60, 60);
    emit ed->PicGeo().MouseDown(1, 0, 60, 60);
    emit ed->PicGeo().MouseUp(1, 0, 60, 60);
    EXPECT_FALSE(ed->CmbModifica->isEnabled());
    EXPECT_FALSE(ed->CmdAddProject->isEnabled());
    EXPECT_EQ(Conferme(), 0);
    EXPECT_TRUE(P().DatiMolla[3].P[1] == prima.DatiMolla[3].P[1]);
    // The drawing still shows the bar's position.
    EXPECT_EQ(PosizioneDisegnata(), 18);
    // The mount option of the shock panel does not store the shock either.
    ed->ChkFix->click();
    EXPECT_EQ(P().AmmortizzatoreFisso, prima.AmmortizzatoreFisso);
    EXPECT_TRUE(ed->VScroll->isVisible());
    EXPECT_EQ(ed->CmdSimula->text().remove('&'), Maiuscola(14));
    ed->CmdSimula->click();
    EXPECT_TRUE(ed->CmbModifica->isEnabled());
    EXPECT_EQ(Conferme(), 1);
}

TEST_F(EditorFineSimulazione, AChangeOfUnitsEndsTheManualSimulationFirst) {
    QuadrilateroDigitato();
    AvviaManuale(18);
    EXPECT_EQ(ed->LblEsc->text(), "18.0");
    ed->UnitaItem[2]->trigger();
    Ripristinato(true);
    EXPECT_EQ(PosizioneDisegnata(), 0);
    // Started again, the travel reads in inches.
    AvviaManuale(18);
    EXPECT_EQ(ed->LblEsc->text(), "0.71");
    EXPECT_FALSE(ed->CmbModifica->isEnabled());
}

TEST_F(EditorFineSimulazione, AChangeOfUnitsConvertsTheOpenPanelAndStoresNothing) {
    ed->CmdAsta->click();
    EXPECT_EQ(T(ed->LblAstaPrecX) + " " + T(ed->LblAstaPrecY), "200.00 50.00");
    const Progetto prima = P();
    ed->UnitaItem[2]->trigger();
    EXPECT_EQ(T(ed->LblAstaPrecX) + " " + T(ed->LblAstaPrecY), "7.8740157 1.9685039");
    EXPECT_EQ(T(ed->TxtAstaX) + T(ed->TxtAstaY), "");
    EXPECT_TRUE(ed->FRMASTA->isVisible());
    ed->UnitaItem[1]->trigger();
    EXPECT_EQ(T(ed->LblAstaPrecX) + " " + T(ed->LblAstaPrecY), "200.00 50.00");
    EXPECT_TRUE(P().DatiAsta[1].P[0] == prima.DatiAsta[1].P[0]);
    // What was typed is converted too, and stored only by the panel's OK.
    Digita(ed->TxtAstaX, "300");
    Digita(ed->TxtAstaY, "0");
    ed->UnitaItem[2]->trigger();
    EXPECT_EQ(T(ed->TxtAstaX), "11.8110236");
    EXPECT_EQ(Val(T(ed->TxtAstaY)), 0);
    EXPECT_TRUE(P().DatiAsta[1].P[1] == prima.DatiAsta[1].P[1]);
    ed->UnitaItem[1]->trigger();
    ed->CmdOKAsta->click();
    AttesiPunti({{750, 450}, {850, 400}}, {P().DatiAsta[1].P[0], P().DatiAsta[1].P[1]}, 1e-3f);
}

TEST_F(EditorFineSimulazione, AnElementBeingModifiedKeepsItsTypedValuesThroughAChangeOfUnits) {
    QuadrilateroDigitato();
    ed->CmbModifica->setCurrentIndex(1);
    emit ed->CmbModifica->activated(1);
    ASSERT_EQ(ModoEdit, 5);
    Digita(ed->TxtAstaX, "270");
    ed->UnitaItem[2]->trigger();
    EXPECT_FLOAT_EQ(P().DatiAsta[1].P[1].X, 800.0f);
    EXPECT_TRUE(ed->FRMASTA->isVisible());
    ed->UnitaItem[1]->trigger();
    EXPECT_EQ(T(ed->TxtAstaX), "270.00");
    ed->CmdOKAsta->click();
    AttesiValori({820, 820}, {P().DatiAsta[1].P[1].X, P().DatiAsta[2].P[0].X}, 1e-3);
    EXPECT_EQ(P().StatoDatiProgetto, 1);
}

TEST_F(EditorFineSimulazione, TheCloseBoxBringsTheStartScreenBackAsExitDoes) {
    FRMMENU* menu = FRMMENU::Istanza();
    ASSERT_NE(menu, nullptr);
    for (int volta = 0; volta < 2; ++volta) {
        ASSERT_EQ(main->FigliaAttiva(), ed);
        if (volta == 0) {
            ed->SottoFinestra()->close();
        } else {
            ed->CmdEsci->click();
        }
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(main->FigliaAttiva(), menu) << volta;
        ASSERT_NE(menu->SottoFinestra(), nullptr);
        EXPECT_TRUE(menu->SottoFinestra()->isMaximized()) << volta;
        EXPECT_GT(menu->width(), main->width() / 2) << volta;
        EXPECT_GT(main->menuBar()->actions().size(), 2) << volta;
        main->FileItem_Click(1);
        QCoreApplication::processEvents();
        ed = INSGEO01::Istanza();
        ASSERT_NE(ed, nullptr);
    }
}

} // namespace
