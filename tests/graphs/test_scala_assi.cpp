// Axis scaling against spans worked out by hand: the tick search, the rounded ends and steps,
// the automatic axes of whole charts in both unit systems, zoomed and fixed ranges, and the
// degenerate spans that must still give a usable scale.
#include "core/Formato.h"
#include "core/Unita.h"
#include "graphs/DisegnoGrafico.h"
#include "graphs/ScalaAssi.h"
#include "graphs/StatoGrafico.h"
#include "platform/Immagine.h"
#include "support/Risposte.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace kelvra;

namespace {

class Axes : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        ReimpostaGrafico();
        Unita(SISTEMA_METRICO);
    }
    void TearDown() override {
        ReimpostaGrafico();
        TabelleAzzerate::TearDown();
    }
    static void Unita(int16_t sistema) {
        SistemaUnita = sistema;
        ImpostaUnitaMisura(sistema);
    }
    // Points 0..n of a wheel-travel curve going straight from `da` to `a`.
    static void Rampa(int p, Curva Progetto::*curva, int n, double da, double a) {
        Progetto& pr = Progetti[p];
        for (int i = 0; i <= n; ++i) {
            pr.AsseCorsaRuota[i] = i;
            (pr.*curva)[i] = da + (a - da) * i / n;
        }
        pr.NumPunti = static_cast<int16_t>(n);
        NumeroProgetti = static_cast<int16_t>(std::max<int>(NumeroProgetti, p));
    }
    // A whole redraw of `tipo` on an offscreen plot; the axes are then in Grafico.
    TestiGrafico Disegna(int16_t tipo) {
        Grafico.TipoGrafico = tipo;
        TestiGrafico testi;
        DisegnaGraficoSu(immagine, true, testi);
        return testi;
    }
    ImmagineSuperficie immagine{800, 500};
};

struct Asse {
    double min, max;
    int divisioni;
    float passo;
};

void Controlla(const Asse& x, const Asse& y) {
    const StatoGrafico& g = Grafico;
    EXPECT_NEAR(g.XMin, x.min, 1e-6);
    EXPECT_NEAR(g.XMax, x.max, 1e-4);
    EXPECT_EQ(g.DivisioniX, x.divisioni);
    EXPECT_FLOAT_EQ(g.PassoX, x.passo);
    EXPECT_NEAR(g.YMin, y.min, 1e-6);
    EXPECT_NEAR(g.YMax, y.max, 1e-4);
    EXPECT_EQ(g.DivisioniY, y.divisioni);
    EXPECT_FLOAT_EQ(g.PassoY, y.passo);
}

} // namespace

TEST_F(Axes, TickSearchSettlesOnShortSteps) {
    struct Caso {
        double max, min;
        float ampiezza, fattore;
        bool adatta;
        int divisioni;
        float usata;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Caso casi[] = {
        {10, 0, 10, 100, false, 10, 10},              // steps of 1 at once
        {70, 0, 70, 100, true, 7, 70},                // 7, 7.78, 8.75 refused; 7 x 10
        {60, 0, 60, 100, true, 8, 60},                // 8 x 7.5
        {7.3, 0, 7.3f, 100, true, 10, 7.5f},          // 0.73 widened to 0.75
        {13, 0, 13, 100, false, 5, 13},               // nothing fits: half the count
        {0.0005, 0, 0.0005f, 100, true, 10, 0.0005f}, // too small to divide
        // Ends the coverage can never reach settle on the wanted count within the bound.
        {1e300, 0, 10, 100, true, 10, 15},
        {nan, 0, 10, 100, true, 10, 15},
        {std::numeric_limits<double>::infinity(), -1, 2, 1e30f, true, 10, 2.5f},
    };
    for (const Caso& c : casi) {
        float ampiezza = c.ampiezza, fattore = c.fattore;
        EXPECT_EQ(CalcolaTacche(c.max, c.min, ampiezza, fattore, 10, c.adatta), c.divisioni)
            << "span " << c.ampiezza << " to " << c.max;
        EXPECT_FLOAT_EQ(ampiezza, c.usata) << "span " << c.ampiezza << " to " << c.max;
    }
    float ampiezza = 10, fattore = 0;
    CalcolaTacche(10, 0, ampiezza, fattore, 10, true);
    EXPECT_EQ(fattore, 10.0f);
}

TEST_F(Axes, EndsRoundDownAndSpansRoundUp) {
    const std::pair<float, float> estremi[] = {{-12, -20},    {-17, -25},     {-10, -15},
                                               {283.7f, 283}, {0.4f, 0},      {-0.4f, -1},
                                               {-600, -600},  {-1234, -2000}, {-12345, -20000}};
    for (auto [x, atteso] : estremi) EXPECT_EQ(ArrotondaEstremo(x), atteso) << x;
    const std::pair<float, float> passi[] = {{23, 25},      {27, 30},   {30, 35},     {49, 50},
                                             {7.31f, 7.4f}, {640, 640}, {2345, 3000}, {0, 0}};
    for (auto [x, atteso] : passi) EXPECT_FLOAT_EQ(ArrotondaPasso(x), atteso) << x;
}

TEST_F(Axes, AutomaticAxesOfWholeChartsInBothUnitSystems) {
    // Project 1's curve over `n` points from `da` to `a` (none when n is 0); the swingarm
    // angle adds project 2 rising 0..4.5 over 60 points. Then X and Y: ends, count, step.
    struct Caso {
        int16_t sistema, tipo;
        Curva Progetto::*curva;
        int n;
        double da, a, x0, x1;
        int dx;
        float px;
        double y0, y1;
        int dy;
        float py;
    };
    const Caso casi[] = {
        {SISTEMA_METRICO, 13, &Progetto::CaricoRuota, 100, 0, 2345, 0, 100, 10, 10, 0, 2400, 8,
         300},
        // 527.18 Lb: 5.3, 5.89, 6.63, 7.57, 8.83, 1.06 refused, 4 x 132.5 widened to 4 x 150;
        // 100 mm is 3.937 in: ten steps of 0.4.
        {SISTEMA_IMPERIALE, 13, &Progetto::CaricoRuota, 100, 0, 2345, 0, 4, 10, 0.4f, 0, 600, 4,
         150},
        // -17 rounds to -25; the span 108 overflows 10 x 10, then 8 x 15 covers it.
        {SISTEMA_METRICO, 12, &Progetto::MomentoForcellone, 100, -17, 83, 0, 100, 10, 10, -25, 95,
         8, 15},
        // The axes cover both projects; the shorter travel does not shorten X.
        {SISTEMA_METRICO, 1, &Progetto::AngoloForcellone, 120, 10, 0, 0, 135, 9, 15, 0, 10, 10, 1},
        // 0.0004 of leverage: one division of 0.01.
        {SISTEMA_METRICO, 4, &Progetto::Leveraggio, 100, 0, 0.0004, 0, 100, 10, 10, 0, 0.01, 1,
         0.01f},
        // All zero: ten nominal divisions of 1 on Y; no geometry at all: on X as well.
        {SISTEMA_METRICO, 13, &Progetto::CaricoRuota, 100, 0, 0, 0, 100, 10, 10, 0, 10, 10, 1},
        {SISTEMA_METRICO, 1, nullptr, 0, 0, 0, 0, 10, 10, 1, 0, 10, 10, 1},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(&c - casi);
        AzzeraTabelle();
        ReimpostaGrafico();
        Unita(c.sistema);
        NumeroProgetti = 1;
        if (c.curva) Rampa(1, c.curva, c.n, c.da, c.a);
        if (c.tipo == 1 && c.curva) Rampa(2, c.curva, 60, 0, 4.5);
        Disegna(c.tipo);
        Controlla({c.x0, c.x1, c.dx, c.px}, {c.y0, c.y1, c.dy, c.py});
        EXPECT_GT(Grafico.ScalaX, 0.0f);
        EXPECT_GT(Grafico.ScalaY, 0.0f);
    }
}

TEST_F(Axes, FixedRangeOfNoWidth) {
    StatoGrafico& g = Grafico;
    // A fixed range of no width keeps a nominal scale.
    Rampa(1, &Progetto::CaricoRuota, 100, 0, 2345);
    g.RangeYFisso = VERO;
    g.YMinRichiesto = g.YMaxRichiesto = 5;
    Disegna(13);
    EXPECT_EQ(g.DivisioniY, 10);
    EXPECT_FLOAT_EQ(g.PassoY, 1);
    EXPECT_DOUBLE_EQ(g.YMax, 15);
}

TEST_F(Axes, TypedRangeReadsTheKindsOwnCurve) {
    // A spring alone: force 10 N per mm over rows 0..200, and no computed travel at all.
    Progetto& p = Progetti[1];
    for (int i = 0; i <= 200; ++i) {
        p.EscursioneMolla[i] = i;
        p.ForzaMolla[i] = 10.0 * i;
    }
    p.NumPuntiMolla = 200;
    NumeroProgetti = 1;
    ImpostaDatiTipo(*DatiTipoGrafico(7));
    StatoGrafico& g = Grafico;
    g.ModoZoom = ZOOM_RANGE;
    g.XMin = 50;
    g.XMax = 150;
    ArrotondaRangeY(*DatiTipoGrafico(7));
    EXPECT_DOUBLE_EQ(g.YMin, 500);
    EXPECT_DOUBLE_EQ(g.YMax, 1500);
    EXPECT_EQ(g.DivisioniY, 10);
}

TEST_F(Axes, CountsAreKeptWithinTheTables) {
    Progetto& p = Progetti[1];
    p.NumPunti = 30000;
    p.NumPuntiMolla = -5;
    p.NumPuntiAmmortizzatore = 1000; // the static force holds 750 points only
    p.NumPuntiTampone = 1001;
    const std::pair<int16_t, int16_t> attesi[] = {{1, 750}, {7, 0}, {8, 750}, {9, 1000}};
    for (auto [tipo, ultimo] : attesi)
        EXPECT_EQ(UltimoPuntoSicuro(*DatiTipoGrafico(tipo), p), ultimo) << "kind " << tipo;
    NumeroProgetti = 1;
    for (int16_t tipo = 14; tipo >= 9; --tipo) Disegna(tipo);
    EXPECT_EQ(Grafico.UltimoPunto[1], 1000);
}
