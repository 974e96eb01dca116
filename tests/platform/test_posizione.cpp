// Window placement in twips on Qt widgets, centring kept inside the screen, and the printer
// check with its message.
#include "platform/Posizione.h"
#include "platform/Stampante.h"
#include "support/Risposte.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

using namespace kelvra;

namespace {

QRect Schermo() {
    return QGuiApplication::primaryScreen()->geometry();
}

TEST(Twips, FifteenTwipsPerPixelAt96Dpi) {
    const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
    EXPECT_FLOAT_EQ(TwipsPerPixelX(), static_cast<float>(1440.0 / dpi));
    if (dpi == 96) {
        EXPECT_EQ(TwipsPerPixelX(), 15.0f);
        EXPECT_EQ(TwipsPerPixelY(), 15.0f);
    }
    EXPECT_FLOAT_EQ(LarghezzaSchermo(), static_cast<float>(Schermo().width()) * TwipsPerPixelX());
    EXPECT_FLOAT_EQ(AltezzaSchermo(), static_cast<float>(Schermo().height()) * TwipsPerPixelY());
}

class Posizione : public ::testing::Test {
  protected:
    float tx = TwipsPerPixelX();
    float ty = TwipsPerPixelY();
    test::Risposte risposte;
};

TEST_F(Posizione, FormSetInTwipsReadsBackInTwips) {
    QWidget form;
    PosizionaForm(&form, 100 * ty, 200 * ty, 50 * tx, 300 * tx);
    EXPECT_EQ(form.pos(), QPoint(50, 100));
    EXPECT_EQ(form.size(), QSize(300, 200));
    EXPECT_FLOAT_EQ(SopraTwips(&form), 100 * ty);
    EXPECT_FLOAT_EQ(SinistraTwips(&form), 50 * tx);
    EXPECT_FLOAT_EQ(LarghezzaTwips(&form), 300 * tx);
    EXPECT_FLOAT_EQ(AltezzaTwips(&form), 200 * ty);
}

TEST_F(Posizione, ControlInItsParent) {
    QWidget form;
    form.resize(400, 300);
    auto* pulsante = new QPushButton(&form);
    PosizionaControllo(pulsante, 20 * ty, 30 * tx, 25 * ty, 80 * tx);
    EXPECT_EQ(pulsante->geometry(), QRect(30, 20, 80, 25));
    // Twips that fall between pixels go to the nearest one.
    PosizionaControllo(pulsante, 20.4f * ty, 30.6f * tx, 25 * ty, 80 * tx);
    EXPECT_EQ(pulsante->pos(), QPoint(31, 20));
}

TEST_F(Posizione, CentredOverTheOwner) {
    QWidget proprietario, form;
    proprietario.setGeometry(100, 100, 400, 300);
    form.resize(200, 100);
    CentraForm(&proprietario, &form);
    const QPoint angolo = proprietario.frameGeometry().topLeft();
    EXPECT_EQ(form.frameGeometry().topLeft(), angolo + QPoint(100, 100));
    EXPECT_EQ(form.size(), QSize(200, 100));
}

TEST_F(Posizione, WiderThanTheScreenEndsOnTheRightEdgeWithANegativeLeft) {
    const QRect s = Schermo();
    QWidget proprietario, form;
    proprietario.setGeometry(s.x(), s.y(), 400, 300);
    form.resize(2 * s.width(), 100); // centred, it would pass the right edge
    CentraForm(&proprietario, &form);
    EXPECT_EQ(form.frameGeometry().left(), s.x() - s.width());
    EXPECT_EQ(form.frameGeometry().left() + form.width(), s.x() + s.width());
}

TEST_F(Posizione, KeptAboveTheBottomEdge) {
    const QRect s = Schermo();
    QWidget proprietario, form;
    proprietario.setGeometry(s.x() + 10, s.y() + s.height() - 100, 400, 100);
    form.resize(200, 300);
    CentraForm(&proprietario, &form);
    EXPECT_EQ(form.frameGeometry().top() + form.height(), s.y() + s.height());
    EXPECT_EQ(form.frameGeometry().left(), s.x() + 10 + 100);
}

TEST_F(Posizione, MissingWindowsAreIgnored) {
    QWidget form;
    form.move(7, 9);
    CentraForm(nullptr, &form);
    CentraForm(&form, nullptr);
    PosizionaForm(nullptr, 1, 2, 3, 4);
    PosizionaControllo(nullptr, 1, 2, 3, 4);
    EXPECT_EQ(form.pos(), QPoint(7, 9));
    EXPECT_EQ(SinistraTwips(nullptr), 0.0f);
}

TEST_F(Posizione, ComponentWindowSizeAndCentre) {
    QWidget menu, form;
    menu.setGeometry(0, 0, 760, 560);
    DimensionaFormComponente(&form, &menu);
    EXPECT_NEAR(form.width(), 9600 / tx, 0.5);
    EXPECT_NEAR(form.height(), 6315 / ty, 0.5);
    const QPoint centro =
        form.frameGeometry().topLeft() + QPoint(form.width() / 2, form.height() / 2);
    const QPoint atteso = menu.frameGeometry().topLeft() + QPoint(380, 280);
    EXPECT_LE((centro - atteso).manhattanLength(), 2);
}

TEST_F(Posizione, ChildOfTheMultiDocumentFrameMovesItsSubWindow) {
    QMdiArea area;
    area.setGeometry(0, 0, 800, 600);
    auto* figlia = new QWidget;
    QMdiSubWindow* sotto = area.addSubWindow(figlia);
    sotto->resize(200, 100);
    area.show();
    CentraForm(&area, figlia);
    const QPoint globale = sotto->mapToGlobal(QPoint(0, 0));
    const QPoint atteso = area.frameGeometry().topLeft() + QPoint(300, 250);
    EXPECT_EQ(globale, atteso);
    EXPECT_FLOAT_EQ(LarghezzaTwips(figlia), 200 * tx);
}

TEST_F(Posizione, PrinterCheck) {
    ImpostaPresenzaStampante([] { return false; });
    EXPECT_FALSE(VerificaStampante("No printer is installed"));
    ASSERT_EQ(risposte.mostrati.size(), 1u);
    EXPECT_EQ(risposte.mostrati[0].testo, "No printer is installed.");
    EXPECT_EQ(risposte.mostrati[0].stile, 16);
    ImpostaPresenzaStampante([] { return true; });
    EXPECT_TRUE(VerificaStampante("No printer is installed"));
    EXPECT_EQ(risposte.mostrati.size(), 1u);
    ImpostaPresenzaStampante({});
    // The platform's own answer: true, or false with the message.
    bool presente = VerificaStampante("x");
    EXPECT_EQ(risposte.mostrati.size(), presente ? 1u : 2u);
}

} // namespace
