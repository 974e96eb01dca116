// Default data, the conversion between model millimetres and the editor's boxes in both unit
// systems, filling and storing panels, the change of units and the ground-line re-basing.
#include "EditorFinto.h"

#include "core/Formato.h"

using namespace kelvra;
using namespace kelvra::test;

namespace {

class Coordinate : public FixtureEditor {
  protected:
    EditorFinto ed;
    Progetto& P() { return Progetti[NumeroProgetti]; }
    std::string T(Casella c) { return ed.Testo(c); }
};

TEST_F(Coordinate, NuovaCatenaForcelloneDiDefault) {
    ed.NuovaCatena();
    AttesoPunto({550, 400}, P().DatiForcellone.P[0], 0);
    AttesoPunto({1020, 350}, P().DatiForcellone.P[1], 0);
    AttesoPunto({750, 450}, P().DatiForcellone.P[2], 0);
    EXPECT_FLOAT_EQ(P().RaggioRuota, 350.0f);
    // Shown from the pivot.
    EXPECT_EQ(T(Casella::ForcelloneX0), "0.00");
    EXPECT_EQ(T(Casella::ForcelloneY0), "0.00");
    EXPECT_EQ(T(Casella::ForcelloneX1), "470.00");
    EXPECT_EQ(T(Casella::ForcelloneY1), "-50.00");
    EXPECT_EQ(T(Casella::ForcelloneX2), "200.00");
    EXPECT_EQ(T(Casella::ForcelloneY2), "50.00");
    EXPECT_EQ(T(Casella::Raggio), "350.00");
    EXPECT_EQ(T(Casella::MaxEsc), "0.00");
    // The radius equals the axle height: the re-basing moved nothing.
    EXPECT_FLOAT_EQ(P().QuotaSuolo, 0.0f);
    AttesoPunto({1020, 350}, P().DatiForcellone.P[1], 0);
}

TEST_F(Coordinate, PuntoPrecedenteDiUnAstaDopoIlForcelloneDiDefault) {
    ed.NuovaCatena();
    ed.Aggiungi("A");
    ed.PuntoPrecedente(Casella::AstaPrecX, Casella::AstaPrecY);
    EXPECT_EQ(T(Casella::AstaPrecX), "200.00");
    EXPECT_EQ(T(Casella::AstaPrecY), "50.00");

    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    ed.PuntoPrecedente(Casella::AstaPrecX, Casella::AstaPrecY);
    EXPECT_EQ(T(Casella::AstaPrecX), "7.8740157");
    EXPECT_EQ(T(Casella::AstaPrecY), "1.9685039");
}

TEST_F(Coordinate, ScrivereERileggereUnPuntoDaLoStessoValore) {
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

TEST_F(Coordinate, TestoNonNumericoLeggeLOrigine) {
    OrigineX = 550;
    OrigineY = 400;
    EXPECT_FLOAT_EQ(LeggiX(""), 550.0f);
    EXPECT_FLOAT_EQ(LeggiX("abc"), 550.0f);
    EXPECT_FLOAT_EQ(LeggiY("12abc"), 412.0f);
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    EXPECT_FLOAT_EQ(LeggiX("1"), 575.4f);
}

TEST_F(Coordinate, UnPannelloScriveSoloNelloSlotDelSuoTipo) {
    ed.NuovaCatena();
    ed.Asta("250", "-100");
    const TrePunti molla = P().DatiMolla[1];
    ed.Scrivi(Casella::MollaPrecX, "1");
    ed.Scrivi(Casella::MollaX, "2");
    EXPECT_FALSE(MemorizzaElemento(ed, PANNELLO_MOLLA, NumeroProgetti, 1));
    EXPECT_FALSE(MemorizzaElemento(ed, PANNELLO_SQUADRETTA, NumeroProgetti, 1));
    AttesoPunto(molla.P[0], P().DatiMolla[1].P[0], 0);
    AttesoPunto(molla.P[1], P().DatiMolla[1].P[1], 0);
    // The link panel stores into its own slot; the swingarm always into slot 0.
    ed.Scrivi(Casella::AstaX, "300");
    EXPECT_TRUE(MemorizzaElemento(ed, PANNELLO_ASTA, NumeroProgetti, 1));
    EXPECT_FLOAT_EQ(P().DatiAsta[1].P[1].X, 850.0f);
    EXPECT_TRUE(MemorizzaElemento(ed, PANNELLO_FORCELLONE, NumeroProgetti, 1));
}

TEST_F(Coordinate, InitDatiMostraLUltimoElementoDiOgniTipo) {
    ed.NuovaCatena();
    ed.Asta("250", "-100");
    ed.Asta("350", "-150");
    P().MaxEscursioneRuota = 120;
    ed.testi = {};
    InitDati(ed);
    EXPECT_EQ(T(Casella::AstaPrecX), "250.00");
    EXPECT_EQ(T(Casella::AstaPrecY), "-100.00");
    EXPECT_EQ(T(Casella::AstaX), "350.00");
    EXPECT_EQ(T(Casella::AstaY), "-150.00");
    EXPECT_EQ(T(Casella::ForcelloneX1), "470.00");
    EXPECT_EQ(T(Casella::Raggio), "350.00");
    EXPECT_EQ(T(Casella::MaxEsc), "120.00");
    EXPECT_TRUE(DatiUndo.Salvato[PANNELLO_FORCELLONE]);
    EXPECT_TRUE(DatiUndo.Salvato[PANNELLO_ASTA]);
    EXPECT_FALSE(DatiUndo.Salvato[PANNELLO_SQUADRETTA]);
    EXPECT_EQ(DatiUndo.AstaX, "900.00");
}

// A chain F, A, S, A, M with a typed maximum travel.
class CambioUnita : public Coordinate {
  protected:
    void SetUp() override {
        Coordinate::SetUp();
        ed.NuovaCatena();
        ed.Scrivi(Casella::MaxEsc, "250");
        ed.Asta("250", "-100");
        ed.Squadretta("150", "-150", "210", "-200", VERO, FALSO);
    }
    void Cambia(int16_t sistema) {
        const float prima = FattoreUnita[UNITA_LUNGHEZZA];
        ImpostaUnitaMisura(sistema);
        SistemaUnita = sistema;
        ModoEdit = 0;
        CambioCoordinate(ed, prima);
    }
    static void Uguali(const Progetto& a, const Progetto& b) {
        for (int i = 0; i < 3; ++i)
            AttesoPunto(a.DatiForcellone.P[i], b.DatiForcellone.P[i], 1e-4f);
        for (int k = 1; k <= a.UltimoElemento; ++k) {
            for (int i = 0; i < 2; ++i) AttesoPunto(a.DatiAsta[k].P[i], b.DatiAsta[k].P[i], 1e-4f);
            for (int i = 0; i < 3; ++i) {
                AttesoPunto(a.DatiSquadretta[k].P[i], b.DatiSquadretta[k].P[i], 1e-4f);
            }
            for (int i = 0; i < 2; ++i)
                AttesoPunto(a.DatiMolla[k].P[i], b.DatiMolla[k].P[i], 1e-4f);
        }
        EXPECT_FLOAT_EQ(a.RaggioRuota, b.RaggioRuota);
        EXPECT_EQ(a.OpzioneFix, b.OpzioneFix);
        EXPECT_EQ(a.AmmortizzatoreFisso, b.AmmortizzatoreFisso);
    }
};

TEST_F(CambioUnita, CatenaSenzaAmmortizzatoreNonSiMuove) {
    ed.Asta("300", "-50");
    InitDati(ed); // the boxes as the program writes them
    const Progetto prima = P();
    const auto testi = ed.testi;
    Cambia(SISTEMA_IMPERIALE);
    Uguali(prima, P());
    EXPECT_EQ(T(Casella::AstaX), FormattaNumero(300 / 25.4, "###0.00#####"));
    // 350 times the 4-byte factor 0.03937008 shown with seven decimals.
    EXPECT_EQ(T(Casella::Raggio), "13.7795275");
    EXPECT_EQ(ed.ribasamenti, 1); // only the new chain's
    Cambia(SISTEMA_METRICO);
    Uguali(prima, P());
    for (Casella c :
         {Casella::ForcelloneX1, Casella::ForcelloneY2, Casella::AstaX, Casella::AstaY,
          Casella::SquadrettaX0, Casella::SquadrettaY1, Casella::Raggio, Casella::MaxEsc}) {
        EXPECT_EQ(ed.testi[static_cast<int>(c)], testi[static_cast<int>(c)]);
    }
}

TEST_F(CambioUnita, LaMassimaEscursioneResta) {
    ed.Molla("100", "200");
    ASSERT_FLOAT_EQ(P().MaxEscursioneRuota, 250.0f);
    ASSERT_EQ(ed.risoluzioni, 1);
    Cambia(SISTEMA_IMPERIALE);
    EXPECT_EQ(T(Casella::MaxEsc), "9.8425196"); // 250 x 0.03937008 (4-byte)
    // The shock was checked again, in the new unit, without a message.
    EXPECT_EQ(ed.risoluzioni, 2);
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_NEAR(P().MaxEscursioneRuota, 250.0f, 1e-3);
    Cambia(SISTEMA_METRICO);
    EXPECT_EQ(T(Casella::MaxEsc), "250.00");
    EXPECT_NEAR(P().MaxEscursioneRuota, 250.0f, 1e-3);
    EXPECT_EQ(P().GeometriaInserita, VERO);
}

TEST_F(CambioUnita, UnaFinestraDiZoomNonSposta) {
    ed.Molla("100", "200");
    const Progetto prima = P();
    ZoomUtente = VERO;
    FinestraX1 = 321.5f;
    FinestraY1 = -87.25f;
    ed.Ridisegna();
    Cambia(SISTEMA_IMPERIALE);
    Uguali(prima, P());
    Cambia(SISTEMA_METRICO);
    Uguali(prima, P());
}

// Ground-line re-basing on a change of the radius text.
class Ribasamento : public Coordinate {
  protected:
    void SetUp() override {
        Coordinate::SetUp();
        ed.NuovaCatena();
        ed.Asta("250", "-100"); // (800, 300)
        ed.Molla("100", "200"); // from (800, 300) to (650, 600)
    }
};

TEST_F(Ribasamento, UnRaggioMinoreAbbassaTuttaLaCatena) {
    ed.Scrivi(Casella::Raggio, "300");
    EXPECT_FLOAT_EQ(P().QuotaSuolo, 50.0f);
    EXPECT_FLOAT_EQ(P().RaggioRuota, 300.0f);
    AttesoPunto({550, 350}, P().DatiForcellone.P[0]);
    AttesoPunto({1020, 300}, P().DatiForcellone.P[1]);
    AttesoPunto({750, 400}, P().DatiForcellone.P[2]);
    AttesoPunto({750, 400}, P().DatiAsta[1].P[0]);
    AttesoPunto({800, 250}, P().DatiAsta[1].P[1]);
    AttesoPunto({800, 250}, P().DatiMolla[2].P[0]);
    AttesoPunto({650, 550}, P().DatiMolla[2].P[1]);
    EXPECT_EQ(ModoEdit, 0);
}

TEST_F(Ribasamento, CarattereDopoCarattereStessaPosizioneFinale) {
    for (const char* t : {"3", "30", "300"}) ed.Scrivi(Casella::Raggio, t);
    AttesoPunto({1020, 300}, P().DatiForcellone.P[1]);
    AttesoPunto({650, 550}, P().DatiMolla[2].P[1]);
    // The last step moved the chain from axle height 30 to 300.
    EXPECT_FLOAT_EQ(P().QuotaSuolo, -270.0f);
}

TEST_F(Ribasamento, RaggioVuotoPortaLAsseASuolo) {
    ed.Scrivi(Casella::Raggio, "");
    EXPECT_FLOAT_EQ(P().QuotaSuolo, 350.0f);
    AttesoPunto({1020, 0}, P().DatiForcellone.P[1]);
    AttesoPunto({800, -50}, P().DatiAsta[1].P[1]);
}

TEST_F(Ribasamento, InPolliciLoStessoSpostamento) {
    const float f = 1.0f / 25.4f;
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    CambioCoordinate(ed, 1.0f);
    ed.Scrivi(Casella::Raggio, FormattaNumero(300 * static_cast<double>(f), "###0.00#####"));
    EXPECT_NEAR(P().QuotaSuolo, 50.0f, 1e-3);
    AttesoPunto({650, 550}, P().DatiMolla[2].P[1], 1e-3f);
    AttesoPunto({1020, 300}, P().DatiForcellone.P[1], 1e-3f);
}

} // namespace
