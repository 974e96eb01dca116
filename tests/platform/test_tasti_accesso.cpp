// Every window of the program, as the user reaches it, gives each access key to one caption
// only: the titles of the menu bar it shows and its shown buttons, group boxes and labelled
// boxes together. Each modal window is looked at as it appears, before the test closes it.
#include "components/EditorComponenti.h"
#include "components/InsAmmortizzatore.h"
#include "core/Unita.h"
#include "files/FileProgetto.h"
#include "geometry_editor/InsGeo01.h"
#include "graphs/Curve01.h"
#include "graphs/StatoGrafico.h"
#include "shell/Comandi.h"
#include "shell/FrmMenu.h"
#include "support/ProgettoRisolto.h"
#include "support/ProgrammaAvviato.h"
#include "support/RisposteDialoghi.h"
#include "support/TastiAccesso.h"
#include "tables/Tab01.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <functional>

using namespace kelvra;

namespace {

class AccessKeys : public test::ProgrammaAvviato {
  protected:
    void PrimaDellAvvio() override {
        ReimpostaGrafico();
        RegistraFrmMenu();
        RegistraEditorGeometria();
        RegistraTabelle();
        RegistraGrafici();
        RegistraFileProgetto();
        RegistraEditorComponenti();
        RegistraComandi();
    }
    void SetUp() override {
        ProgrammaAvviato::SetUp();
        if (HasFatalFailure()) return;
        ImpostaUnitaMisura(SISTEMA_METRICO);
        MostraMain();
    }
    void TearDown() override {
        delete CURVE01::Istanza();
        delete INSGEO01::Istanza();
        ProgrammaAvviato::TearDown();
        ReimpostaGrafico();
    }
    // The window with the menu bar that goes with it: a window's own bar, or the frame's bar
    // for a window shown in the frame.
    void Unici(const QString& nome, const QWidget* w) {
        QList<QAction*> titoli;
        if (auto* m = qobject_cast<const QMainWindow*>(w))
            titoli = m->menuBar()->actions();
        else if (auto* barra = w->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly))
            titoli = barra->actions();
        else if (!w->isWindow())
            titoli = main->menuBar()->actions();
        const QStringList testi = test::DidascalieConTasto(w, titoli);
        const QStringList doppi = test::TastiDoppi(testi);
        EXPECT_TRUE(doppi.isEmpty())
            << nome.toStdString() << ": " << doppi.join(", ").toStdString();
        visti << nome;
        didascalie += static_cast<int>(testi.size());
    }
    // The next modal window, looked at as it is shown; `poi` may act on it and look again.
    void Modale(const QString& nome, const std::function<void()>& apri,
                const std::function<void(QWidget*)>& poi = {}) {
        bool mostrata = false;
        modali.RispondiModale([&](QWidget* w) {
            w->show();
            QCoreApplication::processEvents();
            Unici(nome, w);
            if (poi) poi(w);
            mostrata = true;
            w->close();
            return 0;
        });
        apri();
        EXPECT_TRUE(mostrata) << nome.toStdString();
        modali.modali.clear();
    }

    RisposteDialoghi modali;
    QStringList visti;
    int didascalie = 0;
};

TEST_F(AccessKeys, AreUniqueInEveryWindow) {
    // Two computed projects with all their components, so that every command is offered.
    for (int16_t p : {1, 2}) {
        Progetto& pr = test::ProgettoRisolto(p, 15, 120);
        pr.MollaInserita = pr.AmmortizzatoreInserito = pr.TamponeInserito = VERO;
    }
    NumeroProgetti = ProgettoSelezionato = 2;

    Ganci.MostraFrmMenu(*main);
    QCoreApplication::processEvents();
    ASSERT_NE(FRMMENU::Istanza(), nullptr);
    Unici("start screen", FRMMENU::Istanza());
    Ganci.MostraInsGeo(*main, false);
    QCoreApplication::processEvents();
    INSGEO01* ed = INSGEO01::Istanza();
    ASSERT_NE(ed, nullptr);
    Unici("geometry editor", ed);
    ed->CmdMolla->click();
    ASSERT_TRUE(ed->FRMMOLLA->isVisible());
    Unici("geometry editor, shock panel", ed);

    Modale("spring", [] { Ganci.MostraInsMolla(); });
    Modale("bump stop", [] { Ganci.MostraInsTampone(); });
    Modale(
        "shock absorber", [] { Ganci.MostraInsAmmortizzatore(); },
        [this](QWidget* w) {
            auto* f = qobject_cast<INSAMMORTIZZATORE*>(w);
            if (!f) f = w->findChild<INSAMMORTIZZATORE*>();
            ASSERT_NE(f, nullptr);
            f->CmdPressione->click();
            QCoreApplication::processEvents();
            Unici("shock absorber, gas charge", w);
        });
    Modale("preload", [] { Ganci.MostraFrmPLoad(); });
    Modale("test bench", [] { Ganci.MostraFrmAcq(); });
    Modale("detailed table", [] { Ganci.MostraTab01(); });
    Modale("summary table", [] { Ganci.MostraTabRiass(); });
    for (int16_t tipo = MOD_PROGETTO; tipo <= MOD_TAMPONE; ++tipo)
        Modale(QString("save dialog %1").arg(tipo), [tipo] { Ganci.MostraFrmSalvaTipo(tipo); });
    Modale("open chooser", [this] { Ganci.MostraSceltaOpen(*main); });
    Modale("save chooser", [this] { Ganci.MostraSceltaSave(*main); });
    Modale("about box", [this] { Ganci.GestisciMenuGuida(5, *main); });

    MostraGrafici(1);
    QCoreApplication::processEvents();
    CURVE01* g = CURVE01::Istanza();
    ASSERT_NE(g, nullptr);
    Unici("graph window", g);
    Modale("graph tools", [g] { g->CmdPulsantiera_Click(1); });
    Modale("curve reader", [g] { g->CmdPulsantiera_Click(2); });
    Modale("legend", [g] { g->CmdPulsantiera_Click(5); });
    g->CmdPulsantiera_Click(6);
    QCoreApplication::processEvents();
    Unici("graph window, colours", g);
    g->close();
    delete g;
    Modale("graph window shown modal", [] { Ganci.MostraCurve01Modale(); });

    // Every window was reached and had captions to look at.
    EXPECT_EQ(visti.size(), 25) << visti.join(", ").toStdString();
    EXPECT_GT(didascalie, 100);
}

} // namespace
