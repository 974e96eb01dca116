// The real editor with mouse, view tools and animation. An animation yields to the event loop
// once per frame; the tests act in those yields through a queued call that posts itself again.
// KELVRA_SCREENSHOT_DIR names a folder for pictures at rest, mid-travel and after stopping.
#include "Attesi.h"
#include "support/FinestraReale.h"

#include "core/Disegno.h"
#include "core/Formato.h"
#include "platform/Posizione.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <cmath>
#include <functional>
#include <memory>

using namespace kelvra;
using namespace kelvra::test;

namespace {

// The element records of the newest project, to compare before and after an animation.
std::vector<float> Records() {
    const Progetto& p = Progetti[NumeroProgetti];
    std::vector<float> v;
    const auto aggiungi = [&](const auto& r) {
        for (const Punto& q : r.P) v.push_back(q.X), v.push_back(q.Y);
    };
    aggiungi(p.DatiForcellone);
    for (int s = 0; s <= MAX_ELEMENTI; ++s) {
        aggiungi(p.DatiAsta[s]);
        aggiungi(p.DatiSquadretta[s]);
        aggiungi(p.DatiMolla[s]);
    }
    return v;
}

// Counts the passes of the event loop (every yield of an animation is one) and runs
// `azione` at each with the count so far, until the next start or stop.
class Passi {
  public:
    int conteggio = 0;
    void Avvia(std::function<void(int)> a) {
        azione_ = std::move(a);
        conteggio = 0;
        Posta(++giro_);
    }
    void Ferma() {
        ++giro_;
        QCoreApplication::processEvents();
    }

  private:
    void Posta(int giro) {
        QMetaObject::invokeMethod(
            qApp,
            [this, giro] {
                if (giro != giro_) return;
                azione_(++conteggio);
                if (giro == giro_) Posta(giro);
            },
            Qt::QueuedConnection);
    }
    int giro_ = 0;
    std::function<void(int)> azione_;
};

class AnimatedEditor : public FinestraReale {
  protected:
    void SetUp() override {
        FinestraReale::SetUp();
        ASSERT_TRUE(ed->isVisible());
    }
    void TearDown() override {
        passi.Ferma();
        FinestraReale::TearDown();
    }
    PictureBox& Pic() { return ed->PicGeo(); }

    // The pointer moves to a world point of the drawing and the left button clicks there.
    void Clic(double X, double Y) {
        const double x = SchermoX(X), y = SchermoY(Y);
        emit Pic().MouseMove(0, 0, x, y);
        emit Pic().MouseDown(1, 0, x, y);
        emit Pic().MouseUp(1, 0, x, y);
    }
    // The four-bar of QuadrilateroDigitato drawn with the mouse; returns the records at rest.
    std::vector<float> QuadrilateroCliccato() {
        Digita(ed->TxtMaxEsc, "100");
        ed->CmdAsta->click();
        Clic(800, 300);
        ed->CmdAsta->click();
        Clic(900, 250);
        ed->CmdMolla->click();
        Clic(550, 650);
        return Records();
    }
    // Runs the animation of a kind from the button with `azione` at every yield, and
    // expects it to have ended at yield `ultima`.
    void Anima(int16_t tipo, int ultima, std::function<void(int)> azione) {
        ed->TipoSimulazione = tipo;
        passi.Avvia(std::move(azione));
        ed->CmdSimula->click();
        EXPECT_EQ(passi.conteggio, ultima);
        passi.Ferma();
    }
    QRgb ColoreA(const Punto& w) {
        const QPointF px = Pic().PixelDa(SchermoX(w.X), SchermoY(w.Y));
        return Pic().Immagine().pixel(static_cast<int>(px.x()), static_cast<int>(px.y()));
    }
    // Dark pixels of the drawing: the grid's marks and text.
    int PixelScuri() {
        const QImage im = Pic().Immagine().convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                if (qGray(im.pixel(x, y)) < 100 && qRed(im.pixel(x, y)) < 100) ++n;
        return n;
    }
    QString Maiuscola(int riga) {
        const QString t = DaAnsi(Maiuscolo(Riga(TestiInsGeo01, riga)));
        return t.contains('&') ? t : "&" + t;
    }
    // All four confirm buttons enabled (true), all disabled (false); -1 when mixed.
    int Conferme() {
        const int n = ed->CmdOKForcellone->isEnabled() + ed->CmdOKAsta->isEnabled() +
                      ed->CmdOKSquadretta->isEnabled() + ed->CmdOKMolla->isEnabled();
        return n == 4 ? 1 : n == 0 ? 0 : -1;
    }
    // At rest after a stop: records, drawing, caption, the stop request cleared.
    void ARiposo(const std::vector<float>& riposo, const QString& didascalia) {
        EXPECT_EQ(Records(), riposo);
        EXPECT_EQ(PosizioneDisegnata(), 0);
        EXPECT_EQ(ed->RichiestaStop, FALSO);
        EXPECT_EQ(ed->CmdSimula->text(), didascalia);
        EXPECT_EQ(Conferme(), 1);
    }
    void Salva(const char* nome) {
        if (const char* cartella = std::getenv("KELVRA_SCREENSHOT_DIR")) {
            QCoreApplication::processEvents();
            main->grab().save(QString::fromLocal8Bit(cartella) + "/" + nome + ".png");
        }
    }

    Passi passi;
};

TEST_F(AnimatedEditor, AFourBarDrawnByClicksIsSolvedAndAnimatedByHand) {
    const auto riposo = QuadrilateroCliccato();
    EXPECT_TRUE(dialoghi.mostrati.empty());
    ASSERT_EQ(P().UltimoElemento, 3);
    AttesiPunti({{800, 300}, {900, 250}, {550, 650}},
                {P().DatiAsta[1].P[1], P().DatiAsta[2].P[1], P().DatiMolla[3].P[1]});
    EXPECT_EQ(P().StatoDatiProgetto, 1);
    EXPECT_GE(P().NumPunti, 30);
    EXPECT_NEAR(P().LunghezzaAmmortizzatore[0], std::hypot(250.0, 350.0), 1e-2);
    EXPECT_TRUE(ed->CmdSimula->isEnabled());
    // The readouts now measure from the start of the shock absorber, the joint.
    emit Pic().MouseMove(0, 0, SchermoX(800), SchermoY(400));
    EXPECT_EQ(ed->LblL->text(), "100.0");
    EXPECT_EQ(Pic().cursor().shape(), Qt::CrossCursor);

    // The manual animation: the bar moves the suspension, stopping returns to rest.
    const int W = ed->width();
    Salva("riposo");
    ed->CmdSimula->click();
    EXPECT_EQ(ed->StatoSimula, 1);
    EXPECT_EQ(ed->CmdSimula->text(), Maiuscola(14));
    EXPECT_EQ(Conferme(), 0);
    EXPECT_EQ(ModoEdit, 6);
    // The drawing gives up an 800-twip strip; the bar stands a third of the way into it,
    // with the travel label under it.
    const int striscia = static_cast<int>(std::lround(800 / TwipsPerPixelX(ed)));
    const auto Disposizione = [&](int larghezza) {
        EXPECT_NEAR(Pic().width(), larghezza - striscia, 1);
        EXPECT_NEAR(ed->VScroll->x(), larghezza - 2.0 * striscia / 3, 1.5);
        EXPECT_EQ(ed->VScroll->y(), 0);
        EXPECT_EQ(ed->LblEsc->y(), ed->VScroll->height());
        EXPECT_NEAR(ed->VScroll->height() + ed->LblEsc->height(), Pic().height(), 1);
    };
    Disposizione(W);
    EXPECT_TRUE(ed->VScroll->isVisible());
    EXPECT_TRUE(ed->LblEsc->isVisible());
    EXPECT_EQ(ed->VScroll->maximum(), 30);

    ed->VScroll->setValue(15);
    EXPECT_EQ(ed->LblEsc->text(), "15.0");
    // The frame is fitted to the narrowed drawing.
    EXPECT_NEAR(AreaDestra * Pic().Dpi() / 25.4, Pic().width() - 2 * BORDO_PICTURE, 1.0);
    EXPECT_EQ(PosizioneDisegnata(), 15);
    // The swingarm runs through the wheel axle 15 mm up, not through the axle at rest.
    EXPECT_EQ(ColoreA(P().PosizioneRuota[15]), qRgb(255, 0, 0));
    EXPECT_NE(ColoreA(P().PosizioneRuota[0]), qRgb(255, 0, 0));
    EXPECT_NEAR(P().PosizioneRuota[15].Y - P().PosizioneRuota[0].Y, 15.0, 1e-3);
    EXPECT_EQ(Records(), riposo);
    Salva("manuale15");

    // A larger frame: the strip, the bar and the position follow the new size.
    main->resize(1400, 1000);
    QCoreApplication::processEvents();
    ASSERT_GT(ed->width(), W);
    Disposizione(ed->width());
    EXPECT_EQ(ed->VScroll->value(), 15);
    EXPECT_EQ(ColoreA(P().PosizioneRuota[15]), qRgb(255, 0, 0));
    main->resize(1280, 900);
    QCoreApplication::processEvents();

    // A click on the drawing during the animation enters nothing.
    Clic(600, 600);
    EXPECT_EQ(Records(), riposo);

    ed->CmdSimula->click();
    EXPECT_EQ(ed->StatoSimula, 2);
    ARiposo(riposo, Maiuscola(8));
    EXPECT_FALSE(ed->VScroll->isVisible());
    EXPECT_FALSE(ed->LblEsc->isVisible());
    EXPECT_EQ(ed->VScroll->value(), 0);
    EXPECT_EQ(Pic().width(), ed->width());
    EXPECT_EQ(ColoreA(P().PosizioneRuota[0]), qRgb(255, 0, 0));
    Salva("fermata");
}

TEST_F(AnimatedEditor, AutomaticStoppedMidTravelOrByAnotherWindowReturnsToRest) {
    const auto riposo = QuadrilateroCliccato();
    // Choosing the kind in the menu starts it at once and runs it to its end, at rest.
    ed->SimulazioneItem[2]->trigger();
    EXPECT_TRUE(ed->SimulazioneItem[2]->isChecked());
    EXPECT_FALSE(ed->SimulazioneItem[1]->isChecked());
    EXPECT_EQ(PosizioneDisegnata(), 0);
    EXPECT_EQ(Records(), riposo);
    ed->CmdSimula->click(); // stop
    EXPECT_EQ(ed->StatoSimula, 2);

    std::vector<int> viste;
    Anima(2, 10, [&](int i) {
        viste.push_back(PosizioneDisegnata());
        // Mid-travel the records still hold the rest geometry, and nothing can confirm.
        EXPECT_EQ(Records(), riposo);
        EXPECT_EQ(Conferme(), 0);
        if (i == 10) ed->CmdSimula->click();
    });
    // One frame per yield from rest upwards, and nothing after the stop.
    EXPECT_EQ(viste, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(ed->StatoSimula, 2);
    EXPECT_EQ(ModoEdit, 0);
    ARiposo(riposo, Maiuscola(13));

    // Activating another window stops it too.
    auto* altra = new FinestraFiglia;
    main->AggiungiFiglia(altra);
    main->AttivaFiglia(ed);
    Anima(2, 5, [&](int i) {
        if (i == 5) main->AttivaFiglia(altra);
    });
    ARiposo(riposo, Maiuscola(8));
    main->AttivaFiglia(ed);
    EXPECT_EQ(ed->StatoSimula, 0);

    // Away and straight back within one frame: the activation does not take back the stop.
    Anima(2, 5, [&](int i) {
        if (i != 5) return;
        main->AttivaFiglia(altra);
        main->AttivaFiglia(ed);
    });
    ARiposo(riposo, Maiuscola(8));

    // The manual kind gives the drawing its width back and hides the bar.
    ed->TipoSimulazione = 1;
    ed->CmdSimula->click();
    ASSERT_TRUE(ed->VScroll->isVisible());
    ed->VScroll->setValue(20);
    main->AttivaFiglia(altra);
    EXPECT_FALSE(ed->VScroll->isVisibleTo(ed));
    EXPECT_EQ(Pic().width(), ed->width());
    EXPECT_EQ(ed->VScroll->value(), 0);
    ARiposo(riposo, Maiuscola(8));
}

TEST_F(AnimatedEditor, ClosingTheLastFileDuringTheAutomaticKindLeavesTheOtherProjectDrawn) {
    ed->FileItem_Click(1); // project 1 stays without a linkage
    QuadrilateroCliccato();
    Anima(2, 5, [&](int i) {
        if (i != 5) return;
        dialoghi.Rispondi(vbNo); // the linkage was never saved: closed without saving
        ed->FileItem_Click(4);
    });
    ASSERT_EQ(NumeroProgetti, 1);
    // No frame of the travel drawn over the project now shown, which has none.
    const TrePunti& f = P().DatiForcellone;
    EXPECT_EQ(ColoreA({(f.P[0].X + f.P[1].X) / 2, (f.P[0].Y + f.P[1].Y) / 2}), qRgb(255, 0, 0));
    EXPECT_EQ(std::tuple(ed->StatoSimula, ed->RichiestaStop, Conferme()), std::tuple(0, FALSO, 1));
}

TEST_F(AnimatedEditor, ClosingDuringTheAnimationWaitsForTheCycleToEnd) {
    const auto riposo = QuadrilateroCliccato();
    QPointer<INSGEO01> finestra = ed;
    QMdiSubWindow* sotto = ed->SottoFinestra();
    ASSERT_NE(sotto, nullptr);
    // The close box of the sub-window: refused while the loop is on the stack.
    Anima(2, 4, [&](int i) {
        if (i == 4) sotto->close();
        EXPECT_FALSE(finestra.isNull());
        EXPECT_TRUE(sotto->isVisible());
    });
    // The loop stopped at rest and then the window closed.
    ASSERT_FALSE(finestra.isNull());
    EXPECT_FALSE(sotto->isVisible());
    EXPECT_EQ(ed->RichiestaStop, FALSO);
    EXPECT_EQ(Records(), riposo);

    // The exit button while the loop runs: the complete chain is kept, the window is
    // destroyed once the loop has unwound, never before.
    Ganci.MostraInsGeo(*main, false);
    ASSERT_TRUE(sotto->isVisible());
    Anima(2, 3, [&](int i) {
        if (i == 3) ed->CmdEsci->click();
        EXPECT_FALSE(finestra.isNull());
    });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(finestra.isNull());
    EXPECT_EQ(INSGEO01::Istanza(), nullptr);
    EXPECT_EQ(P().UltimoElemento, 3);
    EXPECT_EQ(Records(), riposo);
    ed = nullptr;
}

TEST_F(AnimatedEditor, AnEditorDestroyedDuringAYieldEndsTheLoopUntouched) {
    const auto riposo = QuadrilateroCliccato();
    Anima(2, 3, [&](int i) {
        if (i == 3) delete ed;
    });
    EXPECT_EQ(INSGEO01::Istanza(), nullptr);
    EXPECT_EQ(Records(), riposo);
    ed = nullptr;
}

TEST_F(AnimatedEditor, ExitingTheProgramDuringTheAnimation) {
    QuadrilateroCliccato();
    QPointer<INSGEO01> finestra = ed;
    // The exit question: No first, then Yes; any save question is declined.
    std::deque<int> uscita{vbNo, vbYes};
    ImpostaGestoreMessaggio([&](const std::string& testo, int, const std::string&) {
        if (testo != Riga(Messaggi, 0)) return static_cast<int>(vbNo);
        const int r = uscita.front();
        uscita.pop_front();
        return r;
    });
    int alTermine = -1;
    Anima(2, 6, [&](int i) {
        if (i == 3) main->close(); // No: the animation goes on
        if (i != 6) return;
        main->close(); // Yes: the program ends here, with the editor whole
        alTermine = terminato;
        EXPECT_FALSE(finestra.isNull());
        EXPECT_TRUE(ed->SimulazioneInCorso());
        ed->CmdSimula->click(); // nothing runs after the end in the real program
    });
    EXPECT_EQ(alTermine, 0);
    EXPECT_TRUE(uscita.empty());
    EXPECT_FALSE(finestra.isNull());
}

TEST_F(AnimatedEditor, WindowZoomAndPanFollowTheTransforms) {
    QuadrilateroCliccato();
    // Window zoom: a drag from the pivot's upper left to the axle's lower right.
    ed->VistaItem[4]->trigger();
    EXPECT_EQ(ModoEdit, 2);
    const double x1 = SchermoX(500), y1 = SchermoY(700);
    const double x2 = SchermoX(1100), y2 = SchermoY(200);
    const double mondoL = MondoX(x1), mondoR = MondoX(x2), mondoB = MondoY(y2);
    emit Pic().MouseDown(1, 0, x1, y1);
    emit Pic().MouseMove(1, 0, x2, y2);
    ASSERT_TRUE(ed->Shape1->isVisible());
    // The rubber rectangle covers the dragged pixels.
    const QPointF a = Pic().PixelDa(x1, y1), b = Pic().PixelDa(x2, y2);
    EXPECT_NEAR(ed->Shape1->x(), a.x() + BORDO_PICTURE, 1);
    EXPECT_NEAR(ed->Shape1->width(), b.x() - a.x(), 2);
    emit Pic().MouseUp(1, 0, x2, y2);
    EXPECT_FALSE(ed->Shape1->isVisible());
    EXPECT_EQ(ZoomUtente, VERO);
    // The dragged world rectangle now spans the drawing's width, its bottom at the bottom.
    AttesiValori({mondoL, mondoR, mondoB},
                 {MondoX(AreaSinistra), MondoX(AreaDestra), MondoY(AreaSotto)}, 1e-2);
    EXPECT_NEAR(ScalaSchemaX, (mondoR - mondoL) / AreaDestra, 1e-4);
    EXPECT_FLOAT_EQ(ScalaSchemaY, ScalaSchemaX);
    EXPECT_EQ(ColoreA(Punto{550, 400}), qRgb(0, 0, 0));

    // The animation keeps the zoomed view.
    const float scala = ScalaSchemaX;
    ed->TipoSimulazione = 3;
    ed->CmdSimula->click();
    EXPECT_FLOAT_EQ(ScalaSchemaX, scala);
    ed->CmdSimula->click();

    // Pan: the corner moves by minus the drag in world mm.
    const float angoloX = FinestraX1, angoloY = FinestraY1;
    ed->VistaItem[6]->trigger();
    EXPECT_EQ(ModoEdit, 3);
    Trascina(50, 40, 80, 60); // replaced by the second pan, not added to
    ed->VistaItem[6]->trigger();
    Trascina(50, 40, 40, 40);
    AttesoPunto({angoloX + 10 * scala, angoloY}, {FinestraX1, FinestraY1}, 1e-2f);
}

TEST_F(AnimatedEditor, TheGridSteps) {
    const int passi[] = {-1, 0, 50, 100, 250, 500, -1};
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(PassoGrigliaItem(k), passi[k]) << k;
    const int senza = PixelScuri();
    EXPECT_EQ(PassoGriglia, 0);
    EXPECT_TRUE(ed->GrigliaItem[1]->isChecked());
    ed->GrigliaItem[3]->trigger();
    EXPECT_EQ(PassoGriglia, 100);
    const int cento = PixelScuri();
    ed->GrigliaItem[2]->trigger();
    EXPECT_EQ(PassoGriglia, 50);
    const int cinquanta = PixelScuri();
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(ed->GrigliaItem[k]->isChecked(), k == 2) << k;
    // About four times as many marks at half the step.
    EXPECT_GT(cento, senza);
    EXPECT_NEAR(static_cast<double>(cinquanta - senza) / (cento - senza), 3.8, 0.8);
    ed->GrigliaItem[1]->trigger();
    EXPECT_EQ(PassoGriglia, 0);
    EXPECT_EQ(PixelScuri(), senza);
}

TEST_F(AnimatedEditor, AfterAViewChangeAClickMovesTheElementBeingEdited) {
    QuadrilateroCliccato();
    ed->CmbModifica->setCurrentIndex(1); // the first link, end (800, 300)
    emit ed->CmbModifica->activated(1);
    // Drag the point of view; the link is reloaded.
    ed->VistaItem[7]->trigger();
    ASSERT_EQ(ModoEdit, 4);
    Trascina(50, 50, 70, 40);
    ASSERT_EQ(ModoEdit, 5);
    // A click puts the end under the pointer, the next link follows, the chain is solved.
    for (const Punto& q : {Punto{820, 320}, Punto{780, 280}}) {
        Clic(q.X, q.Y);
        AttesiPunti({q, q, q},
                    {P().DatiAsta[1].P[1], P().DatiAsta[2].P[0], P().PuntiGiunzione[3][1][0]},
                    1e-2f);
        EXPECT_EQ(P().StatoDatiProgetto, 1);
    }
    EXPECT_EQ(ModoEdit, 5);
    // Another button leaves modify mode.
    emit Pic().MouseDown(2, 0, SchermoX(700), SchermoY(500));
    EXPECT_EQ(ModoEdit, 0);
    EXPECT_NEAR(P().DatiAsta[1].P[1].X, 780, 1e-2);
}

// The editor's drawing driven by real mouse events at pixels of the picture widget.
class ViewToolsWithTheMouse : public AnimatedEditor {
  protected:
    void Premi(Qt::MouseButton b, QPoint p) { QTest::mousePress(&Pic(), b, {}, p); }
    void Rilascia(Qt::MouseButton b, QPoint p) { QTest::mouseRelease(&Pic(), b, {}, p); }
    // The texts of the swingarm's boxes: pivot, axle, attachment, x then y.
    std::vector<std::string> Forcellone() {
        std::vector<std::string> v;
        for (int i = 0; i < 3; ++i)
            v.push_back(T(ed->TxtForcelloneX[i])), v.push_back(T(ed->TxtForcelloneY[i]));
        return v;
    }
};

TEST_F(ViewToolsWithTheMouse, ZoomAndPanStartOnlyWithTheLeftButton) {
    const float scala = ScalaSchemaX, angoloX = FinestraX1, angoloY = FinestraY1;
    // Window zoom draws a rectangle, pan a line.
    for (const auto& [voce, forma] : {std::pair<int, QWidget*>{4, ed->Shape1}, {6, ed->Line1}}) {
        // Neither the right nor the middle button draws one or moves the view.
        for (const Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
            SCOPED_TRACE(testing::Message() << voce << " " << b);
            ed->VistaItem[voce]->trigger();
            Premi(b, {300, 200});
            EXPECT_FALSE(forma->isVisible());
            QTest::mouseMove(&Pic(), {400, 300});
            Rilascia(b, {400, 300});
            EXPECT_FALSE(forma->isVisible());
            EXPECT_EQ(std::tuple(ZoomUtente, ScalaSchemaX, FinestraX1, FinestraY1),
                      std::tuple(FALSO, scala, angoloX, angoloY));
        }
        // A right click in the middle of a left drag resets the view and takes the shape away.
        Premi(Qt::LeftButton, {300, 200});
        QTest::mouseMove(&Pic(), {400, 300});
        ASSERT_TRUE(forma->isVisible());
        Premi(Qt::RightButton, {400, 300});
        Rilascia(Qt::RightButton, {400, 300});
        Rilascia(Qt::LeftButton, {400, 300});
        EXPECT_FALSE(forma->isVisible());
        EXPECT_EQ(std::tuple(ModoEdit, ZoomUtente, ScalaSchemaX), std::tuple(0, FALSO, scala));
    }
}

TEST_F(ViewToolsWithTheMouse, APanMovesTheViewNeverWhatATypedPointMeans) {
    // The fresh swingarm: pivot (550, 400), axle (1020, 350), attachment (750, 450).
    const std::vector<std::string> fitted{"0.00", "0.00", "470.00", "-50.00", "200.00", "50.00"};
    ASSERT_EQ(Forcellone(), fitted);
    const QPointF perno = Pic().PixelDa(SchermoX(550), SchermoY(400));
    const QPoint da{800, 300};
    for (const QPoint spinta :
         {QPoint{0, 200}, QPoint{0, -200}, QPoint{150, 0}, QPoint{-150, 0}, QPoint{-120, 90}}) {
        SCOPED_TRACE(testing::Message() << spinta.x() << " " << spinta.y());
        ed->VistaItem[6]->trigger();
        Premi(Qt::LeftButton, da);
        QTest::mouseMove(&Pic(), da + spinta);
        Rilascia(Qt::LeftButton, da + spinta);
        // The drawing followed the mouse; the boxes still measure from the pivot.
        const QPointF spostato = Pic().PixelDa(SchermoX(550), SchermoY(400));
        EXPECT_NEAR(spostato.x() - perno.x(), spinta.x(), 1.0);
        EXPECT_NEAR(spostato.y() - perno.y(), spinta.y(), 1.0);
        EXPECT_EQ(Forcellone(), fitted);
    }
    // A link typed after the pan ends where the same text puts it in the fitted view.
    ed->CmdAsta->click();
    Digita(ed->TxtAstaX, "230");
    Digita(ed->TxtAstaY, "200");
    QTest::keyClick(ed->TxtAstaY, Qt::Key_Return);
    AttesoPunto({780, 600}, P().DatiAsta[1].P[1], 1e-2f);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

} // namespace
