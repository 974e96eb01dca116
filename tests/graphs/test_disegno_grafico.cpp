// The plot's curves as the graph window draws them, in runs of joined lines, against the same
// plot drawn a line at a time: whole, and zoomed so that every curve leaves the plot and comes
// back. And the points a curve's lines keep: those off the chord of their stretch.
#include "core/Impostazioni.h"
#include "core/Progetti.h"
#include "core/Unita.h"
#include "graphs/DisegnoGrafico.h"
#include "graphs/StatoGrafico.h"
#include "support/ConfrontoImmagini.h"
#include "support/Risposte.h"
#include "support/SuperficieRegistrata.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace kelvra;

namespace {

class Plot : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        ReimpostaGrafico();
        SistemaUnita = SISTEMA_METRICO;
        ImpostaUnitaMisura(SISTEMA_METRICO);
        Grafico.TipoGrafico = 13; // the wheel load
    }
    void TearDown() override {
        ReimpostaGrafico();
        TabelleAzzerate::TearDown();
    }
    // Projects 1..n with the wheel load y(i) over wheel travel i = 0..punti.
    template <class F> static void Progetti1N(int n, int punti, F y) {
        for (int p = 1; p <= n; ++p) {
            Progetto& pr = Progetti[p];
            for (int i = 0; i <= punti; ++i) {
                pr.AsseCorsaRuota[i] = i;
                pr.CaricoRuota[i] = y(p, i);
            }
            pr.NumPunti = static_cast<int16_t>(punti);
            pr.StatoDatiProgetto = 15;
            pr.GeometriaInserita = VERO;
        }
        NumeroProgetti = ProgettoSelezionato = static_cast<int16_t>(n);
    }
    // The curves' lines as recorded, with their colour.
    static std::vector<test::Chiamata> Linee(long colore) {
        test::SuperficieRegistrata pic(300, 180);
        TestiGrafico testi;
        DisegnaGraficoSu(pic, false, testi);
        std::vector<test::Chiamata> r;
        for (const auto& c : pic.Di('L'))
            if (c.colore == colore) r.push_back(c);
        return r;
    }
};

void DisegnaEConfronta(const char* caso) {
    SCOPED_TRACE(caso);
    ImmagineSuperficie runs(1234, 700);
    test::LineaPerLinea linee(1234, 700);
    TestiGrafico testi;
    DisegnaGraficoSu(runs, true, testi);
    DisegnaGraficoSu(linee, true, testi);
    const test::Confronto c = test::Confronta(linee, runs);
    EXPECT_EQ(c.staccati, 0);
    EXPECT_LE(c.diversi, c.disegnati / 200);
    for (int p = 1; p <= MAX_PROGETTI; ++p) {
        const int attesi = linee.ContaPixel(ColoreCurva[static_cast<size_t>(p)]);
        EXPECT_GT(attesi, 1000) << "project " << p;
        EXPECT_NEAR(runs.ContaPixel(ColoreCurva[static_cast<size_t>(p)]), attesi, attesi / 100)
            << "project " << p;
    }
}

} // namespace

TEST_F(Plot, CurvesLandWhereTheirLinesDrawnOneAtATimeDo) {
    // Six projects of 750 points, each a slope with a wave and a few points thrown off it.
    Progetti1N(MAX_PROGETTI, MAX_PUNTI, [](int p, int i) {
        return 400.0 * p + 3.0 * i + 150.0 * std::sin(i / (40.0 + 5 * p)) +
               (i % 97 == 0 ? 300.0 : 0.0);
    });
    DisegnaEConfronta("whole");
    // A band of loads through the middle: the curves run out of the plot, top and bottom,
    // and come back.
    Grafico.RangeYFisso = VERO;
    Grafico.YMinRichiesto = 1500;
    Grafico.YMaxRichiesto = 3000;
    DisegnaEConfronta("zoomed");
}

TEST_F(Plot, LinesKeepThePointsOffTheChords) {
    // A straight slope is one line, however many points it has.
    Progetti1N(1, 300, [](int, int i) { return 100.0 + 2.0 * i; });
    const long colore = ColoreCurva[1];
    auto linee = Linee(colore);
    ASSERT_EQ(linee.size(), 1u);
    EXPECT_DOUBLE_EQ(linee[0].x1, Grafico.MargineSinistro);
    // Two slopes meeting at point 100: two lines, the joint in common.
    Progetti1N(1, 300, [](int, int i) { return i <= 100 ? 100.0 + 2.0 * i : 400.0 - i; });
    linee = Linee(colore);
    ASSERT_EQ(linee.size(), 2u);
    EXPECT_DOUBLE_EQ(linee[0].x2, linee[1].x1);
    EXPECT_DOUBLE_EQ(linee[0].y2, linee[1].y1);
    // A bump of one point on a flat line keeps the bump and its foot on either side, in the
    // middle or next to the end.
    for (int gobba : {150, 298}) {
        Progetti1N(1, 300, [gobba](int, int i) { return 100.0 + (i == gobba ? 3.0 : 0.0); });
        linee = Linee(colore);
        ASSERT_EQ(linee.size(), 4u) << gobba;
        EXPECT_DOUBLE_EQ(linee[1].x2, linee[2].x1);
        EXPECT_LT(linee[1].y2, linee[1].y1); // up to the bump (y grows downwards)
    }
    // A curve that goes out and comes back to where it started: out and back, one line each.
    // (The X axis would end at the last point; it is set to hold the curve.)
    Progetti1N(1, 300, [](int, int i) { return 100.0 + (i <= 150 ? i : 300 - i); });
    for (int i = 0; i <= 300; ++i) Progetti[1].AsseCorsaRuota[i] = i <= 150 ? i : 300 - i;
    Grafico.RangeXFisso = VERO;
    Grafico.XMinRichiesto = 0;
    Grafico.XMaxRichiesto = 2 * 200; // held doubled
    linee = Linee(colore);
    ASSERT_EQ(linee.size(), 2u);
    EXPECT_DOUBLE_EQ(linee[0].x1, linee[1].x2);
    EXPECT_DOUBLE_EQ(linee[0].y1, linee[1].y2);
    EXPECT_GT(linee[0].x2, linee[0].x1 + 100);
}

TEST_F(Plot, AWaveKeepsEveryPointWithinAFractionOfAPixel) {
    Progetti1N(1, MAX_PUNTI, [](int, int i) { return 1000.0 + 300.0 * std::sin(i / 50.0); });
    // Far fewer lines than points ...
    const auto linee = Linee(ColoreCurva[1]);
    EXPECT_GT(linee.size(), 10u);
    EXPECT_LT(linee.size(), 300u);
    // ... yet every point of the curve, where the plot puts it, lies within 0.03 mm of the line
    // that spans it.
    const StatoGrafico& g = Grafico;
    const Progetto& pr = Progetti[1];
    size_t l = 0;
    for (int i = 0; i <= MAX_PUNTI; ++i) {
        const double x =
            (FattoreUnita[UNITA_LUNGHEZZA] * pr.AsseCorsaRuota[i] - g.XMin) / g.ScalaX +
            g.MargineSinistro;
        const double y = g.BordoInferiore - (g.FattoreY * pr.CaricoRuota[i] - g.YMin) / g.ScalaY;
        while (l + 1 < linee.size() && x > linee[l].x2) ++l;
        const test::Chiamata& c = linee[l];
        const double dx = c.x2 - c.x1, dy = c.y2 - c.y1;
        const double d = std::fabs(dy * (x - c.x1) - dx * (y - c.y1)) / std::hypot(dx, dy);
        ASSERT_LE(d, 0.0301) << "point " << i;
    }
}
