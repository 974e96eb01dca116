// Enabling by project state over every state code, against fake windows that record what
// was set (and what was never touched), and through the Qt adapter on real actions/widgets.
#include "core/Unita.h"
#include "shell/Abilitazione.h"
#include "shell/ControlliQt.h"
#include "support/Risposte.h"

#include <QComboBox>
#include <QPushButton>

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
    static std::optional<bool> Leggi(const Mappa& m, C c, int i) {
        return m.count({c, i}) ? std::optional(m.at({c, i})) : std::nullopt;
    }
};

// The charts a state allows, from what each chart plots (g geometry, m spring, a shock
// absorber, t bump stop).
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

class Enabling : public test::TabelleAzzerate {
  protected:
    void Stato(int c, int n = 1, int16_t sistema = 1) {
        SistemaUnita = sistema;
        NumeroProgetti = static_cast<int16_t>(n);
        Progetti[n].StatoDatiProgetto = static_cast<int16_t>(c);
    }
};

// The three windows over every state code (bits: geometry 1, spring 2, shock 4, bump stop
// 8), with one, five and six projects held, and the bench acquisition flag of the newest
// project off, holding 1 (not a truth value) or VERO; an older project's flag never counts.
TEST_F(Enabling, EveryWindowFollowsEveryStateCode) {
    for (int n : {1, 5, 6})
        for (int acquisizione : {int{FALSO}, 1, int{VERO}})
            for (int c = 0; c <= 15; ++c) {
                SCOPED_TRACE(testing::Message() << "state " << c << " projects " << n
                                                << " acquisition " << acquisizione);
                Stato(c, n);
                Progetti[1].AcquisizioneAttiva = VERO;
                Progetti[n].AcquisizioneAttiva = static_cast<int16_t>(acquisizione);
                const bool banco = acquisizione == VERO, g = c & 1, m = c & 2, a = c & 4, t = c & 8,
                           r = c != 0 && c != 4, completo = c == 7 || c == 15;
                FinestraFinta menu, curve, geo;
                AttivaMenuFrmMenu(menu);
                AttivaMenuCurve(curve);
                AttivaMenuInsGeo(geo);
                for (const FinestraFinta* f : {&menu, &curve, &geo})
                    EXPECT_EQ(f->A(C::FileItem, 4), n > 1);
                // Control, index, expected; on the start screen (1), the editor (2) or both.
                const std::tuple<C, int, bool, int> voci[] = {
                    {C::MenuItem, 9, g, 3},       {C::FileItem, 6, completo, 3},
                    {C::SchemaItem, 6, g, 3},     {C::AmmortizzatoreItem, 5, a, 3},
                    {C::MollaItem, 5, m, 3},      {C::TamponeItem, 5, t, 3},
                    {C::MenuItem, 7, r, 1},       {C::MenuItem, 8, r, 1},
                    {C::MenuItem, 10, r, 2},      {C::MenuItem, 11, r, 2},
                    {C::MenuItem, 12, g, 2},      {C::FileItem, 10, g, 2},
                    {C::CmdSimula, 0, g, 2},      {C::CmdStampa, 0, g, 2},
                    {C::CmbModifica, 0, g, 2},    {C::CmdAddProject, 0, g && n < 6, 2},
                    {C::SchemaItem, 8, false, 2}, // no element past the swingarm
                };
                for (auto [k, i, on, dove] : voci) {
                    EXPECT_TRUE(!(dove & 1) || menu.A(k, i) == on) << int(k) << " " << i;
                    EXPECT_TRUE(!(dove & 2) || geo.A(k, i) == on) << int(k) << " " << i;
                }
                // Start screen: each button shown or hidden (never disabled), its twin at
                // +50 shown otherwise.
                const std::pair<int, bool> pulsanti[] = {{2, completo}, {6, g},  {10, a}, {14, m},
                                                         {18, t},       {21, r}, {22, r}};
                for (auto [i, on] : pulsanti) {
                    EXPECT_EQ(menu.V(C::CmdMenu, i), on) << "button " << i;
                    EXPECT_EQ(menu.V(C::CmdMenu, i + 50), !on) << "button " << i;
                    EXPECT_FALSE(menu.A(C::CmdMenu, i).has_value());
                }
                EXPECT_EQ(std::pair(menu.S(C::UnitaItem, 1), menu.S(C::UnitaItem, 2)),
                          std::pair(std::optional(true), std::optional(false)));
                EXPECT_TRUE(geo.spuntato.empty()); // no units check in the editor

                // Graph window: an acquisition can always be plotted, first, never saved.
                for (int i = 1; i <= 14; ++i) {
                    const bool atteso = GraficoPermesso(i, g, m, a, t) || (banco && i == 8);
                    EXPECT_EQ(curve.A(C::CmdCurve, i), atteso) << "chart " << i;
                    EXPECT_EQ(curve.A(C::GraficiItem, i), atteso) << "chart " << i;
                }
                EXPECT_EQ(curve.tipoGrafico, banco ? 8 : PrimoAtteso(c));
                for (int i : {6, 7}) EXPECT_EQ(curve.A(C::FileItem, i), completo && !banco);
                EXPECT_EQ(curve.V(C::MenuItem, 3), false);
                EXPECT_EQ(curve.V(C::InfoItem, 2), false);
                EXPECT_EQ(curve.S(C::UnitaItem, 1), true);
            }
}

// A state code outside 0..15 runs only the parts that do not depend on it; a project count
// outside 1..6 touches nothing; the registered start screen is the one enabled.
TEST_F(Enabling, BadStateOrCountRunsOnlyTheCommonPart) {
    for (int c : {-1, 16, 99}) {
        Stato(c, 3, 2);
        Progetti[3].UltimoElemento = 3;
        FinestraFinta menu, curve, on, off;
        AttivaMenuFrmMenu(menu);
        EXPECT_EQ(menu.abilitato, (FinestraFinta::Mappa{{{C::FileItem, 4}, true}}));
        EXPECT_TRUE(menu.visibile.empty());
        EXPECT_EQ(menu.S(C::UnitaItem, 2), true);
        // The graph window disables every chart, keeps its save items, starts on chart 1.
        for (int i = 1; i <= 14; ++i) curve.ImpostaAbilitato(C::CmdCurve, i, true);
        curve.ImpostaAbilitato(C::FileItem, 6, true);
        AttivaMenuCurve(curve);
        for (int i = 1; i <= 14; ++i) EXPECT_EQ(curve.A(C::CmdCurve, i), false);
        EXPECT_EQ(curve.A(C::FileItem, 6), true);
        EXPECT_EQ(curve.tipoGrafico, 1);
        // The editor takes add-project from the element chooser as it stands.
        on.ImpostaAbilitato(C::CmbModifica, 0, true);
        AttivaMenuInsGeo(on);
        AttivaMenuInsGeo(off);
        EXPECT_EQ(std::pair(on.A(C::CmdAddProject), off.A(C::CmdAddProject)),
                  std::pair(std::optional(true), std::optional(false)));
        EXPECT_EQ(on.A(C::SchemaItem, 8), true);
        EXPECT_FALSE(on.A(C::CmdSimula).has_value());
    }
    // No unit system: the ticks are left alone.
    Stato(7, 1, 0);
    FinestraFinta f, g;
    AttivaMenuFrmMenu(f);
    AttivaMenuCurve(g);
    EXPECT_TRUE(f.spuntato.empty() && g.spuntato.empty());
    for (int n : {0, 7, -3}) {
        NumeroProgetti = static_cast<int16_t>(n);
        FinestraFinta h;
        AttivaMenuFrmMenu(h);
        AttivaMenuCurve(h);
        AttivaMenuInsGeo(h);
        EXPECT_TRUE(h.abilitato.empty() && h.visibile.empty() && h.spuntato.empty());
        EXPECT_FALSE(h.tipoGrafico.has_value());
    }
    Stato(15, 2);
    AttivaMenuFrmMenu(); // none registered: nothing to do, no crash
    FinestraFinta registrata;
    RegistraFrmMenu(&registrata);
    AttivaMenuFrmMenu();
    RegistraFrmMenu(nullptr);
    EXPECT_EQ(registrata.A(C::FileItem, 6), true);
}

// The Qt adapter on real actions and widgets (the editor's window checks its buttons).
TEST_F(Enabling, QtAdapterDrivesActionsAndWidgetsAndForgetsDestroyedOnes) {
    QWidget finestra;
    QAction zoom("zoom");
    ControlliQt c;
    c.Registra(C::MenuItem, 3, &zoom);
    c.Registra(C::CmbModifica, 0, new QComboBox(&finestra));
    c.Registra(C::CmdAddProject, 0, new QPushButton("add", &finestra));
    int16_t tipo = 0;
    c.tipoGrafico = [&](int16_t t) { tipo = t; };
    // A disabled window does not make the chooser read as disabled.
    finestra.setEnabled(false);
    Stato(15, 2, 2);
    AttivaMenuInsGeo(c);
    EXPECT_TRUE(c.Abilitato(C::CmdAddProject, 0));
    Stato(2, 2, 2);
    AttivaMenuInsGeo(c);
    EXPECT_FALSE(c.Abilitato(C::CmdAddProject, 0));
    AttivaMenuCurve(c);
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
