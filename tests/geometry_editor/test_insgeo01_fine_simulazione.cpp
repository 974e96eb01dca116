// The real editor around the end of a simulation: every route that ends it gives the window
// back whole, nothing is stored while it runs, a change of units converts the open panel
// without storing it, a modification confirmed after a simulation or a view tool is solved as
// without one, and every way of closing the editor brings the start screen back.
#include "Attesi.h"
#include "support/FinestraReale.h"
#include "support/ValoriRisultati.h"

#include "core/Formato.h"
#include "shell/Comandi.h"
#include "shell/FrmMenu.h"

#include <QMdiSubWindow>
#include <QMenuBar>
#include <functional>

using namespace kelvra;
using namespace kelvra::test;

namespace {

class EditorFineSimulazione : public FinestraReale {
  protected:
    void PrimaDellAvvio() override {
        RegistraFrmMenu();
        FinestraReale::PrimaDellAvvio();
    }
    // The four confirm buttons' enabling, "1111" when all are enabled.
    std::string Conferme() const {
        return Stati({ed->CmdOKForcellone, ed->CmdOKAsta, ed->CmdOKSquadretta, ed->CmdOKMolla},
                     &QWidget::isEnabled);
    }
    void AvviaManuale(int posizione) {
        ed->CmdSimula->click();
        ASSERT_TRUE(ed->VScroll->isVisible());
        ed->VScroll->setValue(posizione);
    }
    // As the stopped simulation leaves the window; `geometria`: the shown project has one.
    void Ripristinato(bool geometria) {
        EXPECT_EQ(ed->PicGeo().width(), ed->width());
        EXPECT_FALSE(ed->VScroll->isVisibleTo(ed));
        EXPECT_EQ(ed->CmdSimula->text().remove('&'), Maiuscola(8));
        EXPECT_EQ(Conferme(), "1111");
        EXPECT_EQ(ed->CmdSimula->isEnabled(), geometria);
        EXPECT_EQ(ed->CmbModifica->isEnabled(), geometria);
    }
    // A new geometry: default swingarm, shock absorber 120/290, calculated; the swingarm's
    // attachment modified to y -30, then `tra`, then to -40. The results of the last change,
    // which differ from those of the first.
    Valori DueModifiche(const std::function<void()>& tra) {
        AzzeraTabelle(), NumeroProgetti = ProgettoSelezionato = 1, ed->Form_Activate();
        QCoreApplication::processEvents(); // what the set-up left pending, before any yield
        ed->CmdOKForcellone->click();
        ed->CmdMolla->click();
        Digita(ed->TxtMollaX, "120"), Digita(ed->TxtMollaY, "290");
        ed->CmdOKMolla->click();
        emit ed->CmbModifica->activated(0); // the swingarm
        Digita(ed->TxtForcelloneY[2], "-30");
        ed->CmdOKForcellone->click();
        const Valori prima = Risultati(P());
        tra();
        Digita(ed->TxtForcelloneY[2], "-40");
        ed->CmdOKForcellone->click();
        EXPECT_NE(PrimaDifferenza(prima, Risultati(P())), "");
        return Risultati(P());
    }
    QString Maiuscola(int riga) const {
        return DaAnsi(Maiuscolo(Riga(TestiInsGeo01, riga))).remove('&');
    }
};

TEST_F(EditorFineSimulazione, ClosingTheLastFileOrANewProjectEndsTheManualSimulation) {
    ed->FileItem_Click(1); // at once: project 1 holds nothing
    QuadrilateroDigitato();
    AvviaManuale(18);
    dialoghi.Rispondi(vbNo); // the linkage was never saved: closed without saving
    ed->FileItem_Click(4);   // close the last file
    ASSERT_EQ(NumeroProgetti, 1);
    Ripristinato(false);
    // The project shown now takes a linkage and simulates it; a new project ends that.
    QuadrilateroDigitato();
    AvviaManuale(10);
    ed->FileItem_Click(1);
    ASSERT_EQ(NumeroProgetti, 2);
    Ripristinato(false);
    EXPECT_TRUE(ed->CmdAsta->isEnabled());
    // Closing the last file back onto a project with a linkage.
    QuadrilateroDigitato();
    AvviaManuale(18);
    dialoghi.Rispondi(vbNo);
    ed->FileItem_Click(4);
    Ripristinato(true);
}

TEST_F(EditorFineSimulazione, NothingIsStoredWhileTheManualSimulationRunsAndUnitsEndIt) {
    QuadrilateroDigitato();
    const Progetto prima = P();
    AvviaManuale(18);
    EXPECT_EQ(ed->LblEsc->text(), "18.0");
    // The right button resets the view; a left click then would enter a point.
    emit ed->PicGeo().MouseDown(2, 0, 100, 100);
    emit ed->PicGeo().MouseUp(2, 0, 100, 100);
    emit ed->PicGeo().MouseDown(1, 0, 60, 60);
    emit ed->PicGeo().MouseUp(1, 0, 60, 60);
    EXPECT_EQ(std::tuple(ed->CmbModifica->isEnabled(), ed->CmdAddProject->isEnabled(), Conferme()),
              std::tuple(false, false, "0000"));
    EXPECT_TRUE(P().DatiMolla[3].P[1] == prima.DatiMolla[3].P[1]);
    EXPECT_EQ(PosizioneDisegnata(), 18);
    EXPECT_EQ(ed->CmdSimula->text().remove('&'), Maiuscola(14));
    // A change of units ends the simulation first; started again, the travel reads in inches.
    ed->UnitaItem[2]->trigger();
    Ripristinato(true);
    EXPECT_EQ(PosizioneDisegnata(), 0);
    AvviaManuale(18);
    EXPECT_EQ(ed->LblEsc->text(), "0.71");
}

// A wheel radius typed while the simulation shows a displaced linkage ends the simulation and
// lowers the linkage from its rest position, as the same radius typed at rest does.
TEST_F(EditorFineSimulazione, AWheelRadiusTypedDuringTheSimulationRebasesFromRest) {
    const auto geometria = [this] {
        return std::tuple(P().DatiForcellone.P, P().DatiAsta[1].P, P().DatiAsta[2].P,
                          P().DatiMolla[3].P);
    };
    std::vector<decltype(geometria())> ribasate;
    for (const int posizione : {-1, 18}) { // -1: typed at rest
        SCOPED_TRACE(posizione);
        AzzeraTabelle(), NumeroProgetti = ProgettoSelezionato = 1, ed->Form_Activate();
        QuadrilateroDigitato();
        if (posizione >= 0) AvviaManuale(posizione);
        const auto prima = geometria();
        Digita(ed->TxtRaggio, "320");
        Ripristinato(true);
        ribasate.push_back(geometria());
        EXPECT_FALSE(ribasate.back() == prima); // lowered
    }
    EXPECT_TRUE(ribasate[0] == ribasate[1]);
}

TEST_F(EditorFineSimulazione, AChangeOfUnitsConvertsTheOpenPanelAndStoresNothing) {
    ed->CmdAsta->click();
    const Progetto prima = P();
    ed->UnitaItem[2]->trigger();
    EXPECT_EQ(T(ed->LblAstaPrecX) + " " + T(ed->LblAstaPrecY), "7.8740157 1.9685039");
    EXPECT_EQ(T(ed->TxtAstaX) + T(ed->TxtAstaY), "");
    // What was typed is converted too, and stored only by the panel's OK.
    Digita(ed->TxtAstaX, "11.8110236");
    Digita(ed->TxtAstaY, "0");
    ed->UnitaItem[1]->trigger();
    EXPECT_EQ(T(ed->TxtAstaX), "300.00");
    EXPECT_TRUE(P().DatiAsta[1].P[0] == prima.DatiAsta[1].P[0]);
    EXPECT_TRUE(P().DatiAsta[1].P[1] == prima.DatiAsta[1].P[1]);
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
    ed->UnitaItem[1]->trigger();
    ed->CmdOKAsta->click();
    AttesiValori({820, 820}, {P().DatiAsta[1].P[1].X, P().DatiAsta[2].P[0].X}, 1e-3);
}

// The same steps with a simulation between two modifications, and without: the second
// modification is solved the same, whatever kind ran and however it ended.
TEST_F(EditorFineSimulazione, AModificationAfterASimulationIsSolvedAsWithoutOne) {
    const auto simula = [this] { ed->CmdSimula->click(); };
    const auto tipo = [this](int t) { ed->SimulazioneItem[t]->trigger(); };
    const auto unita = [this] { ed->UnitaItem[2]->trigger(), ed->UnitaItem[1]->trigger(); };
    const Valori senza = DueModifiche([] {}), senzaUnita = DueModifiche(unita);
    const std::vector<std::pair<std::function<void()>, const Valori*>> casi = {
        {[&] { simula(), simula(); }, &senza},
        {[&] { tipo(2), simula(); }, &senza}, // stopped after its fifteen cycles
        {[&] {
             QMetaObject::invokeMethod(ed, simula, Qt::QueuedConnection); // in the first yield
             tipo(2);
         },
         &senza},
        {[&] { tipo(3), simula(); }, &senza},
        {[&] { simula(), unita(); }, &senzaUnita},
    };
    for (size_t i = 0; i < casi.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(PrimaDifferenza(*casi[i].second, DueModifiche(casi[i].first)), "");
        EXPECT_EQ(ModoEdit, 5); // clicks move the modified element's point again
    }
}

// The same with a view tool used between the two modifications: the panel still shows the
// swingarm, and its OK modifies it as without the tool, whichever tool holds the mouse; a
// tool given up leaves the mouse moving the swingarm's point (mode 5).
TEST_F(EditorFineSimulazione, AModificationAfterAViewToolIsSolvedAsWithoutOne) {
    const auto voce = [this](int k) { ed->VistaItem[k]->trigger(); };
    const auto clic = [this](int tasto) {
        emit ed->PicGeo().MouseDown(tasto, 0, 60, 60), emit ed->PicGeo().MouseUp(tasto, 0, 60, 60);
    };
    const auto trascina = [this] { Trascina(40, 30, 90, 70); };
    const Valori senza = DueModifiche([] {});
    const std::vector<std::pair<std::function<void()>, int>> casi = {
        {[&] { voce(3), clic(1); }, 1},    // dolly: a click redraws
        {[&] { voce(3), clic(4); }, 5},    // dolly left with another button
        {[&] { voce(4), trascina(); }, 2}, // window zoom
        {[&] { voce(6), trascina(); }, 5}, // pan
        {[&] { voce(7), trascina(); }, 5}, // change of point of view
        {[&] { voce(4), clic(2); }, 5},    // a right click resets the view
        {[&] { voce(3), clic(2); }, 5},    // the same from the dolly
    };
    for (size_t i = 0; i < casi.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(PrimaDifferenza(senza, DueModifiche(casi[i].first)), "");
        EXPECT_EQ(ModoEdit, casi[i].second);
    }
}

// A wheel radius typed while the swingarm is modified lowers the whole linkage and leaves the
// swingarm being modified: its next OK is solved, as a new calculation of the same linkage is.
TEST_F(EditorFineSimulazione, AModificationAfterATypedRadiusIsSolved) {
    const Valori mostrati = DueModifiche([this] { Digita(ed->TxtRaggio, "330"); });
    EXPECT_EQ(ModoEdit, 5);
    RisolviProgetto(NumeroProgetti);
    EXPECT_EQ(PrimaDifferenza(mostrati, Risultati(P())), "");
}

TEST_F(EditorFineSimulazione, TheCloseBoxBringsTheStartScreenBackAsExitDoes) {
    FRMMENU* menu = FRMMENU::Istanza();
    ASSERT_NE(menu, nullptr);
    for (int volta = 0; volta < 2; ++volta) {
        if (volta == 0)
            ed->SottoFinestra()->close();
        else
            ed->CmdEsci->click();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(main->FigliaAttiva(), menu) << volta;
        EXPECT_GT(menu->width(), main->width() / 2) << volta;
        EXPECT_GT(main->menuBar()->actions().size(), 2) << volta;
        main->FileItem_Click(1);
        QCoreApplication::processEvents();
        ed = INSGEO01::Istanza();
        ASSERT_NE(ed, nullptr);
    }
}

} // namespace
