// Enabling by project state over every state code, against fake windows that record what
// was set (and what was never touched), and through the Qt adapter on real actions/widgets.
#include "core/Progetti.h"
#include "core/Unita.h"
#include "shell/Abilitazione.h"
#include "shell/ControlliQt.h"
#include "support/Risposte.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>

using namespace kelvra;

namespace {

// Records every property set; a property never set reads as nullopt.
class FinestraFinta : public ControlliCurve {
  public:
    using Chiave = std::pair<Controllo, int>;
    std::map<Chiave, bool> abilitato, visibile, spuntato;
    std::optional<int16_t> tipoGrafico;

    void ImpostaAbilitato(Controllo c, int i, bool v) override { abilitato[{c, i}] = v; }
    void ImpostaVisibile(Controllo c, int i, bool v) override { visibile[{c, i}] = v; }
    void ImpostaSpuntato(Controllo c, int i, bool v) override { spuntato[{c, i}] = v; }
    bool Abilitato(Controllo c, int i) const override {
        auto it = abilitato.find({c, i});
        return it != abilitato.end() && it->second;
    }
    void ImpostaTipoGrafico(int16_t t) override { tipoGrafico = t; }

    std::optional<bool> A(Controllo c, int i = 0) const { return Leggi(abilitato, c, i); }
    std::optional<bool> V(Controllo c, int i = 0) const { return Leggi(visibile, c, i); }
    std::optional<bool> S(Controllo c, int i = 0) const { return Leggi(spuntato, c, i); }

  private:
    static std::optional<bool> Leggi(const std::map<Chiave, bool>& m, Controllo c, int i) {
        auto it = m.find({c, i});
        if (it == m.end()) return std::nullopt;
        return it->second;
    }
};

// The state sets, written out as lists (not as bit tests) so they check the code's rule.
const std::set<int> kGeometria{1, 3, 5, 7, 9, 11, 13, 15};
const std::set<int> kMolla{2, 3, 6, 7, 10, 11, 14, 15};
const std::set<int> kAmmortizzatore{4, 5, 6, 7, 12, 13, 14, 15};
const std::set<int> kTampone{8, 9, 10, 11, 12, 13, 14, 15};
const std::set<int> kQualcheRisultato{1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
const std::set<int> kCompleto{7, 15};

bool In(const std::set<int>& s, int c) {
    return s.count(c) > 0;
}

// The charts a state allows, from the dependency of each chart on the data entered.
bool GraficoPermesso(int grafico, int c) {
    const bool g = In(kGeometria, c), m = In(kMolla, c), a = In(kAmmortizzatore, c),
               t = In(kTampone, c);
    if (grafico <= 6) return g;
    if (grafico == 7) return m;
    if (grafico == 8) return m && a;
    if (grafico == 9) return t;
    if (grafico == 10) return g && m && a;
    return g && a && (m || t);
}

int PrimoAtteso(int c) {
    if (c == 2 || c == 6 || c == 10 || c == 14) return 7;
    if (c == 8 || c == 9 || c == 12) return 9;
    return 1;
}

class Abilitazione : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        SistemaUnita = 1;
    }
    void Stato(int c, int n = 1) {
        NumeroProgetti = static_cast<int16_t>(n);
        Progetti[n].StatoDatiProgetto = static_cast<int16_t>(c);
    }
};

// ---- start screen -----------------------------------------------------------------------

TEST_F(Abilitazione, StartScreenFollowsEveryStateCode) {
    for (int c = 0; c <= 15; ++c) {
        SCOPED_TRACE(c);
        Stato(c);
        FinestraFinta f;
        AttivaMenuFrmMenu(f);
        EXPECT_EQ(f.A(Controllo::MenuItem, 7), In(kQualcheRisultato, c));
        EXPECT_EQ(f.A(Controllo::MenuItem, 8), In(kQualcheRisultato, c));
        EXPECT_EQ(f.A(Controllo::MenuItem, 9), In(kGeometria, c));
        EXPECT_EQ(f.A(Controllo::FileItem, 6), In(kCompleto, c));
        EXPECT_EQ(f.A(Controllo::SchemaItem, 6), In(kGeometria, c));
        EXPECT_EQ(f.A(Controllo::AmmortizzatoreItem, 5), In(kAmmortizzatore, c));
        EXPECT_EQ(f.A(Controllo::MollaItem, 5), In(kMolla, c));
        EXPECT_EQ(f.A(Controllo::TamponeItem, 5), In(kTampone, c));

        const std::pair<int, bool> pulsanti[] = {
            {2, In(kCompleto, c)},         {6, In(kGeometria, c)}, {10, In(kAmmortizzatore, c)},
            {14, In(kMolla, c)},           {18, In(kTampone, c)},  {21, In(kQualcheRisultato, c)},
            {22, In(kQualcheRisultato, c)}};
        for (auto [i, on] : pulsanti) {
            EXPECT_EQ(f.V(Controllo::CmdMenu, i), on) << "button " << i;
            EXPECT_EQ(f.V(Controllo::CmdMenu, i + 50), !on) << "twin " << i + 50;
            // The buttons are shown or hidden, never disabled.
            EXPECT_FALSE(f.A(Controllo::CmdMenu, i).has_value());
        }
        EXPECT_EQ(f.A(Controllo::FileItem, 4), false);
        EXPECT_EQ(f.S(Controllo::UnitaItem, 1), true);
        EXPECT_EQ(f.S(Controllo::UnitaItem, 2), false);
    }
}

TEST_F(Abilitazione, StartScreenStateZeroShowsAllSevenTwins) {
    Stato(0);
    FinestraFinta f;
    AttivaMenuFrmMenu(f);
    int gemelliVisibili = 0, pulsantiVisibili = 0;
    for (auto& [k, v] : f.visibile) {
        if (k.second > 50 && v) ++gemelliVisibili;
        if (k.second < 50 && v) ++pulsantiVisibili;
    }
    EXPECT_EQ(gemelliVisibili, 7);
    EXPECT_EQ(pulsantiVisibili, 0);
}

TEST_F(Abilitazione, StartScreenBadStateRunsOnlyTheCommonPart) {
    for (int c : {-1, 16, 99}) {
        Stato(c, 3);
        SistemaUnita = 2;
        FinestraFinta f;
        AttivaMenuFrmMenu(f);
        EXPECT_EQ(f.abilitato.size(), 1u);
        EXPECT_EQ(f.A(Controllo::FileItem, 4), true);
        EXPECT_TRUE(f.visibile.empty());
        EXPECT_EQ(f.S(Controllo::UnitaItem, 1), false);
        EXPECT_EQ(f.S(Controllo::UnitaItem, 2), true);
    }
}

TEST_F(Abilitazione, UnitTicksLeftAloneWithoutAUnitSystem) {
    Stato(7);
    SistemaUnita = 0;
    FinestraFinta f, g;
    AttivaMenuFrmMenu(f);
    AttivaMenuCurve(g);
    EXPECT_TRUE(f.spuntato.empty());
    EXPECT_TRUE(g.spuntato.empty());
}

TEST_F(Abilitazione, RegisteredStartScreenIsTheOneEnabled) {
    Stato(15, 2);
    AttivaMenuFrmMenu(); // none registered: nothing to do, no crash
    FinestraFinta f;
    RegistraFrmMenu(&f);
    AttivaMenuFrmMenu();
    RegistraFrmMenu(nullptr);
    EXPECT_EQ(f.A(Controllo::FileItem, 6), true);
    EXPECT_EQ(f.A(Controllo::FileItem, 4), true);
    EXPECT_EQ(FrmMenuRegistrato(), nullptr);
}

TEST_F(Abilitazione, ProjectCountOutsideItsRangeTouchesNothing) {
    for (int n : {0, 7, -3}) {
        NumeroProgetti = static_cast<int16_t>(n);
        FinestraFinta f;
        AttivaMenuFrmMenu(f);
        AttivaMenuCurve(f);
        AttivaMenuInsGeo(f);
        EXPECT_TRUE(f.abilitato.empty() && f.visibile.empty() && f.spuntato.empty());
        EXPECT_FALSE(f.tipoGrafico.has_value());
    }
}

// ---- graph window -----------------------------------------------------------------------

TEST_F(Abilitazione, GraphChartsAndFirstChartInEveryState) {
    for (int c = 0; c <= 15; ++c) {
        SCOPED_TRACE(c);
        Stato(c);
        FinestraFinta f;
        AttivaMenuCurve(f);
        for (int i = 1; i <= 14; ++i) {
            EXPECT_EQ(f.A(Controllo::CmdCurve, i), GraficoPermesso(i, c)) << "chart " << i;
            EXPECT_EQ(f.A(Controllo::GraficiItem, i), GraficoPermesso(i, c)) << "chart " << i;
        }
        EXPECT_EQ(f.tipoGrafico, PrimoAtteso(c));
        EXPECT_EQ(f.A(Controllo::FileItem, 6), In(kCompleto, c));
        EXPECT_EQ(f.A(Controllo::FileItem, 7), In(kCompleto, c));
        EXPECT_EQ(f.A(Controllo::FileItem, 4), false);
        EXPECT_EQ(f.V(Controllo::MenuItem, 3), false);
        EXPECT_EQ(f.V(Controllo::InfoItem, 2), false);
    }
}

TEST_F(Abilitazione, GraphHandPickedStates) {
    Stato(4);
    FinestraFinta f4;
    AttivaMenuCurve(f4);
    for (int i = 1; i <= 14; ++i) EXPECT_EQ(f4.A(Controllo::CmdCurve, i), false);
    EXPECT_EQ(f4.tipoGrafico, 1);

    Stato(9);
    FinestraFinta f9;
    AttivaMenuCurve(f9);
    EXPECT_EQ(f9.A(Controllo::CmdCurve, 9), true);
    EXPECT_EQ(f9.A(Controllo::GraficiItem, 9), true);
    EXPECT_EQ(f9.A(Controllo::CmdCurve, 3), true);
    EXPECT_EQ(f9.tipoGrafico, 9); // starts on the bump stop though the geometry charts are on

    Stato(12);
    FinestraFinta f12;
    AttivaMenuCurve(f12);
    EXPECT_EQ(f12.A(Controllo::FileItem, 6), false);
    EXPECT_EQ(f12.A(Controllo::FileItem, 7), false);

    // 7 lacks the bump stop: chart 9 off; 15 has all.
    Stato(7);
    FinestraFinta f7;
    AttivaMenuCurve(f7);
    EXPECT_EQ(f7.A(Controllo::CmdCurve, 9), false);
    EXPECT_EQ(f7.A(Controllo::CmdCurve, 10), true);
    EXPECT_EQ(f7.A(Controllo::FileItem, 6), true);
}

TEST_F(Abilitazione, GraphAcquisitionEnablesChartEightInEveryState) {
    for (int c = 0; c <= 15; ++c) {
        SCOPED_TRACE(c);
        Stato(c);
        Progetti[1].AcquisizioneAttiva = VERO;
        FinestraFinta f;
        AttivaMenuCurve(f);
        EXPECT_EQ(f.A(Controllo::CmdCurve, 8), true);
        EXPECT_EQ(f.A(Controllo::GraficiItem, 8), true);
        EXPECT_EQ(f.A(Controllo::FileItem, 6), false);
        EXPECT_EQ(f.A(Controllo::FileItem, 7), false);
        EXPECT_EQ(f.tipoGrafico, 8);
        for (int i = 1; i <= 14; ++i) {
            if (i != 8) {
                EXPECT_EQ(f.A(Controllo::CmdCurve, i), GraficoPermesso(i, c));
            }
        }
    }
}

TEST_F(Abilitazione, GraphAcquisitionFlagHoldingOneDoesNotCount) {
    Stato(0);
    Progetti[1].AcquisizioneAttiva = 1;
    FinestraFinta f;
    AttivaMenuCurve(f);
    EXPECT_EQ(f.A(Controllo::CmdCurve, 8), false);
    EXPECT_EQ(f.tipoGrafico, 1);
}

TEST_F(Abilitazione, GraphAcquisitionOnlyOfTheNewestProject) {
    Stato(0, 2);
    Progetti[1].AcquisizioneAttiva = VERO;
    FinestraFinta f;
    AttivaMenuCurve(f);
    EXPECT_EQ(f.A(Controllo::CmdCurve, 8), false);
    EXPECT_EQ(f.A(Controllo::FileItem, 4), true);
}

TEST_F(Abilitazione, GraphBadStateDisablesEveryChartAndStartsOnOne) {
    Stato(16);
    SistemaUnita = 2;
    FinestraFinta f;
    for (int i = 1; i <= 14; ++i) f.ImpostaAbilitato(Controllo::CmdCurve, i, true);
    f.ImpostaAbilitato(Controllo::FileItem, 6, true);
    AttivaMenuCurve(f);
    for (int i = 1; i <= 14; ++i) EXPECT_EQ(f.A(Controllo::CmdCurve, i), false);
    EXPECT_EQ(f.A(Controllo::FileItem, 6), true); // not a state: kept
    EXPECT_EQ(f.tipoGrafico, 1);
    EXPECT_EQ(f.S(Controllo::UnitaItem, 2), true);
}

// ---- geometry editor --------------------------------------------------------------------

TEST_F(Abilitazione, EditorFollowsEveryStateCode) {
    for (int c = 0; c <= 15; ++c) {
        SCOPED_TRACE(c);
        Stato(c);
        FinestraFinta f;
        AttivaMenuInsGeo(f);
        const bool g = In(kGeometria, c);
        EXPECT_EQ(f.A(Controllo::MenuItem, 9), g);
        EXPECT_EQ(f.A(Controllo::MenuItem, 10), In(kQualcheRisultato, c));
        EXPECT_EQ(f.A(Controllo::MenuItem, 11), In(kQualcheRisultato, c));
        EXPECT_EQ(f.A(Controllo::MenuItem, 12), g);
        EXPECT_EQ(f.A(Controllo::FileItem, 6), In(kCompleto, c));
        EXPECT_EQ(f.A(Controllo::FileItem, 10), g);
        EXPECT_EQ(f.A(Controllo::SchemaItem, 6), g);
        EXPECT_EQ(f.A(Controllo::AmmortizzatoreItem, 5), In(kAmmortizzatore, c));
        EXPECT_EQ(f.A(Controllo::MollaItem, 5), In(kMolla, c));
        EXPECT_EQ(f.A(Controllo::TamponeItem, 5), In(kTampone, c));
        EXPECT_EQ(f.A(Controllo::CmdSimula), g);
        EXPECT_EQ(f.A(Controllo::CmdStampa), g);
        EXPECT_EQ(f.A(Controllo::CmbModifica), g);
        EXPECT_EQ(f.A(Controllo::CmdAddProject), g); // one project held
        EXPECT_EQ(f.A(Controllo::FileItem, 4), false);
        EXPECT_EQ(f.A(Controllo::SchemaItem, 8), false); // swingarm only
        EXPECT_TRUE(f.spuntato.empty());                 // no units check here
    }
}

TEST_F(Abilitazione, EditorAddProjectNeedsRoomAndAGeometry) {
    for (int c = 0; c <= 15; ++c) {
        Stato(c, 6);
        FinestraFinta f;
        AttivaMenuInsGeo(f);
        EXPECT_EQ(f.A(Controllo::CmdAddProject), false) << c;
        EXPECT_EQ(f.A(Controllo::FileItem, 4), true);
    }
    Stato(1, 5);
    FinestraFinta f;
    AttivaMenuInsGeo(f);
    EXPECT_EQ(f.A(Controllo::CmdAddProject), true);
}

TEST_F(Abilitazione, EditorBadStateTakesAddProjectFromTheChooserAsItStands) {
    Stato(20, 2);
    Progetti[2].UltimoElemento = 3;
    FinestraFinta on, off;
    on.ImpostaAbilitato(Controllo::CmbModifica, 0, true);
    AttivaMenuInsGeo(on);
    AttivaMenuInsGeo(off);
    EXPECT_EQ(on.A(Controllo::CmdAddProject), true);
    EXPECT_EQ(off.A(Controllo::CmdAddProject), false);
    EXPECT_EQ(on.A(Controllo::SchemaItem, 8), true);
    EXPECT_FALSE(on.A(Controllo::CmdSimula).has_value());
    EXPECT_FALSE(on.A(Controllo::MenuItem, 9).has_value());
}

TEST_F(Abilitazione, EditorStateEightAgainstFifteen) {
    Stato(8);
    FinestraFinta f8;
    AttivaMenuInsGeo(f8);
    EXPECT_EQ(f8.A(Controllo::FileItem, 6), false);
    EXPECT_EQ(f8.A(Controllo::FileItem, 10), false);
    EXPECT_EQ(f8.A(Controllo::TamponeItem, 5), true);
    Stato(15);
    FinestraFinta f15;
    AttivaMenuInsGeo(f15);
    EXPECT_EQ(f15.A(Controllo::FileItem, 10), true);
    EXPECT_EQ(f15.A(Controllo::CmdStampa), true);
}

// ---- the Qt adapter ---------------------------------------------------------------------

TEST_F(Abilitazione, QtAdapterDrivesActionsAndWidgets) {
    QWidget finestra;
    QAction salvaProgetto("save"), unita1("metric"), unita2("imperial"), zoom("zoom");
    auto* simula = new QPushButton("simulate", &finestra);
    auto* modifica = new QComboBox(&finestra);
    auto* aggiungi = new QPushButton("add", &finestra);
    ControlliQt c;
    c.Registra(Controllo::FileItem, 6, &salvaProgetto);
    c.Registra(Controllo::UnitaItem, 1, &unita1);
    c.Registra(Controllo::UnitaItem, 2, &unita2);
    c.Registra(Controllo::MenuItem, 3, &zoom);
    c.Registra(Controllo::CmdSimula, 0, simula);
    c.Registra(Controllo::CmbModifica, 0, modifica);
    c.Registra(Controllo::CmdAddProject, 0, aggiungi);
    int16_t tipo = 0;
    c.tipoGrafico = [&](int16_t t) { tipo = t; };

    // A disabled window does not make the chooser read as disabled.
    finestra.setEnabled(false);
    Stato(15, 2);
    SistemaUnita = 2;
    AttivaMenuInsGeo(c);
    EXPECT_TRUE(salvaProgetto.isEnabled());
    EXPECT_FALSE(simula->testAttribute(Qt::WA_ForceDisabled));
    EXPECT_TRUE(c.Abilitato(Controllo::CmdAddProject, 0));

    Stato(2, 2);
    AttivaMenuInsGeo(c);
    EXPECT_FALSE(salvaProgetto.isEnabled());
    EXPECT_FALSE(c.Abilitato(Controllo::CmbModifica, 0));
    EXPECT_FALSE(c.Abilitato(Controllo::CmdAddProject, 0));

    AttivaMenuCurve(c);
    EXPECT_FALSE(unita1.isChecked());
    EXPECT_TRUE(unita2.isChecked());
    EXPECT_FALSE(zoom.isVisible());
    EXPECT_EQ(tipo, 7);
    EXPECT_FALSE(c.Abilitato(Controllo::CmdCurve, 1)); // never registered
}

TEST_F(Abilitazione, QtAdapterForgetsDestroyedControls) {
    ControlliQt c;
    {
        QAction a("x");
        c.Registra(Controllo::FileItem, 4, &a);
    }
    Stato(0, 3);
    AttivaMenuFrmMenu(c); // the action is gone: nothing happens, nothing crashes
    EXPECT_FALSE(c.Abilitato(Controllo::FileItem, 4));
}

} // namespace
