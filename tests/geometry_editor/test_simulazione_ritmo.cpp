// The automatic animation's pace on the clock, the manual kind chosen while the automatic one
// runs, and a rocker pinned at a vertex that shares its x with the free one.
#include "geometry_editor/ControlliEditorFinti.h"

#include <vector>

namespace kelvra::test {
namespace {

constexpr double PERIODO = 1000.0 / 60;

class Ritmo : public FixtureEditor {
  protected:
    ControlliFinti ed;
    SimulazioneGeo sim{ed};

    void SetUp() override {
        FixtureEditor::SetUp();
        TestiProva();
        ed.NuovaCatena();
        ed.Scrivi(Casella::MaxEsc, "100");
    }
    void TearDown() override {
        TestiToolbar.clear();
        FixtureEditor::TearDown();
    }
    // The four-bar of the other tests with the rocker's vertices given; solved to 30 mm.
    void Quadrilatero(const char* x3, const char* y3, int16_t fix0, int16_t fix1) {
        ed.Asta("250", "-100");
        ed.Squadretta("150", "-150", x3, y3, fix0, fix1);
        ed.Molla("100", "200");
        ASSERT_GE(Progetti[1].NumPunti, 30);
    }
    static int PosizioneDisegnata() {
        const Progetto& p = Progetti[NumeroProgetti];
        for (int i = 0; i <= MAX_PUNTI; ++i)
            if (PuntiCatena[1] == p.PuntiGiunzione[2][1][i]) return i;
        return -1;
    }
};

TEST_F(Ritmo, SessantaFotogrammiAlSecondoSuQualsiasiMacchina) {
    Quadrilatero("210", "-200", VERO, FALSO);
    // Each frame takes 3 ms to draw; the tenth one 50 ms more.
    std::vector<double> istanti;
    ed.allaCessione = [&](int n) {
        istanti.push_back(orologio.adesso);
        orologio.adesso += n == 10 ? 53 : 3;
    };
    ed.TipoSimulazione = 2;
    sim.CmdSimula_Click();
    ASSERT_EQ(istanti.size(), 15u * 63);
    // The slow frame delays the next one and the steady rate goes on from there, with no
    // frames hurried to catch up.
    EXPECT_NEAR(istanti[10] - istanti[9], 53, 1e-6);
    for (int i = 11; i < 31; ++i) EXPECT_NEAR(istanti[i] - istanti[i - 1], PERIODO, 1e-6) << i;
    // 930 frames take 15.5 s: the turn's extra yield does not wait.
    EXPECT_NEAR(istanti.back() - istanti.front(), 929 * PERIODO + 53 - PERIODO, 1e-6);
}

TEST_F(Ritmo, IlManualeSceltoDuranteLAutomaticoMostraIlRiposo) {
    Quadrilatero("210", "-200", VERO, FALSO);
    ed.allaCessione = [&](int n) {
        if (n == 6) sim.SimulazioneItem_Click(1);
    };
    ed.TipoSimulazione = 2;
    sim.CmdSimula_Click();
    EXPECT_EQ(ed.TipoSimulazione, 1);
    EXPECT_EQ(ed.StatoSimula, 1);
    EXPECT_EQ(ed.valoreVScroll, 0);
    EXPECT_EQ(ed.lblEscTesto, "0.0");
    EXPECT_EQ(PosizioneDisegnata(), 0);
}

TEST_F(Ritmo, IlVerticeFissatoSiRiconosceDalPuntoIntero) {
    // Vertex 2 (700, 250) and the pinned vertex 3 (700, 200) share their x.
    Quadrilatero("150", "-200", FALSO, VERO);
    const Progetto& p = Progetti[1];
    for (int16_t i : {0, 15, 30}) {
        int16_t posizione = i;
        sim.AssegnazioneSimula(posizione);
        // The free vertex 2, where the next element starts, follows the solver; the pinned
        // one stays on the frame.
        AttesoPunto(p.PuntiGiunzione[4][1][i], PuntiCatena[3]);
        AttesoPunto({700, 200}, p.PuntiFissi[2]);
    }
}

} // namespace
} // namespace kelvra::test
