// The chain grammar, the junction types and solver inputs written by the chain check, the
// maximum-travel check with its message, and the removal of the last element. Chains are
// entered through the editor's own store and drawing (see EditorFinto.h), with coordinates
// typed relative to the default swingarm's pivot (550, 400).
#include "EditorFinto.h"

#include "core/Servizi.h"

#include <cmath>

using namespace kelvra;
using namespace kelvra::test;

namespace {

using S = StatoPulsante;

void AttesaPulsantiera(const Pulsantiera& reale, S asta, S squadretta, S molla) {
    EXPECT_EQ(reale.Asta, asta);
    EXPECT_EQ(reale.Squadretta, squadretta);
    EXPECT_EQ(reale.Molla, molla);
}

class Grammatica : public FixtureEditor {
  protected:
    void Tipo(int16_t s, const std::string& lettera) {
        Progetti[NumeroProgetti].TipoElemento[s] = lettera;
    }
};

TEST_F(Grammatica, DopoIlForcelloneEUnoSlotPariTuttoPuoSeguire) {
    Tipo(0, "F");
    AttesaPulsantiera(AttivaPulsantiera(0), S::Abilitato, S::Abilitato, S::Abilitato);
    for (const char* lettera : {"A", "S"}) {
        for (int16_t s : {2, 4}) {
            Tipo(s, lettera);
            SCOPED_TRACE(std::string(lettera) + " in slot " + std::to_string(s));
            AttesaPulsantiera(AttivaPulsantiera(s), S::Abilitato, S::Abilitato, S::Abilitato);
        }
    }
}

TEST_F(Grammatica, InUnoSlotDispariLAstaNonChiudeESquadrettaAmmetteSoloUnAsta) {
    for (int16_t s : {1, 3, 5}) {
        SCOPED_TRACE("slot " + std::to_string(s));
        Tipo(s, "A");
        AttesaPulsantiera(AttivaPulsantiera(s), S::Abilitato, S::Abilitato, S::Disabilitato);
        Tipo(s, "S");
        AttesaPulsantiera(AttivaPulsantiera(s), S::Abilitato, S::Disabilitato, S::Disabilitato);
        // The shock absorber (or any other letter) in an odd slot changes nothing.
        Tipo(s, "M");
        AttesaPulsantiera(AttivaPulsantiera(s), S::Invariato, S::Invariato, S::Invariato);
        Tipo(s, "");
        AttesaPulsantiera(AttivaPulsantiera(s), S::Invariato, S::Invariato, S::Invariato);
    }
}

TEST_F(Grammatica, DopoLoSlotSeiSoloLAmmortizzatoreEPoiNulla) {
    for (const char* lettera : {"A", "S"}) {
        Tipo(6, lettera);
        AttesaPulsantiera(AttivaPulsantiera(6), S::Disabilitato, S::Disabilitato, S::Abilitato);
    }
    // Only a chain read from a file reaches these: nothing may be added, so no entry ever
    // passes slot 10.
    for (int16_t s = 7; s <= 10; ++s) {
        Tipo(s, "A");
        SCOPED_TRACE("slot " + std::to_string(s));
        AttesaPulsantiera(AttivaPulsantiera(s), S::Disabilitato, S::Disabilitato, S::Disabilitato);
    }
}

TEST_F(Grammatica, SlotEGiunzione) {
    const int16_t attese[] = {0, 1, 1, 2, 2, 3, 3, 4, 4};
    for (int16_t s = 1; s <= 8; ++s) EXPECT_EQ(GiunzioneDelloSlot(s), attese[s]) << s;
}

// Chains typed into the editor's panels and checked.
class Giunzioni : public FixtureEditor {
  protected:
    EditorFinto ed;
    Progetto& P() { return Progetti[NumeroProgetti]; }
    Punto Fisso(int k) { return P().PuntiFissi[k]; }
    Punto G(int tipo, int k) { return P().PuntiGiunzione[tipo][k][0]; }
    void SetUp() override {
        FixtureEditor::SetUp();
        ed.NuovaCatena();
        ed.Scrivi(Casella::MaxEsc, "100");
    }
};

TEST_F(Giunzioni, AstaPoiSquadrettaFissataAlVertice2) {
    ed.Asta("250", "-100");                                   // (800, 300)
    ed.Squadretta("150", "-150", "210", "-200", VERO, FALSO); // (700, 250) fixed, (760, 200)
    ed.Molla("100", "200");                                   // other mount (650, 600)
    ASSERT_EQ(dialoghi.mostrati.size(), 0u);
    EXPECT_EQ(P().NumeroGiunzioniProgetto, 1);
    EXPECT_EQ(P().TipoGiunzione[1], "ASTA_TRIANG");
    AttesoPunto({550, 400}, Fisso(1));
    AttesoPunto({1020, 350}, P().PosizioneRuota[0]);
    AttesoPunto({750, 450}, G(2, 1));
    AttesoPunto({800, 300}, G(3, 1));
    AttesoPunto({760, 200}, G(4, 1));
    AttesoPunto({700, 250}, Fisso(2));
    AttesoPunto({650, 600}, P().AttaccoAmmortizzatore[0]);
    // The shock starts at the rocker's free vertex.
    AttesoPunto({760, 200}, P().DatiMolla[3].P[0]);
    EXPECT_EQ(NumeroElementiCatena, 4);
    EXPECT_EQ(NumeroGiunzioni, 1);
    EXPECT_EQ(AmmortizzatoreSuForcellone, FALSO);
    EXPECT_EQ(P().GeometriaInserita, VERO);
    EXPECT_EQ(P().StatoDatiProgetto, 1);
}

TEST_F(Giunzioni, SquadrettaFissataAlVertice3ProsegueDalVertice2) {
    ed.Asta("250", "-100");
    ed.Squadretta("150", "-150", "210", "-200", FALSO, VERO);
    ed.Molla("100", "200");
    AttesoPunto({760, 200}, Fisso(2));
    AttesoPunto({700, 250}, G(4, 1));
    AttesoPunto({700, 250}, P().DatiMolla[3].P[0]);
}

TEST_F(Giunzioni, VerticiConLaStessaXNonScambianoIlPernoColVerticeLibero) {
    // Vertex 2 (pinned) at (700, 250) and vertex 3 at (700, 200) share their x.
    ed.Asta("250", "-100");
    ed.Squadretta("150", "-150", "150", "-200", VERO, FALSO);
    ed.Molla("100", "200");
    AttesoPunto({700, 250}, Fisso(2));
    AttesoPunto({700, 200}, G(4, 1));
    CalcolaCinematica();
    ASSERT_GE(P().NumPunti, 10);
    // The far vertex turns about the frame pivot, 50 mm from it, and moves the shock.
    for (int i = 0; i <= P().NumPunti; ++i) {
        EXPECT_NEAR(Distanza(Punto{700, 250}, P().PuntiGiunzione[4][1][i]), 50.0, 1e-2) << i;
    }
    EXPECT_GT(std::abs(P().LunghezzaAmmortizzatore[10] - P().LunghezzaAmmortizzatore[0]), 0.1);
}

TEST_F(Giunzioni, SquadrettaPoiAsta) {
    // A rocker in slot 1 has both options clear: the chain goes on from both free vertices.
    ed.Squadretta("250", "-100", "300", "0", FALSO, FALSO); // v2 (800, 300), v3 (850, 400)
    ed.Asta("350", "-200");                                 // from v2 to the frame (900, 200)
    ed.Molla("0", "250");                                   // from v3 to (550, 650)
    EXPECT_EQ(P().TipoGiunzione[1], "TRIANG_ASTA");
    AttesoPunto({750, 450}, G(2, 1));
    AttesoPunto({800, 300}, G(3, 1));
    AttesoPunto({850, 400}, G(4, 1));
    AttesoPunto({900, 200}, Fisso(2));
    AttesoPunto({850, 400}, P().DatiMolla[3].P[0]);
    AttesoPunto({550, 650}, P().AttaccoAmmortizzatore[0]);
}

TEST_F(Giunzioni, DueAsteIlVerticeLontanoEIlNodoEIlSolutoreRispettaLeLunghezze) {
    ed.Asta("250", "-100"); // node (800, 300)
    ed.Asta("350", "-150"); // pinned at (900, 250)
    ed.Molla("0", "250");   // from the node to (550, 650)
    EXPECT_EQ(P().TipoGiunzione[1], "ASTA_ASTA");
    AttesoPunto({800, 300}, G(3, 1));
    AttesoPunto({800, 300}, G(4, 1));
    AttesoPunto({900, 250}, Fisso(2));
    // The solver ran on these inputs: the rest length of the shock is |(800,300)-(550,650)|.
    EXPECT_NEAR(P().LunghezzaAmmortizzatore[0], std::hypot(250.0, 350.0), 1e-3);
    ASSERT_GE(P().NumPunti, 20);
    const double asta = std::hypot(50.0, 150.0);   // attachment to node
    const double raggio = std::hypot(100.0, 50.0); // frame pivot to node
    for (int i = 0; i <= P().NumPunti; ++i) {
        const Punto& nodo = P().PuntiGiunzione[3][1][i];
        EXPECT_NEAR(Distanza(P().PuntiGiunzione[2][1][i], nodo), asta, 1e-2) << i;
        EXPECT_NEAR(Distanza(Punto{900, 250}, nodo), raggio, 1e-2) << i;
    }
}

TEST_F(Giunzioni, AmmortizzatoreDirettoDalForcellone) {
    P().TipoGiunzione[1] = "VECCHIO";
    ed.Molla("0", "250");
    EXPECT_EQ(P().NumeroGiunzioniProgetto, 1);
    EXPECT_EQ(P().TipoGiunzione[1], "VECCHIO");
    EXPECT_EQ(NumeroElementiCatena, 2);
    AttesoPunto({750, 450}, G(2, 1));
    AttesoPunto({550, 650}, P().AttaccoAmmortizzatore[0]);
    EXPECT_NEAR(P().LunghezzaAmmortizzatore[0], std::hypot(200.0, 200.0), 1e-3);
    EXPECT_EQ(P().AmmortizzatoreFisso, 0);
}

TEST_F(Giunzioni, SupportoSulForcellone) {
    ed.Asta("250", "-100");
    ed.Asta("350", "-150");
    ed.Molla("300", "20", 1);
    EXPECT_EQ(P().AmmortizzatoreFisso, 1);
    EXPECT_EQ(AmmortizzatoreSuForcellone, VERO);
}

TEST_F(Giunzioni, LaSecondaGiunzioneParteDalNodoDellaPrima) {
    ed.Asta("250", "-100");                                   // node (800, 300)
    ed.Asta("350", "-150");                                   // pinned (900, 250)
    ed.Asta("200", "-250");                                   // from the node to (750, 150)
    ed.Squadretta("100", "-200", "150", "-300", VERO, FALSO); // (650, 200) pinned, (700, 100)
    ed.Molla("0", "250");
    EXPECT_EQ(P().NumeroGiunzioniProgetto, 2);
    EXPECT_EQ(P().TipoGiunzione[1], "ASTA_ASTA");
    EXPECT_EQ(P().TipoGiunzione[2], "ASTA_TRIANG");
    AttesoPunto(G(3, 1), G(2, 2));
    AttesoPunto({800, 300}, G(2, 2));
    AttesoPunto({750, 150}, G(3, 2));
    AttesoPunto({650, 200}, Fisso(3));
    AttesoPunto({700, 100}, G(4, 2));
    EXPECT_EQ(NumeroElementiCatena, 6);
    EXPECT_EQ(NumeroGiunzioni, 2);
}

TEST_F(Giunzioni, TreGiunzioni) {
    const char* lettere[] = {"F", "A", "S", "S", "A", "A", "S", "M"};
    for (int16_t k = 0; k <= 7; ++k) P().TipoElemento[k] = lettere[k];
    P().UltimoElemento = 7;
    ASSERT_TRUE(CatenaLegale(NumeroProgetti));
    ContaGiunzioni(NumeroProgetti);
    EXPECT_EQ(P().NumeroGiunzioniProgetto, 3);
    EXPECT_EQ(P().TipoGiunzione[1], "ASTA_TRIANG");
    EXPECT_EQ(P().TipoGiunzione[2], "TRIANG_ASTA");
    EXPECT_EQ(P().TipoGiunzione[3], "ASTA_TRIANG");
}

// Chains the solver must not be given.
class CatenaNonValida : public Giunzioni {};

TEST_F(CatenaNonValida, CatenaIncompletaNonVaAlSolutore) {
    ed.Asta("250", "-100");
    ed.Squadretta("150", "-150", "210", "-200", VERO, FALSO);
    EXPECT_FALSE(CatenaCompleta(NumeroProgetti));
    EXPECT_FALSE(kelvra::ControlloVariabili("100"));
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(P().GeometriaInserita, FALSO);
    AttesoPunto({0, 0}, Fisso(1)); // nothing written
}

TEST_F(CatenaNonValida, CoppieFuoriGrammaticaECatenaTroppoLunga) {
    const auto prova = [&](std::vector<std::string> lettere) {
        for (size_t k = 0; k < lettere.size(); ++k) P().TipoElemento[k] = lettere[k];
        P().UltimoElemento = static_cast<int16_t>(lettere.size() - 1);
        return kelvra::ControlloVariabili("100");
    };
    EXPECT_FALSE(prova({"F", "S", "S", "M"}));
    EXPECT_FALSE(prova({"F", "A", "M", "M"}));
    EXPECT_FALSE(prova({"F", "A", "M"})); // shock in an even slot
    EXPECT_FALSE(prova({"A", "M"}));      // no swingarm
    EXPECT_FALSE(prova({"F", "A", "A", "A", "A", "A", "A", "A", "A", "M"})); // fourth junction
    EXPECT_TRUE(prova({"F", "A", "A", "A", "A", "A", "A", "M"}));
    EXPECT_EQ(P().NumeroGiunzioniProgetto, 3);
}

TEST_F(CatenaNonValida, IlTipoDiceSeCeLAmmortizzatoreNonLeCoordinate) {
    // A link whose shock record holds zeros is incomplete; a shock at (0, 0) is still one.
    ed.Asta("250", "-100");
    EXPECT_FALSE(CatenaCompleta(NumeroProgetti));
    P().DatiMolla[1].P[0] = {10, 10};
    P().DatiMolla[1].P[1] = {20, 20};
    EXPECT_FALSE(CatenaCompleta(NumeroProgetti));
    ed.Aggiungi("M");
    P().DatiMolla[2] = TrePunti{};
    EXPECT_TRUE(CatenaCompleta(NumeroProgetti));
}

// The maximum wheel travel.
class MaxEscursione : public Giunzioni {
  protected:
    void SetUp() override {
        Giunzioni::SetUp();
        ed.Aggiungi("M");
        P().DatiMolla[1].P[1] = {550, 650};
    }
};

TEST_F(MaxEscursione, EstremiAccettatiInMillimetri) {
    for (const char* testo : {"0", "1000", "", "abc", "250.5"}) {
        SCOPED_TRACE(testo);
        P().GeometriaInserita = FALSO;
        EXPECT_TRUE(kelvra::ControlloVariabili(testo));
        EXPECT_EQ(P().GeometriaInserita, VERO);
    }
    EXPECT_FLOAT_EQ(P().MaxEscursioneRuota, 250.5f);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(MaxEscursione, FuoriDaiLimitiMessaggioEStatoInvariato) {
    P().MaxEscursioneRuota = 120;
    for (const char* testo : {"1000.01", "-1", "5000"}) {
        SCOPED_TRACE(testo);
        P().PuntiFissi[1] = {};
        EXPECT_FALSE(kelvra::ControlloVariabili(testo));
        // The solver inputs are written all the same.
        AttesoPunto({550, 400}, Fisso(1));
    }
    ASSERT_EQ(dialoghi.mostrati.size(), 3u);
    EXPECT_EQ(dialoghi.mostrati[0].testo,
              "The value of MAXIMUM WHEEL TRAVEL is outside the allowed range.");
    EXPECT_EQ(dialoghi.mostrati[0].stile, vbOKOnly);
    EXPECT_EQ(P().GeometriaInserita, FALSO);
    EXPECT_EQ(P().ModificatoFile[MOD_SCHEMA], FALSO);
    EXPECT_EQ(P().StatoDatiProgetto, 0);
    EXPECT_FLOAT_EQ(P().MaxEscursioneRuota, 120.0f);
}

TEST_F(MaxEscursione, PolliciIlLimiteE1000MillimetriEspressiInPollici) {
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    // 1000 mm as the editor shows it in inches, and whole inches as they are typed.
    ASSERT_EQ(MostraLunghezza(1000), "39.3700786");
    EXPECT_TRUE(kelvra::ControlloVariabili("39.3700786"));
    EXPECT_NEAR(P().MaxEscursioneRuota, 1000.0f, 1e-3);
    EXPECT_TRUE(kelvra::ControlloVariabili("1"));
    EXPECT_NEAR(P().MaxEscursioneRuota, 25.4f, 1e-4);
    EXPECT_TRUE(kelvra::ControlloVariabili("39"));
    EXPECT_FALSE(kelvra::ControlloVariabili("40"));
    EXPECT_EQ(dialoghi.mostrati.size(), 1u);
}

TEST_F(MaxEscursione, FlagDelProgettoControllatoEModificheNonSalvate) {
    // Two projects held, the selected one is the first: only the checked one is marked.
    NumeroProgetti = 2;
    ProgettoSelezionato = 1;
    Progetto& due = Progetti[2];
    due = Progetti[1];
    due.MollaInserita = VERO;
    EXPECT_TRUE(kelvra::ControlloVariabili("100"));
    EXPECT_EQ(Progetti[2].GeometriaInserita, VERO);
    EXPECT_EQ(Progetti[1].GeometriaInserita, FALSO);
    EXPECT_EQ(Progetti[2].StatoDatiProgetto, 3);
    EXPECT_EQ(Progetti[2].ModificatoFile[MOD_SCHEMA], VERO);
    EXPECT_EQ(Progetti[2].ModificatoFile[MOD_PROGETTO], VERO);
    EXPECT_EQ(Progetti[1].ModificatoFile[MOD_PROGETTO], FALSO);
}

TEST_F(Giunzioni, TogliereLAmmortizzatoreRendeLaGeometriaNonInserita) {
    ed.Asta("250", "-100");
    ed.Asta("350", "-150");
    P().MollaInserita = VERO;
    ed.Molla("0", "250");
    ASSERT_EQ(P().StatoDatiProgetto, 3);
    EXPECT_EQ(RimuoviUltimoElemento(), 2);
    EXPECT_EQ(P().TipoElemento[3], "");
    EXPECT_EQ(P().GeometriaInserita, FALSO);
    EXPECT_EQ(P().StatoDatiProgetto, 2);
    // The grammar then allows what may follow a link in slot 2.
    AttesaPulsantiera(AttivaPulsantiera(2), S::Abilitato, S::Abilitato, S::Abilitato);
    EXPECT_EQ(RimuoviUltimoElemento(), 1);
    EXPECT_EQ(RimuoviUltimoElemento(), 0);
    EXPECT_EQ(RimuoviUltimoElemento(), 0);
    EXPECT_EQ(P().TipoElemento[0], "F");
}

TEST(Maiuscolo, LettereDellaCodePage) {
    EXPECT_EQ(Maiuscolo("Massima escursione [mm]"), "MASSIMA ESCURSIONE [MM]");
    EXPECT_EQ(Maiuscolo("\xE8\xF6\xF7\x9A"), "\xC8\xD6\xF7\x8A");
}

} // namespace
