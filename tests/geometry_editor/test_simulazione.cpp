// The animation's fine points the real window cannot show: the exact yields of the cycles, the
// trace, a kind chosen during a run, a window gone in a yield, a linkage that locks early, the
// pace.
#include "geometry_editor/ControlliEditorFinti.h"

#include <algorithm>
#include <vector>

namespace kelvra::test {
namespace {

class Simulation : public FixtureControlli {
  protected:
    SimulazioneGeo sim{ed};
    std::vector<int> visti; // the position drawn at each yield

    void SetUp() override {
        FixtureControlli::SetUp();
        ed.allaCessione = [this](int) { visti.push_back(PosizioneDisegnata()); };
    }
    // The four-bar of the other tests, solved over the whole 30 mm.
    void Quadrilatero() {
        ed.Asta("250", "-100");
        ed.Squadretta("150", "-150", "210", "-200", VERO, FALSO);
        ed.Molla("100", "200");
        ASSERT_GE(Progetti[1].NumPunti, 30);
    }
    long ColoreAsse(int i) {
        const Punto& w = Progetti[1].PosizioneRuota[i];
        return Colore(SchermoX(w.X), SchermoY(w.Y));
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
    // Rest and end of the range stay visible together; stopping leaves the rest alone.
    EXPECT_EQ((std::pair{ColoreAsse(30), ColoreAsse(0)}),
              (std::pair{COLORE_FORCELLONE, COLORE_FORCELLONE}));
    sim.CmdSimula_Click();
    EXPECT_EQ((std::pair{ColoreAsse(30), ColoreAsse(0)}),
              (std::pair{COLORE_BIANCO, COLORE_FORCELLONE}));
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
    EXPECT_EQ((std::pair{ColoreAsse(15), ColoreAsse(0)}),
              (std::pair{COLORE_BIANCO, COLORE_FORCELLONE}));
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
    for (auto [didascalia, suggerimento] :
         {std::pair{"&SIMULATE", "hint 44"}, {"STOP", "hint 43"}}) {
        ed.cmdSimula = didascalia;
        sim.CmdSimula_MouseMove();
        EXPECT_EQ(Suggerimento(), suggerimento);
    }
}

// No further frame, yield, caption or stop step after the window went away.
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

// The animation's pace, on a rocker whose pinned vertex 3 (700, 200) shares its x with vertex 2.
class Pacing : public FixtureControlli {
  protected:
    SimulazioneGeo sim{ed};
    void SetUp() override {
        FixtureControlli::SetUp();
        ed.Asta("250", "-100");
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

TEST_F(Pacing, ManualChosenDuringAutomaticStartsFromRestAndHoldsTheFreeVertex) {
    ed.allaCessione = [&](int n) {
        if (n == 6) sim.SimulazioneItem_Click(1);
    };
    sim.CmdSimula_Click();
    EXPECT_EQ(ed.lblEscTesto, "0.0");
    EXPECT_EQ(PuntiCatena[1], Progetti[1].PuntiGiunzione[2][1][0]);
    // The held vertex comes from the whole point index.
    for (int16_t i : {0, 15, 30}) {
        int16_t posizione = i;
        sim.AssegnazioneSimula(posizione);
        AttesoPunto(Progetti[1].PuntiGiunzione[4][1][i], PuntiCatena[3]); // the free vertex
    }
}

} // namespace
} // namespace kelvra::test
