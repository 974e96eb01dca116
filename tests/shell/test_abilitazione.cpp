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
using C = Controllo;

namespace {

// Records every property set; a property never set reads as nullopt.
class FinestraFinta : public ControlliCurve {
  public:
    using Mappa = std::map<std::pair<C, int>, bool>;
    Mappa abilitato, visibile, spuntato;
    std::optional<int16_t> tipoGrafico;

    void ImpostaAbilitato(C c, int i, bool v) override { abilitato[{c, i}] = v; }
    void ImpostaVisibile(C c, int i, bool v) override { visibile[{c, i}] = v; }
    void ImpostaSpuntato(C c, int i, bool v) override { spuntato[{c, i}] = v; }
    bool Abilitato(C c, int i) const override { return A(c, i).value_or(false); }
    void ImpostaTipoGrafico(int16_t t) override { tipoGrafico = t; }
    std::optional<bool> A(C c, int i = 0) const { return Leggi(abilitato, c, i); }
    std::optional<bool> V(C c, int i = 0) const { return Leggi(visibile, c, i); }
    std::optional<bool> S(C c, int i = 0) const { return Leggi(spuntato, c, i); }

  private:
    static std::optional<bool> Leggi(const Mappa& m, C c, int i) {
        auto it = m.find({c, i});
        return it == m.end() ? std::nullopt : std::optional<bool>(it->second);
    }
};

// The state sets, written out as lists (not as bit tests) so they check the code's rule.
const std::set<int> kGeometria{1, 3, 5, 7, 9, 11, 13, 15};
const std::set<int> kMolla{2, 3, 6, 7, 10, 11, 14, 15};
const std::set<int> kAmmortizzatore{4, 5, 6, 7, 12, 13, 14, 15};
const std::set<int> kTampone{8, 9, 10, 11, 12, 13, 14, 15};
const std::set<int> kQualcheRisultato{1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};

// The charts a state allows, from the dependency of each chart on the data entered.
bool GraficoPermesso(int grafico, bool g, bool m, bool a, bool t) {
    if (grafico <= 6) return g;
    if (grafico == 7) return m;
    if (grafico == 8) return m && a;
    if (grafico == 9) return t;
    if (grafico == 10) return g && m && a;
    return g && a && (m || t);
}

int PrimoAtteso(int c) {
    if (c == 2 || c == 6 || c == 10 || c == 14) return 7;
    if (c == 8 || c == 9 || c == 12) return 9; // 9 starts on the bump stop, geometry or not
    return 1;
}

class Abilitazione : public test::TabelleAzzerate {
  protected:
    void Stato(int c, int n = 1, int16_t sistema = 1) {
        SistemaUnita = sistema;
        NumeroProgetti = static_cast<int16_t>(n);
        Progetti[n].StatoDatiProgetto = static_cast<int16_t>(c);
    }
};

// The three windows over every state code, with one, five and six projects held, and the
// bench acquisition flag of the newest project off, holding 1 (not a truth value) or VERO;
// an older project's flag never counts.
TEST_F(Abilitazione, EveryWindowFollowsEveryStateCode) {
    for (int n : {1, 5, 6})
        for (int acquisizione : {int{FALSO}, 1, int{VERO}})
            for (int c = 0; c <= 15; ++c) {
                SCOPED_TRACE(testing::Message() << "state " << c << " projects " << n
                                                << " acquisition " << acquisizione);
                Stato(c, n);
                Progetti[1].AcquisizioneAttiva = VERO;
                Progetti[n].AcquisizioneAttiva = static_cast<int16_t>(acquisizione);
                const bool banco = acquisizione == VERO;
                const bool g = kGeometria.count(c), m = kMolla.count(c),
                           a = kAmmortizzatore.count(c), t = kTampone.count(c),
                           r = kQualcheRisultato.count(c), completo = c == 7 || c == 15;
                FinestraFinta menu, curve, geo;
                AttivaMenuFrmMenu(menu);
                AttivaMenuCurve(curve);
                AttivaMenuInsGeo(geo);
                for (const FinestraFinta* f : {&menu, &curve, &geo})
                    EXPECT_EQ(f->A(C::FileItem, 4), n > 1);
                for (const FinestraFinta* f : {&menu, &geo}) {
                    EXPECT_EQ(f->A(C::MenuItem, 9), g);
                    EXPECT_EQ(f->A(C::FileItem, 6), completo);
                    EXPECT_EQ(f->A(C::SchemaItem, 6), g);
                    EXPECT_EQ(f->A(C::AmmortizzatoreItem, 5), a);
                    EXPECT_EQ(f->A(C::MollaItem, 5), m);
                    EXPECT_EQ(f->A(C::TamponeItem, 5), t);
                }

                // Start screen: each button shown or hidden (never disabled), its twin at
                // +50 shown otherwise.
                EXPECT_EQ(menu.A(C::MenuItem, 7), r);
                EXPECT_EQ(menu.A(C::MenuItem, 8), r);
                const std::pair<int, bool> pulsanti[] = {{2, completo}, {6, g},  {10, a}, {14, m},
                                                         {18, t},       {21, r}, {22, r}};
                for (auto [i, on] : pulsanti) {
                    EXPECT_EQ(menu.V(C::CmdMenu, i), on) << "button " << i;
                    EXPECT_EQ(menu.V(C::CmdMenu, i + 50), !on) << "button " << i;
                    EXPECT_FALSE(menu.A(C::CmdMenu, i).has_value());
                }
                EXPECT_EQ(menu.S(C::UnitaItem, 1), true);
                EXPECT_EQ(menu.S(C::UnitaItem, 2), false);

                // Graph window: an acquisition can always be plotted, first, never saved.
                for (int i = 1; i <= 14; ++i) {
                    const bool atteso = GraficoPermesso(i, g, m, a, t) || (banco && i == 8);
                    EXPECT_EQ(curve.A(C::CmdCurve, i), atteso) << "chart " << i;
                    EXPECT_EQ(curve.A(C::GraficiItem, i), atteso) << "chart " << i;
                }
                EXPECT_EQ(curve.tipoGrafico, banco ? 8 : PrimoAtteso(c));
                EXPECT_EQ(curve.A(C::FileItem, 6), completo && !banco);
                EXPECT_EQ(curve.A(C::FileItem, 7), completo && !banco);
                EXPECT_EQ(curve.V(C::MenuItem, 3), false);
                EXPECT_EQ(curve.V(C::InfoItem, 2), false);
                EXPECT_EQ(curve.S(C::UnitaItem, 1), true);

                // Geometry editor: a project can be added while there is room.
                EXPECT_EQ(geo.A(C::MenuItem, 10), r);
                EXPECT_EQ(geo.A(C::MenuItem, 11), r);
                EXPECT_EQ(geo.A(C::MenuItem, 12), g);
                EXPECT_EQ(geo.A(C::FileItem, 10), g);
                EXPECT_EQ(geo.A(C::CmdSimula), g);
                EXPECT_EQ(geo.A(C::CmdStampa), g);
                EXPECT_EQ(geo.A(C::CmbModifica), g);
                EXPECT_EQ(geo.A(C::CmdAddProject), g && n < 6);
                EXPECT_EQ(geo.A(C::SchemaItem, 8), false); // no element past the swingarm
                EXPECT_TRUE(geo.spuntato.empty());         // no units check here
            }
}

// A state code outside 0..15 runs only the parts that do not depend on it.
TEST_F(Abilitazione, BadStateRunsOnlyTheCommonPart) {
    for (int c : {-1, 16, 99}) {
        Stato(c, 3, 2);
        Progetti[3].UltimoElemento = 3;
        FinestraFinta menu, curve, on, off;
        AttivaMenuFrmMenu(menu);
        EXPECT_EQ(menu.abilitato.size(), 1u);
        EXPECT_EQ(menu.A(C::FileItem, 4), true);
        EXPECT_TRUE(menu.visibile.empty());
        EXPECT_EQ(menu.S(C::UnitaItem, 1), false);
        EXPECT_EQ(menu.S(C::UnitaItem, 2), true);
        // The graph window disables every chart, keeps its save items, starts on chart 1.
        for (int i = 1; i <= 14; ++i) curve.ImpostaAbilitato(C::CmdCurve, i, true);
        curve.ImpostaAbilitato(C::FileItem, 6, true);
        AttivaMenuCurve(curve);
        for (int i = 1; i <= 14; ++i) EXPECT_EQ(curve.A(C::CmdCurve, i), false);
        EXPECT_EQ(curve.A(C::FileItem, 6), true);
        EXPECT_EQ(curve.tipoGrafico, 1);
        EXPECT_EQ(curve.S(C::UnitaItem, 2), true);
        // The editor takes add-project from the element chooser as it stands.
        on.ImpostaAbilitato(C::CmbModifica, 0, true);
        AttivaMenuInsGeo(on);
        AttivaMenuInsGeo(off);
        EXPECT_EQ(on.A(C::CmdAddProject), true);
        EXPECT_EQ(off.A(C::CmdAddProject), false);
        EXPECT_EQ(on.A(C::SchemaItem, 8), true);
        EXPECT_FALSE(on.A(C::CmdSimula).has_value());
        EXPECT_FALSE(on.A(C::MenuItem, 9).has_value());
    }
    // No unit system: the ticks are left alone.
    Stato(7, 1, 0);
    FinestraFinta f, g;
    AttivaMenuFrmMenu(f);
    AttivaMenuCurve(g);
    EXPECT_TRUE(f.spuntato.empty() && g.spuntato.empty());
    // A project count outside 1..6 touches nothing.
    for (int n : {0, 7, -3}) {
        NumeroProgetti = static_cast<int16_t>(n);
        FinestraFinta h;
        AttivaMenuFrmMenu(h);
        AttivaMenuCurve(h);
        AttivaMenuInsGeo(h);
        EXPECT_TRUE(h.abilitato.empty() && h.visibile.empty() && h.spuntato.empty());
        EXPECT_FALSE(h.tipoGrafico.has_value());
    }
}

TEST_F(Abilitazione, RegisteredStartScreenIsTheOneEnabled) {
    Stato(15, 2);
    AttivaMenuFrmMenu(); // none registered: nothing to do, no crash
    FinestraFinta f;
    RegistraFrmMenu(&f);
    AttivaMenuFrmMenu();
    RegistraFrmMenu(nullptr);
    EXPECT_EQ(f.A(C::FileItem, 6), true);
    EXPECT_EQ(f.A(C::FileItem, 4), true);
}

TEST_F(Abilitazione, QtAdapterDrivesActionsAndWidgetsAndForgetsDestroyedOnes) {
    QWidget finestra;
    QAction salvaProgetto("save"), unita1("metric"), unita2("imperial"), zoom("zoom");
    auto* simula = new QPushButton("simulate", &finestra);
    ControlliQt c;
    c.Registra(C::FileItem, 6, &salvaProgetto);
    c.Registra(C::UnitaItem, 1, &unita1);
    c.Registra(C::UnitaItem, 2, &unita2);
    c.Registra(C::MenuItem, 3, &zoom);
    c.Registra(C::CmdSimula, 0, simula);
    c.Registra(C::CmbModifica, 0, new QComboBox(&finestra));
    c.Registra(C::CmdAddProject, 0, new QPushButton("add", &finestra));
    int16_t tipo = 0;
    c.tipoGrafico = [&](int16_t t) { tipo = t; };

    // A disabled window does not make the chooser read as disabled.
    finestra.setEnabled(false);
    Stato(15, 2, 2);
    AttivaMenuInsGeo(c);
    EXPECT_TRUE(salvaProgetto.isEnabled());
    EXPECT_FALSE(simula->testAttribute(Qt::WA_ForceDisabled));
    EXPECT_TRUE(c.Abilitato(C::CmdAddProject, 0));

    Stato(2, 2, 2);
    AttivaMenuInsGeo(c);
    EXPECT_FALSE(salvaProgetto.isEnabled());
    EXPECT_FALSE(c.Abilitato(C::CmbModifica, 0));
    EXPECT_FALSE(c.Abilitato(C::CmdAddProject, 0));

    AttivaMenuCurve(c);
    EXPECT_FALSE(unita1.isChecked());
    EXPECT_TRUE(unita2.isChecked());
    EXPECT_FALSE(zoom.isVisible());
    EXPECT_EQ(tipo, 7);
    EXPECT_FALSE(c.Abilitato(C::CmdCurve, 1)); // never registered

    {
        QAction a("x");
        c.Registra(C::FileItem, 4, &a);
    }
    AttivaMenuFrmMenu(c); // the action is gone: nothing happens, nothing crashes
    EXPECT_FALSE(c.Abilitato(C::FileItem, 4));
}

} // namespace
