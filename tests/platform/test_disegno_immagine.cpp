// The linkage drawn into an offscreen image as the geometry editor and the start screen
// draw it: element colours at the expected pixels, the tyre and rim circles, the marks and
// the reference cross. The image of the editor's drawing is kept in
// /tmp/kelvra-drawing.png for a person to look at.
#include "core/Disegno.h"
#include "core/Unita.h"
#include "core/Vista.h"
#include "platform/Immagine.h"
#include "support/Risposte.h"

#include <gtest/gtest.h>

#include <string>

using namespace kelvra;

namespace {

// 800 x 800 pixels at 96 dpi: fitting 1600 world mm makes one pixel 2 world mm, so world
// (X, Y) lands on pixel (X / 2, 800 - Y / 2).
constexpr int LATO = 800;
int Px(double X) {
    return static_cast<int>(X / 2.0);
}
int Py(double Y) {
    return static_cast<int>(LATO - Y / 2.0);
}

bool ColoreVicino(const ImmagineSuperficie& s, int x, int y, long colore, int raggio = 1) {
    for (int dy = -raggio; dy <= raggio; ++dy)
        for (int dx = -raggio; dx <= raggio; ++dx)
            if (s.ColorePixel(x + dx, y + dy) == colore) return true;
    return false;
}

class EditorImmagine : public EditorDisegno {
  public:
    explicit EditorImmagine(Superficie& pic) : pic_(pic) {}
    Superficie& PicGeo() override { return pic_; }
    void ImpostaTxtForcellone(int i, const std::string& x, const std::string&) override {
        if (i == 1) asseX = x;
    }
    std::string asseX;

  private:
    Superficie& pic_;
};

class DisegnoImmagine : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        test::TabelleAzzerate::SetUp();
        AzzeraVista();
        ImpostaUnitaMisura(SISTEMA_METRICO);
        NumeroProgetti = ProgettoSelezionato = 1;
        Progetto& p = Progetti[1];
        p.TipoElemento[0] = "F";
        p.DatiForcellone.P = {Punto{550, 400}, Punto{1020, 350}, Punto{750, 450}};
        p.RaggioRuota = 350;
        // A four-bar: link from the attachment to the rocker, rocker pinned to the frame
        // at vertex 2, shock absorber from vertex 3 to the frame.
        p.UltimoElemento = 3;
        p.TipoElemento[1] = "A";
        p.DatiAsta[1].P = {Punto{750, 450}, Punto{780, 560}, Punto{}};
        p.TipoElemento[2] = "S";
        p.DatiSquadretta[2].P = {Punto{780, 560}, Punto{640, 560}, Punto{720, 680}, Punto{}};
        p.OpzioneFix[2] = {VERO, FALSO};
        p.TipoElemento[3] = "M";
        p.DatiMolla[3].P = {Punto{720, 680}, Punto{640, 1000}, Punto{}};
        p.AmmortizzatoreFisso = 0;
    }
    void TearDown() override {
        AzzeraVista();
        AzzeraUnitaMisura();
        test::TabelleAzzerate::TearDown();
    }
};

} // namespace

TEST_F(DisegnoImmagine, TheEditorsDrawingShowsEveryElementInItsColour) {
    ImmagineSuperficie pic(LATO, LATO, 96.0);
    EditorImmagine editor(pic);
    ImpostaLarghezzeEditor();
    ASSERT_TRUE(ImpostaScalaDisegno(pic, 1600, 1600));
    EXPECT_NEAR(ScalaSchemaX, 2.0 * 96.0 / 25.4, 1e-4); // world mm per picture mm
    pic.Cancella();
    DisegnaGrigliaSchema(250, pic);
    ASSERT_TRUE(DisegnaSchema(&editor, pic, 1, FALSO, FALSO));
    ASSERT_TRUE(pic.Immagine().save("/tmp/kelvra-drawing.png"));

    const long ROSSO = RGB(255, 0, 0), MAGENTA = RGB(255, 0, 255), BLU = RGB(0, 0, 255),
               GIALLO = RGB(255, 255, 0), VERDE = RGB(0, 255, 0), NERO = RGB(0, 0, 0),
               BIANCO = RGB(255, 255, 255);
    // Swingarm: the middle of pivot-axle, and of the attachment's drop to its foot.
    EXPECT_TRUE(ColoreVicino(pic, Px(785), Py(375), ROSSO));
    EXPECT_TRUE(ColoreVicino(pic, Px(746.25), Py(414.76), ROSSO));
    // Tyre (radius 350 = 175 px) and rim (300 = 150 px) above the axle, white between.
    EXPECT_TRUE(ColoreVicino(pic, Px(1020), Py(350 + 350), NERO));
    EXPECT_TRUE(ColoreVicino(pic, Px(1020), Py(350 + 300), NERO));
    EXPECT_TRUE(ColoreVicino(pic, Px(1020 + 350), Py(350), NERO));
    EXPECT_EQ(pic.ColorePixel(Px(1020), Py(350 + 325)), BIANCO);
    // Marks: black pivot, green attachment, black frame pivot of the rocker and shock
    // mount, green vertex 3 where the chain goes on.
    EXPECT_EQ(pic.ColorePixel(Px(550) + 2, Py(400) + 2), NERO);
    EXPECT_EQ(pic.ColorePixel(Px(750), Py(450)), VERDE);
    EXPECT_EQ(pic.ColorePixel(Px(640), Py(560)), NERO);
    EXPECT_EQ(pic.ColorePixel(Px(640), Py(1000)), NERO);
    // Link, rocker edge from vertex 1 to the frame pivot, shock absorber.
    EXPECT_TRUE(ColoreVicino(pic, Px(765), Py(505), MAGENTA));
    EXPECT_TRUE(ColoreVicino(pic, Px(710), Py(560), BLU));
    EXPECT_TRUE(ColoreVicino(pic, Px(680), Py(840), GIALLO));
    // The shock's pen is wider than the link's.
    int giallo = 0, magenta = 0;
    for (int d = -10; d <= 10; ++d) {
        giallo += pic.ColorePixel(Px(680) + d, Py(840)) == GIALLO;
        magenta += pic.ColorePixel(Px(765) + d, Py(505)) == MAGENTA;
    }
    EXPECT_GE(giallo, 12);
    EXPECT_LE(magenta, 6);
    EXPECT_GE(magenta, 3);
    // The reference cross through the pivot, in the picture's fore colour, far from the
    // linkage.
    EXPECT_EQ(pic.ColorePixel(5, Py(400)), NERO);
    EXPECT_EQ(pic.ColorePixel(Px(550), 5), NERO);
    // Far from everything: background.
    EXPECT_EQ(pic.ColorePixel(Px(1400), Py(1200)), BIANCO);

    // The bookkeeping of the same drawing.
    EXPECT_EQ(PuntiCatena[3], (Punto{720, 680}));
    EXPECT_EQ(Progetti[1].DatiSquadretta[2].P[3], (Punto{640, 560}));
    EXPECT_EQ(editor.asseX, "470.00");
}

TEST_F(DisegnoImmagine, AThumbnailIsDrawnWithThinPensAndNoCross) {
    ImmagineSuperficie miniatura(120, 120, 96.0);
    ImpostaLarghezzeMiniature();
    ASSERT_TRUE(ImpostaScalaDisegno(miniatura, 1600, 1600));
    ASSERT_TRUE(DisegnaSchema(nullptr, miniatura, 1, FALSO, FALSO));
    EXPECT_GT(miniatura.ContaPixel(RGB(255, 0, 0)), 20);
    EXPECT_GT(miniatura.ContaPixel(RGB(255, 255, 0)), 10);
    EXPECT_GT(miniatura.ContaPixel(RGB(255, 0, 255)), 2);
    EXPECT_GT(miniatura.ContaPixel(RGB(0, 0, 255)), 5);
    // No reference cross: the row through the pivot is white at the left edge.
    const int riga = static_cast<int>(120 - 400.0 / (1600.0 / 120));
    EXPECT_EQ(miniatura.ColorePixel(1, riga), RGB(255, 255, 255));

    // An empty image draws nothing and does not stop the program.
    ImmagineSuperficie vuota(0, 0, 96.0);
    EXPECT_FALSE(ImpostaScalaDisegno(vuota, 1600, 1600));
    EXPECT_TRUE(DisegnaSchema(nullptr, vuota, 1, FALSO, FALSO));
}
