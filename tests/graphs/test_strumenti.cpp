// The graph tools: zoom and typed ranges worked by hand, their refusals, the curve reader's
// values and comparisons, the legend, the maximum table, the colours saved to the settings
// file and the closing of projects, on the real windows offscreen.
#include "core/Formato.h"
#include "core/Unita.h"
#include "graphs/CalcoliStrumenti.h"
#include "graphs/FinestraGrafici.h"
#include "graphs/Funzioni.h"
#include "graphs/Lettore.h"
#include "graphs/ScalaAssi.h"
#include "graphs/Sovrapposizione.h"
#include "graphs/Strumenti.h"
#include "platform/Posizione.h"
#include "support/CartellaProva.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <cstring>

using namespace kelvra;
using kelvra::test::GraphWindow;

namespace {

struct CasoZoom {
    double da, a;
    double xMin, xMax;
    int divisioni;
};

TEST(GraphZoom, RequestedEndsGiveRoundAxes) {
    const CasoZoom casi[] = {
        {23.4, 56.7, 23, 58, 7},                  // rounded down, span 35 in steps of 5
        {0, 0, 0, 1, 10},                         // equal zero ends: 0..1
        {50, 50, 49, 50.5, 10},                   // equal ends 49.5..50.5: steps of 0.15 from 49
        {-5, -5, -6, -4.95, 7},                   // equal ends below zero keep their order
        {10.0002, 10.0006, 10.0002, 10.0006, 10}, // a thousandth or less: lower end kept
    };
    for (const CasoZoom& c : casi) {
        ReimpostaGrafico();
        Grafico.XMinRichiesto = c.da;
        Grafico.XMaxRichiesto = c.a;
        ArrotondaRangeX();
        SCOPED_TRACE(c.da);
        EXPECT_NEAR(Grafico.XMin, c.xMin, 1e-6);
        EXPECT_NEAR(Grafico.XMax, c.xMax, 1e-4);
        EXPECT_EQ(Grafico.DivisioniX, c.divisioni);
        EXPECT_GT(Grafico.XMax, Grafico.XMin);
    }
}

TEST(GraphZoom, BandStaysWithinThePlot) {
    ReimpostaGrafico();
    Grafico.BordoDestro = 200;
    Grafico.BordoInferiore = 100;
    Grafico.ZoomInizioX = 50;
    Grafico.ZoomInizioY = 40;
    struct Caso {
        float x, y, sinistra, larghezza, sopra, altezza;
    } casi[] = {{80, 60, 50, 30, 40, 20},     // down and right
                {30, 20, 31, 20, 21, 20},     // up and left: one unit in from the mouse
                {-5, -5, 1, 50, 0, 41},       // past the left and top edges
                {250, 140, 50, 150, 40, 60}}; // past the right and bottom edges
    for (const Caso& c : casi) {
        const Banda b = TrascinaBanda({}, c.x, c.y, true);
        EXPECT_EQ(b.sinistra, c.sinistra) << c.x;
        EXPECT_EQ(b.larghezza, c.larghezza) << c.x;
        EXPECT_EQ(b.sopra, c.sopra) << c.y;
        EXPECT_EQ(b.altezza, c.altezza) << c.y;
    }
}

struct CasoRange {
    const char* destinazione;
    const char *a, *b;
    bool zoom;
    EsitoRange esito;
    double xMax; // XMaxRichiesto stored (-1: untouched)
};

TEST(GraphZoom, TypedRangesAreStoredOnlyWhenAccepted) {
    const CasoRange casi[] = {
        {RANGE_ASSE_X, "60", "40", false, EsitoRange::Rifiutato, -1},
        {RANGE_ASSE_X, "40", "40", false, EsitoRange::Rifiutato, -1},
        {RANGE_ASSE_X, "20", "40", false, EsitoRange::Applicato, 80},
        {RANGE_ASSE_X, "20", "40", true, EsitoRange::Applicato, 40}, // zoomed: not doubled
        {RANGE_ZOOM, "10", "50", false, EsitoRange::Applicato, 50},
        {RANGE_ZOOM, "0", "100", false, EsitoRange::Invariato, -1}, // as prefilled
        {RANGE_ASSE_Y, "9", "3", false, EsitoRange::Rifiutato, -1},
    };
    for (const CasoRange& c : casi) {
        ReimpostaGrafico();
        Grafico.ZoomIndietro = c.zoom ? VERO : FALSO;
        Grafico.XMaxRichiesto = -1;
        SCOPED_TRACE(std::string(c.destinazione) + " " + c.a + ".." + c.b);
        EXPECT_EQ(ApplicaValoriRange(c.destinazione, c.a, c.b, "0", "100"), c.esito);
        EXPECT_EQ(Grafico.XMaxRichiesto, c.xMax);
        const bool applicato = c.esito == EsitoRange::Applicato;
        EXPECT_EQ(Vero(Grafico.RangeXFisso) || Vero(Grafico.RangeYFisso), applicato);
    }
}

TEST(GraphZoom, TickLabelsThatGiveNoSpanAreRefused) {
    ReimpostaGrafico();
    Grafico.XMin = 20;
    Grafico.DivisioniX = 7;
    Grafico.YMin = -10;
    Grafico.DivisioniY = 4;
    EXPECT_FALSE(ModificaEstremoXValore(0, 20)); // label 0 is the lower end
    EXPECT_FALSE(ModificaEstremoXValore(7, 55)); // the last label
    EXPECT_FALSE(ModificaEstremoYValore(0, -10));
    EXPECT_FALSE(ModificaEstremoYValore(4, 30));
    EXPECT_FALSE(Vero(Grafico.RangeXFisso) || Vero(Grafico.RangeYFisso));
    EXPECT_TRUE(ModificaEstremoXValore(3, 35));
    EXPECT_DOUBLE_EQ(Grafico.XMaxRichiesto, 70);
    EXPECT_TRUE(ModificaEstremoYValore(2, 10));
    EXPECT_DOUBLE_EQ(Grafico.YMaxRichiesto, 10);
}

TEST(CurveReader, DifferencesAndRatiosRoundAlikeEitherWay) {
    struct Caso {
        double y1, y2;
        std::optional<double> d, r;
    } casi[] = {{10, 12.5, 2.5, 25},
                {12.5, 10, -2.5, -20},
                {7, 7, 0, 0},
                {0, 3, std::nullopt, std::nullopt},
                {3, 0, std::nullopt, std::nullopt},
                {3, 2, -1, -33.33}};
    for (const Caso& c : casi) {
        EXPECT_EQ(DifferenzaLettore(c.y1, c.y2, 100), c.d) << c.y1 << " " << c.y2;
        // Rounded to hundredths, the ratio is the nearest double to its two decimals.
        EXPECT_EQ(RapportoLettore(c.y1, c.y2), c.r) << c.y1 << " " << c.y2;
    }
}

} // namespace

// ---- the real windows ----

class GraphTools : public GraphWindow {
  protected:
    CURVE01& TreProgetti() {
        Progetto(1, &kelvra::Progetto::CaricoRuota, 0, 1000);
        Progetto(2, &kelvra::Progetto::CaricoRuota, 0, 2000);
        Progetto(3, &kelvra::Progetto::CaricoRuota, 500, 3000);
        CURVE01& f = Apri();
        f.CmdCurve[13]->click();
        return f;
    }
    static double MmX(double x) { return (x - Grafico.XMin) / Grafico.ScalaX + 1; }
    static double MmY(double y) {
        return Grafico.BordoInferiore - (y - Grafico.YMin) / Grafico.ScalaY;
    }
};

TEST_F(GraphTools, BandZoomsInAndTheRightButtonBack) {
    CURVE01& f = TreProgetti();
    // Project 2 as one straight segment, 0..2000 over 0..100 mm.
    Progetti[2].AsseCorsaRuota[1] = 100;
    Progetti[2].CaricoRuota[1] = 2000;
    Progetti[2].NumPunti = 1;
    f.DisegnaGrafico();
    emit f.PicGrafico->MouseDown(1, 0, MmX(23.4), MmY(2400));
    emit f.PicGrafico->MouseMove(1, 0, MmX(56.7), MmY(600));
    emit f.PicGrafico->MouseUp(1, 0, MmX(56.7), MmY(600));
    EXPECT_DOUBLE_EQ(Grafico.XMin, 23);
    EXPECT_NEAR(Grafico.XMax, 58, 1e-4);
    EXPECT_EQ(T(f.LblX[7]), "58.00");
    EXPECT_FALSE(f.Sovrapposizione->bandaVisibile);
    // The segment, both of whose ends lie outside, is clipped to the zoom, not dropped.
    const int x = Colonna(f, 0.5);
    EXPECT_TRUE(VicinoA(Righe(f, x, ColoreCurva[2]),
                        RigaPixel(f, (810.5 - Grafico.YMin) / (Grafico.YMax - Grafico.YMin))));
    emit f.PicGrafico->MouseUp(2, 0, 10, 10);
    EXPECT_DOUBLE_EQ(Grafico.XMin, 0);
    EXPECT_EQ(T(f.LblX[10]), "100.00");
}

TEST_F(GraphTools, DraggingTheBandLeavesNoTrailOnScreen) {
    CURVE01& f = TreProgetti();
    // Whether the screen shows the band's colour within a pixel of plot point (x, y) mm.
    auto banda = [&f, this](double x, double y) {
        QCoreApplication::processEvents();
        const QPoint p = f.PicGrafico->mapTo(main, f.PicGrafico->PixelDa(x, y).toPoint() +
                                                       QPoint(BORDO_PICTURE, BORDO_PICTURE));
        const QImage schermo = main->screen()->grabWindow(main->winId()).toImage();
        for (int dx = -1; dx <= 1; ++dx)
            if (NumeroColore(schermo.pixelColor(p + QPoint(dx, 0))) == ColoreGriglia) return true;
        return false;
    };
    emit f.PicGrafico->MouseDown(1, 0, 20, 20);
    emit f.PicGrafico->MouseMove(1, 0, 60, 50);
    EXPECT_TRUE(banda(60, 30.3)); // its right edge
    emit f.PicGrafico->MouseMove(1, 0, 40, 35);
    EXPECT_FALSE(banda(60, 30.3)) << "the old edge is gone";
    EXPECT_TRUE(banda(40, 30.3));
}

TEST_F(GraphTools, TypedAndClickedRangesBeepWhenRefused) {
    CURVE01& f = TreProgetti();
    auto scrivi = [](const char* a, const char* b, bool ok) {
        return [=](QWidget* w) {
            auto* fz = static_cast<FUNZIONI*>(w);
            fz->TxtGestioneRange[0]->setText(a);
            fz->TxtGestioneRange[1]->setText(b);
            fz->CommandOK[1]->click();
            if (!ok) fz->CommandChiudi[2]->click();
            return 0;
        };
    };
    modali.RispondiModale(scrivi("60", "40", false));
    f.ScalaItem[1]->trigger();
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].testo, Riga(Messaggi, 45));
    EXPECT_EQ(dialoghi.beep, 1);
    EXPECT_FALSE(Vero(Grafico.RangeXFisso));
    EXPECT_EQ(T(f.LblX[0]), "0.00");

    modali.RispondiModale(scrivi("20", "40", true));
    f.ScalaItem[1]->trigger();
    EXPECT_EQ(T(f.LblX[0]), "20.00");
    EXPECT_EQ(T(f.LblX[f.Testi().NumeroX]), "40.00");
    // Clicking label 0 would give no span; a middle label becomes the end.
    f.LblX_Click(0);
    EXPECT_EQ(dialoghi.beep, 2);
    f.LblX_Click(2);
    EXPECT_DOUBLE_EQ(Grafico.XMax, Val(T(f.LblX[f.Testi().NumeroX])));
    EXPECT_LT(Grafico.XMax, 40);
}

TEST_F(GraphTools, ReaderReadsEveryVisibleCurveAndComparesTwo) {
    CURVE01& f = TreProgetti();
    Progetto(4, &kelvra::Progetto::CaricoRuota, 0, 100);
    Progetto(5, &kelvra::Progetto::CaricoRuota, 0, 5000);
    Grafico.CurvaEsclusa[2] = VERO;
    modali.RispondiModale([](QWidget* w) {
        auto* l = static_cast<LETTORE*>(w);
        l->TxTInfoCurva->setText("40");
        EXPECT_EQ(AdAnsi(l->LblInfoCurva[1]->text()), "400.0");
        EXPECT_EQ(AdAnsi(l->LblInfoCurva[2]->text()), "0.0"); // hidden
        EXPECT_EQ(AdAnsi(l->LblInfoCurva[3]->text()), "1500.0");
        EXPECT_EQ(l->HScroll1->value(), 40);
        l->LblInfoCurva_Click(3);
        l->LblInfoCurva_Click(1);
        EXPECT_EQ(AdAnsi(l->LblDifference->text()), "-1100.000");
        EXPECT_EQ(AdAnsi(l->LblRatio->text()), "-73.33");
        l->LblInfoCurva_Click(5); // a third pick starts again, with any project
        l->LblInfoCurva_Click(1);
        EXPECT_EQ(AdAnsi(l->LblDifference->text()), "-1600.000");
        EXPECT_EQ(AdAnsi(l->LblRatio->text()), "-80");
        EXPECT_TRUE(CURVE01::Istanza()->Sovrapposizione->LineInfo[LINEA_CURSORE].visibile);
        l->CommandChiudi4->click();
        return 0;
    });
    f.InfoItem[4]->trigger();
    EXPECT_EQ(f.Sovrapposizione->LineInfo.count(LINEA_CURSORE), 0u);
}

TEST_F(GraphTools, ImperialReaderOfOneProjectFollowsTheScrollBarInInches) {
    SistemaUnita = SISTEMA_IMPERIALE;
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    Progetto(1, &kelvra::Progetto::CaricoRuota, 0, 1000);
    CURVE01& f = Apri();
    f.CmdCurve[13]->click();
    modali.RispondiModale([](QWidget* w) {
        auto* l = static_cast<LETTORE*>(w);
        l->TxTInfoCurva->setText("2");
        EXPECT_EQ(l->HScroll1->value(), 2);
        // Shorter than with more projects, it still shows every control it has.
        for (auto* c : w->findChildren<QWidget*>()) {
            EXPECT_TRUE(c->isHidden() || w->rect().contains(c->geometry()))
                << c->metaObject()->className() << " " << AdAnsi(c->property("text").toString());
        }
        l->Scarica();
        return 0;
    });
    f.InfoItem[4]->trigger();
    // A change of units starts the graph afresh, zoom included.
    Grafico.ZoomIndietro = VERO;
    f.UnitaItem[1]->trigger();
    EXPECT_FALSE(Vero(Grafico.ZoomIndietro));
    EXPECT_EQ(T(f.LblX[10]), "100.00");
}

// The reader's frame (a 20-pixel title bar, 1-pixel borders) on the screen's bottom edge,
// centred across, or at the left edge of a screen narrower than it.
TEST(CurveReader, FrameSitsOnTheScreensBottomEdge) {
    const Riquadro r = CollocaInBasso({0, 0, 1600, 1000}, 802 + 2, 142 + 21);
    EXPECT_EQ(std::tuple(r.sinistra, r.sopra + r.altezza), std::tuple(398, 1000));
    const Riquadro stretto = CollocaInBasso({0, 24, 640, 456}, 804, 163);
    EXPECT_EQ(std::tuple(stretto.sinistra, stretto.sopra + stretto.altezza), std::tuple(0, 480));
}

// The reader's frame is unknown before it is first shown: the main window's stands in for it,
// yet the desktop may frame the two unlike (a maximized window has no bottom border) or the main
// window may give none. Once shown, its own frame puts it on the bottom edge.
TEST_F(GraphTools, ReaderOfSixProjectsIsWhollyOnTheScreen) {
    for (int p = 1; p <= MAX_PROGETTI; ++p)
        Progetto(p, &kelvra::Progetto::CaricoRuota, 0, 1000.0 * p);
    CURVE01& f = Apri();
    f.CmdCurve[13]->click();
    for (const bool mainVisibile : {false, true}) {
        main->setVisible(mainVisibile);
        modali.RispondiModale([](QWidget* w) {
            w->show(); // as the modal show does
            QCoreApplication::processEvents();
            const QRect schermo = w->screen()->availableGeometry(), cornice = w->frameGeometry();
            EXPECT_EQ(cornice.bottom(), schermo.bottom())
                << cornice.top() << "+" << cornice.height();
            EXPECT_GT(cornice.height(), w->height()) << "a frame round the window";
            for (auto* c : w->findChildren<QWidget*>()) // the sixth project's values included
                EXPECT_TRUE(c->isHidden() || w->rect().contains(c->geometry()));
            static_cast<LETTORE*>(w)->Scarica();
            return 0;
        });
        f.InfoItem[4]->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_EQ(modali.classiModali.size(), 2u);
}

// The reader, a dialog, opens on its travel box with the travel selected, as Tab leaves it, so
// a typed travel replaces the one shown instead of running on from it; Enter keeps it open.
TEST_F(GraphTools, ReaderOpensWithItsTravelSelected) {
    CURVE01& f = TreProgetti();
    std::string letto, digitato;
    modali.RispondiModale([&](QWidget* w) {
        w->show();
        QCoreApplication::processEvents(); // the desktop makes it the active window
        auto* l = static_cast<LETTORE*>(w);
        EXPECT_EQ(QApplication::focusWidget(), l->TxTInfoCurva);
        letto = l->TxTInfoCurva->selectedText().toStdString();
        QTest::keyClicks(l->TxTInfoCurva, "25");
        // Enter takes the typed travel, selected for the next one; Close stays for closing.
        QTest::keyClick(l->TxTInfoCurva, Qt::Key_Return);
        EXPECT_TRUE(l->isVisible());
        EXPECT_EQ(l->HScroll1->value(), 25);
        digitato = l->TxTInfoCurva->selectedText().toStdString();
        l->Scarica();
        return 0;
    });
    f.InfoItem[4]->trigger();
    EXPECT_EQ(letto, "0");
    EXPECT_EQ(digitato, "25");
}

TEST_F(GraphTools, LegendNeverHidesTheLastCurveAndColoursAreSavedWhole) {
    CURVE01& f = TreProgetti();
    modali.RispondiModale([](QWidget* w) {
        auto* fz = static_cast<FUNZIONI*>(w);
        EXPECT_NEAR(AltezzaTwips(fz), 1605, 15);
        // The way to the panel that drops projects says so, and reads whole.
        EXPECT_EQ(AdAnsi(fz->CmdProgetti->text()), "&Remove projects...");
        EXPECT_GE(fz->CmdProgetti->width(), fz->CmdProgetti->sizeHint().width());
        EXPECT_TRUE(fz->rect().contains(fz->CmdProgetti->geometry()));
        // Where it opened it stays as names are clicked, so the next click lands on it.
        const QRect posto = fz->frameGeometry();
        for (int i : {2, 3, 1}) {
            fz->LblEscludiCurva_Click(i);
            EXPECT_EQ(fz->frameGeometry(), posto) << i;
        }
        return 0;
    });
    f.InfoItem[6]->trigger();
    EXPECT_EQ(dialoghi.beep, 1);
    EXPECT_TRUE(Vero(Grafico.CurvaEsclusa[2]) && Vero(Grafico.CurvaEsclusa[3]));
    EXPECT_FALSE(Vero(Grafico.CurvaEsclusa[1]));
    EXPECT_TRUE(Righe(f, Colonna(f, 0.5), ColoreCurva[2]).empty());

    // The colour frame opens in the middle of the window, at its own size; it saves the
    // hidden curve's own colour.
    GestisciOpzioni(3, f);
    EXPECT_NEAR(f.FrmColor->width(), 5535 / TwipsPerPixelX(&f), 1);
    EXPECT_NEAR(f.FrmColor->height(), 4595 / TwipsPerPixelY(&f), 1);
    EXPECT_NEAR(f.FrmColor->geometry().center().x(), f.rect().center().x(), 1);
    EXPECT_NEAR(f.FrmColor->geometry().center().y(), f.rect().center().y(), 1);
    modali.colori.push_back({0x123456, false});
    f.CommandColor[1]->click();
    EXPECT_FALSE(f.LabCambiaColore[3]->isHidden());
    EXPECT_TRUE(f.LabCambiaColore[4]->isHidden());
    CambiaColoreCurva(3, f);
    f.CmdSalvaColori->click();
    const std::string byte = test::LeggiFile(RecordImpostazioni());
    ASSERT_EQ(byte.size(), 92u);
    double c2 = 0, c3 = 0;
    std::memcpy(&c2, byte.data() + 16, 8);
    std::memcpy(&c3, byte.data() + 24, 8);
    EXPECT_EQ(c2, ColoreCurvaPredefinito[2]);
    EXPECT_EQ(c3, 0x123456);
}

namespace {
// Every text of the maximum table reads whole in its cell, the cells side by side in the window.
void TabellaLeggibile(FUNZIONI& fz, int n) {
    std::vector<const QLabel*> celle{fz.LblGrdX, fz.LblGrdY};
    for (int p = 1; p <= n; ++p) celle.push_back(fz.LblValueX[p]), celle.push_back(fz.LblValueY[p]);
    for (const QLabel* l : celle) {
        EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << AdAnsi(l->text());
        EXPECT_TRUE(fz.rect().contains(QRect(l->mapTo(&fz, QPoint(0, 0)), l->size())));
    }
    for (int p = 2; p <= n; ++p)
        EXPECT_GT(fz.LblValueX[p]->x(), fz.LblValueX[p - 1]->geometry().right());
}
} // namespace

TEST_F(GraphTools, MaximumTableWidensWithTheProjects) {
    for (int n : {1, 3}) {
        Progetto(n, &kelvra::Progetto::CaricoRuota, 0, 1000.0 * n);
        CURVE01& f = Apri();
        f.CmdCurve[13]->click();
        modali.RispondiModale([n](QWidget* w) {
            auto* fz = static_cast<FUNZIONI*>(w);
            // The designed width, or a little more where a heading needs it.
            EXPECT_NEAR(LarghezzaTwips(fz), n * 855 + 1680 + 142.5, 157.5);
            TabellaLeggibile(*fz, n);
            EXPECT_EQ(AdAnsi(fz->LblValueY[n]->text()), std::to_string(1000 * n) + ".0");
            EXPECT_EQ(AdAnsi(fz->LblValueX[n]->text()), "100.00");
            return 0;
        });
        f.InfoItem[1]->trigger();
        EXPECT_TRUE(f.Sovrapposizione->LineInfo[LINEA_MASSIMO + n].visibile);
        f.InfoItem[1]->trigger(); // again: the markers go
        EXPECT_EQ(f.Sovrapposizione->LineInfo.count(LINEA_MASSIMO + n), 0u);
    }
}

TEST_F(GraphTools, ClosingProjectsShowsTheEmptiedSlotsAgain) {
    CURVE01& f = TreProgetti();
    Grafico.CurvaEsclusa[3] = VERO;
    FUNZIONI& fz = FUNZIONI::Crea();
    MostraChiusuraProgetti(fz);
    // The mouse passing over a control of the tool window gives it the keyboard focus.
    fz.show();
    for (QWidget* w : std::initializer_list<QWidget*>{
             fz.ChkCurva[2], fz.CmdOff, fz.CommandChiudi[9], fz.PictFunzioni[PANNELLO_PROGETTI]}) {
        QMouseEvent mossa(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &mossa);
        EXPECT_EQ(fz.focusWidget(), w) << w->metaObject()->className();
    }
    for (int i = 1; i <= 3; ++i) fz.ChkCurva[i]->setChecked(false);
    fz.CmdOff->click();
    EXPECT_EQ(dialoghi.mostrati.back().testo, Riga(Messaggi, 44));
    EXPECT_EQ(NumeroProgetti, 3);
    fz.ChkCurva[2]->setChecked(true);
    fz.ChkCurva[3]->setChecked(true);
    fz.CmdOff->click();
    EXPECT_EQ(NumeroProgetti, 2);
    EXPECT_EQ(ProgettoSelezionato, 2);
    EXPECT_TRUE(Vero(Grafico.CurvaEsclusa[2])); // followed its project
    EXPECT_FALSE(Vero(Grafico.CurvaEsclusa[3]));
    EXPECT_EQ(AdAnsi(f.windowTitle()), "Suspension graphs - 2 projects");
    EXPECT_EQ(T(f.LblY1[f.Testi().NumeroY]), "3000.0");
}

// Six projects in inches and pounds: long figures widen their columns rather than lose digits.
TEST_F(GraphTools, MaximumTableShowsLongFiguresWhole) {
    SistemaUnita = SISTEMA_IMPERIALE;
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    for (int p = 1; p <= MAX_PROGETTI; ++p)
        Progetto(p, &kelvra::Progetto::CaricoRuota, 0, 123456.789 * p);
    CURVE01& f = Apri();
    f.CmdCurve[13]->click();
    modali.RispondiModale([](QWidget* w) {
        auto* fz = static_cast<FUNZIONI*>(w);
        EXPECT_EQ(AdAnsi(fz->LblValueX[6]->text()), "3.9370079"); // 100 mm
        EXPECT_EQ(AdAnsi(fz->LblValueY[6]->text()), "166525.13");
        TabellaLeggibile(*fz, MAX_PROGETTI);
        return 0;
    });
    f.InfoItem[1]->trigger();
    EXPECT_EQ(modali.classiModali.size(), 1u);
}
