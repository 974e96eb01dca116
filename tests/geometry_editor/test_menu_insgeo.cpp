// The geometry editor's menu commands (File menu, Schema commands, add-project button,
// annotation and option boxes), driven on the real windows with the file routines replaced by
// fakes. The shared commands without an editor part are in tests/shell/test_comandi_menu.
#include "Attesi.h"
#include "components/EditorComponenti.h"
#include "components/InsAmmortizzatore.h"
#include "components/InsMolla.h"
#include "components/InsTampone.h"
#include "core/Impostazioni.h"
#include "core/Servizi.h"
#include "core/Unita.h"
#include "geometry_editor/Coordinate.h"
#include "shell/Comandi.h"
#include "support/FinestraReale.h"
#include "support/RisposteDialoghi.h"

#include <deque>

using namespace kelvra;
using namespace kelvra::test;

namespace {

class MenuInsGeo : public FinestraReale {
  protected:
    void SetUp() override {
        FinestraReale::SetUp();
        RegistraComandi();
        // Each open loads into slot NumeroProgetti when its queued answer is true.
        Ganci.ApriProgetto = [this] {
            slotAperti.push_back(NumeroProgetti);
            CaricatoProgetto = Esito() ? VERO : FALSO;
            if (Vero(CaricatoProgetto)) Progetti[NumeroProgetti].UltimoElemento = 3;
        };
        Ganci.ApriSchema = [this] { CaricatoSchema = Esito() ? VERO : FALSO; };
        Ganci.AggiungiProgetto = [](int16_t da, int16_t a) { Progetti[a] = Progetti[da]; };
    }
    bool Esito() {
        const bool ok = !esiti.empty() && esiti.front();
        if (!esiti.empty()) esiti.pop_front();
        return ok;
    }
    std::string Titolo() const { return AdAnsi(ed->windowTitle()); }

    std::deque<bool> esiti;
    std::vector<int> slotAperti;
};

TEST_F(MenuInsGeo, NewAfterANeverComputedProjectAsksThenSetsUpSlotTwo) {
    for (int risposta : {vbNo, vbYes}) {
        SCOPED_TRACE(risposta);
        AzzeraTabelle();
        ed->Form_Activate();
        QuadrilateroDigitato();
        Progetti[1].AngoloForcelloneRad[0] = 0; // as if never computed
        Progetti[1].ModificatoFile.fill(FALSO);
        Progetti[2].NomeFileSchema = "closed.kv3"; // a project closed earlier
        Progetti[2].NumPunti = Progetti[2].AcquisizioneAttiva = VERO;
        dialoghi.Rispondi(risposta);
        ed->FileItem[1]->trigger();
        ASSERT_FALSE(dialoghi.mostrati.empty());
        EXPECT_EQ(dialoghi.mostrati.back().testo, Riga(Messaggi, 19));
        EXPECT_EQ(Progetti[1].AngoloForcelloneRad[0] != 0, risposta == vbYes);
        EXPECT_EQ(NumeroProgetti * 10 + ProgettoSelezionato, 22);
        EXPECT_EQ(P().TipoElemento[0], "F");
        EXPECT_TRUE(P().NomeFileSchema.empty());
        EXPECT_EQ(P().NumPunti + P().AcquisizioneAttiva, 0);
        EXPECT_EQ(P().DatiForcellone.P[1], ASSE_DEFAULT);
        EXPECT_EQ(T(ed->TxtRaggio), "350.00");
        EXPECT_EQ(ed->CmbModifica->count(), 1);
        EXPECT_EQ(Stati({ed->CmdAddProject, ed->CmdAsta}, &QWidget::isEnabled), "01");
    }
}

TEST_F(MenuInsGeo, CompareAppendsThenCloseLastLeavesTwoOfThreeAndRetitles) {
    NumeroProgetti = ProgettoSelezionato = 2;
    esiti = {true};
    ed->FileItem[3]->trigger(); // No to a further file
    EXPECT_EQ(NumeroProgetti * 10 + ProgettoSelezionato + EsitoConfronto, 33 + VERO);
    EXPECT_NE(Titolo().find("3 "), std::string::npos);
    ed->FileItem[4]->trigger();
    EXPECT_EQ(NumeroProgetti * 10 + ProgettoSelezionato, 22);
    EXPECT_EQ(Titolo(), ComponiTitolo(Riga(TestiInsGeo01, 0)));
    for (int volta = 0; volta < 2; ++volta) ed->FileItem[4]->trigger();
    EXPECT_EQ(NumeroProgetti * 10 + ProgettoSelezionato, 11);
}

TEST_F(MenuInsGeo, AddProjectCopiesTheLinkageAndSolvesIt) {
    QuadrilateroDigitato();
    ed->CmdAddProject->click();
    EXPECT_EQ(NumeroProgetti * 10 + ProgettoSelezionato, 22);
    EXPECT_EQ(P().NumPunti, Progetti[1].NumPunti);
    EXPECT_NE(Titolo().find("2 "), std::string::npos);
}

TEST_F(MenuInsGeo, RemovingTheShockAbsorberReopensTheChainAndANewChainResetsIt) {
    QuadrilateroDigitato();
    ed->SchemaRimuoviUltimo();
    EXPECT_EQ(P().UltimoElemento, 2);
    EXPECT_EQ(ed->CmbModifica->count(), 3);
    EXPECT_EQ(P().GeometriaInserita, FALSO);
    EXPECT_EQ(Stati({ed->CmdMolla, ed->CmdSimula}, &QWidget::isEnabled), "10");
    // The last link's panel, with its end, takes the place of the shock's.
    EXPECT_EQ(Stati<QWidget>({ed->FRMMOLLA, ed->FRMASTA}, &QWidget::isVisible), "01");
    EXPECT_EQ(T(ed->TxtAstaX) + T(ed->TxtAstaY), "350.00-150.00");
    std::string salvato; // the unsaved geometry is offered for saving first
    Ganci.SalvaSchema = [&](const std::string& nome, int16_t) {
        salvato = nome;
        return true;
    };
    dialoghi.Rispondi(vbYes);
    ed->SchemaNuovaCatena();
    EXPECT_EQ(salvato, PercorsoApplicazione + Riga(TestiInsGeo01, 18) + " 01.kv3");
    EXPECT_EQ(P().UltimoElemento, 0);
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
    EXPECT_EQ(Stati({ed->UnitaItem[1], ed->UnitaItem[2]}, &QAction::isChecked), "01");
    EXPECT_TRUE(ed->FrmForcellone->title().endsWith("[in]"));
}

TEST_F(MenuInsGeo, TheModifyAndFixBoxesActOnTheChain) {
    ed->CmdSquadretta->click();
    Digita(ed->TxtSquadrettaX[0], "250");
    Digita(ed->TxtSquadrettaY[0], "-100");
    Digita(ed->TxtSquadrettaX[1], "300");
    Digita(ed->TxtSquadrettaY[1], "-50");
    ed->CmdOKSquadretta->click();
    ed->CmdAsta->click();
    for (bool spunta : {true, false}) {
        ed->ChkModify[0]->setChecked(spunta);
        ed->ChkModify_Click(0);
        EXPECT_EQ(T(ed->LblAstaPrecX), spunta ? "300.00" : "250.00");
    }
    AzzeraTabelle();
    ed->Form_Activate();
    QuadrilateroDigitato();
    ed->ChkFix->click(); // the shock absorber stored again with its new mount
    EXPECT_EQ(P().AmmortizzatoreFisso, 1);
}

TEST_F(MenuInsGeo, NoCommandUsesASeventhSlot) {
    const std::function<void()> comandi[] = {
        [this] { ed->FileItem[1]->trigger(); }, [this] { ed->FileItem[3]->trigger(); },
        [] { GestisciMenuFileFrmMenu(1); },     [] { PreparaNuovoProgetto(); },
        [this] { ed->CmdAddProject->click(); }, [] { ConfrontaSchemi(); },
        [] { ConfrontaComponente(MOD_MOLLA); }};
    ed->CmdAddProject->setEnabled(true);
    for (int p = 1; p <= 6; ++p) Progetti[p].UltimoElemento = 2; // six chains, the third chosen
    NumeroProgetti = 6;
    ProgettoSelezionato = 3;
    esiti = {true};
    for (const auto& comando : comandi) comando();
    EXPECT_EQ(dialoghi.beep, 7);
    EXPECT_TRUE(slotAperti.empty());
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(NumeroProgetti * 10 + ProgettoSelezionato, 63);
}

// The component windows opened from the editor's menus, the user's part played in them.
class ComponentsFromTheEditor : public FinestraReale {
  protected:
    void SetUp() override {
        FinestraReale::SetUp();
        RegistraEditorComponenti();
    }
    template <class F> void Usa(QAction* voce, std::function<void(F&)> utente) {
        finestre.RispondiModale([utente](QWidget* w) {
            if (F* f = qobject_cast<F*>(w)) utente(*f);
            return 0;
        });
        voce->trigger();
        EXPECT_TRUE(finestre.modali.empty()) << "the window was not opened";
    }
    // Lengths, then a constant rate typed for the selected rows, then the table confirmed.
    template <class F> static void Tabella(F& f, const char* libera, const char* compressa) {
        Digita(f.TxtLunghezza, libera);
        Digita(f.TxtLunghezzaCompressa, compressa);
        f.CmdOK1->click();
        f.OptCostModo[1]->click();
        Griglia* g = f.GrdTabella;
        const int t = g->FixedRows();
        g->selectionModel()->select(
            QItemSelection(g->model()->index(2 - t, 0), g->model()->index(g->Rows() - 1 - t, 2)),
            QItemSelectionModel::ClearAndSelect);
        emit g->FineSelezione();
        Digita(f.TxtCostanteElastica, "10");
        f.CmdOK2->click();
    }
    // Save project as, save shock absorber, spring and bump stop as, enabled (1) or not (0).
    std::string Salvataggi() {
        return Stati(
            {ed->FileItem[6], ed->AmmortizzatoreItem[5], ed->MollaItem[5], ed->TamponeItem[5]},
            &QAction::isEnabled);
    }

    RisposteDialoghi finestre;
};

TEST_F(ComponentsFromTheEditor, TheMenusFollowTheStateAsSoonAsAComponentWindowCloses) {
    QuadrilateroDigitato();
    EXPECT_EQ(Salvataggi(), "0000");
    Usa<INSAMMORTIZZATORE>(ed->AmmortizzatoreItem[1], [](INSAMMORTIZZATORE& f) {
        Digita(f.TxtA, "40"), Digita(f.TxtB, "60"), Digita(f.TxtS, "350"), Digita(f.TxtR, "80");
        QTest::keyClick(f.TxtR, Qt::Key_Return);
    });
    EXPECT_EQ(Salvataggi(), "0100");
    Usa<INSMOLLA>(ed->MollaItem[1], [](INSMOLLA& f) { Tabella(f, "260", "180"); });
    EXPECT_EQ(Salvataggi(), "1110");
    Usa<InsTampone>(ed->TamponeItem[1], [](InsTampone& f) { Tabella(f, "50", "40"); });
    EXPECT_EQ(Salvataggi(), "1111");
    // Leaving a window without confirming puts right menus that had missed a change of state.
    ed->MollaItem[5]->setEnabled(false);
    ed->FileItem[6]->setEnabled(false);
    dialoghi.Rispondi(vbNo); // the spring entered above is not saved first
    Usa<INSMOLLA>(ed->MollaItem[1], [](INSMOLLA& f) { f.CmdEsci->click(); });
    EXPECT_EQ(Salvataggi(), "1111");
}

} // namespace
