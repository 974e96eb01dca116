// Default data, model millimetres to and from the boxes in both units, filling the panels,
// and the ground-line re-basing.
#include "EditorFinto.h"

#include "core/Formato.h"

using namespace kelvra;
using namespace kelvra::test;

namespace {

class Coordinates : public FixtureCatena {
  protected:
    std::string T(Casella c) { return ed.Testo(c); }
};

TEST_F(Coordinates, DefaultSwingarmAndThePreviousPointOfALink) {
    const auto& f = P().DatiForcellone.P;
    AttesiPunti({{550, 400}, {1020, 350}, {750, 450}}, {f[0], f[1], f[2]}, 0);
    EXPECT_FLOAT_EQ(P().RaggioRuota, 350.0f);
    // Shown from the pivot; the radius equals the axle height, so the re-basing moved nothing.
    EXPECT_EQ(T(Casella::ForcelloneX0) + " " + T(Casella::ForcelloneY2) + " " + T(Casella::MaxEsc),
              "0.00 50.00 0.00");
    EXPECT_FLOAT_EQ(P().QuotaSuolo, 0.0f);

    ed.Aggiungi("A");
    ed.PuntoPrecedente(Casella::AstaPrecX, Casella::AstaPrecY);
    EXPECT_EQ(T(Casella::AstaPrecX) + " " + T(Casella::AstaPrecY), "200.00 50.00");
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    ed.PuntoPrecedente(Casella::AstaPrecX, Casella::AstaPrecY);
    EXPECT_EQ(T(Casella::AstaPrecX) + " " + T(Casella::AstaPrecY), "7.8740157 1.9685039");
}

TEST_F(Coordinates, WritingAndReadingBackAPointGivesTheSameValue) {
    const Punto punti[] = {
        {550, 400}, {0, 0}, {-123.456f, 987.654f}, {1020.125f, 0.001f}, {1599.99f, -777.7f}};
    for (int16_t sistema : {SISTEMA_METRICO, SISTEMA_IMPERIALE}) {
        ImpostaUnitaMisura(sistema);
        for (float angolo : {0.0f, 133.3f}) {
            OrigineX = 550 - angolo;
            OrigineY = 400 + angolo;
            FinestraX1 = angolo;
            FinestraY1 = -angolo / 2;
            for (const Punto& p : punti) {
                SCOPED_TRACE(std::to_string(sistema) + " " + std::to_string(p.X));
                EXPECT_NEAR(LeggiX(MostraX(p.X)), p.X, std::abs(p.X) * 2e-7f + 1e-4f);
                EXPECT_NEAR(LeggiY(MostraY(p.Y)), p.Y, std::abs(p.Y) * 2e-7f + 1e-4f);
            }
        }
    }
    EXPECT_FLOAT_EQ(LeggiLunghezza(MostraLunghezza(350)), 350.0f);
}

TEST_F(Coordinates, NonNumericTextReadsTheOrigin) {
    OrigineX = 550;
    OrigineY = 400;
    AttesiValori({550, 550, 412}, {LeggiX(""), LeggiX("abc"), LeggiY("12abc")}, 1e-4);
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    EXPECT_FLOAT_EQ(LeggiX("1"), 575.4f);
}

TEST_F(Coordinates, InitDatiShowsTheLastElementOfEachKind) {
    ed.Asta("250", "-100");
    ed.Asta("350", "-150");
    ed.testi = {};
    InitDati(ed);
    std::string testi;
    for (Casella c : {Casella::AstaPrecX, Casella::AstaPrecY, Casella::AstaX, Casella::ForcelloneX1,
                      Casella::Raggio})
        testi += T(c) + " ";
    EXPECT_EQ(testi, "250.00 -100.00 350.00 470.00 350.00 ");
    EXPECT_FALSE(DatiUndo.Salvato[PANNELLO_SQUADRETTA]);
}

// Ground-line re-basing: the radius text runs it at every change, so each typed character
// moves the chain from the axle height of the text before.
TEST_F(Coordinates, TheRadiusRebasesTheChain) {
    const struct {
        int16_t sistema;
        std::vector<std::string> testi;
        float quota, asse, attacco; // ground level, axle and shock mount heights after
    } casi[] = {
        {SISTEMA_METRICO, {"300"}, 50, 300, 550},
        {SISTEMA_METRICO, {"3", "30", "300"}, -270, 300, 550},
        {SISTEMA_METRICO, {""}, 350, 0, 250},
        {SISTEMA_IMPERIALE, {FormattaNumero(300 / 25.4, "###0.00#####")}, 50, 300, 550},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.testi.back());
        ImpostaUnitaMisura(SISTEMA_METRICO);
        ed.NuovaCatena();
        ed.Asta("250", "-100"); // (800, 300)
        ed.Molla("100", "200"); // from (800, 300) to (650, 600)
        ImpostaUnitaMisura(c.sistema);
        CambioCoordinate(ed, 1.0f);
        for (const std::string& t : c.testi) ed.Scrivi(Casella::Raggio, t);
        const float basso = c.asse - 50; // 300 - 350: the link end, the shock's start
        AttesiValori({c.quota, c.asse, c.asse + 50, basso, basso, c.attacco},
                     {P().QuotaSuolo, P().DatiForcellone.P[1].Y, P().DatiForcellone.P[0].Y,
                      P().DatiAsta[1].P[1].Y, P().DatiMolla[2].P[0].Y, P().DatiMolla[2].P[1].Y},
                     1e-3);
        EXPECT_FLOAT_EQ(P().DatiMolla[2].P[1].X, 650);
        EXPECT_EQ(ModoEdit, 0);
    }
}

} // namespace
