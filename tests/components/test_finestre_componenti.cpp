// The component windows driven as a user drives them, on the offscreen platform, opened
// through the hook table the menus call.
#include "components/Banco.h"
#include "components/EditorComponenti.h"
#include "components/FrmAcq.h"
#include "components/FrmPLoad.h"
#include "components/InsAmmortizzatore.h"
#include "components/InsMolla.h"
#include "components/InsTampone.h"
#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Unita.h"
#include "platform/Posizione.h"
#include "platform/Testo.h"
#include "support/ProgrammaAvviato.h"
#include "support/RisposteDialoghi.h"

#include <QHeaderView>
#include <QTest>

using namespace kelvra;

namespace {

class ComponentWindows : public test::ProgrammaAvviato {
  protected:
    void PrimaDellAvvio() override {
        Ganci.CreaEditorGeometria = [] { ImpostaUnitaMisura(SistemaUnita); };
    }
    void SetUp() override {
        ProgrammaAvviato::SetUp();
        RegistraEditorComponenti();
        Ganci.MostraCurve01 = [this] { ++grafici; };
    }
    void TearDown() override { ImpostaBancoProva(nullptr), ProgrammaAvviato::TearDown(); }
    // Opens a window through its hook; `utente` acts in it while it is shown.
    template <class F>
    void Apri(const std::function<void()>& gancio, std::function<void(F&)> utente) {
        modali.RispondiModale([utente](QWidget* w) {
            F* f = qobject_cast<F*>(w);
            EXPECT_NE(f, nullptr);
            return f ? utente(*f) : void(), 0;
        });
        gancio();
    }
    static void Digita(QLineEdit* c, const QString& testo) {
        c->selectAll(), QTest::keyClicks(c, testo);
    }
    static std::string T(const QWidget* w) {
        if (auto* l = qobject_cast<const QLabel*>(w)) return AdAnsi(l->text());
        return AdAnsi(qobject_cast<const QLineEdit*>(w)->text());
    }
    // The user selects grid rows and lets the mouse go.
    static void Seleziona(Griglia* g, int prima, int ultima) {
        const int t = g->FixedRows(); // the view's rows start under the title rows
        g->selectionModel()->select(
            QItemSelection(g->model()->index(prima - t, 0), g->model()->index(ultima - t, 2)),
            QItemSelectionModel::ClearAndSelect);
        emit g->FineSelezione();
    }
    static void Suggerisci(QWidget* w) {
        QEvent entra(QEvent::Enter);
        QCoreApplication::sendEvent(w, &entra);
    }

    RisposteDialoghi modali;
    int grafici = 0;
};

TEST_F(ComponentWindows, SpringEnteredByForceBlockAfterBlock) {
    // A spring held before: the rebuilt table starts empty, so none of it is stored again.
    Progetto& p = Progetti[1];
    p.MollaInserita = VERO, p.NumeroMolle = 1, p.LungMollaLibera = 100;
    p.LungMollaMaxCompressione = 60, p.ForzaMolla.fill(500), p.CostanteMolla.fill(5);
    Apri<INSMOLLA>(Ganci.MostraInsMolla, [](INSMOLLA& f) {
        EXPECT_EQ(T(f.TxtNmolle), "1");
        Digita(f.TxtLunghezza, "100"), Digita(f.TxtLunghezzaCompressa, "60"), f.CmdOK1->click();
        ASSERT_TRUE(f.OptCostModo[2]->isEnabled());
        f.OptCostModo[2]->click();
        EXPECT_EQ(f.GrdTabella->Rows(), 2 + 41);
        EXPECT_EQ(f.GrdTabella->TextMatrix(42, 0), "40.00");
        EXPECT_NEAR(LarghezzaTwips(f.TxtForza), 1335, 15);
        Seleziona(f.GrdTabella, 2, 12); // rows 0..10
        Digita(f.TxtForza, "100");
        EXPECT_EQ(T(f.TxtCostanteElastica), "10.000");
        EXPECT_EQ(f.GrdTabella->TextMatrix(7, 1), "50.000");
        QTest::keyClick(f.TxtForza, Qt::Key_Return); // the next block, rows 11..21
        EXPECT_EQ(f.GrdTabella->SelStartRow(), 13);
        Digita(f.TxtForza, "254");
        f.CmdOK2->click();
    });
    EXPECT_EQ(std::tuple(p.MollaInserita, p.StatoDatiProgetto, p.ModoMolla, p.NumPuntiMolla),
              std::tuple(VERO, 2, MODO_FORZA, 40));
    EXPECT_DOUBLE_EQ(p.ForzaMolla[10], 100);
    EXPECT_NEAR(p.ForzaMolla[21], 254, 1e-9);
    EXPECT_NEAR(p.CostanteMolla[21], 14, 1e-9);
    EXPECT_EQ(p.ForzaMolla[22], 0);
}

TEST_F(ComponentWindows, ConfirmingAnUneditedSpringInInchesKeepsItsMillimetres) {
    ImpostaUnitaMisura(SistemaUnita = SISTEMA_IMPERIALE);
    Progetto& p = Progetti[1];
    p.MollaInserita = VERO, p.ModoMolla = MODO_FORZA, p.NumeroMolle = 2;
    p.LungMollaLibera = 150.7, p.LungMollaMaxCompressione = 100.7;
    for (int i = 0; i <= 50; ++i) p.ForzaMolla[i] = 12.5 * i;
    Apri<INSMOLLA>(Ganci.MostraInsMolla, [](INSMOLLA& f) {
        EXPECT_EQ(f.GrdTabella->Rows(), 2 + 51);
        EXPECT_NEAR(LarghezzaTwips(f.TxtForza), 1335, 15);
        EXPECT_EQ(f.Opt_PassoStampa[1]->text(), "0.20 in");
        f.CmdOK2->click();
    });
    EXPECT_EQ(p.NumPuntiMolla, 50);
    EXPECT_EQ(p.LungMollaLibera, ComeSingolo(150.7)); // as a file keeps it
    EXPECT_NEAR(p.ForzaMolla[50], 625, 1e-9);

    // Typed inches are checked against the shock absorber's millimetres: with a seat of 95
    // and a fitted preload of 10, 4.1 in (104.14 mm) is too short and 4.2 in fits.
    p.MollaInserita = FALSO, p.AmmortizzatoreInserito = VERO, p.LungMollaAmmortizzatore = 95;
    p.PrecaricoMollaInserita = 10, p.PrecaricoImpostato = VERO;
    Apri<INSMOLLA>(Ganci.MostraInsMolla, [this](INSMOLLA& f) {
        Digita(f.TxtLunghezza, "4.1"), Digita(f.TxtLunghezzaCompressa, "2"), f.CmdOK1->click();
        EXPECT_EQ(dialoghi.mostrati.size(), 1u);
        Digita(f.TxtLunghezza, "4.2"), f.CmdOK1->click();
        EXPECT_EQ(dialoghi.mostrati.size(), 1u);
        EXPECT_TRUE(f.OptCostModo[1]->isEnabled());
    });
}

TEST_F(ComponentWindows, BumpStopLengthsClicksAndHints) {
    Apri<InsTampone>(Ganci.MostraInsTampone, [this](InsTampone& f) {
        Digita(f.TxtLunghezza, "50"), Digita(f.TxtLunghezzaCompressa, "40");
        Digita(f.TxtLunghezza, "30"), f.CmdOK1->click(); // retyped after: no negative count
        ASSERT_EQ(dialoghi.mostrati.size(), 1u);
        EXPECT_EQ(dialoghi.mostrati[0].testo, Riga(Messaggi, 58));
        EXPECT_FALSE(f.OptCostModo[1]->isEnabled());
        Digita(f.TxtLunghezza, "50"), Digita(f.TxtLunghezzaCompressa, "40"), f.CmdOK1->click();
        f.OptCostModo[1]->click();
        EXPECT_EQ(f.GrdTabella->TextMatrix(1, 2), "[N/mm\xB2]");
        EXPECT_GE(f.GrdTabella->horizontalHeader()->minimumHeight(), 3 * f.fontMetrics().height());
        Seleziona(f.GrdTabella, 5, 5); // a click on row 3 fills from row 0
        EXPECT_EQ(f.GrdTabella->SelStartRow(), 2);
        Digita(f.TxtCostanteElastica, "2");
        EXPECT_EQ(f.GrdTabella->TextMatrix(5, 1), "18.000");
        EXPECT_EQ(T(f.TxtForza), "0\36718.000");
        f.GrdTabella->setFocus(); // rows 0..10 in one stroke of the keyboard
        QTest::keyClick(f.GrdTabella, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(T(f.TxtEscursione), "0.00\36710.00");
        EXPECT_TRUE(f.TxtCostanteElastica->isEnabled());
        ASSERT_TRUE(f.CmdStampa->isEnabled());
        f.CmdStampa->click();
        EXPECT_EQ(modali.stampe.size(), 1u);
        StampanteImpostata().setOutputFileName(QStringLiteral("/dev/full")); // cannot take it
        f.CmdStampa->click();
        EXPECT_EQ(dialoghi.mostrati.back().testo, Riga(Messaggi, 48));
        for (const auto& [w, testo] :
             {std::pair<QWidget*, std::string>{f.Frame_PassoStampa, "Choose the print step"},
              {f.Opt_PassoStampa[2], "Print every row, or one row in five or ten"},
              {&f, "Bump stop data"}}) {
            Suggerisci(w);
            EXPECT_EQ(Suggerimento(), testo);
        }
        f.CmdOK2->click();
    });
    EXPECT_EQ(std::tuple(Progetti[1].StatoDatiProgetto, Progetti[1].NumPuntiTampone),
              std::tuple(8, 10));
    EXPECT_DOUBLE_EQ(Progetti[1].ForzaTampone[3], 18);
}

TEST_F(ComponentWindows, OwnMessageBoxesNeverCloseTheWindow) {
    INSMOLLA f;
    f.Form_Activate(), f.show();
    const auto disattiva = [&f] {
        QEvent evento(QEvent::ActivationChange);
        QCoreApplication::sendEvent(&f, &evento);
    };
    ImpostaGestoreMessaggio([&](const std::string&, int, const std::string&) {
        return disattiva(), vbOK; // the box takes the activation
    });
    f.CmdOK1->click(); // no lengths: a message
    EXPECT_TRUE(f.isVisible());
    disattiva();
    EXPECT_FALSE(f.isVisible());
}

TEST_F(ComponentWindows, ShockAbsorberLabelsFollowTheBoxesAndTheGasPanelSetsTheForce) {
    Apri<INSAMMORTIZZATORE>(Ganci.MostraInsAmmortizzatore, [](INSAMMORTIZZATORE& f) {
        EXPECT_TRUE(f.FrmPressione->isHidden());
        Digita(f.TxtA, "40"), Digita(f.TxtB, "60"), Digita(f.TxtS, "350");
        EXPECT_EQ(T(f.Lbl_LungMolla), "250.00");
        EXPECT_EQ(T(f.LblReference[2]), "<=250.0");
        Digita(f.TxtR, "80");
        EXPECT_EQ(T(f.Lbl_LungMolla), "250.00");
        EXPECT_EQ(T(f.LblReference[0]), "-");
        f.CmdPressione->click(), Digita(f.TxtPressione, "10"), Digita(f.TxtDiametro, "50");
        QTest::keyClicks(f.TxtDiametro, "-"); // the minimum is 0
        EXPECT_EQ(T(f.TxtDiametro), "50");
        QTest::keyClick(f.TxtDiametro, Qt::Key_Return); // Enter confirms each panel
        EXPECT_FALSE(f.LblForzaGasIN->isHidden());
        QTest::keyClick(f.TxtR, Qt::Key_Return);
    });
    const Progetto& p = Progetti[1];
    EXPECT_NEAR(p.ForzaGas, 25 * PiGreco * 10 * 9.81 / 4, 1e-3);
    EXPECT_EQ(std::tuple(p.LungMollaAmmortizzatore, p.CorsaAmmortizzatore), std::tuple(250, 80));
    EXPECT_EQ(std::tuple(p.AmmortizzatoreInserito, p.StatoDatiProgetto), std::tuple(VERO, 4));

    // Clearing the gas charge holds even when the window is then left.
    Progetti[1].ModificatoFile.fill(FALSO);
    Apri<INSAMMORTIZZATORE>(Ganci.MostraInsAmmortizzatore, [](INSAMMORTIZZATORE& f) {
        EXPECT_FALSE(f.LblForzaGasIN->isHidden());
        f.CmdPressione->click(), f.CmdAnnullaForzaGas->click();
        EXPECT_EQ(T(f.TxtPressione), "0.0");
        EXPECT_TRUE(f.LblForzaGasIN->isHidden());
        f.CMDAnnulla->click();
    });
    EXPECT_EQ(p.ForzaGas, 0);
    EXPECT_EQ(p.ModificatoFile[MOD_AMMORTIZZATORE], VERO);
}

TEST_F(ComponentWindows, PreloadWithinItsLimitAndTheCoilBoundCheck) {
    Progetto& p = Progetti[1];
    p.MollaInserita = VERO, p.LungMollaLibera = 250, p.LungMollaMaxCompressione = 200;
    p.NumPuntiAmmortizzatore = 30, p.InterasseAmmortizzatore = 355;
    p.LunghezzaStaticaAmmortizzatore = 350, p.PrecaricoMollaInserita = 10;
    Apri<FrmPLoad>(Ganci.MostraFrmPLoad, [this](FrmPLoad& f) {
        EXPECT_DOUBLE_EQ(f.PrecaricoMassimo, 15);
        Digita(f.TxtPrecarico, "16");
        EXPECT_EQ(T(f.TxtPrecarico), "1");
        EXPECT_EQ(dialoghi.beep, 1);
        Digita(f.TxtPrecarico, "2");
        EXPECT_EQ(T(f.LblPreload[2]), "17.00");
        Suggerisci(f.LblPrecarico[0]);
        EXPECT_EQ(Suggerimento(), "ALLOWED RANGE: [0; 15.00] mm");
        f.Cmd_Ok->click();
    });
    EXPECT_EQ(std::tuple(p.PrecaricoSetup, p.PrecaricoImpostato), std::tuple(2, VERO));
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

// A bench whose load grows 10 N per mm from 100 N over the stroke range.
class BancoSimulato : public BancoProva {
  public:
    bool Acquisisci(const ParametriAcquisizione& par, MisuraBanco& m) override {
        for (double x = par.CorsaMinima; x <= par.CorsaMassima + 1e-9; x += 5)
            m.Corsa.push_back(x), m.Carico.push_back(100 + 10 * x);
        return true;
    }
};

TEST_F(ComponentWindows, ABenchAcquisitionIsSolvedAndOpensTheGraphs) {
    // A shock absorber straight from the swingarm: a geometry the solver computes.
    Progetto& p = Progetti[1];
    p.GeometriaInserita = p.AcquisizioneAttiva = VERO, p.PosizioneRuota[0] = {1000, -350};
    p.PuntiGiunzione[2][1][0] = {100, -40}, p.AttaccoAmmortizzatore[0] = {400, 400};
    p.NumeroGiunzioniProgetto = p.UltimoElemento = 1;
    const auto parametri = [](FRMACQ& f) {
        Digita(f.TxtCorsaMin, "10"), Digita(f.TxtCorsaMax, "40"), f.CmdUnselect->click();
        f.ChkFreq[2]->click(), Digita(f.TxtFreq[2], "120"), f.CmdOK->click();
    };
    Apri<FRMACQ>(Ganci.MostraFrmAcq, [](FRMACQ& f) { f.CmdChiudi->click(); });
    EXPECT_EQ(p.AcquisizioneAttiva, VERO) << "closing keeps the acquisition";

    Apri<FRMACQ>(Ganci.MostraFrmAcq, parametri); // no bench connected
    EXPECT_EQ(p.AcquisizioneAttiva, FALSO);
    EXPECT_EQ(dialoghi.mostrati.back().testo, Riga(Messaggi, 57));
    EXPECT_EQ(grafici, 0);

    BancoSimulato banco;
    ImpostaBancoProva(&banco), Apri<FRMACQ>(Ganci.MostraFrmAcq, parametri);
    EXPECT_EQ(std::tuple(grafici, ParametriBanco[1].NumeroCicli()), std::tuple(1, 1));
    EXPECT_EQ(ParametriBanco[1].VelocitaCiclo[2], 120);
    EXPECT_GT(p.NumPunti, 700); // solved
    // What the chart of the shock absorber's load reads.
    EXPECT_EQ(std::tuple(p.AcquisizioneAttiva, p.NumPuntiAmmortizzatore), std::tuple(VERO, 30));
    EXPECT_EQ(std::tuple(p.AsseCorsaAmmortizzatore[30], p.ForzaStaticaAmmortizzatore[30]),
              std::tuple(40, 500));
}

TEST_F(ComponentWindows, ImperialBenchSpeedsAreCheckedInMillimetresPerSecond) {
    ImpostaUnitaMisura(SistemaUnita = SISTEMA_IMPERIALE);
    Apri<FRMACQ>(Ganci.MostraFrmAcq, [](FRMACQ& f) {
        EXPECT_EQ(AdAnsi(f.LblTemperatura->text()), "Temperature [\xB0"
                                                    "C]");
        Digita(f.TxtCorsaMax, "6"), f.CmdUnselect->click(), f.ChkFreq[1]->click();
        Digita(f.TxtFreq[1], "1.9"); // 48.26 mm/s
        EXPECT_FALSE(f.ControlloVariabili());
        Digita(f.TxtFreq[1], "3"); // 76.2 mm/s
        EXPECT_TRUE(f.ControlloVariabili());
        f.CmdChiudi->click();
    });
    EXPECT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_NEAR(ParametriBanco[1].VelocitaCiclo[1], 76.2, 1e-4);
}

} // namespace
