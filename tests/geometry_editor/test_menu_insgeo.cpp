// The geometry editor's File menu, Schema commands, add-project button and option boxes,
// driven on the real window in the real main window.
#include "core/Impostazioni.h"
#include "core/Servizi.h"
#include "core/Unita.h"
#include "geometry_editor/Coordinate.h"
#include "geometry_editor/FinestraReale.h"
#include "shell/Comandi.h"

using namespace kelvra;
using namespace kelvra::test;

namespace {

class MenuInsGeo : public FinestraReale {
  protected:
    void Quadrilatero() {
        DigitaAsta("250", "-100");
        DigitaAsta("350", "-150");
        ed->CmdMolla->click();
        Digita(ed->TxtMollaX, "0");
        Digita(ed->TxtMollaY, "250");
        Digita(ed->TxtMaxEsc, "100");
        ed->CmdOKMolla->click();
    }
    std::string Titolo() const { return AdAnsi(ed->windowTitle()); }
};

TEST_F(MenuInsGeo, NewAfterANeverComputedProjectAsksThenSetsUpSlotTwo) {
    for (int risposta : {vbNo, vbYes}) {
        SCOPED_TRACE(risposta);
        AzzeraTabelle();
        ed->Form_Activate();
        Quadrilatero();
        Progetti[1].AngoloForcelloneRad[0] = 0; // as if never computed
        Progetti[1].ModificatoFile.fill(FALSO);
        Progetti[2].NomeFileSchema = "closed.kv3";
        dialoghi.Rispondi(risposta);
        ed->FileItem[1]->trigger();
        ASSERT_FALSE(dialoghi.mostrati.empty());
        EXPECT_EQ(dialoghi.mostrati.back().testo, Riga(Messaggi, 19));
        EXPECT_EQ(Progetti[1].AngoloForcelloneRad[0] != 0, risposta == vbYes);
        EXPECT_EQ(NumeroProgetti * 10 + ProgettoSelezionato, 22);
        EXPECT_EQ(P().UltimoElemento, 0);
        EXPECT_EQ(P().TipoElemento[0], "F");
        EXPECT_TRUE(P().NomeFileSchema.empty());
        EXPECT_EQ(P().DatiForcellone.P[1], ASSE_DEFAULT);
        EXPECT_FLOAT_EQ(P().RaggioRuota, 350);
        EXPECT_EQ(T(ed->TxtRaggio), "350.00");
        EXPECT_EQ(ed->CmbModifica->count(), 1);
        EXPECT_FALSE(ed->CmbModifica->isEnabled());
        EXPECT_FALSE(ed->CmdAddProject->isEnabled());
        EXPECT_EQ(P().StatoDatiProgetto, 0);
    }
}

TEST_F(MenuInsGeo, CloseLastLeavesTwoOfThreeAndRetitles) {
    NumeroProgetti = ProgettoSelezionato = 3;
    for (int p = 1; p <= 3; ++p) Progetti[p].UltimoElemento = 0;
    ed->Form_Activate();
    EXPECT_NE(Titolo().find("3 "), std::string::npos);
    ed->FileItem[4]->trigger();
    EXPECT_EQ(NumeroProgetti * 10 + ProgettoSelezionato, 22);
    EXPECT_EQ(Titolo(), ComponiTitolo(Riga(TestiInsGeo01, 0)));
    EXPECT_NE(Titolo().find("2 "), std::string::npos);
}

TEST_F(MenuInsGeo, AddProjectCopiesTheLinkageAndSolvesIt) {
    Ganci.AggiungiProgetto = [](int16_t da, int16_t a) {
        Progetto& d = Progetti[a];
        const Progetto& s = Progetti[da];
        d.DatiForcellone = s.DatiForcellone;
        d.DatiAsta = s.DatiAsta;
        d.DatiSquadretta = s.DatiSquadretta;
        d.DatiMolla = s.DatiMolla;
        d.TipoElemento = s.TipoElemento;
        d.UltimoElemento = s.UltimoElemento;
        d.RaggioRuota = s.RaggioRuota;
    };
    Quadrilatero();
    ASSERT_TRUE(ed->CmdAddProject->isEnabled());
    ed->CmdAddProject->click();
    EXPECT_EQ(NumeroProgetti * 10 + ProgettoSelezionato, 22);
    EXPECT_EQ(P().StatoDatiProgetto, 1);
    EXPECT_EQ(P().NumPunti, Progetti[1].NumPunti);
    EXPECT_NE(Titolo().find("2 "), std::string::npos);
}

TEST_F(MenuInsGeo, RemovingTheShockAbsorberReopensTheChainAndANewChainResetsIt) {
    Quadrilatero();
    ed->SchemaRimuoviUltimo();
    EXPECT_EQ(P().UltimoElemento, 2);
    EXPECT_EQ(ed->CmbModifica->count(), 3);
    EXPECT_EQ(P().GeometriaInserita, FALSO);
    EXPECT_TRUE(ed->CmdMolla->isEnabled());
    EXPECT_FALSE(ed->CmdSimula->isEnabled());
    ed->SchemaNuovaCatena();
    EXPECT_EQ(P().UltimoElemento, 0);
    EXPECT_TRUE(P().TipoElemento[1].empty());
    EXPECT_EQ(ed->CmbModifica->count(), 1);
    EXPECT_FALSE(ed->SchemaItem[8]->isEnabled());
    ed->SchemaRimuoviUltimo(); // the swingarm stays
    EXPECT_EQ(dialoghi.beep, 1);
}

TEST_F(MenuInsGeo, TheAnnotationChoiceIsKeptInTheSettingsForTheNextStart) {
    ed->ChkDimensioni->click();
    EXPECT_FALSE(ed->ChkQuote->isChecked());
    EXPECT_EQ(ModoQuote * 10 + VisualizzaDimensioni, 20 + VERO);
    // File, Exit: the settings are written as the program ends.
    dialoghi.Rispondi(vbYes);
    ed->FileItem[14]->trigger();
    EXPECT_EQ(terminato, 0);
    delete MAIN::Istanza();
    delete INSGEO01::Istanza();
    ModoQuote = 1;
    ASSERT_TRUE(SequenzaAvvio(cartella.path().toStdString()));
    ed = INSGEO01::Istanza();
    ed->Form_Activate();
    EXPECT_TRUE(ed->ChkDimensioni->isChecked());
    EXPECT_FALSE(ed->ChkQuote->isChecked());
    ed->ChkDimensioni->click();
    EXPECT_EQ(ModoQuote, 0);
}

TEST_F(MenuInsGeo, UnitsSwitchedElsewhereShowOnTheNextActivation) {
    ImpostaUnita(2, nullptr); // from another window's Units menu
    ed->Form_Activate();
    EXPECT_TRUE(ed->UnitaItem[2]->isChecked());
    EXPECT_FALSE(ed->UnitaItem[1]->isChecked());
    EXPECT_TRUE(ed->FrmForcellone->title().endsWith("[in]"));
    EXPECT_TRUE(ed->LblDati->text().endsWith("[in]"));
}

TEST_F(MenuInsGeo, CompareFromTheFileMenuAppends) {
    Quadrilatero();
    Ganci.ApriProgetto = [] {
        Progetti[NumeroProgetti].UltimoElemento = 3;
        CaricatoProgetto = VERO;
    };
    ed->FileItem[3]->trigger(); // No to a further file
    EXPECT_EQ(NumeroProgetti * 10 + ProgettoSelezionato, 22);
    EXPECT_EQ(EsitoConfronto, VERO);
}

} // namespace
