// The graph window as a user meets it: opened through the graphs command of the menus over
// several computed projects, it shows each curve in its project's colour over labelled,
// gridded axes, keeps its chart and zoom across resizes and starts afresh when reopened.
#include "components/Banco.h"
#include "components/EditorComponenti.h"
#include "components/FrmAcq.h"
#include "graphs/FinestraGrafici.h"
#include "graphs/Funzioni.h"

#include <QMenuBar>
#include <QRadioButton>

using namespace kelvra;
using kelvra::test::GraphWindow;

TEST_F(GraphWindow, EveryProjectInItsColourOverLabelledAxes) {
    Progetto(1, &kelvra::Progetto::CaricoRuota, 0, 2345);
    Progetto(2, &kelvra::Progetto::CaricoRuota, 0, 1200);
    Progetto(3, &kelvra::Progetto::CaricoRuota, 0, 3000);
    CURVE01& f = Apri();
    EXPECT_EQ(Grafico.TipoGrafico, 1); // computed geometry: the swingarm angle first
    f.CmdCurve[13]->click();

    EXPECT_EQ(T(f.LblTitleGrafico), "Wheel load [N]");
    EXPECT_EQ(T(f.LblTitleBottom), "Wheel travel [mm]");
    // 0..3000 N in ten steps of 300, 0..100 mm in ten steps of 10.
    for (int j = 0; j <= 10; ++j) {
        EXPECT_EQ(T(f.LblY1[j]), std::to_string(300 * j) + ".0");
        EXPECT_EQ(T(f.LblX[j]), std::to_string(10 * j) + ".00");
    }
    // Half way along the travel each curve stands at half its end value.
    const int x = Colonna(f, 0.5);
    for (auto [p, y] : {std::pair{1, 1172.5}, {2, 600.0}, {3, 1500.0}})
        EXPECT_TRUE(VicinoA(Righe(f, x, ColoreCurva[p]), RigaPixel(f, y / 3000))) << p;
    // Axis lines on the left and bottom edges; dotted grid lines at the ticks.
    EXPECT_GT(Righe(f, Colonna(f, 0), ColoreAssi).size(), 100u);
    EXPECT_EQ(Colore(f, Colonna(f, 0.25), f.PicGrafico->AltezzaPixel() - 2), ColoreAssi);
    // A tick's column is dotted all the way down; between ticks only the rows' lines cross.
    EXPECT_GT(Righe(f, Colonna(f, 0.7), ColoreGriglia).size(), 100u);
    EXPECT_LE(Righe(f, Colonna(f, 0.75), ColoreGriglia).size(), 10u);
}

TEST_F(GraphWindow, LabelsFollowTheirTicksAtAnySize) {
    Progetto(1, &kelvra::Progetto::MomentoForcellone, -17, 83);
    CURVE01& f = Apri();
    f.GraficiItem[12]->trigger();
    for (auto [larghezza, altezza] : {std::pair{1100, 800}, {640, 420}, {1500, 700}}) {
        Ridimensiona(f, larghezza, altezza);
        SCOPED_TRACE(std::to_string(larghezza) + " x " + std::to_string(altezza));
        // -25..95 in eight steps of 15: the last labels are hidden.
        EXPECT_EQ(T(f.LblY1[0]), "-25.0");
        EXPECT_EQ(T(f.LblY1[8]), "95.0");
        EXPECT_TRUE(f.LblY1[9]->isHidden());
        const int origineX = f.PicGrafico->x() + BORDO_PICTURE;
        const int origineY = f.PicGrafico->y() + BORDO_PICTURE;
        for (int j = 0; j <= 10; ++j) {
            const QRect r = f.LblX[j]->geometry();
            EXPECT_NEAR(r.center().x(), origineX + Colonna(f, j / 10.0), 2) << "X label " << j;
        }
        for (int j = 0; j <= 8; ++j) {
            const QRect r = f.LblY1[j]->geometry().translated(f.PicAsseY[0]->pos());
            EXPECT_NEAR(r.center().y(), origineY + RigaPixel(f, j / 8.0), 2) << "Y label " << j;
        }
        // The zero line crosses the plot where no curve runs.
        EXPECT_TRUE(VicinoA(Righe(f, Colonna(f, 0.8), ColoreAssi), RigaPixel(f, 25.0 / 120), 2));
    }
    // With every value at or below zero it runs along the top edge.
    Progetto(1, &kelvra::Progetto::MomentoForcellone, -83, 0);
    f.DisegnaGrafico();
    EXPECT_TRUE(VicinoA(Righe(f, Colonna(f, 0.8), ColoreAssi), 0, 2));
}

TEST_F(GraphWindow, TickLabelsAndTitlesStayShownThroughRedrawsAndResizes) {
    Progetto(1, &kelvra::Progetto::CaricoRuota, 0, 2345);
    CURVE01& f = Apri();
    auto mostrati = [&f](const char* quando) {
        for (const QLabel* l : {f.LblX[0], f.LblX[10], f.LblY1[0], f.LblY1[f.Testi().NumeroY],
                                f.LblTitleGrafico, f.LblTitleBottom})
            EXPECT_TRUE(l->isVisible()) << quando << ": " << T(l);
    };
    f.CmdCurve[13]->click();
    mostrati("chart chosen");
    f.DisegnaGrafico();
    f.DisegnaGrafico();
    mostrati("drawn again");
    Ridimensiona(f, 900, 600);
    mostrati("resized");
}

TEST_F(GraphWindow, XLabelsTakeTheWidthOfTheirTextAsItChanges) {
    Progetto(1, &kelvra::Progetto::CaricoRuota, 0, 2345);
    CURVE01& f = Apri();
    f.CmdCurve[13]->click();
    auto aMisura = [&f](const char* quando) {
        for (int j = 0; j <= f.Testi().NumeroX; ++j) {
            const QLabel* l = f.LblX[j];
            EXPECT_EQ(l->width(), l->fontMetrics().horizontalAdvance(l->text()) + 6)
                << quando << ", label " << j << " " << T(l);
        }
    };
    aMisura("0..100 mm");
    // Zoomed to 20..60 mm: "0.00" becomes "20.00", "100.00" becomes "60.00".
    Grafico.ZoomIndietro = VERO;
    Grafico.XMinRichiesto = 20;
    Grafico.XMaxRichiesto = 60;
    f.DisegnaGrafico();
    EXPECT_EQ(T(f.LblX[0]), "20.00");
    aMisura("20..60 mm");
    // The same texts in a larger face.
    QFont grande = f.PicAsseX->font();
    grande.setPointSizeF(grande.pointSizeF() * 2);
    f.PicAsseX->setFont(grande);
    f.DisegnaGrafico();
    aMisura("larger face");
}

TEST_F(GraphWindow, ResizeKeepsTheChartAndZoomReopeningStartsAfresh) {
    Progetto(1, &kelvra::Progetto::CaricoRuota, 0, 2345);
    CURVE01& f = Apri();
    f.CmdCurve[13]->click();
    Grafico.ZoomIndietro = VERO;
    Grafico.XMinRichiesto = 20;
    Grafico.XMaxRichiesto = 60;
    f.DisegnaGrafico();
    Ridimensiona(f, 900, 600);
    EXPECT_EQ(Grafico.TipoGrafico, 13);
    // The tool window's hidden X-axis choice shows the automatic wheel-travel axis.
    ASSERT_NE(FUNZIONI::Istanza(), nullptr);
    const auto& scelta = FUNZIONI::Istanza()->OptAsseX;
    EXPECT_TRUE(scelta[0]->isChecked() && !scelta[1]->isChecked() && !scelta[2]->isChecked());
    EXPECT_TRUE(FUNZIONI::Istanza()->PictFunzioni[PANNELLO_ASSE_X]->isHidden());
    EXPECT_DOUBLE_EQ(Grafico.XMin, 20);
    EXPECT_EQ(T(f.LblX[0]), "20.00");

    f.close();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(CURVE01::Istanza(), nullptr);
    CURVE01& g = Apri();
    EXPECT_EQ(Grafico.TipoGrafico, 1);
    EXPECT_FALSE(Vero(Grafico.ZoomIndietro));
    EXPECT_EQ(T(g.LblX[0]), "0.00");
}

TEST_F(GraphWindow, SpringAloneOpensOnTheSpringForce) {
    kelvra::Progetto& p = Progetti[1];
    for (int i = 0; i <= 40; ++i) {
        p.EscursioneMolla[i] = i;
        p.ForzaMolla[i] = 25.0 * i;
    }
    p.NumPuntiMolla = 40;
    p.MollaInserita = VERO;
    p.StatoDatiProgetto = 2;
    NumeroProgetti = 1;
    CURVE01& f = Apri();
    EXPECT_EQ(Grafico.TipoGrafico, 7);
    EXPECT_EQ(T(f.LblTitleGrafico), "Spring force [N]");
    EXPECT_EQ(T(f.LblTitleBottom), "Spring deflection [mm]");
    EXPECT_TRUE(f.CmdCurve[7]->isEnabled());
    EXPECT_FALSE(f.CmdCurve[1]->isEnabled());
    EXPECT_EQ(T(f.LblY1[f.Testi().NumeroY]), "1000.0");
}

TEST_F(GraphWindow, ComingBackToTheWindowShowsProjectsComputedMeanwhile) {
    Progetto(1, &kelvra::Progetto::CaricoRuota, 0, 1000);
    CURVE01& f = Apri();
    f.CmdCurve[13]->click();
    auto* altra = new FinestraFiglia;
    altra->setWindowTitle("Other & more");
    main->AggiungiFiglia(altra);
    main->AttivaFiglia(&f);
    // The Window menu lists the open windows, the active one ticked; choosing one brings it
    // forward.
    auto voce = [&f](const QString& titolo) -> QAction* {
        emit f.MenuItem[8]->aboutToShow();
        for (QAction* a : f.MenuItem[8]->actions())
            if (a->text().endsWith(titolo)) return a;
        return nullptr;
    };
    ASSERT_NE(voce(" Other && more"), nullptr);
    ASSERT_NE(voce(f.windowTitle()), nullptr);
    EXPECT_TRUE(voce(f.windowTitle())->isChecked());
    voce(" Other && more")->trigger();
    EXPECT_EQ(main->FigliaAttiva(), altra);
    EXPECT_EQ(f.MenuItem[8]->actions().size(), 7); // four items, a bar, two windows
    Progetto(2, &kelvra::Progetto::CaricoRuota, 0, 2000);
    MostraGrafici(1);
    EXPECT_EQ(Grafico.TipoGrafico, 13);
    EXPECT_EQ(AdAnsi(f.windowTitle()), "Suspension graphs - 2 projects");
    EXPECT_EQ(T(f.LblY1[f.Testi().NumeroY]), "2000.0");
    delete altra;
}

// A bump-stop curve in project p.
static void ConTampone(int p) {
    for (int i = 0; i <= 20; ++i)
        Progetti[p].EscursioneTampone[i] = i, Progetti[p].ForzaTampone[i] = 15.0 * i * i;
    Progetti[p].NumPuntiTampone = 20;
}

// A chart the newest project has no data for gives way to the state's first chart, whichever
// way the window learns of the change; a chart it can still draw stays, zoom and all.
TEST_F(GraphWindow, AChartTheNewestProjectCannotDrawGivesWayToItsFirstChart) {
    Progetto(1, &kelvra::Progetto::CaricoRuota, 0, 1000);
    Progetti[1].StatoDatiProgetto = 7; // geometry, spring and shock absorber: no bump stop
    Progetto(2, &kelvra::Progetto::CaricoRuota, 0, 2000);
    ConTampone(2);
    CURVE01& f = Apri();
    f.GraficiItem[9]->trigger();
    ASSERT_EQ(Grafico.TipoGrafico, 9);
    f.FileItem[4]->trigger(); // Close last file: no project left with a bump stop
    EXPECT_FALSE(f.CmdCurve[9]->isEnabled());
    EXPECT_EQ(Grafico.TipoGrafico, 1);
    EXPECT_EQ(T(f.LblTitleGrafico), "Swingarm angle [\xB0]");
    // Back to the front after another window: a chart still enabled is kept with its zoom...
    f.CmdCurve[13]->click();
    Grafico.ZoomIndietro = VERO, Grafico.XMinRichiesto = 20, Grafico.XMaxRichiesto = 60;
    f.DisegnaGrafico();
    auto* altra = new FinestraFiglia;
    main->AggiungiFiglia(altra);
    main->AttivaFiglia(altra);
    main->AttivaFiglia(&f);
    EXPECT_EQ(T(f.LblX[0]), "20.00");
    // ... and one the data changed meanwhile no longer allows goes, zoom with it.
    main->AttivaFiglia(altra);
    Progetti[1].StatoDatiProgetto = 2; // the spring alone
    for (int i = 0; i <= 40; ++i)
        Progetti[1].EscursioneMolla[i] = i, Progetti[1].ForzaMolla[i] = 25.0 * i;
    Progetti[1].NumPuntiMolla = 40;
    main->AttivaFiglia(&f);
    EXPECT_EQ(T(f.LblTitleGrafico), "Spring force [N]");
    EXPECT_EQ(T(f.LblX[0]), "0.00");
    delete altra;
}

// The first activation puts the state's first chart in force even where the data would allow
// another: geometry and bump stop open on the bump-stop force.
TEST_F(GraphWindow, GeometryAndBumpStopOpenOnTheBumpStopForce) {
    Progetto(1, &kelvra::Progetto::CaricoRuota, 0, 1000);
    ConTampone(1);
    Progetti[1].StatoDatiProgetto = 9;
    CURVE01& f = Apri();
    EXPECT_EQ(T(f.LblTitleGrafico), "Bump stop force [N]");
}

TEST_F(GraphWindow, GeometryNotComputedOpensNothing) {
    Progetto(1, &kelvra::Progetto::CaricoRuota, 0, 1000);
    Progetti[1].NumPunti = 1;
    MostraGrafici(1);
    EXPECT_EQ(CURVE01::Istanza(), nullptr);
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].testo, Riga(Messaggi, 41));
}

namespace {
// A bench that answers with a load rising 10 N per millimetre of stroke from 100 N.
class BancoSimulato : public BancoProva {
  public:
    bool Acquisisci(const ParametriAcquisizione& par, MisuraBanco& m) override {
        for (double x = par.CorsaMinima; x <= par.CorsaMassima + 1e-9; x += 5) {
            m.Corsa.push_back(x);
            m.Carico.push_back(100 + 10 * x);
        }
        return true;
    }
};
} // namespace

TEST_F(GraphWindow, AnAcquisitionShowsItsLoadModalOverTheMainWindow) {
    RegistraEditorComponenti();
    BancoSimulato banco;
    ImpostaBancoProva(&banco);
    Progetto(1, &kelvra::Progetto::CaricoRuota, 0, 1000);
    Progetti[1].GeometriaInserita = FALSO; // the load alone: nothing to solve
    main->setGeometry(20, 10, 700, 500);   // within the screen, where the centring is plain
    CURVE01& aperta = Apri();              // an ordinary graph window open meanwhile
    QPointer<CURVE01> vecchia(&aperta);
    modali.RispondiModale([](QWidget* w) {
        auto* f = static_cast<FRMACQ*>(w);
        f->TxtCorsaMin->setText("10");
        f->TxtCorsaMax->setText("40");
        f->CmdUnselect->click();
        f->CmdOK->click();
        return 0;
    });
    modali.RispondiModale([this, vecchia](QWidget* w) {
        EXPECT_TRUE(vecchia.isNull()) << "the window open before gives way";
        CURVE01* g = CURVE01::Istanza();
        EXPECT_TRUE(g && w->isAncestorOf(g) && !g->SottoFinestra());
        const QPoint scarto = w->geometry().center() - main->frameGeometry().center();
        EXPECT_TRUE(std::abs(scarto.x()) <= 2 && std::abs(scarto.y()) <= 2)
            << scarto.x() << ", " << scarto.y();
        const auto* barra = w->findChild<QMenuBar*>();
        EXPECT_EQ(barra ? barra->actions().size() : 0, 10);
        EXPECT_EQ(w->windowTitle(), g->windowTitle());
        // The shock absorber's measured load, 100 + 10 N/mm over 10..40 mm.
        EXPECT_EQ(Grafico.TipoGrafico, 8);
        EXPECT_EQ(T(g->LblX[0]), "0.00");
        EXPECT_EQ(T(g->LblY1[g->Testi().NumeroY]), "500.0");
        return 0;
    });
    Ganci.MostraFrmAcq();
    ASSERT_EQ(modali.classiModali.size(), 2u);
    EXPECT_EQ(CURVE01::Istanza(), nullptr) << "closed with its modal show";
    ImpostaBancoProva(nullptr);
}
