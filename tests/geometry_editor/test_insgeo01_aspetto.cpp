// The animation's pace and first frames (over the stand-in controls), then the real editor as
// it looks and answers the pointer: hints, the element list, the bottom strip, title and icon.
#include "geometry_editor/ControlliEditorFinti.h"
#include "platform/Messaggi.h"
#include "support/FinestraReale.h"

#include <QApplication>
#include <QMouseEvent>

namespace kelvra::test {
namespace {

class Pacing : public FixtureEditor {
  protected:
    ControlliFinti ed;
    SimulazioneGeo sim{ed};
    void SetUp() override {
        FixtureEditor::SetUp();
        ed.NuovaCatena();
        ed.Asta("250", "-100");
        // Vertex 2 (700, 250) and the pinned vertex 3 (700, 200) share their x.
        ed.Squadretta("150", "-150", "150", "-200", FALSO, VERO);
        ed.Molla("100", "200");
        ed.TipoSimulazione = 2;
    }
};

TEST_F(Pacing, SixtyFramesPerSecondOnAnyMachine) {
    std::vector<double> t; // a frame takes 3 ms to draw, the tenth 53
    ed.allaCessione = [&](int n) {
        t.push_back(orologio.adesso);
        orologio.adesso += n == 10 ? 53 : 3;
    };
    sim.CmdSimula_Click();
    ASSERT_EQ(t.size(), 15u * 63);
    // The late frame is not made up for by hurried ones; the turn's extra yield does not wait.
    EXPECT_NEAR(t[10] - t[9], 53, 1e-6);
    for (int i = 11; i < 31; ++i) EXPECT_NEAR(t[i] - t[i - 1], PERIODO_FOTOGRAMMA, 1e-6) << i;
    EXPECT_NEAR(t.back() - t.front(), 928 * PERIODO_FOTOGRAMMA + 53, 1e-6);
}

TEST_F(Pacing, ManualChosenDuringAutomaticStartsFromRest) {
    ed.allaCessione = [&](int n) {
        if (n == 6) sim.SimulazioneItem_Click(1);
    };
    sim.CmdSimula_Click();
    EXPECT_EQ(ed.lblEscTesto, "0.0");
    EXPECT_EQ(PuntiCatena[1], Progetti[1].PuntiGiunzione[2][1][0]);
}

TEST_F(Pacing, TheHeldVertexComesFromTheWholePointIndex) {
    for (int16_t i : {0, 15, 30}) {
        int16_t posizione = i;
        sim.AssegnazioneSimula(posizione);
        AttesoPunto(Progetti[1].PuntiGiunzione[4][1][i], PuntiCatena[3]); // the free vertex
    }
}

using Appearance = FinestraReale;

TEST_F(Appearance, EveryControlShowsItsHint) {
    const std::pair<QWidget*, std::string> casi[] = {
        {ed->CmdAsta, "Add a link"},
        {ed->CmdEsci, "Leave this window"},
        {ed->CmdSimula, "Start the simulation"},
        {ed->LblModifica, "Choose an element to modify"},
        {ed->ChkQuote, "Show the coordinates of the points"},
        {ed->LblDati, "Maximum wheel travel"},
        {ed->FrmTool, "Cursor coordinates, and length and angle from the last point"}};
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

TEST_F(Appearance, TheElementListIsQuietDuringManualSimulation) {
    Digita(ed->TxtMaxEsc, "100");
    DigitaAsta("250", "-100");
    DigitaAsta("350", "-150");
    ed->CmdMolla->click();
    Digita(ed->TxtMollaX, "0");
    Digita(ed->TxtMollaY, "250");
    ed->CmdOKMolla->click();
    ed->CmdSimula->click();
    EXPECT_FALSE(ed->CmbModifica->isEnabled());
    ed->VistaItem[6]->trigger(); // nor does a pan choose the listed element
    Trascina(50, 40, 60, 40);
    EXPECT_EQ(ModoEdit, 3);
    ed->CmdSimula->click();
    EXPECT_TRUE(ed->CmbModifica->isEnabled());
}

TEST_F(Appearance, TheStripNeitherMovesNorIsCutAndTheDrawingKeepsOneScale) {
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

TEST_F(Appearance, TheProgramsTitleAndIcon) {
    EXPECT_EQ(TitoloApplicazione(), "KELVRATONE");
    EXPECT_FALSE(ed->windowIcon().pixmap(16).isNull());
}

} // namespace
} // namespace kelvra::test
