// The view transform of the linkage drawing: fit, zoom to a rectangle, drag conversion,
// grid and reference lines, with figures worked by hand.
#include "core/Unita.h"
#include "core/Vista.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace kelvra;

namespace {

// A picture that records what is asked of it.
class SuperficieRegistrata : public Superficie {
  public:
    struct Linea_ {
        double x1, y1, x2, y2;
        long colore;
    };
    struct Testo {
        double x, y;
        std::string testo;
    };

    SuperficieRegistrata(double larghezza, double altezza, double bordo = 0)
        : larghezza_(larghezza), altezza_(altezza), bordo_(bordo) {}

    void ScalaMillimetri() override { ++scalaMm; }
    double LarghezzaScala() const override { return larghezza_; }
    double AltezzaScala() const override { return altezza_; }
    double LarghezzaEsterna() const override { return larghezza_ + 2 * bordo_; }
    double AltezzaEsterna() const override { return altezza_ + 2 * bordo_; }
    void Cancella() override {}
    void ImpostaSpessore(int pixel) override { spessore = pixel; }
    int Spessore() const override { return spessore; }
    void ImpostaStile(StileLinea) override {}
    void ImpostaColorePrimoPiano(long c) override { primoPiano = c; }
    long ColorePrimoPiano() const override { return primoPiano; }
    void ImpostaColoreSfondo(long) override {}
    long ColoreSfondo() const override { return COLORE_BIANCO; }
    void Linea(double x1, double y1, double x2, double y2, long colore) override {
        linee.push_back({x1, y1, x2, y2, colore < 0 ? primoPiano : colore});
    }
    void Punto(double, double, long) override { ++punti; }
    void Cerchio(double, double, double, long) override { ++cerchi; }
    void ImpostaPosizione(double x, double y) override {
        posX = x;
        posY = y;
    }
    double PosizioneX() const override { return posX; }
    double PosizioneY() const override { return posY; }
    void Scrivi(const std::string& t) override { testi.push_back({posX, posY, t}); }
    double LarghezzaTesto(const std::string&) const override { return 1; }
    double AltezzaTesto(const std::string&) const override { return 1; }
    void ImpostaCarattere(const std::string&, double, bool) override {}

    int scalaMm = 0;
    int spessore = 7;
    long primoPiano = RGB(12, 34, 56);
    int punti = 0;
    int cerchi = 0;
    double posX = 0, posY = 0;
    std::vector<Linea_> linee;
    std::vector<Testo> testi;

  private:
    double larghezza_, altezza_, bordo_;
};

class Vista : public ::testing::Test {
  protected:
    void SetUp() override {
        AzzeraVista();
        AzzeraUnitaMisura();
    }
    void TearDown() override {
        AzzeraVista();
        AzzeraUnitaMisura();
    }
    // The editor's usual view: 1600 x 1600 world into a 200 mm square picture.
    void VistaEditor() { ASSERT_TRUE(ImpostaScalaDisegno(quadrata, 1600, 1600)); }

    SuperficieRegistrata quadrata{200, 200};
};

} // namespace

// ---- fit ------------------------------------------------------------------------------

TEST_F(Vista, FitOfTheEditorWorldGivesEightWorldMillimetresPerPictureMillimetre) {
    FinestraX1 = 300;
    FinestraY1 = -70;
    FinestraX2 = FinestraY2 = 5;
    VistaEditor();
    EXPECT_EQ(quadrata.scalaMm, 1);
    EXPECT_EQ(quadrata.spessore, 1);
    EXPECT_FLOAT_EQ(ScalaSchemaX, 8.0f);
    EXPECT_FLOAT_EQ(ScalaSchemaY, 8.0f);
    EXPECT_EQ(AreaSinistra, 0.0f);
    EXPECT_EQ(AreaSopra, 0.0f);
    EXPECT_EQ(AreaDestra, 200.0f);
    EXPECT_EQ(AreaSotto, 200.0f);
    EXPECT_EQ(LarghezzaArea, 200.0f);
    EXPECT_EQ(AltezzaArea, 200.0f);
    EXPECT_EQ(FinestraX1, 0.0f);
    EXPECT_EQ(FinestraY1, 0.0f);
    EXPECT_EQ(FinestraX2, 0.0f);
    EXPECT_EQ(FinestraY2, 0.0f);
    // World (0, 0) at the bottom-left corner, (1600, 0) at the bottom-right one.
    EXPECT_DOUBLE_EQ(SchermoX(0), 0.0);
    EXPECT_DOUBLE_EQ(SchermoY(0), 200.0);
    EXPECT_DOUBLE_EQ(SchermoX(1600), 200.0);
    EXPECT_DOUBLE_EQ(SchermoY(1600), 0.0);
    // The default pivot (550, 400).
    EXPECT_DOUBLE_EQ(SchermoX(550), 68.75);
    EXPECT_DOUBLE_EQ(SchermoY(400), 150.0);
}

TEST_F(Vista, FitFollowsTheControlsShapeAndTheCorrections) {
    // A wide picture with a 1 mm border: the y scale follows the outer height-to-width
    // ratio, 102 / 202 of the world height over 100 mm.
    SuperficieRegistrata larga(200, 100, 1);
    ASSERT_TRUE(ImpostaScalaDisegno(larga, 1600, 1600));
    EXPECT_FLOAT_EQ(ScalaSchemaX, 8.0f);
    EXPECT_NEAR(ScalaSchemaY, 102.0 / 202.0 * 1600.0 / 100.0, 1e-3);

    // 500 mm of height correction on a square control: 1600 + 500 visible.
    CorrezioneAltezza = 500;
    VistaEditor();
    EXPECT_NEAR(AltezzaArea * ScalaSchemaY, 2100.0, 1e-3);
    EXPECT_FLOAT_EQ(ScalaSchemaX, 8.0f);

    // The width correction comes off the world width.
    CorrezioneAltezza = 0;
    CorrezioneLarghezza = 400;
    VistaEditor();
    EXPECT_FLOAT_EQ(ScalaSchemaX, 6.0f);
}

TEST_F(Vista, AFitThatCannotGiveAScaleLeavesTheViewAsItWas) {
    VistaEditor();
    FinestraX1 = 123;
    SuperficieRegistrata vuota(0, 0);
    SuperficieRegistrata piatta(200, 0);
    EXPECT_FALSE(ImpostaScalaDisegno(vuota, 1600, 1600));
    EXPECT_FALSE(ImpostaScalaDisegno(piatta, 1600, 1600));
    EXPECT_FALSE(ImpostaScalaDisegno(quadrata, 0, 1600));
    EXPECT_FALSE(ImpostaScalaDisegno(quadrata, std::numeric_limits<float>::quiet_NaN(), 1600));
    EXPECT_FALSE(ImpostaScalaDisegno(quadrata, 1600, std::numeric_limits<float>::infinity()));
    EXPECT_FLOAT_EQ(ScalaSchemaX, 8.0f);
    EXPECT_FLOAT_EQ(ScalaSchemaY, 8.0f);
    EXPECT_EQ(AltezzaArea, 200.0f);
    EXPECT_EQ(FinestraX1, 123.0f);
    EXPECT_TRUE(ScalaValida());
}

// ---- zoom to a rectangle ---------------------------------------------------------------

TEST_F(Vista, ZoomToARectangleTakesItsWidthForBothScales) {
    VistaEditor();
    // Left edge 50 mm, 100 mm wide; bottom 180, top 120.
    ASSERT_TRUE(ApplicaZoomFinestra(50, 150, 180, 120, quadrata));
    EXPECT_FLOAT_EQ(FinestraX1, 400.0f);
    EXPECT_FLOAT_EQ(FinestraX2, 1200.0f);
    EXPECT_FLOAT_EQ(FinestraY1, 160.0f); // (200 - 180) * 8
    EXPECT_FLOAT_EQ(FinestraY2, 640.0f); // (200 - 120) * 8
    EXPECT_FLOAT_EQ(ScalaSchemaX, 4.0f);
    EXPECT_FLOAT_EQ(ScalaSchemaY, 4.0f);
    EXPECT_EQ(quadrata.spessore, 1);
    // The rectangle's left-bottom corner now sits at the picture's left-bottom corner.
    EXPECT_DOUBLE_EQ(SchermoX(400), 0.0);
    EXPECT_DOUBLE_EQ(SchermoY(160), 200.0);

    // Whatever the rectangle's height, the same scales.
    VistaEditor();
    ASSERT_TRUE(ApplicaZoomFinestra(50, 150, 199, 10, quadrata));
    EXPECT_FLOAT_EQ(ScalaSchemaX, 4.0f);
    EXPECT_FLOAT_EQ(ScalaSchemaY, 4.0f);
    EXPECT_FLOAT_EQ(FinestraX1, 400.0f);
}

TEST_F(Vista, ASecondZoomStartsFromTheFirstOnesWindow) {
    VistaEditor();
    ASSERT_TRUE(ApplicaZoomFinestra(50, 150, 180, 120, quadrata));
    // Left half of the zoomed picture: world 400 .. 800, 2 world mm per picture mm.
    ASSERT_TRUE(ApplicaZoomFinestra(0, 100, 200, 100, quadrata));
    EXPECT_FLOAT_EQ(FinestraX1, 400.0f);
    EXPECT_FLOAT_EQ(FinestraX2, 800.0f);
    EXPECT_FLOAT_EQ(FinestraY1, 160.0f);
    EXPECT_FLOAT_EQ(FinestraY2, 560.0f); // 160 + 100 * 4
    EXPECT_FLOAT_EQ(ScalaSchemaX, 2.0f);
    // Forward and inverse transforms agree in the new view.
    for (double X : {400.0, 555.5, 1234.0}) EXPECT_NEAR(MondoX(SchermoX(X)), X, 1e-9);
    for (double Y : {-300.0, 160.0, 987.0}) EXPECT_NEAR(MondoY(SchermoY(Y)), Y, 1e-9);
}

TEST_F(Vista, AZeroWidthRectangleOrAnUnsetViewIsNotApplied) {
    EXPECT_FALSE(ApplicaZoomFinestra(50, 150, 180, 120, quadrata)); // no fit yet
    EXPECT_EQ(ScalaSchemaX, 0.0f);
    VistaEditor();
    EXPECT_FALSE(ApplicaZoomFinestra(70, 70, 180, 120, quadrata));
    EXPECT_FLOAT_EQ(ScalaSchemaX, 8.0f);
    EXPECT_EQ(FinestraX1, 0.0f);
}

// ---- drag conversion ----------------------------------------------------------------

TEST_F(Vista, ADragBecomesAWorldDisplacementWhateverTheWindowCorner) {
    VistaEditor();
    for (float angolo : {0.0f, 777.0f, -1500.0f}) {
        FinestraX1 = angolo;
        FinestraY1 = -angolo / 2;
        ASSERT_TRUE(ConvertiTrascinamento(10, 30, 20, 50, quadrata));
        EXPECT_FLOAT_EQ(FinestraX1, 160.0f);
        EXPECT_FLOAT_EQ(FinestraY1, -240.0f);
    }
    // The scales are those of the view, not fixed at 8: after a zoom to 4, half as much.
    ASSERT_TRUE(ApplicaZoomFinestra(50, 150, 180, 120, quadrata));
    ASSERT_TRUE(ConvertiTrascinamento(10, 30, 20, 50, quadrata));
    EXPECT_FLOAT_EQ(FinestraX1, 80.0f);
    EXPECT_FLOAT_EQ(FinestraY1, -120.0f);
}

TEST_F(Vista, ADragWithNoViewChangesNothing) {
    FinestraX1 = 5;
    FinestraY1 = 6;
    EXPECT_FALSE(ConvertiTrascinamento(10, 30, 20, 50, quadrata));
    EXPECT_EQ(FinestraX1, 5.0f);
    EXPECT_EQ(FinestraY1, 6.0f);
}

// ---- grid ----------------------------------------------------------------------------

TEST_F(Vista, GridMarksEveryStepFromTheTopLeftCorner) {
    VistaEditor();
    DisegnaGrigliaSchema(250, quadrata);
    ASSERT_EQ(quadrata.testi.size(), 49u); // 0, 250, ..., 1500 each way
    for (const auto& t : quadrata.testi) EXPECT_EQ(t.testo, "+");
    EXPECT_DOUBLE_EQ(quadrata.testi.front().x, 0.0);
    EXPECT_DOUBLE_EQ(quadrata.testi.front().y, 0.0);
    // j runs fastest, downwards: the second mark is 250 / 8 below the first.
    EXPECT_DOUBLE_EQ(quadrata.testi[1].x, 0.0);
    EXPECT_DOUBLE_EQ(quadrata.testi[1].y, 31.25);
    EXPECT_DOUBLE_EQ(quadrata.testi.back().x, 187.5);
    EXPECT_DOUBLE_EQ(quadrata.testi.back().y, 187.5);

    quadrata.testi.clear();
    DisegnaGrigliaSchema(500, quadrata);
    EXPECT_EQ(quadrata.testi.size(), 16u); // 0, 500, 1000, 1500

    quadrata.testi.clear();
    DisegnaGrigliaSchema(0, quadrata);
    DisegnaGrigliaSchema(-50, quadrata);
    EXPECT_TRUE(quadrata.testi.empty());
}

TEST_F(Vista, GridShrinksWithTheCorrections) {
    CorrezioneAltezza = 500;
    VistaEditor();
    DisegnaGrigliaSchema(250, quadrata);
    // x: 0..1500 (7 columns); y: 0..1000 (5 rows, the range ending at 1100).
    ASSERT_EQ(quadrata.testi.size(), 35u);
    EXPECT_NEAR(quadrata.testi.back().y, 1000.0 / ScalaSchemaY, 1e-9);

    quadrata.testi.clear();
    CorrezioneAltezza = 0;
    CorrezioneLarghezza = 600; // x range ends at 1000
    VistaEditor();
    DisegnaGrigliaSchema(250, quadrata);
    EXPECT_EQ(quadrata.testi.size(), 5u * 7u);
}

TEST_F(Vista, NoGridWithoutAScale) {
    DisegnaGrigliaSchema(250, quadrata);
    EXPECT_TRUE(quadrata.testi.empty());
}

// ---- reference lines ------------------------------------------------------------------

TEST_F(Vista, ReferenceLinesCrossTheAreaThroughThePointRelativeToTheWindowCorner) {
    VistaEditor();
    FinestraX1 = 100; // not subtracted: the point is already relative to the corner
    FinestraY1 = 100;
    DisegnaLineeRiferimento(400, 800, quadrata);
    ASSERT_EQ(quadrata.linee.size(), 2u);
    const auto& h = quadrata.linee[0];
    const auto& v = quadrata.linee[1];
    EXPECT_DOUBLE_EQ(h.x1, 0.0);
    EXPECT_DOUBLE_EQ(h.x2, 200.0);
    EXPECT_DOUBLE_EQ(h.y1, 100.0);
    EXPECT_DOUBLE_EQ(h.y2, 100.0);
    EXPECT_DOUBLE_EQ(v.x1, 50.0);
    EXPECT_DOUBLE_EQ(v.x2, 50.0);
    EXPECT_DOUBLE_EQ(v.y1, 200.0);
    EXPECT_DOUBLE_EQ(v.y2, 0.0);
    // In the picture's own fore colour.
    EXPECT_EQ(h.colore, quadrata.primoPiano);
    EXPECT_EQ(v.colore, quadrata.primoPiano);

    quadrata.linee.clear();
    AzzeraVista();
    DisegnaLineeRiferimento(400, 800, quadrata);
    EXPECT_TRUE(quadrata.linee.empty());
}

// ---- displayed coordinates -------------------------------------------------------------

TEST_F(Vista, DisplayedCoordinatesAreRelativeToTheOriginInTheShownUnit) {
    VistaEditor();
    ImpostaUnitaMisura(SISTEMA_METRICO);
    OrigineX = 550;
    OrigineY = 400;
    EXPECT_EQ(TestoCoordinataX(1020), "470.00");
    EXPECT_EQ(TestoCoordinataY(350), "-50.00");
    EXPECT_EQ(TestoCoordinataX(550), "0.00");
    // After a drag the window corner holds the displacement and counts too.
    FinestraX1 = 100;
    FinestraY1 = -20;
    EXPECT_DOUBLE_EQ(CoordinataVisualizzataX(1020), 370.0);
    EXPECT_DOUBLE_EQ(CoordinataVisualizzataY(350), -30.0);
    EXPECT_DOUBLE_EQ(CoordinataModelloX(370.0), 1020.0);
    EXPECT_DOUBLE_EQ(CoordinataModelloY(-30.0), 350.0);

    // Inches: 254 mm right of the origin is 10 in.
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    FinestraX1 = FinestraY1 = 0;
    EXPECT_NEAR(CoordinataVisualizzataX(550 + 254), 10.0, 1e-5);
    EXPECT_EQ(TestoCoordinataX(550 + 254), "10.00");
    EXPECT_NEAR(CoordinataModelloY(-2.0), 400 - 50.8, 1e-3);
}

TEST_F(Vista, WidthsOfTheEditorAndOfTheThumbnails) {
    ImpostaLarghezzeEditor();
    EXPECT_EQ(LarghezzaPunti, 10);
    EXPECT_EQ(LarghezzaForcellone, 8);
    EXPECT_EQ(LarghezzaAsta, 4);
    EXPECT_EQ(LarghezzaSquadretta, 4);
    EXPECT_EQ(LarghezzaAmmortizzatore, 15);
    ImpostaLarghezzeMiniature();
    EXPECT_EQ(LarghezzaPunti, 2);
    EXPECT_EQ(LarghezzaForcellone, 4);
    EXPECT_EQ(LarghezzaAsta, 2);
    EXPECT_EQ(LarghezzaSquadretta, 2);
    EXPECT_EQ(LarghezzaAmmortizzatore, 5);
}
