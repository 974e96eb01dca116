// The chain grammar, the junctions and solver inputs the chain check writes, the maximum
// travel, the removal of the last element. Typed relative to the pivot (550, 400).
#include "EditorFinto.h"

#include "core/Servizi.h"

#include <cmath>

using namespace kelvra;
using namespace kelvra::test;

namespace {

using S = StatoPulsante;
constexpr S SI = S::Abilitato, NO = S::Disabilitato, INV = S::Invariato;

TEST_F(FixtureEditor, TheGrammarAfterEveryKindInEverySlot) {
    const struct {
        std::vector<int16_t> slot;
        const char* lettera;
        S asta, squadretta, molla;
    } casi[] = {
        {{0}, "F", SI, SI, SI},
        {{2, 4}, "A", SI, SI, SI},
        {{2, 4}, "S", SI, SI, SI},
        // An odd slot: a link does not close, a rocker takes only a link.
        {{1, 3, 5}, "A", SI, SI, NO},
        {{1, 3, 5}, "S", SI, NO, NO},
        {{1, 3, 5}, "M", INV, INV, INV},
        {{1, 3, 5}, "", INV, INV, INV},
        // After slot 6 only the shock; past it (a chain read from a file) nothing at all, so
        // no entry ever goes past slot 10.
        {{6}, "A", NO, NO, SI},
        {{6}, "S", NO, NO, SI},
        {{7, 8, 9, 10}, "A", NO, NO, NO},
    };
    for (const auto& c : casi) {
        for (int16_t s : c.slot) {
            Progetti[NumeroProgetti].TipoElemento[s] = c.lettera;
            const Pulsantiera r = AttivaPulsantiera(s);
            EXPECT_EQ((std::array{r.Asta, r.Squadretta, r.Molla}),
                      (std::array{c.asta, c.squadretta, c.molla}))
                << c.lettera << " in slot " << s;
        }
    }
    const int16_t giunzioni[] = {0, 1, 1, 2, 2, 3, 3, 4, 4};
    for (int16_t s = 1; s <= 8; ++s) EXPECT_EQ(GiunzioneDelloSlot(s), giunzioni[s]) << s;
}

// Chains typed into the editor's panels and checked.
class Joints : public FixtureCatena {
  protected:
    Punto Fisso(int k) { return P().PuntiFissi[k]; }
    Punto G(int tipo, int k) { return P().PuntiGiunzione[tipo][k][0]; }
    void SetUp() override {
        FixtureCatena::SetUp();
        ed.Scrivi(Casella::MaxEsc, "100");
    }
    bool Lettere(const std::vector<std::string>& lettere) {
        for (size_t k = 0; k < lettere.size(); ++k) P().TipoElemento[k] = lettere[k];
        P().UltimoElemento = static_cast<int16_t>(lettere.size() - 1);
        return kelvra::ControlloVariabili("100");
    }
};

TEST_F(Joints, LinkThenRockerTheChainGoesOnFromTheFreeVertex) {
    // Link to (800, 300), rocker vertices (700, 250) and (760, 200), pinned at one of them.
    const struct {
        int16_t fix0, fix1;
        Punto fisso, libero;
    } casi[] = {{VERO, FALSO, {700, 250}, {760, 200}}, {FALSO, VERO, {760, 200}, {700, 250}}};
    for (const auto& c : casi) {
        ed.NuovaCatena();
        ed.Asta("250", "-100");
        ed.Squadretta("150", "-150", "210", "-200", c.fix0, c.fix1);
        ed.Molla("100", "200"); // other mount (650, 600)
        ASSERT_TRUE(dialoghi.mostrati.empty());
        EXPECT_EQ(P().NumeroGiunzioniProgetto, 1);
        EXPECT_EQ(P().TipoGiunzione[1], "ASTA_TRIANG");
        AttesiPunti({{550, 400},
                     {1020, 350},
                     {750, 450},
                     {800, 300},
                     c.fisso,
                     c.libero,
                     c.libero,
                     {650, 600}},
                    {Fisso(1), P().PosizioneRuota[0], G(2, 1), G(3, 1), Fisso(2), G(4, 1),
                     P().DatiMolla[3].P[0], P().AttaccoAmmortizzatore[0]});
        EXPECT_EQ(AmmortizzatoreSuForcellone, FALSO);
        EXPECT_EQ(P().GeometriaInserita, VERO);
        EXPECT_EQ(P().StatoDatiProgetto, 1);
    }
}

TEST_F(Joints, VerticesWithTheSameXDoNotSwapThePivotWithTheFreeVertex) {
    // Vertex 2 (pinned) at (700, 250) and vertex 3 at (700, 200) share their x.
    ed.Asta("250", "-100");
    ed.Squadretta("150", "-150", "150", "-200", VERO, FALSO);
    ed.Molla("100", "200");
    AttesiPunti({{700, 250}, {700, 200}}, {Fisso(2), G(4, 1)});
    ASSERT_GE(P().NumPunti, 10);
    // The far vertex turns about the frame pivot, 50 mm from it, and moves the shock.
    for (int i = 0; i <= P().NumPunti; ++i)
        EXPECT_NEAR(Distanza(Punto{700, 250}, P().PuntiGiunzione[4][1][i]), 50.0, 1e-2) << i;
    EXPECT_GT(std::abs(P().LunghezzaAmmortizzatore[10] - P().LunghezzaAmmortizzatore[0]), 0.1);
}

TEST_F(Joints, RockerThenLink) {
    // A rocker in slot 1 has both options clear: the chain goes on from both free vertices.
    ed.Squadretta("250", "-100", "300", "0", FALSO, FALSO); // v2 (800, 300), v3 (850, 400)
    ed.Asta("350", "-200");                                 // from v2 to the frame (900, 200)
    ed.Molla("0", "250");                                   // from v3 to (550, 650)
    EXPECT_EQ(P().TipoGiunzione[1], "TRIANG_ASTA");
    AttesiPunti({{800, 300}, {850, 400}, {900, 200}, {850, 400}, {550, 650}},
                {G(3, 1), G(4, 1), Fisso(2), P().DatiMolla[3].P[0], P().AttaccoAmmortizzatore[0]});
}

TEST_F(Joints, TwoLinksTheNodeAndTheFarVertex) {
    ed.Asta("250", "-100"); // node (800, 300)
    ed.Asta("350", "-150"); // pinned at (900, 250)
    ed.Molla("300", "20", 1);
    EXPECT_EQ(P().TipoGiunzione[1], "ASTA_ASTA");
    AttesiPunti({{800, 300}, {800, 300}, {900, 250}}, {G(3, 1), G(4, 1), Fisso(2)});
    // The shock's other mount rides on the swingarm.
    EXPECT_EQ(P().AmmortizzatoreFisso, 1);
    EXPECT_EQ(AmmortizzatoreSuForcellone, VERO);
    EXPECT_GE(P().NumPunti, 20);
}

TEST_F(Joints, DirectShockAbsorberFromTheSwingarm) {
    P().TipoGiunzione[1] = "VECCHIO";
    ed.Molla("0", "250");
    EXPECT_EQ(P().NumeroGiunzioniProgetto, 1);
    EXPECT_EQ(P().TipoGiunzione[1], "VECCHIO");
    EXPECT_EQ(NumeroElementiCatena, 2);
    AttesiPunti({{750, 450}, {550, 650}}, {G(2, 1), P().AttaccoAmmortizzatore[0]});
    EXPECT_NEAR(P().LunghezzaAmmortizzatore[0], std::hypot(200.0, 200.0), 1e-3);
    EXPECT_EQ(P().AmmortizzatoreFisso, 0);
}

TEST_F(Joints, TheSecondJointStartsFromTheNodeOfTheFirst) {
    ed.Asta("250", "-100");                                   // node (800, 300)
    ed.Asta("350", "-150");                                   // pinned (900, 250)
    ed.Asta("200", "-250");                                   // from the node to (750, 150)
    ed.Squadretta("100", "-200", "150", "-300", VERO, FALSO); // (650, 200) pinned, (700, 100)
    ed.Molla("0", "250");
    EXPECT_EQ(P().NumeroGiunzioniProgetto, 2);
    EXPECT_EQ(P().TipoGiunzione[2], "ASTA_TRIANG");
    AttesiPunti({{800, 300}, {750, 150}, {650, 200}, {700, 100}},
                {G(2, 2), G(3, 2), Fisso(3), G(4, 2)});
    EXPECT_EQ(NumeroElementiCatena, 6);
    EXPECT_EQ(NumeroGiunzioni, 2);
}

TEST_F(Joints, OnlyAValidChainGoesToTheSolver) {
    const struct {
        std::vector<std::string> lettere;
        bool legale;
        std::vector<std::string> tipi;
    } casi[] = {
        {{"F", "A", "S", "S", "A", "A", "S", "M"},
         true,
         {"ASTA_TRIANG", "TRIANG_ASTA", "ASTA_TRIANG"}},
        {{"F", "A", "A", "A", "A", "A", "A", "M"}, true, {"ASTA_ASTA", "ASTA_ASTA", "ASTA_ASTA"}},
        {{"F", "S", "S", "M"}, false, {}},
        {{"F", "A", "M", "M"}, false, {}},
        {{"F", "A", "M"}, false, {}},                                    // shock in an even slot
        {{"A", "M"}, false, {}},                                         // no swingarm
        {{"F", "A", "A", "A", "A", "A", "A", "A", "A", "M"}, false, {}}, // fourth junction
        {{"F", "A", "S"}, false, {}},                                    // no shock
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.lettere.size());
        P().GeometriaInserita = FALSO;
        EXPECT_EQ(Lettere(c.lettere), c.legale);
        EXPECT_EQ(P().GeometriaInserita, c.legale ? VERO : FALSO);
        if (!c.legale) continue;
        ASSERT_EQ(P().NumeroGiunzioniProgetto, static_cast<int16_t>(c.tipi.size()));
        for (size_t k = 0; k < c.tipi.size(); ++k) EXPECT_EQ(P().TipoGiunzione[k + 1], c.tipi[k]);
    }
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Joints, TheKindTellsWhetherThereIsAShockAbsorberNotTheCoordinates) {
    // A link whose shock record holds values is incomplete; a shock at (0, 0) is still one.
    ed.Asta("250", "-100");
    P().DatiMolla[1].P[0] = {10, 10};
    P().DatiMolla[1].P[1] = {20, 20};
    EXPECT_FALSE(CatenaCompleta(NumeroProgetti));
    EXPECT_FALSE(kelvra::ControlloVariabili("100"));
    AttesoPunto({0, 0}, Fisso(1)); // nothing written
    ed.Aggiungi("M");
    P().DatiMolla[2] = TrePunti{};
    EXPECT_TRUE(CatenaCompleta(NumeroProgetti));
}

TEST_F(Joints, RemovingTheShockAbsorberMarksTheGeometryNotEntered) {
    ed.Asta("250", "-100");
    ed.Asta("350", "-150");
    P().MollaInserita = VERO;
    ed.Molla("0", "250");
    ASSERT_EQ(P().StatoDatiProgetto, 3);
    EXPECT_EQ(RimuoviUltimoElemento(), 2);
    EXPECT_EQ(P().TipoElemento[3], "");
    EXPECT_EQ(P().GeometriaInserita, FALSO);
    EXPECT_EQ(P().StatoDatiProgetto, 2);
    EXPECT_EQ(RimuoviUltimoElemento(), 1);
    EXPECT_EQ(RimuoviUltimoElemento(), 0);
    EXPECT_EQ(RimuoviUltimoElemento(), 0);
    EXPECT_EQ(P().TipoElemento[0], "F");
}

TEST_F(Joints, MaxTravelTheLimitsInMillimetresAndInInches) {
    ed.Aggiungi("M"); // a shock straight on the swingarm
    P().DatiMolla[1].P[1] = {550, 650};
    // In inches the limit is 1000 mm as the editor shows it.
    const struct {
        int16_t sistema;
        const char* testo;
        bool accettato;
        float mm;
    } casi[] = {
        {SISTEMA_METRICO, "0", true, 0},         {SISTEMA_METRICO, "1000", true, 1000},
        {SISTEMA_METRICO, "", true, 0},          {SISTEMA_METRICO, "abc", true, 0},
        {SISTEMA_METRICO, "250.5", true, 250.5}, {SISTEMA_METRICO, "1000.01", false, 250.5},
        {SISTEMA_METRICO, "-1", false, 250.5},   {SISTEMA_IMPERIALE, "39.3700786", true, 1000},
        {SISTEMA_IMPERIALE, "1", true, 25.4},    {SISTEMA_IMPERIALE, "40", false, 25.4},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.testo);
        ImpostaUnitaMisura(c.sistema);
        P().GeometriaInserita = P().ModificatoFile[MOD_SCHEMA] = FALSO;
        P().PuntiFissi[1] = {};
        EXPECT_EQ(kelvra::ControlloVariabili(c.testo), c.accettato);
        // A refused travel changes neither the state nor the unsaved flag.
        EXPECT_EQ(P().GeometriaInserita, c.accettato ? VERO : FALSO);
        EXPECT_EQ(P().ModificatoFile[MOD_SCHEMA], c.accettato ? VERO : FALSO);
        EXPECT_NEAR(P().MaxEscursioneRuota, c.mm, 1e-3);
        // The solver inputs are written all the same.
        AttesoPunto({550, 400}, Fisso(1));
    }
    EXPECT_EQ(MostraLunghezza(1000), "39.3700786");
    ASSERT_EQ(dialoghi.mostrati.size(), 3u);
    EXPECT_EQ(dialoghi.mostrati[0].testo,
              "The value of MAXIMUM WHEEL TRAVEL is outside the allowed range.");
    EXPECT_EQ(dialoghi.mostrati[0].stile, vbOKOnly);
}

TEST_F(Joints, MaxTravelProjectCheckedFlagAndUnsavedChanges) {
    ed.Aggiungi("M");
    P().DatiMolla[1].P[1] = {550, 650};
    // Two projects held, the selected one is the first: only the checked one is marked.
    NumeroProgetti = 2;
    ProgettoSelezionato = 1;
    Progetti[2] = Progetti[1];
    Progetti[2].MollaInserita = VERO;
    EXPECT_TRUE(kelvra::ControlloVariabili("100"));
    EXPECT_EQ(Progetti[2].GeometriaInserita, VERO);
    EXPECT_EQ(Progetti[1].GeometriaInserita, FALSO);
    EXPECT_EQ(Progetti[2].StatoDatiProgetto, 3);
    EXPECT_EQ(Progetti[2].ModificatoFile[MOD_SCHEMA], VERO);
    EXPECT_EQ(Progetti[2].ModificatoFile[MOD_PROGETTO], VERO);
    EXPECT_EQ(Progetti[1].ModificatoFile[MOD_PROGETTO], FALSO);
}

TEST(Maiuscolo, LettersOfTheCodePage) {
    EXPECT_EQ(Maiuscolo("Massima escursione [mm] \xE8\xF6\xF7\x9A"),
              "MASSIMA ESCURSIONE [MM] \xC8\xD6\xF7\x8A");
}

} // namespace
