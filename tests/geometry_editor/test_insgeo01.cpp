// The geometry editor window driven as a user drives it, by keys and clicks: a linkage typed
// into its panels and solved, modified, undone, the units switched, the editor re-activated,
// printed; refused input, access keys and tab order, hints, and the layout at any size.
#include "Attesi.h"
#include "support/FinestraReale.h"

#include "core/Formato.h"
#include "core/Unita.h"
#include "platform/Messaggi.h"
#include "shell/FrmMenu.h"
#include "support/RisposteDialoghi.h"
#include "support/TastiAccesso.h"

#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <cmath>

using namespace kelvra;
using namespace kelvra::test;

namespace {

class GeometryEditorWindow : public FinestraReale {
  protected:
    void Tasti(const QString& testo) { QTest::keyClicks(QApplication::focusWidget(), testo); }
    void Tasto(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
    Punto Relativo(int i) {
        const TrePunti& f = P().DatiForcellone;
        return {f.P[i].X - f.P[0].X, f.P[i].Y - f.P[0].Y};
    }
    // Every access key of the menu bar and of the controls shown is unique.
    void TastiUnici() { test::TastiUnici("editor", ed, main->menuBar()->actions()); }
    // The four-bar by keyboard: each add command leaves the focus on its panel's first box,
    // Enter in a box confirms the panel.
    void QuadrilateroDaTastiera() {
        QApplication::setActiveWindow(main);
        Digita(ed->TxtMaxEsc, "100");
        const char* valori[][2] = {{"250", "-100"}, {"350", "-150"}, {"0", "250"}};
        for (const auto& v : valori) {
            TastiUnici();
            QPushButton* comando = v[0][0] == '0' ? ed->CmdMolla : ed->CmdAsta;
            comando->setFocus();
            QTest::keyClick(comando, Qt::Key_Space);
            auto* x = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            ASSERT_TRUE(x == ed->TxtAstaX || x == ed->TxtMollaX);
            Digita(x, v[0]);
            QTest::keyClick(x, Qt::Key_Tab);
            Digita(qobject_cast<QLineEdit*>(QApplication::focusWidget()), v[1]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        ASSERT_EQ(P().StatoDatiProgetto, 1);
    }
    // Whether Tab, from the simulate button, comes to the manual simulation's scroll bar.
    bool TabVaAllaBarra() {
        ed->CmdSimula->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 100 && QApplication::focusWidget() != ed->VScroll; ++i)
            Tasto(Qt::Key_Tab);
        return QApplication::focusWidget() == ed->VScroll;
    }
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
    EXPECT_EQ(TitoloApplicazione(), "KELVRATONE");
    EXPECT_FALSE(ed->windowIcon().pixmap(16).isNull());
    // The key filter stops the maximum travel at 1000.
    Digita(ed->TxtMaxEsc, "1001");
    EXPECT_EQ(T(ed->TxtMaxEsc), "100");
    EXPECT_GE(dialoghi.beep, 1);
}

TEST_F(GeometryEditorWindow, ATypedFourBarIsSolvedAndPrinted) {
    EXPECT_FALSE(ed->CmdStampa->isEnabled());
    QuadrilateroDigitato();
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(P().UltimoElemento, 3);
    EXPECT_EQ(P().StatoDatiProgetto, 1);
    EXPECT_GE(P().NumPunti, 20);
    EXPECT_NEAR(P().LunghezzaAmmortizzatore[0], std::hypot(250.0, 350.0), 1e-3);
    EXPECT_FLOAT_EQ(P().MaxEscursioneRuota, 100.0f);
    // The chain is closed: nothing more can be added; the geometry commands are on.
    EXPECT_EQ(Stati({ed->CmdAsta, ed->CmdSquadretta, ed->CmdMolla, ed->CmdSimula, ed->CmdStampa},
                    &QWidget::isEnabled),
              "00011");
    ASSERT_EQ(ed->CmbModifica->count(), 4);
    EXPECT_EQ(ed->CmbModifica->itemText(3), DaAnsi(Riga(TestiInsGeo01, 29)) + ",3");
    if (const char* file = std::getenv("KELVRA_SCREENSHOT")) main->grab().save(file);
    // Printing sends the drawing, or warns when it fails or there is no printer.
    RisposteDialoghi stampa;
    ed->CmdStampa->click();
    ASSERT_EQ(stampa.stampe.size(), 1u);
    EXPECT_EQ(stampa.stampe[0].immagine, ed->PicGeo().Immagine());
    EXPECT_EQ(stampa.stampe[0].titolo, ed->windowTitle().toStdString());
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

// The graph window's Data button and the file readers refresh the editor through its hook: the
// element list then reads as it did while the chain was typed, the swingarm by its bare name.
TEST_F(GeometryEditorWindow, ARefreshedElementListReadsAsTyped) {
    QuadrilateroDigitato();
    const auto voci = [this] {
        QStringList v;
        for (int i = 0; i < ed->CmbModifica->count(); ++i) v << ed->CmbModifica->itemText(i);
        return v.join('|').toStdString();
    };
    const std::string digitate = voci();
    Chiama(Ganci.AttivaInsGeo);
    EXPECT_EQ(voci(), digitate);
}

// The editor set up again from the project (as after Open, Compare or a thumbnail) offers the
// shock absorber's mount on the swingarm exactly when the typed chain did: not for a shock
// absorber straight after the swingarm, so the focus starts in its first box, not on the mark.
TEST_F(GeometryEditorWindow, TheSwingarmMountIsOfferedAsTypedWhenTheEditorIsSetUpAgain) {
    QApplication::setActiveWindow(main);
    QuadrilateroDigitato();
    Chiama(Ganci.AttivaInsGeo);
    EXPECT_TRUE(ed->ChkFix->isEnabled());
    for (int i = 0; i < 3; ++i) ed->SchemaRimuoviUltimo();
    ASSERT_EQ(P().UltimoElemento, 0);
    ed->CmdMolla->click();
    EXPECT_FALSE(ed->ChkFix->isEnabled());
    Digita(ed->TxtMollaX, "0");
    Digita(ed->TxtMollaY, "250");
    ed->CmdOKMolla->click();
    ASSERT_EQ(P().UltimoElemento, 1);
    ed->ChkFix->setEnabled(true); // as the four-bar's chain left it
    Chiama(Ganci.AttivaInsGeo);
    EXPECT_TRUE(ed->FRMMOLLA->isVisible());
    EXPECT_FALSE(ed->ChkFix->isEnabled());
}

TEST_F(GeometryEditorWindow, ThePanelsFollowTheChain) {
    ed->CmdSquadretta->click();
    TastiUnici();
    // A rocker in slot 1: both options off and disabled; nothing is added meanwhile.
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
    TastiUnici();
    // The link starts at the rocker's vertex 2, the shock at its vertex 3.
    EXPECT_EQ(T(ed->LblAstaPrecX) + " " + T(ed->LblAstaPrecY), "250.00 -100.00");
    Digita(ed->TxtAstaX, "350");
    Digita(ed->TxtAstaY, "-200");
    ed->CmdOKAsta->click();
    ed->CmdMolla->click();
    TastiUnici();
    EXPECT_TRUE(ed->ChkFix->isEnabled());
    EXPECT_EQ(T(ed->LblMollaPrecX) + " " + T(ed->LblMollaPrecY), "300.00 0.00");
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
    AttesiValori({820, 820, 820},
                 {P().DatiAsta[1].P[1].X, P().DatiAsta[2].P[0].X, P().DatiMolla[3].P[0].X}, 1e-4);
    EXPECT_NEAR(P().LunghezzaAmmortizzatore[0], std::hypot(270.0, 350.0), 1e-3);
    EXPECT_EQ(P().StatoDatiProgetto, 1);
    // Undo: back to the link as it was when it was chosen.
    int16_t zero = 0;
    ed->ProceduraUndo(zero);
    AttesiValori({800, 800}, {P().DatiAsta[1].P[1].X, P().DatiAsta[2].P[0].X}, 1e-4);
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
    const auto Punti = [](const Progetto& p) {
        return std::vector<Punto>{p.DatiForcellone.P[1], p.DatiForcellone.P[2], p.DatiAsta[1].P[1],
                                  p.DatiAsta[2].P[1], p.DatiMolla[3].P[1]};
    };
    AttesiPunti(Punti(prima), Punti(P()), 1e-4f);
    EXPECT_FLOAT_EQ(P().MaxEscursioneRuota, 100.0f);
    EXPECT_EQ(P().NumPunti, prima.NumPunti);
    EXPECT_EQ(P().StatoDatiProgetto, 1);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(GeometryEditorWindow, ReactivatingKeepsTheSwingarmAnUnfinishedChainGoesOnExitCutsIt) {
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
    EXPECT_EQ(Stati({ed->CmdAsta, ed->CmdSquadretta, ed->CmdMolla}, &QWidget::isEnabled), "110");
    EXPECT_EQ(T(ed->TxtAstaX), "250.00");
    ed->CmdSquadretta->click();
    EXPECT_EQ(P().UltimoElemento, 2);
    // Exiting with the chain unfinished cuts it back to the swingarm.
    ed->CmdEsci_Click();
    EXPECT_EQ(P().UltimoElemento, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(INSGEO01::Istanza(), nullptr);
}

TEST_F(GeometryEditorWindow, NoElementBeyondSlot10) {
    // A damaged chain read from a file already fills every slot: the add commands
    // refuse.
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

TEST_F(GeometryEditorWindow, TypingTheWheelRadiusKeepsTheSwingarmTyped) {
    QApplication::setActiveWindow(main);
    ed->TxtForcelloneX[1]->setFocus();
    ed->TxtForcelloneX[1]->selectAll();
    Tasti("400");
    Tasto(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), ed->TxtForcelloneY[1]);
    ed->TxtForcelloneY[1]->selectAll();
    Tasti("-80");
    QTest::mouseClick(ed->TxtRaggio, Qt::LeftButton);
    ed->TxtRaggio->selectAll();
    Tasti("300");
    EXPECT_EQ(Val(T(ed->TxtForcelloneX[1])), 400);
    EXPECT_EQ(Val(T(ed->TxtForcelloneY[1])), -80);
    ed->CmdOKForcellone->click();
    EXPECT_EQ(Relativo(1), (Punto{400, -80}));
    EXPECT_NEAR(P().DatiForcellone.P[1].Y, 300, 1e-3); // on the ground line
    EXPECT_EQ(Val(T(ed->TxtForcelloneX[1])), 400);
}

TEST_F(GeometryEditorWindow, RockerTabsThroughItsBoxesAndRefusesAnEmptyOne) {
    QApplication::setActiveWindow(main);
    DigitaAsta("250", "-100");
    ed->CmdSquadretta->click();
    ASSERT_EQ(QApplication::focusWidget(), ed->TxtSquadrettaX[0]);
    for (const char* v : {"150", "-150", "150"}) {
        Tasti(v);
        Tasto(Qt::Key_Tab);
    }
    ASSERT_EQ(QApplication::focusWidget(), ed->TxtSquadrettaY[1]);
    Tasto(Qt::Key_Return); // the last box is still empty
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].testo,
              Riga(Messaggi, 94) + " " + Maiuscolo(Riga(TestiInsGeo01, 3)) + Riga(Messaggi, 2));
    EXPECT_EQ(QApplication::focusWidget(), ed->TxtSquadrettaY[1]);
    EXPECT_EQ(P().DatiSquadretta[2].P[2], Punto{});
    Tasti("-200");
    Tasto(Qt::Key_Return);
    EXPECT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_NEAR(P().DatiSquadretta[2].P[2].Y - P().DatiForcellone.P[0].Y, -200, 1e-3);
    // After the boxes come the options.
    ed->TxtSquadrettaY[1]->setFocus();
    Tasto(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ed->OptFix[0]);
}

TEST_F(GeometryEditorWindow, ARefusedMaximumTravelLeavesTheWindowUsable) {
    QuadrilateroDigitato();
    // A travel the check refuses can only come from a file: the box takes at most
    // 1000 mm.
    P().MaxEscursioneRuota = 1200;
    ed->Form_Activate();
    ed->CmdSimula->click();
    EXPECT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(ed->CmdSimula->text().remove('&'),
              DaAnsi(Maiuscolo(Riga(TestiInsGeo01, 8))).remove('&'));
    EXPECT_EQ(ed->StatoSimula, 0);
    ASSERT_TRUE(ed->CmdOKMolla->isEnabled());
    Digita(ed->TxtMaxEsc, "100");
    ed->CmdOKMolla->click();
    ed->CmdSimula->click();
    EXPECT_EQ(ed->StatoSimula, 1);
    EXPECT_TRUE(ed->VScroll->isVisible());
}

TEST_F(GeometryEditorWindow, TheStartScreensGeometryEntryOpensTheNewProject) {
    RegistraFrmMenu();
    FRMMENU& menu = FRMMENU::Crea();
    menu.FileItem_Click(1);
    ASSERT_EQ(NumeroProgetti, 2);
    menu.SchemaItem_Click(1);
    EXPECT_EQ(NumeroProgetti, 2);
    ed = INSGEO01::Istanza();
    ed->CmdEsci->click();
    EXPECT_EQ(NumeroProgetti, 2);
    delete &menu;
}

TEST_F(GeometryEditorWindow, UndoKeepsTheChainNothingIsAddedToItAndARefusedChainIsNotEntered) {
    QuadrilateroDaTastiera();
    const Progetto prima = P();
    int16_t zero = 0;
    ed->ProceduraUndo(zero); // no shock absorber was confirmed before this one
    EXPECT_TRUE(P().DatiMolla[3].P[0] == prima.DatiMolla[3].P[0] &&
                P().DatiMolla[3].P[1] == prima.DatiMolla[3].P[1]);
    EXPECT_EQ(P().NumPunti, prima.NumPunti);
    ed->Form_Activate(); // back from another window
    EXPECT_FALSE(ed->ToolsItem[4]->isEnabled());
    ed->ToolsItem_Click(4);
    ed->CmdAsta_Click();
    EXPECT_EQ(P().UltimoElemento, 3);
    P().TipoElemento[3] = "A";
    EXPECT_FALSE(ed->ControlloVariabili());
    EXPECT_EQ(P().StatoDatiProgetto, 0);
}

TEST_F(GeometryEditorWindow, TheCloseBoxLeavesAnUnfinishedChainAsExitDoes) {
    ed->CmdAsta->click(); // never confirmed
    ed->SottoFinestra()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    main->FileItem_Click(1);
    ASSERT_NE(ed = INSGEO01::Istanza(), nullptr);
    ed->CmdAsta->click();
    EXPECT_EQ(P().UltimoElemento, 1);
    EXPECT_EQ(T(ed->LblAstaPrecX) + T(ed->LblAstaPrecY), "200.0050.00");
}

TEST_F(GeometryEditorWindow, NumbersBeyondTheFourByteRangeNeverReachTheRecords) {
    for (QLineEdit* c : {ed->TxtForcelloneX[0], ed->TxtForcelloneY[1], ed->TxtRaggio}) {
        for (const QString& testo : {QString("1e39"), QString("1e308"), QString(40, '9')}) {
            const QString prima = c->text();
            c->selectAll();
            QApplication::clipboard()->setText(testo);
            QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(c->text(), prima) << testo.toStdString();
        }
        Digita(c, "1e39"); // the last key is refused
        EXPECT_EQ(T(c), "1e3");
    }
    ed->CmdOKForcellone->click();
    for (const Punto& punto : P().DatiForcellone.P) EXPECT_TRUE(std::isfinite(punto.X + punto.Y));
    Digita(ed->TxtForcelloneX[2], "200");
    ed->CmdOKForcellone->click();
    EXPECT_NEAR(P().DatiForcellone.P[2].X - P().DatiForcellone.P[0].X, 200.0f, 1e-3f);
}

TEST_F(GeometryEditorWindow, EveryControlShowsItsHint) {
    const std::pair<QWidget*, std::string> casi[] = {
        {ed->CmdAsta, "Add a link"},
        {ed->CmdEsci, "Leave this window"},
        {ed->CmdSimula, "Start the simulation"},
        {ed->LblModifica, "Choose an element to modify"},
        {ed->ChkQuote, "Show the coordinates of the points"},
        {ed->LblDati, "Maximum wheel travel"},
        {ed->FrmTool, "Cursor coordinates, and length and angle from the last point"},
        {ed->VScroll,
         "Wheel travel shown: drag the bar, or use the arrow, Page, Home and End keys"}};
    for (const auto& [w, testo] : casi) {
        ed->LblX->setText("1");
        QMouseEvent e(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
        EXPECT_EQ(Suggerimento(), testo);
        // Only the coordinate strip blanks the read-out.
        EXPECT_EQ(ed->LblX->text(), w == ed->FrmTool ? "-" : "1") << testo;
    }
}

// The simulate button's hint follows its caption while the pointer rests on it.
TEST_F(GeometryEditorWindow, TheSimulateHintFollowsTheButtonUnderThePointer) {
    QuadrilateroDigitato();
    QEnterEvent entra(QPointF(2, 2), QPointF(2, 2), ed->CmdSimula->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(ed->CmdSimula, &entra);
    ed->CmdSimula->click();
    EXPECT_EQ(Suggerimento(), "Stop the simulation");
    ed->CmdSimula->click();
    EXPECT_EQ(Suggerimento(), "Start the simulation");
}

// In a box, Alt+R opens the Results menu while the rocker button is greyed, and the greyed
// rocker's own access key types nothing.
TEST_F(GeometryEditorWindow, AltRInABoxOpensTheResultsMenuBesideTheGreyedRocker) {
    QApplication::setActiveWindow(main);
    QuadrilateroDigitato();
    ASSERT_FALSE(ed->CmdSquadretta->isEnabled());
    QLineEdit* x = ed->TxtMollaX;
    const QString prima = x->text();
    QTest::keyClick(x, Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(ed->MenuItem[12]->isVisible());
    ed->MenuItem[12]->hide();
    const QKeyCombination rocker = QKeySequence::mnemonic(ed->CmdSquadretta->text())[0];
    QTest::keyClick(x, rocker.key(), rocker.keyboardModifiers());
    EXPECT_EQ(x->text(), prima);
}

// While the manual simulation runs its scroll bar is a Tab stop, framed while it holds the
// focus as the other controls are, and the arrow, Page, Home and End keys move the travel, Page
// by more than an arrow. Each state keeps its access keys apart.
TEST_F(GeometryEditorWindow, TheManualSimulationIsDrivenByTheScrollBarKeys) {
    QApplication::setActiveWindow(main);
    QuadrilateroDigitato();
    TastiUnici();
    ed->CmdSimula->click();
    TastiUnici();
    QScrollBar* barra = ed->VScroll;
    // The pixels of the bar's outer two-pixel ring, and how many of them differ between two.
    const auto Bordo = [barra] {
        const QImage im = barra->grab().toImage();
        std::vector<QRgb> bordo;
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                if (std::min({x, y, im.width() - 1 - x, im.height() - 1 - y}) < 2)
                    bordo.push_back(im.pixel(x, y));
        return bordo;
    };
    const auto Diversi = [](const std::vector<QRgb>& a, const std::vector<QRgb>& b) {
        size_t n = 0;
        for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) n += a[i] != b[i];
        return n;
    };
    const std::vector<QRgb> senzaFuoco = Bordo();
    ASSERT_TRUE(TabVaAllaBarra());
    // Framed down both long sides at least.
    EXPECT_GT(Diversi(Bordo(), senzaFuoco), 2u * static_cast<size_t>(barra->height()));
    ASSERT_EQ(barra->maximum(), 30);
    const int pagina = barra->pageStep();
    EXPECT_GT(pagina, barra->singleStep());
    const std::pair<Qt::Key, int> passi[] = {
        {Qt::Key_Down, 1},  {Qt::Key_PageDown, 1 + pagina}, {Qt::Key_Up, pagina}, {Qt::Key_End, 30},
        {Qt::Key_Down, 30}, {Qt::Key_PageUp, 30 - pagina},  {Qt::Key_Home, 0},    {Qt::Key_Up, 0}};
    for (const auto& [tasto, posizione] : passi) {
        QTest::keyClick(barra, tasto);
        EXPECT_EQ(barra->value(), posizione) << QKeySequence(tasto).toString().toStdString();
        EXPECT_EQ(AdAnsi(ed->LblEsc->text()), FormattaNumero(posizione, "##0.0#"));
    }
    Tasto(Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), barra);
    EXPECT_EQ(Diversi(Bordo(), senzaFuoco), 0u) << "the frame goes with the focus";
    ed->CmdSimula->click();
    TastiUnici();
    EXPECT_FALSE(TabVaAllaBarra());
}

// A simulation ended while its bar holds the focus (STOP by its access key, or an Open that
// resets the drawing) leaves the focus in the first box of the panel shown, where the editor
// starts, not in whatever box follows the hidden bar.
TEST_F(GeometryEditorWindow, TheHiddenScrollBarHandsTheFocusToTheFirstBox) {
    QApplication::setActiveWindow(main);
    QuadrilateroDigitato();
    ASSERT_TRUE(ed->FRMMOLLA->isVisible());
    for (const bool azzera : {false, true}) {
        ed->CmdSimula->click();
        ASSERT_TRUE(TabVaAllaBarra());
        if (azzera)
            ed->Form_Activate();
        else
            ed->CmdSimula->click();
        ASSERT_FALSE(ed->VScroll->isVisible());
        EXPECT_EQ(ed->focusWidget(), ed->TxtMollaX) << (azzera ? "activation" : "STOP");
    }
}

TEST_F(GeometryEditorWindow, TheElementListIsQuietDuringManualSimulation) {
    QuadrilateroDigitato();
    ed->CmdSimula->click();
    EXPECT_FALSE(ed->CmbModifica->isEnabled());
    ed->VistaItem[6]->trigger(); // nor does a pan choose the listed element
    Trascina(50, 40, 60, 40);
    EXPECT_EQ(ModoEdit, 3);
    ed->CmdSimula->click();
    EXPECT_TRUE(ed->CmbModifica->isEnabled());
}

TEST_F(GeometryEditorWindow, TheStripNeitherMovesNorIsCutAndTheDrawingKeepsOneScale) {
    for (int16_t unita : {SISTEMA_METRICO, SISTEMA_IMPERIALE}) {
        ed->UnitaItem_Click(unita);
        for (QSize misura : {QSize(1, 1), QSize(1400, 1050)}) {
            main->resize(misura);
            QCoreApplication::processEvents();
            const QPoint lista = ed->LblModifica->mapTo(main, QPoint());
            EXPECT_LE(ed->CmdEsci->mapTo(main, QPoint()).x() + ed->CmdEsci->width(), main->width());
            for (double x : {1.0, 150.0}) {
                emit ed->PicGeo().MouseMove(0, 0, x, x);
                QCoreApplication::processEvents();
                EXPECT_EQ(ed->LblModifica->mapTo(main, QPoint()), lista);
                for (const QLabel* l : {ed->LblX, ed->LblY})
                    EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()),
                              l->contentsRect().width());
            }
            const QLineEdit* c = ed->TxtMaxEsc; // 150 mm: "5.9055118" in
            EXPECT_LE(c->fontMetrics().horizontalAdvance(c->text()) + 8, c->width()) << unita;
        }
        // Back at full size the whole picture is drawn at one scale.
        EXPECT_NEAR(ScalaSchemaY / ScalaSchemaX, 1, 0.01) << unita;
    }
}

} // namespace
