// The geometry editor window with its mouse, view tools and animation wired in, driven as a
// user drives it on the offscreen platform: a linkage drawn by clicking on the drawing and
// solved, the manual animation moved with the scroll bar, the automatic one stopped, left by
// deactivation and by closing while it runs, a window zoom, a pan and the grid steps.
//
// A running animation yields to the event loop once per frame; the tests act inside those
// yields through a queued call that posts itself again at every pass of the loop, so each
// action happens at a known frame without timers or waiting.
//
// KELVRA_SCREENSHOT_DIR names a folder to keep pictures of the main window at rest, during
// the manual animation and after stopping it.
#include "core/Cinematica.h"
#include "core/Disegno.h"
#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Unita.h"
#include "core/Vista.h"
#include "geometry_editor/Annulla.h"
#include "geometry_editor/Catena.h"
#include "geometry_editor/InsGeo01.h"
#include "platform/Posizione.h"
#include "platform/Testo.h"
#include "shell/Avvio.h"
#include "shell/Main.h"
#include "support/Risposte.h"

#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace kelvra;
namespace fs = std::filesystem;

namespace {

// The element records of the newest project, to compare before and after an animation.
struct Records {
    TrePunti forcellone;
    std::array<TrePunti, MAX_ELEMENTI + 1> aste;
    std::array<QuattroPunti, MAX_ELEMENTI + 1> squadrette;
    std::array<TrePunti, MAX_ELEMENTI + 1> molle;
};
Records Leggi() {
    const Progetto& p = Progetti[NumeroProgetti];
    return {p.DatiForcellone, p.DatiAsta, p.DatiSquadretta, p.DatiMolla};
}
void Uguali(const Records& a, const Records& b) {
    for (int j = 0; j < 3; ++j) EXPECT_EQ(a.forcellone.P[j], b.forcellone.P[j]) << j;
    for (int s = 0; s <= MAX_ELEMENTI; ++s) {
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(a.aste[s].P[j], b.aste[s].P[j]) << s;
            EXPECT_EQ(a.molle[s].P[j], b.molle[s].P[j]) << s;
        }
        for (int j = 0; j < 4; ++j) EXPECT_EQ(a.squadrette[s].P[j], b.squadrette[s].P[j]) << s;
    }
}

// Counts the passes of the event loop from its start: every yield of an animation is one
// pass. At each pass it runs `azione` with the count so far.
class Passi {
  public:
    std::function<void(int)> azione;
    int conteggio = 0;

    void Avvia() {
        if (attivo_) *attivo_ = false;
        conteggio = 0;
        attivo_ = std::make_shared<bool>(true);
        Posta();
    }
    void Ferma() {
        if (attivo_) *attivo_ = false;
        QCoreApplication::processEvents();
    }

  private:
    void Posta() {
        std::weak_ptr<bool> attivo = attivo_;
        QMetaObject::invokeMethod(
            qApp,
            [this, attivo] {
                const auto a = attivo.lock();
                if (!a || !*a) return;
                ++conteggio;
                if (azione) azione(conteggio);
                if (*a) Posta();
            },
            Qt::QueuedConnection);
    }
    std::shared_ptr<bool> attivo_;
};

class EditorAnimato : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        AzzeraVista();
        AzzeraUndo();
        cwd = fs::current_path();
        dir = fs::path(cartella.path().toStdString());
        fs::copy_file(fs::path(QCoreApplication::applicationDirPath().toStdString()) /
                          "Kelvra3.lng",
                      dir / "Kelvra3.lng");
        Ganci = {};
        Ganci.TerminaProgramma = [this](int codice) { terminato = codice; };
        RegistraEditorGeometria();
        ASSERT_TRUE(SequenzaAvvio(dir.string()));
        main = &MAIN::Mostra();
        // A desktop-sized frame, larger than the offscreen screen.
        main->showNormal();
        main->setGeometry(0, 0, 1280, 900);
        QCoreApplication::processEvents();
        ed = INSGEO01::Istanza();
        ASSERT_NE(ed, nullptr);
        ASSERT_TRUE(ed->isVisible());
    }
    void TearDown() override {
        passi.Ferma();
        delete MAIN::Istanza();
        delete INSGEO01::Istanza();
        Ganci = {};
        fs::current_path(cwd);
        AzzeraLingua();
        AzzeraVista();
        TabelleAzzerate::TearDown();
    }

    Progetto& P() { return Progetti[NumeroProgetti]; }
    PictureBox& Pic() { return ed->PicGeo(); }

    // The pointer moves to a world point of the drawing and the left button is pressed and
    // released there.
    void Clic(double X, double Y) {
        const double x = SchermoX(X);
        const double y = SchermoY(Y);
        emit Pic().MouseMove(0, 0, x, y);
        emit Pic().MouseDown(1, 0, x, y);
        emit Pic().MouseUp(1, 0, x, y);
    }

    // The four-bar drawn with the mouse: a link from the swingarm's attachment to (800, 300),
    // a link pinned to the frame at (900, 250), the shock absorber from their joint to
    // (550, 650); maximum travel 100 mm.
    void QuadrilateroCliccato() {
        ed->TxtMaxEsc->selectAll();
        QTest::keyClicks(ed->TxtMaxEsc, "100");
        ed->CmdAsta->click();
        Clic(800, 300);
        ed->CmdAsta->click();
        Clic(900, 250);
        ed->CmdMolla->click();
        Clic(550, 650);
    }

    // The position of the travel whose linkage attachment the last drawing used.
    int PosizioneDisegnata() {
        for (int i = 0; i <= 30; ++i)
            if (PuntiCatena[1] == P().PuntiGiunzione[2][1][i]) return i;
        return -1;
    }
    // The colour of the drawing under a world point.
    QRgb ColoreA(const Punto& w) {
        const QPointF px = Pic().PixelDa(SchermoX(w.X), SchermoY(w.Y));
        return Pic().Immagine().pixel(static_cast<int>(px.x()), static_cast<int>(px.y()));
    }
    // Pixels of the drawing that are neither the back colour nor a linkage colour.
    int PixelScuri() {
        const QImage im = Pic().Immagine().convertToFormat(QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                if (qGray(im.pixel(x, y)) < 100 && qRed(im.pixel(x, y)) < 100) ++n;
        return n;
    }
    QString Maiuscola(int riga) { return "&" + DaAnsi(Maiuscolo(Riga(TestiInsGeo01, riga))); }
    bool ConfermeAbilitate() {
        return ed->CmdOKForcellone->isEnabled() && ed->CmdOKAsta->isEnabled() &&
               ed->CmdOKSquadretta->isEnabled() && ed->CmdOKMolla->isEnabled();
    }
    bool ConfermeDisabilitate() {
        return !ed->CmdOKForcellone->isEnabled() && !ed->CmdOKAsta->isEnabled() &&
               !ed->CmdOKSquadretta->isEnabled() && !ed->CmdOKMolla->isEnabled();
    }
    void Salva(const char* nome) {
        if (const char* cartella = std::getenv("KELVRA_SCREENSHOT_DIR")) {
            main->grab().save(QString::fromLocal8Bit(cartella) + "/" + nome + ".png");
        }
    }

    QTemporaryDir cartella;
    fs::path dir, cwd;
    MAIN* main = nullptr;
    INSGEO01* ed = nullptr;
    Passi passi;
    int terminato = -1;
};

TEST_F(EditorAnimato, UnQuadrilateroDisegnatoAClicVieneRisolto) {
    // The swingarm alone: the pointer over world (750, 650) is 200, 250 from the pivot and
    // straight above the attachment (750, 450), 200 mm away.
    const double x = SchermoX(750);
    const double y = SchermoY(650);
    emit Pic().MouseMove(0, 0, x, y);
    EXPECT_NEAR(Val(AdAnsi(ed->LblX->text())), 200.0, 1e-3);
    EXPECT_NEAR(Val(AdAnsi(ed->LblY->text())), 250.0, 1e-3);
    EXPECT_EQ(ed->LblL->text(), "200.0");
    EXPECT_NEAR(Val(AdAnsi(ed->LblAng->text())), 90.0, 1e-3);
    EXPECT_EQ(Pic().cursor().shape(), Qt::CrossCursor);

    QuadrilateroCliccato();
    EXPECT_TRUE(dialoghi.mostrati.empty());
    ASSERT_EQ(P().UltimoElemento, 3);
    EXPECT_NEAR(P().DatiAsta[1].P[1].X, 800.0, 1e-3);
    EXPECT_NEAR(P().DatiAsta[1].P[1].Y, 300.0, 1e-3);
    EXPECT_NEAR(P().DatiAsta[2].P[1].X, 900.0, 1e-3);
    EXPECT_NEAR(P().DatiMolla[3].P[1].Y, 650.0, 1e-3);
    EXPECT_EQ(P().StatoDatiProgetto, 1);
    EXPECT_GE(P().NumPunti, 30);
    // The shock at rest runs from the joint (800, 300) to (550, 650).
    EXPECT_NEAR(P().LunghezzaAmmortizzatore[0], std::hypot(250.0, 350.0), 1e-2);
    EXPECT_TRUE(ed->CmdSimula->isEnabled());
    // The readouts now measure from the start of the shock absorber, the joint.
    emit Pic().MouseMove(0, 0, SchermoX(800), SchermoY(400));
    EXPECT_EQ(ed->LblL->text(), "100.0");
}

TEST_F(EditorAnimato, ManualeLaBarraMuoveLaSospensioneEFermandoTornaARiposo) {
    QuadrilateroCliccato();
    const Records riposo = Leggi();
    const float tpp = TwipsPerPixelX(ed);
    const int W = ed->width();
    Salva("riposo");

    ed->CmdSimula->click();
    EXPECT_EQ(ed->StatoSimula, 1);
    EXPECT_EQ(ed->CmdSimula->text(), Maiuscola(14));
    EXPECT_TRUE(ConfermeDisabilitate());
    EXPECT_EQ(ModoEdit, 6);
    // The drawing gives up an 800-twip strip; the bar stands a third of the way into it,
    // with the travel label under it.
    const int striscia = static_cast<int>(std::lround(800 / tpp));
    EXPECT_NEAR(Pic().width(), W - striscia, 1);
    EXPECT_EQ(Pic().x(), 0);
    EXPECT_TRUE(ed->VScroll->isVisible());
    EXPECT_TRUE(ed->LblEsc->isVisible());
    EXPECT_NEAR(ed->VScroll->x(), W - 2.0 * striscia / 3, 1.5);
    EXPECT_EQ(ed->VScroll->y(), 0);
    EXPECT_EQ(ed->LblEsc->y(), ed->VScroll->height());
    EXPECT_NEAR(ed->VScroll->height() + ed->LblEsc->height(), Pic().height(), 1);
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
    Uguali(riposo, Leggi());
    QCoreApplication::processEvents();
    Salva("manuale15");

    // A larger frame: the strip, the bar and the position follow the new size.
    main->resize(1400, 1000);
    QCoreApplication::processEvents();
    const int W2 = ed->width();
    ASSERT_GT(W2, W);
    EXPECT_NEAR(Pic().width(), W2 - striscia, 1);
    EXPECT_NEAR(ed->VScroll->x(), W2 - 2.0 * striscia / 3, 1.5);
    EXPECT_NEAR(ed->VScroll->height() + ed->LblEsc->height(), Pic().height(), 1);
    EXPECT_EQ(ed->VScroll->value(), 15);
    EXPECT_EQ(ColoreA(P().PosizioneRuota[15]), qRgb(255, 0, 0));
    main->resize(1280, 900);
    QCoreApplication::processEvents();
    ASSERT_EQ(ed->width(), W);

    // A confirmation during the animation stores nothing: the buttons are off, and a click
    // on the drawing enters nothing.
    Clic(600, 600);
    Uguali(riposo, Leggi());

    ed->CmdSimula->click();
    EXPECT_EQ(ed->StatoSimula, 2);
    EXPECT_EQ(ed->CmdSimula->text(), Maiuscola(8));
    EXPECT_TRUE(ConfermeAbilitate());
    EXPECT_FALSE(ed->VScroll->isVisible());
    EXPECT_FALSE(ed->LblEsc->isVisible());
    EXPECT_EQ(ed->VScroll->value(), 0);
    EXPECT_EQ(Pic().width(), W);
    EXPECT_EQ(PosizioneDisegnata(), 0);
    EXPECT_EQ(ColoreA(P().PosizioneRuota[0]), qRgb(255, 0, 0));
    EXPECT_EQ(ed->RichiestaStop, FALSO);
    Uguali(riposo, Leggi());
    QCoreApplication::processEvents();
    Salva("fermata");
}

TEST_F(EditorAnimato, AutomaticoFermatoAMetaCorsaTornaARiposo) {
    QuadrilateroCliccato();
    const Records riposo = Leggi();
    ed->SimulazioneItem[2]->trigger();
    // Choosing the kind started it at once and ran it to its end: 15 cycles of 31 frames
    // up, one more yield, 31 down, ending at rest.
    EXPECT_TRUE(ed->SimulazioneItem[2]->isChecked());
    EXPECT_FALSE(ed->SimulazioneItem[1]->isChecked());
    EXPECT_EQ(ed->TipoSimulazione, 2);
    EXPECT_EQ(PosizioneDisegnata(), 0);
    Uguali(riposo, Leggi());

    // Press the button again (stop), and once more to start; stop at the 10th yield.
    ed->CmdSimula->click();
    EXPECT_EQ(ed->StatoSimula, 2);
    std::vector<int> viste;
    passi.azione = [&](int n) {
        viste.push_back(PosizioneDisegnata());
        // Mid-travel the records still hold the rest geometry.
        Uguali(riposo, Leggi());
        EXPECT_TRUE(ConfermeDisabilitate());
        if (n == 10) ed->CmdSimula->click();
    };
    passi.Avvia();
    ed->CmdSimula->click();
    const int dopo = passi.conteggio;
    passi.Ferma();
    // One frame per yield from rest upwards, and nothing after the stop.
    ASSERT_EQ(dopo, 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(viste[static_cast<size_t>(i)], i);
    EXPECT_EQ(ed->StatoSimula, 2);
    EXPECT_EQ(ed->RichiestaStop, FALSO);
    EXPECT_EQ(ed->CmdSimula->text(), Maiuscola(13));
    EXPECT_EQ(ModoEdit, 0);
    EXPECT_TRUE(ConfermeAbilitate());
    EXPECT_EQ(PosizioneDisegnata(), 0);
    Uguali(riposo, Leggi());
}

TEST_F(EditorAnimato, AttivareUnAltraFinestraFermaLAnimazione) {
    QuadrilateroCliccato();
    const Records riposo = Leggi();
    auto* altra = new FinestraFiglia;
    main->AggiungiFiglia(altra);
    main->AttivaFiglia(ed);
    ed->TipoSimulazione = 2;
    int ultima = 0;
    passi.azione = [&](int n) {
        ultima = n;
        if (n == 5) main->AttivaFiglia(altra);
    };
    passi.Avvia();
    ed->CmdSimula->click();
    passi.Ferma();
    EXPECT_EQ(ultima, 5);
    EXPECT_EQ(ed->RichiestaStop, FALSO);
    EXPECT_EQ(ed->CmdSimula->text(), Maiuscola(8));
    EXPECT_TRUE(ConfermeAbilitate());
    EXPECT_EQ(PosizioneDisegnata(), 0);
    Uguali(riposo, Leggi());
    // The next press starts again.
    main->AttivaFiglia(ed);
    EXPECT_EQ(ed->StatoSimula, 0);

    // Away and straight back within one frame: the activation does not take back the stop.
    ed->TipoSimulazione = 2;
    ultima = 0;
    passi.azione = [&](int n) {
        ultima = n;
        if (n == 5) {
            main->AttivaFiglia(altra);
            main->AttivaFiglia(ed);
        }
    };
    passi.Avvia();
    ed->CmdSimula->click();
    passi.Ferma();
    EXPECT_EQ(ultima, 5);
    EXPECT_EQ(ed->RichiestaStop, FALSO);
    EXPECT_EQ(PosizioneDisegnata(), 0);
    Uguali(riposo, Leggi());

    // The manual kind gives the drawing its width back and hides the bar.
    ed->TipoSimulazione = 1;
    ed->CmdSimula->click();
    ASSERT_TRUE(ed->VScroll->isVisible());
    ed->VScroll->setValue(20);
    main->AttivaFiglia(altra);
    EXPECT_FALSE(ed->VScroll->isVisibleTo(ed));
    EXPECT_EQ(Pic().width(), ed->width());
    EXPECT_EQ(ed->VScroll->value(), 0);
    EXPECT_EQ(ed->CmdSimula->text(), Maiuscola(8));
    Uguali(riposo, Leggi());
}

TEST_F(EditorAnimato, ChiudereDuranteLAnimazioneAspettaCheIlCicloFinisca) {
    QuadrilateroCliccato();
    const Records riposo = Leggi();
    QPointer<INSGEO01> finestra = ed;
    QMdiSubWindow* sotto = ed->SottoFinestra();
    ASSERT_NE(sotto, nullptr);
    ed->TipoSimulazione = 2;
    int ultima = 0;
    passi.azione = [&](int n) {
        ultima = n;
        // The close box of the sub-window: refused while the loop is on the stack.
        if (n == 4) sotto->close();
        EXPECT_FALSE(finestra.isNull());
        EXPECT_TRUE(sotto->isVisible());
    };
    passi.Avvia();
    ed->CmdSimula->click();
    passi.Ferma();
    EXPECT_EQ(ultima, 4);
    // The loop stopped at rest and then the window closed.
    ASSERT_FALSE(finestra.isNull());
    EXPECT_FALSE(sotto->isVisible());
    EXPECT_EQ(ed->RichiestaStop, FALSO);
    Uguali(riposo, Leggi());

    // Leaving with the exit button while the loop runs: the chain is kept (it is complete),
    // the window is destroyed once the loop has unwound, never before. The main window
    // shows the editor again first.
    Ganci.MostraInsGeo(*main, false);
    ASSERT_TRUE(sotto->isVisible());
    ed->TipoSimulazione = 2;
    ultima = 0;
    passi.azione = [&](int n) {
        ultima = n;
        if (n == 3) ed->CmdEsci->click();
        EXPECT_FALSE(finestra.isNull());
    };
    passi.Avvia();
    ed->CmdSimula->click();
    passi.Ferma();
    EXPECT_EQ(ultima, 3);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(finestra.isNull());
    EXPECT_EQ(INSGEO01::Istanza(), nullptr);
    EXPECT_EQ(P().UltimoElemento, 3);
    Uguali(riposo, Leggi());
    ed = nullptr;
}

TEST_F(EditorAnimato, UscireDalProgrammaDuranteLAnimazione) {
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
    ed->TipoSimulazione = 2;
    int ultima = 0;
    int alTermine = 0;
    passi.azione = [&](int n) {
        ultima = n;
        if (n == 3) main->close(); // answered No: the animation goes on
        if (n == 6) {
            main->close(); // answered Yes: the program ends here, with the editor whole
            alTermine = terminato;
            EXPECT_FALSE(finestra.isNull());
            EXPECT_TRUE(ed->SimulazioneInCorso());
            // Nothing runs after the end in the real program; here the loop is stopped.
            ed->CmdSimula->click();
        }
    };
    passi.Avvia();
    ed->CmdSimula->click();
    passi.Ferma();
    EXPECT_EQ(ultima, 6);
    EXPECT_EQ(alTermine, 0);
    EXPECT_TRUE(uscita.empty());
    EXPECT_FALSE(finestra.isNull());
}

TEST_F(EditorAnimato, ZoomAFinestraEPanSeguonoLeTrasformazioni) {
    QuadrilateroCliccato();
    // Window zoom: View item 4, a drag from the pivot's upper left to the axle's lower right.
    ed->VistaItem[4]->trigger();
    EXPECT_EQ(ModoEdit, 2);
    const double x1 = SchermoX(500), y1 = SchermoY(700);
    const double x2 = SchermoX(1100), y2 = SchermoY(200);
    const double mondoL = MondoX(x1), mondoR = MondoX(x2), mondoB = MondoY(y2);
    emit Pic().MouseDown(1, 0, x1, y1);
    emit Pic().MouseMove(1, 0, x2, y2);
    ASSERT_TRUE(ed->Shape1->isVisible());
    // The rubber rectangle covers the dragged pixels.
    const QPointF a = Pic().PixelDa(x1, y1);
    const QPointF b = Pic().PixelDa(x2, y2);
    EXPECT_NEAR(ed->Shape1->x(), a.x() + BORDO_PICTURE, 1);
    EXPECT_NEAR(ed->Shape1->y(), a.y() + BORDO_PICTURE, 1);
    EXPECT_NEAR(ed->Shape1->width(), b.x() - a.x(), 2);
    EXPECT_NEAR(ed->Shape1->height(), b.y() - a.y(), 2);
    emit Pic().MouseUp(1, 0, x2, y2);
    EXPECT_FALSE(ed->Shape1->isVisible());
    EXPECT_EQ(ZoomUtente, VERO);
    // The dragged world rectangle now spans the drawing's width, its bottom at the bottom.
    EXPECT_NEAR(MondoX(AreaSinistra), mondoL, 1e-2);
    EXPECT_NEAR(MondoX(AreaDestra), mondoR, 1e-2);
    EXPECT_NEAR(MondoY(AreaSotto), mondoB, 1e-2);
    EXPECT_NEAR(ScalaSchemaX, (mondoR - mondoL) / AreaDestra, 1e-4);
    EXPECT_FLOAT_EQ(ScalaSchemaY, ScalaSchemaX);
    // The swingarm's pivot is drawn where the new view puts it.
    EXPECT_EQ(ColoreA(Punto{550, 400}), qRgb(0, 0, 0));

    // The animation keeps the zoomed view.
    const float scala = ScalaSchemaX;
    ed->TipoSimulazione = 3;
    ed->CmdSimula->click();
    EXPECT_FLOAT_EQ(ScalaSchemaX, scala);
    ed->CmdSimula->click();

    // Pan: View item 6, a drag 30 mm right and 20 mm down moves the zoomed view's window
    // corner by minus the drag in world mm: the drawing follows the mouse.
    const float angoloX = FinestraX1, angoloY = FinestraY1;
    const QPointF perno = Pic().PixelDa(SchermoX(550), SchermoY(400));
    ed->VistaItem[6]->trigger();
    EXPECT_EQ(ModoEdit, 3);
    emit Pic().MouseDown(1, 0, 50, 40);
    emit Pic().MouseMove(1, 0, 80, 60);
    ASSERT_TRUE(ed->Line1->isVisible());
    EXPECT_EQ(ed->Line1->Linea().X2, 80);
    EXPECT_EQ(ed->Line1->Linea().Y2, 60);
    emit Pic().MouseUp(1, 0, 80, 60);
    EXPECT_FALSE(ed->Line1->isVisible());
    EXPECT_NEAR(FinestraX1, angoloX - 30 * scala, 1e-2);
    EXPECT_NEAR(FinestraY1, angoloY + 20 * scala, 1e-2);
    // The pivot's dot moved with the drag, 30 mm right and 20 mm down on the drawing.
    const double pixelMm = Pic().Dpi() / 25.4;
    const QPointF spostato = Pic().PixelDa(SchermoX(550), SchermoY(400));
    EXPECT_NEAR(spostato.x() - perno.x(), 30 * pixelMm, 1.0);
    EXPECT_NEAR(spostato.y() - perno.y(), 20 * pixelMm, 1.0);
    EXPECT_EQ(ColoreA(Punto{550, 400}), qRgb(0, 0, 0));
    // The pan ends with the listed element reloaded for modification.
    EXPECT_EQ(ModoEdit, 5);
    // A second pan replaces the first: the zoomed view less this drag alone.
    ed->VistaItem[6]->trigger();
    emit Pic().MouseDown(1, 0, 50, 40);
    emit Pic().MouseMove(1, 0, 40, 40);
    emit Pic().MouseUp(1, 0, 40, 40);
    EXPECT_NEAR(FinestraX1, angoloX + 10 * scala, 1e-2);
    EXPECT_NEAR(FinestraY1, angoloY, 1e-2);

    // The right button resets the view.
    emit Pic().MouseDown(2, 0, 10, 10);
    emit Pic().MouseUp(2, 0, 10, 10);
    EXPECT_EQ(ModoEdit, 0);
    EXPECT_EQ(ZoomUtente, FALSO);
    EXPECT_FLOAT_EQ(FinestraX1, 0);
    EXPECT_FLOAT_EQ(FinestraY1, 0);
}

TEST_F(EditorAnimato, IPassiDellaGriglia) {
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
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(ed->GrigliaItem[k]->isChecked(), k == 1) << k;
}

} // namespace
