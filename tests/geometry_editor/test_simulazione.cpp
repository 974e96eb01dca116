// The animation's fine points that the real window cannot show: the exact yields of the
// automatic cycles, the trace, a kind chosen during a run, a window gone in a yield, and a linkage
// that locks before the end of the travel. The stops are driven on the real window
// (test_insgeo01_animazione).
#include "geometry_editor/ControlliEditorFinti.h"

#include <algorithm>
#include <vector>

namespace kelvra::test {
namespace {

class Simulation : public FixtureEditor {
  protected:
    ControlliFinti ed;
    SimulazioneGeo sim{ed};
    // Position drawn at each yield.
    std::vector<int> visti;

    void SetUp() override {
        FixtureEditor::SetUp();
        TestiProva();
        ed.NuovaCatena();
        ed.Scrivi(Casella::MaxEsc, "100");
        ed.allaCessione = [this](int) { visti.push_back(PosizioneDisegnata()); };
    }
    void TearDown() override {
        TestiToolbar.clear();
        FixtureEditor::TearDown();
    }
    // The four-bar of the other tests, solved over the whole 30 mm.
    void Quadrilatero() {
        ed.Asta("250", "-100");
        ed.Squadretta("150", "-150", "210", "-200", VERO, FALSO);
        ed.Molla("100", "200");
        ASSERT_GE(Progetti[1].NumPunti, 30);
    }
    // The position whose linkage attachment the last drawing left as the first chain point.
    static int PosizioneDisegnata() {
        const Progetto& p = Progetti[NumeroProgetti];
        for (int i = 0; i <= MAX_PUNTI; ++i)
            if (PuntiCatena[1] == p.PuntiGiunzione[2][1][i]) return i;
        return -1;
    }
    long ColoreAsse(int i) {
        const Punto& w = Progetti[1].PosizioneRuota[i];
        const QPointF px = ed.immagine.PixelDa(SchermoX(w.X), SchermoY(w.Y));
        return ed.immagine.ColorePixel(static_cast<int>(px.x()), static_cast<int>(px.y()));
    }
    void Avvia(int16_t tipo) {
        ed.TipoSimulazione = tipo;
        sim.CmdSimula_Click();
    }
};

TEST_F(Simulation, AutomaticFifteenRoundTrips) {
    Quadrilatero();
    Avvia(2);
    // Each cycle: 31 frames up, one more yield at the turn, 31 frames down.
    std::vector<int> ciclo;
    for (int i = 0; i <= 30; ++i) ciclo.push_back(i);
    ciclo.push_back(30);
    for (int i = 30; i >= 0; --i) ciclo.push_back(i);
    ASSERT_EQ(visti.size(), 15u * (31 + 1 + 31));
    for (int c = 0; c < 15; ++c) {
        const std::vector<int> parte(visti.begin() + c * 63, visti.begin() + (c + 1) * 63);
        EXPECT_EQ(parte, ciclo) << "cycle " << c + 1;
    }
    EXPECT_EQ(PosizioneDisegnata(), 0);
    EXPECT_EQ(ModoEdit, 6);
}

TEST_F(Simulation, TraceThreeOverlaidPositionsThenRest) {
    Quadrilatero();
    Avvia(3);
    EXPECT_EQ(visti, (std::vector<int>{0, 15, 30}));
    EXPECT_EQ(ModoEdit, 0);
    // Rest and end of the range stay visible together.
    EXPECT_EQ(ColoreAsse(30), COLORE_FORCELLONE);
    EXPECT_EQ(ColoreAsse(0), COLORE_FORCELLONE);
    // Stopping clears the trace and draws the rest position alone.
    sim.CmdSimula_Click();
    EXPECT_EQ(ColoreAsse(30), COLORE_BIANCO);
    EXPECT_EQ(ColoreAsse(0), COLORE_FORCELLONE);
    EXPECT_EQ(ed.cmdSimula, "SIMULATE");

    // Stopped at its second position: the rest position alone.
    ed.allaCessione = [&](int n) {
        if (n == 2) sim.CmdSimula_Click();
    };
    ed.cessioni = 0;
    ed.StatoSimula = 0;
    Avvia(3);
    EXPECT_EQ(ed.cessioni, 2);
    EXPECT_EQ(ed.RichiestaStop, FALSO);
    EXPECT_EQ(ColoreAsse(15), COLORE_BIANCO);
    EXPECT_EQ(ColoreAsse(0), COLORE_FORCELLONE);
}

TEST_F(Simulation, AMenuChoiceDuringARunReplacesIt) {
    Quadrilatero();
    // The trace runs inside the automatic run's yield, which then ends instead of drawing
    // over it.
    ed.allaCessione = [&](int n) {
        visti.push_back(PosizioneDisegnata());
        if (n == 5) sim.SimulazioneItem_Click(3);
    };
    Avvia(2);
    EXPECT_EQ(ed.cessioni, 5 + 3);
    EXPECT_EQ(visti, (std::vector<int>{0, 1, 2, 3, 4, 0, 15, 30}));
    EXPECT_EQ(ed.TipoSimulazione, 3);
    EXPECT_TRUE(ed.simulazioneSpuntata[3]);
    EXPECT_FALSE(ed.simulazioneSpuntata[2]);
    EXPECT_EQ(ModoEdit, 0);
    EXPECT_EQ(PosizioneDisegnata(), 0);
}

TEST_F(Simulation, TheButtonsHint) {
    ed.cmdSimula = "&SIMULATE";
    sim.CmdSimula_MouseMove();
    EXPECT_EQ(Suggerimento(), "hint 44");
    ed.cmdSimula = "STOP";
    sim.CmdSimula_MouseMove();
    EXPECT_EQ(Suggerimento(), "hint 43");
}

// A window that goes away during a yield of either loop is not touched again: no further
// frame, yield, caption or stop step.
TEST_F(Simulation, AWindowGoneDuringAYieldIsLeftAlone) {
    Quadrilatero();
    for (int16_t tipo : {2, 3}) {
        ed.sparita = false;
        ed.cessioni = 0;
        ed.allaCessione = [this](int n) { ed.sparita = n == 2; };
        Avvia(tipo);
        EXPECT_EQ(ed.cessioni, 2) << tipo;
        EXPECT_EQ(ed.StatoSimula, 1) << tipo;
        EXPECT_EQ(ModoEdit, 6) << tipo;
        ed.StatoSimula = 0;
    }
}

// A linkage that locks before 30 mm of travel: the animation stays within what was solved.
TEST_F(Simulation, AChainThatLocksStaysWithinTheSolvedPart) {
    // Two links nearly in line between the attachment and the frame: little slack.
    ed.Asta("230", "-50");
    ed.Asta("200", "-150");
    ed.Molla("0", "250");
    const int ultimo = Progetti[1].NumPunti;
    ASSERT_GE(ultimo, 5);
    ASSERT_LT(ultimo, 30);
    EXPECT_EQ(UltimaPosizioneSimulazione(1), ultimo);

    Avvia(1);
    EXPECT_EQ(ed.massimoVScroll, ultimo);
    ed.valoreVScroll = 30; // a value the bar cannot hold
    sim.VScroll_Change();
    EXPECT_EQ(ed.lblEscTesto, FormattaNumero(ultimo, "##0.0#"));
    sim.CmdSimula_Click();

    ed.StatoSimula = 0;
    Avvia(2);
    EXPECT_EQ(ed.cessioni, 15 * ((ultimo + 1) * 2 + 1));
    EXPECT_EQ(*std::max_element(visti.begin(), visti.end()), ultimo);
    EXPECT_EQ(*std::min_element(visti.begin(), visti.end()), 0);

    visti.clear();
    ed.StatoSimula = 0;
    Avvia(3);
    EXPECT_EQ(visti, (std::vector<int>{0, ultimo / 2, ultimo}));
}

} // namespace
} // namespace kelvra::test
