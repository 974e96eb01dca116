// The points a curve's lines keep: those off the chord of their stretch. (That a run of lines
// lands where its lines drawn one at a time do is the surface's own test.)
#include "core/Impostazioni.h"
#include "core/Progetti.h"
#include "core/Unita.h"
#include "graphs/DisegnoGrafico.h"
#include "graphs/StatoGrafico.h"
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
    // Project 1 with the wheel load y(i) over wheel travel i = 0..punti.
    static void Progetto1(int punti, double (*y)(int)) {
        Progetto& pr = Progetti[1];
        for (int i = 0; i <= punti; ++i) pr.AsseCorsaRuota[i] = i, pr.CaricoRuota[i] = y(i);
        pr.NumPunti = static_cast<int16_t>(punti), pr.StatoDatiProgetto = 15;
        pr.GeometriaInserita = VERO;
        NumeroProgetti = ProgettoSelezionato = 1;
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

} // namespace

// A curve's lines keep the points off the chords of their stretch, and every point lies within
// 0.03 mm (a fraction of a pixel) of the line that spans it, with far fewer lines than points.
TEST_F(Plot, LinesKeepEveryPointWithinAFractionOfAPixel) {
    struct Caso {
        const char* nome;
        int punti;
        double (*y)(int);
        size_t minimo, massimo; // lines
    };
    const Caso casi[] = {
        {"slope", 300, [](int i) { return 100.0 + 2.0 * i; }, 1, 1},
        {"two slopes", 300, [](int i) { return i <= 100 ? 100.0 + 2.0 * i : 400.0 - i; }, 2, 2},
        {"a bump and its feet", 300, [](int i) { return 100.0 + (i == 150 ? 3.0 : 0.0); }, 4, 4},
        {"a bump next to the end", 300, [](int i) { return 100.0 + (i == 298 ? 3.0 : 0.0); }, 4, 4},
        {"wave", MAX_PUNTI, [](int i) { return 1000.0 + 300.0 * std::sin(i / 50.0); }, 11, 299}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Progetto1(c.punti, c.y);
        const auto linee = Linee(ColoreCurva[1]);
        ASSERT_GE(linee.size(), c.minimo);
        EXPECT_LE(linee.size(), c.massimo);
        const StatoGrafico& g = Grafico;
        size_t l = 0;
        for (int i = 0; i <= c.punti; ++i) {
            const double x =
                (FattoreUnita[UNITA_LUNGHEZZA] * i - g.XMin) / g.ScalaX + g.MargineSinistro;
            const double y = g.BordoInferiore - (g.FattoreY * c.y(i) - g.YMin) / g.ScalaY;
            while (l + 1 < linee.size() && x > linee[l].x2) ++l;
            const test::Chiamata& k = linee[l];
            const double dx = k.x2 - k.x1, dy = k.y2 - k.y1;
            ASSERT_LE(std::fabs(dy * (x - k.x1) - dx * (y - k.y1)) / std::hypot(dx, dy), 0.0301)
                << "point " << i;
        }
    }
}

// A curve that goes out and comes back to where it started: out and back, one line each.
TEST_F(Plot, ACurveThatComesBackIsTwoLines) {
    Progetto1(300, [](int i) { return 100.0 + (i <= 150 ? i : 300 - i); });
    for (int i = 0; i <= 300; ++i) Progetti[1].AsseCorsaRuota[i] = i <= 150 ? i : 300 - i;
    Grafico.RangeXFisso = VERO; // the X axis would end at the last point
    Grafico.XMinRichiesto = 0;
    Grafico.XMaxRichiesto = 2 * 200; // held doubled
    const auto linee = Linee(ColoreCurva[1]);
    ASSERT_EQ(linee.size(), 2u);
    EXPECT_DOUBLE_EQ(linee[0].x1, linee[1].x2);
    EXPECT_DOUBLE_EQ(linee[0].y1, linee[1].y2);
    EXPECT_GT(linee[0].x2, linee[0].x1 + 100);
}
