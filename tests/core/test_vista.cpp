// The view transform of the linkage drawing: fit, zoom to a rectangle and grid, with figures
// worked by hand. Drags, reference lines and the coordinates shown are checked through the
// editor's own window.
#include "core/Azzeramento.h"
#include "core/Unita.h"
#include "core/Vista.h"
#include "support/SuperficieRegistrata.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <vector>

using namespace kelvra;
using test::SuperficieRegistrata;

namespace {

class View : public ::testing::Test {
  protected:
    void SetUp() override {
        AzzeraProgramma();
        quadrata.spessore = 7; // the fit must set the pen to 1
        quadrata.primoPiano = RGB(12, 34, 56);
    }
    void TearDown() override { AzzeraProgramma(); }
    // The editor's usual view: 1600 x 1600 world into a 200 mm square picture.
    void VistaEditor() { ASSERT_TRUE(ImpostaScalaDisegno(quadrata, 1600, 1600)); }
    static std::array<float, 4> Finestra() {
        return {FinestraX1, FinestraY1, FinestraX2, FinestraY2};
    }

    SuperficieRegistrata quadrata{200, 200};
};

} // namespace

TEST_F(View, FitOfTheEditorWorldGivesEightWorldMillimetresPerPictureMillimetre) {
    FinestraX1 = 300;
    FinestraY1 = -70;
    FinestraX2 = FinestraY2 = 5;
    VistaEditor();
    EXPECT_EQ(quadrata.scalaMm, 1);
    EXPECT_EQ(quadrata.spessore, 1);
    EXPECT_FLOAT_EQ(ScalaSchemaY, 8.0f);
    EXPECT_EQ((std::vector<float>{AreaSinistra, AreaSopra, AreaDestra, AreaSotto, LarghezzaArea,
                                  AltezzaArea}),
              (std::vector<float>{0, 0, 200, 200, 200, 200}));
    EXPECT_EQ(Finestra(), (std::array<float, 4>{0, 0, 0, 0}));
    // World (0, 0) at the bottom-left corner, (1600, 1600) at the top-right.
    for (auto [X, x, Y, y] :
         std::vector<std::array<double, 4>>{{0, 0, 0, 200}, {1600, 200, 1600, 0}}) {
        EXPECT_DOUBLE_EQ(SchermoX(X), x);
        EXPECT_DOUBLE_EQ(SchermoY(Y), y);
    }
    // A wide picture with a 1 mm border: the y scale follows the outer height-to-width
    // ratio, 102 / 202 of the world height over 100 mm.
    SuperficieRegistrata larga(200, 100, 1);
    ASSERT_TRUE(ImpostaScalaDisegno(larga, 1600, 1600));
    EXPECT_NEAR(ScalaSchemaY, 102.0 / 202.0 * 1600.0 / 100.0, 1e-3);
    // 500 mm of height correction: 1600 + 500 visible; the width correction comes off the
    // world width.
    CorrezioneAltezza = 500;
    VistaEditor();
    EXPECT_NEAR(AltezzaArea * ScalaSchemaY, 2100.0, 1e-3);
    CorrezioneAltezza = 0;
    CorrezioneLarghezza = 400;
    VistaEditor();
    EXPECT_FLOAT_EQ(ScalaSchemaX, 6.0f);
}

TEST_F(View, WithoutAUsableScaleTheViewStaysAsItWas) {
    VistaEditor();
    FinestraX1 = 123;
    SuperficieRegistrata vuota(0, 0), piatta(200, 0);
    EXPECT_FALSE(ImpostaScalaDisegno(vuota, 1600, 1600));
    EXPECT_FALSE(ImpostaScalaDisegno(piatta, 1600, 1600));
    EXPECT_FALSE(ImpostaScalaDisegno(quadrata, std::numeric_limits<float>::quiet_NaN(), 1600));
    EXPECT_FALSE(ImpostaScalaDisegno(quadrata, 1600, std::numeric_limits<float>::infinity()));
    EXPECT_FLOAT_EQ(ScalaSchemaX, 8.0f);
    EXPECT_EQ(FinestraX1, 123.0f);
    // A rectangle of no width is not applied.
    EXPECT_FALSE(ApplicaZoomFinestra(70, 70, 180, 120, quadrata));
    EXPECT_FLOAT_EQ(ScalaSchemaX, 8.0f);
    // Without a view: no zoom, drag, grid or reference lines.
    AzzeraVista();
    FinestraX1 = 5;
    EXPECT_FALSE(ApplicaZoomFinestra(50, 150, 180, 120, quadrata));
    EXPECT_FALSE(ConvertiTrascinamento(10, 30, 20, 50, quadrata));
    EXPECT_EQ(FinestraX1, 5.0f);
    DisegnaGrigliaSchema(250, quadrata);
    DisegnaLineeRiferimento(400, 800, quadrata);
    EXPECT_TRUE(quadrata.testi.empty());
    EXPECT_TRUE(quadrata.chiamate.empty());
}

TEST_F(View, ZoomToARectangleTakesItsWidthForBothScalesThenTheGridOfTheWholeView) {
    VistaEditor();
    // Left edge 50 mm, 100 mm wide; bottom 180, top 120: y from (200 - 180) * 8 to 80 * 8.
    ASSERT_TRUE(ApplicaZoomFinestra(50, 150, 180, 120, quadrata));
    EXPECT_EQ(Finestra(), (std::array<float, 4>{400, 160, 1200, 640}));
    EXPECT_FLOAT_EQ(ScalaSchemaY, 4.0f);
    EXPECT_DOUBLE_EQ(SchermoX(400), 0.0);
    EXPECT_DOUBLE_EQ(SchermoY(160), 200.0);
    // Its left half is world 400 .. 800.
    ASSERT_TRUE(ApplicaZoomFinestra(0, 100, 200, 100, quadrata));
    EXPECT_EQ(Finestra(), (std::array<float, 4>{400, 160, 800, 560}));
    EXPECT_FLOAT_EQ(ScalaSchemaX, 2.0f);
    EXPECT_NEAR(MondoX(SchermoX(555.5)), 555.5, 1e-9);
    EXPECT_NEAR(MondoY(SchermoY(-300)), -300, 1e-9);
    // The grid marks every step from the top-left corner, within the corrections.
    VistaEditor();
    DisegnaGrigliaSchema(250, quadrata);
    ASSERT_EQ(quadrata.testi.size(), 49u); // 0, 250, ..., 1500 each way
    EXPECT_EQ(quadrata.testi[0].testo, "+");
    // j runs fastest, downwards: the second mark is 250 / 8 below the first.
    const auto& t = quadrata.testi;
    EXPECT_EQ((std::vector<double>{t[0].x, t[0].y, t[1].x, t[1].y, t[48].x, t[48].y}),
              (std::vector<double>{0, 0, 0, 31.25, 187.5, 187.5}));
    quadrata.testi.clear();
    DisegnaGrigliaSchema(0, quadrata);
    DisegnaGrigliaSchema(-50, quadrata);
    EXPECT_TRUE(quadrata.testi.empty());
    // x: 0..1500 (7 columns); y: 0..1000 (5 rows, the range ending at 1100).
    CorrezioneAltezza = 500;
    VistaEditor();
    DisegnaGrigliaSchema(250, quadrata);
    ASSERT_EQ(quadrata.testi.size(), 35u);
    EXPECT_NEAR(quadrata.testi.back().y, 1000.0 / ScalaSchemaY, 1e-9);
}
