// The view tools' fine points: the mouse modes of the View menu, the zoom rectangle clipped
// to the drawing, clicks that must not change the view, and the change of point of view. The
// window zoom, the pan and the grid are driven on the real window (test_insgeo01_animazione).
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
    void Trascina(int16_t modo, double x1, double y1, double x2, double y2) {
        ModoEdit = modo;
        mouse.PicGeo_MouseDown(1, 0, x1, y1);
        mouse.PicGeo_MouseMove(1, 0, x2, y2);
        mouse.PicGeo_MouseUp(1, 0, x2, y2);
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

TEST_F(Strumenti, IlRettangoloRestaNelDisegno) {
    ModoEdit = 2;
    mouse.PicGeo_MouseDown(1, 0, 100, 40);
    EXPECT_TRUE(ed.shape1Visibile);
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
    mouse.PicGeo_MouseMove(0, 0, 120, 120);
    EXPECT_DOUBLE_EQ(ed.shape1.Width, 101);
}

TEST_F(Strumenti, ClicSenzaTrascinareNonCambianoLaVista) {
    // A zoom click, and a 1 mm rectangle of a click that moved by a hair.
    Trascina(2, 50, 40, 50, 40);
    Trascina(2, 50, 40, 49, 60);
    EXPECT_NEAR(ScalaSchemaX, SCALA, 1e-5);
    EXPECT_EQ(FinestraX1, 0);
    EXPECT_EQ(ZoomUtente, FALSO);
    EXPECT_FALSE(ed.shape1Visibile);
    // A pan whose drag is cut by another button.
    ModoEdit = 3;
    mouse.PicGeo_MouseDown(1, 0, 30, 30);
    EXPECT_TRUE(ed.line1Visibile);
    mouse.PicGeo_MouseMove(2, 0, 40, 40);
    EXPECT_FALSE(ed.line1Visibile);
    mouse.PicGeo_MouseUp(1, 0, 30, 30);
    EXPECT_EQ(FinestraX1, 0);
    EXPECT_EQ(ed.ricariche, 0);
    EXPECT_EQ(ModoEdit, 3);
}

TEST_F(Strumenti, IlCambioDiPuntoDiVistaConservaLeCoordinateMostrate) {
    ModoEdit = 4;
    // Only the left button starts a drag in this mode.
    mouse.PicGeo_MouseDown(2, 0, 50, 50);
    EXPECT_FALSE(ed.line1Visibile);
    Trascina(4, 50, 50, 70, 40);
    EXPECT_EQ(ZoomUtente, VERO);
    EXPECT_EQ(ModoEdit, 5);
    EXPECT_EQ(ed.ricariche, 1);
    // The pivot still shows (0, 0) and the attachment (200, 50).
    EXPECT_NEAR(CoordinataVisualizzataX(550), 0, 1e-3);
    EXPECT_NEAR(CoordinataVisualizzataY(400), 0, 1e-3);
    EXPECT_NEAR(CoordinataVisualizzataX(750), 200, 1e-3);
    EXPECT_NEAR(CoordinataVisualizzataY(450), 50, 1e-3);
    // The pivot's mark moved 20 mm right and 10 mm up, the reference cross through it.
    EXPECT_EQ(Colore(550 / SCALA + 20, LATO_MM - 400 / SCALA - 10), COLORE_SEGNO_FISSO);
    EXPECT_EQ(Colore(150, LATO_MM - 400 / SCALA - 10), COLORE_NERO);
    EXPECT_EQ(Colore(550 / SCALA + 20, 150), COLORE_NERO);
    // A second change of view still keeps them.
    Trascina(4, 60, 60, 40, 90);
    EXPECT_NEAR(CoordinataVisualizzataX(750), 200, 1e-3);
    EXPECT_NEAR(CoordinataVisualizzataY(450), 50, 1e-3);
}

} // namespace
} // namespace kelvra::test
