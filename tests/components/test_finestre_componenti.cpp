// The component windows driven as a user drives them, on the offscreen platform, opened
// through the hook table the menus call; and without a window, what they commit (flags, state
// code and compatibility on the chosen project, the static shock curve that follows, the
// preload's limit and check, the test bench's parameters and acquisition) and the force table
// of the spring and the bump stop (block choice, fills by rate and by force worked by hand, row
// counts, length checks and the imperial round trip).
#include "components/Banco.h"
#include "components/DatiComponenti.h"
#include "components/EditorComponenti.h"
#include "components/FrmAcq.h"
#include "components/FrmPLoad.h"
#include "components/InsAmmortizzatore.h"
#include "components/InsMolla.h"
#include "components/InsTampone.h"
#include "components/TabellaComponente.h"
#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Unita.h"
#include "files/Assegna.h"
#include "platform/Posizione.h"
#include "platform/Testo.h"
#include "support/ProgrammaAvviato.h"
#include "support/RisposteDialoghi.h"
#include "support/Tsv.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeySequence>
#include <QTest>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

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
        Ganci.MostraCurve01Modale = [this] { ++grafici; };
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
    // No two buttons of a window take the same access key.
    static void TastiUnici(const QWidget& f) {
        std::set<int> tasti;
        for (const QAbstractButton* b : f.findChildren<QAbstractButton*>()) {
            const QKeySequence k = QKeySequence::mnemonic(b->text());
            if (k.isEmpty()) continue;
            EXPECT_TRUE(tasti.insert(k[0].toCombined()).second) << b->text().toStdString();
        }
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
        TastiUnici(f);
        EXPECT_EQ(T(f.TxtNmolle), "1");
        Digita(f.TxtLunghezza, "100"), Digita(f.TxtLunghezzaCompressa, "60"), f.CmdOK1->click();
        ASSERT_TRUE(f.OptCostModo[2]->isEnabled());
        f.OptCostModo[2]->click();
        EXPECT_EQ(std::tuple(f.GrdTabella->Rows(), f.GrdTabella->TextMatrix(42, 0)),
                  std::tuple(2 + 41, "40.00"));
        EXPECT_NEAR(LarghezzaTwips(f.TxtForza), 1335, 15);
        Seleziona(f.GrdTabella, 2, 12); // rows 0..10
        Digita(f.TxtForza, "100");
        EXPECT_EQ(std::tuple(T(f.TxtCostanteElastica), f.GrdTabella->TextMatrix(7, 1)),
                  std::tuple("10.000", "50.000"));
        QTest::keyClick(f.TxtForza, Qt::Key_Return); // the next block, rows 11..21
        EXPECT_EQ(f.GrdTabella->SelStartRow(), 13);
        Digita(f.TxtForza, "254");
        Seleziona(f.GrdTabella, 24, 42), Digita(f.TxtForza, "254"); // flat up to row 40
        f.CmdOK2->click();
    });
    EXPECT_EQ(std::tuple(p.MollaInserita, p.StatoDatiProgetto, p.ModoMolla, p.NumPuntiMolla),
              std::tuple(VERO, 2, MODO_FORZA, 40));
    EXPECT_DOUBLE_EQ(p.ForzaMolla[10], 100);
    EXPECT_NEAR(p.ForzaMolla[21], 254, 1e-9);
    EXPECT_NEAR(p.CostanteMolla[21], 14, 1e-9);
    EXPECT_EQ(std::tuple(p.ForzaMolla[40], p.CostanteMolla[40]), std::tuple(254, 0));
}

TEST_F(ComponentWindows, ConfirmingAnUneditedSpringInInchesKeepsItsMillimetres) {
    ImpostaUnitaMisura(SistemaUnita = SISTEMA_IMPERIALE);
    Progetto& p = Progetti[1];
    p.MollaInserita = VERO, p.ModoMolla = MODO_FORZA, p.NumeroMolle = 2;
    p.LungMollaLibera = 150.7, p.LungMollaMaxCompressione = 100.7;
    for (int i = 0; i <= 50; ++i) p.ForzaMolla[i] = 12.5 * i;
    Apri<INSMOLLA>(Ganci.MostraInsMolla, [](INSMOLLA& f) {
        EXPECT_EQ(std::tuple(f.GrdTabella->Rows(), f.Opt_PassoStampa[1]->text()),
                  std::tuple(2 + 51, "0.20 in"));
        EXPECT_NEAR(LarghezzaTwips(f.TxtForza), 1335, 15);
        f.CmdOK2->click();
    });
    // The free length as a file keeps it.
    EXPECT_EQ(std::tuple(p.NumPuntiMolla, p.LungMollaLibera), std::tuple(50, ComeSingolo(150.7)));
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
        TastiUnici(f);
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
        EXPECT_EQ(std::tuple(f.GrdTabella->TextMatrix(5, 1), T(f.TxtForza)),
                  std::tuple("18.000", "0\36718.000"));
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
        Digita(f.TxtCostanteElastica, "2"), f.CmdOK2->click(); // rows 0..10 at 2 N/mm^2
    });
    EXPECT_EQ(std::tuple(Progetti[1].StatoDatiProgetto, Progetti[1].NumPuntiTampone),
              std::tuple(8, 10));
    EXPECT_DOUBLE_EQ(Progetti[1].ForzaTampone[3], 18);
}

TEST_F(ComponentWindows, BumpStopCaptionsItsLengthsAsTheSpringDoes) {
    Apri<InsTampone>(Ganci.MostraInsTampone, [](InsTampone& f) {
        EXPECT_EQ(T(f.LblLunghezza) + ", " + T(f.Lbl_MaxComp),
                  "Free length, Fully compressed length");
        f.CmdEsci->click();
    });
}

// A table rebuilt by the mode choice is stored only once every row up to full compression holds
// a value (a 0 typed counts, an emptied box does not): OK names the first row without one by
// its deflection and selects it, keeping the window open as typed and storing nothing.
TEST_F(ComponentWindows, ARebuiltTableIsStoredOnlyOnceEveryRowHoldsAValue) {
    struct Blocco {
        int prima, ultima;  // grid rows
        const char* valore; // "" empties the box
    };
    const struct Caso {
        bool molla;
        int16_t modo, libera, compressa; // the lengths give rows 0..libera-compressa
        std::vector<Blocco> blocchi;
        int vuota; // the first row left without a value
        Blocco completa;
        double forza; // stored at the last row
    } casi[] = {
        {true, MODO_COSTANTE, 100, 90, {{2, 6, "20"}}, 5, {7, 12, "0"}, 80}, // 0 on purpose
        {false, MODO_FORZA, 50, 40, {{2, 11, "100"}}, 10, {12, 12, "121"}, 121},
        {true, MODO_FORZA, 100, 95, {{2, 7, "50"}, {2, 7, ""}}, 1, {2, 7, "50"}, 50}, // emptied
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(&c - casi);
        AzzeraTabelle(), NumeroProgetti = ProgettoSelezionato = 1, dialoghi.mostrati.clear();
        const Progetto& p = Progetti[1];
        const auto riempi = [&c](FinestraTabella& f, const Blocco& b) {
            Seleziona(f.GrdTabella, b.prima, b.ultima);
            QLineEdit* casella = c.modo == MODO_FORZA ? f.TxtForza : f.TxtCostanteElastica;
            if (*b.valore) return Digita(casella, b.valore);
            casella->selectAll(), QTest::keyClick(casella, Qt::Key_Backspace);
        };
        Apri<FinestraTabella>(
            c.molla ? Ganci.MostraInsMolla : Ganci.MostraInsTampone, [&](FinestraTabella& f) {
                f.show(); // so that a close shows
                Digita(f.TxtLunghezza, QString::number(c.libera));
                Digita(f.TxtLunghezzaCompressa, QString::number(c.compressa));
                f.CmdOK1->click(), f.OptCostModo[size_t(c.modo)]->click();
                for (const Blocco& b : c.blocchi) riempi(f, b);
                const int g = c.blocchi.front().ultima;
                const std::string tenuta = f.GrdTabella->TextMatrix(g, 1);
                EXPECT_EQ(tenuta.empty(), !*c.blocchi.back().valore); // emptied: blank cells
                f.CmdOK2->click();
                ASSERT_EQ(dialoghi.mostrati.size(), 1u);
                EXPECT_EQ(dialoghi.mostrati[0].testo,
                          "The force table has no value at the deflection of " +
                              std::to_string(c.vuota) +
                              ".00 mm.\nFill every row up to full compression: select the rows and "
                              "type their rate or force.");
                EXPECT_EQ(std::tuple(f.isVisible(), f.GrdTabella->SelStartRow(),
                                     f.GrdTabella->TextMatrix(g, 1), f.TxtForza->isEnabled(),
                                     f.TxtCostanteElastica->isEnabled(), p.StatoDatiProgetto),
                          std::tuple(true, c.vuota + 2, tenuta, false, false, 0));
                riempi(f, c.completa), f.CmdOK2->click();
                EXPECT_FALSE(f.isVisible());
            });
        const auto u = size_t(c.libera - c.compressa);
        EXPECT_EQ(std::tuple(dialoghi.mostrati.size(),
                             c.molla ? p.MollaInserita : p.TamponeInserito,
                             size_t(c.molla ? p.NumPuntiMolla : p.NumPuntiTampone)),
                  std::tuple(1u, VERO, u));
        EXPECT_NEAR(c.molla ? p.ForzaMolla[u] : p.ForzaTampone[u], c.forza, 1e-9);
    }
}

// A component held with its table filled only part way is stored again as it was.
TEST_F(ComponentWindows, ALoadedTableFilledPartWayCommitsAsBefore) {
    for (const bool molla : {true, false}) {
        SCOPED_TRACE(molla);
        AzzeraTabelle(), NumeroProgetti = ProgettoSelezionato = 1;
        const Progetto& p = Progetti[1];
        files::BloccoComponente b; // 100 and 60 mm long: rows 0..40, of which 0..10 hold forces
        b.Inserito = VERO;
        for (size_t i = 0; i <= 10; ++i) b.Costante[i] = 10, b.Forza[i] = 10.0f * i;
        molla ? files::CaricaMolla({b, 1, 100, 60, 0}, 1)
              : files::CaricaTampone({b, 100, 60, 0}, 1);
        Apri<FinestraTabella>(molla ? Ganci.MostraInsMolla : Ganci.MostraInsTampone,
                              [](FinestraTabella& f) { f.CmdOK2->click(); });
        const auto& forza = molla ? p.ForzaMolla : p.ForzaTampone;
        EXPECT_EQ(std::tuple(dialoghi.mostrati.size(), molla ? p.NumPuntiMolla : p.NumPuntiTampone,
                             forza[10], forza[11],
                             p.ModificatoFile[molla ? MOD_MOLLA : MOD_TAMPONE]),
                  std::tuple(0u, 40, 100, 0, VERO));
    }
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
        EXPECT_EQ(T(f.Lbl_LungMolla) + T(f.LblReference[2]), "250.00<=250.0");
        Digita(f.TxtR, "80");
        EXPECT_EQ(T(f.Lbl_LungMolla) + T(f.LblReference[0]), "250.00-");
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
        EXPECT_EQ(std::tuple(T(f.TxtPressione), f.LblForzaGasIN->isHidden()),
                  std::tuple("0.0", true));
        f.CMDAnnulla->click();
    });
    EXPECT_EQ(std::tuple(p.ForzaGas, p.ModificatoFile[MOD_AMMORTIZZATORE]), std::tuple(0, VERO));
}

TEST_F(ComponentWindows, PreloadWithinItsLimitAndTheCoilBoundCheck) {
    Progetto& p = Progetti[1];
    p.MollaInserita = VERO, p.LungMollaLibera = 250, p.LungMollaMaxCompressione = 200;
    p.NumPuntiAmmortizzatore = 30, p.InterasseAmmortizzatore = 355;
    p.LunghezzaStaticaAmmortizzatore = 350, p.PrecaricoMollaInserita = 10;
    Apri<FrmPLoad>(Ganci.MostraFrmPLoad, [this](FrmPLoad& f) {
        EXPECT_DOUBLE_EQ(f.PrecaricoMassimo, 15);
        Digita(f.TxtPrecarico, "16");
        EXPECT_EQ(std::tuple(T(f.TxtPrecarico), dialoghi.beep), std::tuple("1", 1));
        Digita(f.TxtPrecarico, "2");
        EXPECT_EQ(T(f.LblPreload[2]), "17.00");
        Suggerisci(f.LblPrecarico[0]);
        EXPECT_EQ(Suggerimento(), "ALLOWED RANGE: [0; 15.00] mm");
        f.Cmd_Ok->click();
    });
    EXPECT_EQ(std::tuple(p.PrecaricoSetup, p.PrecaricoImpostato), std::tuple(2, VERO));
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

// With a shock absorber and no spring (no static curve) only the window's own 1000 mm limit.
TEST_F(ComponentWindows, PreloadWithoutASpringIsLimitedByTheWindowAlone) {
    ConfermaAmmortizzatore({50, 50, 40, 250});
    ASSERT_EQ(Progetti[1].NumPuntiAmmortizzatore, -1);
    Apri<FrmPLoad>(Ganci.MostraFrmPLoad, [this](FrmPLoad& f) {
        EXPECT_DOUBLE_EQ(f.PrecaricoMassimo, 1000);
        Digita(f.TxtPrecarico, "25");
        EXPECT_EQ(std::tuple(T(f.TxtPrecarico), dialoghi.beep), std::tuple("25", 0));
        f.Cmd_Ok->click();
    });
    EXPECT_EQ(Progetti[1].PrecaricoSetup, 25);
}

// A bench whose load grows 10 N per mm from 100 N, measured every 5 mm over the stroke range.
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
    const auto& f = p.ForzaStaticaAmmortizzatore; // measured every 5 mm: row 12 between two
    EXPECT_EQ(std::tuple(p.AsseCorsaAmmortizzatore[30], f[0], f[12], f[30]),
              std::tuple(40, 200, 320, 500));
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

// Enter in a box of the bench window or on a tick presses OK, its default button: the entries
// are stored and the window closes. A speed out of range keeps it open on its message, and
// Escape still closes it without storing.
TEST_F(ComponentWindows, EnterInTheBenchWindowPressesOkAndEscapeCloses) {
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const bool valida = k < 3; // the last speed is under the slowest
        const size_t messaggi = dialoghi.mostrati.size();
        bool aperta = true;
        Apri<FRMACQ>(Ganci.MostraFrmAcq, [&](FRMACQ& f) {
            f.show(), QCoreApplication::processEvents();
            Digita(f.TxtCorsaMin, QString::number(k + 2)), Digita(f.TxtCorsaMax, "40");
            f.CmdUnselect->click(), f.ChkFreq[3]->click();
            Digita(f.TxtFreq[3], valida ? "120" : "20");
            QWidget* caselle[] = {f.TxtCorsaMin, f.TxtFreq[3], f.ChkFreq[3], f.TxtFreq[3]};
            QWidget* w = caselle[k];
            w->setFocus(Qt::TabFocusReason);
            QTest::keyClick(w, k == 1 ? Qt::Key_Enter : Qt::Key_Return, // from the keypad once
                            k == 1 ? Qt::KeypadModifier : Qt::NoModifier);
            if ((aperta = f.isVisible())) QTest::keyClick(w, Qt::Key_Escape);
            EXPECT_FALSE(f.isVisible());
        });
        EXPECT_EQ(aperta, !valida);
        // OK stores and tells no bench is connected; a speed out of range is told instead.
        ASSERT_EQ(dialoghi.mostrati.size(), messaggi + 1);
        EXPECT_EQ(dialoghi.mostrati.back().testo == Riga(Messaggi, 57), valida);
        EXPECT_EQ(ParametriBanco[1].CorsaMinima, valida ? k + 2 : k + 1);
        EXPECT_EQ(ParametriBanco[1].NumeroCicli(), 1);
    }
}

// Without a window: what the component windows commit, and their force table.
class Commit : public test::TabelleAzzerate {
  protected:
    void SetUp() override { TabelleAzzerate::SetUp(), Azzera(); }
    static void Azzera() {
        AzzeraTabelle(), ImpostaUnitaMisura(SISTEMA_METRICO);
        NumeroProgetti = ProgettoSelezionato = 1;
    }
    // A shock absorber of seat distance 120 and stroke 50.
    static void Ammortizzatore(Progetto& p) {
        p.AmmortizzatoreInserito = VERO, p.QuotaA = 30, p.QuotaB = 50, p.CorsaAmmortizzatore = 50;
        p.InterasseAmmortizzatore = 200, p.LungMollaAmmortizzatore = 120;
    }
    // A spring of 10 N/mm between the given lengths.
    static TabellaComponente Molla(double libera, double compressa) {
        TabellaComponente t(LeggeForza::Lineare);
        t.LiberaMm = libera, t.CompressaMm = compressa;
        t.RiempiCostante(0, t.UltimaRiga() + 1, 10);
        return t;
    }
};

TEST_F(Commit, TheSpringIsCheckedAgainstTheShockAbsorberAndTheStaticCurveFollows) {
    // Fitted preload |free - 120|: row 10 of a 10 N/mm spring gives 100 N at stroke 0.
    for (const auto& [libera, compatibile, forza0] : {std::tuple{130, 1, 100}, {110, 0, 0}}) {
        Azzera();
        Progetto& p = Progetti[1];
        Ammortizzatore(p);
        SalvaDatiMolla(Molla(libera, 60), MODO_COSTANTE, 1);
        EXPECT_EQ(
            std::tuple(p.MollaCompatibile, p.ForzaStaticaAmmortizzatore[0], p.StatoDatiProgetto),
            std::tuple(compatibile, forza0, 6))
            << libera;
        EXPECT_EQ(p.ModificatoFile[MOD_MOLLA] & p.ModificatoFile[MOD_PROGETTO], VERO);
    }
}

// A spring as long as its seat fits, whatever the rounding or the setup preload (counted once):
// the window's check and both files' agree. Free lengths `da` to `a` by 0.1 mm, coil-bound 60.
TEST_F(Commit, ASpringAsLongAsItsSeatFitsWhateverTheRoundingOrTheSetupPreload) {
    struct Caso {
        double interasse, setup, da, a;
        bool entra;
    };
    for (const Caso& c : {Caso{195, 0, 95, 120, true},
                          {195, 0, 94.9, 94.9, false},
                          {250, 1, 150, 170, true},
                          {250, 1, 149.9, 149.9, false}}) {
        Azzera();
        Progetto& p = Progetti[1];
        ConfermaAmmortizzatore({50, 50, 40, c.interasse});
        ASSERT_TRUE(ConfermaPrecarico(c.setup));
        p.GeometriaInserita = VERO, p.LunghezzaStaticaAmmortizzatore = c.interasse - 10;
        const auto dieci = [](double x) { return int(std::lround(x * 10)); };
        for (int d = dieci(c.da); d <= dieci(c.a); ++d) {
            const float libera = float(d / 10.0);
            SCOPED_TRACE(libera);
            // The window judges the length as typed (a double), the files as stored.
            EXPECT_EQ(Molla(d / 10.0, 60).ControllaLunghezze(p), c.entra ? 0 : MSG_MOLLA_SEDE);
            files::RecordMolla m;
            m.Molla.Inserito = VERO, m.LungLibera = libera, m.LungMaxCompressione = 60;
            const files::Avvisi perMolla = files::CaricaMolla(m, 1);
            const int16_t compatibile = p.MollaCompatibile;
            files::RecordAmmortizzatore a;
            a.Inserito = VERO, a.Lunghezze = {libera, 60};
            a.Quote = {50, 50, 40, float(c.interasse - 100), float(c.interasse)};
            const auto avviso = [&c](int n) {
                return c.entra ? files::Avvisi{} : files::Avvisi{{&Messaggi, n}};
            };
            EXPECT_EQ(std::tuple(perMolla, files::CaricaAmmortizzatore(a, 1), compatibile),
                      std::tuple(avviso(31), avviso(29), c.entra ? 1 : 0));
        }
    }
    // The last spring (170 in a seat of 150, setup 1): fitted 10, and row 11 at stroke 0.
    const Progetto& p = Progetti[1];
    SalvaDatiMolla(Molla(170, 100), MODO_COSTANTE, 1);
    EXPECT_EQ(std::tuple(p.PrecaricoMollaInserita, p.ForzaStaticaAmmortizzatore[0]),
              std::tuple(20.0, 210.0));
}

// A longer shock absorber gives the spring a new seat: the spring is judged with the preload
// of that seat, and the static curve follows it.
TEST_F(Commit, ALongerShockAbsorberKeepsTheSpringAndMovesItsCurve) {
    const Progetto& p = Progetti[1];
    ConfermaAmmortizzatore({40, 60, 80, 350});
    const TabellaComponente molla = Molla(270, 150);
    SalvaDatiMolla(molla, MODO_COSTANTE, 1);
    EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[0], 200); // 270 in a seat of 250
    ConfermaAmmortizzatore({40, 60, 80, 360});
    EXPECT_EQ(std::tuple(p.MollaCompatibile, molla.ControllaLunghezze(p)), std::tuple(1, 0));
    EXPECT_DOUBLE_EQ(p.PrecaricoMollaInserita, 10);
    EXPECT_DOUBLE_EQ(p.ForzaStaticaAmmortizzatore[0], 100); // 270 in a seat of 260
}

TEST_F(Commit, TheBumpStopJoinsTheStaticCurveOnceTouched) {
    Progetto& p = Progetti[1];
    Ammortizzatore(p);
    SalvaDatiMolla(Molla(130, 60), MODO_COSTANTE, 1); // fitted preload 10
    EXPECT_EQ(p.ForzaStaticaAmmortizzatore[40], 500);
    TabellaComponente tampone(LeggeForza::Quadratica); // 1 N/mm^2, touched at stroke 30
    tampone.LiberaMm = 20, tampone.CompressaMm = 8, tampone.RiempiCostante(0, 13, 1);
    SalvaDatiTampone(tampone, MODO_COSTANTE);
    // Points: min(120 - 60, 50 - 8); at stroke 40: 10 x 50 + 10^2.
    EXPECT_EQ(std::tuple(p.TamponeCompatibile, p.NumPuntiAmmortizzatore), std::tuple(1, 42));
    EXPECT_EQ(std::tuple(p.ForzaStaticaAmmortizzatore[29], p.ForzaStaticaAmmortizzatore[40]),
              std::tuple(390, 600));
}

TEST_F(Commit, EveryCommitActsOnTheChosenProjectOnly) {
    NumeroProgetti = 3, ProgettoSelezionato = 2;
    TabellaComponente tampone(LeggeForza::Quadratica);
    tampone.LiberaMm = 30, SalvaDatiTampone(tampone, MODO_FORZA);
    SalvaDatiMolla(Molla(130, 60), MODO_COSTANTE, 2);
    const Progetto &p = Progetti[2], &q = Progetti[3];
    EXPECT_EQ(std::tuple(p.StatoDatiProgetto, p.ModificatoFile[MOD_TAMPONE]), std::tuple(10, VERO));
    EXPECT_EQ(std::tuple(q.StatoDatiProgetto, q.MollaInserita, q.ModificatoFile[MOD_PROGETTO]),
              std::tuple(0, FALSO, FALSO));
    EXPECT_EQ(NumeroProgetti, 3);
}

TEST_F(Commit, TheShockAbsorberIsAlwaysStoredAndMarkedByItsCheck) {
    using Caso = std::pair<DimensioniAmmortizzatore, bool>; // valid or not
    for (const auto& [d, valido] :
         {Caso{{40, 60, 50, 150}, true}, Caso{{40, 60, 0, 150}, false},
          Caso{{40, 60, 10, 100}, false}, Caso{{40, 60, 51, 150}, false}}) {
        Azzera();
        Progetto& p = Progetti[1];
        // A spring entered and fitting the shock absorber held before.
        SalvaDatiMolla(Molla(130, 40), MODO_COSTANTE, 1);
        Ammortizzatore(p), p.MollaCompatibile = 1;
        EXPECT_EQ(ConfermaAmmortizzatore(d), valido);
        EXPECT_EQ(std::tuple(p.QuotaA, p.CorsaAmmortizzatore, p.LungMollaAmmortizzatore),
                  std::tuple(d.A, d.Corsa, d.SedeMolla()));
        EXPECT_EQ(p.InterasseMinimo, static_cast<float>(d.Interasse - d.Corsa));
        EXPECT_EQ(std::tuple(p.AmmortizzatoreInserito, p.StatoDatiProgetto,
                             p.ModificatoFile[MOD_AMMORTIZZATORE]),
                  std::tuple(valido ? VERO : FALSO, valido ? 6 : 2, VERO));
    }
    // The last valid one: seat 50 against a free length of 130 fits; the static curve follows
    // the new seat distance (fitted preload 80, row 80 of the spring).
    ConfermaAmmortizzatore({40, 60, 50, 150});
    EXPECT_EQ(std::tuple(Progetti[1].MollaCompatibile, Progetti[1].ForzaStaticaAmmortizzatore[0]),
              std::tuple(1, 800));
}

TEST_F(Commit, TheShockAbsorberFitsTheGeometryByTheReadersTest) {
    Progetto& p = Progetti[1];
    SalvaDatiMolla(Molla(130, 40), MODO_COSTANTE, 1);
    p.GeometriaInserita = VERO;
    for (const auto& [statica, compatibile] : {std::pair{300, 1}, {350, 1}, {351, 0}}) {
        p.LunghezzaStaticaAmmortizzatore = statica;
        ConfermaAmmortizzatore({100, 130, 50, 350}); // seat 120
        EXPECT_EQ(p.AmmortizzatoreCompatibile, compatibile) << statica;
    }
}

TEST_F(Commit, PreloadLimitAndCheck) {
    Progetto& p = Progetti[1];
    p.MollaInserita = VERO, p.LungMollaLibera = 250, p.LungMollaMaxCompressione = 200;
    p.NumPuntiAmmortizzatore = 30, p.InterasseAmmortizzatore = 355;
    p.LunghezzaStaticaAmmortizzatore = 350, p.PrecaricoMollaInserita = 10;
    EXPECT_DOUBLE_EQ(PrecaricoAlloggiamento(p), 5);
    EXPECT_DOUBLE_EQ(PrecaricoMassimoMm(p), 15); // 250 - 200 - 30 - |5 - 10|
    p.NumPuntiAmmortizzatore = 45;
    EXPECT_DOUBLE_EQ(PrecaricoMassimoMm(p), 1000);
    p.LungMollaMaxCompressione = 240;
    EXPECT_FALSE(ConfermaPrecarico(3)); // 250 - 10 is not above 240
    EXPECT_EQ(p.PrecaricoSetup, 0);
    p.PrecaricoMollaInserita = 9;
    for (int16_t modificato : {VERO, FALSO}) { // the same preload again is no change
        EXPECT_TRUE(ConfermaPrecarico(3));
        EXPECT_EQ(std::tuple(p.PrecaricoSetup, p.PrecaricoImpostato), std::tuple(3, VERO));
        // The preload is kept with the project only: it marks its spring and the project.
        EXPECT_EQ(p.ModificatoFile[MOD_MOLLA] & p.ModificatoFile[MOD_PROGETTO], modificato);
        p.ModificatoFile.fill(FALSO);
    }
    EXPECT_TRUE(dialoghi.mostrati.empty()) << "no solver run without a geometry";
    p.GeometriaInserita = VERO; // an empty chain: the solver runs and finds nothing
    p.NumPunti = 99;
    EXPECT_TRUE(ConfermaPrecarico(4));
    EXPECT_LT(p.NumPunti, 2);
    // A rerun the user did not ask for by name reports nothing; CALCULATE does.
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Commit, BenchParametersAreCheckedInOrder) {
    const auto casi = test::LeggiTsv(QT_TESTCASE_SOURCEDIR "/components/data/bench-parameters.tsv");
    ASSERT_EQ(casi.size(), 9u);
    for (const auto& c : casi) {
        ParametriAcquisizione par;
        par.CorsaMinima = std::stof(c[0]), par.CorsaMassima = std::stof(c[1]);
        if (const int ciclo = std::stoi(c[2]))
            par.CicloAttivo[ciclo] = true, par.VelocitaCiclo[ciclo] = std::stof(c[3]);
        EXPECT_EQ(ControllaParametri(par), std::stoi(c[4])) << c[0] << " " << c[1];
    }
}

using ForceTable = Commit;

TEST_F(ForceTable, AClickFillsDownFromTheFirstEmptyRowNeverPastIt) {
    // Rows 0..pieni-1 hold a rate; a click on `riga` starts the block at `inizio`.
    for (const auto& [pieni, riga, inizio] :
         {std::tuple{2, 3, 2}, {1, 3, 0}, {5, 3, 3}, {0, 3, 0}, {0, 0, 0}, {1001, 1000, 1000}}) {
        TabellaComponente t(LeggeForza::Lineare);
        for (int i = 0; i < pieni; ++i) t.TabellaCostanti[i] = 1;
        EXPECT_EQ(t.InizioBlocco(riga), inizio) << pieni << " filled, click " << riga;
    }
}

TEST_F(ForceTable, RateAndForceFillsFollowTheirLaw) {
    const auto casi = test::LeggiTsv(QT_TESTCASE_SOURCEDIR "/components/data/force-fills.tsv");
    ASSERT_EQ(casi.size(), 8u);
    for (const auto& c : casi) {
        TabellaComponente t(c[0] == "spring" ? LeggeForza::Lineare : LeggeForza::Quadratica);
        const size_t primo = std::stoul(c[2]), righe = std::stoul(c[3]);
        const double valore = std::stod(c[4]);
        t.TabellaCostanti[0] = 7;
        if (primo > 0) t.TabellaForze[primo - 1] = std::stod(c[5]);
        const double k = c[1] == "force"
                             ? t.RiempiForza(int(primo), int(righe), valore)
                             : (t.RiempiCostante(int(primo), int(righe), valore), valore);
        EXPECT_NEAR(k, std::stod(c[6]), 1e-12) << valore;
        std::istringstream forze(c[7]);
        size_t i = primo;
        for (double f; forze >> f; ++i)
            EXPECT_NEAR(t.TabellaForze[i], f, 1e-9) << valore << " row " << i;
        EXPECT_GT(i, primo) << "forces listed";
        EXPECT_NEAR(t.TabellaForze[primo + righe - 1], std::stod(c[8]), 1e-6);
        EXPECT_EQ(t.TabellaCostanti[primo + righe - 1], k);
        EXPECT_EQ(t.TabellaForze[primo + righe], 0) << "nothing past the block";
    }
}

TEST_F(ForceTable, LengthsAreCheckedAgainstEachOtherAndTheShockAbsorber) {
    const auto casi = test::LeggiTsv(QT_TESTCASE_SOURCEDIR "/components/data/length-checks.tsv");
    ASSERT_EQ(casi.size(), 12u);
    for (const auto& c : casi) {
        const auto n = [&c](size_t i) { return std::stod(c[i]); };
        TabellaComponente t(c[0] == "spring" ? LeggeForza::Lineare : LeggeForza::Quadratica);
        t.LiberaMm = n(1), t.CompressaMm = n(2);
        Progetto p;
        p.AmmortizzatoreInserito = c[3] == "yes" ? VERO : FALSO, p.LungMollaAmmortizzatore = n(4);
        p.PrecaricoMollaInserita = n(5), p.CorsaAmmortizzatore = n(6);
        p.PrecaricoImpostato = VERO; // the preload stands as given
        EXPECT_EQ(t.ControllaLunghezze(p), std::stoi(c[7])) << c[1] << " / " << c[2];
    }
}

TEST_F(ForceTable, RowCountsAreWholeStepsWithoutLosingOneToRounding) {
    TabellaComponente t(LeggeForza::Lineare);
    for (const auto& [libera, compressa, righe] : std::vector<std::tuple<double, double, int>>{
             {150.7, 100.7, 50}, {0.3 + 0.6, 0.9 - 1, 1}, {60.99, 10, 50}, {10, 40, -30}}) {
        t.LiberaMm = libera, t.CompressaMm = compressa;
        EXPECT_EQ(t.UltimaRiga(), righe) << libera << " - " << compressa;
    }
}

TEST_F(ForceTable, ImperialTablesGoBackToTheSameMillimetresAndNewtons) {
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    Progetto origine;
    origine.MollaInserita = VERO, origine.LungMollaLibera = 150.7;
    origine.LungMollaMaxCompressione = 100.7;
    for (int i = 0; i <= 50; ++i) origine.CostanteMolla[i] = 12.5, origine.ForzaMolla[i] = 12.5 * i;
    TabellaComponente molla(LeggeForza::Lineare);
    molla.CaricaMolla(origine);
    Progetto copia;
    copia.ForzaMolla[51] = 999; // a longer spring held before
    molla.ScriviMolla(copia, MODO_COSTANTE, 2);
    EXPECT_EQ(
        std::tuple(copia.NumPuntiMolla, copia.LungMollaLibera, copia.LungMollaMaxCompressione),
        std::tuple(50, ComeSingolo(150.7), ComeSingolo(100.7)));
    EXPECT_NEAR(copia.ForzaMolla[50], 625, 1e-9);
    EXPECT_NEAR(copia.CostanteMolla[50], 12.5, 1e-9);
    EXPECT_EQ(copia.ForzaMolla[51], 0);

    // A bump-stop coefficient of 1 Lb/in^2 is F0^2 / F1 N/mm^2, its force that times mm^2.
    TabellaComponente tampone(LeggeForza::Quadratica);
    tampone.LiberaMm = 40, tampone.RiempiCostante(0, 11, 1.0);
    tampone.ScriviTampone(copia, MODO_COSTANTE);
    const double f0 = FattoreUnita[UNITA_LUNGHEZZA], f1 = FattoreUnita[UNITA_FORZA];
    EXPECT_NEAR(copia.CostanteTampone[10], f0 * f0 / f1, 1e-7);
    EXPECT_NEAR(copia.ForzaTampone[10], 100 * f0 * f0 / f1, 1e-7);
    EXPECT_NEAR(tampone.TabellaForze[10], 100 * f0 * f0, 1e-9); // Lb at 10 mm = (10 f0) in
}

} // namespace
