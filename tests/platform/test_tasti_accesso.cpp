// Every window of the program, as the user reaches it, gives each access key to one caption
// only, the titles of the menu bar it shows included. A modal window is looked at as it appears.
#include "components/EditorComponenti.h"
#include "components/InsAmmortizzatore.h"
#include "files/FileProgetto.h"
#include "geometry_editor/InsGeo01.h"
#include "graphs/Curve01.h"
#include "graphs/StatoGrafico.h"
#include "shell/Comandi.h"
#include "shell/FrmMenu.h"
#include "support/ProgettoRisolto.h"
#include "support/ProgrammaAvviato.h"
#include "support/ProgrammaIntero.h"
#include "support/RisposteDialoghi.h"
#include "support/TastiAccesso.h"
#include "tables/Tab01.h"

#include <QMenuBar>
#include <functional>

using namespace kelvra;

namespace {

class AccessKeys : public test::ProgrammaAvviato {
  protected:
    void PrimaDellAvvio() override {
        ReimpostaGrafico();
        test::RegistraProgrammaIntero();
    }
    void TearDown() override {
        delete CURVE01::Istanza();
        delete INSGEO01::Istanza();
        ProgrammaAvviato::TearDown();
        ReimpostaGrafico();
    }
    // `w` with the menu bar that goes with it: its own, or the frame's for a window in the frame.
    void Unici(const QString& nome, const QWidget* w) {
        ASSERT_NE(w, nullptr) << nome.toStdString();
        const QMenuBar* barra = w->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
        if (!w->isWindow()) barra = main->menuBar();
        test::TastiUnici(nome, w, barra ? barra->actions() : QList<QAction*>(), &tasti);
    }
    // The next modal window, looked at as it is shown, the shock absorber's gas-charge page too.
    void Modale(const QString& nome, const std::function<void()>& apri) {
        modali.RispondiModale([&](QWidget* w) {
            w->show();
            QCoreApplication::processEvents();
            Unici(nome, w);
            if (auto* f = qobject_cast<INSAMMORTIZZATORE*>(w)) {
                f->CmdPressione->click();
                QCoreApplication::processEvents();
                Unici(nome + ", gas charge", w);
            }
            w->close();
            return 0;
        });
        apri();
        EXPECT_TRUE(modali.modali.empty()) << nome.toStdString() << " was not shown";
        modali.modali.clear();
    }
    RisposteDialoghi modali;
    int tasti = 0;
};

TEST_F(AccessKeys, AreUniqueInEveryWindow) {
    // Two computed projects with all their components, so that every command is offered.
    MostraMain();
    for (int16_t p : {1, 2}) {
        Progetto& pr = test::ProgettoRisolto(p, 15, 120);
        pr.MollaInserita = pr.AmmortizzatoreInserito = pr.TamponeInserito = VERO;
    }
    NumeroProgetti = ProgettoSelezionato = 2;
    Ganci.MostraFrmMenu(*main);
    QCoreApplication::processEvents();
    Unici("start screen", FRMMENU::Istanza());
    Ganci.MostraInsGeo(*main, false);
    QCoreApplication::processEvents();
    Unici("geometry editor", INSGEO01::Istanza());
    MostraGrafici(1);
    QCoreApplication::processEvents();
    CURVE01* g = CURVE01::Istanza();
    Unici("graph window", g);
    ASSERT_NE(g, nullptr);
    // clang-format off
    const std::pair<QString, std::function<void()>> modale[] = {
        {"spring", Ganci.MostraInsMolla}, {"bump stop", Ganci.MostraInsTampone},
        {"shock absorber", Ganci.MostraInsAmmortizzatore}, {"preload", Ganci.MostraFrmPLoad},
        {"test bench", Ganci.MostraFrmAcq}, {"detailed table", Ganci.MostraTab01},
        {"summary table", Ganci.MostraTabRiass},
        {"open chooser", [this] { Ganci.MostraSceltaOpen(*main); }},
        {"save chooser", [this] { Ganci.MostraSceltaSave(*main); }},
        {"about box", [this] { Ganci.GestisciMenuGuida(5, *main); }},
        {"graph tools", [g] { g->CmdPulsantiera_Click(1); }},
        {"curve reader", [g] { g->CmdPulsantiera_Click(2); }},
        {"legend", [g] { g->CmdPulsantiera_Click(5); }},
        {"save dialog", [] { Ganci.MostraFrmSalvaTipo(MOD_PROGETTO); }}};
    // clang-format on
    for (const auto& [nome, apri] : modale) Modale(nome, apri);
    g->CmdPulsantiera_Click(6);
    QCoreApplication::processEvents();
    Unici("graph window, colours", g);
    delete g;
    Modale("graph window shown modal", Ganci.MostraCurve01Modale);
    EXPECT_GT(tasti, 50); // the captions were found
}

} // namespace
