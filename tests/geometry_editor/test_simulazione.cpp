// The animation of the solved linkage: the manual kind driven through the scroll bar, the
// automatic kind's frames, the trace, the stops (button, menu, deactivation, closing) and the
// range and records they leave, all on an offscreen image with a yield that never waits.
#include "geometry_editor/ControlliEditorFinti.h"

#include "core/Cinematica.h"

#include <vector>

namespace kelvra::test {
namespace {

// The project's element records, to compare before and after.
struct Records {
    TrePunti forcellone;
    std::array<TrePunti, MAX_ELEMENTI + 1> aste;
    std::array<QuattroPunti, MAX_ELEMENTI + 1> squadrette;
    std::array<TrePunti, MAX_ELEMENTI + 1> molle;
};
Records Leggi() {
    const Progetto& p = Progetti[NumeroProgetti];
    return {p.DatiForcellone, p.DatiAsta, p.DatiSquadretta, p.DatiMolla};
}
void Uguali(const Records& a, const Records& b) {
    for (int j = 0; j < 3; ++j) EXPECT_EQ(a.forcellone.P[j], b.forcellone.P[j]) << j;
    for (int s = 0; s <= MAX_ELEMENTI; ++s) {
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(a.aste[s].P[j], b.aste[s].P[j]) << s;
            EXPECT_EQ(a.molle[s].P[j], b.molle[s].P[j]) << s;
        }
        for (int j = 0; j < 4; ++j) EXPECT_EQ(a.squadrette[s].P[j], b.squadrette[s].P[j]) << s;
    }
}

class Simulazione : public FixtureEditor {
  protected:
    ControlliFinti ed;
    SimulazioneGeo sim{ed};
    Records riposo;
    // Position drawn at each yield.
    std::vector<int> visti;

    void SetUp() override {
        FixtureEditor::SetUp();
        TestiProva();
        ed.NuovaCatena();
        ed.Scrivi(Casella::MaxEsc, "100");
        ed.Asta("250", "-100");
        ed.Squadretta("150", "-150", "210", "-200", VERO, FALSO);
        ed.Molla("100", "200");
        ASSERT_GE(Progetti[1].NumPunti, 30);
        riposo = Leggi();
        ed.conferme.clear();
    }
    void TearDown() override {
        TestiToolbar.clear();
        FixtureEditor::TearDown();
    }
    // The position whose linkage attachment the last drawing left as the first chain point.
    static int PosizioneDisegnata() {
        const Progetto& p = Progetti[NumeroProgetti];
        for (int i = 0; i <= MAX_PUNTI; ++i)
            if (PuntiCatena[1] == p.PuntiGiunzione[2][1][i]) return i;
        return -1;
    }
    void Registra() {
        ed.allaCessione = [this](int) { visti.push_back(PosizioneDisegnata()); };
    }
    // The colour of the image under a world point.
    long ColoreA(const Punto& w) {
        const QPointF px = ed.immagine.PixelDa(SchermoX(w.X), SchermoY(w.Y));
        return ed.immagine.ColorePixel(static_cast<int>(px.x()), static_cast<int>(px.y()));
    }
    const Punto& Asse(int i) { return Progetti[1].PosizioneRuota[i]; }
    void Avvia(int16_t tipo) {
        ed.TipoSimulazione = tipo;
        sim.CmdSimula_Click();
    }
};

TEST_F(Simulazione, ManualeLaBarraMostraLaPosizioneEFermandoSiTornaARiposo) {
    Avvia(1);
    EXPECT_EQ(ed.StatoSimula, 1);
    EXPECT_EQ(ed.cmdSimula, "STOP");
    EXPECT_FALSE(ed.confermeAbilitate);
    EXPECT_EQ(ModoEdit, 6);
    // An 800-twip strip for the bar, a third of the way into it, the label under it.
    EXPECT_FLOAT_EQ(ed.picGeo.Width, 8200);
    EXPECT_NEAR(ed.vscroll.Left, 9000 - 1600 / 3.0, 1e-3);
    EXPECT_FLOAT_EQ(ed.vscroll.Top, 0);
    EXPECT_FLOAT_EQ(ed.vscroll.Height, 9000 - 300);
    EXPECT_FLOAT_EQ(ed.lblEsc.Top, 8700);
    EXPECT_NEAR(ed.lblEsc.Left, 9000 - 1600 / 3.0 - 200, 1e-3);
    EXPECT_EQ(ed.massimoVScroll, 30);
    EXPECT_TRUE(ed.vscrollVisibile);
    EXPECT_EQ(ed.immagine.LarghezzaPixel(), 8200 / 15);

    ed.ImpostaValoreVScroll(17);
    sim.VScroll_Change();
    EXPECT_EQ(ed.lblEscTesto, "17.0");
    EXPECT_EQ(PosizioneDisegnata(), 17);
    // The swingarm is drawn through the axle 17 mm up.
    EXPECT_EQ(ColoreA(Asse(17)), COLORE_FORCELLONE);
    Uguali(riposo, Leggi());
    SistemaUnita = SISTEMA_IMPERIALE;
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    sim.VScroll_Change();
    EXPECT_EQ(ed.lblEscTesto, "0.67"); // 17 / 25.4 = 0.669

    sim.CmdSimula_Click();
    EXPECT_EQ(ed.StatoSimula, 2);
    EXPECT_EQ(ed.cmdSimula, "SIMULATE");
    EXPECT_TRUE(ed.confermeAbilitate);
    EXPECT_FLOAT_EQ(ed.picGeo.Width, 9000);
    EXPECT_FALSE(ed.vscrollVisibile);
    EXPECT_EQ(ed.valoreVScroll, 0);
    EXPECT_EQ(PosizioneDisegnata(), 0);
    EXPECT_EQ(ed.RichiestaStop, FALSO);
    EXPECT_EQ(ModoEdit, 6);
    EXPECT_EQ(ed.abilitazioni, 2);
    Uguali(riposo, Leggi());

    // Still mode 6: a click on the drawing enters nothing.
    StrumentiVista strumenti(ed);
    MouseGeo mouse(ed, strumenti);
    mouse.PicGeo_MouseMove(0, 0, 40, 40);
    mouse.PicGeo_MouseDown(1, 0, 40, 40);
    EXPECT_TRUE(ed.modifiche.empty());
    EXPECT_TRUE(ed.EditorFinto::conferme.empty());
}

TEST_F(Simulazione, AutomaticoQuindiciCicliDiAndataERitorno) {
    Registra();
    Avvia(2);
    // Each cycle: 31 frames up, one more yield at the turn, 31 frames down.
    ASSERT_EQ(ed.cessioni, 15 * (31 + 1 + 31));
    std::vector<int> ciclo;
    for (int i = 0; i <= 30; ++i) ciclo.push_back(i);
    ciclo.push_back(30);
    for (int i = 30; i >= 0; --i) ciclo.push_back(i);
    for (int c = 0; c < 15; ++c) {
        const std::vector<int> parte(visti.begin() + c * 63, visti.begin() + (c + 1) * 63);
        EXPECT_EQ(parte, ciclo) << "cycle " << c + 1;
    }
    // 15 x (31 + 31) frames: every yield but the 15 turns follows a new frame.
    EXPECT_EQ(visti.size() - 15, 15u * (31 + 31));
    EXPECT_EQ(PosizioneDisegnata(), 0);
    EXPECT_EQ(ModoEdit, 6);
    EXPECT_EQ(ed.cmdSimula, "STOP");
    Uguali(riposo, Leggi());
}

TEST_F(Simulazione, IRecordRestanoARiposoDuranteLaCorsa) {
    bool controllato = false;
    ed.allaCessione = [&](int n) {
        if (n != 20) return;
        controllato = true;
        EXPECT_EQ(PosizioneDisegnata(), 19);
        Uguali(riposo, Leggi());
        // The swingarm boxes show the rest geometry, from the pivot.
        EXPECT_EQ(ed.Testo(Casella::ForcelloneX1), "470.00");
        EXPECT_EQ(ed.Testo(Casella::ForcelloneY1), "-50.00");
        EXPECT_FALSE(ed.confermeAbilitate);
    };
    Avvia(2);
    EXPECT_TRUE(controllato);
}

TEST_F(Simulazione, IlPulsanteFermaLAutomaticoDopoIlFotogrammaInCorso) {
    ed.allaCessione = [&](int n) {
        if (n == 40) sim.CmdSimula_Click();
    };
    Avvia(2);
    EXPECT_EQ(ed.cessioni, 40);
    EXPECT_EQ(ed.StatoSimula, 2);
    EXPECT_EQ(ed.cmdSimula, "CONTINUE");
    EXPECT_EQ(ModoEdit, 0);
    EXPECT_EQ(ed.RichiestaStop, FALSO);
    EXPECT_TRUE(ed.confermeAbilitate);
    EXPECT_EQ(PosizioneDisegnata(), 0);
    Uguali(riposo, Leggi());
    // The next press starts again.
    ed.allaCessione = [&](int n) {
        if (n == 45) sim.CmdSimula_Click();
    };
    sim.CmdSimula_Click();
    EXPECT_EQ(ed.cessioni, 45);
}

TEST_F(Simulazione, DisattivareLaFinestraFermaLAnimazione) {
    ed.allaCessione = [&](int n) {
        if (n == 40) sim.Form_Deactivate();
    };
    Avvia(2);
    EXPECT_EQ(ed.cessioni, 40);
    EXPECT_EQ(ed.cmdSimula, "SIMULATE");
    EXPECT_EQ(ed.RichiestaStop, FALSO);
    EXPECT_FALSE(ed.vscrollVisibile);
    EXPECT_FLOAT_EQ(ed.picGeo.Width, 9000);
    EXPECT_TRUE(ed.confermeAbilitate);
    EXPECT_EQ(PosizioneDisegnata(), 0);
    Uguali(riposo, Leggi());
    // The caption offers a start, and the next press starts.
    ed.allaCessione = nullptr;
    ed.cessioni = 0;
    sim.CmdSimula_Click();
    EXPECT_EQ(ed.StatoSimula, 1);
    EXPECT_EQ(ed.cessioni, 15 * 63);
}

TEST_F(Simulazione, DisattivareDuranteIlManualeRiallargaIlDisegno) {
    Avvia(1);
    ed.ImpostaValoreVScroll(12);
    sim.VScroll_Change();
    sim.Form_Deactivate();
    EXPECT_FLOAT_EQ(ed.picGeo.Width, 9000);
    EXPECT_FALSE(ed.vscrollVisibile);
    EXPECT_EQ(ed.valoreVScroll, 0);
    EXPECT_EQ(PosizioneDisegnata(), 0);
    EXPECT_EQ(ed.RichiestaStop, FALSO);
    EXPECT_EQ(ed.cmdSimula, "SIMULATE");
    // Nothing running: deactivating again changes nothing.
    ed.cmdSimula = "x";
    sim.Form_Deactivate();
    EXPECT_EQ(ed.cmdSimula, "x");
}

TEST_F(Simulazione, ChiudereDuranteLAnimazioneLaChiudeQuandoIlCicloTermina) {
    bool permesso = true;
    ed.allaCessione = [&](int n) {
        if (n != 10) return;
        permesso = sim.Form_Unload();
        EXPECT_TRUE(sim.SimulazioneInCorso());
        EXPECT_EQ(ed.chiusure, 0);
    };
    Avvia(2);
    EXPECT_FALSE(permesso);
    EXPECT_EQ(ed.cessioni, 10);
    EXPECT_EQ(ed.chiusure, 1);
    EXPECT_FALSE(sim.SimulazioneInCorso());
    Uguali(riposo, Leggi());
    // Idle, the window may go at once.
    EXPECT_TRUE(sim.Form_Unload());
    EXPECT_EQ(ed.chiusure, 1);
}

TEST_F(Simulazione, TracciaTrePosizioniSovrapposte) {
    Registra();
    Avvia(3);
    EXPECT_EQ(visti, (std::vector<int>{0, 15, 30}));
    EXPECT_EQ(PosizioneDisegnata(), 0);
    EXPECT_EQ(ModoEdit, 0);
    // Rest and end of the range stay visible together.
    EXPECT_EQ(ColoreA(Asse(30)), COLORE_FORCELLONE);
    EXPECT_EQ(ColoreA(Asse(0)), COLORE_FORCELLONE);
    Uguali(riposo, Leggi());
    // Stopping clears the trace and draws the rest position alone.
    sim.CmdSimula_Click();
    EXPECT_EQ(ColoreA(Asse(30)), COLORE_BIANCO);
    EXPECT_EQ(ColoreA(Asse(0)), COLORE_FORCELLONE);
    EXPECT_EQ(ed.cmdSimula, "SIMULATE");
}

TEST_F(Simulazione, TracciaFermataAMetaDisegnaIlRiposo) {
    ed.allaCessione = [&](int n) {
        if (n == 2) sim.CmdSimula_Click();
    };
    Avvia(3);
    EXPECT_EQ(ed.cessioni, 2);
    EXPECT_EQ(ModoEdit, 0);
    EXPECT_EQ(ed.RichiestaStop, FALSO);
    EXPECT_EQ(ColoreA(Asse(15)), COLORE_BIANCO);
    EXPECT_EQ(ColoreA(Asse(0)), COLORE_FORCELLONE);
}

TEST_F(Simulazione, IlMenuAvviaSubitoESostituisceLAnimazioneInCorso) {
    Registra();
    sim.SimulazioneItem_Click(3);
    EXPECT_EQ(ed.TipoSimulazione, 3);
    EXPECT_EQ(ed.StatoSimula, 1);
    EXPECT_TRUE(ed.simulazioneSpuntata[3]);
    EXPECT_FALSE(ed.simulazioneSpuntata[1]);
    EXPECT_FALSE(ed.simulazioneSpuntata[2]);
    EXPECT_EQ(visti, (std::vector<int>{0, 15, 30}));

    // Chosen during an automatic run: the trace runs inside the yield and the automatic loop
    // ends there instead of drawing over it.
    visti.clear();
    ed.cessioni = 0;
    ed.TipoSimulazione = 2;
    ed.StatoSimula = 0;
    ed.allaCessione = [&](int n) {
        visti.push_back(PosizioneDisegnata());
        if (n == 5) sim.SimulazioneItem_Click(3);
    };
    sim.CmdSimula_Click();
    EXPECT_EQ(ed.cessioni, 5 + 3);
    EXPECT_EQ(std::vector<int>(visti.begin() + 5, visti.end()), (std::vector<int>{0, 15, 30}));
    EXPECT_EQ(ed.TipoSimulazione, 3);
    EXPECT_EQ(ModoEdit, 0);
    EXPECT_EQ(PosizioneDisegnata(), 0);
}

TEST_F(Simulazione, UnoZoomDellUtenteResta) {
    ASSERT_TRUE(ApplicaZoomFinestra(40, 90, 130, 100, ed.immagine));
    ZoomUtente = VERO;
    const float scala = ScalaSchemaX;
    const float angolo = FinestraX1;
    Avvia(1);
    ed.ImpostaValoreVScroll(10);
    sim.VScroll_Change();
    EXPECT_EQ(ScalaSchemaX, scala);
    EXPECT_EQ(FinestraX1, angolo);
    // Without a zoom every frame is fitted to 1600 mm across the narrowed drawing.
    ZoomUtente = FALSO;
    sim.VScroll_Change();
    EXPECT_NEAR(ScalaSchemaX, 1600 / (8200 / 15 * 25.4 / 96), 1e-4);
    EXPECT_EQ(FinestraX1, 0);
}

TEST_F(Simulazione, SuggerimentoDelPulsante) {
    ed.cmdSimula = "&SIMULATE";
    sim.CmdSimula_MouseMove();
    EXPECT_EQ(Suggerimento(), "hint 44");
    ed.cmdSimula = "STOP";
    sim.CmdSimula_MouseMove();
    EXPECT_EQ(Suggerimento(), "hint 43");
}

TEST_F(Simulazione, CatenaRifiutataNonAnima) {
    ed.Scrivi(Casella::MaxEsc, "2000");
    Registra();
    Avvia(2);
    EXPECT_EQ(ed.cessioni, 0);
    EXPECT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(ed.cmdSimula, "STOP");
    sim.CmdSimula_Click();
    EXPECT_EQ(ed.StatoSimula, 2);
    EXPECT_EQ(PosizioneDisegnata(), 0);
}

// A linkage that locks before 30 mm of travel: the animation stays within what was solved.
class SimulazioneCorta : public FixtureEditor {
  protected:
    ControlliFinti ed;
    SimulazioneGeo sim{ed};
    std::vector<int> visti;
    int ultimo = 0;
    void SetUp() override {
        FixtureEditor::SetUp();
        TestiProva();
        ed.NuovaCatena();
        ed.Scrivi(Casella::MaxEsc, "100");
        // Two links nearly in line between the attachment and the frame: little slack.
        ed.Asta("230", "-50");
        ed.Asta("200", "-150");
        ed.Molla("0", "250");
        ultimo = Progetti[1].NumPunti;
        ASSERT_GE(ultimo, 5);
        ASSERT_LT(ultimo, 30);
        ed.allaCessione = [this](int) {
            const Progetto& p = Progetti[1];
            int trovato = -1;
            for (int i = 0; i <= MAX_PUNTI; ++i)
                if (PuntiCatena[1] == p.PuntiGiunzione[2][1][i]) trovato = i;
            visti.push_back(trovato);
        };
    }
    void TearDown() override {
        TestiToolbar.clear();
        FixtureEditor::TearDown();
    }
};

TEST_F(SimulazioneCorta, LaBarraSiFermaAllUltimoPuntoRisolto) {
    EXPECT_EQ(UltimaPosizioneSimulazione(1), ultimo);
    ed.TipoSimulazione = 1;
    sim.CmdSimula_Click();
    EXPECT_EQ(ed.massimoVScroll, ultimo);
    ed.valoreVScroll = 30; // a value the bar cannot hold
    sim.VScroll_Change();
    EXPECT_EQ(ed.lblEscTesto, FormattaNumero(ultimo, "##0.0#"));
}

TEST_F(SimulazioneCorta, ICicliAutomaticiETracciaRestanoNelRisolto) {
    ed.TipoSimulazione = 2;
    sim.CmdSimula_Click();
    EXPECT_EQ(ed.cessioni, 15 * ((ultimo + 1) * 2 + 1));
    EXPECT_EQ(*std::max_element(visti.begin(), visti.end()), ultimo);
    EXPECT_EQ(*std::min_element(visti.begin(), visti.end()), 0);

    visti.clear();
    ed.TipoSimulazione = 3;
    ed.StatoSimula = 0;
    sim.CmdSimula_Click();
    EXPECT_EQ(visti, (std::vector<int>{0, ultimo / 2, ultimo}));
}

} // namespace
} // namespace kelvra::test
