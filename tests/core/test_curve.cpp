// Curve extremes, straight-line interpolation and reading tabulated curves, checked against
// values worked by hand.
#include "core/Curve.h"
#include "support/Risposte.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>
#include <vector>

using namespace kelvra;

namespace {

const std::vector<double> CURVA = {5, 3, 8, 3, 9, 1};
constexpr int16_t IGNOTO = -2; // a point or segment not looked at

TEST(CurveExtremes, SmallestAndLargestWithTheirPointNeverReadingOutsideTheTable) {
    // Largest?, factor, offset, first and last count, the extreme and its count.
    const std::tuple<bool, float, float, double, double, float, int16_t> casi[] = {
        {false, 2, 0, 0, 4, 6, 1}, // the first of two equal minima
        {true, 2, 0, 0, 5, 18, 4},
        {false, 1, 1, 0, 4, 1, 4},  // offset 1: k = 0..4 reads points 1..5
        {true, 1, 0.5, 0, 3, 9, 3}, // offset 0.5: k = 0, 1, 2, 3 read points 0, 2, 2, 4
        {false, 1, 0, 3, 1, 3, 3},  // an empty stretch gives the first point
        {false, 1, 0, -5, 100, 1, 5},
        {false, 1, 0, 10, 20, 0, IGNOTO}, // nothing in the table
        {false, 1, 0, -1e300, 1e300, 1, IGNOTO},
    };
    for (auto [massimo, fattore, offset, primo, ultimo, atteso, punto] : casi) {
        int16_t k = IGNOTO;
        EXPECT_EQ(massimo ? MassimoCurvaTabella(CURVA, fattore, offset, primo, ultimo, k)
                          : MinimoCurvaTabella(CURVA, fattore, offset, primo, ultimo, k),
                  atteso)
            << primo << ".." << ultimo;
        EXPECT_TRUE(punto == IGNOTO || k == punto) << primo << ".." << ultimo << ": " << k;
    }
    EXPECT_EQ(MinimoCurva(CURVA, 1.0f, 0.0f, 2, 4), 3.0f);
    EXPECT_EQ(MassimoCurva(CURVA, -1.0f, 0.0f, 0, 5), -1.0f);
    EXPECT_EQ(MassimoCurva(CURVA, 1.0f, -3.0f, 0, 32767), 9.0f); // points -3..5
    EXPECT_EQ(MinimoCurva(std::span<const double>(), 1.0f, 0.0f, 0, 10), 0.0f);
    // Values are 4-byte reals.
    const std::vector<double> c = {25.4, 50.8};
    const float pollici = 0.03937008f;
    EXPECT_EQ(MassimoCurva(c, pollici, 0.0f, 0, 1), static_cast<float>(pollici * 50.8));
}

TEST(CurveExtremes, WholeStretchesTakeEveryPointFromTheFirstToTheLast) {
    // Whole first points, the way a graph's redraw asks, over a curve with repeated extremes:
    // the extreme of the points first..last that lie in the table, the first of equals, the
    // first point even when last comes before it.
    const std::vector<double> curva = {4, -2, 7, 7, -2, 0, 7, -2, 3};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double primo = -3; primo <= 10; ++primo)
        for (double ultimo :
             {-4.0, -1.0, 0.0, 1.5, 2.0, 3.0, 5.9, 6.0, 8.0, 9.0, 40.0, inf, -inf, nan}) {
            for (bool massimo : {false, true}) {
                float atteso = 0;
                int16_t punto = IGNOTO;
                for (double k = std::max(primo, 0.0); k == primo || k <= ultimo; ++k) {
                    if (k >= static_cast<double>(curva.size())) break;
                    const float v = static_cast<float>(-1.5f * curva[static_cast<size_t>(k)]);
                    if (punto == IGNOTO || (massimo ? v > atteso : v < atteso)) {
                        atteso = v;
                        punto = static_cast<int16_t>(k);
                    }
                }
                int16_t k = IGNOTO;
                const float trovato =
                    massimo ? MassimoCurvaTabella(curva, -1.5f, 0.0f, primo, ultimo, k)
                            : MinimoCurvaTabella(curva, -1.5f, 0.0f, primo, ultimo, k);
                EXPECT_EQ(trovato, atteso) << primo << ".." << ultimo << " " << massimo;
                EXPECT_EQ(k, punto == IGNOTO ? static_cast<int16_t>(primo) : punto)
                    << primo << ".." << ultimo << " " << massimo;
            }
        }
}

TEST(LinearInterpolation, StraightLineThroughTwoPoints) {
    EXPECT_DOUBLE_EQ(InterpolaLineare(0, 0, 2, 1, 1), 0.5);
    EXPECT_DOUBLE_EQ(InterpolaLineare(2, 7, 2, 9, 100), 7.0); // no slope: y0
    // The slope 1/3 is held as a 4-byte real, 0.3333333433.
    EXPECT_NEAR(InterpolaLineare(0, 0, 3, 1, 3e6), 1000000.0298, 1e-3);
}

// A curve worked by hand: points (0,3) (1,10) (2,20) (4,30) (8,70), last point 4.
const std::vector<double> X = {0, 1, 2, 4, 8, 99};
const std::vector<double> Y = {3, 10, 20, 30, 70, 99};

TEST(TableInterpolation, OneSegment) {
    EXPECT_DOUBLE_EQ(InterpolaTabella(Y, X, 3, 2), 25.0);
    const std::vector<double> Xp = {0, 2, 2, 5};
    EXPECT_DOUBLE_EQ(InterpolaTabella(Y, Xp, 2, 1), 10.0); // no length: the first point
    EXPECT_DOUBLE_EQ(InterpolaTabella(Y, X, 3, 99), 0.0);
    EXPECT_DOUBLE_EQ(InterpolaTabella(Y, X, 3, -1), 0.0);
}

// Within X(1)..X(n) (CercaValoreTabella) or extended beyond both ends (ValoreTabella).
TEST(TableValue, InsideTheCurveAndBeyondItNeverReadingOutsideTheTables) {
    // Extended?, last point, x, the value, the segment (-1: none holds x).
    const std::tuple<bool, int, double, float, int16_t> casi[] = {
        {false, 4, 3, 25, 2},
        {false, 4, 0.5, 6.5, 0},
        // Same whole part as the first or the last abscissa: that point's value.
        {false, 4, 1.7, 10, 1},
        {false, 4, 8.9, 70, 4},
        {false, 4, 9.5, 0, -1},
        {false, 4, -0.5, 0, -1},
        {true, 4, 3, 25, 2},
        {true, 4, 9.5, 85, 3}, // 30 + 10 * 5.5, points 3..4
        {true, 4, 0.5, 5, 1},  // 10 + 10 * -0.5, points 1..2
        // A count past the tables is brought back to their last point (99, 99): beyond it the
        // curve goes on along the segment from (8, 70).
        {true, 32767, 99.5, 99.0f + 29.0f / 91.0f * 0.5f, 4},
        {false, 5000, 50, 99.0f - 29.0f * 49.0f / 91.0f, IGNOTO},
        {true, -2, 3, 0, IGNOTO},
        {false, 0, 3, 0, IGNOTO},
        {true, 1, -1, -4, 0}, // one point only: both sides extend along segment 0..1
    };
    for (auto [esteso, n, x, atteso, segmento] : casi) {
        int16_t s = -1;
        EXPECT_FLOAT_EQ(esteso ? ValoreTabella(Y, X, n, x, s) : CercaValoreTabella(Y, X, n, x, s),
                        atteso)
            << x;
        EXPECT_TRUE(segmento == IGNOTO || s == segmento) << x << ": " << s;
    }
    int16_t s = -1;
    EXPECT_FLOAT_EQ(ValoreTabella(std::span<const double>(), X, 4, 3, s), 0.0f);
    // A first abscissa with a fraction.
    const std::vector<double> x = {0, 0.2, 3};
    const std::vector<double> y = {1, 2, 8};
    EXPECT_FLOAT_EQ(CercaValoreTabella(y, x, 2, 0.7, s), 2.0f);
    EXPECT_EQ(s, 1);
}

class ProjectCurves : public test::TabelleAzzerate {};

TEST_F(ProjectCurves, ExtremesAndValuesOfAProjectsTables) {
    Progetti[2].Leveraggio[0] = 4;
    Progetti[2].Leveraggio[1] = 2.5;
    Progetti[2].Leveraggio[2] = 3;
    int16_t k = -1;
    EXPECT_EQ(MinimoCurvaTabella(&Progetto::Leveraggio, 1.0f, 0.0f, 0, 2, 2, k), 2.5f);
    EXPECT_EQ(k, 1);
    EXPECT_EQ(MassimoCurvaTabella(&Progetto::Leveraggio, 1.0f, 0.0f, 0, 2, 7, k), 0.0f);
    Progetto& p = Progetti[3];
    for (int i = 0; i <= 10; ++i) {
        p.AsseCorsaRuota[i] = i;
        p.CaricoRuota[i] = 100.0 * i;
    }
    p.NumPunti = 10;
    const auto Y = &Progetto::CaricoRuota;
    const auto X = &Progetto::AsseCorsaRuota;
    const auto N = &Progetto::NumPunti;
    EXPECT_FLOAT_EQ(CercaValoreTabella(Y, X, N, 4.25, 3, k), 425.0f);
    EXPECT_EQ(k, 4);
    EXPECT_FLOAT_EQ(ValoreTabella(Y, X, N, 12, 3, k), 1200.0f);
    EXPECT_EQ(k, 9);
    EXPECT_FLOAT_EQ(ValoreTabella(Y, X, N, 5, 0, k), 0.0f);
}

} // namespace
