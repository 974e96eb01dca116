// The pictures of the user's guide, taken from the real windows on the offscreen platform: a
// direct-mounted shock absorber typed in the editor, its components entered through their
// windows as a user enters them, a second project with the shock absorber file loaded and a
// softer spring. Not a test; built on request:
//
//   cmake --build build/test --target fotografie
//   KELVRA_FOTO=<folder> build/test/bin/fotografie
//
// The pictures land in <folder> at full size; the guide sets large ones smaller.
#include "components/EditorComponenti.h"
#include "components/InsAmmortizzatore.h"
#include "components/InsMolla.h"
#include "components/InsTampone.h"
#include "core/Cinematica.h"
#include "core/Lingua.h"
#include "core/Servizi.h"
#include "files/FileProgetto.h"
#include "geometry_editor/InsGeo01.h"
#include "graphs/Curve01.h"
#include "graphs/Funzioni.h"
#include "graphs/Lettore.h"
#include "graphs/StatoGrafico.h"
#include "platform/CorniceMdi.h"
#include "shell/Avvio.h"
#include "shell/Comandi.h"
#include "shell/FrmMenu.h"
#include "shell/Ganci.h"
#include "shell/Main.h"
#include "support/ProgrammaAvviato.h"
#include "support/ProgrammaIntero.h"
#include "support/RisposteDialoghi.h"
#include "tables/Tab01.h"

#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

using namespace kelvra;
namespace fs = std::filesystem;

namespace {
std::string Cartella() {
    const char* c = std::getenv("KELVRA_FOTO");
    return std::string(c && *c ? c : ".") + "/";
}
void Salva(QWidget* w, const char* nome) {
    QCoreApplication::processEvents();
    w->grab().save(QString::fromStdString(Cartella() + nome));
}
void Digita(QLineEdit* c, const QString& t) {
    c->selectAll();
    QTest::keyClicks(c, t);
}
void Seleziona(Griglia* g, int prima, int ultima) {
    const int t = g->FixedRows(); // the view's rows start under the title rows
    g->selectionModel()->select(
        QItemSelection(g->model()->index(prima - t, 0), g->model()->index(ultima - t, 2)),
        QItemSelectionModel::ClearAndSelect);
    emit g->FineSelezione();
}

class Foto : public test::ProgrammaAvviato {
  protected:
    void PrimaDellAvvio() override { test::RegistraProgrammaIntero(); }
    void SetUp() override {
        ProgrammaAvviato::SetUp();
        if (HasFatalFailure()) return;
        MostraMain().setGeometry(0, 0, 1100, 800);
        QCoreApplication::processEvents();
        ed = INSGEO01::Istanza();
    }
    template <class F> void Apri(const std::function<void()>& gancio, std::function<void(F&)> u) {
        modali.RispondiModale([u](QWidget* w) {
            F* f = qobject_cast<F*>(w);
            if (!f) f = w->findChild<F*>();
            EXPECT_NE(f, nullptr);
            if (f) u(*f);
            return 0;
        });
        gancio();
    }
    void Asta(const QString& x, const QString& y) {
        ed->CmdAsta->click();
        Digita(ed->TxtAstaX, x);
        Digita(ed->TxtAstaY, y);
        ed->CmdOKAsta->click();
    }
    // The shock absorber, eye-to-eye 10 mm longer than the linkage asks for at rest, with its
    // gas panel open.
    void Ammortizzatore(int L) {
        Apri<INSAMMORTIZZATORE>(Ganci.MostraInsAmmortizzatore, [&](INSAMMORTIZZATORE& f) {
            Digita(f.TxtS, QString::number(L));
            Digita(f.TxtA, "45");
            Digita(f.TxtB, "55");
            Digita(f.TxtR, "70");
            f.CmdPressione->click();
            Digita(f.TxtPressione, "12");
            Digita(f.TxtDiametro, "46");
            Salva(&f, "shock.png");
            f.CmdOKPressione->click();
            f.CmdOK->click();
        });
    }
    // A spring 8 mm longer than the seats, filled by rate in three blocks; the picture, when
    // asked for, shows the second block being typed.
    void Molla(int sa, double k1, double k2, double k3, const char* foto) {
        Apri<INSMOLLA>(Ganci.MostraInsMolla, [&](INSMOLLA& f) {
            Digita(f.TxtLunghezza, QString::number(sa + 8));
            Digita(f.TxtLunghezzaCompressa, QString::number(sa + 8 - 90));
            f.CmdOK1->click();
            f.OptCostModo[1]->click();
            Seleziona(f.GrdTabella, 2, 42);
            Digita(f.TxtCostanteElastica, QString::number(k1));
            QTest::keyClick(f.TxtCostanteElastica, Qt::Key_Return);
            Seleziona(f.GrdTabella, 43, 62);
            Digita(f.TxtCostanteElastica, QString::number(k2));
            f.GrdTabella->scrollTo(f.GrdTabella->model()->index(36, 0),
                                   QAbstractItemView::PositionAtTop);
            if (foto) Salva(&f, foto);
            QTest::keyClick(f.TxtCostanteElastica, Qt::Key_Return);
            Seleziona(f.GrdTabella, 63, 92);
            Digita(f.TxtCostanteElastica, QString::number(k3));
            f.CmdOK2->click();
        });
    }
    void Tampone() {
        Apri<InsTampone>(Ganci.MostraInsTampone, [&](InsTampone& f) {
            Digita(f.TxtLunghezza, "25");
            Digita(f.TxtLunghezzaCompressa, "8");
            f.CmdOK1->click();
            f.OptCostModo[2]->click();
            Seleziona(f.GrdTabella, 2, 19);
            Digita(f.TxtForza, "3000");
            Salva(&f, "bumpstop.png");
            f.CmdOK2->click();
        });
    }
    // A second project: the linkage copied, the shock absorber file loaded, a softer spring.
    void SecondoProgetto(const std::string& kva, int sa) {
        ed->CmdAddProject->click();
        QCoreApplication::processEvents();
        modali.fileDaAprire.push_back(kva);
        modali.RispondiModale([](QWidget* w) {
            if (auto* f = qobject_cast<INSAMMORTIZZATORE*>(w)) f->CmdOK->click();
            return 0;
        });
        Ganci.ApriAmmortizzatore();
        Molla(sa, 75, 80, 95, nullptr);
        Ganci.AttivaInsGeo();
        ed->CmdOKMolla->click();
        QCoreApplication::processEvents();
    }
    // The save window of two projects and the editor's File menu as it drops down.
    void SalvataggioEMenu() {
        modali.RispondiModale([](QWidget* w) {
            Salva(w, "save.png");
            return 0;
        });
        Ganci.MostraFrmSalvaTipo(MOD_PROGETTO);
        for (QMenu* m : ed->findChildren<QMenu*>()) {
            if (m->title() != "&File") continue;
            m->popup(QPoint(0, 0));
            QCoreApplication::processEvents();
            Salva(m, "menu_file.png");
            m->hide();
            break;
        }
    }
    // The tables, the summary, and the graph window with its reader and legend.
    void Risultati() {
        Apri<TAB01>(Ganci.MostraTab01, [&](TAB01& f) {
            f.resize(900, 520);
            Salva(&f, "tables.png");
        });
        Apri<QWidget>(Ganci.MostraTabRiass, [&](QWidget& f) { Salva(&f, "summary.png"); });

        MostraGrafici(1);
        QCoreApplication::processEvents();
        CURVE01* g = CURVE01::Istanza();
        ASSERT_NE(g, nullptr);
        g->CmdCurve_Click(13);
        Salva(main, "graph.png");
        g->CmdCurve_Click(13);
        g->CmdPulsantiera_Click(2);
        QCoreApplication::processEvents();
        if (auto* l = LETTORE::Istanza()) Salva(l, "reader.png");
        modali.RispondiModale([](QWidget* w) {
            Salva(w, "legend.png");
            return 0;
        });
        g->CmdPulsantiera_Click(5);
    }
    RisposteDialoghi modali;
    INSGEO01* ed = nullptr;
};

TEST_F(Foto, GuidePictures) {
    ed->CmdMolla->click();
    Digita(ed->TxtMollaX, "60");
    Digita(ed->TxtMollaY, "360");
    Digita(ed->TxtMaxEsc, "120");
    ed->CmdOKMolla->click();
    QCoreApplication::processEvents();
    const double statica = Progetti[1].LunghezzaStaticaAmmortizzatore;
    const int L = static_cast<int>(statica) + 10;
    Ammortizzatore(L);
    const int sa = L - 100;
    Molla(sa, 85, 95, 110, "spring.png");
    Tampone();
    EXPECT_EQ(Progetti[1].StatoDatiProgetto, 15);
    EXPECT_TRUE(dialoghi.mostrati.empty());
    Ganci.AttivaInsGeo();
    ed->CmdOKMolla->click();
    QCoreApplication::processEvents();
    const std::string kva = cartella.path().toStdString() + "/rear.kva";
    ASSERT_TRUE(Ganci.SalvaAmmortizzatore(kva, 1));
    SecondoProgetto(kva, sa);
    SalvataggioEMenu();
    Risultati();
}
} // namespace
