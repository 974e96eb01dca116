// The geometry editor driven from the keyboard alone: Alt and a letter reach one command of
// the window and never type into the box that has the focus, and the manual simulation's
// travel is moved with the scroll bar's keys.
#include "support/FinestraReale.h"
#include "support/TastiAccesso.h"

#include "core/Formato.h"
#include "core/Unita.h"
#include "platform/CorniceMdi.h"

#include <QApplication>
#include <QImage>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <vector>

using namespace kelvra;
using namespace kelvra::test;

namespace {

class EditorKeyboard : public FinestraReale {
  protected:
    void SetUp() override {
        FinestraReale::SetUp();
        if (HasFatalFailure()) return;
        QApplication::setActiveWindow(main);
        QCoreApplication::processEvents();
    }
    QStringList Doppi() { return TastiDoppi(DidascalieConTasto(ed, main->menuBar()->actions())); }
    // The drawing as a frame leaves it.
    QImage Fotogramma() { return ed->PicGeo().Immagine(); }
    // The frames the mouse shows, moving the bar to each position of the travel.
    void FotogrammiDelMouse() {
        for (int i = 0; i <= ed->VScroll->maximum(); ++i) {
            ed->VScroll->setValue(i);
            fotogrammi.push_back(Fotogramma());
        }
        ed->VScroll->setValue(0);
    }
    std::vector<QImage> fotogrammi;
    // The widgets Tab visits from `da` until it comes back to it.
    static QList<QWidget*> GiroTab(QWidget* da) {
        QList<QWidget*> visti;
        da->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 200; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* w = QApplication::focusWidget();
            if (w == da || w == nullptr) break;
            visti << w;
        }
        return visti;
    }
};

// Every panel and every state of the chain leaves one control per access key, the menu bar's
// titles included: the swingarm, shock, link and rocker panels, the closed chain and its
// simulation running and stopped.
TEST_F(EditorKeyboard, AccessKeysAreUniqueInEveryPanelAndState) {
    auto unici = [this](const char* stato) {
        const QStringList doppi = Doppi();
        EXPECT_TRUE(doppi.isEmpty()) << stato << ": " << doppi.join(", ").toStdString();
    };
    unici("swingarm");
    ed->CmdMolla->click();
    ASSERT_TRUE(ed->FRMMOLLA->isVisible());
    unici("shock absorber");
    ed->SchemaItem[1]->trigger();
    ed->CmdAsta->click();
    ASSERT_TRUE(ed->FRMASTA->isVisible());
    unici("link");
    Digita(ed->TxtAstaX, "250"), Digita(ed->TxtAstaY, "-100");
    ed->CmdOKAsta->click();
    ed->CmdSquadretta->click();
    ASSERT_TRUE(ed->FrmSquadretta->isVisible());
    unici("rocker");
    ed->SchemaItem[1]->trigger();
    QuadrilateroDigitato();
    unici("closed chain");
    ed->CmdSimula->click();
    ASSERT_TRUE(ed->VScroll->isVisible());
    unici("manual simulation");
    ed->CmdSimula->click();
    unici("simulation stopped");
}

// Alt+R opens the Results menu, as it does in the graph window, whether the rocker button is
// greyed or not; the box with the focus keeps its text. The rocker takes a key of its own.
TEST_F(EditorKeyboard, AltROpensTheResultsMenuWithTheRockerGreyed) {
    QuadrilateroDigitato();
    ASSERT_FALSE(ed->CmdSquadretta->isEnabled());
    QMenu* risultati = ed->MenuItem[12];
    ASSERT_TRUE(risultati->menuAction()->isEnabled());
    ed->TxtMollaX->setFocus();
    const QString prima = ed->TxtMollaX->text();
    QTest::keyClick(ed->TxtMollaX, Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(risultati->isVisible());
    EXPECT_EQ(ed->TxtMollaX->text(), prima);
    risultati->hide();
    // The greyed rocker's own key does nothing at all.
    const QKeySequence rocker = QKeySequence::mnemonic(ed->CmdSquadretta->text());
    ASSERT_FALSE(rocker.isEmpty());
    EXPECT_NE(rocker, QKeySequence(Qt::ALT | Qt::Key_R));
    QTest::keyClick(ed->TxtMollaX, rocker[0].key(), rocker[0].keyboardModifiers());
    EXPECT_EQ(ed->TxtMollaX->text(), prima);
    EXPECT_FALSE(ed->FrmSquadretta->isVisible());
    // Once the chain is opened again, the rocker's key adds a rocker.
    ed->SchemaItem[8]->trigger();
    ASSERT_TRUE(ed->CmdSquadretta->isEnabled());
    ed->TxtMaxEsc->setFocus();
    QTest::keyClick(ed->TxtMaxEsc, rocker[0].key(), rocker[0].keyboardModifiers());
    EXPECT_TRUE(QTest::qWaitFor([this] { return ed->FrmSquadretta->isVisible(); }, 2000));
}

// A chord of Alt, Ctrl or the system key types nothing into a box, whether or not the key is
// taken by a greyed command; a key that is an access key still does its command.
TEST_F(EditorKeyboard, AnAltChordTypesNothingIntoABox) {
    QLineEdit* x1 = ed->TxtForcelloneX[0];
    x1->setFocus();
    x1->end(false);
    ASSERT_EQ(T(x1), "0.00");
    const struct {
        Qt::Key tasto;
        Qt::KeyboardModifiers modificatori;
    } accordi[] = {
        {Qt::Key_I, Qt::AltModifier},     {Qt::Key_Q, Qt::AltModifier},
        {Qt::Key_5, Qt::AltModifier},     {Qt::Key_I, Qt::AltModifier | Qt::ShiftModifier},
        {Qt::Key_J, Qt::ControlModifier}, {Qt::Key_I, Qt::MetaModifier}};
    for (const auto& a : accordi) {
        QTest::keyClick(x1, a.tasto, a.modificatori);
        EXPECT_EQ(T(x1), "0.00") << QKeySequence(a.tasto | a.modificatori).toString().toStdString();
        EXPECT_EQ(QApplication::focusWidget(), x1);
    }
    // Alt and the link button's letter adds a link: the focus goes to its first box.
    const QKeySequence asta = QKeySequence::mnemonic(ed->CmdAsta->text());
    QTest::keyClick(x1, asta[0].key(), asta[0].keyboardModifiers());
    // The button shows itself pressed for a moment before it clicks.
    EXPECT_TRUE(QTest::qWaitFor([this] { return ed->FRMASTA->isVisible(); }, 2000));
    EXPECT_EQ(T(x1), "0.00");
    // Plain typing still reaches the box.
    Digita(ed->TxtAstaX, "12");
    EXPECT_EQ(T(ed->TxtAstaX), "12");
}

// While the manual simulation runs its scroll bar is a Tab stop, and the arrow, Page, Home
// and End keys move the travel as the mouse on the bar does; stopped, the bar is gone.
TEST_F(EditorKeyboard, TheManualSimulationIsDrivenByTheScrollBarKeys) {
    QuadrilateroDigitato();
    QScrollBar* barra = ed->VScroll;
    EXPECT_FALSE(GiroTab(ed->CmdSimula).contains(barra));
    ed->CmdSimula->click();
    ASSERT_TRUE(barra->isVisible());
    ASSERT_EQ(barra->maximum(), 30);
    FotogrammiDelMouse();
    ASSERT_FALSE(fotogrammi[0] == fotogrammi[1]);
    const QList<QWidget*> giro = GiroTab(ed->CmdSimula);
    ASSERT_TRUE(giro.contains(barra));
    // In reading order: the bar beside the drawing comes first, before the strip under it.
    EXPECT_EQ(giro.indexOf(barra), giro.indexOf(ed->CmdEsci) + 1);
    for (int i = 0; i <= giro.indexOf(barra); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), barra);
    const int pagina = barra->pageStep();
    EXPECT_GT(pagina, barra->singleStep());
    const struct {
        Qt::Key tasto;
        int posizione;
    } passi[] = {{Qt::Key_Down, 1},
                 {Qt::Key_Down, 2},
                 {Qt::Key_Up, 1},
                 {Qt::Key_PageDown, 1 + pagina},
                 {Qt::Key_End, 30},
                 {Qt::Key_Down, 30},
                 {Qt::Key_PageUp, 30 - pagina},
                 {Qt::Key_Home, 0},
                 {Qt::Key_Up, 0}};
    for (const auto& p : passi) {
        QTest::keyClick(barra, p.tasto);
        SCOPED_TRACE(QKeySequence(p.tasto).toString().toStdString());
        EXPECT_EQ(barra->value(), p.posizione);
        EXPECT_TRUE(Fotogramma() == fotogrammi[static_cast<size_t>(p.posizione)]);
        EXPECT_EQ(AdAnsi(ed->LblEsc->text()), FormattaNumero(p.posizione, "##0.0#"));
    }
    // The bar says what it does.
    QMouseEvent e(QEvent::MouseMove, QPointF(2, 2), barra->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                  Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(barra, &e);
    EXPECT_EQ(Suggerimento(), Riga(TestiToolbar, 86));
    // The mouse's page step on the bar lands where Page Down does.
    barra->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_TRUE(Fotogramma() == fotogrammi[static_cast<size_t>(pagina)]);
    ed->CmdSimula->click();
    EXPECT_FALSE(barra->isVisible());
    EXPECT_FALSE(GiroTab(ed->CmdSimula).contains(barra));
}

} // namespace
