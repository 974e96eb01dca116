// The summary table's rules without its window: rows enabled per state code, reading a typed
// travel, values and maxima in both unit systems, the limit hint and the dimension list.
#include "AmbienteTabelle.h"

#include "support/SuperficieRegistrata.h"
#include "tables/Riassunto.h"

using namespace kelvra;

namespace {

using Summary = test::AmbienteTabelle;

TEST_F(Summary, RowsNeedTheGeometryAndTheWheelLoadsTheirData) {
    const std::string righe_0_5 = "11111100000", tutte = "11111111111", nessuna = "00000000000";
    const std::vector<std::pair<int, std::string>> casi = {
        {0, nessuna}, {1, righe_0_5}, {2, nessuna},  {3, righe_0_5},  {4, nessuna},
        {7, tutte},   {9, righe_0_5}, {10, nessuna}, {11, righe_0_5}, {12, nessuna},
        {13, tutte},  {14, nessuna},  {15, tutte},   {16, nessuna},   {-1, nessuna}};
    for (const auto& [stato, atteso] : casi) {
        std::string r;
        for (bool a : RigheAbilitate(stato)) r += a ? '1' : '0';
        EXPECT_EQ(r, atteso) << stato;
    }
}

TEST_F(Summary, ATypedTravelIsReadOnlyWithinTheComputedCurve) {
    Calcolato(1, 1, 120);
    // unit system, typed text, point read (-1: none)
    const std::tuple<int16_t, const char*, int> casi[] = {
        {SISTEMA_METRICO, "", 0},      {SISTEMA_METRICO, "120", 120},
        {SISTEMA_METRICO, "121", -1},  {SISTEMA_METRICO, "abc", -1},
        {SISTEMA_METRICO, "1.5", -1},  {SISTEMA_METRICO, "99999999999999", -1},
        {SISTEMA_IMPERIALE, "4", 102}, {SISTEMA_IMPERIALE, "5", -1}};
    for (const auto& [sistema, testo, punto] : casi) {
        Unita(sistema);
        EXPECT_EQ(PuntoCorsa(testo, 1).value_or(-1), punto) << testo;
    }
}

TEST_F(Summary, ValuesMaximaAndLimitsInBothUnitSystems) {
    Progetto& P = Calcolato(1, 7, 120);
    P.CaricoRuota[40] = P.CaricoRuota[90] = 5000; // the first of two equal maxima counts
    Unita(SISTEMA_METRICO);
    EXPECT_EQ(ValoreRiassunto(1, 1, 2), "310.00");
    EXPECT_EQ(ValoreRiassunto(9, 1, 2), "1020.0");
    EXPECT_EQ(ValoreRiassunto(9, 1, 121), "");
    EXPECT_EQ(MassimoRigaRiassunto(9, 1).x + MassimoRigaRiassunto(9, 1).y, "X:40.00Y:5000.0");
    EXPECT_EQ(MassimoRigaRiassunto(0, 1).x, "X:120.00");
    EXPECT_EQ(SuggerimentoLimiti(1), "ALLOWED RANGE: (0; 120.00) mm");
    Unita(SISTEMA_IMPERIALE);
    EXPECT_EQ(ValoreRiassunto(1, 1, 2), "12.2047243");
    EXPECT_EQ(ValoreRiassunto(9, 1, 2), "229.31");
    EXPECT_EQ(MassimoRigaRiassunto(9, 1).x, "X:1.5748031");
    EXPECT_EQ(SuggerimentoLimiti(1), "ALLOWED RANGE: (0; 4.7244096) in");
}

// The room the window keeps for a row's value and maximum is that of a text at least as long
// as any a computed project shows, at every point and in both unit systems (the figures of
// the program's faces are all as wide).
TEST_F(Summary, TheRoomKeptForResultsTakesEveryValueShown) {
    Calcolato(1, 15, MAX_PUNTI);
    const auto lunghezza = [](const std::string& t) { return t.size(); };
    for (int16_t sistema : {SISTEMA_METRICO, SISTEMA_IMPERIALE}) {
        Unita(sistema);
        const size_t x = std::ranges::max(CampioniX(), {}, lunghezza).size();
        const size_t y = std::ranges::max(CampioniY(), {}, lunghezza).size();
        for (int k = 0; k < RIGHE_RIASSUNTO; ++k) {
            const MassimoRiassunto m = MassimoRigaRiassunto(k, 1);
            EXPECT_LE(m.x.size(), x) << m.x;
            EXPECT_LE(m.y.size(), y) << m.y;
            for (int i = 0; i <= MAX_PUNTI; i += 7) EXPECT_LE(ValoreRiassunto(k, 1, i).size(), y);
        }
    }
}

// A linkage worked by hand: swingarm pivot (0, 350), axle (300, -50), attachment (60, 270),
// radius 300; link 01 to (90, 310); rocker 02 with vertices (150, 310) and (90, 390); shock
// 03 from (150, 310) to (0, 510).
TEST_F(Summary, DimensionsOfAHandWorkedLinkage) {
    Progetto& P = Progetti[1];
    P.GeometriaInserita = VERO;
    P.UltimoElemento = 3;
    P.TipoElemento = {"F", "A", "S", "M"};
    P.DatiForcellone.P = {Punto{0, 350}, Punto{300, -50}, Punto{60, 270}};
    P.RaggioRuota = 300;
    P.DatiAsta[1].P = {Punto{60, 270}, Punto{90, 310}, Punto{}};
    P.DatiSquadretta[2].P = {Punto{90, 310}, Punto{150, 310}, Punto{90, 390}, Punto{}};
    P.DatiMolla[3].P = {Punto{150, 310}, Punto{0, 510}, Punto{}};
    const std::string asta = Riga(TestiInsGeo01, 2) + " 01 - ";
    const std::string squadretta = Riga(TestiInsGeo01, 3) + " 02 - ";
    const std::string molla = Riga(TestiInsGeo01, 15) + " 03 - ";
    const std::vector<std::pair<std::string, std::string>> attese = {
        {Riga(TestiTabelle, 3), "500.00"},
        {Riga(TestiTabelle, 4), "100.00"},
        {Riga(TestiTabelle, 5), "400.00"},
        {Riga(TestiTabelle, 6), "350.00"},
        {Riga(TestiTabelle, 7), "300.00"},
        {asta + Riga(TestiTabelle, 8), "50.00"},
        {squadretta + Riga(TestiTabelle, 9), "60.00"},
        {squadretta + Riga(TestiTabelle, 10), "80.00"},
        {squadretta + Riga(TestiTabelle, 11), "100.00"},
        {molla + Riga(TestiTabelle, 8), "250.00"},
        {molla + Riga(TestiTabelle, 12), "160.00"}};
    const auto righe = DimensioniSchema(1);
    ASSERT_EQ(righe.size(), attese.size());
    for (std::size_t k = 0; k < righe.size(); ++k) {
        EXPECT_EQ(righe[k].etichetta, attese[k].first);
        EXPECT_EQ(righe[k].valore, ": " + attese[k].second);
    }
    // Drawn label then value on one line, the next line lower.
    test::SuperficieRegistrata s(120, 90);
    DisegnaDimensioni(s, righe);
    ASSERT_EQ(s.testi.size(), 2 * righe.size());
    EXPECT_EQ(std::pair(s.testi[0].x, s.testi[1].y), std::pair(0.5, s.testi[0].y));
    EXPECT_GE(s.testi[1].x, 53.0);
    EXPECT_GT(s.testi[2].y, s.testi[1].y);
    P.GeometriaInserita = FALSO;
    EXPECT_TRUE(DimensioniSchema(1).empty());
}

} // namespace
