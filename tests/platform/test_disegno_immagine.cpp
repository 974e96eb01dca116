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
const long ROSSO = RGB(255, 0, 0), MAGENTA = RGB(255, 0, 255), BLU = RGB(0, 0, 255),
           GIALLO = RGB(255, 255, 0), VERDE = RGB(0, 255, 0), NERO = RGB(0, 0, 0),
           BIANCO = RGB(255, 255, 255);

// Whether a pixel within `raggio` of world (X, Y) has the colour.
bool ColoreVicino(const ImmagineSuperficie& s, double X, double Y, long colore, int raggio) {
    const int x = static_cast<int>(X / 2.0), y = static_cast<int>(LATO - Y / 2.0);
    for (int dy = -raggio; dy <= raggio; ++dy)
        for (int dx = -raggio; dx <= raggio; ++dx)
            if (s.ColorePixel(x + dx, y + dy) == colore) return true;
    return false;
}

// The editor whose picture takes the reference cross.
class EditorImmagine : public EditorDisegno {
  public:
    explicit EditorImmagine(Superficie& pic) : pic_(pic) {}
    Superficie& PicGeo() override { return pic_; }
    void ImpostaTxtForcellone(int, const std::string&, const std::string&) override {}

  private:
    Superficie& pic_;
};

class DrawingImage : public test::TabelleAzzerate {
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

TEST_F(DrawingImage, TheEditorsDrawingShowsEveryElementInItsColour) {
    ImmagineSuperficie pic(LATO, LATO, 96.0);
    EditorImmagine editor(pic);
    ImpostaLarghezzeEditor();
    ASSERT_TRUE(ImpostaScalaDisegno(pic, 1600, 1600));
    pic.Cancella();
    DisegnaGrigliaSchema(250, pic);
    ASSERT_TRUE(DisegnaSchema(&editor, pic, 1, FALSO, FALSO));
    ASSERT_TRUE(pic.Immagine().save("/tmp/kelvra-drawing.png"));
    struct Caso {
        double X, Y;
        long colore;
        int raggio;
    } casi[] = {
        {785, 375, ROSSO, 1},       // swingarm, middle of pivot-axle
        {746.25, 414.76, ROSSO, 1}, // the attachment's drop to its foot
        {1020, 700, NERO, 1},       // tyre, radius 350
        {1020, 650, NERO, 1},       // rim, radius 300
        {1370, 350, NERO, 1},       // tyre on the horizontal
        {1020, 675, BIANCO, 0},     // between them
        {554, 396, NERO, 0},        // pivot mark
        {750, 450, VERDE, 0},       // attachment mark
        {640, 560, NERO, 0},        // the rocker's frame pivot
        {640, 1000, NERO, 0},       // the shock's frame mount
        {765, 505, MAGENTA, 1},     // link
        {710, 560, BLU, 1},         // rocker edge from vertex 1 to the frame pivot
        {680, 840, GIALLO, 1},      // shock absorber
        {10, 400, NERO, 0},         // reference cross through the pivot, far from
        {550, 1590, NERO, 0},       // the linkage
        {1400, 1200, BIANCO, 0},    // far from everything
    };
    for (const Caso& c : casi)
        EXPECT_TRUE(ColoreVicino(pic, c.X, c.Y, c.colore, c.raggio)) << c.X << ", " << c.Y;
    // The shock's pen is wider than the link's.
    int giallo = 0, magenta = 0;
    for (int d = -20; d <= 20; d += 2) {
        giallo += ColoreVicino(pic, 680 + d, 840, GIALLO, 0);
        magenta += ColoreVicino(pic, 765 + d, 505, MAGENTA, 0);
    }
    EXPECT_GE(giallo, 12);
    EXPECT_LE(magenta, 6);
    EXPECT_GE(magenta, 3);
}

TEST_F(DrawingImage, AThumbnailIsDrawnWithThinPensAndNoCross) {
    ImmagineSuperficie miniatura(120, 120, 96.0);
    ImpostaLarghezzeMiniature();
    ASSERT_TRUE(ImpostaScalaDisegno(miniatura, 1600, 1600));
    ASSERT_TRUE(DisegnaSchema(nullptr, miniatura, 1, FALSO, FALSO));
    EXPECT_GT(miniatura.ContaPixel(ROSSO), 20);
    EXPECT_GT(miniatura.ContaPixel(GIALLO), 10);
    EXPECT_GT(miniatura.ContaPixel(MAGENTA), 2);
    EXPECT_GT(miniatura.ContaPixel(BLU), 5);
    // No reference cross: the row through the pivot is white at the left edge.
    const int riga = static_cast<int>(120 - 400.0 / (1600.0 / 120));
    EXPECT_EQ(miniatura.ColorePixel(1, riga), BIANCO);
}
