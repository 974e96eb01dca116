// The mouse and the view tools on the stand-in editor: readouts against hand-worked figures,
// click entry, the right button, the View modes, the zoom rectangle, the point of view.
#include "geometry_editor/ControlliEditorFinti.h"

#include "core/Formato.h"

namespace kelvra::test {
namespace {

// The offscreen drawing is 600 pixels at 96 dpi: 158.75 mm across and down, showing
// 1600 mm of world each way when fitted.
constexpr double LATO_MM = 600 * 25.4 / 96;
constexpr double SCALA = 1600 / LATO_MM;

class Mouse : public FixtureControlli {
  protected:
    StrumentiVista strumenti{ed};
    MouseGeo mouse{ed, strumenti};

    std::string L(Etichetta e) { return ed.TestoEtichetta(e); }
    void Muovi(double X, double Y) { mouse.PicGeo_MouseMove(0, 0, SchermoX(X), SchermoY(Y)); }
    void Clicca(double X, double Y, int pulsante = 1) {
        Muovi(X, Y);
        mouse.PicGeo_MouseDown(pulsante, 0, SchermoX(X), SchermoY(Y));
        mouse.PicGeo_MouseUp(pulsante, 0, SchermoX(X), SchermoY(Y));
    }
    void Trascina(int16_t modo, double x1, double y1, double x2, double y2) {
        ModoEdit = modo;
        mouse.PicGeo_MouseDown(1, 0, x1, y1);
        mouse.PicGeo_MouseMove(1, 0, x2, y2);
        mouse.PicGeo_MouseUp(1, 0, x2, y2);
    }
    // The x, y, length and angle read-outs, space separated.
    std::string Letture() {
        return L(Etichetta::LblX) + " " + L(Etichetta::LblY) + " " + L(Etichetta::LblL) + " " +
               L(Etichetta::LblAng);
    }
};

TEST_F(Mouse, ReadingsWithTheSwingarmAlone) {
    // Model (750, 650): 200 right of and 250 above the pivot (550, 400), straight above the
    // attachment (750, 450) at 200 mm. The pointer is placed with the hand-worked scale.
    ASSERT_NEAR(ScalaSchemaX, SCALA, 1e-5);
    ASSERT_NEAR(ScalaSchemaY, SCALA, 1e-5);
    const double x = 750.0 / ScalaSchemaX;
    const double y = LATO_MM - 650.0 / ScalaSchemaY;
    mouse.PicGeo_MouseMove(0, 0, x, y);
    EXPECT_EQ(Letture(), "200.00 250.00 200.0 90.0");
    EXPECT_TRUE(ed.croce);
    EXPECT_EQ(Suggerimento(), "hint 46");
    // In inches: 200 / 25.4 and 250 / 25.4.
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    mouse.PicGeo_MouseMove(0, 0, x, y);
    EXPECT_NEAR(Val(L(Etichetta::LblX)), 200 / 25.4, 1e-6);
    EXPECT_NEAR(Val(L(Etichetta::LblY)), 250 / 25.4, 1e-6);
    EXPECT_EQ(L(Etichetta::LblL), "7.9");
    ImpostaUnitaMisura(SISTEMA_METRICO);
    // The angle never exceeds 180 degrees: below the attachment reads as its mirror above.
    const struct {
        double X, Y;
        const char *ang, *l;
    } casi[] = {{850, 550, "45.0", "141.4"},
                {850, 350, "45.0", "141.4"},
                {550, 350, "153.435", "223.6"}}; // 180 - atan(1/2)
    for (const auto& c : casi) {
        Muovi(c.X, c.Y);
        EXPECT_EQ(L(Etichetta::LblAng), c.ang) << c.X << " " << c.Y;
        EXPECT_EQ(L(Etichetta::LblL), c.l) << c.X << " " << c.Y;
    }
}

TEST_F(Mouse, AfterAZoomSameReadingsAndTheRightButtonRefitsWithoutEntering) {
    Trascina(2, 40, 60, 90, 100);
    ASSERT_EQ(ZoomUtente, VERO);
    ASSERT_NEAR(ScalaSchemaX, 50 * SCALA / LATO_MM, 1e-4);
    Muovi(750, 650);
    EXPECT_EQ(Letture(), "200.00 250.00 200.0 90.0");

    CorrezioneAltezza = 500;
    ModoEdit = 0;
    const TrePunti prima = P().DatiForcellone;
    Clicca(700, 500, 2);
    EXPECT_TRUE(ed.conferme.empty());
    AttesoPunto(prima.P[2], P().DatiForcellone.P[2]);
    AttesiValori({FALSO, 0, 0}, {double(ZoomUtente), FinestraX1, CorrezioneAltezza}, 0);
    EXPECT_NEAR(ScalaSchemaX, SCALA, 1e-4);
    AttesiValori({550, 400}, {OrigineX, OrigineY}, 0);
}

TEST_F(Mouse, HintsAndTheViewMenusMouseModes) {
    for (int16_t modo = 1; modo <= 5; ++modo) {
        ModoEdit = modo;
        Muovi(700, 500);
        EXPECT_EQ(Suggerimento(), "hint " + std::to_string(46 + modo)) << modo;
    }
    ImpostaSuggerimento("before");
    ModoEdit = 6;
    Muovi(700, 500);
    EXPECT_EQ(Suggerimento(), "before");
    const int attesi[8] = {-1, -1, -1, 1, 2, -1, 3, 4};
    for (int indice = 1; indice <= 7; ++indice) {
        ModoEdit = 5;
        strumenti.VistaItem_Click(indice);
        EXPECT_EQ(ModoEdit, attesi[indice] < 0 ? 5 : attesi[indice]) << indice;
    }
}

TEST_F(Mouse, ClicksInTheSwingarmAndInTheRocker) {
    Clicca(700, 500);
    EXPECT_EQ(ed.conferme, std::vector<int>{PANNELLO_FORCELLONE});
    AttesiPunti({{700, 500}, {550, 400}}, {P().DatiForcellone.P[2], P().DatiForcellone.P[0]},
                0.01f);
    EXPECT_TRUE(DatiUndo.Salvato[PANNELLO_FORCELLONE]);

    ed.Asta("100", "-100"); // (650, 300)
    ed.Aggiungi("S");
    ed.PuntoPrecedente(Casella::ElemPrecX, Casella::ElemPrecY);
    Clicca(700, 250);
    // Vertex 3 goes 50 mm right of and above vertex 2.
    const auto& v = P().DatiSquadretta[2].P;
    AttesiPunti({{650, 300}, {700, 250}, {750, 300}}, {v[0], v[1], v[2]}, 0.01f);
    EXPECT_EQ(ed.Testo(Casella::SquadrettaX1) + ed.Testo(Casella::SquadrettaY1), "200.00-100.00");
    EXPECT_FALSE(DatiUndo.Salvato[PANNELLO_SQUADRETTA]) << "no rocker was confirmed before";
}

TEST_F(Mouse, InInchesTheThirdVertexIsFiftyMillimetresAway) {
    SistemaUnita = SISTEMA_IMPERIALE;
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    ed.Asta("9.84252", "-3.937008"); // (800, 300)
    ed.Aggiungi("S");
    ed.PuntoPrecedente(Casella::ElemPrecX, Casella::ElemPrecY);
    Clicca(700, 250);
    for (auto [a, b] : {std::pair{Casella::SquadrettaX0, Casella::SquadrettaX1},
                        std::pair{Casella::SquadrettaY0, Casella::SquadrettaY1}})
        EXPECT_NEAR(Val(ed.Testo(b)) - Val(ed.Testo(a)), 50 / 25.4, 1e-5);
    AttesoPunto({750, 300}, P().DatiSquadretta[2].P[2], 0.01f);
}

TEST_F(Mouse, TheDragZoomRedrawsItsRectangleStaysInThePicture) {
    ModoEdit = 1;
    ed.immagine.Cancella();
    mouse.PicGeo_MouseDown(1, 0, 10, 10);
    EXPECT_GT(ed.immagine.ContaPixel(COLORE_FORCELLONE), 0);
    EXPECT_EQ(ModoEdit, 1);
    mouse.PicGeo_MouseDown(4, 0, 10, 10);
    EXPECT_EQ(ModoEdit, 0);
    // The zoom rectangle stays in the picture.
    ModoEdit = 2;
    mouse.PicGeo_MouseDown(1, 0, 100, 40);
    EXPECT_TRUE(ed.shape1Visibile);
    // Right to left: the left edge goes 1 mm right of the pointer.
    mouse.PicGeo_MouseMove(1, 0, 60, 70);
    AttesiValori({61, 40}, {ed.shape1.Left, ed.shape1.Width}, 0);
    // Beyond the right and bottom edges: stopped at the edges.
    mouse.PicGeo_MouseMove(1, 0, 200, 300);
    EXPECT_DOUBLE_EQ(ed.shape1.Left, 100);
    AttesiValori({LATO_MM - 100, LATO_MM - 40}, {ed.shape1.Width, ed.shape1.Height}, 1e-9);
    // Beyond the left and top edges.
    mouse.PicGeo_MouseMove(1, 0, -5, -5);
    const auto Rettangolo = [&] {
        return std::vector<double>{ed.shape1.Left, ed.shape1.Width, ed.shape1.Top,
                                   ed.shape1.Height};
    };
    AttesiValori({0, 101, 0, 41}, Rettangolo(), 0);
    // Without the left button nothing changes.
    mouse.PicGeo_MouseMove(0, 0, 120, 120);
    AttesiValori({0, 101, 0, 41}, Rettangolo(), 0);
}

TEST_F(Mouse, ClicksWithoutDraggingDoNotChangeTheView) {
    // A zoom click, and a 1 mm rectangle of a click that moved by a hair.
    Trascina(2, 50, 40, 50, 40);
    Trascina(2, 50, 40, 49, 60);
    EXPECT_NEAR(ScalaSchemaX, SCALA, 1e-5);
    AttesiValori({0, FALSO, 0}, {FinestraX1, double(ZoomUtente), double(ed.shape1Visibile)}, 0);
    // A pan whose drag is cut by another button.
    ModoEdit = 3;
    mouse.PicGeo_MouseDown(1, 0, 30, 30);
    EXPECT_TRUE(ed.line1Visibile);
    mouse.PicGeo_MouseMove(2, 0, 40, 40);
    EXPECT_FALSE(ed.line1Visibile);
    mouse.PicGeo_MouseUp(1, 0, 30, 30);
    AttesiValori({0, 0, 3}, {FinestraX1, double(ed.ricariche), double(ModoEdit)}, 0);
}

TEST_F(Mouse, AViewChangeKeepsTheShownCoordinates) {
    ModoEdit = 4;
    // Only the left button starts a drag in this mode.
    mouse.PicGeo_MouseDown(2, 0, 50, 50);
    EXPECT_FALSE(ed.line1Visibile);
    Trascina(4, 50, 50, 70, 40);
    AttesiValori({VERO, 5, 1}, {double(ZoomUtente), double(ModoEdit), double(ed.ricariche)}, 0);
    // The pivot still shows (0, 0) and the attachment (200, 50).
    const auto Mostrati = [] {
        return std::vector<double>{CoordinataVisualizzataX(550), CoordinataVisualizzataY(400),
                                   CoordinataVisualizzataX(750), CoordinataVisualizzataY(450)};
    };
    AttesiValori({0, 0, 200, 50}, Mostrati(), 1e-3);
    // The pivot's mark moved 20 mm right and 10 mm up, the reference cross through it.
    EXPECT_EQ(Colore(550 / SCALA + 20, LATO_MM - 400 / SCALA - 10), COLORE_SEGNO_FISSO);
    EXPECT_EQ(Colore(150, LATO_MM - 400 / SCALA - 10), COLORE_NERO);
    EXPECT_EQ(Colore(550 / SCALA + 20, 150), COLORE_NERO);
    // A second change of view still keeps them.
    Trascina(4, 60, 60, 40, 90);
    AttesiValori({0, 0, 200, 50}, Mostrati(), 1e-3);
}

} // namespace
} // namespace kelvra::test
