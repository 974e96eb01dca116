// The editor as a user drives it with keys and clicks: what one box must leave alone in the
// others, refused input, and the start screen's way in.
#include "support/FinestraReale.h"

#include "core/Formato.h"
#include "shell/FrmMenu.h"

#include <QApplication>

using namespace kelvra;

namespace {

class EditorInUse : public test::FinestraReale {
  protected:
    void Tasti(const QString& testo) { QTest::keyClicks(QApplication::focusWidget(), testo); }
    void Tasto(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }
    Punto Relativo(int i) {
        const TrePunti& f = P().DatiForcellone;
        return {f.P[i].X - f.P[0].X, f.P[i].Y - f.P[0].Y};
    }
};

TEST_F(EditorInUse, TypingTheWheelRadiusKeepsTheSwingarmTyped) {
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

TEST_F(EditorInUse, RockerTabsThroughItsBoxesAndRefusesAnEmptyOne) {
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

TEST_F(EditorInUse, ARefusedMaximumTravelLeavesTheWindowUsable) {
    QuadrilateroDigitato();
    // A travel the check refuses can only come from a file: the box takes at most 1000 mm.
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

TEST_F(EditorInUse, TheStartScreensGeometryEntryOpensTheNewProject) {
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

} // namespace
