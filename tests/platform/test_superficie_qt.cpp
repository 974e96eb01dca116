// The renderer behind the picture box and the offscreen image: where lines, dots, circles
// and text land, the millimetre and user scales, the retained image across resizes and
// repaints, the picture box's mouse signals in millimetres.
#include "platform/Immagine.h"
#include "platform/PictureBox.h"
#include "support/ConfrontoImmagini.h"

#include <QPainter>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace kelvra;
using kelvra::test::Confronto;

namespace {

constexpr long NERO = COLORE_NERO, BIANCO = COLORE_BIANCO, ROSSO = COLORE_ROSSO;

struct Atteso {
    int x, y;
    long colore;
};

void Pixel(const ImmagineSuperficie& s, std::initializer_list<Atteso> attesi) {
    for (const Atteso& a : attesi)
        EXPECT_EQ(s.ColorePixel(a.x, a.y), a.colore) << "pixel " << a.x << ", " << a.y;
}

class Renderer : public ::testing::Test {
  protected:
    // 254 dots per inch is exactly 10 pixels per millimetre: 25.4 x 12.7 mm of inner area,
    // with a border of 2 pixels.
    ImmagineSuperficie s{254, 127, 254.0, 2};
};

} // namespace

TEST_F(Renderer, LinesDotsAndCirclesCoverTheirPixelsWithThePen) {
    s.ImpostaColorePrimoPiano(NERO);
    s.Linea(1.0, 2.0, 5.0, 2.0); // pixels x 10..50 on row 20
    for (int x = 10; x < 50; ++x) EXPECT_EQ(s.ColorePixel(x, 20), NERO) << x;
    Pixel(s, {{30, 19, BIANCO}, {30, 21, BIANCO}, {8, 20, BIANCO}, {52, 20, BIANCO}});
    // An explicit colour leaves the fore colour alone; colour numbers keep red in the low
    // byte. A diagonal from pixel (0, 0) to (100, 100).
    s.Linea(0.05, 0.05, 10.05, 10.05, ROSSO);
    Pixel(s, {{50, 50, ROSSO}, {25, 25, ROSSO}, {25, 75, BIANCO}});
    EXPECT_EQ(s.ColorePrimoPiano(), NERO);
    EXPECT_EQ(ColoreQt(ROSSO), QColor(255, 0, 0));
    EXPECT_EQ(NumeroColore(QColor(0, 0, 255)), COLORE_BLU);
    // A pen 5 pixels wide.
    s.ImpostaSpessore(5);
    s.Linea(2.0, 11.0, 20.0, 11.0, NERO);
    for (int y = 108; y <= 112; ++y) EXPECT_EQ(s.ColorePixel(100, y), NERO) << y;
    Pixel(s, {{100, 114, BIANCO}, {100, 106, BIANCO}});
    // A dot is a disc of the pen's width: 9 pixels, centre pixel (150, 60); (154, 64) is a
    // corner of the square, outside the disc; pi * 4.5^2 = 63.6 pixels.
    s.ImpostaSpessore(9);
    s.Punto(15.05, 6.05, COLORE_BLU);
    Pixel(s, {{153, 60, COLORE_BLU}, {150, 57, COLORE_BLU}, {150, 66, BIANCO}, {154, 64, BIANCO}});
    EXPECT_NEAR(s.ContaPixel(COLORE_BLU), 63.6, 10.0);
    // A circle's radius is in horizontal units: 5 mm is 50 px, 314 pixels round.
    s.Cancella();
    s.ImpostaSpessore(1);
    s.Cerchio(12.7, 6.35, 5.0, ROSSO); // centre pixel (127, 63)
    Pixel(s, {{127, 63, BIANCO}, {147, 63, BIANCO}});
    EXPECT_NEAR(s.ContaPixel(ROSSO), 314.0, 60.0);
    for (auto [x, y] : {std::pair{177, 63}, {77, 63}, {127, 13}, {127, 113}, {162, 98}}) {
        int vicini = 0;
        for (int d = -1; d <= 1; ++d) vicini += s.ColorePixel(x + d, y) == ROSSO;
        for (int d = -1; d <= 1; ++d) vicini += s.ColorePixel(x, y + d) == ROSSO;
        EXPECT_GT(vicini, 0) << x << ", " << y;
    }
}

TEST_F(Renderer, DottedStyleOnlyForThinPens) {
    s.Linea(0.0, 1.0, 25.0, 1.0, NERO);
    const int continua = s.ContaPixel(NERO);
    EXPECT_GE(continua, 249);
    s.Cancella();
    s.ImpostaStile(StileLinea::Punteggiata);
    s.Linea(0.0, 1.0, 25.0, 1.0, NERO);
    EXPECT_GT(s.ContaPixel(NERO), continua / 5);
    EXPECT_LT(s.ContaPixel(NERO), continua * 3 / 4);
    // A wider pen draws solid whatever the style.
    s.Cancella();
    s.ImpostaSpessore(3);
    s.Linea(0.0, 6.0, 25.0, 6.0, NERO);
    for (int x = 5; x < 245; ++x) ASSERT_EQ(s.ColorePixel(x, 60), NERO) << x;
}

namespace {

// A thin dotted line from pixel (x1, y1) to pixel (x2, y2), drawn by the surface and by a bare
// painter with the same pen, on images of the given size; the number of pixels that differ.
int DottedLineDiffersFromPainter(QSize dim, int x1, int y1, int x2, int y2) {
    ImmagineSuperficie s(dim.width(), dim.height(), 25.4); // a millimetre to the pixel
    s.ImpostaStile(StileLinea::Punteggiata);
    s.Linea(x1 + 0.3, y1 + 0.6, x2 + 0.7, y2 + 0.2, ROSSO);
    QImage atteso(dim, QImage::Format_RGB32);
    atteso.fill(Qt::white);
    QPainter p(&atteso);
    QPen penna(Qt::red);
    penna.setWidth(1);
    penna.setStyle(Qt::DotLine);
    penna.setCapStyle(Qt::SquareCap);
    p.setPen(penna);
    p.drawLine(QPointF(x1 + 0.5, y1 + 0.5), QPointF(x2 + 0.5, y2 + 0.5));
    p.end();
    int diversi = 0;
    for (int y = 0; y < dim.height(); ++y)
        for (int x = 0; x < dim.width(); ++x)
            diversi += s.Immagine().pixel(x, y) != atteso.pixel(x, y);
    return diversi;
}

} // namespace

TEST(DottedLines, StraightOnesLandOnThePaintersDotsEitherWay) {
    // Across and down, each way, every length from a pixel to past the pattern's repeat many
    // times over, starting anywhere in it, out to the image's edges.
    const QSize larga(1300, 3), alta(3, 1300);
    for (int n = 1; n <= 40; ++n)
        for (int da = 0; da < 3; ++da) {
            ASSERT_EQ(DottedLineDiffersFromPainter(larga, da, 1, da + n, 1), 0) << n << " " << da;
            ASSERT_EQ(DottedLineDiffersFromPainter(larga, da + n, 1, da, 1), 0) << n << " " << da;
            ASSERT_EQ(DottedLineDiffersFromPainter(alta, 1, da, 1, da + n), 0) << n << " " << da;
            ASSERT_EQ(DottedLineDiffersFromPainter(alta, 1, da + n, 1, da), 0) << n << " " << da;
        }
    for (int n : {299, 300, 301, 1297, 1298, 1299}) {
        ASSERT_EQ(DottedLineDiffersFromPainter(larga, 0, 2, n, 2), 0) << n;
        ASSERT_EQ(DottedLineDiffersFromPainter(larga, n, 0, 0, 0), 0) << n;
        ASSERT_EQ(DottedLineDiffersFromPainter(alta, 0, 0, 0, n), 0) << n;
        ASSERT_EQ(DottedLineDiffersFromPainter(alta, 2, n, 2, 1299 - n), 0) << n;
    }
    // Slanted, a single pixel, and running off the image: as the painter draws them too.
    EXPECT_EQ(DottedLineDiffersFromPainter(QSize(60, 40), 2, 3, 50, 30), 0);
    EXPECT_EQ(DottedLineDiffersFromPainter(QSize(60, 40), 7, 7, 7, 7), 0);
    EXPECT_EQ(DottedLineDiffersFromPainter(QSize(60, 40), -5, 9, 70, 9), 0);
    EXPECT_EQ(DottedLineDiffersFromPainter(QSize(60, 40), 9, 45, 9, 2), 0);
}

TEST_F(Renderer, TextIsWrittenBelowAndRightOfThePosition) {
    s.ImpostaCarattere("", 10.0, false); // 10 pt at 254 dpi: 35 px
    s.ImpostaColorePrimoPiano(NERO);
    s.ImpostaPosizione(5.0, 3.0); // pixel (50, 30)
    const double h = s.AltezzaTesto("+"), w = s.LarghezzaTesto("+");
    EXPECT_GT(h, 3.4);
    EXPECT_LT(h, 6.0);
    EXPECT_GT(w, 0.5);
    s.Scrivi("+");
    int dentro = 0, fuori = 0;
    for (int y = 0; y < 127; ++y)
        for (int x = 0; x < 254; ++x) {
            if (s.ColorePixel(x, y) == BIANCO) continue;
            const bool nelRiquadro = x >= 50 && x <= 50 + w * 10 + 1 && y >= 30 && y <= 30 + h * 10;
            (nelRiquadro ? dentro : fuori)++;
        }
    EXPECT_GT(dentro, 10);
    EXPECT_EQ(fuori, 0);
    // The position moves to the start of the next line; a bigger font measures bigger.
    EXPECT_EQ(s.PosizioneX(), 0.0);
    EXPECT_NEAR(s.PosizioneY(), 3.0 + h, 1e-9);
    s.ImpostaCarattere("", 20.0, true);
    EXPECT_GT(s.AltezzaTesto("+"), 1.7 * h);
    // A clear puts the position back at the top-left corner.
    s.ImpostaPosizione(3, 4);
    s.Cancella();
    EXPECT_EQ(s.PosizioneX() + s.PosizioneY(), 0.0);
}

TEST_F(Renderer, UserScaleStaysFixedAcrossResizes) {
    ImmagineSuperficie u(200, 100, 96.0);
    u.ImpostaScala(0, 0, 100, 50);
    u.Punto(50.2, 25.2, NERO); // 2 px per unit: pixel (100, 50)
    EXPECT_EQ(u.ColorePixel(100, 50), NERO);
    u.CambiaDimensioni(400, 200);
    u.Punto(50.1, 25.1, ROSSO); // now 4 px per unit: pixel (200, 100)
    EXPECT_EQ(u.ColorePixel(200, 100), ROSSO);
    EXPECT_NEAR(u.XDaPixel(200), 50.0, 1e-9);
    // An offset scale: left 10, top -5.
    u.ImpostaScala(10, -5, 100, 50);
    EXPECT_NEAR(u.PixelDa(10, -5).x(), 0.0, 1e-9);
    EXPECT_NEAR(u.PixelDa(60, 20).y(), 100.0, 1e-9);
    // A zero width is refused; back to millimetres on request.
    u.ImpostaScala(0, 0, 0, 50);
    EXPECT_EQ(u.SinistraScala(), 10.0);
    u.ScalaMillimetri();
    EXPECT_NEAR(u.LarghezzaScala(), 400 * 25.4 / 96.0, 1e-9);
}

TEST_F(Renderer, DrawingSurvivesAResizeAndUncoveredPixelsTakeTheBackColour) {
    const long sfondo = RGB(10, 20, 30);
    s.Linea(1, 1, 10, 10, NERO);
    s.ImpostaColoreSfondo(sfondo); // a new back colour clears the picture to it
    EXPECT_EQ(s.ContaPixel(sfondo), 254 * 127);
    s.Linea(1.0, 2.0, 5.0, 2.0, NERO);
    s.CambiaDimensioni(400, 200);
    Pixel(s, {{30, 20, NERO}, {350, 150, sfondo}});
    // Shrinking cuts the drawing; what was cut off does not come back.
    s.CambiaDimensioni(20, 25);
    s.CambiaDimensioni(254, 127);
    Pixel(s, {{15, 20, NERO}, {30, 20, sfondo}});
}

TEST_F(Renderer, InvalidCoordinatesDrawNothingAndHugeOnesAreClipped) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    s.Linea(nan, 1, 5, 5, NERO);
    s.Linea(1, 1, inf, 5, NERO);
    s.Punto(nan, 2, NERO);
    s.Cerchio(5, 5, inf, NERO);
    s.Cerchio(5, 5, 1e12, NERO);
    EXPECT_EQ(s.ContaPixel(NERO), 0);
    s.ImpostaPosizione(3, 4);
    s.ImpostaPosizione(nan, 1);
    EXPECT_EQ(s.PosizioneX(), 3.0);
    // A line from far left to far right still crosses the picture on its row.
    s.Linea(-1e9, 6.35, 1e9, 6.35, ROSSO);
    for (int x = 0; x < 254; ++x) ASSERT_EQ(s.ColorePixel(x, 63), ROSSO) << x;
    // A surface with no pixels takes every call.
    ImmagineSuperficie vuota(0, 0);
    vuota.Linea(0, 0, 10, 10);
    vuota.Cerchio(1, 1, 1);
    vuota.Scrivi("x");
    EXPECT_EQ(vuota.LarghezzaScala(), 0.0);
}

// ---- runs of joined lines ---------------------------------------------------------------

namespace {

// A wave, a zigzag of short lines, repeated points, one point, a run far out and back, a NaN.
std::vector<std::vector<PuntoScala>> Tratti() {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<std::vector<PuntoScala>> t(6);
    for (int i = 0; i <= 40; ++i) t[0].push_back({0.1 + i * 0.6, 6.0 + 4.0 * std::sin(i / 3.0)});
    for (int i = 0; i <= 40; ++i)
        t[1].push_back({2.0 + i * 0.05 + (i % 3) * 0.13, 2.0 + (i % 2) * (0.3 + 0.1 * (i % 5))});
    t[2] = {{5, 11}, {5, 11}, {7, 11.5}, {7, 11.5}, {7.02, 11.52}, {9, 11}};
    t[3] = {{14, 11.8}};
    t[4] = {{15, 2}, {1e7, 3}, {1e7, -1e7}, {20, 9}, {22, 3}, {-1e6, 5}};
    t[5] = {{3, 9}, {6, 8}, {nan, 8}, {8, 9}, {10, 7}, {12, 10}};
    return t;
}

// Teeth: every line turns back on the last by more than a right angle.
std::vector<std::vector<PuntoScala>> Denti() {
    std::vector<std::vector<PuntoScala>> t(2);
    for (int i = 0; i <= 40; ++i)
        t[0].push_back({1.0 + i * 0.5, i % 2 ? 1.0 : 5.0}),
            t[1].push_back({1.0 + i * 0.3 + (i % 2) * 0.2, i % 2 ? 7.0 : 7.4});
    return t;
}

// The runs drawn both ways with the given pen.
Confronto DisegnaEConfronta(const std::vector<std::vector<PuntoScala>>& tratti, int spessore,
                            StileLinea stile) {
    ImmagineSuperficie runs(254, 127, 254.0);
    test::LineaPerLinea linee(254, 127, 254.0);
    const long colori[] = {ROSSO, NERO, COLORE_BLU, ROSSO, COLORE_VERDE, NERO};
    for (Superficie* s : std::initializer_list<Superficie*>{&runs, &linee}) {
        s->ImpostaSpessore(spessore);
        s->ImpostaStile(stile);
        for (size_t i = 0; i < tratti.size(); ++i) s->Polilinea(tratti[i], colori[i % 6]);
    }
    return test::Confronta(linee, runs);
}

} // namespace

TEST(Polylines, DrawWhatTheirLinesDrawOneAtATime) {
    // Thin pens, solid or dotted, land on the very same pixels.
    for (StileLinea stile : {StileLinea::Continua, StileLinea::Punteggiata}) {
        const Confronto c = DisegnaEConfronta(Tratti(), 1, stile);
        EXPECT_GT(c.disegnati, stile == StileLinea::Continua ? 1000 : 300);
        EXPECT_EQ(c.diversi, 0) << "dotted " << (stile == StileLinea::Punteggiata);
        EXPECT_EQ(DisegnaEConfronta(Denti(), 1, stile).diversi, 0);
    }
    for (int spessore : {2, 3, 6}) {
        // Wide pens: a join's edge may fall a pixel apart, never a piece of line more or less.
        const Confronto c = DisegnaEConfronta(Tratti(), spessore, StileLinea::Continua);
        EXPECT_GT(c.disegnati, 1000 * spessore) << spessore;
        EXPECT_EQ(c.staccati, 0) << spessore;
        EXPECT_LE(c.diversi, c.disegnati / 50) << spessore;
        // Where the lines turn back, each keeps its own round ends, tip and all.
        EXPECT_EQ(DisegnaEConfronta(Denti(), spessore, StileLinea::Continua).diversi, 0)
            << spessore;
    }
}

// ---- the picture box -----------------------------------------------------------------

TEST(PictureBoxTest, PaintShowsTheRetainedImageInsideTheBorder) {
    PictureBox pb;
    pb.resize(104, 84);
    const double dpi = pb.logicalDpiX();
    pb.ScalaMillimetri();
    EXPECT_EQ(std::pair(pb.LarghezzaPixel(), pb.AltezzaPixel()), std::pair(100, 80));
    EXPECT_NEAR(pb.LarghezzaEsterna(), 104 * 25.4 / dpi, 1e-9); // the border counts outside
    EXPECT_NEAR(pb.AltezzaEsterna(), 84 * 25.4 / dpi, 1e-9);
    pb.ImpostaColoreSfondo(BIANCO);
    pb.Punto(40.5 * 25.4 / dpi, 30.5 * 25.4 / dpi, ROSSO); // inner pixel (40, 30)
    QImage vista = pb.grab().toImage();
    EXPECT_EQ(vista.pixelColor(42, 32), QColor(255, 0, 0));
    EXPECT_EQ(vista.pixelColor(43, 32), QColor(255, 255, 255));
    // The sunken border round the image: dark on the top and left, light on the bottom and right.
    EXPECT_EQ(vista.pixel(0, 40), pb.palette().color(QPalette::Dark).rgb());
    EXPECT_EQ(vista.pixel(103, 40), pb.palette().color(QPalette::Light).rgb());
    // Repainting after a resize shows the same drawing: it is kept, not redrawn.
    pb.resize(300, 200);
    pb.update();
    vista = pb.grab().toImage();
    EXPECT_EQ(std::pair(vista.pixelColor(42, 32), vista.pixelColor(250, 150)),
              std::pair(QColor(255, 0, 0), QColor(255, 255, 255)));
}

TEST(PictureBoxTest, MouseSignalsCarryPictureMillimetresButtonsAndShift) {
    PictureBox pb;
    pb.resize(204, 104);
    pb.ScalaMillimetri();
    const double mm = 25.4 / pb.logicalDpiX();
    QSignalSpy giu(&pb, &PictureBox::MouseDown), mosso(&pb, &PictureBox::MouseMove),
        su(&pb, &PictureBox::MouseUp), clic(&pb, &PictureBox::Click);
    // Button, shift state and position of a signal.
    auto Segnale = [](const QList<QVariant>& a, int pulsante, int maiuscole, double x, double y) {
        EXPECT_EQ(a[0].toInt(), pulsante);
        EXPECT_EQ(a[1].toInt(), maiuscole);
        EXPECT_NEAR(a[2].toDouble(), x, 1e-9);
        EXPECT_NEAR(a[3].toDouble(), y, 1e-9);
    };
    // Widget pixel (2 + 96, 2 + 48) is inner pixel (96, 48).
    QTest::mousePress(&pb, Qt::LeftButton, Qt::ShiftModifier, QPoint(98, 50));
    ASSERT_EQ(giu.count(), 1);
    Segnale(giu[0], 1, 1, 96 * mm, 48 * mm);
    QTest::mouseMove(&pb, QPoint(52, 22));
    ASSERT_GE(mosso.count(), 1);
    EXPECT_NEAR(mosso.last()[3].toDouble(), 20 * mm, 1e-9);
    QTest::mouseRelease(&pb, Qt::LeftButton, Qt::ControlModifier, QPoint(52, 22));
    ASSERT_EQ(su.count(), 1);
    Segnale(su[0], 1, 2, 50 * mm, 20 * mm);
    EXPECT_EQ(clic.count(), 1);
    QTest::mousePress(&pb, Qt::RightButton, Qt::AltModifier, QPoint(10, 10));
    Segnale(giu.last(), 2, 4, 8 * mm, 8 * mm);
    // A user scale is what the signals use.
    pb.ImpostaScala(0, 0, 1000, 500);
    QTest::mousePress(&pb, Qt::LeftButton, {}, QPoint(102, 52));
    Segnale(giu.last(), 1, 0, 500.0, 250.0);
    EXPECT_EQ(PulsanteMouse(Qt::MiddleButton), 4);
    EXPECT_EQ(PulsantiMouse(Qt::LeftButton | Qt::RightButton), 3);
    EXPECT_EQ(StatoMaiuscole(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
}
