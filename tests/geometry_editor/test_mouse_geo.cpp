// The mouse on the editor's drawing: the pointer readouts against hand-worked figures, click
// entry into each element panel (the click fills the boxes and runs the confirm), modify mode,
// the right-button reset, and a modification after a change of point of view.
#include "geometry_editor/ControlliEditorFinti.h"

#include "core/Formato.h"

namespace kelvra::test {
namespace {

// The offscreen drawing is 600 pixels at 96 dpi: 158.75 mm across and down, showing
// 1600 mm of world each way when fitted.
constexpr double LATO_MM = 600 * 25.4 / 96;
constexpr double SCALA = 1600 / LATO_MM;

class Mouse : public FixtureEditor {
  protected:
    ControlliFinti ed;
    StrumentiVista strumenti{ed};
    MouseGeo mouse{ed, strumenti};

    void SetUp() override {
        FixtureEditor::SetUp();
        TestiProva();
        ed.NuovaCatena();
        ed.Scrivi(Casella::MaxEsc, "100");
        ed.conferme.clear();
    }
    void TearDown() override {
        TestiToolbar.clear();
        FixtureEditor::TearDown();
    }
    Progetto& P() { return Progetti[NumeroProgetti]; }
    std::string L(Etichetta e) { return ed.TestoEtichetta(e); }
    // The pointer over a world point, with the view in force.
    void Muovi(double X, double Y, int pulsanti = 0) {
        mouse.PicGeo_MouseMove(pulsanti, 0, SchermoX(X), SchermoY(Y));
    }
    void Clicca(double X, double Y, int pulsante = 1) {
        Muovi(X, Y);
        mouse.PicGeo_MouseDown(pulsante, 0, SchermoX(X), SchermoY(Y));
        mouse.PicGeo_MouseUp(pulsante, 0, SchermoX(X), SchermoY(Y));
    }
};

TEST_F(Mouse, LettureConIlForcelloneDaSolo) {
    // Model (750, 650): 200 right of and 250 above the pivot (550, 400), straight above the
    // attachment (750, 450) at 200 mm. The pointer is placed with the view's own single
    // precision scale, which is the hand-worked one.
    ASSERT_NEAR(ScalaSchemaX, SCALA, 1e-5);
    ASSERT_NEAR(ScalaSchemaY, SCALA, 1e-5);
    const double x = 750.0 / ScalaSchemaX;
    const double y = LATO_MM - 650.0 / ScalaSchemaY;
    mouse.PicGeo_MouseMove(0, 0, x, y);
    EXPECT_EQ(L(Etichetta::LblX), "200.00");
    EXPECT_EQ(L(Etichetta::LblY), "250.00");
    EXPECT_EQ(L(Etichetta::LblL), "200.0");
    EXPECT_EQ(L(Etichetta::LblAng), "90.0");
    EXPECT_TRUE(ed.croce);
    EXPECT_EQ(Suggerimento(), "hint 46");

    // The same point in inches: 200 / 25.4 and 250 / 25.4.
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    mouse.PicGeo_MouseMove(0, 0, x, y);
    EXPECT_NEAR(Val(L(Etichetta::LblX)), 200 / 25.4, 1e-6);
    EXPECT_NEAR(Val(L(Etichetta::LblY)), 250 / 25.4, 1e-6);
    EXPECT_EQ(L(Etichetta::LblL), "7.9");
    EXPECT_EQ(L(Etichetta::LblAng), "90.0");
}

TEST_F(Mouse, LAngoloNonSuperaCentottantaGradi) {
    // 100 right and 100 below the attachment reads as its mirror image above: 45 degrees.
    Muovi(850, 350);
    EXPECT_EQ(L(Etichetta::LblAng), "45.0");
    EXPECT_EQ(L(Etichetta::LblL), "141.4");
    Muovi(850, 550);
    EXPECT_EQ(L(Etichetta::LblAng), "45.0");
    // Left of and below: 180 - 26.565 degrees.
    Muovi(550, 350);
    EXPECT_EQ(L(Etichetta::LblAng), "153.435");
    EXPECT_EQ(L(Etichetta::LblL), "223.6");
}

TEST_F(Mouse, LetturaDaZoomUgualeAllaVistaAdattata) {
    ModoEdit = 2;
    mouse.PicGeo_MouseDown(1, 0, 40, 60);
    mouse.PicGeo_MouseMove(1, 0, 90, 100);
    mouse.PicGeo_MouseUp(1, 0, 90, 100);
    ASSERT_EQ(ZoomUtente, VERO);
    ASSERT_NEAR(ScalaSchemaX, 50 * SCALA / LATO_MM, 1e-4);
    Muovi(750, 650);
    EXPECT_EQ(L(Etichetta::LblX), "200.00");
    EXPECT_EQ(L(Etichetta::LblY), "250.00");
    EXPECT_EQ(L(Etichetta::LblL), "200.0");
    EXPECT_EQ(L(Etichetta::LblAng), "90.0");
}

TEST_F(Mouse, SuggerimentiPerModo) {
    for (int modo = 1; modo <= 5; ++modo) {
        ModoEdit = static_cast<int16_t>(modo);
        Muovi(700, 500);
        EXPECT_EQ(Suggerimento(), "hint " + std::to_string(46 + modo)) << modo;
    }
    ImpostaSuggerimento("before");
    ModoEdit = 6;
    Muovi(700, 500);
    EXPECT_EQ(Suggerimento(), "before");
}

TEST_F(Mouse, ClicConIlSoloForcelloneSpostaLAttacco) {
    Clicca(700, 500);
    EXPECT_EQ(ed.conferme, std::vector<int>{PANNELLO_FORCELLONE});
    AttesoPunto({700, 500}, P().DatiForcellone.P[2], 0.01f);
    AttesoPunto({550, 400}, P().DatiForcellone.P[0], 0.01f);
    EXPECT_TRUE(DatiUndo.Salvato[PANNELLO_FORCELLONE]);
}

TEST_F(Mouse, ClicInserisceAstaSquadrettaEAmmortizzatore) {
    ed.Aggiungi("A");
    ed.PuntoPrecedente(Casella::AstaPrecX, Casella::AstaPrecY);
    Clicca(800, 300);
    EXPECT_EQ(ed.conferme, std::vector<int>{PANNELLO_ASTA});
    AttesoPunto({750, 450}, P().DatiAsta[1].P[0], 0.01f);
    AttesoPunto({800, 300}, P().DatiAsta[1].P[1], 0.01f);
    EXPECT_TRUE(DatiUndo.Salvato[PANNELLO_ASTA]);

    ed.Aggiungi("S");
    ed.PuntoPrecedente(Casella::ElemPrecX, Casella::ElemPrecY);
    ed.ImpostaValore(Opzione::OptFix0, VERO);
    ed.ImpostaValore(Opzione::OptFix1, FALSO);
    Clicca(700, 250);
    // Vertex 3 goes 50 mm right of and above vertex 2.
    AttesoPunto({800, 300}, P().DatiSquadretta[2].P[0], 0.01f);
    AttesoPunto({700, 250}, P().DatiSquadretta[2].P[1], 0.01f);
    AttesoPunto({750, 300}, P().DatiSquadretta[2].P[2], 0.01f);
    EXPECT_EQ(ed.Testo(Casella::SquadrettaX1), "200.00");
    EXPECT_EQ(ed.Testo(Casella::SquadrettaY1), "-100.00");

    ed.Aggiungi("M");
    ed.PuntoPrecedente(Casella::MollaPrecX, Casella::MollaPrecY);
    Clicca(650, 600);
    EXPECT_EQ(ed.conferme.back(), PANNELLO_MOLLA);
    AttesoPunto({750, 300}, P().DatiMolla[3].P[0], 0.01f);
    AttesoPunto({650, 600}, P().DatiMolla[3].P[1], 0.01f);
    // The shock's confirm checked the chain and solved it.
    EXPECT_EQ(ed.risoluzioni, 1);
    EXPECT_EQ(P().GeometriaInserita, VERO);
    EXPECT_GT(P().NumPunti, 2);
}

TEST_F(Mouse, InPolliciIlTerzoVerticeDistaCinquantaMillimetri) {
    SistemaUnita = SISTEMA_IMPERIALE;
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    ed.Asta("9.84252", "-3.937008"); // (800, 300)
    ed.Aggiungi("S");
    ed.PuntoPrecedente(Casella::ElemPrecX, Casella::ElemPrecY);
    Clicca(700, 250);
    EXPECT_NEAR(Val(ed.Testo(Casella::SquadrettaX1)) - Val(ed.Testo(Casella::SquadrettaX0)),
                50 / 25.4, 1e-5);
    EXPECT_NEAR(Val(ed.Testo(Casella::SquadrettaY1)) - Val(ed.Testo(Casella::SquadrettaY0)),
                50 / 25.4, 1e-5);
    AttesoPunto({750, 300}, P().DatiSquadretta[2].P[2], 0.01f);
}

TEST_F(Mouse, IlTastoDestroNonInserisceERiadattaLaVista) {
    ModoEdit = 2;
    mouse.PicGeo_MouseDown(1, 0, 40, 60);
    mouse.PicGeo_MouseMove(1, 0, 90, 100);
    mouse.PicGeo_MouseUp(1, 0, 90, 100);
    ASSERT_EQ(ZoomUtente, VERO);
    CorrezioneAltezza = 500;
    ModoEdit = 0;
    const TrePunti prima = P().DatiForcellone;
    Clicca(700, 500, 2);
    EXPECT_TRUE(ed.conferme.empty());
    AttesoPunto(prima.P[2], P().DatiForcellone.P[2]);
    EXPECT_EQ(ZoomUtente, FALSO);
    EXPECT_EQ(ModoEdit, 0);
    EXPECT_EQ(FinestraX1, 0);
    EXPECT_EQ(CorrezioneAltezza, 0);
    EXPECT_NEAR(ScalaSchemaX, SCALA, 1e-4);
    // The origin is back on the pivot.
    EXPECT_FLOAT_EQ(OrigineX, 550);
    EXPECT_FLOAT_EQ(OrigineY, 400);
}

TEST_F(Mouse, LoZoomCarrellatoRidisegnaEGliAltriTastiTornanoAlModoZero) {
    ModoEdit = 1;
    ed.immagine.Cancella();
    mouse.PicGeo_MouseDown(1, 0, 10, 10);
    EXPECT_GT(ed.immagine.ContaPixel(COLORE_FORCELLONE), 0);
    EXPECT_EQ(ModoEdit, 1);
    mouse.PicGeo_MouseDown(4, 0, 10, 10);
    EXPECT_EQ(ModoEdit, 0);
}

TEST_F(Mouse, InModificaIlClicSpostaLElementoScelto) {
    ed.Asta("250", "-100");
    ed.Asta("350", "-150");
    ed.elementoInModifica = 1;
    ed.RicaricaElementoInModifica();
    const RecordUndo undo = DatiUndo;
    Clicca(820, 320);
    EXPECT_EQ(ed.modifiche, std::vector<int>{PANNELLO_ASTA});
    AttesoPunto({820, 320}, P().DatiAsta[1].P[1], 0.01f);
    // The link after it follows the new chain point; no snapshot was taken.
    AttesoPunto({820, 320}, P().DatiAsta[2].P[0], 0.01f);
    EXPECT_EQ(DatiUndo.AstaX, undo.AstaX);
    EXPECT_EQ(ModoEdit, 5);

    // Another button leaves modify mode with the shock panel shown.
    Muovi(700, 500);
    mouse.PicGeo_MouseDown(2, 0, SchermoX(700), SchermoY(500));
    EXPECT_EQ(ModoEdit, 0);
    EXPECT_EQ(ed.pannello, PANNELLO_MOLLA);
    EXPECT_EQ(ed.testoCmbModifica, "Swingarm");
    AttesoPunto({820, 320}, P().DatiAsta[1].P[1], 0.01f);
}

TEST_F(Mouse, DopoUnCambioDiPuntoDiVistaLaModificaSpostaLElementoDoveIndicato) {
    ed.Asta("250", "-100"); // end (800, 300)
    ed.Asta("350", "-150");
    ed.elementoInModifica = 1;
    // Drag the view 20 mm right and 10 mm up on the picture.
    ModoEdit = 4;
    mouse.PicGeo_MouseDown(1, 0, 50, 50);
    mouse.PicGeo_MouseMove(1, 0, 70, 40);
    mouse.PicGeo_MouseUp(1, 0, 70, 40);
    ASSERT_EQ(ModoEdit, 5);
    ASSERT_NEAR(FinestraX1, -20 * SCALA, 1e-2);
    ASSERT_NEAR(FinestraY1, -10 * SCALA, 1e-2);
    // The coordinates shown do not change with the point of view.
    EXPECT_NEAR(Val(ed.Testo(Casella::AstaX)), 250, 1e-3);
    EXPECT_NEAR(Val(ed.Testo(Casella::AstaY)), -100, 1e-3);
    // The drawing moved with the mouse: the pivot's mark is 20 mm right and 10 mm up.
    const QPointF perno = ed.immagine.PixelDa(550 / SCALA + 20, LATO_MM - 400 / SCALA - 10);
    EXPECT_EQ(ed.immagine.ColorePixel(int(perno.x()), int(perno.y())), COLORE_SEGNO_FISSO);

    // Confirming the panel unchanged leaves the link where it was.
    ed.Conferma(PANNELLO_ASTA);
    AttesoPunto({800, 300}, P().DatiAsta[1].P[1], 0.01f);
    // A click puts its end under the pointer.
    Clicca(820, 320);
    AttesoPunto({820, 320}, P().DatiAsta[1].P[1], 0.01f);
    Clicca(780, 280);
    AttesoPunto({780, 280}, P().DatiAsta[1].P[1], 0.01f);
}

} // namespace
} // namespace kelvra::test
