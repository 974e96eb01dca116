// Default data, the conversion between model millimetres and the editor's boxes in both unit
// systems, filling and storing panels, and the ground-line re-basing. The change of units is
// driven on the real window (test_insgeo01).
#include "EditorFinto.h"

#include "core/Formato.h"

using namespace kelvra;
using namespace kelvra::test;

namespace {

class Coordinates : public FixtureEditor {
  protected:
    EditorFinto ed;
    Progetto& P() { return Progetti[NumeroProgetti]; }
    std::string T(Casella c) { return ed.Testo(c); }
};

TEST_F(Coordinates, DefaultSwingarmAndThePreviousPointOfALink) {
    ed.NuovaCatena();
    AttesoPunto({550, 400}, P().DatiForcellone.P[0], 0);
    AttesoPunto({1020, 350}, P().DatiForcellone.P[1], 0);
    AttesoPunto({750, 450}, P().DatiForcellone.P[2], 0);
    EXPECT_FLOAT_EQ(P().RaggioRuota, 350.0f);
    // Shown from the pivot; the radius equals the axle height, so the re-basing moved nothing.
    EXPECT_EQ(T(Casella::ForcelloneX0), "0.00");
    EXPECT_EQ(T(Casella::ForcelloneY2), "50.00");
    EXPECT_EQ(T(Casella::MaxEsc), "0.00");
    EXPECT_FLOAT_EQ(P().QuotaSuolo, 0.0f);

    ed.Aggiungi("A");
    ed.PuntoPrecedente(Casella::AstaPrecX, Casella::AstaPrecY);
    EXPECT_EQ(T(Casella::AstaPrecX), "200.00");
    EXPECT_EQ(T(Casella::AstaPrecY), "50.00");
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    ed.PuntoPrecedente(Casella::AstaPrecX, Casella::AstaPrecY);
    EXPECT_EQ(T(Casella::AstaPrecX), "7.8740157");
    EXPECT_EQ(T(Casella::AstaPrecY), "1.9685039");
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
    EXPECT_FLOAT_EQ(LeggiX(""), 550.0f);
    EXPECT_FLOAT_EQ(LeggiX("abc"), 550.0f);
    EXPECT_FLOAT_EQ(LeggiY("12abc"), 412.0f);
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    EXPECT_FLOAT_EQ(LeggiX("1"), 575.4f);
}

TEST_F(Coordinates, InitDatiShowsTheLastElementOfEachKind) {
    ed.NuovaCatena();
    ed.Asta("250", "-100");
    ed.Asta("350", "-150");
    P().MaxEscursioneRuota = 120;
    ed.testi = {};
    InitDati(ed);
    EXPECT_EQ(T(Casella::AstaPrecX), "250.00");
    EXPECT_EQ(T(Casella::AstaPrecY), "-100.00");
    EXPECT_EQ(T(Casella::AstaX), "350.00");
    EXPECT_EQ(T(Casella::ForcelloneX1), "470.00");
    EXPECT_EQ(T(Casella::Raggio), "350.00");
    EXPECT_EQ(T(Casella::MaxEsc), "120.00");
    EXPECT_TRUE(DatiUndo.Salvato[PANNELLO_ASTA]);
    EXPECT_FALSE(DatiUndo.Salvato[PANNELLO_SQUADRETTA]);
    EXPECT_EQ(DatiUndo.AstaX, "900.00");
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
        EXPECT_NEAR(P().QuotaSuolo, c.quota, 1e-3);
        EXPECT_NEAR(P().DatiForcellone.P[1].Y, c.asse, 1e-3);
        EXPECT_NEAR(P().DatiForcellone.P[0].Y, 400 - 350 + c.asse, 1e-3);
        EXPECT_NEAR(P().DatiAsta[1].P[1].Y, 300 - 350 + c.asse, 1e-3);
        EXPECT_NEAR(P().DatiMolla[2].P[0].Y, 300 - 350 + c.asse, 1e-3);
        EXPECT_NEAR(P().DatiMolla[2].P[1].Y, c.attacco, 1e-3);
        EXPECT_FLOAT_EQ(P().DatiMolla[2].P[1].X, 650);
        EXPECT_EQ(ModoEdit, 0);
    }
}

} // namespace
