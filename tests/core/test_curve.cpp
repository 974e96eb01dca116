// Curve extremes, straight-line interpolation and reading tabulated curves, checked against
// values worked by hand.
#include "core/Curve.h"
#include "support/Risposte.h"

#include <gtest/gtest.h>
#include <vector>

using namespace kelvra;

namespace {

const std::vector<double> CURVA = {5, 3, 8, 3, 9, 1};

TEST(CurveExtremes, SmallestAndLargestWithTheirPointOffsetAndEmptyStretch) {
    int16_t k = -1;
    EXPECT_EQ(MinimoCurvaTabella(CURVA, 2.0f, 0.0f, 0, 4, k), 6.0f);
    EXPECT_EQ(k, 1) << "the first of two equal minima";
    EXPECT_EQ(MassimoCurvaTabella(CURVA, 2.0f, 0.0f, 0, 5, k), 18.0f);
    EXPECT_EQ(k, 4);
    EXPECT_EQ(MinimoCurva(CURVA, 1.0f, 0.0f, 2, 4), 3.0f);
    EXPECT_EQ(MassimoCurva(CURVA, -1.0f, 0.0f, 0, 5), -1.0f);
    // Offset 1: k = 0..4 reads points 1..5; the minimum 1 is at point 5, k = 4.
    EXPECT_EQ(MinimoCurvaTabella(CURVA, 1.0f, 1.0f, 0, 4, k), 1.0f);
    EXPECT_EQ(k, 4);
    // Offset 0.5: k = 0, 1, 2, 3 read points 0, 2, 2, 4.
    EXPECT_EQ(MassimoCurvaTabella(CURVA, 1.0f, 0.5f, 0, 3, k), 9.0f);
    EXPECT_EQ(k, 3);
    // An empty stretch gives the first point.
    EXPECT_EQ(MinimoCurvaTabella(CURVA, 1.0f, 0.0f, 3, 1, k), 3.0f);
    EXPECT_EQ(k, 3);
    // Values are 4-byte reals.
    const std::vector<double> c = {25.4, 50.8};
    const float pollici = 0.03937008f;
    EXPECT_EQ(MassimoCurva(c, pollici, 0.0f, 0, 1), static_cast<float>(pollici * 50.8));
}

TEST(CurveExtremes, CountsBeyondTheTableNeverReadOutsideIt) {
    int16_t k = -1;
    EXPECT_EQ(MinimoCurvaTabella(CURVA, 1.0f, 0.0f, -5, 100, k), 1.0f);
    EXPECT_EQ(k, 5);
    EXPECT_EQ(MassimoCurva(CURVA, 1.0f, -3.0f, 0, 32767), 9.0f);       // points -3..5
    EXPECT_EQ(MinimoCurvaTabella(CURVA, 1.0f, 0.0f, 10, 20, k), 0.0f); // nothing in the table
    EXPECT_EQ(MinimoCurvaTabella(CURVA, 1.0f, 0.0f, -1e300, 1e300, k), 1.0f);
    EXPECT_EQ(MinimoCurva(std::span<const double>(), 1.0f, 0.0f, 0, 10), 0.0f);
}

class ProjectCurves : public test::TabelleAzzerate {};

TEST_F(ProjectCurves, ExtremesByMember) {
    Progetti[2].Leveraggio[0] = 4;
    Progetti[2].Leveraggio[1] = 2.5;
    Progetti[2].Leveraggio[2] = 3;
    int16_t k = -1;
    EXPECT_EQ(MinimoCurvaTabella(&Progetto::Leveraggio, 1.0f, 0.0f, 0, 2, 2, k), 2.5f);
    EXPECT_EQ(k, 1);
    EXPECT_EQ(MassimoCurvaTabella(&Progetto::Leveraggio, 1.0f, 0.0f, 0, 2, 7, k), 0.0f);
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

TEST(TableValue, InsideTheCurve) {
    int16_t s = -1;
    EXPECT_FLOAT_EQ(CercaValoreTabella(Y, X, 4, 3, s), 25.0f);
    EXPECT_EQ(s, 2);
    EXPECT_FLOAT_EQ(CercaValoreTabella(Y, X, 4, 0.5, s), 6.5f); // segment 0
    EXPECT_EQ(s, 0);
    // Same whole part as the first or the last abscissa: that point's value, no interpolation.
    EXPECT_FLOAT_EQ(CercaValoreTabella(Y, X, 4, 1.7, s), 10.0f);
    EXPECT_EQ(s, 1);
    EXPECT_FLOAT_EQ(CercaValoreTabella(Y, X, 4, 8.9, s), 70.0f);
    EXPECT_EQ(s, 4);
    s = -1;
    EXPECT_FLOAT_EQ(CercaValoreTabella(Y, X, 4, 9.5, s), 0.0f);
    EXPECT_FLOAT_EQ(CercaValoreTabella(Y, X, 4, -0.5, s), 0.0f);
    EXPECT_EQ(s, -1) << "no segment holds x";
    // A first abscissa with a fraction.
    const std::vector<double> x = {0, 0.2, 3};
    const std::vector<double> y = {1, 2, 8};
    EXPECT_FLOAT_EQ(CercaValoreTabella(y, x, 2, 0.7, s), 2.0f);
    EXPECT_EQ(s, 1);
}

TEST(TableValue, ExtendsBeyondBothEndsAndCountsBeyondTheTableNeverReadOutsideIt) {
    int16_t s = -1;
    EXPECT_FLOAT_EQ(ValoreTabella(Y, X, 4, 3, s), 25.0f);
    EXPECT_EQ(s, 2);
    EXPECT_FLOAT_EQ(ValoreTabella(Y, X, 4, 9.5, s), 85.0f); // 30 + 10 * 5.5, points 3..4
    EXPECT_EQ(s, 3);
    EXPECT_FLOAT_EQ(ValoreTabella(Y, X, 4, 0.5, s), 5.0f); // 10 + 10 * -0.5, points 1..2
    EXPECT_EQ(s, 1);
    // A count past the tables is brought back to their last point (99, 99): beyond it the
    // curve goes on along the segment from (8, 70).
    EXPECT_FLOAT_EQ(ValoreTabella(Y, X, 32767, 99.5, s), 99.0f + 29.0f / 91.0f * 0.5f);
    EXPECT_EQ(s, 4);
    EXPECT_FLOAT_EQ(CercaValoreTabella(Y, X, 5000, 50, s), 99.0f - 29.0f * 49.0f / 91.0f);
    EXPECT_FLOAT_EQ(ValoreTabella(Y, X, -2, 3, s), 0.0f);
    EXPECT_FLOAT_EQ(CercaValoreTabella(Y, X, 0, 3, s), 0.0f);
    // One point only: both sides extend along segment 0..1.
    EXPECT_FLOAT_EQ(ValoreTabella(Y, X, 1, -1, s), -4.0f);
    EXPECT_EQ(s, 0);
    EXPECT_FLOAT_EQ(ValoreTabella(std::span<const double>(), X, 4, 3, s), 0.0f);
}

TEST_F(ProjectCurves, ReadsAProjectsResultCurve) {
    Progetto& p = Progetti[3];
    for (int i = 0; i <= 10; ++i) {
        p.AsseCorsaRuota[i] = i;
        p.CaricoRuota[i] = 100.0 * i;
    }
    p.NumPunti = 10;
    int16_t s = -1;
    const auto Y = &Progetto::CaricoRuota;
    const auto X = &Progetto::AsseCorsaRuota;
    const auto N = &Progetto::NumPunti;
    EXPECT_FLOAT_EQ(CercaValoreTabella(Y, X, N, 4.25, 3, s), 425.0f);
    EXPECT_EQ(s, 4);
    EXPECT_FLOAT_EQ(ValoreTabella(Y, X, N, 12, 3, s), 1200.0f);
    EXPECT_EQ(s, 9);
    EXPECT_FLOAT_EQ(ValoreTabella(Y, X, N, 5, 0, s), 0.0f);
}

} // namespace
