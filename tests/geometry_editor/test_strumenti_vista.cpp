// The view tools of the editor's drawing: the mouse modes of the View menu, the grid steps,
// the window zoom with its rubber rectangle (clipped to the drawing) and the pan and change of
// point of view with their rubber line, against hand-worked view figures.
#include "geometry_editor/ControlliEditorFinti.h"

namespace kelvra::test {
namespace {

// The offscreen drawing is 600 pixels at 96 dpi: 158.75 mm each way, 1600 mm of world fitted.
constexpr double LATO_MM = 600 * 25.4 / 96;
constexpr double SCALA = 1600 / LATO_MM;

class Strumenti : public FixtureEditor {
  protected:
    ControlliFinti ed;
    StrumentiVista vista{ed};
    MouseGeo mouse{ed, vista};

    void SetUp() override {
        FixtureEditor::SetUp();
        TestiProva();
        ed.NuovaCatena();
    }
    void TearDown() override {
        TestiToolbar.clear();
        FixtureEditor::TearDown();
    }
    void Trascina(double x1, double y1, double x2, double y2) {
        mouse.PicGeo_MouseDown(1, 0, x1, y1);
        mouse.PicGeo_MouseMove(1, 0, x2, y2);
        mouse.PicGeo_MouseUp(1, 0, x2, y2);
    }
    // Pixels that are not the white ground (the grid's text is smoothed, not pure black).
    int Segnati() {
        int n = 0;
        for (int y = 0; y < ed.immagine.AltezzaPixel(); ++y)
            for (int x = 0; x < ed.immagine.LarghezzaPixel(); ++x)
                n += ed.immagine.ColorePixel(x, y) != COLORE_BIANCO;
        return n;
    }
    long Colore(double x, double y) {
        const QPointF px = ed.immagine.PixelDa(x, y);
        return ed.immagine.ColorePixel(static_cast<int>(px.x()), static_cast<int>(px.y()));
    }
};

TEST_F(Strumenti, IlMenuVistaSceglieIlModoDelMouse) {
    const int attesi[8] = {-1, -1, -1, 1, 2, -1, 3, 4};
    for (int indice = 1; indice <= 7; ++indice) {
        ModoEdit = 5;
        vista.VistaItem_Click(indice);
        EXPECT_EQ(ModoEdit, attesi[indice] < 0 ? 5 : attesi[indice]) << indice;
    }
}

TEST_F(Strumenti, PassiDellaGriglia) {
    EXPECT_EQ(PassoGrigliaItem(1), 0);
    EXPECT_EQ(PassoGrigliaItem(2), 50);
    EXPECT_EQ(PassoGrigliaItem(3), 100);
    EXPECT_EQ(PassoGrigliaItem(4), 250);
    EXPECT_EQ(PassoGrigliaItem(5), 500);
    EXPECT_EQ(PassoGrigliaItem(6), -1);

    vista.GrigliaItem_Click(1);
    EXPECT_EQ(PassoGriglia, 0);
    const int senza = Segnati();
    vista.GrigliaItem_Click(4);
    EXPECT_EQ(PassoGriglia, 250);
    const int rada = Segnati();
    vista.GrigliaItem_Click(2);
    EXPECT_EQ(PassoGriglia, 50);
    const int fitta = Segnati();
    // 7 x 7 marks, then 33 x 33 marks, over the same linkage.
    EXPECT_GT(rada, senza);
    EXPECT_GT(fitta - senza, 10 * (rada - senza));
    EXPECT_GT(ed.immagine.ContaPixel(COLORE_FORCELLONE), 0);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(ed.grigliaSpuntata[i], i == 2) << i;

    // Any other item keeps the step and leaves no item ticked.
    vista.GrigliaItem_Click(7);
    EXPECT_EQ(PassoGriglia, 50);
    for (int i = 1; i <= 5; ++i) EXPECT_FALSE(ed.grigliaSpuntata[i]) << i;
}

TEST_F(Strumenti, ZoomAFinestra) {
    ModoEdit = 2;
    mouse.PicGeo_MouseDown(1, 0, 40, 100);
    EXPECT_TRUE(ed.shape1Visibile);
    mouse.PicGeo_MouseMove(1, 0, 90, 130);
    EXPECT_DOUBLE_EQ(ed.shape1.Left, 40);
    EXPECT_DOUBLE_EQ(ed.shape1.Top, 100);
    EXPECT_DOUBLE_EQ(ed.shape1.Width, 50);
    EXPECT_DOUBLE_EQ(ed.shape1.Height, 30);
    mouse.PicGeo_MouseUp(1, 0, 90, 130);

    // Left edge at world x 40 * scale, bottom edge at world y (158.75 - 130) * scale; the
    // 50 mm width shows 50 * scale world mm.
    const double nuova = 50 * SCALA / LATO_MM;
    EXPECT_NEAR(FinestraX1, 40 * SCALA, 1e-2);
    EXPECT_NEAR(FinestraX2, 90 * SCALA, 1e-2);
    EXPECT_NEAR(FinestraY1, (LATO_MM - 130) * SCALA, 1e-2);
    EXPECT_NEAR(FinestraY2, (LATO_MM - 100) * SCALA, 1e-2);
    EXPECT_NEAR(ScalaSchemaX, nuova, 1e-5);
    EXPECT_NEAR(ScalaSchemaY, nuova, 1e-5);
    EXPECT_EQ(ZoomUtente, VERO);
    EXPECT_FALSE(ed.shape1Visibile);
    // The pivot (550, 400) is drawn at its zoomed place; the origin stays on it.
    const double px = (550 - 40 * SCALA) / nuova;
    const double py = LATO_MM - (400 - (LATO_MM - 130) * SCALA) / nuova;
    EXPECT_EQ(Colore(px, py), COLORE_SEGNO_FISSO);
    EXPECT_NEAR(CoordinataVisualizzataX(550), 0, 1e-3);
    EXPECT_NEAR(CoordinataVisualizzataY(400), 0, 1e-3);
}

TEST_F(Strumenti, IlRettangoloRestaNelDisegno) {
    ModoEdit = 2;
    mouse.PicGeo_MouseDown(1, 0, 100, 40);
    // Right to left: the left edge goes 1 mm right of the pointer.
    mouse.PicGeo_MouseMove(1, 0, 60, 70);
    EXPECT_DOUBLE_EQ(ed.shape1.Left, 61);
    EXPECT_DOUBLE_EQ(ed.shape1.Width, 40);
    // Beyond the right and bottom edges: stopped at the edges.
    mouse.PicGeo_MouseMove(1, 0, 200, 300);
    EXPECT_DOUBLE_EQ(ed.shape1.Left, 100);
    EXPECT_NEAR(ed.shape1.Width, LATO_MM - 100, 1e-9);
    EXPECT_NEAR(ed.shape1.Height, LATO_MM - 40, 1e-9);
    // Beyond the left and top edges.
    mouse.PicGeo_MouseMove(1, 0, -5, -5);
    EXPECT_DOUBLE_EQ(ed.shape1.Left, 0);
    EXPECT_DOUBLE_EQ(ed.shape1.Width, 101);
    EXPECT_DOUBLE_EQ(ed.shape1.Top, 0);
    EXPECT_DOUBLE_EQ(ed.shape1.Height, 41);
    // Without the left button nothing changes.
    const RettangoloZoom prima = ed.shape1;
    mouse.PicGeo_MouseMove(0, 0, 120, 120);
    EXPECT_DOUBLE_EQ(ed.shape1.Width, prima.Width);
}

TEST_F(Strumenti, UnClicSenzaTrascinareNonCambiaLaVista) {
    ModoEdit = 2;
    mouse.PicGeo_MouseDown(1, 0, 50, 40);
    mouse.PicGeo_MouseUp(1, 0, 50, 40);
    EXPECT_NEAR(ScalaSchemaX, SCALA, 1e-5);
    EXPECT_EQ(FinestraX1, 0);
    EXPECT_EQ(ZoomUtente, FALSO);
    EXPECT_FALSE(ed.shape1Visibile);
    // The 1 mm rectangle of a click that moved by a hair is refused too.
    mouse.PicGeo_MouseDown(1, 0, 50, 40);
    mouse.PicGeo_MouseMove(1, 0, 49.5, 60);
    ASSERT_DOUBLE_EQ(ed.shape1.Width, 0.5);
    mouse.PicGeo_MouseMove(1, 0, 49, 60);
    ASSERT_DOUBLE_EQ(ed.shape1.Width, 1);
    mouse.PicGeo_MouseUp(1, 0, 49, 60);
    EXPECT_NEAR(ScalaSchemaX, SCALA, 1e-5);
    EXPECT_EQ(ZoomUtente, FALSO);
}

TEST_F(Strumenti, LoSpostamentoSegueIlMouseESostituisceIlPrecedente) {
    ModoEdit = 3;
    mouse.PicGeo_MouseDown(1, 0, 50, 50);
    EXPECT_TRUE(ed.line1Visibile);
    mouse.PicGeo_MouseMove(1, 0, 70, 40);
    EXPECT_DOUBLE_EQ(ed.line1.X2, 70);
    EXPECT_DOUBLE_EQ(ed.line1.Y2, 40);
    mouse.PicGeo_MouseUp(1, 0, 70, 40);
    // Minus the drag in world mm: 20 mm right and 10 mm up on the picture.
    EXPECT_NEAR(FinestraX1, -20 * SCALA, 1e-2);
    EXPECT_NEAR(FinestraY1, -10 * SCALA, 1e-2);
    EXPECT_EQ(ModoEdit, 5);
    EXPECT_EQ(ed.ricariche, 1);
    EXPECT_FALSE(ed.line1Visibile);
    // The pivot's mark moved with the drag.
    EXPECT_EQ(Colore(550 / SCALA + 20, LATO_MM - 400 / SCALA - 10), COLORE_SEGNO_FISSO);

    ModoEdit = 3;
    Trascina(10, 10, 15, 30);
    EXPECT_NEAR(FinestraX1, -5 * SCALA, 1e-2);
    EXPECT_NEAR(FinestraY1, 20 * SCALA, 1e-2);
    EXPECT_EQ(ed.ricariche, 2);

    // Another button hides the line; a click without a drag moves nothing.
    ModoEdit = 3;
    mouse.PicGeo_MouseDown(1, 0, 30, 30);
    mouse.PicGeo_MouseMove(2, 0, 40, 40);
    EXPECT_FALSE(ed.line1Visibile);
    mouse.PicGeo_MouseUp(1, 0, 30, 30);
    EXPECT_NEAR(FinestraX1, -5 * SCALA, 1e-2);
    EXPECT_EQ(ed.ricariche, 2);
    EXPECT_EQ(ModoEdit, 3);
}

TEST_F(Strumenti, IlCambioDiPuntoDiVistaConservaLeCoordinateMostrate) {
    ModoEdit = 4;
    // Only the left button starts a drag in this mode.
    mouse.PicGeo_MouseDown(2, 0, 50, 50);
    EXPECT_FALSE(ed.line1Visibile);
    Trascina(50, 50, 70, 40);
    EXPECT_EQ(ZoomUtente, VERO);
    EXPECT_EQ(ModoEdit, 5);
    // The pivot still shows (0, 0) and the attachment (200, 50).
    EXPECT_NEAR(CoordinataVisualizzataX(550), 0, 1e-3);
    EXPECT_NEAR(CoordinataVisualizzataY(400), 0, 1e-3);
    EXPECT_NEAR(CoordinataVisualizzataX(750), 200, 1e-3);
    EXPECT_NEAR(CoordinataVisualizzataY(450), 50, 1e-3);
    // The reference cross goes through the moved pivot, 10 mm higher on the picture.
    EXPECT_EQ(Colore(150, LATO_MM - 400 / SCALA - 10), COLORE_NERO);
    EXPECT_EQ(Colore(550 / SCALA + 20, 150), COLORE_NERO);
    // A second change of view still keeps them.
    ModoEdit = 4;
    Trascina(60, 60, 40, 90);
    EXPECT_NEAR(CoordinataVisualizzataX(750), 200, 1e-3);
    EXPECT_NEAR(CoordinataVisualizzataY(450), 50, 1e-3);
}

} // namespace
} // namespace kelvra::test
