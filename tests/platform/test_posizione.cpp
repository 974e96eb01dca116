// Window placement in twips on Qt widgets, and centring kept inside the screen.
#include "platform/Posizione.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

using namespace kelvra;

namespace {

QRect Schermo() {
    return QGuiApplication::primaryScreen()->geometry();
}

class Placement : public ::testing::Test {
  protected:
    float tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
};

// The screen in twips from the logical resolution (15 twips a pixel at 96 dpi).
TEST_F(Placement, FormsControlsAndTheScreenInTwips) {
    const qreal dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
    EXPECT_FLOAT_EQ(tx, static_cast<float>(1440.0 / dpi));
    EXPECT_FLOAT_EQ(AltezzaSchermo(), static_cast<float>(Schermo().height()) * ty);
    QWidget form;
    PosizionaForm(&form, 100 * ty, 200 * ty, 50 * tx, 300 * tx);
    EXPECT_EQ(form.geometry(), QRect(50, 100, 300, 200));
    EXPECT_EQ((std::vector<float>{SopraTwips(&form), SinistraTwips(&form), LarghezzaTwips(&form),
                                  AltezzaTwips(&form)}),
              (std::vector<float>{100 * ty, 50 * tx, 300 * tx, 200 * ty}));
    // Twips that fall between pixels go to the nearest one.
    auto* pulsante = new QPushButton(&form);
    PosizionaControllo(pulsante, 20.4f * ty, 30.6f * tx, 25 * ty, 80 * tx);
    EXPECT_EQ(pulsante->geometry(), QRect(31, 20, 80, 25));
    // Missing windows are ignored.
    CentraForm(nullptr, &form);
    CentraForm(&form, nullptr);
    PosizionaForm(nullptr, 1, 2, 3, 4);
    PosizionaControllo(nullptr, 1, 2, 3, 4);
    EXPECT_EQ(form.pos(), QPoint(50, 100));
    EXPECT_EQ(SinistraTwips(nullptr), 0.0f);
}

TEST_F(Placement, CentredOverTheOwnerAndKeptOnTheScreen) {
    const QRect s = Schermo();
    const int basso = s.y() + s.height() - 100;
    struct Caso {
        QRect proprietario;
        QSize form;
        QPoint angolo; // of the form's frame
    } casi[] = {
        {{100, 100, 400, 300}, {200, 100}, {200, 200}},
        // Wider than the screen: it ends on the right edge, with a negative left.
        {{s.x(), s.y(), 400, 300}, {2 * s.width(), 100}, {s.x() - s.width(), s.y() + 100}},
        // Near the bottom: kept above the bottom edge.
        {{s.x() + 10, basso, 400, 100}, {200, 300}, {s.x() + 110, s.y() + s.height() - 300}},
    };
    for (const Caso& c : casi) {
        QWidget proprietario, form;
        proprietario.setGeometry(c.proprietario);
        form.resize(c.form);
        CentraForm(&proprietario, &form);
        EXPECT_EQ(form.frameGeometry().topLeft(), c.angolo);
        EXPECT_EQ(form.size(), c.form);
    }
}

TEST_F(Placement, ComponentWindowSizeAndCentreAndAChildOfTheFrame) {
    QWidget menu, form;
    menu.setGeometry(0, 0, 760, 560);
    DimensionaFormComponente(&form, &menu);
    EXPECT_NEAR(form.width(), 9600 / tx, 0.5);
    EXPECT_NEAR(form.height(), 6315 / ty, 0.5);
    const QPoint centro =
        form.frameGeometry().topLeft() + QPoint(form.width() / 2, form.height() / 2);
    EXPECT_LE((centro - menu.frameGeometry().topLeft() - QPoint(380, 280)).manhattanLength(), 2);
    // A child of the multi-document frame moves its sub-window.
    QMdiArea area;
    area.setGeometry(0, 0, 800, 600);
    auto* figlia = new QWidget;
    QMdiSubWindow* sotto = area.addSubWindow(figlia);
    sotto->resize(200, 100);
    area.show();
    CentraForm(&area, figlia);
    EXPECT_EQ(sotto->mapToGlobal(QPoint(0, 0)), area.frameGeometry().topLeft() + QPoint(300, 250));
    EXPECT_FLOAT_EQ(LarghezzaTwips(figlia), 200 * tx);
}

} // namespace
